#pragma once
#include "db/Connection.h"

#include <QString>
#include <QTemporaryDir>
#include <memory>

namespace zort::test {

// A fresh database file of the module in a private temporary folder, copied from
// a template built once per test program (schema, system rows, reference data;
// the demo data when asked).
class TestDatabase {
public:
    enum class Content { Empty, Demo };
    explicit TestDatabase(Content content = Content::Empty);
    ~TestDatabase();

    const QString& path() const { return m_path; }
    const QString& folder() const { return m_folder; }
    // A connection of its own under the given Qt connection name.
    std::unique_ptr<Connection> connect(const QString& name = QStringLiteral("test")) const;

private:
    QString m_folder;
    QString m_path;
};

// A temporary folder that lives for the whole test program.
QString testTempRoot();

// The Firebird server the test script started (ZORT_FB_SERVER, with the SYSDBA
// password in ZORT_FB_SYSDBA_PASSWORD); empty when there is none.
QString testServerHost();
QString testServerSysdbaPassword();

// A new database of the module on the test server, created by SYSDBA (the module's
// user "kwel" is created on the server too). Returns "host:path".
QString createServerDatabase(bool demo = false);

} // namespace zort::test
