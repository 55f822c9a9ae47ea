#pragma once
#include <QStringList>

namespace zort {

class Connection;

// The list of attachments of an injured person's protocol or accident card: one line
// per own attachment, hearing and order ("zał. nr " + number + " " + title), sorted
// as text. `explanations` words the hearings as explanations and information
// instead of hearing records.
QStringList attachmentListLines(Connection& c, int accidentId, int personId, bool explanations);

} // namespace zort
