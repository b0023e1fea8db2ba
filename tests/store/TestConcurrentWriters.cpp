#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

// Two programs writing one data folder at once, each in its own process, the folder lock bypassed:
// the patient code is read and used inside one write, so no two patients share a code and no
// reported save is lost.
class TestConcurrentWriters : public QObject {
    Q_OBJECT

private slots:
    void twoWritersNeverShareACodeAndLoseNoSave() {
        const QString writer = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("store-writer"));
        QVERIFY2(QFile::exists(writer), qPrintable(writer));
        QTemporaryDir folder;
        const int patients = 100;

        // The files are made first, as the program's first start makes them.
        QCOMPARE(QProcess::execute(writer, {folder.path(), "0", "init"}), 0);
        QList<QProcess *> writers;
        QStringList logs;
        for (const QString tag : {"A", "B"}) {
            auto *process = new QProcess(this);
            logs << folder.filePath(QStringLiteral("log-%1.txt").arg(tag));
            process->setStandardOutputFile(logs.last());
            process->start(writer, {folder.path(), QString::number(patients), tag, "--no-lock"});
            writers << process;
        }
        for (QProcess *process : writers) {
            QVERIFY(process->waitForFinished(120000));
            QCOMPARE(process->exitCode(), 0);
        }

        QSet<QString> codes;
        int saved = 0;
        for (const QString &log : logs) {
            QFile file(log);
            QVERIFY(file.open(QIODevice::ReadOnly));
            for (const QByteArray &line : file.readAll().split('\n')) {
                const QList<QByteArray> fields = line.split('\t');
                if (fields.value(0) == "P") {
                    ++saved;
                    codes.insert(QString::fromUtf8(fields.value(1)));
                }
            }
        }
        QCOMPARE(saved, 2 * patients);
        QCOMPARE(codes.size(), 2 * patients);

        QProcess verification;
        verification.start(writer, QStringList{"--verify", folder.path()} + logs);
        QVERIFY(verification.waitForFinished(60000));
        QCOMPARE(QString::fromUtf8(verification.readAllStandardOutput()).trimmed(),
                 QStringLiteral("saves %1 missing 0 damaged 0").arg(4 * patients));
    }
};

QTEST_GUILESS_MAIN(TestConcurrentWriters)
#include "TestConcurrentWriters.moc"
