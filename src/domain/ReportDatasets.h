#pragma once
#include <QString>
#include <QStringList>

namespace zort {

class TDataModForm;

// The report datasets of the data module: each holds one row, the injured person
// (SKWPOSZKODOWANI, every column) joined with the person's accident (SKWWYPADKI, every
// column; the accident's ID as "WYPADEK_ID", the only name both tables share), with
// the calculated fields its forms print:
//
//   ZestWypSQL, ZestWyp1SQL, ZestWypSQL3  (protocol pages, the whole protocol)
//       nrProt_symbol  NUMERPROT with the separator and SYMBOLWYP (no year)
//       RokProtok      the document year of the protocol (DATAPROT as its own date)
//       Nr             nrProt_symbol + " / " + RokProtok + " r."
//       ImieNazwisko   IMIE + " " + NAZWISKO
//       GodzWyp        "hh:mm" of DATA, a single blank without a date
//   ZestWyp4SQL  (the register card)
//       GodzWyp, nrProt_symbol (NUMERPROT "/" year, separator, symbol),
//       nrKarty_symbol (NUMERKARTY "/" year of the card (DATAWYPSKW), separator, symbol),
//       DniNiezd_l (DNINIEZDR when not 0, else DNINIEZD)
//   ZestWyp2SQL  (statistical card, page one and part II)
//       RokUrodz, RokProtok (DATAWYPSKW as the card's date), nrKarty_symbol, DataWyp
//       ("yyyy-mm-dd", a blank without a date), MiesWyp, DzienWyp, godzwyp, OpisRok,
//       SzBrak ("t" when no training column holds "t"/"T"), MiejsceDataWyp2,
//       emailwypskw2UPPER
//   ZestWyp3SQL  (statistical card, page two)
//       DataWyp, GodzWyp (hour only), MiejsceDataWyp, emailwypskwUPPER
//   ZestKarta1SQL (accident card)
//       nrKartyWyp_symbol (number, symbol, " / " year " r."; DATAPROT the card's date),
//       Poszkodowany, Urodzony, Adres (" m. " only with a flat number), Zglaszajacy,
//       swiadek1, swiadek2, PktUstawy (PKTUSTAWY trimmed)
//   A null or zero date prints nothing and gives the year 0; a joined text with an
//   empty part leaves out its separator.
//
// The statements are "select ... from SKWPOSZKODOWANI, SKWWYPADKI where
// SKWPOSZKODOWANI.IDWYPADKU = SKWWYPADKI.ID" followed by the restriction
// " AND (( SKWPOSZKODOWANI.ID = :IDPOSZK) AND (SKWPOSZKODOWANI.IDWYPADKU = :IDWYP ) )"
// with both ids bound.
namespace reportds {

// In the order the print selection window opens them.
QStringList personDatasets();  // ZestWyp2SQL, ZestWyp3SQL, ZestWypSQL, ZestWyp1SQL, ZestWypSQL3, ZestWyp4SQL, ZestKarta1SQL

// Creates the datasets in the data module (under their names, dm.dataset(name)),
// the commuting card's too (CommutingReportDatasets.h).
void addTo(TDataModForm& dm);

// Opens one dataset for the person and accident (the calculated fields follow the
// settings of the run as they are when it opens).
void open(TDataModForm& dm, const QString& name, int personId, int accidentId);
// Opens every dataset of personDatasets(), in that order.
void openAll(TDataModForm& dm, int personId, int accidentId);
// The accident of an injured person (0 when there is no such person).
int accidentOfPerson(TDataModForm& dm, int personId);

} // namespace reportds
} // namespace zort
