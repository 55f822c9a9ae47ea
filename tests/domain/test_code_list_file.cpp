// Code lists loaded from and written to tab-separated files on a real database: the
// lists of the 2009 card moved through a file keep their ids, parents and names; a
// wrong line stops the whole load before anything is written and is named in the
// message; a table that has rows is only replaced when asked.
#include "core/Error.h"
#include "domain/CodeListFile.h"
#include "support/TestDatabase.h"

#include <QFile>
#include <QSqlQuery>
#include <QSqlRecord>
#include <gtest/gtest.h>

using namespace zort;
using namespace zort::test;

namespace {

const QString kCauses = QStringLiteral("SKWPRZYCZYNYWYP");
const QString kCauses2022 = QStringLiteral("SKWPRZYCZYNYWYP_1");

QString referenceFile(const QString& name) {
    return qEnvironmentVariable("ZORT_TEST_DATA") + QStringLiteral("/reference/skw-2009/") + name;
}

// Every row of a table: Id, IdRodz, NrPoz, Kod, Nazwa and Skrot (trees and
// occupations), or ID, KOD, NAZWA and SKROT (flat lists), by id.
QStringList contents(Connection& c, const QString& table) {
    const CodeTable& t = *findCodeTable(table);
    QString columns = QStringLiteral("ID, IDRODZ, NRPOZ, KOD, NAZWA, SKROT");
    if (t.kind == CodeTableKind::Occupation) columns = QStringLiteral("ID, IDRODZ, NRPOZ, KOD, NAZWA");
    if (t.kind == CodeTableKind::List) columns = QStringLiteral("ID, KOD, NAZWA, SKROT");
    QSqlQuery q = c.run(QStringLiteral("SELECT %1 FROM %2 ORDER BY ID").arg(columns, t.name));
    QStringList rows;
    while (q.next()) {
        QStringList fields;
        for (int i = 0; i < q.record().count(); ++i) fields << q.value(i).toString();
        rows << fields.join(QLatin1Char('|'));
    }
    return rows;
}

int rowCount(Connection& c, const QString& table) {
    return c.scalar(QStringLiteral("SELECT COUNT(*) FROM %1").arg(table)).toInt();
}

class CodeListFileTest : public ::testing::Test {
protected:
    TestDatabase db{TestDatabase::Content::Empty};
    std::unique_ptr<Connection> c = db.connect();

    QString write(const QByteArray& bytes, const QString& name = QStringLiteral("lista.tsv")) {
        const QString path = db.folder() + QLatin1Char('/') + name;
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }

    int importFile(const QString& table, const QString& path, bool replace = false) {
        return CodeListFile::import(*c, *findCodeTable(table), CodeListFile::read(path), replace);
    }

    // The message of a load of the text into the table that must fail.
    QString failure(const QByteArray& text, const QString& table = kCauses2022, bool replace = false) {
        try {
            importFile(table, write(text), replace);
        } catch (const Error& e) {
            return e.message();
        }
        return QStringLiteral("(loaded)");
    }
};

TEST_F(CodeListFileTest, AListOfTheCardKeepsItsTreeThroughFiles) {
    const QString source = referenceFile(QStringLiteral("09_przyczyny_wypadku.tsv"));
    ASSERT_EQ(90, importFile(kCauses2022, source));
    // The same rows the new database got from that file, short names included.
    const QStringList loaded = contents(*c, kCauses2022);
    ASSERT_EQ(contents(*c, kCauses), loaded);
    EXPECT_EQ(QStringLiteral("1|0|0|001-079|Niewłaściwy stan czynnika materialnego|Niewłaściwy stan czynnika materialnego"),
              loaded.first());
    EXPECT_TRUE(loaded.at(2).startsWith(QStringLiteral("3|2|2|001|"))) << loaded.at(2).toStdString();

    const QString exported = db.folder() + QStringLiteral("/przyczyny.tsv");
    ASSERT_EQ(90, CodeListFile::exportTo(*c, *findCodeTable(kCauses2022), exported));
    QFile f(exported);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = f.readAll().split('\n');
    ASSERT_EQ(92, lines.size());  // header, 90 rows, the empty rest after the last line break
    EXPECT_EQ("code\tparent_code\tlevel\tname", lines[0]);
    EXPECT_EQ(QStringLiteral("001-079\t\t0\tNiewłaściwy stan czynnika materialnego").toUtf8(), lines[1]);
    EXPECT_EQ(QStringLiteral("001\t001-019\t2\tWady konstrukcyjne czynnika materialnego będące źródłem zagrożenia").toUtf8(),
              lines[3]);

    // Into another installation, and over the same table.
    TestDatabase other;
    auto oc = other.connect(QStringLiteral("other"));
    ASSERT_EQ(90, CodeListFile::import(*oc, *findCodeTable(kCauses2022), CodeListFile::read(exported), false));
    EXPECT_EQ(loaded, contents(*oc, kCauses2022));
    ASSERT_EQ(90, importFile(kCauses2022, exported, true));
    EXPECT_EQ(loaded, contents(*c, kCauses2022));
}

TEST_F(CodeListFileTest, FlatListsAndOccupationsKeepTheirRowsThroughFiles) {
    const QString statuses = db.folder() + QStringLiteral("/status.tsv");
    ASSERT_EQ(9, CodeListFile::exportTo(*c, *findCodeTable(QStringLiteral("SKWSTATUSZATR")), statuses));
    ASSERT_EQ(9, importFile(QStringLiteral("skwstatuszatr_1"), statuses));
    EXPECT_EQ(contents(*c, QStringLiteral("SKWSTATUSZATR")), contents(*c, QStringLiteral("SKWSTATUSZATR_1")));

    // The occupations have no short name; the edition of 2010 is empty in a new database.
    // The classification of 2022 gives two occupations the code 932908, which a list
    // file cannot hold: the second gets a code of its own here.
    ASSERT_EQ(1, c->execute(QStringLiteral("UPDATE DNEWZAWODY2021 SET KOD = :kod WHERE KOD = '932908' AND NAZWA = :nazwa"),
                            Params{{"kod", QStringLiteral("932999")}, {"nazwa", QStringLiteral("Pracownik parku rozrywki")}}));
    const QString occupations = db.folder() + QStringLiteral("/zawody.tsv");
    const int n = CodeListFile::exportTo(*c, *findCodeTable(QStringLiteral("DNEWZAWODY2021")), occupations);
    ASSERT_GT(n, 2000);
    ASSERT_EQ(n, importFile(QStringLiteral("DNEWZAWODY"), occupations));
    EXPECT_EQ(contents(*c, QStringLiteral("DNEWZAWODY2021")), contents(*c, QStringLiteral("DNEWZAWODY")));
}

TEST_F(CodeListFileTest, RowsAreNumberedInFileOrderUnderTheirParents) {
    const QString longName = QString(150, QLatin1Char('x'));
    ASSERT_EQ(5, importFile(kCauses2022, write("kod\tnadrzedny\tpoziom\tnazwa\r\n"
                                               "grp:A\t\t0\tGrupa A\r\n"
                                               "\r\n"
                                               "A1\tgrp:A\t1\t Pierwszy \r\n"
                                               "A2\tA\t1\t" + longName.toUtf8() + "\r\n"
                                               "A21\tA2\t2\tŹdźbło\r\n"
                                               "B\t\t0\tGrupa B\textra\r\n")));
    EXPECT_EQ(QStringList({QStringLiteral("1|0|0|A|Grupa A|Grupa A"), QStringLiteral("2|1|1|A1|Pierwszy|Pierwszy"),
                           QStringLiteral("3|1|1|A2|%1|%2").arg(longName, longName.left(100)),
                           QStringLiteral("4|3|2|A21|Źdźbło|Źdźbło"), QStringLiteral("5|0|0|B|Grupa B|Grupa B")}),
              contents(*c, kCauses2022));

    ASSERT_EQ(2, importFile(QStringLiteral("SKWOBYWATELSTWO_1"),
                            write("code\tparent_code\tlevel\tname\n1\t\t0\tPolskie\n2\t\t0\t" + longName.toUtf8() + "\n")));
    EXPECT_EQ(QStringList({QStringLiteral("1|1|Polskie|Polskie"), QStringLiteral("2|2|%1|%2").arg(longName, longName.left(50))}),
              contents(*c, QStringLiteral("SKWOBYWATELSTWO_1")));
}

TEST_F(CodeListFileTest, AWrongLineStopsTheLoadAndIsNamed) {
    const QByteArray head = "code\tparent_code\tlevel\tname\ngrp:A\t\t0\tGrupa A\n";
    const QByteArray tooLongName = "A1\tA\t1\t" + QByteArray(251, 'n') + "\n";
    const QByteArray flat = "code\tparent_code\tlevel\tname\n1\t\t0\tPolskie\n";
    const QString nationality = QStringLiteral("SKWOBYWATELSTWO_1");
    const struct {
        QByteArray text;
        const char* message;
        QString table = kCauses2022;
    } cases[] = {
        {head + "A1\tX9\t1\tPozycja\n", "Wiersz 3: nieznany kod nadrzędny „X9”."},
        {head + "A1\tB\t1\tPozycja\nB\t\t0\tGrupa B\n",
         "Wiersz 3: kod nadrzędny „B” występuje dopiero w wierszu 4; musi poprzedzać kody, które obejmuje."},
        {head + "A\t\t0\tDrugie A\n", "Wiersz 3: kod „A” występuje już w wierszu 2."},
        {head + "A1\tA\t2\tPozycja\n", "Wiersz 3: poziom 2 nie pasuje do kodu nadrzędnego „A” z poziomu 0; powinien być 1."},
        {head + "A1\tA\t0\tPozycja\n", "Wiersz 3: kod poziomu 0 nie może mieć kodu nadrzędnego (podano „A”)."},
        {head + "A1\tA1\t1\tPozycja\n", "Wiersz 3: kod „A1” nie może być swoim kodem nadrzędnym."},
        {head + tooLongName,
         "Wiersz 3: Nazwa ma długość 251, a w tabeli SKWPRZYCZYNYWYP_1 mieści się najwyżej 250 znaków."},
        {head + "A123456789012345\tA\t1\tPozycja\n",
         "Wiersz 3: Kod „A123456789012345” ma długość 16, a w tabeli SKWPRZYCZYNYWYP_1 mieści się najwyżej 15 znaków."},
        {head + "A1\tA\t1\tStrzałka → w prawo\n",
         "Wiersz 3: Nazwa zawiera znaki, których nie można zapisać w bazie danych (strona kodowa Windows-1250): →."},
        {head + "A1\tA\t1\t\n", "Wiersz 3: brak nazwy."},
        {head + "A1\tA\t1\n", "Wiersz 3: za mało pól (3 z 4: kod, kod nadrzędny, poziom, nazwa)."},
        {head + "grp:\tA\t1\tPozycja\n", "Wiersz 3: brak kodu."},
        {head + "A1\tA\t-1\tPozycja\n", "Wiersz 3: poziom „-1” nie jest liczbą całkowitą od 0 do 32767."},
        {head + "A1\tA\t1.5\tPozycja\n", "Wiersz 3: poziom „1.5” nie jest liczbą całkowitą od 0 do 32767."},
        {head + "A1\tA\t\tPozycja\n", "Wiersz 3: poziom „” nie jest liczbą całkowitą od 0 do 32767."},
        {head + "A1\tA\t1\tZ\xff\xfe\n", "Wiersz 3: tekst nie jest zapisany w UTF-8."},
        // Blank lines and carriage returns count as lines of the file.
        {head + "\r\n\r\nA1\tX9\t1\tPozycja\r\n", "Wiersz 5: nieznany kod nadrzędny „X9”."},
        {"A\t\t0\tGrupa A\n", "Wiersz 1: brak nagłówka (code, parent_code, level, name); pierwszy wiersz pliku jest pomijany."},
        {"code\tparent_code\tlevel\tname\n\n", "Plik nie zawiera żadnego kodu."},
        // A flat list has neither parents nor levels, and shorter codes.
        {flat + "2\t1\t1\tInne\n", "Wiersz 3: lista SKWOBYWATELSTWO_1 nie ma kodów nadrzędnych, a podano „1”.", nationality},
        {flat + "2\t\t1\tInne\n", "Wiersz 3: poziom 1, a lista SKWOBYWATELSTWO_1 ma tylko poziom 0.", nationality},
        {flat + "123456\t\t0\tInne\n",
         "Wiersz 3: Kod „123456” ma długość 6, a w tabeli SKWOBYWATELSTWO_1 mieści się najwyżej 5 znaków.", nationality},
    };
    for (const auto& k : cases) {
        EXPECT_EQ(QString::fromUtf8(k.message), failure(k.text, k.table)) << k.text.toStdString();
        EXPECT_EQ(0, rowCount(*c, k.table)) << k.text.toStdString();
    }
}

TEST_F(CodeListFileTest, ATableWithRowsIsOnlyReplacedWhenAsked) {
    const QStringList before = contents(*c, kCauses);
    const QByteArray list = "code\tparent_code\tlevel\tname\nA\t\t0\tGrupa A\nA1\tA\t1\tPozycja\n";
    EXPECT_EQ(QStringLiteral("Tabela SKWPRZYCZYNYWYP zawiera już 90 wierszy; użyj --replace, aby je zastąpić."),
              failure(list, kCauses));
    EXPECT_EQ(before, contents(*c, kCauses));
    // A wrong file leaves the rows even when they were to be replaced.
    EXPECT_EQ(QStringLiteral("Wiersz 3: nieznany kod nadrzędny „B”."),
              failure("code\tparent_code\tlevel\tname\nA\t\t0\tGrupa A\nA1\tB\t1\tPozycja\n", kCauses, true));
    EXPECT_EQ(before, contents(*c, kCauses));

    ASSERT_EQ(2, importFile(kCauses, write(list), true));
    EXPECT_EQ(QStringList({QStringLiteral("1|0|0|A|Grupa A|Grupa A"), QStringLiteral("2|1|1|A1|Pozycja|Pozycja")}),
              contents(*c, kCauses));
}

TEST_F(CodeListFileTest, ExportWritesEveryRowOnceWhateverTheParents) {
    // Rows whose parent is gone, and two rows that are each other's parent.
    const QString table = QStringLiteral("SKWFWJEDN_1");
    const struct {
        int id, parent, level;
        const char* code;
        const char* name;
    } rows[] = {{1, 0, 0, "A", "Grupa A"}, {2, 9, 1, "Z", "Bez rodzica"}, {3, 1, 1, "A1", "Pozycja\tz tabulatorem"},
                {4, 5, 1, "P", "Pętla P"}, {5, 4, 1, "Q", "Pętla Q"}};
    for (const auto& r : rows)
        c->execute(QStringLiteral("INSERT INTO %1 (ID, IDRODZ, NRPOZ, KOD, NAZWA) VALUES (:id, :rodz, :poz, :kod, :nazwa)").arg(table),
                   Params{{"id", r.id}, {"rodz", r.parent}, {"poz", r.level}, {"kod", QString::fromUtf8(r.code)},
                          {"nazwa", QString::fromUtf8(r.name)}});
    EXPECT_EQ(QByteArray("code\tparent_code\tlevel\tname\n"
                         "A\t\t0\tGrupa A\n"
                         "Z\t\t1\tBez rodzica\n"
                         "A1\tA\t1\tPozycja z tabulatorem\n"
                         "P\t\t1\tPętla P\n"
                         "Q\tP\t1\tPętla Q\n"),
              CodeListFile::format(CodeListFile::rowsOf(*c, *findCodeTable(table))));
}

} // namespace
