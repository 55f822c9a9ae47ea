#pragma once
#include <QDateTime>
#include <QString>
#include <QStringList>
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
// reference date is after 2000-12-31, the window of 1996 otherwise.
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

} // namespace zort
