#pragma once
// A small employee register of the suite for the tests of the windows that copy a
// person from it.
#include "db/Connection.h"
#include "support/TestValues.h"

namespace zort::test {

// A firm with two units and a position in each; persons with none, one and two
// employments, and one whose occupation is of the old list.
inline void employeeRegister(Connection& c) {
    auto element = [&c](int id, int parent, int level, int type, const char* code, const char* name) {
        c.execute("INSERT INTO OSTRUKT (ID, IDRODZSTRUKT, NRPOZ, TYPSTRUKT, KOD, SKROTNAZWA, NAZWA, USUNIETY, DATAUTW) "
                  "VALUES (:i, :p, :l, :t, :k, :s, :s, 0, :d)",
                  {{"i", id}, {"p", parent}, {"l", level}, {"t", type}, {"k", QString::fromUtf8(code)},
                   {"s", QString::fromUtf8(name)}, {"d", day(2000, 1, 1)}});
    };
    element(1, 0, 0, 0, "F", "Firma");
    element(2, 1, 1, 0, "P", "Produkcja");
    element(3, 2, 2, 1, "P1", "Tokarz");
    element(4, 1, 1, 0, "M", "Magazyn");
    element(5, 4, 2, 1, "M1", "Magazynier");
    c.execute("UPDATE OSTRUKT SET KODPOCZ = '63-740', MIEJSCOW = 'Modrzewo', ADRES = 'Lipowa 5', NRREGON = '301234567', "
              "NIP = '777-00-11-222', KODEKD = '2511Z' WHERE ID = 1");
    c.execute("INSERT INTO DNEWZAWODY (ID, IDRODZ, NRPOZ, KOD, NAZWA) VALUES (500, 0, 4, '722204', 'Ślusarz')");
    c.execute("INSERT INTO DZAWODY (ID, KOD, NAZWA) VALUES (1100005, '7222', 'Ślusarz (wykaz dawny)')");
    c.execute("INSERT INTO SKWUMOWY_1 (ID, SKROT, NAZWA) VALUES (1, 'umowa o pracę', 'umowa o pracę')");
    auto person = [&c](int id, const char* surname, const char* first, int sex, int docType, const char* doc) {
        c.execute("INSERT INTO ODANOS (IDOSOBY, NAZWISKO, IMIE, PESEL, PLEC, IMOJCA, DATAUR, MIEJSCEUR, KODPOCZ, MIEJSCOW, "
                  "WOJEW, ULICA, NRUL, NRMIESZ, NIP, TYPDOK, NRDOK) VALUES (:i, :n, :f, :p, :s, 'Piotr', :d, 'Kalisz', "
                  "'63-741', 'Borowiec', 'wielkopolskie', 'Polna', '7', '2', '123-45-67-890', :t, :o)",
                  {{"i", id}, {"n", QString::fromUtf8(surname)}, {"f", QString::fromUtf8(first)},
                   {"p", QStringLiteral("8001011234%1").arg(id)}, {"s", sex}, {"d", day(1980, 1, 1)}, {"t", docType},
                   {"o", QString::fromUtf8(doc)}});
    };
    auto job = [&c](int id, int person, int position, int occupation, const QDateTime& from, const char* trainings) {
        const QString t = QString::fromLatin1(trainings);
        c.execute("INSERT INTO OPRACOW (ID, IDPRAC, IDSTAN, IDZAWOD, IDUMOWY, DATAZATR, SZKWSTEPNE, SZKINSTR, SZKPODST, "
                  "SZKOKRES) VALUES (:i, :p, :s, :z, 1, :f, :a, :b, :c, :d)",
                  {{"i", id}, {"p", person}, {"s", position}, {"z", occupation}, {"f", from}, {"a", t.mid(0, 1)},
                   {"b", t.mid(1, 1)}, {"c", t.mid(2, 1)}, {"d", t.mid(3, 1)}});
    };
    person(1, "Nowak", "Jan", 5, 1, "ABC123456");
    job(1, 1, 3, 500, day(2010, 3, 1), "tnnt");
    person(2, "Kowalska", "Anna", 2, 2, "EA7654321");
    job(2, 2, 3, 500, day(2015, 1, 1), "tttt");
    job(3, 2, 5, 500, day(2018, 1, 1), "nnnn");
    person(3, "Wiśniewski", "Piotr", 1, 0, "XY1");
    person(4, "Zając", "Ewa", 2, 1, "DEF111222");
    job(4, 4, 5, 1100005, day(2020, 6, 1), "tttt");
    person(5, "Nowak", "Adam", 1, 1, "GHI333444");
}

} // namespace zort::test
