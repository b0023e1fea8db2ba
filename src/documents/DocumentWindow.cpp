#include "documents/DocumentWindow.h"

#include "common/ProgramState.h"
#include "print/ScreenFonts.h"
#include "record/ActWindowParts.h"
#include "record/MedicalRecordWindow.h"
#include "ui/Widgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

DocumentWindow::DocumentWindow(const QString &title, const char *objectName, Section section,
                               MedicalRecordWindow &record, const QSize &size)
    : FormWindow(title), m_record(record), m_section(section) {
    setObjectName(QString::fromLatin1(objectName));
    // A system menu and a close box on a sizeable border; no minimise or maximise box.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    centre(size);
}

void DocumentWindow::functionKeyPressed(int number) {
    if (number == 4 && m_prints)
        printFromWindow();
    else if (number == 5)
        save();
}

QString DocumentWindow::patientCode() {
    return programState().currentPatientCode;
}

void DocumentWindow::reloadRecordSection() {
    m_record.loadSection(m_section);
}

void DocumentWindow::placeButtons(int y, const QString &deleteCaption, int deleteWidth) {
    const ActButtons buttons = placeActButtons(this, y);
    buttons.remove->setText(deleteCaption);
    buttons.remove->resize(deleteWidth, buttons.remove->height());
    connect(buttons.quit, &QPushButton::clicked, this, &FormWindow::closeWindow);
    connect(buttons.remove, &QPushButton::clicked, this, [this] { remove(); });
    connect(buttons.validate, &QPushButton::clicked, this, [this] { save(); });
}

// Where no window manager hands the keyboard back after the print dialog, the window takes it again
// itself, so that Escape and the other keys keep acting on it.
void DocumentWindow::printFromWindow() {
    print();
    activateWindow();
}

void DocumentWindow::placePrintButton(int y) {
    QPushButton *button = Place::button(this, {260, y, 120, 30}, QStringLiteral("(#F4) Imprimer"));
    button->setObjectName(QStringLiteral("printButton"));
    connect(button, &QPushButton::clicked, this, &DocumentWindow::printFromWindow);
    m_prints = true;
}

QLineEdit *DocumentWindow::placeHeadingAndTypedDate(const QString &heading) {
    QLabel *label = Place::label(this, {20, 10, 300, 20}, heading);
    label->setFont(screenFont(ScreenFont::Trebuchet11Bold));
    label->setObjectName(QStringLiteral("heading"));
    Place::label(this, {420, 10, 65, 20}, QStringLiteral("Date:"));
    QLineEdit *date = Place::field(this, {470, 10, 80, 20});
    date->setObjectName(QStringLiteral("dateField"));
    date->setText(programState().today);
    return date;
}
