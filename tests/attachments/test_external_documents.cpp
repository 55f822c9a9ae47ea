// The outside files of a record on a real database and in temporary folders: the
// rules without a window (adding, linking, copying, saving, opening), the folder
// window, the tab of the attachments window, and the user's sequence from the main
// window on a person of the demo database, checked against the database and the
// folder after every step.
#include "attachments/ExternalDocuments.h"
#include "attachments/ExternalDocumentsTab.h"
#include "attachments/PathDokumForm.h"
#include "attachments/ZalacznikiForm.h"
#include "domain/DocumentsFolder.h"
#include "register/MainWindowFixture.h"
#include "support/AccessibleWalk.h"
#include "support/ModalDriver.h"
#include "support/RecordedDocuments.h"
#include "ui/DesktopFiles.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QListWidget>
#include <QScrollBar>
#include <QTemporaryDir>
#include <unistd.h>

using namespace zort;
using namespace zort::test;

namespace {

const QString kCaution = QStringLiteral("Uwaga!");

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    f.write(bytes);
}

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
}

class ExternalDocumentsTest : public OpenAccidentTest {
protected:
    void SetUp() override {
        OpenAccidentTest::SetUp();
        DocumentWindows::remove(QStringLiteral("TZalacznikiForm"));
        registerAttachmentWindows();
        folder = QDir(docs.path()).filePath("Dokumenty");
        QDir().mkpath(folder);
        setFolder(folder);
        ui.clear();
    }
    void TearDown() override {
        if (auto* z = Forms::get<TZalacznikiForm>(QStringLiteral("TZalacznikiForm"))) z->reject();
        OpenAccidentTest::TearDown();
    }
    void setFolder(const QString& path) {
        c().execute("UPDATE OPARAM SET PATHDOKWYP = :p", {{"p", path}});
        DocumentsFolder(c()).read();
    }
    // The rules for the accident's person, the folder question counted and answered no.
    std::unique_ptr<ExternalDocuments> list(bool editable = true, ExternalDocuments::Owner owner = {}) {
        auto d = std::make_unique<ExternalDocuments>(c());
        d->setFolderQuestion([this](QWidget*) {
            ++folderQuestions;
            return false;
        });
        d->load(owner.type ? owner : ExternalDocuments::Owner{1, person}, editable);
        d->enter();
        return d;
    }
    // A file outside the folder for the user to choose.
    QString source(const QString& name, const QByteArray& bytes = "zawartość") {
        const QString path = QDir(sources.path()).filePath(name);
        writeFile(path, bytes);
        return path;
    }
    bool add(ExternalDocuments& d, const QString& chosen) {
        ui.files.push_back(chosen);
        return d.add();
    }
    void link(int type, int owner, const QString& name) {
        c().execute("INSERT INTO SKWDOKUMZEWN (ID, TYP, IDTABELI, NAZWAPLIK, OPIS) "
                    "VALUES (GEN_ID(GenSKWDokumZewn, 1), :t, :i, :n, '')",
                    {{"t", type}, {"i", owner}, {"n", name}});
    }
    // Every stored link: "Typ/IdTabeli/name", in key order.
    QStringList links(const QString& where = QStringLiteral("1 = 1")) {
        QStringList out;
        QSqlQuery q = c().run(QStringLiteral("SELECT TYP, IDTABELI, NAZWAPLIK FROM SKWDOKUMZEWN WHERE %1 ORDER BY ID").arg(where));
        while (q.next()) out << QStringLiteral("%1/%2/%3").arg(q.value(0).toInt()).arg(q.value(1).toInt()).arg(q.value(2).toString());
        return out;
    }
    QStringList filesIn(const QString& dir) {
        QStringList out = QDir(dir).entryList(QDir::Files);
        out.sort();
        return out;
    }
    QString oparam() { return value("SELECT PATHDOKWYP FROM OPARAM").toString(); }
    std::string messages() const { return ui.texts().join(QLatin1Char('|')).toStdString(); }

    QTemporaryDir docs;
    QTemporaryDir sources;
    QString folder;
    QStringList opened;
    RecordedDocuments recorder{opened};
    int folderQuestions = 0;
};

} // namespace

// --- Adding -----------------------------------------------------------------------------

TEST_F(ExternalDocumentsTest, ANewFileIsCopiedListedAndSelectedAndBadNamesAreRefused) {
    auto d = list();
    ui.clear();
    ASSERT_TRUE(add(*d, source("raport.txt", "treść raportu")));
    ASSERT_EQ(1u, ui.fileRequests.size());
    EXPECT_EQ(folder, ui.fileRequests[0].initial);
    EXPECT_EQ((QStringList{"Pliki Word (*.doc)|*.doc", "Pliki tekstowe (*.txt)|*.txt", "Wszystkie pliki (*.*)|*.*"}),
              ui.fileRequests[0].filters);
    EXPECT_EQ(1, ui.fileRequests[0].filterIndex);
    EXPECT_EQ(QStringList{"raport.txt"}, d->names());
    EXPECT_EQ(0, d->selected());
    EXPECT_EQ("treść raportu", QString::fromUtf8(bytesOf(folder + "/raport.txt")));
    EXPECT_TRUE(links().isEmpty()) << "the list lives in memory until saved";
    EXPECT_EQ(1u, ui.shown.size()) << messages();

    const QString name64 = QString(60, 'a') + ".doc";
    ASSERT_TRUE(add(*d, source(name64)));
    EXPECT_EQ(1, d->selected());
    ui.clear();
    EXPECT_FALSE(add(*d, source(QString(61, 'b') + ".doc")));
    EXPECT_EQ(" Zbyt długa nazwa pliku !!!\r\n Nazwa pliku nie powinna przekraczać 64 znaki", ui.lastText());
    EXPECT_EQ(kCaution, ui.shown.back().caption);
    EXPECT_EQ(MsgIcon::Error, ui.shown.back().icon);

    EXPECT_FALSE(add(*d, source("raport.txt", "inny")));
    EXPECT_EQ(" Należy podać unikalną nazwę pliku", ui.lastText());
    EXPECT_EQ(kCaution, ui.shown.back().caption);
    // Names differ by letter case as the file system's do.
    EXPECT_TRUE(add(*d, source("Raport.txt")));

    EXPECT_FALSE(add(*d, source("szkic \u0416.txt")));
    EXPECT_EQ("Znaki spoza strony kodowej Windows-1250: \u0416", ui.lastText());
    EXPECT_EQ((QStringList{"raport.txt", name64, "Raport.txt"}), d->names());
    EXPECT_EQ((QStringList{"Raport.txt", name64, "raport.txt"}), filesIn(folder));

    // Cancelling the dialog adds nothing.
    ui.clear();
    EXPECT_FALSE(d->add());
    EXPECT_EQ(3, d->names().size());
}

TEST_F(ExternalDocumentsTest, AFileAlreadyInTheFolderIsLinkedNeverOverwritten) {
    writeFile(folder + "/wspolny.doc", "oryginał");
    link(1, person + 100, "wspolny.doc");
    auto d = list();
    ui.clear();

    // Linked to another person: asked, No adds nothing.
    ui.answers.push_back(MsgAnswer::No);
    EXPECT_FALSE(add(*d, source("wspolny.doc", "podróbka")));
    ASSERT_EQ(2u, ui.shown.size()) << messages();
    EXPECT_EQ("Plik o podanej nazwie już znajduje się w katalogu dokumentów zewnętrznych i jest powiązany z innym "
              "rekordem danych.\r\nCzy chcesz się do niego właśnie odwołać?\r\nPlik w katalogu dokumentów zewnętrznych "
              "nie zostanie nadpisany.",
              ui.lastText());
    EXPECT_EQ("Ustalenie powiązania", ui.shown.back().caption);
    EXPECT_EQ(MsgIcon::Confirmation, ui.shown.back().icon);
    EXPECT_TRUE(d->names().isEmpty());
    ui.answers.push_back(MsgAnswer::Yes);
    EXPECT_TRUE(add(*d, source("wspolny.doc", "podróbka")));
    EXPECT_EQ(QStringList{"wspolny.doc"}, d->names());
    EXPECT_EQ("oryginał", QString::fromUtf8(bytesOf(folder + "/wspolny.doc")));

    // Linked nowhere: linked without a question, the file as it was.
    writeFile(folder + "/luzny.txt", "pierwszy");
    ui.clear();
    EXPECT_TRUE(add(*d, source("luzny.txt", "drugi")));
    EXPECT_EQ(1u, ui.shown.size()) << messages();
    EXPECT_EQ("pierwszy", QString::fromUtf8(bytesOf(folder + "/luzny.txt")));

    // Linked only to a commuting card whose id is the person's: that is another record.
    writeFile(folder + "/droga.txt", "karta");
    link(2, person, "droga.txt");
    ui.clear();
    ui.answers.push_back(MsgAnswer::No);
    EXPECT_FALSE(add(*d, source("droga.txt")));
    EXPECT_EQ("Ustalenie powiązania", ui.shown.back().caption);
    EXPECT_TRUE(d->IsFileUsedElsewhere("droga.txt"));
    // ... but the person's own saved link is not.
    link(1, person, "wlasny.txt");
    EXPECT_FALSE(d->IsFileUsedElsewhere("wlasny.txt"));
    EXPECT_FALSE(d->IsFileUsedElsewhere("WSPOLNY.doc"));
}

TEST_F(ExternalDocumentsTest, ACopyThatCannotBeMadeLinksNothing) {
    auto d = list();
    ui.clear();
    // The chosen file vanished before the copy.
    EXPECT_FALSE(add(*d, QDir(sources.path()).filePath("zniknal.txt")));
    EXPECT_EQ("Nieudana próba kopiowania", ui.lastText());
    EXPECT_EQ(kCaution, ui.shown.back().caption);
    EXPECT_TRUE(d->names().isEmpty());

    // A folder the program may not write into (a superuser may write anywhere).
    if (geteuid() != 0) {
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        EXPECT_FALSE(add(*d, source("a.txt")));
        EXPECT_EQ("Nieudana próba kopiowania", ui.lastText());
        EXPECT_TRUE(d->names().isEmpty());
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

    // A folder that is not there: made with its parents when the user agrees.
    const QString nested = folder + "/rok/miesiac";
    setFolder(nested);
    d = list();
    ui.clear();
    ui.answers.push_back(MsgAnswer::No);
    EXPECT_FALSE(add(*d, source("b.txt")));
    EXPECT_EQ((QStringList{QString(), "Wybrany katalog nie istnieje !!! \rCzy założyć katalog ?", "Nieudana próba kopiowania"}),
              ui.texts());
    EXPECT_EQ("Zakładanie katalogu", ui.shown[1].caption);
    EXPECT_FALSE(QDir(folder + "/rok").exists());
    EXPECT_TRUE(d->names().isEmpty());
    ui.answers.push_back(MsgAnswer::Yes);
    EXPECT_TRUE(add(*d, source("b.txt")));
    EXPECT_EQ(QStringList{"b.txt"}, filesIn(nested));
    EXPECT_EQ(QStringList{"b.txt"}, d->names());
}

TEST_F(ExternalDocumentsTest, WithoutAUsableFolderTheFolderWindowAsksAndReadOnlyListsOnlyOpen) {
    setFolder(QString());
    auto d = list();
    EXPECT_EQ(1, folderQuestions);
    EXPECT_EQ("Nie określono katalogu dla dokumentów zewnętrznych !!!", ui.lastText());
    ui.clear();
    EXPECT_FALSE(d->add());
    EXPECT_EQ(2, folderQuestions);
    EXPECT_EQ(QStringList{"Nie określono katalogu dla dokumentów zewnętrznych !!!"}, ui.texts()) << "no file dialog";

    // A folder written on Windows counts as none and is never made here.
    setFolder(QStringLiteral("D:\\Dokumenty"));
    d = list();
    EXPECT_EQ(3, folderQuestions);
    EXPECT_TRUE(d->folder().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("D:\\Dokumenty")));

    // Read-only: no folder window, nothing added, removed or saved; opening still
    // works, the whole path handed over as it is.
    setFolder(folder);
    const QString odd = "protokół; $(rm -rf x) `y`.txt";
    writeFile(folder + "/" + odd, "x");
    link(1, person, odd);
    d = list(false);
    ui.clear();
    EXPECT_FALSE(d->add());
    EXPECT_FALSE(d->openSelected()) << "nothing without a selection";
    d->select(0);
    EXPECT_FALSE(d->removeSelected());
    EXPECT_TRUE(ui.shown.empty()) << messages();
    EXPECT_TRUE(d->openSelected());
    EXPECT_EQ(QStringList{folder + "/" + odd}, opened);
    c().execute("DELETE FROM SKWDOKUMZEWN");
    EXPECT_TRUE(d->SaveExternalDocuments());
    EXPECT_TRUE(links().isEmpty()) << "read-only writes nothing";
    setFolder(QString());
    d = list(false);
    EXPECT_EQ(3, folderQuestions);
    EXPECT_EQ("Nie określono katalogu dla dokumentów zewnętrznych !!!", ui.lastText());
    EXPECT_EQ("", oparam());
}

// --- Removing, saving, opening ------------------------------------------------------------

TEST_F(ExternalDocumentsTest, SavingWritesExactlyTheListOfTheOwnerInOneTransaction) {
    link(1, person + 1, "inny.txt");
    link(2, person, "karta.txt");
    link(1, person, "stary.txt");
    const int before = value("SELECT MAX(ID) FROM SKWDOKUMZEWN").toInt();
    auto d = list();
    for (const char* n : {"c.txt", "a.txt", "b.txt"}) ASSERT_TRUE(add(*d, source(n)));
    d->select(0);  // "stary.txt"
    ui.clear();
    ui.answers.push_back(MsgAnswer::No);
    EXPECT_FALSE(d->removeSelected());
    EXPECT_EQ("Czy na pewno usunąć wskazany dokument ?", ui.lastText());
    EXPECT_EQ("Usuwanie dokumentu", ui.shown.back().caption);
    EXPECT_EQ(MsgIcon::Confirmation, ui.shown.back().icon);
    EXPECT_TRUE(d->removeSelected());
    EXPECT_EQ((QStringList{"c.txt", "a.txt", "b.txt"}), d->names());
    EXPECT_TRUE(QFile::exists(folder + "/c.txt")) << "files stay";

    ASSERT_TRUE(d->SaveExternalDocuments()) << messages();
    EXPECT_EQ((QStringList{"1/" + QString::number(person + 1) + "/inny.txt", "2/" + QString::number(person) + "/karta.txt",
                           "1/" + QString::number(person) + "/c.txt", "1/" + QString::number(person) + "/a.txt",
                           "1/" + QString::number(person) + "/b.txt"}),
              links());
    EXPECT_EQ(before + 1, value("SELECT MIN(ID) FROM SKWDOKUMZEWN WHERE TYP = 1 AND IDTABELI = :p", {{"p", person}}).toInt());
    EXPECT_EQ(3, value("SELECT COUNT(*) FROM SKWDOKUMZEWN WHERE OPIS = '' AND IDTABELI = :p AND TYP = 1", {{"p", person}}).toInt());
    EXPECT_EQ(QStringList({"c.txt", "a.txt", "b.txt"}), list()->names()) << "loaded in saved order";

    // A commuting card's list is of type 2.
    auto card = list(true, {2, person + 1});
    ASSERT_TRUE(add(*card, source("droga.doc")));
    ASSERT_TRUE(card->SaveExternalDocuments());
    EXPECT_EQ(QStringList{"2/" + QString::number(person + 1) + "/droga.doc"}, links("TYP = 2 AND NAZWAPLIK = 'droga.doc'"));
    EXPECT_EQ(QStringList{"1/" + QString::number(person + 1) + "/inny.txt"}, links("TYP = 1 AND IDTABELI <> " + QString::number(person)));

    // A row the database refuses: nothing of the save stays, both lists as they were.
    c().execute("CREATE EXCEPTION E_DOKUM_TEST 'odrzucona nazwa'");
    c().execute("CREATE TRIGGER T_DOKUM_TEST FOR SKWDOKUMZEWN BEFORE INSERT AS BEGIN "
                "IF (NEW.NAZWAPLIK = 'odrzuc.txt') THEN EXCEPTION E_DOKUM_TEST; END");
    const QStringList stored = links();
    ASSERT_TRUE(add(*d, source("odrzuc.txt")));
    ui.clear();
    EXPECT_FALSE(d->SaveExternalDocuments());
    EXPECT_TRUE(ui.lastText().startsWith("Błąd przy zapisie danych !!!\r\n")) << messages();
    EXPECT_TRUE(ui.lastText().contains("odrzucona nazwa")) << messages();
    EXPECT_EQ(stored, links());
    EXPECT_EQ((QStringList{"c.txt", "a.txt", "b.txt", "odrzuc.txt"}), d->names());
}

// --- The folder window ---------------------------------------------------------------------

TEST_F(ExternalDocumentsTest, TheFolderWindowChoosesAsksCreatesAndStores) {
    TfrmPathDokum& f = pathDokumForm();
    EXPECT_EQ("Katalog zawierający dokumenty zewnętrzne", f.windowTitle());
    EXPECT_EQ(QStringList(), accessibilityFaults(&f));
    EXPECT_EQ("Nazwa katalogu zawierającego dokumenty zewnętrzne", f.pathField()->accessibleName());
    EXPECT_TRUE(f.pathField()->isReadOnly());
    for (const char* b : {"bWybierz", "bbOK", "bbAnuluj"}) ASSERT_TRUE(f.button(b)) << b;
    EXPECT_EQ("Wybierz", f.button("bWybierz")->text());
    EXPECT_EQ("OK", f.button("bbOK")->text());
    EXPECT_EQ("Anuluj", f.button("bbAnuluj")->text());

    // No folder yet: "OK" with the empty field keeps the window open.
    setFolder(QString());
    bool stored = true;
    {
        ModalAnswer answer([&]() {
            EXPECT_TRUE(f.pathField()->text().isEmpty());
            f.button("bbOK")->click();
            EXPECT_TRUE(f.isVisible());
            EXPECT_EQ("Nie określono katalogu dla dokumentów zewnętrznych !!!", ui.lastText());
            // A choice, then "Anuluj": asked, No keeps the window, Yes closes it.
            ui.files.push_back(folder + "/nowy/");
            f.button("bWybierz")->click();
            EXPECT_EQ("Wybierz katalog dla dokumentów zewnętrznych :", ui.lastText());
            EXPECT_EQ(folder + "/nowy", f.pathField()->text());
            ui.answers.push_back(MsgAnswer::No);
            f.button("bbAnuluj")->click();
            EXPECT_TRUE(f.isVisible());
            EXPECT_EQ("Nie zapamiętano wprowadzonych zmian !\r\nCzy na pewno zamknąć okno ?", ui.lastText());
            EXPECT_EQ("Anulowanie zmian", ui.shown.back().caption);
            ui.answers.push_back(MsgAnswer::Yes);
            f.close();  // the title bar asks the same
        });
        stored = f.AskDocumentsFolder();
    }
    EXPECT_FALSE(stored);
    EXPECT_EQ("", oparam());
    EXPECT_FALSE(QDir(folder + "/nowy").exists());

    // Chosen and confirmed: the directory made with its parents and OPARAM written,
    // even without a row.
    c().execute("DELETE FROM OPARAM");
    const QString first = folder + "/a/b";
    {
        ModalAnswer answer([&]() {
            ui.files.push_back(first);
            f.WybierzClick();
            f.OKClick();
        });
        stored = f.AskDocumentsFolder();
    }
    EXPECT_TRUE(stored);
    EXPECT_TRUE(QDir(first).exists());
    EXPECT_EQ(first, value("SELECT PATHDOKWYP FROM OPARAM WHERE ID = 1").toString());
    EXPECT_EQ(first, DocumentsFolder::remembered());

    // Another folder, by letter case only: asked; No keeps the old one.
    auto askChange = [&](const QString& path, MsgAnswer a) {
        ui.clear();
        ModalAnswer answer([&]() {
            EXPECT_EQ(first, f.pathField()->text());
            ui.files.push_back(path);
            f.WybierzClick();
            ui.answers.push_back(a);
            f.OKClick();
        });
        const bool result = f.AskDocumentsFolder();
        EXPECT_EQ(DocumentsFolder::changeQuestion(), ui.lastText());
        EXPECT_EQ("Czy dokonać zmiany nazwy katalogu ?", ui.shown.back().caption);
        return result;
    };
    EXPECT_FALSE(askChange(folder + "/a/B", MsgAnswer::No));
    EXPECT_EQ(first, oparam());
    EXPECT_FALSE(QDir(folder + "/a/B").exists());
    EXPECT_TRUE(askChange(folder + "/a/B", MsgAnswer::Yes));
    EXPECT_EQ(folder + "/a/B", oparam());
    EXPECT_TRUE(QDir(folder + "/a/B").exists());

    // A directory that cannot be made: said, the window stays, the old folder kept.
    setFolder(first);
    writeFile(folder + "/plik", "x");
    {
        ModalAnswer answer([&]() {
            ui.files.push_back(folder + "/plik/d");
            f.WybierzClick();
            ui.answers.push_back(MsgAnswer::Yes);
            f.OKClick();
            EXPECT_TRUE(f.isVisible());
            EXPECT_EQ(DocumentsFolder::notCreatedMessage(folder + "/plik/d"), ui.lastText());
            EXPECT_EQ(kCaution, ui.shown.back().caption);
            ui.answers.push_back(MsgAnswer::Yes);
            f.reject();
        });
        EXPECT_FALSE(f.AskDocumentsFolder());
    }
    EXPECT_EQ(first, oparam());

    // A folder written on Windows is shown to be replaced; OK on it is no folder, and
    // replacing it asks nothing.
    setFolder(QStringLiteral("D:\\Dokumenty"));
    {
        ModalAnswer answer([&]() {
            EXPECT_EQ("D:\\Dokumenty", f.pathField()->text());
            ui.clear();
            f.OKClick();
            EXPECT_EQ("Nie określono katalogu dla dokumentów zewnętrznych !!!", ui.lastText());
            ui.files.push_back(folder);
            f.WybierzClick();
            f.OKClick();
        });
        EXPECT_TRUE(f.AskDocumentsFolder());
    }
    EXPECT_EQ(2u, ui.shown.size()) << messages();
    EXPECT_EQ(folder, oparam());
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("D:\\Dokumenty")));
}

// --- The tab of the attachments window -------------------------------------------------------

TEST_F(ExternalDocumentsTest, TheTabListsLoadsAndIsFoundByItsLabels) {
    link(1, person, "krótki.txt");
    link(1, person, "znacznie dłuższa nazwa dokumentu zewnętrznego.doc");
    TZalacznikiForm& z = attachmentsWindow();
    z.FormShow(request("TZalacznikiForm"));
    z.show();
    z.tabs()->setCurrentIndex(TZalacznikiForm::ExternalTab);
    ExternalDocumentsTab& tab = ExternalDocumentsTab::of(z);
    QListWidget* lb = tab.list();
    EXPECT_EQ("lbDokum", lb->objectName());
    ASSERT_EQ(2, lb->count());
    EXPECT_EQ("krótki.txt", lb->item(0)->text());
    EXPECT_EQ(lb->fontMetrics().horizontalAdvance(lb->item(1)->text()) + 28, tab.scrollWidth());
    EXPECT_EQ(QStringList(), accessibilityFaults(&z));
    EXPECT_EQ("Wykaz plików zewnętrznych stanowiących uzupełnienie dokumentacji powypadkowej", lb->accessibleName());
    for (const char* b : {"bbDodDok", "bbPodglDok", "bbUsunDok"}) ASSERT_TRUE(tab.button(b)) << b;
    EXPECT_EQ("Dodaj plik", tab.button("bbDodDok")->accessibleName());
    EXPECT_EQ("Podgląd wybranego pliku", tab.button("bbPodglDok")->toolTip());
    EXPECT_EQ("Usuń wybrany plik", tab.button("bbUsunDok")->accessibleName());
    for (const char* b : {"DodZalBtn", "KasZalBtn", "ZapiszBtn", "PreviewBtn", "DrukBtn"})
        EXPECT_FALSE(z.button(b)->isEnabled()) << b;
    EXPECT_FALSE(tab.button("bbUsunDok")->isEnabled()) << "nothing selected";
    lb->setCurrentRow(1);
    EXPECT_TRUE(tab.button("bbUsunDok")->isEnabled());
    EXPECT_EQ(1, tab.documents()->selected());

    // A list the database refuses keeps "Zamknij" from closing the window.
    c().execute("CREATE EXCEPTION E_DOKUM_TEST 'odrzucona nazwa'");
    c().execute("CREATE TRIGGER T_DOKUM_TEST FOR SKWDOKUMZEWN BEFORE INSERT AS BEGIN "
                "IF (NEW.NAZWAPLIK = 'odrzuc.txt') THEN EXCEPTION E_DOKUM_TEST; END");
    ui.files.push_back(source("odrzuc.txt"));
    tab.button("bbDodDok")->click();
    ASSERT_EQ(3, lb->count());
    z.button("ZamknijBtn")->click();
    EXPECT_TRUE(z.isVisible());
    EXPECT_TRUE(ui.lastText().startsWith("Błąd przy zapisie danych !!!")) << messages();
    EXPECT_EQ(2, value("SELECT COUNT(*) FROM SKWDOKUMZEWN").toInt());
    z.reject();

    // A commuting card's documents are of type 2, under the card's id; read-only
    // windows offer opening only.
    c().execute("DROP TRIGGER T_DOKUM_TEST");
    link(2, id, "karta.txt");
    DocumentWindows::Request r = request("TZalacznikiForm", false);
    r.record = RecordRef{Register::Commuting, id, 0};
    z.FormShow(r);
    EXPECT_EQ(QStringList{"karta.txt"}, tab.documents()->names());
    lb->setCurrentRow(0);
    EXPECT_FALSE(tab.button("bbDodDok")->isEnabled());
    EXPECT_FALSE(tab.button("bbUsunDok")->isEnabled());
    EXPECT_TRUE(tab.button("bbPodglDok")->isEnabled());
}

// --- The user's sequence from the main window on the demo database ---------------------------

namespace {

class DemoExternalDocumentsTest : public ExternalDocumentsTest {
protected:
    void SetUp() override {
        QString demoFolder;
        {
            TestDatabase demo(TestDatabase::Content::Demo);
            demoFolder = demo.connect()->scalar("SELECT PATHDOKWYP FROM OPARAM").toString();
            QFile::remove(db.path());
            ASSERT_TRUE(QFile::copy(demo.path(), db.path()));
        }
        ExternalDocumentsTest::SetUp();
        // The demo's folder copied beside this database.
        for (const QString& f : QDir(demoFolder).entryList(QDir::Files)) QFile::copy(demoFolder + "/" + f, folder + "/" + f);
        setFolder(folder);
        QSqlQuery q = c().run("SELECT p.ID, p.IDWYPADKU, w.DATA FROM SKWPOSZKODOWANI p JOIN SKWWYPADKI w ON w.ID = p.IDWYPADKU "
                              "WHERE p.NAZWISKO = 'Mazur'");
        ASSERT_TRUE(q.next());
        demoPerson = q.value(0).toInt();
        demoAccident = q.value(1).toInt();
        w->showSubPage(Register::AtWork, 0);
        dm->OpenRegister(q.value(2).toDateTime());
        dm->reopenLists(Register::AtWork, demoAccident, demoPerson);
        ui.clear();
    }
    // The database's links and the folder's files with their contents.
    struct State {
        QStringList mine, others;
        QMap<QString, QByteArray> files;
        QString oparam;
    };
    State state() {
        State s;
        const QString own = QStringLiteral("TYP = 1 AND IDTABELI = %1").arg(demoPerson);
        s.mine = links(own);
        s.others = links("NOT (" + own + ")");
        for (const QString& f : QDir(folder).entryList(QDir::Files)) s.files.insert(f, bytesOf(folder + "/" + f));
        s.oparam = oparam();
        return s;
    }
    // What changed since `before` beyond the owner's list: nothing.
    void onlyMineChanged(const State& before, const State& now, const QStringList& mine, const QStringList& added = {}) {
        EXPECT_EQ(before.others, now.others);
        EXPECT_EQ(before.oparam, now.oparam);
        QStringList names;
        for (const QString& l : now.mine) names << l.section('/', 2);
        EXPECT_EQ(mine, names);
        QMap<QString, QByteArray> expected = before.files;
        for (const QString& a : added) expected.insert(a, now.files.value(a));
        EXPECT_EQ(expected.keys(), now.files.keys());
        EXPECT_TRUE(expected == now.files);
    }
    template <class T>
    static T* named(QWidget* root, const QString& label) {
        for (T* b : root->findChildren<T*>())
            if (b->isVisibleTo(root) && (b->text() == label || b->accessibleName() == label || b->toolTip() == label)) return b;
        return nullptr;
    }
    int demoPerson = 0;
    int demoAccident = 0;
};

} // namespace

TEST_F(DemoExternalDocumentsTest, AddedSavedRemovedClosedAndOpenedAgainFromTheMainWindow) {
    const State start = state();
    EXPECT_EQ((QStringList{"Notatka służbowa.txt", "Szkic miejsca wypadku.svg"}), start.files.keys());
    ASSERT_EQ((QStringList{"1/" + QString::number(demoPerson) + "/Notatka służbowa.txt",
                           "1/" + QString::number(demoPerson) + "/Szkic miejsca wypadku.svg"}),
              start.mine);
    QAbstractButton* dokum = named<QAbstractButton>(w, "Załączn.");
    ASSERT_TRUE(dokum);
    const QString added = source("oględziny.txt", "protokół oględzin").section('/', -1);
    bool ran = false;
    {
        ModalAnswer answer([&]() {
            auto* z = qobject_cast<TZalacznikiForm*>(QApplication::activeModalWidget());
            ASSERT_TRUE(z);
            ran = true;
            for (int i = 0; i < z->tabs()->count(); ++i)
                if (z->tabs()->tabText(i) == "Dokumenty zewnętrzne") z->tabs()->setCurrentIndex(i);
            auto* lb = z->findChild<QListWidget*>("lbDokum");
            ASSERT_TRUE(lb);
            EXPECT_EQ(2, lb->count());
            EXPECT_EQ("Notatka służbowa.txt", lb->item(0)->text());

            // A file added: copied into the folder, listed, not yet stored.
            ui.files.push_back(QDir(sources.path()).filePath(added));
            named<QAbstractButton>(z, "Dodaj plik")->click();
            EXPECT_EQ(3, lb->count());
            EXPECT_TRUE(lb->item(2)->isSelected());
            onlyMineChanged(start, state(), {"Notatka służbowa.txt", "Szkic miejsca wypadku.svg"}, {added});

            // Opened with the desktop's program.
            named<QAbstractButton>(z, "Podgląd wybranego pliku")->click();
            EXPECT_EQ(QStringList{folder + "/" + added}, opened);

            // "Zapisz" from another tab stores the list.
            const State beforeSave = state();
            z->tabs()->setCurrentIndex(TZalacznikiForm::OwnTab);
            named<QAbstractButton>(z, "Zapisz")->click();
            onlyMineChanged(beforeSave, state(), {"Notatka służbowa.txt", "Szkic miejsca wypadku.svg", added});

            // Removed ("Tak"), then the window closed by its title bar: nothing stored.
            z->tabs()->setCurrentIndex(TZalacznikiForm::ExternalTab);
            lb->setCurrentRow(0);
            ui.answers.push_back(MsgAnswer::Yes);
            named<QAbstractButton>(z, "Usuń wybrany plik")->click();
            EXPECT_EQ(2, lb->count());
            z->close();
        });
        w->DokumBtnClick();
    }
    ASSERT_TRUE(ran);
    const State afterClose = state();
    onlyMineChanged(start, afterClose, {"Notatka służbowa.txt", "Szkic miejsca wypadku.svg", added}, {added});

    // Opened again: the stored list; a name removed and "Zamknij" saves it.
    ran = false;
    {
        ModalAnswer answer([&]() {
            auto* z = qobject_cast<TZalacznikiForm*>(QApplication::activeModalWidget());
            ASSERT_TRUE(z);
            ran = true;
            z->tabs()->setCurrentIndex(TZalacznikiForm::ExternalTab);
            auto* lb = z->findChild<QListWidget*>("lbDokum");
            ASSERT_EQ(3, lb->count());
            lb->setCurrentRow(1);
            ui.answers.push_back(MsgAnswer::Yes);
            named<QAbstractButton>(z, "Usuń wybrany plik")->click();
            named<QAbstractButton>(z, "Zamknij")->click();
            EXPECT_FALSE(z->isVisible());
        });
        dokum->click();
    }
    ASSERT_TRUE(ran);
    onlyMineChanged(afterClose, state(), {"Notatka służbowa.txt", added});
    EXPECT_TRUE(QFile::exists(folder + "/Szkic miejsca wypadku.svg")) << "files are never deleted";
    EXPECT_FALSE(value("SELECT CZASZAK FROM SKWWYPADKI WHERE ID = :id", {{"id", demoAccident}}).isNull())
        << "the take given back";
}
