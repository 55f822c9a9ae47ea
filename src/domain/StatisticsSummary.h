#pragma once
#include "domain/StatisticsReading.h"

#include <functional>

namespace zort {
class Connection;
class OrgStructure;
}

// One statistical summary computed from the print window's choices: the persons of
// both periods read with the columns of the summary, counted in memory.
namespace zort::statistics {

struct SummaryRequest {
    int kind = 0;                 // 0 .. 16 (summaryKind); ignored for a classification
    int classification = -1;      // an item of classificationItems(), or -1
    bool groups = false;          // "grupy pozycji"
    Period periods[2];
    int element = 0;              // the structure element
    CountRequest count;           // register filter, date kind, type boxes (positions set here)
    int employees[2] = {0, 0};    // "Wypadki "
    std::vector<Shift> shifts;    // "Zmianowość w pracy"
    bool byCode = true;           // the structure sort setting
    int occupationEdition = 0;    // the occupation classification in use
};

struct SummaryResult {
    QString title;
    QString heading;
    AccidentTable accidents;          // kind 0
    DistributionResult distribution;  // distributions, positions, classifications
    std::vector<ShiftRow> shifts;     // kind 13
};

// Reading and counting report their progress: the phase text, done and total.
using Progress = std::function<void(const QString& phase, int done, int total)>;

QString loadingText();   // "Wczytywanie danych ..."
QString analysingText(); // "Analiza danych ..."

// The title and category heading of the summary, without counting (blank forms).
SummaryResult summaryHeadings(Connection& c, const SummaryRequest& r);

// Computes the summary; the table of positions made for a large element is dropped
// before returning, also when a statement fails (the failure is thrown on).
SummaryResult computeSummary(Connection& c, const OrgStructure& s, const SummaryRequest& r,
                             const Progress& progress = {});

}  // namespace zort::statistics
