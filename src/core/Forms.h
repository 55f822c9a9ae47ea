#pragma once
#include <QObject>
#include <QString>
#include <functional>
#include <vector>

namespace zort {

// The windows and report forms of the run: each exists once, is reached by its class
// name, and lives until the end of the run.
class Forms {
public:
    static QObject* get(const QString& name);
    template <class T>
    static T* get(const QString& name) {
        return qobject_cast<T*>(get(name));
    }
    // The form, created by the factory on first use.
    static QObject* getOrCreate(const QString& name, const std::function<QObject*()>& factory);
    template <class T>
    static T* getOrCreate(const QString& name) {
        return qobject_cast<T*>(getOrCreate(name, []() -> QObject* { return new T(); }));
    }
    // Creates the form by the factory (named after the class without its "T" when
    // it has no name of its own) and registers it, replacing an earlier one.
    static QObject* create(const QString& name, const std::function<QObject*()>& factory);
    static void add(const QString& name, QObject* form);
    // Frees every form, the last created first (end of the run, tests).
    static void destroyAll();
    static QStringList names();
};

// The windows and report forms created at start-up, in their order. An entry whose
// class does not exist in this build has no factory and is skipped; an entry marked
// advances the progress bar of the information window after it is created.
struct StartupForm {
    const char* name;
    std::function<QObject*()> create;
    bool advancesProgress;
};
const std::vector<StartupForm>& startupForms();
// Registers the openers of the document windows (DocumentWindows), once at start-up.
void registerDocumentWindows();

} // namespace zort
