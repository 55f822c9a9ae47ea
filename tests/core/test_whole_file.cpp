// Files written whole or not at all: a write that fails half-way (a full disk, a
// size limit) leaves the earlier file as it was and no temporary file beside it, and
// the message names the file.
#include "core/Error.h"
#include "core/MyIniFile.h"
#include "core/WholeFile.h"
#include "support/FileSizeLimit.h"
#include "support/ScriptedUi.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using namespace zort;
using namespace zort::test;

namespace {

QByteArray read(const QString& path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

QString errorOf(const std::function<void()>& fn) {
    try {
        fn();
    } catch (const Error& e) {
        return e.message();
    }
    return QString();
}

} // namespace

TEST(WholeFile, AFailedWriteKeepsTheOldFileAndLeavesNoTemporaryFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lista.tsv"));
    writeWholeFile(path, "stara zawartość\n");
    QString message;
    withFileSizeLimit(1024, [&] { message = errorOf([&] { writeWholeFile(path, QByteArray(4096, 'x')); }); });
    EXPECT_TRUE(message.startsWith(QStringLiteral("Nie można zapisać pliku ") + path + QStringLiteral(": ")))
        << message.toStdString();
    EXPECT_EQ(QByteArray("stara zawartość\n"), read(path));
    EXPECT_EQ(QStringList{QStringLiteral("lista.tsv")}, QDir(dir.path()).entryList(QDir::Files | QDir::Hidden));

    // A folder that cannot exist (its parent is a file), and a device that takes
    // nothing: it is written directly (never replaced) and the failure is reported.
    const QString below = path + QStringLiteral("/nowy.tsv");
    EXPECT_TRUE(errorOf([&] { writeWholeFile(below, "x"); }).startsWith(QStringLiteral("Nie można zapisać pliku ") + below));
    if (QFileInfo::exists(QStringLiteral("/dev/full"))) {
        EXPECT_TRUE(errorOf([] { writeWholeFile(QStringLiteral("/dev/full"), QByteArray(100000, 'x')); })
                        .startsWith(QStringLiteral("Nie można zapisać pliku /dev/full: ")));
        EXPECT_FALSE(QFileInfo(QStringLiteral("/dev/full")).isFile());
    }
    writeWholeFile(path, "nowa\n");
    EXPECT_EQ(QByteArray("nowa\n"), read(path));
}

TEST(WholeFile, AConfigurationFileThatCannotBeWrittenIsReportedOnceAndKeepsItsContent) {
    ScriptedUi ui;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kwel.ini"));
    writeWholeFile(path, "[SavedSettings]\r\nGLOBAL.DokWypFont.Str=1\r\n");
    const QByteArray before = read(path);
    TMyIniFile ini(path);
    withFileSizeLimit(200, [&] {
        ini.WriteSaved(QStringLiteral("GLOBAL"), QStringLiteral("Opis"), QString(300, QLatin1Char('a')));
        ini.WriteSaved(QStringLiteral("GLOBAL"), QStringLiteral("DokWypFont"), QStringLiteral("2"));
    });
    EXPECT_EQ(before, read(path));
    ASSERT_EQ(1u, ui.shown.size());
    EXPECT_TRUE(ui.lastText().startsWith(QStringLiteral("Nie można zapisać pliku ") + path + QStringLiteral(": ")))
        << ui.lastText().toStdString();
    // The next write that succeeds writes everything set meanwhile.
    ini.WriteSaved(QStringLiteral("GLOBAL"), QStringLiteral("DokWypFont"), QStringLiteral("3"));
    EXPECT_EQ(QStringLiteral("3"), TMyIniFile(path).ReadSaved(QStringLiteral("GLOBAL"), QStringLiteral("DokWypFont")));
    EXPECT_EQ(300, TMyIniFile(path).ReadSaved(QStringLiteral("GLOBAL"), QStringLiteral("Opis")).size());
    EXPECT_EQ(1u, ui.shown.size());
}
