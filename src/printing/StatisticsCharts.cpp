#include "printing/StatisticsCharts.h"

#include "core/Error.h"
#include "core/UserInterface.h"
#include "printing/DocumentPdf.h"
#include "printing/Podglad.h"
#include "printing/PrintForms.h"
#include "printing/ReportForms.h"
#include "printing/engine/QRPreview.h"
#include "ui/DesktopFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QGraphicsSimpleTextItem>
#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QBarSeries>
#include <QtCharts/QBarSet>
#include <QtCharts/QChart>
#include <QtCharts/QLegend>
#include <QtCharts/QValueAxis>
#include <cmath>

namespace zort::print {

using namespace statistics;

namespace {

constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignVCenter;
constexpr double kLabelPixels = 11;   // axis labels and legend, chart units
constexpr double kAxisTitlePixels = 13;
// The values print in blocks of categories, one line each: a table row per block
// (a classification of thousands of categories lays out a few hundred rows).
constexpr int kBlock = 40;

// Titles of the distribution charts by kind.
QString distributionPrefix(int kind) {
    switch (kind) {
    case 8: return QStringLiteral("Wiek pracowników, którzy ulegli wypadkom w roku : ");
    case 9: return QStringLiteral("Staż pracy pracowników w zakładzie, którzy ulegli wypadkom w roku : ");
    case 10: return QStringLiteral("Wypadki w/g liczby godzin przepracowanych w dniu wypadku w roku : ");
    case 11: return QStringLiteral("Wypadki w/g dnia tygodnia w jakim zaistniały w roku : ");
    case 12: return QStringLiteral("Wypadki w/g miesięcy, kwartałów w jakich zaistniały w roku : ");
    case 14: return QStringLiteral("Odbyte przeszkolenie wstępne, podstawowe, okresowe, instruktaż w roku : ");
    case 15: return QStringLiteral("Płeć osób uległych wypadkom w roku : ");
    default: return QString();
    }
}

// Titles of the classification charts, in the order of the list.
const QStringList& classificationPrefixes() {
    static const QStringList p{
        QStringLiteral("Miejsca powstania wypadków w roku : "),
        QStringLiteral("Rodzaj miejsca wypadków w roku : "),
        QStringLiteral("Statusu zatrudnienia poszkodowanych w roku : "),
        QStringLiteral("Zawód wykonywany przez poszkodowanych w roku : "),
        QStringLiteral("Rodzaj urazu od wypadków zaistniałych w roku : "),
        QStringLiteral("Umiejscowienie urazu od wypadków zaistniałych w roku : "),
        QStringLiteral("Procesu pracy "),
        QStringLiteral("Czynność wykonywana przez poszkodowanego w chwili wypadku  w roku : "),
        QStringLiteral("Czynnik materialny związany z czynnością wykonywaną przez poszkodowanego w chwili wypadku w roku : "),
        QStringLiteral("Wydarzenie będące odchyleniem od stanu normalnego  w roku : "),
        QStringLiteral("Czynnik materialny związany z odchyleniem od stanu normalnego  w roku : "),
        QStringLiteral("Wydarzenie powodujące uraz w roku : "),
        QStringLiteral("Czynnik materialny będący źródłem urazu  w roku : "),
        QStringLiteral("Przyczyny wypadku  w roku : ")};
    return p;
}

bool alone(const QString& prefix) { return prefix == QLatin1String("Procesu pracy "); }

QString periodName(const Period& p) {
    return p.item <= WholeYear || p.item > FourthQuarter ? QString() : periodItemNames().at(p.item);
}

QFont chartFont(double pixels, bool bold) {
    QFont f(FontSpec::mappedFamily(QStringLiteral("Verdana")));
    f.setPixelSize(int(pixels));
    f.setBold(bold);
    return f;
}

std::vector<SummaryColumn> chartColumns() {
    return {{QStringLiteral("Kategoria"), 197, QStringLiteral("NAZWA"), -1, kLeft, true},
            {QStringLiteral("Ilość"), 40, QStringLiteral("ILOSC1"), 0, kLeft, true},
            {QStringLiteral("Ilość"), 40, QStringLiteral("ILOSC2"), 1, kLeft, true}};
}

SummaryLayout chartLayout() {
    SummaryLayout l;
    l.landscape = true;
    l.totalCaption = QStringLiteral("Razem: ");
    l.headingHeight = 18;
    return l;
}

} // namespace

bool chartOffered(int kind, int classification) {
    if (classification >= 0) return true;
    return !distributionPrefix(kind).isEmpty();
}

QString chartTitlePrefix(int kind, int classification) {
    if (classification >= 0) return classificationPrefixes().value(classification);
    return distributionPrefix(kind);
}

QString chartTitle(int kind, int classification, const Period periods[2]) {
    const QString prefix = chartTitlePrefix(kind, classification);
    if (alone(prefix)) return prefix;
    return prefix + QString::number(periods[0].year) + u' ' + periodName(periods[0]) + QStringLiteral(", ") +
           QString::number(periods[1].year) + u' ' + periodName(periods[1]) + QStringLiteral(" w :");
}

ChartData chartData(const DistributionResult& d, const Period periods[2], bool numbered, int kind) {
    static const QStringList monthPoints{
        QStringLiteral(" Styczeń "),    QStringLiteral(" Luty "),      QStringLiteral(" Marzec"),
        QStringLiteral(" Kwiecień "),   QStringLiteral(" Maj "),       QStringLiteral(" Czerwiec "),
        QStringLiteral(" Lipiec "),     QStringLiteral(" Sierpień "),  QStringLiteral(" Wrzesień "),
        QStringLiteral(" Pażdziernik"), QStringLiteral(" Listopad "),  QStringLiteral(" Grudzień "),
        QStringLiteral(" Kwartał I "),  QStringLiteral(" Kwartał II "), QStringLiteral(" Kwartał III "),
        QStringLiteral(" Kwartał IV ")};
    const bool monthsChart = kind == 12 && int(d.rows.size()) == monthPoints.size();
    ChartData out;
    out.numbered = numbered;
    for (int p = 0; p < 2; ++p) out.periods[p] = periods[p].label();
    int n = 0;
    for (const DistributionRow& r : d.rows) {
        ChartCategory c;
        ++n;
        c.text = numbered ? QStringLiteral("%1. [%2] %3").arg(n).arg(r.code, r.text)
                          : monthsChart ? monthPoints.at(n - 1) : r.text;
        c.count[0] = r.count[0];
        c.count[1] = r.count[1];
        out.categories.push_back(c);
    }
    return out;
}

int valueAxisStep(int top, double length, double labelHeight) {
    for (int scale = 1;; scale *= 10) {
        for (int s : {1, 2, 5}) {
            const int step = s * scale;
            const double labels = std::floor(double(top) / step) + 1;
            if (labels * labelHeight * 1.5 <= length || step >= top) return step;
        }
    }
}

namespace {

constexpr int kNumberKey = 0x5a4f;  // item data marking the numbers of the groups

// The numbers of the groups under the axis: the chart laid out at its size, a number
// centred under every k-th group, k such that the numbers never overlap.
void numberGroups(QChart& chart, const QSizeF& area, int n, const QFont& font) {
    chart.resize(area);
    if (chart.layout()) chart.layout()->activate();
    const QRectF plot = chart.plotArea();
    if (plot.width() <= 0) return;
    const QFontMetricsF fm(font);
    const double group = plot.width() / n;
    const int every = std::max(1, int(std::ceil((fm.horizontalAdvance(QString::number(n)) + fm.height()) / group)));
    for (int i = 0; i < n; i += every) {
        auto* t = new QGraphicsSimpleTextItem(QString::number(i + 1), &chart);
        t->setFont(font);
        t->setData(kNumberKey, true);
        const double w = fm.horizontalAdvance(t->text());
        t->setPos(plot.left() + (i + 0.5) * group - w / 2, plot.bottom() + 3);
    }
}

} // namespace

void fillStatisticsChart(QChart& chart, const ChartData& data, const QSizeF& area) {
    // A chart filled again keeps nothing of its earlier filling.
    qDeleteAll(groupNumbers(chart));
    chart.removeAllSeries();
    for (QAbstractAxis* a : chart.axes()) {
        chart.removeAxis(a);
        delete a;
    }
    chart.setTitle(QString());
    chart.setAnimationOptions(QChart::NoAnimation);
    chart.setBackgroundRoundness(0);
    chart.setMargins(QMargins(2, 2, 2, 2));

    // One set per period, flat bars of one colour each: the legend tells them apart.
    static const QColor colours[2] = {QColor(0x2e, 0x5e, 0xaa), QColor(0xe8, 0x8a, 0x1c)};
    auto* series = new QBarSeries;
    QBarSet* sets[2];
    for (int p = 0; p < 2; ++p) {
        sets[p] = new QBarSet(data.periods[p]);
        sets[p]->setColor(colours[p]);
        sets[p]->setBorderColor(colours[p].darker(140));
    }
    const QFont labelFont = chartFont(kLabelPixels, true);
    const QFontMetricsF fm(labelFont);
    const int n = int(data.categories.size());
    QStringList categories;
    double longest = 0;
    int top = 0;
    for (int i = 0; i < n; ++i) {
        const ChartCategory& c = data.categories[size_t(i)];
        // Numbered groups: the number names the group (the axis shows none of them).
        const QString label = data.numbered ? QString::number(i + 1) : c.text;
        categories << label;
        if (!data.numbered) longest = std::max(longest, fm.horizontalAdvance(label));
        for (int p = 0; p < 2; ++p) {
            *sets[p] << c.count[p];
            top = std::max(top, c.count[p]);
        }
    }
    series->append(sets[0]);
    series->append(sets[1]);
    series->setLabelsVisible(false);
    chart.addSeries(series);

    auto* x = new QBarCategoryAxis;
    x->append(categories);
    x->setLabelsAngle(-90);
    x->setLabelsFont(labelFont);
    x->setGridLineVisible(false);
    if (data.numbered) {
        // The axis labels hidden; a blank axis title keeps a line under the axis for
        // the numbers of the groups.
        x->setLabelsVisible(false);
        x->setTitleText(QStringLiteral(" "));
        x->setTitleFont(labelFont);
        longest = fm.height();
    }
    chart.addAxis(x, Qt::AlignBottom);
    series->attachAxis(x);

    auto* y = new QValueAxis;
    y->setRange(0, top + 1);
    y->setTickType(QValueAxis::TicksDynamic);
    y->setTickAnchor(0);
    // The labels of the value axis never overlap: what is left of the height under
    // the turned category labels and the legend.
    const double axisLength = std::max(20.0, area.height() - longest - 3 * fm.height() - 20);
    y->setTickInterval(valueAxisStep(top + 1, axisLength, fm.height()));
    y->setLabelFormat(QStringLiteral("%d"));
    y->setLabelsFont(chartFont(kLabelPixels, false));
    y->setTitleText(QStringLiteral("Liczba wypadków"));
    y->setTitleFont(chartFont(kAxisTitlePixels, true));
    chart.addAxis(y, Qt::AlignLeft);
    series->attachAxis(y);

    chart.legend()->setVisible(true);
    chart.legend()->setAlignment(Qt::AlignBottom);
    chart.legend()->setFont(chartFont(kLabelPixels, false));
    if (data.numbered && n > 0) numberGroups(chart, area, n, labelFont);
}

QList<QGraphicsSimpleTextItem*> groupNumbers(const QChart& chart) {
    QList<QGraphicsSimpleTextItem*> out;
    for (QGraphicsItem* i : chart.childItems())
        if (i->data(kNumberKey).toBool()) out << static_cast<QGraphicsSimpleTextItem*>(i);
    return out;
}

WordDocument chartDocument(const ChartExport& e) {
    using A = WordParagraph::Align;
    WordDocument d;
    d.title = e.title;
    d.paragraph(e.title, 10, true, A::Center);
    d.paragraph(e.path, 10, true, A::Center);
    d.paragraph(QString(), 12, true, A::Center);
    if (e.picture) d.picture(e.picture, A::Center);
    for (const QString& row : e.rows) d.paragraph(row, 8, false, A::Left);
    return d;
}

std::shared_ptr<const QImage> chartPicture(const PagesPtr& pages) {
    if (!pages) return nullptr;
    for (const Page& p : pages->pages())
        for (const DrawItem& i : p.items)
            if (i.kind == DrawItem::Kind::Image && i.image) return i.image;
    return nullptr;
}

// --- The forms -------------------------------------------------------------------------

StatisticsChartForm::StatisticsChartForm(const QString& name, const QString& kind, bool numbered)
    : SummaryReport(name, kind, chartLayout(), chartColumns()) {
    m_chart.numbered = numbered;
    const double width = page.contentWidth();
    m_area = QSizeF(width, mm(100));
    // The chart follows the title band on the first page; the values follow it.
    Band& area = band(BandType::Title)->child(m_area.height() + mm(3));
    area.chart(QRectF(QPointF(0, 0), m_area), [this](QChart& chart, const PrintContext&) {
            fillStatisticsChart(chart, m_chart, m_area);
        })
        .setName(QStringLiteral("chart"));
    // The counts stand right, line by line beside their categories.
    Band& rows = *band(BandType::Detail);
    for (const char* f : {"ILOSC1", "ILOSC2"}) rows.find(QLatin1String(f))->setAlign(Qt::AlignRight | Qt::AlignTop);
}

void StatisticsChartForm::fill(const SummaryResult& result, const SummaryRequest& request, const QString& path,
                               const QDate& printed, bool blank) {
    SummaryHeader h;
    h.printed = printed;
    h.title = chartTitle(request.kind, request.classification, request.periods);
    h.path = path;
    for (int p = 0; p < 2; ++p) h.periods[p] = request.periods[p].label();
    if (!result.heading.isEmpty()) h.headings.insert(QStringLiteral("NAZWA"), result.heading);
    const bool numbered = m_chart.numbered;
    m_chart = chartData(result.distribution, request.periods, numbered, request.kind);
    auto rows = std::make_shared<RowSource>();
    rows->setColumns({QStringLiteral("NAZWA"), QStringLiteral("ILOSC1"), QStringLiteral("ILOSC2")});
    if (blank) {
        m_chart.categories.clear();
    } else {
        // A category whose text takes several lines keeps its counts on its first.
        const Element& nameCell = *band(BandType::Detail)->find(QStringLiteral("NAZWA"));
        const auto& cats = m_chart.categories;
        for (size_t b = 0; b < cats.size(); b += kBlock) {
            QStringList names, first, second;
            for (size_t i = b; i < std::min(cats.size(), b + kBlock); ++i) {
                const QString pad(nameCell.lineCount(cats[i].text) - 1, u'\n');
                names << cats[i].text;
                first << QString::number(cats[i].count[0]) + pad;
                second << QString::number(cats[i].count[1]) + pad;
            }
            rows->addRow({names.join(u'\n'), first.join(u'\n'), second.join(u'\n')});
        }
        h.totals.insert(QStringLiteral("ILOSC1"), QString::number(result.distribution.total[0]));
        h.totals.insert(QStringLiteral("ILOSC2"), QString::number(result.distribution.total[1]));
    }
    setContent(h, rows);
}

std::shared_ptr<ChartExport> StatisticsChartForm::chartExport() const {
    auto e = std::make_shared<ChartExport>();
    e->title = header().title;
    e->path = header().path;
    for (const ChartCategory& c : m_chart.categories)
        e->rows << QStringLiteral("%1\t%2: %3\t%4: %5")
                       .arg(c.text, m_chart.periods[0])
                       .arg(c.count[0])
                       .arg(m_chart.periods[1])
                       .arg(c.count[1]);
    return e;
}

void registerStatisticsChartForms() {
    ReportForms::add(
        kDistributionChartForm,
        [] { return std::make_unique<StatisticsChartForm>(kDistributionChartForm, QStringLiteral("WypZestPozGraf"), false); },
        ReportForms::Record::StructureElement);
    ReportForms::add(
        kClassificationChartForm,
        [] { return std::make_unique<StatisticsChartForm>(kClassificationChartForm, QStringLiteral("WypZestStatSkw"), true); },
        ReportForms::Record::StructureElement);
}

// --- "&Word" -------------------------------------------------------------------------------

QString wordFilter() { return QStringLiteral("Dokument MS Word|*.DOCX"); }

void exportChartToWord(TfrmPodglad& preview) {
    const std::shared_ptr<const ChartExport>& chart = preview.currentRequest().chart;
    if (!chart) return;
    FileRequest req;
    req.title = QStringLiteral("Zapisz raport jako...");
    req.filters = QStringList{wordFilter()};
    const QString folder = preview.circulation().folder(false);
    QDir().mkpath(folder);
    req.initial = folder + u'/' + preview.docName();
    const QString chosen = ui().saveFile(req, &preview);
    if (chosen.isEmpty()) return;
    // The folder chosen and the name before its first dot, as the format is written.
    const QFileInfo fi(chosen);
    const QString file = fi.absolutePath() + u'/' + fi.fileName().section(u'.', 0, 0) + QStringLiteral(".docx");
    ChartExport e = *chart;
    // The picture of this preview's own pages.
    if (!e.picture) e.picture = chartPicture(preview.preview()->pages());
    try {
        saveDocx(chartDocument(e), file);
    } catch (const Error& err) {
        logMessage(QStringLiteral("eksport"), err.message());
        showError(exportErrorMessage() + u'\n' + err.message(), &preview);
        return;
    }
    openDocument(file);
}

void saveChartWord(TDataModForm& dm, const DocumentPdfRequest& request, const QString& file) {
    checkDocumentRequest(request);
    auto* form = dynamic_cast<StatisticsChartForm*>(ReportForms::form(request.form));
    if (!form)
        throw Error(QStringLiteral("Formularz %1 nie jest wykresem (dokument zapisują %2 i %3).")
                        .arg(request.form, kDistributionChartForm, kClassificationChartForm));
    const PagesPtr pages = prepareDocument(dm, request);
    const std::shared_ptr<ChartExport> e = form->chartExport();
    e->picture = chartPicture(pages);
    saveDocx(chartDocument(*e), file);
}

} // namespace zort::print
