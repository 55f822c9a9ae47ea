#pragma once
#include "domain/PersonCopy.h"

#include <QObject>

class QWidget;

namespace zort {

class PageDictionaries;

// Copies a person chosen in the employee register list ("cbNazwisko") into the
// injured person's pages of an accident at work: the person, and the employment the
// person has (chosen in TDanPoszkodForm when there are several).
class PersonCopyPage : public QObject {
    Q_OBJECT
public:
    PersonCopyPage(QWidget* pages, PageDictionaries& dictionaries, QObject* parent);

    // The copy of the person of the register (IDOSOBY).
    void copyPerson(int personId);

    // Writes the texts into the controls of the pages found by their names: edits
    // take the text, check boxes are checked for "t", radio groups choose the item
    // of that text.
    static void apply(QWidget* pages, const QList<std::pair<QString, QString>>& texts);

private:
    QWidget* m_pages;
    PageDictionaries& m_dictionaries;
};

// The settings of a copy in this run: the occupation classification in force, the
// reference date, today, and the user's restriction to the visible structure.
PersonCopySettings runPersonCopySettings();

} // namespace zort
