#include "domain/ReportDatasets.h"

#include "core/AdmSettings.h"
#include "core/DateUtil.h"
#include "domain/AttachmentReportDatasets.h"
#include "domain/CommutingReportDatasets.h"
#include "domain/DataModForm.h"
#include "domain/DocumentNumber.h"
#include "domain/PoliceReportDatasets.h"

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

// The date of a column, invalid when null or the "no date" of the register.
QDateTime dateOf(const Dataset& d, int r, const char* column) {
    return dates::toDateTime(d.rowField(r, QLatin1String(column)).variant());
}

QString dateText(const Dataset& d, int r, const char* column) {
    const QDateTime at = dateOf(d, r, column);
    return at.isValid() ? at.date().toString(QStringLiteral("dd.MM.yyyy")) : QString();
}

// Parts joined by a separator; an empty part leaves its separator out.
QString joined(const QStringList& parts, const QString& separator) {
    QStringList kept;
    for (const QString& p : parts)
        if (!p.trimmed().isEmpty()) kept << p.trimmed();
    return kept.join(separator);
}

int cardYear(const Dataset& d, int r) { return documentYear(admSettings(), datesOf(d, r, "DATAWYPSKW")); }

QVariant accidentDate(const Dataset& d, int r) {
    const QDateTime at = dateOf(d, r, "DATA");
    return at.isValid() ? at.date().toString(QStringLiteral("yyyy-MM-dd")) : QStringLiteral(" ");
}

QVariant accidentHour(const Dataset& d, int r) {
    const QDateTime at = dateOf(d, r, "DATA");
    return at.isValid() ? at.time().toString(QStringLiteral("hh")) : QString();
}

// "date, place" on the 2022 card, "place date" on the older ones.
QString placeAndDate(const Dataset& d, int r, const char* dateColumn, const char* placeColumn) {
    const QString date = dateText(d, r, dateColumn);
    const QString place = text(d, r, placeColumn);
    if (d.rowField(r, QStringLiteral("WERSJASKW")).asInt() == 5) return joined({date, place}, QStringLiteral(", "));
    return joined({place, date}, QStringLiteral(" "));
}

bool trained(const Dataset& d, int r) {
    for (const char* c : {"SZKWSTEPNE", "SZKINSTR", "SZKPODST", "SZKOKRES"})
        if (text(d, r, c).trimmed().compare(QLatin1String("t"), Qt::CaseInsensitive) == 0) return true;
    return false;
}

void addStatCardFields(Dataset* ds, bool pageOne) {
    ds->addCalculatedField(QStringLiteral("DataWyp"), accidentDate);
    if (pageOne) {
        ds->addCalculatedField(QStringLiteral("RokUrodz"), [](const Dataset& d, int r) {
            const QDateTime born = dateOf(d, r, "DATAUR");
            return born.isValid() ? born.date().year() : 0;
        });
        ds->addCalculatedField(QStringLiteral("RokProtok"), [](const Dataset& d, int r) { return cardYear(d, r); });
        ds->addCalculatedField(QStringLiteral("nrKarty_symbol"), [](const Dataset& d, int r) {
            return numberWithSymbol(numberOf(d, r, "NUMERKARTY"), admSettings(), text(d, r, "SYMBOLWYP"));
        });
        ds->addCalculatedField(QStringLiteral("MiesWyp"), [](const Dataset& d, int r) {
            const QDateTime at = dateOf(d, r, "DATA");
            return at.isValid() ? at.date().toString(QStringLiteral("MM")) : QString();
        });
        ds->addCalculatedField(QStringLiteral("DzienWyp"), [](const Dataset& d, int r) {
            const QDateTime at = dateOf(d, r, "DATA");
            return at.isValid() ? at.date().toString(QStringLiteral("dd")) : QString();
        });
        ds->addCalculatedField(QStringLiteral("godzwyp"), accidentHour);
        ds->addCalculatedField(QStringLiteral("OpisRok"), [](const Dataset& d, int r) {
            const QDateTime at = dateOf(d, r, "DATA");
            QString s = QStringLiteral("Rzeczywiste skutki wypadku zaistniałego w roku ") +
                        (at.isValid() ? QString::number(at.date().year()) : QString());
            if (d.rowField(r, QStringLiteral("WERSJASKW")).asInt() >= 2 && at.isValid())
                s += QStringLiteral(" miesiącu ") + at.date().toString(QStringLiteral("MM")) + QStringLiteral(" dniu ") +
                     at.date().toString(QStringLiteral("dd")) +
                     QStringLiteral(" (zgodnie z pozycją 16 Statystycznej Karty Wypadku)");
            return s;
        });
        ds->addCalculatedField(QStringLiteral("SzBrak"), [](const Dataset& d, int r) {
            return trained(d, r) ? QStringLiteral("n") : QStringLiteral("t");
        });
        ds->addCalculatedField(QStringLiteral("MiejsceDataWyp2"), [](const Dataset& d, int r) {
            return placeAndDate(d, r, "DATAWYPSKW2", "MIEJSCOWWYPSKW2");
        });
        ds->addCalculatedField(QStringLiteral("emailwypskw2UPPER"), [](const Dataset& d, int r) {
            return text(d, r, "EMAILWYPSKW2").toUpper();
        });
    } else {
        ds->addCalculatedField(QStringLiteral("GodzWyp"), accidentHour);
        ds->addCalculatedField(QStringLiteral("MiejsceDataWyp"), [](const Dataset& d, int r) {
            return placeAndDate(d, r, "DATAWYPSKW", "MIEJSCOWWYPSKW");
        });
        ds->addCalculatedField(QStringLiteral("emailwypskwUPPER"), [](const Dataset& d, int r) {
            return text(d, r, "EMAILWYPSKW").toUpper();
        });
    }
}

// The accident card: the number with its year, the joined lines of the person.
void addAccidentCardFields(Dataset* ds) {
    ds->addCalculatedField(QStringLiteral("nrKartyWyp_symbol"), [](const Dataset& d, int r) {
        return numberWithSymbol(numberOf(d, r, "NUMERKARTYWYP"), admSettings(), text(d, r, "SYMBOLWYP")) +
               QStringLiteral(" / ") + QString::number(protocolYear(d, r)) + QStringLiteral(" r.");
    });
    ds->addCalculatedField(QStringLiteral("Poszkodowany"), [](const Dataset& d, int r) {
        return joined({text(d, r, "IMIE"), text(d, r, "NAZWISKO")}, QStringLiteral(" "));
    });
    ds->addCalculatedField(QStringLiteral("Urodzony"), [](const Dataset& d, int r) {
        return joined({dateText(d, r, "DATAUR"), text(d, r, "MIEJSCEUR")}, QStringLiteral(" "));
    });
    ds->addCalculatedField(QStringLiteral("Adres"), [](const Dataset& d, int r) {
        QString street = joined({text(d, r, "ULICA"), text(d, r, "NRUL")}, QStringLiteral(" "));
        const QString flat = text(d, r, "NRMIESZ").trimmed();
        if (!flat.isEmpty()) street = joined({street, flat}, QStringLiteral(" m. "));
        return joined({street, joined({text(d, r, "KODPOCZ"), text(d, r, "MIEJSCOW")}, QStringLiteral(" "))},
                      QStringLiteral(", "));
    });
    ds->addCalculatedField(QStringLiteral("Zglaszajacy"), [](const Dataset& d, int r) {
        return joined({dateText(d, r, "DATAZG"), text(d, r, "IMNAZWZG")}, QStringLiteral(" "));
    });
    ds->addCalculatedField(QStringLiteral("swiadek1"), [](const Dataset& d, int r) {
        return joined({text(d, r, "IMNAZWSW1"), text(d, r, "ADRESSW1")}, QStringLiteral(" "));
    });
    ds->addCalculatedField(QStringLiteral("swiadek2"), [](const Dataset& d, int r) {
        return joined({text(d, r, "IMNAZWSW2"), text(d, r, "ADRESSW2")}, QStringLiteral(" "));
    });
    ds->addCalculatedField(QStringLiteral("PktUstawy"), [](const Dataset& d, int r) { return text(d, r, "PKTUSTAWY").trimmed(); });
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
        else if (name == QLatin1String("ZestWyp2SQL") || name == QLatin1String("ZestWyp3SQL"))
            addStatCardFields(ds, name == QLatin1String("ZestWyp2SQL"));
        else if (name == QLatin1String("ZestKarta1SQL"))
            addAccidentCardFields(ds);
        dm.addDataset(name, ds);
    }
    addCommutingTo(dm);
    addPoliceTo(dm);
    addAttachmentsTo(dm);
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
