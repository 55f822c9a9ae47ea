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

// The main window as the data module sees it: it keeps the accident's kind and
// count from the last loaded record, and its save writes them (as the accident
// page does) while the editing flag is set.
class FakeWindow : public RegisterWindowLink {
public:
    explicit FakeWindow(TDataModForm& dm) : m_dm(dm) {}

    QStringList calls;
    int kind = -1;
    int count = -1;
    bool atWorkActive = true;
    bool protocolEnabled = false;
    QString caption;

    void loadRecord(Register reg) override {
        calls << QStringLiteral("load %1").arg(int(reg));
        const bool other = reg == Register::Other;
        QSqlQuery q = m_dm.KartyDB().run(
            other ? QStringLiteral("SELECT WYPIZ, POSZKODOWANI FROM WYPOPER_WYPADKI WHERE ID = :id")
                  : QStringLiteral("SELECT WYPIZ, POSZKODOWANI FROM SKWWYPADKI WHERE ID = :id"),
            Params{{"id", other ? m_dm.otherAccidentId : m_dm.accidentId}});
        if (q.next()) {
            kind = q.value(0).toInt();
            count = q.value(1).toInt();
        }
        m_dm.editing = false;
    }
    void saveRecord(Register reg) override {
        calls << QStringLiteral("save %1").arg(int(reg));
        if (!m_dm.editing) return;
        m_dm.editing = false;
        const bool other = reg == Register::Other;
        m_dm.KartyDB().execute(
            other ? QStringLiteral("UPDATE WYPOPER_WYPADKI SET WYPIZ = :k, POSZKODOWANI = :n WHERE ID = :id")
                  : QStringLiteral("UPDATE SKWWYPADKI SET WYPIZ = :k, POSZKODOWANI = :n WHERE ID = :id"),
            Params{{"k", kind}, {"n", count}, {"id", other ? m_dm.otherAccidentId : m_dm.accidentId}});
    }
    void setAccidentKind(Register, int k) override { kind = k; }
    int injuredCount(Register) const override { return count; }
    void setInjuredCount(Register, int n) override { count = n; }
    void clearPages(Register reg) override { calls << QStringLiteral("clear %1").arg(int(reg)); }
    void setCaption(const QString& c) override { caption = c; }
    void showPersonalDataPage(Register reg) override { calls << QStringLiteral("personal %1").arg(int(reg)); }
    void setProtocolButtonEnabled(bool on) override { protocolEnabled = on; }
    bool atWorkRegisterActive() const override { return atWorkActive; }
    bool hasRegisterRight() const override { return true; }
    void showAtWorkListPage() override { calls << QStringLiteral("list page"); }

private:
    TDataModForm& m_dm;
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
        window = std::make_unique<FakeWindow>(*dm);
        dm->setWindow(window.get());
        dm->referenceDate = at(2024, 5, 10, 10, 20, 30);
    }
    void TearDown() override {
        window.reset();
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
    std::unique_ptr<FakeWindow> window;
};

} // namespace zort::test
