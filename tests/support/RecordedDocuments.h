#pragma once
#include "ui/DesktopFiles.h"

#include <QStringList>

namespace zort::test {

// The documents the program hands to the desktop, recorded instead of opened while
// this lives (a fixture's member, declared after the list it fills).
class RecordedDocuments {
public:
    explicit RecordedDocuments(QStringList& into) {
        setDocumentOpener([&into](const QString& path) {
            into << path;
            return OpenOutcome(OpenOutcome::Opened);
        });
    }
    ~RecordedDocuments() { setDocumentOpener(nullptr); }
    RecordedDocuments(const RecordedDocuments&) = delete;
    RecordedDocuments& operator=(const RecordedDocuments&) = delete;
};

} // namespace zort::test
