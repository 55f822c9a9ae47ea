#include "ui/DocumentPagesWindow.h"

#include "core/UserInterface.h"
#include "db/Dataset.h"
#include "db/DbError.h"
#include "db/ColumnTypes.h"
#include "domain/DataModForm.h"
#include "ui/CommandGuard.h"
#include "ui/FieldBinding.h"
#include "ui/Help.h"
#include "ui/LeaveChecks.h"
#include "ui/PageBuilder.h"
#include "ui/RecordSave.h"
#include "ui/Widgets.h"
#include "ui/WindowLayout.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zort {

DocumentPagesWindow::DocumentPagesWindow(const QString& name, const QString& caption, int helpContext,
                                         const QList<Button>& buttons, QWidget* parent)
    : QDialog(parent), m_helpContext(helpContext) {
    QVBoxLayout* layout = setUpDialog(this, name, caption, true);
    setProperty("helpContext", helpContext);
    setWindowFlag(Qt::WindowMinMaxButtonsHint, false);
    auto* row = new QHBoxLayout;
    for (const Button& b : buttons) {
        QPushButton* button = makeDialogButton(b.name, b.caption, this);
        if (b.command == Command::Save) button->setDefault(true);
        connect(button, &QPushButton::clicked, this,
                [this, c = b.command]() { CommandGuard::run([this, c]() { runCommand(c); }, this); });
        row->addWidget(button);
        m_buttons.append({b.command, button});
    }
    row->addStretch(1);
    layout->addLayout(row);
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    layout->addWidget(m_pages, 1);
}

QPushButton* DocumentPagesWindow::commandButton(Command command) const {
    for (const auto& [c, b] : m_buttons)
        if (c == command) return b;
    return nullptr;
}

std::vector<std::unique_ptr<PageBuilder>> DocumentPagesWindow::addPages(const QStringList& names) {
    std::vector<std::unique_ptr<PageBuilder>> builders;
    for (int p = 0; p < names.size(); ++p) {
        auto* page = new QWidget(m_pages);
        page->setObjectName(QStringLiteral("TabSheet%1").arg(p + 1));
        m_pages->addTab(page, names.at(p));
        builders.push_back(std::make_unique<PageBuilder>(page));
    }
    return builders;
}

void DocumentPagesWindow::finishFrame(int width, int minHeight) {
    m_pages->setCurrentIndex(0);
    setFixedWidth(width);
    setMinimumHeight(minHeight);
    resize(width, qMax(minHeight, 640));
    WindowLayout::track(this);
    // The remembered placement keeps its height only.
    setFixedWidth(width);
}

void DocumentPagesWindow::openRecord(const DocumentWindows::Request& request) {
    m_record = request.record;
    m_written = request.written;
    rereadRecord();
}

void DocumentPagesWindow::rereadRecord() {
    TDataModForm* d = dataMod();
    m_rows = d ? d->readRecord(m_record) : TDataModForm::RecordRows{};
}

const Dataset* DocumentPagesWindow::recordRow(const QString& target) const {
    return target == QLatin1String("person") ? m_rows.person.get() : m_rows.accident.get();
}

FieldBinder::RowOf DocumentPagesWindow::recordRows() const {
    return [this](const QString& target) { return recordRow(target); };
}

bool DocumentPagesWindow::saveRecord(FieldBinder& binder, LeaveChecks* checks, const Extras& extras,
                                     RegisterStore::KindWrite kind, const std::function<QString(int)>& slotParam) {
    TDataModForm* d = dataMod();
    if (!d) return false;
    const RecordRef record = m_record;
    const bool saved = RecordSave::run(
        this, [&]() { return !checks || checks->checkBeforeSave(binder.changedControls()); },
        [&]() {
            FieldBinder::Collected values = binder.collect(recordRows(), {}, slotParam);
            if (extras) extras(values.byTarget[QStringLiteral("accident")], values.byTarget[QStringLiteral("person")]);
            return values;
        },
        [&](const FieldBinder::Collected& values) {
            // A record that is gone is never written into other rows: each UPDATE
            // must change exactly its own row.
            if (!record.valid() || record.personId < 1) throw DbError(RegisterStore::recordGoneMessage());
            d->store().saveAccident(record.accidentId, values.byTarget.value(QStringLiteral("accident")),
                                    record.personId, values.byTarget.value(QStringLiteral("person")), kind);
        });
    if (!saved) return false;
    rereadRecord();
    binder.takeBaseline();
    if (m_written) m_written();
    return true;
}

void DocumentPagesWindow::reject() { QDialog::reject(); }

void DocumentPagesWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        // The cancel button: "Zamknij".
        CommandGuard::run([this]() { runCommand(Command::Close); }, this);
        return;
    }
    if (event->key() == Qt::Key_F1) {
        Help::show(m_helpContext);
        return;
    }
    QDialog::keyPressEvent(event);
}

void DocumentPagesWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_firstShow) m_pages->setCurrentIndex(0);
    m_firstShow = false;
}

} // namespace zort
