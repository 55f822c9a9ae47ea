#pragma once
#include <QString>

namespace zort {

// The three registers of the main window.
enum class Register { AtWork, Commuting, Other };

// What the data module asks of the main window. The main window implements it; the
// data module reaches it only through here, so that it works (and is tested)
// without any window.
class RegisterWindowLink {
public:
    virtual ~RegisterWindowLink() = default;

    // Loads the current record of the register (the current rows of the data
    // module's lists) into the entry pages.
    virtual void loadRecord(Register reg) = 0;
    // Saves the open record of the register; does nothing unless the data module's
    // editing flag is set, and clears it.
    virtual void saveRecord(Register reg) = 0;
    // Sets the accident's choice 0 "indywidualny" / 1 "zbiorowy" without running its
    // click reaction.
    virtual void setAccidentKind(Register reg, int kind) = 0;
    // The number of injured persons on the accident page.
    virtual int injuredCount(Register reg) const = 0;
    virtual void setInjuredCount(Register reg, int count) = 0;
    // Clears every field of the register's entry pages (its list is empty).
    virtual void clearPages(Register reg) = 0;
    virtual void setCaption(const QString& caption) = 0;
    // Shows the "Dane osobowe" page of the register's injured-person record.
    virtual void showPersonalDataPage(Register reg) = 0;
    virtual void setProtocolButtonEnabled(bool enabled) = 0;
    // Whether the register of accidents at work is the one shown.
    virtual bool atWorkRegisterActive() const = 0;
    // Whether the user has any right for the register (view or full).
    virtual bool hasRegisterRight() const = 0;
    // After a change of the register year: the list page of accidents at work.
    virtual void showAtWorkListPage() = 0;
};

} // namespace zort
