#include "store/Failures.h"

#include <sqlite3.h>

QString failureCause(int engineCode) {
    switch (engineCode & 0xff) {
    case SQLITE_FULL:
        return QStringLiteral("Le disque est plein.");
    case SQLITE_READONLY:
        return QStringLiteral("Le fichier est en lecture seule.");
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QStringLiteral("Le fichier est utilisé par un autre programme.");
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return QStringLiteral("Le fichier est endommagé.");
    case SQLITE_IOERR:
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
        return QStringLiteral("Le fichier n'a pas pu être lu ou écrit sur le disque.");
    default:
        return QStringLiteral("La base de données a refusé l'opération.");
    }
}

QString failureText(int engineCode, const QString &fileName, const QString &engineText) {
    QString text = failureCause(engineCode);
    if (!fileName.isEmpty())
        text += QStringLiteral(" (%1)").arg(fileName);
    return text + QLatin1Char('\n') + engineText;
}
