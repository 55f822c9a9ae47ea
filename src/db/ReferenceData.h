#pragma once
#include <QString>
#include <QStringList>
#include <vector>

namespace zort {

class Connection;

// The real reference dictionaries built into the program: the occupation
// classification of 2022 (edition 4) and the code lists of the statistical card of
// 2009/2010 (the tables without the "_1" suffix). New databases load them.
class ReferenceData {
public:
    struct Row {
        QString code;
        QString parentCode;  // empty at the top level
        int level = 0;
        QString name;
    };

    // One code list as the TSV file holds it; group headings ("grp:" codes) become
    // parents whose code is the range they head.
    static std::vector<Row> readList(const QString& resource);
    // The occupation classification with the levels and parents its codes imply.
    static std::vector<Row> readOccupations();

    // Fills a tree table (Id, IdRodz, NrPoz, Kod, Nazwa[, Skrot]).
    static void fillTree(Connection& c, const QString& table, const std::vector<Row>& rows, bool withShort);
    // Fills a flat list table (ID, KOD, NAZWA, SKROT).
    static void fillList(Connection& c, const QString& table, const std::vector<Row>& rows);

    static void loadAll(Connection& c);
    // The tables loadAll fills.
    static QStringList tables();
};

} // namespace zort
