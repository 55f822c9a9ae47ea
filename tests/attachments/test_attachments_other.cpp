// The attachments window of an officer's protocol on a real database, offscreen, in the
// variant for uniformed services: opened from the main window, hearings, inspections
// and own attachments added, typed, filled, moved between, saved, deleted and closed,
// checked against the database after each step.
#include "attachments/ZalacznikiForm.h"
#include "attachments/ZalacznikiForm_Policja.h"
#include "core/Formats.h"
#include "register/OtherRegisterFixture.h"
#include "support/AccessibleWalk.h"
#include "support/ModalDriver.h"
#include "ui/AttachmentPrinting.h"
#include "ui/DictionaryCombos.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>
#include <QToolButton>

using namespace zort;
using namespace zort::test;

namespace {

using Z = TZalacznikiForm_Policja;
const QString kLong82 = QStringLiteral("Zbigniew ") + QString(73, QLatin1Char('x'));

class OtherAttachmentsTest : public OtherRegisterTest {
protected:
    void SetUp() override {
        OtherRegisterTest::SetUp();
        registerAttachmentWindows();
        addAccident();
        w->showSubPage(Register::Other, 0);
        c().execute("UPDATE WYPOPER_POSZKODOWANI SET NAZWISKO = 'Mazur', IMIE = 'Adam', IMOJCA = 'Jan', "
                    "STOPSL = 'sierżant', DATAUR = '1985-03-04', MIEJSCEUR = 'Radom', MIEJSCOW = 'Modrzewo', "
                    "WOJEW = 'mazowieckie', ULICA = 'Polna', NRUL = '3', NRMIESZ = '4', KODPOCZ = '26-600', "
                    "IMNAZW1 = :n1, IMNAZW2 = 'Iwona Sobczak', IMNAZW3 = 'Ewa Lis', IMNAZW4 = 'Piotr Kot', "
                    "FUNKCJA1 = 'przewodniczący', FUNKCJA2 = 'członek', FUNKCJA3 = 'sekretarz', "
                    "DATAPROT = '2024-05-06' WHERE ID = :id",
                    {{"n1", kLong82}, {"id", officer}});
        dm->reopenLists(Register::Other, accident, officer);
        ui.clear();
    }
    void TearDown() override {
        if (auto* z = Forms::get<Z>(QStringLiteral("TZalacznikiForm_Policja"))) z->reject();
        AttachmentPrinting::uninstall();
        DocumentWindows::remove(QStringLiteral("TZalacznikiForm_Policja"));
        DocumentWindows::remove(QStringLiteral("TZalacznikiForm"));
        OtherRegisterTest::TearDown();
    }
    DocumentWindows::Request request(bool editable = true, bool onListPage = true) {
        DocumentWindows::Request r{QStringLiteral("TZalacznikiForm_Policja"), editable, w};
        r.onListPage = onListPage;
        r.record = RecordRef{Register::Other, accident, officer};
        return r;
    }
    Z& show(bool editable = true) {
        Z& z = otherAttachmentsWindow();
        z.FormShow(request(editable));
        return z;
    }
    static QLineEdit* field(Z& z, const char* name) { return z.findChild<QLineEdit*>(QString::fromLatin1(name)); }
    static void type(Z& z, const char* name, const QString& text) {
        QLineEdit* e = field(z, name);
        ASSERT_TRUE(e) << name;
        e->setText(text);
        emit e->textEdited(text);
    }
    static void typeMemo(Z& z, const char* name, const QString& text) {
        auto* m = z.findChild<QPlainTextEdit*>(QString::fromLatin1(name));
        ASSERT_TRUE(m) << name;
        m->setPlainText(text);
    }
    static void choose(QComboBox* list, const QString& text) {
        const int i = list->findText(text, Qt::MatchStartsWith);
        ASSERT_GE(i, 0) << text.toStdString();
        list->setCurrentIndex(i);
        emit list->activated(i);
    }
    QVariant at(const char* table, const char* column, int number) {
        const bool own = QByteArray(table) == "WYPOPER_ZALACZNIKI";
        return value(QStringLiteral("SELECT %1 FROM %2 WHERE IDWYPADKU = :a AND IDPROTOKOLU = :p AND %3 = :n")
                         .arg(QLatin1String(column), QLatin1String(table), own ? QStringLiteral("ID") : QStringLiteral("NUMER")),
                     {{"a", accident}, {"p", officer}, {"n", number}});
    }
    QVariant hearing(const char* column, int number) { return at("WYPOPER_PRZESLUCHANIE", column, number); }
    QVariant inspection(const char* column, int number) { return at("WYPOPER_OGLEDZINY", column, number); }
    QVariant own(const char* column, int number) { return at("WYPOPER_ZALACZNIKI", column, number); }
    // The numbers of the owner's rows of each table: "P1,P4|O2|W3".
    QString numbers() {
        QStringList parts;
        for (const auto& [table, letter, column] : {std::tuple{"WYPOPER_PRZESLUCHANIE", "P", "NUMER"},
                                                    std::tuple{"WYPOPER_OGLEDZINY", "O", "NUMER"},
                                                    std::tuple{"WYPOPER_ZALACZNIKI", "W", "ID"}}) {
            QStringList n;
            c().read(QStringLiteral("SELECT %1 FROM %2 WHERE IDWYPADKU = :a AND IDPROTOKOLU = :p ORDER BY 1")
                         .arg(QLatin1String(column), QLatin1String(table)),
                     {{"a", accident}, {"p", officer}}, [&](QSqlQuery& q) {
                         while (q.next()) n << QLatin1String(letter) + q.value(0).toString();
                     });
            parts << n.join(QLatin1Char(','));
        }
        return parts.join(QLatin1Char('|'));
    }
    // Every row of the database that is none of the owner's attachments.
    QStringList everythingElse() {
        QStringList out = rowsBut(accident);
        for (const char* t : {"WYPOPER_PRZESLUCHANIE", "WYPOPER_OGLEDZINY", "WYPOPER_ZALACZNIKI"})
            out << QString::number(value(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE IDWYPADKU <> :a")
                                             .arg(QLatin1String(t)),
                                         {{"a", accident}})
                                       .toInt());
        out << withoutTakesOf(row("WYPOPER_WYPADKI", accident)).values() << row("WYPOPER_POSZKODOWANI", officer).values();
        return out;
    }
};

} // namespace

// --- A user's sequence ---------------------------------------------------------------

TEST_F(OtherAttachmentsTest, FromTheListAHearingAnInspectionAndAnOwnAttachmentAreAddedSavedMovedDeletedAndClosed) {
    const QStringList others = everythingElse();
    bool ran = false;
    ModalAnswer answer([&]() {
        auto* z = qobject_cast<Z*>(QApplication::activeModalWidget());
        ASSERT_TRUE(z);
        ran = true;
        ui.clear();
        const QString number = dm->readRecord(RecordRef{Register::Other, accident, officer})
                                   .person->field("nrProt_symbol")
                                   .asString();
        EXPECT_EQ("Załączniki i dokumenty związane z protokołem powypadkowym nr " + number + " z dnia " +
                      Formats::date(QDate(2024, 5, 6)),
                  z->windowTitle());
        EXPECT_EQ(Z::HearingTab, z->tabs()->currentIndex());
        EXPECT_EQ(3000, z->helpContext());
        EXPECT_TRUE(accidentColumn("CZASZAK").isNull()) << "taken while the window is open";
        EXPECT_FALSE(z->detailShown(Z::kHearing));

        // A hearing: number 1, shown on "cz. 1"; a member of the commission in row 2.
        z->DodZalBtnClick();
        EXPECT_EQ("P1||", numbers());
        EXPECT_EQ(-1, hearing("TYP", 1).toInt());
        EXPECT_EQ(0, z->hearingPages()->currentIndex());
        type(*z, "efMiejsceSp", "Modrzewo");
        type(*z, "efDataSp", "2024-05-07");
        choose(z->commissionPicker(2), "Iwona Sobczak");
        EXPECT_EQ("Iwona Sobczak", field(*z, "efImNazw2")->text());
        EXPECT_EQ("specjalista ds. bhp", field(*z, "efFunkcja2")->text()) << "the post, not the rank";
        // The officer heard: copied on "yes".
        z->hearingPages()->setCurrentIndex(1);
        z->hearingType()->button(0)->click();
        EXPECT_EQ(QStringList{QStringLiteral(" Czy skopiować odpowiednie dane poszkodowanego do formularza osoby przesłuchiwanej?")},
                  ui.texts());
        EXPECT_EQ("Mazur", field(*z, "efNazwisko")->text());
        EXPECT_EQ("sierżant", field(*z, "efStopienSl")->text());
        EXPECT_EQ(Formats::date(QDate(1985, 3, 4)), field(*z, "efDataUr")->text());
        EXPECT_EQ("", field(*z, "efPesel")->text()) << "no PESEL, document, relation or employment";
        typeMemo(*z, "mfZEZNANIE", "Podjąłem interwencję.\nDruga linia.");

        // An inspection: number 2; the hearing written first.
        z->tabs()->setCurrentIndex(Z::InspectionTab);
        z->DodZalBtnClick();
        EXPECT_EQ("P1|O2|", numbers());
        EXPECT_EQ("Modrzewo", hearing("MIEJSCESP", 1).toString());
        EXPECT_EQ(QDateTime(QDate(2024, 5, 7), QTime(0, 0)), hearing("DATASP", 1).toDateTime());
        EXPECT_EQ("Iwona Sobczak", hearing("IMNAZW2", 1).toString());
        EXPECT_EQ("specjalista ds. bhp", hearing("FUNKCJA2", 1).toString());
        EXPECT_EQ("Mazur", hearing("NAZWISKO", 1).toString());
        EXPECT_EQ("sierżant", hearing("STOPIENSL", 1).toString());
        EXPECT_EQ(QDateTime(QDate(1985, 3, 4), QTime(0, 0)), hearing("DATAUR", 1).toDateTime());
        EXPECT_EQ("Podjąłem interwencję.\r\nDruga linia.", hearing("ZEZNANIE", 1).toString());
        EXPECT_EQ(0, hearing("TYP", 1).toInt());
        EXPECT_TRUE(hearing("PESEL", 1).isNull());
        EXPECT_TRUE(inspection("RODZOGL", 2).isNull());
        // Its kind on "cz. 1", mirrored on "cz. 2. ", and back.
        z->inspectionKind()->button(1)->click();
        EXPECT_EQ(1, z->inspectionKindMirror()->itemIndex());
        z->inspectionKindMirror()->button(0)->click();
        EXPECT_EQ(0, z->inspectionKind()->itemIndex());
        type(*z, "eoCzasOd", "10:15");
        typeMemo(*z, "moPRZEBIEG4", "Obejrzano chodnik.");

        // An own attachment: number 3.
        z->tabs()->setCurrentIndex(Z::OwnTab);
        z->DodZalBtnClick();
        EXPECT_EQ("P1|O2|W3", numbers());
        EXPECT_EQ(0, inspection("RODZOGL", 2).toInt());
        EXPECT_EQ("10:15", inspection("CZASOD", 2).toString());
        EXPECT_EQ("Obejrzano chodnik.", inspection("PRZEBIEG", 2).toString());
        type(*z, "ewTytul", "Notatka \"służbowa\" O'Brien");
        EXPECT_TRUE(z->ZapiszBtnClick());
        EXPECT_EQ("Notatka \"służbowa\" O'Brien", own("TYTUL", 3).toString());

        // A second hearing is current when added; moving to the first saves it.
        z->tabs()->setCurrentIndex(Z::HearingTab);
        z->DodZalBtnClick();
        EXPECT_EQ("P1,P4|O2|W3", numbers());
        EXPECT_EQ(4, int(z->book()->list(Z::kHearing)->field("NUMER").asInt()));
        EXPECT_EQ("", field(*z, "efNazwisko")->text());
        type(*z, "efNazwisko", "Wiśniewski");
        ASSERT_TRUE(z->moveTo(Z::kHearing, 0));
        EXPECT_EQ("Wiśniewski", hearing("NAZWISKO", 4).toString());
        EXPECT_EQ("Mazur", field(*z, "efNazwisko")->text());

        // The inspection deleted after the question; its detail hidden.
        z->tabs()->setCurrentIndex(Z::InspectionTab);
        ui.clear();
        z->KasZalBtnClick();
        EXPECT_EQ(QStringList{QStringLiteral(" Czy na pewno usunąć wybrany załącznik?")}, ui.texts());
        EXPECT_EQ("P1,P4||W3", numbers());
        EXPECT_FALSE(z->detailShown(Z::kInspection));
        z->ZamknijBtnClick();
    });
    w->button("DokumBtn")->trigger();  // "Załączn."
    ASSERT_TRUE(ran);
    EXPECT_FALSE(otherAttachmentsWindow().isVisible());
    EXPECT_EQ("P1,P4||W3", numbers());
    EXPECT_FALSE(accidentColumn("CZASZAK").isNull()) << "given back after closing";
    EXPECT_EQ(others, everythingElse());
}

// Opened from an entry page that holds the accident: editable, and the accident stays taken.
TEST_F(OtherAttachmentsTest, FromAnEntryPageTheMainWindowKeepsItsTake) {
    w->showSubPage(Register::Other, 1);
    ASSERT_TRUE(w->session(Register::Other).editing());
    ModalAnswer answer([&]() {
        auto* z = qobject_cast<Z*>(QApplication::activeModalWidget());
        ASSERT_TRUE(z);
        EXPECT_TRUE(z->editable());
        z->DodZalBtnClick();
        z->ZamknijBtnClick();
    });
    w->button("DokumBtn")->trigger();
    EXPECT_EQ("P1||", numbers());
    EXPECT_TRUE(accidentColumn("CZASZAK").isNull());
    EXPECT_EQ("STACJA-A", accidentColumn("COMPNAME").toString().trimmed());
    EXPECT_TRUE(w->session(Register::Other).editing());
}

// --- Bad input and failures ----------------------------------------------------------------

TEST_F(OtherAttachmentsTest, ABadDateWritesNothingARefusedTextOrRowWritesTheOthers) {
    Z& z = show();
    for (int tab : {Z::OwnTab, Z::InspectionTab, Z::HearingTab}) {
        z.tabs()->setCurrentIndex(tab);
        z.DodZalBtnClick();
    }
    type(z, "ewTytul", "Tytuł");
    type(z, "eoCzasOd", "9:00");
    type(z, "efNazwisko", "Nowak");
    type(z, "efDataP", "31.02.2024");
    EXPECT_FALSE(z.ZapiszBtnClick());
    EXPECT_EQ(QStringList{QStringLiteral("Zły format daty.")}, ui.texts());
    EXPECT_TRUE(own("TYTUL", 1).isNull());
    EXPECT_TRUE(inspection("CZASOD", 2).isNull());
    EXPECT_TRUE(hearing("NAZWISKO", 3).isNull());
    EXPECT_EQ("Tytuł", field(z, "ewTytul")->text());
    EXPECT_EQ("31.02.2024", field(z, "efDataP")->text());
    EXPECT_EQ(Z::HearingTab, z.tabs()->currentIndex());

    // A character outside Windows-1250: named; the other kinds written.
    ui.clear();
    type(z, "efDataP", "2024-05-08");
    type(z, "efStosDoStr", QStringLiteral("świadek ✓"));
    EXPECT_FALSE(z.ZapiszBtnClick());
    ASSERT_EQ(1u, ui.shown.size());
    EXPECT_TRUE(ui.lastText().contains("Stosunek do stron")) << ui.lastText().toStdString();
    EXPECT_TRUE(hearing("NAZWISKO", 3).isNull());
    EXPECT_EQ("Tytuł", own("TYTUL", 1).toString());
    EXPECT_EQ("9:00", inspection("CZASOD", 2).toString());
    EXPECT_EQ("świadek ✓", field(z, "efStosDoStr")->text());

    // An UPDATE a trigger rejects, and a row deleted elsewhere: one message each.
    type(z, "efStosDoStr", "świadek");
    c().execute("CREATE EXCEPTION E_NIE 'Zapis zablokowany'");
    c().execute("CREATE TRIGGER T_NIE FOR WYPOPER_OGLEDZINY BEFORE UPDATE AS BEGIN EXCEPTION E_NIE; END");
    type(z, "eoCzasDo", "11:00");
    ui.clear();
    EXPECT_FALSE(z.ZapiszBtnClick());
    EXPECT_EQ(1u, ui.shown.size());
    EXPECT_TRUE(ui.lastText().startsWith("Błąd przy zapisie danych !!!")) << ui.lastText().toStdString();
    EXPECT_TRUE(inspection("CZASDO", 2).isNull());
    EXPECT_EQ("świadek", hearing("STOSDOSTR", 3).toString());
    c().execute("DROP TRIGGER T_NIE");
    c().execute("DELETE FROM WYPOPER_ZALACZNIKI WHERE IDPROTOKOLU = :p", {{"p", officer}});
    type(z, "ewTytul", "Inny");
    ui.clear();
    EXPECT_FALSE(z.ZapiszBtnClick());
    EXPECT_EQ(1u, ui.shown.size());
    EXPECT_EQ("11:00", inspection("CZASDO", 2).toString());
    EXPECT_EQ(0, value("SELECT COUNT(*) FROM WYPOPER_ZALACZNIKI").toInt());
}

// --- Saving ----------------------------------------------------------------------------------

TEST_F(OtherAttachmentsTest, DatesTextsKindsAndTypesAsStored) {
    Z& z = show();
    z.tabs()->setCurrentIndex(Z::InspectionTab);
    z.DodZalBtnClick();
    // A kind chosen alone is stored; then the six texts and the times.
    z.inspectionKind()->button(1)->click();
    ASSERT_TRUE(z.ZapiszBtnClick());
    EXPECT_EQ(1, inspection("RODZOGL", 1).toInt());
    const char* memos[] = {"moRODZOGL_OPIS1", "moSTWIERDZONO2", "moUCZESTNICY3",
                           "moPRZEBIEG4", "moUTRWALENIE5", "moZabezpieczono6"};
    const char* columns[] = {"RODZOGL_OPIS", "STWIERDZONO", "UCZESTNICY", "PRZEBIEG", "UTRWALENIE", "ZABEZPIECZONO"};
    for (int i = 0; i < 6; ++i) {
        typeMemo(z, memos[i], QString::fromLatin1(columns[i]).toLower() + " 'x'");
        EXPECT_EQ(600, static_cast<MemoEdit*>(z.findChild<QPlainTextEdit*>(memos[i]))->maxLength());
    }
    type(z, "eoCzasOd", "o świcie");
    type(z, "eoCzasDo", "12.30");
    type(z, "eoDataSp", "2024-05-09");
    ASSERT_TRUE(z.ZapiszBtnClick());
    for (const char* c : columns) EXPECT_EQ(QString::fromLatin1(c).toLower() + " 'x'", inspection(c, 1).toString()) << c;
    EXPECT_EQ("o świcie", inspection("CZASOD", 1).toString());
    EXPECT_EQ("12.30", inspection("CZASDO", 1).toString());
    EXPECT_EQ(QDateTime(QDate(2024, 5, 9), QTime(0, 0)), inspection("DATASP", 1).toDateTime());

    // Emptied by the user: stored empty.
    for (const char* m : memos) typeMemo(z, m, QString());
    for (const char* e : {"eoCzasOd", "eoCzasDo", "eoDataSp"}) type(z, e, QString());
    z.inspectionKind()->setItemIndex(-1);
    ASSERT_TRUE(z.ZapiszBtnClick());
    EXPECT_TRUE(inspection("PRZEBIEG", 1).isNull());
    EXPECT_TRUE(inspection("CZASOD", 1).isNull());
    EXPECT_EQ(1, inspection("RODZOGL", 1).toInt()) << "a kind is never unchosen";

    // A hearing: its dates, a type chosen alone, the employee link untouched.
    z.tabs()->setCurrentIndex(Z::HearingTab);
    z.DodZalBtnClick();
    c().execute("UPDATE WYPOPER_PRZESLUCHANIE SET IDPRACOWNIKA = 77");
    z.hearingType()->button(1)->click();
    EXPECT_TRUE(z.ZapiszBtnClick());
    EXPECT_EQ(1, hearing("TYP", 2).toInt());
    z.hearingType()->setItemIndex(-1);
    type(z, "efDataSp", "2024-05-01");
    type(z, "efDataP", "2024-05-02");
    type(z, "efDataUr", "1990-12-31");
    ASSERT_TRUE(z.ZapiszBtnClick());
    EXPECT_EQ(QDateTime(QDate(2024, 5, 1), QTime(0, 0)), hearing("DATASP", 2).toDateTime());
    EXPECT_EQ(QDateTime(QDate(2024, 5, 2), QTime(0, 0)), hearing("DATAP", 2).toDateTime());
    EXPECT_EQ(QDateTime(QDate(1990, 12, 31), QTime(0, 0)), hearing("DATAUR", 2).toDateTime());
    EXPECT_EQ(77, hearing("IDPRACOWNIKA", 2).toInt());
    z.DodZalBtnClick();
    type(z, "efNazwisko", "Typ");
    ASSERT_TRUE(z.ZapiszBtnClick());
    EXPECT_EQ(0, hearing("TYP", 3).toInt()) << "-1 is stored as 0";
}

// --- Filling ---------------------------------------------------------------------------------

TEST_F(OtherAttachmentsTest, APersonOfTheRegisterTheCommissionCopiesAndClearing) {
    c().execute("UPDATE ODANOS SET PESEL = '8001011234199' WHERE IDOSOBY = 1");
    Z& z = show();
    z.show();
    z.DodZalBtnClick();
    z.hearingPages()->setCurrentIndex(1);
    type(z, "efWydanyDo", "Prezydent Miasta");
    type(z, "efStosDoStr", "brak");
    QComboBox* persons = z.findChild<QComboBox*>("cbNazwisko");
    auto choosePersonById = [&](int id) {
        for (int i = 0; i < persons->count(); ++i)
            if (entryId(comboObject(persons, i)) == id) {
                persons->setCurrentIndex(i);
                emit persons->activated(i);
                return;
            }
        ADD_FAILURE() << "person " << id;
    };
    choosePersonById(1);  // an identity card, one employment
    EXPECT_EQ("Nowak", field(z, "efNazwisko")->text());
    EXPECT_EQ("80010112341", field(z, "efPesel")->text()) << "cut to its column";
    EXPECT_EQ(field(z, "efPesel")->text(), field(z, "e9Pesel")->text());
    EXPECT_EQ("aspirant", field(z, "efStopienSl")->text());
    EXPECT_EQ("ABC123456", field(z, "efNrSeriaDo")->text());
    EXPECT_EQ("P1", field(z, "efStanowKod")->text());
    EXPECT_EQ("3", field(z, "efIdStanow")->text());
    EXPECT_EQ("Tokarz", field(z, "efStanowSkrot")->text());
    EXPECT_EQ("Prezydent Miasta", field(z, "efWydanyDo")->text());
    EXPECT_EQ("brak", field(z, "efStosDoStr")->text());
    choosePersonById(3);  // another document, no employment
    EXPECT_EQ("Wiśniewski", field(z, "efNazwisko")->text());
    EXPECT_EQ("", field(z, "efNrSeriaDo")->text());
    EXPECT_EQ("0", field(z, "efIdStanow")->text());
    EXPECT_EQ("", field(z, "efStanowKod")->text());
    ASSERT_TRUE(z.ZapiszBtnClick());
    EXPECT_EQ(0, hearing("IDSTANOW", 1).toInt());
    EXPECT_FALSE(hearing("IDSTANOW", 1).isNull());

    // Clearing the position, then the person (by the keyboard as well).
    QTest::mouseDClick(field(z, "efStanowKod"), Qt::LeftButton);
    EXPECT_EQ("", field(z, "efIdStanow")->text());
    QTest::keyClick(field(z, "e9Pesel"), Qt::Key_Delete);
    EXPECT_EQ("", field(z, "efNazwisko")->text());
    EXPECT_EQ("", field(z, "efPesel")->text());
    EXPECT_EQ("brak", field(z, "efStosDoStr")->text());
    ASSERT_TRUE(z.ZapiszBtnClick());
    EXPECT_TRUE(hearing("IDSTANOW", 1).isNull());
    EXPECT_TRUE(hearing("NAZWISKO", 1).isNull());

    // Both copies of the commission leave the fourth function; names cut to 80.
    type(z, "efFunkcja4", "czwarta");
    ui.clear();
    z.bKopiujClick();
    EXPECT_EQ(1u, ui.shown.size());
    EXPECT_EQ(kLong82.left(80), field(z, "efImNazw1")->text());
    EXPECT_EQ("Piotr Kot", field(z, "efImNazw4")->text());
    EXPECT_EQ("sekretarz", field(z, "efFunkcja3")->text());
    EXPECT_EQ("czwarta", field(z, "efFunkcja4")->text());
    EXPECT_TRUE(z.commissionPicker(2)->currentText().startsWith("Iwona Sobczak")) << "positioned on the copied name";
    EXPECT_EQ(-1, z.commissionPicker(3)->currentIndex()) << "no member of that name";
    // A member added to the commission's dictionary: the pickers follow, and the
    // choice copies the name whole up to its column and the post, not the rank.
    c().execute("INSERT INTO WYPOPER_KOMISJAPOWYPAD (ID, IMNAZW, FUNKCJA, STANOW) VALUES (0, :n, 'podinspektor', 'naczelnik')",
                {{"n", QStringLiteral("Zenon Żak") + QString(72, QLatin1Char('x'))}});
    emit dm->commissionChanged();
    choose(z.commissionPicker(3), "Zenon Żak");
    EXPECT_EQ((QStringLiteral("Zenon Żak") + QString(72, QLatin1Char('x'))).left(80), field(z, "efImNazw3")->text());
    EXPECT_EQ("naczelnik", field(z, "efFunkcja3")->text());
    type(z, "efImNazw3", "Ewa Lis");
    type(z, "efFunkcja3", "sekretarz");
    z.tabs()->setCurrentIndex(Z::InspectionTab);
    z.DodZalBtnClick();
    type(z, "eoFunkcja4", "czwarta");
    z.bKopiuj2Click();
    EXPECT_EQ("Ewa Lis", field(z, "eoImNazw3")->text());
    EXPECT_EQ("czwarta", field(z, "eoFunkcja4")->text());
    ASSERT_TRUE(z.ZapiszBtnClick());
    EXPECT_EQ(kLong82.left(80), inspection("IMNAZW1", 2).toString());
    EXPECT_EQ(kLong82.left(80), hearing("IMNAZW1", 1).toString());
}

// --- Modes -----------------------------------------------------------------------------------

TEST_F(OtherAttachmentsTest, AReadOnlyWindowWritesNothingAndPrintingHandsOverTheRow) {
    {
        Z& z = show();
        z.DodZalBtnClick();
        type(z, "efNazwisko", "Stary");
        z.ZamknijBtnClick();
    }
    EXPECT_EQ("Stary", hearing("NAZWISKO", 1).toString());
    Z& z = show(false);
    EXPECT_FALSE(z.editable());
    EXPECT_TRUE(field(z, "efNazwisko")->isReadOnly());
    EXPECT_FALSE(z.button("DodZalBtn")->isEnabled());
    EXPECT_FALSE(z.button("ZapiszBtn")->isEnabled());
    EXPECT_FALSE(z.findChild<QToolButton*>("bKopiuj")->isEnabled());
    EXPECT_FALSE(z.commissionPicker(1)->isEnabled());
    field(z, "efNazwisko")->setText("Nowy");
    z.ZamknijBtnClick();
    EXPECT_EQ("Stary", hearing("NAZWISKO", 1).toString());

    // Closed by the title bar: nothing written, the lists closed.
    z.FormShow(request());
    z.show();
    type(z, "efNazwisko", "Z paska");
    z.close();
    EXPECT_EQ("Stary", hearing("NAZWISKO", 1).toString());
    EXPECT_FALSE(dm->attachmentSaveOnMove());
    EXPECT_FALSE(z.book()->isOpen());

    // "Podgląd": the kind, the row and the blank flag; without the form, reported missing.
    z.FormShow(request());
    ui.clear();
    z.findChild<QCheckBox*>("cbPuste")->setChecked(true);
    z.PreviewBtnClick();
    EXPECT_EQ(QStringList{AttachmentPrinting::missingMessage("WypZalPrzeslPol")}, ui.texts());
    AttachmentPrintRequest asked;
    AttachmentPrinting::install([&](const AttachmentPrintRequest& r) { asked = r; });
    z.DrukBtnClick();
    EXPECT_EQ("WypZalPrzeslPol", asked.kind);
    EXPECT_EQ(z.book()->currentId(Z::kHearing), asked.id);
    EXPECT_TRUE(asked.blank);
    EXPECT_FALSE(asked.preview);
    z.reject();
}

TEST_F(OtherAttachmentsTest, EveryControlIsFoundByItsLabelAndTheTabsAreColoured) {
    Z& z = show();
    z.show();
    // A hearing added by the name of its button alone, as a screen reader does.
    std::function<QAccessibleInterface*(QAccessibleInterface*)> named = [&](QAccessibleInterface* i) -> QAccessibleInterface* {
        if (!i) return nullptr;
        if (i->role() == QAccessible::Button && i->text(QAccessible::Name) == QStringLiteral("Dodaj załącznik")) return i;
        for (int c = 0; c < i->childCount(); ++c)
            if (QAccessibleInterface* found = named(i->child(c))) return found;
        return nullptr;
    };
    QAccessibleInterface* add = named(QAccessible::queryAccessibleInterface(&z));
    ASSERT_TRUE(add && add->actionInterface());
    add->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTest::qWait(400);  // a pressed button clicks after its animation
    EXPECT_EQ("P1||", numbers());
    for (int tab : {Z::HearingTab, Z::InspectionTab, Z::OwnTab}) {
        z.tabs()->setCurrentIndex(tab);
        if (tab != Z::HearingTab) z.DodZalBtnClick();
        QTabWidget* pages = tab == Z::HearingTab ? z.hearingPages() : tab == Z::InspectionTab ? z.inspectionPages() : nullptr;
        for (int page = 0; page < (pages ? pages->count() : 1); ++page) {
            if (pages) pages->setCurrentIndex(page);
            EXPECT_EQ(QStringList(), accessibilityFaults(&z)) << tab << "/" << page;
            EXPECT_EQ(3000, z.helpContext());
        }
    }
    EXPECT_EQ("Dodaj załącznik", z.button("DodZalBtn")->accessibleName());
    EXPECT_EQ("Usuń załącznik", z.button("KasZalBtn")->accessibleName());
    EXPECT_TRUE(z.hearingPages()->tabBar()->styleSheet().contains("#e9ccc0"));
    // The fields that never bind.
    for (const BoundControl& b : z.binder().controls())
        for (const char* never : {"e9Pesel", "rg_RODZOGL", "e_zFiltrN", "rgfTYP", "cbNazwisko"})
            EXPECT_NE(QString::fromLatin1(never), b.widget->objectName());
}

