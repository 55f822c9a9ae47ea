#pragma once
#include "db/RecordValues.h"

#include <QChar>
#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace zort {

class Dataset;
class TDataModForm;

// The attachments of one document (an injured person's protocol or accident card, a
// commuting-accident card, and in the variant for uniformed services an other
// accident's documents): own attachments, hearings and orders, numbered in one
// sequence per document. Each kind of attachment is data; the rules of listing,
// loading, saving, saving on a move, numbering, adding, deleting and closing run
// here, without a window. A window declares its kinds, binds its controls to the
// kinds' lists and hands the book the values of the current rows when it asks.

// One kind of attachment.
struct AttachmentKind {
    QString datasetName;     // the data module's list: "qryZalaczniki", ...
    QString table;           // "SKWZALACZNIKI", "SKWPRZESLUCHANIE", "SKWPOLECENIE"
    QString listSql;         // the list's statement; parameters ID_W and ID_P: the owner
    QChar saveSelector;      // the controls of its fields: "w", "p", "n"
    QChar loadSelector;      // ... shown only: "0", "9", "8" (none: QChar())
    // Radio groups named with the selector as third character bind too
    // ("rgoRODZOGL"); otherwise only edits and memos do.
    bool bindsChoices = false;
    // How its memo names end (e.g. "mnTresc2": one digit) and the blob parameter of
    // each slot (by the column when empty).
    int memoDigits = 0;
    QString numberColumn;    // the attachment number: "ID" (own attachments), "NUMER"
    QStringList keyColumns;  // the columns that name a row: "ID", "IDWYPADKU", "IDPROTOKOLU" / "ID"
    bool typed = false;      // has TYP: -1 when added, written as 0 while unchosen
    int pageAfterAdd = 0;    // the detail page shown after adding
    QString printKind;       // the printout: "WypZalWlasne", "WypZalPrzesl", "WypZalPolec"
    // The blob parameter of a memo by its column (upper case); a column not named
    // here binds under its own name. A value that names its parameter keeps it.
    QHash<QString, QString> memoParams;
    // The blob parameter of each memo slot 1, 2, ... (the digit of its name), for
    // kinds with memoDigits; the same names as memoParams gives by column.
    QStringList slotParams;

    // The number is the row's key within the owner (own attachments): a new row
    // takes the next number as its ID; otherwise the ID is table-wide.
    bool numberIsKey() const { return numberColumn.compare(QLatin1String("ID"), Qt::CaseInsensitive) == 0; }
};

// The three kinds of the attachments window of protocols, accident cards and
// commuting cards, in the order of its tabs.
const std::vector<AttachmentKind>& documentAttachmentKinds();

// The three kinds of the attachments window of an officer's protocol in the register
// of other accidents, in the order of its tabs: hearings, inspections, own
// attachments. The book's add and remove with these kinds are the data module's
// AddOtherHearing, AddOtherInspection, AddOtherOwnAttachment and their deletions.
enum OtherAttachmentKind { OtherHearing = 0, OtherInspection = 1, OtherOwn = 2 };
const std::vector<AttachmentKind>& otherAttachmentKinds();

// The owner of the attachments: the document's accident and protocol (injured
// person) ids as the rows carry them in IDWYPADKU and IDPROTOKOLU.
struct AttachmentOwner {
    int accident = 0;
    int protocol = 0;
    bool operator==(const AttachmentOwner&) const = default;
};

class AttachmentBook : public QObject {
    Q_OBJECT
public:
    AttachmentBook(TDataModForm& dm, std::vector<AttachmentKind> kinds, QObject* parent = nullptr);
    ~AttachmentBook() override;

    const std::vector<AttachmentKind>& kinds() const { return m_kinds; }
    int kindCount() const { return int(m_kinds.size()); }
    // The list of a kind (the data module's dataset), ordered by number.
    Dataset* list(int kind) const;

    // What the window holds of the current row of a kind: the values of its fields
    // (as FieldBinder::collect gives them, TYP included for a typed kind, -1 when
    // unchosen) and whether the user changed anything since it was loaded.
    struct Pending {
        RowValues values;
        bool touched = false;
    };
    using Collect = std::function<Pending(int kind)>;
    // The window's collector, asked by save() and by a move of a list.
    void setCollector(Collect collect) { m_collect = std::move(collect); }

    // Opens the lists of the owner and raises the save-on-move flag. `editable`:
    // whether anything may be written (moves, "Zapisz", adding and deleting).
    void open(const AttachmentOwner& owner, bool editable);
    // Closes the lists and lowers the flag; nothing is saved.
    void close();
    bool isOpen() const { return m_open; }
    bool editable() const { return m_editable; }
    const AttachmentOwner& owner() const { return m_owner; }

    // The key (ID) of the current row of a kind, 0 without one.
    int currentId(int kind) const;

    // Writes the current row of every kind whose row has a non-empty field or was
    // touched; an untouched empty row is not written. Every date of every kind is read
    // first: a bad one returns false with `badDate` set to its column (and its kind)
    // and nothing written. Each kind's row is written on its own: a row with a value
    // its column refuses, or that the database rejects (or finds gone), stays as it
    // was and is named in failures(), the window keeping its typed values; the other
    // rows are written and reloaded. False when anything was not written. Nothing is
    // written when not editable.
    struct BadDate {
        int kind = -1;
        QString column;
    };
    bool save(BadDate* badDate = nullptr);
    // The rows the last save could not write (empty after a save that wrote all).
    struct Failure {
        int kind = -1;
        QString column;  // of a refused value; empty for a database error
        QString reason;
    };
    const QList<Failure>& failures() const { return m_failures; }

    // The user moves a kind's list to `row`: the window's rows are saved first (when
    // editable; a refused save keeps the list where it was and returns false), then
    // the list stands on the row and rowChanged() is emitted. A bad date is named in
    // `badDate`. The window calls this for every move of a list by the user.
    bool moveTo(int kind, int row, BadDate* badDate = nullptr);

    // The next attachment number of the owner: the largest own-attachment ID, hearing
    // NUMER and order NUMER of the owner, plus 1.
    int nextNumber() const;
    // Adds an attachment of a kind with the next number (saving the window's rows
    // first, when editable); the list stands on the new row, found by its key. Returns
    // its number (0: nothing added: not editable, or a bad date in `badDate`).
    int add(int kind, BadDate* badDate = nullptr);
    // Deletes the current row of a kind, after saving the window's other rows (the row
    // that goes is never written); the list stands on the row after it (or the one
    // before, or none). False when there is none, when not editable or when the save
    // found a bad date.
    bool remove(int kind, BadDate* badDate = nullptr);

    // Whether a value counts as a filled field: not null, not an empty text, and not
    // the -1 of an unchosen type.
    static bool filled(const ColumnValue& value);

signals:
    // The current row of a kind changed (opened, moved, added, deleted, saved): the
    // window loads its fields from list(kind).
    void rowChanged(int kind);

private:
    // save() leaving out the current row of one kind (-1: none), which is about to go.
    bool saveRows(int skipKind, BadDate* badDate);
    // Opens the list of a kind again on the row it stands on.
    void reopenOnSameRow(int kind);

    TDataModForm& m_dm;
    std::vector<Dataset*> m_lists;
    std::vector<AttachmentKind> m_kinds;
    Collect m_collect;
    AttachmentOwner m_owner;
    bool m_open = false;
    bool m_editable = false;
    QList<Failure> m_failures;
};

} // namespace zort
