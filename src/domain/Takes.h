#pragma once
#include <QDateTime>
#include <QString>
#include <QStringList>

namespace zort {

class Connection;

// The take: the advisory lock by which a workstation claims an accident while it is
// being edited. An accident is taken by computer C when CzasZak is null and
// CompName is C. The tables: "SKWWypadki", "SKWWypadkiWDrodze", "WypOper_Wypadki".
class Takes {
public:
    struct Claim {
        enum class Result { Claimed, HeldByOther, Deleted };
        Result result = Result::Claimed;
        QString holder;       // the other computer, for HeldByOther
        QDateTime heldSince;  // its CzasRozp

        bool claimed() const { return result == Result::Claimed; }
        // What the user is told when the claim was refused (heldMessage() or
        // deletedMessage()); empty when claimed.
        QString message() const;
    };

    Takes(Connection& connection, const QString& computerName);

    // Claims the accident for this computer in one conditional statement: free, or
    // already this computer's (then renewed). Never two computers at once.
    Claim claim(int id, const QString& table);
    // TakeAccident: claimed when this computer now holds the accident (or renewed its
    // own take); the accidents of a read-only database count as claimed (they are
    // only viewed). Refused when another computer holds it or it no longer exists:
    // the caller must not open it then, and shows the claim's message().
    Claim TakeAccident(int id, const QString& table);
    // Whether this computer holds the accident now (a take of its own, not ended).
    bool heldHere(int id, const QString& table);
    // Ends this computer's take of the accident; another computer's take is never touched.
    void ReleaseAccident(int id, const QString& table);
    // Ends every take this computer holds in the tables.
    void ReleaseAllTakes(const QStringList& tables);

    static QString heldMessage(const QString& holder, const QDateTime& since);
    // Whether the database is in read-only mode (nothing can be written, takes included).
    static bool databaseReadOnly(Connection& c);
    static QString readOnlyMessage();
    static QString deletedMessage();

private:
    Connection& m_c;
    QString m_computer;
};

} // namespace zort
