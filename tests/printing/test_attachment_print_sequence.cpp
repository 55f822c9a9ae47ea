// The attachment printouts as the user makes them: "Załączn." on a demo accident, a
// hearing added and typed, "Podgląd" of its two pages, the blank order printed to a
// file, the own attachment of a commuting card previewed from its print selection;
// every control found by its caption, the database compared after each step. And
// what a refused save does to "Podgląd".
#include "register/MainWindowFixture.h"

#include "attachments/ZalacznikiForm.h"
#include "demo/DemoData.h"
#include "printing/AttachmentPrint.h"
#include "printing/Podglad.h"
#include "printing/PrintWindows.h"
#include "printing/DocumentReport.h"
#include "printing/ReportForms.h"
#include "printing/engine/QRPreview.h"
#include "support/AccessibleWalk.h"
#include "support/ModalDriver.h"
#include "ui/AttachmentPrinting.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QPrinter>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTabBar>

using namespace zort;
using namespace zort::test;

namespace {

// A visible control by its caption (buttons, boxes) or its label (edits, memos).
template <class W>
W* captioned(QWidget* root, const QString& caption) {
    for (W* w : root->findChildren<W*>()) {
        if (!w->isVisible()) continue;
        QString text;
        if constexpr (std::is_base_of_v<QAbstractButton, W>) text = w->text().remove(QLatin1Char('&'));
        if (text == caption || withoutColon(w->accessibleName()) == withoutColon(caption)) return w;
    }
    return nullptr;
}

// Makes the tab of the caption current in the first tab widget that has it.
bool chooseTab(QWidget* root, const QString& caption) {
    for (QTabWidget* t : root->findChildren<QTabWidget*>())
        for (int i = 0; i < t->count(); ++i)
            if (t->tabText(i).remove(QLatin1Char('&')) == caption && t->isVisible()) {
                t->tabBar()->setCurrentIndex(i);
                return true;
            }
    return false;
}

class AttachmentPrintSequence : public MainWindowTest {
protected:
    void SetUp() override {
        // A user of the register and of the printing it needs.
        TPrawaDostepu rights = registerRights();
        rights.WSKWPROTPW = 2;
        rights.WWydrZal = 1;
        startAsTester(rights);
        DocumentWindows::remove(QStringLiteral("TZalacznikiForm"));
        registerAttachmentWindows();
        DocumentWindows::remove(QStringLiteral("TAdmDrukForm"));
        print::registerPrintWindows();
        print::ReportForms::reset();
        c().execute("UPDATE OPARAM SET PATHDOKWYP = :p", {{"p", testTempRoot()}});
        QApplication::setActiveWindow(w);
        ui.clear();
    }
    void TearDown() override {
        MainWindowTest::TearDown();
        print::ReportForms::reset();
    }
    void beforeWindow() override { loadDemoData(c()); }

    // Every column of every row of the attachments and their documents, the takes
    // of the accidents left out.
    QMap<QString, QString> rows() {
        QMap<QString, QString> out;
        for (const char* table : {"SKWWYPADKI", "SKWPOSZKODOWANI", "SKWWYPADKIWDRODZE", "SKWZALACZNIKI", "SKWPRZESLUCHANIE",
                                  "SKWPOLECENIE"})
            c().read(QStringLiteral("SELECT * FROM %1").arg(QLatin1String(table)), {}, [&](QSqlQuery& q) {
                while (q.next()) {
                    QString key = QLatin1String(table) + QLatin1Char(':') + q.value(QStringLiteral("ID")).toString();
                    if (q.record().indexOf(QStringLiteral("IDPROTOKOLU")) >= 0)
                        key += QLatin1Char('/') + q.value(QStringLiteral("IDWYPADKU")).toString() + QLatin1Char('/') +
                               q.value(QStringLiteral("IDPROTOKOLU")).toString();
                    for (int i = 0; i < q.record().count(); ++i) {
                        const QString col = q.record().fieldName(i);
                        if (col == QLatin1String("COMPNAME") || col == QLatin1String("CZASROZP") ||
                            col == QLatin1String("CZASZAK"))
                            continue;
                        out.insert(key + QLatin1Char('.') + col, q.value(i).toString());
                    }
                }
            });
        return out;
    }
    static QStringList changed(const QMap<QString, QString>& before, const QMap<QString, QString>& after) {
        QStringList out;
        for (auto it = after.begin(); it != after.end(); ++it)
            if (!before.contains(it.key()) || before.value(it.key()) != it.value()) out << it.key();
        for (auto it = before.begin(); it != before.end(); ++it)
            if (!after.contains(it.key())) out << QStringLiteral("gone ") + it.key();
        return out;
    }
    // Makes the accident and the person current by the main window's lists.
    void choose(int accident, int person) {
        // The register of the accident's year, as the administration window opens it.
        dm->OpenRegister(c().scalar("SELECT DATAREJWYP FROM SKWWYPADKI WHERE ID = :id", {{"id", accident}}).toDateTime());
        QTableView* accidents = nullptr;
        QTableView* persons = nullptr;
        for (QTableView* v : w->findChildren<QTableView*>()) {
            if (!v->isVisible()) continue;
            if (v->accessibleName() == QStringLiteral("Zestaw wybranych danych wypadków")) accidents = v;
            if (v->accessibleName() == QStringLiteral("Zestaw wybranych danych poszkodowanych")) persons = v;
        }
        ASSERT_TRUE(accidents && persons);
        accidents->setFocus();
        for (int r = 0; r < accidents->model()->rowCount() && dm->accidentId() != accident; ++r)
            accidents->setCurrentIndex(accidents->model()->index(r, 0));
        ASSERT_EQ(dm->accidentId(), accident);
        persons->setFocus();
        for (int r = 0; r < persons->model()->rowCount() && dm->personId() != person; ++r)
            persons->setCurrentIndex(persons->model()->index(r, 0));
        ASSERT_EQ(dm->personId(), person);
    }
    QToolButton* command(const QString& caption) {
        for (QToolButton* b : w->findChildren<QToolButton*>())
            if (b->text() == caption && b->isVisible() && b->isEnabled()) return b;
        return nullptr;
    }
    // The statement of about two pages, line by line.
    static QString statement() {
        QStringList lines;
        for (int i = 1; i <= 70; ++i)
            lines << QStringLiteral("Wiersz %1 zeznania: szedłem aleją regałową, gdy spadła paleta z kartonami.").arg(i);
        return lines.join(QLatin1Char('\n'));
    }
};

TEST_F(AttachmentPrintSequence, HearingPreviewedBlankOrderPrintedCommutingOwnAttachmentPreviewed) {
    // The demo accident with the hearings and the one with the order.
    const int accident = c().scalar("SELECT IDWYPADKU FROM SKWPRZESLUCHANIE WHERE ID = 1").toInt();
    const int person = c().scalar("SELECT IDPROTOKOLU FROM SKWPRZESLUCHANIE WHERE ID = 1").toInt();
    ASSERT_GT(accident, 0);
    choose(accident, person);
    QMap<QString, QString> before = rows();

    QStringList previewTexts;
    int previewPages = 0;
    int previewRecord = -1;
    QString previewKind;
    const QString printed = db.folder() + QStringLiteral("/polecenie.pdf");
    int hearingId = 0;
    {
        ModalAnswer inWindow([&]() {
            auto* z = qobject_cast<TZalacznikiForm*>(QApplication::activeModalWidget());
            ASSERT_TRUE(z);
            ASSERT_TRUE(chooseTab(z, QStringLiteral("Wyjaśnienia/Informacje")));
            captioned<QPushButton>(z, QStringLiteral("Dodaj załącznik"))->click();
            hearingId = z->book()->currentId(TZalacznikiForm::kHearing);
            ASSERT_GT(hearingId, 2);
            QLineEdit* surname = captioned<QLineEdit>(z, QStringLiteral("Nazwisko"));
            ASSERT_TRUE(surname);
            surname->setText(QStringLiteral("Wiśniewska"));
            emit surname->textEdited(surname->text());
            ASSERT_TRUE(chooseTab(z, QStringLiteral("Treść wyjaśnienia/informacji")));
            QPlainTextEdit* memo = captioned<QPlainTextEdit>(z, QStringLiteral("Treść zeznania"));
            ASSERT_TRUE(memo);
            memo->setPlainText(statement());
            {
                ModalAnswer inPreview([&]() {
                    auto* preview = qobject_cast<print::TfrmPodglad*>(QApplication::activeModalWidget());
                    ASSERT_TRUE(preview);
                    previewPages = preview->preview()->pageCount();
                    previewTexts = preview->preview()->pages()->texts();
                    previewRecord = preview->currentRequest().personId;
                    previewKind = preview->currentRequest().kind;
                    preview->close();
                });
                captioned<QPushButton>(z, QStringLiteral("Podgląd"))->click();
            }
            captioned<QPushButton>(z, QStringLiteral("Zamknij"))->click();
        });
        command(QStringLiteral("Załączn."))->click();
    }
    // Only the typed hearing was written, and it was saved before the preview.
    QStringList diff = changed(before, rows());
    for (const QString& d : diff)
        EXPECT_TRUE(d.startsWith(QStringLiteral("SKWPRZESLUCHANIE:%1/").arg(hearingId))) << d.toStdString();
    EXPECT_EQ(c().scalar("SELECT NAZWISKO FROM SKWPRZESLUCHANIE WHERE ID = :id", {{"id", hearingId}}).toString(),
              "Wiśniewska");
    EXPECT_EQ(previewPages, 2);
    EXPECT_TRUE(previewTexts.contains("Strona 1/ 2"));
    EXPECT_TRUE(previewTexts.contains("Strona 2/ 2"));
    EXPECT_TRUE(previewTexts.contains("Wiersz 70 zeznania: szedłem aleją regałową, gdy spadła paleta z kartonami."));
    EXPECT_EQ(previewKind, "WypZalPrzesl");
    EXPECT_EQ(previewRecord, hearingId);

    // The accident with the order: its blank form to the printer (a file).
    const int orderAccident = c().scalar("SELECT IDWYPADKU FROM SKWPOLECENIE WHERE ID = 1").toInt();
    choose(orderAccident, c().scalar("SELECT IDPROTOKOLU FROM SKWPOLECENIE WHERE ID = 1").toInt());
    before = rows();
    {
        ModalAnswer inWindow([&]() {
            auto* z = qobject_cast<TZalacznikiForm*>(QApplication::activeModalWidget());
            ASSERT_TRUE(z);
            ASSERT_TRUE(chooseTab(z, QStringLiteral("Postanowienie/Polecenie powypadkowe")));
            captioned<QCheckBox>(z, QStringLiteral("drukuj puste formularze"))->setChecked(true);
            QPrinter& printer = print::ReportForms::form(QStringLiteral("TZal_RepPolForm1"))->printer();
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(printed);
            captioned<QPushButton>(z, QStringLiteral("Drukuj"))->click();
            captioned<QCheckBox>(z, QStringLiteral("drukuj puste formularze"))->setChecked(false);
            captioned<QPushButton>(z, QStringLiteral("Zamknij"))->click();
        });
        command(QStringLiteral("Załączn."))->click();
    }
    EXPECT_EQ(changed(before, rows()), QStringList());
    QFile pdf(printed);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");

    // The commuting card's own attachment from its print selection.
    const int card = c().scalar("SELECT IDWYPADKU FROM SKWZALACZNIKI WHERE IDPROTOKOLU = 0").toInt();
    ASSERT_GT(card, 0);
    dm->OpenRegister(c().scalar("SELECT DATAREJWYP FROM SKWWYPADKIWDRODZE WHERE ID = :id", {{"id", card}}).toDateTime());
    w->registers()->setCurrentWidget(w->findChild<QWidget*>("TabWypDroga"));
    QTableView* cards = nullptr;
    for (QTableView* v : w->findChildren<QTableView*>())
        if (v->isVisible() && v->model() && v->model()->rowCount() > 0) cards = v;
    ASSERT_TRUE(cards);
    cards->setFocus();
    for (int r = 0; r < cards->model()->rowCount() && dm->commutingId() != card; ++r)
        cards->setCurrentIndex(cards->model()->index(r, 0));
    ASSERT_EQ(dm->commutingId(), card);
    before = rows();
    previewTexts.clear();
    {
        ModalAnswer inPrints([&]() {
            QWidget* prints = QApplication::activeModalWidget();
            ASSERT_TRUE(prints);
            ModalAnswer inWindow([&]() {
                auto* z = qobject_cast<TZalacznikiForm*>(QApplication::activeModalWidget());
                ASSERT_TRUE(z);
                ModalAnswer inPreview([&]() {
                    auto* preview = qobject_cast<print::TfrmPodglad*>(QApplication::activeModalWidget());
                    ASSERT_TRUE(preview);
                    previewTexts = preview->preview()->pages()->texts();
                    previewRecord = preview->currentRequest().personId;
                    preview->close();
                });
                captioned<QPushButton>(z, QStringLiteral("Podgląd"))->click();
                captioned<QPushButton>(z, QStringLiteral("Zamknij"))->click();
            });
            captioned<QPushButton>(prints, QStringLiteral("Załączn."))->click();
            captioned<QPushButton>(prints, QStringLiteral("Zamknij"))->click();
        });
        command(QStringLiteral("Wydruki"))->click();
    }
    EXPECT_EQ(changed(before, rows()), QStringList());
    EXPECT_TRUE(previewTexts.contains("Notatka urzędowa policji"));
    EXPECT_TRUE(std::any_of(previewTexts.begin(), previewTexts.end(), [](const QString& t) {
        return t.startsWith(QStringLiteral("Załącznik nr 1 do karty wypadku w drodze do pracy lub z pracy nr "));
    })) << previewTexts.join('|').toStdString();
    EXPECT_EQ(previewRecord, card);
}

// --- A refused save prints nothing --------------------------------------------------

class AttachmentPrintFailures : public AttachmentPrintSequence {
protected:
    // The window of the demo accident's hearings, shown as from the list page.
    TZalacznikiForm& open() {
        const int accident = c().scalar("SELECT IDWYPADKU FROM SKWPRZESLUCHANIE WHERE ID = 1").toInt();
        const int person = c().scalar("SELECT IDPROTOKOLU FROM SKWPRZESLUCHANIE WHERE ID = 1").toInt();
        choose(accident, person);
        TZalacznikiForm& z = attachmentsWindow();
        DocumentWindows::Request r{QStringLiteral("TZalacznikiForm"), true, w};
        r.onListPage = true;
        r.record = RecordRef{Register::AtWork, accident, person};
        z.FormShow(r);
        z.tabs()->setCurrentIndex(TZalacznikiForm::HearingTab);
        return z;
    }
    void TearDown() override {
        if (auto* z = Forms::get<TZalacznikiForm>(QStringLiteral("TZalacznikiForm"))) z->reject();
        print::installAttachmentPrinting();
        AttachmentPrintSequence::TearDown();
    }
    QList<AttachmentPrintRequest> asked;
    void record() {
        AttachmentPrinting::install([this](const AttachmentPrintRequest& r) { asked << r; });
    }
};

TEST_F(AttachmentPrintFailures, ABadDateAGoneRowAndARejectedRowShowTheirMessageAndPrintNothing) {
    TZalacznikiForm& z = open();
    record();
    const QMap<QString, QString> before = rows();
    QLineEdit* born = z.edit(QStringLiteral("epDataUr"));
    ASSERT_TRUE(born);
    born->setText(QStringLiteral("2024-13-45"));
    emit born->textEdited(born->text());
    z.PreviewBtnClick();
    EXPECT_EQ(ui.lastText(), "Zły format daty.");
    EXPECT_TRUE(asked.isEmpty());
    EXPECT_EQ(changed(before, rows()), QStringList());
    born->setText(QString());
    emit born->textEdited(QString());

    // Another connection deletes the hearing: the save's message, nothing printed.
    const int hearing = z.book()->currentId(TZalacznikiForm::kHearing);
    z.edit(QStringLiteral("epNazwisko"))->setText(QStringLiteral("Nowa"));
    emit z.edit(QStringLiteral("epNazwisko"))->textEdited(QStringLiteral("Nowa"));
    {
        auto other = db.connect(QStringLiteral("inny"));
        other->execute(QStringLiteral("DELETE FROM SKWPRZESLUCHANIE WHERE ID = :id"), {{"id", hearing}});
    }
    ui.clear();
    z.PreviewBtnClick();
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_TRUE(ui.lastText().startsWith(QStringLiteral("Błąd przy zapisie danych !!!"))) << ui.lastText().toStdString();
    EXPECT_TRUE(asked.isEmpty());
}

TEST_F(AttachmentPrintFailures, ARejectedRowKeepsTheTypedValuesAndTheRealPrinterSkipsAMissingEntry) {
    TZalacznikiForm& z = open();
    record();
    c().execute("CREATE EXCEPTION E_ATT_PRINT 'odrzucone'");
    c().execute("CREATE TRIGGER T_ATT_PRINT FOR SKWPRZESLUCHANIE BEFORE UPDATE AS BEGIN "
                "IF (NEW.NAZWISKO = 'ODRZUC') THEN EXCEPTION E_ATT_PRINT; END");
    const QMap<QString, QString> before = rows();
    z.edit(QStringLiteral("epNazwisko"))->setText(QStringLiteral("ODRZUC"));
    emit z.edit(QStringLiteral("epNazwisko"))->textEdited(QStringLiteral("ODRZUC"));
    ui.clear();
    z.DrukBtnClick();
    EXPECT_EQ(ui.shown.size(), 1u);
    EXPECT_TRUE(asked.isEmpty());
    EXPECT_EQ(z.edit(QStringLiteral("epNazwisko"))->text(), "ODRZUC");
    EXPECT_EQ(changed(before, rows()), QStringList());

    // The real printer: an entry that is not there opens no preview (a modal window
    // would wait here) and sends nothing to the printer.
    print::installAttachmentPrinting();
    ui.clear();
    EXPECT_TRUE(AttachmentPrinting::print({QStringLiteral("WypZalPrzesl"), 9999, false, true, &z, 1, 1}));
    EXPECT_TRUE(AttachmentPrinting::print({QStringLiteral("WypZalPolec"), 9999, false, false, &z, 1, 1}));
    EXPECT_TRUE(ui.shown.empty());
}

} // namespace
