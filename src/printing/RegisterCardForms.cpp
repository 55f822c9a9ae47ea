// The accident register card ("KARTA REJESTRACJI WYPADKU"): one layout, built from
// the description of its version. The current card (protocols of 2003, 2004 and
// 2019) flows its free texts over as many pages as they need; the card of the 1998
// protocol is one fixed page and differs in the items its description names.
#include "printing/DatasetSource.h"
#include "printing/DocumentReport.h"
#include "printing/PrintForms.h"
#include "printing/ReportForms.h"

#include <variant>

namespace zort::print {
namespace {

const FontSpec kTitleFont(QStringLiteral("Arial"), 14, true);
const FontSpec kLabelFont(QStringLiteral("Arial"), 9);
const FontSpec kDataFont(QStringLiteral("Arial"), 9, true);

constexpr double kValueX = 112;   // where the values of items 1 to 7 start
constexpr double kRow = 19;       // line step of the fixed items
constexpr double kTextIndent = 19;
constexpr double kHeadingHeight = 17;

// A free-text section: its heading, its memo column and its space (the start height
// of a flowing form, the fixed space of a fixed one); on a blank form the space of
// blankHeight (0 keeps the start height).
struct FreeTextSection {
    QString heading;
    QString column;
    double height = 38;
    double blankHeight = 0;
};

// The finding on the accident: "JEST" / "NIE JEST" and the lines of what it is.
struct FindingSection {
    QString heading;
    QStringList lines;
};

// The days of incapacity (when the version has them) and the ZUS claim.
struct ZusSection {
    QString daysHeading;  // empty: no such item
    QString heading;
};

using Section = std::variant<FreeTextSection, FindingSection, ZusSection>;

// What one version of the register card prints. current() is the card of the
// current protocols; older versions name their differences from it.
struct RegisterCardLayout {
    bool pageHeader = true;     // "Strona:" and the page number on every page
    bool fontSetting = true;    // data font size of the setting "Rozmiar czcionki:"
    bool flowing = true;        // free texts stretch and flow over pages (else one fixed page)
    // The second value of item 1 after the date of birth.
    QString kinLabel = QStringLiteral("imię ojca");
    QString kinColumn = QStringLiteral("IMOJCA");
    bool kinBoxed = true;
    bool kinBefore2019Only = true;  // printed only for protocols before the 2019 regulation
    // Item 3: its second caption line, and whether it holds the workplace (unit and
    // position) instead of the accident place.
    QString placeCaption = QStringLiteral("wypadku:");
    bool workplaceInPlace = false;
    std::vector<Section> sections;
    // The alternatives of the finding struck for each TYPWYP.
    std::vector<std::pair<int, QStringList>> findingMarks;

    static RegisterCardLayout current();
};

const QString kAtWork = QStringLiteral("wypadkiem przy pracy");
const QString kEqual = QStringLiteral("traktowany na równi z wypadkiem przy pracy");
const QString kIs = QStringLiteral("JEST");
const QString kIsNot = QStringLiteral("NIE JEST");

RegisterCardLayout RegisterCardLayout::current() {
    RegisterCardLayout l;
    l.sections = {
        FreeTextSection{QStringLiteral("8.    Ustalono następujące okoliczności wypadku:"), QStringLiteral("OKOLICZNOSCI"), 38, 162},
        FreeTextSection{QStringLiteral("9.    Ustalono następujące przyczyny wypadku:"), QStringLiteral("PRZYCZYNY"), 38, 162},
        FindingSection{QStringLiteral("10.    Stwierdza się, że powyższy wypadek:"), {kAtWork, kEqual}},
        FreeTextSection{QStringLiteral("11.    Skutki wypadku (miejsce i rodzaj urazu):"), QStringLiteral("RODZURAZU"), 41, 86},
        FreeTextSection{QStringLiteral("12.    Wnioski i zalecenia profilaktyczne zespołu powypadkowego:"), QStringLiteral("PROFILAKTYKA"), 41, 0},
        ZusSection{QStringLiteral("13.    Liczba dni niezdolności do pracy:"), QStringLiteral("14.    Przekazanie wniosku ZUS ")},
        FreeTextSection{QStringLiteral("15.    Przyczyny odmowy odszkodowania przez ZUS"), QStringLiteral("ODMOWAZUS"), 42, 180},
    };
    l.findingMarks = {{0, {kIsNot, kEqual}}, {1, {kIsNot, kAtWork}}, {2, {kIs, kEqual}}, {3, {kIs, kAtWork}}};
    return l;
}

// The card of one version.
class RegisterCardForm : public DocumentReport {
public:
    RegisterCardForm(const QString& className, RegisterCardLayout layout)
        : DocumentReport(className, QStringLiteral("WypRej")), m_layout(std::move(layout)) {
        build();
    }
    QStringList datasets() const override { return {QStringLiteral("ZestWyp4SQL")}; }

protected:
    void onRun(bool& print) override {
        (void)print;
        if (m_layout.kinBefore2019Only && settings().nowyProtPowypadkowy >= 3)
            for (Element* e : m_kin) e->enabled = false;
    }

private:
    double width() const { return page.contentWidth(); }

    // A value of the fixed items: a data text on a thin rule.
    Element& value(Band& b, double x, double y, double w, const QString& column, const QString& format = QString(),
                   bool rule = true) {
        Element& e = b.data(QRectF(x, y, w, ReferenceDevice::lineHeight(kDataFont)), column, format, kDataFont);
        e.setName(column).setAlign(Qt::AlignLeft | Qt::AlignBottom);
        if (rule) b.hline(x, y + ReferenceDevice::lineHeight(kDataFont) + 1, w, 0.5).setPen(0.5, Qt::gray);
        return e;
    }

    void build();
    double buildItems(Band& b);
    // Where the next section goes: its own child band (flowing forms) or below the
    // previous sections in the same band (the fixed form).
    std::pair<Band*, double> place(double height);
    void addFreeText(const FreeTextSection& s);
    void addFinding(const FindingSection& s);
    void addZus(const ZusSection& s);

    RegisterCardLayout m_layout;
    Band* m_last = nullptr;
    std::vector<Element*> m_kin;
};

void RegisterCardForm::build() {
    useFontSetting(m_layout.fontSetting);
    if (m_layout.pageHeader) {
        Band& head = addBand(BandType::PageHeader, 22);
        Element& caption = head.label(width() - 70, 0, QStringLiteral("Strona:"), kLabelFont);
        head.pageNumber(QRectF(caption.box.right() + 4, 0, 40, caption.box.height()), QString(), false, kLabelFont);
        hideOnBlank(head);
    }
    Band& title = addBand(BandType::Title, 0);
    title.height = buildItems(title);
    m_last = &title;
    for (const Section& s : m_layout.sections) {
        if (const auto* t = std::get_if<FreeTextSection>(&s)) addFreeText(*t);
        else if (const auto* f = std::get_if<FindingSection>(&s)) addFinding(*f);
        else if (const auto* z = std::get_if<ZusSection>(&s)) addZus(*z);
    }
    addMarks(QStringLiteral("WYPIZ"), {{0, {QStringLiteral("zbiorowy,")}}, {1, {QStringLiteral("indywidualny")}}});
    addMarks(QStringLiteral("SKUTKI"),
             {{1, {QStringLiteral("ciężki,"), QStringLiteral("powodujący czasową niezdolność do pracy")}},
              {2, {QStringLiteral("śmiertelny,"), QStringLiteral("powodujący czasową niezdolność do pracy")}},
              {3, {QStringLiteral("śmiertelny,"), QStringLiteral("ciężki,")}}});
    addMarks(QStringLiteral("TYPWYP"), m_layout.findingMarks);
}

// The title and items 1 to 7; returns the height they take.
double RegisterCardForm::buildItems(Band& b) {
    const double w = width();
    b.label(QRectF(0, 0, w, 26), QStringLiteral("KARTA REJESTRACJI WYPADKU"), kTitleFont)
        .setAlign(Qt::AlignHCenter | Qt::AlignTop);
    double y = 38;

    b.label(0, y, QStringLiteral("1.Poszkodowany"), kLabelFont);
    value(b, kValueX, y, 105, QStringLiteral("IMIE"));
    value(b, 222, y, 158, QStringLiteral("NAZWISKO"));
    b.label(386, y, QStringLiteral("ur."), kLabelFont);
    value(b, 404, y, 70, QStringLiteral("DATAUR"), kDateFormat);
    Element& kin = b.label(482, y, m_layout.kinLabel, kLabelFont);
    kin.setName(QStringLiteral("kin:label"));
    const double kinX = kin.box.right() + 8;
    Element& kinValue = value(b, kinX, y, w - kinX - 4, m_layout.kinColumn, QString(), !m_layout.kinBoxed);
    m_kin = {&kin, &kinValue};
    if (m_layout.kinBoxed) {
        Element& box = b.rect(QRectF(kinX - 4, y - 3, w - kinX + 4, kinValue.box.height() + 6), 0.75);
        box.setName(QStringLiteral("kin:box"));
        m_kin.push_back(&box);
    }
    y += kRow + 4;

    b.label(0, y, QStringLiteral("2. Zatrudniony w"), kLabelFont);
    const double lh = ReferenceDevice::lineHeight(kDataFont);
    b.data(QRectF(kValueX, y, w - kValueX, 2 * lh), QStringLiteral("PRZEDSIEB"), QString(), kDataFont)
        .setWrap()
        .setName(QStringLiteral("PRZEDSIEB"));
    b.hline(kValueX, y + 2 * lh + 1, w - kValueX, 0.5).setPen(0.5, Qt::gray);
    y += 2 * lh + 6;

    auto workplace = [&](double at) {
        value(b, kValueX, at, 300, QStringLiteral("STRUKTSKROT"));
        Element& position = b.label(424, at, QStringLiteral("stanowisko"), kLabelFont);
        const double x = position.box.right() + 8;
        value(b, x, at, w - x, QStringLiteral("STANOWSKROT"));
    };
    if (!m_layout.workplaceInPlace) {
        workplace(y);
        y += kRow + 3;
    }

    b.label(0, y, QStringLiteral("3. Miejsce"), kLabelFont);
    b.label(0, y + 13, m_layout.placeCaption, kLabelFont);
    if (m_layout.workplaceInPlace)
        workplace(y + 6);
    else
        value(b, kValueX, y + 6, w - kValueX, QStringLiteral("MIEJSCEWYP"));
    y += 34;

    b.label(0, y, QStringLiteral("4. Data wypadku:"), kLabelFont);
    value(b, kValueX, y, 70, QStringLiteral("DATA"), kDateFormat);
    Element& hour = b.label(kValueX + 72, y, QStringLiteral(" r.  godz."), kLabelFont);
    value(b, hour.box.right() + 6, y, 44, QStringLiteral("GodzWyp"));
    y += kRow;

    b.label(0, y, QStringLiteral("5. Rodzaj wypadku:"), kLabelFont);
    double x = kValueX;
    auto next = [&](const Element& e) { x = e.box.right() + 6; };
    next(choice(b, x, y, QStringLiteral("indywidualny"), kLabelFont));
    next(b.label(x, y, QStringLiteral("-"), kLabelFont));
    for (const char* alt : {"zbiorowy,", "śmiertelny,", "ciężki,", "powodujący czasową niezdolność do pracy"})
        next(choice(b, x, y, QString::fromUtf8(alt), kLabelFont));
    y += kRow;

    b.label(0, y, QStringLiteral("6. Numer protokołu:"), kLabelFont);
    value(b, kValueX, y, 150, QStringLiteral("nrProt_symbol"));
    Element& made = b.label(300, y, QStringLiteral("Data sporządzenia"), kLabelFont);
    value(b, made.box.right() + 8, y, 70, QStringLiteral("DATAPROT"), kDateFormat);
    y += kRow;

    b.label(0, y, QStringLiteral("7. Numer SKW:"), kLabelFont);
    value(b, kValueX, y, 150, QStringLiteral("nrKarty_symbol"));
    return y + kRow + 6;
}

std::pair<Band*, double> RegisterCardForm::place(double height) {
    if (m_layout.flowing) {
        m_last = &m_last->child(height);
        return {m_last, 0};
    }
    const double y = m_last->height;
    m_last->height += height;
    return {m_last, y};
}

void RegisterCardForm::addFreeText(const FreeTextSection& s) {
    const auto [band, y] = place(s.height);
    band->label(0, y, s.heading, kLabelFont).setName(s.heading);
    const QRectF box(kTextIndent, y + kHeadingHeight, width() - kTextIndent, s.height - kHeadingHeight - 2);
    if (m_layout.flowing) {
        band->memo(box, s.column, kDataFont).setName(s.column);
        if (s.blankHeight > 0) setBlankHeight(*band, s.blankHeight);
    } else {
        band->data(box, s.column, QString(), kDataFont).setWrap().setName(s.column);
    }
}

void RegisterCardForm::addFinding(const FindingSection& s) {
    const double height = kRow * (1 + s.lines.size()) + 3;
    const auto [band, y] = place(height);
    Element& heading = band->label(0, y, s.heading, kLabelFont);
    heading.setName(s.heading);
    Element& is = choice(*band, heading.box.right() + 14, y, kIs, kLabelFont);
    choice(*band, is.box.right() + 14, y, kIsNot, kLabelFont);
    for (int i = 0; i < s.lines.size(); ++i) choice(*band, 40, y + kRow * (i + 1), s.lines.at(i), kLabelFont);
}

void RegisterCardForm::addZus(const ZusSection& s) {
    const int rows = (s.daysHeading.isEmpty() ? 0 : 1) + 4;
    const auto [band, top] = place(kRow * (rows - 1) + 34);
    double y = top;
    if (!s.daysHeading.isEmpty()) {
        Element& days = band->label(0, y, s.daysHeading, kLabelFont);
        days.setName(s.daysHeading);
        value(*band, days.box.right() + 10, y, 60, QStringLiteral("DniNiezd_l"));
        y += kRow;
    }
    band->label(0, y, s.heading, kLabelFont).setName(s.heading);
    y += kRow;
    constexpr double captionX = 40, valueX = 170, dateCaptionX = 460, dateX = 516;
    band->label(captionX, y, QStringLiteral("- Numer pisma"), kLabelFont);
    value(*band, valueX, y, 270, QStringLiteral("NRPISMAZUS"));
    band->label(dateCaptionX, y, QStringLiteral("- Data"), kLabelFont);
    value(*band, dateX, y, 80, QStringLiteral("DATAPISMAZUS"), kDateFormat);
    y += kRow;
    band->label(captionX, y, QStringLiteral("- Numer decyzji ZUS"), kLabelFont);
    value(*band, valueX, y, 270, QStringLiteral("NRDECYZJIZUS"));
    band->label(dateCaptionX, y, QStringLiteral("- Data"), kLabelFont);
    value(*band, dateX, y, 80, QStringLiteral("DATADECYZJIZUS"), kDateFormat);
    y += kRow;
    band->label(captionX, y, QStringLiteral("- % uszczerbku"), kLabelFont);
    band->label(captionX + 8, y + 13, QStringLiteral("na zdrowiu"), kLabelFont);
    value(*band, valueX, y + 6, 80, QStringLiteral("PROCUSZCZZUS"));
    band->label(dateCaptionX, y + 6, QStringLiteral("- Kwota"), kLabelFont);
    value(*band, dateX, y + 6, 120, QStringLiteral("KWOTAZUS"));

    // The band prints every floating-point column it shows with two decimals.
    BandEvent previous = band->beforePrint;
    band->beforePrint = [this, band = band, previous](Band& b, bool& print) {
        if (previous) previous(b, print);
        auto* source = dynamic_cast<DatasetSource*>(dataSource());
        if (!source) return;
        for (const auto& e : band->elements())
            if (e->isDataBound() && !e->field.isEmpty() &&
                source->dataset().columnType(e->field).id() == QMetaType::Double)
                e->format = kAmountFormat;
    };
}

// The card of protocols under the 1998 regulation: one fixed page.
class TRejWypRep1Form : public RegisterCardForm {
public:
    TRejWypRep1Form() : RegisterCardForm(QStringLiteral("TRejWypRep1Form"), layout()) {}

private:
    static RegisterCardLayout layout() {
        RegisterCardLayout l = RegisterCardLayout::current();
        l.pageHeader = false;
        l.fontSetting = false;
        l.flowing = false;
        l.kinLabel = QStringLiteral("syn / córka");
        l.kinColumn = QStringLiteral("SYNCORKA");
        l.kinBoxed = false;
        l.kinBefore2019Only = false;
        l.placeCaption = QStringLiteral("zdarzenia:");
        l.workplaceInPlace = true;
        const QString atWork = QStringLiteral("wypadkiem przy pracy,");
        const QString equal = QStringLiteral(" wypadkiem zrównanym z wypadkiem przy pracy,");
        const QString agency = QStringLiteral("wypadkiem przy wykonywaniu umowy agencyjnej lub umowy zlecenia,");
        l.sections = {
            FreeTextSection{QStringLiteral("8.    Ustalono następujące okoliczności i przyczyny wypadku:"), QStringLiteral("PRZYCZYNY"), 300},
            FindingSection{QStringLiteral("9.    Stwierdza się, że powyższy wypadek:"), {atWork, equal, agency}},
            FreeTextSection{QStringLiteral("10.    Skutki wypadku (miejsce i rodzaj urazu):"), QStringLiteral("RODZURAZU"), 160},
            ZusSection{QString(), QStringLiteral("11. Przekazanie wniosku ZUS ")},
            FreeTextSection{QStringLiteral("12. Przyczyny odmowy odszkodowania przez ZUS"), QStringLiteral("ODMOWAZUS"), 250},
        };
        l.findingMarks = {{0, {kIsNot, equal, agency}}, {1, {kIsNot, atWork, agency}}, {2, {kIs, equal, agency}},
                          {3, {kIs, atWork, agency}},   {4, {kIsNot, atWork, equal}},  {5, {kIs, atWork, equal}}};
        return l;
    }
};

// The card of protocols under the regulations of 2003, 2004 and 2019.
class TRejWypRep1Form_1 : public RegisterCardForm {
public:
    TRejWypRep1Form_1() : RegisterCardForm(QStringLiteral("TRejWypRep1Form_1"), RegisterCardLayout::current()) {}
};

} // namespace

void registerRegisterCardForms() {
    ReportForms::add(QStringLiteral("TRejWypRep1Form"), [] { return std::make_unique<TRejWypRep1Form>(); });
    ReportForms::add(QStringLiteral("TRejWypRep1Form_1"), [] { return std::make_unique<TRejWypRep1Form_1>(); });
}

} // namespace zort::print
