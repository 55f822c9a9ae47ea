#pragma once
#include "domain/StructureAccess.h"
#include "domain/AttachmentStore.h"
#include "db/Connection.h"
#include "db/Dataset.h"
#include "domain/RegisterSql.h"
#include "domain/RegisterStore.h"
#include "domain/RecordRef.h"

#include <QDateTime>
#include <QHash>
#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

namespace zort {

// The data module: the register's own connection "KARTY", the shared datasets of the
// registers, the state that several windows share, and the operations that open
// the register of a year and create and delete accidents and injured persons with
// their numbers. It has no window: it tells the windows what changed through its
// signals and never asks them for anything.
class TDataModForm : public QObject {
    Q_OBJECT
public:
    // DataModFormCreate: opens "KARTY" on the configured alias. When that fails the
    // application is asked to terminate (without a further message); isReady() is
    // false then.
    explicit TDataModForm(QObject* parent = nullptr);
    // The same on a connection that is already open (tests, tools).
    explicit TDataModForm(std::unique_ptr<Connection> connection, QObject* parent = nullptr);
    ~TDataModForm() override;

    bool isReady() const { return m_ready; }
    Connection& KartyDB() { return *m_db; }
    RegisterStore& store() { return m_store; }

    // Variant flags and the current register; taken from the run's context when the
    // module is created, the current register is set by the rights (registers mode).
    bool registersMode() const { return m_registersMode; }
    void setRegistersMode(bool on) { m_registersMode = on; }
    bool uniformedServices() const { return m_uniformedServices; }
    void setUniformedServices(bool on) { m_uniformedServices = on; }
    int currentRegister() const { return m_currentRegister; }
    void setCurrentRegister(int id) { m_currentRegister = id; }
    RegisterScope scope() const { return {m_registersMode, m_currentRegister}; }

    // --- Shared state ---------------------------------------------------------
    // Its year is the open register year; set by OpenRegister.
    const QDateTime& referenceDate() const { return m_referenceDate; }
    void setReferenceDate(const QDateTime& date) { m_referenceDate = date; }
    // The ids of the records the lists stand on, or that were just added (they
    // follow the lists' moves).
    int accidentId() const { return m_accidentId; }      // SKWWYPADKI.ID
    int personId() const { return m_personId; }          // SKWPOSZKODOWANI.ID
    int commutingId() const { return m_commutingId; }    // SKWWYPADKIWDRODZE.ID
    int otherAccidentId() const { return m_otherAccidentId; }  // WYPOPER_WYPADKI.ID
    int otherPersonId() const { return m_otherPersonId; }      // WYPOPER_POSZKODOWANI.ID
    // The current ids of a register, as a window that works on its own lists sets them.
    void setCurrentIds(Register reg, int accidentId, int personId = 0);
    // The last number computed.
    int lastNumber() const { return m_newNumber; }
    // The module repositions the lists: their scroll reactions wait.
    bool quiet() const { return m_quiet; }
    void setQuiet(bool on) { m_quiet = on; }
    // The first injured person of a new accident is being added.
    bool addingAccident() const { return m_addingAccident; }
    // The administration window is open.
    bool adminOpen() const { return m_adminOpen; }
    void setAdminOpen(bool open) { m_adminOpen = open; }

    // --- Access data of the user ----------------------------------------------------
    // The organisation elements denied to the user, read when the module is created:
    // entries id + "," (deniedEntry).
    const QStringList& deniedStructure() const { return m_deniedStructure; }
    void setDeniedStructure(const QStringList& entries) { m_deniedStructure = entries; }
    // The visible-structure table of a user whose person lists are restricted
    // (AOsobWysw 0): built when the module is created and whenever the reference
    // date moves to another day, dropped with the module; empty for other users.
    const QString& structureTable() const { return m_structureTable; }
    // The registers of the user (registers mode): the items of the administration
    // window's register combo and the current one; set by the main window.
    const RegisterChoice& registers() const { return m_registers; }
    void setRegisters(const RegisterChoice& choice) { m_registers = choice; }

    // The element's id + "," is in the denied list.
    bool IsElementDenied(int id) const;
    // The person lists of the user are restricted to the visible structure.
    static bool personsRestricted();
    // Drops the previous table and builds the visible-structure table for the
    // reference date; structureTableBuilt() follows.
    void BuildStructureTable();
    // Drops the table; errors are ignored.
    void DropStructureTable();
    // The persons of a person list (FillCombo kind 2) of the user, ordered by
    // `order`: restricted to the visible structure when the user's lists are. The
    // statement's ":nowdata" is the reference date (personListParams()).
    QString personListSql(const QString& order, const QString& personTable = QStringLiteral("ODANOS")) const;
    Params personListParams() const;

    // Numbers in lists carry the accident symbol after the separator.
    bool numbersWithSymbol() const { return m_symbolFlag; }
    const QString& numberSeparator() const { return m_separator; }
    // Sets both and computes the number fields of the open lists again.
    void setNumberSymbol(bool withSymbol, const QString& separator);
    // A number as the lists show it: the number, with the flag followed by the
    // separator and the symbol. A null number gives "" for the number.
    QString numberText(const Field& number, const QString& symbol) const;

    // --- Datasets ---------------------------------------------------------------
    Dataset* qrySKWWypadki = nullptr;           // accidents at work of the register year
    Dataset* qrySKWPoszkodowani = nullptr;      // injured persons of the current accident (detail)
    Dataset* qryWypadkiWDrodze = nullptr;       // commuting accidents of the register year
    Dataset* qryWypadki_Policja = nullptr;      // other accidents (variant for uniformed services)
    Dataset* qryPoszkodowani_Policja = nullptr; // their injured persons (detail)
    Dataset* qryDanOs = nullptr;                // persons of the employee register (PESEL lookup)
    Dataset* APrzyczynyGQry = nullptr;          // dictionary groups with their items (administration)
    Dataset* APrzyczynyQry = nullptr;
    Dataset* AZrodlaGQry = nullptr;
    Dataset* AZrodlaQry = nullptr;
    Dataset* AChorL4GQry = nullptr;
    Dataset* AChorL4Qry = nullptr;

    // The other datasets (attachments, dictionaries, reports) are added by the parts
    // that use them, under their names; the attachment lists are closed and opened
    // again with the register of a year.
    void addDataset(const QString& name, Dataset* dataset, bool attachmentList = false);
    Dataset* dataset(const QString& name) const;

    // --- Attachments of a document ---------------------------------------------------
    // The lists of the attachments window, ordered by number, of the owner below
    // (parameters ID_W and ID_P).
    Dataset* qryZalaczniki = nullptr;        // own attachments
    Dataset* qrySKWPrzesluchanie = nullptr;  // hearings
    Dataset* qrySKWPolecenie = nullptr;      // orders
    // The owner of the attachments while the window is open: IDWYPADKU, IDPROTOKOLU.
    int attachmentAccidentId() const { return m_attachmentAccidentId; }
    int attachmentProtocolId() const { return m_attachmentProtocolId; }
    void setAttachmentOwner(int accidentId, int protocolId);
    // The ID of the current row of each list (0 without one), following its cursor.
    int currentOwnAttachmentId() const { return m_currentOwnAttachmentId; }
    int currentHearingId() const { return m_currentHearingId; }
    int currentOrderId() const { return m_currentOrderId; }
    // Raised while the window is open: a move saves first.
    bool attachmentSaveOnMove() const { return m_attachmentSaveOnMove; }
    void setAttachmentSaveOnMove(bool on) { m_attachmentSaveOnMove = on; }
    // The lists are being opened again: moves save nothing.
    bool attachmentsReopening() const { return m_attachmentsReopening; }
    void setAttachmentsReopening(bool on) { m_attachmentsReopening = on; }
    AttachmentStore& attachmentStore() { return m_attachmentStore; }
    // Sets the owner and opens a list of it (any list of attachments), quietly.
    void openAttachmentList(Dataset* list);
    // Opens a list again on the row whose column has the value (the first row when
    // none has it), with the reopening flag raised.
    void reopenAttachmentList(Dataset* list, const QString& keyColumn, const QVariant& key);
    // New rows of the owner with the next number; the list stands on the new row.
    // They return the new row's ID.
    int AddOwnAttachment();
    int AddHearing();
    int AddOrder();
    // Delete the current row of the list; the list stands on the row after it (or
    // the one before, or none). False without a current row.
    bool DeleteOwnAttachment();
    bool DeleteHearing();
    bool DeleteOrder();
    // The same for any list of attachments: a row keyed by a table-wide ID (numberIsKey
    // false) or by its number within the owner, numbered over `sources`.
    int addAttachmentRow(Dataset* list, const QString& table, bool numberIsKey, bool typed,
                         const QList<AttachmentStore::NumberSource>& sources);
    // Deletes the row by the values of the key columns in the list's current row.
    bool deleteAttachmentRow(Dataset* list, const QString& table, const QStringList& keyColumns);

    // --- Operations ---------------------------------------------------------------
    // Opens the register of the year of the date: the lists, the not-recognised list,
    // the caption; the date becomes the reference date.
    void OpenRegister(const QDateTime& date);
    // The source dictionary (qryZrodla) reads the table of the reference date.
    void switchSourceTable();

    // A new accident at work with its first injured person; the list shows it.
    void AddAccident();
    // A new injured person of the current accident at work.
    void AddInjuredPerson();
    // Deletes an accident at work with everything that depends on it. False when the
    // list is empty. Shows nothing: a deletion the database refuses, or an accident
    // another computer holds (AccidentHeld), throws DbError with nothing deleted.
    bool DeleteAccident(int id);
    // Deletes one injured person with its dependants. False when the list is empty
    // or when it is the accident's last person (the window says
    // lastPersonMessage()); a refusal throws as DeleteAccident does.
    bool DeleteInjuredPerson(int accidentId, int personId);
    // After a successful deletion (the store has written the accident's count and
    // kind with it): the lists again on the accident, countsChanged and recordDeleted.
    void AfterPersonDeleted(Register reg, int accidentId, int personId);
    int CountInjuredPersons();

    // A new commuting accident; the list shows it. Returns the message of an insertion
    // the database refused (its reason with the values tried), empty when the
    // accident was added; a lost connection is thrown.
    [[nodiscard]] QString AddCommutingAccident();
    // The deletions of the other registers, as DeleteAccident and DeleteInjuredPerson.
    bool DeleteCommutingAccident(int id);

    void AddOtherAccident();
    void AddOtherInjuredPerson();
    bool DeleteOtherAccident(int id);
    bool DeleteOtherInjuredPerson(int accidentId, int personId);
    int CountOtherInjuredPersons();

    // The next protocol or accident-card number of the reference year, as text.
    QString NextDocumentNumber(DocumentKind kind);
    // Ends every take of this computer.
    void ReleaseAllTakes();

    static QString ConsequenceText(int code);
    static QString RegisterCaption(int year, bool archive);
    static QString lastPersonMessage();

    // --- Not-recognised accidents -------------------------------------------------
    // Entries accident id + "-" + accident date text, sorted.
    const QStringList& notRecognised() const { return m_notRecognised; }
    static QString notRecognisedEntry(int accidentId, const QDateTime& date);
    bool isNotRecognised(int accidentId, const QDateTime& date) const;
    void setNotRecognised(int accidentId, const QDateTime& date, bool on);
    void rebuildNotRecognised();

    // The rows of one record read by their keys, with the number fields the lists
    // show (nr_symbol, nrProt_symbol, nrKarty_symbol, nrKartyWyp_symbol, numer): the
    // document windows load and save the record they were opened for, wherever the
    // lists stand. A row that no longer exists comes back empty.
    struct RecordRows {
        std::unique_ptr<Dataset> accident;
        std::unique_ptr<Dataset> person;  // none for a commuting accident
        bool found() const { return accident && !accident->isEmpty() && (!person || !person->isEmpty()); }
    };
    RecordRows readRecord(const RecordRef& record);

    // Opens the lists of the register again on the rows they stand on (or on the
    // accident and person given), quietly; the current ids follow.
    void reopenLists(Register reg, int accidentId = -1, int personId = -1);
    // The accident's row of the register's list read again (or added at its place,
    // after an addition), the lists on it and on the person given (or on the first
    // person), quietly; the rest of the list is not read again.
    void showAccidentRow(Register reg, int accidentId, int personId);
    // The rows a list of a year reads at a time.
    static constexpr int kListBlock = 100;
    // The id of the person the register's person list stands on (0 without).
    int personIdOf(Register reg) const;
    // The register's list of accidents, and of injured persons (none for commuting).
    Dataset* accidentsOf(Register reg) const;
    Dataset* personsOf(Register reg) const;
    // The record the register's lists stand on (ids 0 when they are empty).
    RecordRef listRecord(Register reg) const;
    // Whether the register's accident list holds the accident.
    bool listHolds(Register reg, int accidentId) const;

signals:
    // The user moved the register's list to another record (the current ids are
    // set): the open record is to be saved and the new one loaded.
    void currentRecordChanged(zort::Register reg);
    // The accident list moved to another accident.
    void accidentRowChanged(zort::Register reg);
    // A record was added; the lists stand on it.
    void recordAdded(zort::Register reg, int accidentId, int personId);
    // A record was deleted (personId 0: the whole accident); the lists stand on
    // another one, or are empty.
    void recordDeleted(zort::Register reg, int accidentId, int personId);
    // The accident's number of injured persons and its kind changed in the database.
    void countsChanged(zort::Register reg, int accidentId);
    // The lists are about to be opened anew (another register year): the records
    // loaded from them are gone, nothing of them is to be saved.
    void recordsReleased();
    // The register of a year is open; the caption of the main window.
    void registerOpened(const QString& caption);
    // The register year changed (the dictionaries that depend on it re-sort).
    void registerYearChanged(int year);
    // The module is about to be destroyed; its connection is still open.
    void aboutToDestroy();
    // The visible-structure table was built again: the person lists are read again.
    void structureTableBuilt();
    // A dictionary of the administration window changed (a row added, deleted or
    // edited, or its order): the pickers that show it are filled again.
    void teamChanged();
    void commissionChanged();
    void diseasesChanged();
    // The order of the other classification lists changed: their pickers are filled
    // again.
    void listsReordered();

private:
    void create();
    void setupDatasets();
    void setupCalculatedFields();
    void addAccidentNumberField(Dataset* accidents);
    void addPersonNumberFields(Dataset* persons, std::function<QString(qint64 accidentId)> symbolOfAccident,
                               bool withCardOfAccident);
    void connectReactions();
    NewRecordStamp stamp() const;
    // The lists on a new injured person of the current accident (the accident list
    // again too, for its count), then recordAdded.
    void showNewInjuredPerson(int newPersonId);
    void takeCurrentIds(Register reg);
    // A deleted accident out of the register's list; the current ids follow.
    void dropDeletedAccident(Register reg, int id);
    // Deletes a person of a non-empty list unless it is its accident's last one.
    bool deletePerson(Dataset* persons, const std::function<bool()>& deletion);
    QString personPesel(const Dataset& ds, int row);
    void onPersonScrolled();
    void onCommutingScrolled();
    void onOtherPersonScrolled();

    std::unique_ptr<Connection> m_db;
    bool m_registersMode = false;
    bool m_uniformedServices = false;
    int m_currentRegister = 0;
    QDateTime m_referenceDate;
    int m_accidentId = 0;
    int m_personId = 0;
    int m_commutingId = 0;
    int m_otherAccidentId = 0;
    int m_otherPersonId = 0;
    int m_newNumber = 0;
    bool m_quiet = false;
    bool m_addingAccident = false;
    bool m_adminOpen = false;
    QStringList m_deniedStructure;
    QString m_structureTable;
    RegisterChoice m_registers;
    int m_attachmentAccidentId = 0;
    int m_attachmentProtocolId = 0;
    int m_currentOwnAttachmentId = 0;
    int m_currentHearingId = 0;
    int m_currentOrderId = 0;
    bool m_attachmentSaveOnMove = false;
    bool m_attachmentsReopening = false;
    RegisterStore m_store;
    AttachmentStore m_attachmentStore;
    bool m_ready = false;
    bool m_symbolFlag = false;
    QString m_separator;
    QStringList m_notRecognised;
    QHash<qint64, QString> m_pesel;  // IDOSOBY -> PESEL of qryDanOs
    bool m_peselStale = true;
    QHash<qint64, QString> m_accidentSymbols;  // ID -> SYMBOLWYP of the accident list
    QHash<qint64, QString> m_otherSymbols;     // the same for other accidents
    QHash<QString, Dataset*> m_named;
    QList<Dataset*> m_attachmentLists;
    QDate m_structureDate;  // the day the visible-structure table was built for
};

// The data module of the run (null before the start-up created it).
TDataModForm* dataMod();

} // namespace zort
