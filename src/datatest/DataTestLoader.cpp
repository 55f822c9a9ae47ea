#include "datatest/DataTestLoader.h"

#include "core/AdmSettings.h"
#include "core/Clock.h"
#include "core/Field.h"
#include "db/Connection.h"
#include "domain/DataModForm.h"

#include <QSqlField>
#include <QSqlRecord>

namespace zort {

QHash<QString, QVariant> DataTestLoader::row(const QString& table, int id) const {
    const QString sql = QStringLiteral("SELECT * FROM %1 WHERE ID = :id").arg(table);
    QHash<QString, QVariant> values;
    QSqlQuery q = m_c.run(sql, {{QStringLiteral("id"), id}});
    if (q.next()) {
        const QSqlRecord rec = q.record();
        for (int i = 0; i < rec.count(); ++i) {
            QVariant v = q.value(i);
            // Text blobs come from the driver as the bytes of the connection's
            // character set.
            if (!v.isNull() && v.metaType().id() == QMetaType::QByteArray) v = Field(v).asString();
            // A fixed-width text comes padded to the bytes the connection's character
            // set may need (UTF8: four a character); it is stored padded to its width.
            if (!v.isNull() && v.metaType().id() == QMetaType::QString && rec.field(i).length() > 0) {
                const int width = rec.field(i).length() / 4;
                QString text = v.toString();
                if (width > 0 && text.size() > width && text.mid(width).trimmed().isEmpty()) {
                    text.truncate(width);
                    v = text;
                }
            }
            values.insert(rec.fieldName(i).toUpper(), v);
        }
    } else {
        Connection::checkFetched(q, sql);
    }
    q.finish();
    return values;
}

std::optional<DataTestInput> DataTestLoader::read(int accidentId, int personId) const {
    if (accidentId < 1 || personId < 1) return std::nullopt;
    DataTestInput in;
    in.accident = row(QStringLiteral("SKWWYPADKI"), accidentId);
    if (in.accident.isEmpty()) return std::nullopt;
    in.person = row(QStringLiteral("SKWPOSZKODOWANI"), personId);
    if (in.person.isEmpty()) return std::nullopt;
    in.protocolForm = admSettings().nowyProtPowypadkowy;
    in.now = Clock::now();
    return in;
}

std::optional<DataTestInput> DataTestLoader::current(TDataModForm& dataModule) {
    const Dataset* accidents = dataModule.qrySKWWypadki;
    const Dataset* persons = dataModule.qrySKWPoszkodowani;
    if (!accidents || !persons || accidents->isEmpty() || persons->isEmpty()) return std::nullopt;
    return DataTestLoader(dataModule.KartyDB())
        .read(int(accidents->field(QStringLiteral("ID")).asInt()), int(persons->field(QStringLiteral("ID")).asInt()));
}

} // namespace zort
