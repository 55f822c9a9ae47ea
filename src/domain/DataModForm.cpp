#include "domain/DataModForm.h"
#include "domain/ReportDatasets.h"

#include "core/AdmSettings.h"
#include "core/AppContext.h"
#include "core/Clock.h"
#include "core/Formats.h"
#include "core/Forms.h"
#include "core/MyIniFile.h"
#include "core/Session.h"
#include "domain/Takes.h"
#include "core/UserInterface.h"
#include "db/AliasFile.h"
#include "db/DatabaseBuilder.h"
#include "domain/Dictionaries.h"

#include <QLocale>
#include <QSqlQuery>
#include <QRegularExpression>
#include <algorithm>

namespace zort {
namespace {

// Sets a flag for the length of a scope.
class FlagScope {
public:
    explicit FlagScope(bool& flag) : m_flag(flag) { m_flag = true; }
    ~FlagScope() { m_flag = false; }

private:
    bool& m_flag;
};

// GODZRZ of a new commuting accident: the current time in the time format of the
// configured date format, a single blank without that setting.
QString commutingHour(const QDateTime& now) {
    const QString format = hasAppIni() ? appIni().global(QStringLiteral("FormDaty")).trimmed() : QString();
    if (format.isEmpty()) return QStringLiteral(" ");
    return QLocale::c().toString(now.time(), QStringLiteral("h:mm:ss"));
}

QString commutingFailureMessage(const QString& error, const NewRecord& rec, const NewRecordStamp& s) {
    const QString br = QStringLiteral("\n\r");
    return error + br + br + QStringLiteral("IDWypadkuWDrodze: ") + QString::number(rec.id) + br +
           QStringLiteral("NumerwRoku: ") + QString::number(rec.number) + br + QStringLiteral("DataOdnT: ") +
           Formats::date(s.reference) + QLatin1Char(' ') + Formats::time(s.now) + br + QStringLiteral("czas: ") +
           Formats::time(s.now) + br + QStringLiteral("dataOdn: ") + Formats::dateTime(s.reference) + br +
           QStringLiteral("dataNow: ") + Formats::date(s.now) + br + QStringLiteral("compname: ") + s.computer;
}

} // namespace

TDataModForm::TDataModForm(QObject* parent)
    : QObject(parent), m_db(std::make_unique<Connection>(QStringLiteral("KARTY"))), m_store(*m_db), m_attachmentStore(*m_db) {
    setupDatasets();
    connectReactions();
    try {
        const QString alias = appIni().ReadAliasName(0);
        const QString aliases = appContext().aliasFilePath();
        const AliasFile::Login login =
            AliasFile(aliases).login(alias, QString::fromLatin1(kDbUser), QString::fromLatin1(kDbPassword));
        m_db->openAlias(alias, aliases, login.user, login.password);
        create();
    } catch (const DbError& e) {
        logMessage(QStringLiteral("error"), e.message());
        requestTerminate(ExitFatal);
    }
}

TDataModForm::TDataModForm(std::unique_ptr<Connection> connection, QObject* parent)
    : QObject(parent), m_db(std::move(connection)), m_store(*m_db), m_attachmentStore(*m_db) {
    setupDatasets();
    connectReactions();
    create();
}

TDataModForm::~TDataModForm() {
    emit aboutToDestroy();
    // The lists that read on demand hold statements of the connection: they end
    // before it does.
    for (Dataset* list : {qrySKWWypadki, qryWypadkiWDrodze, qryWypadki_Policja}) list->close();
    DropStructureTable();
}

void TDataModForm::create() {
    m_registersMode = appContext().registersMode;
    m_uniformedServices = appContext().uniformedServices;
    const AdmSettings& settings = admSettings();
    m_symbolFlag = settings.symbolWyp;
    m_separator = settings.separator;
    APrzyczynyGQry->open();
    AZrodlaGQry->open();
    AChorL4GQry->open();
    m_referenceDate = Clock::now();
    m_quiet = m_addingAccident = false;
    appContext().readOnlyDatabase = Takes::databaseReadOnly(*m_db);
    if (Session::loggedIn()) m_deniedStructure = ReadDeniedStructure(*m_db, Session::user().id);
    // The visible-structure table cannot be made in a read-only database.
    if (personsRestricted() && !appContext().readOnlyDatabase) BuildStructureTable();
    m_ready = true;
}

// --- Access data ---------------------------------------------------------------------

bool TDataModForm::IsElementDenied(int id) const { return m_deniedStructure.contains(deniedEntry(id)); }

bool TDataModForm::personsRestricted() { return AccessRights::ofSession().personsRestricted(); }

void TDataModForm::BuildStructureTable() {
    DropStructureTable();
    const QSet<QString> denied(m_deniedStructure.cbegin(), m_deniedStructure.cend());
    const QList<int> visible =
        ReadVisibleStructure(*m_db, m_referenceDate, [&denied](int id) { return denied.contains(deniedEntry(id)); });
    const QString name = structuretable::Name(Clock::now().time(), structuretable::ConnectionNumber(*m_db));
    structuretable::Drop(*m_db, name);  // a leftover of this name
    structuretable::Create(*m_db, name, visible);
    m_structureTable = name;
    m_structureDate = m_referenceDate.date();
    emit structureTableBuilt();
}

void TDataModForm::DropStructureTable() {
    structuretable::Drop(*m_db, m_structureTable);
    m_structureTable.clear();
}

QString TDataModForm::personListSql(const QString& order, const QString& personTable) const {
    if (!personsRestricted()) return PersonListSql(personTable, order, QString());
    // Without its table a restricted list offers nobody.
    if (m_structureTable.isEmpty())
        return QStringLiteral("SELECT Distinct ODanOs.* FROM ") + personTable + QStringLiteral(" WHERE 1 = 0 ORDER BY ") + order;
    return PersonListSql(personTable, order, m_structureTable);
}

Params TDataModForm::personListParams() const {
    Params p;
    if (personsRestricted()) p.setDateTime(QStringLiteral("nowdata"), m_referenceDate);
    return p;
}

void TDataModForm::setupDatasets() {
    auto make = [this](const QString& sql) { return new Dataset(m_db.get(), sql, this); };
    qrySKWWypadki = make(registersql::accidentList(scope()));
    qrySKWPoszkodowani = make(registersql::personList());
    qryWypadkiWDrodze = make(registersql::commutingList(scope()));
    qryWypadki_Policja = make(registersql::otherList());
    qryPoszkodowani_Policja = make(registersql::otherPersonList());
    // The symbols the persons' numbers are read from, kept with their lists (before
    // the persons follow a newly opened list).
    auto keepSymbols = [](Dataset* list, QHash<qint64, QString>& symbols) {
        symbols.clear();
        const int id = list->requireColumn(QStringLiteral("ID"));
        const int symbol = list->requireColumn(QStringLiteral("SYMBOLWYP"));
        symbols.reserve(list->recordCount());
        for (int r = 0; r < list->recordCount(); ++r)
            symbols.insert(list->fieldAt(r, id).asInt(), list->fieldAt(r, symbol).asString());
    };
    connect(qrySKWWypadki, &Dataset::opened, this, [this, keepSymbols]() { keepSymbols(qrySKWWypadki, m_accidentSymbols); });
    connect(qryWypadki_Policja, &Dataset::opened, this,
            [this, keepSymbols]() { keepSymbols(qryWypadki_Policja, m_otherSymbols); });
    // The lists of a year read their rows as they are shown.
    for (Dataset* list : {qrySKWWypadki, qryWypadkiWDrodze, qryWypadki_Policja}) list->setFetchBlock(kListBlock);
    qrySKWPoszkodowani->setMaster(qrySKWWypadki, QStringLiteral("ID"), QStringLiteral("ID"));
    qryPoszkodowani_Policja->setMaster(qryWypadki_Policja, QStringLiteral("ID"), QStringLiteral("ID"));
    qryDanOs = make(QStringLiteral("select * from ODanOs"));

    APrzyczynyGQry = make(QStringLiteral("select * from skwprzyczynyG"));
    APrzyczynyQry = make(QStringLiteral("select * from skwprzyczyny where idgrupy=:id"));
    APrzyczynyQry->setMaster(APrzyczynyGQry, QStringLiteral("ID"), QStringLiteral("id"));
    AZrodlaGQry = make(QStringLiteral("select * from skwzrodlaG"));
    AZrodlaQry = make(QStringLiteral("select * from skwzrodla_1 where idgrupy=:id"));
    AZrodlaQry->setMaster(AZrodlaGQry, QStringLiteral("ID"), QStringLiteral("id"));
    AChorL4GQry = make(QStringLiteral("select * from skwchorl4G"));
    AChorL4Qry = make(QStringLiteral("select * from skwchorl4 where idgrchor=:id order by nazwa"));
    AChorL4Qry->setMaster(AChorL4GQry, QStringLiteral("ID"), QStringLiteral("id"));

    const std::pair<const char*, Dataset*> named[] = {
        {"qrySKWWypadki", qrySKWWypadki},       {"qrySKWPoszkodowani", qrySKWPoszkodowani},
        {"qryWypadkiWDrodze", qryWypadkiWDrodze}, {"qryWypadki_Policja", qryWypadki_Policja},
        {"qryPoszkodowani_Policja", qryPoszkodowani_Policja}, {"qryDanOs", qryDanOs},
        {"APrzyczynyGQry", APrzyczynyGQry},     {"APrzyczynyQry", APrzyczynyQry},
        {"AZrodlaGQry", AZrodlaGQry},           {"AZrodlaQry", AZrodlaQry},
        {"AChorL4GQry", AChorL4GQry},           {"AChorL4Qry", AChorL4Qry}};
    for (const auto& [name, ds] : named) addDataset(QString::fromLatin1(name), ds);

    // The attachments of a document, ordered by number.
    qryZalaczniki = make(QStringLiteral(
        "select * from skwzalaczniki where idwypadku = :id_w and idprotokolu = :id_p order by id"));
    qrySKWPrzesluchanie = make(QStringLiteral(
        "select * from skwprzesluchanie  where idprotokolu=:id_p and idwypadku=:id_w order by numer"));
    qrySKWPolecenie =
        make(QStringLiteral("select * from skwpolecenie  where idprotokolu=:id_p and idwypadku=:id_w order by numer"));
    const std::pair<Dataset*, int*> attachmentLists[] = {{qryZalaczniki, &m_currentOwnAttachmentId},
                                                         {qrySKWPrzesluchanie, &m_currentHearingId},
                                                         {qrySKWPolecenie, &m_currentOrderId}};
    for (const auto& [list, current] : attachmentLists) {
        list->setParams(Params{{"ID_W", 0}, {"ID_P", 0}});
        auto follow = [list = list, current = current]() {
            *current = list->isOpen() && !list->isEmpty() ? list->field(QStringLiteral("ID")).asInt() : 0;
        };
        connect(list, &Dataset::scrolled, this, follow);
        connect(list, &Dataset::opened, this, follow);
        connect(list, &Dataset::closed, this, follow);
    }
    addDataset(QStringLiteral("qryZalaczniki"), qryZalaczniki, true);
    addDataset(QStringLiteral("qrySKWPrzesluchanie"), qrySKWPrzesluchanie, true);
    addDataset(QStringLiteral("qrySKWPolecenie"), qrySKWPolecenie, true);
    addDictionaryDatasets(*this);
    reportds::addTo(*this);

    setupCalculatedFields();
    connect(qryDanOs, &Dataset::opened, this, [this]() {
        m_pesel.clear();
        for (int r = 0; r < qryDanOs->recordCount(); ++r)
            m_pesel.insert(qryDanOs->fieldAt(r, QStringLiteral("IDOSOBY")).asInt(),
                           qryDanOs->fieldAt(r, QStringLiteral("PESEL")).asString());
        m_peselStale = false;
    });
}

void TDataModForm::addAccidentNumberField(Dataset* accidents) {
    accidents->addCalculatedField(QStringLiteral("nr_symbol"), [this](const Dataset& d, int r) {
        return numberText(d.rowField(r, QStringLiteral("NUMER")), d.rowField(r, QStringLiteral("SYMBOLWYP")).asString());
    });
}

// The persons' numbers carry the symbol of their accident.
void TDataModForm::addPersonNumberFields(Dataset* persons, std::function<QString(qint64)> symbolOfAccident,
                                         bool withCardOfAccident) {
    auto symbolOf = [symbolOfAccident](const Dataset& d, int r) {
        return symbolOfAccident(d.rowField(r, QStringLiteral("IDWYPADKU")).asInt());
    };
    persons->addCalculatedField(QStringLiteral("nrKarty_symbol"), [this, symbolOf](const Dataset& d, int r) {
        return numberText(d.rowField(r, QStringLiteral("NUMERKARTY")), symbolOf(d, r));
    });
    persons->addCalculatedField(QStringLiteral("nrProt_symbol"), [this, symbolOf](const Dataset& d, int r) {
        return numberText(d.rowField(r, QStringLiteral("NUMERPROT")), symbolOf(d, r));
    });
    if (!withCardOfAccident) return;
    persons->addCalculatedField(QStringLiteral("nrKartyWyp_symbol"), [this, symbolOf](const Dataset& d, int r) {
        return numberText(d.rowField(r, QStringLiteral("NUMERKARTYWYP")), symbolOf(d, r));
    });
    persons->addCalculatedField(QStringLiteral("numer"), [this, symbolOf](const Dataset& d, int r) {
        const Field prot = d.rowField(r, QStringLiteral("NUMERPROT"));
        return prot.asInt() != 0 ? numberText(prot, symbolOf(d, r))
                                 : numberText(d.rowField(r, QStringLiteral("NUMERKARTYWYP")), symbolOf(d, r));
    });
    persons->addCalculatedField(QStringLiteral("PESEL"), [this](const Dataset& d, int r) { return personPesel(d, r); });
}

void TDataModForm::setupCalculatedFields() {
    for (Dataset* accidents : {qrySKWWypadki, qryWypadkiWDrodze, qryWypadki_Policja}) addAccidentNumberField(accidents);
    qryWypadkiWDrodze->addCalculatedField(QStringLiteral("PESEL"),
                                          [this](const Dataset& d, int r) { return personPesel(d, r); });
    // The persons are those of the accident the list stands on: its row gives the
    // symbol (rows read later or merged are not in the symbols kept at opening).
    auto symbolOf = [](const Dataset* list, const QHash<qint64, QString>& kept, qint64 id) {
        if (!list->isEmpty() && list->field(QStringLiteral("ID")).asInt() == id)
            return list->field(QStringLiteral("SYMBOLWYP")).asString();
        return kept.value(id);
    };
    addPersonNumberFields(qrySKWPoszkodowani,
                          [this, symbolOf](qint64 id) { return symbolOf(qrySKWWypadki, m_accidentSymbols, id); }, true);
    addPersonNumberFields(qryPoszkodowani_Policja,
                          [this, symbolOf](qint64 id) { return symbolOf(qryWypadki_Policja, m_otherSymbols, id); }, false);
}

void TDataModForm::connectReactions() {
    connect(qrySKWWypadki, &Dataset::scrolled, this, [this]() {
        if (!m_quiet && !qrySKWWypadki->isEmpty()) emit accidentRowChanged(Register::AtWork);
    });
    connect(qrySKWPoszkodowani, &Dataset::scrolled, this, &TDataModForm::onPersonScrolled);
    connect(qryWypadkiWDrodze, &Dataset::scrolled, this, &TDataModForm::onCommutingScrolled);
    connect(qryWypadki_Policja, &Dataset::scrolled, this, [this]() {
        if (!m_quiet && !qryWypadki_Policja->isEmpty()) emit accidentRowChanged(Register::Other);
    });
    connect(qryPoszkodowani_Policja, &Dataset::scrolled, this, &TDataModForm::onOtherPersonScrolled);
}

Dataset* TDataModForm::accidentsOf(Register reg) const {
    switch (reg) {
    case Register::AtWork: return qrySKWWypadki;
    case Register::Commuting: return qryWypadkiWDrodze;
    case Register::Other: return qryWypadki_Policja;
    }
    return qrySKWWypadki;
}

Dataset* TDataModForm::personsOf(Register reg) const {
    switch (reg) {
    case Register::AtWork: return qrySKWPoszkodowani;
    case Register::Commuting: return nullptr;
    case Register::Other: return qryPoszkodowani_Policja;
    }
    return nullptr;
}

namespace {

// The key of the row a list stands on; 0 for a closed or empty list.
int idOf(const Dataset* d) { return d && d->isOpen() && !d->isEmpty() ? int(d->field(QStringLiteral("ID")).asInt()) : 0; }

} // namespace

// The ids of the rows the register's lists stand on become the current ones.
void TDataModForm::takeCurrentIds(Register reg) {
    const Dataset* persons = personsOf(reg);
    switch (reg) {
    case Register::AtWork:
        m_personId = idOf(persons);
        m_accidentId = m_personId ? int(persons->field(QStringLiteral("IDWYPADKU")).asInt()) : idOf(qrySKWWypadki);
        break;
    case Register::Commuting: m_commutingId = idOf(qryWypadkiWDrodze); break;
    case Register::Other:
        m_otherPersonId = idOf(persons);
        m_otherAccidentId = m_otherPersonId ? int(persons->field(QStringLiteral("IDWYPADKU")).asInt()) : idOf(qryWypadki_Policja);
        break;
    }
}

void TDataModForm::onPersonScrolled() {
    if (m_quiet || qrySKWPoszkodowani->isEmpty()) return;
    takeCurrentIds(Register::AtWork);
    emit currentRecordChanged(Register::AtWork);
}

void TDataModForm::onCommutingScrolled() {
    if (m_quiet || qryWypadkiWDrodze->isEmpty()) return;
    takeCurrentIds(Register::Commuting);
    emit currentRecordChanged(Register::Commuting);
}

void TDataModForm::onOtherPersonScrolled() {
    if (m_quiet || qryPoszkodowani_Policja->isEmpty()) return;
    takeCurrentIds(Register::Other);
    emit currentRecordChanged(Register::Other);
}

void TDataModForm::reopenLists(Register reg, int accident, int person) {
    Dataset* accidents = accidentsOf(reg);
    Dataset* persons = personsOf(reg);
    if (accident < 0) accident = idOf(accidents);
    if (person < 0) person = idOf(persons);
    // Quietly, and the accident list frozen until it stands on its row: the person
    // list follows it by itself, once.
    FlagScope q(m_quiet);
    accidents->disableControls();
    try {
        accidents->open();
        if (accident) accidents->locate(QStringLiteral("ID"), accident);
    } catch (...) {
        accidents->enableControls();
        throw;
    }
    accidents->enableControls();
    if (persons && person) persons->locate(QStringLiteral("ID"), person);
    takeCurrentIds(reg);
}

void TDataModForm::showAccidentRow(Register reg, int accident, int person) {
    Dataset* accidents = accidentsOf(reg);
    Dataset* persons = personsOf(reg);
    if (!accidents->isOpen()) {
        reopenLists(reg, accident, person);
        return;
    }
    static const char* const kTables[] = {"SKWWYPADKI", "SKWWYPADKIWDRODZE", "WypOper_WYPADKI"};
    // The list's own statement for the one accident: the row as a fresh reading would
    // show it (with its total and count), and nothing else read again.
    QString sql = accidents->sql();
    const qsizetype order = sql.lastIndexOf(QStringLiteral("order by"), -1, Qt::CaseInsensitive);
    sql.insert(order < 0 ? sql.size() : order,
               QStringLiteral(" and ") + QLatin1String(kTables[int(reg)]) + QStringLiteral(".ID = :IdWiersza "));
    Params p = accidents->params();
    p.setInt(QStringLiteral("IdWiersza"), accident);
    const bool stays = idOf(accidents) == accident;
    FlagScope q(m_quiet);
    accidents->disableControls();
    try {
        accidents->mergeRows(sql, p, {QStringLiteral("NUMER"), QStringLiteral("ID")});
        if (accident) accidents->locate(QStringLiteral("ID"), accident);
    } catch (...) {
        accidents->enableControls();
        throw;
    }
    accidents->enableControls();
    // The person list follows a move of the accident list by itself; on the same
    // accident it is read again for the person added or deleted.
    if (persons && stays && idOf(accidents) == accident) persons->open();
    if (persons && person) persons->locate(QStringLiteral("ID"), person);
    takeCurrentIds(reg);
}

void TDataModForm::dropDeletedAccident(Register reg, int id) {
    // Reading the year again costs as much as opening the register: the deleted
    // accident only leaves the list, which stands on the row after it (or the one
    // before, or none); the person list follows, quietly. Rows not read yet come
    // without it.
    bool dropped = false;
    Dataset* accidents = accidentsOf(reg);
    {
        FlagScope q(m_quiet);
        dropped = accidents->removeRows(QStringLiteral("ID"), id, true) > 0 || accidents->canFetchMore();
    }
    if (dropped) takeCurrentIds(reg);
    else reopenLists(reg);
}

TDataModForm::RecordRows TDataModForm::readRecord(const RecordRef& record) {
    static const QString accidentSql[] = {
        QStringLiteral("select * from SKWWYPADKI where ID = :ID"),
        QStringLiteral("select * from SKWWYPADKIWDRODZE where ID = :ID"),
        QStringLiteral("select * from WypOper_WYPADKI where ID = :ID")};
    RecordRows rows;
    rows.accident = std::make_unique<Dataset>(m_db.get(), accidentSql[int(record.reg)]);
    rows.accident->setParam(QStringLiteral("ID"), record.accidentId);
    const Dataset* accident = rows.accident.get();
    addAccidentNumberField(rows.accident.get());
    if (record.reg == Register::Commuting)
        rows.accident->addCalculatedField(QStringLiteral("PESEL"),
                                          [this](const Dataset& d, int r) { return personPesel(d, r); });
    rows.accident->open();
    if (record.reg != Register::Commuting) {
        rows.person = std::make_unique<Dataset>(
            m_db.get(), record.reg == Register::AtWork
                            ? QStringLiteral("select * from SKWPOSZKODOWANI where ID = :ID and IDWYPADKU = :IDWYPADKU")
                            : QStringLiteral("select * from WypOper_Poszkodowani where ID = :ID and IDWYPADKU = :IDWYPADKU"));
        rows.person->setParams(Params{{"ID", record.personId}, {"IDWYPADKU", record.accidentId}});
        addPersonNumberFields(rows.person.get(), [accident](qint64) {
            return accident->isEmpty() ? QString() : accident->field(QStringLiteral("SYMBOLWYP")).asString();
        }, record.reg == Register::AtWork);
        rows.person->open();
    }
    return rows;
}

void TDataModForm::setCurrentIds(Register reg, int accident, int person) {
    switch (reg) {
    case Register::AtWork:
        m_accidentId = accident;
        m_personId = person;
        break;
    case Register::Commuting: m_commutingId = accident; break;
    case Register::Other:
        m_otherAccidentId = accident;
        m_otherPersonId = person;
        break;
    }
}

void TDataModForm::setAttachmentOwner(int accident, int protocol) {
    m_attachmentAccidentId = accident;
    m_attachmentProtocolId = protocol;
}

int TDataModForm::personIdOf(Register reg) const { return idOf(personsOf(reg)); }

RecordRef TDataModForm::listRecord(Register reg) const {
    const int accident = idOf(accidentsOf(reg));
    return RecordRef{reg, accident, accident ? idOf(personsOf(reg)) : 0};
}

bool TDataModForm::listHolds(Register reg, int accident) const {
    return accidentsOf(reg)->find(QStringLiteral("ID"), accident) >= 0;
}

void TDataModForm::addDataset(const QString& name, Dataset* dataset, bool attachmentList) {
    m_named.insert(name, dataset);
    if (attachmentList && !m_attachmentLists.contains(dataset)) m_attachmentLists.append(dataset);
}

Dataset* TDataModForm::dataset(const QString& name) const { return m_named.value(name, nullptr); }

// --- Attachments of a document -----------------------------------------------------

void TDataModForm::openAttachmentList(Dataset* list) {
    FlagScope r(m_attachmentsReopening);
    list->close();
    list->setParam(QStringLiteral("ID_W"), m_attachmentAccidentId);
    list->setParam(QStringLiteral("ID_P"), m_attachmentProtocolId);
    list->open();
}

void TDataModForm::reopenAttachmentList(Dataset* list, const QString& keyColumn, const QVariant& key) {
    FlagScope r(m_attachmentsReopening);
    openAttachmentList(list);
    m_attachmentsReopening = true;  // the inner scope lowered it
    if (!key.isNull()) list->locate(keyColumn, key);
}

int TDataModForm::addAttachmentRow(Dataset* list, const QString& table, bool numberIsKey, bool typed,
                                   const QList<AttachmentStore::NumberSource>& sources) {
    const int id = numberIsKey
                       ? m_attachmentStore.addNumberedRow(table, sources, m_attachmentAccidentId, m_attachmentProtocolId)
                       : m_attachmentStore.addKeyedRow(table, sources, m_attachmentAccidentId, m_attachmentProtocolId, typed);
    reopenAttachmentList(list, QStringLiteral("ID"), id);
    return id;
}

bool TDataModForm::deleteAttachmentRow(Dataset* list, const QString& table, const QStringList& keyColumns) {
    if (!list->isOpen() || list->isEmpty() || list->recNo() < 0) return false;
    QVariantList key;
    for (const QString& c : keyColumns) key << list->value(c);
    const int row = list->recNo();
    m_attachmentStore.deleteRow(table, keyColumns, key);
    FlagScope r(m_attachmentsReopening);
    openAttachmentList(list);
    m_attachmentsReopening = true;
    if (!list->isEmpty()) list->moveTo(std::min(row, list->recordCount() - 1));
    return true;
}

namespace {
const QStringList& ownKey() {
    static const QStringList key{QStringLiteral("ID"), QStringLiteral("IDWYPADKU"), QStringLiteral("IDPROTOKOLU")};
    return key;
}
} // namespace

int TDataModForm::AddOwnAttachment() {
    return addAttachmentRow(qryZalaczniki, QStringLiteral("SKWZalaczniki"), true, false,
                            AttachmentStore::documentSources());
}

int TDataModForm::AddHearing() {
    return addAttachmentRow(qrySKWPrzesluchanie, QStringLiteral("SKWPrzesluchanie"), false, true,
                            AttachmentStore::documentSources());
}

int TDataModForm::AddOrder() {
    return addAttachmentRow(qrySKWPolecenie, QStringLiteral("SKWPolecenie"), false, true,
                            AttachmentStore::documentSources());
}

bool TDataModForm::DeleteOwnAttachment() {
    return deleteAttachmentRow(qryZalaczniki, QStringLiteral("SKWZalaczniki"), ownKey());
}

bool TDataModForm::DeleteHearing() {
    return deleteAttachmentRow(qrySKWPrzesluchanie, QStringLiteral("SKWPrzesluchanie"), {QStringLiteral("ID")});
}

bool TDataModForm::DeleteOrder() {
    return deleteAttachmentRow(qrySKWPolecenie, QStringLiteral("SKWPolecenie"), {QStringLiteral("ID")});
}

// --- Numbers and calculated fields ------------------------------------------------

QString TDataModForm::numberText(const Field& number, const QString& symbol) const {
    const QString n = number.isNull() ? QString() : QString::number(number.asInt());
    return m_symbolFlag ? n + m_separator + symbol : n;
}

void TDataModForm::setNumberSymbol(bool withSymbol, const QString& separator) {
    m_symbolFlag = withSymbol;
    m_separator = separator;
    for (Dataset* d : {qrySKWWypadki, qrySKWPoszkodowani, qryWypadkiWDrodze, qryWypadki_Policja, qryPoszkodowani_Policja})
        if (d->isOpen()) d->recalculate();
}

QString TDataModForm::personPesel(const Dataset& ds, int row) {
    const qint64 id = ds.rowField(row, QStringLiteral("IDPRACOWNIKA")).asInt();
    if (id == 0) return QString();
    if (m_peselStale) {
        // Only the two columns the numbers need: the whole person rows cost the
        // opening of a year several times the statements of its lists.
        m_pesel.clear();
        m_db->read(QStringLiteral("SELECT IDOSOBY, PESEL FROM ODANOS"), {}, [this](QSqlQuery& q) {
            while (q.next()) m_pesel.insert(Field(q.value(0)).asInt(), Field(q.value(1)).asString());
        });
        m_peselStale = false;
    }
    return m_pesel.value(id);
}

QString TDataModForm::ConsequenceText(int code) {
    switch (code) {
    case 1: return QStringLiteral("śmierć osoby poszkodowanej");
    case 2: return QStringLiteral("ciężkie uszkodzenie ciała");
    case 3: return QStringLiteral("inne skutki");
    case 4: return QStringLiteral("pozostałe skutki");
    default: return QStringLiteral("Błąd [nie określone]");
    }
}

QString TDataModForm::RegisterCaption(int year, bool archive) {
    return QStringLiteral("Rejestr wypadków na rok: ") + QString::number(year) +
           (archive ? QStringLiteral(" - PRACA Z ARCHIWUM !!!") : QString());
}

QString TDataModForm::lastPersonMessage() { return QStringLiteral("Nie może być wypadku bez poszkodowanego"); }

// --- Not-recognised accidents --------------------------------------------------------

QString TDataModForm::notRecognisedEntry(int accidentId, const QDateTime& date) {
    return QString::number(accidentId) + QLatin1Char('-') + Formats::dateTime(date);
}

bool TDataModForm::isNotRecognised(int accidentId, const QDateTime& date) const {
    const QString e = notRecognisedEntry(accidentId, date);
    return std::binary_search(m_notRecognised.cbegin(), m_notRecognised.cend(), e);
}

void TDataModForm::setNotRecognised(int accidentId, const QDateTime& date, bool on) {
    const QString e = notRecognisedEntry(accidentId, date);
    const auto it = std::lower_bound(m_notRecognised.begin(), m_notRecognised.end(), e);
    const bool present = it != m_notRecognised.end() && *it == e;
    if (on && !present) m_notRecognised.insert(it, e);
    if (!on && present) m_notRecognised.erase(it);
}

void TDataModForm::rebuildNotRecognised() {
    m_notRecognised.clear();
    for (const auto& [id, date] : m_store.notRecognised()) m_notRecognised << notRecognisedEntry(id, date);
    std::sort(m_notRecognised.begin(), m_notRecognised.end());
    m_notRecognised.erase(std::unique(m_notRecognised.begin(), m_notRecognised.end()), m_notRecognised.end());
}

// --- The register of a year --------------------------------------------------------

void TDataModForm::OpenRegister(const QDateTime& date) {
    const YearBounds year = YearBounds::of(date);
    const int previousYear = m_referenceDate.date().year();
    Params bounds{{"DataOd", year.from}, {"DataDo", year.to}};
    if (scope().linked()) bounds.setInt(QStringLiteral("IdRejestr"), m_currentRegister);

    // Whatever was loaded from the lists is gone with them: nothing of it is saved.
    emit recordsReleased();
    {
        FlagScope q(m_quiet);
        qrySKWWypadki->close();
        qrySKWPoszkodowani->close();
        for (Dataset* d : m_attachmentLists) d->close();
        qryWypadkiWDrodze->close();

        qrySKWWypadki->setSql(registersql::accidentList(scope()));
        qrySKWWypadki->setParams(bounds);
        qryWypadkiWDrodze->setSql(registersql::commutingList(scope()));
        qryWypadkiWDrodze->setParams(bounds);
        m_peselStale = true;  // the employee register may have changed

        qrySKWWypadki->open();  // the person list follows it
        rebuildNotRecognised();
        for (Dataset* d : m_attachmentLists) d->open();
        qryWypadkiWDrodze->open();
        if (m_uniformedServices) {
            qryWypadki_Policja->close();
            qryWypadki_Policja->setParams(Params{{"DataOd", year.from}, {"DataDo", year.to}});
            qryWypadki_Policja->open();
        }
    }
    for (Register reg : {Register::AtWork, Register::Commuting, Register::Other}) takeCurrentIds(reg);

    m_referenceDate = date;
    switchSourceTable();
    if (personsRestricted() && !appContext().readOnlyDatabase && date.date() != m_structureDate) BuildStructureTable();
    emit registerOpened(RegisterCaption(year.year, hasAppIni() && appIni().archiveMode()));
    if (year.year != previousYear) emit registerYearChanged(year.year);
}

// The source dictionary of the reference date: SKWZRODLA_1 after 2000-12-31,
// SKWZRODLA before; the list keeps its order and is opened again if it was open.
void TDataModForm::switchSourceTable() {
    Dataset* sources = dataset(QStringLiteral("qryZrodla"));
    if (!sources) return;
    static const QRegularExpression table(QStringLiteral("\\bskwzrodla(_1)?\\b"),
                                          QRegularExpression::CaseInsensitiveOption);
    QString sql = sources->sql();
    sql.replace(table, cardAfter2000(m_referenceDate) ? QStringLiteral("SKWZRODLA_1") : QStringLiteral("SKWZRODLA"));
    if (sql == sources->sql()) return;
    const bool open = sources->isOpen();
    sources->close();
    sources->setSql(sql);
    if (open) sources->open();
}

// --- Accidents at work -------------------------------------------------------------

NewRecordStamp TDataModForm::stamp() const {
    return NewRecordStamp{m_referenceDate, Clock::now(), Workstation::computerName(), scope()};
}

void TDataModForm::AddAccident() {
    const NewAccident created = m_store.addAccident(stamp(), admSettings().cardVersionForNewAccidents());
    m_newNumber = created.accident.number;
    m_accidentId = created.accident.id;
    FlagScope adding(m_addingAccident);
    showNewInjuredPerson(created.person.id);
}

void TDataModForm::AddInjuredPerson() {
    const NewRecord person = m_store.addInjuredPerson(stamp(), m_accidentId);
    m_newNumber = person.number;
    showNewInjuredPerson(person.id);
    emit countsChanged(Register::AtWork, m_accidentId);
}

void TDataModForm::showNewInjuredPerson(int newPersonId) {
    showAccidentRow(Register::AtWork, m_accidentId, newPersonId);
    emit recordAdded(Register::AtWork, m_accidentId, m_personId);
}

bool TDataModForm::DeleteAccident(int id) {
    if (qrySKWWypadki->isEmpty()) return false;
    m_store.deleteAccident(id);
    // A later accident that reuses the key must not inherit the marking.
    const QString prefix = QString::number(id) + QLatin1Char('-');
    m_notRecognised.erase(std::remove_if(m_notRecognised.begin(), m_notRecognised.end(),
                                         [&](const QString& e) { return e.startsWith(prefix); }),
                          m_notRecognised.end());
    dropDeletedAccident(Register::AtWork, id);
    emit recordDeleted(Register::AtWork, id, 0);
    return true;
}

bool TDataModForm::deletePerson(Dataset* persons, const std::function<bool()>& deletion) {
    return !persons->isEmpty() && deletion();
}

bool TDataModForm::DeleteInjuredPerson(int accident, int person) {
    if (!deletePerson(qrySKWPoszkodowani, [&]() { return m_store.deleteInjuredPerson(accident, person); }))
        return false;
    AfterPersonDeleted(Register::AtWork, accident, person);
    return true;
}

void TDataModForm::AfterPersonDeleted(Register reg, int accident, int person) {
    // The count and the kind were written with the deletion; the lists show them.
    showAccidentRow(reg, accident, 0);
    emit countsChanged(reg, accident);
    emit recordDeleted(reg, accident, person);
}

int TDataModForm::CountInjuredPersons() { return m_store.countInjuredPersons(m_accidentId); }

QString TDataModForm::NextDocumentNumber(DocumentKind kind) {
    m_newNumber = m_store.nextDocumentNumber(kind, YearBounds::of(m_referenceDate));
    return QString::number(m_newNumber);
}

void TDataModForm::ReleaseAllTakes() {
    QStringList tables{QStringLiteral("SKWWYPADKI"), QStringLiteral("SKWWYPADKIWDRODZE")};
    if (m_uniformedServices) tables << QStringLiteral("WypOper_Wypadki");
    Takes(*m_db, Workstation::computerName()).ReleaseAllTakes(tables);
}

// --- Commuting accidents ------------------------------------------------------------

QString TDataModForm::AddCommutingAccident() {
    NewRecord created;
    const NewRecordStamp s = stamp();
    QString failure;
    try {
        m_store.addCommutingAccident(s, commutingHour(s.now), created);
        m_newNumber = created.number;
    } catch (const DbError& e) {
        // A lost connection is no failure of the insertion: it goes to the command's guard.
        if (e.connectionLost()) throw;
        failure = commutingFailureMessage(e.message(), created, s);
        created.id = 0;
    }
    if (created.id != 0) showAccidentRow(Register::Commuting, created.id, 0);
    else reopenLists(Register::Commuting);
    if (created.id != 0) emit recordAdded(Register::Commuting, created.id, 0);
    return failure;
}

bool TDataModForm::DeleteCommutingAccident(int id) {
    if (qryWypadkiWDrodze->isEmpty()) return false;
    m_store.deleteCommutingAccident(id);
    dropDeletedAccident(Register::Commuting, id);
    emit recordDeleted(Register::Commuting, id, 0);
    return true;
}

// --- Other accidents -------------------------------------------------------------------

void TDataModForm::AddOtherAccident() {
    const NewRecord created = m_store.addOtherAccident(stamp());
    m_newNumber = created.number;
    m_otherAccidentId = created.id;
    showAccidentRow(Register::Other, m_otherAccidentId, 0);
    AddOtherInjuredPerson();
}

void TDataModForm::AddOtherInjuredPerson() {
    const NewRecord person = m_store.addOtherInjuredPerson(stamp(), m_otherAccidentId);
    m_newNumber = person.number;
    showAccidentRow(Register::Other, m_otherAccidentId, person.id);
    emit countsChanged(Register::Other, m_otherAccidentId);
    emit recordAdded(Register::Other, m_otherAccidentId, m_otherPersonId);
}

bool TDataModForm::DeleteOtherAccident(int id) {
    if (qryWypadki_Policja->isEmpty()) return false;
    m_store.deleteOtherAccident(id);
    dropDeletedAccident(Register::Other, id);
    emit recordDeleted(Register::Other, id, 0);
    return true;
}

bool TDataModForm::DeleteOtherInjuredPerson(int accident, int person) {
    if (!deletePerson(qryPoszkodowani_Policja,
                      [&]() { return m_store.deleteOtherInjuredPerson(accident, person); }))
        return false;
    AfterPersonDeleted(Register::Other, accident, person);
    return true;
}

int TDataModForm::CountOtherInjuredPersons() { return m_store.countOtherInjuredPersons(m_otherAccidentId); }

TDataModForm* dataMod() { return Forms::get<TDataModForm>(QStringLiteral("TDataModForm")); }

} // namespace zort
