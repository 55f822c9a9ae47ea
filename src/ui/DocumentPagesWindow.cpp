#include "ui/DocumentPagesWindow.h"

#include "core/UserInterface.h"
#include "db/Dataset.h"
#include "db/DbError.h"
#include "db/ColumnTypes.h"
#include "domain/DataModForm.h"
#include "ui/CommandGuard.h"
#include "ui/FieldBinding.h"
#include "ui/Help.h"
#include "ui/PageBuilder.h"
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

bool DocumentPagesWindow::rowsStillLoaded(int accidentId, int personId) {
    const TDataModForm* d = dataMod();
    const auto rowId = [](const Dataset* rows) {
        return rows && rows->isOpen() && !rows->isEmpty() ? rows->value(QStringLiteral("ID")).toInt() : 0;
    };
    if (d && rowId(d->qrySKWWypadki) == accidentId && rowId(d->qrySKWPoszkodowani) == personId) return true;
    showError(saveFailedMessage() + QStringLiteral("\r\n") + RegisterStore::recordGoneMessage(), this);
    return false;
}

void DocumentPagesWindow::reportRefusal(const ValueRefused& e, QWidget* field) {
    showError(saveRefusalText(field ? fieldCaption(field) : e.column(), e.reason()), this);
    if (field) {
        revealField(field);
        field->setFocus();
    }
}

void DocumentPagesWindow::reportFailure(const DbError& e) {
    // The typed values stay; the user saves again once the database answers.
    CommandGuard::report(e, this, saveFailedMessage());
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
