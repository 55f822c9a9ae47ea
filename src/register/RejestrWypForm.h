#pragma once
#include "ui/FieldBinding.h"
#include "domain/RegisterWindowLink.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <array>
#include <memory>

class QAction;
class QLabel;
class QMenu;
class QSplitter;
class QTabWidget;
class QTableView;
class QToolBar;
class QWidget;

namespace zort {

class Dataset;
class DatasetModel;
class PageDictionaries;
class RadioGroup;
class TDataModForm;

// The main window: the registers of accidents with their lists and entry pages, the
// toolbar and menu with every command, the editing state (list mode against editing
// mode) and the name binding of the entry fields.
class TRejestrWypForm : public QMainWindow, public RegisterWindowLink {
    Q_OBJECT
public:
    explicit TRejestrWypForm(QWidget* parent = nullptr);
    ~TRejestrWypForm() override;

    // --- What the data module asks of the window --------------------------------
    void loadRecord(Register reg) override;
    void saveRecord(Register reg) override;
    void setAccidentKind(Register reg, int kind) override;
    int injuredCount(Register reg) const override;
    void setInjuredCount(Register reg, int count) override;
    void clearPages(Register reg) override;
    void setCaption(const QString& caption) override;
    void showPersonalDataPage(Register reg) override;
    void setProtocolButtonEnabled(bool enabled) override;
    bool atWorkRegisterActive() const override;
    bool hasRegisterRight() const override;
    void showAtWorkListPage() override;

    // --- Commands of the toolbar and the menu -------------------------------------
    void DodWypBtnClick();
    void DodPoszkBtnClick();
    void sbKasWypBtnClick();
    void sbKasPoszkBtnClick();
    void SKWBtnClick();
    void ProtokolBtnClick();
    void DokumBtnClick();
    void TestBtnClick();
    void sbZapiszBtnClick();
    void DrukBtnClick();
    void bZnajdzClick();
    void PomocBtnClick();
    void AdminOgClick();
    void sbZamknijBtnClick();
    void AdminBtnClick();
    void bInfoClick();

    // Registers mode: chooses the user's current register, shows it on the register
    // panel and keeps the choice in the data module. False when the user has no
    // register to work in: the message is shown and the run ends.
    bool ChooseCurrentRegister();

    // Runs what showing the window runs (once): releases takes, applies the user's
    // right, chooses the register, opens the register of the year.
    void FormShow();

    // --- State and parts, for the other windows and the tests ----------------------
    Register activeRegister() const;
    void setActiveRegister(Register reg);
    bool onListPage(Register reg) const;
    // Switches the sub-page of a register: 0 the list, 1 the accident, 2 the person.
    void showSubPage(Register reg, int page);
    int subPage(Register reg) const;
    // The access level to the register: 0 none, 1 view, 2 full.
    int registerRight() const { return m_right; }
    // Whether the accident at work loaded is open for changes (not closed).
    bool accidentEditable() const { return m_open[int(Register::AtWork)]; }
    QAction* button(const QString& name) const;
    QAction* menuItem(const QString& caption) const;
    QTabWidget* registers() const { return m_pcWyp; }
    QTabWidget* subPages(Register reg) const;
    QTabWidget* personPages() const { return m_pcPPoszkodowany; }
    QTableView* list(const QString& name) const;
    FieldBinder& binder(Register reg);
    // The help context of the page shown.
    int helpContext() const { return m_helpContext; }
    // The protocol number of the loaded injured person.
    const QString& loadedProtocolNumber() const { return m_protocolNumber; }
    bool attachmentsAvailable() const { return m_attachmentsAvailable; }
    // The record uses the protocol fields ("r", RODZUMOWY 1) or the card fields ("k").
    QChar recordKind() const { return m_recordKind; }
    // The dictionary lists of the pages of accidents at work.
    PageDictionaries& dictionaries() { return *m_dictionaries; }
    // Fills the person lists again (after the visible structure was rebuilt).
    void fillPersonLists();

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void FormCreate();
    void FormClose();
    void buildToolbarAndMenu();
    void buildRegisters();
    QWidget* buildAtWorkRegister();
    QWidget* buildCommutingRegister();
    QWidget* buildOtherRegister();
    QTableView* makeList(QWidget* parent, const QString& name, Dataset* data, const QString& hint,
                         std::vector<struct ListColumn> columns);
    void connectLists();

    void pcWypChange(int index);
    void pcWypPracaChange(int index);
    void pcWypDrogaChange(int index);
    void pcWypPolicjaChange(int index);
    void subPageChanged(Register reg, int index);
    void enterEditing(Register reg);
    void leaveEditing(Register reg);
    void applyRight();
    bool commandAllowed(const QString& button) const;
    // A command's handler that does nothing while the user's rights do not allow it.
    std::function<void()> guarded(const QString& button, std::function<void()> handler);
    void enableMenu(const QString& caption, bool enabled);
    // "Zablokowany :" of a register; enabled for users who may close accidents.
    RadioGroup* blockGroup(Register reg) const;
    void enableBlockGroup(Register reg);

    void loadAtWork();
    void saveAtWork();
    void loadCommuting();
    void saveCommuting();
    void loadOther();
    void saveOther();
    struct TwoRowSave;
    void saveTwoRows(const TwoRowSave& r);
    // After a save: the lists again on the saved record; an accident that left the
    // open year is given back and the window returns to the list. `persons` is null
    // for a register without a person list.
    void reopenAfterSave(Register reg, Dataset* accidents, Dataset* persons, int accidentId, int personId,
                         int* accidentIdOut, int* personIdOut);
    void enableBound(FieldBinder& binder, bool enabled, QChar pickerPrefix);
    void setListCommandsForAtWork();
    void setCommand(const QString& buttonName, const QString& menuCaption, bool enabled);
    void setCommand(const QString& buttonName, bool enabled);
    void releaseTake(Register reg);
    bool takeCurrent(Register reg);
    int currentAccidentId(Register reg) const;
    // Saves the open record of the active register when the user may change it.
    void saveWhenAllowed(Register reg);
    bool mayEdit(Register reg) const;
    void openDocument(const QString& className, Register reg);
    // The register's list of accidents, and of injured persons (none for commuting).
    Dataset* accidentsOf(Register reg) const;
    Dataset* personsOf(Register reg) const;
    QString statisticalCardClass() const;
    QString protocolClass() const;
    void setTabCaptions(Register reg, const QString& accidentDate, const QString& person);
    void reportSaveFailure();
    void wDataRejBtnClick();
    void wsbZatrudnienie1Click();

    TDataModForm* dm() const;

    QTabWidget* m_pcWyp = nullptr;
    QTabWidget* m_pcWypPraca = nullptr;
    QTabWidget* m_pcWypDroga = nullptr;
    QTabWidget* m_pcWypPolicja = nullptr;
    QTabWidget* m_pcPPoszkodowany = nullptr;
    QWidget* m_tabPraca = nullptr;
    QWidget* m_tabDroga = nullptr;
    QWidget* m_tabPolicja = nullptr;
    QWidget* m_pOpisRej = nullptr;
    QLabel* m_registerLabel = nullptr;
    QAction* m_bInfo = nullptr;
    QHash<QString, QAction*> m_buttons;
    QHash<QString, QAction*> m_menuItems;
    QHash<QString, QString> m_menuButtons;  // menu caption -> the button whose command it runs
    QHash<QString, QTableView*> m_lists;
    std::vector<std::unique_ptr<DatasetModel>> m_models;
    std::unique_ptr<FieldBinder> m_bindAtWork;
    std::unique_ptr<FieldBinder> m_bindCommuting;
    std::unique_ptr<FieldBinder> m_bindOther;
    PageDictionaries* m_dictionaries = nullptr;

    int m_right = 0;
    // Per register: the record on the pages is not closed for changes (BLOK 0).
    std::array<bool, 3> m_open{true, true, true};
    bool m_shown = false;
    bool m_switching = false;
    bool m_attachmentsAvailable = true;
    int m_helpContext = 31100;
    QChar m_recordKind;
    QString m_protocolNumber;
    QString m_caption;
};

} // namespace zort
