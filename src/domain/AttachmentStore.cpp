#include "domain/AttachmentStore.h"

#include "db/Connection.h"
#include "db/NumberLock.h"
#include "domain/RegisterStore.h"

#include <algorithm>

namespace zort {
namespace {

const QString kOwn = QStringLiteral("SKWZALACZNIKI");
const QString kHearings = QStringLiteral("SKWPRZESLUCHANIE");
const QString kOrders = QStringLiteral("SKWPOLECENIE");

Params ownerParams(int accident, int protocol) {
    return Params{{"IdWypadku", accident}, {"IdProtokolu", protocol}};
}

QString keyParam(int i) { return QStringLiteral("Klucz_") + QString::number(i + 1); }

// "COL = :param, ..." (empty values as "COL = null"), adding the values to the parameters.
QString setList(const QList<BoundValue>& values, Params& params) {
    QStringList parts;
    for (const BoundValue& v : values) {
        if (v.value.isNull()) {
            parts << v.column + QStringLiteral(" = null");
            continue;
        }
        if (v.param.startsWith(QLatin1String("Klucz_"), Qt::CaseInsensitive) ||
            (params.contains(v.param) && params.value(v.param) != v.value))
            throw DbError(QStringLiteral("Parametr %1 kolumny %2 jest już użyty.").arg(v.param, v.column));
        parts << v.column + QStringLiteral(" = :") + v.param;
        params.set(v.param, v.value);
    }
    return parts.join(QStringLiteral(", "));
}

} // namespace

AttachmentStore::AttachmentStore(Connection& c) : m_c(c), m_types(c.columnTypes()) {}

const QList<AttachmentStore::NumberSource>& AttachmentStore::documentSources() {
    static const QList<NumberSource> sources{{kOwn, QStringLiteral("ID")},
                                             {kHearings, QStringLiteral("NUMER")},
                                             {kOrders, QStringLiteral("NUMER")}};
    return sources;
}

QString AttachmentStore::maxNumberSql(const NumberSource& source) {
    return QStringLiteral("select max(") + source.numberColumn + QStringLiteral(") from ") + source.table +
           QStringLiteral(" where idwypadku = :IdWypadku and idprotokolu = :IdProtokolu");
}

QString AttachmentStore::updateSql(const QString& table, const QString& setList, const QStringList& keyColumns) {
    QStringList where;
    for (int i = 0; i < keyColumns.size(); ++i) where << keyColumns.at(i) + QStringLiteral(" = :") + keyParam(i);
    return QStringLiteral(" Update ") + table + QStringLiteral(" set ") + setList + QStringLiteral(" where ") +
           where.join(QStringLiteral(" and "));
}

int AttachmentStore::nextNumber(const QList<NumberSource>& sources, int accident, int protocol) {
    int largest = 0;
    for (const NumberSource& s : sources)
        largest = std::max(largest, m_c.scalar(maxNumberSql(s), ownerParams(accident, protocol)).toInt());
    return largest + 1;
}

int AttachmentStore::addOwnAttachment(int accident, int protocol) {
    int number = 0;
    NumberLock::run(m_c, {kOwn}, [&]() {
        number = nextNumber(documentSources(), accident, protocol);
        Params p = ownerParams(accident, protocol);
        p.setInt(QStringLiteral("Id"), number);
        m_c.execute(QStringLiteral(" Insert into SKWZalaczniki values (:Id,:IdWypadku,:IdProtokolu,null,null)"), p);
    });
    return number;
}

int AttachmentStore::addNumberedRow(const QString& table, const QList<NumberSource>& sources, int accident,
                                    int protocol) {
    if (table.compare(kOwn, Qt::CaseInsensitive) == 0 && sources.size() == documentSources().size())
        return addOwnAttachment(accident, protocol);
    int number = 0;
    NumberLock::run(m_c, {table.toUpper()}, [&]() {
        number = nextNumber(sources, accident, protocol);
        Params p = ownerParams(accident, protocol);
        p.setInt(QStringLiteral("Id"), number);
        m_c.execute(QStringLiteral(" Insert into ") + table +
                        QStringLiteral(" (ID,IDWypadku,IDProtokolu) values (:Id,:IdWypadku,:IdProtokolu)"),
                    p);
    });
    return number;
}

int AttachmentStore::addKeyedRow(const QString& table, const QList<NumberSource>& sources, int accident, int protocol,
                                 bool typed) {
    int id = 0;
    NumberLock::run(m_c, {table.toUpper()}, [&]() {
        id = m_c.scalar(QStringLiteral("select max(id) from ") + table + QLatin1Char(' ')).toInt() + 1;
        Params p = ownerParams(accident, protocol);
        p.setInt(QStringLiteral("Id"), id);
        p.setInt(QStringLiteral("Numer"), nextNumber(sources, accident, protocol));
        m_c.execute(QStringLiteral(" Insert into ") + table +
                        (typed ? QStringLiteral(" (ID,IDWypadku,IDProtokolu,Numer,Typ) values "
                                                "(:Id,:IdWypadku,:IdProtokolu,:Numer,-1)")
                               : QStringLiteral(" (ID,IDWypadku,IDProtokolu,Numer) values "
                                                "(:Id,:IdWypadku,:IdProtokolu,:Numer)")),
                    p);
    });
    return id;
}

int AttachmentStore::addHearing(int accident, int protocol) {
    return addKeyedRow(QStringLiteral("SKWPrzesluchanie"), documentSources(), accident, protocol);
}

int AttachmentStore::addOrder(int accident, int protocol) {
    return addKeyedRow(QStringLiteral("SKWPolecenie"), documentSources(), accident, protocol);
}

void AttachmentStore::deleteOwnAttachment(int id, int accident, int protocol) {
    Params p = ownerParams(accident, protocol);
    p.setInt(QStringLiteral("Id"), id);
    m_c.execute(QStringLiteral(" Delete from SKWZalaczniki where id = :Id and IdWypadku = :IdWypadku and "
                               "IdProtokolu = :IdProtokolu"),
                p);
}

void AttachmentStore::deleteHearing(int id) {
    m_c.execute(QStringLiteral(" Delete from SKWPrzesluchanie where id = :Id"), Params{{"Id", id}});
}

void AttachmentStore::deleteOrder(int id) {
    m_c.execute(QStringLiteral(" Delete from SKWPolecenie where id = :Id"), Params{{"Id", id}});
}

void AttachmentStore::deleteRow(const QString& table, const QStringList& keyColumns, const QVariantList& key) {
    if (keyColumns.isEmpty() || keyColumns.size() != key.size())
        throw DbError(QStringLiteral("Niepełny klucz wiersza tabeli %1.").arg(table));
    QStringList where;
    Params p;
    for (int i = 0; i < keyColumns.size(); ++i) {
        where << keyColumns.at(i) + QStringLiteral(" = :") + keyParam(i);
        p.set(keyParam(i), key.at(i));
    }
    m_c.execute(QStringLiteral(" Delete from ") + table + QStringLiteral(" where ") + where.join(QStringLiteral(" and ")),
                p);
}

QList<AttachmentStore::RowFailure> AttachmentStore::save(const QList<RowUpdate>& rows) {
    QList<RowFailure> failures;
    for (int i = 0; i < rows.size(); ++i) {
        const RowUpdate& row = rows.at(i);
        try {
            if (row.keyColumns.isEmpty() || row.keyColumns.size() != row.key.size())
                throw DbError(QStringLiteral("Niepełny klucz wiersza tabeli %1.").arg(row.table));
            const QList<BoundValue> values = m_types.convert(row.table, row.values);
            if (values.isEmpty()) continue;
            Params p;
            const QString sql = updateSql(row.table, setList(values, p), row.keyColumns);
            for (int k = 0; k < row.key.size(); ++k) p.set(keyParam(k), row.key.at(k));
            Transaction tr(m_c);
            if (m_c.execute(sql, p) != 1) throw DbError(recordGoneMessage(), sql);
            tr.commit();
        } catch (const ValueRefused& e) {
            failures.append({i, e.column(), e.reason()});
        } catch (const DbError& e) {
            failures.append({i, QString(), e.message()});
        }
    }
    return failures;
}

} // namespace zort
