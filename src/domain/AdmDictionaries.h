#pragma once
#include <QDateTime>
#include <QString>

namespace zort {

class Connection;

// The statements of the administration window's dictionary lists and the rules of
// their changes. Sort items: 0 "NAZWY" (by short description or name), 1 "KODY"
// (by code).
namespace admdict {

// The causes of the group ":id".
QString causesSql(int sort);
// The sources: of the group ":id" from SKWZRODLA_1 when the reference date is after
// 2000-12-31; otherwise every row of SKWZRODLA (which has no group column).
QString sourcesSql(int sort, const QDateTime& referenceDate);
bool sourcesByGroup(const QDateTime& referenceDate);
// The diseases of the group ":id".
QString diseasesSql(int sortL4);
// A flat list of the 2000 card ordered by its short description (its name when the
// table has none) or by its id.
QString flatListSql(const QString& table, bool hasShortName, int sort);

// The messages of the disease entry.
QString noCodeOrNameMessage();
QString codeTakenMessage();
QString nameTakenMessage();

// Checks a disease before it is stored: both texts given, and no other row (another
// ID than `ownId`; 0 for a new disease) with the same code or the same name. The
// message of the first failure, or an empty text.
QString checkDisease(Connection& c, const QString& code, const QString& name, int ownId);

// Deletes a row of a dictionary by its key.
void deleteDisease(Connection& c, int id);
void deleteTeamMember(Connection& c, int id);
void deleteCommissionMember(Connection& c, int id);

} // namespace admdict
} // namespace zort
