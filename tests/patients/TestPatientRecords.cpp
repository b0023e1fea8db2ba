#include "common/ProgramState.h"
#include "patients/PatientList.h"
#include "patients/PatientRecords.h"
#include "patients/PatientSamples.h"
#include "support/TestEnvironment.h"

#include <QtTest>
#include <sqlite3.h>

Q_DECLARE_METATYPE(PatientFields)

namespace {

using Answer = Messages::Answer;

const QString NameError = QStringLiteral("Le nom du patient est incorrect ! ");
const QString BirthDateError =
    QStringLiteral("La date de naissance est incorrecte! (doit être sous la forme JJ/MM/AAAA)");
const QString AgeError = QStringLiteral("L'âge du patient est incorrect ! (Appuyez sur la touche (ENTREE) en plaçant "
                                        "le curseur sur la case date de naissance.)");
const QString FamilySituationError = QStringLiteral("La situation familiale est incorrecte !");
const QString ChildrenError = QStringLiteral("Le nombre d'enfants est incorrect !");

// A field of the typed patient, named as the data tables name it.
QString &fieldOf(PatientFields &p, const QString &name) {
    const QHash<QString, QString PatientFields::*> fields{
        {"name", &PatientFields::name},         {"birthDate", &PatientFields::birthDate},
        {"age", &PatientFields::age},           {"familySituation", &PatientFields::familySituation},
        {"children", &PatientFields::children}, {"profession", &PatientFields::profession},
        {"sex", &PatientFields::sex},
    };
    return p.*fields.value(name);
}

} // namespace

class TestPatientRecords : public QObject {
    Q_OBJECT

private slots:
    void init() { m_env = std::make_unique<TestEnvironment>(); }
    void cleanup() { m_env.reset(); }

    void firstPatientGetsCodeOneAndSavingAgainUpdatesIt() {
        const std::optional<SavedPatient> first = savePatient(typedPatient());
        QVERIFY(first);
        QVERIFY(first->inserted);
        QCOMPARE(first->fields.code, QStringLiteral("1"));
        QCOMPARE(programState().currentPatientCode, QStringLiteral("1"));

        PatientFields again = typedPatient();
        again.address = QStringLiteral("3 PLACE DU MARCHE");
        again.code = QStringLiteral("77"); // the shown code plays no part
        const std::optional<SavedPatient> second = savePatient(again);
        QVERIFY(second);
        QVERIFY(!second->inserted);
        QCOMPARE(second->fields.code, QStringLiteral("1"));
        const Rows rows = patientRows();
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0][2], QStringLiteral("3 PLACE DU MARCHE"));
        QVERIFY(m_env->messages().isEmpty());
    }

    void nameAndBirthDateSayWhoThePatientIs_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("birthDate");
        QTest::addColumn<QString>("expectedCode");
        QTest::newRow("another name is a new patient") << "BENALI KARIMA"
                                                       << "12/05/1979"
                                                       << "2";
        QTest::newRow("another birth date is a new patient") << "BENALI KARIM"
                                                             << "12/05/1980"
                                                             << "2";
        QTest::newRow("same name and birth date update the stored patient") << "BENALI KARIM"
                                                                            << "12/05/1979"
                                                                            << "1";
    }
    void nameAndBirthDateSayWhoThePatientIs() {
        QFETCH(QString, name);
        QFETCH(QString, birthDate);
        QFETCH(QString, expectedCode);
        QVERIFY(savePatient(typedPatient()));
        const Row before = patientRows().first();

        PatientFields other = typedPatient(name, birthDate);
        other.code = QStringLiteral("1"); // shown in the form, as after choosing the first patient
        other.telephone = QStringLiteral("0666 99 99 99");
        const std::optional<SavedPatient> saved = savePatient(other);
        QVERIFY(saved);
        QCOMPARE(saved->fields.code, expectedCode);

        const Rows rows = patientRows();
        if (expectedCode == u"1") {
            QCOMPARE(rows.size(), 1);
            QCOMPARE(rows[0][3], QStringLiteral("0666 99 99 99"));
        } else {
            QCOMPARE(rows.size(), 2);
            QCOMPARE(rows[0], before);
            QCOMPARE(rows[1][1], name);
            QCOMPARE(rows[1][4], birthDate);
        }
    }

    void storedRowHoldsTheFieldsAsTyped() {
        PatientFields p = typedPatient(QStringLiteral("N'DIAYE \"DIT LE GRAND\""), QStringLiteral(" 5/03/2020"));
        p.children = QStringLiteral("2 ");
        p.sex = QStringLiteral("F");
        QVERIFY(savePatient(p));
        QCOMPARE(patientRows(),
                 Rows({{"1", "N'DIAYE \"DIT LE GRAND\"", "12 RUE DES LILAS", "0555 12 34 56", " 5/03/2020",
                        "1583366400", "44", "ans", "F", "M", "2 ", "CARDIOLOGUE", "", "HTA", "1790512345678"}}));
    }

    void emptyBirthDateWithATypedAgeHasDateNumberMinusOne() {
        PatientFields p = typedPatient(QStringLiteral("SANS DATE"), QString());
        p.age = QStringLiteral("60");
        QVERIFY(savePatient(p));
        const Row row = patientRows().first();
        QCOMPARE(row[4], QString());
        QCOMPARE(row[5], QStringLiteral("-1"));
        QCOMPARE(row[6], QStringLiteral("60"));
    }

    void anAgeTypedWithoutABirthDateIsInYears() {
        PatientFields p = typedPatient(QStringLiteral("SANS DATE"), QString());
        p.ageUnit.clear(); // as after a new-patient clear
        const std::optional<SavedPatient> saved = savePatient(p);
        QVERIFY(saved);
        QCOMPARE(saved->fields.ageUnit, QStringLiteral("ans"));
        QCOMPARE(patientRows().first()[7], QStringLiteral("ans"));
    }

    void aCodeInUseAnywhereIsNeverGivenAgain_data() {
        QTest::addColumn<int>("actsFile");
        QTest::newRow("a prescription line remains") << int(Db::Dbord);
        QTest::newRow("a payment remains") << int(Db::DbReg);
        QTest::newRow("a family history entry remains") << int(Db::DbAntF);
    }
    void aCodeInUseAnywhereIsNeverGivenAgain() {
        QFETCH(int, actsFile);
        QVERIFY(savePatient(typedPatient(QStringLiteral("PREMIER"))));
        QVERIFY(savePatient(typedPatient(QStringLiteral("SECOND"))));
        // Patient 2 has an act but no examination, so the deletion is allowed and the act stays.
        const QString insertAct = QStringLiteral("insert into %1 (Codepatient,dateEx,datenum) values(?,?,?)")
                                      .arg(QLatin1String(tableDefinition(Db(actsFile)).table));
        QVERIFY(db(Db(actsFile)).update(insertAct, {"2", "15/03/2024", "1710460800"}));
        m_env->messages().queueAnswer(Answer::Yes);
        QCOMPARE(deletePatient(QStringLiteral("2")), DeleteOutcome::Deleted);

        QCOMPARE(nextPatientCode(), QStringLiteral("3"));
        const std::optional<SavedPatient> third = savePatient(typedPatient(QStringLiteral("TROISIEME")));
        QVERIFY(third);
        QCOMPARE(third->fields.code, QStringLiteral("3"));
    }

    void aSaveWhoseWriteCannotBeginStoresNothing() {
        Connection::setBusyTimeout(50);
        sqlite3 *other = nullptr;
        QCOMPARE(sqlite3_open(QDir(m_env->dataFolder()).filePath("Dbpatient.db").toUtf8().constData(), &other),
                 SQLITE_OK);
        QCOMPARE(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);

        QVERIFY(!savePatient(typedPatient()));
        QCOMPARE(m_env->messages().titles(), QStringList{"Erreur Check DatabaseUpdate"});
        QVERIFY(m_env->messages().texts().first().startsWith("Le fichier est utilisé par un autre programme."));

        sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(other);
        Connection::setBusyTimeout(5000);
        QVERIFY(patientRows().isEmpty());
        QVERIFY(professions().isEmpty());
    }

    void refusedFormsShowTheirMessageAndStoreNothing_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty name") << "name"
                                    << "" << NameError;
        QTest::newRow("birth date 31/13/1979") << "birthDate"
                                               << "31/13/1979" << BirthDateError;
        QTest::newRow("birth date next year") << "birthDate"
                                              << "01/01/2025" << BirthDateError;
        QTest::newRow("empty age") << "age"
                                   << "" << AgeError;
        QTest::newRow("age in words") << "age"
                                      << "QUARANTE" << AgeError;
        QTest::newRow("family situation X") << "familySituation"
                                            << "X" << FamilySituationError;
        QTest::newRow("empty family situation") << "familySituation"
                                                << "" << FamilySituationError;
        QTest::newRow("lower-case family situation") << "familySituation"
                                                     << "c" << FamilySituationError;
        QTest::newRow("children in words") << "children"
                                           << "deux" << ChildrenError;
    }
    void refusedFormsShowTheirMessageAndStoreNothing() {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(QString, message);
        PatientFields p = typedPatient();
        fieldOf(p, field) = value;
        QVERIFY(!savePatient(p));
        QCOMPARE(m_env->messages().titles(), QStringList{"Erreur"});
        QCOMPARE(m_env->messages().texts(), QStringList{message});
        QCOMPARE(patientRows().size(), 0);
        QCOMPARE(professions(), QStringList());
        QCOMPARE(programState().currentPatientCode, QString());
    }

    void checksRunInTheirOrder() {
        PatientFields p = typedPatient(QString(), QStringLiteral("99/99/9999"));
        p.age.clear();
        p.familySituation = QStringLiteral("X");
        QCOMPARE(patientFormError(p), NameError);
        p.name = QStringLiteral("A");
        QCOMPARE(patientFormError(p), BirthDateError);
        p.birthDate.clear();
        QCOMPARE(patientFormError(p), AgeError);
        p.age = QStringLiteral("3");
        QCOMPARE(patientFormError(p), FamilySituationError);
    }

    void acceptedUnusualValues_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::newRow("children typed as 2 and a space") << "children"
                                                         << "2 ";
        QTest::newRow("no children given") << "children"
                                           << "";
        QTest::newRow("no birth date") << "birthDate"
                                       << "";
        QTest::newRow("age with a comma") << "age"
                                          << "1,5";
        QTest::newRow("any sex") << "sex"
                                 << "Z";
        QTest::newRow("each family situation: divorced") << "familySituation"
                                                         << "D";
        QTest::newRow("each family situation: widowed") << "familySituation"
                                                        << "V";
        QTest::newRow("each family situation: single") << "familySituation"
                                                       << "C";
    }
    void acceptedUnusualValues() {
        QFETCH(QString, field);
        QFETCH(QString, value);
        PatientFields p = typedPatient();
        fieldOf(p, field) = value;
        QVERIFY(savePatient(p));
        QVERIFY(m_env->messages().isEmpty());
        PatientFields stored = *storedPatient(QStringLiteral("1"));
        QCOMPARE(fieldOf(stored, field), value);
    }

    void professionIsAddedToTheProfessionListOnce_data() {
        QTest::addColumn<QString>("profession");
        QTest::newRow("a new profession") << "CARRELEUR";
        QTest::newRow("an empty profession") << "";
    }
    void professionIsAddedToTheProfessionListOnce() {
        QFETCH(QString, profession);
        PatientFields p = typedPatient();
        p.profession = profession;
        QVERIFY(savePatient(p));
        QVERIFY(savePatient(p));
        p.name = QStringLiteral("AUTRE PATIENT");
        QVERIFY(savePatient(p));
        QCOMPARE(professions(), QStringList{profession});
    }

    void deletionFollowsTheRecordAndTheAnswer_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("examination");
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<QStringList>("texts");
        const QString unknown =
            QStringLiteral("Code patient introuvable dans la table ! (Il se pourrait que le code soit incorrect)");
        const QString hasRecord = QStringLiteral("Impossible de supprimer ce patient car il possède un dossier "
                                                 "médical (Supprimer d'abord son dossier médical)");
        const QString question = QStringLiteral("Etes-vous sûr de vouloir supprimer ce patient ?");
        QTest::newRow("unknown code") << "9" << false << int(Answer::Yes) << int(DeleteOutcome::Refused)
                                      << QStringList{"Erreur inattendue"} << QStringList{unknown};
        QTest::newRow("empty code") << "" << false << int(Answer::Yes) << int(DeleteOutcome::Refused)
                                    << QStringList{"Erreur inattendue"} << QStringList{unknown};
        QTest::newRow("with an examination") << "1" << true << int(Answer::Yes) << int(DeleteOutcome::Refused)
                                             << QStringList{"Suppression non autorisée"} << QStringList{hasRecord};
        QTest::newRow("confirmed") << "1" << false << int(Answer::Yes) << int(DeleteOutcome::Deleted)
                                   << QStringList{"Confirmation"} << QStringList{question};
        QTest::newRow("answered No") << "1" << false << int(Answer::No) << int(DeleteOutcome::Kept)
                                     << QStringList{"Confirmation"} << QStringList{question};
        QTest::newRow("cancelled") << "1" << false << int(Answer::Cancel) << int(DeleteOutcome::Kept)
                                   << QStringList{"Confirmation"} << QStringList{question};
    }
    void deletionFollowsTheRecordAndTheAnswer() {
        QFETCH(QString, code);
        QFETCH(bool, examination);
        QFETCH(int, answer);
        QFETCH(int, outcome);
        QFETCH(QStringList, titles);
        QFETCH(QStringList, texts);
        storedPatientWith("1", "BENALI KARIM", "12/05/1979");
        storedPatientWith("2", "ZITOUNI AMEL", "01/02/1990");
        // Every other act of the patient, which never blocks a deletion and stays where it is.
        storeRow(Db::Dbord, {"1", "10/03/2024", dateNumberText("10/03/2024"), "1", "DOLIPRANE", "3 FOIS PAR JOUR"});
        storeRow(Db::DbReg, {"1", "10/03/2024", dateNumberText("10/03/2024"), "CONSULTATION", "150000", "0"});
        if (examination)
            storeRow(Db::Dbexamen, {"1", "10/03/2024", dateNumberText("10/03/2024"), "ANGINE", "", "", "", ""});
        m_env->messages().queueAnswer(Answer(answer));

        QCOMPARE(int(deletePatient(code)), outcome);
        QCOMPARE(m_env->messages().titles(), titles);
        QCOMPARE(m_env->messages().texts(), texts);
        QCOMPARE(programState().currentPatientCode, code);
        const Rows rows = patientRows();
        QCOMPARE(rows.size(), outcome == int(DeleteOutcome::Deleted) ? 1 : 2);
        QCOMPARE(rows.last()[0], QStringLiteral("2"));
        QCOMPARE(tableRows(Db::Dbord, "Select * from fOrd").size(), 1);
        QCOMPARE(tableRows(Db::DbReg, "Select * from fReg").size(), 1);
    }

    void confirmationOffersYesNoAndCancel() {
        storedPatientWith("1", "BENALI KARIM", "12/05/1979");
        deletePatient("1");
        QCOMPARE(m_env->messages().shown.size(), 1);
        QVERIFY(m_env->messages().shown.first().buttons == Messages::Buttons::YesNoCancel);
    }

    void searchTakesTheFirstMatchInNameOrder_data() {
        QTest::addColumn<PatientFields>("criteria");
        QTest::addColumn<QString>("expectedCode");
        const auto criteria = [](auto fill) {
            PatientFields c;
            fill(c);
            return c;
        };
        QTest::newRow("no criteria: the first name") << PatientFields{} << "3";
        QTest::newRow("name beginning with BEN") << criteria([](PatientFields &c) { c.name = "BEN"; }) << "2";
        QTest::newRow("name and exact birth date") << criteria([](PatientFields &c) {
            c.name = "BEN";
            c.birthDate = "03/03/1990";
        }) << "1";
        QTest::newRow("telephone only") << criteria([](PatientFields &c) { c.telephone = "0777"; }) << "1";
        QTest::newRow("name and telephone") << criteria([](PatientFields &c) {
            c.name = "BEN";
            c.telephone = "0777";
        }) << "1";
        QTest::newRow("name and a birth date nobody has") << criteria([](PatientFields &c) {
            c.name = "BENALI KARIM";
            c.birthDate = "03/03/1990";
        }) << "";
        QTest::newRow("sex, family situation and profession") << criteria([](PatientFields &c) {
            c.sex = "M";
            c.familySituation = "M";
            c.profession = "CARDIOLOGUE";
        }) << "3";
        QTest::newRow("a profession nobody has")
            << criteria([](PatientFields &c) { c.profession = "MENUISIER"; }) << "";
        QTest::newRow("a birth date is never a prefix")
            << criteria([](PatientFields &c) { c.birthDate = "03/03/19"; }) << "";
        QTest::newRow("the name is a prefix, not a part") << criteria([](PatientFields &c) { c.name = "ALI"; }) << "";
        QTest::newRow("the code, age, address and category are no criteria") << criteria([](PatientFields &c) {
            c.code = "99";
            c.age = "1";
            c.address = "AILLEURS";
            c.category = "AUTRE";
            c.socialSecurity = "0";
        }) << "3";
    }
    void searchTakesTheFirstMatchInNameOrder() {
        QFETCH(PatientFields, criteria);
        QFETCH(QString, expectedCode);
        storedPatientWith("1", "BENOIT MARC", "03/03/1990", "0777");
        storedPatientWith("2", "BENALI KARIM", "12/05/1979");
        storedPatientWith("3", "ABDOU SALIM", "12/05/1979");
        const std::optional<PatientFields> found = firstPatientMatching(criteria);
        QCOMPARE(found ? found->code : QString(), expectedCode);
    }

    void professionSuggestionsBeginWithTheTypedText_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("CAR") << "CAR" << QStringList{"CARDIOLOGUE", "CARRELEUR"};
        QTest::newRow("a whole profession") << "CARRELEUR" << QStringList{"CARRELEUR"};
        QTest::newRow("nothing typed") << "" << QStringList{};
        QTest::newRow("small letters are other letters") << "car" << QStringList{};
        QTest::newRow("no profession begins so") << "ZZ" << QStringList{};
        QTest::newRow("accented first letter") << "ÉB" << QStringList{"ÉBÉNISTE"};
        QTest::newRow("a letter beyond the first plane") << "𝄞" << QStringList{"𝄞 MUSICIEN"};
        QTest::newRow("the next letter is not taken") << "CARR" << QStringList{"CARRELEUR"};
    }
    void professionSuggestionsBeginWithTheTypedText() {
        QFETCH(QString, typed);
        QFETCH(QStringList, expected);
        for (const char *profession : {"CHAUFFEUR", "CARRELEUR", "CARDIOLOGUE", "CARRELEUR", "ACARISTE", "CAS",
                                       "ÉBÉNISTE", "ÉCRIVAIN", "EBENISTE", "𝄞 MUSICIEN", "𝄟"})
            storeRow(Db::tablefonc, {profession});
        QCOMPARE(professionSuggestions(typed), expected);
    }

    void aSavedPatientReplacesItsListRowOrIsAdded() {
        ReportList wide(nullptr, QList<ListColumn>(12, {"", 50}));
        PatientFields first = typedPatient();
        first.code = "1";
        PatientFields second = typedPatient("ZITOUNI AMEL", "01/02/1990");
        second.code = "2";
        putPatientRow(wide, first);
        putPatientRow(wide, second);
        QCOMPARE(wide.rowCount(), 2);
        QCOMPARE(wide.rowCells(0),
                 QStringList({"1", "BENALI KARIM", "12/05/1979", "44 ans", "M", "M", "2", "CARDIOLOGUE",
                              "12 RUE DES LILAS", "0555 12 34 56", "HTA", "1790512345678"}));

        first.address = "AILLEURS";
        first.age = "45";
        putPatientRow(wide, first);
        QCOMPARE(wide.rowCount(), 2);
        QCOMPARE(wide.cell(0, 8), QStringLiteral("AILLEURS"));
        QCOMPARE(wide.cell(0, 3), QStringLiteral("45 ans"));
        QCOMPARE(wide.rowCells(1), second.listRow());

        removePatientRow(wide, "1");
        QCOMPARE(wide.rowCount(), 1);
        QCOMPARE(wide.cell(0, 0), QStringLiteral("2"));
        removePatientRow(wide, "9");
        QCOMPARE(wide.rowCount(), 1);
    }

    void onlyTheFirstRowWithTheCodeChanges() {
        ReportList list(nullptr, QList<ListColumn>(12, {"", 50}));
        list.addRow({"4", "A"});
        list.addRow({"4", "B"});
        PatientFields p = typedPatient("C", "");
        p.code = "4";
        putPatientRow(list, p);
        QCOMPARE(list.cell(0, 1), QStringLiteral("C"));
        QCOMPARE(list.cell(1, 1), QStringLiteral("B"));
        removePatientRow(list, "4");
        QCOMPARE(list.rowCount(), 1);
        QCOMPARE(list.cell(0, 1), QStringLiteral("B"));
    }

private:
    std::unique_ptr<TestEnvironment> m_env;
};

QTEST_MAIN(TestPatientRecords)
#include "TestPatientRecords.moc"
