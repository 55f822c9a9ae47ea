#include "domain/StatisticsCounting.h"

#include <QHash>
#include <QSet>

#include <array>

#include <cmath>

namespace zort::statistics {

QStringList periodItemNames()
{
    return {QStringLiteral("cały rok"), QStringLiteral("I półrocze"),
            QStringLiteral("II półrocze"), QStringLiteral("I kwartał"),
            QStringLiteral("II kwartał"), QStringLiteral("III kwartał"),
            QStringLiteral("IV kwartał")};
}

namespace {

// First month of the period and the number of its months.
std::pair<int, int> months(int item)
{
    switch (item) {
    case FirstHalf: return {1, 6};
    case SecondHalf: return {7, 6};
    case FirstQuarter: return {1, 3};
    case SecondQuarter: return {4, 3};
    case ThirdQuarter: return {7, 3};
    case FourthQuarter: return {10, 3};
    default: return {1, 12};
    }
}

}  // namespace

QDateTime Period::start() const
{
    return QDateTime(QDate(year, months(item).first, 1), QTime(0, 0));
}

QDateTime Period::end() const
{
    return start().addMonths(months(item).second);
}

bool Period::contains(const QDateTime& when) const
{
    return when.isValid() && when >= start() && when < end();
}

QString Period::label() const
{
    if (item <= WholeYear || item > FourthQuarter)
        return QString::number(year);
    return QString::number(year) + QLatin1Char(' ') + periodItemNames().at(item);
}

bool yearAccepted(int year)
{
    return year >= 1 && year <= 9998;
}

namespace {

// Rounds half away from zero to `decimals` places and prints in fixed notation.
QString fixed(double v, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    const double rounded = std::round(v * scale) / scale;
    return QString::number(rounded, 'f', decimals);
}

QString exponent(double v)
{
    // Two significant digits: one before the separator and one after.
    QString s = QString::number(v, 'E', 1);  // "2.0E+06"
    const int e = s.indexOf(QLatin1Char('E'));
    const QString mantissa = s.left(e);
    const QChar sign = s.at(e + 1);
    const int power = s.mid(e + 2).toInt();
    return mantissa + QLatin1Char('E') + sign + QString::number(power);
}

}  // namespace

QString formatIndicator(double v)
{
    if (std::isnan(v))
        return QString();
    if (v >= 1000000.0)
        return exponent(v);
    int d = 2;
    if (v > 0) {
        const int t = static_cast<int>(std::trunc(std::log10(v)));
        d = std::abs(std::min(0, t - 2));
        d = std::min(d, 11);
    }
    if (d > 5)
        return exponent(v);
    QString s = fixed(v, d);
    if (d > 0) {
        while (s.endsWith(QLatin1Char('0')))
            s.chop(1);
        if (s.endsWith(QLatin1Char('.')))
            s.chop(1);
    }
    if (s == QLatin1String("-0"))
        s = QStringLiteral("0");
    return s;
}

void AccidentFigures::add(const QVariant& daysRecognised, const QVariant& daysOfIncapacity)
{
    ++persons;
    const double recognised = daysRecognised.isNull() ? 0.0 : daysRecognised.toDouble();
    days += recognised != 0 ? recognised
                            : (daysOfIncapacity.isNull() ? 0.0 : daysOfIncapacity.toDouble());
}

std::optional<double> AccidentFigures::frequency(int employees) const
{
    if (employees == 0)
        return std::nullopt;
    return persons / (employees / 1000.0);
}

std::optional<double> AccidentFigures::hazard(int employees) const
{
    const auto f = frequency(employees);
    if (!f)
        return std::nullopt;
    return severity() * *f;
}

Change categoryChange(int c1, int c2)
{
    Change c;
    if (c1 > c2)
        c.decrease = (c1 - c2) * 100.0 / c1;
    else if (c1 < c2)
        c.increase = c1 > 0 ? (c2 - c1) * 100.0 / c1 : 100.0;
    return c;
}

Change totalChange(int t1, int t2)
{
    Change c;
    if (t1 == 0 || t1 == t2)
        return c;
    if (t1 < t2)
        c.increase = (t2 - t1) * 100.0 / t1;
    else
        c.decrease = (t1 - t2) * 100.0 / t1;
    return c;
}

double percentOf(int count, int total)
{
    return total == 0 ? 0.0 : count * 100.0 / total;
}

int summaryKind(int rgZestItem, int rgZestOldItem)
{
    if (rgZestItem == 0)
        return 0;
    if (rgZestItem > 0)
        return rgZestItem + 7;
    if (rgZestOldItem >= 0)
        return rgZestOldItem + 1;
    return -1;
}

QStringList monthRowNames()
{
    return {QStringLiteral(" Styczeń "), QStringLiteral(" Luty "), QStringLiteral(" Marzec "),
            QStringLiteral(" Kwiecień "), QStringLiteral(" Maj "), QStringLiteral(" Czerwiec "),
            QStringLiteral(" Lipiec "), QStringLiteral(" Sierpień "),
            QStringLiteral(" Wrzesień "), QStringLiteral(" Październik "),
            QStringLiteral(" Listopad "), QStringLiteral(" Grudzień ")};
}

namespace {

std::vector<Category> ranges(const std::vector<std::tuple<const char*, int, int>>& list)
{
    std::vector<Category> out;
    for (const auto& [text, low, high] : list)
        out.push_back({QString(), QString::fromUtf8(text), low, high});
    return out;
}

std::vector<SumRow> quarters()
{
    return {{QStringLiteral(" Kwartał I "), {0, 1, 2}},
            {QStringLiteral(" Kwartał II "), {3, 4, 5}},
            {QStringLiteral(" Kwartał III "), {6, 7, 8}},
            {QStringLiteral(" Kwartał IV "), {9, 10, 11}}};
}

}  // namespace

std::optional<Distribution> fixedDistribution(int kind)
{
    Distribution d;
    d.kind = kind;
    d.match = Distribution::Match::Range;
    switch (kind) {
    case 8:
        d.title = QStringLiteral("Wiek pracowników, którzy ulegli wypadkom w ");
        d.heading = QStringLiteral("Przedziały");
        d.columns = {QStringLiteral("@WIEK")};
        d.categories = ranges({{" Do 16 lat", 0, 16}, {" Od 17 do 18 lat", 17, 18},
                               {" Od 19 do 25 lat", 19, 25}, {" Od 26 do 30 lat", 26, 30},
                               {" Od 31 do 35 lat", 31, 35}, {" Od 36 do 40 lat", 36, 40},
                               {" Od 41 do 50 lat", 41, 50}, {" Od 51 do 60 lat", 51, 60},
                               {" Ponad 60 lat", 61, 100}});
        return d;
    case 9:
        d.title = QStringLiteral("Staż pracy w zakładzie uległych wypadkom w ");
        d.heading = QStringLiteral("Przedziały stażowe");
        d.columns = {QStringLiteral("STAZ")};
        d.categories = ranges({{" 0 lat", 0, 0}, {" 1 rok ", 1, 1}, {" Od 2 do 3 lat", 2, 3},
                               {" Od 4 do 5 lat", 4, 5}, {" Od 6 do 10 lat", 6, 10},
                               {" Od 11 do 15 lat", 11, 15}, {" Od 16 do 20 lat", 16, 20},
                               {" Od 21 do 25 lat", 21, 25}, {" Od 26 do 30 lat", 26, 30},
                               {" Od 31 do 35 lat", 31, 35}, {" Od 36 do 40 lat", 36, 40},
                               {" Od 41 do 50 lat", 41, 50}});
        return d;
    case 10: {
        d.title = QStringLiteral("Wypadki w/g godzin przepracowanych w dniu wypadku w ");
        d.heading = QStringLiteral("Zakresy");
        d.columns = {QStringLiteral("GODZPRACY")};
        for (int h = 0; h <= 8; ++h)
            d.categories.push_back({QString(), QStringLiteral(" Godzina %1 ").arg(h), h, h});
        d.categories.push_back({QString(), QStringLiteral(" Powyżej 8 "), 9, 100});
        return d;
    }
    case 11:
        d.title = QStringLiteral("Wypadki w/g dnia tygodnia w jakich zaistniały w ");
        d.heading = QStringLiteral("Dzień tygodnia");
        d.columns = {QStringLiteral("@DZIEN")};
        d.categories = ranges({{" Niedziela ", 1, 1}, {" Poniedziałek ", 2, 2},
                               {" Wtorek ", 3, 3}, {" Środa ", 4, 4}, {" Czwartek ", 5, 5},
                               {" Piątek ", 6, 6}, {" Sobota ", 7, 7}});
        return d;
    case 12: {
        d.title = QStringLiteral("Wypadki w/g miesięcy, kwartałów  w jakich zaistniały w ");
        d.heading = QStringLiteral("Miesiąc, Kwartał");
        d.columns = {QStringLiteral("@MIESIAC")};
        const QStringList names = monthRowNames();
        for (int m = 0; m < 12; ++m)
            d.categories.push_back({QString(), names.at(m), m + 1, m + 1});
        d.sums = quarters();
        return d;
    }
    case 14:
        d.title = QStringLiteral("Przeszkolenie wstępne, podstawowe, okresowe, instruktaż w ");
        d.heading = QStringLiteral("Szkolenia");
        d.match = Distribution::Match::YesNo;
        // Each column answers into its own pair of rows, in the rows' order.
        d.columns = {QStringLiteral("SZKWSTEPNE"), QStringLiteral("SZKINSTR"),
                     QStringLiteral("SZKPODST"), QStringLiteral("SZKOKRES")};
        d.categories = ranges({{" Wstępne    - TAK ", 0, 0}, {" Wstępne    - NIE ", 0, 0},
                               {" Instruktaż - TAK", 0, 0}, {" Instruktaż - NIE", 0, 0},
                               {" Podstawowe - TAK", 0, 0}, {" Podstawowe - NIE", 0, 0},
                               {" Okresowe   - TAK", 0, 0}, {" Okresowe   - NIE", 0, 0}});
        return d;
    case 15:
        d.title = QStringLiteral("Płeć uległych wypadkom w ");
        d.heading = QStringLiteral("Płeć");
        d.columns = {QStringLiteral("PLEC")};
        d.categories = ranges({{" Kobiety ", 2, 2}, {" Mężczyźni ", 1, 1}});
        return d;
    default:
        return std::nullopt;
    }
}

namespace {

// A whole number read from a stored value; null, empty and anything else is none.
std::optional<int> wholeNumber(const QVariant& v)
{
    if (v.isNull() || !v.isValid())
        return std::nullopt;
    switch (v.typeId()) {
    case QMetaType::Int: case QMetaType::LongLong: case QMetaType::Short:
    case QMetaType::UInt: case QMetaType::ULongLong:
        return v.toInt();
    case QMetaType::Double: {
        const double d = v.toDouble();
        if (d != std::trunc(d))
            return std::nullopt;
        return static_cast<int>(d);
    }
    default: {
        bool ok = false;
        const int n = v.toString().trimmed().toInt(&ok);
        return ok ? std::optional<int>(n) : std::nullopt;
    }
    }
}

std::optional<int> valueOf(const CountedPerson& p, const QString& column, const Period& period)
{
    const bool dateKnown = p.date.isValid() && p.date.date().year() > 1900;
    if (column == QLatin1String("@MIESIAC"))
        return dateKnown ? std::optional<int>(p.date.date().month()) : std::nullopt;
    if (column == QLatin1String("@DZIEN"))  // Qt: Monday 1 .. Sunday 7
        return dateKnown ? std::optional<int>(p.date.date().dayOfWeek() % 7 + 1)
                         : std::nullopt;
    if (column == QLatin1String("@WIEK")) {
        const QDate born = p.values.value(QStringLiteral("DATAUR")).toDate();
        if (!born.isValid() || born.year() <= 1900)
            return std::nullopt;
        return period.year - born.year();
    }
    return wholeNumber(p.values.value(column));
}

bool answersYes(const QVariant& v)
{
    return v.toString().trimmed().compare(QLatin1String("t"), Qt::CaseInsensitive) == 0;
}

}  // namespace

namespace {

// Percents of the periods' totals and the changes, once the counts are in.
void finishRows(DistributionResult& r)
{
    for (DistributionRow& row : r.rows) {
        for (int p = 0; p < 2; ++p)
            row.percent[p] = percentOf(row.count[p], r.total[p]);
        row.change = categoryChange(row.count[0], row.count[1]);
    }
    r.totalChange = totalChange(r.total[0], r.total[1]);
}

}  // namespace

DistributionResult countDistribution(const Distribution& d, const Period periods[2],
                                     const std::vector<CountedPerson> persons[2])
{
    DistributionResult r;
    for (const Category& c : d.categories) {
        DistributionRow row;
        row.code = c.code;
        row.text = c.text;
        r.rows.push_back(row);
    }
    for (int p = 0; p < 2; ++p) {
        for (const CountedPerson& person : persons[p]) {
            for (int col = 0; col < d.columns.size(); ++col) {
                if (d.match == Distribution::Match::YesNo) {
                    const int row = col * 2 + (answersYes(person.values.value(d.columns.at(col)))
                                                   ? 0 : 1);
                    if (row < int(r.rows.size())) {
                        ++r.rows[row].count[p];
                        ++r.total[p];
                    }
                    continue;
                }
                auto v = valueOf(person, d.columns.at(col), periods[p]);
                if (!v || (d.match == Distribution::Match::Code && *v == 0))
                    continue;
                if (d.grouped) {
                    const auto group = d.groupOf.constFind(*v);
                    if (group == d.groupOf.constEnd())
                        continue;
                    v = *group;
                }
                for (size_t i = 0; i < d.categories.size(); ++i) {
                    const Category& c = d.categories[i];
                    if (*v >= c.low && *v <= c.high) {
                        ++r.rows[i].count[p];
                        ++r.total[p];
                        break;
                    }
                }
            }
        }
    }
    for (const SumRow& s : d.sums) {
        DistributionRow row;
        row.text = s.text;
        row.sum = true;
        for (int i : s.of)
            for (int p = 0; p < 2; ++p)
                row.count[p] += r.rows[i].count[p];
        r.rows.push_back(row);
    }
    finishRows(r);
    return r;
}

Shift Shift::parse(const QString& from, const QString& to)
{
    Shift s;
    bool ok = false;
    const int a = from.trimmed().toInt(&ok);
    if (ok)
        s.from = a;
    const int b = to.trimmed().toInt(&ok);
    if (ok)
        s.to = b;
    return s;
}

bool Shift::contains(int hour) const
{
    if (!valid())
        return false;
    const int a = *from;
    const int b = *to;
    if (b >= a)
        return hour >= a && hour < b;
    return hour >= a || hour < b;
}

std::vector<ShiftRow> countShifts(const std::vector<Shift>& shifts,
                                  const std::vector<CountedPerson> persons[2])
{
    std::vector<ShiftRow> rows;
    for (const QString& m : monthRowNames())
        rows.push_back({m});
    for (const SumRow& q : quarters())
        rows.push_back({q.text});
    rows.push_back({QStringLiteral(" Rocznie")});

    for (int p = 0; p < 2; ++p) {
        for (const CountedPerson& person : persons[p]) {
            if (!person.date.isValid() || person.date.date().year() <= 1900)
                continue;
            // The hour is that of the accident; the chosen date decides the month.
            const QDateTime accident = person.values.value(QStringLiteral("DATA")).toDateTime();
            if (!accident.isValid() || accident.date().year() <= 1900)
                continue;
            const int hour = accident.time().hour();
            const int month = person.date.date().month() - 1;
            for (int s = 0; s < int(shifts.size()) && s < 4; ++s) {
                if (!shifts[s].contains(hour))
                    continue;
                ++rows[month].count[p][s];
                ++rows[12 + month / 3].count[p][s];
                ++rows[16].count[p][s];
            }
        }
    }
    return rows;
}

namespace {

QHash<int, int> rowOfPosition(const std::vector<ElementRow>& elements)
{
    QHash<int, int> rowOf;
    for (int i = 0; i < int(elements.size()); ++i)
        for (int id : elements[i].positions)
            if (!rowOf.contains(id))
                rowOf.insert(id, i);
    return rowOf;
}

std::optional<int> positionOf(const CountedPerson& p)
{
    return wholeNumber(p.values.value(QStringLiteral("IDSTANOW")));
}

}  // namespace

AccidentTable countAccidents(const std::vector<ElementRow>& elements,
                             const std::vector<CountedPerson> persons[2],
                             const int employees[2])
{
    AccidentTable t;
    t.total.name = QStringLiteral("Razem");
    for (const ElementRow& e : elements)
        t.rows.push_back({e.name, {}});
    const QHash<int, int> rowOf = rowOfPosition(elements);
    for (int p = 0; p < 2; ++p) {
        for (const CountedPerson& person : persons[p]) {
            const auto position = positionOf(person);
            if (!position || !rowOf.contains(*position))
                continue;
            const QVariant recognised = person.values.value(QStringLiteral("DNINIEZDR"));
            const QVariant days = person.values.value(QStringLiteral("DNINIEZD"));
            t.rows[rowOf.value(*position)].figures[p].add(recognised, days);
            t.total.figures[p].add(recognised, days);
        }
        if (employees[p] == 0)
            t.employeesMissing = true;
    }
    return t;
}

QString formatFigure(const std::optional<double>& v)
{
    return v ? formatIndicator(*v) : QStringLiteral("*");
}

DistributionResult countPositions(const std::vector<ElementRow>& positions,
                                  const std::vector<CountedPerson> persons[2])
{
    Distribution d;
    d.kind = 16;
    d.match = Distribution::Match::Code;
    d.columns = {QStringLiteral("IDSTANOW")};
    for (const ElementRow& e : positions)
        d.categories.push_back({e.code, e.name, e.id, e.id});
    const Period none[2] = {{}, {}};
    DistributionResult all = countDistribution(d, none, persons);
    DistributionResult r;
    for (const DistributionRow& row : all.rows)
        if (row.count[0] != 0 || row.count[1] != 0)
            r.rows.push_back(row);
    r.total[0] = all.total[0];
    r.total[1] = all.total[1];
    r.totalChange = all.totalChange;
    return r;
}

const std::vector<ClassificationItem>& classificationItems()
{
    static const std::vector<ClassificationItem> items = {
        {QStringLiteral("Miejsce powstania wypadku"), QStringLiteral("SKWMIEJSCEWYP"),
         {QStringLiteral("IDMIEJSCA")}, QStringLiteral("Miejsce")},
        {QStringLiteral("Rodzaj miejsca wypadku"), QStringLiteral("SKWRODZAJMIEJSCWYP"),
         {QStringLiteral("IDRODZAJMIEJSCAWYP")}, QStringLiteral("Rodzaj miejsca"), true},
        {QStringLiteral("Status zatrudnienia"), QStringLiteral("SKWSTATUSZATR"),
         {QStringLiteral("IDUMOWY")}, QStringLiteral("Status"), true},
        {QStringLiteral("Zawód wykonywany"), QString(), {QStringLiteral("KODZAWODU")},
         QStringLiteral("Zawód")},
        {QStringLiteral("Rodzaj urazu"), QStringLiteral("SKWRODZAJURAZ"),
         {QStringLiteral("IDRODZAJURAZ")}, QStringLiteral("Rodzaj urazu"), true},
        {QStringLiteral("Umiejscowienie urazu"), QStringLiteral("SKWUMIEJSCURAZ"),
         {QStringLiteral("IDURAZU1")}, QStringLiteral("Uraz")},
        {QStringLiteral("Proces pracy"), QStringLiteral("SKWPROCESPRACY"),
         {QStringLiteral("IDPROCESPRACY")}, QStringLiteral("Proces pracy")},
        {QStringLiteral("Czynność wykonywana przez poszkodowanego w chwili wypadku"),
         QStringLiteral("SKWCZYNNWYKPOSZK"), {QStringLiteral("IDCZYNNOSCI")},
         QStringLiteral("Czynność")},
        {QStringLiteral("Czynnik materialny związany z czynnością wykonywaną przez "
                        "poszkodowanego w chwili wypadku"),
         QStringLiteral("SKWCZYNNIKMATER"), {QStringLiteral("IDCZYNNIKCZYNNOSC")},
         QStringLiteral("Czynnik materialny")},
        {QStringLiteral("Wydarzenie będące odchyleniem od stanu normalnego"),
         QStringLiteral("SKWWYDARZODCHYL"), {QStringLiteral("IDWYDARZENIA")},
         QStringLiteral("Wydarzenie")},
        {QStringLiteral("Czynnik materialny związany z odchyleniem od stanu normalnego"),
         QStringLiteral("SKWCZYNNIKMATER"), {QStringLiteral("IDCZYNNIKODCHYLENIE")},
         QStringLiteral("Czynnik materialny")},
        {QStringLiteral("Wydarzenie powodujące uraz"), QStringLiteral("SKWWYDARZURAZ"),
         {QStringLiteral("IDWYDARZENIEURAZ")}, QStringLiteral("Wydarzenie")},
        {QStringLiteral("Czynnik materialny będący źródłem urazu"),
         QStringLiteral("SKWCZYNNIKMATER"), {QStringLiteral("IDCZYNNIKURAZ")},
         QStringLiteral("Czynnik materialny")},
        {QStringLiteral("Przyczyny wypadku"), QStringLiteral("SKWPRZYCZYNYWYP"),
         {QStringLiteral("IDPRZYCZYNY1"), QStringLiteral("IDPRZYCZYNY2"),
          QStringLiteral("IDPRZYCZYNY3"), QStringLiteral("IDPRZYCZYNY4"),
          QStringLiteral("IDPRZYCZYNY5"), QStringLiteral("IDPRZYCZYNY6"),
          QStringLiteral("IDPRZYCZYNY7")},
         QStringLiteral("Przyczyna")},
    };
    return items;
}

DistributionResult countClassification(const CodeTree& tree, bool groups,
                                       const QStringList& columns,
                                       const std::vector<CountedPerson> persons[2])
{
    const int n = tree.size();
    std::vector<std::array<int, 2>> counts(size_t(n), {0, 0});
    // Leaves by code; a person counts once per leaf whichever of its columns holds it.
    QHash<QString, std::vector<int>> leavesOf;
    for (int i = 0; i < n; ++i)
        if (tree.isLeaf(i) && !tree.nodes[size_t(i)].code.isEmpty())
            leavesOf[tree.nodes[size_t(i)].code].push_back(i);
    for (int p = 0; p < 2; ++p) {
        for (const CountedPerson& person : persons[p]) {
            QSet<int> hit;
            for (const QString& column : columns) {
                const QVariant v = person.values.value(column);
                if (v.isNull())
                    continue;
                const auto it = leavesOf.constFind(v.toString());
                if (it == leavesOf.constEnd())
                    continue;
                for (int leaf : *it)
                    hit.insert(leaf);
            }
            for (int leaf : hit)
                ++counts[size_t(leaf)][size_t(p)];
        }
    }
    // Groups sum their children: children follow their parent in tree order.
    for (int i = n - 1; i >= 0; --i) {
        const int parent = tree.parent[size_t(i)];
        if (parent >= 0)
            for (int p = 0; p < 2; ++p)
                counts[size_t(parent)][size_t(p)] += counts[size_t(i)][size_t(p)];
    }
    DistributionResult r;
    for (int i = 0; i < n; ++i) {
        if (groups && tree.parent[size_t(i)] >= 0)
            continue;
        if (counts[size_t(i)][0] == 0 && counts[size_t(i)][1] == 0)
            continue;
        DistributionRow row;
        row.code = tree.nodes[size_t(i)].code;
        row.text = tree.nodes[size_t(i)].name;
        row.count[0] = counts[size_t(i)][0];
        row.count[1] = counts[size_t(i)][1];
        r.rows.push_back(row);
        r.total[0] += row.count[0];
        r.total[1] += row.count[1];
    }
    finishRows(r);
    return r;
}

}  // namespace zort::statistics
