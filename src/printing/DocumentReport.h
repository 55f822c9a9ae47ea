#pragma once
// The common rules of the printed documents, as one layer over the report engine.
//
// Every document form is a DocumentReport: A4 portrait with 10 mm margins, filled
// from one row of a report dataset of the data module (ReportDatasets.h). Before each
// printout the print selection window (or `zortdb pdf`, or a test) hands the form its
// run: the data module whose datasets are open, the workstation settings, and
// whether the blank form is wanted. At the start of every run the layer
//  - on a blank form: switches every data-bound text off, strikes nothing, hides the
//    bands marked hideOnBlank() and gives free-text bands their fixed blank heights
//    (their texts stop stretching);
//  - otherwise: applies the choice-mark tables (value of a column -> the alternatives
//    struck; any other value strikes the table's `otherwise`, by default nothing)
//    and the tables of hidden fields (value -> the data texts switched off);
//  - with useFontSetting(): sets every data-bound text larger than 7 points to the
//    size of the setting "Rozmiar czcionki:" (8, 9, 10);
//  - then calls the form's own onRun().
#include "core/AdmSettings.h"
#include "printing/engine/Report.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace zort {
class TDataModForm;
}

namespace zort::print {

// What one printout of a document form is made of.
struct DocumentRun {
    TDataModForm* dm = nullptr;  // the report datasets are opened in it
    AdmSettings settings;        // the workstation's settings at the time of printing
    bool blank = false;          // "drukuj puste formularze"
};

// Display formats of the documents.
inline const QString kDateFormat = QStringLiteral("dd.mm.yyyy");
inline const QString kAmountFormat = QStringLiteral("0.00");

class DocumentReport : public Report {
public:
    // className: the form's name in the form registry (ReportForms.h); kindCode: the
    // document kind code it sets when it is collected into a printout ("WypRej").
    DocumentReport(const QString& className, const QString& kindCode);
    ~DocumentReport() override;

    const QString& kindCode() const { return m_kind; }
    // The datasets of the data module the form reads; the first is its data source.
    virtual QStringList datasets() const = 0;

    // Sets the run: the data source becomes the first dataset of datasets() in the
    // run's data module. Call before every prepare().
    void setRun(const DocumentRun& run);
    const DocumentRun& run() const { return m_run; }
    bool blank() const { return m_run.blank; }
    const AdmSettings& settings() const { return m_run.settings; }
    // A column of another dataset of the form (its current row; null when the
    // dataset is missing, closed or empty), e.g. the PKD code of ZestWypSQL.
    Field otherField(const QString& dataset, const QString& column) const;

    // The element that draws the strike line over an alternative (by its name; the
    // first of them when several texts share the mark).
    Element* strikeOf(const QString& alternative) const;
    // The "X" of a box of a value -> box table.
    Element* boxMarkOf(const QString& column, int boxNumber) const;

protected:
    // An alternative printed as a label named `name` (default: its text), with its
    // strike line. Several labels of one name share the mark (struck together).
    // Returns the label.
    Element& choice(Band& band, double x, double y, const QString& text, const FontSpec& font = FontSpec(),
                    const QString& name = QString(), const QStringList& alsoNames = {});
    // A strike line over the printed value of a data text (its width follows the
    // value of the run), struck by each of the names.
    Element& strikeValue(Band& band, Element& data, const QStringList& names);
    // A table of choice marks: for each value of the column, the names of the
    // alternatives struck; `otherwise` is struck for any other value and for null.
    // `applies` (when given) decides per run whether the table marks at all (e.g. a
    // setting that prints item 13 without marks).
    void addMarks(const QString& column, std::vector<std::pair<int, QStringList>> struck,
                  std::function<bool(const DocumentReport&)> applies = {}, QStringList otherwise = {});
    // A table of hidden fields: for each value of the column, the names of the
    // elements (data texts) not printed; `otherwise` for any other value and null.
    // Marks by a text column: the value (trimmed, any case) -> the alternatives struck.
    void addTextMarks(const QString& column, std::vector<std::pair<QString, QStringList>> struck);
    // The alternatives struck when the column holds nothing (null, no date, blanks).
    void addEmptyMarks(const QString& column, const QStringList& struck);
    void addHidden(const QString& column, std::vector<std::pair<int, QStringList>> hidden, QStringList otherwise = {});
    // The second kind of choice mark: a framed box that prints "X" when the value of
    // the column marks it (a value -> box table, addBoxMarks); any other value and a
    // blank form mark nothing. The "X" is named "X:" + column + ":" + box.
    Element& boxMark(Band& band, const QRectF& box, const QString& column, int boxNumber,
                     const FontSpec& font = FontSpec(QStringLiteral("Arial"), 9, true));
    void addBoxMarks(const QString& column, std::vector<std::pair<int, int>> boxes);
    // Blank forms: the band gets this height and its stretching texts stop stretching
    // (a memo keeps its box, as high as the band allows).
    void setBlankHeight(Band& band, double height);
    // Blank forms: the band is not printed (page headers).
    void hideOnBlank(Band& band);
    // The form takes its data font size from the setting "Rozmiar czcionki:".
    void useFontSetting(bool on = true) { m_fontSetting = on; }
    // A free-text section as a pair of child bands after `after`: its heading lines
    // (band of `headingHeight`) and its stretching text (band of `textHeight`, blank
    // height `blankHeight`; 0 keeps the design height). Returns the text band (the
    // next section chains after it).
    Band& freeText(Band& after, const QStringList& heading, const QString& column, double headingHeight,
                   double textHeight, double blankHeight, const FontSpec& headingFont = FontSpec(),
                   const FontSpec& textFont = FontSpec());

    // The form's own run-time settings, after the common ones (print = false cancels).
    virtual void onRun(bool& print) { (void)print; }

private:
    struct MarkTable {
        QString column;
        std::vector<std::pair<int, QStringList>> byValue;
        std::function<bool(const DocumentReport&)> applies;
        QStringList otherwise;
        // The names the table picks for the column's value in this run.
        const QStringList& chosen(const Field& value) const;
    };
    void applyRun(bool& print);
    void markStrike(Element& line);
    QString m_kind;
    DocumentRun m_run;
    QHash<QString, QList<Element*>> m_strikes;
    QHash<QString, Element*> m_boxMarks;  // "column:box" -> its "X"
    std::vector<std::pair<QString, std::vector<std::pair<int, int>>>> m_boxTables;
    std::vector<MarkTable> m_marks;
    std::vector<MarkTable> m_hidden;
    std::vector<std::pair<QString, std::vector<std::pair<QString, QStringList>>>> m_textMarks;
    std::vector<std::pair<QString, QStringList>> m_emptyMarks;
    std::vector<std::pair<Band*, double>> m_blankHeights;
    std::vector<Band*> m_hideOnBlank;
    bool m_fontSetting = false;
};

// The data font size of the setting (item 0 "8", 1 "9", 2 "10").
double dataFontSize(const AdmSettings& settings);

} // namespace zort::print
