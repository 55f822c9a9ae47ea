#pragma once

namespace zort::print {

// Registers the three print selection windows with the document windows
// ("TAdmDrukForm", "TAdmDrukWDrodzeForm", "TAdmDrukForm_Policja"): each is created on
// first use, kept, and shown modally by its "Wydruki".
void registerPrintWindows();

} // namespace zort::print
