#pragma once
#include <QList>
#include <QString>
#include <QStringList>

namespace zort {

// The fixed lists of the entry pages: items the program holds itself, not a
// dictionary of the database.

// The sixteen provinces as the province list of the accident pages shows them.
const QStringList& provinceNames();
// The same in the lists of the commuting and service registers (the first seven with
// a trailing blank, copied with them).
const QStringList& commutingProvinceNames();

// The service's ranks ("posterunkowy" … "generalny inspektor"), its posts
// ("policjant" … "dyrektor"), its units, and the parts of the body an injury names
// ("stopa lewa" … "głowa").
const QStringList& serviceRanks();
const QStringList& servicePosts();
const QStringList& serviceUnits();
const QStringList& bodyParts();

// A fixed list of the pages of accidents in service: the list, the field its chosen
// text goes into, and its items. The lists of one group (`distinct`) refuse a text
// another field of the group already holds; their first item is empty.
struct FixedList {
    QString combo;
    QString field;
    QStringList items;
    bool distinct = false;
};
const QList<FixedList>& serviceFixedLists();
// "Ten uraz został już wybrany." of the injury lists.
QString injuryTakenMessage();

} // namespace zort
