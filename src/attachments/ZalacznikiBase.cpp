#include "attachments/ZalacznikiBase.h"

#include "core/AccessRights.h"
#include "core/Clock.h"
#include "core/Formats.h"
#include "core/UserInterface.h"
#include "db/Dataset.h"
#include "db/DatasetModel.h"
#include "domain/DataModForm.h"
#include "domain/FixedLists.h"
#include "domain/OrgStructure.h"
#include "domain/SharedConnection.h"
#include "ui/AttachmentPrinting.h"
#include "ui/CommandGuard.h"
#include "ui/DanPoszkodForm.h"
#include "ui/FieldBinding.h"
#include "ui/Help.h"
#include "ui/KalendarzForm.h"
#include "ui/PageBuilder.h"
#include "ui/PersonCopyPage.h"
#include "ui/Widgets.h"
#include "ui/ZatrudnienieForm.h"

#include <algorithm>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace zort {
namespace {

const QString kHint = QStringLiteral("Aby móc wprowadzać dane należy użyć przycisk dodaj załącznik.");
const QString kDeleteQuestion = QStringLiteral(" Czy na pewno usunąć wybrany załącznik?");
const QString kBadDate = QStringLiteral("Zły format daty.");

// A double click, or Delete or Backspace from the keyboard, on a read-only code field.
class ClearFilter : public QObject {
public:
    ClearFilter(QObject* parent, std::function<void()> action) : QObject(parent), m_action(std::move(action)) {}
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::MouseButtonDblClick) {
            m_action();
        } else if (e->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(e)->key();
            if (key == Qt::Key_Delete || key == Qt::Key_Backspace) {
                m_action();
                return true;
            }
        }
        return QObject::eventFilter(watched, e);
    }

private:
    std::function<void()> m_action;
};

} // namespace

TZalacznikiBase::TZalacznikiBase(const QString& name, const QString& caption, std::vector<AttachmentKind> kinds,
                                 QWidget* parent)
    : QDialog(parent), m_kinds(std::move(kinds)) {
    setObjectName(name);
    setWindowTitle(caption);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    const size_t n = m_kinds.size();
    m_grid.assign(n, nullptr);
    m_detail.assign(n, nullptr);
    m_hint.assign(n, nullptr);
    m_kindPages.assign(n, nullptr);
    m_typeGroup.assign(n, nullptr);
    m_touched.assign(n, false);
}

TZalacznikiBase::~TZalacznikiBase() = default;

// --- Building ----------------------------------------------------------------------

void TZalacznikiBase::buildTabs(const QStringList& pageNames, const QStringList& captions) {
    auto* layout = new QVBoxLayout(this);
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("pcZalaczniki"));
    layout->addWidget(m_tabs, 1);
    for (int i = 0; i < pageNames.size(); ++i) {
        auto* page = new QWidget(m_tabs);
        page->setObjectName(pageNames.at(i));
        m_tabs->addTab(page, captions.value(i));
    }
}

void TZalacznikiBase::buildListSide(int kind, const char* gridName, QWidget* detail) {
    QWidget* page = m_tabs->widget(kind);
    auto* row = new QHBoxLayout(page);
    auto* left = new QVBoxLayout();
    row->addLayout(left);
    auto* view = new QTableView(page);
    view->setObjectName(QString::fromLatin1(gridName));
    view->setAccessibleName(QStringLiteral("Nr Zał."));
    view->setFixedWidth(90);
    left->addWidget(view);
    m_grid[size_t(kind)] = view;
    auto* hint = new QLabel(kHint, page);
    hint->setWordWrap(true);
    hint->setObjectName(QStringLiteral("lblPodpowiedz%1").arg(kind));
    row->addWidget(hint, 1);
    m_hint[size_t(kind)] = hint;
    row->addWidget(detail, 4);
    m_detail[size_t(kind)] = detail;
    detail->hide();
}

void TZalacznikiBase::buildPanel() {
    m_panel = new QHBoxLayout();
    static_cast<QVBoxLayout*>(layout())->addLayout(m_panel);
    auto addButton = [this](const char* name, const QString& caption, const QString& accessible,
                            std::function<void()> action) {
        auto* b = makeDialogButton(QString::fromLatin1(name), caption, this);
        if (!accessible.isEmpty()) b->setAccessibleName(accessible);
        b->setToolTip(accessible.isEmpty() ? caption : accessible);
        connect(b, &QPushButton::clicked, this, [this, action]() { CommandGuard::run(action, this); });
        m_panel->addWidget(b);
        return b;
    };
    // The two "Załącznik" buttons are told apart by their signs.
    addButton("DodZalBtn", QStringLiteral("Załącznik"), QStringLiteral("Dodaj załącznik"), [this]() { DodZalBtnClick(); })
        ->setIcon(style()->standardIcon(QStyle::SP_FileDialogNewFolder));
    addButton("KasZalBtn", QStringLiteral("Załącznik"), QStringLiteral("Usuń załącznik"), [this]() { KasZalBtnClick(); })
        ->setIcon(style()->standardIcon(QStyle::SP_TrashIcon));
    addButton("ZapiszBtn", QStringLiteral("Zapisz"), {}, [this]() { ZapiszBtnClick(); });
    addButton("PreviewBtn", QStringLiteral("Podgląd"), {}, [this]() { PreviewBtnClick(); });
    addButton("DrukBtn", QStringLiteral("Drukuj"), {}, [this]() { DrukBtnClick(); });
    m_blank = new QCheckBox(QStringLiteral("drukuj puste formularze"), this);
    m_blank->setObjectName(QStringLiteral("cbPuste"));
    m_panel->addWidget(m_blank);
    m_panel->addStretch();
    addButton("ZamknijBtn", QStringLiteral("Zamknij"), {}, [this]() { ZamknijBtnClick(); });
    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int i) { tabShown(i); });
}

void TZalacznikiBase::bindControls(const QStringList& targets) {
    m_targets = targets;
    std::vector<SelectorRule> rules;
    for (size_t k = 0; k < m_kinds.size(); ++k) {
        const AttachmentKind& kind = m_kinds[k];
        SelectorRule r{kind.saveSelector, targets.at(int(k))};
        r.editsAndMemosOnly = !kind.bindsChoices;
        if (kind.memoDigits == 1) r.memoSlots = MemoSlots::OneDigit;
        rules.push_back(r);
        if (!kind.loadSelector.isNull()) {
            SelectorRule l = r;
            l.selector = kind.loadSelector;
            l.save = false;
            rules.push_back(l);
        }
    }
    m_binder = std::make_unique<FieldBinder>(this, MemoSlots::None, std::move(rules));
    for (const BoundControl& b : m_binder->controls()) {
        const int kind = kindOfTarget(m_binder->rule(b.selector)->target);
        if (auto* e = qobject_cast<QLineEdit*>(b.widget))
            connect(e, &QLineEdit::textEdited, this, [this, kind]() { markTouched(kind); });
        else if (auto* m = qobject_cast<QPlainTextEdit*>(b.widget))
            connect(m, &QPlainTextEdit::textChanged, this, [this, kind]() {
                if (!m_loading) markTouched(kind);
            });
        else if (auto* g = qobject_cast<RadioGroup*>(b.widget))
            connect(g, &RadioGroup::chosen, this, [this, kind]() { markTouched(kind); });
    }
}

void TZalacznikiBase::colourTabs(const QList<QTabWidget*>& tabs, const QColor& colour) {
    const QString sheet = QStringLiteral("QTabBar::tab { background: %1; padding: 4px 10px; } "
                                         "QTabBar::tab:selected { font-weight: bold; }")
                              .arg(colour.name());
    for (QTabWidget* t : tabs) {
        t->tabBar()->setStyleSheet(sheet);
        t->tabBar()->setExpanding(false);
    }
}

QLineEdit* TZalacznikiBase::dateField(PageBuilder& b, const QString& name, const QString& caption, const QString& button) {
    QLineEdit* e = b.date(name, caption);
    e->setMaxLength(10);
    QToolButton* calendar = b.buttonBeside(e, button, QStringLiteral("Kalendarz"));
    calendar->setToolTip(QStringLiteral("Kalendarz"));
    connect(calendar, &QToolButton::clicked, this, [this, name]() { CommandGuard::run([&]() { chooseDate(name); }, this); });
    e->installEventFilter(this);
    m_dateFields.insert(e);
    return e;
}

QComboBox* TZalacznikiBase::personList(PageBuilder& b, QWidget* page, const QString& combo, const QString& caption,
                                       const QString& filterOn, const QString& filterText, const QString& filterSet) {
    QComboBox* persons = b.combo(combo, caption);
    b.checkRow(filterOn, QStringLiteral("Filtr"));
    QLineEdit* filter = new QLineEdit(page);
    filter->setObjectName(filterText);
    filter->setAccessibleName(QStringLiteral("Filtr — nazwisko"));
    auto* set = new QToolButton(page);
    set->setObjectName(filterSet);
    set->setText(QStringLiteral("Ustaw"));
    set->setAccessibleName(QStringLiteral("Filtr — nazwisko — Ustaw"));
    b.controlsRow(QString(), {filter, set});
    return persons;
}

QComboBox* TZalacznikiBase::personAddressFields(PageBuilder& b, const PersonAddressNames& n, int kind) {
    const auto field = [&](const char* name, const char* caption, int width) {
        return widthed(b.edit(n.prefix + QLatin1String(name), QString::fromUtf8(caption), width), width);
    };
    field("Nazwisko", "Nazwisko :", 50);
    field("Imie", "Imię :", 30);
    field("ImOjca", "Imię ojca :", 30);
    b.section(QStringLiteral("Urodzony :"));
    dateField(b, n.prefix + QStringLiteral("DataUr"), QStringLiteral("Data :"), n.birthDateButton);
    field("MiejsceUr", "Miejsce :", 50);
    b.section(n.addressCaption);
    field("Miejscow", "Miejscowość :", 32);
    field("KodPocz", "Kod pocztowy :", 6);
    QComboBox* provinces = provinceList(b, field("Wojew", "Województwo :", 32), n.provinceList, kind);
    field("Ulica", "Ulica :", 32);
    field("NrUl", "Numer domu :", 9);
    field("NrMiesz", "Numer mieszkania :", 9);
    return provinces;
}

QComboBox* TZalacznikiBase::provinceList(PageBuilder& b, QLineEdit* field, const QString& name, int kind) {
    QComboBox* list = b.comboBeside(field, name, QStringLiteral("lista"));
    list->addItems(provinceNames());
    list->setCurrentIndex(-1);
    connect(list, qOverload<int>(&QComboBox::activated), this, [this, list, field, kind](int index) {
        if (!m_editable || index < 0) return;
        setField(field->objectName(), list->itemText(index).trimmed());
        markTouched(kind);
    });
    return list;
}

void TZalacznikiBase::showProvince(QComboBox* list, const QLineEdit* field) {
    const QSignalBlocker block(list);
    list->setCurrentIndex(provinceNames().indexOf(field->text()));
}

void TZalacznikiBase::clearsBy(QWidget* field, std::function<void()> action) {
    field->installEventFilter(new ClearFilter(field, std::move(action)));
}

QLineEdit* TZalacznikiBase::hiddenField(QWidget* page, const char* name) {
    auto* e = new QLineEdit(page);
    e->setObjectName(QString::fromLatin1(name));
    e->setVisible(false);
    e->setProperty("hiddenField", true);
    return e;
}

QLineEdit* TZalacznikiBase::widthed(QLineEdit* e, int width) {
    m_width.insert(e->objectName(), width);
    return e;
}

void TZalacznikiBase::choosePosition(const PositionFields& f) {
    if (!m_editable) return;
    TZatrudnienieForm& picker = positionForm();
    if (!picker.choose(edit(f.id)->text().toInt())) return;
    const TStrukt& p = picker.position();
    setField(f.code, p.KOD);
    setField(f.id, QString::number(p.ID));
    setField(f.name, p.SKROTNAZWA);
    setField(f.unit, picker.elementAtLevel());
    markTouched(f.kind);
}

bool TZalacznikiBase::copyRegisterPerson(int personId, const CopyMap& map, int kind,
                                         const std::function<bool(const RegisterPerson&)>& copies) {
    const OrgStructure structure = runStructure();
    const PersonCopy copy(SharedConnection::get(), structure, runPersonCopySettings());
    const std::optional<RegisterPerson> person = copy.readPerson(personId);
    if (!person || (copies && !copies(*person))) return false;
    const std::vector<PersonEmployment> employments = copy.readEmployments(personId);
    int chosen = employments.empty() ? -1 : 0;
    if (employments.size() > 1) {
        std::vector<TDanPoszkodForm::Line> lines;
        for (const PersonEmployment& e : employments) lines.push_back({copy.employmentLine(e), e.positionId});
        chosen = danPoszkodForm().choose(lines);
    }
    const PersonEmployment* employment = chosen >= 0 ? &employments[size_t(chosen)] : nullptr;
    // Without an employment its fields are emptied, the position id and staż "0".
    const QHash<CopyValue, QString> values = copy.values(*person, employment, TZatrudnienieForm::level());
    for (const auto& [name, text] : applyCopyMap(map, values)) setField(name, text);
    markTouched(kind);
    return true;
}

// --- The book ----------------------------------------------------------------------

void TZalacznikiBase::ensureBook() {
    if (m_book) return;
    TDataModForm* d = dataMod();
    if (!d) return;
    m_book = std::make_unique<AttachmentBook>(*d, m_kinds);
    m_book->setCollector([this](int kind) { return collect(kind); });
    connect(m_book.get(), &AttachmentBook::rowChanged, this, [this](int kind) { LoadAttachmentFields(kind); });
    for (int k = 0; k < m_book->kindCount(); ++k) {
        Dataset* list = m_book->list(k);
        QTableView* view = m_grid[size_t(k)];
        auto* model = new DatasetModel(list, {{m_kinds.at(size_t(k)).numberColumn, QStringLiteral("Nr Zał."), {}, false}}, view);
        model->setEditingAllowed(false);
        view->setModel(model);
        view->setSelectionBehavior(QAbstractItemView::SelectRows);
        view->setSelectionMode(QAbstractItemView::SingleSelection);
        view->setEditTriggers(QAbstractItemView::NoEditTriggers);
        view->horizontalHeader()->setStretchLastSection(true);
        view->verticalHeader()->hide();
        connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                [this, k, list](const QModelIndex& current) {
                    if (!current.isValid() || current.row() == list->recNo()) return;
                    CommandGuard::run([&]() { moveTo(k, current.row()); }, this);
                });
    }
}

bool TZalacznikiBase::moveTo(int kind, int row) {
    if (!m_book) return false;
    AttachmentBook::BadDate bad;
    const bool moved = m_book->moveTo(kind, row, &bad);
    if (!moved) reportBadDate(bad);
    Dataset* list = m_book->list(kind);
    QTableView* view = m_grid[size_t(kind)];
    // A refused move keeps the grid on the row the list stands on.
    if (list->recNo() >= 0 && view->model() && view->currentIndex().row() != list->recNo()) {
        const QSignalBlocker block(view->selectionModel());
        view->selectionModel()->setCurrentIndex(view->model()->index(list->recNo(), 0),
                                                QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    view->viewport()->update();
    return moved;
}

AttachmentBook::Pending TZalacznikiBase::collect(int kind) {
    AttachmentBook::Pending p;
    const AttachmentKind& k = m_kinds.at(size_t(kind));
    const QChar selector = k.saveSelector;
    const auto rowOf = [this](const QString& t) -> const Dataset* { return m_book->list(kindOfTarget(t)); };
    std::function<QString(int)> slotParam;
    if (!k.slotParams.isEmpty())
        slotParam = [&k](int slot) {
            return slot >= 1 && slot <= k.slotParams.size() ? k.slotParams.at(slot - 1) : QStringLiteral("Memo%1").arg(slot);
        };
    const FieldBinder::Collected c = m_binder->collect(rowOf, [selector](QChar s) { return s == selector; }, slotParam);
    p.values = c.byTarget.value(m_targets.at(kind));
    if (RadioGroup* type = m_typeGroup[size_t(kind)]) p.values << ColumnValue{QStringLiteral("TYP"), type->itemIndex()};
    p.touched = m_touched[size_t(kind)];
    return p;
}

void TZalacznikiBase::markTouched(int kind) {
    if (!m_loading && kind >= 0 && kind < int(m_touched.size())) m_touched[size_t(kind)] = true;
}

// --- Showing and loading ---------------------------------------------------------------

void TZalacznikiBase::openBook(const DocumentWindows::Request& request, bool editable, const AttachmentOwner& owner,
                               const QStringList& alwaysReadOnly) {
    ensureBook();
    if (!m_book) return;
    m_record = request.record;
    m_onListPage = request.onListPage;
    m_editable = editable;
    // Every field read-only unless editable; every choice enabled only if editable.
    for (QLineEdit* e : findChildren<QLineEdit*>()) {
        if (qobject_cast<QComboBox*>(e->parentWidget())) continue;
        e->setReadOnly(!m_editable || alwaysReadOnly.contains(e->objectName()));
        setReadOnlyLook(e, e->isReadOnly());
    }
    for (QPlainTextEdit* m : findChildren<QPlainTextEdit*>()) m->setReadOnly(!m_editable);
    // Speed buttons (calendars, choosers, copies, filters); the "bb" buttons of other
    // tabs keep their own rules.
    for (QToolButton* b : findChildren<QToolButton*>())
        if (!b->objectName().startsWith(QLatin1String("bb"))) b->setEnabled(m_editable);
    for (QComboBox* c : findChildren<QComboBox*>()) c->setEnabled(m_editable);
    for (RadioGroup* g : findChildren<RadioGroup*>()) g->setEnabled(m_editable);
    std::fill(m_touched.begin(), m_touched.end(), false);
    m_book->open(owner, m_editable);
    for (int k = 0; k < m_book->kindCount(); ++k) LoadAttachmentFields(k);
}

void TZalacznikiBase::showDetail(int kind) {
    const bool rows = m_book && m_book->list(kind)->isOpen() && !m_book->list(kind)->isEmpty();
    m_detail[size_t(kind)]->setVisible(rows);
    m_hint[size_t(kind)]->setVisible(!rows);
}

bool TZalacznikiBase::detailShown(int kind) const { return !m_detail[size_t(kind)]->isHidden(); }

void TZalacznikiBase::LoadAttachmentFields(int kind) {
    if (!m_book) return;
    m_loading = true;
    const QChar save = m_kinds.at(size_t(kind)).saveSelector;
    const QChar load = m_kinds.at(size_t(kind)).loadSelector;
    const auto rowOf = [this](const QString& t) -> const Dataset* { return m_book->list(kindOfTarget(t)); };
    m_binder->load(rowOf, [save, load](QChar s) { return s == save || (!load.isNull() && s == load); });
    const Dataset* list = m_book->list(kind);
    const bool row = list->isOpen() && !list->isEmpty();
    // The type without its copy question.
    if (RadioGroup* type = m_typeGroup[size_t(kind)]) {
        const bool set = row && !list->field(QStringLiteral("TYP")).isNull();
        type->setItemIndex(set ? int(list->field(QStringLiteral("TYP")).asInt()) : -1);
    }
    fieldsLoaded(kind);
    m_touched[size_t(kind)] = false;
    m_loading = false;
    showDetail(kind);
    // The grid stands on the list's row.
    QTableView* view = m_grid[size_t(kind)];
    if (view->model() && list->recNo() >= 0 && view->currentIndex().row() != list->recNo()) {
        const QSignalBlocker block(view->selectionModel());
        view->selectionModel()->setCurrentIndex(view->model()->index(list->recNo(), 0),
                                                QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    if (m_onListPage || !m_printFromListOnly) applyButtonRules();
}

// --- Buttons and tabs -------------------------------------------------------------------

QPushButton* TZalacznikiBase::button(const QString& name) const { return findChild<QPushButton*>(name); }

QLineEdit* TZalacznikiBase::edit(const QString& name) const { return findChild<QLineEdit*>(name); }

void TZalacznikiBase::applyButtonRules() {
    const AccessRights rights = AccessRights::ofSession();
    const bool commands = kindOfTab(m_tabs->currentIndex()) >= 0;
    const bool mayWrite = m_editable && rights.registerLevel() == 2;
    const bool mayPrint = rights.mayPrintAttachments() && (m_onListPage || !m_printFromListOnly);
    for (const char* b : {"DodZalBtn", "KasZalBtn", "ZapiszBtn"})
        button(QString::fromLatin1(b))->setEnabled(mayWrite && commands);
    for (const char* b : {"DrukBtn", "PreviewBtn"}) button(QString::fromLatin1(b))->setEnabled(mayPrint && commands);
    button(QStringLiteral("ZamknijBtn"))->setEnabled(true);
}

void TZalacznikiBase::tabShown(int tab) {
    if (const int k = kindOfTab(tab); k >= 0) showDetail(k);
}

// --- Commands ---------------------------------------------------------------------------

void TZalacznikiBase::DodZalBtnClick() {
    const int kind = kindOfTab(m_tabs->currentIndex());
    if (!m_book || kind < 0 || !m_editable) return;
    AttachmentBook::BadDate bad;
    if (m_book->add(kind, &bad) == 0) {
        reportBadDate(bad);
        return;
    }
    showDetail(kind);
    if (QTabWidget* pages = m_kindPages[size_t(kind)]) pages->setCurrentIndex(m_kinds.at(size_t(kind)).pageAfterAdd);
}

void TZalacznikiBase::KasZalBtnClick() {
    const int kind = kindOfTab(m_tabs->currentIndex());
    if (!m_book || kind < 0 || !m_editable || m_book->currentId(kind) == 0) return;
    if (!askYesNo(kDeleteQuestion, QString(), this)) return;
    AttachmentBook::BadDate bad;
    if (!m_book->remove(kind, &bad)) reportBadDate(bad);
    showDetail(kind);
}

bool TZalacznikiBase::ZapiszBtnClick() {
    if (!m_book || !m_editable) return false;
    AttachmentBook::BadDate bad;
    const bool saved = m_book->save(&bad);
    // The kinds written are reloaded by the book; a refused one keeps what was typed.
    for (int k = 0; k < m_book->kindCount(); ++k) {
        const bool failed = std::any_of(m_book->failures().begin(), m_book->failures().end(),
                                        [k](const AttachmentBook::Failure& f) { return f.kind == k; });
        if (saved || (bad.kind < 0 && !failed)) m_touched[size_t(k)] = false;
    }
    if (!saved) {
        reportBadDate(bad);
        return false;
    }
    return saveMore();
}

void TZalacznikiBase::reportBadDate(const AttachmentBook::BadDate& bad) {
    if (bad.kind < 0) {
        reportFailures();
        return;
    }
    showError(kBadDate, this);
    if (QWidget* w = boundControl(bad.kind, bad.column)) {
        m_tabs->setCurrentIndex(bad.kind);
        revealField(w);
        w->setFocus();
    }
}

void TZalacznikiBase::reportFailures() {
    const QList<AttachmentBook::Failure>& failures = m_book->failures();
    if (failures.isEmpty()) return;
    // One message for the save, a line for each row it could not write.
    QStringList lines{saveFailedMessage()};
    QWidget* first = nullptr;
    for (const AttachmentBook::Failure& f : failures) {
        QWidget* w = f.column.isEmpty() ? nullptr : boundControl(f.kind, f.column);
        if (!first) first = w;
        lines << (w ? fieldCaption(w) : m_tabs->tabText(f.kind)) + QStringLiteral(": ") + f.reason;
    }
    showError(lines.join(QStringLiteral("\r\n")), this);
    if (first) {
        revealField(first);
        first->setFocus();
    }
}

QWidget* TZalacznikiBase::boundControl(int kind, const QString& column) const {
    const QChar selector = m_kinds.at(size_t(kind)).saveSelector;
    for (const BoundControl& b : m_binder->controls())
        if (b.selector == selector && b.column.compare(column, Qt::CaseInsensitive) == 0) return b.widget;
    return nullptr;
}

void TZalacznikiBase::ZamknijBtnClick() {
    // A read-only window writes nothing.
    if (m_editable && AccessRights::ofSession().registerLevel() == 2) {
        bool saved = false;
        CommandGuard::run([&]() { saved = ZapiszBtnClick(); }, this);
        if (!saved) return;
    }
    finish();
    close();
}

void TZalacznikiBase::finish() {
    finished();
    if (m_book && m_book->isOpen()) m_book->close();
}

void TZalacznikiBase::closeEvent(QCloseEvent* event) {
    finish();
    QDialog::closeEvent(event);
}

void TZalacznikiBase::reject() {
    finish();
    QDialog::reject();
}

void TZalacznikiBase::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        Help::show(m_helpContext);
        return;
    }
    QDialog::keyPressEvent(event);
}

void TZalacznikiBase::PreviewBtnClick() { printCurrent(true); }

void TZalacznikiBase::DrukBtnClick() { printCurrent(false); }

void TZalacznikiBase::printCurrent(bool preview) {
    const int kind = kindOfTab(m_tabs->currentIndex());
    if (!m_book || kind < 0 || m_book->currentId(kind) == 0) return;
    // The printout is made of the stored row: what was typed is saved first, and a
    // refused save (its message shown) prints nothing.
    if (m_editable) {
        bool saved = false;
        CommandGuard::run([&]() { saved = ZapiszBtnClick(); }, this);
        if (!saved || m_book->currentId(kind) == 0) return;
    }
    AttachmentPrintRequest r{m_kinds.at(size_t(kind)).printKind, m_book->currentId(kind), m_blank->isChecked(), preview, this};
    r.ownerAccident = m_book->owner().accident;
    r.ownerProtocol = m_book->owner().protocol;
    AttachmentPrinting::print(r);
}

// --- Fields -----------------------------------------------------------------------------

void TZalacznikiBase::setField(const QString& name, const QString& value) {
    QLineEdit* e = edit(name);
    if (!e) return;
    const int width = m_width.value(name, e->property("declaredMaxLength").isValid() ? e->property("declaredMaxLength").toInt()
                                                                                     : e->maxLength());
    e->setText(width > 0 && width < 32767 ? value.left(width) : value);
    e->setCursorPosition(0);
}

void TZalacznikiBase::chooseDate(const QString& fieldName) {
    QLineEdit* e = edit(fieldName);
    if (!m_editable || !e) return;
    QDate initial = Formats::parseDate(e->text());
    if (!initial.isValid()) initial = Clock::today();
    const auto chosen = calendarForm().choose(initial);
    if (!chosen) return;
    e->setText(Formats::date(*chosen));
    const auto bound = std::find_if(m_binder->controls().begin(), m_binder->controls().end(),
                                    [e](const BoundControl& b) { return b.widget == e; });
    if (bound != m_binder->controls().end()) markTouched(kindOfTarget(m_binder->rule(bound->selector)->target));
}

bool TZalacznikiBase::leaveDate(QLineEdit* field) {
    const QString text = field->text().trimmed();
    if (text.isEmpty() || Formats::parseDate(text).isValid() || Formats::parseDateTime(text).isValid()) return true;
    showError(kBadDate, this);
    field->setFocus();
    return false;
}

bool TZalacznikiBase::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && m_editable && !m_loading)
        if (auto* e = qobject_cast<QLineEdit*>(watched); e && m_dateFields.contains(e) && isVisible())
            QTimer::singleShot(0, e, [this, e]() { leaveDate(e); });
    return QDialog::eventFilter(watched, event);
}

} // namespace zort
