#pragma once
#include <QList>
#include <QString>
#include <QStringList>

namespace zort {

// The fixed texts of the post-accident protocol forms, worded as each regulation
// publishes its form: the window shows them as labels without data and the printouts
// print them. Forms by index: 0 of 1998, 1 of 2003, 2 of 2004, 3 of 2019 (any other
// index: 1998).
struct ProtocolFixedTexts {
    // The title of the form: "PROTOKÓŁ" and its second line.
    QString title;
    QString titleLine2;
    // The point of the team's signatures (its number and caption, e.g. "10.  ...") and
    // the caption under each signature line of the team (one per line of the form).
    QString signaturesPoint;
    QStringList signatureCaptions;
    // The caption under the employer's signature where the form approves the
    // protocol (e.g. "podpis pracodawcy").
    QString employerSignature;
    // The caption of the stamp area, empty when the form has none.
    QString stamp;
    // "POUCZENIE" and its paragraphs in order ("I. ...", "II. ...", ...). The paragraph
    // naming the labour court holds "%1" where the court's town is written.
    QString instructionHeading;
    QStringList instruction;
    // The footnotes, each with its mark ("1) ...").
    QStringList footnotes;
    // The paragraphs of "POUCZENIE" as the printed form sets them, line by line; the
    // line naming the labour court holds a run of dots where the town is written.
    QStringList instructionLines;
    // The footnotes as the printed form sets them: each its mark, then its lines.
    QList<QStringList> footnoteLines;
    // The form's instruction for the marks ("Niepotrzebne skreślić." or the form's
    // own wording).
    QString strikeNote;
};

const ProtocolFixedTexts& protocolFixedTexts(int form);

// The name of the form as the administration window lists it, e.g.
// "(Dz. U. 2019 r. Poz. 1071)".
QString protocolFormName(int form);

} // namespace zort
