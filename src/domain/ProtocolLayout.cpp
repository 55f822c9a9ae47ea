#include "domain/ProtocolLayout.h"

namespace zort {
namespace {

const char* const kMemos[] = {"mrOkolicznosci01", "mrPrzyczyny02", "mrUchybienia03", "mrDowUchyb04",
                              "mrDowPij05",       "mrRodzUrazu06", "mrUzasadn07",    "mrProfilaktyka08",
                              "mrPrzeszkody09",   "mrZalaczniki10", "mpOdmowaZus11"};

// Per memo above: the form of 1998, of 2003, and of 2004 and 2019 with limits.
constexpr int kLimits[3][11] = {
    {772, 2490, 300, 400, 200, 600, 590, 1180, 390, 390, 1575},
    {772, 772, 300, 350, 200, 600, 590, 1180, 390, 390, 0},
    {3120, 1320, 840, 840, 840, 3360, 3360, 4200, 2160, 2160, 0},
};

} // namespace

ProtocolLayout protocolLayout(int protocolForm, bool unlimitedMemos) {
    const int form = protocolForm >= 0 && protocolForm <= 3 ? protocolForm : 0;
    ProtocolLayout l;
    const int column = form <= 1 ? form : 2;
    const bool lifted = form >= 2 && unlimitedMemos;
    for (int i = 0; i < 11; ++i) l.memoLimits.insert(QString::fromLatin1(kMemos[i]), lifted ? 0 : kLimits[column][i]);
    for (const char* m : {"mkOkolicznosci01", "mkUzasadn07", "mkDowUchyb04", "mkDowPij05"})
        l.memoLimits.insert(QString::fromLatin1(m), unlimitedMemos ? 0 : 1350);
    l.memoLimits.insert(QStringLiteral("mkPrzeszkody09"), unlimitedMemos ? 0 : 500);
    if (form == 0) {
        l.accidentTypes = {QStringLiteral("przy pracy"), QStringLiteral("zrównany z wypadkiem przy pracy"),
                           QStringLiteral("nie jest wypadkiem przy pracy"),
                           QStringLiteral("nie jest wypadkiem zrównanym z wypadkiem przy pracy"),
                           QStringLiteral("przy wykonywaniu umowy agencyjnej lub umowy zlecenia"),
                           QStringLiteral("nie jest wypadkiem przy wykonywaniu umowy agencyjnej lub umowy zlecenia")};
        l.causesCaption = QStringLiteral("Okoliczności i przyczyny wypadku :");
    } else {
        l.accidentTypes = {QStringLiteral("przy pracy"), QStringLiteral("traktowany na równi z wypadkiem przy pracy"),
                           QStringLiteral("nie jest wypadkiem przy pracy"),
                           QStringLiteral("nie jest traktowany na równi z wypadkiem przy pracy")};
        l.causesCaption = QStringLiteral("Przyczyny wypadku :");
    }
    l.employerEditable = form >= 1;
    l.birthPlaceEditable = form == 3;
    l.remarksQuestion = form == 3;
    return l;
}

QStringList protocolEmployerFields() {
    return {QStringLiteral("epAdresFirma"), QStringLiteral("epNipFirma"), QStringLiteral("epPeselFirma"),
            QStringLiteral("epDokFirma"), QStringLiteral("epPeselPrac")};
}

} // namespace zort
