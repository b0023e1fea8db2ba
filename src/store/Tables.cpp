#include "store/Tables.h"

namespace {

// Acts of one patient: they begin with the patient, the act date and its date number.
QStringList actColumns(const QStringList &rest) {
    return QStringList{QStringLiteral("Codepatient"), QStringLiteral("dateEx"), QStringLiteral("datenum")} + rest;
}

const QStringList ActIndexes{QStringLiteral("Codepatient,dateEx"), QStringLiteral("datenum")};

QStringList lines(const QString &prefix, int count) {
    QStringList names;
    for (int i = 1; i <= count; ++i)
        names << prefix + QString::number(i);
    return names;
}

} // namespace

const std::array<TableDefinition, DatabaseCount> &tableDefinitions() {
    static const std::array<TableDefinition, DatabaseCount> definitions{{
        {Db::Dbpatient,
         "Dbpatient.db",
         "fpatient",
         {"Codepatient", "nom", "ad", "tel", "datenais", "datenum", "age", "umage", "sexe", "sf", "enf", "prof",
          "reserve", "maladie", "ss"},
         {"Codepatient", "nom,datenais"}},
        {Db::tablepres, "tablepres.db", "TablePres", {"pres"}, {"pres"}},
        {Db::tableposol, "tableposol.db", "TablePosol", {"posol"}, {"posol"}},
        {Db::tablefonc, "tablefonc.db", "TableFonc", {"fonc"}, {"fonc"}},
        {Db::tableanal, "tableanal.db", "Tableanal", {"anal"}, {"anal"}},
        {Db::tableradio, "tableradio.db", "TableRadio", {"Radio"}, {"Radio"}},
        {Db::tableres, "tableres.db", "TableRes", {"Res", "Ra"}, {"Res"}},
        {Db::tablemedic, "tablemedic.db", "TableMedic", {"medicament"}, {"medicament"}},
        {Db::tablemal, "tablemal.db", "TableMal", {"maladie"}, {"maladie"}},
        {Db::tableDes, "tableDes.db", "ftableDes", {"des"}, {"des"}},
        {Db::tableTarif, "tableTarif.db", "ftableTarif", {"Tarif"}, {"Tarif"}},
        {Db::Dbrv, "Dbrv.db", "fRv", actColumns({"heure", "motif", "obs"}), ActIndexes},
        {Db::Dbexamen, "Dbexamen.db", "fexamen", actColumns(lines("diag", 5)), ActIndexes},
        {Db::Dbord, "Dbord.db", "fOrd", actColumns({"ordre", "pres", "posol"}), ActIndexes},
        {Db::Dbanal, "Dbanal.db", "fanal", actColumns({"ordre", "anal", "Res"}), ActIndexes},
        {Db::Dbradio, "Dbradio.db", "fRadio", actColumns({"ordre", "Radio", "Res"}), ActIndexes},
        {Db::Dbconge, "Dbconge.db", "fConge", actColumns(lines("txt", 7)), ActIndexes},
        {Db::Dbcertif, "Dbcertif.db", "fCertif", actColumns(lines("txt", 7)), ActIndexes},
        {Db::DbLR, "DbLR.db", "fLR", actColumns(QStringList{"dest", "objet"} + lines("txt", 7)), ActIndexes},
        {Db::DbReg, "DbReg.db", "fReg", actColumns({"des", "debit", "credit"}), ActIndexes},
        {Db::DbAntM, "DbAntM.db", "fAntM", actColumns({"texte"}), ActIndexes},
        {Db::DbAntC, "DbAntC.db", "fAntC", actColumns({"texte"}), ActIndexes},
        {Db::DbAntF, "DbAntF.db", "fAntF", actColumns({"texte"}), ActIndexes},
    }};
    return definitions;
}

const TableDefinition &tableDefinition(Db db) {
    return tableDefinitions()[static_cast<int>(db)];
}

QString displayedPath(Db db) {
    return QStringLiteral("data\\") + QLatin1String(tableDefinition(db).file);
}
