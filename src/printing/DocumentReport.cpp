#include "printing/DocumentReport.h"

#include "domain/DataModForm.h"
#include "core/DateUtil.h"
#include "printing/DatasetSource.h"
#include "printing/engine/DisplayFormat.h"
#include "printing/engine/TextLayout.h"

#include <QSet>

namespace zort::print {

DocumentReport::DocumentReport(const QString& className, const QString& kindCode)
    : Report(className), m_kind(kindCode) {
    page = PageSetup();  // A4 portrait, 10 mm on every side
    beforePrint = [this](Report&, bool& print) { applyRun(print); };
}

DocumentReport::~DocumentReport() = default;

void DocumentReport::setRun(const DocumentRun& run) {
    m_run = run;
    const QStringList names = datasets();
    Dataset* ds = (m_run.dm && !names.isEmpty()) ? m_run.dm->dataset(names.first()) : nullptr;
    if (ds)
        setDataSource(std::make_shared<DatasetSource>(*ds));
    else
        setDataSource(std::shared_ptr<DataSource>());
}

Field DocumentReport::otherField(const QString& dataset, const QString& column) const {
    Dataset* ds = m_run.dm ? m_run.dm->dataset(dataset) : nullptr;
    if (!ds || !ds->isOpen() || ds->isEmpty()) return Field();
    return ds->field(column);
}

Element* DocumentReport::strikeOf(const QString& alternative) const {
    const QList<Element*> lines = m_strikes.value(alternative);
    return lines.isEmpty() ? nullptr : lines.first();
}

Element& DocumentReport::choice(Band& band, double x, double y, const QString& text, const FontSpec& font,
                                const QString& name, const QStringList& alsoNames) {
    Element& label = band.label(x, y, text, font);
    const QString key = name.isEmpty() ? text : name;
    label.setName(key);
    Element& line = band.strike(label);
    line.setName(QStringLiteral("strike:") + key);
    m_strikes[key].append(&line);
    for (const QString& n : alsoNames)
        if (n != key) m_strikes[n].append(&line);
    return label;
}

Element& DocumentReport::strikeValue(Band& band, Element& data, const QStringList& names) {
    // Through the middle of the value's first line, wherever the box places it.
    const double lineH = ReferenceDevice::lineHeight(data.font);
    double top = data.box.top();
    if (data.alignment & Qt::AlignBottom) top = data.box.bottom() - lineH;
    else if (data.alignment & Qt::AlignVCenter) top = data.box.center().y() - lineH / 2;
    Element& line = band.hline(data.box.left(), top + ReferenceDevice::ascent(data.font) * 0.65, 0, 1);
    line.strikeTarget = &data;
    line.setName(QStringLiteral("strike:") + names.value(0));
    for (const QString& n : names) m_strikes[n].append(&line);
    return line;
}

void DocumentReport::markStrike(Element& line) {
    const Element* t = line.strikeTarget;
    if (!t || !t->isDataBound()) {
        line.mark(true);
        return;
    }
    const QString value = firstLine(t->expr ? t->expr(context()) : formatValue(context().field(t->field), t->format));
    const double w = t->textWidth(value);
    line.box.setLeft(t->box.left() + alignedX(t->alignment, t->box.width(), w));
    line.box.setWidth(w);
}

void DocumentReport::addTextMarks(const QString& column, std::vector<std::pair<QString, QStringList>> struck) {
    m_textMarks.emplace_back(column, std::move(struck));
}

void DocumentReport::addEmptyMarks(const QString& column, const QStringList& struck) {
    m_emptyMarks.emplace_back(column, struck);
}

void DocumentReport::addMarks(const QString& column, std::vector<std::pair<int, QStringList>> struck,
                              std::function<bool(const DocumentReport&)> applies, QStringList otherwise) {
    m_marks.push_back({column, std::move(struck), std::move(applies), std::move(otherwise)});
}

void DocumentReport::addHidden(const QString& column, std::vector<std::pair<int, QStringList>> hidden,
                               QStringList otherwise) {
    m_hidden.push_back({column, std::move(hidden), {}, std::move(otherwise)});
}

const QStringList& DocumentReport::MarkTable::chosen(const Field& value) const {
    if (!value.isNull())
        for (const auto& [v, names] : byValue)
            if (v == value.asInt()) return names;
    return otherwise;
}

Element* DocumentReport::boxMarkOf(const QString& column, int boxNumber) const {
    return m_boxMarks.value(column + QLatin1Char(':') + QString::number(boxNumber));
}

Element& DocumentReport::boxMark(Band& band, const QRectF& box, const QString& column, int boxNumber,
                                 const FontSpec& font) {
    band.rect(box, 0.75).setName(QStringLiteral("box:") + column + QLatin1Char(':') + QString::number(boxNumber));
    Element& x = band.label(box, QStringLiteral("X"), font);
    x.setAlign(Qt::AlignCenter).setName(QStringLiteral("X:") + column + QLatin1Char(':') + QString::number(boxNumber));
    x.enabled = false;  // the design marks nothing; a run marks its value's box
    m_boxMarks.insert(column + QLatin1Char(':') + QString::number(boxNumber), &x);
    return x;
}

void DocumentReport::addBoxMarks(const QString& column, std::vector<std::pair<int, int>> boxes) {
    m_boxTables.emplace_back(column, std::move(boxes));
}

void DocumentReport::setBlankHeight(Band& band, double height) { m_blankHeights.emplace_back(&band, height); }

void DocumentReport::hideOnBlank(Band& band) { m_hideOnBlank.push_back(&band); }

Band& DocumentReport::freeText(Band& after, const QStringList& heading, const QString& column, double headingHeight,
                               double textHeight, double blankHeight, const FontSpec& headingFont,
                               const FontSpec& textFont) {
    Band& head = after.child(headingHeight);
    const double lineHeight = headingHeight / std::max<qsizetype>(1, heading.size());
    for (int i = 0; i < heading.size(); ++i)
        head.label(QRectF(0, i * lineHeight, page.contentWidth(), lineHeight), heading.at(i), headingFont);
    Band& text = head.child(textHeight);
    text.memo(QRectF(0, 0, page.contentWidth(), textHeight), column, textFont).setName(column);
    if (blankHeight > 0) setBlankHeight(text, blankHeight);
    return text;
}

void DocumentReport::applyRun(bool& print) {
    if (m_run.blank) {
        setDataFieldsEnabled(false);
        for (Band* b : m_hideOnBlank) b->enabled = false;
        for (const auto& [band, height] : m_blankHeights) {
            band->height = height;
            for (const auto& e : band->elements()) {
                if (!e->stretch) continue;
                e->stretch = false;
                e->box.setHeight(std::max(0.0, height - e->box.top()));
            }
        }
    } else {
        for (const auto& [column, boxes] : m_boxTables) {
            const Field f = context().field(column);
            if (f.isNull()) continue;
            for (const auto& [v, box] : boxes)
                if (v == f.asInt())
                    if (Element* x = boxMarkOf(column, box)) x->enabled = true;
        }
        for (const MarkTable& t : m_marks) {
            if (t.applies && !t.applies(*this)) continue;
            for (const QString& n : t.chosen(context().field(t.column)))
                for (Element* s : m_strikes.value(n)) markStrike(*s);
        }
        for (const auto& [column, byText] : m_textMarks) {
            const QString v = context().field(column).asString().trimmed();
            for (const auto& [value, names] : byText)
                if (!v.isEmpty() && v.compare(value, Qt::CaseInsensitive) == 0)
                    for (const QString& n : names)
                        for (Element* s : m_strikes.value(n)) markStrike(*s);
        }
        for (const auto& [column, names] : m_emptyMarks) {
            const Field f = context().field(column);
            const QVariant& v = f.variant();
            const bool isDate = v.metaType().id() == QMetaType::QDateTime || v.metaType().id() == QMetaType::QDate;
            const bool empty = f.isNull() || (isDate ? !dates::toDateTime(v).isValid() : f.asString().trimmed().isEmpty());
            if (!empty) continue;
            for (const QString& n : names)
                for (Element* s : m_strikes.value(n)) markStrike(*s);
        }
        QSet<QString> hidden;
        for (const MarkTable& t : m_hidden)
            for (const QString& n : t.chosen(context().field(t.column))) hidden.insert(n);
        if (!hidden.isEmpty())
            forEachElement([&](Element& e) {
                if (hidden.contains(e.name)) e.enabled = false;
            });
    }
    if (m_fontSetting) setDataFontSize(dataFontSize(m_run.settings));
    onRun(print);
}

double dataFontSize(const AdmSettings& settings) {
    switch (settings.dokWypFont) {
    case 1: return 9;
    case 2: return 10;
    default: return 8;
    }
}

} // namespace zort::print
