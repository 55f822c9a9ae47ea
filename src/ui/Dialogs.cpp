#include "ui/Dialogs.h"

#include "ui/WaitWindow.h"

#include "core/MemoText.h"
#include "core/UserInterface.h"
#include "ui/InfoForm.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace zort {
namespace {

// Filters "Opis|*.ext;*.x" become Qt's "Opis (*.ext *.x)"; a description that shows
// its patterns already ("Pliki Word (*.doc)|*.doc") is kept as it is.
QString qtFilter(const QString& f) {
    const qsizetype bar = f.indexOf('|');
    if (bar < 0) return f;
    QString patterns = f.mid(bar + 1);
    patterns.replace(';', ' ');
    const QString description = f.left(bar);
    if (description.endsWith(QStringLiteral("(") + patterns + QLatin1Char(')'))) return description;
    return description + QStringLiteral(" (") + patterns + QLatin1Char(')');
}

using FileDialogFn = QString (*)(QWidget*, const QString&, const QString&, const QString&, QString*,
                                 QFileDialog::Options);

// Runs an open or save dialog on the request; the chosen filter goes back into it.
QString fileDialog(FileDialogFn dialog, FileRequest& r, QWidget* parent) {
    QStringList filters;
    for (const QString& f : r.filters) filters << qtFilter(f);
    QString selected = filters.value(r.filterIndex - 1);
    const QString file = dialog(parent, r.title, r.initial, filters.join(QStringLiteral(";;")), &selected, {});
    const qsizetype idx = filters.indexOf(selected);
    if (idx >= 0) r.filterIndex = int(idx) + 1;
    return file;
}

class WidgetUi : public UserInterface {
public:
    MsgAnswer message(const QString& text, const QString& caption, MsgIcon icon,
                      MsgButtons buttons, QWidget* parent) override {
        QMessageBox box(parent ? parent : QApplication::activeWindow());
        box.setWindowTitle(caption);
        box.setText(memo::fromStored(text));
        switch (icon) {
        case MsgIcon::Error: box.setIcon(QMessageBox::Critical); break;
        case MsgIcon::Warning: box.setIcon(QMessageBox::Warning); break;
        case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
        case MsgIcon::Confirmation: box.setIcon(QMessageBox::Question); break;
        case MsgIcon::None: break;
        }
        switch (buttons) {
        case MsgButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
        case MsgButtons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
        case MsgButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
        case MsgButtons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            break;
        }
        if (auto* b = box.button(QMessageBox::Yes)) b->setText(QStringLiteral("&Tak"));
        if (auto* b = box.button(QMessageBox::No)) b->setText(QStringLiteral("&Nie"));
        if (auto* b = box.button(QMessageBox::Cancel)) b->setText(QStringLiteral("Anuluj"));
        switch (box.exec()) {
        case QMessageBox::Yes: return MsgAnswer::Yes;
        case QMessageBox::No: return MsgAnswer::No;
        case QMessageBox::Cancel: return MsgAnswer::Cancel;
        default: return buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::Ok;
        }
    }

    int confirm(const QString& text, QWidget* parent) override {
        InfoForm form(parent ? parent : QApplication::activeWindow());
        return form.ask(text);
    }

    QString openFile(FileRequest& r, QWidget* parent) override {
        return fileDialog(&QFileDialog::getOpenFileName, r, parent);
    }

    QString saveFile(FileRequest& r, QWidget* parent) override {
        return fileDialog(&QFileDialog::getSaveFileName, r, parent);
    }

    QString chooseFolder(const QString& title, const QString& initial, QWidget* parent) override {
        // Folders only, without a button that makes one, starting at the given folder.
        QFileDialog dialog(parent ? parent : QApplication::activeWindow(), title, initial);
        dialog.setObjectName(QStringLiteral("FolderChooser"));
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOptions(QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog | QFileDialog::ReadOnly);
        if (auto* make = dialog.findChild<QWidget*>(QStringLiteral("newFolderButton"))) make->hide();
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
        return dialog.selectedFiles().constFirst();
    }
};

} // namespace

void installDialogs() {
    static WidgetUi dialogs;
    setDefaultUserInterface(&dialogs);
    installWaitWindow();
}

} // namespace zort
