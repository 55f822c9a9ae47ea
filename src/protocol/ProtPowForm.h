#pragma once
#include "domain/ProtocolMarks.h"
#include "protocol/ProtocolDescription.h"
#include "ui/DocumentPagesWindow.h"

#include <QDialog>
#include <QHash>
#include <memory>

class QLineEdit;
class QPushButton;
class QTabWidget;

namespace zort {

class FieldBinder;
class LeaveChecks;
class StrikeMark;

// The post-accident protocol of the current injured person, in the form of one
// regulation: tabs built from the form's description, the edits and memos bound to
// the injured-person and accident rows by their names, the strike-out marks on the
// window's values until the save. Saved by the data module in one transaction; a
// read-only protocol writes nothing.
class TProtocolWindow : public DocumentPagesWindow {
    Q_OBJECT
public:
    ~TProtocolWindow() override;

    const ProtocolDescription& description() const { return m_form; }

    // Shows the protocol of the request's record modally, editable or not; returns
    // when it closes.
    void ShowProtocol(const DocumentWindows::Request& request);
    // What ShowProtocol does before the window comes up: the record's rows, the
    // read-only rule of the user's rights and the caller's flag, the memo limits,
    // then LoadProtocol.
    void prepare(const DocumentWindows::Request& request);
    // Fills the window from the record's rows.
    void LoadProtocol();
    // Writes the window back; false (the message shown, the window as it was) when a
    // value was refused or the database failed. A read-only protocol writes nothing.
    bool SaveProtocol();
    // The limits of the ten memos by the setting of the multi-line fields: index 0
    // ("TAK") none, any other the table of limits. Forms without the setting keep
    // their own limits.
    void SetMemoLimits(int index);

    // The commands; each but "Zapisz" goes on only after a save that succeeded.
    bool ZapiszClick();
    void TestujClick();
    void WydrukiClick();
    void ZamknijClick();

    // --- Reactions (the controls call them; tests too) ----------------------------
    // A click on the caption of an alternative.
    void markClicked(ProtocolMark mark);
    // A double click on the field: the injured person's stored name (epImNazwCz,
    // epImNazwCzZap) or the occupation picker (epKodZawodu).
    void fieldAction(const QString& fieldName);
    // The calendar of a date field.
    void chooseDate(const QString& fieldName);
    // Leaving a field: its check.
    bool leaveField(QLineEdit* field);

    bool editable() const { return m_editable; }
    const ProtocolMarks& marks() const { return m_marks; }
    StrikeMark* markControl(ProtocolMark mark) const { return m_markControls.value(int(mark)); }

protected:
    TProtocolWindow(int form, QWidget* parent);
    void runCommand(Command command) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    void applyReadOnlyRule();
    void paintMarks();
    bool checkDates();
    QLineEdit* edit(const QString& name) const;

    ProtocolDescription m_form;
    std::unique_ptr<FieldBinder> m_binder;
    LeaveChecks* m_checks = nullptr;
    QTabWidget* m_pages = nullptr;
    QHash<int, StrikeMark*> m_markControls;
    ProtocolMarks m_marks;
    bool m_editable = false;
};

// The windows of the forms: each names its form's description.
class TProtPowForm : public TProtocolWindow {  // 1998
    Q_OBJECT
public:
    explicit TProtPowForm(QWidget* parent = nullptr) : TProtocolWindow(0, parent) {}
};
class TProtPowForm_1 : public TProtocolWindow {  // 2003
    Q_OBJECT
public:
    explicit TProtPowForm_1(QWidget* parent = nullptr) : TProtocolWindow(1, parent) {}
};
class TProtPowForm_2 : public TProtocolWindow {  // 2004
    Q_OBJECT
public:
    explicit TProtPowForm_2(QWidget* parent = nullptr) : TProtocolWindow(2, parent) {}
};
class TProtPowForm_3 : public TProtocolWindow {  // 2019
    Q_OBJECT
public:
    explicit TProtPowForm_3(QWidget* parent = nullptr) : TProtocolWindow(3, parent) {}
};

// The protocol window of a class, created on first use and kept for the run (nullptr
// for a class this program does not have).
TProtocolWindow* protocolWindow(const QString& className);
// Registers the protocol windows and the entry windows of the post-accident team
// and commission with the document-window factory and keeps the protocols' memo
// limits on the setting of the multi-line fields.
void registerProtocolWindows();

} // namespace zort
