#pragma once
#include <QString>
#include <QStringList>

namespace zort {

class Connection;

// The outside files linked to records (SKWDokumZewn): only their names are stored,
// the files lie directly in the shared documents folder. A record is the pair of
// Typ (1 an injured person of an accident at work, 2 a commuting card) and IdTabeli
// (SKWPoszkodowani.ID or SKWWypadkiWDrodze.ID). Every value is bound.
class ExternalDocumentStore {
public:
    struct Owner {
        int type = 0;
        int id = 0;
    };
    // The longest name the list takes.
    static constexpr int kMaxName = 64;

    explicit ExternalDocumentStore(Connection& db) : m_db(db) {}

    // The names linked to the record, in the order they were saved.
    QStringList load(const Owner& owner);
    // Whether the name is linked to a record other than the owner (another Id, or the
    // same Id of the other type).
    bool IsFileUsedElsewhere(const Owner& owner, const QString& name);
    // Rewrites the owner's list: its rows deleted, one row per name inserted in list
    // order with a key of the generator and an empty description. All or nothing: a
    // failure rolls back and throws DbError.
    void SaveExternalDocuments(const Owner& owner, const QStringList& names);
    // Why the column cannot hold the name (its characters), empty when it can.
    QString refusal(const QString& name);

private:
    Connection& m_db;
};

} // namespace zort
