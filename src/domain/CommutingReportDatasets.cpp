#include "domain/CommutingReportDatasets.h"

#include "core/AdmSettings.h"
#include "core/DateUtil.h"
#include "domain/DataModForm.h"
#include "domain/DocumentNumber.h"

namespace zort::reportds {
namespace {

const char* const kSelect = "SELECT * FROM SKWWYPADKIWDRODZE WHERE ID = :id";

QString text(const Dataset& d, int r, const char* column) { return d.rowField(r, QLatin1String(column)).asString(); }

QDateTime dateOf(const Dataset& d, int r, const char* column) {
    return dates::toDateTime(d.rowField(r, QLatin1String(column)).variant());
}

QString dateText(const Dataset& d, int r, const char* column) {
    const QDateTime at = dateOf(d, r, column);
    return at.isValid() ? at.date().toString(QStringLiteral("dd.MM.yyyy")) : QString();
}

// A small integer column; -1 (no alternative) when it is null.
int choiceOf(const Dataset& d, int r, const char* column) {
    const Field f = d.rowField(r, QLatin1String(column));
    return f.isNull() ? -1 : int(f.asInt());
}

QString numberText(const Dataset& d, int r) {
    const Field f = d.rowField(r, QStringLiteral("NUMER"));
    const QString number = f.isNull() ? QString() : QString::number(f.asInt());
    const int year = documentYear(admSettings(), DocumentDates{dateOf(d, r, "DATA"), dateOf(d, r, "DATASP"),
                                                               dateOf(d, r, "DATAREJWYP")});
    return QStringLiteral("nr ") + numberWithSymbol(number, admSettings(), text(d, r, "SYMBOLWYP")) +
           QStringLiteral(" / ") + QString::number(year) + QStringLiteral(" r.");
}

QString address(const Dataset& d, int r) {
    QString s = text(d, r, "ULICA") + QLatin1Char(' ') + text(d, r, "NRUL");
    const QString flat = text(d, r, "NRMIESZ");
    if (!flat.trimmed().isEmpty()) s += QStringLiteral(" m. ") + flat;
    return s + QStringLiteral("\n ") + text(d, r, "KODPOCZ") + QLatin1Char(' ') + text(d, r, "MIEJSCOW");
}

QString effects(const Dataset& d, int r) {
    switch (choiceOf(d, r, "SKUTKI")) {
    case 0: return QStringLiteral("Śmierć");
    case 1:
        return QStringLiteral("Niezdolność do pracy od ") + dateText(d, r, "DATANIEZDOD") + QStringLiteral(" do ") +
               dateText(d, r, "DATANIEZDDO") + QStringLiteral(" nr statystyczny choroby - ") + text(d, r, "KODCHOROBY");
    default: return QString();
    }
}

QString recognition(const Dataset& d, int r) {
    switch (choiceOf(d, r, "RODZAJWYP")) {
    case 0: return QStringLiteral("jest wypadkiem w drodze do pracy lub z pracy.");
    case 1:
        return QStringLiteral("nie jest wypadkiem w drodze do pracy lub z pracy. Wypadek nastąpił z powodu umyślnego "
                              "lub wynikającego z rażącego niedbalstwa naruszenia przepisów o ochronie życia lub "
                              "zdrowia.");
    case 2:
        return QStringLiteral("nie jest wypadkiem w drodze do pracy lub z pracy. Do wypadku przyczynił się w sposób "
                              "istotny sam pracownik będąc w stanie nietrzeźwym.");
    default: return QStringLiteral("brak danych.");
    }
}

void addCardFields(Dataset* ds) {
    ds->addCalculatedField(QStringLiteral("Nr"), [](const Dataset& d, int r) { return numberText(d, r); });
    ds->addCalculatedField(QStringLiteral("GodzWyp"), [](const Dataset& d, int r) {
        const QDateTime at = dateOf(d, r, "DATA");
        return at.isValid() ? at.time().toString(QStringLiteral("hh:mm")) : QString();
    });
    ds->addCalculatedField(QStringLiteral("Poszkodowany"), [](const Dataset& d, int r) {
        return text(d, r, "IMIE") + QLatin1Char(' ') + text(d, r, "NAZWISKO");
    });
    ds->addCalculatedField(QStringLiteral("Urodzony"), [](const Dataset& d, int r) {
        return dateText(d, r, "DATAUR") + QLatin1Char(' ') + text(d, r, "MIEJSCEUR");
    });
    ds->addCalculatedField(QStringLiteral("Adres"), [](const Dataset& d, int r) { return address(d, r); });
    ds->addCalculatedField(QStringLiteral("PrzedsiebR"), [](const Dataset& d, int r) {
        return text(d, r, "PRZEDSIEB") + QLatin1Char('\n') + text(d, r, "ADRESPRZEDSIEB");
    });
    ds->addCalculatedField(QStringLiteral("Zawod_p"), [](const Dataset& d, int r) {
        return text(d, r, "KODZAWODU") + QLatin1Char(' ') + text(d, r, "ZAWOD");
    });
    ds->addCalculatedField(QStringLiteral("pkt4"), [](const Dataset& d, int r) {
        switch (choiceOf(d, r, "WYPRZ")) {
        case 0: return QStringLiteral("miał rozpocząć");
        case 1: return QStringLiteral("zakończył");
        default: return QStringLiteral(" - ");
        }
    });
    ds->addCalculatedField(QStringLiteral("GodzRozp"), [](const Dataset& d, int r) {
        return choiceOf(d, r, "WYPRZ") == 0 ? text(d, r, "GODZRZ") : QString();
    });
    ds->addCalculatedField(QStringLiteral("GodzZak"), [](const Dataset& d, int r) {
        return choiceOf(d, r, "WYPRZ") == 1 ? text(d, r, "GODZRZ") : QString();
    });
    ds->addCalculatedField(QStringLiteral("pkt5"), [](const Dataset& d, int r) {
        return routeText(choiceOf(d, r, "MIEJSCEWYP"));
    });
    ds->addCalculatedField(QStringLiteral("SkutkiR"), [](const Dataset& d, int r) { return effects(d, r); });
    for (int i = 1; i <= 3; ++i) {
        const QByteArray name = "IMNAZWSW" + QByteArray::number(i);
        const QByteArray address = "ADRESSW" + QByteArray::number(i);
        ds->addCalculatedField(QStringLiteral("Swiadek%1").arg(i), [i, name, address](const Dataset& d, int r) {
            return QStringLiteral("%1). ").arg(i) + text(d, r, name.constData()) + QLatin1Char(' ') +
                   text(d, r, address.constData());
        });
    }
    ds->addCalculatedField(QStringLiteral("DochodzenieR"), [](const Dataset& d, int r) {
        switch (choiceOf(d, r, "DOCHODZENIE")) {
        case 0: return QStringLiteral("TAK");
        case 1: return QStringLiteral("NIE");
        default: return QString();
        }
    });
    ds->addCalculatedField(QStringLiteral("RodzajWypR"), [](const Dataset& d, int r) { return recognition(d, r); });
    ds->addCalculatedField(QStringLiteral("DataMiejsce"), [](const Dataset& d, int r) {
        return text(d, r, "MIEJSCESP") + QLatin1Char(' ') + dateText(d, r, "DATASP");
    });
}

} // namespace

QStringList commutingDatasets() {
    return {QStringLiteral("ZestWDrodze1SQL"), QStringLiteral("ZestWDrodze2SQL"), QStringLiteral("ZestWDrodzeNoweSQL")};
}

QString routeText(int value) {
    static const QString kStudy = QStringLiteral("odbywania nauki lub studiów dla pracujących na podstawie  skierowania zakładu pracy");
    switch (value) {
    case 0: return QStringLiteral("z domu do pracy");
    case 1: return QStringLiteral("z pracy do domu");
    case 2: return QStringLiteral("do miejsca innego zatrudnienia");
    case 3: return QStringLiteral("do miejsca zwykłego wykonywania funkcji lub zadań politycznych");
    case 4: return QStringLiteral("do miejsca zwykłego wykonywania funkcji lub zadań zawodowych");
    case 5: return QStringLiteral("do miejsca zwykłego wykonywania funkcji lub zadań społecznych");
    case 6: return QStringLiteral("do miejsca zwykłego spożywania posiłków");
    case 7: return QStringLiteral("do miejsca ") + kStudy;
    case 8: return QStringLiteral("z miejsca innego zatrudnienia");
    case 9: return QStringLiteral("z miejsca zwykłego wykonywania funkcji lub zadań politycznych");
    case 10: return QStringLiteral("z miejsca zwykłego wykonywania funkcji lub zadań zawodowych");
    case 11: return QStringLiteral("z miejsca zwykłego wykonywania funkcji lub zadań społecznych");
    case 12: return QStringLiteral("z miejsca zwykłego spożywania posiłków");
    case 13: return QStringLiteral("z miejsca ") + kStudy;
    default: return QStringLiteral("brak danych");
    }
}

void addCommutingTo(TDataModForm& dm) {
    for (const QString& name : commutingDatasets()) {
        auto* ds = new Dataset(&dm.KartyDB(), QString::fromLatin1(kSelect), &dm);
        addCardFields(ds);
        dm.addDataset(name, ds);
    }
}

void openCommuting(TDataModForm& dm, const QString& name, int id) {
    Dataset* ds = dm.dataset(name);
    if (!ds) return;
    ds->close();
    ds->setParam(QStringLiteral("id"), id);
    ds->open();
}

bool openCommutingAll(TDataModForm& dm, int id) {
    bool found = true;
    for (const QString& name : commutingDatasets()) {
        openCommuting(dm, name, id);
        const Dataset* ds = dm.dataset(name);
        found = found && ds && !ds->isEmpty();
    }
    return found;
}

} // namespace zort::reportds
