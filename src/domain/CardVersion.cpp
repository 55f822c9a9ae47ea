#include "domain/CardVersion.h"

#include "domain/Dictionaries.h"

namespace zort {

const std::vector<CardVersionInfo>& cardVersions() {
    static const std::vector<CardVersionInfo> versions = {
        {0, QStringLiteral("SKW 2004"), QStringLiteral("(Dz. U. 2004 r. Nr 269, poz. 2672)"), QStringLiteral("TSKWForm_2"),
         CardFamily::Trees},
        {1, QStringLiteral("SKW 2000"), QStringLiteral("(Dz. U. 2000 r. Nr 51, poz. 612)"), QStringLiteral("TSKWForm_1"),
         CardFamily::Lists2000},
        {2, QStringLiteral("SKW 2009"), QStringLiteral("(Dz. U. 2009 r. Nr 14, poz. 80)"), QStringLiteral("TSKWForm_2"),
         CardFamily::Trees},
        {3, QStringLiteral("SKW 2010"), QStringLiteral("(Dz. U. 2010 r. Nr 218, poz. 1440)"), QStringLiteral("TSKWForm_3"),
         CardFamily::Trees},
        {4, QStringLiteral("SKW 2019"), QStringLiteral("(Dz. U. 2019 r. Poz. 1972) "), QStringLiteral("TSKWForm_4"),
         CardFamily::Trees},
        {5, QStringLiteral("SKW 2022"), QStringLiteral("(Dz. U. 2022 r. Poz. 2750) "), QStringLiteral("TSKWForm_5"),
         CardFamily::Trees2022},
    };
    return versions;
}

const CardVersionInfo* cardVersion(int index) {
    if (index < 0 || index >= kCardVersionCount) return nullptr;
    return &cardVersions()[size_t(index)];
}

QString cardWindowClass(int index, const QDateTime& referenceDate) {
    if (index == 1) return cardAfter2000(referenceDate) ? QStringLiteral("TSKWForm_1") : QStringLiteral("TSKWForm");
    const CardVersionInfo* v = cardVersion(index);
    return v ? v->windowClass : cardVersions().back().windowClass;
}

int changeCardVersion(int remembered, int chosen, int stored, const VersionChangeSteps& steps) {
    if (chosen == remembered) return chosen;
    if (!versionChangeAsks(remembered, chosen)) {
        steps.layOut(chosen);
        return chosen;
    }
    int now = chosen;
    if (steps.ask()) {
        steps.clear();
        steps.layOut(chosen);
        steps.save();
    } else {
        now = stored >= 0 ? stored : remembered;
        steps.putBack(now);
    }
    steps.focusPlace();
    return now;
}

bool versionChangeAsks(int from, int to) {
    if (from == to) return false;
    const auto later = [](int v) { return v == 4 || v == 5; };
    if ((from == 3 && later(to)) || (later(from) && to == 3)) return false;
    return true;
}

QString versionChangeQuestion() { return QStringLiteral("Ta zmiana spowoduje wyzerowanie pól SKW. Kontynuować ?"); }

QString versionChangeCaption() { return QStringLiteral("Zmiana danych !!!"); }

const QStringList& versionChangeClearedColumns() {
    static const QStringList columns = [] {
        QStringList c{QStringLiteral("IDURAZU1"), QStringLiteral("URAZ1"), QStringLiteral("IDURAZU2"),
                      QStringLiteral("URAZ2"), QStringLiteral("IDURAZU3"), QStringLiteral("URAZ3"),
                      QStringLiteral("IDCZYNNOSCI"), QStringLiteral("CZYNNOSC"), QStringLiteral("IDWYDARZENIA"),
                      QStringLiteral("WYDARZENIE")};
        for (int i = 1; i <= 7; ++i) c << QStringLiteral("IDPRZYCZYNY%1").arg(i) << QStringLiteral("PRZYCZYNA%1").arg(i);
        c << QStringLiteral("IDRODZAJURAZ") << QStringLiteral("RODZAJURAZ") << QStringLiteral("IDOBYWATELSTWO")
          << QStringLiteral("OBYWATELSTWO") << QStringLiteral("POLOZGEOGR") << QStringLiteral("IDPROCESPRACY")
          << QStringLiteral("PROCESPRACY") << QStringLiteral("IDRODZAJMIEJSCAWYP") << QStringLiteral("RODZAJMIEJSCAWYP")
          << QStringLiteral("IDCZYNNIKCZYNNOSC") << QStringLiteral("CZYNNIKCZYNNOSC")
          << QStringLiteral("IDCZYNNIKODCHYLENIE") << QStringLiteral("CZYNNIKODCHYLENIE")
          << QStringLiteral("IDWYDARZENIEURAZ") << QStringLiteral("WYDARZENIEURAZ") << QStringLiteral("IDCZYNNIKURAZ")
          << QStringLiteral("CZYNNIKURAZ") << QStringLiteral("IDLICZBAPRAC") << QStringLiteral("KODCHOROBY")
          << QStringLiteral("IDMIEJSCA") << QStringLiteral("MIEJSCEWYP") << QStringLiteral("KODZAWODU")
          << QStringLiteral("ZAWOD") << QStringLiteral("IDUMOWY") << QStringLiteral("UMOWA");
        return c;
    }();
    return columns;
}

bool versionChangeClears(const QString& column) {
    return versionChangeClearedColumns().contains(column.trimmed(), Qt::CaseInsensitive);
}

} // namespace zort
