#pragma once
// The attachment printouts: documents drawn up during an accident's inquiry and
// printed as attachments to its protocol, accident card or commuting-accident card.
//
// Every attachment form is an AttachmentReport: it prints only when its dataset has
// a row, begins the row on a new page and carries the attachment page header: at
// the left "Strona " n "/ " N, at the right the attachment line
//     "Załącznik nr " number + wording + document number [" z dnia " date]
// (not printed on blank forms). The line's parts come from a function of the row, so
// that attachments of other documents print the same header with their own wording
// and dataset; documentAttachmentLine() reads the report datasets of the attachments
// window (domain/AttachmentReportDatasets.h).
//
// OwnAttachmentReport prints a title and a free text under that header (the own
// attachment of the attachments window, TZalRepForm1); it has no blank form: a
// blank run prints its data. Another register's own attachments derive from it with
// their class name, kind code, dataset, columns and line.
#include "printing/DocumentReport.h"

#include <QDateTime>
#include <functional>

namespace zort::print {

struct AttachmentLine {
    QString number;          // the attachment's number
    QString wording;         // " do protokołu powypadkowego nr ", ...
    QString documentNumber;  // the number of the document it is attached to
    QDateTime date;          // the document's date (invalid or the zero date: none)
    bool withDate = false;   // the setting that adds the date to the headers
};
// The text of the line: the date follows only when asked for and set.
QString attachmentLineText(const AttachmentLine& line);

// The wordings of the documents: a protocol (rodzUmowy 1) or an accident card of a
// work accident; for a commuting accident the card (own attachment, order) or the
// accident (hearing).
QString attachmentWording(bool commuting, int rodzUmowy, bool hearing = false);

using AttachmentLineFn = std::function<AttachmentLine(const DocumentReport&, const PrintContext&)>;
// The line of the attachments window's datasets: the number from `numberColumn`
// ("ID" of an own attachment, "NUMER" of a hearing or an order), the wording by
// WDrodze and RODZUMOWY, nr_symbol, DATAPROT and the setting of the date.
AttachmentLineFn documentAttachmentLine(const QString& numberColumn, bool hearing = false);

// Geometry shared by the forms and their tests (units).
inline constexpr double kAttachmentHeaderHeight = 30;

// Fills a page header band of `form` with the page number and the attachment line;
// the form hides the band on blank forms (other forms with this header share it).
void fillAttachmentHeader(Band& head, const DocumentReport& form, AttachmentLineFn line);

class AttachmentReport : public DocumentReport {
public:
    AttachmentReport(const QString& className, const QString& kindCode, const QString& dataset);
    QStringList datasets() const override { return {m_dataset}; }
    const QString& dataset() const { return m_dataset; }

protected:
    // The page header with the attachment line (hidden on blank forms).
    Band& attachmentHeader(AttachmentLineFn line);
    // The band that begins each row on a new page.
    Band& rowBand(double height);
    static FontSpec font(double size = 10, bool bold = false) { return FontSpec(QStringLiteral("Arial"), size, bold); }

private:
    QString m_dataset;
};

class OwnAttachmentReport : public AttachmentReport {
public:
    OwnAttachmentReport(const QString& className, const QString& kindCode, const QString& dataset,
                        AttachmentLineFn line, const QString& titleColumn = QStringLiteral("TYTUL"),
                        const QString& textColumn = QStringLiteral("OPIS"));
    // A blank run prints the data all the same.
    PagesPtr prepare() override;
};

class TZalRepForm1 : public OwnAttachmentReport {
public:
    TZalRepForm1();
};

// The hearing of the injured person or of a witness.
class TZal_PrzesRepForm1 : public AttachmentReport {
public:
    TZal_PrzesRepForm1();
    // The texts by TYP and the settings.
    static QString title(int typ, bool explanations);
    static QString dataHeading(int typ);
    static QString sentence(int typ, bool wydr233);
    static QString circumstance(bool blank, bool commuting, int rodzUmowy);
    static constexpr double kStatementHeight = 28;
    static constexpr double kBlankStatementHeight = 500;

protected:
    void onRun(bool& print) override;

private:
    Element* m_title = nullptr;
    Element* m_circumstance = nullptr;
    Element* m_heading = nullptr;
    Element* m_sentence = nullptr;
};

// The post-accident decision (TYP 0) or order (TYP 1).
class TZal_RepPolForm1 : public AttachmentReport {
public:
    TZal_RepPolForm1();
    static QString heading(int typ, bool commuting, int rodzUmowy);
    static QString decides(int typ);
    static constexpr double kSubtitleHeight = 60;
    static constexpr double kSectionHeight = 40;
    static constexpr double kBlankSubtitle = 40;
    static constexpr double kBlankDecides = 300;
    static constexpr double kBlankSection = 100;

protected:
    void onRun(bool& print) override;

private:
    Element* m_heading = nullptr;
    Element* m_decides = nullptr;
};

} // namespace zort::print
