#pragma once
#include "domain/ProtocolMarks.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

namespace zort {

// What one protocol window shows, as data: its tabs and, in the order of the printed
// form, every point with its labels, fields, memos, marks and fixed texts. The four
// windows (forms of 1998, 2003, 2004 and 2019) are built from these descriptions by
// one window implementation; the differences between the forms are rows here.
//
// Forms by index, as the administration setting chooses them: 0 of 1998, 1 of 2003,
// 2 of 2004, 3 of 2019.

enum class ProtocolItemKind {
    Section,  // a point's heading across the page (caption; wraps)
    Text,     // a fixed text of the form across the page (caption; wraps)
    Edit,     // one bound edit (name), labelled by caption
    Memo,     // one bound memo (name, ending in its two-digit number), caption above it
    Marks,    // one row of alternatives (marks, markCaptions), caption before them
};

struct ProtocolItem {
    unsigned forms = 0;     // bit i: the form of index i has the item
    int page = 1;           // the tab (1..4) on the forms of four tabs
    int pageOfTwo = 1;      // the tab (1..2) on the forms of two tabs (1998, 2003)
    ProtocolItemKind kind = ProtocolItemKind::Text;
    QString name;           // Edit, Memo: the control's name (its binding)
    QString caption;        // the label, heading or text as the form words it
    int maxLength = 0;      // Edit: its width; Memo: its limit until the length setting applies
    int lines = 0;          // Memo: visible lines (0: the page builder's default)
    bool beside = false;    // Edit: placed to the right of the item before it; caption
                            // says what it is ("funkcja")
    bool date = false;      // Edit: a date (checked, with a calendar button)
    QString button;         // Edit with date: the calendar button's name
    QString hint;           // tool tip
    QList<ProtocolMark> marks;  // Marks: the alternatives in the form's order ...
    QStringList markCaptions;   // ... and their captions

    // Memo: its number (the two final digits of the name), 0 for other items.
    int memoNumber() const;
    // Edit, Memo: the bound column (the name from the third character, without a
    // memo's number), in upper case.
    QString column() const;
    // Edit, Memo: whether the column is of SKWWypadki (selector "w") rather than of
    // SKWPoszkodowani.
    bool ofAccident() const;
};

struct ProtocolDescription {
    int form = 0;
    QString windowClass;  // "TProtPowForm", "TProtPowForm_1", ...
    QStringList pages;    // "Strona 1" ...
    std::vector<ProtocolItem> items;  // those of this form only, in order
    ProtocolMarkRules markRules;
    // The coded columns this form writes, in the order of the save: of "WYPIZ",
    // "TYPWYP", "SKUTKI", "ZAPOZNANY", "DORECZENIE", "FORMWYP".
    QStringList savedMarks;
    // Read-only state: fields disabled (older forms) rather than read-only (2019).
    bool disableWhenReadOnly = false;
    // Whether the length setting of the multi-line fields applies (2004, 2019).
    bool lengthSetting = false;

    // The tab (index from 0) that an item lies on.
    int pageIndex(const ProtocolItem& item) const;
    const ProtocolItem* item(const QString& name) const;
    // The captions of the marks group an alternative belongs to, as this form words them.
    QString markCaption(ProtocolMark mark) const;
};

// The description of the window of a form (0..3; any other index: 0).
const ProtocolDescription& protocolDescription(int form);
// Every item of every form, with their form bits.
const std::vector<ProtocolItem>& protocolItems();

// The limits of the ten memos, by number (1..10), under the length setting: none
// with "TAK" (unlimited), 3120, 1320, 840, 840, 840, 3360, 3360, 4200, 2160, 2160
// characters otherwise; 0 means no limit.
int protocolMemoLimit(int number, bool unlimited);

// The caption of the calendar buttons and the hint of the occupation code.
QString calendarHint();
QString listHint();

} // namespace zort
