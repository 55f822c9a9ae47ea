#pragma once
#include <QString>

class QWidget;

namespace zort {

class Connection;

// The shared folder of the external documents: column PathDokWyp of the one-row
// parameter table OPARAM. The last path read or stored is remembered for the run.
class DocumentsFolder {
public:
    explicit DocumentsFolder(Connection& db) : m_db(db) {}

    // Reads the folder from OPARAM (empty without a row or a value) and remembers it.
    QString read();
    // The path last read or stored in this run.
    static QString remembered();

    // Whether a path can be the folder on this system: an absolute path. A path
    // written on another system ("D:\Dokumenty") counts as no folder: nothing is
    // created or copied there.
    static bool usable(const QString& path);

    // The steps of choosing a folder:
    // - the folder chooser starting at `start`; the chosen folder as it is kept (no
    //   trailing separator), empty when cancelled;
    static QString choose(const QString& start, QWidget* parent = nullptr);
    // - whether `path` may replace `previous`: yes without a usable previous folder or
    //   for the same path (compared exactly), otherwise the user is asked;
    static bool mayReplace(const QString& previous, const QString& path, QWidget* parent = nullptr);
    // - creates the directory (with its parents) when missing and writes the path to
    //   OPARAM (the row with ID 1 is inserted when the table has none). False, with
    //   nothing written, when the path is not usable or the directory cannot be made.
    bool store(const QString& path);

    // All three at once (the administration window's "Wybierz"): returns the folder
    // now set, the new one or `current` when nothing changed; a directory that cannot
    // be made is reported.
    QString chooseAndStore(const QString& current, QWidget* parent = nullptr);

    static QString chooserCaption();
    static QString changeQuestion();
    static QString changeCaption();
    static QString notCreatedMessage(const QString& path);

private:
    Connection& m_db;
};

} // namespace zort
