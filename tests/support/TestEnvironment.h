#pragma once

#include "platform/Messages.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QTemporaryDir>

// What the message boxes showed during a test, and the answers queued for its questions.
class MessageLog {
public:
    QList<Messages::Message> shown;

    // The next question gets this answer (questions without a queued answer get Cancel).
    void queueAnswer(Messages::Answer answer) { m_answers.append(answer); }

    Messages::Answer take(const Messages::Message &message);

    QStringList texts() const;
    QStringList titles() const;
    bool isEmpty() const { return shown.isEmpty(); }
    void clear() { shown.clear(); }

private:
    QList<Messages::Answer> m_answers;
};

// A fresh program for one test: a temporary working folder with its data folder and the 23 files
// opened on it, program-wide values reset, a fixed today, message boxes recorded and answered from
// a queue, progress pauses of zero length, and the folder picker answered by the test.
class TestEnvironment {
public:
    explicit TestEnvironment(const QDate &today = QDate(2024, 3, 15));
    ~TestEnvironment();
    TestEnvironment(const TestEnvironment &) = delete;
    TestEnvironment &operator=(const TestEnvironment &) = delete;

    QString workingFolder() const { return m_folder.path(); }
    QString dataFolder() const;

    MessageLog &messages() { return m_messages; }

    // The folder the next folder pickers return (empty: the user cancels).
    void setPickedFolder(const QString &folder) { m_pickedFolder = folder; }

    // Closes and reopens the store on the same data folder.
    bool reopenStore();

private:
    QTemporaryDir m_folder;
    MessageLog m_messages;
    QString m_pickedFolder;
    QString m_previousCurrentFolder;
};
