#include "ui/CodePickers.h"

#include "core/UserInterface.h"
#include "ui/DocumentWindows.h"

#include <QLineEdit>

namespace zort {
namespace {

struct Installed {
    CodePickers::TreePicker codeTable;
    CodePickers::TreePicker occupation;
    CodePickers::TriplePicker triple;
};

Installed& installed() {
    static Installed i;
    return i;
}

bool missing(const char* window) {
    showError(DocumentWindows::missingMessage(QString::fromLatin1(window)));
    return false;
}

bool writeInto(bool picked, const PickedCode& p, QLineEdit* description, QLineEdit* code) {
    if (!picked) return false;
    if (code) code->setText(p.code);
    if (description) description->setText(p.name.left(description->maxLength()));
    return true;
}

} // namespace

void CodePickers::install(TreePicker codeTable, TreePicker occupation, TriplePicker triple) {
    installed() = Installed{std::move(codeTable), std::move(occupation), std::move(triple)};
}

void CodePickers::uninstall() { installed() = Installed{}; }

bool CodePickers::pickTreeCode(const QString& table, const QString& title, const QString& current, PickedCode& out) {
    if (!installed().codeTable) return missing("TfrmSKWInfor");
    return installed().codeTable(table, title, current, out);
}

bool CodePickers::pickOccupationCode(const QString& table, const QString& title, const QString& current,
                                     PickedCode& out) {
    if (!installed().occupation) return missing("TfrmSKWZawod");
    return installed().occupation(table, title, current, out);
}

bool CodePickers::pickEventTriple(EventTriple& triple) {
    if (!installed().triple) return missing("TfrmEKWInfor");
    return installed().triple(triple);
}

bool pickCodeInto(const QString& table, const QString& title, QLineEdit* description, QLineEdit* code) {
    PickedCode p;
    return writeInto(CodePickers::pickTreeCode(table, title, code ? code->text() : QString(), p), p, description, code);
}

bool pickOccupationInto(const QString& table, const QString& title, QLineEdit* description, QLineEdit* code) {
    PickedCode p;
    return writeInto(CodePickers::pickOccupationCode(table, title, code ? code->text() : QString(), p), p, description,
                     code);
}

} // namespace zort
