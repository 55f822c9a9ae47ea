#include "core/AdmSettings.h"

#include "core/Clock.h"
#include "core/MyIniFile.h"

namespace zort {
namespace {

const QString kGlobal = QStringLiteral("GLOBAL");

bool isMissing(const QString& v) { return v == QLatin1String(TMyIniFile::kMissing); }

// A whole number within 0..last, or the fallback.
int itemIndex(const QString& v, int last, int fallback) {
    bool ok = false;
    const int n = v.trimmed().toInt(&ok);
    return ok && n >= 0 && n <= last ? n : fallback;
}

QString flag(bool on) { return on ? QStringLiteral("T") : QStringLiteral("N"); }
QString sortName(int item) { return item == 0 ? QStringLiteral("Nazwa") : QStringLiteral("Kod"); }

bool g_loaded = false;

} // namespace

int AdmSettings::cardVersionForNewAccidents() const {
    return rodzajSKW >= 0 && rodzajSKW <= 5 ? rodzajSKW : 5;
}

void AdmSettings::load(const TMyIniFile& ini, const QDate& today) {
    auto saved = [&](const char* name) { return ini.ReadSaved(kGlobal, QString::fromLatin1(name)); };
    *this = AdmSettings();
    printDate = today;

    symbolWyp = saved("DodSymbolWyp") == QLatin1String("T");
    separator = ini.global(QStringLiteral("ZnakRozdzielajacy"));
    dataOdniesienia = itemIndex(saved("DataOdniesienia"), 2, 0);
    pozDoZatr = ini.global(QStringLiteral("PozDoZatr"));
    rodzajSKW = itemIndex(saved("RodzajSKW"), 5, -1);
    wydr233 = saved("Wydr233PPosz") == QLatin1String("T");
    const QString prot = saved("NowyProtPowypadkowy");
    nowyProtPowypadkowy = prot == QLatin1String("1") || prot == QLatin1String("2") || prot == QLatin1String("3")
                              ? prot.toInt()
                              : 0;
    wyjasnieniePoszk = saved("WyjasnieniePoszk") != QLatin1String("N");
    rokSKWProtPow = itemIndex(saved("RokSKWProtPow"), 2, 0);
    protPowWielostronicowy = saved("ProtPowypadkowyWielostronicowy") == QLatin1String("T");
    dokWypFont = itemIndex(saved("DokWypFont"), 2, 0);
    dataNaglZal = saved("DataNaglZal") != QLatin1String("N");
    kolorWyp = saved("KolorWyp") != QLatin1String("N");
    const QString commuting = saved("NowaKartaWypWDrodze");
    if (commuting == QLatin1String("T")) nowaKartaWypWDrodze = 1;
    else if (commuting == QLatin1String("N")) nowaKartaWypWDrodze = 0;
    else nowaKartaWypWDrodze = itemIndex(commuting, 2, 2);
    kartaWypadku = itemIndex(saved("KartaWypadku"), 2, 2);
    const QString pkt13 = saved("zaznPkt13prot");
    zaznPkt13prot = pkt13 == QLatin1String("T") || isMissing(pkt13);
    allTypPrac = ini.ReadOper(QLatin1String(kOperGroup), QStringLiteral("AllTypPrac")) == QLatin1String("T");
    kzs = itemIndex(saved("KZS"), 4, 0);

    sortPrzyczWyp = saved("SortPrzyczWyp") == QLatin1String("Kod") ? 1 : 0;
    sortZrodlWyp = saved("SortZrodlWyp") == QLatin1String("Kod") ? 1 : 0;
    sortPozListWyp = saved("SortPozListWyp") == QLatin1String("Kod") ? 1 : 0;
    sortL4 = 1;
    sortStrukList = saved("SortStrukList") == QLatin1String("Nazwa") ? 0 : 1;
}

QStringList AdmSettings::storedKeys() {
    return {QStringLiteral("DodSymbolWyp"),   QStringLiteral("ZnakRozdzielajacy"),
            QStringLiteral("DataOdniesienia"), QStringLiteral("PozDoZatr"),
            QStringLiteral("RodzajSKW"),       QStringLiteral("Wydr233PPosz"),
            QStringLiteral("NowyProtPowypadkowy"), QStringLiteral("WyjasnieniePoszk"),
            QStringLiteral("RokSKWProtPow"),   QStringLiteral("ProtPowypadkowyWielostronicowy"),
            QStringLiteral("DokWypFont"),      QStringLiteral("DataNaglZal"),
            QStringLiteral("KolorWyp"),        QStringLiteral("NowaKartaWypWDrodze"),
            QStringLiteral("KartaWypadku"),    QStringLiteral("zaznPkt13prot"),
            QStringLiteral("SortPrzyczWyp"),   QStringLiteral("SortZrodlWyp"),
            QStringLiteral("SortPozListWyp"),  QStringLiteral("SortStrukList"),
            QStringLiteral("AllTypPrac")};
}

void AdmSettings::save(TMyIniFile& ini) const {
    for (const QString& key : storedKeys()) saveKey(ini, key);
}

void AdmSettings::saveKey(TMyIniFile& ini, const QString& key) const {
    auto write = [&](const QString& value) { ini.WriteSaved(kGlobal, key, value); };
    auto is = [&](const char* name) { return key == QLatin1String(name); };
    if (is("DodSymbolWyp")) write(flag(symbolWyp));
    else if (is("ZnakRozdzielajacy")) write(separator);
    else if (is("DataOdniesienia")) write(QString::number(dataOdniesienia));
    else if (is("PozDoZatr")) write(pozDoZatr);
    else if (is("RodzajSKW")) {
        if (rodzajSKW >= 0) write(QString::number(rodzajSKW));
    } else if (is("Wydr233PPosz")) write(flag(wydr233));
    else if (is("NowyProtPowypadkowy")) write(QString::number(nowyProtPowypadkowy));
    else if (is("WyjasnieniePoszk")) write(flag(wyjasnieniePoszk));
    else if (is("RokSKWProtPow")) write(QString::number(rokSKWProtPow));
    else if (is("ProtPowypadkowyWielostronicowy")) write(flag(protPowWielostronicowy));
    else if (is("DokWypFont")) write(QString::number(dokWypFont));
    else if (is("DataNaglZal")) write(flag(dataNaglZal));
    else if (is("KolorWyp")) write(flag(kolorWyp));
    else if (is("NowaKartaWypWDrodze")) write(QString::number(nowaKartaWypWDrodze));
    else if (is("KartaWypadku")) write(QString::number(kartaWypadku));
    else if (is("zaznPkt13prot")) write(flag(zaznPkt13prot));
    else if (is("SortPrzyczWyp")) write(sortName(sortPrzyczWyp));
    else if (is("SortZrodlWyp")) write(sortName(sortZrodlWyp));
    else if (is("SortPozListWyp")) write(sortName(sortPozListWyp));
    else if (is("SortStrukList")) write(sortName(sortStrukList));
    else if (is("AllTypPrac")) {
        // The section Operacyjni switches the variant on: never create it here.
        if (ini.SectionExists(QStringLiteral("Operacyjni")))
            ini.WriteOper(QLatin1String(kOperGroup), QStringLiteral("AllTypPrac"), flag(allTypPrac));
    }
}

AdmSettingsNotifier& admSettingsNotifier() {
    static AdmSettingsNotifier notifier;
    return notifier;
}

void admSettingChanged(const QString& key) {
    if (hasAppIni()) admSettings().saveKey(appIni(), key);
    emit admSettingsNotifier().changed(key);
}

AdmSettings& admSettings() {
    static AdmSettings settings;
    if (!g_loaded) {
        g_loaded = true;
        if (hasAppIni()) {
            settings.load(appIni(), Clock::today());
        } else {
            settings = AdmSettings();
            settings.printDate = Clock::today();
        }
    }
    return settings;
}

} // namespace zort
