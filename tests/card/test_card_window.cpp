// The statistical card windows on a real database, offscreen: opened from the main
// window on the accident the user added, filled in and saved, checked against the
// database after each step.
#include "card/SKWForm.h"
#include "register/MainWindowFixture.h"
#include "support/ModalDriver.h"

#include <QLabel>
#include <QSpinBox>

using namespace zort;
using namespace zort::test;

namespace {

class CardWindowTest : public OpenAccidentTest {
protected:
    // The card window of the form, prepared as "SKW" shows it.
    TSKWCardForm* open(const char* className, bool editable = true) {
        TSKWCardForm* card = cardWindow(QString::fromLatin1(className));
        card->prepare(editable);
        return card;
    }
    QLineEdit* field(TSKWCardForm* card, const char* name) { return card->findChild<QLineEdit*>(QString::fromLatin1(name)); }
    QSpinBox* spin(TSKWCardForm* card, const char* name) { return card->findChild<QSpinBox*>(QString::fromLatin1(name)); }
};

TEST_F(CardWindowTest, TheCardOfTheNewPersonShowsAndSaves) {
    TSKWCardForm* card = open("TSKWForm_5");
    ASSERT_TRUE(card);
    EXPECT_EQ(3, card->pages()->count());
    field(card, "epPrzedsieb")->setText(QStringLiteral("Zakład \"Łąka\" O'Brien"));
    EXPECT_TRUE(card->editable());
    card->ZapiszClick();
    EXPECT_EQ("", ui.texts().join(QLatin1Char('|')).toStdString());
    EXPECT_EQ(QStringLiteral("Zakład \"Łąka\" O'Brien"), personValue("PRZEDSIEB").toString());
}

} // namespace
