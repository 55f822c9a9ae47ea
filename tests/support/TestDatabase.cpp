#include "TestDatabase.h"

#include "data/DatabaseBuilder.h"
#include "data/DbError.h"

#include <QDir>
#include <QFile>
#include <QUuid>

namespace zort::test {
namespace {

QString templateFor(TestDatabase::Content content) {
    static QString empty;
    static QString demo;
    QString& t = content == TestDatabase::Content::Demo ? demo : empty;
    if (t.isEmpty()) {
        const QString path = testTempRoot() + (content == TestDatabase::Content::Demo
                                                   ? QStringLiteral("/template-demo.fdb")
                                                   : QStringLiteral("/template.fdb"));
        DatabaseBuilder::Options o;
        o.demo = content == TestDatabase::Content::Demo;
        DatabaseBuilder::create(path, o);
        t = path;
    }
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
    o.demo = demo;
    o.user = QStringLiteral("SYSDBA");
    o.password = testServerSysdbaPassword();
    DatabaseBuilder::create(database, o);
    Connection admin(QStringLiteral("server-admin-") + QUuid::createUuid().toString(QUuid::Id128));
    admin.open(database, o.user, o.password);
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
