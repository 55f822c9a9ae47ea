#pragma once
#include "domain/RecordRef.h"
#include "datatest/DataTestEngine.h"

#include <QDialog>
#include <QString>

class QPlainTextEdit;
class QPushButton;

namespace zort {

// "Wyniki testu wprowadzonych danych": the report of the data test of the current
// accident and injured person. Each run reads the two rows as they are stored now
// and shows only its own report; the window changes nothing.
class TTestWForm : public QDialog {
    Q_OBJECT
public:
    // The routines a run can use (None: no report shown).
    enum class Routine { None, TestCard2000, TestCard, TestProtocol1998, TestProtocol, TestEverything };

    explicit TTestWForm(QWidget* parent = nullptr);

    // Opens the window modally with the card report of the record. Without rows to
    // test it shows the message for a missing injured person and does not open.
    void ShowTest(const RecordRef& record);
    // The record tested (without one, the one the register's lists stand on).
    void setRecord(const RecordRef& record) { m_record = record; }
    // What showing does: the "Protokół" button for persons documented with the
    // post-accident protocol, then the card test. False (after the message) when
    // there is nothing to test.
    bool FormShow();

    void SKWBtnClick();
    void ProtokolBtnClick();
    void WszystkoBtnClick();

    // Appends one line to the report; an empty text an empty line.
    void AddReportLine(const QString& text);

    QPlainTextEdit* TestMemo() const { return m_memo; }
    QPushButton* skwButton() const { return m_skw; }
    QPushButton* protocolButton() const { return m_protocol; }
    QPushButton* everythingButton() const { return m_everything; }
    QPushButton* closeButton() const { return m_close; }
    // The routine of the report shown and the report itself.
    Routine lastRoutine() const { return m_routine; }
    const DataTestReport& lastReport() const { return m_report; }

    static constexpr int kHelpContext = 33000;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Runs the routine the choice gives for the rows read now; false (after the
    // message, with the memo emptied) when the rows cannot be read.
    // Reads the rows and writes the report of the routine chosen for them; when the
    // window is being shown, the protocol button follows the person too.
    bool run(Routine (*choose)(const DataTestInput&), bool showing = false);
    void showReport(Routine routine, const DataTestReport& report);
    RecordRef m_record;
    void clearReport();

    QPlainTextEdit* m_memo;
    QPushButton* m_skw;
    QPushButton* m_protocol;
    QPushButton* m_everything;
    QPushButton* m_close;
    Routine m_routine = Routine::None;
    DataTestReport m_report;
    int m_lines = 0;  // lines in the memo
};

// The routine of each button for the rows: the card test of the accident's stored
// card version, the protocol test of the settings' protocol form, everything.
TTestWForm::Routine cardRoutine(const DataTestInput& in);
TTestWForm::Routine protocolRoutine(const DataTestInput& in);
TTestWForm::Routine everythingRoutine(const DataTestInput& in);
// The routine's report for the rows.
DataTestReport runRoutine(TTestWForm::Routine routine, const DataTestInput& in);

// The window of the run (created at start-up, or on first use).
TTestWForm& testWForm();
// Adds the window to the document windows the main window and the card and
// protocol windows open by name.
void registerDataTestWindow();

} // namespace zort
