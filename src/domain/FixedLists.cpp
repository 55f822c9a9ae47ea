#include "domain/FixedLists.h"

namespace zort {

const QStringList& provinceNames() {
    static const QStringList names{
        QStringLiteral("dolnośląskie "),  QStringLiteral("kujawsko-pomorskie"), QStringLiteral("lubelskie"),
        QStringLiteral("lubuskie"),       QStringLiteral("łódzkie"),            QStringLiteral("małopolskie"),
        QStringLiteral("mazowieckie"),    QStringLiteral("opolskie"),           QStringLiteral("podkarpackie"),
        QStringLiteral("podlaskie"),      QStringLiteral("pomorskie"),          QStringLiteral("śląskie"),
        QStringLiteral("świętokrzyskie"), QStringLiteral("warmińsko-mazurskie"), QStringLiteral("wielkopolskie"),
        QStringLiteral("zachodniopomorskie")};
    return names;
}

const QStringList& commutingProvinceNames() {
    // The first seven carry a trailing blank, copied with them.
    static const QStringList provinces{
        QStringLiteral("dolnośląskie "), QStringLiteral("kujawsko-pomorskie "), QStringLiteral("lubelskie "),
        QStringLiteral("lubuskie "),     QStringLiteral("łódzkie "),            QStringLiteral("małopolskie "),
        QStringLiteral("mazowieckie "),  QStringLiteral("opolskie"),            QStringLiteral("podkarpackie"),
        QStringLiteral("podlaskie"),     QStringLiteral("pomorskie"),           QStringLiteral("śląskie"),
        QStringLiteral("świętokrzyskie"), QStringLiteral("warmińsko-mazurskie"), QStringLiteral("wielkopolskie"),
        QStringLiteral("zachodniopomorskie")};
    return provinces;
}

const QStringList& serviceRanks() {
    static const QStringList ranks{
        QStringLiteral("posterunkowy"),     QStringLiteral("starszy posterunkowy"), QStringLiteral("sierżant"),
        QStringLiteral("starszy sierżant"), QStringLiteral("sierżant sztabowy"),    QStringLiteral("młodszy aspirant"),
        QStringLiteral("aspirant"),         QStringLiteral("starszy aspirant"),     QStringLiteral("aspirant sztabowy"),
        QStringLiteral("podkomisarz"),      QStringLiteral("komisarz"),             QStringLiteral("nadkomisarz"),
        QStringLiteral("podinspektor"),     QStringLiteral("młodszy inspektor"),    QStringLiteral("inspektor"),
        QStringLiteral("nadinspektor"),     QStringLiteral("generalny inspektor")};
    return ranks;
}

const QStringList& servicePosts() {
    static const QStringList posts{
        QStringLiteral("policjant"),   QStringLiteral("asystent"),   QStringLiteral("dzielnicowy"),
        QStringLiteral("specjalista"), QStringLiteral("kierownik"),  QStringLiteral("zastępca naczelnika"),
        QStringLiteral("naczelnik"),   QStringLiteral("zastępca komendanta"), QStringLiteral("komendant"),
        QStringLiteral("zastępca dyrektora"), QStringLiteral("dyrektor")};
    return posts;
}

const QStringList& serviceUnits() {
    static const QStringList units{QStringLiteral("Komenda Główna Policji"), QStringLiteral("Komenda Wojewódzka Policji"),
                                   QStringLiteral("Komenda Miejska Policji"), QStringLiteral("Komenda Stołeczna Policji"),
                                   QStringLiteral("Komenda Powiatowa Policji")};
    return units;
}

const QStringList& bodyParts() {
    static const QStringList parts{
        QStringLiteral("stopa lewa"),     QStringLiteral("stopa prawa"),     QStringLiteral("podudzie lewe"),
        QStringLiteral("podudzie prawe"), QStringLiteral("kolano lewe"),     QStringLiteral("kolano prawe"),
        QStringLiteral("udo lewe"),       QStringLiteral("udo prawe"),       QStringLiteral("dłoń lewa"),
        QStringLiteral("dłoń prawa"),     QStringLiteral("przedramię lewe"), QStringLiteral("przedramię prawe"),
        QStringLiteral("ramię lewe"),     QStringLiteral("ramię prawe"),     QStringLiteral("kręgosłup"),
        QStringLiteral("brzuch"),         QStringLiteral("klatka piersiowa"), QStringLiteral("głowa")};
    return parts;
}

const QList<FixedList>& serviceFixedLists() {
    static const QList<FixedList> lists = [] {
        QList<FixedList> l{
            {QStringLiteral("cbStopSl"), QStringLiteral("efStopSl"), serviceRanks()},
            {QStringLiteral("cbStanoPol"), QStringLiteral("efStanoPol"), servicePosts()},
            {QStringLiteral("cbNazwaJedn"), QStringLiteral("efNazwaJedn"), serviceUnits()},
            {QStringLiteral("cbWojewJedn"), QStringLiteral("efWojewJedn"), commutingProvinceNames()},
            {QStringLiteral("cbWojewodztwo"), QStringLiteral("efWOJEW"), commutingProvinceNames()},
        };
        for (int i = 1; i <= 4; ++i)
            l.append({QStringLiteral("cbDoznUraz%1").arg(i), QStringLiteral("efDoznUraz%1").arg(i),
                      QStringList{QString()} + bodyParts(), true});
        return l;
    }();
    return lists;
}

QString injuryTakenMessage() { return QStringLiteral("Ten uraz został już wybrany."); }

} // namespace zort
