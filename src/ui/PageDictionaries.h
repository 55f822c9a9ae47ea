#pragma once
#include "domain/FixedLists.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <functional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QAbstractButton;
class QWidget;

namespace zort {

struct DictSource;

// The names of the controls a set of entry pages gives its dictionary lists: a list,
// the code field it writes and the text field (cut to its length), how the entry is
// found (DictionaryCombos.h rules); which codes a double click clears; the person list
// with the field it is positioned by, the province list, and the two filters.
struct DictionaryNames {
    struct Link {
        const char* combo;
        const char* code;
        const char* text;
        int rule;
        int textLength = 0;
        bool showOnly = false;  // only shows the entry of the code loaded: never enabled
        bool clears = true;     // a double click on the code clears it
        // A member of a team or commission: the name is the code, the text its
        // function (rank) and `third` its post.
        bool member = false;
        const char* third = nullptr;
    };
    std::vector<Link> links;
    const char* occupations = nullptr;  // the lists filled from the occupation and disease dictionaries
    const char* diseases = nullptr;
    const char* persons = nullptr;
    const char* personCode = nullptr;
    const char* provinces = nullptr;
    const char* province = nullptr;
    const QStringList* provinceItems = nullptr;
    const char* occupationFilterOn = nullptr;
    const char* occupationFilter = nullptr;
    const char* occupationFilterSet = nullptr;
    const char* personFilterOn = nullptr;
    const char* personFilter = nullptr;
    const char* personFilterSet = nullptr;
    bool cardLists = false;  // the status, citizenship and employer size lists of the card version
    // The lists of the accident commission (the first filled, the others with its
    // entries).
    std::vector<const char*> commission;
    // The persons of the service's list (FillPersonCombo) rather than the employees.
    bool servicePersons = false;

    // The pages of accidents at work, the hearing of the attachments, the commuting register,
    // the accidents in service.
    static const DictionaryNames& atWork();
    static const DictionaryNames& hearing();
    static const DictionaryNames& commuting();
    static const DictionaryNames& service();
};

// The dictionary lists of a set of entry pages: what each list is
// filled with, how it is positioned on the code already in its code field, what
// choosing an entry writes into the code and text fields, the occupation and person
// filters, and clearing a code by a double click. The lists react to the user's
// choice only; positioning them from the program writes nothing.
class PageDictionaries : public QObject {
    Q_OBJECT
public:
    // `pages` holds the controls (found by their names).
    PageDictionaries(QWidget* pages, const DictionaryNames& names, QObject* parent = nullptr);

    // Fills every list that does not depend on the card version: places, kinds of
    // place, occupations (with the filter when it is on), persons, the post-accident
    // team, the diseases. A list that the database refuses is left empty and its
    // error shown.
    void fillAll();
    void fillOccupations();
    void fillPersons();
    // The post-accident team (both pickers) and the diseases, in the order set in the
    // administration window.
    void fillTeam();
    void fillDiseases();
    // The accident commission of the service, ordered by name.
    void fillCommission();
    // The employment status, citizenship and employer size lists of the card version
    // (read again only when the version or, for the 2000 card, the period of the
    // reference date changed since they were last filled).
    void fillCardLists(int cardVersion);

    // Loading a record: the card lists of its version, then every list positioned on
    // the code in its field, enabled with the pages.
    void selectEntries(int cardVersion, bool editable);

    // No list shows a choice (no record).
    void clearSelections();

    // The card version the status lists were last filled for (-1 before).
    int cardListsVersion() const { return m_cardVersion; }

signals:
    // The user chose a person of the employee register (IDOSOBY); copying the
    // person's data is the injured-person page's.
    void personChosen(int personId);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Link {
        QComboBox* combo = nullptr;
        QLineEdit* code = nullptr;
        QLineEdit* text = nullptr;
        int rule = 0;
        int textLength = 0;  // the text written is cut to this length (0: whole)
        bool showOnly = false;  // the list only shows the entry of the code loaded: never enabled
        bool member = false;
        QLineEdit* third = nullptr;
    };
    void addLink(const DictionaryNames::Link& names);
    Link* linkOf(const QComboBox* combo);
    Link* linkOfCode(const QObject* code);
    void choose(const Link& link, int index);
    void fill(const char* dataset, QComboBox* combo, const DictSource& source);
    // Fills the combo by `read`; a refusal of the database leaves it empty (shown).
    void fillBy(QComboBox* combo, const std::function<void()>& read);
    void reposition(QComboBox* combo);
    void setupFilters();
    template <class T>
    T* find(const char* name) const;

    QComboBox* combo(const char* name) const;
    QWidget* m_pages;
    const DictionaryNames& m_names;
    std::vector<Link> m_links;
    QComboBox* m_persons = nullptr;
    QComboBox* m_provinces = nullptr;
    QLineEdit* m_personCode = nullptr;
    QLineEdit* m_province = nullptr;
    QCheckBox* m_occupationFilterOn = nullptr;
    QLineEdit* m_occupationFilter = nullptr;
    QAbstractButton* m_occupationFilterSet = nullptr;
    QCheckBox* m_personFilterOn = nullptr;
    QLineEdit* m_personFilter = nullptr;
    QAbstractButton* m_personFilterSet = nullptr;
    int m_cardVersion = -1;
    bool m_cardAfter2000 = false;
    bool m_editable = false;
};


} // namespace zort
