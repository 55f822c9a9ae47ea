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
    referenceDate = today;
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

void AdmSettings::save(TMyIniFile& ini) const {
    auto write = [&](const char* name, const QString& value) {
        ini.WriteSaved(kGlobal, QString::fromLatin1(name), value);
    };
    write("DodSymbolWyp", flag(symbolWyp));
    write("ZnakRozdzielajacy", separator);
    write("DataOdniesienia", QString::number(dataOdniesienia));
    write("PozDoZatr", pozDoZatr);
    if (rodzajSKW >= 0) write("RodzajSKW", QString::number(rodzajSKW));
    write("Wydr233PPosz", flag(wydr233));
    write("NowyProtPowypadkowy", QString::number(nowyProtPowypadkowy));
    write("WyjasnieniePoszk", flag(wyjasnieniePoszk));
    write("RokSKWProtPow", QString::number(rokSKWProtPow));
    write("ProtPowypadkowyWielostronicowy", flag(protPowWielostronicowy));
    write("DokWypFont", QString::number(dokWypFont));
    write("DataNaglZal", flag(dataNaglZal));
    write("KolorWyp", flag(kolorWyp));
    write("NowaKartaWypWDrodze", QString::number(nowaKartaWypWDrodze));
    write("KartaWypadku", QString::number(kartaWypadku));
    write("zaznPkt13prot", flag(zaznPkt13prot));
    write("SortPrzyczWyp", sortName(sortPrzyczWyp));
    write("SortZrodlWyp", sortName(sortZrodlWyp));
    write("SortPozListWyp", sortName(sortPozListWyp));
    write("SortStrukList", sortName(sortStrukList));
    // The section Operacyjni switches the variant on: never create it here.
    if (ini.SectionExists(QStringLiteral("Operacyjni")))
        ini.WriteOper(QLatin1String(kOperGroup), QStringLiteral("AllTypPrac"), flag(allTypPrac));
}

AdmSettings& admSettings() {
    static AdmSettings settings;
    if (!g_loaded) {
        g_loaded = true;
        if (hasAppIni()) {
            settings.load(appIni(), Clock::today());
        } else {
            settings = AdmSettings();
            settings.referenceDate = settings.printDate = Clock::today();
        }
    }
    return settings;
}

} // namespace zort
