#pragma once
#include "domain/ExternalDocumentStore.h"

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace zort {

class Connection;

// The outside files of one record on the tab "Dokumenty zewnętrzne": the list of
// linked names, edited in memory and written back as a whole, and the files in the
// shared documents folder, copied there when added and opened with the desktop's
// program. Runs without a window; the tab shows the list and calls the commands.
// A list that is not editable (a read-only attachments window) never asks for the
// folder, writes OPARAM, adds, removes or saves; it still opens files.
class ExternalDocuments {
public:
    using Owner = ExternalDocumentStore::Owner;
    // Asks the user for the folder (the folder window); true when one was stored.
    using FolderQuestion = std::function<bool(QWidget* parent)>;

    explicit ExternalDocuments(Connection& db);

    // The folder window of the run asks by default.
    void setFolderQuestion(FolderQuestion ask) { m_askFolder = std::move(ask); }

    // Loads the record's list (saved order), nothing selected.
    void load(const Owner& owner, bool editable);
    // Entering the tab: the folder read again; without a usable one the folder window
    // asks (editable only), and without one afterwards the user is told. True when a
    // folder is known.
    bool enter(QWidget* parent = nullptr);
    // "Dodaj plik": a file chosen in the folder and copied there (never over an
    // existing one), its name added to the list and selected. True when added.
    bool add(QWidget* parent = nullptr);
    // "Usuń wybrany plik": asks, then the selected name leaves the list (the file
    // stays). True when removed.
    bool removeSelected(QWidget* parent = nullptr);
    // "Podgląd wybranego pliku": the selected file opened. False without a selection
    // or when it did not open (the message shown).
    bool openSelected(QWidget* parent = nullptr);
    // "Zapisz": the list written for the record. False when the database refused
    // (the message shown; the stored list and this one stay as they were).
    bool SaveExternalDocuments(QWidget* parent = nullptr);
    // Whether the name is linked to another record.
    bool IsFileUsedElsewhere(const QString& name);

    const Owner& owner() const { return m_owner; }
    bool editable() const { return m_editable; }
    const QStringList& names() const { return m_names; }
    int selected() const { return m_selected; }
    void select(int row) { m_selected = row >= 0 && row < m_names.size() ? row : -1; }
    // The folder last read or set; empty when none is usable.
    QString folder() const;
    // Where a name's file lies.
    QString pathOf(const QString& name) const;

    static QString noFolderMessage();
    static QString tooLongMessage();
    static QString notUniqueMessage();
    static QString copyFailedMessage();
    static QString linkQuestion();
    static QString removeQuestion();
    static QStringList fileFilters();

private:
    bool ensureFolder(QWidget* parent);
    void tell(const QString& text, QWidget* parent) const;

    Connection& m_db;
    ExternalDocumentStore m_store;
    FolderQuestion m_askFolder;
    Owner m_owner;
    bool m_editable = false;
    QStringList m_names;
    int m_selected = -1;
    QString m_folder;
};

} // namespace zort
