#include "register/CommutingPages.h"

#include "ui/PageBuilder.h"
#include "ui/Widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QToolButton>

namespace zort {
namespace {

const QString kCalendar = QStringLiteral("Kalendarz");
const QString kClearHint = QStringLiteral("Dwukrotnie kliknij w celu skasowania danej");

QString u(const char* s) { return QString::fromUtf8(s); }

QWidget* addPage(QTabWidget* tabs, const QString& name, const QString& caption) {
    auto* page = new QWidget(tabs);
    page->setObjectName(name);
    tabs->addTab(page, caption);
    return page;
}

QLineEdit* dateEdit(PageBuilder& b, const char* name, const char* caption, const char* button) {
    QLineEdit* e = b.date(QString::fromLatin1(name), u(caption));
    b.buttonBeside(e, QString::fromLatin1(button), kCalendar);
    return e;
}

// A field the page keeps without showing it (ids, the computed days).
QLineEdit* hiddenEdit(QWidget* page, const char* name) {
    auto* e = new QLineEdit(page);
    e->setObjectName(QString::fromLatin1(name));
    e->setAccessibleName(QString::fromLatin1(name));
    e->hide();
    return e;
}

QLineEdit* edit(PageBuilder& b, const char* name, const char* caption, int maxLength = 0, bool readOnly = false) {
    return b.edit(QString::fromLatin1(name), u(caption), maxLength, readOnly);
}

// A field beside another, after its own caption.
QLineEdit* beside(PageBuilder& b, QWidget* left, const char* name, const char* what, int maxLength = 0) {
    b.labelBeside(left, QStringLiteral("l") + QString::fromLatin1(name), u(what));
    return b.editBeside(left, QString::fromLatin1(name), u(what), maxLength);
}

void buildPage1(QWidget* page) {
    PageBuilder b(page);
    edit(b, "ezNumer", "Nr wypadku :");
    edit(b, "ezSymbolWyp", "Symbol wypadku :", 10);
    b.date(QStringLiteral("ezData"), u("Data i godz. wypadku :"));
    dateEdit(b, "ezDataZg", "Data zgłoszenia wypadku :", "SpeedButton4");
    dateEdit(b, "ezDataRejWyp", "Data rejestracji wypadku :", "zDataRejBtn");
    b.radio(QStringLiteral("rgzBlok"), u("Zablokowany :"), {QStringLiteral("NIE"), QStringLiteral("TAK")}, 2);
    QComboBox* start = b.combo(QStringLiteral("cbzWypRZ"), u("W dniu wypadku poszkodowany(a) :"));
    start->addItems({u("miał rozpocząć"), u("zakończył")});
    start->setCurrentIndex(-1);
    beside(b, start, "ezGodzRZ", "pracę o godz.", 8);
    QComboBox* route = b.combo(QStringLiteral("cbzMiejsceWyp"), u("Wypadek zdarzył się w drodze :"));
    route->addItems(commutingRoutes());
    route->setCurrentIndex(-1);
    b.memo(QStringLiteral("mzPrzyczyny1"), u("Szczegółowy opis okoliczności, miejsca i przyczyn wypadku :"), 0, 8);
    b.stretch();
}

void buildPage2(QWidget* page) {
    PageBuilder b(page);
    b.radio(QStringLiteral("rgzSkutki"), u("Wypadek spowodował u poszkodowanego(ej)"),
            {QStringLiteral("zgon"), u("niezdolność do pracy")}, 2);
    b.section(QStringLiteral("Zgon :"));
    QLineEdit* death = edit(b, "ezZgonOpis", "Zgon :", 35);
    QComboBox* deathList = b.comboBeside(death, QStringLiteral("cmbzZgonOpis"), QStringLiteral("lista"));
    deathList->addItems({QStringLiteral("w miejscu wypadku"), QStringLiteral("w dniu ...")});
    deathList->setCurrentIndex(-1);
    QObject::connect(deathList, &QComboBox::activated, death,
                     [death, deathList](int i) { death->setText(deathList->itemText(i)); });
    b.buttonBeside(death, QStringLiteral("zsbZgonOpis"), kCalendar);
    b.section(u("Niezdolność do pracy :"));
    QLineEdit* from = dateEdit(b, "ezDataNiezdOd", "od ", "zSpeedButton1");
    b.labelBeside(from, QStringLiteral("lDataNiezdDo"), QStringLiteral("do  "));
    b.dateBeside(from, QStringLiteral("ezDataNiezdDo"), QStringLiteral("do  "));
    b.buttonBeside(from, QStringLiteral("zSpeedButton3"), kCalendar);
    hiddenEdit(page, "ezIlDniZwolnienia");
    b.section(u("Procent uszczerbku na zdrowiu :"));
    edit(b, "ezProcUszZdr", "Procent uszczerbku na zdrowiu :");
    b.radio(QStringLiteral("rgzDochodzenie"),
            u("Czy w sprawie wypadku prowadzone było/jest dochodzenie przez odpowiednie organy ?"),
            {QStringLiteral("TAK"), QStringLiteral("NIE")}, 2);
    b.memo(QStringLiteral("mzOpisDochodzenia2"), u("Opis dochodzenia :"), 0, 3);
    b.section(u("Świadkowie wypadku :"));
    for (int i = 1; i <= 3; ++i) {
        QLineEdit* name = b.edit(QStringLiteral("ezImNazwSw") + QString::number(i),
                                 QString::number(i) + u(") Imię i nazwisko :"), 135);
        b.editBeside(name, QStringLiteral("ezAdresSw") + QString::number(i), u("Miejsce zamieszkania :"), 135);
    }
    b.stretch();
}

void buildPage3(QWidget* page) {
    PageBuilder b(page);
    RadioGroup* kind = b.radio(QStringLiteral("rgzRodzajWyp"), u("Czy wypadek jest wypadkiem w drodze do pracy lub z pracy"),
            {QStringLiteral("Tak"),
             u("Nie (wypadek wystąpił z powodu umyślnego lub wynikającego z rażącego niedbalstwa naruszenia przepisów o "
               "ochronie życia lub zdrowia)"),
             u("Nie (do wypadku przyczynił się w sposób istotny sam pracownik będąc w stanie nietrzeźwym)")},
            1);
    MemoEdit* reason = b.memo(QStringLiteral("mzUzasadnienie3"),
                              u("Uzasadnienie nieuznania wypadku za wypadek w drodze do lub z pracy"), 0, 3);
    // A justification already typed is never replaced.
    QObject::connect(kind, &RadioGroup::chosen, reason, [reason](int i) {
        if (!reason->toPlainText().isEmpty() || i < 1 || i > 2) return;
        reason->setPlainText(i == 1 ? u("Wypadek wystąpił z powodu umyślnego lub wynikającego z rażącego niedbalstwa "
                                        "naruszenia przepisów o ochronie życia lub zdrowia")
                                    : u("Do wypadku przyczynił się w sposób istotny sam pracownik będąc w stanie "
                                        "nietrzeźwym"));
    });
    edit(b, "ezPodmSporzadz", "Nazwa i adres  podmiotu zobowiązanego do sporządzenia karty ", 80);
    edit(b, "ezImNazSporzadz", "Imię i nazwisko sporządzającego kartę", 81);
    QLineEdit* place = edit(b, "ezMiejsceSp", "Miejsce sporządzenia karty", 80);
    b.dateBeside(place, QStringLiteral("ezDataSp"), QStringLiteral("data"));
    b.buttonBeside(place, QStringLiteral("zSpeedButton4"), kCalendar);
    b.memo(QStringLiteral("mzPrzeszkody4"),
           u("Przeszkody i trudności uniemożliwiające sporządzenie karty w wymaganym terminie 14 dni :"), 0, 3);
    dateEdit(b, "ezDataOdbioru", "Kartę odebrano w dniu :", "zsbDataOdbioru");
    b.stretch();
}

void buildPage4(QWidget* page) {
    PageBuilder b(page);
    b.memo(QStringLiteral("mzObrazenia5"), u("Rodzaj obrażeń doznanych przez poszkodowanego wskutek wypadku :"), 1000, 4);
    QLineEdit* disease = edit(b, "ezKodChoroby", "Numer statystyczny choroby wg druku L-4 :", 0, true);
    disease->setToolTip(kClearHint);
    b.comboBeside(disease, QStringLiteral("cbzKodChoroby"), QStringLiteral("lista"));
    b.memo(QStringLiteral("mzZalaczniki6"), u("Wykaz załączników :"), 400, 4);
    b.buttonRow(QStringLiteral("bUaktualnijZ"), QStringLiteral("Uaktualnij"));
    b.stretch();
}

// An identity document in one row: kind, series and number (the injured person's or the
// payer's, by the suffix of the field names).
void identityDocument(PageBuilder& b, const char* owner) {
    const QString o = QString::fromLatin1(owner);
    QLineEdit* kind = b.edit(QStringLiteral("ezRodzDok") + o, QStringLiteral("rodzaj dokumentu"), 20);
    beside(b, kind, ("ezSeriaDok" + o.toStdString()).c_str(), "seria", 10);
    beside(b, kind, ("ezNrDok" + o.toStdString()).c_str(), "numer", 30);
}

void buildPersonalPage(QWidget* page) {
    PageBuilder b(page);
    QComboBox* persons = b.combo(QStringLiteral("cbzPoszkodowany"), QStringLiteral("Pracownik :"));
    QCheckBox* filter = b.checkBeside(persons, QStringLiteral("cb_zFiltrN"), QStringLiteral("Filtr"));
    (void)filter;
    b.editBeside(persons, QStringLiteral("e_zFiltrN"), QStringLiteral("filtr nazwiska"));
    b.buttonBeside(persons, QStringLiteral("bzPokazN"), QStringLiteral("Ustaw"));
    hiddenEdit(page, "ezIdPracownika");
    edit(b, "e7Pesel", "PESEL :", 0, true);
    QLineEdit* surname = edit(b, "ezNazwisko", "Nazwisko :", 50);
    beside(b, surname, "ezImie", "Imię :", 30);
    edit(b, "ezStanCywilny", "Stan cywilny :", 15);
    QLineEdit* born = dateEdit(b, "ezDataUr", "Data urodzenia :", "zSpeedButton2");
    beside(b, born, "ezMiejsceUr", "Miejsce urodzenia :", 50);
    b.section(u("Adres zamieszkania :"));
    QLineEdit* province = edit(b, "ezWojew", "Województwo :", 32);
    b.comboBeside(province, QStringLiteral("cmbzWojew"), QStringLiteral("lista"));
    QLineEdit* town = edit(b, "ezMiejscow", "Miejscowość :", 32);
    beside(b, town, "ezKodPocz", "Kod pocztowy :", 6);
    QLineEdit* street = edit(b, "ezUlica", "Ulica :", 32);
    beside(b, street, "ezNrUl", "Numer domu :", 9);
    beside(b, street, "ezNrMiesz", "Numer mieszkania :", 9);
    b.section(u("Dokument tożsamości (dowód osobisty lub paszport) :"));
    identityDocument(b, "Poszk");
    QLineEdit* pesel = edit(b, "ezPeselPoszk", "PESEL :", 15);
    beside(b, pesel, "ezNIPPoszk", "NIP :", 20);
    QWidget* insurance = b.radio(QStringLiteral("rgzUbezpRodz"), u("Tytuł ubezpieczenia :"),
                                 {QStringLiteral("rentowego"), QStringLiteral("chorobowego")}, 2);
    (void)insurance;
    edit(b, "ezUbezpOpis", "Opis tytułu ubezpieczenia :", 128);
    b.stretch();
}

void buildEmploymentPage(QWidget* page) {
    PageBuilder b(page);
    edit(b, "ezStruktSkrot", "Zatrudniony w :", 30);
    QLineEdit* position = edit(b, "ezStanowKod", "Stanowisko :", 0, true);
    position->setToolTip(kClearHint);
    beside(b, position, "ezStanowSkrot", "opis", 30);
    b.buttonBeside(position, QStringLiteral("zsbZatrudnienie2"), QStringLiteral("Stanowisko..."));
    b.buttonBeside(position, QStringLiteral("zsbZatrudnienie3"), QStringLiteral("Zatrudnienie..."));
    hiddenEdit(page, "ezIdStanow");
    QLineEdit* occupation = edit(b, "ezKodZawodu", "Zawód wykonywany :", 0, true);
    occupation->setToolTip(kClearHint);
    beside(b, occupation, "ezZawod", "opis", 30);
    b.comboBeside(occupation, QStringLiteral("cbzZawod"), QStringLiteral("lista"));
    QCheckBox* filter = b.checkRow(QStringLiteral("cb_zFiltr"), u("Filtr do listy zawodów"));
    b.editBeside(filter, QStringLiteral("e_zFiltr"), QStringLiteral("filtr zawodów"));
    b.buttonBeside(filter, QStringLiteral("bzPokaz"), QStringLiteral("Ustaw"));
    b.section(QStringLiteral("Miejsce zatrudnienia"));
    edit(b, "ezPrzedsieb", "Nazwa :", 130);
    edit(b, "ezAdresPrzedsieb", "Adres :", 130);
    b.section(u("Dane identyfikacyjne płatnika składek na ubezp. społeczne"));
    QLineEdit* nip = edit(b, "ezNIPPlat", "NIP :", 20);
    beside(b, nip, "ezRegonPlat", "Regon :", 16);
    beside(b, nip, "ezPeselPlat", "Pesel :", 15);
    identityDocument(b, "Plat");
    b.stretch();
}

} // namespace

const QStringList& commutingRoutes() {
    static const QStringList routes{
        u("z domu do pracy"),
        u("z pracy do domu"),
        u("do miejsca innego zatrudnienia"),
        u("do miejsca zwykłego wykonywania funkcji lub zadań politycznych"),
        u("do miejsca zwykłego wykonywania funkcji lub zadań zawodowych"),
        u("do miejsca zwykłego wykonywania funkcji lub zadań społecznych"),
        u("do miejsca zwykłego spożywania posiłków"),
        u("do miejsca odbywania nauki lub studiów dla pracujących na podstawie skierowania zakładu pracy"),
        u("z miejsca innego zatrudnienia"),
        u("z miejsca zwykłego wykonywania funkcji lub zadań politycznych"),
        u("z miejsca zwykłego wykonywania funkcji lub zadań zawodowych"),
        u("z miejsca zwykłego wykonywania funkcji lub zadań społecznych"),
        u("z miejsca zwykłego spożywania posiłków"),
        u("z miejsca odbywania nauki lub studiów dla pracujących na podstawie skierowania zakładu pracy"),
    };
    return routes;
}

void buildCommutingAccidentPages(QTabWidget* tabs) {
    buildPage1(addPage(tabs, QStringLiteral("TabWD1"), QStringLiteral("1")));
    buildPage2(addPage(tabs, QStringLiteral("TabWD2"), QStringLiteral("2")));
    buildPage3(addPage(tabs, QStringLiteral("TabWD3"), QStringLiteral("3")));
    buildPage4(addPage(tabs, QStringLiteral("TabWD4"), QStringLiteral("4")));
}

void buildCommutingPersonPages(QTabWidget* tabs) {
    buildPersonalPage(addPage(tabs, QStringLiteral("TabWDDaneOsobowe"), QStringLiteral("Dane osobowe")));
    buildEmploymentPage(addPage(tabs, QStringLiteral("TabWDZatrudnienie"), QStringLiteral("Dane o zatrudnieniu")));
}

} // namespace zort
