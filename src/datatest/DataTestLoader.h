#pragma once
#include "datatest/DataTestEngine.h"

#include <optional>

namespace zort {

class Connection;
class TDataModForm;

// Reads what a data test run needs: the accident and the injured person as they are
// stored now (every column, keys in upper case), the protocol form of the settings
// and the moment of the run. It only reads.
class DataTestLoader {
public:
    explicit DataTestLoader(Connection& connection) : m_c(connection) {}

    // The two rows by their ids; nothing when either of them is not in the database
    // (deleted meanwhile on another workstation).
    std::optional<DataTestInput> read(int accidentId, int personId) const;
    // The rows on which the data module stands (its current accident and injured
    // person); nothing without a person or when the rows are gone.
    static std::optional<DataTestInput> current(TDataModForm& dataModule);

    // One row of the table by its ID, as column (upper case) → value: text blobs as
    // their text, everything else as the database gives it; empty when there is none.
    QHash<QString, QVariant> row(const QString& table, int id) const;

private:
    Connection& m_c;
};

} // namespace zort
