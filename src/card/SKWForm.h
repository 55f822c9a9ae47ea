#pragma once
#include "card/CardDescription.h"
#include "ui/DocumentPagesWindow.h"

#include <QDateTime>
#include <QDialog>
#include <QHash>
#include <QStringList>
#include <QVariant>
#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;

namespace zort {

class FieldBinder;
class LeaveChecks;
class RadioGroup;
class StrikeMark;

// The values of a card that no edit field holds; the marks and the editors show
// them. -1 (or an invalid date) stands for a null in the row, written back as null.
struct CardWindowState {
    int accidentType = -1;  // TYPWYP
    int sex = -1;           // PLEC
    int effects = -1;       // SKUTKI
    int effectsPart2 = -1;  // SKUTKIR
    int localUnit = -1;     // SPKRYTJEDN
    int remoteWork = -1;    // FORMAPRACY
    QDateTime birthDate;    // DATAUR; invalid: none (null or the zero date)
    QVariant birthStored;   // DATAUR as loaded, written back while there is no birth date
    QDateTime accidentDate; // SKWWypadki.DATA
    QVariantList training;  // SZKWSTEPNE, SZKINSTR, SZKPODST, SZKOKRES, as stored

    int value(CardState s) const;
    void set(CardState s, int value);
};

// The statistical card of one injured person, in the form of one card version:
// pages built from the version's description, the edit fields bound to the
// injured-person and accident rows by their names, the marks and date editors on
// the window state. Saved through the frame's one save in one transaction; a
// read-only card writes nothing.
class TSKWCardForm : public DocumentPagesWindow {
    Q_OBJECT
public:
    ~TSKWCardForm() override;

    const CardDescription& description() const { return m_form; }

    // Shows the card of the request's record modally, editable or not; returns when
    // it closes.
    void ShowCard(const DocumentWindows::Request& request);
    // What ShowCard does before the window comes up: the record's rows, the
    // read-only rule of the user's rights and the caller's flag, then LoadCard.
    void prepare(const DocumentWindows::Request& request);
    // Fills the window from the record's rows (at every showing).
    void LoadCard();
    // Writes the window back; false (the message shown, the window as it was) when a
    // value was refused or the database failed.
    bool SaveCard();
    // Whether the card may be saved: the forms of 2004 to 2022 accept any year, those
    // of 2000 only the year of the register's reference date.
    virtual bool CardYearAllowed();

    // The commands.
    void TestujClick();
    void ZapiszClick();
    void WydrukiClick();
    void ZamknijClick();

    bool editable() const { return m_editable; }
    bool loaded() const { return m_loaded; }
    const CardWindowState& state() const { return m_state; }

    // --- Reactions (the controls call them; tests too) ----------------------------
    // The picker of the item whose code or description field is named so.
    void pick(const QString& fieldName);
    // Empties a code and its description (double click on the code).
    void clearCode(const QString& codeName);
    // An answer of a group of marks chosen.
    void markClicked(const QString& group, int index);
    // An answer of the training question (2000 forms) clicked: 1..4 switch their
    // value between completed and not, 0 ("brak przeszkolenia") makes all four not
    // completed when any was.
    void trainingClicked(int answer);
    // A date editor changed or left (either page); the birth-year editor likewise.
    void dateEditorChanged(QSpinBox* editor);
    void dateEditorLeft(QSpinBox* editor);
    void birthYearChanged();
    void birthYearLeft();
    // The calendar of a date field.
    void chooseDate(const QString& fieldName);
    // Leaving a field: its check, then its copy into its twin.
    bool leaveField(QLineEdit* field);

protected:
    // The window of the form that the class `windowClass` shows (CardDescription).
    TSKWCardForm(const QString& windowClass, QWidget* parent);
    void runCommand(Command command) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    void buildItem(class PageBuilder& b, const CardItem& item);
    void applyReadOnlyRule();
    void limitToColumns();
    void frameMarks();
    void applyLocalUnit(bool clearNames);
    void setDateEditors();
    void copyToTwin(QLineEdit* field);
    bool checkBeforeSave();
    // CardYearAllowed, and when not: the message and the focus on the year editor.
    bool yearAllowedOrRefused();
    QWidget* textField(const QString& name) const;
    QDateTime storedAccidentDate() const;
    QSpinBox* spin(const QString& name) const;
    QLineEdit* edit(const QString& name) const;
    const CardItem* itemOfField(const QString& name) const;

    CardDescription m_form;
    std::unique_ptr<FieldBinder> m_binder;
    LeaveChecks* m_checks = nullptr;
    QTabWidget* m_pages = nullptr;
    QPushButton* m_test = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_print = nullptr;
    QPushButton* m_close = nullptr;
    QHash<QString, RadioGroup*> m_marks;
    QHash<QString, QList<StrikeMark*>> m_strikes;
    QList<QWidget*> m_localUnitPanel;
    CardWindowState m_state;
    bool m_editable = false;
    bool m_loaded = false;
    bool m_limited = false;
};

// The windows of the forms: each names its form's description.
class TSKWForm : public TSKWCardForm {  // 2000, the form of 1996 (reference date up to 2000)
    Q_OBJECT
public:
    explicit TSKWForm(QWidget* parent = nullptr) : TSKWCardForm(QStringLiteral("TSKWForm"), parent) {}
};
class TSKWForm_1 : public TSKWCardForm {  // 2000, the form of 2001 (reference date after 2000)
    Q_OBJECT
public:
    explicit TSKWForm_1(QWidget* parent = nullptr) : TSKWCardForm(QStringLiteral("TSKWForm_1"), parent) {}
};
class TSKWForm_2 : public TSKWCardForm {  // 2004 and 2009
    Q_OBJECT
public:
    explicit TSKWForm_2(QWidget* parent = nullptr) : TSKWCardForm(QStringLiteral("TSKWForm_2"), parent) {}
};
class TSKWForm_3 : public TSKWCardForm {  // 2010
    Q_OBJECT
public:
    explicit TSKWForm_3(QWidget* parent = nullptr) : TSKWCardForm(QStringLiteral("TSKWForm_3"), parent) {}
};
class TSKWForm_4 : public TSKWCardForm {  // 2019
    Q_OBJECT
public:
    explicit TSKWForm_4(QWidget* parent = nullptr) : TSKWCardForm(QStringLiteral("TSKWForm_4"), parent) {}
};
class TSKWForm_5 : public TSKWCardForm {  // 2022
    Q_OBJECT
public:
    explicit TSKWForm_5(QWidget* parent = nullptr) : TSKWCardForm(QStringLiteral("TSKWForm_5"), parent) {}
};

// The card window of a class, created on first use and kept for the run (nullptr
// for a class this program does not have).
TSKWCardForm* cardWindow(const QString& className);
// Registers the card windows with the document-window factory.
void registerCardWindows();

} // namespace zort
