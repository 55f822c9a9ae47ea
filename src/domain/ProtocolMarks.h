#pragma once
#include <QString>
#include <array>

namespace zort {

// The alternatives of the post-accident protocol that the user chooses by striking
// out the others ("Niepotrzebne skreślić."). Each stands for one value of a coded
// column; the window shows each one struck or standing.
enum class ProtocolMark {
    Individual,      // WYPIZ 0 "indywidualny"
    Collective,      // WYPIZ 1 "zbiorowy"
    Fatal,           // SKUTKI 1 "śmiertelny"
    Serious,         // SKUTKI 2 "ciężki"
    Temporary,       // SKUTKI 3 "powodujący czasową niezdolność do pracy"
    Is,              // TYPWYP "JEST"
    IsNot,           // TYPWYP "NIE JEST"
    AtWork,          // TYPWYP "- wypadkiem przy pracy"
    TreatedAsEqual,  // TYPWYP "- traktowny na równi z wypadkiem przy pracy"
    Agency,          // TYPWYP (1998 only) "- wypadkiem przy wykonywaniu umowy agencyjnej lub umowy zlecenia,"
    Injured,         // ZAPOZNANY 1 "13.  Poszkodowany / "
    Family,          // ZAPOZNANY 2 " członek  rodziny:    "
    Delivered,       // DORECZENIE 1 "Data doręczenia/"
    Posted,          // DORECZENIE 2 "przesłania:"
    RemarksYes,      // FORMWYP 2 " TAK / "
    RemarksNo,       // FORMWYP 1 " NIE   "
};
constexpr int kProtocolMarkCount = int(ProtocolMark::RemarksNo) + 1;

// The coded columns of a protocol as the window holds them until the save (a null
// column reads as 0).
struct ProtocolValues {
    int wypiz = 0;       // SKWWypadki.WYPIZ
    int typwyp = 0;      // TYPWYP
    int skutki = 0;      // SKUTKI
    int zapoznany = 0;   // ZAPOZNANY
    int doreczenie = 0;  // DORECZENIE
    int formwyp = 0;     // FORMWYP
    bool operator==(const ProtocolValues&) const = default;
};

// How the marks of a form behave.
struct ProtocolMarkRules {
    // The form of 1998: TYPWYP has six values (4 JEST, 5 NIE JEST an accident at an
    // agency contract or a contract of mandate), and clicking "JEST" / "NIE JEST"
    // strikes the three kinds again without changing the value: the kind must then
    // be clicked.
    bool sixTypes = false;
    // SKUTKI 0 shows the three effects struck (1998, 2003); otherwise all standing.
    bool effectsZeroStruck = false;
};

// The marks of one protocol: the values chosen and which alternatives stand. Loading
// paints every group from the values; a click changes its value and repaints as the
// form's rules say (a click on "JEST" or "NIE JEST" repaints those two only).
class ProtocolMarks {
public:
    explicit ProtocolMarks(ProtocolMarkRules rules = {});

    // Takes the values and paints every group.
    void load(const ProtocolValues& values);
    const ProtocolValues& values() const { return m_values; }
    // Whether the alternative is struck out (false: it stands, i.e. it is chosen).
    bool struck(ProtocolMark mark) const { return m_struck[size_t(mark)]; }
    // The user clicked the alternative's caption (the caller checks the window is
    // editable).
    void click(ProtocolMark mark);

    const ProtocolMarkRules& rules() const { return m_rules; }

private:
    void paintKind();      // WYPIZ
    void paintEffects();   // SKUTKI
    void paintType();      // TYPWYP (all its lines)
    void paintAcquaint();  // ZAPOZNANY
    void paintDelivery();  // DORECZENIE
    void paintRemarks();   // FORMWYP
    void set(ProtocolMark mark, bool struck) { m_struck[size_t(mark)] = struck; }

    ProtocolMarkRules m_rules;
    ProtocolValues m_values;
    std::array<bool, kProtocolMarkCount> m_struck{};
};

} // namespace zort
