#pragma once
#include "domain/RecordRef.h"

#include <functional>

namespace zort {

// The record a register's entry pages hold, as one explicit object: which rows it
// is, whether the user may change it and whether the pages differ from what was
// loaded. Whether a save writes anything follows from that state alone; nobody
// switches saving on or off.
//
// The events and their one effect each:
//   loaded(...)  the pages show these rows as the database holds them: unchanged
//   cleared()    the register's list is empty: nothing on the pages
//   forgotten()  the rows were deleted, or the lists opened on another year:
//                nothing of them is saved
//   entered(t)   the user went to an entry page; t: the take is this computer's
//   left()       the user went back to the list (the take was given back)
//   a refused save, a document window, a list move that did not save: no effect
//
// The pages' own state is read through two probes the window installs: whether
// they changed since loading, and whether a closed record was reopened on them by
// a user who may close and reopen accidents.
class EditSession {
public:
    explicit EditSession(Register reg = Register::AtWork) : m_record{reg, 0, 0} {}

    Register reg() const { return m_record.reg; }

    // --- What the user and the database allow ---------------------------------------
    // The access level to the register: 0 none, 1 view, 2 full.
    void setRight(int level) { m_right = level; }
    int right() const { return m_right; }
    void setReadOnlyDatabase(bool on) { m_readOnlyDatabase = on; }
    void setChangeProbe(std::function<bool()> probe) { m_changeProbe = std::move(probe); }
    void setReopenProbe(std::function<bool()> probe) { m_reopenProbe = std::move(probe); }

    // --- Events -----------------------------------------------------------------------
    void loaded(int accidentId, int personId, bool closed);
    void cleared();
    void forgotten();
    void entered(bool taken);
    void left();

    // --- State ------------------------------------------------------------------------
    const RecordRef& record() const { return m_record; }
    bool hasRecord() const { return m_record.valid(); }
    int accidentId() const { return m_record.accidentId; }
    int personId() const { return m_record.personId; }
    // The record is closed for changes (BLOK) as loaded.
    bool closed() const { return m_closed; }
    // The user stands on an entry page of the register.
    bool onEntryPages() const { return m_onEntryPages; }
    // This computer holds the take of the record (while on the entry pages).
    bool taken() const { return m_taken; }

    // The record may be changed: it is loaded, the user has the full right, the
    // database can be written, and it is open (or reopened on the pages).
    bool mayBeEdited() const;
    // The record is open for editing on the entry pages: loaded, taken, shown.
    bool editing() const { return m_onEntryPages && m_taken && hasRecord(); }
    // The pages differ from what was loaded.
    bool changed() const { return hasRecord() && m_changeProbe && m_changeProbe(); }

    // What a save does now.
    enum class Save {
        Writes,      // it writes the pages into the record's rows
        NotNeeded,   // nothing differs from the database
        NotAllowed,  // not editing, or the record may not be changed: nothing is written
    };
    Save save() const;
    bool saveWrites() const { return save() == Save::Writes; }

private:
    RecordRef m_record;
    bool m_closed = false;
    bool m_onEntryPages = false;
    bool m_taken = false;
    int m_right = 0;
    bool m_readOnlyDatabase = false;
    std::function<bool()> m_changeProbe;
    std::function<bool()> m_reopenProbe;
};

} // namespace zort
