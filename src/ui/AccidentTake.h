#pragma once
#include <QString>

class QWidget;

namespace zort {

// Takes the accident for this computer on the shared connection before it is opened
// (Takes::TakeAccident). When another computer holds it, or it was deleted
// meanwhile, the claim's message is shown as an error and the result is false: the
// caller must not open it. Database errors are thrown.
bool takeAccident(int id, const QString& table, QWidget* parent = nullptr);

} // namespace zort
