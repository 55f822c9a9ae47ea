#include "register/EditSession.h"

namespace zort {

namespace {
constexpr int kFullRight = 2;
}

void EditSession::loaded(int accidentId, int personId, bool closed) {
    m_record.accidentId = accidentId;
    m_record.personId = accidentId > 0 ? personId : 0;
    m_closed = accidentId > 0 && closed;
}

void EditSession::cleared() {
    m_record.accidentId = m_record.personId = 0;
    m_closed = false;
}

void EditSession::forgotten() { cleared(); }

void EditSession::entered(bool taken) {
    m_onEntryPages = true;
    m_taken = taken;
}

void EditSession::left() {
    m_onEntryPages = false;
    m_taken = false;
}

bool EditSession::mayBeEdited() const {
    if (!hasRecord() || m_right != kFullRight || m_readOnlyDatabase) return false;
    return !m_closed || (m_reopenProbe && m_reopenProbe());
}

EditSession::Save EditSession::save() const {
    if (!editing() || !mayBeEdited()) return Save::NotAllowed;
    return changed() ? Save::Writes : Save::NotNeeded;
}

} // namespace zort
