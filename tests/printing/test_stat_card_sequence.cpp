// The statistical card printed as the user prints it: the person chosen in the main
// window's list, "Wydruki", the three pages of "Statystyczna Karta Wypadku" ticked,
// "Podgląd", the preview saved as PDF, closed; every control found by its caption,
// the database compared after each step.
#include "support/AccessibleWalk.h"
#include "register/MainWindowFixture.h"

#include "printing/Podglad.h"
#include "printing/PrintWindows.h"
#include "printing/ReportForms.h"
#include "printing/engine/ExportQR.h"
#include "printing/engine/QRPreview.h"
#include "printing/DocumentCirculation.h"
#include "support/ModalDriver.h"
#include "support/RecordedDocuments.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QSqlQuery>
#include <QSqlRecord>

using namespace zort;
using namespace zort::test;

namespace {

QTableView* listNamed(QWidget* root, const QString& name) {
    for (QTableView* v : root->findChildren<QTableView*>())
        if (v->accessibleName() == name && v->isVisible()) return v;
    return nullptr;
}

// The row of a list whose column shows the text.
int rowWith(QTableView* list, const QString& text) {
    for (int r = 0; r < list->model()->rowCount(); ++r)
        for (int c = 0; c < list->model()->columnCount(); ++c)
            if (list->model()->index(r, c).data().toString() == text) return r;
    return -1;
}

class StatCardSequence : public MainWindowTest {
protected:
    void SetUp() override {
        // A user of the register and of the printing it needs.
        TPrawaDostepu rights = registerRights();
        rights.WSKWPROTPW = 2;
        startAsTester(rights);
        // The real print selection and preview instead of the stand-ins.
        DocumentWindows::remove(QStringLiteral("TAdmDrukForm"));
        print::registerPrintWindows();
        print::ReportForms::reset();
        QApplication::setActiveWindow(w);
    }
    void TearDown() override {
        MainWindowTest::TearDown();
        print::ReportForms::reset();
    }
    void beforeWindow() override {
        // The 2022 card printed, and an accident of 2019 that must stay as it is.
        c().execute("INSERT INTO SKWWYPADKI (ID, NUMER, DATA, DATAREJWYP, SYMBOLWYP, WERSJASKW, POSZKODOWANI, STRATYZL) "
                    "VALUES (1, 1, '2024-03-04 09:15', '2024-03-05', 'ZP', 5, 1, 1.5)");
        c().execute("INSERT INTO SKWPOSZKODOWANI (ID, IDWYPADKU, NUMERKARTY, NUMERPROT, NAZWISKO, IMIE, PLEC, SKUTKI, "
                    "SKUTKIR, REGON, PRZEDSIEB, KODZAWODU, ZAWOD) VALUES (11, 1, 4, 1, 'Żak', 'Ewa', 2, 3, 1, "
                    "'471234567', 'Huta Łęczyca', '722204', 'Ślusarz')");
        c().execute("INSERT INTO SKWWYPADKI (ID, NUMER, DATA, DATAREJWYP, SYMBOLWYP, WERSJASKW, POSZKODOWANI) "
                    "VALUES (2, 2, '2024-04-01 10:00', '2024-04-02', 'LOG', 4, 1)");
        c().execute("INSERT INTO SKWPOSZKODOWANI (ID, IDWYPADKU, NUMERKARTY, NUMERPROT, NAZWISKO, IMIE, PLEC) "
                    "VALUES (21, 2, 5, 2, 'Inny', 'Jan', 1)");
    }
    QString folder() const { return db.folder() + QStringLiteral("/Obieg"); }

    // Every column of every accident and person, by table, id and column.
    QMap<QString, QString> rows() {
        QMap<QString, QString> out;
        for (const char* table : {"SKWWYPADKI", "SKWPOSZKODOWANI"})
            c().read(QStringLiteral("SELECT * FROM %1").arg(QLatin1String(table)), {}, [&](QSqlQuery& q) {
                while (q.next())
                    for (int i = 0; i < q.record().count(); ++i)
                        out.insert(QStringLiteral("%1:%2.%3").arg(QLatin1String(table), q.value(QStringLiteral("ID")).toString(),
                                                                 q.record().fieldName(i)),
                                   q.value(i).toString());
            });
        return out;
    }
    // The columns that differ between two states (the rows stay the same).
    static QStringList changed(const QMap<QString, QString>& before, const QMap<QString, QString>& after) {
        QStringList out;
        for (auto it = after.begin(); it != after.end(); ++it)
            if (before.value(it.key()) != it.value()) out << it.key();
        if (before.size() != after.size()) out << QStringLiteral("rows");
        return out;
    }
    bool released(int accident) {
        return value(QStringLiteral("SELECT COUNT(*) FROM SKWWYPADKI WHERE ID = :id AND (COMPNAME IS NULL OR CZASZAK IS NOT NULL)"),
                     {{"id", accident}})
                   .toInt() == 1;
    }

    QStringList openedFiles;
    RecordedDocuments recorder{openedFiles};
};

TEST_F(StatCardSequence, ThreePagesOfThe2022CardPreviewedSavedAsPdfAndClosed) {
    const QMap<QString, QString> start = rows();
    // The person of the 2022 card chosen in the lists.
    QTableView* accidents = listNamed(w, QStringLiteral("Zestaw wybranych danych wypadków"));
    ASSERT_TRUE(accidents);
    const int row = rowWith(accidents, QStringLiteral("2024-03-04 09:15:00"));
    ASSERT_GE(row, 0);
    accidents->setFocus();
    accidents->setCurrentIndex(accidents->model()->index(row, 0));
    QTableView* persons = listNamed(w, QStringLiteral("Zestaw wybranych danych poszkodowanych"));
    ASSERT_TRUE(persons);
    persons->setFocus();
    persons->setCurrentIndex(persons->model()->index(rowWith(persons, QStringLiteral("Żak")), 0));
    ASSERT_EQ(dm->personId(), 11);
    EXPECT_EQ(changed(start, rows()), QStringList());

    QAction* prints = nullptr;
    for (QAction* a : w->findChildren<QAction*>())
        if (a->text() == QStringLiteral("Wydruki") && a->isEnabled()) prints = a;
    ASSERT_TRUE(prints);
    int previewPages = 0;
    QStringList previewTexts;
    bool windowSeen = false;
    {
        ModalAnswer inWindow([&]() {
            QWidget* window = QApplication::activeModalWidget();
            ASSERT_TRUE(window);
            windowSeen = true;
            ASSERT_TRUE(byText<QPushButton>(window, QStringLiteral("Podgląd"))->isEnabled());
            QGroupBox* card = nullptr;
            for (QGroupBox* g : window->findChildren<QGroupBox*>())
                if (g->title() == QStringLiteral("Statystyczna Karta Wypadku")) card = g;
            ASSERT_TRUE(card);
            for (const char* page : {"drukuj stronę pierwszą", "drukuj stronę drugą", "drukuj stronę trzecią"}) {
                QCheckBox* box = byText<QCheckBox>(card, QString::fromUtf8(page));
                ASSERT_TRUE(box && box->isEnabled()) << page;
                box->click();
                EXPECT_TRUE(box->isChecked()) << page;
            }
            {
                ModalAnswer inPreview([&]() {
                    auto* preview = qobject_cast<print::TfrmPodglad*>(QApplication::activeModalWidget());
                    ASSERT_TRUE(preview);
                    previewPages = preview->preview()->pageCount();
                    previewTexts = preview->preview()->pages()->texts();
                    // Taken for the time of the preview.
                    EXPECT_FALSE(released(1));
                    ui.files.push_back(folder() + QStringLiteral("/karta.pdf"));
                    ui.filterIndexes.push_back(print::TExportQR::PdfText);
                    QPushButton* pdf = byText<QPushButton>(preview, QStringLiteral("Pdf"));
                    ASSERT_TRUE(pdf);
                    pdf->click();
                    preview->close();
                });
                QPushButton* show = byText<QPushButton>(window, QStringLiteral("Podgląd"));
                ASSERT_TRUE(show);
                show->click();
            }
            byText<QPushButton>(window, QStringLiteral("Zamknij"))->click();
        });
        prints->trigger();
    }
    ASSERT_TRUE(windowSeen);
    EXPECT_EQ(previewPages, 3);
    for (const char* t : {"4 / 2024", "Huta Łęczyca", "722204", "CZĘŚĆ II", "Wypadek i jego przebieg"})
        EXPECT_TRUE(previewTexts.contains(QString::fromUtf8(t))) << t;
    EXPECT_EQ(openedFiles, QStringList{folder() + QStringLiteral("/karta.pdf")});
    QFile pdf(folder() + QStringLiteral("/karta.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
    // Only the printed accident's take changed, and it was given back.
    QStringList takes;
    for (const char* col : {"COMPNAME", "CZASROZP", "CZASZAK"}) takes << QStringLiteral("SKWWYPADKI:1.") + QLatin1String(col);
    for (const QString& col : changed(start, rows())) EXPECT_TRUE(takes.contains(col)) << col.toStdString();
    EXPECT_TRUE(released(1));
}

} // namespace
