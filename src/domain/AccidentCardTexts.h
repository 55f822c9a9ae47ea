#pragma once
#include <QString>
#include <QStringList>

namespace zort {

// The fixed texts of the accident card ("KARTA WYPADKU"), worded as each regulation
// publishes its form. Forms by index, as the administration setting lists them:
// 0 "Dz. U. 2002 r. Nr 236, poz. 1992", 1 "Dz. U. 2012 r. poz. 909",
// 2 "Dz. U. 2022 r. poz. 223" (any other index: 2022).
//
// Footnote marks are given as the form prints them after their words ("1)", "*");
// an empty mark means the form has no such footnote.
struct AccidentCardFixedTexts {
    int form = 2;
    // The caption under the name and address of the entity drawing up the card.
    QString entityCaption;
    QString payerHeading;   // section I
    QString personHeading;  // section II
    QString payerMark;      // after the heading of section I
    // II.5: the item and the instruction under it (the insurance title by the act).
    QString insuranceItem;
    QString insuranceNote;
    // III.1 and III.2.
    QString reportItem;
    QString circumstancesItem;
    // III.4: "4. Wypadek", the two alternatives with the strike mark, the words up
    // to the point number, the point's gap (dots), its mark, then what follows it
    // (the alternative article with its mark and the act).
    QString findingItem;
    QString findingIs;
    QString findingIsNot;
    QString strikeMark;
    QString findingWords;
    QString pointGap;
    QString pointMark;      // empty: no footnote on the point
    QString otherArticle;   // empty: the form cites art. 3 ust. 3 only
    QString otherArticleMark;
    QString act;
    QString justificationCaption;
    // III.5 and III.6, each as one paragraph.
    QString exclusiveCause;
    QString intoxication;
    // IV.1 and the captions of section IV.
    QString acquaintance;
    QString preparedItem;   // "2. Kartę ... sporządzono w dniu"
    QString preparerSignature;
    QString receivedItem;   // "4. Kartę ... odebrano w dniu"
    // The footnotes, each its mark then its text.
    QList<QStringList> footnotes;
};

const AccidentCardFixedTexts& accidentCardFixedTexts(int form);

} // namespace zort
