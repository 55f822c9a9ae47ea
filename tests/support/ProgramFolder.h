#pragma once
#include "support/TestDatabase.h"

#include <QString>
#include <QStringList>

namespace zort::test {

// A program folder as the start-up expects it: the configuration file "kwel.ini"
// (Windows-1250), the alias file naming a test database, the layout file.
class ProgramFolder {
public:
    explicit ProgramFolder(const QString& database);
    ~ProgramFolder();
    const QString& path() const { return m_path; }
    // Writes a configuration file with the given body (CR LF line ends are added).
    void writeConfig(const QString& fileName, const QStringList& lines) const;
    void writeDefaultConfig() const;

private:
    QString m_path;
};

// Tears down what a start-up set for the run (shared connection, configuration,
// termination request), so that the next test starts clean.
void resetRun();
// A termination asked for while no event loop ran leaves every later event loop (a
// modal window, a wait) ending at once: one loop of the application clears that.
void clearEndedLoops();

} // namespace zort::test
