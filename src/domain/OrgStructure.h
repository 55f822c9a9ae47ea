#pragma once
#include <QDateTime>
#include <QMetaType>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QList>
#include <utility>
#include <functional>
#include <vector>

namespace zort {

class Connection;

// One element of the organisation structure (OSTRUKT) as a node of a structure tree
// holds it.
struct TStrukt {
    int ID = 0;
    int IDRODZSTRUKT = 0;  // the parent; 0 at the top
    int NRPOZ = 0;         // level, 0 at the top
    int TYPSTRUKT = 0;     // 1 a work position, 0 an organisational unit
    int Zero = 0;
    QString NAZWA;
    QString SKROTNAZWA;
    QString KOD;
    QString GMINA;
    QString MIEJSCOW;
    QString ADRES;
    QString KODPOCZ;
    QString TELEFON;
    QString FAX;
    QString NIP;
    QString NRPIS;
    QString NRREGON;
    QString KODEKD;
    QString BRANZAKGN;
    int USUNIETY = 0;
    QDateTime DATAUTW;
    QDateTime DATAUSUN;
    QString EMAIL;
    QString PLIKLOGO;

    bool isPosition() const { return TYPSTRUKT == 1; }
    // "[" + KOD + "] " + SKROTNAZWA, the text of its tree node.
    QString nodeText() const;
};

// The organisation structure of the suite, read from OSTRUKT. The walks up and down
// the structure stop where an element repeats, so a damaged structure with a cycle
// ends them instead of hanging the program.
class OrgStructure {
public:
    using DeniedFn = std::function<bool(int id)>;
    // `denied` tells the elements denied to the user (with everything below them).
    OrgStructure(Connection& c, DeniedFn denied);

    // The elements that a structure tree shows on the date: level by level (0, 1, ...
    // until a level has no element existing on the date), each level ordered by code
    // or by short name; an element whose parent was not taken (denied, not existing
    // on the date, missing) is left out with its whole subtree, and so is a denied
    // element. `progress` is called once per element read (the count of rows of
    // OSTRUKT is the whole).
    std::vector<TStrukt> visibleElements(const QDateTime& date, bool byCode,
                                         const std::function<void()>& progress = {}) const;
    // The number of rows of OSTRUKT.
    int elementCount() const;

    // The short names of the elements from the top down to the element, each followed
    // by the separator ("\r" or " -> "); an element that does not exist gives the
    // separator alone.
    QString StructurePath(int id, const QString& separator) const;
    // The short name of the element's ancestor on the level (0 = the top); for an
    // element above that level, the last name of its path (its own).
    QString ElementAtLevel(int id, int level) const;
    // The id of the top element above the element (the element itself at the top);
    // 0 for an element that does not exist.
    int TopElementId(int id) const;
    // The ids of the work positions of the element, joined by ",": a position gives
    // itself; a unit the positions below it, leaving out denied elements and what is
    // below them, with "-1" for each unit below it without positions. Never empty:
    // "-1" when nothing was found, also for a denied unit, so that the result can be
    // used in an IN list as it is.
    QString PositionsOf(int id) const;
    // Whether the element is denied to the user.
    bool denied(int id) const { return m_denied(id); }

private:
    // The contributions of the children of a unit that is not denied.
    QStringList positionsBelow(int unit, QSet<int>& seen) const;

    Connection& m_c;
    DeniedFn m_denied;
};

// The structure of the run on the shared connection, with the user's denied
// elements of the data module.
OrgStructure runStructure();

// The employer's address of a top element: postal code, town and street joined by
// blanks (130); nothing when all three are empty.
QString employerAddress(const TStrukt& top);

// What choosing a work position writes into the fields of the injured person's
// employment: the position's code, id and short name (40), the name of the element
// at the configured level (40), and the employer from the top element of the
// position's structure: short name (130), PKD code, REGON, address (postal code,
// town and street, 130; nothing when all three are empty) and NIP. Field name and
// text, in this order.
QList<std::pair<QString, QString>> positionFieldValues(const TStrukt& position, const QString& elementAtLevel,
                                                       const TStrukt& top);

} // namespace zort

Q_DECLARE_METATYPE(zort::TStrukt)
