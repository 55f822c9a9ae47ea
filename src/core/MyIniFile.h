#pragma once
#include "core/IniDocument.h"

#include <QString>
#include <QStringList>

namespace zort {

// The workstation's configuration file ("kwel.ini" or "kwel_N.ini"), shared with the
// suite's other modules. Saved settings live in section SavedSettings under the key
// group + "." + name + ".Str"; the operational ones in section Operacyjni.
class TMyIniFile {
public:
    static constexpr const char* kMissing = "INI FILE ERROR";

    explicit TMyIniFile(const QString& path);

    const QString& path() const { return m_doc.path(); }
    // The alias: with a non-zero admin flag the configured one; otherwise "ZortArch"
    // when argument 3 of the command line is exactly "1" (archive mode on), else the
    // configured one (archive mode off).
    QString ReadAliasName(int adminFlag);
    bool SectionExists(const QString& section) const;
    QString ReadSaved(const QString& group, const QString& name) const;
    void WriteSaved(const QString& group, const QString& name, const QString& value);
    QString ReadOper(const QString& group, const QString& name) const;
    void WriteOper(const QString& group, const QString& name, const QString& value);

    // A saved setting of group GLOBAL, or the fallback when it is not set.
    QString global(const QString& name, const QString& fallback = QString()) const;
    // A saved setting of group GLOBAL as a whole number, or the fallback when it is
    // not set or not a number.
    int globalInt(const QString& name, int fallback) const;

    // Archive mode and command-line argument 3, as ReadAliasName uses them.
    bool archiveMode() const { return m_archive; }
    void setArchiveArgument(const QString& arg3) { m_arg3 = arg3; }

    // Reloads the file from disk (other modules may have written it).
    void reload();
    IniDocument& document() { return m_doc; }

private:
    static QString key(const QString& group, const QString& name);
    // Writes the file; a failure is shown once until the file can be written again.
    void save();
    IniDocument m_doc;
    bool m_failureShown = false;
    QString m_arg3;
    bool m_archive = false;
};

// The process's configuration file; set once at start-up (tests set their own).
TMyIniFile& appIni();
bool hasAppIni();
void setAppIni(TMyIniFile* ini);

} // namespace zort
