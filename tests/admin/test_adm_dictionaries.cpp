// The dictionary pages of the administration window on a real database: the diseases
// with their entry window, the post-accident team and commission, the short
// descriptions and the sort orders of the lists, and what a view-only user may do.
#include "admin/AChorForm.h"
#include "support/FieldWidths.h"
#include "admin/AdmDictionaryPages.h"
#include "admin/AdmForm.h"
#include "core/MyIniFile.h"
#include "register/MainWindowFixture.h"
#include "support/ModalDriver.h"

#include <QComboBox>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

namespace zort::test {
namespace {

class AdmDictionaryTest : public MainWindowTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(iniDir.isValid());
        ini = std::make_unique<TMyIniFile>(iniDir.path() + QStringLiteral("/kwel.ini"));
        setAppIni(ini.get());
        start(right());
        if (uniformed()) appContext().uniformedServices = true;
        seed();
        adm = std::make_unique<TAdmForm_W>();
    }
    void TearDown() override {
        adm.reset();
        MainWindowTest::TearDown();
        setAppIni(nullptr);
    }
    virtual int right() const { return 2; }
    virtual bool uniformed() const { return true; }

    void exec(const QString& sql, const Params& p = {}) { c().execute(sql, p); }
    void seed() {
        exec(QStringLiteral("INSERT INTO SKWCHORL4G (ID, NAZWA) VALUES (1, 'Choroby zakaźne')"));
        exec(QStringLiteral("INSERT INTO SKWCHORL4G (ID, NAZWA) VALUES (2, 'Nowotwory')"));
        disease(11, 1, "A01", "Dur brzuszny");
        disease(12, 1, "A00", "Cholera");
        exec(QStringLiteral("INSERT INTO SKWZESPPOWYPADKOWY (ID, IMNAZW, FUNKCJA) VALUES (1, 'Jan Kowalski', 'Inspektor BHP')"));
        exec(QStringLiteral("INSERT INTO SKWZESPPOWYPADKOWY (ID, IMNAZW, FUNKCJA) VALUES (2, 'Anna Nowak', 'Społeczny inspektor')"));
        dm->AChorL4GQry->refresh();
        // The main window's pickers as the start of the run fills them.
        emit dm->diseasesChanged();
        emit dm->teamChanged();
    }
    void disease(int id, int group, const char* code, const QString& name) {
        exec(QStringLiteral("INSERT INTO SKWCHORL4 (ID, IDGRCHOR, KODCHORL4, NAZWA) VALUES (:i, :g, :k, :n)"),
             {{"i", id}, {"g", group}, {"k", QString::fromLatin1(code)}, {"n", name}});
    }
    // The diseases as "group code name" in code order.
    QStringList diseases() {
        Dataset rows(&c(), QStringLiteral("SELECT IDGRCHOR, KODCHORL4, NAZWA FROM SKWCHORL4 ORDER BY KODCHORL4"));
        rows.open();
        QStringList out;
        for (int r = 0; r < rows.recordCount(); ++r)
            out << rows.fieldAt(r, "IDGRCHOR").asString() + QLatin1Char(' ') + rows.fieldAt(r, "KODCHORL4").asString() +
                       QLatin1Char(' ') + rows.fieldAt(r, "NAZWA").asString();
        return out;
    }
    int count(const char* table) {
        return value(QStringLiteral("SELECT COUNT(*) FROM ") + QLatin1String(table)).toInt();
    }
    AdmDictionaryPages& pages() { return adm->dictionaries(); }
    QTableView* grid(const char* name) { return pages().grid(QString::fromLatin1(name)); }
    QPushButton* admButton(const char* name) { return adm->findChild<QPushButton*>(QString::fromLatin1(name)); }
    void showTab(QWidget* page) { adm->tabs()->setCurrentWidget(page); }
    QWidget* tab(const char* name) { return adm->findChild<QWidget*>(QString::fromLatin1(name)); }
    // Makes a grid's row current as the user's click does.
    void choose(QTableView* view, int row) {
        view->selectionModel()->setCurrentIndex(view->model()->index(row, 0),
                                                QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    int rowOf(QTableView* view, int column, const QString& text) {
        for (int r = 0; r < view->model()->rowCount(); ++r)
            if (view->model()->index(r, column).data().toString() == text) return r;
        return -1;
    }
    QStringList column(QTableView* view, int col) {
        QStringList out;
        for (int r = 0; r < view->model()->rowCount(); ++r) out << view->model()->index(r, col).data().toString();
        return out;
    }
    QStringList comboItems(const char* name) {
        QStringList out;
        auto* combo = w->findChild<QComboBox*>(QString::fromLatin1(name));
        for (int i = 0; combo && i < combo->count(); ++i) out << combo->itemText(i);
        return out;
    }
    // Fills the disease entry window that is up and presses "OK"; when it stays open
    // (refused), "Anuluj" closes it.
    static void answerDisease(const QString& code, const QString& name) {
        auto* form = qobject_cast<TAChorForm*>(QApplication::activeModalWidget());
        ASSERT_NE(form, nullptr);
        form->codeEdit()->setText(code);
        form->nameEdit()->setText(name);
        form->okButton()->click();
        if (form->isVisible()) form->cancelButton()->click();
    }

    QTemporaryDir iniDir;
    std::unique_ptr<TMyIniFile> ini;
    std::unique_ptr<TAdmForm_W> adm;
};

class AdmDictionaryViewOnlyTest : public AdmDictionaryTest {
protected:
    int right() const override { return 1; }
};

// --- Diseases ---------------------------------------------------------------------

TEST_F(AdmDictionaryTest, DiseasesAreAddedEditedAndCheckedForTheirCodeAndName) {
    adm->FormShow(true);
    pages().showDiseasePage();
    EXPECT_TRUE(admButton("DodajBtn")->isEnabled());
    EXPECT_TRUE(admButton("UsunBtn")->isEnabled());
    EXPECT_EQ(column(grid("dbgChoroby"), 0), (QStringList{"A00", "A01"}));  // by code at start

    {  // empty fields
        ModalAnswer a([]() { answerDisease(QString(), QStringLiteral("Coś")); });
        adm->DodajBtnClick();
    }
    EXPECT_EQ(ui.texts(), QStringList{"Brak kodu lub nazwy choroby . "});
    {  // another row's code, then another row's name
        ModalAnswer a([]() { answerDisease(QStringLiteral("A00"), QStringLiteral("Nowa")); });
        adm->DodajBtnClick();
    }
    {
        ModalAnswer a([]() { answerDisease(QStringLiteral("A09"), QStringLiteral("Cholera")); });
        adm->DodajBtnClick();
    }
    EXPECT_EQ(ui.texts(), (QStringList{"Brak kodu lub nazwy choroby . ", "Choroba o takim kodzie jest już w bazie ",
                                       "Choroba o takiej nazwie jest już w bazie "}));
    EXPECT_EQ(diseases(), (QStringList{"1 A00 Cholera", "1 A01 Dur brzuszny"}));

    // A new disease of the chosen group, with an apostrophe in its name: its key from
    // the database, the list standing on it.
    choose(grid("dbgChorobyG"), 1);
    {
        ModalAnswer a([]() { answerDisease(QStringLiteral("C50"), QStringLiteral("Nowotwór O'Neilla")); });
        adm->DodajBtnClick();
    }
    EXPECT_EQ(diseases(), (QStringList{"1 A00 Cholera", "1 A01 Dur brzuszny", "2 C50 Nowotwór O'Neilla"}));
    EXPECT_GT(value("SELECT ID FROM SKWCHORL4 WHERE KODCHORL4 = 'C50'").toInt(), 0);
    EXPECT_EQ(dm->AChorL4Qry->value("KODCHORL4").toString(), "C50");
    // The same name with the apostrophe is found.
    ui.clear();
    {
        ModalAnswer a([]() { answerDisease(QStringLiteral("C51"), QStringLiteral("Nowotwór O'Neilla")); });
        adm->DodajBtnClick();
    }
    EXPECT_EQ(ui.texts(), QStringList{"Choroba o takiej nazwie jest już w bazie "});

    // Opened by a double click: kept as it is, renamed, then refused another's code.
    choose(grid("dbgChorobyG"), 0);
    choose(grid("dbgChoroby"), rowOf(grid("dbgChoroby"), 0, "A01"));
    ui.clear();
    {
        ModalAnswer a([]() { answerDisease(QStringLiteral("A01"), QStringLiteral("Dur brzuszny")); });
        pages().editDisease();
    }
    {
        ModalAnswer a([]() { answerDisease(QStringLiteral("A01"), QStringLiteral("Dur brzuszny i rzekomy")); });
        pages().editDisease();
    }
    EXPECT_TRUE(ui.texts().isEmpty());
    {
        ModalAnswer a([]() { answerDisease(QStringLiteral("A00"), QStringLiteral("Dur brzuszny i rzekomy")); });
        pages().editDisease();
    }
    EXPECT_EQ(ui.texts(), QStringList{"Choroba o takim kodzie jest już w bazie "});
    EXPECT_EQ(diseases(), (QStringList{"1 A00 Cholera", "1 A01 Dur brzuszny i rzekomy", "2 C50 Nowotwór O'Neilla"}));

    // "Anuluj" forgets the typed changes.
    {
        ModalAnswer a([]() {
            auto* form = qobject_cast<TAChorForm*>(QApplication::activeModalWidget());
            form->nameEdit()->setText(QStringLiteral("Zmienione"));
            form->cancelButton()->click();
        });
        pages().editDisease();
    }
    EXPECT_EQ(diseases().at(1), "1 A01 Dur brzuszny i rzekomy");

    // The disease pickers of the main window are filled again when the window closes.
    EXPECT_FALSE(comboItems("cbChorobaL4").contains("C50 - Nowotwór O'Neilla"));
    adm->FormClose();
    EXPECT_TRUE(comboItems("cbChorobaL4").contains("C50 - Nowotwór O'Neilla"));
}

TEST_F(AdmDictionaryTest, EveryFieldOfTheWindowAndOfTheDiseaseEntryShowsItsWholeValue) {
    adm->FormShow(true);
    EXPECT_EQ("", pageFaults(adm.get(), QStringLiteral("AdmForm_W")));
    TAChorForm disease(adm.get());
    EXPECT_EQ("", pageFaults(&disease, QStringLiteral("AChorForm")));
}

TEST_F(AdmDictionaryTest, DeletingOnTheDiseasePageFollowsTheGridThatHadTheFocusLast) {
    adm->show();
    QApplication::setActiveWindow(adm.get());
    adm->FormShow(true);
    pages().showDiseasePage();
    // The groups cannot be deleted.
    grid("dbgChorobyG")->setFocus();
    QTest::mouseClick(admButton("UsunBtn"), Qt::LeftButton);
    EXPECT_EQ(ui.texts(), QStringList{"Nie można usuwać grupy chorób ."});

    // The disease grid: asked, "No" keeps the disease; clicking the button keeps the
    // grid's decision.
    choose(grid("dbgChoroby"), rowOf(grid("dbgChoroby"), 0, "A01"));
    ui.clear();
    ui.answers = {MsgAnswer::No};
    QTest::mouseClick(admButton("UsunBtn"), Qt::LeftButton);
    EXPECT_EQ(ui.texts(), QStringList{" Czy na pewno usunąć wskazaną chorobę?"});
    EXPECT_EQ(count("SKWCHORL4"), 2);
    ui.answers = {MsgAnswer::Yes};
    QTest::mouseClick(admButton("UsunBtn"), Qt::LeftButton);
    EXPECT_EQ(diseases(), QStringList{"1 A00 Cholera"});
    EXPECT_EQ(column(grid("dbgChoroby"), 0), QStringList{"A00"});

    // An empty group.
    choose(grid("dbgChorobyG"), 1);
    grid("dbgChoroby")->setFocus();
    QApplication::processEvents();
    ui.clear();
    adm->UsunBtnClick();
    EXPECT_EQ(ui.texts(), QStringList{"Brak chorób do usunięcia ."});
    EXPECT_EQ(count("SKWCHORL4"), 1);
    adm->hide();
}

// --- Team and commission --------------------------------------------------------------

TEST_F(AdmDictionaryTest, TeamAndCommissionMembersAreDeletedAfterTheQuestion) {
    exec(QStringLiteral("INSERT INTO WYPOPER_KOMISJAPOWYPAD (ID, IMNAZW, FUNKCJA, STANOW) VALUES (5, 'Piotr Zięba', 'podkom.', 'Naczelnik')"));
    adm->FormShow(true);
    showTab(tab("tsZespol"));
    EXPECT_TRUE(admButton("UsunBtn")->isEnabled());
    EXPECT_EQ(column(grid("dbgZespol"), 0), (QStringList{"Anna Nowak", "Jan Kowalski"}));
    choose(grid("dbgZespol"), 1);
    ui.answers = {MsgAnswer::No};
    adm->UsunBtnClick();
    EXPECT_EQ(ui.texts(), QStringList{" Czy na pewno usunąć wskazaną osobę?"});
    EXPECT_EQ(count("SKWZESPPOWYPADKOWY"), 2);
    ui.answers = {MsgAnswer::Yes};
    adm->UsunBtnClick();
    EXPECT_EQ(value("SELECT IMNAZW FROM SKWZESPPOWYPADKOWY").toString(), "Anna Nowak");
    // The main window's team pickers follow.
    EXPECT_EQ(comboItems("cbZespol1"), QStringList{"Anna Nowak - Społeczny inspektor"});
    EXPECT_EQ(comboItems("cbZespol2"), QStringList{"Anna Nowak - Społeczny inspektor"});

    showTab(tab("tsKomisja"));
    EXPECT_TRUE(admButton("UsunBtn")->isEnabled());
    EXPECT_EQ(column(grid("dbgKomisja"), 1), QStringList{"podkom."});
    ui.clear();
    ui.answers = {MsgAnswer::No};
    adm->UsunBtnClick();
    EXPECT_EQ(count("WYPOPER_KOMISJAPOWYPAD"), 1);
    adm->UsunBtnClick();
    EXPECT_EQ(count("WYPOPER_KOMISJAPOWYPAD"), 0);
    // An empty commission, whatever the team holds.
    ui.clear();
    adm->UsunBtnClick();
    EXPECT_EQ(ui.texts(), QStringList{"Brak danych do usunięcia ."});
    EXPECT_EQ(count("SKWZESPPOWYPADKOWY"), 1);
}

TEST_F(AdmDictionaryTest, AddingWithoutTheEntryWindowShowsItsMessageAndLeavesNoRow) {
    adm->FormShow(true);
    showTab(tab("tsZespol"));
    adm->DodajBtnClick();
    EXPECT_EQ(ui.texts(), QStringList{DocumentWindows::missingMessage("TAZespForm")});
    EXPECT_EQ(count("SKWZESPPOWYPADKOWY"), 2);
    EXPECT_EQ(dm->dataset("AZespolQry")->state(), Dataset::State::Browse);
    showTab(tab("tsKomisja"));
    ui.clear();
    adm->DodajBtnClick();
    EXPECT_EQ(ui.texts(), QStringList{DocumentWindows::missingMessage("TfrmKomisjaPow_Policja")});
    EXPECT_EQ(count("WYPOPER_KOMISJAPOWYPAD"), 0);
}

TEST_F(AdmDictionaryTest, AFunctionEditedInTheGridIsStoredAndShownByTheTeamPickers) {
    adm->FormShow(true);
    showTab(tab("tsZespol"));
    QAbstractItemModel* m = grid("dbgZespol")->model();
    const int row = rowOf(grid("dbgZespol"), 0, "Jan Kowalski");
    EXPECT_FALSE(m->flags(m->index(row, 0)) & Qt::ItemIsEditable);  // the name is the entry window's
    ASSERT_TRUE(m->flags(m->index(row, 1)) & Qt::ItemIsEditable);
    EXPECT_TRUE(m->setData(m->index(row, 1), QStringLiteral("Przewodniczący zespołu"), Qt::EditRole));
    EXPECT_EQ(value("SELECT FUNKCJA FROM SKWZESPPOWYPADKOWY WHERE ID = 1").toString(), "Przewodniczący zespołu");
    EXPECT_EQ(m->index(row, 1).data().toString(), "Przewodniczący zespołu");
    EXPECT_TRUE(comboItems("cbZespol1").contains("Jan Kowalski - Przewodniczący zespołu"));
    EXPECT_TRUE(comboItems("cbZespol2").contains("Jan Kowalski - Przewodniczący zespołu"));
}

TEST_F(AdmDictionaryTest, AGridEditOfARowDeletedElsewhereIsRefusedAndKept) {
    adm->FormShow(true);
    showTab(tab("tsZespol"));
    QAbstractItemModel* m = grid("dbgZespol")->model();
    const int row = rowOf(grid("dbgZespol"), 0, "Jan Kowalski");
    exec(QStringLiteral("DELETE FROM SKWZESPPOWYPADKOWY WHERE ID = 1"));  // another workstation
    ui.clear();
    EXPECT_FALSE(m->setData(m->index(row, 1), QStringLiteral("Przewodniczący zespołu"), Qt::EditRole));
    EXPECT_EQ(ui.texts(), QStringList{QString::fromUtf8("Zapisywany rekord nie istnieje już w bazie danych.")});
    EXPECT_EQ(m->index(row, 1).data().toString(), "Przewodniczący zespołu") << "the edit is kept";
    EXPECT_EQ(dm->dataset("AZespolQry")->state(), Dataset::State::Edit);
    EXPECT_EQ(count("SKWZESPPOWYPADKOWY"), 1) << "nothing inserted";
}

// --- Lists of the statistical card ------------------------------------------------------

TEST_F(AdmDictionaryTest, OnlyTheShortDescriptionsOfThe2000ListsAreEditable) {
    exec(QStringLiteral("INSERT INTO SKWCZYNNIKI (ID, SKROT, NAZWA) VALUES (3, 'maszyny', 'Maszyny i urządzenia')"));
    exec(QStringLiteral("INSERT INTO SKWURAZY (ID, NAZWA) VALUES (1, 'Złamanie')"));
    exec(QStringLiteral("INSERT INTO SKWUMOWY (ID, SKROT, NAZWA) VALUES (1, 'umowa o pracę', 'Umowa o pracę')"));
    adm->FormShow(true);
    QAbstractItemModel* m = grid("dbgCzynniki")->model();
    EXPECT_FALSE(m->flags(m->index(0, 0)) & Qt::ItemIsEditable);
    EXPECT_FALSE(m->flags(m->index(0, 1)) & Qt::ItemIsEditable);
    EXPECT_TRUE(m->setData(m->index(0, 2), QStringLiteral("maszyny robocze"), Qt::EditRole));
    EXPECT_EQ(value("SELECT SKROT FROM SKWCZYNNIKI WHERE ID = 3").toString(), "maszyny robocze");
    // The cell editor takes what the column holds.
    std::unique_ptr<QWidget> editor(grid("dbgCzynniki")->itemDelegate()->createEditor(
        grid("dbgCzynniki")->viewport(), QStyleOptionViewItem(), m->index(0, 2)));
    ASSERT_TRUE(qobject_cast<QLineEdit*>(editor.get()));
    EXPECT_EQ(qobject_cast<QLineEdit*>(editor.get())->maxLength(), 42);
    QAbstractItemModel* umowy = grid("dbgUmowy")->model();
    EXPECT_TRUE(umowy->setData(umowy->index(0, 2), QStringLiteral("UoP"), Qt::EditRole));
    EXPECT_EQ(value("SELECT SKROT FROM SKWUMOWY WHERE ID = 1").toString(), "UoP");

    QAbstractItemModel* urazy = grid("dbgUrazy")->model();
    ASSERT_EQ(urazy->rowCount(), 1);
    for (int col = 0; col < urazy->columnCount(); ++col) EXPECT_FALSE(urazy->flags(urazy->index(0, col)) & Qt::ItemIsEditable);
    for (const char* g : {"dbgLiczbaPrac", "dbgObywatelstwo", "dbgStatusZatr", "dbgRodzajUraz", "dbgRodzajMiejscWyp"}) {
        QAbstractItemModel* l = grid(g)->model();
        ASSERT_GT(l->rowCount(), 0) << g;
        for (int col = 0; col < l->columnCount(); ++col) EXPECT_FALSE(l->flags(l->index(0, col)) & Qt::ItemIsEditable) << g;
    }
    // The buttons stay off on the lists.
    showTab(tab("tsSKW"));
    EXPECT_FALSE(admButton("DodajBtn")->isEnabled());
    EXPECT_FALSE(admButton("UsunBtn")->isEnabled());
}

TEST_F(AdmDictionaryTest, SortGroupsReorderTheirGridsAndStoreTheirKeys) {
    exec(QStringLiteral("INSERT INTO SKWPRZYCZYNYG (ID, NAZWA, SKROT) VALUES (1, 'Techniczne', 'T')"));
    exec(QStringLiteral("INSERT INTO SKWPRZYCZYNY (ID, IDGRUPY, SKROT, NAZWA) VALUES (1, 1, 'wady', 'Wady konstrukcyjne')"));
    exec(QStringLiteral("INSERT INTO SKWPRZYCZYNY (ID, IDGRUPY, SKROT, NAZWA) VALUES (2, 1, 'brak osłon', 'Brak osłon')"));
    exec(QStringLiteral("INSERT INTO SKWMIEJSCA (ID, SKROT, NAZWA) VALUES (1, 'hala', 'Hala produkcyjna')"));
    exec(QStringLiteral("INSERT INTO SKWMIEJSCA (ID, SKROT, NAZWA) VALUES (2, 'biuro', 'Biuro')"));
    dm->APrzyczynyGQry->refresh();
    adm->FormShow(true);
    EXPECT_EQ(pages().sortGroup("rgsortPrzyczyny")->title(), "Sortowanie przyczyn wypadków 17 pkt SKW ");
    EXPECT_EQ(pages().sortGroup("rgsortL4")->itemText(1), "KODY");
    EXPECT_EQ(column(grid("dbgPrzyczyny"), 0), (QStringList{"2", "1"}));  // NAZWY: by short description
    EXPECT_EQ(column(grid("dbgMiejsca"), 0), (QStringList{"2", "1"}));

    pages().sortGroup("rgsortPrzyczyny")->button(1)->click();
    EXPECT_EQ(column(grid("dbgPrzyczyny"), 0), (QStringList{"1", "2"}));
    EXPECT_EQ(ini->ReadSaved("GLOBAL", "SortPrzyczWyp"), "Kod");
    EXPECT_EQ(comboItems("cbMiejsca"), QStringList{});
    pages().sortGroup("rgPozostale")->button(1)->click();
    EXPECT_EQ(column(grid("dbgMiejsca"), 0), (QStringList{"1", "2"}));
    // The main window's other lists follow.
    EXPECT_EQ(comboItems("cbMiejsca"), (QStringList{"1 - hala", "2 - biuro"}));
    EXPECT_EQ(ini->ReadSaved("GLOBAL", "SortPozListWyp"), "Kod");
    pages().sortGroup("rgPozostale")->button(0)->click();
    EXPECT_EQ(ini->ReadSaved("GLOBAL", "SortPozListWyp"), "Nazwa");
    pages().sortGroup("rgsortZrodla")->button(1)->click();
    EXPECT_EQ(ini->ReadSaved("GLOBAL", "SortZrodlWyp"), "Kod");
    pages().sortGroup("rgsortStrukt")->button(0)->click();
    EXPECT_EQ(ini->ReadSaved("GLOBAL", "SortStrukList"), "Nazwa");
    EXPECT_EQ(admSettings().sortStrukList, 0);

    // The diseases: by name, and the main window's disease picker at once; not stored.
    EXPECT_EQ(comboItems("cbChorobaL4"), (QStringList{"A00 - Cholera", "A01 - Dur brzuszny"}));
    pages().sortGroup("rgsortL4")->button(0)->click();
    EXPECT_EQ(column(grid("dbgChoroby"), 1), (QStringList{"Cholera", "Dur brzuszny"}));
    exec(QStringLiteral("UPDATE SKWCHORL4 SET NAZWA = 'Zapalenie' WHERE ID = 12"));
    pages().sortGroup("rgsortL4")->button(1)->click();
    pages().sortGroup("rgsortL4")->button(0)->click();
    EXPECT_EQ(column(grid("dbgChoroby"), 1), (QStringList{"Dur brzuszny", "Zapalenie"}));
    EXPECT_EQ(comboItems("cbChorobaL4"), (QStringList{"A01 - Dur brzuszny", "A00 - Zapalenie"}));
    EXPECT_EQ(ini->ReadSaved("GLOBAL", "SortL4"), TMyIniFile::kMissing);
}

TEST_F(AdmDictionaryTest, SourcesComeFromTheTableOfTheReferenceYear) {
    exec(QStringLiteral("INSERT INTO SKWZRODLAG (ID, NAZWA, SKROT) VALUES (1, 'Maszyny', 'M')"));
    exec(QStringLiteral("INSERT INTO SKWZRODLA_1 (ID, IDGRUPY, SKROT, NAZWA) VALUES (7, 1, 'prasa', 'Prasa')"));
    exec(QStringLiteral("INSERT INTO SKWZRODLA (ID, SKROT, NAZWA) VALUES (3, 'tokarka', 'Tokarka')"));
    exec(QStringLiteral("INSERT INTO SKWZRODLA (ID, SKROT, NAZWA) VALUES (4, 'dźwig', 'Dźwig')"));
    dm->AZrodlaGQry->refresh();
    dm->setReferenceDate(QDateTime(QDate(2000, 12, 31), QTime(0, 0)));
    adm->FormShow(true);
    EXPECT_EQ(column(grid("dbgZrodla"), 1), (QStringList{"Dźwig", "Tokarka"}));
    // The short description is written to the table shown.
    QAbstractItemModel* m = grid("dbgZrodla")->model();
    EXPECT_TRUE(m->setData(m->index(1, 2), QStringLiteral("tokarki"), Qt::EditRole));
    EXPECT_EQ(value("SELECT SKROT FROM SKWZRODLA WHERE ID = 3").toString(), "tokarki");
    dm->setReferenceDate(QDateTime(QDate(2001, 1, 1), QTime(0, 0)));
    adm->FormShow(true);
    EXPECT_EQ(column(grid("dbgZrodla"), 1), QStringList{"Prasa"});
    EXPECT_TRUE(m->setData(m->index(0, 2), QStringLiteral("prasy"), Qt::EditRole));
    EXPECT_EQ(value("SELECT SKROT FROM SKWZRODLA_1 WHERE ID = 7").toString(), "prasy");
    // The register of another year opened while the window is up.
    dm->OpenRegister(QDateTime(QDate(2000, 6, 1), QTime(12, 0)));
    EXPECT_EQ(column(grid("dbgZrodla"), 1), (QStringList{"Dźwig", "Tokarka"}));
}

// --- Rights --------------------------------------------------------------------------

TEST_F(AdmDictionaryViewOnlyTest, AViewOnlyUserChangesNothingButTheSortOrders) {
    exec(QStringLiteral("INSERT INTO SKWCZYNNIKI (ID, SKROT, NAZWA) VALUES (3, 'maszyny', 'Maszyny i urządzenia')"));
    adm->FormShow(false);
    for (QWidget* page : {tab("tsZespol"), tab("tsSKW"), tab("tsKomisja")}) {
        showTab(page);
        if (page == tab("tsSKW")) pages().showDiseasePage();
        EXPECT_FALSE(admButton("DodajBtn")->isEnabled());
        EXPECT_FALSE(admButton("UsunBtn")->isEnabled());
        adm->DodajBtnClick();
        adm->UsunBtnClick();
    }
    pages().editDisease();
    for (const char* g : {"dbgZespol", "dbgCzynniki", "dbgChoroby", "dbgKomisja"}) {
        QAbstractItemModel* m = grid(g)->model();
        for (int col = 0; col < m->columnCount(); ++col) EXPECT_FALSE(m->flags(m->index(0, col)) & Qt::ItemIsEditable) << g;
        EXPECT_FALSE(m->setData(m->index(0, m->columnCount() - 1), QStringLiteral("x"), Qt::EditRole)) << g;
    }
    EXPECT_TRUE(ui.texts().isEmpty());
    EXPECT_EQ(count("SKWZESPPOWYPADKOWY"), 2);
    EXPECT_EQ(count("SKWCHORL4"), 2);
    EXPECT_EQ(value("SELECT SKROT FROM SKWCZYNNIKI WHERE ID = 3").toString(), "maszyny");
    EXPECT_EQ(value("SELECT FUNKCJA FROM SKWZESPPOWYPADKOWY WHERE ID = 1").toString(), "Inspektor BHP");
    // The orders stay the user's.
    pages().sortGroup("rgsortPrzyczyny")->button(1)->click();
    EXPECT_EQ(ini->ReadSaved("GLOBAL", "SortPrzyczWyp"), "Kod");
}

} // namespace
} // namespace zort::test
