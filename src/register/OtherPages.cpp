#include "register/OtherPages.h"

#include "ui/PageBuilder.h"
#include "ui/Widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QToolButton>

namespace zort {
namespace {

const QString kCalendar = QStringLiteral("Kalendarz");
const QString kClearHint = QStringLiteral("Dwukrotnie kliknij w celu skasowania danej");

QString u(const char* s) { return QString::fromUtf8(s); }
QString n(const char* s) { return QString::fromLatin1(s); }

QWidget* addPage(QTabWidget* tabs, const char* name, const char* caption) {
    auto* page = new QWidget(tabs);
    page->setObjectName(n(name));
    tabs->addTab(page, u(caption));
    return page;
}

QLineEdit* edit(PageBuilder& b, const char* name, const char* caption, int maxLength = 0, bool readOnly = false) {
    return b.edit(n(name), u(caption), maxLength, readOnly);
}

// The calendar of a date field: "eCal" and the field's name after its prefix (a
// mirror keeps its "_"), so that it follows the page's editable state as the fields do.
QString calendarName(const QString& field) {
    return QStringLiteral("eCal") + field.mid(field.at(1) == QLatin1Char('_') ? 1 : 2);
}

QToolButton* calendarOf(PageBuilder& b, QLineEdit* date) {
    return b.buttonBeside(date, calendarName(date->objectName()), kCalendar);
}

QLineEdit* dateEdit(PageBuilder& b, const char* name, const char* caption) {
    QLineEdit* e = b.date(n(name), u(caption));
    calendarOf(b, e);
    return e;
}

// A field beside another, after its own caption.
QLineEdit* beside(PageBuilder& b, QWidget* left, const char* name, const char* caption, int maxLength = 0) {
    b.labelBeside(left, QStringLiteral("l") + n(name), u(caption));
    return b.editBeside(left, n(name), captionName(u(caption)), maxLength);
}

QLineEdit* dateBeside(PageBuilder& b, QWidget* left, const char* name, const char* caption) {
    b.labelBeside(left, QStringLiteral("l") + n(name), u(caption));
    QLineEdit* e = b.dateBeside(left, n(name), captionName(u(caption)));
    b.buttonBeside(left, calendarName(n(name)), kCalendar)
        ->setAccessibleName(besideName(captionName(u(caption)), kCalendar));
    return e;
}

// A list beside a field that writes its choice into the field.
QComboBox* listBeside(PageBuilder& b, QWidget* field, const char* name) {
    return b.comboBeside(field, n(name), QStringLiteral("lista"));
}

// A combo box of fixed items, the first of them empty where the form has one.
QComboBox* choice(PageBuilder& b, const char* name, const char* caption, std::initializer_list<const char*> items) {
    QComboBox* c = b.combo(n(name), u(caption));
    for (const char* item : items) c->addItem(u(item));
    c->setCurrentIndex(-1);
    return c;
}

RadioGroup* radio(PageBuilder& b, const char* name, const char* caption, std::initializer_list<const char*> items) {
    QStringList texts;
    for (const char* item : items) texts << u(item);
    return b.radio(n(name), u(caption), texts, int(texts.size()));
}

// A memo of at least `lines` lines that takes what the page has to spare: the pages
// hold many memos and scroll only when their least heights do not fit.
void memo(PageBuilder& b, const char* name, const char* caption, int lines = 3) {
    MemoEdit* m = b.memo(n(name), u(caption), 0, lines);
    m->setSizePolicy(m->sizePolicy().horizontalPolicy(), QSizePolicy::Ignored);
}

// A field the page keeps without showing it.
void hiddenEdit(QWidget* page, const char* name) {
    auto* e = new QLineEdit(page);
    e->setObjectName(n(name));
    e->setAccessibleName(n(name));
    e->hide();
}

// --- "Dane osobowe" ---------------------------------------------------------------------

void buildPersonalPage(QWidget* page) {
    PageBuilder b(page);
    QComboBox* persons = b.combo(QStringLiteral("cbNazwisko_Policja"), QStringLiteral("Pracownik :"));
    b.checkBeside(persons, QStringLiteral("cb_Filtr_Policja"), QStringLiteral("Filtr"));
    b.editBeside(persons, QStringLiteral("e_Filtr_Policja"), QStringLiteral("filtr nazwiska"));
    b.buttonBeside(persons, QStringLiteral("bPokaz_Policja"), QStringLiteral("Ustaw"));
    hiddenEdit(page, "efIdPracownika");
    edit(b, "e_Pesel", "PESEL :", 0, true);
    QLineEdit* surname = edit(b, "efNazwisko", "Nazwisko :", 50);
    beside(b, surname, "efImie", "Imię :", 30);
    listBeside(b, edit(b, "efStopSl", "Stopień służbowy :", 30), "cbStopSl");
    edit(b, "efSynCorka", "Syn (Córka) :", 15);
    QLineEdit* born = dateEdit(b, "efDataUr", "Data urodzenia :");
    beside(b, born, "efMiejsceUr", "Miejsce urodzenia :", 50);
    b.section(u("Adres zamieszkania :"));
    listBeside(b, edit(b, "efWOJEW", "Województwo :", 32), "cbWojewodztwo");
    QLineEdit* town = edit(b, "efMIEJSCOW", "Miejscowość :", 32);
    beside(b, town, "efKODPOCZ", "Kod pocztowy :", 6);
    QLineEdit* street = edit(b, "efULICA", "Ulica :", 32);
    beside(b, street, "efNRUL", "Numer domu :", 9);
    beside(b, street, "efNRMIESZ", "Numer mieszkania :", 9);
    b.section(u("Miejsce pełnienia służby :"));
    QLineEdit* unit = edit(b, "efNazwaJedn", "Nazwa jednostki :", 50);
    listBeside(b, unit, "cbNazwaJedn");
    // The unit's province beside its name: the page has the residence's "Województwo :" too.
    QLineEdit* unitProvince = beside(b, unit, "efWojewJedn", "Województwo :", 50);
    b.comboBeside(unit, QStringLiteral("cbWojewJedn"), QStringLiteral("Województwo — lista"));
    (void)unitProvince;
    listBeside(b, edit(b, "efStanoPol", "Stanowisko :", 50), "cbStanoPol");
    edit(b, "efStaz", "Staż pracy :");
    b.stretch();
}

// --- "Prot. powyp. cz. 1" ---------------------------------------------------------------

// A member of the commission: name with its list, rank and post (the fourth the name alone).
void commissionMember(PageBuilder& b, int i, const char* caption, const char* list) {
    QLineEdit* name = b.edit(QStringLiteral("efImNazw%1").arg(i), u(caption), 82);
    b.comboBeside(name, n(list), QStringLiteral("lista"));
    if (i == 4) return;
    b.labelBeside(name, QStringLiteral("lFunkcja%1").arg(i), QStringLiteral("Stopień: "));
    b.editBeside(name, QStringLiteral("efFunkcja%1").arg(i), QStringLiteral("Stopień"), 50);
    b.labelBeside(name, QStringLiteral("lStanow%1").arg(i), QStringLiteral("Stanowisko:"));
    b.editBeside(name, QStringLiteral("efStanow%1").arg(i), QStringLiteral("Stanowisko"), 30);
}

void buildProtocolPage1(QWidget* page) {
    PageBuilder b(page);
    edit(b, "efNumerProt", "Numer protokołu od początku roku :");
    b.date(QStringLiteral("exData"), QStringLiteral("Data wypadku :"), true);
    QLineEdit* place = edit(b, "efMIEJSCESP", "Miejsce :", 50);
    dateBeside(b, place, "efDATASP", "Data :");
    b.section(u("1. Komisja powypadkowa w składzie :"));
    commissionMember(b, 1, "1) Przewodniczący -", "cbZespol10");
    commissionMember(b, 2, "członkowie:  2)", "cbZespol11");
    commissionMember(b, 3, "3) ", "cbZespol12");
    commissionMember(b, 4, "4)", "cbZespol13");
    b.section(u("Ustalenie okoliczności i przyczyn wypadku :"));
    QLineEdit* from = dateEdit(b, "efDataUst", "od:");
    dateBeside(b, from, "efDataZakUst", "do:");
    edit(b, "efImNazwZg", "2. Zgłaszający:", 81);
    dateEdit(b, "efDataZg", "Zgłoszenia wypadku :");
    b.stretch();
}

// --- "Prot. powyp. cz. 2" ---------------------------------------------------------------

void buildProtocolPage2(QWidget* page) {
    PageBuilder b(page);
    memo(b, "mfPrzyczyny01", "3. Okoliczności i przyczyny wypadku :", 6);
    radio(b, "rgfSkutkiTyp", "4. Skutki wypadku :", {"śmiertelny", "ciężki", "lekki"});
    // The death: shown for a fatal accident only.
    b.beginPanel(QStringLiteral("pSkutkiWyp"));
    choice(b, "cbfSkutekSm", "poszkodowany : ", {"", "poniósł śmierć bezpośrednio", "zmarł"});
    QLineEdit* died = dateEdit(b, "efDATASm", "w dniu : ");
    beside(b, died, "efGodzSm", "o godz. : ", 30);
    radio(b, "rgfSzpitalSm", "miejsce zgonu :", {"w drodze do szpitala", "w szpitalu"});
    edit(b, "efMiejscSm", "miejscowość : ", 30);
    b.endPanel();
    memo(b, "mfSkutki02", "podać w szczególności czas niezdolności do służby oraz opis obrażeń ciała : ", 5);
    b.stretch();
}

// --- "Prot. powyp. cz. 3" ---------------------------------------------------------------

void buildProtocolPage3(QWidget* page) {
    PageBuilder b(page);
    radio(b, "rgfTypWyp", "5. Wypadek ", {"jest ", "nie jest"});
    b.text(QStringLiteral("lTypWyp"), u("wypadkiem w związku z pełnieniem służby w Policji ."));
    memo(b, "mfUzasadTyp03", "Uzasadnienie typu wypadku :");
    memo(b, "mfSzkoda04",
         "6. Szkody w przedmiotach osobistego użytku i przedmiotach służących do wykonywania służby:");
    radio(b, "rgfOkolicznosci", "7. Okoliczności wypadku  :  ", {"7.1 - określone w art 2 ust.1", "7.2 - inne"});
    // The circumstances of the act: shown for "7.1".
    b.beginPanel(QStringLiteral("pOkolicznosci71"));
    radio(b, "rgfWykonywanieObSl", "7.1 wypadek nastąpił:", {"podczas wykonywania ", "w związku z wykonywaniem "});
    b.text(QStringLiteral("lWykonywanieObSl"), u("obowiązków służbowych lub czynności określonych"));
    edit(b, "efPktUstawy", "w art.2 ust.1 pkt: ", 10);
    b.endPanel();
    choice(b, "cbfWylPrzyczyna", "7.3 wyłączną przyczyną wypadku było: ",
           {"", "umyślne działanie", "rażąco niedbałe działanie", "zaniechanie"});
    memo(b, "mfRozkPrzep105", "konkretne przepisy, rozkazy, uzasadnienie:");
    memo(b, "mfRozkPrzep206", "ponieważ : ");
    b.stretch();
}

// --- "Prot. powyp. cz. 4" ---------------------------------------------------------------

void buildProtocolPage4(QWidget* page) {
    PageBuilder b(page);
    choice(b, "cbfStanPolicjanta",
           "7.4 do wypadku przyczyniło  się zachowanie spowodowane stanem po spożyciu : ",
           {"", "alkoholu", "środków odurzających, substancji psychotropowych lub innych o podobnym działaniu"});
    memo(b, "mfStanPolicjanta_Opis107", "ponieważ:", 2);
    memo(b, "mfStanPolicjanta_Opis208", "Stan u poszkodowanego :", 2);
    memo(b, "mfPrzyczDoWyp09", "Stopień przyczynienia się do wypadku : ", 2);
    choice(b, "cbfRozmSkutki", "7.5  spowodowane przez funkcjonariusza rozmyślnie :",
           {"", "obrażenia ciała", "śmierć"});
    memo(b, "mfRozmSkutki_Opis10", "uzasadnia się: ", 2);
    memo(b, "mfPodstUstalen11", "7.6 okoliczności i przyczyny wypadku ustalono na podstawie :", 2);
    choice(b, "cbfPrzepisy", "8. Stwierdzono nieprzestrzeganie następujących przepisów i zasad",
           {"", "bezpieczeństwa służby", "innych przepisów dot. ochrony życia i zdrowia"});
    memo(b, "mfPrzepisy_Opis12", "przez jednostkę (komórkę) organizacyjną Policji : ", 2);
    b.stretch();
}

// --- "Prot. powyp. cz. 5" ---------------------------------------------------------------

void buildProtocolPage5(QWidget* page) {
    PageBuilder b(page);
    memo(b, "mfProfilaktyka13", "9. Wnioski i środki profilaktyczne:", 2);
    radio(b, "rgfZAPOZNANY", "10.1 Zapoznający się :", {"poszkodowany", "członek rodziny"});
    radio(b, "rgfUwagi", "10.2 Uwagi do protokołu : ", {"nie wniesione ", "załączone"});
    memo(b, "mfUwagi_Opis14", "uwagi załączone do protokołu :", 2);
    radio(b, "rgfOdrZdanie",
          "11. Do protokołu  załączono odrębne zdania członka komisji powypadkowej: ", {"tak", "nie"});
    dateEdit(b, "efDataProt", "Data sporządzenia protokołu : ");
    memo(b, "mfPrzeszkody15", "12. Przeszkody lub trudności, które uniemożliwiły sporządzenie protokołu :", 2);
    radio(b, "rgfZatwierdzony", "13. Protokół : ", {"zatwierdzono", "zwrócono"});
    dateEdit(b, "efDataZatwZw", "Data zatwierdzenia/zwrócenia");
    auto* approved = new QCheckBox(
        u("zatwierdzono po dokonaniu dodatkowych wyjaśnień i ustaleń przez komisję"), page);
    approved->setObjectName(QStringLiteral("cbfZatwDod"));
    approved->setAccessibleName(captionName(approved->text()));
    b.controlsRow(QStringLiteral("14. Protokół : "), {approved});
    dateEdit(b, "efDataZatwDod", "Data zatw. po wyjaśnieniach i ustaleniach ");
    radio(b, "rgfDORECZENIE", "15. Protokół : ", {"doręczono", "przesłano"});
    dateEdit(b, "efDataOdb", "Data potwierdz. odbioru/ przesłania");
    memo(b, "mfZalaczniki16", "16. Wykaz załączników :", 2);
    b.buttonRow(QStringLiteral("Button3"), QStringLiteral("Uaktualnij"))
        ->setAccessibleName(QStringLiteral("Uaktualnij wykaz załączników"));
    b.stretch();
}

// --- "EKW cz. 1" --------------------------------------------------------------------------

void buildRecordCardPage1(QWidget* page) {
    PageBuilder b(page);
    edit(b, "efNrPoszk", "Nr poszkodowanego :");
    choice(b, "cbfRodzWypEKW", "Rodzaj wypadku :",
           {"", "jest wypadkiem w służbie", "nie jest wypadkiem w służbie", "jest wypadkiem w drodze",
            "nie jest wypadkiem w drodze"});
    radio(b, "rg_SkutkiTyp", "Kategoria wypadku :", {"śmiertelny", "ciężki", "lekki"});
    dateEdit(b, "e_DATASm", "Poszkodowany zmarł w dniu :");
    edit(b, "efZwolnienie", "Ilość dni zwolnienia :");
    edit(b, "efProcUszZdr", "% uszczerbku na zdrowiu :");
    edit(b, "efStratyMat", "Straty materialne :");
    radio(b, "egfOdszkodowanie", "Odszkodowanie :", {"TAK", "NIE"});
    edit(b, "efKwotaOdszkod", "Kwota odszkodowania :");
    dateEdit(b, "efDataSzkolBHP", "Szkolenie bhp - data :");
    dateEdit(b, "efDataSzkolZaw", "Szkolenie zawodowe - data :");
    memo(b, "mfUwagiEKW17", "Uwagi :", 3);
    QLineEdit* author = edit(b, "efSporzadzEKW", "Imię i nazwisko sporządzającego EKW :", 81);
    dateBeside(b, author, "efDataSporzEKW", "data :");
    b.stretch();
}

// --- "EKW cz. 2" --------------------------------------------------------------------------

// A read-only field of a triple's row: ids and names come from the picker; a double
// click on an id clears the row.
QLineEdit* tripleField(PageBuilder& b, const QString& name, const QString& caption, int maxLength, QWidget* left) {
    QLineEdit* e = left ? b.editBeside(left, name, QStringLiteral("nazwa"), maxLength, true)
                        : b.edit(name, caption, maxLength, true);
    e->setToolTip(left ? QString() : kClearHint);
    return e;
}

void buildRecordCardPage2(QWidget* page) {
    PageBuilder b(page);
    b.section(QStringLiteral("Doznane urazy :"));
    for (int i = 1; i <= 4; ++i) {
        QLineEdit* injury = b.edit(QStringLiteral("efDoznUraz%1").arg(i), QStringLiteral("Doznany uraz %1 :").arg(i), 30);
        b.comboBeside(injury, QStringLiteral("cbDoznUraz%1").arg(i), QStringLiteral("lista"));
    }
    for (int i = 1; i <= 4; ++i) {
        b.section(u("Czynność/Wydarzenie/Przyczyna %1 :").arg(i));
        const QString row = QString::number(i);
        QLineEdit* factor = tripleField(b, QStringLiteral("efIDCzynnUraz") + row,
                                        u("Czynnik powodujący uraz %1 :").arg(i), 0, nullptr);
        tripleField(b, QStringLiteral("efCzynnUraz") + row, QString(), 250, factor);
        QToolButton* pick = b.buttonBeside(factor, QStringLiteral("wWydarzUraz") + row, QStringLiteral("Wybierz..."));
        pick->setAccessibleName(u("Czynność/Wydarzenie/Przyczyna %1 — wybierz").arg(i));
        QLineEdit* event = tripleField(b, QStringLiteral("efIDWydarzUraz") + row,
                                       u("Wydarzenie powodujące uraz %1 :").arg(i), 0, nullptr);
        tripleField(b, QStringLiteral("efWydarzUraz") + row, QString(), 128, event);
        QLineEdit* cause = tripleField(b, QStringLiteral("efIDPrzyczyna") + row, u("Przyczyna wypadku %1 :").arg(i), 0,
                                       nullptr);
        tripleField(b, QStringLiteral("efPrzyczyna") + row, QString(), 255, cause);
    }
    b.stretch();
}

} // namespace

void buildServiceAccidentPage(QWidget* page) {
    PageBuilder b(page);
    edit(b, "eeSymbolWyp", "Symbol wypadku :", 10);
    edit(b, "eeNumer", "Kolejny numer wypadku w rejestrze :");
    dateEdit(b, "eeData", "Data i godz. wypadku :");
    dateEdit(b, "eeDataRejWyp", "Data rejestracji wypadku :");
    edit(b, "eePoszkodowani", "Liczba  osób poszkodowanych :", 0, true);
    radio(b, "rgeWypIZ", "Typ wypadku :", {"indywidualny", "zbiorowy"});
    edit(b, "eeMscWypadku", "Miejsce powstania wypadku :", 45);
    radio(b, "rgeBlok", "Zablokowany :", {"NIE", "TAK"});
    // A list the pages never use.
    auto* unused = new QComboBox(page);
    unused->setObjectName(QStringLiteral("cbWYPDS"));
    unused->hide();
    b.stretch();
}

void buildServicePersonPages(QTabWidget* tabs) {
    buildPersonalPage(addPage(tabs, "TabDaneOsobowePolicja", "Dane osobowe"));
    buildProtocolPage1(addPage(tabs, "TabProtPolicja1", "Prot. powyp. cz. 1"));
    buildProtocolPage2(addPage(tabs, "TabProtPolicja2", "Prot. powyp. cz. 2"));
    buildProtocolPage3(addPage(tabs, "TabProtPolicja3", "Prot. powyp. cz. 3"));
    buildProtocolPage4(addPage(tabs, "TabProtPolicja4", "Prot. powyp. cz. 4"));
    buildProtocolPage5(addPage(tabs, "TabProtPolicja5", "Prot. powyp. cz. 5"));
    buildRecordCardPage1(addPage(tabs, "TabEKWPolicja1", "EKW cz. 1"));
    buildRecordCardPage2(addPage(tabs, "TabEKWPolicja2", "EKW cz. 2"));
}

} // namespace zort
