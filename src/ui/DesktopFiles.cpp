#include "ui/DesktopFiles.h"

#include "core/UserInterface.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace zort {
namespace {

DocumentOpener g_opener;

const QString kCaution = QStringLiteral("Uwaga!");

bool readableFile(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && info.isReadable();
}

} // namespace

QString defaultProgramFor(const QString& mimeType) {
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (xdgMime.isEmpty() || mimeType.isEmpty()) return QString();
    QProcess p;
    p.start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"), mimeType});
    if (!p.waitForFinished(10000)) {
        p.kill();
        p.waitForFinished(1000);
        return QString();
    }
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) return QString();
    return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
}

OpenOutcome openWithDesktop(const QString& path) {
    if (!readableFile(path)) return OpenOutcome::Failed;
    // The desktop opens a file by the program of its own type (not of a type it is a
    // kind of: an SVG picture is XML, and XML is text, but a text editor is not what
    // opens it).
    if (defaultProgramFor(QMimeDatabase().mimeTypeForFile(path).name()).isEmpty()) return OpenOutcome::NoProgram;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath())) ? OpenOutcome::Opened
                                                                                                : OpenOutcome::Failed;
}

void setDocumentOpener(DocumentOpener opener) { g_opener = std::move(opener); }

namespace {
OpenOutcome openBy(const QString& path) { return g_opener ? g_opener(path) : openWithDesktop(path); }
} // namespace

QString openFailedMessage() { return QStringLiteral("Wystąpił błąd podczas próby otwarcia pliku !!! "); }

QString noViewerMessage() { return QStringLiteral("Brak zainstalowanej przeglądarki plików w wybranym formacie !!! "); }

bool OpenWithAssociatedProgram(const QString& path, QWidget* parent) {
    const OpenOutcome outcome = readableFile(path) ? openBy(path) : OpenOutcome(OpenOutcome::Failed);
    if (outcome.opened()) return true;
    showBox(outcome.kind == OpenOutcome::NoProgram ? noViewerMessage() : openFailedMessage(), kCaution, MsgIcon::Error,
            parent);
    return false;
}

QString noAssociatedProgramMessage(const QString& path) {
    return QStringLiteral("Nie można otworzyć pliku ") + path +
           QStringLiteral(" - brak programu skojarzonego z tym rodzajem plików.");
}

bool openDocument(const QString& path) {
    const bool ok = openBy(path).opened();
    if (!ok) showWarning(noAssociatedProgramMessage(path));
    return ok;
}

QString createFolderQuestion() { return QStringLiteral("Wybrany katalog nie istnieje !!! \rCzy założyć katalog ?"); }

bool EnsureFolderExists(const QString& folder, QWidget* parent) {
    if (folder.isEmpty() || !QDir::isAbsolutePath(folder)) return false;
    if (QFileInfo(folder).isDir()) return true;
    if (!askYesNo(createFolderQuestion(), QStringLiteral("Zakładanie katalogu"), parent)) return false;
    return QDir().mkpath(folder) && QFileInfo(folder).isDir();
}

} // namespace zort
