#include "card/CardDescription.h"

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
    CardItem& marks(unsigned versions, int page, const QString& name, const QString& number, const QString& caption,
                    CardState state, const QStringList& captions, const QList<int>& values) {
        CardItem& i = add(versions, page, CardItemKind::Marks, name, number, caption);
        i.state = state;
        i.marks = captions;
        i.values = values;
        i.hint = markHint();
        return i;
    }
    CardItem& dateSpins(unsigned versions, int page, const QString& prefix, const QString& number, bool hour) {
        CardItem& i = add(versions, page, CardItemKind::DateSpins, prefix + QStringLiteral("R"), number,
                          QStringLiteral("Data wypadku"));
        i.name2 = prefix + QStringLiteral("M");
        i.name3 = prefix + QStringLiteral("D");
        if (hour) i.name4 = prefix + QStringLiteral("G");
        return i;
    }
    CardItem& date(unsigned versions, int page, const QString& name, const QString& caption) {
        CardItem& i = edit(versions, page, name, QString(), caption, 0, CardCheck::DateAfterAccident);
        i.name3 = QLatin1Char('w') + name.mid(2);
        return i;
    }
};

std::vector<CardItem> buildItems() {
    Items t;
    // --- Page 1: the employer, the injured person, the effects ----------------------
    t.section(kNamedEmployer, 1, QStringLiteral("Dane pracodawcy (nazwa i adres)"));
    t.edit(kNamedEmployer, 1, QStringLiteral("epPrzedsieb"), QString(), QStringLiteral("nazwa"), 130).twin =
        QStringLiteral("e9Przedsieb");
    t.edit(kNamedEmployer, 1, QStringLiteral("epAdresFirma"), QString(), QStringLiteral("adres"), 130).twin =
        QStringLiteral("e9AdresFirma");
    t.add(V2004 | V2009 | V2010, 1, CardItemKind::Text, QStringLiteral("lPieczatka"), QString(),
          QStringLiteral("Pieczątka pracodawcy"));
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
            cardMarkValues(QStringLiteral("TYPWYP")));
    t.edit(kTrees, 1, QStringLiteral("epLiczbaPrac"), QString(), QStringLiteral("Liczba pracujących w jednostce"), 0,
           CardCheck::RealPlain);
    t.picked(kOlder, 1, QStringLiteral("epIdLiczbaPrac"), QString(), QString(),
             QStringLiteral("Liczba pracujących w jednostce - przedział"));
    t.marks(kLocalUnit, 1, QStringLiteral("mkSpKrytJedn"), QString(),
            QStringLiteral("Jednostka lokalna nie posiada własnego numeru statystycznego REGON"), CardState::LocalUnit,
            {QStringLiteral("        Tak  - rozpocząć od poz. X1, X2, X3   "),
             QStringLiteral("        Nie   - rozpocząć od poz. 01                ")},
            cardMarkValues(QStringLiteral("SPKRYTJEDN")));
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
            {QStringLiteral("mężczyzna"), QStringLiteral("kobieta")}, cardMarkValues(QStringLiteral("PLEC")));
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
            cardMarkValues(QStringLiteral("SKUTKI")));
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
            cardMarkValues(QStringLiteral("FORMAPRACY")));
    t.typed(V2022, 2, QStringLiteral("ewIdPolozGeogr"), QStringLiteral("ewPolozGeogr"), QStringLiteral("15"),
            QStringLiteral("Położenie geograficzne miejsca wypadku"), 7, 45);
    t.edit(kOlder, 2, QStringLiteral("ewPolozGeogr"), QStringLiteral("15"),
           QStringLiteral("Położenie geograficzne miejsca wypadku"), 45);
    t.dateSpins(kTrees, 2, QStringLiteral("SpinEdit"), QStringLiteral("16, 17"), true);
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
    t.dateSpins(V2022, 3, QStringLiteral("Spin9Edit"), QStringLiteral("16"), false);
    t.marks(kTrees, 3, QStringLiteral("mkSkutkiR"), QStringLiteral("28"),
            QStringLiteral("Skutki wypadku (znane w momencie wypełniania części II karty)"), CardState::EffectsPart2,
            {QStringLiteral("śmierć osoby poszkodowanej "), QStringLiteral("ciężkie uszkodzenie ciała"),
             QStringLiteral("inne skutki")},
            cardMarkValues(QStringLiteral("SKUTKIR")));
    t.edit(kTrees, 3, QStringLiteral("epDniNiezdR"), QStringLiteral("29"),
           QStringLiteral("Liczba dni niezdolności do pracy (znana w momencie wypełniania części II karty)"), 0,
           CardCheck::Small);
    contact(3, QStringLiteral("2"), false);
    return t.list;
}

CardDescription makeDescription(int version) {
    CardDescription s;
    s.version = version;
    const CardVersionInfo* v = cardVersion(version);
    s.windowClass = v ? v->windowClass : QString();
    QStringList labels;
    for (const CardVersionInfo& other : cardVersions())
        if (v && other.windowClass == v->windowClass) labels << other.label;
    s.caption = QStringLiteral("Statystyczna Karta Wypadku - ") + labels.join(QStringLiteral(", "));
    s.pages = {QStringLiteral("Strona 1"), QStringLiteral("Strona 2")};
    if (version == 5) s.pages << QStringLiteral("Strona 3");
    for (const CardItem& i : cardItems())
        if (version >= 0 && version < 32 && (i.versions >> version & 1u)) s.items.push_back(i);
    return s;
}

} // namespace

const CardItem* CardDescription::item(const QString& name) const {
    for (const CardItem& i : items)
        if (i.name.compare(name, Qt::CaseInsensitive) == 0 || (!i.name2.isEmpty() && i.name2 == name)) return &i;
    return nullptr;
}

const std::vector<CardItem>& cardItems() {
    static const std::vector<CardItem> items = buildItems();
    return items;
}

const CardDescription& cardDescription(int version) {
    static const std::array<CardDescription, kCardVersionCount> forms = [] {
        std::array<CardDescription, kCardVersionCount> a;
        for (int v = 0; v < kCardVersionCount; ++v) a[size_t(v)] = makeDescription(v);
        return a;
    }();
    return forms[size_t(qBound(0, version, kCardVersionCount - 1))];
}

QString markHint() { return QStringLiteral("Naciśnij lewy klawisz myszy w celu wybrania"); }

QString pickerHint() { return QStringLiteral("Dwukrotnie kliknij w celu wywołania listy"); }

QString cardYearLabel(int year) { return QStringLiteral("/ ") + QString::number(year); }

int effectsMark(int value) { return cardMarkValues(QStringLiteral("SKUTKI")).value(cardMarkBox(QStringLiteral("SKUTKI"), value) - 1, value); }

} // namespace zort
