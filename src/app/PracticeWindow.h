#pragma once

#include "print/PracticeDetails.h"
#include "ui/FormWindow.h"

#include <array>

class QLabel;
class QLineEdit;

// "Paramètres du cabinet": the practice details printed on every letterhead, with the prescription's
// letterhead as it will print, redrawn at every keystroke.
class PracticeWindow : public FormWindow {
    Q_OBJECT
public:
    PracticeWindow();

    // The details as typed.
    PracticeDetails typedDetails() const;

    // Saves the typed details and closes; on failure the window stays open with what was typed.
    void save();

    // The preview as it is shown.
    QImage preview() const;

protected:
    void enterPressed(QWidget *focused) override;
    void functionKeyPressed(int number) override;
    void escapePressed() override { closeWindow(); }

private:
    void updatePreview();

    std::array<QLineEdit *, 6> m_fields{};
    QLabel *m_preview = nullptr;
};

// Opens the practice details window and runs it until it closes.
void openPracticeWindow();
