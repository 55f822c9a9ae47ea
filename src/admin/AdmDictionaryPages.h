#pragma once
#include <QObject>

class QTabWidget;
class QWidget;

namespace zort {

// The dictionary pages of the administration window: the post-accident team, the
// statistical-card lists of 2004 and 2000 with the diseases and the sort orders,
// and (variant for uniformed services) the post-accident commission. Grids over the
// data module's datasets; adding and deleting where the page allows it.
class AdmDictionaryPages : public QObject {
    Q_OBJECT
public:
    // Builds the pages into the window's tabs: `team` ("Zespół powypadkowy"), `card`
    // ("SKW"), `commission` ("Komisja powypadkowa", null outside the variant).
    AdmDictionaryPages(QWidget* team, QWidget* card, QWidget* commission, QObject* parent = nullptr);

    // The window is shown: the lists opened, the grids editable by the user's right.
    void showing(bool fullRight);
    // The window closes: pending grid edits posted, deferred refills done.
    void closing();

    // Whether "Dodaj" and "Usuń" act on the page shown now.
    bool addsAndDeletes() const;
    // "Dodaj" and "Usuń" on the page shown now.
    void add();
    void remove();

signals:
    // The page shown changed (the buttons follow it).
    void pageChanged();

private:
    QWidget* m_team;
    QWidget* m_card;
    QWidget* m_commission;
    bool m_fullRight = false;
};

} // namespace zort
