#pragma once
#include <QObject>
#include <QString>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class QWidget;

namespace zort {

class LeaveChecks;
class RadioGroup;

// The tab "Podstawowe ustawienia" of the administration window: the controls of the
// workstation's settings over the settings object (admSettings(), their only copy),
// the reference date of the data module, the printing date and the documents folder.
// Every change goes into the object and its configuration key at once (the font size
// when the window closes) and is announced (admSettingChanged).
class AdmBasicPage : public QObject {
    Q_OBJECT
public:
    AdmBasicPage(QWidget* page, QWidget* window);

    // The window is shown: the settings into the controls, the rights applied (a
    // user without the full right changes only the two dates), the date shown
    // remembered, the documents folder read.
    void showing(bool fullRight);
    // The window closes: the font size stored; the register reloaded when the date
    // or a numbering setting changed, or the current register.
    void closing();

    // Leaving "Data odniesienia:": the typed date becomes the reference date and the
    // register of its year is opened. False (and nothing reloaded) for a text that is
    // not a date.
    bool applyReferenceDate();
    // "Wybierz": the documents folder chosen and stored.
    void WybierzClick();
    // The calendar buttons.
    void chooseReferenceDate();
    void choosePrintDate();

    LeaveChecks& checks() const { return *m_checks; }

private:
    void build(QWidget* page);
    void load();
    void updateDependent();
    void connectChanges();
    void changed(const char* key);

    QWidget* m_window;
    LeaveChecks* m_checks;
    bool m_fullRight = false;
    QString m_shownDate;
    bool m_reload = false;           // a numbering or reference-kind setting changed
    bool m_registerChanged = false;  // another current register

    QLineEdit* m_date = nullptr;
    QLineEdit* m_printDate = nullptr;
    QToolButton* m_dateButton = nullptr;
    QToolButton* m_printDateButton = nullptr;
    RadioGroup* m_symbol = nullptr;
    QLabel* m_separatorLabel = nullptr;
    QLineEdit* m_separator = nullptr;
    QComboBox* m_dateKind = nullptr;
    QLineEdit* m_level = nullptr;
    QComboBox* m_cardKind = nullptr;
    RadioGroup* m_233 = nullptr;
    QComboBox* m_protocol = nullptr;
    RadioGroup* m_hearing = nullptr;
    QComboBox* m_year = nullptr;
    RadioGroup* m_unlimited = nullptr;
    QLabel* m_fontLabel = nullptr;
    QComboBox* m_font = nullptr;
    RadioGroup* m_headingDate = nullptr;
    RadioGroup* m_colour = nullptr;
    QComboBox* m_commuting = nullptr;
    QComboBox* m_accidentCard = nullptr;
    QLabel* m_pkt13Label = nullptr;
    RadioGroup* m_pkt13 = nullptr;
    QLineEdit* m_folder = nullptr;
    QPushButton* m_chooseFolder = nullptr;
    QCheckBox* m_allTypPrac = nullptr;
    QWidget* m_registerPanel = nullptr;
    QComboBox* m_register = nullptr;
};

} // namespace zort
