#pragma once
#include <QStringList>

namespace zort {

class Connection;

// The list of attachments of an injured person's protocol or accident card: one line
// per own attachment, hearing and order ("zał. nr " + number + " " + title), sorted
// as text. `explanations` words the hearings as explanations and information
// instead of hearing records.
QStringList attachmentListLines(Connection& c, int accidentId, int personId, bool explanations);

// The list of attachments of an injured officer's protocol (an accident in service):
// "Załącznik 1, Załącznik 2, ..." up to the highest number the officer's own
// attachments (their ids), hearings and inspections have; empty without any.
int serviceAttachmentCount(Connection& c, int accidentId, int personId);
QString serviceAttachmentList(Connection& c, int accidentId, int personId);

} // namespace zort
