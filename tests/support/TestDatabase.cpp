#include "TestDatabase.h"

#include "db/DatabaseBuilder.h"
#include "db/DbError.h"
#include "demo/DemoData.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QFile>
#include <QUuid>

namespace zort::test {
namespace {

// Templates are shared by the test processes of one build: ctest runs every test in
// a process of its own, and building a template costs more than a second. A template
// is keyed by the test program (any rebuild makes a new one) and the day (the demo
// data follows the date).
QString templateFor(TestDatabase::Content content) {
    static QString empty;
    static QString demo;
    QString& t = content == TestDatabase::Content::Demo ? demo : empty;
    if (!t.isEmpty()) return t;
    const QFileInfo exe(QCoreApplication::applicationFilePath());
    const QByteArray key = QCryptographicHash::hash(
        (exe.absoluteFilePath() + QString::number(exe.lastModified().toMSecsSinceEpoch()) +
         QString::number(exe.size()) + QDate::currentDate().toString(Qt::ISODate))
            .toUtf8(),
        QCryptographicHash::Sha1).toHex().left(16);
    const QString dir = QDir::tempPath() + QStringLiteral("/zort-test-templates");
    QDir().mkpath(dir);
    const QString path = dir + QLatin1Char('/') + QString::fromLatin1(key) +
                         (content == TestDatabase::Content::Demo ? QStringLiteral("-demo.fdb") : QStringLiteral(".fdb"));
    QLockFile lock(path + QStringLiteral(".lock"));
    lock.setStaleLockTime(120000);
    lock.lock();
    if (!QFileInfo::exists(path)) {
        // Templates of older builds are of no use any more.
        for (const QFileInfo& old : QDir(dir).entryInfoList({QStringLiteral("*.fdb")}, QDir::Files))
            if (old.lastModified().secsTo(QDateTime::currentDateTime()) > 2 * 86400) QFile::remove(old.absoluteFilePath());
        const QString building = path + QStringLiteral(".part-") + QUuid::createUuid().toString(QUuid::Id128);
        DatabaseBuilder::Options o;
        if (content == TestDatabase::Content::Demo) o.extraRows = &loadDemoData;
        DatabaseBuilder::create(building, o);
        QFile::rename(building, path);
    }
    lock.unlock();
    t = path;
    return t;
}

} // namespace

QString testTempRoot() {
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/zorttest-XXXXXX"));
    return dir.path();
}

TestDatabase::TestDatabase(Content content) {
    m_folder = testTempRoot() + QStringLiteral("/") + QUuid::createUuid().toString(QUuid::Id128);
    QDir().mkpath(m_folder);
    m_path = m_folder + QStringLiteral("/zort.fdb");
    QFile::copy(templateFor(content), m_path);
    QFile::setPermissions(m_path, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                      QFileDevice::ReadGroup | QFileDevice::WriteGroup);
}

QString testServerHost() { return qEnvironmentVariable("ZORT_FB_SERVER"); }

QString testServerSysdbaPassword() { return qEnvironmentVariable("ZORT_FB_SYSDBA_PASSWORD"); }

QString createServerDatabase(bool demo) {
    // The server process may run as another user: give it a folder it can write.
    const QString folder = testTempRoot() + QStringLiteral("/server-") + QUuid::createUuid().toString(QUuid::Id128);
    QDir().mkpath(folder);
    QFile::setPermissions(testTempRoot(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                              QFileDevice::ExeGroup | QFileDevice::ExeOther);
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                      QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup |
                                      QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther);
    const QString database = testServerHost() + QLatin1Char(':') + folder + QStringLiteral("/zort.fdb");
    DatabaseBuilder::Options o;
    if (demo) o.extraRows = &loadDemoData;
    o.user = QStringLiteral("SYSDBA");
    o.password = testServerSysdbaPassword();
    DatabaseBuilder::create(database, o);
    Connection admin(QStringLiteral("server-admin-") + QUuid::createUuid().toString(QUuid::Id128));
    admin.open(database, o.user, o.password);
    // The user lives in the server's security database, which every test program
    // running at the same time changes too: one at a time.
    QLockFile users(QDir::temp().filePath(QStringLiteral("zort-test-server-users.lock")));
    users.setStaleLockTime(60000);
    users.lock();
    try {
        admin.execute(QStringLiteral("CREATE USER KWEL PASSWORD 'pxqv'"));
    } catch (const DbError&) {
        admin.execute(QStringLiteral("ALTER USER KWEL PASSWORD 'pxqv'"));
    }
    return database;
}

TestDatabase::~TestDatabase() { QDir(m_folder).removeRecursively(); }

std::unique_ptr<Connection> TestDatabase::connect(const QString& name) const {
    auto c = std::make_unique<Connection>(name);
    c->open(m_path, QString::fromLatin1(kDbUser), QString::fromLatin1(kDbPassword));
    return c;
}

} // namespace zort::test
