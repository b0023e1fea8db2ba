#include "utilities/DataBackup.h"

#include "common/OwnerOnlyFiles.h"
#include "print/PracticeSettings.h"
#include "store/DatabaseCopy.h"
#include "store/Store.h"
#include "utilities/FolderCopy.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The table file a name stands for; names compare without regard to case.
const TableDefinition *definitionForFile(const QString &name) {
    for (const TableDefinition &definition : tableDefinitions())
        if (name.compare(QLatin1String(definition.file), Qt::CaseInsensitive) == 0)
            return &definition;
    return nullptr;
}

bool isTableFile(const QString &name) {
    return definitionForFile(name) != nullptr;
}

QFileInfoList databaseFilesOf(const QString &folder) {
    QFileInfoList files;
    for (const QFileInfo &file : QDir(folder).entryInfoList(QDir::Files | QDir::Hidden, QDir::Name))
        if (file.fileName().endsWith(QStringLiteral(".db"), Qt::CaseInsensitive))
            files << file;
    return files;
}

QString besideDataFolder(const QString &name) {
    return QFileInfo(dataFolderInUse()).dir().filePath(name);
}

QString freshSafetyCopyFolder() {
    return safetyCopyFolder() + QStringLiteral(".nouvelle");
}

// The fresh safety copy becomes the one kept; where it ends up.
QString keepSafetyCopy() {
    QDir(safetyCopyFolder()).removeRecursively();
    if (QDir().rename(freshSafetyCopyFolder(), safetyCopyFolder()))
        return safetyCopyFolder();
    return freshSafetyCopyFolder();
}

} // namespace

QString dataFolderInUse() {
    return openDataFolder();
}

QString defaultBackupFolder() {
    return besideDataFolder(QStringLiteral("Sauve"));
}

QString safetyCopyFolder() {
    return besideDataFolder(QStringLiteral("AvantRestauration"));
}

bool holdsDatabaseFiles(const QString &folder) {
    return !folder.isEmpty() && !databaseFilesOf(folder).isEmpty();
}

QString backUpData(const QString &destination) {
    const QString data = dataFolderInUse();
    // A copy inside the data folder would replace live files and be copied into itself.
    if (isSameOrInside(destination, data))
        return QStringLiteral("Le dossier de destination ne peut pas être le dossier des données ni l'un de ses "
                              "sous-dossiers ! ");
    if (!makeOwnerOnlyFolder(destination))
        return QStringLiteral("Le dossier %1 ne peut pas être créé ! ").arg(QDir::toNativeSeparators(destination));
    const QDir to(destination);
    for (const TableDefinition &definition : tableDefinitions()) {
        const QString file = QLatin1String(definition.file);
        if (const QString error = copyDatabaseToFile(db(definition.db), to.filePath(file)); !error.isEmpty())
            return QStringLiteral("La sauvegarde du fichier %1 a échoué : %2").arg(file, error);
    }
    return copyFolderFiles(data, destination, isTableFile);
}

QString restoreSourceProblem(const QString &source) {
    if (source.isEmpty() || !QFileInfo(source).isDir())
        return QStringLiteral("dossier introuvable");
    const QString data = dataFolderInUse();
    if (isSameOrInside(source, data) || isSameOrInside(data, source) || isSameOrInside(source, freshSafetyCopyFolder()))
        return QStringLiteral("le dossier des données ne peut pas être restauré sur lui-même");
    const QFileInfoList files = databaseFilesOf(source);
    if (files.isEmpty())
        return QStringLiteral("aucun fichier .db");
    for (const QFileInfo &file : files)
        if (const QString problem = databaseFileProblem(file.filePath(), definitionForFile(file.fileName()));
            !problem.isEmpty())
            return QStringLiteral("%1 : %2").arg(file.fileName(), problem);
    return {};
}

QString restoreData(const QString &source) {
    const QString fresh = freshSafetyCopyFolder();
    QDir(fresh).removeRecursively();
    if (const QString error = backUpData(fresh); !error.isEmpty()) {
        QDir(fresh).removeRecursively();
        return QStringLiteral("La copie de sécurité des données actuelles a échoué ; rien n'a été restauré. ") + error;
    }

    QList<const TableDefinition *> restored;
    QString failure;
    for (const QFileInfo &file : databaseFilesOf(source)) {
        const TableDefinition *definition = definitionForFile(file.fileName());
        if (!definition)
            continue;
        if (const QString error = copyFileIntoDatabase(file.filePath(), db(definition->db)); !error.isEmpty()) {
            failure = QStringLiteral("La restauration du fichier %1 a échoué : %2").arg(file.fileName(), error);
            break;
        }
        restored << definition;
    }
    if (failure.isEmpty())
        failure = copyFolderFiles(source, dataFolderInUse(), isTableFile);
    if (failure.isEmpty()) {
        keepSafetyCopy();
        // The restored practice details are the printed ones from now on.
        PracticeSettings::load(dataFolderInUse());
        return {};
    }

    // Half a restore is worse than none: the databases already replaced get their safety copy back.
    QStringList notPutBack;
    for (const TableDefinition *definition : std::as_const(restored)) {
        const QString file = QLatin1String(definition->file);
        if (!copyFileIntoDatabase(QDir(fresh).filePath(file), db(definition->db)).isEmpty())
            notPutBack << file;
    }
    const QString kept = keepSafetyCopy();
    if (notPutBack.isEmpty())
        return failure +
               QStringLiteral(". Les bases de données ont été remises dans leur état d'avant la restauration.");
    return failure + QStringLiteral(". Les fichiers %1 n'ont pas pu être remis dans leur état d'avant la "
                                    "restauration ; leur copie se trouve dans le dossier %2.")
                         .arg(notPutBack.join(QStringLiteral(", ")), QDir::toNativeSeparators(kept));
}
