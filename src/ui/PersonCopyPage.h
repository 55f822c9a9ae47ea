#pragma once
#include "domain/PersonCopy.h"

#include <QObject>

#include <functional>

class QWidget;

namespace zort {

class PageDictionaries;

// Copies a person chosen in the employee register list of a set of entry pages into
// their injured person's fields: the person, and the employment the person has (chosen
// in TDanPoszkodForm when there are several). The pages name their fields by a copy
// map; the surname stored for the record decides whether the person is copied at all.
// The pages of accidents in service copy the officer alone: his employments are only
// read into a dataset of the data module, and only the officer already linked to the
// record is not copied again.
class PersonCopyPage : public QObject {
    Q_OBJECT
public:
    using StoredSurname = std::function<QString()>;
    // Whether the person read is copied into the record.
    using Copies = std::function<bool(const RegisterPerson&)>;
    // The injured person of an accident at work.
    PersonCopyPage(QWidget* pages, PageDictionaries& dictionaries, QObject* parent);
    PersonCopyPage(QWidget* pages, PageDictionaries& dictionaries, const CopyMap& map, StoredSurname stored,
                   QObject* parent);
    // `employments`: the data module's dataset the person's employments are read
    // into (nothing of them written into the pages).
    PersonCopyPage(QWidget* pages, PageDictionaries& dictionaries, const CopyMap& map, Copies copies,
                   const QString& employments, QObject* parent);

    // The copy of the person of the register (IDOSOBY).
    void copyPerson(int personId);

    // Writes the texts into the controls of the pages found by their names: edits
    // take the text, check boxes are checked for "t", radio groups choose the item
    // of that text.
    static void apply(QWidget* pages, const QList<std::pair<QString, QString>>& texts);

private:
    QWidget* m_pages;
    PageDictionaries& m_dictionaries;
    const CopyMap& m_map;
    Copies m_copies;
    QString m_employments;
};

// The settings of a copy in this run: the occupation classification in force, the
// reference date, today, and the user's restriction to the visible structure.
PersonCopySettings runPersonCopySettings();

} // namespace zort
