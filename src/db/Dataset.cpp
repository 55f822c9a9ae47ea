#include "db/Dataset.h"

#include "core/DateUtil.h"
#include "db/ColumnTypes.h"

#include <algorithm>
#include <optional>

#include <QSqlQuery>
#include <QSqlRecord>

namespace zort {

Dataset::Dataset(Connection* connection, const QString& sql, QObject* parent)
    : QObject(parent), m_conn(connection), m_sql(sql) {}

Dataset::~Dataset() { releaseCursor(); }

void Dataset::releaseCursor() {
    m_cursor.reset();
    m_skip.clear();
    m_pending.clear();
}

void Dataset::open() {
    if (!m_conn) throw DbError(QStringLiteral("Zbiór danych bez połączenia z bazą."), m_sql);
    // The rows read before are freed by the database calls' thread, which read them:
    // memory goes back to the pool it came from, where the next reading finds it.
    std::vector<QVector<QVariant>> spent = std::move(m_spent);
    m_spent.clear();
    for (auto& row : m_rows) spent.push_back(std::move(row));
    m_rows.clear();
    m_columns.clear();
    m_columnCache.clear();
    m_open = false;
    m_state = State::Browse;
    m_edits.clear();
    m_masterStale = false;  // read now: as fresh as the master
    releaseCursor();
    auto describe = [this](QSqlQuery& q) {
        const QSqlRecord rec = q.record();
        m_queryColumns = rec.count();
        m_types.clear();
        m_lengths.clear();
        for (int i = 0; i < rec.count(); ++i) {
            m_columns << rec.fieldName(i).toUpper();
            m_types << rec.field(i).metaType();
            // The driver counts the bytes of a text in the connection's character
            // set (UTF8: four a character); the column holds characters.
            const int bytes = qMax(0, rec.field(i).length());
            m_lengths << (rec.field(i).metaType().id() == QMetaType::QString ? bytes / 4 : bytes);
        }
    };
    if (m_fetchBlock > 0) {
        // The first block now, the statement kept for the rest.
        auto cursor = std::make_unique<QSqlQuery>(m_conn->run(m_sql, m_params));
        describe(*cursor);
        bool more = true;
        m_conn->readMore(*cursor, m_sql, [&](QSqlQuery& q) {
            spent.clear();
            while (int(m_rows.size()) < m_fetchBlock && (more = q.next())) {
                QVector<QVariant> row(m_queryColumns + int(m_calc.size()));
                for (int i = 0; i < m_queryColumns; ++i) row[i] = q.value(i);
                m_rows.push_back(std::move(row));
            }
        });
        if (more) m_cursor = std::move(cursor);
    } else {
        // The whole reading is one call of the database: waited for, and given up, as one.
        m_conn->read(m_sql, m_params, [&](QSqlQuery& q) {
            spent.clear();
            describe(q);
            while (q.next()) {
                QVector<QVariant> row(m_queryColumns + int(m_calc.size()));
                for (int i = 0; i < m_queryColumns; ++i) row[i] = q.value(i);
                m_rows.push_back(std::move(row));
            }
        });
    }
    for (const auto& c : m_calc) m_columns << c.first.toUpper();
    for (int r = 0; r < int(m_rows.size()); ++r) computeRow(r);
    m_open = true;
    applyFilter();
    m_eof = m_visible.empty();
    m_pos = m_visible.empty() ? -1 : 0;
    emit opened();
    if (controlsDisabled()) {
        m_scrollPending = true;
    } else {
        m_scrollPending = false;
        emit scrolled();
    }
}

void Dataset::close() {
    releaseCursor();
    m_state = State::Browse;
    m_edits.clear();
    if (!m_open) return;
    m_open = false;
    // The rows go with the next reading, on the thread that read them (below).
    for (auto& row : m_rows) m_spent.push_back(std::move(row));
    m_rows.clear();
    m_visible.clear();
    m_pos = -1;
    m_eof = true;
    emit closed();
}

void Dataset::refresh(const QString& keyColumn) {
    QVariant key;
    const int oldPos = m_pos;
    if (m_open && hasColumn(keyColumn) && m_pos >= 0) key = value(keyColumn);
    disableControls();
    try {
        open();
    } catch (...) {
        enableControls();
        throw;
    }
    if (key.isValid() && !key.isNull()) {
        if (!locate(keyColumn, key)) moveTo(qMin(oldPos, recordCount() - 1));
    } else if (oldPos >= 0) {
        moveTo(qMin(oldPos, recordCount() - 1));
    }
    enableControls();
}

void Dataset::enableControls() {
    if (m_disabled == 0) return;
    if (--m_disabled == 0 && m_scrollPending) {
        m_scrollPending = false;
        emit scrolled();
    }
}

void Dataset::computeRow(int raw) {
    for (size_t i = 0; i < m_calc.size(); ++i)
        m_rows[size_t(raw)][m_queryColumns + int(i)] = m_calc[i].second(*this, raw);
}

void Dataset::addCalculatedField(const QString& name, CalcFn fn) {
    m_calc.emplace_back(name, std::move(fn));
}

void Dataset::recalculate() {
    for (int r = 0; r < int(m_rows.size()); ++r) computeRow(r);
}

Field Dataset::rowField(int row, const QString& name) const {
    const int c = requireColumn(name);
    if (row < 0 || row >= int(m_rows.size())) return Field();
    return Field(m_rows[size_t(row)].at(c));
}

void Dataset::setPos(int pos) {
    const int old = m_pos;
    m_pos = pos;
    if (old == pos) return;
    if (controlsDisabled()) m_scrollPending = true;
    else emit scrolled();
}

void Dataset::first() {
    m_eof = m_visible.empty();
    setPos(m_visible.empty() ? -1 : 0);
}

void Dataset::last() {
    fetchAll();
    m_eof = true;
    setPos(m_visible.empty() ? -1 : int(m_visible.size()) - 1);
}

void Dataset::next() {
    while (m_pos + 1 >= int(m_visible.size()) && canFetchMore()) fetchMore();
    if (m_visible.empty()) {
        m_eof = true;
        return;
    }
    if (m_pos + 1 >= int(m_visible.size())) {
        m_eof = true;
        return;
    }
    m_eof = false;
    setPos(m_pos + 1);
}

bool Dataset::moveTo(int row) {
    if (row < 0 || row >= int(m_visible.size())) return false;
    m_eof = false;
    setPos(row);
    return true;
}

QMetaType Dataset::columnType(int column) const {
    return column >= 0 && column < m_types.size() ? m_types.at(column) : QMetaType();
}

int Dataset::columnIndex(const QString& name) const {
    // Names are looked up for every row by calculated fields and lists: remember
    // each name as it was asked for.
    const auto hit = m_columnCache.constFind(name);
    if (hit != m_columnCache.constEnd()) return hit.value();
    int found = -1;
    for (int i = 0; i < m_columns.size() && found < 0; ++i)
        if (m_columns.at(i).compare(name, Qt::CaseInsensitive) == 0) found = i;
    m_columnCache.insert(name, found);
    return found;
}

int Dataset::requireColumn(const QString& name) const {
    const int c = columnIndex(name);
    if (c < 0) throw DbError(QStringLiteral("Brak pola %1 w zbiorze danych.").arg(name), m_sql);
    return c;
}

const QVector<QVariant>* Dataset::currentRow() const {
    if (m_pos < 0 || m_pos >= int(m_visible.size())) return nullptr;
    return &m_rows[size_t(rawIndex(m_pos))];
}

Field Dataset::field(const QString& name) const {
    const int c = requireColumn(name);
    return field(c);
}

Field Dataset::field(int column) const {
    const QVector<QVariant>* row = currentRow();
    if (!row || column < 0 || column >= row->size()) return Field();
    return Field(row->at(column));
}

Field Dataset::fieldAt(int row, const QString& name) const {
    const int c = requireColumn(name);
    return fieldAt(row, c);
}

Field Dataset::fieldAt(int row, int column) const {
    if (row < 0 || row >= int(m_visible.size())) return Field();
    const auto& r = m_rows[size_t(rawIndex(row))];
    if (column < 0 || column >= r.size()) return Field();
    return Field(r.at(column));
}

const QVariant& Dataset::valueAt(int row, int column) const {
    static const QVariant none;
    if (row < 0 || row >= int(m_visible.size())) return none;
    const auto& r = m_rows[size_t(rawIndex(row))];
    return column >= 0 && column < r.size() ? r.at(column) : none;
}

static bool sameValue(const QVariant& a, const QVariant& b) {
    if (a.isNull() || b.isNull()) return a.isNull() && b.isNull();
    const int ta = a.metaType().id();
    const int tb = b.metaType().id();
    const bool na = ta == QMetaType::Int || ta == QMetaType::LongLong || ta == QMetaType::Short ||
                    ta == QMetaType::Double || ta == QMetaType::UInt;
    const bool nb = tb == QMetaType::Int || tb == QMetaType::LongLong || tb == QMetaType::Short ||
                    tb == QMetaType::Double || tb == QMetaType::UInt;
    if (na && nb) return a.toDouble() == b.toDouble();
    if (ta == QMetaType::QByteArray) return QString::fromUtf8(a.toByteArray()) == b.toString();
    return a.toString() == b.toString();
}

bool Dataset::locate(const QString& column, const QVariant& value) {
    const int i = find(column, value);
    if (i < 0) return false;
    m_eof = false;
    setPos(i);
    return true;
}

int Dataset::find(const QString& column, const QVariant& value) {
    const int c = columnIndex(column);
    if (c < 0) return -1;
    for (int i = 0;; ++i) {
        while (i >= int(m_visible.size())) {
            if (!canFetchMore()) return -1;
            fetchMore();
        }
        if (sameValue(m_rows[size_t(rawIndex(i))].at(c), value)) return i;
    }
}

bool Dataset::passesFilter(const QVector<QVariant>& row) const {
    const int c = m_filterColumn.isEmpty() ? -1 : columnIndex(m_filterColumn);
    if (c < 0) return true;
    const QString v = Field(row.at(c)).asString();
    return m_filterExact ? v == m_filterPrefix : v.startsWith(m_filterPrefix);
}

bool Dataset::skipped(const QVector<QVariant>& row) const {
    for (const auto& [column, value] : m_skip)
        if (sameValue(row.at(column), value)) return true;
    return false;
}

bool Dataset::sortsBefore(const QVector<QVariant>& a, const QVector<QVariant>& b) const {
    for (int c : m_orderColumns) {
        const double x = a.at(c).toDouble(), y = b.at(c).toDouble();
        if (x != y) return x < y;
    }
    return false;
}

int Dataset::fetchMore(int rows) {
    if (!m_open || !canFetchMore()) return 0;
    const int wanted = rows > 0 ? rows : (m_fetchBlock > 0 ? m_fetchBlock : 100);
    std::vector<QVector<QVariant>> read;
    if (m_cursor) {
        bool more = true;
        try {
            m_conn->readMore(*m_cursor, m_sql, [&](QSqlQuery& q) {
                while (int(read.size()) < wanted && (more = q.next())) {
                    QVector<QVariant> row(m_queryColumns + int(m_calc.size()));
                    for (int i = 0; i < m_queryColumns; ++i) row[i] = q.value(i);
                    if (!skipped(row)) read.push_back(std::move(row));
                }
            });
        } catch (...) {
            // A statement that failed (a lost connection) reads nothing more.
            m_cursor.reset();
            throw;
        }
        if (!more) m_cursor.reset();
    }
    // The merged rows that sort before a row read now (all of them at the end).
    std::vector<QVector<QVariant>> rowsIn;
    rowsIn.reserve(read.size() + m_pending.size());
    size_t pending = 0;
    for (QVector<QVariant>& row : read) {
        while (pending < m_pending.size() && sortsBefore(m_pending[pending], row)) rowsIn.push_back(std::move(m_pending[pending++]));
        rowsIn.push_back(std::move(row));
    }
    if (!m_cursor) while (pending < m_pending.size()) rowsIn.push_back(std::move(m_pending[pending++]));
    m_pending.erase(m_pending.begin(), m_pending.begin() + qsizetype(pending));
    if (!m_cursor) m_skip.clear();
    if (rowsIn.empty()) return 0;

    const int firstRaw = int(m_rows.size());
    std::vector<int> shown;
    for (size_t k = 0; k < rowsIn.size(); ++k) {
        m_rows.push_back(std::move(rowsIn[k]));
        computeRow(firstRaw + int(k));
        if (passesFilter(m_rows.back())) shown.push_back(firstRaw + int(k));
    }
    if (!shown.empty()) {
        const int first = int(m_visible.size());
        emit rowsAboutToBeInserted(first, first + int(shown.size()) - 1);
        m_visible.insert(m_visible.end(), shown.begin(), shown.end());
        emit rowsInserted();
        // A list that was empty stands on its first row now.
        if (m_pos < 0) {
            m_eof = false;
            setPos(0);
        }
    }
    return int(rowsIn.size());
}

void Dataset::fetchAll() {
    while (canFetchMore()) fetchMore(1000);
}

void Dataset::insertRaw(int at, QVector<QVariant> row) {
    const bool shown = passesFilter(row);
    // Where it stands among the visible rows.
    int visibleAt = 0;
    while (visibleAt < int(m_visible.size()) && m_visible[size_t(visibleAt)] < at) ++visibleAt;
    if (shown) emit rowsAboutToBeInserted(visibleAt, visibleAt);
    m_rows.insert(m_rows.begin() + at, std::move(row));
    computeRow(at);
    for (int& raw : m_visible)
        if (raw >= at) ++raw;
    if (m_editRaw >= at) ++m_editRaw;
    if (shown) {
        m_visible.insert(m_visible.begin() + visibleAt, at);
        if (m_pos >= visibleAt) ++m_pos;
        emit rowsInserted();
        if (m_pos < 0) {
            m_eof = false;
            setPos(0);
        }
    }
}

void Dataset::mergeRows(const QString& sql, const Params& params, const QStringList& orderColumns,
                        const QString& keyColumn) {
    if (!m_open) return;
    const int key = requireColumn(keyColumn);
    m_orderColumns.clear();
    for (const QString& c : orderColumns) m_orderColumns.push_back(requireColumn(c));
    std::vector<QVector<QVariant>> read;
    m_conn->read(sql, params, [&](QSqlQuery& q) {
        if (q.record().count() != m_queryColumns)
            throw DbError(QStringLiteral("Zapytanie nie zwraca kolumn zbioru danych."), sql);
        while (q.next()) {
            QVector<QVariant> row(m_queryColumns + int(m_calc.size()));
            for (int i = 0; i < m_queryColumns; ++i) row[i] = q.value(i);
            read.push_back(std::move(row));
        }
    });
    for (QVector<QVariant>& row : read) {
        // A row held already takes the new values.
        int held = -1;
        for (int r = 0; r < int(m_rows.size()) && held < 0; ++r)
            if (sameValue(m_rows[size_t(r)].at(key), row.at(key))) held = r;
        if (held >= 0) {
            for (int i = 0; i < m_queryColumns; ++i) m_rows[size_t(held)][i] = row.at(i);
            computeRow(held);
            for (int v = 0; v < int(m_visible.size()); ++v)
                if (m_visible[size_t(v)] == held) emit rowChanged(v);
            continue;
        }
        // A new row: before the first row read that sorts after it; after all of them
        // when none does and nothing is left to read; else it waits for its place.
        // Its older reading, should the statement still bring one, is skipped.
        if (m_cursor) m_skip.emplace_back(key, row.at(key));
        int at = 0;
        while (at < int(m_rows.size()) && !sortsBefore(row, m_rows[size_t(at)])) ++at;
        if (at < int(m_rows.size()) || !m_cursor) {
            insertRaw(at, std::move(row));
        } else {
            auto place = m_pending.begin();
            while (place != m_pending.end() && !sortsBefore(row, *place)) ++place;
            m_pending.insert(place, std::move(row));
        }
    }
}

void Dataset::applyFilter() {
    m_visible.clear();
    const int c = m_filterColumn.isEmpty() ? -1 : columnIndex(m_filterColumn);
    for (int r = 0; r < int(m_rows.size()); ++r) {
        if (c >= 0) {
            const QString v = Field(m_rows[size_t(r)].at(c)).asString();
            if (m_filterExact ? v != m_filterPrefix : !v.startsWith(m_filterPrefix)) continue;
        }
        m_visible.push_back(r);
    }
}

void Dataset::setPrefixFilter(const QString& column, const QString& pattern) {
    m_filterColumn = column;
    const qsizetype star = pattern.indexOf('*');
    m_filterExact = star < 0;
    m_filterPrefix = star < 0 ? pattern : pattern.left(star);
    applyFilter();
    first();
}

void Dataset::clearFilter() {
    m_filterColumn.clear();
    m_filterPrefix.clear();
    applyFilter();
    first();
}

int Dataset::removeRows(const QString& column, const QVariant& value, bool unique) {
    const int c = columnIndex(column);
    if (!m_open || c < 0) return 0;
    // Rows still to be read (or merged) come without it.
    if (m_cursor) m_skip.emplace_back(c, value);
    m_pending.erase(std::remove_if(m_pending.begin(), m_pending.end(),
                                   [&](const QVector<QVariant>& row) { return sameValue(row.at(c), value); }),
                    m_pending.end());
    int removed = 0;
    bool currentRemoved = false;
    int pos = m_pos;
    if (unique) {
        // One row at most: looked for from the current row outward (a deleted row is
        // nearly always the current one or near it), so that a long list is not
        // read through.
        const int n = int(m_rows.size());
        const int from = m_pos >= 0 ? rawIndex(m_pos) : 0;
        int hit = -1;
        for (int k = 0; k < 2 * n + 1 && hit < 0; ++k) {
            const int r = k % 2 == 0 ? from + k / 2 : from - (k + 1) / 2;
            if (r >= 0 && r < n && sameValue(m_rows[size_t(r)].at(c), value)) hit = r;
        }
        if (hit < 0) return 0;
        int shown = -1;
        for (int i = 0; i < int(m_visible.size()); ++i) {
            int& raw = m_visible[size_t(i)];
            if (raw == hit) shown = i;
            else if (raw > hit) --raw;
        }
        if (shown >= 0) {
            m_visible.erase(m_visible.begin() + shown);
            currentRemoved = shown == m_pos;
            if (shown < m_pos) --pos;
        }
        m_rows.erase(m_rows.begin() + hit);
        removed = 1;
    } else {
        // The new raw index of every row, -1 for a removed one.
        std::vector<int> moved(m_rows.size(), -1);
        int kept = 0;
        for (size_t r = 0; r < m_rows.size(); ++r)
            if (!sameValue(m_rows[r].at(c), value)) moved[r] = kept++;
        removed = int(m_rows.size()) - kept;
        if (removed == 0) return 0;

        // The visible rows that stay, and where the current one (or the row after it)
        // ends up among them.
        currentRemoved = m_pos >= 0 && moved[size_t(rawIndex(m_pos))] < 0;
        pos = -1;
        std::vector<int> visible;
        visible.reserve(m_visible.size());
        for (int i = 0; i < int(m_visible.size()); ++i) {
            if (i == m_pos) pos = int(visible.size());
            const int raw = moved[size_t(m_visible[size_t(i)])];
            if (raw >= 0) visible.push_back(raw);
        }
        size_t to = 0;
        for (size_t r = 0; r < m_rows.size(); ++r)
            if (moved[r] >= 0) m_rows[to++] = std::move(m_rows[r]);
        m_rows.resize(to);
        m_visible = std::move(visible);
    }
    if (pos >= int(m_visible.size())) pos = int(m_visible.size()) - 1;
    if (currentRemoved && m_state == State::Edit) cancel();

    m_pos = pos;
    if (currentRemoved || m_visible.empty()) m_eof = m_visible.empty();
    emit rowsRemoved();
    if (currentRemoved) {
        if (controlsDisabled()) m_scrollPending = true;
        else emit scrolled();
    }
    return removed;
}

void Dataset::setMaster(Dataset* master, const QString& masterColumn, const QString& paramName) {
    if (m_master) disconnect(m_master, nullptr, this, nullptr);
    m_master = master;
    m_masterColumn = masterColumn;
    m_masterParam = paramName;
    if (!master) return;
    connect(master, &Dataset::scrolled, this, [this]() { followMaster(false); });
    connect(master, &Dataset::opened, this, [this]() { followMaster(true); });
    connect(master, &Dataset::closed, this, [this]() { close(); });
}

void Dataset::followMaster(bool reopened) {
    if (reopened) m_masterStale = true;
    if (!m_master->isOpen()) {
        close();
        return;
    }
    // A master whose controls are disabled is being repositioned: its scrolled()
    // follows when they are enabled again.
    if (m_master->controlsDisabled()) return;
    const QVariant key = m_master->isEmpty() ? QVariant() : m_master->value(m_masterColumn);
    const QVariant current = m_params.value(m_masterParam);
    if (!m_masterStale && m_open && sameValue(key, current)) return;
    m_masterStale = false;
    m_params.set(m_masterParam, key);
    open();
}

int Dataset::columnLength(int column) const {
    return column >= 0 && column < m_lengths.size() ? m_lengths.at(column) : 0;
}

void Dataset::setUpdateTable(const QString& table, const QString& keyColumn) {
    m_updateTable = table;
    m_keyColumn = keyColumn;
}

void Dataset::edit() {
    if (!canModify()) throw DbError(QStringLiteral("Zbiór danych tylko do odczytu."), m_sql);
    if (!currentRow()) throw DbError(QStringLiteral("Brak wiersza do zmiany."), m_sql);
    m_state = State::Edit;
    m_editRaw = rawIndex(m_pos);
    m_edits.clear();
}

void Dataset::append() {
    if (!canModify()) throw DbError(QStringLiteral("Zbiór danych tylko do odczytu."), m_sql);
    m_state = State::Insert;
    m_editRaw = -1;
    m_edits.clear();
}

int Dataset::editedRow() const {
    if (m_state != State::Edit) return -1;
    for (int i = 0; i < int(m_visible.size()); ++i)
        if (m_visible[size_t(i)] == m_editRaw) return i;
    return -1;
}

void Dataset::setValue(const QString& column, const QVariant& value) {
    if (m_state == State::Browse) throw DbError(QStringLiteral("Wiersz nie jest zmieniany."), m_sql);
    for (auto& e : m_edits)
        if (e.first.compare(column, Qt::CaseInsensitive) == 0) {
            e.second = value;
            return;
        }
    m_edits.emplace_back(column.toUpper(), value);
}

QVariant Dataset::editValue(const QString& column) const {
    for (const auto& e : m_edits)
        if (e.first.compare(column, Qt::CaseInsensitive) == 0) return e.second;
    if (m_state == State::Insert) return QVariant();
    const int c = columnIndex(column);
    if (c < 0) return QVariant();
    if (m_state == State::Edit) return m_rows[size_t(m_editRaw)].at(c);
    return field(c).variant();
}

void Dataset::post() {
    if (m_state == State::Browse) return;
    // Every value converted for its column before anything is written; a value that
    // its column cannot take is refused (ValueRefused) and stays pending.
    RowValues values;
    for (size_t i = 0; i < m_edits.size(); ++i)
        values << ColumnValue{m_edits[i].first, m_edits[i].second, false, QStringLiteral("V%1").arg(i)};
    const QList<BoundValue> bound =
        values.isEmpty() ? QList<BoundValue>() : m_conn->columnTypes().convert(m_updateTable, values);
    Params p;
    QStringList names;
    QStringList marks;
    for (const BoundValue& b : bound) {
        names << b.column;
        if (b.value.isNull()) {
            marks << QStringLiteral("NULL");
        } else {
            marks << QLatin1Char(':') + b.param;
            p.set(b.param, b.value);
        }
    }
    if (m_state == State::Insert) {
        if (!names.isEmpty())
            m_conn->execute(QStringLiteral("INSERT INTO ") + m_updateTable + QStringLiteral(" (") +
                                names.join(QLatin1Char(',')) + QStringLiteral(") VALUES (") +
                                marks.join(QLatin1Char(',')) + QLatin1Char(')'),
                            p);
        m_state = State::Browse;
        m_edits.clear();
        emit posted(-1);
        return;
    }
    auto& row = m_rows[size_t(m_editRaw)];
    if (!names.isEmpty()) {
        QStringList sets;
        for (int i = 0; i < names.size(); ++i) sets << names.at(i) + QLatin1Char('=') + marks.at(i);
        p.set(QStringLiteral("Klucz"), row.at(requireColumn(m_keyColumn)));
        const QString sql = QStringLiteral("UPDATE ") + m_updateTable + QStringLiteral(" SET ") +
                            sets.join(QLatin1Char(',')) + QStringLiteral(" WHERE ") + m_keyColumn +
                            QStringLiteral("=:Klucz");
        // The row must still be there, and be the only one with its key.
        std::optional<Transaction> transaction;
        if (!m_conn->inTransaction()) transaction.emplace(*m_conn);
        if (m_conn->execute(sql, p) != 1) throw DbError(recordGoneMessage(), sql);
        if (transaction) transaction->commit();
        for (const BoundValue& b : bound) {
            const int c = columnIndex(b.column);
            if (c >= 0 && c < m_queryColumns) row[c] = b.value.isNull() ? QVariant(columnType(c)) : b.value;
        }
    }
    const int shown = editedRow();
    m_state = State::Browse;
    m_edits.clear();
    emit posted(shown);
}

void Dataset::cancel() {
    m_state = State::Browse;
    m_edits.clear();
}

} // namespace zort
