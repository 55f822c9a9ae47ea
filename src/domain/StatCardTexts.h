#pragma once
#include <QString>
#include <QStringList>

namespace zort {

// The printed forms of the statistical accident card, oldest first: the form of 1996
// (index 1 with a reference date up to 2000-12-31), of 2001 (index 1 later), of 2004
// (indexes 0 and 2), of 2010 (3), of 2019 (4) and of 2022 (5).
enum class StatCardForm { Form1996, Form2001, Form2004, Form2010, Form2019, Form2022 };

// The fixed wording of each form as its regulation publishes it, where the card
// window does not show it: the header of the form, the type of the accident, the
// local-unit question and the second part.
struct StatCardFixedTexts {
    QStringList title;            // "Z-KW" and the name of the form, line by line
    QString employer;             // the caption of the employer's box or stamp
    bool employerStamp = false;   // a stamp area instead of the name and address
    QStringList office;           // where the card goes: portal, office and address
    QStringList deadline;         // "Termin przekazania:" and its lines (part I)
    QStringList deadlinePart2;    // the same of part II (on its own page)
    QString noteHeading;          // "Uwaga:"
    QStringList note;             // the note's lines (part I)
    QStringList notePart2;        // the note of part II (on its own page)
    QString numberCaption;        // the box of the card's number, "\n" between its lines
    QString workersCaption;       // the box of the number of workers, "\n" between its lines
    // The accident type: the printed answer numbers and the texts beside the boxes
    // (the second text may go on over a second line).
    QStringList typeNumbers;
    QStringList typeTexts;
    QString typeEqualSecondLine;
    // The local-unit question: its lines, the criteria listed under it, and the
    // answers beside the boxes of "Tak" and "Nie" with their printed numbers.
    QStringList localUnitQuestion;
    QStringList localUnitCriteria;
    QString localUnitYes, localUnitNo;
    QString localUnitYesNumber, localUnitNoNumber;
    QString partOne;              // "CZĘŚĆ I" (empty: the form has no such heading)
    QStringList partTwo;          // the heading of part II, line by line
};

const StatCardFixedTexts& statCardFixedTexts(StatCardForm form);

} // namespace zort
