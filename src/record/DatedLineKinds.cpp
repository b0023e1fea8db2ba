#include "record/DatedLineKinds.h"

#include "print/ScreenFonts.h"

namespace {

const QColor LinesBackground{253, 229, 179};

} // namespace

const DatedLineKind &prescriptionKind() {
    static const DatedLineKind kind{
        Section::Prescription,
        "prescriptionWindow",
        "ORDONNANCE",
        "ORDONNANCE DU ",
        ScreenFont::Trebuchet11Bold,
        {10, 10, 550, 85},
        {{20, 23, 140, 20}, {160, 23, 90, 20}, {300, 23, 150, 20}},
        "PRESCRIPTION",
        "POSOLOGIE",
        {{QStringLiteral("Prescription"), 300}, {QStringLiteral("Posologie"), 200}},
        QColor(133, 77, 154),
        QColor(),
        Db::Dbord,
        "Select min(datenum),dateEx from fOrd where codepatient=? group by dateEx order by 1",
        "Select * from fOrd where codepatient=? and dateEx=? order by datenum,cast(ordre as integer),rowid",
        "Select * from fOrd where codepatient=? and dateEx=? order by cast(ordre as integer),rowid",
        "Select * from fOrd where codepatient=? and dateEx=? and pres=?",
        "Update fOrd set datenum=?,pres=?,posol=? where codepatient=? and dateEx=? and pres=?",
        true,
        "insert into fOrd (Codepatient,dateEx,datenum,ordre,pres,posol) values(?,?,?,?,?,?)",
        "select max(cast(ordre as integer)) from fOrd where codepatient=? and dateEx=?",
        "Delete from fOrd where codepatient=? And dateEx=? And pres=?",
        {Db::tablepres, "PRES", "select * from TablePres order by pres", "Select * from TablePres where pres=?",
         "insert into TablePres (Pres) values(?)", nullptr},
        {Db::tableposol, "POSOL", "select * from TablePosol order by posol", "Select * from TablePosol where Posol=?",
         "insert into TablePosol (Posol) values(?)", nullptr},
        "Prescription incorrecte !",
        "Posologie incorrecte !",
        true,
        false,
        "P  R  E  S  C  R  I  P  T  I  O  N",
    };
    return kind;
}

const DatedLineKind &analysesKind() {
    static const DatedLineKind kind{
        Section::Analyses,
        "analysesWindow",
        "ANALYSES MEDICALES",
        "ANALYSES MEDICALES DU ",
        ScreenFont::Trebuchet9Bold,
        {10, 10, 550, 100},
        {{20, 23, 160, 20}, {180, 23, 90, 20}, {300, 23, 150, 20}},
        "ANALYSE",
        "RESULTAT",
        {{QStringLiteral("ANALYSES"), 250}, {QStringLiteral("RESULTATS"), 150}},
        QColor(),
        LinesBackground,
        Db::Dbanal,
        "Select min(datenum),dateEx from fAnal where codepatient=? group by dateEx order by 1",
        "Select * from fanal where codepatient=? and dateEx=? order by cast(ordre as integer),rowid",
        "Select * from fanal where codepatient=? and dateEx=? order by cast(ordre as integer),rowid",
        "Select * from fanal where codepatient=? and dateEx=? and anal=?",
        "Update fanal set datenum=?,Res=? where codepatient=? and dateEx=? and anal=?",
        false,
        "insert into fanal (Codepatient,dateEx,datenum,ordre,anal,Res) values(?,?,?,?,?,?)",
        "select max(cast(ordre as integer)) from fanal where codepatient=? and dateEx=?",
        "Delete from fanal where codepatient=? And dateEx=? And anal=?",
        {Db::tableanal, "ANAL", "select * from Tableanal order by anal", "Select * from Tableanal where anal=?",
         "insert into Tableanal (anal) values(?)", nullptr},
        {Db::tableres, "RES", "select * from TableRes order by Res", "Select * from TableRes where Res=?",
         "insert into TableRes (Ra,Res) values(?,?)", "A"},
        "type d'analyse incorrecte !",
        nullptr,
        false,
        true,
        "A  N  A  L  Y  S  E  S",
    };
    return kind;
}

const DatedLineKind &radiologyKind() {
    static const DatedLineKind kind{
        Section::Radiology,
        "radiologyWindow",
        "RADIOLOGIE / ECHOGRAPHIE",
        "RADIOLOGIE/ECHOGRAPHIE DU",
        ScreenFont::Trebuchet9Bold,
        {10, 10, 550, 100},
        {{20, 23, 180, 20}, {200, 23, 90, 20}, {320, 23, 150, 20}},
        "DESIGNATION",
        "RESULTAT",
        {{QStringLiteral("DESIGNATION"), 250}, {QStringLiteral("RESULTATS"), 150}},
        QColor(),
        LinesBackground,
        Db::Dbradio,
        "Select min(datenum),dateEx from fradio where codepatient=? group by dateEx order by 1",
        "Select * from fRadio where codepatient=? and dateEx=? order by cast(ordre as integer),rowid",
        "Select * from fradio where codepatient=? and dateEx=? order by cast(ordre as integer),rowid",
        "Select * from fRadio where codepatient=? and dateEx=? and radio=?",
        "Update fRadio set datenum=?,Res=? where codepatient=? and dateEx=? and radio=?",
        false,
        "insert into fRadio (Codepatient,dateEx,datenum,ordre,Radio,Res) values(?,?,?,?,?,?)",
        "select max(cast(ordre as integer)) from fRadio where codepatient=? and dateEx=?",
        "Delete from fRadio where codepatient=? And dateEx=? And radio=?",
        {Db::tableradio, "Radio", "select * from TableRadio order by Radio", "Select * from TableRadio where Radio=?",
         "insert into TableRadio (Radio) values(?)", nullptr},
        {Db::tableres, "Res", "select * from TableRes order by Res", "Select * from TableRes where Res=?",
         "insert into TableRes (RA,Res) values(?,?)", "R"},
        "La désignation est incorrecte !",
        nullptr,
        false,
        true,
        "R  A  D  I  O  L  O  G  I  E",
    };
    return kind;
}
