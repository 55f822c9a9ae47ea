#pragma once
// The dictionaries on a real database: the shared connection, a data module of the
// run (its reference date, denied elements and visible-structure table), a logged-in
// user with chosen rights, and short ways to write organisation rows.
#include "core/AdmSettings.h"
#include "core/Forms.h"
#include "core/Session.h"
#include "domain/SharedConnection.h"
#include "domain/DataModForm.h"
#include "domain/OrgStructure.h"
#include "support/ScriptedUi.h"
#include "support/TestDatabase.h"
#include "support/TestValues.h"

#include <QDateTime>
#include <gtest/gtest.h>

namespace zort::test {

class DictionaryTest : public ::testing::Test {
protected:
    void SetUp() override {
        admSettings() = AdmSettings();
        shared = db.connect(QStringLiteral("Karty"));
        SharedConnection::set(shared.get());
        dm = new TDataModForm(db.connect(QStringLiteral("KARTY")));
        Forms::add(QStringLiteral("TDataModForm"), dm);
        dm->setReferenceDate(QDateTime(QDate(2024, 5, 10), QTime(10, 20)));
    }
    void TearDown() override {
        Forms::destroyAll();
        SharedConnection::set(nullptr);
        shared.reset();
        Session::logOut();
    }

    Connection& c() { return *shared; }
    int exec(const QString& sql, const Params& p = {}) { return c().execute(sql, p); }

    // An organisation element created on `created` (deleted on `deleted` when valid).
    void element(int id, int parent, int level, int type, const QString& code, const QString& shortName,
                 const QDateTime& created = day(2000, 1, 1), const QDateTime& deleted = QDateTime()) {
        exec(QStringLiteral("INSERT INTO OSTRUKT (ID, IDRODZSTRUKT, NRPOZ, TYPSTRUKT, KOD, SKROTNAZWA, NAZWA, USUNIETY, "
                            "DATAUTW, DATAUSUN) VALUES (:id, :p, :l, :t, :k, :s, :n, :u, :c, :d)"),
             Params{{"id", id}, {"p", parent}, {"l", level}, {"t", type}, {"k", code}, {"s", shortName},
                    {"n", shortName + QStringLiteral(" (pełna nazwa)")}, {"u", deleted.isValid() ? 1 : 0},
                    {"c", created}, {"d", deleted}});
    }
    void person(int id, const QString& surname, const QString& firstName, const QString& pesel, int kind = 1) {
        exec(QStringLiteral("INSERT INTO ODANOS (IDOSOBY, NAZWISKO, IMIE, PESEL, TYPPRAC) VALUES (:i, :n, :f, :p, :t)"),
             Params{{"i", id}, {"n", surname}, {"f", firstName}, {"p", pesel}, {"t", kind}});
    }
    void employment(int id, int personId, int position, const QDateTime& from, const QDateTime& until = QDateTime()) {
        exec(QStringLiteral("INSERT INTO OPRACOW (ID, IDPRAC, IDSTAN, DATAZATR, DATAZAK) VALUES (:i, :p, :s, :f, :u)"),
             Params{{"i", id}, {"p", personId}, {"s", position}, {"f", from}, {"u", until}});
    }
    // Denies elements to the user of the run.
    void deny(std::initializer_list<int> ids) {
        QStringList denied = dm->deniedStructure();
        for (int id : ids) denied << deniedEntry(id);
        dm->setDeniedStructure(denied);
    }
    void logIn(int seesAllPersons) {
        TPrawaDostepu rights;
        rights.AWYPADKI = 2;
        rights.AOsobWysw = seesAllPersons;
        Session::logIn(CurrentUser{1, QStringLiteral("tester"), {}, {}, {}}, rights);
    }

    TestDatabase db;
    ScriptedUi ui;
    std::unique_ptr<Connection> shared;
    TDataModForm* dm = nullptr;
};

} // namespace zort::test
