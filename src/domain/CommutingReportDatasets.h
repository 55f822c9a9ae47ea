#pragma once
#include <QString>
#include <QStringList>

namespace zort {

class TDataModForm;

// The report datasets of the commuting-accident card: each holds one row of
// SKWWYPADKIWDRODZE ("SELECT * FROM SKWWYPADKIWDRODZE WHERE ID = :id", the id bound)
// with the calculated fields the card prints:
//
//   Nr            "nr " NUMER [separator SYMBOLWYP] " / " year " r."; the year of the
//                 date the year setting names: DATA, the card's DATASP, DATAREJWYP
//   GodzWyp       "hh:mm" of DATA
//   Poszkodowany  IMIE " " NAZWISKO
//   Urodzony      DATAUR " " MIEJSCEUR
//   Adres         ULICA " " NRUL [" m. " NRMIESZ] line break " " KODPOCZ " " MIEJSCOW
//   PrzedsiebR    PRZEDSIEB line break ADRESPRZEDSIEB
//   Zawod_p       KODZAWODU " " ZAWOD
//   pkt4, GodzRozp, GodzZak   by WYPRZ: 0 "miał rozpocząć" and the hour of starting,
//                 1 "zakończył" and the hour of ending, otherwise " - " and no hours
//   pkt5          the route of MIEJSCEWYP in words; "brak danych" for any other value
//   SkutkiR       by SKUTKI: "Śmierć", or the incapacity with its period and disease
//   Swiadek1..3   "1). " name " " address of the witness
//   DochodzenieR  "TAK" / "NIE" by DOCHODZENIE
//   RodzajWypR    whether the accident is a commuting accident, in words
//   DataMiejsce   MIEJSCESP " " DATASP
// A null or zero date prints nothing and gives the year 0.
//
// ZestWDrodzeNoweSQL feeds the forms from 2002 on, ZestWDrodze1SQL and ZestWDrodze2SQL
// the two pages of the older form.
namespace reportds {

QStringList commutingDatasets();  // ZestWDrodze1SQL, ZestWDrodze2SQL, ZestWDrodzeNoweSQL

// Creates the datasets in the data module (called by addTo()).
void addCommutingTo(TDataModForm& dm);

// Opens one of them for the commuting accident (the calculated fields follow the
// settings as they are when it opens).
void openCommuting(TDataModForm& dm, const QString& name, int id);
// Opens all three; false when there is no such commuting accident.
bool openCommutingAll(TDataModForm& dm, int id);

// The route of a value of MIEJSCEWYP in words ("brak danych" for any other value).
QString routeText(int value);

} // namespace reportds
} // namespace zort
