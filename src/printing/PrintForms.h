#pragma once

namespace zort::print {

// Each family of document forms adds its forms to the registry (ReportForms.h);
// registerReportForms() calls them all.
void registerRegisterCardForms();  // TRejWypRep1Form, TRejWypRep1Form_1
void registerProtocolForms();      // TProtPowRep1Form.., TProtPowRepForm_all, TProtPowRepForm_3_all
void registerOldProtocolForms();
void registerCommutingCardForms(); // TProtWDrodze1Form, TProtWDrodze2Form, TProtWDrodzeNowyForm, TProtWDrodzeNowy2012Form, _1.._3
void registerAccidentCardForms();  // TKartaWypadkuRep_all_Form, TKartaWypadkuRep1Form, 2Form, TKartaWypadkuRep2012_all_Form, _1.._4, 2022 likewise
void registerStatCardForms();     // TKartWypRep1Form, TKartWypRep2Form, TKartWypRep1Form_1.._5, TKartWypRep2Form_1.._5, TKartWypRep3Form_5
void registerCollectiveForms();    // TZestZbDrukFrm, TqrZestRocz1Frm, TZestZbDrogaDrukFrm, TqrZestRoczDrogaFrm
void registerPoliceForms();       // TRepProt_Policja, TRepEKW1_Policja, TfrmZestWyp_Policja
void registerAttachmentForms();    // TZalRepForm1, TZal_PrzesRepForm1, TZal_RepPolForm1
void registerStatisticsChartForms(); // TqrZestStatGrafFrm, TqrZestStat01GrafFrm
void registerStatisticsForms();    // TqrWypWydzFrm, TqrZestStatFrm, TqrZmianyFrm, TqrZestWypFrm, TqrZestStat01Frm   // TProtPowRep1Form, TProtPowRep2Form, TProtPowRep1Form_1, TProtPowRep2Form_1

} // namespace zort::print
