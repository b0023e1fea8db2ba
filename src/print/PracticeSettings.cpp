#include "print/PracticeSettings.h"

#include "platform/FilePrivacy.h"
#include "platform/Messages.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <array>

namespace {

// Each detail under its key in the file.
struct Field {
    const char *key;
    QString PracticeDetails::*member;
};

const std::array<Field, 6> fields{{
    {"medecin", &PracticeDetails::doctor},
    {"specialite", &PracticeDetails::speciality},
    {"adresse1", &PracticeDetails::addressLine1},
    {"adresse2", &PracticeDetails::addressLine2},
    {"telephone", &PracticeDetails::telephone},
    {"ligneLibre", &PracticeDetails::freeLine},
}};

QString &settingsPath() {
    static QString path;
    return path;
}

} // namespace

namespace PracticeSettings {

ReadResult read(const QString &path, PracticeDetails &details) {
    QFile file(path);
    if (!file.exists())
        return ReadResult::Missing;
    if (!file.open(QIODevice::ReadOnly))
        return ReadResult::Damaged;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return ReadResult::Damaged;
    if (bytes.trimmed().isEmpty())
        return ReadResult::Missing;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return ReadResult::Damaged;
    const QJsonObject object = document.object();
    PracticeDetails read;
    for (const Field &field : fields) {
        const QJsonValue value = object.value(QLatin1String(field.key));
        // A detail left out of the file is an empty line; one that is not text means the file is not ours.
        if (!value.isUndefined() && !value.isString())
            return ReadResult::Damaged;
        read.*field.member = value.toString();
    }
    details = read;
    return ReadResult::Read;
}

bool write(const QString &path, const PracticeDetails &details) {
    QJsonObject object;
    for (const Field &field : fields)
        object.insert(QLatin1String(field.key), details.*field.member);
    // The replacement takes the rights of the file it replaces: make sure there is an owner-only one first.
    if (!QFile::exists(path) && !FilePrivacy::createOwnerOnlyFile(path))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(QJsonDocument(object).toJson(QJsonDocument::Indented));
    if (!file.commit())
        return false;
    FilePrivacy::tightenToOwner(path);
    return true;
}

void load(const QString &dataFolder) {
    settingsPath() = QDir(dataFolder).filePath(QString::fromLatin1(FileName));
    PracticeDetails details = samplePracticeDetails();
    if (read(settingsPath(), details) == ReadResult::Damaged) {
        Messages::show(QStringLiteral("Info"),
                       QStringLiteral("Les paramètres du cabinet (data%1%2) sont illisibles : les documents porteront "
                                      "l'en-tête d'exemple jusqu'à ce que les paramètres soient enregistrés à nouveau.")
                           .arg(QDir::separator(), QString::fromLatin1(FileName)));
        details = samplePracticeDetails();
    }
    setPracticeDetails(details);
}

bool save(const PracticeDetails &details) {
    if (settingsPath().isEmpty() || !write(settingsPath(), details)) {
        Messages::error(QStringLiteral("Les paramètres du cabinet n'ont pas pu être enregistrés."));
        return false;
    }
    setPracticeDetails(details);
    return true;
}

} // namespace PracticeSettings
