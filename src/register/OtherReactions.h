#pragma once
#include <QObject>

class QComboBox;
class QLineEdit;
class QWidget;

namespace zort {

class FieldCheckLinks;
class PageDictionaries;
class TRejestrWypForm;

// The reactions of the pages of accidents in service: the tab captions, the type of
// accident that only the officers change, closing an accident (saved at once), the
// choices that show their parts of the page (the death, the circumstances of "7.1",
// the remarks) or enable the amount, the date of death and the category shown on two
// pages, the commission lists, the officer copied from the suite's persons, the fixed
// lists and the injuries, the activity/event/cause triples and the list of
// attachments; with the checks and calendars of the fields.
class OtherReactions : public QObject {
    Q_OBJECT
public:
    OtherReactions(TRejestrWypForm& window, QWidget* pages);

    PageDictionaries& dictionaries() { return *m_dictionaries; }
    FieldCheckLinks& checks() { return *m_checks; }

    // The window is shown: the lists filled, and refilled when their dictionaries change.
    void shown();
    // After a record is loaded: the lists positioned (the commission on its names,
    // the others on nothing), what the loaded choices show and enable, the mirrors,
    // the PESEL of the linked person. Nothing is cleared.
    void loaded(bool editable);

private:
    template <class T>
    T* find(const QString& name) const;
    template <class T>
    T* find(const char* name) const {
        return find<T>(QString::fromLatin1(name));
    }
    void connectChoices();
    void connectLists();
    void connectTriples();

    void accidentTypeClicked();
    void closingClicked();
    // `byUser`: the user chose (dependent fields are cleared); else only shown.
    void effectsChosen(bool byUser);
    void circumstancesChosen(bool byUser);
    void remarksChosen(bool byUser);
    void compensationChosen(bool byUser);
    void deathDateTyped(QLineEdit* typed, QLineEdit* other);
    void listChosen(QComboBox* list, QLineEdit* field, int index);
    void injuryChosen(QComboBox* list, QLineEdit* field, int index);
    void pickTriple(int row);
    void clearTriple(int row);
    void updateAttachmentList();
    void updateCaptions();
    void showLinkedPesel();

    TRejestrWypForm& m_w;
    QWidget* m_pages;
    PageDictionaries* m_dictionaries = nullptr;
    FieldCheckLinks* m_checks = nullptr;
    bool m_editable = false;
};

} // namespace zort
