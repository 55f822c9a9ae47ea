#include "domain/PoliceReportDatasets.h"

#include "core/AdmSettings.h"
#include "core/DateUtil.h"
#include "core/Formats.h"
#include "db/Dataset.h"
#include "domain/DataModForm.h"
#include "domain/DocumentNumber.h"

namespace zort::reportds {
namespace {

// Every column of the officer and of the accident; the accident's key is the one
// name both tables have.
const char* const kOfficerSelect =
    "select WYPOPER_POSZKODOWANI.*, WYPOPER_WYPADKI.ID AS WYPADEK_ID, WYPOPER_WYPADKI.SYMBOLWYP, "
    "WYPOPER_WYPADKI.NUMER, WYPOPER_WYPADKI.DATA, WYPOPER_WYPADKI.WYPIZ, WYPOPER_WYPADKI.WYPUB, "
    "WYPOPER_WYPADKI.POSZKODOWANI, WYPOPER_WYPADKI.MSCWYPADKU, WYPOPER_WYPADKI.DATAZGMIN, "
    "WYPOPER_WYPADKI.BLOK, WYPOPER_WYPADKI.COMPNAME, WYPOPER_WYPADKI.CZASROZP, WYPOPER_WYPADKI.CZASZAK, "
    "WYPOPER_WYPADKI.WYPDS, WYPOPER_WYPADKI.DATAREJWYP "
    "from WYPOPER_POSZKODOWANI, WYPOPER_WYPADKI where WYPOPER_POSZKODOWANI.IDWYPADKU = WYPOPER_WYPADKI.ID "
    "AND (( WYPOPER_POSZKODOWANI.ID = :IDPOSZK) AND (WYPOPER_POSZKODOWANI.IDWYPADKU = :IDWYP ) )";

const char* const kHearingSelect =
    "SELECT WypOper_PRZESLUCHANIE.*, WypOper_Poszkodowani.NumerProt ,WypOper_Poszkodowani.DataProt,"
    "WypOper_Wypadki.Data, WypOper_Wypadki.SymbolWyp FROM WypOper_PRZESLUCHANIE , WypOper_Wypadki , "
    "WypOper_Poszkodowani WHERE WypOper_Wypadki.Id = WypOper_PRZESLUCHANIE.IdWypadku  AND "
    "WypOper_Poszkodowani.Id = WypOper_PRZESLUCHANIE.IdProtokolu AND WypOper_Poszkodowani.IdWypadku = "
    "WypOper_PRZESLUCHANIE.IdWypadku  AND WypOper_PRZESLUCHANIE.ID = :ID";

const char* const kInspectionSelect =
    "SELECT WypOper_OGLEDZINY .*, WypOper_Wypadki.Data,WypOper_Wypadki.SymbolWyp FROM WypOper_OGLEDZINY , "
    "WypOper_Wypadki WHERE WypOper_Wypadki.Id = WypOper_OGLEDZINY.IdWypadku AND WypOper_OGLEDZINY.ID = :ID";

// The accident's symbol is read too: the protocol number carries it as the hearing's does.
const char* const kOwnAttachmentSelect =
    "SELECT WypOper_ZALACZNIKI.Id, WypOper_ZALACZNIKI.Tytul, WypOper_ZALACZNIKI.Opis, "
    "WypOper_POSZKODOWANI.NumerProt, WypOper_POSZKODOWANI.DataProt, WypOper_WYPADKI.SymbolWyp  FROM "
    "WypOper_ZALACZNIKI , WypOper_POSZKODOWANI,WypOper_WYPADKI  WHERE "
    "WypOper_WYPADKI.Id=WypOper_POSZKODOWANI.IdWypadku  AND WypOper_POSZKODOWANI.Id=WypOper_ZALACZNIKI.IdProtokolu  "
    "AND WypOper_ZALACZNIKI.IDProtokolu = :IDPOSZK AND WypOper_ZALACZNIKI.IDWYPADKU = :IDWYP AND "
    "WypOper_ZALACZNIKI.Id = :ID";

const QString kBreak = QStringLiteral("\n\r");

QString text(const Dataset& d, int r, const char* column) { return d.rowField(r, QLatin1String(column)).asString(); }

QString numberOf(const Dataset& d, int r, const char* column) {
    const Field f = d.rowField(r, QLatin1String(column));
    return f.isNull() ? QString() : QString::number(f.asInt());
}

QDateTime dateOf(const Dataset& d, int r, const char* column) {
    return dates::toDateTime(d.rowField(r, QLatin1String(column)).variant());
}

int yearOf(const Dataset& d, int r, const char* column) {
    const QDateTime at = dateOf(d, r, column);
    return at.isValid() ? at.date().year() : 0;
}

QString documentDate(const Dataset& d, int r, const char* column) {
    const QDateTime at = dateOf(d, r, column);
    return at.isValid() ? at.date().toString(QStringLiteral("dd.MM.yyyy")) : QString();
}

QString protocolNumber(const Dataset& d, int r) {
    return numberWithSymbol(numberOf(d, r, "NUMERPROT"), admSettings(), text(d, r, "SYMBOLWYP"));
}

// "Załącznik nr N do protokołu nr X", with " z dnia " and the protocol's date only
// when it has one.
QString attachmentToProtocol(const Dataset& d, int r, const char* numberColumn) {
    QString s = QStringLiteral("Załącznik nr ") + numberOf(d, r, numberColumn) + QStringLiteral(" do protokołu nr ") +
                protocolNumber(d, r);
    const QDateTime made = dateOf(d, r, "DATAPROT");
    if (made.isValid()) s += QStringLiteral(" z dnia ") + Formats::date(made);
    return s;
}

QString listOf(const Dataset& d, int r, const char* prefix) {
    QStringList values;
    for (int i = 1; i <= 4; ++i) values << d.rowField(r, QLatin1String(prefix) + QString::number(i)).asString();
    return policeList(values);
}

QVariant placeAndDate(const Dataset& d, int r) {
    return text(d, r, "MIEJSCESP") + QStringLiteral(", dnia ") + documentDate(d, r, "DATASP");
}

void addProtocolFields(Dataset& ds) {
    ds.addCalculatedField(QStringLiteral("RokProtok"), [](const Dataset& d, int r) { return yearOf(d, r, "DATAPROT"); });
    ds.addCalculatedField(QStringLiteral("GodzWyp"), [](const Dataset& d, int r) -> QVariant {
        const QDateTime at = dateOf(d, r, "DATA");
        return at.isValid() ? at.time().toString(QStringLiteral("hh:mm")) : QStringLiteral(" ");
    });
    ds.addCalculatedField(QStringLiteral("nrProt_symbol"), [](const Dataset& d, int r) { return protocolNumber(d, r); });
    ds.addCalculatedField(QStringLiteral("nr"), [](const Dataset& d, int r) {
        return protocolNumber(d, r) + QStringLiteral(" / ") + QString::number(yearOf(d, r, "DATAPROT")) +
               QStringLiteral(" r.");
    });
    ds.addCalculatedField(QStringLiteral("ImieNazwisko"), [](const Dataset& d, int r) {
        return text(d, r, "STOPSL") + QLatin1Char(' ') + text(d, r, "IMIE") + QLatin1Char(' ') + text(d, r, "NAZWISKO");
    });
    ds.addCalculatedField(QStringLiteral("SkutkiSm"), [](const Dataset& d, int r) {
        const Field where = d.rowField(r, QStringLiteral("SZPITALSM"));
        if (where.isNull()) return QString();
        switch (where.asInt()) {
        case 1: return QStringLiteral("w drodze do szpitala - ") + text(d, r, "MIEJSCSM");
        case 2: return QStringLiteral("w szpitalu - ") + text(d, r, "MIEJSCSM");
        default: return QString();
        }
    });
    ds.addCalculatedField(QStringLiteral("adres"), [](const Dataset& d, int r) {
        QString s = QStringLiteral("wojew. ") + text(d, r, "WOJEW") + QStringLiteral(",  ") + text(d, r, "ULICA") +
                    QLatin1Char(' ') + text(d, r, "NRUL");
        const QString flat = text(d, r, "NRMIESZ").trimmed();
        if (!flat.isEmpty()) s += QStringLiteral(" nr ") + flat;
        return s;
    });
}

void addCardFields(Dataset& ds) {
    ds.addCalculatedField(QStringLiteral("RokWyp"), [](const Dataset& d, int r) { return yearOf(d, r, "DATA"); });
    ds.addCalculatedField(QStringLiteral("nr"), [](const Dataset& d, int r) {
        return numberWithSymbol(numberOf(d, r, "NUMER"), admSettings(), text(d, r, "SYMBOLWYP")) + QLatin1Char('/') +
               numberOf(d, r, "POSZKODOWANI") + QLatin1Char('/') + numberOf(d, r, "NRPOSZK") + QLatin1Char('/') +
               QString::number(yearOf(d, r, "DATA"));
    });
    ds.addCalculatedField(QStringLiteral("ImieNazwisko"), [](const Dataset& d, int r) {
        return text(d, r, "IMIE") + QLatin1Char(' ') + text(d, r, "NAZWISKO");
    });
    ds.addCalculatedField(QStringLiteral("R_WypEKW"), [](const Dataset& d, int r) {
        const Field kind = d.rowField(r, QStringLiteral("RODZWYPEKW"));
        if (kind.isNull()) return QString();
        switch (kind.asInt()) {
        case 1: return QStringLiteral("jest wypadkiem w służbie");
        case 2: return QStringLiteral("nie jest wypadkiem w służbie");
        case 3: return QStringLiteral("jest wypadkiem w drodze");
        case 4: return QStringLiteral("nie jest wypadkiem w drodze");
        default: return QString();
        }
    });
    ds.addCalculatedField(QStringLiteral("DoznUraz"), [](const Dataset& d, int r) { return listOf(d, r, "DOZNURAZ"); });
    ds.addCalculatedField(QStringLiteral("CzynnUraz"), [](const Dataset& d, int r) { return listOf(d, r, "CZYNNURAZ"); });
    ds.addCalculatedField(QStringLiteral("WydarzUraz"), [](const Dataset& d, int r) { return listOf(d, r, "WYDARZURAZ"); });
    ds.addCalculatedField(QStringLiteral("Przyczyna"), [](const Dataset& d, int r) { return listOf(d, r, "PRZYCZYNA"); });
}

void addHearingFields(Dataset& ds) {
    ds.addCalculatedField(QStringLiteral("nrProt_symbol"), [](const Dataset& d, int r) { return protocolNumber(d, r); });
    ds.addCalculatedField(QStringLiteral("Naglowek"), [](const Dataset& d, int r) { return attachmentToProtocol(d, r, "NUMER"); });
    // The hearing's type: 0 the injured person, 1 a witness, otherwise either.
    const auto byType = [](const char* injured, const char* witness, const char* either) {
        return [=](const Dataset& d, int r) -> QVariant {
            const Field t = d.rowField(r, QStringLiteral("TYP"));
            const int type = t.isNull() ? -1 : int(t.asInt());
            return QString::fromUtf8(type == 0 ? injured : type == 1 ? witness : either);
        };
    };
    ds.addCalculatedField(QStringLiteral("TytulPrz"),
                          byType("PROTOKÓŁ PRZESŁUCHANIA POSZKODOWANEGO", "PROTOKÓŁ PRZESŁUCHANIA ŚWIADKA",
                                 "PROTOKÓŁ PRZESŁUCHANIA POSZKODOWANEGO/ŚWIADKA"));
    ds.addCalculatedField(QStringLiteral("RolaPrz"), byType("poszkodowanego", "świadka", "poszkodowanego/świadka"));
    ds.addCalculatedField(QStringLiteral("PodpisPrz"), byType("(podpis poszkodowanego)", "(podpis świadka)",
                                                              "(podpis poszkodowanego/świadka)"));
    ds.addCalculatedField(QStringLiteral("MiejsceData"), placeAndDate);
    ds.addCalculatedField(QStringLiteral("StopienImNazw"), [](const Dataset& d, int r) {
        return text(d, r, "STOPIENSL") + QStringLiteral(", ") + text(d, r, "IMIE") + QLatin1Char(' ') + text(d, r, "NAZWISKO");
    });
    ds.addCalculatedField(QStringLiteral("DataMiejsceUr"), [](const Dataset& d, int r) {
        return documentDate(d, r, "DATAUR") + QStringLiteral(", ") + text(d, r, "MIEJSCEUR");
    });
    ds.addCalculatedField(QStringLiteral("Zameldowanie"), [](const Dataset& d, int r) {
        QString s = text(d, r, "KODPOCZ") + QLatin1Char(' ') + text(d, r, "MIEJSCOW") + QStringLiteral(", ul. ") +
                    text(d, r, "ULICA") + QStringLiteral("  ") + text(d, r, "NRUL");
        const QString flat = text(d, r, "NRMIESZ").trimmed();
        if (!flat.isEmpty()) s += QStringLiteral(" nr.") + flat;
        return s;
    });
}

void addInspectionFields(Dataset& ds) {
    ds.addCalculatedField(QStringLiteral("Naglowek"), [](const Dataset& d, int r) {
        return QStringLiteral("Załącznik nr ") + numberOf(d, r, "NUMER") + QStringLiteral(" do wypadku: ") +
               text(d, r, "SYMBOLWYP");
    });
    ds.addCalculatedField(QStringLiteral("MiejsceData"), placeAndDate);
}

void addOwnAttachmentFields(Dataset& ds) {
    ds.addCalculatedField(QStringLiteral("nrProt_symbol"), [](const Dataset& d, int r) { return protocolNumber(d, r); });
    ds.addCalculatedField(QStringLiteral("Naglowek"), [](const Dataset& d, int r) { return attachmentToProtocol(d, r, "ID"); });
}

bool openOne(TDataModForm& dm, const QString& name, const Params& params) {
    Dataset* ds = dm.dataset(name);
    if (!ds) return false;
    ds->close();
    ds->setParams(params);
    ds->open();
    return !ds->isEmpty();
}

} // namespace

QString policeList(const QStringList& values) {
    QString s;
    for (const QString& v : values)
        if (!v.trimmed().isEmpty()) s += v.trimmed() + kBreak;
    s.chop(kBreak.size());
    return s;
}

QString policeRegisterSql() {
    return QStringLiteral(
        "select W.ID as IDWYPADKU, W.NUMER, W.SYMBOLWYP, W.DATA, W.DATAREJWYP, P.ID, P.NRPOSZK, P.NAZWISKO, P.IMIE, "
        "P.STOPSL, P.NAZWAJEDN, P.DATAUR, P.STAZ, P.ZWOLNIENIE, P.RODZWYPEKW, P.PROCUSZZDR, P.CZYNNURAZ1, "
        "P.CZYNNURAZ2, P.CZYNNURAZ3, P.CZYNNURAZ4, P.PRZYCZYNA1, P.PRZYCZYNA2, P.PRZYCZYNA3, P.PRZYCZYNA4, "
        "P.PRZYCZYNY, P.SKUTKI "
        "from WypOper_Wypadki W join WypOper_Poszkodowani P on P.IDWYPADKU = W.ID "
        "where W.DATAREJWYP >= :datapocz and W.DATAREJWYP < :datakonc "
        "order by W.DATA, W.NUMER, P.NRPOSZK");
}

void addPoliceRegisterFields(Dataset& ds) {
    ds.addCalculatedField(QStringLiteral("ImNazwStop"), [](const Dataset& d, int r) {
        return text(d, r, "STOPSL") + kBreak + text(d, r, "IMIE") + QLatin1Char(' ') + text(d, r, "NAZWISKO") + kBreak +
               text(d, r, "NAZWAJEDN");
    });
    // The age only with both dates and never below 0; "/" and the years of service stay.
    ds.addCalculatedField(QStringLiteral("WiekStaz"), [](const Dataset& d, int r) {
        const QDateTime at = dateOf(d, r, "DATA");
        const QDateTime born = dateOf(d, r, "DATAUR");
        QString age;
        if (at.isValid() && born.isValid() && at.date().year() >= born.date().year())
            age = QString::number(at.date().year() - born.date().year());
        return age + QLatin1Char('/') + numberOf(d, r, "STAZ");
    });
    ds.addCalculatedField(QStringLiteral("Czynniki"), [](const Dataset& d, int r) { return listOf(d, r, "CZYNNURAZ"); });
    ds.addCalculatedField(QStringLiteral("PrzyczynyEKW"), [](const Dataset& d, int r) { return listOf(d, r, "PRZYCZYNA"); });
    ds.addCalculatedField(QStringLiteral("RodzWyp"), [](const Dataset& d, int r) {
        const Field f = d.rowField(r, QStringLiteral("RODZWYPEKW"));
        const int kind = f.isNull() ? 0 : int(f.asInt());
        switch (kind) {
        case 1: return QStringLiteral("TAK") + kBreak + QStringLiteral("w służbie");
        case 2: return QStringLiteral("NIE") + kBreak + QStringLiteral("w służbie");
        case 3: return QStringLiteral("TAK") + kBreak + QStringLiteral("w drodze");
        case 4: return QStringLiteral("NIE") + kBreak + QStringLiteral("w drodze");
        default: return QStringLiteral("brak danych");
        }
    });
}

void addPoliceTo(TDataModForm& dm) {
    auto make = [&dm](const QString& name, const char* sql, void (*fields)(Dataset&)) {
        auto* ds = new Dataset(&dm.KartyDB(), QString::fromUtf8(sql), &dm);
        fields(*ds);
        dm.addDataset(name, ds);
    };
    make(kPoliceProtocol, kOfficerSelect, addProtocolFields);
    make(kPoliceCard, kOfficerSelect, addCardFields);
    make(kPoliceHearing, kHearingSelect, addHearingFields);
    make(kPoliceInspection, kInspectionSelect, addInspectionFields);
    make(kPoliceOwnAttachment, kOwnAttachmentSelect, addOwnAttachmentFields);
    auto* reg = new Dataset(&dm.KartyDB(), policeRegisterSql(), &dm);
    addPoliceRegisterFields(*reg);
    dm.addDataset(kPoliceRegister, reg);
}

void openPoliceOfficer(TDataModForm& dm, int officerId, int accidentId) {
    for (const QString& name : {kPoliceProtocol, kPoliceCard})
        openOne(dm, name, Params{{"IDPOSZK", officerId}, {"IDWYP", accidentId}});
}

bool openPoliceOfficer(TDataModForm& dm, int officerId) {
    const QVariant accident = dm.KartyDB().scalar(
        QStringLiteral("select IDWYPADKU from WYPOPER_POSZKODOWANI where ID = :id"), Params{{"id", officerId}});
    if (accident.isNull()) return false;
    openPoliceOfficer(dm, officerId, accident.toInt());
    Dataset* ds = dm.dataset(kPoliceProtocol);
    return ds && !ds->isEmpty();
}

void openPoliceRegister(TDataModForm& dm, int year) {
    openOne(dm, kPoliceRegister,
            Params{{"datapocz", QDateTime(QDate(year, 1, 1), QTime(0, 0))},
                   {"datakonc", QDateTime(QDate(year + 1, 1, 1), QTime(0, 0))}});
}

bool openPoliceHearing(TDataModForm& dm, int id) { return openOne(dm, kPoliceHearing, Params{{"ID", id}}); }

bool openPoliceInspection(TDataModForm& dm, int id) { return openOne(dm, kPoliceInspection, Params{{"ID", id}}); }

bool openPoliceOwnAttachment(TDataModForm& dm, int accidentId, int officerId, int id) {
    return openOne(dm, kPoliceOwnAttachment, Params{{"IDPOSZK", officerId}, {"IDWYP", accidentId}, {"ID", id}});
}

} // namespace zort::reportds
