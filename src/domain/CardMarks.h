#pragma once
#include <QList>
#include <QString>
#include <utility>
#include <vector>

namespace zort {

// The choice marks of the statistical card: for a column, which box (1, 2, 3 in the
// order of the form) a stored value marks. The card window frames that box and the
// printed card prints "X" in it; any other value marks no box.
//   TYPWYP      0 -> 1 "wypadek przy pracy", 1 -> 2 "traktowany na równi"
//   SPKRYTJEDN  2 -> 1 "Tak", 1 -> 2 "Nie"
//   PLEC        1 -> 1 "mężczyzna", 2 -> 2 "kobieta"
//   SKUTKI, SKUTKIR  1 -> 1, 2 -> 2, 3 and 4 -> 3 "inne skutki"
//   FORMAPRACY  2 -> 1 "Tak", 1 -> 2 "Nie"
struct CardMarkTable {
    QString column;
    std::vector<std::pair<int, int>> boxes;  // value -> box
};

const std::vector<CardMarkTable>& cardMarkTables();
// The table of a column (any case), or nullptr.
const CardMarkTable* cardMarkTable(const QString& column);
// The box a value marks (0: none).
int cardMarkBox(const QString& column, int value);
// The value each box stands for when chosen, box by box (the first value of each box).
QList<int> cardMarkValues(const QString& column);

} // namespace zort
