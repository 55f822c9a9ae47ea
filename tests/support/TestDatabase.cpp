#include "TestDatabase.h"

#include "data/DatabaseBuilder.h"

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

TestDatabase::~TestDatabase() { QDir(m_folder).removeRecursively(); }

std::unique_ptr<Connection> TestDatabase::connect(const QString& name) const {
    auto c = std::make_unique<Connection>(name);
    c->open(m_path, QString::fromLatin1(kDbUser), QString::fromLatin1(kDbPassword));
    return c;
}

} // namespace zort::test
