#pragma once
// What the tests of the print selection windows share: a database with a data
// module, a logged-in user with every printing right, stand-in document forms in
// the form registry and a stand-in preview that records what it was given.
#include "core/AccessRights.h"
#include "core/AdmSettings.h"
#include "core/AppContext.h"
#include "core/Clock.h"
#include "core/Forms.h"
#include "core/Session.h"
#include "domain/DataModForm.h"
#include "domain/SharedConnection.h"
#include "printing/DocumentReport.h"
#include "printing/Podglad.h"
#include "printing/PrintWindows.h"
#include "printing/ReportForms.h"
#include "support/ScriptedUi.h"
#include "support/TestDatabase.h"

#include <QTableView>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <memory>

namespace zort::test {

// A document form that prints its own name and the person's surname.
class StandInForm : public print::DocumentReport {
public:
    StandInForm(const QString& name, const QString& kind, const QString& dataset = QStringLiteral("ZestWyp4SQL"))
        : DocumentReport(name, kind), m_dataset(dataset) {
        print::Band& b = addBand(print::BandType::Detail, print::mm(20));
        b.label(0, 0, name);
        b.data({0, print::mm(8), print::mm(80), print::mm(6)}, QStringLiteral("NAZWISKO"));
    }
    QStringList datasets() const override { return {m_dataset}; }
    std::function<void()> onPrepare;

protected:
    void onRun(bool& print) override {
        (void)print;
        if (onPrepare) onPrepare();
    }

private:
    QString m_dataset;
};

// The preview: records each request and the texts of the pages, runs `during`
// while it is "open".
class RecordingPreview : public print::PreviewInterface {
public:
    QWidget* show(print::PagesPtr pages) override { return record(pages, false); }
    QWidget* showModal(print::PagesPtr pages) override { return record(pages, true); }

    int shown = 0;
    bool modal = false;
    print::PreviewRequest request;
    QStringList texts;
    int pages = 0;
    std::function<void()> during;

private:
    QWidget* record(print::PagesPtr p, bool m) {
        ++shown;
        modal = m;
        request = print::TfrmPodglad::request();
        texts = p ? p->texts() : QStringList();
        pages = p ? p->pageCount() : 0;
        if (during) during();
        return nullptr;
    }
};

class PrintWindowTest : public ::testing::Test {
protected:
    // The stand-in forms: name and kind code.
    static inline const std::map<QString, QString> kForms = {
        {"TKartWypRep1Form_5", "WypSkw"},    {"TKartWypRep2Form_5", "WypSkw"},   {"TKartWypRep3Form_5", "WypSkw"},
        {"TKartWypRep1Form_4", "WypSkw"},    {"TKartWypRep2Form_4", "WypSkw"},   {"TKartWypRep1Form", "WypSkw"},
        {"TKartWypRep1Form_1", "WypSkw"},    {"TProtPowRep1Form_3", "WypProt"},  {"TProtPowRep2Form_3", "WypProt"},
        {"TProtPowRep1Form_1", "WypProt"},   {"TRejWypRep1Form_1", "WypRej"},    {"TRejWypRep1Form", "WypRej"},
        {"TKartaWypadkuRep2022_2Form", "WypKart"},
    };
    // Forms the tests need missing.
    static inline const QStringList kMissing = {"TKartaWypadkuRep2022_1Form", "TZestZbDrukFrm", "TqrWypWydzFrm",
                                                "TProtWDrodzeNowy2012_1Form", "TRepProt_Policja", "TfrmZestWyp_Policja"};

    void SetUp() override {
        Clock::setNow(QDateTime(QDate(2024, 5, 10), QTime(10, 20, 30)));
        Workstation::setComputerName(QStringLiteral("STACJA-A"));
        admSettings() = AdmSettings();
        appContext() = AppContext{};
        shared = db.connect(QStringLiteral("Karty"));
        SharedConnection::set(shared.get());
        logIn(QStringLiteral("tester"), 2, 2, 2);
        dm = new TDataModForm(db.connect(QStringLiteral("KARTY")));
        Forms::add(QStringLiteral("TDataModForm"), dm);
        dm->setReferenceDate(QDateTime(QDate(2024, 5, 10), QTime(10, 20, 30)));
        print::registerReportForms();
        for (const auto& [name, kind] : kForms) standIn(name, kind);
        for (const QString& name : kMissing) {
            m_saved[name] = print::ReportForms::factoryOf(name);
            m_records[name] = print::ReportForms::record(name);
            print::ReportForms::remove(name);
        }
        print::ReportForms::reset();
        print::registerPrintWindows();
        print::setPreviewInterface(&preview);
    }

    void TearDown() override {
        Forms::destroyAll();
        dm = nullptr;
        print::setPreviewInterface(nullptr);
        print::ReportForms::reset();
        for (const auto& [name, factory] : m_saved) {
            if (factory) print::ReportForms::add(name, factory, m_records[name]);
            else print::ReportForms::remove(name);
        }
        SharedConnection::set(nullptr);
        shared.reset();
        Session::logOut();
        Clock::setNow(QDateTime());
        Workstation::resetComputerName();
    }

    void logIn(const QString& user, int documents, int collective, int statistics) {
        TPrawaDostepu rights;
        rights.AWYPADKI = 2;
        rights.WSKWPROTPW = documents;
        rights.WZESTZBWYP = collective;
        rights.WZESTSTATW = statistics;
        Session::logIn(CurrentUser{1, user, QStringLiteral("Jan"), QStringLiteral("Test"), {}}, rights);
    }

    // A stand-in form in the registry (the real one, if any, comes back afterwards).
    void standIn(const QString& name, const QString& kind, const QString& dataset = QStringLiteral("ZestWyp4SQL")) {
        if (!m_saved.count(name)) {
            m_saved[name] = print::ReportForms::factoryOf(name);
            m_records[name] = print::ReportForms::record(name);
        }
        print::ReportForms::add(name, [name, kind, dataset]() { return std::make_unique<StandInForm>(name, kind, dataset); });
    }

    int exec(const QString& sql, const Params& p = {}) { return shared->execute(sql, p); }
    QVariant value(const QString& sql, const Params& p = {}) { return shared->scalar(sql, p); }

    // An accident at work of the register year with its card version.
    void accident(int id, int number, int version, const QDateTime& registered = QDateTime(QDate(2024, 3, 1), QTime(8, 0))) {
        exec(QStringLiteral("INSERT INTO SKWWYPADKI (ID, NUMER, DATA, DATAREJWYP, SYMBOLWYP, WERSJASKW, STRATYZL, STRATYCZASU) "
                            "VALUES (:id, :n, :d, :r, 'S', :v, 12.5, 3)"),
             Params{{"id", id}, {"n", number}, {"d", registered}, {"r", registered}, {"v", version}});
    }
    // An injured person; protocol 0: covered by the accident card.
    void person(int id, int accidentId, const QString& surname, int protocol) {
        exec(QStringLiteral("INSERT INTO SKWPOSZKODOWANI (ID, IDWYPADKU, NUMERKARTY, NUMERPROT, NAZWISKO, IMIE, TYPWYP) "
                            "VALUES (:id, :a, 1, :p, :s, 'Anna', 0)"),
             Params{{"id", id}, {"a", accidentId}, {"p", protocol}, {"s", surname}});
    }

    // Moves a grid of a window to a row as the user does.
    static void choose(QTableView* grid, int row) {
        grid->setFocus();
        grid->setCurrentIndex(grid->model()->index(row, 0));
    }

    TestDatabase db;
    ScriptedUi ui;
    std::unique_ptr<Connection> shared;
    TDataModForm* dm = nullptr;
    RecordingPreview preview;

private:
    std::map<QString, print::ReportForms::Factory> m_saved;
    std::map<QString, print::ReportForms::Record> m_records;
};

} // namespace zort::test
