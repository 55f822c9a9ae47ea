#pragma once
#include "domain/DataModForm.h"
#include "register/EditSession.h"
#include "ui/FieldBinding.h"

#include <QChar>
#include <QString>
#include <array>
#include <memory>

class QWidget;

namespace zort {

class TRejestrWypForm;

// The records open on the main window's entry pages, one edit session per
// register: it loads the record the lists stand on, and saves exactly that record
// (by its keys) through the register store when its session says a save writes.
// A value its column cannot take is refused before anything is written: the
// message names the field, the focus goes there and the typed values stay.
class RecordEditor {
public:
    RecordEditor(TRejestrWypForm& window, QWidget* atWork, QWidget* commuting, QWidget* other);
    ~RecordEditor();

    FieldBinder& binder(Register reg);
    EditSession& session(Register reg) { return m_sessions[size_t(reg)]; }
    const EditSession& session(Register reg) const { return m_sessions[size_t(reg)]; }

    // Loads the record the register's lists stand on (or empties the pages).
    void load(Register reg);
    // What a save did.
    enum class Saved { Written, NotNeeded, NotAllowed, Refused };
    // Saves the loaded record when its session says a save writes. Refused: the
    // message was shown, the typed values stay and editing goes on.
    Saved save(Register reg);
    // Empties the pages; nothing is loaded any more.
    void clear(Register reg);
    // The loaded record is gone (deleted, its list opened anew): nothing of it is saved.
    void forget(Register reg);
    void forgetAll();

    // The loaded record of accidents at work uses the protocol fields ("r") or the
    // accident-card fields ("k"), or neither.
    QChar recordKind() const { return m_recordKind; }
    const QString& protocolNumber() const { return m_protocolNumber; }

    // The deletions (and, for accidents in service, the adding of an officer) of the
    // register's list: for users with the edit right, on the list page, while the
    // accident is open.
    void listCommands(Register reg, bool open);

    // The take of an accident of the register for this computer; false after the
    // message when another computer holds it or it is gone.
    bool take(Register reg, int accidentId);
    void release(Register reg, int accidentId);

    // The text of a save refusal: the field's caption and the reason.
    static QString refusalText(const QString& caption, const QString& reason);
    // The caption of an entry field: its label's text, or its accessible name.
    static QString captionOf(QWidget* field);

private:
    void loadAtWork();
    void loadCommuting();
    void loadOther();
    // The selectors whose controls the register's record uses now.
    FieldBinder::Active activeSelectors(Register reg) const;
    void enableBound(FieldBinder& b, bool enabled, QChar pickerPrefix, QWidget* pages = nullptr);
    void setTabCaptions(Register reg, const QString& accidentDate, const QString& person);
    // Collects the pages' values and writes them into the record's rows; throws
    // ValueRefused or DbError.
    FieldBinder::Collected collect(Register reg) const;
    void write(const RecordRef& record, const FieldBinder::Collected& values);
    TDataModForm* dm() const;

    TRejestrWypForm& m_w;
    std::unique_ptr<FieldBinder> m_bindAtWork;
    std::unique_ptr<FieldBinder> m_bindCommuting;
    std::unique_ptr<FieldBinder> m_bindOther;
    std::array<EditSession, 3> m_sessions{EditSession(Register::AtWork), EditSession(Register::Commuting),
                                          EditSession(Register::Other)};
    QChar m_recordKind;
    QString m_protocolNumber;
};

} // namespace zort
