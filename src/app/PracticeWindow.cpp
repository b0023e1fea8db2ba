#include "app/PracticeWindow.h"

#include "print/PracticeSettings.h"
#include "print/ImagePage.h"
#include "print/LetterheadRenderer.h"
#include "print/Letterheads.h"
#include "print/Units.h"
#include "ui/Widgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// Each field: its caption, the detail it edits and its object name.
struct DetailField {
    const char *caption;
    QString PracticeDetails::*member;
    const char *name;
};

const std::array<DetailField, 6> detailFields{{
    {"Nom du médecin :", &PracticeDetails::doctor, "doctor"},
    {"Spécialité :", &PracticeDetails::speciality, "speciality"},
    {"Adresse :", &PracticeDetails::addressLine1, "addressLine1"},
    {"Adresse (suite) :", &PracticeDetails::addressLine2, "addressLine2"},
    {"Téléphone :", &PracticeDetails::telephone, "telephone"},
    {"Ligne libre :", &PracticeDetails::freeLine, "freeLine"},
}};

const QRect PreviewPlace{20, 200, 680, 150};

} // namespace

PracticeWindow::PracticeWindow() : FormWindow(QStringLiteral("Paramètres du cabinet")) {
    setObjectName(QStringLiteral("practiceWindow"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    centre({720, 420});

    const PracticeDetails &current = practiceDetails();
    for (size_t row = 0; row < detailFields.size(); ++row) {
        const DetailField &detail = detailFields[row];
        const int y = 20 + 24 * int(row);
        Place::label(this, {20, y, 140, 20}, QString::fromUtf8(detail.caption));
        m_fields[row] = Place::field(this, {170, y, 420, 20});
        m_fields[row]->setObjectName(QString::fromLatin1(detail.name));
        m_fields[row]->setText(current.*detail.member);
        connect(m_fields[row], &QLineEdit::textChanged, this, &PracticeWindow::updatePreview);
    }
    Place::label(this, {20, 176, 400, 20}, QStringLiteral("En-tête de l'ordonnance, tel qu'il sera imprimé :"));
    m_preview = Place::label(this, PreviewPlace);
    m_preview->setObjectName(QStringLiteral("preview"));
    m_preview->setFrameShape(QFrame::Box);

    QPushButton *validate = Place::button(this, {430, 370, 130, 30}, QStringLiteral("(#F5) Valider"));
    QPushButton *quit = Place::button(this, {570, 370, 130, 30}, QStringLiteral("(#ESC) Quitter"));
    validate->setObjectName(QStringLiteral("validate"));
    quit->setObjectName(QStringLiteral("quit"));
    connect(validate, &QPushButton::clicked, this, &PracticeWindow::save);
    connect(quit, &QPushButton::clicked, this, &FormWindow::closeWindow);

    updatePreview();
    m_fields.front()->setFocus();
}

PracticeDetails PracticeWindow::typedDetails() const {
    PracticeDetails details;
    for (size_t row = 0; row < detailFields.size(); ++row)
        details.*detailFields[row].member = m_fields[row]->text();
    return details;
}

void PracticeWindow::save() {
    if (PracticeSettings::save(typedDetails()))
        closeWindow();
}

QImage PracticeWindow::preview() const {
    return m_preview->pixmap().toImage();
}

// The letterhead drawn on a page just wide enough for its box to fill the preview.
void PracticeWindow::updatePreview() {
    const LetterheadDescriptor &letterhead = letterheadDescriptor(Letterhead::Prescription);
    const int pageWidth = roundHalfEven(PreviewPlace.width() * 21.0 / letterhead.width);
    const Units units(pageWidth);
    ImagePage page(pageWidth, units.y(29.7), PreviewPlace.size(), {units.x(LetterheadX), units.y(LetterheadY)});
    drawPracticeLetterhead(page, letterhead, typedDetails(), LetterheadX, LetterheadY);
    m_preview->setPixmap(QPixmap::fromImage(page.finish()));
}

void PracticeWindow::enterPressed(QWidget *focused) {
    for (size_t row = 0; row + 1 < m_fields.size(); ++row)
        if (focused == m_fields[row]) {
            m_fields[row + 1]->setFocus();
            return;
        }
    if (focused == m_fields.back())
        save();
}

void PracticeWindow::functionKeyPressed(int number) {
    if (number == 5)
        save();
}

void openPracticeWindow() {
    PracticeWindow window;
    window.run();
}
