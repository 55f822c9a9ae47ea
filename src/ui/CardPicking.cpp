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

#include <QLineEdit>

namespace zort {

bool pickCardCode(const CardField& field, int version, QLineEdit* code, QLineEdit* text) {
    if (!code) return false;
    const TDataModForm* d = dataMod();
    const CardDictionary dict = cardFieldDictionary(field, version, d ? d->referenceDate() : QDateTime());
    switch (dict.kind) {
    case CardDictKind::None: return false;
    case CardDictKind::Tree: return text && pickCodeInto(dict.table, dict.title, text, code);
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
    list.SelectListEntry(code, dict.selectRule);
    if (!list.choose(dict.title)) return false;
    const DictObject o = list.selectedObject();
    code->setText(entryCode(o, dict.codeRule));
    if (text) text->setText(entryText(o).left(text->maxLength()));
    return true;
}

bool rejectDuplicateCause(const CardField& field, const std::function<QLineEdit*(const QString&)>& fieldOf,
                          QWidget* parent) {
    if (field.causeSlot == 0) return false;
    QLineEdit* code = fieldOf(field.codeControl);
    QLineEdit* text = fieldOf(field.textControl);
    if (!code || code->text().trimmed().isEmpty()) return false;
    for (const CardField& other : cardFields()) {
        if (other.causeSlot == 0 || other.causeSlot == field.causeSlot) continue;
        QLineEdit* otherCode = fieldOf(other.codeControl);
        if (!otherCode || !sameCauseCode(code->text(), otherCode->text())) continue;
        showError(duplicateCauseMessage(), parent);
        code->clear();
        if (text) {
            text->clear();
            text->setFocus();
        }
        return true;
    }
    return false;
}

bool pickOccupation(const QString& title, QLineEdit* code, QLineEdit* text) {
    const QString table = occupationTreeTable(admSettings().kzs);
    if (!table.isEmpty()) return pickOccupationInto(table, title, text, code);
    // Without an edition of the classification: the flat list of occupations.
    TDataModForm* d = dataMod();
    Dataset* rows = d ? d->dataset(QStringLiteral("qryZawody")) : nullptr;
    if (!rows || !code) return false;
    if (!rows->isOpen()) rows->open();
    TListForm& list = listForm();
    list.FillList(*rows, 5);
    list.SelectListEntry(code, 3);
    if (!list.choose(title)) return false;
    const DictObject o = list.selectedObject();
    code->setText(entryCode(o, 4));
    if (text) text->setText(entryText(o).left(text->maxLength()));
    return true;
}

} // namespace zort
