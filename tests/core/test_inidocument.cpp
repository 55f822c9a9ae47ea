// The INI files of the suite: Windows-1250 as the suite writes them, or UTF-8 with a
// byte-order mark as some editors save them; written back in their own encoding.
#include "core/IniDocument.h"
#include "core/Win1250.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zort;

namespace {

const QByteArray kBom("\xEF\xBB\xBF");

QString write(const QTemporaryDir& dir, const QByteArray& bytes) {
    const QString path = dir.path() + QStringLiteral("/kwel.ini");
    QFile f(path);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(bytes);
    return path;
}

QByteArray read(const QString& path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

TEST(IniDocument, AByteOrderMarkMeansUtf8AndIsKeptOnWriting) {
    QTemporaryDir dir;
    const QByteArray body = QString::fromUtf8("[Database]\r\nAliasName=Bazą Główna\r\n; komentarz źdźbło\r\n").toUtf8();
    const QString path = write(dir, kBom + body);
    IniDocument ini(path);
    EXPECT_TRUE(ini.isUtf8());
    EXPECT_EQ(ini.sections(), QStringList{"Database"});  // the first section is not lost
    EXPECT_EQ(ini.value("Database", "AliasName"), QString::fromUtf8("Bazą Główna"));

    ini.setValue("SavedSettings", "GLOBAL.KZS.Str", QString::fromUtf8("żółw"));
    ASSERT_TRUE(ini.save());
    EXPECT_EQ(read(path).toHex(' ').toStdString(),
              (kBom + body + QString::fromUtf8("[SavedSettings]\r\nGLOBAL.KZS.Str=żółw\r\n").toUtf8()).toHex(' ').toStdString());

    // A BOM alone, and a BOM before blank lines: an empty document that stays UTF-8.
    IniDocument empty(write(dir, kBom));
    EXPECT_TRUE(empty.isUtf8());
    EXPECT_TRUE(empty.sections().isEmpty());
}

TEST(IniDocument, WithoutAMarkTheFileStaysWindows1250) {
    QTemporaryDir dir;
    const QByteArray body = win1250::encode(QString::fromUtf8("[Database]\r\nAliasName=Bazą\r\n"));
    const QString path = write(dir, body);
    IniDocument ini(path);
    EXPECT_FALSE(ini.isUtf8());
    EXPECT_EQ(ini.value("Database", "AliasName"), QString::fromUtf8("Bazą"));
    ini.setValue("Database", "AliasName", QString::fromUtf8("Łódź"));
    ASSERT_TRUE(ini.save());
    EXPECT_EQ(read(path), win1250::encode(QString::fromUtf8("[Database]\r\nAliasName=Łódź\r\n")));

    // UTF-8 bytes without a mark are read as Windows-1250, as the suite's other modules do.
    IniDocument plain(write(dir, QByteArray("[Database]\r\nAliasName=Baz\xC4\x85\r\n")));
    EXPECT_FALSE(plain.isUtf8());
    EXPECT_EQ(plain.value("Database", "AliasName"), QString::fromUtf8("BazÄ…"));
}

} // namespace
