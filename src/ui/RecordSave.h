#pragma once
#include "ui/FieldBinding.h"

#include <QString>
#include <functional>

class QWidget;

namespace zort {

// The one way an entry window writes what the user typed: the values are collected
// from its bound controls (with what the window adds of its own), written through a
// store in one go, and a refusal is shown the same way in every window: a value its
// column cannot take names its field, whose page is shown and which gets the focus;
// a failure of the database gives its reason. Nothing typed is lost by a refusal.
class RecordSave {
public:
    // The checks of the fields before anything is collected; false: refused (the
    // check showed its own message and put the focus into its field).
    using Checks = std::function<bool()>;
    using Collect = std::function<FieldBinder::Collected()>;
    using Write = std::function<void(const FieldBinder::Collected&)>;
    // Shows the pages a field lies on (revealField unless a window needs more).
    using Reveal = std::function<void(QWidget* field)>;

    // True when written; false when refused (the message shown, nothing written).
    static bool run(QWidget* window, const Checks& checks, const Collect& collect, const Write& write,
                    const Reveal& reveal = {});

    // A refusal the window found itself (a check of a field): the message, the
    // field's page and the focus, as for a refused value.
    static void refuse(QWidget* window, const QString& text, QWidget* field, const Reveal& reveal = {});

    // The target of the rows ("accident", "person") a refused table belongs to.
    static QString targetOfTable(const QString& table);
};

} // namespace zort
