#pragma once
#include "domain/DataModForm.h"
#include "ui/FieldBinding.h"

#include <QChar>
#include <QString>
#include <array>
#include <memory>

class QWidget;

namespace zort {

class TRejestrWypForm;

// The record open on the main window's entry pages, per register: it loads the
// record the lists stand on, remembers the ids of what it loaded, and saves exactly
// that record through the register store, only while the data module's editing flag
// is set and only as long as the record exists. A value its column cannot take is
// refused before anything is written: the message names the field, the focus goes
// there and the typed values stay.
class RecordEditor {
public:
    RecordEditor(TRejestrWypForm& window, QWidget* atWork, QWidget* commuting, QWidget* other);
    ~RecordEditor();

    FieldBinder& binder(Register reg);

    // Loads the record the register's lists stand on (or empties the pages).
    void load(Register reg);
    // Saves the loaded record. True when there was nothing to save or it was saved;
    // false when the save was refused (the message shown, editing goes on).
    bool save(Register reg);
    // Empties the pages; nothing is loaded any more.
    void clear(Register reg);
    // The loaded record is gone (deleted, its list opened anew): nothing of it is saved.
    void forget(Register reg);
    void forgetAll();

    // Ids of the loaded record (0 when none).
    int loadedAccident(Register reg) const { return m_loaded[size_t(reg)].accidentId; }
    int loadedPerson(Register reg) const { return m_loaded[size_t(reg)].personId; }
    bool hasRecord(Register reg) const { return m_loaded[size_t(reg)].valid; }
    // The loaded record of accidents at work uses the protocol fields ("r") or the
    // accident-card fields ("k"), or neither.
    QChar recordKind() const { return m_recordKind; }
    const QString& protocolNumber() const { return m_protocolNumber; }

    // The take of the accident the register's list stands on, for this computer.
    bool take(Register reg);
    void release(Register reg, int accidentId);

    // The text of a save refusal: the field's caption and the reason.
    static QString refusalText(const QString& caption, const QString& reason);
    // The caption of an entry field: its label's text, or its accessible name.
    static QString captionOf(QWidget* field);

private:
    struct Loaded {
        bool valid = false;
        int accidentId = 0;
        int personId = 0;
    };
    void loadAtWork();
    void loadCommuting();
    void loadOther();
    void enableBound(FieldBinder& b, bool enabled, QChar pickerPrefix);
    void setTabCaptions(Register reg, const QString& accidentDate, const QString& person);
    // Collects and writes the loaded record; throws ValueRefused or DbError.
    void write(Register reg, const Loaded& record, FieldBinder::Collected& values);
    void refuse(const QString& text, QWidget* field);
    TDataModForm* dm() const;

    TRejestrWypForm& m_w;
    std::unique_ptr<FieldBinder> m_bindAtWork;
    std::unique_ptr<FieldBinder> m_bindCommuting;
    std::unique_ptr<FieldBinder> m_bindOther;
    std::array<Loaded, 3> m_loaded;
    QChar m_recordKind;
    QString m_protocolNumber;
};

} // namespace zort
