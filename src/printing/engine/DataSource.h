#pragma once
#include "core/Field.h"

#include <QStringList>
#include <QVariant>
#include <functional>
#include <vector>

namespace zort::print {

// The rows a report walks: the detail band prints once per row. A report without
// a data source prints its detail band once.
class DataSource {
public:
    virtual ~DataSource() = default;
    virtual void first() = 0;
    virtual void next() = 0;
    virtual bool eof() const = 0;
    // The value of a column of the current row (null past the end). Asking for a
    // column the source does not have is a fault of the report form and throws.
    virtual Field field(const QString& name) const = 0;
};

// Rows that the program computes: named columns and their values.
class RowSource : public DataSource {
public:
    RowSource() = default;
    explicit RowSource(QStringList columns) : m_columns(std::move(columns)) {}
    void setColumns(const QStringList& columns) { m_columns = columns; }
    const QStringList& columns() const { return m_columns; }
    void addRow(const QVariantList& values) { m_rows.push_back(values); }
    void clear() { m_rows.clear(); m_pos = 0; }
    int rowCount() const { return int(m_rows.size()); }

    void first() override { m_pos = 0; }
    void next() override { ++m_pos; }
    bool eof() const override { return m_pos >= int(m_rows.size()); }
    Field field(const QString& name) const override;

private:
    QStringList m_columns;
    std::vector<QVariantList> m_rows;
    int m_pos = 0;
};

// A number of rows whose values a function gives (the count may be set anew
// before each run).
class FunctionSource : public DataSource {
public:
    using ValueFn = std::function<QVariant(int row, const QString& column)>;
    FunctionSource(int count, ValueFn fn) : m_count(count), m_fn(std::move(fn)) {}
    void setCount(int count) { m_count = count; }
    int row() const { return m_pos; }

    void first() override { m_pos = 0; }
    void next() override { ++m_pos; }
    bool eof() const override { return m_pos >= m_count; }
    Field field(const QString& name) const override {
        return m_count <= 0 ? Field() : Field(m_fn(std::min(m_pos, m_count - 1), name));
    }

private:
    int m_count;
    ValueFn m_fn;
    int m_pos = 0;
};

} // namespace zort::print
