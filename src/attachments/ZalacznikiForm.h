#pragma once
#include "ui/DocumentWindows.h"
#include "attachments/ZalacznikiBase.h"

#include <QDialog>
#include <QHash>
#include <array>
#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTableView;
class QTimer;

namespace zort {

class MemberPicker;
class PageDictionaries;

class FieldBinder;
class RadioGroup;

// "Załączniki i dokumenty związane z wypadkiem przy pracy": the own attachments,
// hearings and orders of the current protocol, accident card or commuting card, and
// the tab of the external documents. The lists and their rules are the attachment
// book's; the window shows the current row of each list in its pages, collects what
// the user typed for the book and runs the commands of its bottom panel.
class TZalacznikiForm : public TZalacznikiBase {
    Q_OBJECT
public:
    enum Tab { OwnTab = 0, HearingTab = 1, OrderTab = 2, ExternalTab = 3 };
    static constexpr int kOwn = 0, kHearing = 1, kOrder = 2;

    explicit TZalacznikiForm(QWidget* parent = nullptr);
    ~TZalacznikiForm() override;

    // Shows the attachments of the data module's attachment owner: modally with
    // "Zapisz" as the default button when the main window stands on its list page,
    // otherwise without being modal, "Zamknij" the default and the warning blinking.
    void ShowAttachments(const DocumentWindows::Request& request);
    // What showing does before the window comes up (tests call it alone).
    void FormShow(const DocumentWindows::Request& request);

    // --- Reactions (the controls call them; tests too) -------------------------------
    // The user chose a hearing type / order type.
    void hearingTypeChosen(int index);
    void orderTypeChosen(int index);
    // The template picker of the order's subtitle: 0 "Treść 1", 1 "Treść 2".
    void podTytulChosen(int index);
    // A person of the employee register chosen in the person list (IDOSOBY): the
    // heard person and the employment copied; the person already linked is not.
    void personChosen(int personId);
    // The person list, filtered by the surname prefix when the filter is on.
    void fillPersons();
    // The position chooser beside "Zatrudniony w :" and "Stanowisko :".
    void choosePosition();
    void KopiujZespolClick();
    // Double clicks: the heard person's link (e9Pesel), the position, the occupation.
    void clearPerson();
    void clearPosition();
    void clearOccupation();
    // A window shown without being modal closes when the main window returns to its
    // list or loads another record (nothing is saved: it is read-only).
    void closeModeless();
    void followMainRecord();

    // --- State ---------------------------------------------------------------------
    bool onListPage() const { return m_onListPage; }
    bool warningBlinking() const;
    QTabWidget* hearingPages() const { return m_hearingPages; }
    QTabWidget* orderPages() const { return m_orderPages; }
    RadioGroup* hearingType() const { return m_hearingType; }
    RadioGroup* orderType() const { return m_orderType; }

    // The tab of the external documents: what showing loads, what entering the tab
    // does, and what "Zapisz" runs after the attachments were saved (false when it
    // failed: the window then stays open). The external documents' part of the
    // program installs them.
    static void setExternalDocuments(std::function<void(TZalacznikiForm&)> shown,
                                     std::function<void(TZalacznikiForm&)> entered,
                                     std::function<bool(TZalacznikiForm&)> save);

    // The window's caption for its document (the caption rules of showing).
    QString documentCaption() const;
    // Whether they are of an injured person of an accident at work (not of a
    // commuting accident).
    bool workAccident() const { return m_record.reg != Register::Commuting; }

protected:
    void fieldsLoaded(int kind) override;
    void tabShown(int tab) override;
    bool saveMore() override;
    void finished() override;

private:
    void buildOwn(QWidget* page);
    void buildHearing(QWidget* page);
    void buildOrder(QWidget* page);
    void lookUpPesel();
    void fillTeamLists();

    QTabWidget* m_hearingPages = nullptr;
    QTabWidget* m_orderPages = nullptr;
    RadioGroup* m_hearingType = nullptr;
    RadioGroup* m_orderType = nullptr;
    QComboBox* m_podTytul = nullptr;
    QComboBox* m_provinces = nullptr;
    PageDictionaries* m_dictionaries = nullptr;
    std::array<MemberPicker*, 3> m_team{};  // the hearing's authors from the post-accident team
    QLabel* m_warning = nullptr;
    QTimer* m_blink = nullptr;
    bool m_followsMain = false;
};

// The attachments window of the run (created on first use).
TZalacznikiForm& attachmentsWindow();
// Registers the window with the document-window factory.
void registerAttachmentWindows();

} // namespace zort
