// The two card windows of the 2000 card on the demo's database, offscreen: the form
// of 2001 for a register after 2000, the form of 1996 for the register of 2000.
#include "card/SKWForm.h"
#include "db/ColumnTypes.h"
#include "domain/CardVersion.h"
#include "register/MainWindowFixture.h"
#include "support/AccessibleWalk.h"
#include "support/FieldWidths.h"
#include "support/ModalDriver.h"
#include "ui/FieldBinding.h"
#include "ui/ListForm.h"
#include "ui/StrikeMark.h"

#include <QAccessible>
#include <QCheckBox>
#include <QFile>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

using namespace zort;
using namespace zort::test;

namespace {

const char* const kCardWindows[] = {"TSKWForm", "TSKWForm_1", "TSKWForm_2", "TSKWForm_3", "TSKWForm_4", "TSKWForm_5"};

using Row = QMap<QString, QString>;

class Card2000Test : public MainWindowTest {
protected:
    void SetUp() override {
        {
            // The demo's database: the lists of the 2000 card and its two accidents.
            TestDatabase demo(TestDatabase::Content::Demo);
            QFile::remove(db.path());
            ASSERT_TRUE(QFile::copy(demo.path(), db.path()));
            QFile::setPermissions(db.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        }
        MainWindowTest::SetUp();
        for (const char* name : kCardWindows) DocumentWindows::remove(QString::fromLatin1(name));
        registerCardWindows();
        const QString of = QStringLiteral("SELECT FIRST 1 %1 FROM SKWWYPADKI w JOIN SKWPOSZKODOWANI p ON p.IDWYPADKU = w.ID "
                                          "WHERE w.WERSJASKW = 1 AND EXTRACT(YEAR FROM w.DATA) %2 2000");
        later = {value(of.arg("w.ID", ">")).toInt(), value(of.arg("p.ID", ">")).toInt()};
        old = {value(of.arg("w.ID", "=")).toInt(), value(of.arg("p.ID", "=")).toInt()};
        laterYear = value(of.arg("EXTRACT(YEAR FROM w.DATA)", ">")).toInt();
        ASSERT_GT(later.first, 0);
        ASSERT_GT(old.first, 0);
    }
    void TearDown() override {
        for (const char* name : kCardWindows) DocumentWindows::remove(QString::fromLatin1(name));
        MainWindowTest::TearDown();
    }
    // The register of the reference date, its list on the accident.
    void openRegister(const QDateTime& reference, const QPair<int, int>& record) {
        dm->OpenRegister(reference);
        dm->reopenLists(Register::AtWork, record.first, record.second);
        w->loadRecord(Register::AtWork);
        ASSERT_EQ(record.first, dm->accidentId());
    }
    DocumentWindows::Request request(const char* className, const QPair<int, int>& record, bool editable = true) {
        DocumentWindows::Request r{QString::fromLatin1(className), editable, w};
        r.record = RecordRef{Register::AtWork, record.first, record.second};
        return r;
    }
    TSKWCardForm* open(const char* className, const QPair<int, int>& record) {
        TSKWCardForm* card = cardWindow(QString::fromLatin1(className));
        card->prepare(request(className, record));
        return card;
    }
    template <class T = QLineEdit>
    static T* field(TSKWCardForm* card, const char* name) {
        return card->findChild<T*>(QString::fromLatin1(name));
    }
    static bool type(TSKWCardForm* card, const char* name, const QString& text) {
        QLineEdit* e = field(card, name);
        EXPECT_TRUE(e) << name;
        if (!e) return false;
        e->setText(text);
        return card->leaveField(e);
    }
    static StrikeMark* strike(TSKWCardForm* card, const char* name) { return field<StrikeMark>(card, name); }
    static QCheckBox* training(TSKWCardForm* card, int answer) {
        return card->findChild<QCheckBox*>(QStringLiteral("mkSzkolenie%1").arg(answer));
    }
    // The answers of the training question that are framed.
    static QString framedTraining(TSKWCardForm* card) {
        QString s;
        for (int a = 0; a <= 4; ++a)
            if (training(card, a)->isChecked()) s += QString::number(a);
        return s;
    }
    static std::string trainingValues(TSKWCardForm* card) {
        QStringList v;
        for (const QVariant& t : card->state().training) v << (t.isNull() ? QStringLiteral("<null>") : t.toString());
        return v.join(QLatin1Char('|')).toStdString();
    }
    // Which answers of the two accident-type blocks are struck ("-" standing).
    static QString struckTypes(TSKWCardForm* card) {
        QString s;
        for (const char* n : {"mkTypWyp0", "mkTypWyp1", "mkTypWyp90", "mkTypWyp91"})
            s += strike(card, n)->struck() ? QLatin1Char('x') : QLatin1Char('-');
        return s;
    }
    // Picks the list entry beginning with `entry` for the field (nothing: Esc); the
    // entries shown and the one preselected come back.
    void pickFromList(TSKWCardForm* card, const char* name, const QString& entry, QStringList* entries = nullptr,
                      QString* preselected = nullptr) {
        ModalAnswer answer([&]() {
            TListForm& l = listForm();
            const int current = l.selectedIndex();
            if (preselected) *preselected = current >= 0 ? l.list()->item(current)->text() : QString();
            for (int i = 0; i < l.list()->count(); ++i) {
                if (entries) *entries << l.list()->item(i)->text();
                if (!entry.isEmpty() && l.list()->item(i)->text().startsWith(entry)) l.list()->setCurrentRow(i);
            }
            if (entry.isEmpty()) l.reject();
            else l.accept();
        });
        card->pick(QString::fromLatin1(name));
    }
    Row rowMap(const char* table, int rowId) {
        QSqlQuery q = c().run(QStringLiteral("SELECT * FROM %1 WHERE ID = :id").arg(QLatin1String(table)), {{"id", rowId}});
        Row out;
        if (q.next())
            for (int i = 0; i < q.record().count(); ++i)
                out.insert(q.record().fieldName(i), q.value(i).isNull() ? QStringLiteral("<null>") : q.value(i).toString());
        return out;
    }
    static QStringList changed(const Row& before, const Row& after) {
        QStringList out;
        for (auto it = after.begin(); it != after.end(); ++it)
            if (before.value(it.key()) != it.value()) out << it.key();
        out.sort();
        return out;
    }
    // Every row of the two tables but those of the record.
    QString others(const QPair<int, int>& record) {
        QStringList rows;
        for (const auto& [table, rowId] : {std::pair{"SKWWYPADKI", record.first}, std::pair{"SKWPOSZKODOWANI", record.second}}) {
            QSqlQuery q = c().run(QStringLiteral("SELECT * FROM %1 WHERE ID <> :id ORDER BY ID").arg(QLatin1String(table)),
                                  {{"id", rowId}});
            while (q.next())
                for (int i = 0; i < q.record().count(); ++i) rows << q.value(i).toString();
        }
        return rows.join(QLatin1Char('|'));
    }
    QVariant personValue(const char* column, int personId) {
        return value(QStringLiteral("SELECT %1 FROM SKWPOSZKODOWANI WHERE ID = :id").arg(QLatin1String(column)),
                     {{"id", personId}});
    }
    std::string messages() const { return ui.texts().join(QLatin1Char('|')).toStdString(); }

    QPair<int, int> later;  // the demo's accident of the 2000 card in the current year, its person
    QPair<int, int> old;    // ... and its accident of 2000
    int laterYear = 0;
};

QStringList sorted(QStringList l) {
    l.sort();
    return l;
}

} // namespace

// --- A user's sequence through the main window -------------------------------------

TEST_F(Card2000Test, TheUserFillsThe2001CardFromTheMainWindow) {
    openRegister(QDateTime(QDate(laterYear, 6, 30), QTime(0, 0)), later);
    const QString rest = others(later);
    Row person;
    Row accident;
    bool answered = false;
    {
        ModalAnswer answer([&]() {
            auto* card = qobject_cast<TSKWCardForm*>(QApplication::activeModalWidget());
            ASSERT_TRUE(card);
            EXPECT_EQ("zort::TSKWForm_1", std::string(card->metaObject()->className()));
            EXPECT_EQ(770, card->minimumWidth());
            EXPECT_EQ(770, card->maximumWidth());
            EXPECT_GE(card->minimumHeight(), 567);
            EXPECT_EQ(QStringList({"Strona 1", "Strona 2"}), QStringList({card->pages()->tabText(0), card->pages()->tabText(1)}));
            person = rowMap("SKWPOSZKODOWANI", later.second);
            accident = rowMap("SKWWYPADKI", later.first);
            // The demo's card: "tTnt", type 0.
            EXPECT_EQ("124", framedTraining(card));
            EXPECT_EQ("-x-x", struckTypes(card)) << "the treated-as answer struck in both parts";

            ui.clear();
            EXPECT_TRUE(type(card, "epImie", QStringLiteral("Sławek")));
            EXPECT_TRUE(type(card, "epNazwisko", QStringLiteral("Górski-Wolny")));
            EXPECT_TRUE(type(card, "e9SynCorka", QStringLiteral("syn Bogdana")));
            EXPECT_EQ("Sławek", field(card, "e9Imie")->text()) << "copied to part II";
            EXPECT_EQ("syn Bogdana", field(card, "epSynCorka")->text()) << "copied to part I";
            training(card, 2)->click();  // "T": no longer completed
            training(card, 3)->click();
            EXPECT_EQ("134", framedTraining(card));
            strike(card, "mkTypWyp91")->click();  // part II, "traktowanego na równi"
            EXPECT_EQ("x-x-", struckTypes(card));
            QString preselected;
            pickFromList(card, "epUraz2", QStringLiteral("10 - "), nullptr, &preselected);
            EXPECT_EQ("7 - przedramię, nadgarstek", preselected);
            pickFromList(card, "epIdUrazu3", QStringLiteral("4 - "));
            pickFromList(card, "epCzynnik3", QStringLiteral("5 - "));
            pickFromList(card, "epZrodlo3", QStringLiteral("3 - "));
            pickFromList(card, "epCzynnik4", QStringLiteral("9 - "));
            pickFromList(card, "epZrodlo4", QStringLiteral("12 - "));
            EXPECT_EQ("spawarki", field<QPlainTextEdit>(card, "epZrodlo3")->toPlainText());
            field<QPlainTextEdit>(card, "epCzynnik4")->setPlainText(QStringLiteral("inny czynnik:\nśliska rampa"));
            field<QPlainTextEdit>(card, "epDodBranza")->setPlainText(QStringLiteral("Narada 20 marca.\nWnioski u kierownika."));
            EXPECT_EQ("", messages());

            card->findChild<QPushButton*>(QStringLiteral("ZapiszBtn"))->click();
            EXPECT_EQ("", messages());
            EXPECT_EQ(QStringList({"CZYNNIK3", "CZYNNIK4", "DODBRANZA", "IDCZYNNIKA3", "IDCZYNNIKA4", "IDURAZU2", "IDURAZU3",
                                   "IDZRODLA3", "IDZRODLA4", "IMIE", "NAZWISKO", "SYNCORKA", "SZKINSTR", "SZKPODST", "TYPWYP",
                                   "URAZ2", "URAZ3", "ZRODLO3", "ZRODLO4"}),
                      changed(person, rowMap("SKWPOSZKODOWANI", later.second)));
            EXPECT_EQ(QStringList(), changed(accident, rowMap("SKWWYPADKI", later.first)));
            person = rowMap("SKWPOSZKODOWANI", later.second);
            EXPECT_EQ("n", person.value("SZKINSTR").trimmed());
            EXPECT_EQ("t", person.value("SZKPODST").trimmed());
            EXPECT_EQ("1", person.value("TYPWYP"));
            EXPECT_EQ("10", person.value("IDURAZU2"));
            EXPECT_EQ("podudzie, staw skokowy", person.value("URAZ2"));
            EXPECT_EQ("12", person.value("IDZRODLA4"));
            EXPECT_EQ("inny czynnik:\r\nśliska rampa", person.value("CZYNNIK4"));
            EXPECT_EQ("Narada 20 marca.\r\nWnioski u kierownika.", person.value("DODBRANZA"));
            EXPECT_EQ(rest, others(later));
            card->findChild<QPushButton*>(QStringLiteral("ZamknijBtn"))->click();
            answered = true;
        });
        w->SKWBtnClick();
    }
    ASSERT_TRUE(answered);
    EXPECT_EQ(QStringList(), changed(person, rowMap("SKWPOSZKODOWANI", later.second))) << "Zamknij saved the same";
    EXPECT_EQ(QStringList({"CZASZAK"}), changed(accident, rowMap("SKWWYPADKI", later.first))) << "released";
    EXPECT_EQ(rest, others(later));

    // Opened again: the card as saved.
    {
        ModalAnswer answer([&]() {
            auto* card = qobject_cast<TSKWCardForm*>(QApplication::activeModalWidget());
            ASSERT_TRUE(card);
            EXPECT_EQ("Sławek", field(card, "e9Imie")->text());
            EXPECT_EQ("Górski-Wolny", field(card, "epNazwisko")->text());
            EXPECT_EQ("134", framedTraining(card));
            EXPECT_EQ("x-x-", struckTypes(card));
            EXPECT_EQ("4", field(card, "epIdUrazu3")->text());
            EXPECT_EQ("inny czynnik:\nśliska rampa", field<QPlainTextEdit>(card, "epCzynnik4")->toPlainText());
            static_cast<QDialog*>(card)->reject();  // the close box
        });
        w->SKWBtnClick();
    }
    EXPECT_EQ(QStringList(), changed(person, rowMap("SKWPOSZKODOWANI", later.second)));
}

TEST_F(Card2000Test, TheCardOf2000OpensInThe1996FormWithItsDiseaseNumber) {
    c().execute("INSERT INTO SKWCHORL4 (ID, IDGRCHOR, KODCHORL4, NAZWA) VALUES (99, 3, 'S52.5', 'Złamanie dalszej nasady')");
    const QString longName = QStringLiteral("Urazy wielomiejscowe obejmujące głowę, szyję, tułów oraz kończyny górne i dolne");
    c().execute("INSERT INTO SKWURAZY (ID, NAZWA) VALUES (10, :n)", {{"n", longName}});
    openRegister(QDateTime(QDate(2000, 6, 30), QTime(0, 0)), old);
    const QString rest = others(old);
    Row person;
    {
        ModalAnswer answer([&]() {
            auto* card = qobject_cast<TSKWCardForm*>(QApplication::activeModalWidget());
            ASSERT_TRUE(card);
            EXPECT_EQ("zort::TSKWForm", std::string(card->metaObject()->className()));
            EXPECT_EQ(789, card->minimumWidth());
            EXPECT_EQ(789, card->maximumWidth());
            person = rowMap("SKWPOSZKODOWANI", old.second);
            EXPECT_EQ("S42", field(card, "epKodChoroby")->text());
            EXPECT_EQ("Edward", field(card, "epImOjca")->text());
            EXPECT_EQ("Edward", field(card, "e9ImOjca")->text());
            EXPECT_EQ("1", framedTraining(card));
            // The disease list: "KODCHORL4 - NAZWA", on the stored number; the field
            // takes the first three characters.
            QStringList entries;
            QString preselected;
            pickFromList(card, "epKodChoroby", QStringLiteral("S52.5 - "), &entries, &preselected);
            EXPECT_TRUE(entries.contains(QStringLiteral("S62 - Złamanie na poziomie nadgarstka i ręki")));
            EXPECT_EQ("S42 - Złamanie w obrębie barku i ramienia", preselected);
            EXPECT_EQ("S52", field(card, "epKodChoroby")->text());
            // The lists without suffix; a long name cut to its column.
            entries.clear();
            pickFromList(card, "epUraz3", QStringLiteral("10 - "), &entries);
            EXPECT_EQ(10, entries.size());
            EXPECT_EQ(longName.left(50), field(card, "epUraz3")->text());
            type(card, "e9ImOjca", QStringLiteral("Edmund"));
            card->ZapiszClick();
            EXPECT_EQ("", messages());
            EXPECT_EQ(QStringList({"IDURAZU3", "IMOJCA", "KODCHOROBY", "URAZ3"}),
                      changed(person, rowMap("SKWPOSZKODOWANI", old.second)));
            EXPECT_EQ("S52", personValue("KODCHOROBY", old.second).toString());
            EXPECT_EQ(longName.left(50), personValue("URAZ3", old.second).toString());
            EXPECT_EQ("Edmund", personValue("IMOJCA", old.second).toString());
            static_cast<QDialog*>(card)->reject();
        });
        w->SKWBtnClick();
    }
    EXPECT_EQ(rest, others(old));
}

// --- The window and its lists by the reference date -----------------------------------

TEST_F(Card2000Test, TheWindowAndItsListsFollowTheReferenceDate) {
    struct Case {
        QDateTime reference;
        const char* window;
        int injuries;  // entries of the injury list
        int sources;
    };
    const Case cases[] = {{QDateTime(QDate(2000, 12, 31), QTime(0, 0)), "TSKWForm", 9, 9},
                          {QDateTime(QDate(2001, 1, 1), QTime(0, 0)), "TSKWForm_1", 12, 12}};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.window);
        dm->OpenRegister(k.reference);
        EXPECT_EQ(k.window, cardWindowClass(1, dm->referenceDate()));
        TSKWCardForm* card = open(k.window, old);
        QStringList entries;
        pickFromList(card, "epUraz1", QString(), &entries);
        EXPECT_EQ(k.injuries, entries.size());
        entries.clear();
        pickFromList(card, "epZrodlo2", QString(), &entries);
        EXPECT_EQ(k.sources, entries.size());
        QStringList contracts;
        pickFromList(card, "epUmowa", QString(), &contracts);
        EXPECT_EQ(k.injuries == 9 ? 8 : 10, contracts.size());
    }
    // Through the main window: the register of 2000 at its last midnight.
    openRegister(QDateTime(QDate(2000, 12, 31), QTime(0, 0)), old);
    QString shown;
    {
        ModalAnswer answer([&]() {
            QWidget* modal = QApplication::activeModalWidget();
            shown = QString::fromLatin1(modal->metaObject()->className());
            static_cast<QDialog*>(modal)->reject();
        });
        w->SKWBtnClick();
    }
    EXPECT_EQ("zort::TSKWForm", shown);
}

TEST_F(Card2000Test, EveryFieldOfBothFormsRoundTrips) {
    for (const auto& [className, record, reference] :
         {std::tuple{"TSKWForm", old, QDate(2000, 6, 30)}, std::tuple{"TSKWForm_1", later, QDate(laterYear, 6, 30)}}) {
        SCOPED_TRACE(className);
        dm->OpenRegister(QDateTime(reference, QTime(0, 0)));
        TSKWCardForm* card = open(className, record);
        // What the user types: every field of the form, the codes as the pickers write them.
        QMap<QString, QString> typed;
        int n = 0;
        for (const CardItem& item : card->description().items) {
            ++n;
            if (item.kind == CardItemKind::Edit && !item.readOnly && !item.name.startsWith(QLatin1String("e9"))) {
                const QString text = item.check == CardCheck::Real    ? QStringLiteral("%1.25").arg(n)
                                     : item.check != CardCheck::None ? QString::number(n)
                                                                      : QStringLiteral("Tekst %1 ąę").arg(n);
                typed.insert(item.name, text);
            } else if (item.kind == CardItemKind::CodeText) {
                typed.insert(item.name, item.name == QLatin1String("epKodChoroby") ? QStringLiteral("T23")
                                                                                   : QString::number(100 + n));
                if (!item.name2.isEmpty())
                    typed.insert(item.name2, item.memoLines > 0 ? QStringLiteral("opis %1\nciąg dalszy").arg(n)
                                                                : QStringLiteral("opis %1").arg(n));
            } else if (item.kind == CardItemKind::Memo) {
                typed.insert(item.name, QStringLiteral("Wiersz pierwszy\nwiersz drugi\n\nczwarty"));
            }
        }
        for (auto it = typed.begin(); it != typed.end(); ++it) {
            if (auto* m = card->findChild<QPlainTextEdit*>(it.key())) {
                m->setPlainText(it.value());
                continue;
            }
            QLineEdit* e = card->findChild<QLineEdit*>(it.key());
            ASSERT_TRUE(e) << it.key().toStdString();
            e->setText(it.value());
            EXPECT_TRUE(card->leaveField(e)) << it.key().toStdString();
        }
        card->markClicked(QStringLiteral("mkPlec"), 1);
        card->markClicked(QStringLiteral("mkSkutki"), 1);
        card->markClicked(QStringLiteral("mkSkutkiR"), 0);
        card->markClicked(QStringLiteral("mkTypWyp9"), 1);
        card->trainingClicked(0);
        card->trainingClicked(3);
        field<QSpinBox>(card, "SpinEditRU")->setValue(1970);
        field<QSpinBox>(card, "SpinEditG")->setValue(15);
        ui.clear();
        card->ZapiszClick();
        EXPECT_EQ("", messages());

        card = open(className, record);
        for (auto it = typed.begin(); it != typed.end(); ++it) {
            const auto* m = card->findChild<QPlainTextEdit*>(it.key());
            const QString shown = m ? m->toPlainText() : card->findChild<QLineEdit*>(it.key())->text();
            EXPECT_EQ(it.value().toStdString(), shown.toStdString()) << it.key().toStdString();
        }
        for (const char* twin : {"e9Imie", "e9Nazwisko"})
            EXPECT_EQ(field(card, twin)->text(), typed.value(QLatin1String("ep") + QLatin1String(twin + 2))) << twin;
        EXPECT_EQ(2, card->state().sex);
        EXPECT_EQ(2, card->state().effects);
        EXPECT_EQ(1, card->state().effectsPart2);
        EXPECT_EQ(1, card->state().accidentType);
        EXPECT_EQ("3", framedTraining(card));
        EXPECT_EQ(1970, field<QSpinBox>(card, "SpinEditRU")->value());
        EXPECT_EQ(15, card->state().accidentDate.time().hour());
        EXPECT_EQ("Wiersz pierwszy\r\nwiersz drugi\r\n\r\nczwarty", personValue("DODBRANZA", record.second).toString());
        EXPECT_EQ(QByteArray(className) == "TSKWForm" ? "T23" : "", personValue("KODCHOROBY", record.second).toString());
    }
}

// --- Binding, marks ---------------------------------------------------------------------

TEST_F(Card2000Test, EveryFieldOfBothFormsShowsItsWholeValue) {
    for (const char* className : {"TSKWForm", "TSKWForm_1"}) {
        TSKWCardForm* card = open(className, QByteArray(className) == "TSKWForm" ? old : later);
        EXPECT_EQ("", pageFaults(card, QString::fromLatin1(className)));
        card->hide();
    }
}

TEST_F(Card2000Test, EveryBoundControlOfBothFormsHasItsColumnOnce) {
    ColumnTypes& types = dm->store().columnTypes();
    for (const char* className : {"TSKWForm", "TSKWForm_1"}) {
        SCOPED_TRACE(className);
        TSKWCardForm* card = open(className, old);
        FieldBinder binder(card, MemoSlots::None,
                           {{'p', "person"}, {'w', "accident"}, {'9', "person", false}, {'0', "accident", false}},
                           QLatin1Char('e'));
        QSet<QString> saved;
        int memos = 0;
        for (const BoundControl& b : binder.controls()) {
            const bool person = b.selector == QLatin1Char('p') || b.selector == QLatin1Char('9');
            const QString table = person ? QStringLiteral("SKWPOSZKODOWANI") : QStringLiteral("SKWWYPADKI");
            EXPECT_TRUE(types.column(table, b.column)) << b.widget->objectName().toStdString();
            if (b.kind == BoundKind::Memo) {
                ++memos;
                EXPECT_EQ(QLatin1Char('p'), b.selector) << b.widget->objectName().toStdString();
            }
            if (b.selector == QLatin1Char('9') || b.selector == QLatin1Char('0')) continue;
            const QString key = table + QLatin1Char('.') + b.column.toUpper();
            EXPECT_FALSE(saved.contains(key)) << key.toStdString();
            saved.insert(key);
        }
        EXPECT_EQ(9, memos) << "four factors, four sources, the sector's text";
        const bool of1996 = QByteArray(className) == "TSKWForm";
        for (const char* column : {"IMIE", "NAZWISKO", "IDURAZU3", "CZYNNIK4", "IDZRODLA4", "DODBRANZA", "IDUMOWY", "STAZ"})
            EXPECT_TRUE(saved.contains(QStringLiteral("SKWPOSZKODOWANI.") + QLatin1String(column))) << column;
        EXPECT_EQ(of1996, saved.contains(QStringLiteral("SKWPOSZKODOWANI.IMOJCA")));
        EXPECT_EQ(of1996, saved.contains(QStringLiteral("SKWPOSZKODOWANI.KODCHOROBY")));
        EXPECT_EQ(!of1996, saved.contains(QStringLiteral("SKWPOSZKODOWANI.SYNCORKA")));
        // Nothing the 2000 card lacks.
        for (const char* column : {"IDOBYWATELSTWO", "IDRODZAJURAZ", "IDPROCESPRACY", "IDCZYNNIKURAZ", "SPKRYTJEDN",
                                   "IDMSCJEDN", "EMAILWYPSKW", "TELWYPSKW", "MIEJSCOWWYPSKW", "DATAWYPSKW", "LICZBAPRAC"})
            EXPECT_FALSE(saved.contains(QStringLiteral("SKWPOSZKODOWANI.") + QLatin1String(column))) << column;
        for (const char* name : {"mkFormaPracy", "mkSpKrytJedn", "ewIdPolozGeogr"})
            EXPECT_FALSE(card->findChild<QWidget*>(QString::fromLatin1(name))) << name;
        EXPECT_EQ("Statystyczna Karta Wypadku - SKW 2000", card->windowTitle().toStdString());
    }
}

TEST_F(Card2000Test, TrainingTypeAndEffectsMarks) {
    c().execute("UPDATE SKWPOSZKODOWANI SET SZKWSTEPNE = 'T', SZKINSTR = 'n', SZKPODST = 'n', SZKOKRES = 'n', "
                "SKUTKI = 4, SKUTKIR = 2, TYPWYP = 2 WHERE ID = :id",
                {{"id", old.second}});
    dm->OpenRegister(QDateTime(QDate(2000, 6, 30), QTime(0, 0)));
    TSKWCardForm* card = open("TSKWForm", old);
    EXPECT_EQ("1", framedTraining(card));
    training(card, 0)->click();  // "brak przeszkolenia"
    EXPECT_EQ("0", framedTraining(card));
    EXPECT_EQ("n|n|n|n", trainingValues(card));
    training(card, 0)->click();  // again: nothing to change
    EXPECT_EQ("0", framedTraining(card));
    EXPECT_EQ("n|n|n|n", trainingValues(card));
    training(card, 4)->click();
    EXPECT_EQ("4", framedTraining(card));
    card->ZapiszClick();
    EXPECT_EQ("nnnt", value("SELECT TRIM(SZKWSTEPNE) || TRIM(SZKINSTR) || TRIM(SZKPODST) || TRIM(SZKOKRES) "
                            "FROM SKWPOSZKODOWANI WHERE ID = :id",
                            {{"id", old.second}})
                          .toString()
                          .toStdString());
    // None completed: "brak przeszkolenia" rewrites nothing.
    c().execute("UPDATE SKWPOSZKODOWANI SET SZKWSTEPNE = 'x', SZKINSTR = 'n', SZKPODST = NULL, SZKOKRES = 'n' WHERE ID = :id",
                {{"id", old.second}});
    card = open("TSKWForm", old);
    EXPECT_EQ("0", framedTraining(card));
    training(card, 0)->click();
    EXPECT_EQ("x|n|<null>|n", trainingValues(card));

    // The accident type: 2 strikes nothing; each wording of each block sets it.
    EXPECT_EQ("----", struckTypes(card));
    const std::pair<const char*, const char*> clicks[] = {
        {"mkTypWyp1", "x-x-"}, {"mkTypWyp0", "-x-x"}, {"mkTypWyp91", "x-x-"}, {"mkTypWyp90", "-x-x"}};
    for (const auto& [mark, struck] : clicks) {
        strike(card, mark)->click();
        EXPECT_EQ(struck, struckTypes(card)) << mark;
    }
    EXPECT_EQ(0, card->state().accidentType);
    // Effects: 4 frames nothing on these forms and is kept while not clicked.
    EXPECT_EQ(-1, field<RadioGroup>(card, "mkSkutki")->itemIndex());
    EXPECT_EQ(1, field<RadioGroup>(card, "mkSkutkiR")->itemIndex());
    card->ZapiszClick();
    EXPECT_EQ(4, personValue("SKUTKI", old.second).toInt());
    EXPECT_EQ(0, personValue("TYPWYP", old.second).toInt());
    EXPECT_EQ("", messages());
}

// --- Refusals ---------------------------------------------------------------------------

TEST_F(Card2000Test, TheYearOfTheAccidentMustBeTheRegisterYear) {
    dm->OpenRegister(QDateTime(QDate(2000, 6, 30), QTime(0, 0)));
    TSKWCardForm* card = open("TSKWForm", old);
    card->show();
    const Row person = rowMap("SKWPOSZKODOWANI", old.second);
    const Row accident = rowMap("SKWWYPADKI", old.first);
    card->pages()->setCurrentIndex(1);
    field<QSpinBox>(card, "SpinEditR")->setValue(2001);
    type(card, "epStaz", QStringLiteral("9"));
    for (const char* command : {"ZapiszBtn", "ZamknijBtn", "WydrukiBtn"}) {
        SCOPED_TRACE(command);
        ui.clear();
        opened.clear();
        card->findChild<QPushButton*>(QString::fromLatin1(command))->click();
        ASSERT_EQ(1u, ui.shown.size()) << messages();
        EXPECT_EQ("Rok wypadku musi być taki sam jak rok odniesienia", ui.shown[0].text);
        EXPECT_EQ(MsgIcon::Error, ui.shown[0].icon);
        EXPECT_EQ(field<QSpinBox>(card, "SpinEditR"), card->focusWidget());
        EXPECT_EQ(0, card->pages()->currentIndex());
        EXPECT_TRUE(card->isVisible());
        EXPECT_EQ(QStringList(), changed(person, rowMap("SKWPOSZKODOWANI", old.second)));
        EXPECT_EQ(QStringList(), changed(accident, rowMap("SKWWYPADKI", old.first)));
        // "Wydruki" opens the print selection on the stored card all the same.
        EXPECT_EQ(QByteArray(command) == "WydrukiBtn" ? QStringList{QStringLiteral("TAdmDrukForm")} : QStringList(), opened);
    }
    static_cast<QDialog*>(card)->reject();  // the close box
    EXPECT_FALSE(card->isVisible());
    EXPECT_EQ(QStringList(), changed(person, rowMap("SKWPOSZKODOWANI", old.second)));
    // Read-only, "Zamknij" closes without asking the year.
    card->prepare(request("TSKWForm", old, false));
    field<QSpinBox>(card, "SpinEditR")->setValue(2001);
    card->show();
    ui.clear();
    card->ZamknijClick();
    EXPECT_FALSE(card->isVisible());
    EXPECT_EQ("", messages());
    // Back in the year: saved.
    card = open("TSKWForm", old);
    type(card, "epStaz", QStringLiteral("9"));
    card->ZapiszClick();
    EXPECT_EQ(9, personValue("STAZ", old.second).toInt());
}

TEST_F(Card2000Test, ACodeOrPairChosenTwiceIsRefused) {
    dm->OpenRegister(QDateTime(QDate(2000, 6, 30), QTime(0, 0)));
    TSKWCardForm* card = open("TSKWForm", old);
    card->show();
    struct Case {
        const char* prepare[2];  // a field and its code, as stored
        const char* pick;
        const char* entry;
        const char* message;
        const char* code;
        const char* text;
    };
    // The demo's card: injuries 5 and 6, causes 6 and 4, pair 1 = factor 4 / source 6.
    const Case cases[] = {
        {{"epIdUrazu1", "05"}, "epUraz3", "5 - ", "Ten numer urazu został już wybrany", "epIdUrazu3", "epUraz3"},
        {{nullptr, nullptr}, "epPrzyczyna3", "4 - ", "Ten numer przyczyny został już wybrany", "epIdPrzyczyny3", "epPrzyczyna3"},
        {{"epIdZrodla2", "6"}, "epCzynnik2", "4 - ", "Ten numer czynnika/źródła został już wybrany", "epIdCzynnika2", "epCzynnik2"},
        {{"epIdCzynnika3", "04"}, "epZrodlo3", "6 - ", "Ten numer źródła/czynnika został już wybrany", "epIdZrodla3", "epZrodlo3"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.message);
        if (k.prepare[0]) field(card, k.prepare[0])->setText(QString::fromLatin1(k.prepare[1]));
        ui.clear();
        pickFromList(card, k.pick, QString::fromLatin1(k.entry));
        ASSERT_EQ(1u, ui.shown.size()) << messages();
        EXPECT_EQ(QString::fromUtf8(k.message), ui.shown[0].text);
        EXPECT_EQ(MsgIcon::Error, ui.shown[0].icon);
        EXPECT_EQ("", field(card, k.code)->text());
        QWidget* text = card->findChild<QWidget*>(QString::fromLatin1(k.text));
        EXPECT_EQ("", text->property(qobject_cast<QPlainTextEdit*>(text) ? "plainText" : "text").toString());
        EXPECT_EQ(text, card->focusWidget());
    }
    // Accepted: the same factor with another source; a pair with an empty source; an
    // old code that is no number.
    ui.clear();
    field(card, "epIdZrodla2")->setText(QStringLiteral("7"));
    pickFromList(card, "epCzynnik2", QStringLiteral("4 - "));
    field(card, "epIdZrodla3")->clear();
    pickFromList(card, "epCzynnik3", QStringLiteral("4 - "));
    field(card, "epIdUrazu2")->setText(QStringLiteral("A5"));
    field(card, "epIdUrazu1")->setText(QStringLiteral("A5"));
    pickFromList(card, "epUraz3", QStringLiteral("1 - "));
    EXPECT_EQ("", messages());
    EXPECT_EQ("4", field(card, "epIdCzynnika2")->text());
    EXPECT_EQ("4", field(card, "epIdCzynnika3")->text());
    EXPECT_EQ("1", field(card, "epIdUrazu3")->text());
}

TEST_F(Card2000Test, MemosStopAtTheirLimitAndARejectedSaveKeepsTheTypedValues) {
    EXPECT_EQ(15, field(open("TSKWForm_1", later), "epSynCorka")->maxLength());
    dm->OpenRegister(QDateTime(QDate(2000, 6, 30), QTime(0, 0)));
    TSKWCardForm* card = open("TSKWForm", old);
    card->show();
    auto* factor = field<QPlainTextEdit>(card, "epCzynnik1");
    factor->clear();
    factor->setFocus();
    QTest::keyClicks(factor, QString(60, QLatin1Char('x')));
    EXPECT_EQ(42, factor->toPlainText().size());
    auto* sector = field<QPlainTextEdit>(card, "epDodBranza");
    sector->clear();
    QTest::keyClicks(sector, QString(800, QLatin1Char('y')));
    EXPECT_EQ(750, sector->toPlainText().size());
    EXPECT_EQ(30, field(card, "epZawod")->maxLength());

    const Row person = rowMap("SKWPOSZKODOWANI", old.second);
    const Row accident = rowMap("SKWWYPADKI", old.first);
    c().execute("CREATE EXCEPTION E_SKW2000_TEST 'odrzucone'");
    c().execute("CREATE TRIGGER T_SKW2000_TEST FOR SKWPOSZKODOWANI BEFORE UPDATE AS BEGIN "
                "IF (NEW.IMIE = 'Odrzuc') THEN EXCEPTION E_SKW2000_TEST; END");
    type(card, "epImie", QStringLiteral("Odrzuc"));
    type(card, "ewStratyZl", QStringLiteral("7.5"));
    ui.clear();
    card->ZamknijClick();
    ASSERT_EQ(1u, ui.shown.size()) << messages();
    EXPECT_TRUE(ui.shown[0].text.startsWith(QStringLiteral("Błąd przy zapisie danych !!!"))) << messages();
    EXPECT_TRUE(card->isVisible());
    EXPECT_EQ("Odrzuc", field(card, "e9Imie")->text());
    EXPECT_EQ("7.5", field(card, "ewStratyZl")->text());
    EXPECT_EQ(750, sector->toPlainText().size());
    EXPECT_EQ(QStringList(), changed(person, rowMap("SKWPOSZKODOWANI", old.second)));
    EXPECT_EQ(QStringList(), changed(accident, rowMap("SKWWYPADKI", old.first)));
    type(card, "epImie", QStringLiteral("Grzegorz"));
    card->ZamknijClick();
    EXPECT_FALSE(card->isVisible());
    EXPECT_EQ(QString(750, QLatin1Char('y')), personValue("DODBRANZA", old.second).toString());
    EXPECT_EQ(QString(42, QLatin1Char('x')), personValue("CZYNNIK1", old.second).toString());
}

// --- Accessibility ----------------------------------------------------------------------

TEST_F(Card2000Test, EveryControlMemoAndMarkIsFoundByItsCaptionWithItsState) {
    for (const char* className : {"TSKWForm", "TSKWForm_1"}) {
        SCOPED_TRACE(className);
        TSKWCardForm* card = open(className, QByteArray(className) == "TSKWForm" ? old : later);
        card->show();
        QMap<QString, QAccessibleInterface*> found;
        for (int page = 0; page < card->pages()->count(); ++page) {
            card->pages()->setCurrentIndex(page);
            EXPECT_EQ("", accessibilityFaults(card).join(QLatin1Char('\n')).toStdString()) << "page " << page + 1;
            for (const AccessibleControl& a : entryControls(card)) found.insert(QString::number(page) + a.name, a.iface);
        }
        auto state = [&](const char* name) -> int {
            QAccessibleInterface* i = found.value(QString::fromUtf8(name));
            EXPECT_TRUE(i) << name;
            return i ? (i->state().checked ? 1 : 0) : -1;
        };
        // Marks: standing (checked) or struck, framed or not.
        EXPECT_EQ(1, state("0- przy pracy"));
        EXPECT_EQ(0, state("0- traktowanego na równi z wypadkiem przy pracy *"));
        EXPECT_EQ(1, state("1- przy pracy"));
        EXPECT_EQ(1, state("0przeszkolenie wstępne ogólne"));
        EXPECT_EQ(QByteArray(className) == "TSKWForm_1" ? 1 : 0,
                  state("0instruktaż na stanowisku pracy, przy którym zdarzył się wypadek"));
        EXPECT_EQ(0, state("0brak przeszkolenia"));
        for (const char* name : {"0Imię", "1Imię", "0Nazwisko", "1czynnik 1 — opis", "1źródło 4 — opis",
                                 "132 Do wykorzystania wg potrzeb branżowych", "001 Płeć — kobieta"})
            EXPECT_TRUE(found.contains(QString::fromUtf8(name))) << name;
        EXPECT_EQ(QByteArray(className) == "TSKWForm",
                  found.contains(QStringLiteral("0Numer statystyczny choroby (z zaświadczenia lekarskiego)")));
        EXPECT_EQ(QByteArray(className) == "TSKWForm_1", found.contains(QStringLiteral("1syn, córka")));
        // From the keyboard: Space on a struck mark chooses it.
        card->pages()->setCurrentIndex(0);
        StrikeMark* treated = strike(card, "mkTypWyp1");
        treated->setFocus();
        QTest::keyClick(treated, Qt::Key_Space);
        EXPECT_EQ(1, card->state().accidentType);
        EXPECT_EQ(1, state("0- traktowanego na równi z wypadkiem przy pracy *"));
        card->hide();
    }
}
