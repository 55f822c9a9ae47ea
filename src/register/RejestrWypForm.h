#pragma once
#include "domain/DataModForm.h"
#include "ui/FieldBinding.h"

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

class CardPages;
class CommutingReactions;
class EntryReactions;
class OtherReactions;
class Dataset;
class DatasetModel;
class PageDictionaries;
class RadioGroup;
class RecordEditor;
class EditSession;
class FieldCheckLinks;

// The main window: the frame of the registers of accidents with their lists and
// entry pages, list mode against editing mode, and the reactions to what the data
// module reports. The commands of the toolbar and the menu are in
// RegisterCommands.cpp; the record on the entry pages, with its edit session, is the
// RecordEditor's.
class TRejestrWypForm : public QMainWindow {
    Q_OBJECT

public:
    explicit TRejestrWypForm(QWidget* parent = nullptr);
    ~TRejestrWypForm() override;

    // --- The record on the entry pages ---------------------------------------------
    // Loads the record the register's lists stand on.
    void loadRecord(Register reg);
    // Saves the open record of the register when its edit session says a save
    // writes; false when it was refused (the message shown, the typed values kept).
    bool saveRecord(Register reg);
    // The edit session of a register's entry pages.
    EditSession& session(Register reg);
    const EditSession& session(Register reg) const;
    void clearPages(Register reg);
    void setCaption(const QString& caption);
    void showPersonalDataPage(Register reg);
    void setProtocolButtonEnabled(bool enabled);
    bool atWorkRegisterActive() const;
    bool hasRegisterRight() const;
    void showAtWorkListPage();
    RecordEditor& editor() { return *m_editor; }

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

    // "Najpierw należy dodać wypadek, ..." of a register without accidents.
    static QString addAccidentFirstMessage();

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
    bool accidentEditable() const;
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
    const QString& loadedProtocolNumber() const;
    bool attachmentsAvailable() const { return m_attachmentsAvailable; }
    // The record uses the protocol fields ("r", RODZUMOWY 1) or the card fields ("k").
    QChar recordKind() const;
    // The dictionary lists of the pages of accidents at work.
    PageDictionaries& dictionaries() { return *m_dictionaries; }
    // The statistical-card answers of the injured-person pages and the card form.
    CardPages& cardPages() { return *m_cardPages; }
    // Fills the person lists again (after the visible structure was rebuilt).
    void fillPersonLists();
    // A setting of the administration window changed (its key): what shows it
    // follows at once.
    void onAdmSettingChanged(const QString& key);

    // --- For the record on the pages ------------------------------------------------
    // The tab of a register (null for the other accidents outside their variant).
    QWidget* registerTab(Register reg) const;
    EntryReactions* reactions() const { return m_reactions; }
    CommutingReactions* commutingReactions() const { return m_commutingReactions; }
    // Those of the accidents in service (none outside their variant).
    OtherReactions* otherReactions() const { return m_otherReactions; }
    FieldCheckLinks* fieldChecks() const { return m_fieldChecks; }
    FieldCheckLinks* commutingFieldChecks() const { return m_commutingChecks; }
    void setCommand(const QString& buttonName, const QString& menuCaption, bool enabled);
    void setCommand(const QString& buttonName, bool enabled);
    // "Zablokowany :" of a register; enabled for users who may close accidents.
    RadioGroup* blockGroup(Register reg) const;
    void enableBlockGroup(Register reg);
    // Shows the pages a field lies on without running the page-change reactions.
    void revealQuietly(QWidget* field);
    // The register returns to its list page (its record is no longer edited).
    void returnToList(Register reg);

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    // F1 opens the help of the page shown (helpContext()).
    void keyPressEvent(QKeyEvent* e) override;

private:
    void FormCreate();
    void FormClose();
    void buildToolbarAndMenu();
    void buildRegisters();
    QWidget* buildAtWorkRegister();
    QWidget* buildCommutingRegister();
    int commutingPersonHelp() const;  // 43100 personal data, 43200 employment
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

    // Reactions to the data module.
    void connectDataModule();
    void onCurrentRecordChanged(Register reg);
    void onRecordAdded(Register reg);
    void onRecordDeleted(Register reg, int accidentId, int personId);
    void onRegisterOpened(const QString& caption);
    void setListCommandsForAtWork();
    void releaseTake(Register reg);
    int currentAccidentId(Register reg) const;
    bool mayEdit(Register reg) const;
    // Opens a document window for the register's record: taken for this computer
    // (from an entry page the window works under the main window's own take), what
    // was typed saved first (a refused save opens nothing), the record shown again
    // after the window if it wrote it, and a take this opening acquired given back.
    void openDocument(const QString& className, Register reg);
    // The register's list of accidents, and of injured persons (none for commuting).
    Dataset* accidentsOf(Register reg) const;
    Dataset* personsOf(Register reg) const;
    QString statisticalCardClass() const;
    QString protocolClass() const;
    void setTabCaptions(Register reg, const QString& accidentDate, const QString& person);
    void wsbZatrudnienie1Click();
    void wMiejsceWypClick();
    void wZawodClick();

    TDataModForm* dm() const;

    QTabWidget* m_pcWyp = nullptr;
    QTabWidget* m_pcWypPraca = nullptr;
    QTabWidget* m_pcWypDroga = nullptr;
    QTabWidget* m_pcWypPolicja = nullptr;
    QTabWidget* m_pcPPoszkodowany = nullptr;
    QTabWidget* m_pczWypadek = nullptr;       // commuting accident pages "1" to "4"
    QTabWidget* m_pczPoszkodowany = nullptr;  // commuting person pages
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
    std::unique_ptr<RecordEditor> m_editor;
    EntryReactions* m_reactions = nullptr;
    CommutingReactions* m_commutingReactions = nullptr;
    OtherReactions* m_otherReactions = nullptr;
    FieldCheckLinks* m_fieldChecks = nullptr;
    FieldCheckLinks* m_commutingChecks = nullptr;
    PageDictionaries* m_dictionaries = nullptr;
    CardPages* m_cardPages = nullptr;

    int m_right = 0;
    // Per register: the entry page shown last (a refused save returns there).
    std::array<int, 3> m_lastEntryPage{1, 1, 1};
    bool m_shown = false;
    bool m_switching = false;
    bool m_attachmentsAvailable = true;
    int m_helpContext = 31100;
    QString m_caption;
};

} // namespace zort
