#pragma once
// The register filter of the print selection windows: in registers mode every list
// and summary of accidents is limited to registers through two fragments of SQL, a
// FROM addition and a WHERE addition (the latter ends in " AND " so that the
// window's own conditions follow it). Outside registers mode both are empty. The
// register ids come from the data module as integers and are written as numbers.
#include <QList>
#include <QString>

namespace zort::print {

struct RegisterFilter {
    QString from;
    QString where;

    bool isEmpty() const { return from.isEmpty() && where.isEmpty(); }

    // Accidents at work: the current register, or (allRegisters, "ze wszystkich") every
    // register of the list; the id 0 (accidents assigned to no register) counts only
    // with includeUnassigned.
    static RegisterFilter atWork(bool registersMode, int currentRegister, bool allRegisters,
                                 const QList<int>& registerIds, bool includeUnassigned);
    // Commuting accidents: the current register only.
    static RegisterFilter commuting(bool registersMode, int currentRegister);

    // The accident lists of a register year (parameters DataOd and DataDo).
    QString workAccidentsSql() const;
    QString commutingAccidentsSql() const;
};

} // namespace zort::print
