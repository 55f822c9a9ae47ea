#include "printing/DocumentCirculation.h"

#include "core/MyIniFile.h"
#include "core/UserInterface.h"
#include "db/AliasFile.h"
#include "db/Connection.h"
#include "db/Dataset.h"
#include "printing/engine/ExportQR.h"

namespace zort::print {
namespace {

std::unique_ptr<Dataset> query(Connection* c, const QString& sql, const Params& params = {}) {
    auto ds = std::make_unique<Dataset>(c, sql);
    ds->setParams(params);
    ds->open();
    return ds;
}

} // namespace

DocumentCirculation::DocumentCirculation(Connection* connection) : m_c(connection) {}

QString DocumentCirculation::statusChangedMessage() {
    return QStringLiteral(" Operacja zakończona niepowodzeniem \n\r Status dokumentu został nieoczekiwanie zmieniony");
}

void DocumentCirculation::reset(const QString& proposedPdf) {
    m_state = State::None;
    m_typeId = 0;
    m_step = 0;
    m_pdfName = proposedPdf;
}

void DocumentCirculation::compute(const QString& kind, int personId, const QString& userName,
                                  const QString& proposedPdf) {
    m_state = State::None;
    m_typeId = 0;
    m_step = 0;
    m_kind = kind;
    m_personId = personId;
    m_user = userName;
    m_pdfName = proposedPdf;
    if (!m_c) return;

    // The statements keep their texts; the kind and the user name are bound.
    Dataset def(m_c, QStringLiteral(" SELECT LObiegDok.Id, LTypDok.Id FROM LObiegDok, LTypDok  WHERE "
                                    "LObiegDok.IdTypDok = LTypDok.Id AND Skrot = :Skrot"));
    def.setParam(QStringLiteral("Skrot"), kind);
    def.open();
    if (def.isEmpty()) return;
    m_typeId = int(def.field(1).asInt());   // both columns are named ID: read by position
    const auto session = query(m_c,
        QStringLiteral(" SELECT Id, NazwaPlik FROM LSesDokum WHERE IdTypDok = :pIdTypDok AND IdTabeli= :pIdTabeli"),
        Params{{QStringLiteral("pIdTypDok"), m_typeId}, {QStringLiteral("pIdTabeli"), personId}});
    const auto first = query(m_c,
        QStringLiteral(" SELECT LObiegDok.Id_1 FROM LObiegDok, APrawaDostepu, LRoleOsoby  WHERE LObiegDok.IdRoli = "
                       "LRoleOsoby.IdRoli AND LRoleOsoby.IdOsoby = APrawaDostepu.Id AND  IdTypDok = :IdTypDok"
                       " AND StanObiekt = 1 AND NazwaUzytk = :NazwaUzytk"),
        Params{{QStringLiteral("IdTypDok"), m_typeId}, {QStringLiteral("NazwaUzytk"), userName}});
    if (!first->isEmpty()) {
        m_step = int(first->field(0).asInt());
        // The user who starts the circulation, and no session yet.
        if (session->isEmpty()) {
            m_state = State::Start;
            return;
        }
    }
    if (session->isEmpty()) return;
    m_pdfName = session->field(QStringLiteral("NAZWAPLIK")).asTrimmed();
    const auto pending = query(m_c,
        QStringLiteral(" SELECT IdObieg FROM LStanObieg  WHERE IdSesDokum = :IdSesDokum AND Stan = 0"),
        Params{{QStringLiteral("IdSesDokum"), session->field(0).asInt()}});
    // No pending step: nothing for anybody to confirm.
    if (pending->isEmpty()) return;
    m_step = int(pending->field(0).asInt());
    const auto mine = query(m_c,
        QStringLiteral(" SELECT LObiegDok.Id FROM LObiegDok, APrawaDostepu, LRoleOsoby  WHERE LObiegDok.IdRoli = "
                       "LRoleOsoby.IdRoli AND LRoleOsoby.IdOsoby = APrawaDostepu.Id AND  LObiegDok.Id = :Id"
                       " AND StanObiekt <> 1 AND NazwaUzytk = :NazwaUzytk"),
        Params{{QStringLiteral("Id"), m_step}, {QStringLiteral("NazwaUzytk"), userName}});
    if (!mine->isEmpty()) m_state = State::Update;
}

QString DocumentCirculation::fallbackFolder(const QString& databaseName) {
    // The database file's own folder; of a server name ("host:path") the path on
    // the server, the host being no part of a folder.
    const QString path = AliasFile::filePart(databaseName);
    const qsizetype i = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    const QChar sep = i >= 0 ? path.at(i) : QChar(u'/');
    return (i >= 0 ? path.left(i) : QString()) + sep + QStringLiteral("Obieg");
}

QString DocumentCirculation::folder(bool circulating) const {
    QString f;
    if (circulating && m_c) f = m_c->scalar(QStringLiteral(" SELECT PathObieg FROM OPARAM ")).toString().trimmed();
    if (f.isEmpty() && hasAppIni()) {
        f = appIni().global(QStringLiteral("pathObieg")).trimmed();
    }
    if (f.isEmpty()) f = fallbackFolder(m_c ? m_c->databaseName() : QString());
    return f;
}

int DocumentCirculation::roleOfStep() const {
    return int(m_c->scalar(QStringLiteral(" SELECT IdRoli FROM LObiegDok WHERE Id= :Id"),
                           Params{{QStringLiteral("Id"), m_step}})
                   .toLongLong());
}

int DocumentCirculation::sessionOf(const QString& fileName) const {
    const QVariant v = m_c->scalar(
        QStringLiteral(" SELECT Id FROM LSesDokum WHERE IdTypDok = :pIdTypDok AND IdTabeli= :pIdTabeli AND NazwaPlik = :pNazwaPlik"),
        Params{{QStringLiteral("pIdTypDok"), m_typeId}, {QStringLiteral("pIdTabeli"), m_personId},
               {QStringLiteral("pNazwaPlik"), fileName}});
    return v.isValid() && !v.isNull() ? int(v.toLongLong()) : 0;
}

void DocumentCirculation::startSession(const QString& fileName, const QString& sender) {
    const int role = roleOfStep();
    Transaction t(*m_c);
    m_c->execute(QStringLiteral(" INSERT INTO LSesDokum VALUES (0, :pNazwaPlik, 1, :pIdTypDok, :pIdTabeli)"),
                 Params{{QStringLiteral("pNazwaPlik"), fileName}, {QStringLiteral("pIdTypDok"), m_typeId},
                        {QStringLiteral("pIdTabeli"), m_personId}});
    const int session = sessionOf(fileName);
    m_c->execute(QStringLiteral(" INSERT INTO LStanObieg VALUES (0, :IdSesDokum, :IdObieg, :IdRoli, :Nadawca, 0, '', 0)"),
                 Params{{QStringLiteral("IdSesDokum"), session}, {QStringLiteral("IdObieg"), m_step},
                        {QStringLiteral("IdRoli"), role}, {QStringLiteral("Nadawca"), sender}});
    t.commit();
}

bool DocumentCirculation::stepPending(const QString& fileName) const {
    const int session = sessionOf(fileName);
    if (!session) return false;
    const QVariant n = m_c->scalar(
        QStringLiteral("SELECT COUNT(*) FROM LStanObieg WHERE IdSesDokum = :IdSesDokum AND IdObieg = :IdObieg AND "
                       "IdRoli = :IdRoli AND Stan = 0"),
        Params{{QStringLiteral("IdSesDokum"), session}, {QStringLiteral("IdObieg"), m_step},
               {QStringLiteral("IdRoli"), roleOfStep()}});
    return n.toLongLong() > 0;
}

bool DocumentCirculation::confirmStep(const QString& fileName) {
    const int role = roleOfStep();
    const int session = sessionOf(fileName);
    return m_c->execute(QStringLiteral(" UPDATE LStanObieg SET Stan = 2  WHERE IdSesDokum = :IdSesDokum AND IdObieg = "
                                       ":IdObieg AND IdRoli = :IdRoli AND Stan = 0"),
                        Params{{QStringLiteral("IdSesDokum"), session}, {QStringLiteral("IdObieg"), m_step},
                               {QStringLiteral("IdRoli"), role}}) > 0;
}

DocumentCirculation::Outcome DocumentCirculation::save(TExportQR& exporter, bool initiate, bool confirm,
                                                       bool landscape, const QString& sender, QString& openPath) {
    openPath.clear();
    const bool starting = m_state == State::Start && initiate;
    const bool confirming = m_state == State::Update && confirm;
    QString dir = folder(starting || confirming);
    QString name = m_pdfName;
    // The circulating file is only written again while its step is still pending.
    if (confirming && !stepPending(name)) {
        showWarning(statusChangedMessage());
        return Outcome::StatusChanged;
    }
    if (!exporter.ExportReport(name, dir, !confirm, landscape)) return Outcome::Cancelled;
    if (starting) startSession(name, sender);
    if (confirming && !confirmStep(name)) {
        showWarning(statusChangedMessage());
        return Outcome::StatusChanged;
    }
    QString file = name;
    const int filter = exporter.lastFilter();
    // Page images carry page numbers: the first page's file is opened.
    if (filter >= TExportQR::Jpeg && filter <= TExportQR::Wmf)
        file = TExportQR::pageFile(name.section(u'.', 0, 0), 1, filter);
    openPath = dir + u'/' + file;
    return Outcome::Saved;
}

} // namespace zort::print
