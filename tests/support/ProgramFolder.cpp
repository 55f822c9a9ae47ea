#include "support/ProgramFolder.h"

#include <QCoreApplication>
#include <QTimer>

#include "core/AppContext.h"
#include "core/Forms.h"
#include "core/MyIniFile.h"
#include "core/Session.h"
#include "domain/SharedConnection.h"
#include "core/Win1250.h"

#include <QDir>
#include <QFile>
#include <QUuid>

namespace zort::test {

ProgramFolder::ProgramFolder(const QString& database) {
    m_path = testTempRoot() + QStringLiteral("/prog-") + QUuid::createUuid().toString(QUuid::Id128);
    QDir().mkpath(m_path);
    QFile f(m_path + QStringLiteral("/aliases.ini"));
    f.open(QIODevice::WriteOnly);
    f.write(win1250::encode(QStringLiteral("[ZortTest]\r\nDatabase=%1\r\n\r\n[ZortArch]\r\nDatabase=%1\r\n").arg(database)));
}

ProgramFolder::~ProgramFolder() { QDir(m_path).removeRecursively(); }

void ProgramFolder::writeConfig(const QString& fileName, const QStringList& lines) const {
    QFile f(m_path + QLatin1Char('/') + fileName);
    f.open(QIODevice::WriteOnly);
    f.write(win1250::encode(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
}

void ProgramFolder::writeDefaultConfig() const {
    writeConfig(QStringLiteral("kwel.ini"), {QStringLiteral("[Database]"), QStringLiteral("AliasName=ZortTest")});
}

void resetRun() {
    Forms::destroyAll();
    Session::logOut();
    SharedConnection::shutdown();
    setAppIni(nullptr);
    clearTermination();
    clearEndedLoops();
}

void clearEndedLoops() {
    QTimer::singleShot(0, QCoreApplication::instance(), [] { QCoreApplication::quit(); });
    QCoreApplication::exec();
}

} // namespace zort::test
