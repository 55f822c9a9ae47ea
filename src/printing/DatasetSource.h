#pragma once
#include "db/Dataset.h"
#include "printing/engine/DataSource.h"

namespace zort::print {

// The rows of a dataset (with its calculated fields), from its first row. The
// dataset must be open; the report leaves it on its last row.
class DatasetSource : public DataSource {
public:
    explicit DatasetSource(Dataset& dataset) : m_ds(dataset) {}
    void first() override { m_ds.first(); }
    void next() override { m_ds.next(); }
    bool eof() const override { return !m_ds.isOpen() || m_ds.isEmpty() || m_ds.eof(); }
    Field field(const QString& name) const override { return m_ds.field(name); }
    Dataset& dataset() const { return m_ds; }

private:
    Dataset& m_ds;
};

} // namespace zort::print
