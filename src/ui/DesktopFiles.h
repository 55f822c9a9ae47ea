#pragma once
#include <QString>
#include <functional>

class QWidget;

namespace zort {

// What the desktop made of a request to open a file.
struct OpenOutcome {
    enum Kind { Opened, NoProgram, Failed };
    Kind kind;
    OpenOutcome(Kind k) : kind(k) {}
    // An opener that only tells whether the program started: not started is a failure.
    OpenOutcome(bool started) : kind(started ? Opened : Failed) {}
    bool opened() const { return kind == Opened; }
};

using DocumentOpener = std::function<OpenOutcome(const QString& path)>;

// The desktop's opening of a file: an existing readable file, a default program of
// the desktop for its type (QMimeDatabase and "xdg-mime query default", asked with an
// argument list), then the desktop opens it. Never through a shell: any character of
// the path is part of the path.
OpenOutcome openWithDesktop(const QString& path);
// The desktop entry that opens files of the MIME type, empty when there is none (or
// no xdg-mime to ask).
QString defaultProgramFor(const QString& mimeType);
// Replaces the desktop's opening (tests); nullptr restores it.
void setDocumentOpener(DocumentOpener opener);

// Opens a file with the program the desktop associates with its type. A file that is
// not there or cannot be read, and a program that did not start: "Wystąpił błąd
// podczas próby otwarcia pliku !!! "; no program for the type: "Brak zainstalowanej
// przeglądarki plików w wybranym formacie !!! " (both "Uwaga!", error sign).
bool OpenWithAssociatedProgram(const QString& path, QWidget* parent = nullptr);
QString openFailedMessage();
QString noViewerMessage();

// The preview's opening of a saved printout: any failure is one warning of its own.
bool openDocument(const QString& path);
QString noAssociatedProgramMessage(const QString& path);

// Makes sure a folder exists: an existing one is fine; a missing one is created, with
// every missing parent, when the user answers Yes to "Wybrany katalog nie istnieje !!!
// ..." ("Zakładanie katalogu"). False when it is not there afterwards. A path that is
// not absolute is never created.
bool EnsureFolderExists(const QString& folder, QWidget* parent = nullptr);
QString createFolderQuestion();

} // namespace zort
