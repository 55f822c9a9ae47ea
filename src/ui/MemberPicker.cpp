#include "ui/MemberPicker.h"

#include "db/DbError.h"
#include "domain/DataModForm.h"
#include "ui/CommandGuard.h"
#include "ui/DictionaryCombos.h"
#include "ui/FieldBinding.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

namespace zort {

namespace {

// The entries of both kinds carry the name first.
constexpr int kByName = 5;

} // namespace

MemberPicker::MemberPicker(QComboBox* combo, Dictionary dictionary, std::vector<Copy> copies, QObject* parent)
    : QObject(parent), m_combo(combo), m_dictionary(dictionary), m_copies(std::move(copies)) {
    for (const Copy& c : m_copies)
        if (c.part == Part::Name && c.field) {
            m_name = c.field;
            break;
        }
    connect(m_combo, &QComboBox::activated, this, &MemberPicker::choose);
    follow();
}

void MemberPicker::follow() {
    TDataModForm* d = dataMod();
    if (!d) return;
    if (m_dictionary == Dictionary::Team)
        connect(d, &TDataModForm::teamChanged, this, &MemberPicker::fill, Qt::UniqueConnection);
    else
        connect(d, &TDataModForm::commissionChanged, this, &MemberPicker::fill, Qt::UniqueConnection);
}

DictSource MemberPicker::source(Dictionary dictionary) {
    return dictionary == Dictionary::Team
               ? DictSource{QStringLiteral("SKWZespPowypadkowy"), {}, {}, QStringLiteral("ImNazw"), 6}
               : DictSource{QStringLiteral("WypOper_KomisjaPOWYPAD"), {}, {}, QStringLiteral("ImNazw"), 7};
}

QString MemberPicker::datasetName(Dictionary dictionary) {
    return dictionary == Dictionary::Team ? QStringLiteral("qryZespPowypadkowy") : QStringLiteral("qryKomisjaPow_Policja");
}

QString MemberPicker::partText(const DictObject& member, Part part) {
    if (const auto* team = std::get_if<TQvLista>(&member)) {
        switch (part) {
        case Part::Name: return team->text1;
        case Part::Function: return team->text2;
        case Part::Post: return QString();
        }
    }
    if (const auto* commission = std::get_if<TQvListaPrac>(&member)) {
        switch (part) {
        case Part::Name: return commission->text1;
        case Part::Function: return commission->text2;
        case Part::Post: return commission->text3;
        }
    }
    return QString();
}

void MemberPicker::copyMember(const DictObject& member, const std::vector<Copy>& copies) {
    if (std::holds_alternative<std::monostate>(member)) return;
    for (const Copy& c : copies) {
        if (!c.field) continue;
        QString text = partText(member, c.part);
        if (c.columnLength > 0 && text.size() > c.columnLength) text.truncate(c.columnLength);
        setWholeText(c.field, text);
        // A long name is read from its beginning.
        c.field->setCursorPosition(0);
    }
}

void MemberPicker::fill() {
    TDataModForm* d = dataMod();
    if (!d) return;
    // A picker made before the data module follows the dictionary from its first fill.
    follow();
    try {
        FillCombo(d->dataset(datasetName(m_dictionary)), m_combo, source(m_dictionary));
    } catch (const DbError& e) {
        setComboEntries(m_combo, {});
        CommandGuard::report(e, m_combo->window());
    }
    if (m_positioned) position();
    else clearSelection();
}

void MemberPicker::position() {
    m_positioned = true;
    const QSignalBlocker block(m_combo);
    m_combo->setCurrentIndex(-1);
    const QString name = m_name ? m_name->text() : QString();
    for (int i = 0; i < m_combo->count(); ++i)
        if (comboEntryMatches(comboObject(m_combo, i), name, kByName)) {
            m_combo->setCurrentIndex(i);
            return;
        }
}

void MemberPicker::clearSelection() {
    m_positioned = false;
    const QSignalBlocker block(m_combo);
    m_combo->setCurrentIndex(-1);
}

void MemberPicker::choose(int index) {
    if (!m_copyAllowed || index < 0) return;
    copyMember(comboObject(m_combo, index), m_copies);
    emit chosen();
}

} // namespace zort
