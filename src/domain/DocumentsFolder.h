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

    // The folder chooser starting at `current`; a confirmed folder other than
    // `current` (compared exactly) is stored after the user agreed to the change when
    // a folder was set before. The directory is created when missing. Returns the
    // folder now set: the new one, or `current` when nothing changed.
    QString chooseAndStore(const QString& current, QWidget* parent = nullptr);
    // Creates the directory (with its parents) when missing and writes the path to
    // OPARAM (the row with ID 1 is inserted when the table has none). False when the
    // directory cannot be made.
    bool store(const QString& path);

    static QString chooserCaption();
    static QString changeQuestion();
    static QString changeCaption();

private:
    Connection& m_db;
};

} // namespace zort
