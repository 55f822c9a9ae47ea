#include "admin/AdmDictionaryPages.h"

#include <QWidget>

namespace zort {

AdmDictionaryPages::AdmDictionaryPages(QWidget* team, QWidget* card, QWidget* commission, QObject* parent)
    : QObject(parent), m_team(team), m_card(card), m_commission(commission) {}

void AdmDictionaryPages::showing(bool fullRight) { m_fullRight = fullRight; }

void AdmDictionaryPages::closing() {}

bool AdmDictionaryPages::addsAndDeletes() const { return false; }

void AdmDictionaryPages::add() {}

void AdmDictionaryPages::remove() {}

} // namespace zort
