#pragma once
#include <QObject>

class QLineEdit;
class QWidget;

namespace zort {

class TRejestrWypForm;

// The reactions of the accident-at-work pages that belong to no dictionary or
// picker: the type of accident that only the injured persons change, closing an
// accident (saved at once), the father's name copied into "Syn (Córka)", the
// choices that enable or clear their dependent fields, clearing the position link,
// and the layout of the protocol and accident-card fields by the protocol form.
class EntryReactions : public QObject {
    Q_OBJECT
public:
    EntryReactions(TRejestrWypForm& window, QWidget* pages);

    // Before a record is loaded: the memo limits, the items of "Typ wypadku :" and the
    // captions of the protocol form in use.
    void arrange();
    // After a record is loaded: what may be typed in, by the protocol form, the loaded
    // choices and whether the page is editable (dependent fields are never cleared
    // here, only on the user's choice).
    void enable(bool editable);

private:
    template <class T>
    T* find(const char* name) const;
    void accidentTypeClicked();
    void closingClicked();
    void eventKindChosen(bool byUser);
    void unitCriteriaChosen(bool byUser);
    void clearPosition();
    void clearEmployeeLink();
    void writeInjuredName(QLineEdit* field);
    void updateAttachmentList(const char* memoName);
    void employmentKindClicked();
    void accidentKindChosen(int index);

    TRejestrWypForm& m_w;
    QWidget* m_pages;
    bool m_editable = false;
};

} // namespace zort
