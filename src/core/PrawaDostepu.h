#pragma once
#include <QString>
#include <array>

namespace zort {

// The rights columns of APRAWADOSTEPU, in the order of the rights record.
#define ZORT_RIGHTS(X)                                                                          \
    X(AZAKL) X(ACZYN) X(ACZYNSTAN) X(ASWIAD) X(AOCHRONY) X(APRAWDOPOD) X(AOSOB) X(AZAWODY)     \
    X(ACZYNNOSCI) X(AARCHIWUM) X(AWYPADKI) X(PSESJA) X(PCHEM) X(PPYLY) X(PBIOL) X(PHALAS)     \
    X(POSWIETL) X(PDRGAN) X(PPROMIEN) X(PELEKTROM) X(PMIKROKL) X(PMECH) X(PWYBPOZ)            \
    X(POBCSTAT) X(PMONOTYP) X(PWYSFIZ) X(POBCPSYCH) X(PSRODOCHR) X(PMETPOM) X(PWYPADCHOR)     \
    X(PDODINFOR) X(PPROFMED) X(PPROFTECH) X(PPROFORG) X(WKARTPOMP) X(WKARTPOMS) X(WZESTZBPOM) \
    X(WKARTABEZP) X(WZ10) X(WINNE) X(WSKWPROTPW) X(WZESTZBWYP) X(WZESTSTATW) X(DDobor)        \
    X(DWybor) X(DWydruk) X(BAdmin) X(BStanow) X(BUzytk) X(BWydruk) X(PPRAD) X(WWydrZal)       \
    X(RDODCZYNCHEM) X(RKOPDANERYZ) X(BKOPDANEBHP) X(AWydruk) X(PUsunSesja) X(RDodLab)         \
    X(APrzywroc) X(ASYNCHO) X(LObieg) X(ABLOKWYPADKI) X(RWlasneKRT) X(RWlasneCzynn)           \
    X(PWlasneCzynn) X(POper) X(AOsobWysw) X(RRiskScore)

// The user's rights: one integer per right, read from the user table at login and
// fixed for the run. Levels of a register: 0 none, 1 view, 2 full.
struct TPrawaDostepu {
#define ZORT_RIGHT_FIELD(name) int name = 0;
    ZORT_RIGHTS(ZORT_RIGHT_FIELD)
#undef ZORT_RIGHT_FIELD

    static constexpr int kCount = 68;
    // The column names, in the record's order.
    static const std::array<const char*, kCount>& names();
    // The field at a position of that order.
    int& at(int index);
    int at(int index) const;
    // The field of a column name (any case); -1 when there is none.
    int value(const QString& name) const;

    bool operator==(const TPrawaDostepu&) const = default;
};

} // namespace zort
