// A value a field's check refuses never reaches the database, whichever way the save
// comes: the toolbar's "Zapisz" with the focus still in the field (no leaving), or
// the document windows' own "Zapisz".
#include "MainWindowFixture.h"

#include "card/SKWForm.h"
#include "domain/FieldChecks.h"
#include "protocol/ProtPowForm.h"

#include <QAction>

using namespace zort;
using namespace zort::test;

namespace {

struct Refused {
    const char* field;
    const char* text;     // refused
    QString message;      // the check's own message
    const char* column;   // of the accident ("w" fields) or the person
    const char* valid;    // then saved
};

class SaveChecks : public OpenAccidentTest {
protected:
    void SetUp() override {
        OpenAccidentTest::SetUp();
        // An employee: the protocol's fields are on the pages.
        c().execute("UPDATE SKWPOSZKODOWANI SET RODZUMOWY = 1 WHERE ID = :id", {{"id", person}});
        dm->reopenLists(Register::AtWork, id, person);
        w->loadRecord(Register::AtWork);
    }
    QVariant stored(const Refused& r) {
        const bool accident = r.field[1] == 'w';
        return accident ? accidentValue(r.column) : personValue(r.column);
    }
};

TEST_F(SaveChecks, TheToolbarsSaveRunsTheChecksOfTheFieldsTyped) {
    const Refused cases[] = {
        {"ewNumer", "-1", FieldChecks::positiveMessage(), "NUMER", "7"},
        {"ewStratyZl", "-1", FieldChecks::positiveMessage(), "STRATYZL", "12.5"},
        {"ewStratyZl", "1e40", FieldChecks::realFormatMessage(), "STRATYZL", "3"},
        {"ewStratyCzasu", "-1", FieldChecks::smallWholeNumber("-1").message, "STRATYCZASU", "8"},
        {"epStaz", "-1", FieldChecks::smallWholeNumber("-1").message, "STAZ", "4"},
        {"epLiczbaPrac", "-1", FieldChecks::positiveMessage(), "LICZBAPRAC", "40"},
        {"epNumerProt", "x", FieldChecks::wholeNumber("x").message, "NUMERPROT", "5"},
        {"epDataUr", "2024-13-45", FieldChecks::optionalDate("2024-13-45").message, "DATAUR", "1980-02-03"},
    };
    for (const Refused& r : cases) {
        SCOPED_TRACE(std::string(r.field) + " " + r.text);
        w->showSubPage(Register::AtWork, r.field[1] == 'w' ? 1 : 2);
        QLineEdit* e = edit(r.field);
        ASSERT_TRUE(e && e->isEnabled());
        const QVariant before = stored(r);
        e->setFocus();
        e->setText(QString::fromLatin1(r.text));
        ui.clear();
        w->button("sbZapiszBtn")->trigger();  // the toolbar takes no focus: the field is not left
        EXPECT_EQ(ui.texts(), QStringList{r.message});
        EXPECT_EQ(QApplication::focusWidget(), e);
        EXPECT_TRUE(e->isVisible()) << "its page is shown";
        EXPECT_EQ(QString::fromLatin1(r.text), e->text());
        EXPECT_EQ(before, stored(r)) << "nothing written";
        e->setText(QString::fromLatin1(r.valid));
        ui.clear();
        w->button("sbZapiszBtn")->trigger();
        EXPECT_TRUE(ui.shown.empty()) << ui.lastText().toStdString();
        EXPECT_NE(before, stored(r));
        w->showSubPage(Register::AtWork, 0);
    }
}

TEST_F(SaveChecks, TheDocumentWindowsSaveRunsTheChecksOfTheFieldsTyped) {
    // The card: the workers' number typed and saved without leaving the field.
    TSKWCardForm* card = cardWindow(QStringLiteral("TSKWForm_5"));
    card->prepare(request("TSKWForm_5"));
    QLineEdit* workers = card->findChild<QLineEdit*>("epLiczbaPrac");
    ASSERT_TRUE(workers);
    workers->setText(QStringLiteral("-3"));
    ui.clear();
    card->ZapiszClick();
    EXPECT_EQ(ui.texts(), QStringList{FieldChecks::positiveMessage()});
    EXPECT_TRUE(personValue("LICZBAPRAC").isNull());
    workers->setText(QStringLiteral("3"));
    ui.clear();
    card->ZapiszClick();
    EXPECT_TRUE(ui.shown.empty()) << ui.lastText().toStdString();
    EXPECT_EQ(3, personValue("LICZBAPRAC").toInt());

    // The protocol: a protocol number that is no number.
    TProtocolWindow* protocol = protocolWindow(QStringLiteral("TProtPowForm_3"));
    protocol->prepare(request("TProtPowForm_3"));
    QLineEdit* number = protocol->findChild<QLineEdit*>("epNumerProt");
    ASSERT_TRUE(number);
    const QVariant before = personValue("NUMERPROT");
    number->setText(QStringLiteral("1a"));
    ui.clear();
    protocol->ZapiszClick();
    EXPECT_EQ(ui.texts(), QStringList{FieldChecks::wholeNumber("1a").message});
    EXPECT_EQ(before, personValue("NUMERPROT"));
}

} // namespace
