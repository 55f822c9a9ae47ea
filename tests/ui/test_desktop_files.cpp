// Files of the desktop: the folder made sure of, a file opened with the desktop's
// program (the opener replaced; the program looked up by a stand-in xdg-mime), and
// the real folder chooser and file dialog as the user sees them.
#include "core/UserInterface.h"
#include "support/ModalDriver.h"
#include "support/ScriptedUi.h"
#include "ui/DesktopFiles.h"
#include "ui/Dialogs.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zort;
using namespace zort::test;

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    f.write(bytes);
}

// A stand-in for xdg-mime on the search path: writes its arguments, one a line, and
// answers `program`.
class FakeXdgMime {
public:
    explicit FakeXdgMime(const QByteArray& program) : m_oldPath(qgetenv("PATH")) {
        writeFile(m_dir.filePath("xdg-mime"), "#!/bin/sh\nfor a in \"$@\"; do echo \"$a\"; done >> \"" +
                                                  m_dir.filePath("args").toUtf8() + "\"\necho '" + program + "'\n");
        QFile::setPermissions(m_dir.filePath("xdg-mime"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        qputenv("PATH", m_dir.path().toUtf8() + ":" + m_oldPath);
    }
    ~FakeXdgMime() { qputenv("PATH", m_oldPath); }
    QStringList calls() const {
        QFile f(m_dir.filePath("args"));
        if (!f.open(QIODevice::ReadOnly)) return {};
        return QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts);
    }

private:
    QTemporaryDir m_dir;
    QByteArray m_oldPath;
};

class DesktopFiles : public ::testing::Test {
protected:
    void TearDown() override { setDocumentOpener(nullptr); }
    ScriptedUi ui;
    QTemporaryDir dir;
};

} // namespace

TEST_F(DesktopFiles, AMissingFolderIsMadeWithItsParentsOnlyWhenTheUserAgrees) {
    EXPECT_TRUE(EnsureFolderExists(dir.path()));
    EXPECT_TRUE(ui.shown.empty()) << "an existing folder asks nothing";

    const QString nested = dir.filePath("a/b/c");
    ui.answers.push_back(MsgAnswer::No);
    EXPECT_FALSE(EnsureFolderExists(nested));
    ASSERT_EQ(1u, ui.shown.size());
    EXPECT_EQ("Wybrany katalog nie istnieje !!! \rCzy założyć katalog ?", ui.lastText());
    EXPECT_EQ("Zakładanie katalogu", ui.shown.back().caption);
    EXPECT_EQ(MsgIcon::Confirmation, ui.shown.back().icon);
    EXPECT_FALSE(QDir(dir.filePath("a")).exists());

    ui.answers.push_back(MsgAnswer::Yes);
    EXPECT_TRUE(EnsureFolderExists(nested));
    EXPECT_TRUE(QDir(nested).exists());

    // Below a file nothing can be made; a path of another system is never made here.
    writeFile(dir.filePath("plik"), "x");
    ui.answers.push_back(MsgAnswer::Yes);
    EXPECT_FALSE(EnsureFolderExists(dir.filePath("plik/d")));
    ui.clear();
    EXPECT_FALSE(EnsureFolderExists(QStringLiteral("D:\\Dokumenty")));
    EXPECT_TRUE(ui.shown.empty());
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("D:\\Dokumenty")));
}

TEST_F(DesktopFiles, OpeningHandsTheFullPathToTheOpenerAndSaysWhatWentWrong) {
    const QString odd = dir.filePath("a;b $(touch x) 'c'.txt");
    writeFile(odd, "tekst");
    QStringList opened;
    OpenOutcome answer = OpenOutcome::Opened;
    setDocumentOpener([&](const QString& path) {
        opened << path;
        return answer;
    });
    EXPECT_TRUE(OpenWithAssociatedProgram(odd));
    EXPECT_EQ(QStringList{odd}, opened);
    EXPECT_TRUE(ui.shown.empty());

    answer = OpenOutcome::NoProgram;
    EXPECT_FALSE(OpenWithAssociatedProgram(odd));
    EXPECT_EQ("Brak zainstalowanej przeglądarki plików w wybranym formacie !!! ", ui.lastText());
    EXPECT_EQ("Uwaga!", ui.shown.back().caption);
    EXPECT_EQ(MsgIcon::Error, ui.shown.back().icon);

    answer = OpenOutcome::Failed;
    EXPECT_FALSE(OpenWithAssociatedProgram(odd));
    EXPECT_EQ("Wystąpił błąd podczas próby otwarcia pliku !!! ", ui.lastText());
    EXPECT_EQ("Uwaga!", ui.shown.back().caption);

    // A file that is not there never reaches the opener.
    opened.clear();
    ui.clear();
    EXPECT_FALSE(OpenWithAssociatedProgram(dir.filePath("brak.txt")));
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_EQ("Wystąpił błąd podczas próby otwarcia pliku !!! ", ui.lastText());
    EXPECT_EQ(MsgIcon::Error, ui.shown.back().icon);
}

TEST_F(DesktopFiles, TheDesktopsProgramIsAskedForTheFilesTypeWithoutAShell) {
    const QString file = dir.filePath("notatka;$(x).txt");
    writeFile(file, "tekst");
    {
        FakeXdgMime xdg("edytor.desktop");
        EXPECT_EQ("edytor.desktop", defaultProgramFor(QStringLiteral("text/plain")));
        EXPECT_EQ((QStringList{"query", "default", "text/plain"}), xdg.calls());
    }
    {
        // No program for the type: the desktop is not asked to open it.
        FakeXdgMime xdg("");
        EXPECT_EQ(OpenOutcome::NoProgram, openWithDesktop(file).kind);
        EXPECT_EQ((QStringList{"query", "default", "text/plain"}), xdg.calls());
    }
    EXPECT_EQ(OpenOutcome::Failed, openWithDesktop(dir.filePath("brak.txt")).kind);
}

TEST_F(DesktopFiles, TheFolderChooserShowsFoldersOnlyWithoutMakingOne) {
    setUserInterface(nullptr);
    installDialogs();
    QDir(dir.path()).mkpath("Dokumenty/Stare");
    writeFile(dir.filePath("Dokumenty/plik.txt"), "x");
    QString chosen = QStringLiteral("-");
    {
        ModalAnswer look([&]() {
            auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_TRUE(d);
            EXPECT_EQ("Wybierz katalog dla dokumentów zewnętrznych :", d->windowTitle());
            EXPECT_EQ(QFileDialog::Directory, d->fileMode());
            EXPECT_TRUE(d->testOption(QFileDialog::ShowDirsOnly));
            EXPECT_EQ(QDir(dir.filePath("Dokumenty")).absolutePath(), d->directory().absolutePath());
            QWidget* make = d->findChild<QWidget*>(QStringLiteral("newFolderButton"));
            ASSERT_TRUE(make);
            EXPECT_TRUE(make->isHidden());
            d->reject();
        });
        chosen = zort::ui().chooseFolder(QStringLiteral("Wybierz katalog dla dokumentów zewnętrznych :"),
                                   dir.filePath("Dokumenty"), nullptr);
    }
    EXPECT_TRUE(chosen.isEmpty());
    {
        FileRequest r;
        r.initial = dir.filePath("Dokumenty");
        r.filters = {QStringLiteral("Pliki Word (*.doc)|*.doc"), QStringLiteral("Pliki tekstowe (*.txt)|*.txt"),
                     QStringLiteral("Wszystkie pliki (*.*)|*.*")};
        ModalAnswer look([&]() {
            auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_TRUE(d);
            EXPECT_EQ((QStringList{"Pliki Word (*.doc)", "Pliki tekstowe (*.txt)", "Wszystkie pliki (*.*)"}),
                      d->nameFilters());
            d->reject();
        });
        EXPECT_TRUE(zort::ui().openFile(r, nullptr).isEmpty());
    }
    setUserInterface(&ui);
}
