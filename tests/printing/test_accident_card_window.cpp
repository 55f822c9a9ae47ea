// The accident card as the user prints it: "Wydruki" with a person who is not an
// employee, the controls found by their names for screen readers, the whole card and
// then page one blank previewed; only the take of the accident changes in the
// database, and it is given back.
#include "PrintWindowFixture.h"

#include "printing/AdmDrukForm.h"
#include "support/AccessibleWalk.h"
#include "support/ModalDriver.h"
#include "ui/DocumentWindows.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QPushButton>

using namespace zort;
using namespace zort::test;
using print::TAdmDrukForm;

namespace {

const QStringList kCardForms{"TKartaWypadkuRep2022_all_Form", "TKartaWypadkuRep2022_1Form", "TKartaWypadkuRep2022_2Form"};

class AccidentCardWindowTest : public PrintWindowTest {
protected:
    void SetUp() override {
        // The real accident cards, whatever the fixture stands in for them.
        print::registerReportForms();
        std::map<QString, print::ReportForms::Factory> real;
        for (const QString& f : kCardForms) real[f] = print::ReportForms::factoryOf(f);
        PrintWindowTest::SetUp();
        for (const auto& [name, factory] : real) print::ReportForms::add(name, factory);
        print::ReportForms::reset();
        accident(1, 1, 5);
        person(11, 1, QStringLiteral("Adamska"), 1);
        person(12, 1, QStringLiteral("Bielak"), 0);
        exec(QStringLiteral("UPDATE SKWPOSZKODOWANI SET NUMERKARTYWYP = 3, RODZAJWYP = 1 WHERE ID = 12"));
        accident(2, 2, 5);
        person(21, 2, QStringLiteral("Celej"), 2);
        dm->setCurrentIds(Register::AtWork, 1, 12);
        admSettings().kartaWypadku = 2;
    }

    // Every row of the register tables, to compare before and after.
    QStringList rows() {
        QStringList out;
        for (const char* table : {"SKWWYPADKI", "SKWPOSZKODOWANI"}) {
            Dataset d(shared.get(), QStringLiteral("select * from %1 order by ID").arg(QLatin1String(table)));
            d.open();
            for (int r = 0; r < d.recordCount(); ++r) {
                QStringList values;
                for (const QString& c : d.columns()) values << c + QLatin1Char('=') + d.rowField(r, c).asString();
                out << QLatin1String(table) + QLatin1Char(' ') + values.join(QLatin1Char(';'));
            }
        }
        return out;
    }

    // A check box of the window by its name for screen readers.
    static QCheckBox* named(QWidget* w, const QString& name) {
        for (const AccessibleControl& c : entryControls(w))
            if (c.name == name) return qobject_cast<QCheckBox*>(c.iface->object());
        return nullptr;
    }
    static QPushButton* button(QWidget* w, const QString& text) {
        for (QPushButton* b : w->findChildren<QPushButton*>())
            if (b->text() == text && b->isVisible()) return b;
        return nullptr;
    }

    // "Wydruki": ticks the boxes and previews, then closes the window.
    void printThroughTheWindow(const QStringList& boxes, bool blank) {
        ModalAnswer answer([&]() {
            auto* w = Forms::get<TAdmDrukForm>(QStringLiteral("TAdmDrukForm"));
            ASSERT_NE(w, nullptr);
            for (const QString& b : boxes) {
                QCheckBox* c = named(w, b);
                ASSERT_TRUE(c) << b.toStdString();
                c->click();
            }
            if (blank) named(w, QStringLiteral("drukuj puste formularze"))->click();
            button(w, QStringLiteral("Podgląd"))->click();
            button(w, QStringLiteral("Zamknij"))->click();
        });
        EXPECT_TRUE(DocumentWindows::open({QStringLiteral("TAdmDrukForm"), true, nullptr}));
    }

    // After a preview: the accident's take columns were set and given back, nothing
    // else changed.
    void expectOnlyTheTakeGivenBack(const QStringList& before) {
        const QStringList after = rows();
        ASSERT_EQ(after.size(), before.size());
        for (int i = 0; i < after.size(); ++i) {
            if (after[i] == before[i]) continue;
            EXPECT_TRUE(after[i].startsWith(QStringLiteral("SKWWYPADKI ID=1;"))) << after[i].toStdString();
        }
        EXPECT_EQ(value("SELECT TRIM(COMPNAME) FROM SKWWYPADKI WHERE ID = 1").toString(), "STACJA-A");
        EXPECT_FALSE(value("SELECT CZASZAK FROM SKWWYPADKI WHERE ID = 1").isNull()) << "given back";
        QStringList without = after, was = before;
        for (QStringList* l : {&without, &was})
            for (QString& r : *l)
                if (r.startsWith(QStringLiteral("SKWWYPADKI ID=1;")))
                    r = r.section(QStringLiteral(";COMPNAME="), 0, 0);
        EXPECT_EQ(without, was);
    }
};

TEST_F(AccidentCardWindowTest, TheWholeCardThenPageOneBlank) {
    // The whole card: "Karta wypadku — drukuj" when fields are unlimited.
    admSettings().protPowWielostronicowy = true;
    QStringList before = rows();
    printThroughTheWindow({QStringLiteral("Karta wypadku — drukuj")}, false);
    ASSERT_EQ(preview.shown, 1) << ui.texts().join('\n').toStdString();
    EXPECT_EQ(preview.request.kind, "WypKart");
    EXPECT_EQ(preview.request.personId, 12);
    EXPECT_TRUE(preview.texts.contains("KARTA WYPADKU nr 3 / 2024 r."));
    EXPECT_TRUE(preview.texts.contains("Anna Bielak"));
    EXPECT_TRUE(preview.texts.contains("Strona 1"));
    expectOnlyTheTakeGivenBack(before);

    // Page one, blank: "Karta wypadku — drukuj stronę pierwszą".
    admSettings().protPowWielostronicowy = false;
    before = rows();
    printThroughTheWindow({QStringLiteral("Karta wypadku — drukuj stronę pierwszą")}, true);
    ASSERT_EQ(preview.shown, 2) << ui.texts().join('\n').toStdString();
    EXPECT_EQ(preview.pages, 1);
    EXPECT_TRUE(preview.texts.contains("KARTA WYPADKU"));
    EXPECT_FALSE(preview.texts.join('|').contains("Bielak"));
    EXPECT_FALSE(preview.texts.join('|').contains("3 / 2024"));
    EXPECT_TRUE(preview.texts.contains("Strona 1"));
    expectOnlyTheTakeGivenBack(before);
    EXPECT_TRUE(ui.shown.empty()) << ui.texts().join('\n').toStdString();
}

} // namespace
