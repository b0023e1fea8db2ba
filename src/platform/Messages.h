#pragma once

#include <QString>
#include <functional>

// Every message box of the program goes through here, so tests can answer them and read what was shown.
namespace Messages {

enum class Buttons { Ok, YesNoCancel, YesNo };
enum class Answer { Ok, Yes, No, Cancel };

struct Message {
    QString title;
    QString text;
    Buttons buttons = Buttons::Ok;
};

// Shows a message box and waits for the user's answer.
Answer show(const QString &title, const QString &text, Buttons buttons = Buttons::Ok);

// The usual user error: title "Erreur", one sentence, an OK button.
void error(const QString &text);

// Replaces the message boxes (tests); an empty handler restores the real ones.
using Handler = std::function<Answer(const Message &)>;
void setHandler(Handler handler);

} // namespace Messages
