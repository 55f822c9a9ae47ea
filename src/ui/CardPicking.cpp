#include "ui/CardPicking.h"

#include "core/AdmSettings.h"
#include "core/UserInterface.h"
#include "db/Dataset.h"
#include "domain/CardFields.h"
#include "domain/DataModForm.h"
#include "domain/CodeTables.h"
#include "domain/Dictionaries.h"
#include "ui/CodePickers.h"
#include "ui/ListForm.h"
#include "ui/Widgets.h"

#include <QLineEdit>
#include <QPlainTextEdit>

namespace zort {
namespace {

// A description field: a single line or a memo (whose limit counts stored characters).
void setDescription(QWidget* w, const QString& text) {
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
        e->setText(text.left(e->maxLength()));
    } else if (auto* m = qobject_cast<MemoEdit*>(w)) {
        m->setPlainText(m->maxLength() > 0 ? text.left(m->maxLength()) : text);
    } else if (auto* p = qobject_cast<QPlainTextEdit*>(w)) {
        p->setPlainText(text);
    }
}

void clearField(QWidget* w) {
    if (auto* e = qobject_cast<QLineEdit*>(w)) e->clear();
    else if (auto* p = qobject_cast<QPlainTextEdit*>(w)) p->clear();
}

} // namespace

bool pickCardCode(const CardField& field, int version, QLineEdit* code, QWidget* text) {
    if (!code) return false;
    const TDataModForm* d = dataMod();
    const CardDictionary dict = cardFieldDictionary(field, version, d ? d->referenceDate() : QDateTime());
    switch (dict.kind) {
    case CardDictKind::None: return false;
    case CardDictKind::Tree: {
        auto* description = qobject_cast<QLineEdit*>(text);
        return description && pickCodeInto(dict.table, dict.title, description, code);
    }
    case CardDictKind::CodeList:
    case CardDictKind::List2000: break;
    }
    // The list of the form: read in the order the administration window sets.
    Dataset* rows = d ? d->dataset(dict.dataset) : nullptr;
    if (!rows) return false;
    DictSource source;
    source.table = dict.table;
    source.order = admSettings().sortPozListWyp == 1 ? dict.orderByCode : dict.orderByName;
    rows->close();
    rows->setSql(comboSql(source));
    rows->setParams({});
    rows->open();
    TListForm& list = listForm();
    list.FillList(*rows, dict.listKind);
    if (dict.codeOfText > 0) {
        const QString current = code->text();
        list.selectEntry([&](const DictObject& o) { return listEntryMatches(o, current, dict.selectRule); });
    } else {
        list.SelectListEntry(code, dict.selectRule);
    }
    if (!list.choose(dict.title)) return false;
    const DictObject o = list.selectedObject();
    code->setText(dict.codeOfText > 0 ? entryText(o).left(dict.codeOfText) : entryCode(o, dict.codeRule));
    if (text) setDescription(text, entryText(o));
    return true;
}

bool rejectDuplicateCause(const CardField& field, const std::function<QWidget*(const QString&)>& fieldOf,
                          QWidget* parent) {
    const QString message = repeatedCardCode(field, [&](const QString& control) {
        auto* e = qobject_cast<QLineEdit*>(fieldOf(control));
        return e ? e->text() : QString();
    });
    if (message.isEmpty()) return false;
    showError(message, parent);
    if (auto* code = qobject_cast<QLineEdit*>(fieldOf(field.codeControl))) code->clear();
    if (QWidget* text = field.textControl.isEmpty() ? nullptr : fieldOf(field.textControl)) {
        clearField(text);
        text->setFocus();
    }
    return true;
}

bool pickOccupation(const QString& title, QLineEdit* code, QLineEdit* text, bool preselect) {
    const QString table = occupationTreeTable(admSettings().kzs);
    if (!table.isEmpty()) return pickOccupationInto(table, title, text, code);
    // Without an edition of the classification: the flat list of occupations.
    TDataModForm* d = dataMod();
    Dataset* rows = d ? d->dataset(QStringLiteral("qryZawody")) : nullptr;
    if (!rows || !code) return false;
    if (!rows->isOpen()) rows->open();
    TListForm& list = listForm();
    list.FillList(*rows, 5);
    if (preselect) list.SelectListEntry(code, 3);
    else list.selectEntry([](const DictObject&) { return false; });
    if (!list.choose(title)) return false;
    const DictObject o = list.selectedObject();
    code->setText(entryCode(o, 4));
    if (text) text->setText(entryText(o).left(text->maxLength()));
    return true;
}

} // namespace zort
