#pragma once
#include <QDialog>

class QPushButton;
class QTabWidget;

namespace zort {

class AdmBasicPage;
class AdmDictionaryPages;

// "Administracja bazy rejestru wypadków": the workstation's settings of the register
// (on the settings object, which stays their only copy), the reference date, the
// sort orders and the module's dictionaries. Created once at start, shown modally.
class TAdmForm_W : public QDialog {
    Q_OBJECT
public:
    explicit TAdmForm_W(QWidget* parent = nullptr);

    // Shows the window modally for a user with the full right to the register or not.
    void ShowAdmin(bool fullRight);
    // What showing does before the window comes up, and what closing does after.
    void FormShow(bool fullRight);
    void FormClose();

    void DodajBtnClick();
    void UsunBtnClick();

    QTabWidget* tabs() const { return m_tabs; }
    QWidget* basicPage() const { return m_basic; }
    AdmBasicPage& basicSettings() const { return *m_basicPage; }
    AdmDictionaryPages& dictionaries() const { return *m_dictionaries; }
    bool fullRight() const { return m_fullRight; }
    // The help context of the tab shown.
    int helpContext() const;

    // Closing waits until the fields left unchecked pass their checks.
    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void updateButtons();

    QTabWidget* m_tabs;
    QWidget* m_basic;
    QWidget* m_team;
    QWidget* m_card;
    QWidget* m_commission = nullptr;
    AdmBasicPage* m_basicPage;
    AdmDictionaryPages* m_dictionaries;
    QPushButton* m_add;
    QPushButton* m_delete;
    QPushButton* m_close;
    bool m_fullRight = false;
};

// The window of the run (created at start-up, or on first use).
TAdmForm_W& admForm();
// Registers the administration window with the document-window factory.
void registerAdminWindows();

} // namespace zort
