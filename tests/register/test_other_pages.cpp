// The pages of accidents in service: the binding and its round trips, the reactions
// of the choices and lists, the triples, the checks, the refusals and failures of a
// save, and the pages as screen readers see them.
#include "OtherRegisterFixture.h"

#include "card/CodePickerForms.h"
#include "domain/FieldChecks.h"
#include "domain/FixedLists.h"
#include "register/FieldCheckLinks.h"
#include "support/AccessibleWalk.h"
#include "support/ModalDriver.h"
#include "ui/FieldBinding.h"
#include "ui/KalendarzForm.h"

#include <QCheckBox>
#include <QSet>
#include <QTest>

using namespace zort;
using namespace zort::test;

namespace {

class OtherPages : public OtherRegisterTest {
protected:
    void SetUp() override {
        OtherRegisterTest::SetUp();
        addAccident();
        w->showSubPage(Register::Other, 1);
        ASSERT_TRUE(w->session(Register::Other).editing());
        edit("eeData")->setText("2024-05-09 21:40");
    }
    void click(const char* group, int item) {
        showPageOf(radio(group));
        radio(group)->button(item)->click();
    }
    void typeAndLeave(const char* field, const QString& typed) {
        QLineEdit* e = edit(field);
        showPageOf(e);
        e->setFocus();
        e->selectAll();
        if (typed.isEmpty()) QTest::keyClick(e, Qt::Key_Delete);
        else QTest::keyClicks(e, typed);
        // Leaving for a field of the same page that has no check.
        QLineEdit* next = nullptr;
        for (QLineEdit* other : e->parentWidget()->findChildren<QLineEdit*>())
            if (other != e && other->isVisible() && other->isEnabled() && !other->isReadOnly() &&
                !other->objectName().contains("Data") && !other->objectName().contains("DATA") &&
                other->objectName().startsWith("ef"))
                next = other;
        if (!next) next = edit("eeSymbolWyp");
        next->setFocus();
        QCoreApplication::processEvents();
    }
    void pick(int row, const QString& cause) {
        ModalAnswer answer([cause]() {
            TfrmEKWInfor& picker = ekwInforForm();
            QTreeWidget* tree = picker.view()->tree();
            for (QTreeWidgetItemIterator it(tree); *it; ++it)
                if ((*it)->text(0).startsWith(QLatin1Char('[') + cause + QLatin1Char(']'))) tree->setCurrentItem(*it);
            picker.okButton()->click();
            if (picker.isVisible()) picker.reject();
        });
        w->findChild<QAbstractButton*>(QStringLiteral("wWydarzUraz%1").arg(row))->click();
    }
};

} // namespace

TEST_F(OtherPages, EveryBoundControlNamesAColumnOnceMirrorsAndListsStayUnboundAndValuesGoRoundTrip) {
    const FieldBinder& b = w->binder(Register::Other);
    QSet<QString> accidentColumns, personColumns, names, seen;
    for (const QString& col : dm->qryWypadki_Policja->columns()) accidentColumns.insert(col.toUpper());
    for (const QString& col : dm->qryPoszkodowani_Policja->columns()) personColumns.insert(col.toUpper());
    int memos = 0;
    for (const BoundControl& c : b.controls()) {
        const QString name = c.widget->objectName();
        names.insert(name);
        const bool accidentRow = c.selector == 'e' || c.selector == 'x';
        EXPECT_TRUE((accidentRow ? accidentColumns : personColumns).contains(c.column.toUpper())) << name.toStdString();
        if (c.selector == 'x') continue;
        EXPECT_FALSE(seen.contains(c.selector + c.column.toUpper())) << name.toStdString() << " twice";
        seen.insert(c.selector + c.column.toUpper());
        if (c.kind == BoundKind::Memo) ++memos;
    }
    EXPECT_EQ(17, memos);
    for (const char* n : {"rgfTypWyp", "egfOdszkodowanie", "cbfZatwDod", "efIdPracownika", "exData", "rgeBlok",
                          "rgeWypIZ", "cbfRodzWypEKW", "efIDCzynnUraz4", "mfUwagiEKW17"})
        EXPECT_TRUE(names.contains(n)) << n;
    for (const char* n : {"e_Pesel", "e_DATASm", "rg_SkutkiTyp", "cb_Filtr_Policja", "e_Filtr_Policja",
                          "cbNazwisko_Policja", "cbStopSl", "cbZespol10", "cbZespol13", "cbDoznUraz1", "cbWojewodztwo",
                          "cbWYPDS"})
        EXPECT_FALSE(names.contains(n)) << n;
    // The fixed lists.
    EXPECT_EQ(combo("cbStopSl")->count(), 17);
    EXPECT_EQ(combo("cbStopSl")->itemText(16), "generalny inspektor");
    EXPECT_EQ(combo("cbStanoPol")->count(), 11);
    EXPECT_EQ(combo("cbStanoPol")->itemText(10), "dyrektor");
    EXPECT_EQ(combo("cbNazwaJedn")->count(), 5);
    EXPECT_EQ(combo("cbWojewodztwo")->itemText(6), "mazowieckie ");
    EXPECT_EQ(combo("cbDoznUraz4")->count(), 19);
    EXPECT_EQ(combo("cbDoznUraz4")->itemText(0), "");
    EXPECT_EQ(combo("cbDoznUraz4")->itemText(1), "stopa lewa");
    EXPECT_EQ(combo("cbDoznUraz4")->itemText(18), QString::fromUtf8("głowa"));

    // "jest " 0 and "nie jest" 1 (the index itself); the others index + 1; combos by
    // index with their empty item; "t"/"n"; floats exact when not retyped.
    struct Step {
        int typeIndex, effects, reason;
        bool approved;
    };
    // (A list left without a choice keeps what is stored: null on a new officer.)
    for (const Step& s : {Step{1, 0, -1, false}, Step{0, 1, 0, true}, Step{1, 2, 3, false}}) {
        click("rgfTypWyp", s.typeIndex);
        click("rgfSkutkiTyp", s.effects);
        combo("cbfWylPrzyczyna")->setCurrentIndex(s.reason);
        w->findChild<QCheckBox*>("cbfZatwDod")->setChecked(s.approved);
        w->sbZapiszBtnClick();
        EXPECT_EQ(s.typeIndex, officerColumn("TYPWYP").toInt());
        EXPECT_EQ(s.effects + 1, officerColumn("SKUTKITYP").toInt());
        if (s.reason < 0) EXPECT_TRUE(officerColumn("WYLPRZYCZYNA").isNull());
        else EXPECT_EQ(s.reason, officerColumn("WYLPRZYCZYNA").toInt());
        EXPECT_EQ(s.approved ? "t" : "n", officerColumn("ZATWDOD").toString());
        EXPECT_EQ(s.typeIndex, radio("rgfTypWyp")->itemIndex()) << "loaded back";
        EXPECT_EQ(s.reason, combo("cbfWylPrzyczyna")->currentIndex());
    }
    edit("efProcUszZdr")->setText("0.125");
    edit("efStratyMat")->setText("1234.5");
    w->sbZapiszBtnClick();
    EXPECT_EQ("0.13", edit("efProcUszZdr")->text());
    EXPECT_EQ("1234.50", edit("efStratyMat")->text());
    edit("efImie")->setText("Jan");
    w->sbZapiszBtnClick();
    EXPECT_DOUBLE_EQ(0.125, officerColumn("PROCUSZZDR").toDouble()) << "shown with two decimals, kept whole";
}

TEST_F(OtherPages, LoadingShowsTheStoredChoicesWithoutClearingAndTheUsersChoicesClearTheirFields) {
    // A stored row whose dependent fields do not match its choices is saved back as it was.
    c().execute("UPDATE WYPOPER_POSZKODOWANI SET SKUTKITYP = 2, DATASM = '2024-05-01', GODZSM = '12:00', "
                "OKOLICZNOSCI = 2, PKTUSTAWY = '5', WYKONYWANIEOBSL = 1, UWAGI = 1, UWAGI_OPIS = 'x', "
                "ODSZKODOWANIE = 2, KWOTAODSZKOD = 10 WHERE ID = :id",
                {{"id", officer}});
    dm->reopenLists(Register::Other, accident, officer);
    w->loadRecord(Register::Other);
    const auto stored = row("WYPOPER_POSZKODOWANI", officer);
    EXPECT_TRUE(pageOf("pSkutkiWyp")->isHidden());
    EXPECT_TRUE(pageOf("pOkolicznosci71")->isHidden());
    EXPECT_TRUE(memo("mfUwagi_Opis14")->isHidden());
    EXPECT_FALSE(edit("efKwotaOdszkod")->isEnabled());
    EXPECT_EQ("2024-05-01", edit("e_DATASm")->text());
    EXPECT_EQ(1, radio("rg_SkutkiTyp")->itemIndex());
    edit("efImie")->setText("Ewa");
    w->sbZapiszBtnClick();
    auto saved = row("WYPOPER_POSZKODOWANI", officer);
    EXPECT_EQ("Ewa", saved.take("IMIE"));
    EXPECT_EQ("n", saved.take("ZATWDOD")) << "the check box writes what it shows";
    EXPECT_EQ(stored.value("DATASM"), saved.value("DATASM"));
    saved.insert("IMIE", stored.value("IMIE"));
    saved.insert("ZATWDOD", stored.value("ZATWDOD"));
    EXPECT_EQ("", mismatches(saved, stored));

    // "śmiertelny" shows the death; "ciężki" after it clears date, hour, place and kind.
    click("rgfSkutkiTyp", 0);
    EXPECT_FALSE(pageOf("pSkutkiWyp")->isHidden());
    combo("cbfSkutekSm")->setCurrentIndex(1);
    edit("efMiejscSm")->setText("Kalisz");
    radio("rgfSzpitalSm")->setItemIndex(0);
    click("rg_SkutkiTyp", 1);
    EXPECT_EQ(1, radio("rgfSkutkiTyp")->itemIndex());
    EXPECT_TRUE(pageOf("pSkutkiWyp")->isHidden());
    for (const char* f : {"efDATASm", "e_DATASm", "efGodzSm", "efMiejscSm"}) EXPECT_TRUE(edit(f)->text().isEmpty()) << f;
    EXPECT_EQ(-1, combo("cbfSkutekSm")->currentIndex());
    EXPECT_EQ(-1, radio("rgfSzpitalSm")->itemIndex());
    // The date of death: either field, a readable date or none, stands in both.
    click("rg_SkutkiTyp", 0);
    QTest::keyClicks(edit("e_DATASm"), "2024-05-12");
    EXPECT_EQ("2024-05-12", edit("efDATASm")->text());
    edit("efDATASm")->selectAll();
    QTest::keyClick(edit("efDATASm"), Qt::Key_Delete);
    EXPECT_TRUE(edit("e_DATASm")->text().isEmpty());

    // "7.1" shows its part; "7.2 - inne" clears the point and the choice.
    click("rgfOkolicznosci", 0);
    EXPECT_FALSE(pageOf("pOkolicznosci71")->isHidden());
    radio("rgfWykonywanieObSl")->setItemIndex(1);
    click("rgfOkolicznosci", 1);
    EXPECT_TRUE(edit("efPktUstawy")->text().isEmpty());
    EXPECT_EQ(-1, radio("rgfWykonywanieObSl")->itemIndex());
    // The remarks and the amount.
    click("rgfUwagi", 1);
    EXPECT_FALSE(memo("mfUwagi_Opis14")->isHidden());
    click("rgfUwagi", 0);
    EXPECT_TRUE(memo("mfUwagi_Opis14")->toPlainText().isEmpty());
    click("egfOdszkodowanie", 0);
    EXPECT_TRUE(edit("efKwotaOdszkod")->isEnabled());
    // The type of accident follows the officers only.
    w->showSubPage(Register::Other, 1);
    radio("rgeWypIZ")->button(1)->click();
    EXPECT_EQ(0, radio("rgeWypIZ")->itemIndex());

    // Injuries: another list's injury refused, the row's own kept, the empty item clears.
    const int parts[] = {1, 2, 3, 4};
    for (int i = 1; i <= 4; ++i) choose(combo(QStringLiteral("cbDoznUraz%1").arg(i).toLatin1()), parts[i - 1]);
    ui.clear();
    choose(combo("cbDoznUraz2"), 2);
    EXPECT_TRUE(ui.shown.empty());
    EXPECT_EQ("stopa prawa", edit("efDoznUraz2")->text());
    choose(combo("cbDoznUraz2"), 3);
    EXPECT_EQ(ui.texts(), QStringList{QString::fromUtf8("Ten uraz został już wybrany.")});
    EXPECT_TRUE(edit("efDoznUraz2")->text().isEmpty());
    EXPECT_EQ(-1, combo("cbDoznUraz2")->currentIndex());
    EXPECT_EQ(combo("cbDoznUraz2"), QApplication::focusWidget());
    ui.clear();
    choose(combo("cbDoznUraz4"), 0);
    EXPECT_TRUE(ui.shown.empty());
    EXPECT_TRUE(edit("efDoznUraz4")->text().isEmpty());
}

TEST_F(OtherPages, TriplesAreStoredByTheirIdsPreselectedAgainAndNeverTwice) {
    pick(1, "K1.1");
    EXPECT_EQ("21", edit("efIDWydarzUraz1")->text());
    w->sbZapiszBtnClick();
    EXPECT_EQ(31, officerColumn("IDPRZYCZYNA1").toInt());
    EXPECT_EQ("Agresja", officerColumn("PRZYCZYNA1").toString());
    // Opened again on the stored ids.
    {
        ModalAnswer look([]() {
            TfrmEKWInfor& picker = ekwInforForm();
            EXPECT_EQ("[K1.1] Agresja", picker.view()->tree()->currentItem()->text(0));
            picker.reject();
        });
        w->findChild<QAbstractButton*>("wWydarzUraz1")->click();
    }
    ui.clear();
    pick(2, "K1.1");
    EXPECT_EQ(ui.texts(), QStringList{QString::fromUtf8("Te Czynność/Wydarzenie/Przyczyna zostały już wybrane.")});
    EXPECT_TRUE(edit("efIDCzynnUraz2")->text().isEmpty());
    ui.clear();
    pick(1, "K1.1");
    EXPECT_TRUE(ui.shown.empty()) << "the row's own triple";
    pick(2, "K2.1");
    EXPECT_EQ(QString::fromUtf8("Pościg pieszy"), edit("efCzynnUraz2")->text());
    QTest::mouseDClick(edit("efIDPrzyczyna2"), Qt::LeftButton);
    for (const char* f : {"efIDCzynnUraz2", "efCzynnUraz2", "efIDWydarzUraz2", "efWydarzUraz2", "efIDPrzyczyna2",
                          "efPrzyczyna2"})
        EXPECT_TRUE(edit(f)->text().isEmpty()) << f;

    // "Uaktualnij" without any attachment clears the list.
    memo("mfZalaczniki16")->setPlainText("stary wykaz");
    w->findChild<QAbstractButton*>("Button3")->click();
    EXPECT_TRUE(memo("mfZalaczniki16")->toPlainText().isEmpty());

    // Closing saves at once; then nothing is editable and no picker opens.
    w->showSubPage(Register::Other, 1);
    radio("rgeBlok")->button(1)->click();
    EXPECT_EQ(1, accidentColumn("BLOK").toInt());
    for (const char* f : {"efNazwisko", "eeSymbolWyp", "efDoznUraz1"}) EXPECT_FALSE(edit(f)->isEnabled()) << f;
    for (const char* b : {"wWydarzUraz1", "Button3", "eCalDataUr", "bPokaz_Policja"})
        EXPECT_FALSE(w->findChild<QAbstractButton*>(b)->isEnabled()) << b;
    for (const char* l : {"cbNazwisko_Policja", "cbZespol10", "cbDoznUraz1", "cbStopSl"})
        EXPECT_FALSE(combo(l)->isEnabled()) << l;
    EXPECT_FALSE(memo("mfPrzyczyny01")->isEnabled());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(OtherPages, EveryDateFieldHasItsCalendarOnTheStoredDateOrToday) {
    QSet<QString> buttons;
    for (const auto& [button, field] : FieldCheckLinks::otherTable().calendars) {
        const QList<QToolButton*> found = w->findChildren<QToolButton*>(button);
        ASSERT_EQ(1, found.size()) << button.toStdString();
        ASSERT_TRUE(edit(field.toLatin1())) << field.toStdString();
        // Beside its own field, on the field's page.
        EXPECT_EQ(found.first()->parentWidget(), edit(field.toLatin1())->parentWidget()) << button.toStdString();
        buttons.insert(button);
    }
    EXPECT_EQ(16, buttons.size());
    // The stored date of death opens the calendar; the date chosen goes into both
    // fields and its check runs; a stored registration date of the calendar's choice.
    c().execute("UPDATE WYPOPER_POSZKODOWANI SET SKUTKITYP = 1, DATASM = '2024-05-11' WHERE ID = :id", {{"id", officer}});
    dm->reopenLists(Register::Other, accident, officer);
    w->loadRecord(Register::Other);
    edit("eeData")->setText("2024-05-09 21:40");
    edit("e_DATASm")->clear();
    QDate opened;
    {
        ModalAnswer choose([&]() {
            opened = calendarForm().date();
            calendarForm().setDate(QDate(2024, 5, 12));
            calendarForm().findChild<QPushButton*>("bbAkceptuj")->click();
        });
        showPageOf(edit("e_DATASm"));
        w->findChild<QToolButton*>("eCal_DATASm")->click();
    }
    EXPECT_EQ(QDate(2024, 5, 11), opened) << "the stored date, the mirror being empty";
    EXPECT_EQ("2024-05-12", edit("e_DATASm")->text());
    EXPECT_EQ("2024-05-12", edit("efDATASm")->text());
    {
        ModalAnswer choose([&]() {
            opened = calendarForm().date();
            calendarForm().findChild<QPushButton*>("bbAkceptuj")->click();
        });
        edit("efDataZatwDod")->clear();
        showPageOf(edit("efDataZatwDod"));
        w->findChild<QToolButton*>("eCalDataZatwDod")->click();
    }
    EXPECT_EQ(QDate(2024, 5, 10), opened) << "the date stored at creation";
}

TEST_F(OtherPages, EveryCheckShowsItsMessageAndKeepsTheFocus) {
    struct Case {
        const char* field;
        const char* typed;
        QString message;
        const char* valid;  // put back after the error
    };
    const Case cases[] = {
        {"eeData", "2024-05-40", FieldChecks::missingDateMessage(), "2024-05-09 21:40"},
        {"eeDataRejWyp", "", FieldChecks::missingDateMessage(), "2024-05-10"},
        {"eeDataRejWyp", "2024-05-01", FieldChecks::beforeAccidentMessage(), "2024-05-10"},
        {"efDataZg", "", FieldChecks::missingDateMessage(), "2024-05-10"},
        {"efDataZg", "2024-05-08", FieldChecks::beforeAccidentMessage(), "2024-05-10"},
        {"efDataUst", "2024-13-01", FieldChecks::dateFormatMessage(), ""},
        {"efDataOdb", "2024-05-01", FieldChecks::beforeAccidentMessage(), ""},
        {"efDataUr", "1980-02-30", FieldChecks::dateFormatMessage(), ""},
        {"efDATASm", "x", FieldChecks::dateFormatMessage(), ""},
        {"e_DATASm", "x", FieldChecks::dateFormatMessage(), ""},
        {"eeNumer", "1a", FieldChecks::wholeNumber("1a").message, "2"},
        {"efPktUstawy", "-2", FieldChecks::positiveMessage(), ""},
        {"efStratyMat", "-1", FieldChecks::positiveMessage(), ""},
        {"efStaz", "40000", FieldChecks::smallRangeMessage(), ""},
    };
    click("rgfSkutkiTyp", 0);
    for (const Case& k : cases) {
        SCOPED_TRACE(k.field);
        ui.clear();
        typeAndLeave(k.field, QString::fromUtf8(k.typed));
        EXPECT_EQ(ui.texts(), QStringList{k.message});
        EXPECT_EQ(edit(k.field), QApplication::focusWidget());
        edit(k.field)->setText(QString::fromLatin1(k.valid));
        EXPECT_TRUE(w->otherReactions()->checks().check(edit(k.field)));
    }
    // Passing: the registration year's warning keeps the value; an empty date of death passes.
    ui.clear();
    typeAndLeave("eeDataRejWyp", "2025-01-10");
    EXPECT_EQ(ui.texts(), QStringList{FieldChecks::otherRegisterYearWarning()});
    EXPECT_EQ("2025-01-10", edit("eeDataRejWyp")->text());
    ui.clear();
    typeAndLeave("e_DATASm", "");
    EXPECT_TRUE(ui.shown.empty()) << ui.lastText().toStdString();
}

TEST_F(OtherPages, RefusedValuesFailuresTakesAndAnotherRegistrationYear) {
    const auto accidentBefore = row("WYPOPER_WYPADKI", accident);
    const auto officerBefore = row("WYPOPER_POSZKODOWANI", officer);
    // A value its column refuses: named, its page shown, nothing written, all kept.
    struct Refused {
        const char* field;
        QString text;
        const char* caption;
    };
    for (const Refused& r : {Refused{"efMiejsceUr", QString::fromUtf8("Жмеринка"), "Miejsce urodzenia"},
                             Refused{"efIDCzynnUraz1", "4294967296", "Czynnik powodujący uraz 1"}}) {
        SCOPED_TRACE(r.field);
        w->showSubPage(Register::Other, 1);
        edit("eeSymbolWyp")->setText("S-9");
        edit(r.field)->setText(r.text);
        ui.clear();
        w->sbZapiszBtnClick();
        EXPECT_TRUE(ui.lastText().startsWith(QString::fromUtf8("Błąd przy zapisie danych !!!"))) << ui.lastText().toStdString();
        EXPECT_TRUE(ui.lastText().contains(QString::fromUtf8(r.caption))) << ui.lastText().toStdString();
        EXPECT_TRUE(edit(r.field)->isVisible());
        EXPECT_EQ(r.text, edit(r.field)->text());
        EXPECT_EQ("S-9", edit("eeSymbolWyp")->text());
        EXPECT_EQ(withoutTakesOf(accidentBefore), withoutTakesOf(row("WYPOPER_WYPADKI", accident)));
        EXPECT_EQ(officerBefore, row("WYPOPER_POSZKODOWANI", officer));
        edit(r.field)->clear();
    }
    // An update a trigger rejects leaves both rows as they were.
    c().execute("CREATE EXCEPTION E_NIE 'Zapis zablokowany'");
    c().execute("CREATE TRIGGER T_NIE FOR WYPOPER_POSZKODOWANI BEFORE UPDATE AS BEGIN EXCEPTION E_NIE; END");
    edit("efImie")->setText("Jan");
    ui.clear();
    w->sbZapiszBtnClick();
    EXPECT_TRUE(ui.lastText().startsWith(QString::fromUtf8("Błąd przy zapisie danych !!!")));
    EXPECT_EQ(withoutTakesOf(accidentBefore), withoutTakesOf(row("WYPOPER_WYPADKI", accident)));
    EXPECT_EQ(officerBefore, row("WYPOPER_POSZKODOWANI", officer));
    EXPECT_EQ("Jan", edit("efImie")->text());
    c().execute("DROP TRIGGER T_NIE");

    // Another computer's take keeps the user on the list.
    w->sbZapiszBtnClick();
    w->showSubPage(Register::Other, 0);
    c().execute("UPDATE WYPOPER_WYPADKI SET COMPNAME = 'STACJA-B', CZASROZP = '2024-05-10 09:00', CZASZAK = NULL "
                "WHERE ID = :id", {{"id", accident}});
    ui.clear();
    w->showSubPage(Register::Other, 1);
    EXPECT_EQ(0, w->subPage(Register::Other));
    EXPECT_TRUE(ui.lastText().contains("STACJA-B")) << ui.lastText().toStdString();
    c().execute("UPDATE WYPOPER_WYPADKI SET CZASZAK = CZASROZP WHERE ID = :id", {{"id", accident}});

    // A registration date of another year takes the accident out of the list and gives it back.
    w->showSubPage(Register::Other, 1);
    ASSERT_EQ(1, w->subPage(Register::Other));
    edit("eeDataRejWyp")->setText("2025-01-10");
    w->sbZapiszBtnClick();
    EXPECT_EQ(0, w->subPage(Register::Other));
    EXPECT_FALSE(accidentColumn("CZASZAK").isNull());
    EXPECT_EQ("STACJA-A", accidentColumn("COMPNAME").toString().trimmed());
    EXPECT_EQ(900, int(dm->qryWypadki_Policja->field("ID").asInt()));
}

TEST_F(OtherPages, ListsOfPersonsAndCommissionAndTheCopyOfAnotherOfficerOfTheSameSurname) {
    w->showSubPage(Register::Other, 2);
    QComboBox* persons = combo("cbNazwisko_Policja");
    EXPECT_EQ(5, persons->count());
    // The persons of TypPrac 1 unless every kind is asked for; the filter by the surname's beginning.
    c().execute("UPDATE ODANOS SET TYPPRAC = 2 WHERE IDOSOBY = 3");
    admSettings().allTypPrac = false;
    emit admSettingsNotifier().changed("AllTypPrac");
    EXPECT_EQ(4, persons->count());
    admSettings().allTypPrac = true;
    emit admSettingsNotifier().changed("AllTypPrac");
    EXPECT_EQ(5, persons->count());
    w->findChild<QCheckBox*>("cb_Filtr_Policja")->setChecked(true);
    edit("e_Filtr_Policja")->setText("Now");
    w->findChild<QAbstractButton*>("bPokaz_Policja")->click();
    EXPECT_EQ(2, persons->count());
    // Another Nowak is copied; the officer already linked is not copied again.
    choosePerson(1);
    EXPECT_EQ("Jan", edit("efImie")->text());
    w->sbZapiszBtnClick();
    edit("efImie")->setText("Janusz");
    choosePerson(1);
    EXPECT_EQ("Janusz", edit("efImie")->text());
    choosePerson(5);
    EXPECT_EQ("Adam", edit("efImie")->text());
    EXPECT_EQ("5", edit("efIdPracownika")->text());
    EXPECT_EQ("80010112345", edit("e_Pesel")->text());
    // The PESEL shown after a load is the linked person's, or none.
    w->showSubPage(Register::Other, 0);
    dm->reopenLists(Register::Other, 900, 900);
    w->loadRecord(Register::Other);
    EXPECT_TRUE(edit("e_Pesel")->text().isEmpty());

    // The commission: by name, refilled when its dictionary changes.
    EXPECT_EQ(2, combo("cbZespol13")->count());
    c().execute("INSERT INTO WYPOPER_KOMISJAPOWYPAD (ID, IMNAZW, FUNKCJA, STANOW) VALUES (3, 'Adam Bury', 'kom.', 'kierownik')");
    emit dm->commissionChanged();
    EXPECT_EQ(3, combo("cbZespol11")->count());
    EXPECT_EQ(QString::fromUtf8("Adam Bury - kom., kierownik"), combo("cbZespol11")->itemText(0));
    // The chosen member copied whole: name, rank and post; the fourth list the name only.
    const QString longName(81, QChar(u'ż'));
    c().execute("INSERT INTO WYPOPER_KOMISJAPOWYPAD (ID, IMNAZW, FUNKCJA, STANOW) VALUES (4, :n, 'asp.', 'dzielnicowy')",
                {{"n", longName}});
    emit dm->commissionChanged();
    edit("efFunkcja1")->clear();
    emit combo("cbZespol13")->activated(combo("cbZespol13")->findText(longName + " - asp., dzielnicowy"));
    EXPECT_EQ("", edit("efFunkcja1")->text()) << "the fourth writes the name alone";
    emit combo("cbZespol10")->activated(combo("cbZespol10")->findText(longName + " - asp., dzielnicowy"));
    EXPECT_EQ(longName, edit("efImNazw1")->text());
    EXPECT_EQ("asp.", edit("efFunkcja1")->text());
    EXPECT_EQ("dzielnicowy", edit("efStanow1")->text());
    EXPECT_EQ(longName, edit("efImNazw4")->text());
}

TEST_F(OtherPages, EveryControlIsFoundByItsLabel) {
    int walked = 0;
    QTabWidget* sub = w->subPages(Register::Other);
    sub->setCurrentIndex(1);
    const auto check = [&](QWidget* page, const QString& caption) {
        for (int i = 0; i < 3; ++i) QApplication::processEvents();
        const QStringList faults = accessibilityFaults(page);
        EXPECT_TRUE(faults.isEmpty()) << caption.toStdString() << ":\n  " << faults.join("\n  ").toStdString();
        walked += int(entryControls(page).size());
    };
    check(sub->widget(1), "Wypadek");
    sub->setCurrentIndex(2);
    // Every part of the pages shown.
    click("rgfSkutkiTyp", 0);
    click("rgfOkolicznosci", 0);
    click("rgfUwagi", 1);
    QTabWidget* pages = officerPages();
    for (int i = 0; i < pages->count(); ++i) {
        pages->setCurrentIndex(i);
        check(pages->widget(i), pages->tabText(i));
    }
    EXPECT_GT(walked, 150);
}

namespace {

// The visible control of the accessibility tree with the name (and role).
QAccessibleInterface* named(QAccessibleInterface* root, const QString& name, QAccessible::Role role) {
    if (!root || root->state().invisible) return nullptr;
    if (root->role() == role && root->text(QAccessible::Name) == name) return root;
    for (int i = 0; i < root->childCount(); ++i)
        if (QAccessibleInterface* found = named(root->child(i), name, role)) return found;
    return nullptr;
}

} // namespace

TEST_F(OtherPages, AnOfficersEntryDrivenByLabelsOnlyThroughTheAccessibilityInterface) {
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(w);
    const auto press = [&](const QString& name, QAccessible::Role role) {
        QAccessibleInterface* c = named(window, name, role);
        ASSERT_TRUE(c && c->actionInterface()) << name.toStdString();
        // Choices are toggled, as screen readers do; buttons and tabs pressed.
        const bool choice = role == QAccessible::RadioButton || role == QAccessible::CheckBox;
        c->actionInterface()->doAction(choice ? QAccessibleActionInterface::toggleAction()
                                              : QAccessibleActionInterface::pressAction());
        QApplication::processEvents();
    };
    const auto type = [&](const QString& name, const QString& text) {
        QAccessibleInterface* c = named(window, name, QAccessible::EditableText);
        ASSERT_TRUE(c && c->editableTextInterface()) << name.toStdString();
        c->editableTextInterface()->replaceText(0, c->textInterface()->characterCount(), text);
    };
    press(w->subPages(Register::Other)->tabText(2), QAccessible::PageTab);  // "Poszkodowany: " with no name yet
    press(QStringLiteral("Dane osobowe"), QAccessible::PageTab);
    type(QStringLiteral("Nazwisko"), QString::fromUtf8("Łęcki"));
    type(QStringLiteral("Nazwisko — Imię"), QStringLiteral("Stanisław"));
    type(QStringLiteral("Stopień służbowy"), QStringLiteral("sierżant"));
    press(QString::fromUtf8("Prot. powyp. cz. 2"), QAccessible::PageTab);
    type(QString::fromUtf8("3. Okoliczności i przyczyny wypadku"), QStringLiteral("Upadek.\nNa schodach."));
    press(QString::fromUtf8("4. Skutki wypadku — ciężki"), QAccessible::RadioButton);
    press(QString::fromUtf8("Prot. powyp. cz. 5"), QAccessible::PageTab);
    press(QString::fromUtf8("zatwierdzono po dokonaniu dodatkowych wyjaśnień i ustaleń przez komisję"),
          QAccessible::CheckBox);
    press(QString::fromUtf8("EKW cz. 1"), QAccessible::PageTab);
    type(QString::fromUtf8("Ilość dni zwolnienia"), QStringLiteral("21"));
    press(QStringLiteral("Zapisz"), QAccessible::Button);
    EXPECT_EQ(QString::fromUtf8("Łęcki"), officerColumn("NAZWISKO").toString());
    EXPECT_EQ(QString::fromUtf8("Stanisław"), officerColumn("IMIE").toString());
    EXPECT_EQ(QString::fromUtf8("sierżant"), officerColumn("STOPSL").toString());
    EXPECT_EQ("Upadek.\r\nNa schodach.", officerColumn("PRZYCZYNY").toString());
    EXPECT_EQ(2, officerColumn("SKUTKITYP").toInt());
    EXPECT_EQ("t", officerColumn("ZATWDOD").toString());
    EXPECT_EQ(21, officerColumn("ZWOLNIENIE").toInt());
}

TEST_F(OtherPages, TheListCommandsFollowTheRegisterAndItsAccident) {
    w->showSubPage(Register::Other, 0);
    for (const char* b : {"DodPoszkBtn", "sbKasPoszkBtn", "sbKasWypBtn"}) EXPECT_TRUE(enabled(b)) << b;
    for (const char* b : {"SKWBtn", "ProtokolBtn", "TestBtn", "bZnajdz"}) EXPECT_FALSE(enabled(b)) << b;
    // The commuting register has no officers; back on this one they are there again.
    w->registers()->setCurrentWidget(w->findChild<QWidget*>("TabWypDroga"));
    EXPECT_FALSE(enabled("DodPoszkBtn"));
    w->registers()->setCurrentWidget(w->registerTab(Register::Other));
    for (const char* b : {"DodPoszkBtn", "sbKasPoszkBtn", "sbKasWypBtn"}) EXPECT_TRUE(enabled(b)) << b;
    EXPECT_TRUE(w->menuItem(QStringLiteral("Dodaj poszkodowanego"))->isEnabled());
    // A closed accident: nothing to add or delete.
    c().execute("UPDATE WYPOPER_WYPADKI SET BLOK = 1 WHERE ID = :id", {{"id", accident}});
    dm->reopenLists(Register::Other, accident, officer);
    w->loadRecord(Register::Other);
    for (const char* b : {"DodPoszkBtn", "sbKasPoszkBtn", "sbKasWypBtn"}) EXPECT_FALSE(enabled(b)) << b;
}
