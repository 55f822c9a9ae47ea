#include "printing/CollectiveForms.h"

#include "db/Dataset.h"
#include "printing/PrintForms.h"
#include "printing/ReportForms.h"

namespace zort::print {

namespace {

constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignVCenter;
constexpr Qt::Alignment kCentre = Qt::AlignHCenter | Qt::AlignVCenter;

// A cell of several values of the row, one under another.
TextFn lines(QStringList columns) {
    return [columns](const PrintContext& c) {
        QStringList out;
        for (const QString& column : columns) out << c.text(column);
        return out.join(QLatin1Char('\n'));
    };
}

bool isProtocol(const PrintContext& c) { return c.field(QStringLiteral("NUMERPROT")).asInt() != 0; }

// The columns whose headings follow the kind boxes are named by their field.
const QString kNumberCell = QStringLiteral("numer");
const QString kDatesCell = QStringLiteral("DATAPROT");

std::vector<SummaryColumn> collectiveFullColumns() {
    std::vector<SummaryColumn> c{
        {QStringLiteral("Numer\nprotokołu powyp./ karty wyp.\nwypadku"), 26, kNumberCell, -1, kCentre, true,
         [](const PrintContext& c) {
             return QStringList{isProtocol(c) ? QStringLiteral("Protokół") : QStringLiteral("Karta"),
                                c.text(QStringLiteral("numer")), c.text(QStringLiteral("NR_WYP"))}
                 .join(QLatin1Char('\n'));
         }},
        {QStringLiteral("Imię i nazwisko poszkodowanego"), 32, QStringLiteral("IMIE"), -1, kLeft, true,
         lines({QStringLiteral("IMIE"), QStringLiteral("NAZWISKO")})},
        {QStringLiteral("Miejsce \ni data wypadku"), 34, QStringLiteral("MIEJSCEWYP"), -1, kLeft, true,
         lines({QStringLiteral("MIEJSCEWYP"), QStringLiteral("DATA")})},
        {QStringLiteral("Skutki wypadku\noraz liczba\ndni absencji"), 32, QStringLiteral("SkutkiSlownie"), -1, kLeft,
         true, lines({QStringLiteral("SkutkiSlownie"), QStringLiteral("DNINIEZDR")})},
        {QStringLiteral("Data\nsporządz.\ni zatwierdz.\nprotokołu/ karty wyp."), 24, kDatesCell, -1, kLeft, true,
         [](const PrintContext& c) {
             // The approval belongs to a protocol only.
             QString t = c.text(QStringLiteral("DATAPROT"));
             if (isProtocol(c)) t += QLatin1Char('\n') + c.text(QStringLiteral("DATAZATW"));
             return t;
         }},
        {QStringLiteral("Przekazanie wniosku ZUS: \nnumer pisma\ndata"), 28, QStringLiteral("NRPISMAZUS"), -1, kLeft,
         true, lines({QStringLiteral("NRPISMAZUS"), QStringLiteral("DATAPISMAZUS")})},
        {QStringLiteral("Skutki wypadku\n(miejsce i rodzaj urazu)"), 50, QStringLiteral("Skutki_Rep"), -1, kLeft, true},
        {QStringLiteral("Wnioski i zalecenia profilaktyczne"), 51, QStringLiteral("PROFILAKTYKA"), -1, kLeft, true},
    };
    return c;
}

std::vector<SummaryColumn> collectiveShortColumns() {
    return {{QStringLiteral("Nr prot. powyp./ karty wyp."), 30, kNumberCell, -1, kLeft, true},
            {QStringLiteral("Nr SKW"), 20, QStringLiteral("nrKarty_symbol"), -1, kLeft, true},
            {QStringLiteral("Nr wypadku"), 18, QStringLiteral("NR_WYP"), -1, kLeft, true},
            {QStringLiteral("Nazwisko Imię poszkodowanego"), 45, QStringLiteral("ImNazw"), -1, kLeft, true},
            {QStringLiteral("Zatrudniony w"), 41, QStringLiteral("STRUKTSKROT"), -1, kLeft, true},
            {QStringLiteral("Stanowisko"), 41.9, QStringLiteral("Stanow"), -1, kLeft, true}};
}

std::vector<SummaryColumn> commutingFullColumns() {
    return {{QStringLiteral("Numer"), 18, QStringLiteral("numersym"), -1, kLeft, true},
            {QStringLiteral("Imię i nazwisko poszkodowanego"), 34, QStringLiteral("IMIE"), -1, kLeft, true,
             lines({QStringLiteral("IMIE"), QStringLiteral("NAZWISKO")})},
            {QStringLiteral("Data wypadku"), 21, QStringLiteral("DATA"), -1, kLeft, true},
            {QStringLiteral("Skutki wypadku\noraz liczba\ndni absencji"), 34, QStringLiteral("SkutkiSlownie"), -1, kLeft,
             true, lines({QStringLiteral("SkutkiSlownie"), QStringLiteral("ILDNIZWOLNIENIA")})},
            {QStringLiteral("Data\nsporządz.\ni odbioru\nkarty wyp."), 22, QStringLiteral("DATASP"), -1, kLeft, true,
             lines({QStringLiteral("DATASP"), QStringLiteral("DATAODBIORU")})},
            {QStringLiteral("Szczegółowy opis okoliczności, miejsca i przyczyn wypadku"), 66.9,
             QStringLiteral("PRZYCZYNY"), -1, kLeft, true}};
}

std::vector<SummaryColumn> commutingShortColumns() {
    return {{QStringLiteral("Numer"), 22, QStringLiteral("numersym"), -1, kLeft, true},
            {QStringLiteral("Nazwisko Imię poszkodowanego"), 60, QStringLiteral("ImNazw"), -1, kLeft, true},
            {QStringLiteral("Zatrudniony w"), 55, QStringLiteral("STRUKTSKROT"), -1, kLeft, true},
            {QStringLiteral("Stanowisko"), 58.9, QStringLiteral("Stanow"), -1, kLeft, true}};
}

// The full registers: a landscape or portrait table of records, nothing when empty.
SummaryLayout fullLayout(bool landscape, Paper paper) {
    SummaryLayout l;
    l.landscape = landscape;
    l.paper = paper;
    l.printedLine = false;
    l.madeLine = true;
    l.headingHeight = mm(22);
    l.rowPadding = 3;
    l.printIfEmpty = false;
    return l;
}

// The short lists: each row underlined, printed also when empty.
SummaryLayout shortLayout() {
    SummaryLayout l;
    l.paper = Paper::Letter;
    l.kindLine = true;
    l.rowRule = true;
    l.rowPadding = 3;
    l.headingHeight = mm(10);
    return l;
}

class CollectiveForm : public SummaryReport {
public:
    CollectiveForm(const QString& name, const QString& kind, const SummaryLayout& layout,
                   std::vector<SummaryColumn> columns)
        : SummaryReport(name, kind, layout, std::move(columns)) {}
};

QString range(const QString& prefix, const CollectiveTexts& t, const QString& from, const QString& to) {
    return prefix + from + t.from + to + t.to;
}

} // namespace

QString numberLabel(bool protocols, bool cards) {
    if (!protocols) return QStringLiteral(" karty wyp.");
    return cards ? QStringLiteral("protokołu powyp./ karty wyp.") : QStringLiteral("protokołu powyp.");
}

QString datesLabel(bool protocols, bool cards) {
    if (!protocols) return QStringLiteral(" karty wyp.");
    return cards ? QStringLiteral("protokołu/ karty wyp.") : QStringLiteral("protokołu");
}

QString shortNumberHeading(bool protocols, bool cards) {
    if (!protocols) return QStringLiteral(" Nr karty wyp.");
    return cards ? QStringLiteral("Nr prot. powyp./ karty wyp.") : QStringLiteral("Nr prot. powyp.");
}

QString countLine(int count) {
    return QStringLiteral("Ilość wypadków w podanym przedziale czasowym - ") + QString::number(count);
}

SummaryHeader collectiveFullHeader(const CollectiveTexts& t) {
    SummaryHeader h;
    h.printed = t.printed;
    h.title = range(QStringLiteral("ZBIORCZY REJESTR WYPADKÓW PRZY PRACY ZA OKRES"), t, QStringLiteral(" OD "),
                    QStringLiteral(" DO "));
    h.path = t.path;
    h.kind = t.recognised ? QStringLiteral("uznanych za wypadek") : QStringLiteral("nie uznanych za wypadek");
    h.headings.insert(kNumberCell, QStringLiteral("Numer\n") + numberLabel(t.protocols, t.cards) + QStringLiteral("\nwypadku"));
    h.headings.insert(kDatesCell, QStringLiteral("Data\nsporządz.\ni zatwierdz.\n") + datesLabel(t.protocols, t.cards));
    h.note = countLine(t.count);
    return h;
}

SummaryHeader collectiveShortHeader(const CollectiveTexts& t) {
    SummaryHeader h;
    h.printed = t.printed;
    h.title = range(QStringLiteral("Zestawienie wypadków w przedsiębiorstwie"), t, QStringLiteral(" od "),
                    QStringLiteral(" do "));
    h.path = t.path;
    h.kind = t.recognised ? QString() : QStringLiteral("(nie uznanych za  wypadek) ");
    h.headings.insert(kNumberCell, shortNumberHeading(t.protocols, t.cards));
    h.note = countLine(t.count);
    return h;
}

SummaryHeader commutingFullHeader(const CollectiveTexts& t) {
    SummaryHeader h;
    h.printed = t.printed;
    h.title = range(QStringLiteral("ZBIORCZY REJESTR WYPADKÓW W DRODZE DO LUB Z PRACY ZA OKRES"), t,
                    QStringLiteral(" OD "), QStringLiteral(" DO "));
    h.kind = t.recognised ? QString() : QStringLiteral("nie uznanych za wypadki");
    return h;
}

SummaryHeader commutingShortHeader(const CollectiveTexts& t) {
    SummaryHeader h;
    h.printed = t.printed;
    h.title = range(QStringLiteral("Zestawienie wypadków w przedsiębiorstwie"), t, QStringLiteral(" od "),
                    QStringLiteral(" do "));
    h.kind = t.recognised ? QStringLiteral("(uznanych za wypadek w drodze do lub z pracy)")
                          : QStringLiteral("(nie uznanych za wypadek w drodze do lub z pracy) ");
    return h;
}

SummaryHeader collectiveHeader(const QString& form, const CollectiveTexts& t) {
    if (form == kCollectiveFullForm) return collectiveFullHeader(t);
    if (form == kCollectiveShortForm) return collectiveShortHeader(t);
    if (form == kCommutingFullForm) return commutingFullHeader(t);
    return commutingShortHeader(t);
}

std::shared_ptr<RowSource> rowsOf(const Dataset& ds) {
    auto rows = std::make_shared<RowSource>(ds.columns());
    for (int r = 0; r < ds.recordCount(); ++r) {
        QVariantList values;
        values.reserve(ds.columnCount());
        for (int c = 0; c < ds.columnCount(); ++c) values << ds.fieldAt(r, c).variant();
        rows->addRow(values);
    }
    return rows;
}

void registerCollectiveForms() {
    const auto add = [](const QString& name, const QString& kind, const SummaryLayout& layout, auto columns) {
        ReportForms::add(
            name,
            [=]() -> std::unique_ptr<DocumentReport> {
                return std::make_unique<CollectiveForm>(name, kind, layout, columns());
            },
            ReportForms::Record::StructureElement);
    };
    add(kCollectiveFullForm, QStringLiteral("WypZestZbPln"), fullLayout(true, Paper::A4), collectiveFullColumns);
    add(kCollectiveShortForm, QStringLiteral("WypZestZbSkr"), shortLayout(), collectiveShortColumns);
    add(kCommutingFullForm, QStringLiteral("WypDrogaZestZbPln"), fullLayout(false, Paper::Letter), commutingFullColumns);
    add(kCommutingShortForm, QStringLiteral("WypDrogaZestZbSkr"), shortLayout(), commutingShortColumns);
}

} // namespace zort::print
