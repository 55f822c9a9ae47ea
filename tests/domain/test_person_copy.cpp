// Copying an injured person from the employee register: the person's values, the
// employments with their occupation dictionary, the restriction to the visible
// structure, the employer and the level of "Zatrudniony w".
#include "db/Connection.h"
#include "domain/PersonCopy.h"
#include "support/StructureSample.h"

using namespace zort;
using namespace zort::test;

namespace {

class PersonCopyTest : public StructureTest {
protected:
    void SetUp() override {
        StructureTest::SetUp();
        exec("UPDATE OSTRUKT SET KODPOCZ = '63-740', MIEJSCOW = 'Modrzewo', ADRES = 'Lipowa 5', NRREGON = '301234567', "
             "NIP = '777-00-11-222', KODEKD = '2511Z' WHERE ID = 1");
        exec("INSERT INTO DNEWZAWODY (ID, IDRODZ, NRPOZ, KOD, NAZWA) VALUES (500, 0, 4, '722204', 'Ślusarz')");
        exec("INSERT INTO DZAWODY (ID, KOD, NAZWA) VALUES (1100005, '7222', 'Ślusarz (wykaz dawny)')");
        exec("INSERT INTO SKWUMOWY (ID, SKROT, NAZWA) VALUES (1, 'stara umowa', 'x')");
        exec("INSERT INTO SKWUMOWY_1 (ID, SKROT, NAZWA) VALUES (1, 'umowa o pracę', 'x')");
        exec("INSERT INTO ODANOS (IDOSOBY, NAZWISKO, IMIE, PESEL, PLEC, IMOJCA, TYPDOK, NRDOK, DATAUR) VALUES "
             "(1, 'Nowak', 'Jan', '80010112345', 5, 'Piotr', 2, 'EA 1234567', :d)",
             {{"d", day(1980, 1, 1)}});
        logIn(1);
    }
    void job(int id, int person, int position, const QVariant& occupation, const QVariant& from,
             const QString& trainings = QStringLiteral("tnnt")) {
        exec("INSERT INTO OPRACOW (ID, IDPRAC, IDSTAN, IDZAWOD, IDUMOWY, DATAZATR, SZKWSTEPNE, SZKINSTR, SZKPODST, "
             "SZKOKRES) VALUES (:i, :p, :s, :z, 1, :f, :a, :b, :c, :d)",
             {{"i", id}, {"p", person}, {"s", position}, {"z", occupation}, {"f", from}, {"a", trainings.mid(0, 1)},
              {"b", trainings.mid(1, 1)}, {"c", trainings.mid(2, 1)}, {"d", trainings.mid(3, 1)}});
    }
    PersonCopySettings settings(bool restricted = false) {
        PersonCopySettings s;
        s.edition = 1;
        s.referenceDate = dm->referenceDate();
        s.today = QDate(2024, 5, 10);
        s.restricted = restricted;
        s.structureTable = restricted ? dm->structureTable() : QString();
        return s;
    }
    OrgStructure structure() { return OrgStructure(c(), [this](int id) { return dm->IsElementDenied(id); }); }
};

} // namespace

TEST_F(PersonCopyTest, ThePersonsValues) {
    const OrgStructure s = structure();
    const PersonCopy copy(c(), s, settings());
    const auto person = copy.readPerson(1);
    ASSERT_TRUE(person);
    EXPECT_FALSE(copy.readPerson(99));
    auto v = PersonCopy::personValues(*person);
    EXPECT_EQ("mężczyzna", v[CopyValue::Sex]) << "5 is a man as 1 is";
    EXPECT_EQ("Paszport EA 1234567", v[CopyValue::IdentityDocument]);
    EXPECT_EQ("Jan Nowak", v[CopyValue::FullName]);
    EXPECT_EQ("1980-01-01", v[CopyValue::BirthDate]);
    EXPECT_EQ("Paszport", v[CopyValue::DocumentKind]);
    EXPECT_EQ("EA", v[CopyValue::DocumentSeries]);
    EXPECT_EQ("1234567", v[CopyValue::DocumentNumber]);

    RegisterPerson p = *person;
    for (int sex : {0, 2, 3, 6}) {
        p.sex = sex;
        EXPECT_EQ("kobieta", PersonCopy::personValues(p)[CopyValue::Sex]) << sex;
    }
    p.sex = 1;
    EXPECT_EQ("mężczyzna", PersonCopy::personValues(p)[CopyValue::Sex]);
    p.documentType = 1;
    p.documentNumber = QStringLiteral("ABC123456");
    EXPECT_EQ("Dowód osobisty ABC123456", PersonCopy::personValues(p)[CopyValue::IdentityDocument]);
    p.documentType = 3;
    v = PersonCopy::personValues(p);
    EXPECT_EQ("ABC123456", v[CopyValue::IdentityDocument]) << "another type: the number alone";
    EXPECT_EQ("", v[CopyValue::DocumentSeries]);
    EXPECT_EQ("ABC123456", v[CopyValue::DocumentNumber]);

    // The surname rule: the stored surname stops the copy, whoever the person is.
    EXPECT_FALSE(PersonCopy::copiesPerson(*person, QStringLiteral("Nowak")));
    EXPECT_TRUE(PersonCopy::copiesPerson(*person, QStringLiteral("Nowakowski")));
    EXPECT_TRUE(PersonCopy::copiesPerson(*person, QString()));
}

TEST_F(PersonCopyTest, NoOneAndTwoEmployments) {
    const OrgStructure s = structure();
    const PersonCopy copy(c(), s, settings());
    const auto person = copy.readPerson(1);
    EXPECT_TRUE(copy.readEmployments(1).empty());
    auto v = copy.values(*person, nullptr, 1);
    EXPECT_EQ("0", v[CopyValue::PositionId]);
    EXPECT_EQ("0", v[CopyValue::Seniority]);
    EXPECT_EQ("", v[CopyValue::OccupationCode]);
    EXPECT_EQ("n", v[CopyValue::TrainingInitial]);
    EXPECT_FALSE(v.contains(CopyValue::EmployerName)) << "the employer stays as it is";

    job(1, 1, 13, 500, day(2010, 3, 1), "tnnt");
    auto jobs = copy.readEmployments(1);
    ASSERT_EQ(1u, jobs.size());
    EXPECT_EQ("Firma || Produkcja || Sekcja || Spawacz", copy.employmentLine(jobs[0]));
    v = copy.values(*person, &jobs[0], 1);
    EXPECT_EQ("722204", v[CopyValue::OccupationCode]);
    EXPECT_EQ("Ślusarz", v[CopyValue::OccupationName]);
    EXPECT_EQ("A31", v[CopyValue::PositionCode]);
    EXPECT_EQ("13", v[CopyValue::PositionId]);
    EXPECT_EQ("Spawacz", v[CopyValue::PositionName]);
    EXPECT_EQ("Produkcja", v[CopyValue::ElementAtLevel]);
    EXPECT_EQ("Sekcja", copy.values(*person, &jobs[0], 2)[CopyValue::ElementAtLevel]);
    EXPECT_EQ("Spawacz", copy.values(*person, &jobs[0], 9)[CopyValue::ElementAtLevel]) << "below the path: its end";
    EXPECT_EQ("Firma", v[CopyValue::EmployerName]);
    EXPECT_EQ("2511Z", v[CopyValue::EmployerPkd]);
    EXPECT_EQ("301234567", v[CopyValue::EmployerRegon]);
    EXPECT_EQ("63-740 Modrzewo Lipowa 5", v[CopyValue::EmployerAddress]);
    EXPECT_EQ("777-00-11-222", v[CopyValue::EmployerNip]);
    EXPECT_EQ("1", v[CopyValue::ContractId]);
    EXPECT_EQ("umowa o pracę", v[CopyValue::ContractName]) << "the list of after 2000";
    EXPECT_EQ("t", v[CopyValue::TrainingInitial]);
    EXPECT_EQ("n", v[CopyValue::TrainingInstruction]);
    EXPECT_EQ("n", v[CopyValue::TrainingBasic]);
    EXPECT_EQ("t", v[CopyValue::TrainingPeriodic]);
    EXPECT_EQ("14", v[CopyValue::Seniority]);

    // A second employment, earlier, without a begin date: staż 0, not the year.
    job(2, 1, 3, 500, QVariant(), "    ");
    jobs = copy.readEmployments(1);
    ASSERT_EQ(2u, jobs.size());
    EXPECT_EQ("Tokarz", jobs[0].positionName) << "the employment without a date comes first";
    v = copy.values(*person, &jobs[0], 1);
    EXPECT_EQ("0", v[CopyValue::Seniority]);
    EXPECT_EQ("t", v[CopyValue::TrainingBasic]) << "checked unless the employment says n";

    // Before 2001 the contract is read from the list of 2000.
    PersonCopySettings old = settings();
    old.referenceDate = day(2000, 12, 31);
    EXPECT_EQ("stara umowa", PersonCopy(c(), s, old).contractName(QStringLiteral("1")));
    EXPECT_EQ("", copy.contractName(QString()));
}

TEST_F(PersonCopyTest, TheOccupationDictionaryFollowsTheCode) {
    EXPECT_EQ("DNewZAWODY", PersonCopy::occupationTableFor(1100000, 1));
    EXPECT_EQ("DZAWODY", PersonCopy::occupationTableFor(1100001, 1));
    EXPECT_EQ("DZAWODY", PersonCopy::occupationTableFor(1100001, 4));
    EXPECT_EQ("DNewZAWODY2021", PersonCopy::occupationTableFor(500, 4));
    EXPECT_EQ("DNewZAWODY", PersonCopy::occupationTableFor(500, 0));
    EXPECT_EQ("DNewZAWODY2010", PersonCopy::occupationTableFor(std::nullopt, 2)) << "no employment: the edition";
    EXPECT_EQ("DZAWODY", PersonCopy::occupationTableFor(std::nullopt, 0));

    exec("INSERT INTO ODANOS (IDOSOBY, NAZWISKO, IMIE) VALUES (2, 'Stary', 'Adam')");
    job(1, 1, 13, 500, day(2010, 3, 1));
    job(2, 2, 3, 1100005, day(2010, 3, 1));
    const OrgStructure s = structure();
    const PersonCopy copy(c(), s, settings());
    auto jobs = copy.readEmployments(1);
    ASSERT_EQ(1u, jobs.size());
    EXPECT_EQ("722204", jobs[0].occupationCode);
    jobs = copy.readEmployments(2);
    ASSERT_EQ(1u, jobs.size());
    EXPECT_EQ("1100005", jobs[0].occupationCode) << "the old list is known by its ids";
    EXPECT_EQ("Ślusarz (wykaz dawny)", jobs[0].occupationName);
}

TEST_F(PersonCopyTest, ARestrictedUserSeesTheEmploymentsOfTheVisibleStructure) {
    // Kierowca (8) lies in the denied unit, Lakiernik (6) in a unit created later.
    job(1, 1, 13, 500, day(2010, 3, 1));
    job(2, 1, 8, 500, day(2011, 3, 1));
    job(3, 1, 6, 500, day(2012, 3, 1));
    job(4, 1, 3, 500, day(2013, 3, 1));
    job(5, 1, 12, 500, day(2014, 3, 1));  // a unit, not a position
    const OrgStructure s = structure();
    EXPECT_EQ(4u, PersonCopy(c(), s, settings()).readEmployments(1).size()) << "every position";

    logIn(0);
    dm->BuildStructureTable();
    const auto jobs = PersonCopy(c(), s, settings(true)).readEmployments(1);
    ASSERT_EQ(2u, jobs.size());
    EXPECT_EQ(13, jobs[0].positionId);
    EXPECT_EQ(3, jobs[1].positionId);
    PersonCopySettings noTable = settings(true);
    noTable.structureTable.clear();
    EXPECT_TRUE(PersonCopy(c(), s, noTable).readEmployments(1).empty());
    dm->DropStructureTable();
}

TEST(PersonCopyRules, TheMapCutsAndLeavesOut) {
    QHash<CopyValue, QString> v;
    v[CopyValue::OccupationName] = QString(60, QLatin1Char('z'));
    v[CopyValue::FullName] = QStringLiteral("Jan Nowak");
    const auto texts = applyCopyMap(injuredPersonCopyMap(), v);
    ASSERT_EQ(3, texts.size());
    EXPECT_EQ("erImNazwCz", texts[0].first);
    EXPECT_EQ("erImNazwCzZap", texts[1].first);
    EXPECT_EQ("epZawod", texts[2].first);
    EXPECT_EQ(45, texts[2].second.size());

    EXPECT_EQ("0", seniorityText(QDateTime(), QDate(2024, 1, 1)));
    EXPECT_EQ("0", seniorityText(QDateTime(QDate(1899, 12, 30), QTime()), QDate(2024, 1, 1)));
    EXPECT_EQ("24", seniorityText(QDateTime(QDate(2000, 12, 31), QTime()), QDate(2024, 1, 1)));

}
