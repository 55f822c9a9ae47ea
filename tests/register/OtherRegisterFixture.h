#pragma once
// The main window in the variant for uniformed services, on a database with the
// suite's persons (officers with ranks), the commission dictionary and the
// activity/event/cause tree; the code pickers installed.
#include "MainWindowFixture.h"

#include "register/OtherReactions.h"
#include "support/EmployeeRegister.h"
#include "ui/DictionaryCombos.h"
#include "ui/PageDictionaries.h"

#include <QComboBox>
#include <QSqlQuery>
#include <QSqlRecord>

namespace zort::test {

class OtherRegisterTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        installCodePickers();
        QApplication::setActiveWindow(w);
    }
    void TearDown() override {
        MainWindowTest::TearDown();
        CodePickers::uninstall();
    }
    void beforeWindow() override {
        appContext().uniformedServices = true;
        employeeRegister(c());
        c().execute("UPDATE ODANOS SET STOPSL = 'aspirant', TYPPRAC = 1");
        c().execute("UPDATE ODANOS SET STOPSL = 'podkomisarz' WHERE IDOSOBY = 2");
        c().execute("INSERT INTO WYPOPER_KOMISJAPOWYPAD (ID, IMNAZW, FUNKCJA, STANOW) VALUES "
                    "(1, 'Robert Zawadzki', 'nadkom.', 'naczelnik wydziału')");
        c().execute("INSERT INTO WYPOPER_KOMISJAPOWYPAD (ID, IMNAZW, FUNKCJA, STANOW) VALUES "
                    "(2, 'Iwona Sobczak', 'asp. sztab.', 'specjalista ds. bhp')");
        // Activities 11 and 12 with their events and causes (codes are texts, ids integers).
        c().execute("INSERT INTO DCZYNN (ID, KOD, NAZWA, NAZWAKLASY) VALUES (11, 'C01', 'Interwencja', 'TCzynnikOper')");
        c().execute("INSERT INTO DCZYNN (ID, KOD, NAZWA, NAZWAKLASY) VALUES (12, 'C02', 'Pościg pieszy', 'TCzynnikOper')");
        c().execute("INSERT INTO DPLUSZCZYNN (ID, OPISCZYN) VALUES (21, 'Napaść')");
        c().execute("INSERT INTO DPLUSZCZYNN (ID, OPISCZYN) VALUES (22, 'Upadek')");
        c().execute("INSERT INTO DPLPOWCZYNN (ID, IDCZYNN, IDUSZCZYNN, NRTYPKRYT) VALUES (1, 11, 21, 1)");
        c().execute("INSERT INTO DPLPOWCZYNN (ID, IDCZYNN, IDUSZCZYNN, NRTYPKRYT) VALUES (2, 12, 22, 2)");
        c().execute("INSERT INTO KWOPER (ID, NRTYPKRYT, IDKRYTERIUM, KRYTERIUM) VALUES (31, 1, 'K1.1', 'Agresja')");
        c().execute("INSERT INTO KWOPER (ID, NRTYPKRYT, IDKRYTERIUM, KRYTERIUM) VALUES (32, 2, 'K2.1', 'Ślisko')");
        // Another accident in service of the year, and accidents of the other registers,
        // that must stay as they are.
        c().execute("INSERT INTO WYPOPER_WYPADKI (ID, NUMER, DATA, DATAREJWYP, POSZKODOWANI, WYPIZ, BLOK) "
                    "VALUES (900, 1, '2024-02-01 08:00', '2024-02-02', 1, 0, 0)");
        c().execute("INSERT INTO WYPOPER_POSZKODOWANI (ID, IDWYPADKU, NUMERKARTY, NRPOSZK, NAZWISKO, SKUTKITYP) "
                    "VALUES (900, 900, 1, 1, 'Inny', 3)");
        c().execute("INSERT INTO SKWWYPADKIWDRODZE (ID, NUMER, DATA, DATAREJWYP, NAZWISKO) "
                    "VALUES (901, 1, '2024-02-01 08:00', '2024-02-02', 'Droga')");
        c().execute("INSERT INTO SKWWYPADKI (ID, NUMER, DATA, DATAREJWYP) VALUES (902, 1, '2024-01-05', '2024-01-06')");
        beforeOtherWindow();
    }
    virtual void beforeOtherWindow() {}

    // A new accident in service with its first officer, the lists on it.
    void addAccident() {
        w->DodWypBtnClick();
        accident = dm->otherAccidentId();
        officer = dm->otherPersonId();
    }
    QWidget* pageOf(const char* name) { return w->findChild<QWidget*>(QString::fromLatin1(name)); }
    QTabWidget* officerPages() { return w->findChild<QTabWidget*>("pcPoszkodowany_Policja"); }
    // Shows the officer's page that holds the control.
    void showPageOf(QWidget* control) {
        w->showSubPage(Register::Other, 2);
        QTabWidget* pages = officerPages();
        for (int i = 0; i < pages->count(); ++i)
            if (pages->widget(i)->isAncestorOf(control)) pages->setCurrentIndex(i);
    }
    QComboBox* combo(const char* name) { return w->findChild<QComboBox*>(QString::fromLatin1(name)); }
    void choose(QComboBox* list, int index) {
        list->setCurrentIndex(index);
        emit list->activated(index);
    }
    void choosePerson(int personId) {
        QComboBox* persons = combo("cbNazwisko_Policja");
        for (int i = 0; i < persons->count(); ++i)
            if (entryId(comboObject(persons, i)) == personId) return choose(persons, i);
        ADD_FAILURE() << "person " << personId << " is not in the list";
    }
    QVariant accidentColumn(const char* column, int id = 0) {
        return value(QStringLiteral("SELECT %1 FROM WYPOPER_WYPADKI WHERE ID = :id").arg(QLatin1String(column)),
                     {{"id", id ? id : accident}});
    }
    QVariant officerColumn(const char* column, int id = 0) {
        return value(QStringLiteral("SELECT %1 FROM WYPOPER_POSZKODOWANI WHERE ID = :id").arg(QLatin1String(column)),
                     {{"id", id ? id : officer}});
    }
    // Every row of the register tables, as text, but the ones of the accident (and its
    // officers) named; the takes' columns left out.
    QStringList rowsBut(int accidentId) {
        QStringList out;
        const std::pair<const char*, const char*> tables[] = {
            {"WYPOPER_WYPADKI", "ID"}, {"WYPOPER_POSZKODOWANI", "IDWYPADKU"}, {"SKWWYPADKI", "ID"},
            {"SKWPOSZKODOWANI", "IDWYPADKU"}, {"SKWWYPADKIWDRODZE", "ID"}, {"ODANOS", "IDOSOBY"},
            {"WYPOPER_KOMISJAPOWYPAD", "ID"}};
        for (const auto& [table, key] : tables)
            c().read(QStringLiteral("SELECT * FROM %1 WHERE %2 <> :id ORDER BY 1").arg(QLatin1String(table), QLatin1String(key)),
                     {{"id", accidentId}}, [&](QSqlQuery& q) {
                         while (q.next()) {
                             QStringList values;
                             for (int i = 0; i < q.record().count(); ++i) {
                                 const QString col = q.record().fieldName(i);
                                 if (col == "COMPNAME" || col == "CZASROZP" || col == "CZASZAK") continue;
                                 values << text(q.value(i));
                             }
                             out << QLatin1String(table) + QLatin1Char(':') + values.join(QLatin1Char('|'));
                         }
                     });
        return out;
    }
    // A value as the comparisons show it (null apart from 0 and "").
    static QString text(const QVariant& v) { return v.isNull() ? QStringLiteral("<null>") : v.toString(); }
    // The columns of a row as text.
    QMap<QString, QString> row(const char* table, int id) {
        QMap<QString, QString> out;
        c().read(QStringLiteral("SELECT * FROM %1 WHERE ID = :id").arg(QLatin1String(table)), {{"id", id}},
                 [&](QSqlQuery& q) {
                     if (!q.next()) return;
                     for (int i = 0; i < q.record().count(); ++i) out.insert(q.record().fieldName(i), text(q.value(i)));
                 });
        return out;
    }
    // What changed between two states of a row: column -> new value.
    static QMap<QString, QString> changes(const QMap<QString, QString>& before, const QMap<QString, QString>& after) {
        QMap<QString, QString> out;
        for (auto it = after.cbegin(); it != after.cend(); ++it)
            if (before.value(it.key()) != it.value()) out.insert(it.key(), it.value());
        return out;
    }

    static QMap<QString, QString> withoutTakesOf(QMap<QString, QString> m) {
        for (const char* c : {"COMPNAME", "CZASROZP", "CZASZAK"}) m.remove(QString::fromLatin1(c));
        return m;
    }
    // The keys whose values differ, with both values (empty when the maps agree).
    static std::string mismatches(const QMap<QString, QString>& got, const QMap<QString, QString>& expected) {
        QStringList out;
        QMap<QString, QString> all = got;
        all.insert(expected);
        for (auto it = all.cbegin(); it != all.cend(); ++it)
            if (got.value(it.key(), "<none>") != expected.value(it.key(), "<none>"))
                out << it.key() + ": " + got.value(it.key(), "<none>") + " | expected " + expected.value(it.key(), "<none>");
        return out.join('\n').toStdString();
    }

    int accident = 0;
    int officer = 0;
};

} // namespace zort::test
