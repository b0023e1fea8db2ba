#include "patients/ReferenceListKinds.h"

#include "store/Store.h"
#include "ui/Pictures.h"

const ReferenceListKind &medicinesKind() {
    static const ReferenceListKind kind{
        "medicinesPage",
        " Table des médicaments",
        Picture::Capsules,
        {10, 20},
        80,
        "TABLE DES MEDICAMENTS",
        "DESIGNATION DU MEDICAMENT:",
        "L I S T E    D E S    M E D I C A M E N T S",
        QColor(246, 211, 154),
        175,
        Db::tablemedic,
        "Select * from TableMedic order by medicament",
        "Select * from TableMedic where medicament=?",
        "insert into TableMedic (medicament) values(?)",
        "delete from TableMedic where medicament=?",
        "Sélectionnez le médicament à supprimer ! ",
        true,
        false,
    };
    return kind;
}

const ReferenceListKind &diseasesKind() {
    static const ReferenceListKind kind{
        "diseasesPage",
        " Table des maladies",
        Picture::PatientInBed,
        {10, 20},
        80,
        "TABLE DES MALADIES",
        "TYPE DE MALADIE:",
        "L I S T E    D E S    M A L A D I E S",
        QColor(205, 239, 212),
        175,
        Db::tablemal,
        "Select * from TableMal order by maladie",
        "Select * from TableMal where maladie=?",
        "insert into TableMal (maladie) values(?)",
        "delete from TableMal where maladie=?",
        nullptr,
        false,
        true,
    };
    return kind;
}

const ReferenceListKind &prescriptionsKind() {
    static const ReferenceListKind kind{
        "prescriptionsPage",
        " Table des prescriptions",
        Picture::HandWriting,
        {10, 15},
        70,
        "TABLE DES PRESCRIPTIONS",
        "PRESCRIPTION:",
        "L I S T E    D E S    P R E S C R I P T I O N S",
        QColor(151, 221, 236),
        185,
        Db::tablepres,
        "Select * from TablePres order by pres",
        "Select * from TablePres where pres=?",
        "insert into TablePres (pres) values(?)",
        "delete from TablePres where pres=?",
        nullptr,
        false,
        true,
    };
    return kind;
}

QStringList referenceEntries(const ReferenceListKind &kind) {
    QStringList entries;
    db(kind.db).forEachRow(QString::fromUtf8(kind.fillQuery), {},
                           [&entries](const Row &row) { entries << row.value(0); });
    return entries;
}

AddOutcome addReferenceEntry(const ReferenceListKind &kind, const QString &text) {
    if (text.isEmpty())
        return AddOutcome::Empty;
    Connection &connection = db(kind.db);
    bool ok = true;
    const Rows present = connection.query(QString::fromUtf8(kind.existsQuery), {text}, &ok);
    if (!ok)
        return AddOutcome::Failed;
    if (!present.isEmpty())
        return AddOutcome::Present;
    return connection.update(QString::fromUtf8(kind.insert), {text}) ? AddOutcome::Added : AddOutcome::Failed;
}

bool deleteReferenceEntry(const ReferenceListKind &kind, const QString &text) {
    return db(kind.db).update(QString::fromUtf8(kind.remove), {text});
}
