#pragma once
#include <QString>
#include <QStringList>

namespace zort {

class TDataModForm;

// The report datasets of the attachment printouts: one row of an own attachment
// (qryZal), a hearing (qryZal_p) or an order (qryZal_pol) with the numbers of the
// document it is attached to. Each has two statements, one for the attachments of an
// injured person's protocol or accident card and one for a commuting-accident card
// (person 0), chosen by the owner when the dataset is opened; the ids are bound. The
// joined person's name and the accident's date are read as IMIE_1, NAZWISKO_1 and
// DATA_1 (the hearing has columns of the same names), the accident's symbol as
// SYMBOLWYP.
//
// Calculated fields:
//   nr_symbol     the document's number: NUMERPROT when RODZUMOWY is 1, else
//                 NUMERKARTYWYP (a commuting card: its NUMER), with the setting that
//                 joins the symbol followed by the separator and SYMBOLWYP
//   WDrodze       1 for the attachments of a commuting-accident card, else 0
//   GodzWyp       (hearing) "hh:mm" of DATA_1, a blank without a date
//   Poszkodowany  (hearing) IMIE " " NAZWISKO of the heard person
//   Urodzony      (hearing) DATAUR " " MIEJSCEUR
//   Adres         (hearing) ULICA " " NRUL [" m. " NRMIESZ] line break " " KODPOCZ " " MIEJSCOW
//   Zawod_p       (hearing) KODZAWODU " " ZAWOD
namespace reportds {

QStringList attachmentDatasets();  // qryZal, qryZal_p, qryZal_pol

// The owner of an attachment: the accident and the injured person (0: the accident
// is a commuting accident).
struct AttachmentOwnerIds {
    int accident = 0;
    int person = 0;
    bool commuting() const { return person == 0; }
};

// Creates the datasets in the data module (called by addTo()).
void addAttachmentsTo(TDataModForm& dm);

// Opens a dataset for the entry of the owner (own attachments: the ID within the
// owner; hearings and orders: the table-wide ID). False when there is no such row.
bool openAttachment(TDataModForm& dm, const QString& name, const AttachmentOwnerIds& owner, int id);
// The owner of a hearing (SKWPRZESLUCHANIE) or an order (SKWPOLECENIE) by its ID;
// false when there is no such row.
bool ownerOfEntry(TDataModForm& dm, const QString& table, int id, AttachmentOwnerIds* owner);
void closeAttachment(TDataModForm& dm, const QString& name);

} // namespace reportds
} // namespace zort
