#include "core/Field.h"

#include "core/DateUtil.h"

namespace zort {

QString Field::asString() const {
    if (isNull()) return QString();
    if (m_v.metaType().id() == QMetaType::QByteArray) return QString::fromUtf8(m_v.toByteArray());
    if (m_v.metaType().id() == QMetaType::Double) {
        return QString::number(m_v.toDouble(), 'g', 15);
    }
    return m_v.toString();
}

QString Field::asTrimmed() const {
    QString s = asString();
    qsizetype n = s.size();
    while (n > 0 && s.at(n - 1) == ' ') --n;
    s.truncate(n);
    return s;
}

qint64 Field::asInt() const {
    if (isNull()) return 0;
    bool ok = false;
    if (m_v.metaType().id() == QMetaType::QString || m_v.metaType().id() == QMetaType::QByteArray) {
        const qint64 v = asString().trimmed().toLongLong(&ok);
        return ok ? v : 0;
    }
    if (m_v.metaType().id() == QMetaType::Double) return qint64(m_v.toDouble());
    const qint64 v = m_v.toLongLong(&ok);
    return ok ? v : 0;
}

double Field::asFloat() const {
    if (isNull()) return 0.0;
    bool ok = false;
    const double v = m_v.metaType().id() == QMetaType::QByteArray ? asString().toDouble(&ok)
                                                                   : m_v.toDouble(&ok);
    return ok ? v : 0.0;
}

QDateTime Field::asDateTime() const { return dates::toDateTime(m_v); }

bool Field::isNoDate() const { return dates::isNoDate(m_v); }


} // namespace zort
