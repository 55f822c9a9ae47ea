#pragma once

namespace zort {

// The three registers of the main window.
enum class Register { AtWork, Commuting, Other };

// One record of a register by its keys: the accident and, for the registers with
// injured persons, the person (0 for a commuting accident, whose person is the
// accident's own row).
struct RecordRef {
    Register reg = Register::AtWork;
    int accidentId = 0;
    int personId = 0;

    bool valid() const { return accidentId > 0; }
    bool operator==(const RecordRef&) const = default;
};

} // namespace zort
