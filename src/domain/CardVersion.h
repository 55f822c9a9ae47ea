#pragma once
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace zort {

// The forms of the statistical accident card. An accident keeps the index of its
// form in WERSJASKW; the index is also the item of the main window's group
// "SKW :" and of the administration window's default-form list. The order is not
// chronological: 0 is the form of 2004 and 1 the form of 2000.
enum class CardFamily {
    Trees,      // the classification trees without suffix (2004, 2009, 2010, 2019)
    Lists2000,  // the flat lists of the 2000 form
    Trees2022,  // the classification trees with the suffix "_1"
};

struct CardVersionInfo {
    int index;
    QString label;        // on the main window
    QString legalBasis;   // the text of the default-form list
    QString windowClass;  // the card window (for 1 see cardWindowClass)
    CardFamily family;
};

constexpr int kCardVersionCount = 6;

const std::vector<CardVersionInfo>& cardVersions();
// The form of that index, or nullptr for an index outside 0..5.
const CardVersionInfo* cardVersion(int index);
// The card window of the form: the 2000 form takes the window of 2001 when the
// reference date is after 2000-12-31, the window of 1996 otherwise; an index outside
// the table (no form chosen) opens the current card.
QString cardWindowClass(int index, const QDateTime& referenceDate);

// Whether changing the form of an accident from one index to another asks (and, when
// confirmed, clears the classification answers): silent only between 2010 and 2019
// or 2022, in either direction; no change asks nothing.
bool versionChangeAsks(int from, int to);
// The question and its caption.
QString versionChangeQuestion();
QString versionChangeCaption();
// The columns a confirmed change clears (of the accident and of its injured
// persons), in upper case.
const QStringList& versionChangeClearedColumns();
bool versionChangeClears(const QString& column);

// What a change of the card form does on the entry pages; the page supplies the
// steps, the rule decides which run.
struct VersionChangeSteps {
    std::function<bool()> ask;             // the question; true for Yes
    std::function<void()> clear;           // the classification answers and every list emptied
    std::function<void(int)> layOut;       // the pages laid out, the card lists filled for the form
    std::function<void()> save;            // the accident page saved (the new form written)
    std::function<void(int)> putBack;      // the group shows the form again, without its reaction
    std::function<void()> focusPlace;      // the focus on the place of the accident
};
// The user chose the form `chosen` in the group entered on `remembered`; `stored` is
// the accident's form in the database. Between 2010 and 2019 or 2022 the change is
// taken silently (the codes stay; the form is written with the next save); otherwise
// the question: Yes clears, lays out and saves, No puts the stored form back. The
// focus goes to the place of the accident after a question. Returns the form the
// group now stands on (the one to remember).
int changeCardVersion(int remembered, int chosen, int stored, const VersionChangeSteps& steps);

} // namespace zort
