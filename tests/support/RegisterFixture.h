#pragma once
// What the tests of the registers share: a database with a data module on it, a
// stand-in for the main window, and short ways to write and count rows.
#include "core/AdmSettings.h"
#include "core/Clock.h"
#include "domain/DataModForm.h"
#include "support/ScriptedUi.h"
#include "support/TestDatabase.h"
#include "support/TestValues.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

namespace zort::test {

inline QDateTime at(int y, int m, int d, int h = 0, int mi = 0, int s = 0) {
    return QDateTime(QDate(y, m, d), QTime(h, mi, s));
}

// What the data module reports, in order: "added R A P", "deleted R A P",
// "counts R A", "current R", "accident R", "released", "opened <caption>",
// "year Y" (R the register 0 at work, 1 commuting, 2 other).
class ModuleEvents : public QObject {
public:
    explicit ModuleEvents(TDataModForm& dm) {
        auto n = [](Register r) { return QString::number(int(r)); };
        connect(&dm, &TDataModForm::recordAdded, this, [this, n](Register r, int a, int p) {
            events << QStringLiteral("added %1 %2 %3").arg(n(r)).arg(a).arg(p);
        });
        connect(&dm, &TDataModForm::recordDeleted, this, [this, n](Register r, int a, int p) {
            events << QStringLiteral("deleted %1 %2 %3").arg(n(r)).arg(a).arg(p);
        });
        connect(&dm, &TDataModForm::countsChanged, this,
                [this, n](Register r, int a) { events << QStringLiteral("counts %1 %2").arg(n(r)).arg(a); });
        connect(&dm, &TDataModForm::currentRecordChanged, this,
                [this, n](Register r) { events << QStringLiteral("current ") + n(r); });
        connect(&dm, &TDataModForm::accidentRowChanged, this,
                [this, n](Register r) { events << QStringLiteral("accident ") + n(r); });
        connect(&dm, &TDataModForm::recordsReleased, this, [this]() { events << QStringLiteral("released"); });
        connect(&dm, &TDataModForm::registerOpened, this,
                [this](const QString& c) { events << QStringLiteral("opened ") + c; });
        connect(&dm, &TDataModForm::registerYearChanged, this,
                [this](int y) { events << QStringLiteral("year %1").arg(y); });
    }
    QStringList events;
};

// A fresh database, a fixed clock and computer, default settings and a data module
// with the stand-in window on the connection "KARTY".
class RegisterTest : public ::testing::Test {
protected:
    void SetUp() override {
        Clock::setNow(at(2024, 5, 10, 10, 20, 30));
        Workstation::setComputerName(QStringLiteral("STACJA-A"));
        admSettings() = AdmSettings();
        dm = std::make_unique<TDataModForm>(db.connect(QStringLiteral("KARTY")));
        events = std::make_unique<ModuleEvents>(*dm);
        dm->setReferenceDate(at(2024, 5, 10, 10, 20, 30));
    }
    void TearDown() override {
        events.reset();
        dm.reset();
        Clock::setNow(QDateTime());
        Workstation::resetComputerName();
    }

    Connection& c() { return dm->KartyDB(); }
    int exec(const QString& sql, const Params& p = {}) { return c().execute(sql, p); }
    int count(const QString& sql, const Params& p = {}) { return c().scalar(sql, p).toInt(); }
    QVariant value(const QString& sql, const Params& p = {}) { return c().scalar(sql, p); }

    // An accident at work written directly, with `persons` injured persons whose
    // card numbers start at `card` (keys: accident `id`, persons id*10 + n).
    void accident(int id, int number, const QDateTime& date, const QDateTime& registered, int persons = 1,
                  int card = 1) {
        exec(QStringLiteral("INSERT INTO SKWWYPADKI (ID, NUMER, DATA, DATAREJWYP, SYMBOLWYP, POSZKODOWANI, WYPIZ) "
                            "VALUES (:id, :n, :d, :r, '', :p, :k)"),
             Params{{"id", id}, {"n", number}, {"d", date}, {"r", registered}, {"p", persons},
                    {"k", persons > 1 ? 1 : 0}});
        for (int i = 0; i < persons; ++i)
            exec(QStringLiteral("INSERT INTO SKWPOSZKODOWANI (ID, IDWYPADKU, NUMERKARTY, NUMERPROT, TYPWYP) "
                                "VALUES (:id, :a, :k, :k, 0)"),
                 Params{{"id", id * 10 + i + 1}, {"a", id}, {"k", card + i}});
    }

    TestDatabase db;
    ScriptedUi ui;
    std::unique_ptr<TDataModForm> dm;
    std::unique_ptr<ModuleEvents> events;
};

} // namespace zort::test
