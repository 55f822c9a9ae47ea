#pragma once
#include <QHash>
#include <QString>
#include <QStringList>

namespace zort {

// How the protocol and accident-card fields of the injured-person pages follow the
// protocol form chosen for the workstation (0 the form of 1998, 1 of 2003, 2 of
// 2004, 3 of 2019) and the setting that lifts the limits of the multi-line fields.
struct ProtocolLayout {
    // The most stored characters of each memo (0: no limit).
    QHash<QString, int> memoLimits;
    // The items of "Typ wypadku :", stored as the item index in TYPWYP.
    QStringList accidentTypes;
    QString causesCaption;
    // The employer fields and the injured person's PESEL may be typed in (2003 to
    // 2019); the place of birth of a non-employee too (2019 only).
    bool employerEditable = false;
    bool birthPlaceEditable = false;
    // "Czy zostały zgłoszone uwagi i zastrzeżenia do protokołu?" (2019 only).
    bool remarksQuestion = false;
};

ProtocolLayout protocolLayout(int protocolForm, bool unlimitedMemos);

// The names of the employer fields that the layout makes editable.
QStringList protocolEmployerFields();

} // namespace zort
