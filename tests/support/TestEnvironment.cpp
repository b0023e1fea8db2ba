#include "support/TestEnvironment.h"

#include "common/ProgramState.h"
#include "platform/Clock.h"
#include "platform/FolderPicker.h"
#include "platform/Pauses.h"
#include "platform/PrintJob.h"
#include "print/PracticeDetails.h"
#include "store/Store.h"

#include <QDir>

Messages::Answer MessageLog::take(const Messages::Message &message) {
    shown.append(message);
    if (message.buttons == Messages::Buttons::Ok)
        return Messages::Answer::Ok;
    return m_answers.isEmpty() ? Messages::Answer::Cancel : m_answers.takeFirst();
}

QStringList MessageLog::texts() const {
    QStringList list;
    for (const Messages::Message &message : shown)
        list << message.text;
    return list;
}

QStringList MessageLog::titles() const {
    QStringList list;
    for (const Messages::Message &message : shown)
        list << message.title;
    return list;
}

TestEnvironment::TestEnvironment(const QDate &today) {
    m_previousCurrentFolder = QDir::currentPath();
    QDir::setCurrent(m_folder.path());
    resetProgramState();
    setPracticeDetails(samplePracticeDetails());
    Clock::setToday(today);
    Messages::setHandler([this](const Messages::Message &message) { return m_messages.take(message); });
    Pauses::setHandler([](int) {});
    FolderPicker::setHandler([this](const QString &) { return m_pickedFolder; });
    PrintJob::setHandler([] { return std::unique_ptr<Page>(); }); // no real dialog; a PrintCapture routes jobs
    store().open(dataFolder());
}

TestEnvironment::~TestEnvironment() {
    store().close();
    Messages::setHandler({});
    Pauses::setHandler({});
    FolderPicker::setHandler({});
    PrintJob::setHandler({});
    Clock::setToday(std::nullopt);
    resetProgramState();
    setPracticeDetails(samplePracticeDetails());
    QDir::setCurrent(m_previousCurrentFolder);
}

QString TestEnvironment::dataFolder() const {
    return dataFolderOf(m_folder.path());
}

bool TestEnvironment::reopenStore() {
    store().close();
    return store().open(dataFolder());
}
