#pragma once
// The choice of the pages printed from the first tab of the print selection of
// accidents at work, kept apart from the window: which groups and boxes are shown
// and enabled, the rule that only one document prints at a time, and which page
// forms a choice collects.
#include "core/AdmSettings.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <array>

namespace zort::print {

class PrintChoice {
public:
    // The check boxes of the pages, by their component names (name()).
    enum Box {
        SKW1, SKW2, SKW3,            // statistical card pages
        PP1, PP2, PP3, PP4,          // protocol pages
        PPall,                       // the whole protocol
        RW,                          // the register card
        KW1, KW2, KW3, KW4,          // accident-card pages
        KWall,                       // the whole accident card
        BoxCount
    };
    // The groups that hold them.
    enum Group { gbSKW, gb_1_2, gb_all, gbRW, gbKARTAWYPADKU, gbKartaWypadku_all, GroupCount };
    // The documents: checking a page of one unchecks every box of the others.
    enum Document { StatCard, ProtocolPages, WholeProtocol, RegisterCard, AccidentCardPages, WholeAccidentCard };

    static QString name(Box box);
    static QString caption(Box box);
    static QString groupName(Group group);
    static QString groupCaption(Group group);
    static Group groupOf(Box box);
    static Document documentOf(Box box);

    // The window is shown: the settings decide the protocol and accident-card
    // groups and which of their pages are enabled; every box is unchecked.
    void reset(const AdmSettings& settings);
    // The list stands on another person: with a protocol number (NUMERPROT not 0)
    // the protocol and register groups, else the accident-card groups; the boxes
    // hidden by the move are unchecked.
    void setPerson(bool hasProtocol);
    // The list stands on another accident: statistical-card page three exists only
    // in version 5 of the card (otherwise disabled and unchecked).
    void setCardVersion(int wersjaSkw);

    // The user checks or unchecks a box. Checking a disabled box does nothing; checking any page of a document unchecks every box of the
    // other documents. Returns whether the box is checked afterwards.
    bool setChecked(Box box, bool on);
    bool isChecked(Box box) const { return m_checked[box]; }
    bool isEnabled(Box box) const { return m_enabled[box]; }
    bool isShown(Box box) const { return m_shown[groupOf(box)]; }
    bool groupShown(Group group) const { return m_shown[group]; }
    bool anyChecked() const;

    bool wholeProtocolOffered() const { return m_wholeProtocol; }

private:
    void applyVisibility();
    std::array<bool, BoxCount> m_checked{};
    std::array<bool, BoxCount> m_enabled{};
    std::array<bool, GroupCount> m_shown{};
    bool m_hasProtocol = true;
    bool m_wholeProtocol = false;   // protocol of 2004 or 2019 with pages without a limit
    bool m_wholeCard = false;       // accident card with pages without a limit
};

// The page forms of a choice, in printing order: the statistical card by the
// accident's card version (version 1 by the reference date), the whole protocol or
// its pages and the register card by the protocol form, the whole accident card or
// its pages by the accident-card form.
QStringList collectPageForms(const PrintChoice& choice, const AdmSettings& settings, int wersjaSkw,
                             const QDateTime& referenceDate);

// The commuting-accident card: which page boxes the window offers and the forms a
// choice of pages collects, by the commuting-card form and the page setting.
struct CommutingCardChoice {
    static int offeredPages(const AdmSettings& settings);  // 0: the group is hidden (the card prints whole)
    static QStringList collect(const AdmSettings& settings, const std::array<bool, 3>& pages);
};

} // namespace zort::print
