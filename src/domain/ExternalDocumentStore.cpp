#include "domain/ExternalDocumentStore.h"

#include "db/ColumnTypes.h"
#include "db/Connection.h"

#include <QSqlQuery>

namespace zort {

QStringList ExternalDocumentStore::load(const Owner& owner) {
    QStringList names;
    m_db.read(QStringLiteral("SELECT NazwaPlik, Opis FROM SKWDokumZewn  WHERE Typ = :Typ AND IdTabeli = :IdTab ORDER BY Id"),
              {{"Typ", owner.type}, {"IdTab", owner.id}}, [&](QSqlQuery& q) {
                  while (q.next()) names << q.value(0).toString();
              });
    return names;
}

bool ExternalDocumentStore::IsFileUsedElsewhere(const Owner& owner, const QString& name) {
    return m_db
               .scalar(QStringLiteral("SELECT Count(*) as Ilosc FROM SKWDokumZewn WHERE NOT (Typ = :Typ AND IdTabeli = :IdTab) "
                                      "AND NazwaPlik=:nazwaplik"),
                       {{"Typ", owner.type}, {"IdTab", owner.id}, {"nazwaplik", name}})
               .toLongLong() > 0;
}

void ExternalDocumentStore::SaveExternalDocuments(const Owner& owner, const QStringList& names) {
    Transaction t(m_db);
    m_db.execute(QStringLiteral(" DELETE FROM SKWDokumZewn WHERE Typ = :Typ AND IdTabeli = :IdTab"),
                 {{"Typ", owner.type}, {"IdTab", owner.id}});
    if (!names.isEmpty()) {
        PreparedStatement insert(m_db, QStringLiteral("INSERT INTO SKWDokumZewn (Id, Typ, IdTabeli, NazwaPlik, Opis) VALUES "
                                                      "(gen_Id(GenSKWDokumZewn,1), :Typ, :IdTab, :NazPlik, :Opis)"));
        for (const QString& name : names)
            insert.execute({{"Typ", owner.type}, {"IdTab", owner.id}, {"NazPlik", name}, {"Opis", QStringLiteral("")}});
    }
    t.commit();
}

QString ExternalDocumentStore::refusal(const QString& name) {
    const ColumnType* type = m_db.columnTypes().column(QStringLiteral("SKWDOKUMZEWN"), QStringLiteral("NAZWAPLIK"));
    if (!type) return QString();
    try {
        ColumnTypes::convert(*type, name, QStringLiteral("SKWDOKUMZEWN"), QStringLiteral("NAZWAPLIK"));
    } catch (const ValueRefused& e) {
        return e.reason();
    }
    return QString();
}

} // namespace zort
