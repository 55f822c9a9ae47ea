#include "register/EntryPages.h"

#include "ui/PageBuilder.h"
#include "ui/Widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QToolButton>

namespace zort {
namespace {

const QString kClearHint = QStringLiteral("Dwukrotnie kliknij w celu skasowania danej");

// A dictionary entry of the injured person: read-only code, text, and the list or
// picker beside them.
QLineEdit* codeAndText(PageBuilder& b, const QString& idName, const QString& textName, const QString& caption,
                       int textLength) {
    QLineEdit* code = b.edit(idName, caption, 7, true);
    code->setToolTip(kClearHint);
    b.editBeside(code, textName, QStringLiteral("opis"), textLength);
    return code;
}

// A date field with the calendar button beside it.
QLineEdit* dateEdit(PageBuilder& b, const QString& name, const QString& caption, const QString& button) {
    QLineEdit* e = b.date(name, caption);
    b.buttonBeside(e, button, QStringLiteral("Kalendarz"));
    return e;
}

// The classification picker beside a statistical-card code.
void cardPicker(PageBuilder& b, QWidget* code, const QString& name) {
    b.buttonBeside(code, name, QStringLiteral("Klasyfikacja..."));
}

QWidget* addPage(QTabWidget* tabs, const char* name, const QString& caption) {
    auto* page = new QWidget(tabs);
    page->setObjectName(QString::fromLatin1(name));
    tabs->addTab(page, caption);
    return page;
}

} // namespace

void buildAccidentPage(QWidget* page) {
    PageBuilder b(page);
    b.edit(QStringLiteral("ewNumer"), QStringLiteral("Kolejny numer wypadku w rejestrze :"));
    dateEdit(b, QStringLiteral("ewData"), QStringLiteral("Data i godz. wypadku :"), QStringLiteral("wDataWypCalBtn"));
    dateEdit(b, QStringLiteral("ewDataRejWyp"), QStringLiteral("Data rejestracji wypadku :"), QStringLiteral("wDataRejBtn"));
    b.edit(QStringLiteral("ewPoszkodowani"), QStringLiteral("Liczba  osób poszkodowanych :"), 0, true);
    b.edit(QStringLiteral("ewStratyZl"), QStringLiteral("Szacunkowe straty materialne w tys. zł :"));
    b.edit(QStringLiteral("ewStratyCzasu"), QStringLiteral("Straty czasu w roboczogodzinach :"));
    QLineEdit* place = b.edit(QStringLiteral("ewIdMiejsca"), QStringLiteral("Miejsce powstania wypadku :"), 5, true);
    place->setToolTip(kClearHint);
    b.editBeside(place, QStringLiteral("ewMiejsceWyp"), QStringLiteral("opis"), 50);
    b.comboBeside(place, QStringLiteral("cbMiejsca"), QStringLiteral("lista"));
    b.buttonBeside(place, QStringLiteral("wMiejsceWyp"), QStringLiteral("Klasyfikacja..."))
        ->setToolTip(QStringLiteral("Wybór kodu z klasyfikacji miejsc powstania wypadku"));
    b.radio(QStringLiteral("rgwWypIZ"), QStringLiteral("Typ wypadku :"),
            {QStringLiteral("indywidualny"), QStringLiteral("zbiorowy")});
    b.edit(QStringLiteral("ewSymbolWyp"), QStringLiteral("Symbol wypadku :"), 10);
    b.memo(QStringLiteral("mpDodBranza00"), QStringLiteral("Do wykorzystania wg potrzeb branżowych :"), 750, 3);
    b.radio(QStringLiteral("rgwBlok"), QStringLiteral("Zablokowany :"), {QStringLiteral("NIE"), QStringLiteral("TAK")});
    b.radio(QStringLiteral("rgwWersjaSKW"), QStringLiteral("SKW :"),
            {QStringLiteral("SKW 2004"), QStringLiteral("SKW 2000"), QStringLiteral("SKW 2009"),
             QStringLiteral("SKW 2010"), QStringLiteral("SKW 2019"), QStringLiteral("SKW 2022")},
            3);
    QLineEdit* geo = b.edit(QStringLiteral("ewIdPolozGeogr"), QStringLiteral("Położenie geograficzne miejsca wypadku :"), 7);
    b.editBeside(geo, QStringLiteral("ewPolozGeogr"), QStringLiteral("opis"), 100);
    QLineEdit* kind = b.edit(QStringLiteral("ewIdRodzajMiejscaWyp"), QStringLiteral("Rodzaj miejsca wypadku :"), 5, true);
    kind->setToolTip(kClearHint);
    b.editBeside(kind, QStringLiteral("ewRodzajMiejscaWyp"), QStringLiteral("opis"), 50);
    b.comboBeside(kind, QStringLiteral("cbRodzajMiejscaWyp"), QStringLiteral("lista"));
    b.stretch();
}

void buildPersonPages(QTabWidget* pages) {
    {
        PageBuilder b(addPage(pages, kPersonPageNames[0], QStringLiteral("Dane osobowe")));
        QComboBox* persons = b.combo(QStringLiteral("cbNazwisko"), QStringLiteral("Pracownik z ewidencji :"));
        b.checkBeside(persons, QStringLiteral("cb_FiltrN"), QStringLiteral("Filtr"));
        b.editBeside(persons, QStringLiteral("e_FiltrN"), QStringLiteral("filtr (początek nazwiska)"), 50);
        b.buttonBeside(persons, QStringLiteral("bPokazN"), QStringLiteral("Ustaw"));
        b.edit(QStringLiteral("epNazwisko"), QStringLiteral("Nazwisko :"), 50);
        b.edit(QStringLiteral("epImie"), QStringLiteral("Imię :"), 30);
        b.edit(QStringLiteral("epImOjca"), QStringLiteral("Imię ojca :"), 30);
        b.edit(QStringLiteral("epSynCorka"), QStringLiteral("Syn (Córka) : "), 30);
        dateEdit(b, QStringLiteral("epDataUr"), QStringLiteral("Data urodzenia :"), QStringLiteral("wDataUrCalBtn"));
        b.edit(QStringLiteral("epMiejsceUr"), QStringLiteral("Miejsce urodzenia :"), 50);
        b.radio(QStringLiteral("rgpPlec"), QStringLiteral("Płeć :"), {QStringLiteral("mężczyzna"), QStringLiteral("kobieta")});
        b.section(QStringLiteral("Adres zamieszkania :"));
        b.edit(QStringLiteral("epKodPocz"), QStringLiteral("Kod pocztowy :"), 6);
        b.edit(QStringLiteral("epMiejscow"), QStringLiteral("Miejscowość :"), 32);
        QLineEdit* province = b.edit(QStringLiteral("epWojew"), QStringLiteral("Województwo :"), 32);
        b.comboBeside(province, QStringLiteral("cmbWojew"), QStringLiteral("lista"));
        b.edit(QStringLiteral("epUlica"), QStringLiteral("Ulica :"), 32);
        b.edit(QStringLiteral("epNrUl"), QStringLiteral("Numer domu :"), 9);
        b.edit(QStringLiteral("epNrMiesz"), QStringLiteral("Numer mieszkania :"), 9);
        b.edit(QStringLiteral("epPeselPrac"), QStringLiteral("Pesel :"), 15);
        b.edit(QStringLiteral("epNipPrac"), QStringLiteral("NIP :"), 20);
        b.edit(QStringLiteral("epDokPrac"),
               QStringLiteral("Nazwa, seria, nr dok. potwierdzającego tożsamość poszkodowanego :"), 60);
        b.comboBeside(codeAndText(b, QStringLiteral("epIdObywatelstwo"), QStringLiteral("epObywatelstwo"),
                                  QStringLiteral("Obywatelstwo :"), 50),
                      QStringLiteral("cbObywatelstwo"), QStringLiteral("lista"));
        QLineEdit* link = b.edit(QStringLiteral("e9Pesel"), QStringLiteral("PESEL pracownika z ewidencji :"), 0, true);
        link->setToolTip(kClearHint);
        QLineEdit* id = b.editBeside(link, QStringLiteral("epIdPracownika"), QStringLiteral("identyfikator pracownika"), 0, true);
        id->setVisible(false);
        b.stretch();
    }
    {
        PageBuilder b(addPage(pages, kPersonPageNames[1], QStringLiteral("Dane o zatrudnieniu")));
        QLineEdit* unit = b.edit(QStringLiteral("epStruktSkrot"), QStringLiteral("Zatrudniony w :"), 40);
        b.buttonBeside(unit, QStringLiteral("wSpeedButton5"), QStringLiteral("Struktura..."))
            ->setToolTip(QStringLiteral("Wybór stanowiska ze struktury organizacyjnej"));
        QLineEdit* pos = b.edit(QStringLiteral("epStanowKod"), QStringLiteral("Stanowisko :"), 50, true);
        pos->setToolTip(kClearHint);
        b.editBeside(pos, QStringLiteral("epStanowSkrot"), QStringLiteral("nazwa"), 40);
        b.editBeside(pos, QStringLiteral("epIdStanow"), QStringLiteral("identyfikator"), 0, true)->setVisible(false);
        b.buttonBeside(pos, QStringLiteral("wsbZatrudnienie1"), QStringLiteral("Stanowisko..."))
            ->setToolTip(QStringLiteral("Wybór stanowiska ze struktury organizacyjnej"));
        b.edit(QStringLiteral("epStaz"), QStringLiteral("Staż pracy (w latach) :"));
        b.radio(QStringLiteral("rgpRodzUmowy"), QStringLiteral("Poszkodowany zatrudniony na podst. umowy o pracę: "),
                {QStringLiteral("TAK"), QStringLiteral("NIE")});
        b.comboBeside(codeAndText(b, QStringLiteral("epIdUmowy"), QStringLiteral("epUmowa"),
                                  QStringLiteral("Rodzaj umowy o pracę :"), 50),
                      QStringLiteral("cbUmowa"), QStringLiteral("lista"));
        QLineEdit* occupation =
            codeAndText(b, QStringLiteral("epKodZawodu"), QStringLiteral("epZawod"), QStringLiteral("Zawód wykonywany :"), 45);
        // The tree picker beside the list: the list gives up some of its width.
        b.comboBeside(occupation, QStringLiteral("cbZawod"), QStringLiteral("lista"))->setMinimumContentsLength(10);
        b.buttonBeside(occupation, QStringLiteral("wZawod"), QStringLiteral("Klasyfikacja..."))
            ->setToolTip(QStringLiteral("Wybór zawodu z klasyfikacji zawodów"));
        QCheckBox* filter = b.checkRow(QStringLiteral("cb_Filtr"), QStringLiteral("Filtr do listy zawodów"));
        QLineEdit* filterText =
            b.editBeside(filter, QStringLiteral("e_Filtr"), QStringLiteral("kod lub część nazwy"), 50);
        filterText->setToolTip(QStringLiteral("Kod zawodu (liczba) lub fragment nazwy zawodu"));
        b.buttonBeside(filter, QStringLiteral("bPokaz"), QStringLiteral("Ustaw"));
        b.section(QStringLiteral("Przeszkolenia :"));
        b.check(QStringLiteral("cbpSzkWstepne"), QStringLiteral("przeszkolenie wstępne ogólne"));
        b.check(QStringLiteral("cbpSzkInstr"), QStringLiteral("instruktaż na stanowisku pracy, na którym zdarzył się wypadek"));
        b.check(QStringLiteral("cbpSzkPodst"), QStringLiteral("przeszkolenie podstawowe"))->setVisible(false);
        b.check(QStringLiteral("cbpSzkOkres"), QStringLiteral("przeszkolenie okresowe"));
        b.column();
        b.section(QStringLiteral("Nazwa pracodawcy - - przedsiębiorstwa :"));
        b.edit(QStringLiteral("epPrzedsieb"), QStringLiteral("Nazwa pracodawcy - przedsiębiorstwa :"), 130);
        b.edit(QStringLiteral("epKodEKD"), QStringLiteral("Kod PKD :"), 8);
        b.edit(QStringLiteral("epRegon"), QStringLiteral("Regon :"), 16);
        b.edit(QStringLiteral("epAdresFirma"), QStringLiteral("Adres pracodawcy :"), 130);
        b.edit(QStringLiteral("epPeselFirma"), QStringLiteral("Pesel pracodawcy :"), 15);
        b.edit(QStringLiteral("epDokFirma"), QStringLiteral("Nazwa, seria, nr dok. potwierdzającego tożsamość pracodawcy :"), 62);
        b.edit(QStringLiteral("epNipFirma"), QStringLiteral("NIP pracodawcy :"), 20);
        QLineEdit* size = b.edit(QStringLiteral("epIdLiczbaPrac"), QStringLiteral("Liczba pracujących :"), 5, true);
        size->setToolTip(kClearHint);
        b.comboBeside(size, QStringLiteral("cbLiczbaPrac"), QStringLiteral("lista"))->setEnabled(false);
        b.edit(QStringLiteral("epLiczbaPrac"), QStringLiteral("Dokładna liczba:"));
        b.edit(QStringLiteral("epGodzPracy"), QStringLiteral("Godziny od podjęcia pracy do wypadku :"));
        b.radio(QStringLiteral("rgpFormaPracy"), QStringLiteral("Praca w formie zdalnej lub telepracy:"),
                {QStringLiteral("NIE"), QStringLiteral("TAK")})
            ->setEnabled(false);
        b.stretch();
    }
    {
        PageBuilder b(addPage(pages, kPersonPageNames[2], QStringLiteral("Dane o jednostce")));
        b.radio(QStringLiteral("rgpSpKrytJedn"), QStringLiteral("Czy jednostka spełnia jedno z podanych kryteriów?"),
                {QStringLiteral("NIE"), QStringLiteral("TAK")});
        QLineEdit* town = b.edit(QStringLiteral("epIdMscJedn"), QStringLiteral("Miejscowość (gmina) jednostki :"), 7);
        b.editBeside(town, QStringLiteral("epMscJedn"), QStringLiteral("nazwa"), 50);
        QLineEdit* act = b.edit(QStringLiteral("epIdRodzDzialJedn"), QStringLiteral("Rodzaj działalności jednostki :"), 5);
        b.editBeside(act, QStringLiteral("epRodzDzialJedn"), QStringLiteral("opis"), 50);
        QLineEdit* fw = b.edit(QStringLiteral("epIDFWJedn"), QStringLiteral("Forma własności :"), 5, true);
        fw->setToolTip(kClearHint);
        b.editBeside(fw, QStringLiteral("epFWJedn"), QStringLiteral("opis"), 200);
        cardPicker(b, fw, QStringLiteral("wFormaWlasnosciJedn"));
        b.stretch();
    }
    {
        PageBuilder b(addPage(pages, kPersonPageNames[3], QStringLiteral("Prot. powyp. cz. 1")));
        b.section(QStringLiteral("Zespół ustalający okoliczności i przyczyny wypadku :"));
        b.comboBeside(b.edit(QStringLiteral("erImNazwA"), QStringLiteral("a) imię i nazwisko :"), 70),
                      QStringLiteral("cbZespol1"), QStringLiteral("lista"));
        b.edit(QStringLiteral("erFunkcjaA"), QStringLiteral("a) funkcja :"), 50);
        b.comboBeside(b.edit(QStringLiteral("erImNazwB"), QStringLiteral("b) imię i nazwisko :"), 70),
                      QStringLiteral("cbZespol2"), QStringLiteral("lista"));
        b.edit(QStringLiteral("erFunkcjaB"), QStringLiteral("b) funkcja :"), 50);
        b.edit(QStringLiteral("erImNazwZg"), QStringLiteral("Zgłaszający :"), 81);
        dateEdit(b, QStringLiteral("erDataZg"), QStringLiteral("Data zgłoszenia wypadku :"), QStringLiteral("wrDataZgCalBtn"));
        dateEdit(b, QStringLiteral("erDataUst"), QStringLiteral("Data ustalenia okoliczn. od:"), QStringLiteral("wrDataUstCalBtn"));
        dateEdit(b, QStringLiteral("erDataZakUst"), QStringLiteral("Data ustalenia okoliczn. do:"), QStringLiteral("wrDataZakUstCalBtn"));
        b.date(QStringLiteral("e0Data"), QStringLiteral("Data wypadku :"), true);
        b.edit(QStringLiteral("epNumerProt"), QStringLiteral("Numer protokołu od początku roku :"));
        b.column();
        b.memo(QStringLiteral("mrOkolicznosci01"), QStringLiteral("Okoliczności wypadku :"));
        b.memo(QStringLiteral("mrPrzyczyny02"), QStringLiteral("Przyczyny wypadku :"));
        b.memo(QStringLiteral("mrUchybienia03"), QStringLiteral("Uchybienia pracodawcy w zakresie przepisów bhp :"));
        b.memo(QStringLiteral("mrDowUchyb04"), QStringLiteral("Naruszenia przepisów przez poszkodowanego :"));
        b.memo(QStringLiteral("mrDowPij05"), QStringLiteral("Stan nietrzeźwości lub pod wpływem środków odurzających :"));
    }
    {
        PageBuilder b(addPage(pages, kPersonPageNames[4], QStringLiteral("Prot. powyp. cz. 2")));
        b.memo(QStringLiteral("mrRodzUrazu06"), QStringLiteral("Skutki wypadku (rodzaj i umiejscowienie  urazu) :"), 600);
        auto* type = b.combo(QStringLiteral("cbrTypWyp"), QStringLiteral("Typ wypadku :"));
        type->addItems({QStringLiteral("przy pracy"), QStringLiteral("traktowany na równi z wypadkiem przy pracy"),
                        QStringLiteral("nie jest wypadkiem przy pracy"),
                        QStringLiteral("nie jest traktowany na równi z wypadkiem przy pracy")});
        b.memo(QStringLiteral("mrUzasadn07"), QStringLiteral("Uzasadnienie typu wypadku :"), 590);
        b.memo(QStringLiteral("mrProfilaktyka08"), QStringLiteral("Wnioski i zalecenia profilaktyczne:"));
        b.memo(QStringLiteral("mrPrzeszkody09"), QStringLiteral("Przeszkody i trudności w sporządzeniu protokołu :"));
        b.memo(QStringLiteral("mrZalaczniki10"), QStringLiteral("Wykaz załączników :"));
        b.buttonRow(QStringLiteral("bUaktualnijW"), QStringLiteral("Uaktualnij"))
            ->setToolTip(QStringLiteral("Wykaz załączników z załączników poszkodowanego"));
        b.column();
        b.edit(QStringLiteral("erImNazwCz"), QStringLiteral("Potwierdzający :"), 81);
        b.edit(QStringLiteral("erImNazwCzZap"), QStringLiteral("Zapoznający się (imię i nazwisko) :"), 81);
        b.radio(QStringLiteral("rgrZapoznany"), QStringLiteral("Zapoznający się :"),
                {QStringLiteral("poszkodowany"), QStringLiteral("członek rodziny")});
        dateEdit(b, QStringLiteral("erDataProt"), QStringLiteral("Data sporządz. protokołu :"), QStringLiteral("wrDataProtCalBtn"));
        dateEdit(b, QStringLiteral("erDataZapoz"), QStringLiteral("Data zapoznania protokołu :"), QStringLiteral("wrDataZapozCalBtn"));
        dateEdit(b, QStringLiteral("erDataZatw"), QStringLiteral("Data zatwierdz. protokołu :"), QStringLiteral("wrDataZatwCalBtn"));
        dateEdit(b, QStringLiteral("erDataOdb"), QStringLiteral("Data potwierdz. odbioru :"), QStringLiteral("wrDataOdbCalBtn"));
        b.radio(QStringLiteral("rgrDoreczenie"), QStringLiteral("Sposób doręczenia :"),
                {QStringLiteral("doręczenie"), QStringLiteral("przesłanie")});
        b.edit(QStringLiteral("erNr_Przesylki"), QStringLiteral("nr przesyłki pocztowej :"), 20);
        b.edit(QStringLiteral("erSadPracy"), QStringLiteral("Sąd pracy :"), 60);
        b.radio(QStringLiteral("rgrFormWyp"), QStringLiteral("Czy zostały zgłoszone uwagi i zastrzeżenia do protokołu?"),
                {QStringLiteral("nie"), QStringLiteral("tak")});
    }
    {
        PageBuilder b(addPage(pages, kPersonPageNames[5], QStringLiteral("Karta wyp.cz. 1")));
        b.edit(QStringLiteral("epNUMERKARTYWYP"), QStringLiteral("Numer karty wypadku od początku roku:"));
        b.edit(QStringLiteral("ekImNazwZg"), QStringLiteral("Zgłaszający:"), 70);
        dateEdit(b, QStringLiteral("ekDataZg"), QStringLiteral("Data zgłoszenia:"), QStringLiteral("wkDataZgCalBtn"));
        b.memo(QStringLiteral("mkOkolicznosci01"), QStringLiteral("Okoliczności wypadku :"));
        b.edit(QStringLiteral("ekImNazwSw1"), QStringLiteral("Świadek 1 — imię i nazwisko :"), 80);
        b.edit(QStringLiteral("ekAdresSw1"), QStringLiteral("Świadek 1 — adres :"), 120);
        b.edit(QStringLiteral("ekImNazwSw2"), QStringLiteral("Świadek 2 — imię i nazwisko :"), 80);
        b.edit(QStringLiteral("ekAdresSw2"), QStringLiteral("Świadek 2 — adres :"), 120);
        b.radio(QStringLiteral("rgkRodzajWyp"), QStringLiteral("Zdarzenie"), {QStringLiteral("JEST"), QStringLiteral("NIE JEST")});
        b.edit(QStringLiteral("epPktUstawy"), QStringLiteral("Punkt art. ustawy :"), 2);
        b.memo(QStringLiteral("mkUzasadn07"), QStringLiteral("Uzasadnienie :"));
        b.memo(QStringLiteral("mkDowUchyb04"), QStringLiteral("Naruszenie przepisów przez poszkodowanego :"));
        b.edit(QStringLiteral("ekUbezpOpis"), QStringLiteral("Tytuł ubezpieczenia :"), 250);
    }
    {
        PageBuilder b(addPage(pages, kPersonPageNames[6], QStringLiteral("Karta wyp.cz.2")));
        b.memo(QStringLiteral("mkDowPij05"), QStringLiteral("Stan nietrzeźwości poszkodowanego :"));
        b.edit(QStringLiteral("ekImNazwOdb"), QStringLiteral("Kartę odebrał (imię i nazwisko) :"), 80);
        dateEdit(b, QStringLiteral("ekDataZapoz"), QStringLiteral("Data zapoznania :"), QStringLiteral("wkDataZapozCalBtn"));
        dateEdit(b, QStringLiteral("ekDataProt"), QStringLiteral("Data sporządzenia karty :"), QStringLiteral("wkDataProtCalBtn"));
        dateEdit(b, QStringLiteral("ekDataOdb"), QStringLiteral("Kartę odebrano w dniu :"), QStringLiteral("wkDataOdbCalBtn"));
        b.edit(QStringLiteral("ekMiejsceSp"), QStringLiteral("Miejsce sporządzenia karty :"), 80);
        b.edit(QStringLiteral("ekPodmSporzadz"), QStringLiteral("Podmiot zobowiązany do sporządzenia karty :"), 80);
        b.edit(QStringLiteral("ekImNazSporzadz"), QStringLiteral("Sporządzający kartę :"), 81);
        b.memo(QStringLiteral("mkPrzeszkody09"), QStringLiteral("Przeszkody i trudności :"));
        b.memo(QStringLiteral("mkZalaczniki10"), QStringLiteral("Wykaz załączników :"));
        b.buttonRow(QStringLiteral("bUaktualnijK"), QStringLiteral("Uaktualnij"))
            ->setToolTip(QStringLiteral("Wykaz załączników z załączników poszkodowanego"));
    }
    {
        PageBuilder b(addPage(pages, kPersonPageNames[7], QStringLiteral("Ch-ka wypadku")));
        b.edit(QStringLiteral("epNumerKarty"), QStringLiteral("Numer karty SKW od początku roku :"));
        const QStringList consequences{QStringLiteral("śmiertelny"), QStringLiteral("ciężki"),
                                       QStringLiteral("inny (czasowa niezdolność do pracy)"), QStringLiteral("pozostałe")};
        b.radio(QStringLiteral("rgpSkutki"), QStringLiteral("Skutki znane w momencie wypadku"), consequences, 2);
        b.radio(QStringLiteral("rgpSkutkiR"), QStringLiteral("Skutki rzeczywiste"), consequences, 2);
        b.edit(QStringLiteral("epDniNiezd"), QStringLiteral("Dni niezdolności do pracy :"));
        b.edit(QStringLiteral("epDniNiezdR"), QStringLiteral("Rzeczywiste dni niezdolności do pracy :"));
        QLineEdit* disease = b.edit(QStringLiteral("epKodChoroby"), QStringLiteral("Statystyczny numer choroby (L4) :"), 3);
        b.comboBeside(disease, QStringLiteral("cbChorobaL4"), QStringLiteral("lista"));
        for (int i = 1; i <= 3; ++i)
            cardPicker(b, codeAndText(b, QStringLiteral("epIdUrazu%1").arg(i), QStringLiteral("epUraz%1").arg(i),
                                      QStringLiteral("Umiejscowienie urazu %1 :").arg(i), 50),
                       QStringLiteral("wUraz%1").arg(i));
        cardPicker(b, codeAndText(b, QStringLiteral("epIdRodzajUraz"), QStringLiteral("epRodzajUraz"), QStringLiteral("Rodzaj urazu :"), 135),
                   QStringLiteral("wRodzajUraz"));
        b.stretch();
    }
    {
        PageBuilder b(addPage(pages, kPersonPageNames[8], QStringLiteral("Okoliczności")));
        cardPicker(b, codeAndText(b, QStringLiteral("epIdProcesPracy"), QStringLiteral("epProcesPracy"), QStringLiteral("Proces pracy :"), 100),
                   QStringLiteral("wProcesPracy"));
        cardPicker(b, codeAndText(b, QStringLiteral("epIdCzynnosci"), QStringLiteral("epCzynnosc"), QStringLiteral("Czynność wykonywana :"), 50),
                   QStringLiteral("wCzynnosc"));
        cardPicker(b, codeAndText(b, QStringLiteral("epIdCzynnikCzynnosc"), QStringLiteral("epCzynnikCzynnosc"),
                                  QStringLiteral("Czynnik materialny związany z czynnością :"), 190),
                   QStringLiteral("wCzynnikCzynnosc"));
        cardPicker(b, codeAndText(b, QStringLiteral("epIdWydarzenia"), QStringLiteral("epWydarzenie"), QStringLiteral("Wydarzenie (odchylenie) :"), 50),
                   QStringLiteral("wWydarzenie"));
        cardPicker(b, codeAndText(b, QStringLiteral("epIdCzynnikOdchylenie"), QStringLiteral("epCzynnikOdchylenie"),
                                  QStringLiteral("Czynnik materialny związany z odchyleniem :"), 190),
                   QStringLiteral("wCzynnikOdchylenie"));
        cardPicker(b, codeAndText(b, QStringLiteral("epIdWydarzenieUraz"), QStringLiteral("epWydarzenieUraz"),
                                  QStringLiteral("Wydarzenie powodujące uraz :"), 110),
                   QStringLiteral("wWydarzenieUraz"));
        cardPicker(b, codeAndText(b, QStringLiteral("epIdCzynnikUraz"), QStringLiteral("epCzynnikUraz"),
                                  QStringLiteral("Czynnik materialny będący źródłem urazu :"), 190),
                   QStringLiteral("wCzynnikUraz"));
        for (int i = 1; i <= 7; ++i)
            cardPicker(b, codeAndText(b, QStringLiteral("epIdPrzyczyny%1").arg(i), QStringLiteral("epPrzyczyna%1").arg(i),
                                      QStringLiteral("Przyczyna wypadku %1 :").arg(i), 50),
                       QStringLiteral("wPrzyczyna%1").arg(i));
        b.stretch();
    }
    {
        PageBuilder b(addPage(pages, kPersonPageNames[9], QStringLiteral("Czynniki/źródła")));
        for (int i = 1; i <= 4; ++i) {
            cardPicker(b, codeAndText(b, QStringLiteral("epIdCzynnika%1").arg(i), QStringLiteral("epCzynnik%1").arg(i),
                                      QStringLiteral("Czynnik %1 :").arg(i), 42),
                       QStringLiteral("wCzynnik%1").arg(i));
            cardPicker(b, codeAndText(b, QStringLiteral("epIdZrodla%1").arg(i), QStringLiteral("epZrodlo%1").arg(i),
                                      QStringLiteral("Źródło %1 :").arg(i), 42),
                       QStringLiteral("wZrodlo%1").arg(i));
        }
        // Who filled in each part of the statistical card, where and when (the town
        // of part I holds 40 characters, that of part II 32).
        auto filler = [&b](const QString& suffix, const QString& part, int townLength) {
            const QString of = part.isEmpty() ? QString() : QLatin1Char(' ') + part;
            b.edit(QStringLiteral("epImNazwWypSKW") + suffix, QStringLiteral("Wypełniający") + of + QStringLiteral(" :"), 81);
            b.edit(QStringLiteral("epTelWypSKW") + suffix, QStringLiteral("Telefon") + of + QStringLiteral(" :"), 21);
            b.edit(QStringLiteral("epEmailWypSKW") + suffix, QStringLiteral("E-mail") + of + QStringLiteral(" :"), 40);
            b.edit(QStringLiteral("epMiejscowWypSKW") + suffix, QStringLiteral("Miejscowość") + of + QStringLiteral(" :"),
                   townLength);
            dateEdit(b, QStringLiteral("epDataWypSKW") + suffix, QStringLiteral("Data wypełnienia") + of + QStringLiteral(" :"),
                     QStringLiteral("wDataWypSKW%1CalBtn").arg(suffix));
            b.edit(QStringLiteral("epMiejscowPPSKW") + suffix,
                   QStringLiteral("Miejscowość podpisu pracodawcy") + of + QStringLiteral(" :"), 32);
            dateEdit(b, QStringLiteral("epDataPPSKW") + suffix,
                     QStringLiteral("Data podpisu pracodawcy") + of + QStringLiteral(" :"),
                     QStringLiteral("wDataPPSKW%1CalBtn").arg(suffix));
        };
        b.column();
        b.section(QStringLiteral("Część I karty"));
        filler(QString(), QString(), 40);
        b.section(QStringLiteral("Część II karty"));
        filler(QStringLiteral("2"), QStringLiteral("cz. II"), 32);
        b.stretch();
    }
    {
        PageBuilder b(addPage(pages, kPersonPageNames[10], QStringLiteral("Korespondencja z ZUS")));
        b.edit(QStringLiteral("epNrPismaZUS"), QStringLiteral("Numer pisma przesyłającego wniosek :"), 48);
        dateEdit(b, QStringLiteral("epDataPismaZUS"), QStringLiteral("Data pisma :"), QStringLiteral("wDataPismaZUSCalBtn"));
        b.edit(QStringLiteral("epNrDecyzjiZUS"), QStringLiteral("Numer decyzji ZUS :"), 48);
        dateEdit(b, QStringLiteral("epDataDecyzjiZUS"), QStringLiteral("Data decyzji :"), QStringLiteral("wDataDecyzjiZUSCalBtn"));
        b.memo(QStringLiteral("mpOdmowaZus11"), QStringLiteral("- Przyczyny odmowy "), 1575);
        b.edit(QStringLiteral("epProcUszczZUS"), QStringLiteral("- % uszczerbku na zdrowiu"));
        b.edit(QStringLiteral("epKwotaZUS"), QStringLiteral("- Kwota odszkodowania przez ZUS"));
    }
}

} // namespace zort
