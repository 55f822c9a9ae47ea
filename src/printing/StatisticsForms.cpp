#include "printing/StatisticsForms.h"

#include "printing/PrintForms.h"
#include "printing/ReportForms.h"

namespace zort::print {

using namespace statistics;

namespace {

constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignVCenter;

// The columns of a distribution: code, category, count and percent of each period,
// decrease and increase.
std::vector<SummaryColumn> distributionColumns(const QString& codeHeading, const QString& heading, double codeWidth = 15) {
    return {{codeHeading, codeWidth, QStringLiteral("KOD"), -1, kLeft},
            {heading, 78 - codeWidth, QStringLiteral("NAZWA"), -1, kLeft, true},
            {QStringLiteral("Ilość"), 16, QStringLiteral("ILOSC1"), 0},
            {QStringLiteral("Procent"), 18, QStringLiteral("PROCENT1"), 0},
            {QStringLiteral("Ilość"), 16, QStringLiteral("ILOSC2"), 1},
            {QStringLiteral("Procent"), 18, QStringLiteral("PROCENT2"), 1},
            {QStringLiteral("Obniżka"), 22, QStringLiteral("OBNIZKA")},
            {QStringLiteral("Wzrost"), 22, QStringLiteral("WZROST")}};
}

std::vector<SummaryColumn> accidentColumns() {
    std::vector<SummaryColumn> out{{QStringLiteral("Element struktury organizacyjnej"), 67, QStringLiteral("NAZWA"), -1, kLeft, true}};
    static const QStringList headings{QStringLiteral("Ilość wypadków"), QStringLiteral("Ilość dni zwolnień"),
                                      QStringLiteral("Ciężkość wypadków"), QStringLiteral("Częstotliwość wypadków"),
                                      QStringLiteral("Zagrożenie wypadków")};
    static const QStringList fields{QStringLiteral("N"), QStringLiteral("D"), QStringLiteral("CIEZKOSC"),
                                    QStringLiteral("CZESTOTLIWOSC"), QStringLiteral("ZAGROZENIE")};
    for (int p = 0; p < 2; ++p)
        for (int i = 0; i < headings.size(); ++i)
            out.push_back({headings.at(i), 21, fields.at(i) + QString::number(p + 1), p});
    return out;
}

std::vector<SummaryColumn> shiftColumns() {
    std::vector<SummaryColumn> out{{QStringLiteral("Okres"), 38, QStringLiteral("NAZWA"), -1, kLeft}};
    for (int p = 0; p < 2; ++p)
        for (int s = 0; s < 4; ++s)
            out.push_back({QStringLiteral("Zmiana %1").arg(s + 1), 19, QStringLiteral("Z%1_%2").arg(p + 1).arg(s + 1), p});
    return out;
}

// The forms differ only by their columns and orientation.
class StatisticsForm : public SummaryReport {
public:
    StatisticsForm(const QString& name, const QString& kind, bool landscape, std::vector<SummaryColumn> columns,
                   const QString& totalCaption)
        : SummaryReport(name, kind, landscape, std::move(columns), totalCaption) {}
};

QString changeText(double v) { return v == 0 ? QString() : formatIndicator(v); }

void distributionRows(RowSource& rows, SummaryHeader& h, const DistributionResult& d) {
    rows.setColumns({QStringLiteral("KOD"), QStringLiteral("NAZWA"), QStringLiteral("ILOSC1"), QStringLiteral("PROCENT1"),
                     QStringLiteral("ILOSC2"), QStringLiteral("PROCENT2"), QStringLiteral("OBNIZKA"),
                     QStringLiteral("WZROST")});
    for (const DistributionRow& r : d.rows)
        rows.addRow({r.code, r.text, r.count[0], formatIndicator(r.percent[0]), r.count[1], formatIndicator(r.percent[1]),
                     changeText(r.change.decrease), changeText(r.change.increase)});
    h.totals.insert(QStringLiteral("ILOSC1"), QString::number(d.total[0]));
    h.totals.insert(QStringLiteral("ILOSC2"), QString::number(d.total[1]));
    h.totals.insert(QStringLiteral("OBNIZKA"), changeText(d.totalChange.decrease));
    h.totals.insert(QStringLiteral("WZROST"), changeText(d.totalChange.increase));
}

QVariantList accidentValues(const AccidentRow& r, const int employees[2]) {
    QVariantList v{r.name};
    for (int p = 0; p < 2; ++p) {
        const AccidentFigures& f = r.figures[p];
        v << f.persons << formatIndicator(f.days) << formatIndicator(f.severity())
          << formatFigure(f.frequency(employees[p])) << formatFigure(f.hazard(employees[p]));
    }
    return v;
}

} // namespace

QString statisticsFormName(int kind, int classification, bool chart) {
    if (chart) return classification >= 0 ? QStringLiteral("TqrZestStat01GrafFrm") : QStringLiteral("TqrZestStatGrafFrm");
    if (classification >= 0) return kClassificationForm;
    switch (kind) {
    case 0: return kAccidentsForm;
    case 13: return kShiftsForm;
    case 16: return kPositionsForm;
    default: return kDistributionForm;
    }
}

QString statisticsKindCode(int kind, int classification, bool chart) {
    if (classification >= 0) return QStringLiteral("WypZestStatSkw");
    if (chart) return QStringLiteral("WypZestPozGraf");
    switch (kind) {
    case 0: return QStringLiteral("WypZestWypadki");
    case 2:
    case 3: return QStringLiteral("WypUmiejscCzyn");
    case 13: return QStringLiteral("WypZmianPrac");
    case 16: return QStringLiteral("WypStan");
    default: return QStringLiteral("WypZestPoz");
    }
}

QString statisticsTitle(const QString& title, const Period periods[2]) {
    if (!title.endsWith(QLatin1String("w "))) return title;
    return title + periods[0].label() + QStringLiteral(", ") + periods[1].label();
}

StatisticsContent statisticsContent(const SummaryResult& result, const SummaryRequest& request, const QString& path,
                                    const QDate& printed, bool blank) {
    StatisticsContent out;
    SummaryHeader& h = out.header;
    h.printed = printed;
    h.title = statisticsTitle(result.title, request.periods);
    h.path = path;
    for (int p = 0; p < 2; ++p) h.periods[p] = request.periods[p].label();
    auto rows = std::make_shared<RowSource>();
    out.rows = rows;
    const QString form = statisticsFormName(request.kind, request.classification);
    if (form == kAccidentsForm) {
        rows->setColumns(QStringList{QStringLiteral("NAZWA"), QStringLiteral("N1"), QStringLiteral("D1"),
                                     QStringLiteral("CIEZKOSC1"), QStringLiteral("CZESTOTLIWOSC1"), QStringLiteral("ZAGROZENIE1"),
                                     QStringLiteral("N2"), QStringLiteral("D2"), QStringLiteral("CIEZKOSC2"),
                                     QStringLiteral("CZESTOTLIWOSC2"), QStringLiteral("ZAGROZENIE2")});
        for (const AccidentRow& r : result.accidents.rows) rows->addRow(accidentValues(r, request.employees));
        const QVariantList total = accidentValues(result.accidents.total, request.employees);
        for (int i = 1; i < total.size(); ++i) h.totals.insert(rows->columns().at(i), total.at(i).toString());
        if (result.accidents.employeesMissing) h.note = SummaryReport::noteEmployees();
    } else if (form == kShiftsForm) {
        QStringList columns{QStringLiteral("NAZWA")};
        for (int p = 0; p < 2; ++p)
            for (int s = 0; s < 4; ++s) columns << QStringLiteral("Z%1_%2").arg(p + 1).arg(s + 1);
        rows->setColumns(columns);
        for (const ShiftRow& r : result.shifts) {
            QVariantList v{r.text};
            for (int p = 0; p < 2; ++p)
                for (int s = 0; s < 4; ++s) v << r.count[p][s];
            rows->addRow(v);
        }
    } else {
        distributionRows(*rows, h, result.distribution);
        if (!result.heading.isEmpty()) h.headings.insert(QStringLiteral("NAZWA"), result.heading);
        // Only the classifications of the 2000 card and positions print codes.
        const bool codes = form != kDistributionForm || (request.kind >= 1 && request.kind <= 7);
        if (!codes) h.hidden << QStringLiteral("KOD");
    }
    if (blank) rows->clear();
    return out;
}

void registerStatisticsForms() {
    const auto add = [](const QString& name, const QString& kind, bool landscape, auto columns, const QString& total) {
        ReportForms::add(
            name,
            [=]() -> std::unique_ptr<DocumentReport> {
                return std::make_unique<StatisticsForm>(name, kind, landscape, columns(), total);
            },
            ReportForms::Record::StructureElement);
    };
    add(kAccidentsForm, QStringLiteral("WypZestWypadki"), true, accidentColumns, QStringLiteral("Razem"));
    add(kDistributionForm, QStringLiteral("WypZestPoz"), false,
        [] { return distributionColumns(QStringLiteral("KOD"), QString()); }, QStringLiteral("Razem: "));
    add(kShiftsForm, QStringLiteral("WypZmianPrac"), false, shiftColumns, QString());
    add(kPositionsForm, QStringLiteral("WypStan"), false,
        [] { return distributionColumns(QStringLiteral("Kod"), QStringLiteral("Nazwa stanowiska"), 28); },
        QStringLiteral("Razem: "));
    add(kClassificationForm, QStringLiteral("WypZestStatSkw"), false,
        [] { return distributionColumns(QStringLiteral("Kod"), QString()); }, QStringLiteral("Razem: "));
}

} // namespace zort::print
