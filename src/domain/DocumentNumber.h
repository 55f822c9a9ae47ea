#pragma once
#include <QDateTime>
#include <QString>

namespace zort {

struct AdmSettings;

// The number rule of the printed documents: a document's number is followed by "/"
// and the document year, and (with the setting that joins the accident symbol to the
// numbers) by the separator and the accident's symbol. Each document composes its own
// style from these pieces (the protocol "N-S/Y r.", the register card "N/Y-S", ...).
//
// The document year follows the setting "Rok uwzględniany w nagłówku SKW, protokołu i
// karty wyp. wg" (AdmSettings::rokSKWProtPow): 0 the year of the accident date, 1 the
// year of the document's own date (the protocol's DATAPROT, the card's DATAWYPSKW),
// 2 the year of the registration date DATAREJWYP. An empty date (null, or the
// 1899-12-30 of "no date") gives the year 0.
struct DocumentDates {
    QDateTime accident;      // SKWWYPADKI.DATA
    QDateTime document;      // the document's own date
    QDateTime registration;  // SKWWYPADKI.DATAREJWYP
};

// The document year by the rule (0, 1, 2; any other value: the accident date).
int documentYear(int rule, const DocumentDates& dates);
int documentYear(const AdmSettings& settings, const DocumentDates& dates);

// The number, with the setting on followed by the separator and the symbol: "12-S".
QString numberWithSymbol(const QString& number, const AdmSettings& settings, const QString& symbol);
// The number, "/", the year, then the separator and symbol with the setting on: "12/2024-S".
QString numberYearSymbol(const QString& number, int year, const AdmSettings& settings, const QString& symbol);

} // namespace zort
