#pragma once
#include "ui/DocumentWindows.h"
#include "attachments/AttachmentBook.h"

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
class TZalacznikiForm : public QDialog {
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
    // Loads the controls of a kind from its list's current row.
    void LoadAttachmentFields(int kind);

    // --- Commands ------------------------------------------------------------------
    void DodZalBtnClick();
    void KasZalBtnClick();
    // False when a date was refused or a statement failed (the message shown).
    bool ZapiszBtnClick();
    void ZamknijBtnClick();
    void PreviewBtnClick();
    void DrukBtnClick();

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
    void provinceChosen(int index);
    // Double clicks: the heard person's link (e9Pesel), the position, the occupation.
    void clearPerson();
    void clearPosition();
    void clearOccupation();
    // The calendar of a date field; the check of a date field on leaving it.
    void chooseDate(const QString& fieldName);
    bool leaveDate(QLineEdit* field);
    // Moves a kind's list to a row as a click in its grid does.
    bool moveTo(int kind, int row);
    // A window shown without being modal closes when the main window returns to its
    // list or loads another record (nothing is saved: it is read-only).
    void closeModeless();
    void followMainRecord();

    // Closing in any way (title bar, Esc) closes the lists without saving.
    void reject() override;

    // --- State ---------------------------------------------------------------------
    AttachmentBook* book() const { return m_book.get(); }
    bool editable() const { return m_editable; }
    bool onListPage() const { return m_onListPage; }
    int helpContext() const;
    bool warningBlinking() const;
    QTabWidget* tabs() const { return m_tabs; }
    QTabWidget* hearingPages() const { return m_hearingPages; }
    QTabWidget* orderPages() const { return m_orderPages; }
    QTableView* grid(int kind) const { return m_grid[size_t(kind)]; }
    // Whether a kind's detail area is shown (its list has rows).
    bool detailShown(int kind) const;
    QPushButton* button(const QString& name) const;
    QLineEdit* edit(const QString& name) const;
    RadioGroup* hearingType() const { return m_hearingType; }
    RadioGroup* orderType() const { return m_orderType; }
    const FieldBinder& binder() const { return *m_binder; }

    // The tab of the external documents: what showing loads, what entering the tab
    // does, and what "Zapisz" runs after the attachments were saved (false when it
    // failed: the window then stays open). The external documents' part of the
    // program installs them.
    static void setExternalDocuments(std::function<void(TZalacznikiForm&)> shown,
                                     std::function<void(TZalacznikiForm&)> entered,
                                     std::function<bool(TZalacznikiForm&)> save);

    // The window's caption for its document (the caption rules of showing).
    QString documentCaption() const;
    // The record whose attachments the window shows.
    const RecordRef& record() const { return m_record; }
    // Whether they are of an injured person of an accident at work (not of a
    // commuting accident).
    bool workAccident() const { return m_record.reg != Register::Commuting; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    void buildOwn(QWidget* page);
    void buildHearing(QWidget* page);
    void buildOrder(QWidget* page);
    QWidget* buildListSide(int kind, QWidget* page, QWidget* detail);
    void ensureBook();
    void tabChanged(int index);
    void applyButtonRules();
    void showDetail(int kind);
    AttachmentBook::Pending collect(int kind);
    void setField(const QString& name, const QString& value);
    void markTouched(int kind);
    // "Zły format daty." and the focus in the field the book refused.
    void reportBadDate(const AttachmentBook::BadDate& bad);
    void reportFailures();
    QWidget* boundControl(int kind, const QString& column) const;
    void lookUpPesel();
    void fillTeamLists();
    void finish();
    // "Podgląd" / "Drukuj" of the active tab's current entry.
    void printCurrent(bool preview);
    int kindOfTab(int tab) const { return tab >= 0 && tab < 3 ? tab : -1; }

    std::unique_ptr<AttachmentBook> m_book;
    std::unique_ptr<FieldBinder> m_binder;
    QTabWidget* m_tabs = nullptr;
    QTabWidget* m_hearingPages = nullptr;
    QTabWidget* m_orderPages = nullptr;
    std::array<QTableView*, 3> m_grid{};
    std::array<QWidget*, 3> m_detail{};
    std::array<QLabel*, 3> m_hint{};
    std::array<bool, 3> m_touched{};
    RadioGroup* m_hearingType = nullptr;
    RadioGroup* m_orderType = nullptr;
    QComboBox* m_podTytul = nullptr;
    QComboBox* m_provinces = nullptr;
    PageDictionaries* m_dictionaries = nullptr;
    std::array<MemberPicker*, 3> m_team{};  // the hearing's authors from the post-accident team
    QCheckBox* m_blank = nullptr;
    QLabel* m_warning = nullptr;
    QTimer* m_blink = nullptr;
    QHash<QString, int> m_width;  // the column width of every field the program fills
    bool m_editable = false;
    bool m_onListPage = true;
    RecordRef m_record;
    bool m_loading = false;
    int m_helpContext = 51000;
};

// The attachments window of the run (created on first use).
TZalacznikiForm& attachmentsWindow();
// Registers the window with the document-window factory.
void registerAttachmentWindows();

} // namespace zort
