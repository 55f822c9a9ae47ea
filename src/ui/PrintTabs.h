#pragma once
// The summary tabs of the print selection windows. A window builds each of its
// summary tabs with the controls it owns itself (the register choice, the help
// context, the rights); what the summary adds (its choices, its list, its report)
// plugs in here by the window's class name and the tab's number, so the window
// does not change when a summary comes.
#include <QString>
#include <functional>
#include <memory>

class QWidget;

namespace zort {

// What the window tells a summary tab about the printout it asks for.
struct PrintTabContext {
    QWidget* window = nullptr;
    QString registerFrom;   // the register filter (FROM addition)
    QString registerWhere;  // (WHERE addition, ending in " AND ")
};

class PrintTab {
public:
    virtual ~PrintTab() = default;
    // Adds the tab's own controls to its page (below the window's controls).
    virtual void build(QWidget* page) = 0;
    // The window is shown: lists, dates and choices are prepared anew.
    virtual void show(const PrintTabContext& context) { (void)context; }
    // The tab is entered or left (its query is opened or closed).
    virtual void entered() {}
    virtual void left() {}
    // The report form of the printout, by its class name in the form registry, and
    // the document kind code the preview receives (empty: the form's own).
    virtual QString formName() const = 0;
    virtual QString kindCode() const { return QString(); }
    virtual bool landscape() const { return false; }
    // Checks before a preview or printout (a structure element chosen, periods that
    // can be compared); false, after the tab's message, stops it.
    virtual bool check(const PrintTabContext& context) { (void)context; return true; }
    // Right before the form is prepared: the tab sets the form's data.
    virtual void beforePrint(const PrintTabContext& context) { (void)context; }
    // After the printout (a temporary table is dropped).
    virtual void finished() {}
};

class PrintTabs {
public:
    using Factory = std::function<std::unique_ptr<PrintTab>()>;
    // A summary tab of a window ("TAdmDrukForm" tab 1 or 2, "TAdmDrukWDrodzeForm" tab 1).
    static void add(const QString& windowClass, int tab, Factory factory);
    static void remove(const QString& windowClass, int tab);
    // A new tab object, nullptr when none is plugged in.
    static std::unique_ptr<PrintTab> make(const QString& windowClass, int tab);
};

} // namespace zort
