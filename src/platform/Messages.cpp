#include "platform/Messages.h"

#include <QApplication>
#include <QMessageBox>

namespace Messages {
namespace {

Handler &handler() {
    static Handler current;
    return current;
}

Answer showBox(const Message &message) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(message.title);
    box.setText(message.text);
    if (message.buttons == Buttons::YesNoCancel) {
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Yes);
    } else if (message.buttons == Buttons::YesNo) {
        box.setIcon(QMessageBox::Warning);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
    } else {
        box.setIcon(message.title.startsWith(QStringLiteral("Erreur")) ? QMessageBox::Warning
                                                                       : QMessageBox::Information);
        box.setStandardButtons(QMessageBox::Ok);
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        if (message.buttons == Buttons::YesNo)
            return Answer::No; // closed without an answer
        return message.buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
    }
}

} // namespace

Answer show(const QString &title, const QString &text, Buttons buttons) {
    const Message message{title, text, buttons};
    if (handler())
        return handler()(message);
    return showBox(message);
}

void error(const QString &text) {
    show(QStringLiteral("Erreur"), text);
}

void setHandler(Handler newHandler) {
    handler() = std::move(newHandler);
}

} // namespace Messages
