#include "core/AdminModule.h"

#include "core/UserInterface.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace zort {

QString adminModuleMissingMessage(const QString& path) {
    return QStringLiteral("Nie można uruchomić modułu administracyjnego systemu ZORT:\nbrak programu %1.").arg(path);
}

bool startAdminModule(const QString& programDir, const QString& arg1, int userId) {
    const QString path = QDir(programDir).filePath(QStringLiteral("zortadmin"));
    const QFileInfo info(path);
    if (!info.exists() || !info.isExecutable()) {
        showError(adminModuleMissingMessage(path));
        return false;
    }
    const QStringList args{arg1.isEmpty() ? QStringLiteral("0") : arg1, QString::number(userId), QStringLiteral("0")};
    if (!QProcess::startDetached(path, args, programDir)) {
        showError(adminModuleMissingMessage(path));
        return false;
    }
    return true;
}

} // namespace zort
