// The computer name that the takes of accidents record (COMPNAME CHAR(15)): host
// names that do not fit, and the name an installation fixes in its configuration.
#include "core/Clock.h"
#include "core/MyIniFile.h"
#include "core/Win1250.h"

#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zort;

namespace {

TEST(ComputerName, LongHostNamesWithACommonBeginningStayApart) {
    // Both used to become "stanowisko-bhp-": one computer to the takes.
    const QString parter = Workstation::nameForHost(QStringLiteral("stanowisko-bhp-parter"));
    const QString pietro = Workstation::nameForHost(QStringLiteral("stanowisko-bhp-pietro.zaklad.local"));
    EXPECT_EQ(parter, "stanowisko~6D75");  // SHA-1 of the UTF-8 name: the same everywhere
    EXPECT_EQ(pietro, "stanowisko~F9CC");
    EXPECT_EQ(Workstation::fit(QString::fromUtf8("Dział Kadr i Płac, piętro 2")), QString::fromUtf8("Dział Kadr~F66A"));
    EXPECT_EQ(Workstation::fit(QString::fromUtf8("Dział Kadr i Płac, piętro 2")).size(), 15);
    EXPECT_EQ(Workstation::fit(QString(16, QLatin1Char('x'))).size(), 15);

    // Up to 15 characters the name stays as it is; the domain never counts.
    EXPECT_EQ(Workstation::nameForHost(QStringLiteral("KSIEGOWOSC-0001")), "KSIEGOWOSC-0001");
    EXPECT_EQ(Workstation::nameForHost(QStringLiteral("KSIEGOWOSC-0001.firma.example.com")), "KSIEGOWOSC-0001");
    EXPECT_EQ(Workstation::nameForHost(QStringLiteral("pc7")), "pc7");
    EXPECT_EQ(Workstation::fit(QString()), "");
}

class ConfiguredName : public ::testing::Test {
protected:
    void TearDown() override {
        setAppIni(nullptr);
        Workstation::resetComputerName();
    }
    // kwel.ini with the given lines (Windows-1250, CR LF); it becomes the process's configuration.
    void configure(const QStringList& lines) {
        const QString path = dir.path() + QStringLiteral("/kwel.ini");
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(win1250::encode(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
        f.close();
        ini = std::make_unique<TMyIniFile>(path);
        setAppIni(ini.get());
        Workstation::resetComputerName();
    }
    QTemporaryDir dir;
    std::unique_ptr<TMyIniFile> ini;
};

TEST_F(ConfiguredName, TheStanowiskoSettingWinsOverTheHostName) {
    const QString host = Workstation::nameForHost(QSysInfo::machineHostName());

    configure({"[Database]", "AliasName=ZortTest", "[Stanowisko]", QString::fromUtf8("Nazwa=  Kadry-Płace  ")});
    EXPECT_EQ(Workstation::computerName(), QString::fromUtf8("Kadry-Płace"));  // trimmed

    configure({"[stanowisko]", QString::fromUtf8("nazwa=Dział Kadr i Płac, piętro 2")});
    EXPECT_EQ(Workstation::computerName(), QString::fromUtf8("Dział Kadr~F66A"));  // shortened like a host name

    configure({"[Stanowisko]", "Nazwa=   "});
    EXPECT_EQ(Workstation::computerName(), host);
    configure({"[Database]", "AliasName=ZortTest"});
    EXPECT_EQ(Workstation::computerName(), host);

    // A name asked for before the configuration was opened gives way to the setting.
    setAppIni(nullptr);
    Workstation::resetComputerName();
    EXPECT_EQ(Workstation::computerName(), host);
    const QString path = dir.path() + QStringLiteral("/kwel.ini");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write("[Stanowisko]\r\nNazwa=STALA-NAZWA\r\n");
    f.close();
    ini = std::make_unique<TMyIniFile>(path);
    setAppIni(ini.get());
    EXPECT_EQ(Workstation::computerName(), "STALA-NAZWA");

    // A name set by hand (the tests' workstations) is fitted the same way.
    Workstation::setComputerName(QStringLiteral("stanowisko-bhp-parter"));
    EXPECT_EQ(Workstation::computerName(), "stanowisko~6D75");
}

} // namespace
