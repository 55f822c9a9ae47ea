#include "db/FbAdmin.h"

#include "db/AliasFile.h"
#include "db/DbError.h"

#include <QFileInfo>
#include <ibase.h>

namespace zort {
namespace {

QString statusText(const ISC_STATUS* status) {
    QString out;
    char buf[1024];
    const ISC_STATUS* pv = status;
    while (fb_interpret(buf, sizeof buf, &pv) > 0) {
        if (!out.isEmpty()) out += QLatin1Char('\n');
        out += QString::fromLocal8Bit(buf);
    }
    return out;
}

QString quoted(const QString& s) {
    QString t = s;
    t.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + t + QLatin1Char('\'');
}

} // namespace

void FbAdmin::createDatabase(const QString& database, const QString& user, const QString& password) {
    if (!AliasFile::isServerName(database) && QFileInfo::exists(database))
        throw DbError(QStringLiteral("Plik %1 już istnieje; nie zostanie nadpisany.").arg(database));
    const QString sql = QStringLiteral("CREATE DATABASE %1 USER %2 PASSWORD %3 PAGE_SIZE 8192 "
                                       "DEFAULT CHARACTER SET WIN1250 COLLATION PXW_PLK")
                            .arg(quoted(database), quoted(user), quoted(password));
    const QByteArray text = sql.toUtf8();
    ISC_STATUS_ARRAY status{};
    isc_db_handle db = 0;
    isc_tr_handle tr = 0;
    isc_dsql_execute_immediate(status, &db, &tr, 0, text.constData(), 3, nullptr);
    if (status[0] == 1 && status[1]) throw DbError(statusText(status), sql);
    isc_detach_database(status, &db);
}

void FbAdmin::dropDatabase(const QString& database, const QString& user, const QString& password) {
    QByteArray dpb(1, char(isc_dpb_version1));
    for (const auto& [tag, value] : {std::pair{isc_dpb_user_name, user}, std::pair{isc_dpb_password, password}}) {
        const QByteArray bytes = value.toUtf8();
        dpb.append(char(tag)).append(char(bytes.size())).append(bytes);
    }
    const QByteArray name = database.toUtf8();
    ISC_STATUS_ARRAY status{};
    isc_db_handle db = 0;
    isc_attach_database(status, 0, name.constData(), &db, short(dpb.size()), dpb.constData());
    if (status[0] == 1 && status[1]) throw DbError(statusText(status));
    isc_drop_database(status, &db);
    if (status[0] == 1 && status[1]) throw DbError(statusText(status));
}

} // namespace zort
