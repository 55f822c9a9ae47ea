#pragma once
#include <QDateTime>
#include <QObject>
#include <QString>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QAbstractButton;
class QWidget;

namespace zort {

struct DictSource;

// The dictionary lists of the entry pages of accidents at work: what each list is
// filled with, how it is positioned on the code already in its code field, what
// choosing an entry writes into the code and text fields, the occupation and person
// filters, and clearing a code by a double click. The lists react to the user's
// choice only; positioning them from the program writes nothing.
class PageDictionaries : public QObject {
    Q_OBJECT
public:
    // `pages` holds the controls (found by their names).
    explicit PageDictionaries(QWidget* pages, QObject* parent = nullptr);

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
    };
    void addLink(const char* combo, const char* code, const char* text, int rule, int textLength = 0,
                 bool showOnly = false);
    Link* linkOf(const QComboBox* combo);
    Link* linkOfCode(const QObject* code);
    void choose(const Link& link, int index);
    void fill(const char* dataset, QComboBox* combo, const DictSource& source);
    void reposition(QComboBox* combo);
    void setupFilters();
    template <class T>
    T* find(const char* name) const;

    QWidget* m_pages;
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

// The sixteen provinces of the province list, as the list shows them.
const QStringList& provinceNames();

} // namespace zort
