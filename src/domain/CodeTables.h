#pragma once
#include <QString>
#include <vector>

namespace zort {

// The program's classification tables: the code trees of the statistical card (the
// tables without suffix for the cards of 2004 to 2019, those with "_1" for the card
// of 2022), the four tree editions of the occupation classification, and the flat
// code lists of the card. A table name that reaches a statement is always one of
// these, never typed text.
enum class CodeTableKind {
    Tree,        // Id, IdRodz, NrPoz, Kod, Nazwa, Skrot
    Occupation,  // Id, IdRodz, NrPoz, Kod, Nazwa (occupations on level 4)
    List,        // ID, KOD, NAZWA, SKROT
};

struct CodeTable {
    QString name;     // as the database spells it (upper case)
    CodeTableKind kind;
    QString caption;  // what the list is, in words, for messages
    int codeLength;   // width of the code column
    int nameLength;   // width of the name column
    int shortLength;  // width of the short name column (0: none)
};

const std::vector<CodeTable>& codeTables();
// The table of that name (any case), or nullptr when the program has none.
const CodeTable* findCodeTable(const QString& name);
// The table of that name and kind; throws Error naming the table otherwise.
const CodeTable& requireCodeTable(const QString& name, CodeTableKind kind);

// The occupation classification by the setting KZS: the tree table of the editions
// 1 to 4 (empty for edition 0, the flat list DZAWODY, and for anything else) and the
// legal basis shown in the picker's title.
QString occupationTreeTable(int edition);
QString occupationLegalBasis(int edition);
// The edition of an occupation tree table (1..4), 0 for any other table.
int occupationEditionOf(const QString& table);

} // namespace zort
