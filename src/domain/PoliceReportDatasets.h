#pragma once
#include <QString>
#include <QStringList>

namespace zort {

class Dataset;
class TDataModForm;

// The report datasets of the other accidents (the variant for uniformed services),
// in the data module beside the ones of the accidents at work (ReportDatasets.h):
//
//   qryRepProt_Policja, qryRepEKW_Policja  one officer (WYPOPER_POSZKODOWANI, every
//       column) joined with the accident (WYPOPER_WYPADKI, every column; its ID as
//       "WYPADEK_ID"), restricted by
//       " AND (( WYPOPER_POSZKODOWANI.ID = :IDPOSZK) AND (WYPOPER_POSZKODOWANI.IDWYPADKU = :IDWYP ) )"
//     the protocol:
//       RokProtok      year of DATAPROT, 0 without it
//       GodzWyp        "hh:mm" of DATA, " " without it
//       nrProt_symbol  NUMERPROT [separator SYMBOLWYP]
//       nr             nrProt_symbol " / " RokProtok " r."
//       ImieNazwisko   STOPSL " " IMIE " " NAZWISKO
//       SkutkiSm       SZPITALSM 1 "w drodze do szpitala - " MIEJSCSM, 2 "w szpitalu - " MIEJSCSM
//       adres          "wojew. " WOJEW ",  " ULICA " " NRUL [" nr " NRMIESZ]
//     the record card (EKW):
//       RokWyp         year of DATA, 0 without it
//       nr             NUMER [separator SYMBOLWYP] "/" POSZKODOWANI "/" NRPOSZK "/" RokWyp
//       ImieNazwisko   IMIE " " NAZWISKO
//       R_WypEKW       RODZWYPEKW in words (1..4)
//       DoznUraz, CzynnUraz, WydarzUraz, Przyczyna   the lists of DOZNURAZ1..4, ...
//   qryRejestr_Policja  the register of accidents in service: the officers of the
//       accidents registered from :datapocz to before :datakonc (the list of the
//       register tab of the print window and the data of its printout), with
//       ImNazwStop, WiekStaz, Czynniki, PrzyczynyEKW, RodzWyp
//   qryRepPrz_Policja   a hearing (:ID) with the protocol number and date of its
//       officer and the accident's date and symbol:
//       nrProt_symbol, Naglowek ("Załącznik nr " NUMER " do protokołu nr " nrProt_symbol
//       [" z dnia " DATAPROT]), TytulPrz, RolaPrz, PodpisPrz (by TYP: 0 the injured
//       person, 1 a witness, otherwise both), MiejsceData (MIEJSCESP ", dnia " DATASP),
//       StopienImNazw (STOPIENSL ", " IMIE " " NAZWISKO), DataMiejsceUr (DATAUR ", "
//       MIEJSCEUR), Zameldowanie (KODPOCZ " " MIEJSCOW ", ul. " ULICA "  " NRUL [" nr."
//       NRMIESZ])
//   qryRepOgl_Policja   an inspection (:ID) with the accident's date and symbol:
//       Naglowek ("Załącznik nr " NUMER " do wypadku: " SYMBOLWYP), MiejsceData
//   qryRepZalW_Policja  an own attachment (:ID of the officer :IDPOSZK and accident
//       :IDWYP, the key being unique per owner only) with the protocol number and date:
//       nrProt_symbol, Naglowek ("Załącznik nr " ID " do protokołu nr " nrProt_symbol
//       [" z dnia " DATAPROT])
// Lists hold the non-empty values one per line ("\n\r" between them, none after the
// last); a null or zero date prints nothing and gives the year 0; the header dates are
// in the short date format, the other dates "dd.mm.yyyy".
namespace reportds {

inline const QString kPoliceProtocol = QStringLiteral("qryRepProt_Policja");
inline const QString kPoliceCard = QStringLiteral("qryRepEKW_Policja");
inline const QString kPoliceRegister = QStringLiteral("qryRejestr_Policja");
inline const QString kPoliceHearing = QStringLiteral("qryRepPrz_Policja");
inline const QString kPoliceInspection = QStringLiteral("qryRepOgl_Policja");
inline const QString kPoliceOwnAttachment = QStringLiteral("qryRepZalW_Policja");

// The non-empty values one per line: each followed by "\n\r", the last two
// characters removed.
QString policeList(const QStringList& values);

// The register query and its calculated fields.
QString policeRegisterSql();
void addPoliceRegisterFields(Dataset& ds);

// Creates the datasets in the data module (called by addTo()).
void addPoliceTo(TDataModForm& dm);

// The protocol and the record card of an officer; false when there is no such
// officer (the accident is read from the officer's row).
bool openPoliceOfficer(TDataModForm& dm, int officerId);
void openPoliceOfficer(TDataModForm& dm, int officerId, int accidentId);
// The register of the accidents registered in the year.
void openPoliceRegister(TDataModForm& dm, int year);
// One attachment each; false when there is no such entry.
bool openPoliceHearing(TDataModForm& dm, int id);
bool openPoliceInspection(TDataModForm& dm, int id);
bool openPoliceOwnAttachment(TDataModForm& dm, int accidentId, int officerId, int id);

} // namespace reportds
} // namespace zort
