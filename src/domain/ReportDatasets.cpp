#include "domain/ReportDatasets.h"

#include "core/AdmSettings.h"
#include "core/DateUtil.h"
#include "domain/DataModForm.h"
#include "domain/DocumentNumber.h"

namespace zort::reportds {
namespace {

// Every column of the injured person and of the accident; the accident's key is the
// one name both tables have.
const char* const kSelect =
    "select SKWPOSZKODOWANI.*, SKWWYPADKI.ID AS WYPADEK_ID, SKWWYPADKI.NUMER, SKWWYPADKI.SYMBOLWYP, "
    "SKWWYPADKI.DATA, SKWWYPADKI.DATAREJWYP, SKWWYPADKI.DATAZGMIN, SKWWYPADKI.WYPIZ, SKWWYPADKI.WYPUB, "
    "SKWWYPADKI.POSZKODOWANI, SKWWYPADKI.STRATYZL, SKWWYPADKI.STRATYCZASU, SKWWYPADKI.IDMIEJSCA, "
    "SKWWYPADKI.MIEJSCEWYP, SKWWYPADKI.IDPOLOZGEOGR, SKWWYPADKI.POLOZGEOGR, SKWWYPADKI.IDRODZAJMIEJSCAWYP, "
    "SKWWYPADKI.RODZAJMIEJSCAWYP, SKWWYPADKI.WERSJASKW, SKWWYPADKI.BLOK, SKWWYPADKI.COMPNAME, "
    "SKWWYPADKI.CZASROZP, SKWWYPADKI.CZASZAK "
    "from SKWPOSZKODOWANI, SKWWYPADKI where SKWPOSZKODOWANI.IDWYPADKU = SKWWYPADKI.ID ";

const char* const kRestriction =
    "AND (( SKWPOSZKODOWANI.ID = :IDPOSZK) AND (SKWPOSZKODOWANI.IDWYPADKU = :IDWYP ) )";

QString text(const Dataset& d, int r, const char* column) { return d.rowField(r, QLatin1String(column)).asString(); }

QString numberOf(const Dataset& d, int r, const char* column) {
    const Field f = d.rowField(r, QLatin1String(column));
    return f.isNull() ? QString() : QString::number(f.asInt());
}

DocumentDates datesOf(const Dataset& d, int r, const char* ownDate) {
    return {dates::toDateTime(d.rowField(r, QStringLiteral("DATA")).variant()),
            dates::toDateTime(d.rowField(r, QLatin1String(ownDate)).variant()),
            dates::toDateTime(d.rowField(r, QStringLiteral("DATAREJWYP")).variant())};
}

// "hh:mm" of the accident, a single blank without a date.
QVariant accidentTime(const Dataset& d, int r) {
    const QDateTime at = dates::toDateTime(d.rowField(r, QStringLiteral("DATA")).variant());
    if (!at.isValid()) return QStringLiteral(" ");
    return at.time().toString(QStringLiteral("hh:mm"));
}

int protocolYear(const Dataset& d, int r) { return documentYear(admSettings(), datesOf(d, r, "DATAPROT")); }

// The protocol's forms: the number with its symbol, the year apart.
void addProtocolFields(Dataset* ds) {
    ds->addCalculatedField(QStringLiteral("nrProt_symbol"), [](const Dataset& d, int r) {
        return numberWithSymbol(numberOf(d, r, "NUMERPROT"), admSettings(), text(d, r, "SYMBOLWYP"));
    });
    ds->addCalculatedField(QStringLiteral("RokProtok"), [](const Dataset& d, int r) { return protocolYear(d, r); });
    ds->addCalculatedField(QStringLiteral("Nr"), [](const Dataset& d, int r) {
        return numberWithSymbol(numberOf(d, r, "NUMERPROT"), admSettings(), text(d, r, "SYMBOLWYP")) +
               QStringLiteral(" / ") + QString::number(protocolYear(d, r)) + QStringLiteral(" r.");
    });
    ds->addCalculatedField(QStringLiteral("ImieNazwisko"), [](const Dataset& d, int r) {
        return text(d, r, "IMIE").trimmed() + QLatin1Char(' ') + text(d, r, "NAZWISKO").trimmed();
    });
    ds->addCalculatedField(QStringLiteral("GodzWyp"), accidentTime);
}

// The register card: both numbers with their years.
void addRegisterCardFields(Dataset* ds) {
    ds->addCalculatedField(QStringLiteral("GodzWyp"), accidentTime);
    ds->addCalculatedField(QStringLiteral("nrProt_symbol"), [](const Dataset& d, int r) {
        return numberYearSymbol(numberOf(d, r, "NUMERPROT"), protocolYear(d, r), admSettings(), text(d, r, "SYMBOLWYP"));
    });
    ds->addCalculatedField(QStringLiteral("nrKarty_symbol"), [](const Dataset& d, int r) {
        return numberYearSymbol(numberOf(d, r, "NUMERKARTY"), documentYear(admSettings(), datesOf(d, r, "DATAWYPSKW")),
                                admSettings(), text(d, r, "SYMBOLWYP"));
    });
    ds->addCalculatedField(QStringLiteral("DniNiezd_l"), [](const Dataset& d, int r) {
        const Field after = d.rowField(r, QStringLiteral("DNINIEZDR"));
        return (!after.isNull() && after.asInt() != 0) ? after.variant()
                                                       : d.rowField(r, QStringLiteral("DNINIEZD")).variant();
    });
}

} // namespace

QStringList personDatasets() {
    return {QStringLiteral("ZestWyp2SQL"), QStringLiteral("ZestWyp3SQL"), QStringLiteral("ZestWypSQL"),
            QStringLiteral("ZestWyp1SQL"), QStringLiteral("ZestWypSQL3"), QStringLiteral("ZestWyp4SQL"),
            QStringLiteral("ZestKarta1SQL")};
}

void addTo(TDataModForm& dm) {
    for (const QString& name : personDatasets()) {
        auto* ds = new Dataset(&dm.KartyDB(), QString::fromLatin1(kSelect) + QString::fromLatin1(kRestriction), &dm);
        if (name == QLatin1String("ZestWyp4SQL"))
            addRegisterCardFields(ds);
        else if (name == QLatin1String("ZestWypSQL") || name == QLatin1String("ZestWyp1SQL") ||
                 name == QLatin1String("ZestWypSQL3"))
            addProtocolFields(ds);
        dm.addDataset(name, ds);
    }
}

void open(TDataModForm& dm, const QString& name, int personId, int accidentId) {
    Dataset* ds = dm.dataset(name);
    if (!ds) return;
    ds->close();
    ds->setParam(QStringLiteral("IDPOSZK"), personId);
    ds->setParam(QStringLiteral("IDWYP"), accidentId);
    ds->open();
}

void openAll(TDataModForm& dm, int personId, int accidentId) {
    for (const QString& name : personDatasets()) open(dm, name, personId, accidentId);
}

int accidentOfPerson(TDataModForm& dm, int personId) {
    const QVariant v = dm.KartyDB().scalar(QStringLiteral("select IDWYPADKU from SKWPOSZKODOWANI where ID = :id"),
                                           Params{{"id", personId}});
    return v.isNull() ? 0 : v.toInt();
}

} // namespace zort::reportds
