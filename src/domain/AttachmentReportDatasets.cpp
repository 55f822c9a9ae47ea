#include "domain/AttachmentReportDatasets.h"

#include "core/AdmSettings.h"
#include "core/DateUtil.h"
#include "domain/DataModForm.h"
#include "domain/DocumentNumber.h"

#include <QSqlQuery>

namespace zort::reportds {
namespace {

struct Statements {
    const char* name;
    const char* work;
    const char* commuting;
};

// The statements of the attachment printouts; the accident's symbol is read beside
// the rest for the document's number.
const Statements kStatements[] = {
    {"qryZal",
     "SELECT SKWZalaczniki.Id, SKWZalaczniki.Tytul, SKWZalaczniki.Opis, SKWPoszkodowani.NumerProt, "
     "SKWPoszkodowani.DataProt,  SKWPoszkodowani.NumerKartyWyp, SKWPoszkodowani.RodzUmowy, SKWWypadki.SymbolWyp  "
     "FROM SKWZalaczniki , SKWPoszkodowani, SKWWypadki  WHERE SKWWypadki.Id=SKWPoszkodowani.IdWypadku  "
     "AND SKWPoszkodowani.Id = SKWZalaczniki.IdProtokolu  AND SKWPoszkodowani.IdWypadku = SKWZalaczniki.IdWypadku  "
     "AND SKWZalaczniki.IDProtokolu = :IDPROT AND SKWZalaczniki.IDWYPADKU = :IDWYP AND SKWZalaczniki.Id = :ID",
     "SELECT SKWZalaczniki.Id, SKWZalaczniki.Tytul, SKWZalaczniki.Opis, SKWWypadkiWDrodze.Numer NumerProt, "
     "SKWWypadkiWDrodze.DataSp DataProt, 0 NumerKartyWyp, 1 RodzUmowy, SKWWypadkiWDrodze.SymbolWyp  "
     "FROM SKWZalaczniki , SKWWypadkiWDrodze  WHERE SKWWypadkiWDrodze.Id = SKWZalaczniki.IdWypadku  "
     "AND SKWZalaczniki.IDProtokolu = 0  AND SKWZalaczniki.IDWYPADKU = :IDWYP AND SKWZalaczniki.Id = :ID"},
    {"qryZal_p",
     "SELECT SKWPrzesluchanie.*, SKWPoszkodowani.Imie Imie_1, SKWPoszkodowani.Nazwisko Nazwisko_1, "
     "SKWPoszkodowani.NumerProt NumerProt, SKWWypadki.Data Data_1, SKWPoszkodowani.DataProt, "
     "SKWPoszkodowani.NumerKartyWyp,SKWPoszkodowani.RodzUmowy, SKWWypadki.SymbolWyp  "
     "FROM SKWPrzesluchanie , SKWWypadki, SKWPoszkodowani  WHERE SKWWypadki.Id = SKWPoszkodowani.IdWypadku  "
     "AND SKWPoszkodowani.Id = SKWPrzesluchanie.IdProtokolu  AND SKWPoszkodowani.IdWypadku = SKWPrzesluchanie.IdWypadku "
     "AND SKWPrzesluchanie.ID = :ID",
     "SELECT SKWPrzesluchanie.*, SKWWypadkiWDrodze.Imie Imie_1, SKWWypadkiWDrodze.Nazwisko Nazwisko_1, "
     "SKWWypadkiWDrodze.Numer NumerProt, SKWWypadkiWDrodze.Data Data_1, SKWWypadkiWDrodze.DataSp DataProt,"
     "0 NumerKartyWyp, 1 RodzUmowy, SKWWypadkiWDrodze.SymbolWyp FROM SKWPrzesluchanie , SKWWypadkiWDrodze  "
     "WHERE SKWWypadkiWDrodze.Id = SKWPrzesluchanie.IdWypadku  AND SKWPrzesluchanie.IdProtokolu = 0  "
     "AND SKWPrzesluchanie.ID = :ID"},
    {"qryZal_pol",
     "SELECT SKWPolecenie.*, SKWPoszkodowani.Imie Imie_1, SKWPoszkodowani.Nazwisko Nazwisko_1, "
     "SKWPoszkodowani.NumerProt NumerProt, SKWWypadki.Data Data_1, SKWPoszkodowani.DataProt, "
     "SKWPoszkodowani.NumerKartyWyp, SKWPoszkodowani.RodzUmowy, SKWWypadki.SymbolWyp  "
     "FROM SKWPolecenie , SKWWypadki, SKWPoszkodowani  WHERE SKWWypadki.Id = SKWPoszkodowani.IdWypadku  "
     "AND SKWPoszkodowani.Id = SKWPolecenie.IdProtokolu  AND SKWPoszkodowani.IdWypadku = SKWPolecenie.IdWypadku "
     "AND SKWPolecenie.ID = :ID",
     "SELECT SKWPolecenie.*, SKWWypadkiWDrodze.Imie Imie_1, SKWWypadkiWDrodze.Nazwisko Nazwisko_1, "
     "SKWWypadkiWDrodze.Numer NumerProt, SKWWypadkiWDrodze.Data Data_1, SKWWypadkiWDrodze.DataSp DataProt, "
     "0 NumerKartyWyp, 1 RodzUmowy, SKWWypadkiWDrodze.SymbolWyp FROM SKWPolecenie , SKWWypadkiWDrodze  "
     "WHERE SKWWypadkiWDrodze.Id = SKWPolecenie.IdWypadku  AND SKWPolecenie.IdProtokolu = 0  "
     "AND SKWPolecenie.ID = :ID"},
};

const Statements* statementsOf(const QString& name) {
    for (const Statements& s : kStatements)
        if (name == QLatin1String(s.name)) return &s;
    return nullptr;
}

QString text(const Dataset& d, int r, const char* column) { return d.rowField(r, QLatin1String(column)).asString(); }

QString numberOf(const Dataset& d, int r, const char* column) {
    const Field f = d.rowField(r, QLatin1String(column));
    return f.isNull() ? QString() : QString::number(f.asInt());
}

QDateTime dateOf(const Dataset& d, int r, const char* column) {
    return dates::toDateTime(d.rowField(r, QLatin1String(column)).variant());
}

bool commuting(const Dataset& d) { return d.sql().contains(QLatin1String("SKWWypadkiWDrodze")); }

void addCommonFields(Dataset* ds) {
    ds->addCalculatedField(QStringLiteral("nr_symbol"), [](const Dataset& d, int r) {
        const bool protocol = commuting(d) || d.rowField(r, QStringLiteral("RODZUMOWY")).asInt() == 1;
        return numberWithSymbol(numberOf(d, r, protocol ? "NUMERPROT" : "NUMERKARTYWYP"), admSettings(),
                                text(d, r, "SYMBOLWYP").trimmed());
    });
    ds->addCalculatedField(QStringLiteral("WDrodze"), [](const Dataset& d, int) { return commuting(d) ? 1 : 0; });
}

void addHearingFields(Dataset* ds) {
    ds->addCalculatedField(QStringLiteral("GodzWyp"), [](const Dataset& d, int r) {
        const QDateTime at = dateOf(d, r, "DATA_1");
        return at.isValid() ? at.time().toString(QStringLiteral("hh:mm")) : QStringLiteral(" ");
    });
    ds->addCalculatedField(QStringLiteral("Poszkodowany"), [](const Dataset& d, int r) {
        return text(d, r, "IMIE") + QLatin1Char(' ') + text(d, r, "NAZWISKO");
    });
    ds->addCalculatedField(QStringLiteral("Urodzony"), [](const Dataset& d, int r) {
        const QDateTime born = dateOf(d, r, "DATAUR");
        return (born.isValid() ? born.date().toString(QStringLiteral("dd.MM.yyyy")) : QString()) + QLatin1Char(' ') +
               text(d, r, "MIEJSCEUR");
    });
    ds->addCalculatedField(QStringLiteral("Adres"), [](const Dataset& d, int r) {
        QString s = text(d, r, "ULICA") + QLatin1Char(' ') + text(d, r, "NRUL");
        const QString flat = text(d, r, "NRMIESZ");
        if (!flat.trimmed().isEmpty()) s += QStringLiteral(" m. ") + flat;
        return s + QStringLiteral("\n ") + text(d, r, "KODPOCZ") + QLatin1Char(' ') + text(d, r, "MIEJSCOW");
    });
    ds->addCalculatedField(QStringLiteral("Zawod_p"), [](const Dataset& d, int r) {
        return text(d, r, "KODZAWODU") + QLatin1Char(' ') + text(d, r, "ZAWOD");
    });
}

} // namespace

QStringList attachmentDatasets() {
    return {QStringLiteral("qryZal"), QStringLiteral("qryZal_p"), QStringLiteral("qryZal_pol")};
}

void addAttachmentsTo(TDataModForm& dm) {
    for (const QString& name : attachmentDatasets()) {
        auto* ds = new Dataset(&dm.KartyDB(), QString::fromLatin1(statementsOf(name)->work), &dm);
        addCommonFields(ds);
        if (name == QLatin1String("qryZal_p")) addHearingFields(ds);
        dm.addDataset(name, ds);
    }
}

bool openAttachment(TDataModForm& dm, const QString& name, const AttachmentOwnerIds& owner, int id) {
    Dataset* ds = dm.dataset(name);
    const Statements* s = statementsOf(name);
    if (!ds || !s) return false;
    ds->close();
    ds->setSql(QString::fromLatin1(owner.commuting() ? s->commuting : s->work));
    ds->setParams(Params());
    ds->setParam(QStringLiteral("ID"), id);
    if (name == QLatin1String("qryZal")) {
        ds->setParam(QStringLiteral("IDWYP"), owner.accident);
        if (!owner.commuting()) ds->setParam(QStringLiteral("IDPROT"), owner.person);
    }
    ds->open();
    return !ds->isEmpty();
}

void closeAttachment(TDataModForm& dm, const QString& name) {
    if (Dataset* ds = dm.dataset(name)) ds->close();
}

bool ownerOfEntry(TDataModForm& dm, const QString& table, int id, AttachmentOwnerIds* owner) {
    if (table.compare(QLatin1String("SKWPRZESLUCHANIE"), Qt::CaseInsensitive) != 0 &&
        table.compare(QLatin1String("SKWPOLECENIE"), Qt::CaseInsensitive) != 0)
        return false;
    bool found = false;
    AttachmentOwnerIds o;
    dm.KartyDB().read(QStringLiteral("SELECT IDWYPADKU, IDPROTOKOLU FROM %1 WHERE ID = :id").arg(table.toUpper()),
                      Params{{"id", id}}, [&](QSqlQuery& q) {
                          if (!q.next()) return;
                          found = true;
                          o = {q.value(0).toInt(), q.value(1).toInt()};
                      });
    if (!found) return false;
    if (owner) *owner = o;
    return true;
}

} // namespace zort::reportds
