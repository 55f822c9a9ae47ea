#include "domain/ProtocolMarks.h"

namespace zort {

namespace {

// The TYPWYP value that stands for a kind line under "JEST" or under "NIE JEST".
int typeValue(ProtocolMark kind, bool isNot) {
    switch (kind) {
    case ProtocolMark::AtWork:
        return isNot ? 2 : 0;
    case ProtocolMark::TreatedAsEqual:
        return isNot ? 3 : 1;
    default:  // ProtocolMark::Agency
        return isNot ? 5 : 4;
    }
}

} // namespace

ProtocolMarks::ProtocolMarks(ProtocolMarkRules rules) : m_rules(rules) {
    load(m_values);
}

void ProtocolMarks::load(const ProtocolValues& values) {
    m_values = values;
    paintKind();
    paintEffects();
    paintType();
    paintAcquaint();
    paintDelivery();
    paintRemarks();
}

void ProtocolMarks::paintKind() {
    set(ProtocolMark::Individual, m_values.wypiz != 0);
    set(ProtocolMark::Collective, m_values.wypiz != 1);
}

void ProtocolMarks::paintEffects() {
    const int v = m_values.skutki;
    const bool zeroStands = v == 0 && !m_rules.effectsZeroStruck;
    set(ProtocolMark::Fatal, !(zeroStands || v == 1));
    set(ProtocolMark::Serious, !(zeroStands || v == 2));
    set(ProtocolMark::Temporary, !(zeroStands || v == 3));
}

void ProtocolMarks::paintType() {
    for (ProtocolMark m : {ProtocolMark::Is, ProtocolMark::IsNot, ProtocolMark::AtWork, ProtocolMark::TreatedAsEqual,
                           ProtocolMark::Agency})
        set(m, true);
    const int v = m_values.typwyp;
    const int last = m_rules.sixTypes ? 5 : 3;
    if (v < 0 || v > last)
        return;
    // The values pair as 0/2 (at work), 1/3 (treated as equal), 4/5 (agency): the
    // first of each pair under "JEST", the second under "NIE JEST".
    const bool isNot = v == 2 || v == 3 || v == 5;
    set(isNot ? ProtocolMark::IsNot : ProtocolMark::Is, false);
    if (v == 0 || v == 2)
        set(ProtocolMark::AtWork, false);
    else if (v == 1 || v == 3)
        set(ProtocolMark::TreatedAsEqual, false);
    else
        set(ProtocolMark::Agency, false);
}

void ProtocolMarks::paintAcquaint() {
    set(ProtocolMark::Injured, m_values.zapoznany != 1);
    set(ProtocolMark::Family, m_values.zapoznany != 2);
}

void ProtocolMarks::paintDelivery() {
    set(ProtocolMark::Delivered, m_values.doreczenie != 1);
    set(ProtocolMark::Posted, m_values.doreczenie != 2);
}

void ProtocolMarks::paintRemarks() {
    const int v = m_values.formwyp;
    set(ProtocolMark::RemarksYes, !(v == 0 || v == 2));
    set(ProtocolMark::RemarksNo, !(v == 0 || v == 1));
}

void ProtocolMarks::click(ProtocolMark mark) {
    switch (mark) {
    case ProtocolMark::Individual:
    case ProtocolMark::Collective:
        m_values.wypiz = mark == ProtocolMark::Individual ? 0 : 1;
        paintKind();
        return;
    case ProtocolMark::Fatal:
    case ProtocolMark::Serious:
    case ProtocolMark::Temporary: {
        const int v = mark == ProtocolMark::Fatal ? 1 : mark == ProtocolMark::Serious ? 2 : 3;
        // A second click on the chosen effect leaves none of the three.
        m_values.skutki = m_values.skutki == v ? 4 : v;
        paintEffects();
        return;
    }
    case ProtocolMark::Is:
    case ProtocolMark::IsNot: {
        const bool isNot = mark == ProtocolMark::IsNot;
        set(ProtocolMark::Is, isNot);
        set(ProtocolMark::IsNot, !isNot);
        if (m_rules.sixTypes) {
            // The kind is to be clicked again: the value stays until then.
            set(ProtocolMark::AtWork, true);
            set(ProtocolMark::TreatedAsEqual, true);
            set(ProtocolMark::Agency, true);
            return;
        }
        int& v = m_values.typwyp;
        if (isNot) {
            if (v == 0 || v == 1)
                v += 2;
        } else if (v == 2 || v == 3) {
            v -= 2;
        }
        return;
    }
    case ProtocolMark::AtWork:
    case ProtocolMark::TreatedAsEqual:
    case ProtocolMark::Agency: {
        if (mark == ProtocolMark::Agency && !m_rules.sixTypes)
            return;
        const bool isNot = struck(ProtocolMark::Is) || !struck(ProtocolMark::IsNot);
        m_values.typwyp = typeValue(mark, isNot);
        paintType();
        return;
    }
    case ProtocolMark::Injured:
    case ProtocolMark::Family:
        m_values.zapoznany = mark == ProtocolMark::Injured ? 1 : 2;
        paintAcquaint();
        return;
    case ProtocolMark::Delivered:
    case ProtocolMark::Posted:
        m_values.doreczenie = mark == ProtocolMark::Delivered ? 1 : 2;
        paintDelivery();
        return;
    case ProtocolMark::RemarksYes:
    case ProtocolMark::RemarksNo:
        m_values.formwyp = mark == ProtocolMark::RemarksYes ? 2 : 1;
        paintRemarks();
        return;
    }
}

} // namespace zort
