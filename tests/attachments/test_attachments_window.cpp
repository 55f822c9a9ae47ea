// The attachments window on a real database, offscreen: opened from the main window
// on the accident the user added, attachments added, typed, moved between, saved and
// closed, checked against the database after each step.
#include "attachments/ZalacznikiForm.h"
#include "core/Formats.h"
#include "register/MainWindowFixture.h"
#include "support/AccessibleWalk.h"
#include "support/EmployeeRegister.h"
#include "support/ModalDriver.h"
#include "support/FieldWidths.h"
#include "ui/AttachmentPrinting.h"
#include "ui/DanPoszkodForm.h"
#include "ui/FieldBinding.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QSet>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QToolButton>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace zort;
using namespace zort::test;

namespace {

constexpr int kOwn = TZalacznikiForm::kOwn;
constexpr int kHearing = TZalacznikiForm::kHearing;
constexpr int kOrder = TZalacznikiForm::kOrder;

class AttachmentsWindowTest : public OpenAccidentTest {
protected:
    void SetUp() override {
        OpenAccidentTest::SetUp();
        // The real window instead of the fixture's stand-in.
        DocumentWindows::remove(QStringLiteral("TZalacznikiForm"));
        registerAttachmentWindows();
        c().execute("UPDATE SKWPOSZKODOWANI SET IMIE = 'Anna', NAZWISKO = 'Kowalska', IMOJCA = 'Jan', "
                    "MIEJSCEUR = 'Radom', ULICA = 'Polna', NRUL = '3', NRMIESZ = '4', RODZUMOWY = 1, "
                    "ZAWOD = :zawod, STAZ = '5' WHERE ID = :id",
                    {{"zawod", QString(40, QLatin1Char('z'))}, {"id", person}});
        dm->reopenLists(Register::AtWork, id, person);
        // A documents folder, so that the tab of the external documents asks for none.
        c().execute("UPDATE OPARAM SET PATHDOKWYP = :p", {{"p", testTempRoot()}});
        ui.clear();
    }
    void TearDown() override {
        if (auto* z = Forms::get<TZalacznikiForm>(QStringLiteral("TZalacznikiForm"))) z->reject();
        AttachmentPrinting::uninstall();
        OpenAccidentTest::TearDown();
    }
    // The window shown as from the main window's list page (modal there), without
    // running its loop.
    TZalacznikiForm& show(bool editable = true, bool onListPage = true) {
        TZalacznikiForm& z = attachmentsWindow();
        z.FormShow(request("TZalacznikiForm", editable, onListPage));
        return z;
    }
    QLineEdit* field(TZalacznikiForm& z, const char* name) { return z.findChild<QLineEdit*>(QString::fromLatin1(name)); }
    QPlainTextEdit* memoOf(TZalacznikiForm& z, const char* name) {
        return z.findChild<QPlainTextEdit*>(QString::fromLatin1(name));
    }
    void type(TZalacznikiForm& z, const char* name, const QString& text) {
        QLineEdit* e = field(z, name);
        ASSERT_TRUE(e) << name;
        e->setText(text);
        emit e->textEdited(text);
    }
    void typeMemo(TZalacznikiForm& z, const char* name, const QString& text) {
        QPlainTextEdit* m = memoOf(z, name);
        ASSERT_TRUE(m) << name;
        m->setPlainText(text);
    }
    QVariant cell(const char* table, const char* column, const char* where, const Params& p) {
        return value(QStringLiteral("SELECT %1 FROM %2 WHERE %3").arg(QLatin1String(column), QLatin1String(table),
                                                                        QLatin1String(where)),
                     p);
    }
    int count(const char* table) {
        return value(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE IDWYPADKU = :w AND IDPROTOKOLU = :p")
                         .arg(QLatin1String(table)),
                     {{"w", id}, {"p", person}})
            .toInt();
    }
    QVariant hearing(const char* column, int number) {
        return cell("SKWPRZESLUCHANIE", column, "IDPROTOKOLU = :p AND NUMER = :n", {{"p", person}, {"n", number}});
    }
    QVariant order(const char* column, int number) {
        return cell("SKWPOLECENIE", column, "IDPROTOKOLU = :p AND NUMER = :n", {{"p", person}, {"n", number}});
    }
    QVariant own(const char* column, int number) {
        return cell("SKWZALACZNIKI", column, "IDPROTOKOLU = :p AND ID = :n", {{"p", person}, {"n", number}});
    }
    std::string messages() const { return ui.texts().join(QLatin1Char('|')).toStdString(); }
};

} // namespace

// --- A user's sequence ---------------------------------------------------------------

TEST_F(AttachmentsWindowTest, OpenedFromTheListAddsTypesMovesSavesAndCloses) {
    w->showSubPage(Register::AtWork, 0);
    ASSERT_TRUE(w->onListPage(Register::AtWork));
    bool ran = false;
    ModalAnswer answer([&]() {
        auto* z = qobject_cast<TZalacznikiForm*>(QApplication::activeModalWidget());
        ASSERT_TRUE(z);
        ran = true;
        EXPECT_TRUE(z->editable());
        EXPECT_TRUE(z->button("ZapiszBtn")->isDefault());
        EXPECT_FALSE(z->warningBlinking());
        EXPECT_TRUE(z->windowTitle().startsWith("Załączniki i dokumenty związane z protokołem powypadkowym nr "))
            << z->windowTitle().toStdString();
        EXPECT_EQ(TZalacznikiForm::OwnTab, z->tabs()->currentIndex());
        EXPECT_EQ(51000, z->helpContext());
        EXPECT_FALSE(z->detailShown(kOwn)) << "an empty list shows the hint only";

        // An own attachment: number 1, its title and text.
        z->DodZalBtnClick();
        EXPECT_EQ(1, count("SKWZALACZNIKI"));
        EXPECT_TRUE(z->detailShown(kOwn));
        type(*z, "ewTytul", "Szkic \"miejsca\" O'Brien");
        typeMemo(*z, "mwOpis", "wiersz 1\nwiersz 2");

        // A hearing: number 2; adding saved the own attachment first.
        z->tabs()->setCurrentIndex(TZalacznikiForm::HearingTab);
        EXPECT_EQ(52100, z->helpContext());
        z->DodZalBtnClick();
        EXPECT_EQ(2, hearing("NUMER", 2).toInt());
        EXPECT_EQ(-1, hearing("TYP", 2).toInt());
        EXPECT_EQ("Szkic \"miejsca\" O'Brien", own("TYTUL", 1).toString());
        EXPECT_EQ("wiersz 1\r\nwiersz 2", own("OPIS", 1).toString());
        EXPECT_EQ(0, z->hearingPages()->currentIndex());

        // The user chooses "the injured person" and answers yes: the person is copied,
        // the occupation cut to its column.
        ui.answers.push_back(MsgAnswer::Yes);
        z->hearingType()->button(0)->click();
        EXPECT_EQ(" Czy skopiować odpowiednie dane poszkodowanego do formularza osoby przesłuchiwanej?", ui.lastText());
        EXPECT_EQ("Kowalska", field(*z, "epNazwisko")->text());
        EXPECT_EQ("Anna", field(*z, "epImie")->text());
        EXPECT_EQ("Polna", field(*z, "epUlica")->text());
        EXPECT_EQ(QString(30, QLatin1Char('z')), field(*z, "epZawod")->text());
        EXPECT_EQ("5", field(*z, "epStaz")->text());
        typeMemo(*z, "mpZeznanie", "Zeznaję, że");

        // A second hearing (number 3); the first one is saved on the way.
        z->DodZalBtnClick();
        EXPECT_EQ("Kowalska", hearing("NAZWISKO", 2).toString());
        EXPECT_EQ(0, hearing("TYP", 2).toInt());
        EXPECT_EQ(QString(30, QLatin1Char('z')), hearing("ZAWOD", 2).toString());
        EXPECT_EQ("Zeznaję, że", hearing("ZEZNANIE", 2).toString());
        EXPECT_TRUE(field(*z, "epNazwisko")->text().isEmpty()) << "the new hearing is shown";
        type(*z, "epNazwisko", "Świadek");
        z->hearingType()->button(1)->click();
        EXPECT_EQ(" Czy skopiować odpowiednie dane poszkodowanego do formularza osoby przesłuchiwanej?", ui.lastText())
            << "a witness asks nothing more";

        // Back to the first row: the second hearing is saved first.
        EXPECT_TRUE(z->moveTo(kHearing, 0));
        EXPECT_EQ("Świadek", hearing("NAZWISKO", 3).toString());
        EXPECT_EQ(1, hearing("TYP", 3).toInt());
        EXPECT_EQ("Kowalska", field(*z, "epNazwisko")->text());
        EXPECT_EQ(0, z->hearingType()->itemIndex());

        // An order with the second template, saved by "Zapisz".
        z->tabs()->setCurrentIndex(TZalacznikiForm::OrderTab);
        EXPECT_EQ(53100, z->helpContext());
        z->DodZalBtnClick();
        EXPECT_EQ(4, order("NUMER", 4).toInt());
        z->findChild<QComboBox*>("cbnPodTytul")->setCurrentIndex(1);
        z->podTytulChosen(1);
        typeMemo(*z, "mnTresc2", "Polecam");
        typeMemo(*z, "mnOtrzymuja7", "Kierownik");
        EXPECT_TRUE(z->ZapiszBtnClick()) << messages();
        EXPECT_EQ("Na podstawie art. 236 Kodeksu pracy, po ustaleniu okoliczności i przyczyn wypadku, zespół powypadkowy "
                  "postanawia",
                  order("PODTYTUL", 4).toString());
        EXPECT_EQ("Polecam", order("TRESC", 4).toString());
        EXPECT_EQ("Kierownik", order("OTRZYMUJA", 4).toString());
        EXPECT_EQ(0, order("TYP", 4).toInt()) << "an unchosen type is stored as 0";

        z->ZamknijBtnClick();
        EXPECT_FALSE(z->isVisible());
        EXPECT_FALSE(z->book()->isOpen());
    });
    w->DokumBtnClick();
    EXPECT_TRUE(ran);
    EXPECT_EQ(" Czy skopiować odpowiednie dane poszkodowanego do formularza osoby przesłuchiwanej?", messages())
        << "the one question, nothing else";
    EXPECT_FALSE(accidentValue("CZASZAK").isNull()) << "the take of this opening given back";
}

TEST_F(AttachmentsWindowTest, FromAnEntryPageTheWindowIsNotModalAndTheMainWindowKeepsItsTake) {
    w->showSubPage(Register::AtWork, 1);
    ASSERT_FALSE(w->onListPage(Register::AtWork));
    ASSERT_TRUE(w->session(Register::AtWork).editing());
    w->DokumBtnClick();
    TZalacznikiForm& z = attachmentsWindow();
    EXPECT_TRUE(z.isVisible());
    EXPECT_FALSE(z.isModal());
    EXPECT_TRUE(z.button("ZamknijBtn")->isDefault());
    EXPECT_TRUE(z.warningBlinking());
    EXPECT_FALSE(z.editable()) << "no writing while the main window edits";
    EXPECT_FALSE(z.button("DodZalBtn")->isEnabled());
    EXPECT_FALSE(z.button("ZapiszBtn")->isEnabled());
    EXPECT_TRUE(accidentValue("CZASZAK").isNull()) << "still taken by the main window";
    z.ZamknijBtnClick();
    EXPECT_FALSE(z.warningBlinking());
    EXPECT_FALSE(z.book()->isOpen());
    EXPECT_EQ(0, count("SKWZALACZNIKI") + count("SKWPRZESLUCHANIE") + count("SKWPOLECENIE"));

    // Opened again, it closes when the main window returns to its list.
    w->DokumBtnClick();
    ASSERT_TRUE(z.isVisible());
    w->showSubPage(Register::AtWork, 0);
    EXPECT_FALSE(z.isVisible());
    EXPECT_FALSE(z.book()->isOpen());
    EXPECT_FALSE(accidentValue("CZASZAK").isNull()) << "given back by the main window";
}

// --- Showing ---------------------------------------------------------------------------

TEST_F(AttachmentsWindowTest, CaptionsFollowTheSettingsAndTheDocument) {
    admSettings().wyjasnieniePoszk = true;
    TZalacznikiForm& z = show();
    EXPECT_EQ("Wyjaśnienia/Informacje", z.tabs()->tabText(TZalacznikiForm::HearingTab));
    EXPECT_EQ("Wyjaśnienia poszkodowanego", z.hearingType()->itemText(0));
    EXPECT_EQ("Informacje uzyskane od świadka", z.hearingType()->itemText(1));
    z.reject();

    admSettings().wyjasnieniePoszk = false;
    show();
    EXPECT_EQ("Protokoły przesłuchań", z.tabs()->tabText(TZalacznikiForm::HearingTab));
    EXPECT_EQ("Przesłuchanie poszkodowanego", z.hearingType()->itemText(0));
    EXPECT_EQ("Przesłuchanie świadka", z.hearingType()->itemText(1));
    z.reject();

    // A non-employee's accident card, with the document's date.
    c().execute("UPDATE SKWPOSZKODOWANI SET RODZUMOWY = 2, DATAPROT = :d WHERE ID = :id",
                {{"d", QDateTime(QDate(2024, 5, 6), QTime(0, 0))}, {"id", person}});
    dm->reopenLists(Register::AtWork, id, person);
    admSettings().dataNaglZal = true;
    show();
    const QString card = dm->qrySKWPoszkodowani->field("nrKartyWyp_symbol").asString();
    EXPECT_EQ("Załączniki i dokumenty związane z kartą wypadku nr " + card + " z dnia " +
                  Formats::date(QDate(2024, 5, 6)),
              z.windowTitle());
    z.reject();
    admSettings().dataNaglZal = false;
    show();
    EXPECT_EQ("Załączniki i dokumenty związane z kartą wypadku nr " + card, z.windowTitle());
}

TEST_F(AttachmentsWindowTest, EveryFieldIsFoundByItsLabel) {
    TZalacznikiForm& z = show();
    z.show();
    for (int tab = 0; tab < 3; ++tab) {
        z.tabs()->setCurrentIndex(tab);
        z.DodZalBtnClick();
        QTabWidget* pages = tab == kHearing ? z.hearingPages() : tab == kOrder ? z.orderPages() : nullptr;
        for (int page = 0; page < (pages ? pages->count() : 1); ++page) {
            if (pages) pages->setCurrentIndex(page);
            EXPECT_EQ(QStringList(), accessibilityFaults(&z)) << tab << "/" << page;
        }
    }
    EXPECT_EQ("Dodaj załącznik", z.button("DodZalBtn")->accessibleName());
    EXPECT_EQ("Usuń załącznik", z.button("KasZalBtn")->accessibleName());
}

TEST_F(AttachmentsWindowTest, EveryFieldShowsItsWholeValue) {
    TZalacznikiForm& z = show();
    z.show();
    for (int tab = 0; tab < 3; ++tab) {
        z.tabs()->setCurrentIndex(tab);
        z.DodZalBtnClick();
    }
    z.tabs()->setCurrentIndex(kHearing);
    type(z, "epImNazw1", QStringLiteral("Tomasz Pawlak-Wiśniewski"));
    EXPECT_EQ("", pageFaults(&z, QStringLiteral("ZalacznikiForm")));
    EXPECT_TRUE(showsWhole(field(z, "epImNazw1"), field(z, "epImNazw1")->text()));
}

TEST_F(AttachmentsWindowTest, BoundControlsNameColumnsOfTheirTablesOnce) {
    TZalacznikiForm& z = show();
    const char* tables[] = {"SKWZALACZNIKI", "SKWPRZESLUCHANIE", "SKWPOLECENIE"};
    QSet<QString> seen;
    for (const BoundControl& b : z.binder().controls()) {
        const SelectorRule* r = z.binder().rule(b.selector);
        ASSERT_TRUE(r);
        EXPECT_TRUE(b.kind == BoundKind::Edit || b.kind == BoundKind::Memo) << b.widget->objectName().toStdString();
        const int kind = r->target == "own" ? 0 : r->target == "hearing" ? 1 : 2;
        if (!r->save) {
            EXPECT_EQ("e9Pesel", b.widget->objectName()) << "only the PESEL is shown without being saved";
            continue;
        }
        const QString key = r->target + "/" + b.column.toUpper();
        EXPECT_FALSE(seen.contains(key)) << key.toStdString();
        seen.insert(key);
        EXPECT_TRUE(value(QStringLiteral("SELECT COUNT(*) FROM RDB$RELATION_FIELDS WHERE RDB$RELATION_NAME = '%1' AND "
                                         "TRIM(RDB$FIELD_NAME) = '%2'")
                              .arg(QLatin1String(tables[kind]), b.column.toUpper()))
                        .toInt() == 1)
            << tables[kind] << "." << b.column.toStdString();
    }
    EXPECT_TRUE(seen.contains("order/PODTYTUL"));
    EXPECT_TRUE(seen.contains("order/TRESC"));
    EXPECT_TRUE(seen.contains("hearing/ZEZNANIE"));
    EXPECT_TRUE(seen.contains("own/OPIS"));
    EXPECT_FALSE(seen.contains("order/TYP")) << "the type has its own rule";
}

// --- Modes -------------------------------------------------------------------------------

TEST_F(AttachmentsWindowTest, AReadOnlyWindowWritesNothing) {
    {
        TZalacznikiForm& z = show();
        z.DodZalBtnClick();
        type(z, "ewTytul", "Stary tytuł");
        ASSERT_TRUE(z.ZapiszBtnClick());
        z.ZamknijBtnClick();
    }
    for (bool viaRight : {false, true}) {
        if (viaRight) {
            TPrawaDostepu rights;
            rights.AWYPADKI = 1;
            rights.WWydrZal = 1;
            Session::logIn(CurrentUser{1, "tester", "Jan", "Test", {}}, rights);
        }
        TZalacznikiForm& z = show(viaRight);
        EXPECT_FALSE(z.editable());
        EXPECT_FALSE(z.button("DodZalBtn")->isEnabled());
        EXPECT_FALSE(z.button("KasZalBtn")->isEnabled());
        EXPECT_FALSE(z.button("ZapiszBtn")->isEnabled());
        EXPECT_TRUE(z.button("ZamknijBtn")->isEnabled());
        EXPECT_EQ(viaRight, z.button("PreviewBtn")->isEnabled()) << "printing by its own right";
        EXPECT_EQ(viaRight, z.button("DrukBtn")->isEnabled());
        EXPECT_TRUE(field(z, "ewTytul")->isReadOnly());
        EXPECT_EQ("Stary tytuł", field(z, "ewTytul")->text());
        field(z, "ewTytul")->setText("Nowy");
        z.DodZalBtnClick();
        z.ZamknijBtnClick();
        EXPECT_EQ("Stary tytuł", own("TYTUL", 1).toString());
        EXPECT_EQ(1, count("SKWZALACZNIKI"));
    }
}

TEST_F(AttachmentsWindowTest, PrintingGoesToTheOnePrintingEntryPointOrIsReportedMissing) {
    TZalacznikiForm& z = show();
    z.tabs()->setCurrentIndex(TZalacznikiForm::HearingTab);
    z.DodZalBtnClick();
    z.PreviewBtnClick();
    EXPECT_EQ(AttachmentPrinting::missingMessage("WypZalPrzesl"), ui.lastText());
    AttachmentPrintRequest got;
    AttachmentPrinting::install([&](const AttachmentPrintRequest& r) { got = r; });
    z.findChild<QCheckBox*>("cbPuste")->setChecked(true);
    z.DrukBtnClick();
    EXPECT_EQ("WypZalPrzesl", got.kind);
    EXPECT_EQ(z.book()->currentId(kHearing), got.id);
    EXPECT_TRUE(got.blank);
    EXPECT_FALSE(got.preview);
}

// --- Messages ----------------------------------------------------------------------------

TEST_F(AttachmentsWindowTest, ABadDateIsRefusedAndNothingIsWritten) {
    TZalacznikiForm& z = show();
    z.tabs()->setCurrentIndex(TZalacznikiForm::HearingTab);
    z.DodZalBtnClick();
    type(z, "epNazwisko", "Nowak");
    type(z, "epDataUr", "2024-13-45");
    EXPECT_FALSE(z.ZapiszBtnClick());
    EXPECT_EQ("Zły format daty.", ui.lastText());
    EXPECT_TRUE(hearing("NAZWISKO", 1).isNull());
    EXPECT_TRUE(hearing("DATAUR", 1).isNull());
    EXPECT_FALSE(z.leaveDate(field(z, "epDataUr")));
    type(z, "epDataUr", Formats::date(QDate(1980, 2, 3)));
    EXPECT_TRUE(z.leaveDate(field(z, "epDataUr")));
    EXPECT_TRUE(z.ZapiszBtnClick()) << messages();
    EXPECT_EQ("Nowak", hearing("NAZWISKO", 1).toString());
    EXPECT_EQ(QDate(1980, 2, 3), hearing("DATAUR", 1).toDateTime().date());
}

TEST_F(AttachmentsWindowTest, DeletingAsksAndTemplatesComposeFromTheInjuredPerson) {
    TZalacznikiForm& z = show();
    z.tabs()->setCurrentIndex(TZalacznikiForm::OrderTab);
    z.DodZalBtnClick();
    ui.answers.push_back(MsgAnswer::No);
    z.KasZalBtnClick();
    EXPECT_EQ(" Czy na pewno usunąć wybrany załącznik?", ui.lastText());
    EXPECT_EQ(1, count("SKWPOLECENIE"));

    z.podTytulChosen(0);
    const QString text = memoOf(z, "mnPodTytul1")->toPlainText();
    EXPECT_TRUE(text.startsWith("W związku ze stwierdzonymi nieprawidłowościami, w wyniku których uległ(a) wypadkowi "
                                "przy pracy p. Anna Kowalska pracownik "))
        << text.toStdString();
    EXPECT_TRUE(text.contains(" oraz powołując się na ustalenia zespołu powypadkowego zawarte w pkt. 4 i 10 (przyczyny, "
                              "wnioski i środki profilaktyczne) Protokół Nr "));
    EXPECT_TRUE(text.endsWith(" ustalenia okoliczności i przyczyn wypadku przy pracy"));

    ui.answers.push_back(MsgAnswer::Yes);
    z.KasZalBtnClick();
    EXPECT_EQ(0, count("SKWPOLECENIE"));
    EXPECT_FALSE(z.detailShown(kOrder));
}

TEST_F(AttachmentsWindowTest, TemplatesAreForAccidentsAtWorkOnly) {
    // The attachments of a commuting accident.
    TZalacznikiForm& z = attachmentsWindow();
    DocumentWindows::Request r = request("TZalacznikiForm");
    r.record = RecordRef{Register::Commuting, id, 0};
    z.FormShow(r);
    z.tabs()->setCurrentIndex(TZalacznikiForm::OrderTab);
    z.DodZalBtnClick();
    memoOf(z, "mnPodTytul1")->setPlainText("bez zmian");
    z.podTytulChosen(0);
    EXPECT_EQ("Tylko dla wypadków przy pracy.", ui.lastText());
    EXPECT_EQ("bez zmian", memoOf(z, "mnPodTytul1")->toPlainText());
}

// --- Filling a hearing from the employee register ------------------------------------

namespace {

class AttachmentsPersonnelTest : public AttachmentsWindowTest {
protected:
    void beforeWindow() override {
        employeeRegister(c());
        admSettings().kzs = 1;
        admSettings().pozDoZatr = QStringLiteral("1");
    }
    QComboBox* list(TZalacznikiForm& z, const char* name) { return z.findChild<QComboBox*>(QString::fromLatin1(name)); }
    // The user's choice of an entry of a list, by the entry's text.
    void choose(TZalacznikiForm& z, const char* name, const QString& text) {
        QComboBox* c = list(z, name);
        ASSERT_TRUE(c) << name;
        const int i = c->findText(text, Qt::MatchStartsWith);
        ASSERT_GE(i, 0) << text.toStdString() << " is not in " << name;
        c->setCurrentIndex(i);
        emit c->activated(i);
    }
};

} // namespace

TEST_F(AttachmentsPersonnelTest, AHeardPersonIsChosenFromTheRegisterWithTheEntrysListsAndFilters) {
    TZalacznikiForm& z = show();
    z.tabs()->setCurrentIndex(TZalacznikiForm::HearingTab);
    z.DodZalBtnClick();
    // The employees, filtered by the beginning of the surname as on the injured-person entry.
    QComboBox* persons = list(z, "cbNazwisko");
    ASSERT_TRUE(persons);
    EXPECT_EQ(5, persons->count());
    z.findChild<QCheckBox*>("cbrzFiltrN")->setChecked(true);
    field(z, "e_FiltrN")->setText(QStringLiteral("Now"));
    z.findChild<QToolButton*>("bPokazN")->click();
    EXPECT_EQ(2, persons->count());
    // Jan Nowak has one employment: person, position and occupation copied, cut to
    // the hearing's columns.
    choose(z, "cbNazwisko", QStringLiteral("Nowak Jan"));
    EXPECT_EQ("Nowak", field(z, "epNazwisko")->text());
    EXPECT_EQ("Piotr", field(z, "epImOjca")->text());
    EXPECT_EQ("Kalisz", field(z, "epMiejsceUr")->text());
    EXPECT_EQ("80010112341", field(z, "e9Pesel")->text());
    EXPECT_EQ("722204", field(z, "epKodZawodu")->text());
    EXPECT_EQ("Ślusarz", field(z, "epZawod")->text());
    EXPECT_EQ("Tokarz", field(z, "epStanowSkrot")->text());
    type(z, "epImie", QStringLiteral("Janusz"));
    // The person already linked is not copied again: the typed name stays.
    choose(z, "cbNazwisko", QStringLiteral("Nowak Jan"));
    EXPECT_EQ("Janusz", field(z, "epImie")->text());
    // The occupations of the classification in force, with their filter.
    QComboBox* occupations = list(z, "cbZawod");
    ASSERT_TRUE(occupations);
    EXPECT_GE(occupations->findText(QStringLiteral("Ślusarz"), Qt::MatchContains), 0);
    z.findChild<QCheckBox*>("cb_Filtr")->setChecked(true);
    field(z, "e_Filtr")->setText(QStringLiteral("piekarz"));
    z.findChild<QToolButton*>("bPokaz")->click();
    EXPECT_EQ(-1, occupations->findText(QStringLiteral("Ślusarz"), Qt::MatchContains));
    field(z, "e_Filtr")->setText(QStringLiteral("ślus"));
    z.findChild<QToolButton*>("bPokaz")->click();
    choose(z, "cbZawod", occupations->itemText(0));
    EXPECT_EQ("722204", field(z, "epKodZawodu")->text());
    ASSERT_TRUE(z.ZapiszBtnClick()) << messages();
    EXPECT_EQ("Nowak", hearing("NAZWISKO", 1).toString());
    EXPECT_EQ("Janusz", hearing("IMIE", 1).toString());
    EXPECT_EQ(1, hearing("IDPRACOWNIKA", 1).toInt());
    EXPECT_EQ("722204", hearing("KODZAWODU", 1).toString());
    EXPECT_EQ("", messages());
}

TEST_F(AttachmentsWindowTest, TheTeamIsCopiedAndARejectedRowKeepsItsTextWhileTheOthersAreWritten) {
    c().execute("UPDATE SKWPOSZKODOWANI SET IMNAZWA = :a, FUNKCJAA = 'przewodniczący', IMNAZWB = 'Ewa Lis', "
                "FUNKCJAB = 'członek' WHERE ID = :id",
                {{"a", QString(81, QLatin1Char('a'))}, {"id", person}});
    dm->reopenLists(Register::AtWork, id, person);
    TZalacznikiForm& z = show();
    z.tabs()->setCurrentIndex(TZalacznikiForm::HearingTab);
    z.DodZalBtnClick();
    ui.answers.push_back(MsgAnswer::Yes);
    z.KopiujZespolClick();
    EXPECT_EQ(QString(80, QLatin1Char('a')), field(z, "epImNazw1")->text()) << "cut to the column";
    EXPECT_EQ("Ewa Lis", field(z, "epImNazw2")->text());
    EXPECT_EQ("członek", field(z, "epFunkcja2")->text());
    z.tabs()->setCurrentIndex(TZalacznikiForm::OrderTab);
    z.DodZalBtnClick();  // the hearing is saved on the way
    EXPECT_EQ("Ewa Lis", hearing("IMNAZW2", 1).toString());

    // The database rejects the order's text: one message, the hearing written, the
    // order's typed values kept, the window open.
    c().execute("CREATE EXCEPTION E_ATT_TEST 'odrzucone'");
    c().execute("CREATE TRIGGER T_ATT_TEST FOR SKWPOLECENIE BEFORE UPDATE AS BEGIN "
                "IF (NEW.SYMBOL = 'ODRZUC') THEN EXCEPTION E_ATT_TEST; END");
    type(z, "enSymbol", QStringLiteral("ODRZUC"));
    z.tabs()->setCurrentIndex(TZalacznikiForm::HearingTab);
    type(z, "epNazwisko", QStringLiteral("Zapisany"));
    ui.clear();
    EXPECT_FALSE(z.ZapiszBtnClick());
    ASSERT_EQ(1u, ui.shown.size()) << messages();
    EXPECT_TRUE(ui.shown[0].text.startsWith(QStringLiteral("Błąd przy zapisie danych !!!"))) << messages();
    EXPECT_EQ("Zapisany", hearing("NAZWISKO", 1).toString());
    EXPECT_TRUE(order("SYMBOL", 2).isNull());
    EXPECT_EQ("ODRZUC", field(z, "enSymbol")->text());
    // "Zamknij" stays open after a rejected save; corrected, it saves and closes.
    z.show();
    ui.clear();
    z.ZamknijBtnClick();
    EXPECT_TRUE(z.isVisible());
    type(z, "enSymbol", QStringLiteral("P/1"));
    z.ZamknijBtnClick();
    EXPECT_FALSE(z.isVisible());
    EXPECT_EQ("P/1", order("SYMBOL", 2).toString());
}

TEST_F(AttachmentsPersonnelTest, APersonWithSeveralEmploymentsOrNoneFillsTheEmploymentAsTheEntryDoes) {
    TZalacznikiForm& z = show();
    z.tabs()->setCurrentIndex(TZalacznikiForm::HearingTab);
    z.DodZalBtnClick();
    // Two employments: the choice window; the second one (the store) is taken.
    {
        ModalAnswer answer([&]() {
            TDanPoszkodForm& f = danPoszkodForm();
            QListWidget* l = f.list();
            ASSERT_EQ(2, l->count());
            QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(1)).center());
            f.findChild<QPushButton*>(QStringLiteral("ZamknijBtn"))->click();
        });
        choose(z, "cbNazwisko", QStringLiteral("Kowalska Anna"));
    }
    EXPECT_EQ("Kowalska", field(z, "epNazwisko")->text());
    EXPECT_EQ("Magazynier", field(z, "epStanowSkrot")->text());
    EXPECT_EQ("Magazyn", field(z, "epStruktSkrot")->text());
    // No employment: the employment fields emptied, the position and seniority 0.
    choose(z, "cbNazwisko", QStringLiteral("Wiśniewski Piotr"));
    EXPECT_EQ("Wiśniewski", field(z, "epNazwisko")->text());
    EXPECT_EQ("", field(z, "epStanowSkrot")->text().toStdString());
    EXPECT_EQ("", field(z, "epKodZawodu")->text().toStdString());
    EXPECT_EQ("0", field(z, "epStaz")->text());
    ASSERT_TRUE(z.ZapiszBtnClick()) << messages();
    EXPECT_EQ(3, hearing("IDPRACOWNIKA", 1).toInt());
    EXPECT_TRUE(hearing("STANOWSKROT", 1).isNull());
}
