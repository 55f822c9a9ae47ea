#pragma once
#include "domain/DataModForm.h"
#include "ui/DocumentWindows.h"
#include "ui/FieldBinding.h"

#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class QPushButton;
class QTabWidget;

namespace zort {

class PageBuilder;
class LeaveChecks;

// The frame of a document window laid out like its printed form (the statistical
// card, the post-accident protocol): a row of command buttons over tabs of pages, a
// fixed width, the remembered placement. Esc runs "Zamknij", F1 opens the window's
// help, the first showing starts on the first tab, and the title bar's close box
// closes without saving.
//
// The window works on the record it was opened for: it reads that accident's and
// injured person's rows by their keys and writes them back through the one save
// below, whatever the main window's lists do meanwhile.
class DocumentPagesWindow : public QDialog {
    Q_OBJECT
public:
    enum class Command { Test, Save, Print, Close };

    QTabWidget* pages() const { return m_pages; }
    QPushButton* commandButton(Command command) const;

protected:
    struct Button {
        Command command;
        QString name;
        QString caption;
    };
    // `buttons` in the order they stand; the "Zapisz" one is the default button.
    DocumentPagesWindow(const QString& name, const QString& caption, int helpContext, const QList<Button>& buttons,
                        QWidget* parent);
    // One tab per name ("TabSheet1", ...), each with the builder of its page.
    std::vector<std::unique_ptr<PageBuilder>> addPages(const QStringList& names);
    // After the pages are built: the fixed width, the least height, the placement.
    void finishFrame(int width, int minHeight);

    // A command button was pressed (or Esc, for Close).
    virtual void runCommand(Command command) = 0;

    // The record of the request: its rows are read (empty rows when it no longer
    // exists). Whoever asked is told of every save.
    void openRecord(const DocumentWindows::Request& request);
    const RecordRef& record() const { return m_record; }
    // The rows by the binders' targets: "accident", "person".
    const Dataset* recordRow(const QString& target) const;
    FieldBinder::RowOf recordRows() const;
    // Reads the record's rows again.
    void rereadRecord();

    // The one save of a document window: the values of `binder`'s controls, with
    // what the window adds of its own (`extras`), written into the record's two rows
    // in one transaction (`kind`: whether the accident's kind is written). A refused
    // value names its field, a failure of the database gives its reason; nothing is
    // written then and the typed values stay. After a save the rows are read again
    // and the opener is told.
    using Extras = std::function<void(RowValues& accident, RowValues& person)>;
    // The checks of the fields changed since loading run first (`checks`).
    bool saveRecord(FieldBinder& binder, LeaveChecks* checks, const Extras& extras,
                    RegisterStore::KindWrite kind = RegisterStore::KindWrite::Kept,
                    const std::function<QString(int slot)>& slotParam = {});

    void reject() override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    int m_helpContext;
    RecordRef m_record;
    TDataModForm::RecordRows m_rows;
    std::function<void()> m_written;
    QTabWidget* m_pages = nullptr;
    QList<QPair<Command, QPushButton*>> m_buttons;
    bool m_firstShow = true;
};

} // namespace zort
