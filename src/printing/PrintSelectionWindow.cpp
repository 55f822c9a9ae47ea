#include "printing/PrintSelectionWindow.h"

#include "core/AdmSettings.h"
#include "db/Dataset.h"
#include "db/DatasetModel.h"
#include "domain/DataModForm.h"
#include "printing/ReportForms.h"
#include "printing/engine/DisplayFormat.h"
#include "ui/CommandGuard.h"
#include "ui/Help.h"
#include "ui/Widgets.h"
#include "ui/WindowLayout.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace zort::print {

PrintSelectionWindow::PrintSelectionWindow(const QString& className, QWidget* parent)
    : QDialog(parent), m_className(className) {
    m_layout = setUpDialog(this, className.mid(1), windowCaption(), true);
    PageControl = new QTabWidget(this);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    m_layout->addWidget(PageControl, 1);
    m_belowTabs = new QVBoxLayout;
    m_layout->addLayout(m_belowTabs);

    auto* buttons = new QHBoxLayout;
    PreviewBtn = makeDialogButton(QStringLiteral("PreviewBtn"), QStringLiteral("Podgląd"), this);
    PrintBtn = makeDialogButton(QStringLiteral("PrintBtn"), QStringLiteral("Drukuj"), this);
    CloseBtn = makeDialogButton(QStringLiteral("CloseBtn"), QStringLiteral("Zamknij"), this);
    PrintBtn->setDefault(true);
    buttons->addStretch(1);
    for (QPushButton* b : {PreviewBtn, PrintBtn, CloseBtn}) buttons->addWidget(b);
    m_layout->addLayout(buttons);
    connect(PreviewBtn, &QPushButton::clicked, this, [this]() { CommandGuard::run([this]() { PreviewBtnClick(); }, this); });
    connect(PrintBtn, &QPushButton::clicked, this, [this]() { CommandGuard::run([this]() { PrintBtnClick(); }, this); });
    connect(CloseBtn, &QPushButton::clicked, this, [this]() { CloseBtnClick(); });

    QRCompositeReport1.onAddReports = [this](CompositeReport& c) { QRCompositeReport1AddReports(c); };
}

void PrintSelectionWindow::ShowPrint(bool editable) {
    m_editable = editable;
    if (!CommandGuard::run([this]() { FormShow(); }, this)) {
        formClosed();
        return;
    }
    exec();
}

void PrintSelectionWindow::CloseBtnClick() { reject(); }

void PrintSelectionWindow::done(int result) {
    CommandGuard::run([this]() { formClosed(); }, this);
    QDialog::done(result);
}

void PrintSelectionWindow::QRCompositeReport1AddReports(CompositeReport& composite) {
    composite.clear();
    for (DocumentReport* f : m_collected.forms) composite.add(*f);
}

int PrintSelectionWindow::helpContext() const { return property("helpContext").toInt(); }
void PrintSelectionWindow::setHelpContext(int context) { setProperty("helpContext", context); }

void PrintSelectionWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        Help::show(helpContext());
        return;
    }
    QDialog::keyPressEvent(event);
}

QWidget* PrintSelectionWindow::addTab(const QString& name, const QString& caption) {
    auto* page = new QWidget(PageControl);
    page->setObjectName(name);
    PageControl->addTab(page, caption);
    return page;
}

QTableView* PrintSelectionWindow::grid(const QString& name, const QString& accessibleName, Dataset* data,
                                       const std::vector<std::pair<QString, QString>>& columns, QWidget* parent,
                                       const std::function<QString(const QString&, const QVariant&)>& format) {
    auto* view = new QTableView(parent);
    view->setObjectName(name);
    view->setAccessibleName(accessibleName);
    std::vector<DatasetModel::Column> cols;
    for (const auto& [field, heading] : columns) {
        DatasetModel::Column c{field, heading, {}};
        if (format) {
            const QString f = field;
            c.format = [format, f](const QVariant& v) { return format(f, v); };
        } else if (field == QLatin1String("DATA")) {
            // The accident's date without its time of day.
            c.format = [](const QVariant& v) { return formatValue(Field(v), QString()); };
        }
        cols.push_back(c);
    }
    auto* model = new DatasetModel(data, std::move(cols), view);
    model->setEditingAllowed(false);
    view->setModel(model);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    const auto follow = linkGridToDataset(view, data);
    connect(data, &Dataset::opened, view, [follow, view]() {
        follow();
        view->resizeColumnsToContents();
    });
    return view;
}

QCheckBox* PrintSelectionWindow::checkBox(const QString& name, const QString& caption, QWidget* parent) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    return box;
}

TDataModForm* PrintSelectionWindow::dm() const { return dataMod(); }

bool PrintSelectionWindow::collect(const QStringList& names, bool blank) {
    m_collected = CollectedForms();
    if (names.isEmpty()) return false;
    m_collected = resolveForms(names, DocumentRun{dm(), admSettings(), blank}, this);
    return m_collected.ok;
}

PrintSelectionWindow::SummarySlot& PrintSelectionWindow::addSummarySlot(int tab, const QString& name,
                                                                        const QString& caption, const QString& form,
                                                                        const QString& kind, bool landscape) {
    auto slot = std::make_unique<SummarySlot>();
    slot->tab = tab;
    slot->page = addTab(name, caption);
    new QVBoxLayout(slot->page);
    slot->form = form;
    slot->kind = kind;
    slot->landscape = landscape;
    slot->plugged = PrintTabs::make(m_className, tab);
    if (slot->plugged) slot->plugged->build(slot->page);
    else static_cast<QVBoxLayout*>(slot->page->layout())->addStretch(1);
    m_slots.push_back(std::move(slot));
    return *m_slots.back();
}

PrintSelectionWindow::SummarySlot* PrintSelectionWindow::summarySlot(int tab) {
    for (auto& s : m_slots)
        if (s->tab == tab) return s.get();
    return nullptr;
}

PrintTabContext PrintSelectionWindow::tabContext() const {
    PrintTabContext c;
    c.window = const_cast<PrintSelectionWindow*>(this);
    registerFilterInto(c);
    return c;
}

void PrintSelectionWindow::runSummary(SummarySlot& slot, const PrintTabContext& context, bool preview) {
    PrintTab* tab = slot.plugged.get();
    struct Finish {
        PrintTab* tab;
        ~Finish() {
            if (tab) tab->finished();
        }
    } finish{tab};
    if (tab && !tab->check(context)) return;
    const QString name = tab ? tab->formName() : slot.form;
    DocumentReport* form = ReportForms::formOrReport(name, this);
    if (!form) return;
    form->setRun(DocumentRun{dm(), admSettings(), false});
    if (tab) tab->beforePrint(context);
    QString kind = tab ? tab->kindCode() : slot.kind;
    if (kind.isEmpty()) kind = form->kindCode();
    const bool landscape = tab ? tab->landscape() : slot.landscape;
    if (preview) previewSingle(*form, kind, landscape);
    else printSingle(*form, this);
}

} // namespace zort::print
