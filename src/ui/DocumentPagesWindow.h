#pragma once
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
class ValueRefused;
class DbError;

// The frame of a document window laid out like its printed form (the statistical
// card, the post-accident protocol): a row of command buttons over tabs of pages, a
// fixed width, the remembered placement. Esc runs "Zamknij", F1 opens the window's
// help, the first showing starts on the first tab, and the title bar's close box
// closes without saving.
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

    // Whether the data module's accident and person lists still stand on the rows a
    // window was loaded from; if not, the save's message is shown (the rows were
    // deleted elsewhere, or a failed save left the lists elsewhere) and false.
    bool rowsStillLoaded(int accidentId, int personId);
    // The message of a save the data module refused: a value its column cannot take
    // names the field (`field`, shown and focused when given), a database error its
    // own message.
    void reportRefusal(const ValueRefused& e, QWidget* field);
    void reportFailure(const DbError& e);

    void reject() override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    int m_helpContext;
    QTabWidget* m_pages = nullptr;
    QList<QPair<Command, QPushButton*>> m_buttons;
    bool m_firstShow = true;
};

} // namespace zort
