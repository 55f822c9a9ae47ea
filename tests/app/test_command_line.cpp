// "--help" and "--version": answered on standard output before the program needs a
// display, a configuration file or a database.
#include <QProcess>
#include <QProcessEnvironment>
#include <gtest/gtest.h>

namespace {

struct Answer {
    int status = -1;
    QString out;
    QString err;
};

// The built program, run without any display and from a folder without kwel.ini.
Answer run(const QStringList& args) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(QString::fromLatin1(name));
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(qEnvironmentVariable("ZORT_BIN_DIR") + QStringLiteral("/zortwyp"), args);
    Answer a;
    if (!p.waitForFinished(10000)) {
        p.kill();
        p.waitForFinished();
        return a;
    }
    a.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    a.out = QString::fromUtf8(p.readAllStandardOutput());
    a.err = QString::fromUtf8(p.readAllStandardError());
    return a;
}

} // namespace

TEST(CommandLine, HelpAndVersionAnswerWithoutADisplay) {
    const Answer help = run({QStringLiteral("--help")});
    EXPECT_EQ(0, help.status) << help.err.toStdString();
    EXPECT_TRUE(help.out.startsWith(QStringLiteral("Użycie: zortwyp [wariant [użytkownik [archiwum]]]\n")))
        << help.out.toStdString();
    EXPECT_TRUE(help.out.contains(QStringLiteral("kwel_N.ini")));
    EXPECT_TRUE(help.err.isEmpty()) << help.err.toStdString();

    const Answer version = run({QStringLiteral("1"), QStringLiteral("--version")});
    EXPECT_EQ(0, version.status) << version.err.toStdString();
    EXPECT_EQ(QStringLiteral("zortwyp (rejestr wypadków systemu ZORT) wersja 1\n"), version.out);
}
