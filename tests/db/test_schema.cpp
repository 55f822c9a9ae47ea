// The schema as the database itself describes it (RDB$ metadata), against the
// column lists of the register tables written out here independently of the DDL.
#include "support/TestDatabase.h"
#include "db/Dataset.h"

#include <QMap>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace zort;
using namespace zort::test;

namespace {

// Column, type and width of every column of the register tables.
const char* const kAccidents = R"(
    ID INTEGER, NUMER INTEGER, SYMBOLWYP VARCHAR(10), DATA TIMESTAMP, DATAREJWYP TIMESTAMP,
    DATAZGMIN TIMESTAMP, WYPIZ SMALLINT, WYPUB SMALLINT, POSZKODOWANI SMALLINT, STRATYZL DOUBLE,
    STRATYCZASU SMALLINT, IDMIEJSCA VARCHAR(5), MIEJSCEWYP VARCHAR(50), IDPOLOZGEOGR VARCHAR(7),
    POLOZGEOGR VARCHAR(120), IDRODZAJMIEJSCAWYP VARCHAR(5), RODZAJMIEJSCAWYP VARCHAR(120),
    WERSJASKW SMALLINT, BLOK SMALLINT, COMPNAME CHAR(15), CZASROZP TIMESTAMP, CZASZAK TIMESTAMP
)";
const char* const kInjuredPersons = R"(
    ID INTEGER, IDWYPADKU INTEGER, NUMERKARTY INTEGER, NUMERPROT INTEGER, NUMERKARTYWYP INTEGER,
    RODZUMOWY SMALLINT, TYPPOSZK SMALLINT, IDPRACOWNIKA INTEGER, NAZWISKO VARCHAR(50),
    IMIE VARCHAR(30), IMOJCA VARCHAR(30), SYNCORKA VARCHAR(30), PLEC SMALLINT, DATAUR TIMESTAMP,
    MIEJSCEUR VARCHAR(50), PESELPRAC VARCHAR(15), NIPPRAC VARCHAR(20), DOKPRAC VARCHAR(62),
    KODPOCZ VARCHAR(6), MIEJSCOW VARCHAR(32), WOJEW VARCHAR(32), ULICA VARCHAR(32),
    NRUL VARCHAR(9), NRMIESZ VARCHAR(9), IDOBYWATELSTWO VARCHAR(5), OBYWATELSTWO VARCHAR(50),
    IDSTANOW INTEGER, STRUKTSKROT VARCHAR(40), STANOWSKROT VARCHAR(40), STANOWKOD VARCHAR(50),
    KODZAWODU VARCHAR(7), ZAWOD VARCHAR(45), STAZ SMALLINT, SZKWSTEPNE CHAR(1), SZKINSTR CHAR(1),
    SZKPODST CHAR(1), SZKOKRES CHAR(1), IDUMOWY VARCHAR(5), UMOWA VARCHAR(50), GODZPRACY SMALLINT,
    IDLICZBAPRAC VARCHAR(5), LICZBAPRAC DOUBLE, FORMAPRACY SMALLINT, PRZEDSIEB VARCHAR(130),
    KODEKD VARCHAR(8), REGON CHAR(16), ADRESFIRMA VARCHAR(130), NIPFIRMA VARCHAR(20),
    REGONFIRMA VARCHAR(16), PESELFIRMA VARCHAR(15), DOKFIRMA VARCHAR(62), SPKRYTJEDN SMALLINT,
    MSCJEDN VARCHAR(50), IDMSCJEDN VARCHAR(7), RODZDZIALJEDN VARCHAR(50),
    IDRODZDZIALJEDN VARCHAR(5), IDFWJEDN VARCHAR(5), FWJEDN VARCHAR(200), IMNAZWA VARCHAR(81),
    FUNKCJAA VARCHAR(50), IMNAZWB VARCHAR(81), FUNKCJAB VARCHAR(50), DATAUST TIMESTAMP,
    DATAZAKUST TIMESTAMP, IMNAZWZG VARCHAR(81), DATAZG TIMESTAMP, OKOLICZNOSCI TEXT,
    PRZYCZYNY TEXT, UCHYBIENIA TEXT, DOWUCHYB TEXT, DOWPIJ TEXT, RODZURAZU TEXT, TYPWYP SMALLINT,
    UZASADN TEXT, FORMWYP SMALLINT, PROFILAKTYKA TEXT, PRZESZKODY TEXT, ZALACZNIKI TEXT,
    DATAPROT TIMESTAMP, IMNAZWCZ VARCHAR(81), DATAZAPOZ TIMESTAMP, IMNAZWCZZAP VARCHAR(81),
    ZAPOZNANY SMALLINT, DATAZATW TIMESTAMP, DATAODB TIMESTAMP, DORECZENIE SMALLINT,
    NR_PRZESYLKI VARCHAR(20), SADPRACY VARCHAR(60), PKTUSTAWY CHAR(2), UBEZPOPIS VARCHAR(250),
    IMNAZWSW1 VARCHAR(80), ADRESSW1 VARCHAR(120), IMNAZWSW2 VARCHAR(80), ADRESSW2 VARCHAR(120),
    RODZAJWYP SMALLINT, MIEJSCESP VARCHAR(80), IMNAZWODB VARCHAR(80), PODMSPORZADZ VARCHAR(80),
    IMNAZSPORZADZ VARCHAR(81), SKUTKI SMALLINT, SKUTKIR SMALLINT, DNINIEZD SMALLINT,
    DNINIEZDR SMALLINT, KODCHOROBY VARCHAR(3), IDURAZU1 VARCHAR(5), URAZ1 VARCHAR(50),
    IDURAZU2 VARCHAR(5), URAZ2 VARCHAR(50), IDURAZU3 VARCHAR(5), URAZ3 VARCHAR(50),
    IDRODZAJURAZ VARCHAR(5), RODZAJURAZ VARCHAR(135), IDPROCESPRACY VARCHAR(5),
    PROCESPRACY VARCHAR(100), IDCZYNNOSCI VARCHAR(5), CZYNNOSC VARCHAR(50),
    IDCZYNNIKCZYNNOSC VARCHAR(5), CZYNNIKCZYNNOSC VARCHAR(190), IDWYDARZENIA VARCHAR(5),
    WYDARZENIE VARCHAR(50), IDCZYNNIKODCHYLENIE VARCHAR(5), CZYNNIKODCHYLENIE VARCHAR(190),
    IDWYDARZENIEURAZ VARCHAR(5), WYDARZENIEURAZ VARCHAR(110), IDCZYNNIKURAZ VARCHAR(5),
    CZYNNIKURAZ VARCHAR(190), IDPRZYCZYNY1 VARCHAR(5), PRZYCZYNA1 VARCHAR(50),
    IDPRZYCZYNY2 VARCHAR(5), PRZYCZYNA2 VARCHAR(50), IDPRZYCZYNY3 VARCHAR(5),
    PRZYCZYNA3 VARCHAR(50), IDPRZYCZYNY4 VARCHAR(5), PRZYCZYNA4 VARCHAR(50),
    IDPRZYCZYNY5 VARCHAR(5), PRZYCZYNA5 VARCHAR(50), IDPRZYCZYNY6 VARCHAR(5),
    PRZYCZYNA6 VARCHAR(50), IDPRZYCZYNY7 VARCHAR(5), PRZYCZYNA7 VARCHAR(50),
    IDCZYNNIKA1 VARCHAR(5), CZYNNIK1 VARCHAR(42), IDZRODLA1 VARCHAR(5), ZRODLO1 VARCHAR(42),
    IDCZYNNIKA2 VARCHAR(5), CZYNNIK2 VARCHAR(42), IDZRODLA2 VARCHAR(5), ZRODLO2 VARCHAR(42),
    IDCZYNNIKA3 VARCHAR(5), CZYNNIK3 VARCHAR(42), IDZRODLA3 VARCHAR(5), ZRODLO3 VARCHAR(42),
    IDCZYNNIKA4 VARCHAR(5), CZYNNIK4 VARCHAR(42), IDZRODLA4 VARCHAR(5), ZRODLO4 VARCHAR(42),
    IMNAZWWYPSKW VARCHAR(81), TELWYPSKW VARCHAR(21), EMAILWYPSKW VARCHAR(40),
    MIEJSCOWWYPSKW VARCHAR(40), DATAWYPSKW TIMESTAMP, MIEJSCOWPPSKW VARCHAR(32),
    DATAPPSKW TIMESTAMP, IMNAZWWYPSKW2 VARCHAR(81), TELWYPSKW2 VARCHAR(21),
    EMAILWYPSKW2 VARCHAR(40), MIEJSCOWWYPSKW2 VARCHAR(32), DATAWYPSKW2 TIMESTAMP,
    MIEJSCOWPPSKW2 VARCHAR(32), DATAPPSKW2 TIMESTAMP, DODBRANZA TEXT, NRPISMAZUS VARCHAR(48),
    DATAPISMAZUS TIMESTAMP, NRDECYZJIZUS VARCHAR(48), DATADECYZJIZUS TIMESTAMP, ODMOWAZUS TEXT,
    PROCUSZCZZUS DOUBLE, KWOTAZUS DOUBLE
)";
const char* const kCommutingAccidents = R"(
    ID INTEGER, NUMER INTEGER, SYMBOLWYP VARCHAR(10), DATA TIMESTAMP, DATAREJWYP TIMESTAMP,
    DATAZG TIMESTAMP, WYPRZ SMALLINT, GODZRZ VARCHAR(8), MIEJSCEWYP SMALLINT, PRZYCZYNY TEXT,
    SKUTKI SMALLINT, ZGONOPIS VARCHAR(35), DATANIEZDOD TIMESTAMP, DATANIEZDDO TIMESTAMP,
    ILDNIZWOLNIENIA INTEGER, PROCUSZZDR DOUBLE, DOCHODZENIE SMALLINT, OPISDOCHODZENIA TEXT,
    IMNAZWSW1 VARCHAR(135), ADRESSW1 VARCHAR(135), IMNAZWSW2 VARCHAR(135), ADRESSW2 VARCHAR(135),
    IMNAZWSW3 VARCHAR(135), ADRESSW3 VARCHAR(135), RODZAJWYP SMALLINT, UZASADNIENIE TEXT,
    OBRAZENIA TEXT, KODCHOROBY VARCHAR(3), ZALACZNIKI TEXT, PRZESZKODY TEXT, MIEJSCESP VARCHAR(80),
    DATASP TIMESTAMP, PODMSPORZADZ VARCHAR(80), IMNAZSPORZADZ VARCHAR(81), DATAODBIORU TIMESTAMP,
    BLOK SMALLINT, COMPNAME CHAR(15), CZASROZP TIMESTAMP, CZASZAK TIMESTAMP, IDPRACOWNIKA INTEGER,
    TYPPOSZK SMALLINT, NAZWISKO VARCHAR(50), IMIE VARCHAR(30), IMOJCA VARCHAR(30), PLEC SMALLINT,
    STANCYWILNY VARCHAR(15), DATAUR TIMESTAMP, MIEJSCEUR VARCHAR(50), KODPOCZ VARCHAR(6),
    MIEJSCOW VARCHAR(32), WOJEW VARCHAR(32), ULICA VARCHAR(32), NRUL VARCHAR(9),
    NRMIESZ VARCHAR(9), PESELPOSZK VARCHAR(15), NIPPOSZK VARCHAR(20), RODZDOKPOSZK VARCHAR(20),
    SERIADOKPOSZK VARCHAR(10), NRDOKPOSZK VARCHAR(30), UBEZPRODZ SMALLINT, UBEZPOPIS VARCHAR(128),
    IDSTANOW INTEGER, STRUKTSKROT VARCHAR(30), STANOWSKROT VARCHAR(30), STANOWKOD VARCHAR(50),
    KODZAWODU VARCHAR(7), ZAWOD VARCHAR(30), PRZEDSIEB VARCHAR(130), ADRESPRZEDSIEB VARCHAR(130),
    NIPPLAT VARCHAR(20), REGONPLAT VARCHAR(16), PESELPLAT VARCHAR(15), RODZDOKPLAT VARCHAR(20),
    SERIADOKPLAT VARCHAR(10), NRDOKPLAT VARCHAR(30)
)";

// The rights columns of the user table, in the order of the rights record.
const char* const kRights =
    "AZAKL ACZYN ACZYNSTAN ASWIAD AOCHRONY APRAWDOPOD AOSOB AZAWODY ACZYNNOSCI AARCHIWUM AWYPADKI "
    "PSESJA PCHEM PPYLY PBIOL PHALAS POSWIETL PDRGAN PPROMIEN PELEKTROM PMIKROKL PMECH PWYBPOZ POBCSTAT "
    "PMONOTYP PWYSFIZ POBCPSYCH PSRODOCHR PMETPOM PWYPADCHOR PDODINFOR PPROFMED PPROFTECH PPROFORG "
    "WKARTPOMP WKARTPOMS WZESTZBPOM WKARTABEZP WZ10 WINNE WSKWPROTPW WZESTZBWYP WZESTSTATW DDOBOR "
    "DWYBOR DWYDRUK BADMIN BSTANOW BUZYTK BWYDRUK PPRAD WWYDRZAL RDODCZYNCHEM RKOPDANERYZ BKOPDANEBHP "
    "AWYDRUK PUSUNSESJA RDODLAB APRZYWROC ASYNCHO LOBIEG ABLOKWYPADKI RWLASNEKRT RWLASNECZYNN "
    "PWLASNECZYNN POPER AOSOBWYSW RRISKSCORE";

QMap<QString, QString> expectedColumns(const char* list) {
    QMap<QString, QString> out;
    for (const QString& item : QString::fromLatin1(list).split(',', Qt::SkipEmptyParts)) {
        const QStringList f = item.simplified().split(' ');
        out.insert(f.at(0), f.at(1));
    }
    return out;
}

// The columns of a table in their order, each as "NAME TYPE" in the notation above.
QStringList columnsOf(Connection& c, const QString& table) {
    Dataset ds(&c, QStringLiteral(
        "SELECT TRIM(rf.RDB$FIELD_NAME), f.RDB$FIELD_TYPE, f.RDB$FIELD_SUB_TYPE, f.RDB$CHARACTER_LENGTH "
        "FROM RDB$RELATION_FIELDS rf JOIN RDB$FIELDS f ON f.RDB$FIELD_NAME = rf.RDB$FIELD_SOURCE "
        "WHERE rf.RDB$RELATION_NAME = :t ORDER BY rf.RDB$FIELD_POSITION"));
    ds.setParam(QStringLiteral("t"), table);
    ds.open();
    QStringList out;
    for (ds.first(); !ds.eof(); ds.next()) {
        const int len = int(ds.field(3).asInt());
        QString type;
        switch (ds.field(1).asInt()) {
        case 7: type = QStringLiteral("SMALLINT"); break;
        case 8: type = QStringLiteral("INTEGER"); break;
        case 27: type = QStringLiteral("DOUBLE"); break;
        case 35: type = QStringLiteral("TIMESTAMP"); break;
        case 14: type = QStringLiteral("CHAR(%1)").arg(len); break;
        case 37: type = QStringLiteral("VARCHAR(%1)").arg(len); break;
        case 261: type = ds.field(2).asInt() == 1 ? QStringLiteral("TEXT") : QStringLiteral("BLOB"); break;
        default: type = QStringLiteral("TYPE%1").arg(ds.field(1).asInt());
        }
        out << ds.field(0).asTrimmed() + QLatin1Char(' ') + type;
    }
    return out;
}

QStringList names(const QStringList& columns) {
    QStringList out;
    for (const QString& c : columns) out << c.section(' ', 0, 0);
    return out;
}

} // namespace

TEST(Schema, RegisterTablesHaveEveryColumnWithItsTypeAndWidth) {
    TestDatabase db;
    auto c = db.connect();
    const std::pair<const char*, const char*> tables[] = {
        {"SKWWYPADKI", kAccidents}, {"SKWPOSZKODOWANI", kInjuredPersons}, {"SKWWYPADKIWDRODZE", kCommutingAccidents}};
    for (const auto& [table, list] : tables) {
        const QMap<QString, QString> expected = expectedColumns(list);
        QMap<QString, QString> actual;
        for (const QString& col : columnsOf(*c, QString::fromLatin1(table)))
            actual.insert(col.section(' ', 0, 0), col.section(' ', 1));
        for (auto it = expected.begin(); it != expected.end(); ++it)
            EXPECT_EQ(it.value().toStdString(), actual.value(it.key(), QStringLiteral("missing")).toStdString())
                << table << "." << it.key().toStdString();
        for (auto it = actual.begin(); it != actual.end(); ++it)
            EXPECT_TRUE(expected.contains(it.key())) << table << "." << it.key().toStdString() << " is not expected";
    }
    // The sizes of the lists themselves, so that a lost line of this file shows too.
    EXPECT_EQ(22, expectedColumns(kAccidents).size());
    EXPECT_EQ(178, expectedColumns(kInjuredPersons).size());
    EXPECT_EQ(75, expectedColumns(kCommutingAccidents).size());
}

TEST(Schema, RightsColumnsFollowTheRightsRecord) {
    TestDatabase db;
    auto c = db.connect();
    const QStringList rights = QString::fromLatin1(kRights).split(' ');
    ASSERT_EQ(68, rights.size());
    QStringList inTable;
    for (const QString& col : columnsOf(*c, QStringLiteral("APRAWADOSTEPU")))
        if (rights.contains(col.section(' ', 0, 0))) {
            EXPECT_EQ("INTEGER", col.section(' ', 1).toStdString()) << col.toStdString();
            inTable << col.section(' ', 0, 0);
        }
    EXPECT_EQ(rights, inTable);
}

// Statements of the module that insert without a column list, or read a column by
// its position, exactly as the module runs them.
TEST(Schema, ColumnOrdersThatPositionalStatementsRelyOn) {
    TestDatabase db;
    auto c = db.connect();
    EXPECT_EQ(QStringList({"IDREJESTR", "IDWYP", "TABWYP"}), names(columnsOf(*c, "SKWREJESTRWYP")));
    c->execute("INSERT INTO SKWRejestrWyp VALUES ( 3,17, 2)");
    EXPECT_EQ(1, c->scalar("SELECT COUNT(*) FROM SKWREJESTRWYP WHERE IDREJESTR = 3 AND IDWYP = 17 AND TABWYP = 2").toInt());

    c->execute(" Insert into SKWZalaczniki values (4,12,7,null,null)");
    c->execute("UPDATE SKWZALACZNIKI SET TYTUL = 'Szkic', OPIS = 'Opis' WHERE ID = 4 AND IDWYPADKU = 12 AND IDPROTOKOLU = 7");
    EXPECT_EQ(1, c->scalar("SELECT COUNT(*) FROM SKWZALACZNIKI WHERE TYTUL = 'Szkic'").toInt());
    // The number is unique only within its owner.
    c->execute(" Insert into SKWZalaczniki values (4,12,8,null,null)");
    c->execute(" Insert into SKWZalaczniki values (4,13,0,null,null)");
    EXPECT_EQ(3, c->scalar("SELECT COUNT(*) FROM SKWZALACZNIKI WHERE ID = 4").toInt());

    c->execute(" INSERT INTO LSesDokum VALUES (0, :pNazwaPlik, 1, :pIdTypDok, :pIdTabeli)",
               Params{{"pNazwaPlik", "WypProt_500000.pdf"}, {"pIdTypDok", 2}, {"pIdTabeli", 31}});
    const QVariant session = c->scalar("SELECT Id FROM LSesDokum WHERE IdTypDok = :t AND IdTabeli= :i",
                                       Params{{"t", 2}, {"i", 31}});
    ASSERT_TRUE(session.isValid());
    EXPECT_GT(session.toInt(), 0);  // assigned by the database for the key 0
    EXPECT_EQ("WypProt_500000.pdf", c->scalar("SELECT NAZWAPLIK FROM LSESDOKUM").toString().toStdString());

    c->execute(" INSERT INTO LStanObieg VALUES (0, :IdSesDokum, :IdObieg, :IdRoli, :Nadawca, 0, '', 0)",
               Params{{"IdSesDokum", session}, {"IdObieg", 2}, {"IdRoli", 5}, {"Nadawca", "admin (Jan Kowal)"}});
    Dataset st(c.get(), "SELECT ID, IDSESDOKUM, IDOBIEG, IDROLI, NADAWCA, STAN FROM LSTANOBIEG");
    st.open();
    ASSERT_EQ(1, st.recordCount());
    EXPECT_GT(st.field("ID").asInt(), 0);
    EXPECT_EQ(session.toInt(), st.field("IDSESDOKUM").asInt());
    EXPECT_EQ(2, st.field("IDOBIEG").asInt());
    EXPECT_EQ(5, st.field("IDROLI").asInt());
    EXPECT_EQ("admin (Jan Kowal)", st.field("NADAWCA").asString().toStdString());
    EXPECT_EQ(0, st.field("STAN").asInt());

    // The employee count of a year is the second column of "SELECT *".
    c->execute("INSERT INTO SKWZATRUDNIENIE (ILZATR, ROK) VALUES (431, 2024)");
    Dataset year(c.get(), "SELECT * FROM SKWZATRUDNIENIE WHERE ROK = 2024");
    year.open();
    EXPECT_EQ(431, year.field(1).asInt());
}
