#pragma once
// What the three print selection windows share: the caption, the tabs, the buttons
// "Podgląd", "Drukuj" (default) and "Zamknij" (Esc), the composite report that
// collects the chosen page forms, the grids over their lists and the summary tabs
// that plug in through PrintTabs.
#include "printing/PrintRun.h"
#include "ui/PrintTabs.h"

#include <QDialog>
#include <memory>
#include <vector>

class QCheckBox;
class QPushButton;
class QTabWidget;
class QTableView;
class QVBoxLayout;

namespace zort {
class Dataset;
class TDataModForm;
}

namespace zort::print {

class PrintSelectionWindow : public QDialog {
    Q_OBJECT
public:
    static QString windowCaption() { return QStringLiteral("Wydruk danych dotyczących wypadku"); }

    QTabWidget* PageControl = nullptr;
    QPushButton* PreviewBtn = nullptr;
    QPushButton* PrintBtn = nullptr;
    QPushButton* CloseBtn = nullptr;
    CompositeReport QRCompositeReport1;

    // FormShow, then the window modally.
    void ShowPrint(bool editable);
    virtual void FormShow() = 0;
    virtual void PreviewBtnClick() = 0;
    virtual void PrintBtnClick() = 0;
    void CloseBtnClick();

    // The composite's list: the forms of the last choice, in their order.
    void QRCompositeReport1AddReports(CompositeReport& composite);
    const CollectedForms& collected() const { return m_collected; }
    int helpContext() const;
    bool editable() const { return m_editable; }

protected:
    PrintSelectionWindow(const QString& className, QWidget* parent);
    // The page of a tab, with its caption.
    QWidget* addTab(const QString& name, const QString& caption);
    void setHelpContext(int context);
    QTableView* grid(const QString& name, const QString& accessibleName, Dataset* data,
                     const std::vector<std::pair<QString, QString>>& columns, QWidget* parent,
                     const std::function<QString(const QString& column, const QVariant&)>& format = {});
    QCheckBox* checkBox(const QString& name, const QString& caption, QWidget* parent);
    // Resolves the page forms of a choice for a printout (a missing form is reported).
    bool collect(const QStringList& names, bool blank);
    TDataModForm* dm() const;

    // A summary tab: the tab plugged in for it, or the form the window prints there
    // until one is.
    struct SummarySlot {
        int tab = 0;
        QWidget* page = nullptr;
        std::unique_ptr<PrintTab> plugged;
        QString form;   // the summary form when nothing is plugged in
        QString kind;
        bool landscape = false;
    };
    SummarySlot& addSummarySlot(int tab, const QString& name, const QString& caption, const QString& form,
                                const QString& kind, bool landscape);
    SummarySlot* summarySlot(int tab);
    // The prepare, count, preview (or print) sequence of the summary of a tab.
    void runSummary(SummarySlot& slot, const PrintTabContext& context, bool preview);
    PrintTabContext tabContext() const;
    virtual void registerFilterInto(PrintTabContext& context) const { (void)context; }

    void done(int result) override;
    // F1 opens the help of the tab shown (helpContext()).
    void keyPressEvent(QKeyEvent* event) override;
    // Whatever way the window closes.
    virtual void formClosed() {}

    QString m_className;
    QVBoxLayout* m_layout = nullptr;
    QVBoxLayout* m_belowTabs = nullptr;  // controls between the tabs and the buttons
    CollectedForms m_collected;
    std::vector<std::unique_ptr<SummarySlot>> m_slots;
    bool m_editable = false;
};

} // namespace zort::print
