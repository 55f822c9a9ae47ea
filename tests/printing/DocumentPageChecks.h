#pragma once
// Checks of printed document pages shared by the document tests: strike marks, the
// page margins, and PDF files to look at.
#include "core/AdmSettings.h"
#include "printing/DocumentReport.h"
#include "printing/ReportForms.h"
#include "printing/engine/DisplayList.h"
#include "printing/engine/ExportQR.h"
#include "support/TestDatabase.h"

#include <QDir>
#include <QSet>
#include <QStringList>
#include <gtest/gtest.h>

namespace zort::test {

// The forms, each of the kind when one is given, printed as one printout of the data
// module's open datasets with the settings of admSettings().
inline print::PagesPtr printForms(TDataModForm* dm, const QStringList& forms, bool blank, const QString& kind = QString()) {
    print::CompositeReport all;
    for (const QString& name : forms) {
        print::DocumentReport* f = print::ReportForms::form(name);
        EXPECT_TRUE(f) << name.toStdString();
        if (!f) continue;
        if (!kind.isEmpty()) EXPECT_EQ(f->kindCode(), kind) << name.toStdString();
        f->setRun(print::DocumentRun{dm, admSettings(), blank});
        all.add(*f);
    }
    return all.prepare();
}

// Each text is found on the pages after the one before it.
inline void expectInOrder(const print::ReportPages& pages, const QStringList& texts) {
    const QStringList all = pages.texts();
    int at = -1;
    for (const QString& t : texts) {
        const int i = all.indexOf(t, at + 1);
        EXPECT_GT(i, at) << "missing or out of order: " << t.toStdString() << "\n" << all.join("|").toStdString();
        if (i > at) at = i;
    }
}

// The horizontal line laid over a text of the page (crossing its first letters
// between baseline and ascent), or nullptr.
inline const print::DrawItem* lineOver(const print::Page& p, const QString& text) {
    const print::DrawItem* t = p.findText(text);
    if (!t) return nullptr;
    const double ascent = print::ReferenceDevice::ascent(t->font);
    for (const print::DrawItem& i : p.items) {
        if (i.kind != print::DrawItem::Kind::Line || i.rect.height() != 0 || i.rect.width() <= 0) continue;
        if (i.rect.top() > t->origin.y() - ascent && i.rect.top() < t->origin.y() &&
            i.rect.left() < t->origin.x() + 1 && i.rect.right() > t->origin.x())
            return &i;
    }
    return nullptr;
}

// The alternatives struck on the page; each strike starts at its text and is exactly
// as wide as the text.
inline QSet<QString> struck(const print::Page& p, const QStringList& alternatives) {
    QSet<QString> s;
    for (const QString& a : alternatives) {
        const print::DrawItem* line = lineOver(p, a);
        if (!line) continue;
        const print::DrawItem* t = p.findText(a);
        EXPECT_NEAR(t->origin.x(), line->rect.left(), 0.01) << a.toStdString();
        EXPECT_NEAR(print::ReferenceDevice::textWidth(t->font, a), line->rect.width(), 0.01) << a.toStdString();
        s.insert(a);
    }
    return s;
}

inline QSet<QString> setOf(const QStringList& l) { return QSet<QString>(l.begin(), l.end()); }

// Every text of the pages is printed inside the page's margins.
inline void expectInsideMargins(const print::ReportPages& pages) {
    for (const print::Page& p : pages.pages())
        for (const print::DrawItem& i : p.items)
            if (i.kind == print::DrawItem::Kind::Text) {
                EXPECT_LE(i.origin.y(), p.size().height() - print::mm(10) + 0.5) << i.text.toStdString();
                EXPECT_LE(i.origin.x() + print::ReferenceDevice::textWidth(i.font, i.text),
                          p.size().width() - print::mm(10) + 1)
                    << i.text.toStdString();
            }
}

// Writes the pages as a PDF file with real text: into ZORT_LOOK_DIR when it is set
// (to be looked at), else into the tests' temporary folder. Returns the file.
inline QString exportPdf(const print::PagesPtr& pages, const QString& name) {
    class NoProgress : public print::ExportProgress {
    public:
        void setRange(int, int) override {}
        void setText(const QString&) override {}
        void step() override {}
    };
    const QString dir = qEnvironmentVariableIsSet("ZORT_LOOK_DIR") ? qEnvironmentVariable("ZORT_LOOK_DIR")
                                                                    : testTempRoot() + QStringLiteral("/documents");
    QDir().mkpath(dir);
    print::TExportQR exporter;
    exporter.progressFactory = [] { return std::make_unique<NoProgress>(); };
    exporter.setReport(pages);
    const QString base = dir + QLatin1Char('/') + name;
    EXPECT_TRUE(exporter.ExportToTextPdf(base));
    return base + QStringLiteral(".pdf");
}

// Texts and positions of every item, to compare two printings.
inline QStringList dump(const print::ReportPages& pages) {
    QStringList out;
    for (const print::Page& p : pages.pages())
        for (const print::DrawItem& i : p.items)
            out << QStringLiteral("%1 %2 %3 %4 %5 %6")
                       .arg(p.number)
                       .arg(int(i.kind))
                       .arg(i.rect.x(), 0, 'f', 2)
                       .arg(i.rect.width(), 0, 'f', 2)
                       .arg(i.origin.y() + i.rect.y(), 0, 'f', 2)
                       .arg(i.text);
    return out;
}

} // namespace zort::test
