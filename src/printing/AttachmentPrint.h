#pragma once
#include <QString>

namespace zort::print {

// The attachment printouts of the attachments windows: installs into
// AttachmentPrinting the routine that opens the entry's dataset for its owner, runs
// the form of its kind ("WypZalWlasne" TZalRepForm1, "WypZalPrzesl"
// TZal_PrzesRepForm1, "WypZalPolec" TZal_RepPolForm1; of an officer's protocol
// "WypZalPrzeslPol" TfrmRepProtPrz_Policja, "WypZalOgledzPol" TfrmRepProtOgl_Policja,
// "WypZalWlasnePol" TfrmRepZalW_Policja) and previews it modally (the
// circulation's record: the hearing's or order's ID, the own attachment's injured
// person or commuting card) or prints it. An entry that is not there prints nothing.
void installAttachmentPrinting();

// The form of a printout kind ("" for another kind).
QString attachmentFormOfKind(const QString& kind);

} // namespace zort::print
