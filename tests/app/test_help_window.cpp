// The help window: F1 in the main window, a card window and the print selection
// opens the page of the window's help context, offscreen, on a help folder the
// test writes; moving between pages, the contents and the search.
#include "card/SKWForm.h"
#include "printing/AdmDrukForm.h"
#include "protocol/MemberEntryForms.h"
#include "ui/LogowanieForm.h"
#include "printing/PrintWindowFixture.h"
#include "register/MainWindowFixture.h"
#include "ui/Help.h"
#include "ui/HelpWindow.h"

#include <QColor>
#include <QDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

using namespace zort;
using namespace zort::test;

namespace {

// A help folder: a page per context with its title, and the table of contents.
class HelpPages {
public:
    explicit HelpPages(const QList<int>& contexts) : m_dir(testTempRoot() + QStringLiteral("/help-XXXXXX")) {
        QString index = QStringLiteral("<html><head><title>Spis treści</title></head><body><ul>");
        for (int c : contexts) {
            write(QStringLiteral("%1.html").arg(c),
                  QStringLiteral("<html><head><title>Strona %1</title></head><body><h1>Strona %1</h1>"
                                 "<p>Okno kontekstu %1. Łączy się ze <a href=\"index.html\">spisem</a>.</p></body></html>")
                      .arg(c));
            index += QStringLiteral("<li><a href=\"%1.html\">Strona %1</a></li>").arg(c);
        }
        write(QStringLiteral("index.html"), index + QStringLiteral("</ul></body></html>"));
        Help::setFolder(m_dir.path());
    }
    ~HelpPages() { Help::setFolder(QString()); }
    void write(const QString& name, const QString& html) const {
        QFile f(QDir(m_dir.path()).filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(html.toUtf8());
    }

private:
    QTemporaryDir m_dir;
};

TfrmHTMLHelp* helpWindow() { return Forms::get<TfrmHTMLHelp>(QStringLiteral("TfrmHTMLHelp")); }

// The page the help window shows: its title, or why there is none.
std::string shownTitle() {
    TfrmHTMLHelp* h = helpWindow();
    if (!h) return "(no help window)";
    if (!h->isVisible()) return "(help window hidden)";
    return h->pageTitle().toStdString();
}

class MainWindowHelpTest : public OpenAccidentTest {};

TEST_F(MainWindowHelpTest, F1AndPomocOpenThePageOfTheContext) {
    HelpPages pages({10000, 31100, 31200, 32200});
    w->showSubPage(Register::AtWork, 0);
    QTest::keyClick(w, Qt::Key_F1);
    EXPECT_EQ("Strona 31100", shownTitle());
    EXPECT_EQ("Pomoc - Strona 31100", helpWindow()->windowTitle().toStdString());

    w->showSubPage(Register::AtWork, 1);
    QTest::keyClick(w, Qt::Key_F1);
    EXPECT_EQ("Strona 31200", shownTitle());

    w->button(QStringLiteral("PomocBtn"))->trigger();
    EXPECT_EQ("Strona 10000", shownTitle());

    // The card window's own context.
    TSKWCardForm* card = cardWindow(QStringLiteral("TSKWForm_5"));
    card->prepare(request("TSKWForm_5", true));
    QTest::keyClick(card, Qt::Key_F1);
    EXPECT_EQ("Strona 32200", shownTitle());
    EXPECT_TRUE(ui.shown.empty()) << ui.texts().join('|').toStdString();
    // The contents follow the page shown.
    ASSERT_TRUE(helpWindow()->list()->currentItem());
    EXPECT_EQ("Strona 32200", helpWindow()->list()->currentItem()->text().toStdString());

    // Back and forward through the pages shown, a link followed inside the window.
    TfrmHTMLHelp* h = helpWindow();
    h->browser()->backward();
    EXPECT_EQ("Strona 10000", shownTitle());
    h->browser()->forward();
    EXPECT_EQ("Strona 32200", shownTitle());
    emit h->browser()->anchorClicked(QUrl(QStringLiteral("index.html")));
    EXPECT_EQ("index.html", h->currentPage().toStdString());
}

TEST_F(MainWindowHelpTest, AMissingPageNamesItsContext) {
    HelpPages pages({10000});
    w->showSubPage(Register::AtWork, 1);
    QTest::keyClick(w, Qt::Key_F1);
    ASSERT_EQ(1u, ui.shown.size());
    EXPECT_EQ("Brak strony pomocy dla kontekstu 31200 (plik help/31200.html).", ui.shown[0].text.toStdString());
    // The table of contents leads on.
    EXPECT_EQ("Spis treści", shownTitle());
}

class PrintSelectionHelpTest : public PrintWindowTest {};

TEST_F(PrintSelectionHelpTest, F1FollowsTheTab) {
    HelpPages pages({61100, 61200, 61300});
    auto* w = Forms::getOrCreate<print::TAdmDrukForm>(QStringLiteral("TAdmDrukForm"));
    w->FormShow();
    QTest::keyClick(w, Qt::Key_F1);
    EXPECT_EQ("Strona 61100", shownTitle());
    w->PageControl->setCurrentIndex(1);
    QTest::keyClick(w, Qt::Key_F1);
    EXPECT_EQ("Strona 61200", shownTitle());
    EXPECT_TRUE(ui.shown.empty()) << ui.texts().join('|').toStdString();
}

TEST(HelpWindow, ContentsAndSearch) {
    HelpPages pages({10000, 31100});
    TfrmHTMLHelp h;
    pages.write(QStringLiteral("31100.html"),
                QStringLiteral("<html><head><title>Lista wypadków</title></head><body>Zażółć gęślą jaźń</body></html>"));
    pages.write(QStringLiteral("style.css"), QStringLiteral("h1 { color: #006040; }"));
    h.setFolder(Help::folder());
    // The shared style sheet applies to every page.
    h.showPage(QStringLiteral("10000.html"));
    EXPECT_EQ(QColor(0x00, 0x60, 0x40), QTextCursor(h.browser()->document()->firstBlock()).charFormat().foreground().color());
    EXPECT_EQ(QStringList({"10000.html", "31100.html"}), h.contents());
    // Case and Polish letters aside, every word must be found.
    EXPECT_EQ(QStringList({"31100.html"}), h.search(QStringLiteral("GESLA zazolc")));
    EXPECT_EQ(QStringList({"31100.html"}), h.search(QStringLiteral("lista")));
    EXPECT_TRUE(h.search(QStringLiteral("gęślą kontekstu")).isEmpty());
    h.searchEdit()->setText(QStringLiteral("jaźń"));
    ASSERT_EQ(1, h.list()->count());
    EXPECT_EQ("Lista wypadków", h.list()->item(0)->text().toStdString());
    h.list()->setCurrentRow(0);
    EXPECT_EQ("31100.html", h.currentPage().toStdString());
}

} // namespace

// Windows without a key handler of their own (the login window, a member entry
// window) answer F1 through the application's handler, from any field.
TEST(HelpKeys, AnyWindowCarryingAContextAnswersF1) {
    HelpPages pages({1000, 72000});
    Help::installKeyHandler();
    TfrmLogowanie login;
    login.show();
    QWidget* field = login.findChild<QLineEdit*>();
    ASSERT_TRUE(field);
    QTest::keyClick(field, Qt::Key_F1);
    EXPECT_EQ("Strona 1000", shownTitle());
    TAZespForm member;
    member.show();
    QTest::keyClick(member.findChild<QLineEdit*>(), Qt::Key_F1);
    EXPECT_EQ("Strona 72000", shownTitle());
    helpWindow()->hide();
}
