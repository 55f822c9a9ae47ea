#include "card/CardDescription.h"

#include "domain/CardFields.h"
#include "domain/CardMarks.h"
#include "domain/CardVersion.h"

#include <array>

namespace zort {
namespace {

// The forms by index (WERSJASKW).
constexpr unsigned V2004 = 1u << 0;
constexpr unsigned V2009 = 1u << 2;
constexpr unsigned V2010 = 1u << 3;
constexpr unsigned V2019 = 1u << 4;
constexpr unsigned V2022 = 1u << 5;
constexpr unsigned kTrees = V2004 | V2009 | V2010 | V2019 | V2022;  // every form since 2004
constexpr unsigned kOlder = V2004 | V2009 | V2010 | V2019;          // 2004 to 2019
constexpr unsigned kLocalUnit = V2010 | V2019 | V2022;              // the local-unit question
constexpr unsigned kNamedEmployer = V2019 | V2022;                  // name and address fields
constexpr unsigned V2001 = 1u << 1;                                 // the 2000 card after 2000
constexpr unsigned k2000 = V2001 | kCardForm1996;                   // both forms of the 2000 card

const QString kContactCaption = QStringLiteral(
    "Dane kontaktowe pracodawcy lub osoby przez niego upoważnionej (wyznaczonej) w zakresie sporządzonej "
    "statystycznej karty wypadku przy pracy Z-KW");

class Items {
public:
    std::vector<CardItem> list;

    CardItem& add(unsigned versions, int page, CardItemKind kind, const QString& name, const QString& number,
                  const QString& caption) {
        CardItem i;
        i.versions = versions;
        i.page = page;
        i.kind = kind;
        i.name = name;
        i.number = number;
        i.caption = caption;
        list.push_back(i);
        return list.back();
    }
    CardItem& section(unsigned versions, int page, const QString& caption) {
        return add(versions, page, CardItemKind::Section, QString(), QString(), caption);
    }
    CardItem& edit(unsigned versions, int page, const QString& name, const QString& number, const QString& caption,
                   int maxLength = 0, CardCheck check = CardCheck::None) {
        CardItem& i = add(versions, page, CardItemKind::Edit, name, number, caption);
        i.maxLength = maxLength;
        i.check = check;
        return i;
    }
    // A code chosen by a picker (read-only) and its description.
    CardItem& picked(unsigned versions, int page, const QString& code, const QString& text, const QString& number,
                     const QString& caption, CardPicker picker = CardPicker::Dictionary) {
        CardItem& i = add(versions, page, CardItemKind::CodeText, code, number, caption);
        i.name2 = text;
        i.picker = picker;
        i.hint = pickerHint();
        return i;
    }
    // A code and a description both typed in.
    CardItem& typed(unsigned versions, int page, const QString& code, const QString& text, const QString& number,
                    const QString& caption, int codeLength, int textLength) {
        CardItem& i = add(versions, page, CardItemKind::CodeText, code, number, caption);
        i.name2 = text;
        i.maxLength = codeLength;
        i.maxLength2 = textLength;
        return i;
    }
    // Answers shown by the value -> box table of `column`; a click chooses the value
    // of the box.
    CardItem& marks(unsigned versions, int page, const QString& name, const QString& number, const QString& caption,
                    CardState state, const QStringList& captions, const QString& column) {
        CardItem& i = add(versions, page, CardItemKind::Marks, name, number, caption);
        i.state = state;
        i.marks = captions;
        i.values = cardMarkValues(column);
        i.markColumn = column;
        i.hint = markHint();
        return i;
    }
    CardItem& dateSpins(unsigned versions, int page, const QString& prefix, const QString& number,
                        const QString& hourCaption) {
        CardItem& i = add(versions, page, CardItemKind::DateSpins, prefix + QStringLiteral("R"), number,
                          QStringLiteral("Data wypadku"));
        i.name2 = prefix + QStringLiteral("M");
        i.name3 = prefix + QStringLiteral("D");
        if (!hourCaption.isEmpty()) {
            i.name4 = prefix + QStringLiteral("G");
            i.caption2 = hourCaption;
        }
        return i;
    }
    CardItem& date(unsigned versions, int page, const QString& name, const QString& caption) {
        CardItem& i = edit(versions, page, name, QString(), caption, 0, CardCheck::DateAfterAccident);
        i.name3 = QLatin1Char('w') + name.mid(2);
        return i;
    }
};

// The two forms of the 2000 card: the 2001 form and the 1996 form (which asks for the
// father's name instead of "syn, córka" and adds the disease number of the
// sick-leave form). Part I takes page 1 and the first part of page 2, part II the
// end of page 2.
void build2000(Items& t) {
    const QStringList typeAnswers{QStringLiteral("- przy pracy"),
                                  QStringLiteral("- traktowanego na równi z wypadkiem przy pracy *")};
    // The accident type as the form asks it: the answer that does not apply struck.
    auto typeBlock = [&t, &typeAnswers](int page, const QString& name) {
        CardItem& m = t.marks(k2000, page, name, QString(), QStringLiteral("Statystyczna karta wypadku"),
                              CardState::AccidentType, typeAnswers, QStringLiteral("TYPWYP"));
        m.markStyle = MarkStyle::Struck;
        m.markCodes = {QStringLiteral("9998"), QStringLiteral("9999")};
        m.hint = QStringLiteral("* niepotrzebne skreślić.");
        t.add(k2000, page, CardItemKind::Text, QLatin1Char('l') + name.mid(2) + QStringLiteral("Uwaga"), QString(),
              QStringLiteral("* niepotrzebne skreślić."));
    };
    // The name of the injured person, on part I and as copies on part II.
    auto names = [&t](int page, const QString& s, const QString& twin) {
        auto copy = [&](unsigned forms, const char* column, const QString& caption, int length) {
            const QString c = QString::fromLatin1(column);
            t.edit(forms, page, QStringLiteral("e") + s + c, QString(), caption, length).twin =
                QStringLiteral("e") + twin + c;
        };
        copy(k2000, "Imie", QStringLiteral("Imię"), 30);
        copy(k2000, "Nazwisko", QStringLiteral("Nazwisko"), 50);
        copy(V2001, "SynCorka", QStringLiteral("syn, córka"), 15);
        copy(kCardForm1996, "ImOjca", QStringLiteral("Imię ojca"), 0);
    };
    // A list pick of the 2000 card.
    auto listed = [&t](int page, const QString& code, const QString& text, const QString& number,
                       const QString& caption) -> CardItem& {
        return t.picked(k2000, page, code, text, number, caption);
    };

    // --- Page 1: part I, the injured person and the effects -------------------------
    t.add(k2000, 1, CardItemKind::Text, QStringLiteral("lPieczatka"), QString(), QStringLiteral("Pieczątka pracodawcy"))
        .framed = true;
    t.edit(k2000, 1, QStringLiteral("epRegon"), QString(), QStringLiteral("Numer identyfikacyjny - REGON"), 16);
    t.edit(k2000, 1, QStringLiteral("epNumerKarty"), QString(), QStringLiteral("Kolejny nr karty w zakładzie"), 10,
           CardCheck::Whole)
        .label = QStringLiteral("lRok");
    typeBlock(1, QStringLiteral("mkTypWyp"));
    names(1, QStringLiteral("p"), QStringLiteral("9"));
    t.marks(k2000, 1, QStringLiteral("mkPlec"), QStringLiteral("01"), QStringLiteral("Płeć"), CardState::Sex,
            {QStringLiteral("mężczyzna"), QStringLiteral("kobieta")}, QStringLiteral("PLEC"));
    t.add(k2000, 1, CardItemKind::YearSpin, QStringLiteral("SpinEditRU"), QStringLiteral("02"),
          QStringLiteral("Rok urodzenia"));
    {
        CardItem& o = t.picked(k2000, 1, QStringLiteral("epKodZawodu"), QStringLiteral("epZawod"), QStringLiteral("03"),
                               QStringLiteral("Zawód wykonywany"), CardPicker::Occupation);
        o.maxLength2 = 30;
        o.pickerTitle = QStringLiteral("Klasyfikacja zawodów");
        o.preselect = false;
    }
    t.edit(k2000, 1, QStringLiteral("epStaz"), QStringLiteral("04"),
           QStringLiteral("Staż na zajmowanym stanowisku pracy w zakładzie pracy (w latach)"), 0, CardCheck::Small);
    {
        CardItem& z = t.add(k2000, 1, CardItemKind::ToggleMarks, QStringLiteral("mkSzkolenie"), QStringLiteral("05"),
                            QStringLiteral("Przeszkolenie w zakresie bhp"));
        z.state = CardState::Training;
        z.noneMark = QStringLiteral("brak przeszkolenia");
        z.marks = {QStringLiteral("przeszkolenie wstępne ogólne"),
                   QStringLiteral("instruktaż na stanowisku pracy, przy którym zdarzył\nsię wypadek"),
                   QStringLiteral("przeszkolenie podstawowe"), QStringLiteral("przeszkolenie okresowe")};
        z.hint = markHint();
    }
    listed(1, QStringLiteral("epIdUmowy"), QStringLiteral("epUmowa"), QStringLiteral("06"),
           QStringLiteral("Rodzaj umowy o pracę"));
    t.dateSpins(k2000, 1, QStringLiteral("SpinEdit"), QStringLiteral("07"), QStringLiteral("08  Godzina wypadku (0 23)"));
    t.edit(k2000, 1, QStringLiteral("epGodzPracy"), QStringLiteral("09"),
           QStringLiteral("Godziny przepracowane od podjęcia pracy do chwili wypadku"), 0, CardCheck::Small);
    t.edit(k2000, 1, QStringLiteral("ewPoszkodowani"), QStringLiteral("10"), QStringLiteral("Liczba osób poszkodowanych"),
           0, CardCheck::Small)
        .readOnly = true;
    t.marks(k2000, 1, QStringLiteral("mkSkutki"), QStringLiteral("11"), QStringLiteral("Skutki wypadku:"),
            CardState::Effects,
            {QStringLiteral("śmierć osoby poszkodowanej"), QStringLiteral("ciężkie uszkodzenie ciała"),
             QStringLiteral("inne skutki")},
            QStringLiteral("SKUTKI"));
    t.edit(k2000, 1, QStringLiteral("epDniNiezd"), QStringLiteral("12"), QStringLiteral("Liczba dni niezdolności do pracy"),
           0, CardCheck::Small);
    {
        // The code alone, chosen from the list of diseases.
        CardItem& k = t.picked(kCardForm1996, 1, QStringLiteral("epKodChoroby"), QString(), QString(),
                               QStringLiteral("Numer statystyczny choroby (z zaświadczenia lekarskiego)"));
        k.maxLength = 3;
    }

    // --- Page 2: part I, the accident ------------------------------------------------
    t.edit(k2000, 2, QStringLiteral("ewStratyCzasu"), QStringLiteral("13"),
           QStringLiteral("Straty czasu pracy innych osób (w roboczogodzinach)"), 0, CardCheck::Small);
    t.edit(k2000, 2, QStringLiteral("ewStratyZl"), QStringLiteral("14"),
           QStringLiteral("Szacunkowe straty materialne spowodowane wypadkiem"), 0, CardCheck::Real);
    listed(2, QStringLiteral("ewIdMiejsca"), QStringLiteral("ewMiejsceWyp"), QStringLiteral("15"),
           QStringLiteral("Miejsce powstania wypadku"));
    t.section(k2000, 2, QStringLiteral("16-18  Umiejscowienie urazu"));
    for (int k = 1; k <= 3; ++k)
        listed(2, QStringLiteral("epIdUrazu%1").arg(k), QStringLiteral("epUraz%1").arg(k), QString(),
               QStringLiteral("uraz %1").arg(k));
    listed(2, QStringLiteral("epIdCzynnosci"), QStringLiteral("epCzynnosc"), QStringLiteral("19"),
           QStringLiteral("Czynność wykonywana przez poszkodowanego w chwili wypadku"));
    listed(2, QStringLiteral("epIdWydarzenia"), QStringLiteral("epWydarzenie"), QStringLiteral("20"),
           QStringLiteral("Wydarzenie powodujące wypadek"));
    t.section(k2000, 2, QStringLiteral("21-24  Czynniki, które spowodowały wypadek, i ich materialne źródła"));
    for (int k = 1; k <= 4; ++k) {
        // Each factor with the material source of its slot; the description is a memo.
        CardItem& f = listed(2, QStringLiteral("epIdCzynnika%1").arg(k), QStringLiteral("epCzynnik%1").arg(k), QString(),
                             QStringLiteral("czynnik %1").arg(k));
        f.memoLines = 2;
        f.pair = QStringLiteral("epIdZrodla%1").arg(k);
        f.pairMessage = duplicateFactorMessage();
        CardItem& z = listed(2, QStringLiteral("epIdZrodla%1").arg(k), QStringLiteral("epZrodlo%1").arg(k), QString(),
                             QStringLiteral("źródło %1").arg(k));
        z.memoLines = 2;
        z.pair = QStringLiteral("epIdCzynnika%1").arg(k);
        z.pairMessage = duplicateSourceMessage();
    }
    t.section(k2000, 2, QStringLiteral("25-31  Przyczyny wypadku"));
    for (int k = 1; k <= 7; ++k)
        listed(2, QStringLiteral("epIdPrzyczyny%1").arg(k), QStringLiteral("epPrzyczyna%1").arg(k), QString(),
               QStringLiteral("Przyczyna %1").arg(k));
    {
        CardItem& m = t.add(k2000, 2, CardItemKind::Memo, QStringLiteral("epDodBranza"), QStringLiteral("32"),
                            QStringLiteral("Do wykorzystania wg potrzeb branżowych"));
        m.maxLength = 750;
    }

    // --- Page 2: part II ---------------------------------------------------------------
    t.section(k2000, 3, QStringLiteral("Część II (uzupełniająca)"));
    typeBlock(3, QStringLiteral("mkTypWyp9"));
    names(3, QStringLiteral("9"), QStringLiteral("p"));
    t.marks(k2000, 3, QStringLiteral("mkSkutkiR"), QString(), QStringLiteral("Rzeczywiste skutki wypadku"),
            CardState::EffectsPart2,
            {QStringLiteral("śmierć osoby poszkodowanej "), QStringLiteral("ciężkie uszkodzenie ciała"),
             QStringLiteral("inne skutki")},
            QStringLiteral("SKUTKIR"));
    t.edit(k2000, 3, QStringLiteral("epDniNiezdR"), QString(),
           QStringLiteral("Liczba dni niezdolności do pracy (znana w momencie wypełniania części II karty)"), 0,
           CardCheck::Small);
}

std::vector<CardItem> buildItems() {
    Items t;
    // --- Page 1: the employer, the injured person, the effects ----------------------
    t.section(kNamedEmployer, 1, QStringLiteral("Dane pracodawcy (nazwa i adres)"));
    t.edit(kNamedEmployer, 1, QStringLiteral("epPrzedsieb"), QString(), QStringLiteral("nazwa"), 130).twin =
        QStringLiteral("e9Przedsieb");
    t.edit(kNamedEmployer, 1, QStringLiteral("epAdresFirma"), QString(), QStringLiteral("adres"), 130).twin =
        QStringLiteral("e9AdresFirma");
    t.add(V2004 | V2009 | V2010, 1, CardItemKind::Text, QStringLiteral("lPieczatka"), QString(),
          QStringLiteral("Pieczątka pracodawcy"))
        .framed = true;
    t.edit(kTrees, 1, QStringLiteral("epRegon"), QString(), QStringLiteral("Numer identyfikacyjny - REGON"), 16).twin =
        QStringLiteral("e9Regon");
    {
        CardItem& n = t.edit(kTrees, 1, QStringLiteral("epNumerKarty"), QString(),
                             QStringLiteral("Kolejny nr statystycznej karty wypadku przy pracy w zakładzie pracy od "
                                            "początku roku"),
                             10, CardCheck::Whole);
        n.twin = QStringLiteral("e9NumerKarty");
        n.label = QStringLiteral("lRok");
    }
    t.marks(kTrees, 1, QStringLiteral("mkTypWyp"), QString(), QString(), CardState::AccidentType,
            {QStringLiteral("-  wypadek przy pracy"),
             QStringLiteral("- wypadek traktowany na równi z wypadkiem przy pracy")},
            QStringLiteral("TYPWYP"));
    t.edit(kTrees, 1, QStringLiteral("epLiczbaPrac"), QString(), QStringLiteral("Liczba pracujących w jednostce"), 0,
           CardCheck::RealPlain);
    t.picked(kOlder, 1, QStringLiteral("epIdLiczbaPrac"), QString(), QString(),
             QStringLiteral("Liczba pracujących w jednostce - przedział"));
    t.marks(kLocalUnit, 1, QStringLiteral("mkSpKrytJedn"), QString(),
            QStringLiteral("Jednostka lokalna nie posiada własnego numeru statystycznego REGON"), CardState::LocalUnit,
            {QStringLiteral("        Tak  - rozpocząć od poz. X1, X2, X3   "),
             QStringLiteral("        Nie   - rozpocząć od poz. 01                ")},
            QStringLiteral("SPKRYTJEDN"));
    t.typed(V2022, 1, QStringLiteral("epIdMscJedn"), QStringLiteral("epMscJedn"), QStringLiteral("X1"),
            QStringLiteral("Miejscowość (gmina), na terenie której znajduje się jednostka:"), 7, 50)
        .localUnitPanel = true;
    t.edit(V2010 | V2019, 1, QStringLiteral("epMscJedn"), QStringLiteral("X1"),
           QStringLiteral("Miejscowość (gmina), na terenie której znajduje się jednostka:"), 50)
        .localUnitPanel = true;
    t.typed(V2022, 1, QStringLiteral("epIdRodzDzialJedn"), QStringLiteral("epRodzDzialJedn"), QStringLiteral("X2"),
            QStringLiteral("Rodzaj działalności wg PKD:"), 5, 50)
        .localUnitPanel = true;
    t.edit(V2010 | V2019, 1, QStringLiteral("epRodzDzialJedn"), QStringLiteral("X2"),
           QStringLiteral("Rodzaj działalności wg PKD:"), 50)
        .localUnitPanel = true;
    t.picked(kLocalUnit, 1, QStringLiteral("epIDFWJedn"), QStringLiteral("epFWJedn"), QStringLiteral("X3"),
             QStringLiteral("Forma własności"))
        .localUnitPanel = true;
    t.marks(kTrees, 1, QStringLiteral("mkPlec"), QStringLiteral("01"), QStringLiteral("Płeć"), CardState::Sex,
            {QStringLiteral("mężczyzna"), QStringLiteral("kobieta")}, QStringLiteral("PLEC"));
    t.add(kTrees, 1, CardItemKind::YearSpin, QStringLiteral("SpinEditRU"), QStringLiteral("02"),
          QStringLiteral("Rok urodzenia"));
    t.picked(kTrees, 1, QStringLiteral("epIdObywatelstwo"), QStringLiteral("epObywatelstwo"), QStringLiteral("03"),
             QStringLiteral("Obywatelstwo"));
    t.picked(kTrees, 1, QStringLiteral("epIdUmowy"), QStringLiteral("epUmowa"), QStringLiteral("04"),
             QStringLiteral("Status zatrudnienia"));
    {
        CardItem& o = t.picked(kTrees, 1, QStringLiteral("epKodZawodu"), QStringLiteral("epZawod"), QStringLiteral("05"),
                               QStringLiteral("Zawód wykonywany"), CardPicker::Occupation);
        o.maxLength2 = 45;
        o.pickerTitle = QStringLiteral("Klasyfikacja zawodów");
    }
    t.edit(kTrees, 1, QStringLiteral("epStaz"), QStringLiteral("06"),
           QStringLiteral("Staż na zajmowanym stanowisku pracy w zakładzie pracy (w latach)"), 0, CardCheck::Small);
    t.edit(kTrees, 1, QStringLiteral("epGodzPracy"), QStringLiteral("07"),
           QStringLiteral("Godziny przepracowane od podjęcia pracy do chwili wypadku"), 0, CardCheck::Small);
    t.picked(kTrees, 1, QStringLiteral("epIdRodzajUraz"), QStringLiteral("epRodzajUraz"), QStringLiteral("08"),
             QStringLiteral("Rodzaj urazu"));
    t.picked(kTrees, 1, QStringLiteral("epIdUrazu1"), QStringLiteral("epUraz1"), QStringLiteral("09"),
             QStringLiteral("Umiejscowienie urazu"));
    t.edit(kTrees, 1, QStringLiteral("ewPoszkodowani"), QStringLiteral("10"),
           QStringLiteral("Liczba osób poszkodowanych"), 0, CardCheck::Small)
        .readOnly = true;
    t.marks(kTrees, 1, QStringLiteral("mkSkutki"), QStringLiteral("11"), QStringLiteral("Skutki wypadku:"),
            CardState::Effects,
            {QStringLiteral("śmierć osoby poszkodowanej"), QStringLiteral("ciężkie uszkodzenie ciała"),
             QStringLiteral("inne skutki")},
            QStringLiteral("SKUTKI"));
    t.edit(kTrees, 1, QStringLiteral("epDniNiezd"), QStringLiteral("12"), QStringLiteral("Liczba dni niezdolności do pracy"),
           0, CardCheck::Small);
    // A 16-bit whole number in the database: checked as the other ones.
    t.edit(kTrees, 1, QStringLiteral("ewStratyCzasu"), QStringLiteral("13"),
           QStringLiteral("Straty czasu pracy innych osób (w roboczogodzinach)"), 0, CardCheck::Small);
    t.edit(kTrees, 1, QStringLiteral("ewStratyZl"), QStringLiteral("14"),
           QStringLiteral("Szacunkowe straty materialne spowodowane wypadkiem"), 0, CardCheck::Real);

    // --- Page 2: the accident ------------------------------------------------------
    t.marks(V2022, 2, QStringLiteral("mkFormaPracy"), QStringLiteral("Z1/Z2"),
            QStringLiteral("Czy wypadek wydarzył się w związku z wykonywaniem pracy zorganizowanej w formie zdalnej lub "
                           "telepracy ?"),
            CardState::RemoteWork, {QStringLiteral("   Tak   "), QStringLiteral("    Nie   ")},
            QStringLiteral("FORMAPRACY"));
    t.typed(V2022, 2, QStringLiteral("ewIdPolozGeogr"), QStringLiteral("ewPolozGeogr"), QStringLiteral("15"),
            QStringLiteral("Położenie geograficzne miejsca wypadku"), 7, 45);
    t.edit(kOlder, 2, QStringLiteral("ewPolozGeogr"), QStringLiteral("15"),
           QStringLiteral("Położenie geograficzne miejsca wypadku"), 45);
    t.dateSpins(kTrees, 2, QStringLiteral("SpinEdit"), QStringLiteral("16, 17"),
                QStringLiteral("17  Godzina wypadku (0 23)"));
    t.picked(kTrees, 2, QStringLiteral("ewIdMiejsca"), QStringLiteral("ewMiejsceWyp"), QStringLiteral("18"),
             QStringLiteral("Miejsce powstania wypadku"));
    t.picked(kTrees, 2, QStringLiteral("epIdProcesPracy"), QStringLiteral("epProcesPracy"), QStringLiteral("19"),
             QStringLiteral("Proces pracy"));
    t.picked(kTrees, 2, QStringLiteral("ewIdRodzajMiejscaWyp"), QStringLiteral("ewRodzajMiejscaWyp"),
             QStringLiteral("20"), QStringLiteral("Rodzaj miejsca wypadku"));
    t.picked(kTrees, 2, QStringLiteral("epIdCzynnosci"), QStringLiteral("epCzynnosc"), QStringLiteral("21"),
             QStringLiteral("Czynność wykonywana przez poszkodowanego w chwili wypadku"));
    t.picked(kTrees, 2, QStringLiteral("epIdCzynnikCzynnosc"), QStringLiteral("epCzynnikCzynnosc"), QStringLiteral("22"),
             QStringLiteral("Czynnik materialny związany z czynnością wykonywaną przez poszkodowanego w chwili wypadku"));
    t.picked(kTrees, 2, QStringLiteral("epIdWydarzenia"), QStringLiteral("epWydarzenie"), QStringLiteral("23"),
             QStringLiteral("Wydarzenie będące odchyleniem od stanu normalnego"));
    t.picked(kTrees, 2, QStringLiteral("epIdCzynnikOdchylenie"), QStringLiteral("epCzynnikOdchylenie"),
             QStringLiteral("24"), QStringLiteral("Czynnik materialny związany z odchyleniem od stanu normalnego"));
    t.picked(kTrees, 2, QStringLiteral("epIdWydarzenieUraz"), QStringLiteral("epWydarzenieUraz"), QStringLiteral("25"),
             QStringLiteral("Wydarzenie powodujące uraz"));
    t.picked(kTrees, 2, QStringLiteral("epIdCzynnikUraz"), QStringLiteral("epCzynnikUraz"), QStringLiteral("26"),
             QStringLiteral("Czynnik materialny będący źródłem urazu"));
    t.section(kTrees, 2, QStringLiteral("27  Przyczyny wypadku (należy podać wszystkie przyczyny)"));
    for (int k = 1; k <= 7; ++k)
        t.picked(kTrees, 2, QStringLiteral("epIdPrzyczyny%1").arg(k), QStringLiteral("epPrzyczyna%1").arg(k),
                 QString(), QStringLiteral("Przyczyna %1").arg(k));

    // Who filled in each part, where and when.
    auto contact = [&t](int page, const QString& s, bool lowerCase) {
        t.section(kTrees, page, kContactCaption);
        t.edit(kOlder, page, QStringLiteral("epImNazwWypSKW") + s, QString(), QStringLiteral("imię i nazwisko"));
        t.edit(V2022, page, QStringLiteral("epEmailWypSKW") + s, QString(), QStringLiteral("e-mail"), 40).lowerCase =
            lowerCase;
        t.edit(kTrees, page, QStringLiteral("epTelWypSKW") + s, QString(), QStringLiteral("telefon"), 21);
        t.edit(kTrees, page, QStringLiteral("epMiejscowWypSKW") + s, QString(), QStringLiteral("miejscowość"), 32);
        t.date(kTrees, page, QStringLiteral("epDataWypSKW") + s, QStringLiteral("data"));
        t.edit(kOlder, page, QStringLiteral("epMiejscowPPSKW") + s, QString(),
               QStringLiteral("miejscowość (podpis pracodawcy)"));
        t.date(kOlder, page, QStringLiteral("epDataPPSKW") + s, QStringLiteral("data (podpis pracodawcy)"));
    };
    contact(2, QString(), true);

    // --- Page 3: part II (on the older forms, page 2) -------------------------------
    t.section(V2022, 3, QStringLiteral("Dane pracodawcy (nazwa i adres)"));
    t.edit(V2022, 3, QStringLiteral("e9Przedsieb"), QString(), QStringLiteral("nazwa"), 130).twin =
        QStringLiteral("epPrzedsieb");
    t.edit(V2022, 3, QStringLiteral("e9AdresFirma"), QString(), QStringLiteral("adres"), 130).twin =
        QStringLiteral("epAdresFirma");
    t.edit(V2022, 3, QStringLiteral("e9Regon"), QString(), QStringLiteral("Numer identyfikacyjny - REGON"), 16).twin =
        QStringLiteral("epRegon");
    {
        CardItem& n = t.edit(V2022, 3, QStringLiteral("e9NumerKarty"), QString(),
                             QStringLiteral("Kolejny nr statystycznej karty wypadku przy pracy w zakładzie pracy od "
                                            "początku roku"),
                             10, CardCheck::Whole);
        n.twin = QStringLiteral("epNumerKarty");
        n.label = QStringLiteral("l9Rok");
    }
    t.dateSpins(V2022, 3, QStringLiteral("Spin9Edit"), QStringLiteral("16"), QString());
    t.marks(kTrees, 3, QStringLiteral("mkSkutkiR"), QStringLiteral("28"),
            QStringLiteral("Skutki wypadku (znane w momencie wypełniania części II karty)"), CardState::EffectsPart2,
            {QStringLiteral("śmierć osoby poszkodowanej "), QStringLiteral("ciężkie uszkodzenie ciała"),
             QStringLiteral("inne skutki")},
            QStringLiteral("SKUTKIR"));
    t.edit(kTrees, 3, QStringLiteral("epDniNiezdR"), QStringLiteral("29"),
           QStringLiteral("Liczba dni niezdolności do pracy (znana w momencie wypełniania części II karty)"), 0,
           CardCheck::Small);
    contact(3, QStringLiteral("2"), false);
    build2000(t);
    return t.list;
}

// The description of the form `form` (its bit) of the card of index `version`,
// shown by the window class `windowClass`.
CardDescription makeDescription(int version, unsigned form, const QString& windowClass) {
    CardDescription s;
    s.version = version;
    s.windowClass = windowClass;
    const CardVersionInfo* v = cardVersion(version);
    QStringList labels;
    for (const CardVersionInfo& other : cardVersions())
        if (v && (other.index == version || other.windowClass == v->windowClass)) labels << other.label;
    s.caption = QStringLiteral("Statystyczna Karta Wypadku - ") + labels.join(QStringLiteral(", "));
    s.pages = {QStringLiteral("Strona 1"), QStringLiteral("Strona 2")};
    if (version == 5) s.pages << QStringLiteral("Strona 3");
    for (const CardItem& i : cardItems())
        if (i.versions & form) s.items.push_back(i);
    if (form & k2000) {
        s.width = form == kCardForm1996 ? 789 : 770;
        s.sameYearOnly = true;
        // Only the answers 1, 2 and 3 of the effects: 4 shows none.
        for (const char* column : {"SKUTKI", "SKUTKIR"})
            s.markTables.push_back({QString::fromLatin1(column), {{1, 1}, {2, 2}, {3, 3}}});
    }
    return s;
}

const CardDescription& form1996() {
    static const CardDescription d = makeDescription(1, kCardForm1996, QStringLiteral("TSKWForm"));
    return d;
}

} // namespace

const CardItem* CardDescription::item(const QString& name) const {
    for (const CardItem& i : items)
        if (i.name.compare(name, Qt::CaseInsensitive) == 0 || (!i.name2.isEmpty() && i.name2 == name)) return &i;
    return nullptr;
}

int CardDescription::markBox(const QString& column, int value) const {
    for (const CardMarkTable& t : markTables) {
        if (t.column.compare(column, Qt::CaseInsensitive) != 0) continue;
        for (const auto& [v, box] : t.boxes)
            if (v == value) return box;
        return 0;
    }
    return cardMarkBox(column, value);
}

const std::vector<CardItem>& cardItems() {
    static const std::vector<CardItem> items = buildItems();
    return items;
}

const CardDescription& cardDescription(int version) {
    static const std::array<CardDescription, kCardVersionCount> forms = [] {
        std::array<CardDescription, kCardVersionCount> a;
        for (int v = 0; v < kCardVersionCount; ++v)
            a[size_t(v)] = makeDescription(v, 1u << v, cardVersions()[size_t(v)].windowClass);
        return a;
    }();
    return forms[size_t(qBound(0, version, kCardVersionCount - 1))];
}

const CardDescription* cardDescriptionOf(const QString& windowClass) {
    if (windowClass == form1996().windowClass) return &form1996();
    for (int v = 0; v < kCardVersionCount; ++v)
        if (cardDescription(v).windowClass == windowClass) return &cardDescription(v);
    return nullptr;
}

QString markHint() { return QStringLiteral("Naciśnij lewy klawisz myszy w celu wybrania"); }

QString pickerHint() { return QStringLiteral("Dwukrotnie kliknij w celu wywołania listy"); }

QString cardYearLabel(int year) { return QStringLiteral("/ ") + QString::number(year); }

QString cardYearMessage() { return QStringLiteral("Rok wypadku musi być taki sam jak rok odniesienia"); }

} // namespace zort
