#include "card/CodePickerForms.h"

#include "core/Error.h"
#include "core/Forms.h"
#include "core/UserInterface.h"
#include "db/DbError.h"
#include "domain/CodeTables.h"
#include "domain/DataModForm.h"
#include "ui/CommandGuard.h"
#include "ui/ProgresForm.h"
#include "ui/Widgets.h"
#include "ui/WindowLayout.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zort {
namespace {

// Runs a load; a failure is reported (the database's own message) and gives false.
template <class F>
bool guardedLoad(QWidget* parent, F&& load) {
    try {
        load();
        return true;
    } catch (const DbError& e) {
        CommandGuard::report(e, parent);
    } catch (const Error& e) {
        showError(e.message(), parent);
    }
    return false;
}

} // namespace

// ---------------------------------------------------------------------------------
// What the pickers share

CodePickerDialog::CodePickerDialog(const QString& name, bool folderImages, QWidget* parent) : QDialog(parent) {
    auto* layout = setUpDialog(this, name, QString(), true);
    m_view = new CodeTreeView(folderImages, this);
    layout->addWidget(m_view, 1);

    auto* codeRow = new QHBoxLayout;
    layout->addLayout(codeRow);
    auto* codeCaption = new QLabel(QStringLiteral("Kod :"), this);
    m_code = makeEdit(QStringLiteral("lKodInfor"), this, codeCaption);
    m_code->setReadOnly(true);
    setReadOnlyLook(m_code, true);
    m_code->setMaximumWidth(160);
    codeRow->addWidget(codeCaption);
    codeRow->addWidget(m_code);
    codeRow->addStretch();

    auto* nameCaption = new QLabel(QStringLiteral("Nazwa :"), this);
    layout->addWidget(nameCaption);
    m_memo = new QPlainTextEdit(this);
    m_memo->setObjectName(QStringLiteral("mTrescInfor"));
    m_memo->setReadOnly(true);
    m_memo->setTabChangesFocus(true);
    m_memo->setFixedHeight(m_memo->fontMetrics().lineSpacing() * 3 + 14);
    labelControl(nameCaption, m_memo);
    layout->addWidget(m_memo);

    auto* buttons = new QHBoxLayout;
    layout->addLayout(buttons);
    buttons->addStretch();
    m_ok = makeDialogButton(QStringLiteral("OKBtn"), QStringLiteral("OK"), this);
    m_ok->setDefault(true);
    m_ok->setAutoDefault(true);
    auto* cancel = makeDialogButton(QStringLiteral("AnulujBtn"), QStringLiteral("Anuluj"), this);
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);
    connect(m_ok, &QPushButton::clicked, this, &CodePickerDialog::OKBtnClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    connect(m_view, &CodeTreeView::currentChanged, this, [this](int index) {
        if (m_quiet) return;
        if (index >= 0) m_menuNode = index;
        showNode(index);
    });
    connect(m_view, &CodeTreeView::confirmRequested, this, &CodePickerDialog::OKBtnClick);
    connect(m_view->tree(), &QWidget::customContextMenuRequested, this, &CodePickerDialog::contextMenu);

    setMinimumSize(600, 550);
    resize(600, 550);
    WindowLayout::track(this);
}

QString CodePickerDialog::chooseCodeMessage() {
    return QStringLiteral(" Proszę wybrać odpowiedni kod dla danego typu informacji !");
}

QString CodePickerDialog::emptyDictionaryMessage(const QString& table) {
    const CodeTable* t = findCodeTable(table);
    const QString name = t ? t->name : table;
    return QStringLiteral("Słownik „%1” (tabela %2) jest pusty: nie ma w nim żadnego kodu do wybrania.\n"
                          "Kody tego słownika wczytuje administrator programem zortdb:\n"
                          "zortdb import-list <baza> %2 <plik.tsv>")
        .arg(t ? t->caption : table, name);
}

Connection& CodePickerDialog::connection() const {
    if (m_connection) return *m_connection;
    TDataModForm* d = dataMod();
    if (!d) throw Error(QStringLiteral("Brak połączenia z bazą danych."));
    return d->KartyDB();
}

bool CodePickerDialog::acceptable(int index) const {
    const CodeTree* t = m_view->codeTree();
    return t && index >= 0 && index < t->size() && t->isLeaf(index);
}

void CodePickerDialog::showNode(int index) {
    const TTrescInfor* n = m_view->node(index);
    m_code->setText(n ? n->code : QString());
    m_memo->setPlainText(n ? n->name : QString());
}

void CodePickerDialog::selectQuietly(int index) {
    m_quiet = true;
    m_view->select(index);
    m_quiet = false;
}

bool CodePickerDialog::runModal() {
    m_chosen = -1;
    return exec() == QDialog::Accepted && m_chosen >= 0;
}

void CodePickerDialog::OKBtnClick() {
    const int index = m_view->current();
    if (!m_emptyMessage.isEmpty() && m_view->nodeCount() == 0) {
        ui().message(m_emptyMessage, QStringLiteral("Uwaga"), MsgIcon::Warning, MsgButtons::Ok, this);
        return;
    }
    if (!acceptable(index)) {
        ui().message(chooseCodeMessage(), QStringLiteral("Uwaga"), MsgIcon::Warning, MsgButtons::Ok, this);
        return;
    }
    m_chosen = index;
    accept();
}

void CodePickerDialog::expandSelected() {
    m_view->expandAll(m_menuNode, true);
    selectQuietly(m_menuNode);
    m_view->tree()->setFocus();
}

void CodePickerDialog::collapseSelected() {
    m_view->expandAll(m_menuNode, false);
    selectQuietly(m_menuNode);
    m_view->tree()->setFocus();
}

void CodePickerDialog::contextMenu(const QPoint& at) {
    if (QTreeWidgetItem* item = m_view->tree()->itemAt(at)) {
        m_view->tree()->setCurrentItem(item);
        m_menuNode = m_view->indexOf(item);
    }
    QMenu menu(this);
    menu.addAction(QStringLiteral("Rozwiń wybrany element"), this, &CodePickerDialog::expandSelected);
    menu.addAction(QStringLiteral("Zwiń wybrany element"), this, &CodePickerDialog::collapseSelected);
    menu.exec(m_view->tree()->viewport()->mapToGlobal(at));
}

void CodePickerDialog::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    m_view->tree()->setFocus();
}

void CodePickerDialog::closeEvent(QCloseEvent* e) {
    const MsgAnswer a = ui().message(QStringLiteral("Nie zapamiętane zmiany, czy zamknąć okno ?"),
                                     QStringLiteral("Zamknąć okno ?"), MsgIcon::Confirmation, MsgButtons::YesNo, this);
    if (a != MsgAnswer::Yes) {
        e->ignore();
        return;
    }
    m_chosen = -1;
    QDialog::closeEvent(e);
}

// ---------------------------------------------------------------------------------
// Code tables

TfrmSKWInfor::TfrmSKWInfor(QWidget* parent) : CodePickerDialog(QStringLiteral("frmSKWInfor"), false, parent) {}

bool TfrmSKWInfor::PickTreeCode(const QString& table, const QString& title, const QString& current, PickedCode& out) {
    if (!prepare(table, title, current)) return false;
    const bool ok = runModal();
    if (ok) {
        const TTrescInfor* n = view()->node(chosen());
        out = PickedCode{n->code, n->name, n->id};
    }
    // Nothing of the table stays behind the window.
    view()->clear();
    view()->resetSearch();
    return ok;
}

bool TfrmSKWInfor::prepare(const QString& table, const QString& title, const QString& current) {
    setWindowTitle(title);
    view()->clear();
    view()->resetSearch();
    showNode(-1);
    m_emptyMessage.clear();
    m_menuNode = -1;
    CodeTree tree;
    const bool loaded = guardedLoad(this, [&]() {
        CodeTreeLoader loader(connection());
        ProgressScope progress(QStringLiteral("Wczytywanie danych : ") + title, loader.count(table));
        tree = loader.loadCodeTable(table, [&progress]() { progress.step(); });
    });
    if (!loaded) return false;
    if (tree.empty()) m_emptyMessage = emptyDictionaryMessage(table);
    view()->setContent(view()->build(std::move(tree)));
    FindCodeNode(current);
    return true;
}

void TfrmSKWInfor::FindCodeNode(const QString& code) {
    CodeTreeView* v = view();
    selectQuietly(-1);
    v->collapseAll();
    if (QTreeWidgetItem* first = v->tree()->topLevelItem(0)) first->setExpanded(true);
    if (code.isEmpty()) return;
    const int found = v->codeTree() ? v->codeTree()->find(code) : -1;
    v->collapseAll();
    if (found < 0) return;
    v->expandAncestors(found);
    v->select(found);
    m_menuNode = found;
}

// ---------------------------------------------------------------------------------
// Occupations

TfrmSKWZawod::TfrmSKWZawod(QWidget* parent) : CodePickerDialog(QStringLiteral("frmSKWZawod"), true, parent) {}

std::shared_ptr<CodeTreeView::Content> TfrmSKWZawod::tree(const QString& table, const QString& title) {
    const QString key = table.toUpper();
    if (auto held = m_trees.value(key)) return held;
    CodeTree tree;
    const bool loaded = guardedLoad(this, [&]() {
        CodeTreeLoader loader(connection());
        ProgressScope progress(QStringLiteral("Wczytywanie danych : ") + title, loader.count(table));
        tree = loader.loadOccupations(table, [&progress]() { progress.step(); });
    });
    if (!loaded) return nullptr;
    auto content = view()->build(std::move(tree));
    m_trees.insert(key, content);
    return content;
}

bool TfrmSKWZawod::PickOccupationCode(const QString& table, const QString& title, const QString& current,
                                      PickedCode& out) {
    if (!prepare(table, title, current)) return false;
    const bool ok = runModal();
    if (ok) {
        const TTrescInfor* n = view()->node(chosen());
        out = PickedCode{n->code, n->name, n->id};
    }
    return ok;
}

bool TfrmSKWZawod::prepare(const QString& table, const QString& title, const QString& current) {
    const int edition = occupationEditionOf(table);
    if (edition == 0) return false;  // the flat list of edition 0 has no tree
    auto content = tree(table, title);
    if (!content) return false;
    setWindowTitle(title + QStringLiteral(" wg ") + occupationLegalBasis(edition));
    view()->setContent(content);
    m_emptyMessage = view()->nodeCount() == 0 ? emptyDictionaryMessage(table) : QString();
    view()->resetSearch();
    FindCodeNode(current);
    return true;
}

void TfrmSKWZawod::FindCodeNode(const QString& code) {
    CodeTreeView* v = view();
    v->collapseAll();
    selectQuietly(v->nodeCount() > 0 ? 0 : -1);
    m_menuNode = v->nodeCount() > 0 ? 0 : -1;
    showNode(-1);
    if (code.isEmpty() || !v->codeTree()) return;
    const int found = v->codeTree()->find(code);
    if (found < 0) return;
    v->expandAncestors(found);
    v->select(found);
    m_menuNode = found;
    showNode(found);
}

// ---------------------------------------------------------------------------------
// Activities, events and causes

TfrmEKWInfor::TfrmEKWInfor(QWidget* parent, Connection* c)
    : CodePickerDialog(QStringLiteral("frmEKWInfor"), true, parent) {
    setConnection(c);
    setWindowTitle(QStringLiteral("Czynnik/Wydarzenie/Przyczyna"));
    load();
}

bool TfrmEKWInfor::load() {
    CodeTree tree;
    m_loaded = guardedLoad(this, [&]() {
        CodeTreeLoader loader(connection());
        ProgressScope progress(QStringLiteral("Wczytywanie danych ..."), loader.countActivities());
        tree = loader.loadActivityEvents([&progress]() { progress.step(); });
    });
    if (m_loaded) view()->setContent(view()->build(std::move(tree)));
    return m_loaded;
}

bool TfrmEKWInfor::acceptable(int index) const {
    const TTrescInfor* n = view()->node(index);
    return n && n->level == 2;
}

bool TfrmEKWInfor::PickEventTriple(EventTriple& triple) {
    if (!m_loaded && !load()) return false;
    view()->resetSearch();
    FindCodeNode(triple);
    if (!runModal()) return false;
    const CodeTree& t = *view()->codeTree();
    int i = chosen();
    for (int level = 2; level >= 0 && i >= 0; --level, i = t.parent[size_t(i)]) {
        triple.code[level] = t.nodes[size_t(i)].code;
        triple.name[level] = t.nodes[size_t(i)].name;
        triple.id[level] = t.nodes[size_t(i)].id;
    }
    return true;
}

void TfrmEKWInfor::FindCodeNode(const EventTriple& triple) {
    CodeTreeView* v = view();
    v->collapseAll();
    const CodeTree* t = v->codeTree();
    if (!t) return;
    // By the codes when given, else by the rows' ids (what the register pages store).
    if (triple.id[2] == 0 && triple.code[2].isEmpty()) {
        v->select(t->empty() ? -1 : 0);
        showNode(v->current());
        return;
    }
    int i = -1;
    if (!triple.code[2].isEmpty()) {
        i = t->findChild(-1, triple.code[0]);
        if (i >= 0) i = t->findChild(i, triple.code[1]);
        if (i >= 0) i = t->findChild(i, triple.code[2]);
    } else {
        i = t->findChildId(-1, triple.id[0]);
        if (i >= 0) i = t->findChildId(i, triple.id[1]);
        if (i >= 0) i = t->findChildId(i, triple.id[2]);
    }
    if (i < 0) {
        selectQuietly(-1);
        showNode(-1);
        return;
    }
    v->expandAncestors(i);
    v->select(i);
    m_menuNode = i;
    showNode(i);
}

// ---------------------------------------------------------------------------------

TfrmSKWInfor& skwInforForm() { return *Forms::getOrCreate<TfrmSKWInfor>(QStringLiteral("TfrmSKWInfor")); }
TfrmSKWZawod& skwZawodForm() { return *Forms::getOrCreate<TfrmSKWZawod>(QStringLiteral("TfrmSKWZawod")); }
TfrmEKWInfor& ekwInforForm() { return *Forms::getOrCreate<TfrmEKWInfor>(QStringLiteral("TfrmEKWInfor")); }

void installCodePickers() {
    CodePickers::install(
        [](const QString& table, const QString& title, const QString& current, PickedCode& out) {
            return skwInforForm().PickTreeCode(table, title, current, out);
        },
        [](const QString& table, const QString& title, const QString& current, PickedCode& out) {
            return skwZawodForm().PickOccupationCode(table, title, current, out);
        },
        [](EventTriple& triple) { return ekwInforForm().PickEventTriple(triple); });
}

} // namespace zort
