#pragma once
#include <QObject>

class QWidget;

namespace zort {

class PageDictionaries;
class TRejestrWypForm;

// The reactions of the commuting register's entry pages: the lists (persons,
// provinces, diseases, occupations with their filters) and the copy of a person from
// the employee register, the effects of the accident that show their group, closing
// an accident (saved at once), the position picker, the clearings by a double click,
// the attachment list, and the arrangement of the pages for the commuting card form
// chosen in the administration window.
class CommutingReactions : public QObject {
    Q_OBJECT
public:
    CommutingReactions(TRejestrWypForm& window, QWidget* pages);

    PageDictionaries& dictionaries() { return *m_dictionaries; }
    // After a record is loaded: the lists positioned on the codes loaded, the effects'
    // groups, the arrangement of the card form.
    void loaded(bool editable, bool closed);
    // The pages as the commuting card form in use wants them (again at once when the
    // administration window changes it).
    void arrange();

private:
    template <class T>
    T* find(const char* name) const;
    void effectsChanged();
    void closingClicked();
    void chooseDeathDate();
    void pickPosition();
    void clearPosition();
    void clearPersonLink();
    void updateAttachmentList();
    void updatePersonCaption();

    TRejestrWypForm& m_w;
    QWidget* m_pages;
    PageDictionaries* m_dictionaries = nullptr;
    bool m_editable = false;
    bool m_closed = false;
};

} // namespace zort
