#pragma once
#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

namespace zort {

// The rows a data test reads: column (upper case) → value, as the database gives
// them, and what the report depends on besides.
struct DataTestInput {
    QHash<QString, QVariant> accident;  // SKWWypadki
    QHash<QString, QVariant> person;    // SKWPoszkodowani
    int protocolForm = 0;               // the settings object's NowyProtPowypadkowy, 0..3
    QDateTime now;                      // the moment of the run (the program's clock)
};

// The report of one run: its lines and its counters.
struct DataTestReport {
    QStringList lines;
    int ErrorCount = 0;
    int WarningCount = 0;
    int NoteCount = 0;
};

// The test of the entered data of an injured person and his accident: no widget and
// no database access of its own. Each routine writes the whole report of one run.
class DataTestEngine {
public:
    explicit DataTestEngine(DataTestInput input);

    DataTestReport TestCard2000();
    DataTestReport TestCard();
    DataTestReport TestProtocol1998();
    DataTestReport TestProtocol();
    DataTestReport TestEverything();

private:
    DataTestReport run(const QString& title, int underline, const QVector<int>& checks) const;

    DataTestInput m_in;
};

} // namespace zort
