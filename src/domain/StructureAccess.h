#pragma once
#include "core/AccessRights.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace zort {

class Connection;
struct CurrentUser;

// --- Denied organisation elements ----------------------------------------------------

// The entry of an element in a denied list: its id followed by "," (so that "12,"
// never matches "112,").
QString deniedEntry(int elementId);
// The elements denied to a user (rows of ADOSTEPSTRUKT), as entries.
QStringList ReadDeniedStructure(Connection& c, int userId);

// --- Visible organisation elements -----------------------------------------------------

// The ids of the organisation elements visible on a date: existing on it (created
// on or before it, not deleted or deleted after it), not denied, and below a
// visible parent (the top level has none). One statement per level, level by
// level until a level has no element on the date; the ids in level order.
QList<int> ReadVisibleStructure(Connection& c, const QDateTime& date, const std::function<bool(int)>& denied);

// The visible-structure table: "Temp" followed by a number, one column Id.
namespace structuretable {
// The name for a build: the time of day in ten-millionths of a day, and the
// database connection's own number, which no other run connected at the same time
// has (so two runs building at the same moment never collide).
QString Name(const QTime& timeOfDay, qint64 connectionNumber);
// The database's number of a connection (CURRENT_CONNECTION).
qint64 ConnectionNumber(Connection& c);
// Creates the table and fills it with the ids in one transaction. The column is "Id"
// for the visible structure and "IdPom" for the positions of a summary.
void Create(Connection& c, const QString& name, const QList<int>& ids,
            const QString& column = QStringLiteral("Id"));
// Drops the table; any error (it does not exist) is ignored.
void Drop(Connection& c, const QString& name) noexcept;
} // namespace structuretable

// The persons of the person lists (FillCombo kind 2) ordered by `order`: every person
// of the table, or, with a visible-structure table, the persons with an employment
// that began on or before ":nowdata", had not ended by it and is on a position in
// that table, each once.
QString PersonListSql(const QString& personTable, const QString& order, const QString& structureTable);

// --- Registers (registers mode) -----------------------------------------------------

struct RegisterItem {
    int id = 0;  // SKWREJESTR.ID; 0 the accidents assigned to no register
    QString text;
    bool operator==(const RegisterItem&) const = default;
};

// The registers the user may work in, as the register combo of the administration
// window offers them, and the current one.
struct RegisterChoice {
    QList<RegisterItem> items;
    int current = -1;     // index of the current register among the items
    QString failure;      // the message that ends the run; empty when a register was chosen

    bool chosen() const { return failure.isEmpty() && current >= 0; }
    int currentId() const { return chosen() ? items.at(current).id : 0; }
    QString currentText() const { return chosen() ? items.at(current).text : QString(); }
    // The main window's register panel: "Bieżący rejestr: " + symbol + " " + name.
    QString panelText() const;
    // The administration window shows its register panel only with a choice.
    bool choiceOffered() const { return items.size() > 1; }
};

// Reads the user's registers and chooses the current one: the default register
// (a negative IdRejestr; with several, the last in the order). No register, no
// default register, or a default register on an element denied to the user gives
// the failure message. The user "admin" is also offered the accidents assigned to
// no register.
RegisterChoice ChooseCurrentRegister(Connection& c, const CurrentUser& user, const std::function<bool(int)>& denied);

QString noRegisterMessage(const QString& userName);
QString noDefaultRegisterMessage(const QString& userName);
QString deniedDefaultRegisterMessage(const QString& userName);
QString unassignedRegisterText();

// The user name with the extra powers of registers mode.
bool isAdminUser(const QString& userName);

} // namespace zort
