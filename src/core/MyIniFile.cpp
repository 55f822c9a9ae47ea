#include "core/MyIniFile.h"

#include "core/Error.h"
#include "core/UserInterface.h"

namespace zort {
namespace {
TMyIniFile* g_ini = nullptr;
const QString kSaved = QStringLiteral("SavedSettings");
const QString kOper = QStringLiteral("Operacyjni");
} // namespace

TMyIniFile::TMyIniFile(const QString& path) : m_doc(path) {}

QString TMyIniFile::key(const QString& group, const QString& name) {
    return group + QLatin1Char('.') + name + QStringLiteral(".Str");
}

QString TMyIniFile::ReadAliasName(int adminFlag) {
    const QString configured =
        m_doc.value(QStringLiteral("Database"), QStringLiteral("AliasName"), QStringLiteral("Invalid alias name"));
    if (adminFlag != 0) return configured;
    if (m_arg3 == QStringLiteral("1")) {
        m_archive = true;
        return QStringLiteral("ZortArch");
    }
    m_archive = false;
    return configured;
}

bool TMyIniFile::SectionExists(const QString& section) const { return m_doc.hasSection(section); }

QString TMyIniFile::ReadSaved(const QString& group, const QString& name) const {
    return m_doc.value(kSaved, key(group, name), QString::fromLatin1(kMissing));
}

void TMyIniFile::WriteSaved(const QString& group, const QString& name, const QString& value) {
    if (m_doc.setValue(kSaved, key(group, name), value)) save();
}

QString TMyIniFile::ReadOper(const QString& group, const QString& name) const {
    return m_doc.value(kOper, key(group, name), QString::fromLatin1(kMissing));
}

void TMyIniFile::WriteOper(const QString& group, const QString& name, const QString& value) {
    if (m_doc.setValue(kOper, key(group, name), value)) save();
}

void TMyIniFile::save() {
    if (m_doc.save()) {
        m_failureShown = false;
        return;
    }
    // The settings are written one by one: one message for the file, not one per setting.
    if (m_failureShown) {
        logMessage(QStringLiteral("konfiguracja"), m_doc.saveError());
        return;
    }
    m_failureShown = true;
    showError(m_doc.saveError());
}

QString TMyIniFile::global(const QString& name, const QString& fallback) const {
    const QString v = ReadSaved(QStringLiteral("GLOBAL"), name);
    return v == QLatin1String(kMissing) ? fallback : v;
}

int TMyIniFile::globalInt(const QString& name, int fallback) const {
    bool ok = false;
    const int v = global(name).trimmed().toInt(&ok);
    return ok ? v : fallback;
}

void TMyIniFile::reload() { m_doc.load(m_doc.path()); }

TMyIniFile& appIni() {
    if (!g_ini) throw Error(QStringLiteral("Brak pliku konfiguracyjnego."));
    return *g_ini;
}

bool hasAppIni() { return g_ini != nullptr; }

void setAppIni(TMyIniFile* ini) { g_ini = ini; }

} // namespace zort
