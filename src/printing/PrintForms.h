#pragma once

namespace zort::print {

// Each family of document forms adds its forms to the registry (ReportForms.h);
// registerReportForms() calls them all.
void registerRegisterCardForms();  // TRejWypRep1Form, TRejWypRep1Form_1
void registerProtocolForms();      // TProtPowRep1Form.., TProtPowRepForm_all, TProtPowRepForm_3_all
void registerOldProtocolForms();
void registerCollectiveForms();    // TZestZbDrukFrm, TqrZestRocz1Frm, TZestZbDrogaDrukFrm, TqrZestRoczDrogaFrm
void registerStatisticsForms();    // TqrWypWydzFrm, TqrZestStatFrm, TqrZmianyFrm, TqrZestWypFrm, TqrZestStat01Frm   // TProtPowRep1Form, TProtPowRep2Form, TProtPowRep1Form_1, TProtPowRep2Form_1

} // namespace zort::print
