#include "attachments/AttachmentBook.h"

#include "db/Dataset.h"
#include "domain/AttachmentStore.h"
#include "db/ColumnTypes.h"
#include "domain/DataModForm.h"

#include <algorithm>

namespace zort {
namespace {

const QString kTyp = QStringLiteral("TYP");

bool isColumn(const QString& a, const QString& b) { return a.trimmed().compare(b, Qt::CaseInsensitive) == 0; }

QList<AttachmentStore::NumberSource> numberSources(const std::vector<AttachmentKind>& kinds) {
    QList<AttachmentStore::NumberSource> sources;
    for (const AttachmentKind& k : kinds) sources.append({k.table, k.numberColumn});
    return sources;
}

} // namespace

const std::vector<AttachmentKind>& documentAttachmentKinds() {
    static const std::vector<AttachmentKind> kinds = [] {
        std::vector<AttachmentKind> v(3);
        AttachmentKind& own = v[0];
        own.datasetName = QStringLiteral("qryZalaczniki");
        own.table = QStringLiteral("SKWZALACZNIKI");
        own.listSql = QStringLiteral("select * from skwzalaczniki where idwypadku = :id_w and idprotokolu = :id_p order by id");
        own.saveSelector = QLatin1Char('w');
        own.loadSelector = QLatin1Char('0');
        own.memoDigits = 0;
        own.numberColumn = QStringLiteral("ID");
        own.keyColumns = {QStringLiteral("ID"), QStringLiteral("IDWYPADKU"), QStringLiteral("IDPROTOKOLU")};
        own.typed = false;
        own.pageAfterAdd = 0;
        own.printKind = QStringLiteral("WypZalWlasne");
        own.memoParams = {{QStringLiteral("OPIS"), QStringLiteral("Tresc")}};

        AttachmentKind& hearing = v[1];
        hearing.datasetName = QStringLiteral("qrySKWPrzesluchanie");
        hearing.table = QStringLiteral("SKWPRZESLUCHANIE");
        hearing.listSql =
            QStringLiteral("select * from skwprzesluchanie  where idprotokolu=:id_p and idwypadku=:id_w order by numer");
        hearing.saveSelector = QLatin1Char('p');
        hearing.loadSelector = QLatin1Char('9');
        hearing.memoDigits = 0;
        hearing.numberColumn = QStringLiteral("NUMER");
        hearing.keyColumns = {QStringLiteral("ID")};
        hearing.typed = true;
        hearing.pageAfterAdd = 0;  // "Dane osobowe"
        hearing.printKind = QStringLiteral("WypZalPrzesl");
        hearing.memoParams = {{QStringLiteral("ZEZNANIE"), QStringLiteral("Tresc")}};

        AttachmentKind& order = v[2];
        order.datasetName = QStringLiteral("qrySKWPolecenie");
        order.table = QStringLiteral("SKWPOLECENIE");
        order.listSql =
            QStringLiteral("select * from skwpolecenie  where idprotokolu=:id_p and idwypadku=:id_w order by numer");
        order.saveSelector = QLatin1Char('n');
        order.loadSelector = QLatin1Char('8');
        order.memoDigits = 1;
        order.numberColumn = QStringLiteral("NUMER");
        order.keyColumns = {QStringLiteral("ID")};
        order.typed = true;
        order.pageAfterAdd = 0;  // "Dane ogólne"
        order.printKind = QStringLiteral("WypZalPolec");
        // Memo slots 1..7: "mnPodTytul1" ... "mnOtrzymuja7"; each binds under the
        // lower-case name of its column.
        order.slotParams = {QStringLiteral("podtytul"),  QStringLiteral("tresc"), QStringLiteral("odpowiedzialny"),
                            QStringLiteral("termin"),    QStringLiteral("przyczyny"), QStringLiteral("uwagi"),
                            QStringLiteral("otrzymuja")};
        for (const QString& p : order.slotParams) order.memoParams.insert(p.toUpper(), p);
        return v;
    }();
    return kinds;
}

const std::vector<AttachmentKind>& otherAttachmentKinds() {
    static const std::vector<AttachmentKind> kinds = [] {
        std::vector<AttachmentKind> v(3);
        AttachmentKind& hearing = v[OtherHearing];
        hearing.datasetName = QStringLiteral("qryPrzesluchanie_Policja");
        hearing.table = QStringLiteral("WYPOPER_PRZESLUCHANIE");
        hearing.listSql = QStringLiteral(
            "select * from WypOper_PRZESLUCHANIE where idprotokolu=:id_p and idwypadku=:id_w order by numer");
        hearing.saveSelector = QLatin1Char('f');
        hearing.numberColumn = QStringLiteral("NUMER");
        hearing.keyColumns = {QStringLiteral("ID")};
        hearing.typed = true;
        hearing.pageAfterAdd = 0;  // "cz. 1"
        hearing.printKind = QStringLiteral("WypZalPrzeslPol");
        hearing.memoParams = {{QStringLiteral("ZEZNANIE"), QStringLiteral("Tresc")}};

        AttachmentKind& inspection = v[OtherInspection];
        inspection.datasetName = QStringLiteral("qryOgledziny_Policja");
        inspection.table = QStringLiteral("WYPOPER_OGLEDZINY");
        inspection.listSql =
            QStringLiteral("select * from WypOper_OGLEDZINY where idprotokolu=:id_p and idwypadku=:id_w order by numer");
        inspection.saveSelector = QLatin1Char('o');
        inspection.bindsChoices = true;  // rgoRODZOGL
        inspection.memoDigits = 1;
        inspection.numberColumn = QStringLiteral("NUMER");
        inspection.keyColumns = {QStringLiteral("ID")};
        inspection.pageAfterAdd = 0;  // "cz. 1"
        inspection.printKind = QStringLiteral("WypZalOgledzPol");
        // Memo slots 1..6: "moRODZOGL_OPIS1" ... "moZabezpieczono6".
        inspection.slotParams = {QStringLiteral("RodzOgl_Opis"), QStringLiteral("Stwierdzono"),
                                 QStringLiteral("Uczestnicy"),   QStringLiteral("Przebieg"),
                                 QStringLiteral("Utrwalenie"),   QStringLiteral("Zabezpieczono")};
        for (const QString& p : inspection.slotParams) inspection.memoParams.insert(p.toUpper(), p);

        AttachmentKind& own = v[OtherOwn];
        own.datasetName = QStringLiteral("qryZalaczniki_Policja");
        own.table = QStringLiteral("WYPOPER_ZALACZNIKI");
        own.listSql = QStringLiteral(
            "select * from WypOper_Zalaczniki where idprotokolu=:id_p and idwypadku=:id_w order by id");
        own.saveSelector = QLatin1Char('w');
        own.numberColumn = QStringLiteral("ID");
        own.keyColumns = {QStringLiteral("ID"), QStringLiteral("IDWYPADKU"), QStringLiteral("IDPROTOKOLU")};
        own.printKind = QStringLiteral("WypZalWlasnePol");
        own.memoParams = {{QStringLiteral("OPIS"), QStringLiteral("Tresc")}};
        return v;
    }();
    return kinds;
}

AttachmentBook::AttachmentBook(TDataModForm& dm, std::vector<AttachmentKind> kinds, QObject* parent)
    : QObject(parent), m_dm(dm), m_kinds(std::move(kinds)) {
    for (const AttachmentKind& k : m_kinds) {
        Dataset* list = m_dm.dataset(k.datasetName);
        if (!list) {
            // A kind of a window whose list the data module does not hold yet.
            list = new Dataset(&m_dm.KartyDB(), k.listSql, &m_dm);
            list->setParams(Params{{"ID_W", 0}, {"ID_P", 0}});
            m_dm.addDataset(k.datasetName, list, true);
        }
        m_lists.push_back(list);
    }
}

AttachmentBook::~AttachmentBook() {
    if (m_open) {
        try {
            close();
        } catch (...) {
        }
    }
}

Dataset* AttachmentBook::list(int kind) const {
    return kind >= 0 && kind < int(m_lists.size()) ? m_lists[size_t(kind)] : nullptr;
}

void AttachmentBook::open(const AttachmentOwner& owner, bool editable) {
    if (m_open) close();
    m_owner = owner;
    m_editable = editable;
    m_dm.setAttachmentOwner(owner.accident, owner.protocol);
    for (Dataset* l : m_lists) m_dm.openAttachmentList(l);
    m_open = true;
    m_dm.setAttachmentSaveOnMove(true);
    for (int k = 0; k < kindCount(); ++k) emit rowChanged(k);
}

void AttachmentBook::close() {
    m_dm.setAttachmentSaveOnMove(false);
    m_open = false;
    const bool was = m_dm.attachmentsReopening();
    m_dm.setAttachmentsReopening(true);
    for (Dataset* l : m_lists) l->close();
    m_dm.setAttachmentsReopening(was);
    m_dm.setAttachmentOwner(0, 0);
}

int AttachmentBook::currentId(int kind) const {
    const Dataset* l = list(kind);
    if (!m_open || !l || !l->isOpen() || l->isEmpty() || l->recNo() < 0) return 0;
    return l->field(QStringLiteral("ID")).asInt();
}

bool AttachmentBook::filled(const ColumnValue& v) {
    if (v.value.isNull() || !v.value.isValid()) return false;
    if (v.value.metaType().id() == QMetaType::QString) return !v.value.toString().isEmpty();
    if (isColumn(v.column, kTyp)) return v.value.toInt() != -1;
    return true;
}

void AttachmentBook::reopenOnSameRow(int kind) {
    Dataset* l = list(kind);
    const int id = currentId(kind);
    m_dm.reopenAttachmentList(l, QStringLiteral("ID"), id ? QVariant(id) : QVariant());
}

bool AttachmentBook::save(BadDate* badDate) { return saveRows(-1, badDate); }

bool AttachmentBook::saveRows(int skipKind, BadDate* badDate) {
    m_failures.clear();
    if (!m_open || !m_editable || !m_collect) return true;
    AttachmentStore& store = m_dm.attachmentStore();

    // What the window holds of each current row.
    std::vector<std::pair<int, Pending>> pending;
    for (int k = 0; k < kindCount(); ++k)
        if (currentId(k) > 0) pending.emplace_back(k, m_collect(k));

    // Every date first: a bad one stops the save before anything is written.
    for (const auto& [k, p] : pending) {
        if (k == skipKind) continue;
        const QString& table = m_kinds[size_t(k)].table;
        for (const ColumnValue& v : p.values) {
            if (!filled(v)) continue;
            const ColumnType* type = store.column(table, v.column.trimmed());
            if (!type || (type->kind != ColumnType::Kind::Date && type->kind != ColumnType::Kind::Timestamp)) continue;
            try {
                ColumnTypes::convert(*type, v.value, table, v.column);
            } catch (const ValueRefused&) {
                if (badDate) *badDate = BadDate{k, v.column.trimmed().toUpper()};
                return false;
            }
        }
    }

    // The rows to write: a filled field or a change by the user.
    QList<AttachmentStore::RowUpdate> rows;
    std::vector<int> written;
    for (const auto& [k, p] : pending) {
        if (k == skipKind) continue;
        const bool anyFilled = std::any_of(p.values.begin(), p.values.end(), [](const ColumnValue& v) { return filled(v); });
        if (!anyFilled && !p.touched) continue;
        const AttachmentKind& kind = m_kinds[size_t(k)];
        AttachmentStore::RowUpdate row;
        row.table = kind.table;
        row.keyColumns = kind.keyColumns;
        for (const QString& c : kind.keyColumns) row.key << list(k)->value(c);
        for (ColumnValue v : p.values) {
            if (kind.typed && isColumn(v.column, kTyp) && (!filled(v) || v.value.toInt() < 0)) v.value = 0;
            if (v.blob && v.param.isEmpty()) v.param = kind.memoParams.value(v.column.trimmed().toUpper());
            row.values << v;
        }
        rows << row;
        written.push_back(k);
    }
    if (rows.isEmpty()) return true;

    const QList<AttachmentStore::RowFailure> failed = store.save(rows);
    for (int i = 0; i < int(written.size()); ++i) {
        const auto f = std::find_if(failed.begin(), failed.end(),
                                    [i](const AttachmentStore::RowFailure& r) { return r.index == i; });
        if (f != failed.end()) {
            // Left as it was: the window keeps what was typed.
            m_failures.append({written[size_t(i)], f->column, f->reason});
            continue;
        }
        reopenOnSameRow(written[size_t(i)]);
        emit rowChanged(written[size_t(i)]);
    }
    return m_failures.isEmpty();
}

bool AttachmentBook::moveTo(int kind, int row, BadDate* badDate) {
    m_failures.clear();
    Dataset* l = list(kind);
    if (!m_open || !l || row < 0 || row >= l->recordCount()) return false;
    if (row == l->recNo()) return true;
    if (m_dm.attachmentSaveOnMove() && !m_dm.attachmentsReopening() && m_editable && !save(badDate)) return false;
    l->moveTo(row);
    emit rowChanged(kind);
    return true;
}

int AttachmentBook::nextNumber() const {
    if (!m_open) return 0;
    return m_dm.attachmentStore().nextNumber(numberSources(m_kinds), m_owner.accident, m_owner.protocol);
}

int AttachmentBook::add(int kind, BadDate* badDate) {
    m_failures.clear();
    Dataset* l = list(kind);
    if (!m_open || !m_editable || !l) return 0;
    if (!save(badDate)) return 0;
    const AttachmentKind& k = m_kinds[size_t(kind)];
    m_dm.addAttachmentRow(l, k.table, k.numberIsKey(), k.typed, numberSources(m_kinds));
    const int number = l->isEmpty() ? 0 : l->field(k.numberColumn).asInt();
    emit rowChanged(kind);
    return number;
}

bool AttachmentBook::remove(int kind, BadDate* badDate) {
    m_failures.clear();
    Dataset* l = list(kind);
    if (!m_open || !m_editable || !l || currentId(kind) == 0) return false;
    if (!saveRows(kind, badDate)) return false;
    const AttachmentKind& k = m_kinds[size_t(kind)];
    if (!m_dm.deleteAttachmentRow(l, k.table, k.keyColumns)) return false;
    emit rowChanged(kind);
    return true;
}

} // namespace zort
