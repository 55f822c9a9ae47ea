#pragma once
#include <QDate>
#include <QObject>
#include <QString>
#include <QStringList>

namespace zort {

class TMyIniFile;

// The workstation's settings of the register, as the administration window shows
// and edits them. They are read from the configuration file (group GLOBAL of the
// saved settings; AllTypPrac from the operational ones, kOperGroup) when the run
// starts; every other part of the program reads them here. Each member holds the
// state of its control: a flag for a TAK/NIE group (TAK = true), an item index for
// a list.
struct AdmSettings {
    // Group of the operational setting AllTypPrac in the configuration file. The
    // suite's other modules read and write the same key, so the name is fixed.
    static constexpr const char* kOperGroup = "SPEC";

    // "Data wydruku:", today at start. (The reference date is the data module's.)
    QDate printDate;

    bool symbolWyp = false;        // DodSymbolWyp: "T" joins the accident symbol to the numbers
    QString separator;             // ZnakRozdzielajacy: put between a number and the symbol
    int dataOdniesienia = 0;       // DataOdniesienia: 0 accident date, 1 report date, 2 registration date
    QString pozDoZatr;             // PozDoZatr: structure level of "Zatrudniony w", as typed
    int rodzajSKW = -1;            // RodzajSKW: card version 0..5; -1 when none is chosen
    bool wydr233 = false;          // Wydr233PPosz
    int nowyProtPowypadkowy = 0;   // NowyProtPowypadkowy: protocol form 0..3
    bool wyjasnieniePoszk = true;  // WyjasnieniePoszk
    int rokSKWProtPow = 0;         // RokSKWProtPow: 0 accident date, 1 document date, 2 registration date
    bool protPowWielostronicowy = false;  // ProtPowypadkowyWielostronicowy
    int dokWypFont = 0;            // DokWypFont: 0 "8", 1 "9", 2 "10"
    bool dataNaglZal = true;       // DataNaglZal
    bool kolorWyp = true;          // KolorWyp
    int nowaKartaWypWDrodze = 2;   // NowaKartaWypWDrodze: commuting card form 0..2
    int kartaWypadku = 2;          // KartaWypadku: accident card form 0..2
    bool zaznPkt13prot = true;     // zaznPkt13prot
    bool allTypPrac = false;       // kOperGroup / AllTypPrac (variant for uniformed services)
    int kzs = 0;                   // KZS: occupation classification edition 0..4

    // Sort groups: 0 "NAZWY" (by name or short description), 1 "KODY" (by code).
    int sortPrzyczWyp = 0;         // SortPrzyczWyp
    int sortZrodlWyp = 0;          // SortZrodlWyp
    int sortPozListWyp = 0;        // SortPozListWyp
    int sortL4 = 1;                // not stored: KODY at every start
    int sortStrukList = 1;         // SortStrukList

    // The card version new accidents get: the chosen one, "SKW 2022" (5) when none is.
    int cardVersionForNewAccidents() const;

    // Reads every setting; missing or invalid values give the defaults above (today
    // for the two dates).
    void load(const TMyIniFile& ini, const QDate& today);
    // Writes every stored setting in the form the configuration file keeps it.
    void save(TMyIniFile& ini) const;
    // Writes the one key (its INI name, e.g. "DodSymbolWyp") in its stored form; a
    // key the file does not keep (KZS, the disease sort) is not written.
    void saveKey(TMyIniFile& ini, const QString& key) const;
    // The INI keys save() writes, in its order.
    static QStringList storedKeys();
};

// Tells the windows that a setting changed (its INI key, or "cbRejestr" for the
// current register, which is not stored): the main window adapts what shows it at once.
class AdmSettingsNotifier : public QObject {
    Q_OBJECT
signals:
    void changed(const QString& key);
};
AdmSettingsNotifier& admSettingsNotifier();
// Announced when the administration window read the register again on closing: the
// organisational-structure trees are built anew when next shown.
constexpr const char* kAdmStructureReload = "StructureTrees";

// A setting was changed in the settings object: its key is written to the run's
// configuration file (when there is one) and the change announced.
void admSettingChanged(const QString& key);

// The settings of the run: loaded from the process's configuration file on first
// use (the defaults when there is none).
AdmSettings& admSettings();

} // namespace zort
