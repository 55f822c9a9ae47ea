#pragma once
#include "attachments/AttachmentBook.h"
#include "domain/PersonCopy.h"
#include "domain/RecordRef.h"
#include "ui/DocumentWindows.h"

#include <QColor>
#include <QDialog>
#include <QHash>
#include <QSet>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

class QCheckBox;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTableView;
class QToolButton;

namespace zort {

class FieldBinder;
class PageBuilder;
class RadioGroup;

// The frame of an attachments window: one tab per kind of attachment with the list
// "Nr Zał." on its left and the detail area beside it (shown only while the list has
// rows, otherwise the hint), the bottom panel of commands ("Załącznik" to add and to
// delete, "Zapisz", "Podgląd", "Drukuj", "drukuj puste formularze", "Zamknij"), the
// binding of the fields by their names to the kinds' rows, and the helpers of the
// fields (calendar, date check, person list with its filter, position chooser,
// province list). The rules of the lists are the attachment book's; a window declares
// its kinds, builds its pages and says what differs through the hooks below.
class TZalacznikiBase : public QDialog {
    Q_OBJECT
public:
    ~TZalacznikiBase() override;

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

    // Moves a kind's list to a row as a click in its grid does.
    bool moveTo(int kind, int row);
    // The calendar of a date field; the check of a date field on leaving it.
    void chooseDate(const QString& fieldName);
    bool leaveDate(QLineEdit* field);

    // Closing in any way (title bar, Esc) closes the lists without saving.
    void reject() override;

    // --- State ---------------------------------------------------------------------
    AttachmentBook* book() const { return m_book.get(); }
    bool editable() const { return m_editable; }
    int helpContext() const { return m_helpContext; }
    QTabWidget* tabs() const { return m_tabs; }
    QTableView* grid(int kind) const { return m_grid[size_t(kind)]; }
    // Whether a kind's detail area is shown (its list has rows).
    bool detailShown(int kind) const;
    QPushButton* button(const QString& name) const;
    QLineEdit* edit(const QString& name) const;
    const FieldBinder& binder() const { return *m_binder; }
    // The record whose attachments the window shows.
    const RecordRef& record() const { return m_record; }

protected:
    TZalacznikiBase(const QString& name, const QString& caption, std::vector<AttachmentKind> kinds,
                    QWidget* parent = nullptr);

    // --- Building (the window's constructor, in this order) ---------------------------
    // The tabs ("pcZalaczniki"), one page per name; the kinds' tabs come first.
    void buildTabs(const QStringList& pageNames, const QStringList& captions);
    // The list of a kind on the left of its tab's page, the hint and the detail area.
    void buildListSide(int kind, const char* gridName, QWidget* detail);
    // The page control of a kind's detail area (shown on its page `pageAfterAdd` after
    // adding).
    void setKindPages(int kind, QTabWidget* pages) { m_kindPages[size_t(kind)] = pages; }
    // The radio group of a typed kind's TYP.
    void setTypeGroup(int kind, RadioGroup* group) { m_typeGroup[size_t(kind)] = group; }
    // The bottom panel.
    void buildPanel();
    QHBoxLayout* panel() const { return m_panel; }
    // The binding of the kinds' fields: `targets` names each kind's rows.
    void bindControls(const QStringList& targets);
    // Tab captions centred on a colour of their own.
    void colourTabs(const QList<QTabWidget*>& tabs, const QColor& colour);

    // Helpers of the pages.
    // A date field with its calendar button beside it, checked on leaving.
    QLineEdit* dateField(PageBuilder& b, const QString& name, const QString& caption, const QString& button);
    // The person list with its filter (a check box, the surname field, "Ustaw").
    QComboBox* personList(PageBuilder& b, QWidget* page, const QString& combo, const QString& caption,
                          const QString& filterOn, const QString& filterText, const QString& filterSet);
    // The province list beside a field; choosing one writes it into the field.
    QComboBox* provinceList(PageBuilder& b, QLineEdit* field, const QString& name, int kind);
    // The heard person's names, birth and address (prefix "ep", "ef", ...), in screen
    // order under the address caption; the province list beside its field is returned.
    struct PersonAddressNames {
        QString prefix;           // of the fields: prefix + "Nazwisko", ...
        QString birthDateButton;  // the calendar button of the date of birth
        QString addressCaption;   // "Adres zamieszkania :", "Miejsce zameldowania :"
        QString provinceList;     // the province list's name
    };
    QComboBox* personAddressFields(PageBuilder& b, const PersonAddressNames& names, int kind);
    // Positions the province list on the field's text.
    void showProvince(QComboBox* list, const QLineEdit* field);
    // A code field emptied (with others) by a double click or by Delete.
    void clearsBy(QWidget* field, std::function<void()> action);
    // Hidden fields of the program.
    QLineEdit* hiddenField(QWidget* page, const char* name);
    // The column width of a field the program fills.
    QLineEdit* widthed(QLineEdit* e, int width);

    // The fields of a position that the chooser fills.
    struct PositionFields {
        QString code, id, name, unit;
        int kind = 0;
    };
    void choosePosition(const PositionFields& fields);
    // Copies a person of the employee register into the fields of `map` (with the
    // employment, chosen in TDanPoszkodForm when there are several); false when the
    // person could not be read or `copies` refused it.
    bool copyRegisterPerson(int personId, const CopyMap& map, int kind,
                            const std::function<bool(const RegisterPerson&)>& copies = {});

    // --- What the window does around the frame -----------------------------------------
    // The owner, editability and read-only rules of showing: every edit and memo
    // read-only unless editable (`alwaysReadOnly` always), every tool button, combo
    // box and radio group enabled only if editable; then the lists opened.
    void openBook(const DocumentWindows::Request& request, bool editable, const AttachmentOwner& owner,
                  const QStringList& alwaysReadOnly);
    // After a kind's controls were loaded (the lists and mirrors follow them).
    virtual void fieldsLoaded(int kind) { Q_UNUSED(kind); }
    // The buttons of the panel for the tab shown.
    virtual void applyButtonRules();
    // The tab (or a page of it) changed: the help context.
    virtual void tabShown(int tab);
    // What "Zapisz" writes after the attachments (false: the window stays open).
    virtual bool saveMore() { return true; }
    // Whether "Podgląd" and "Drukuj" need the main window on its list page.
    bool m_printFromListOnly = true;

    void showDetail(int kind);
    int kindOfTab(int tab) const { return tab >= 0 && tab < int(m_kinds.size()) ? tab : -1; }
    AttachmentBook::Pending collect(int kind);
    void setField(const QString& name, const QString& value);
    void markTouched(int kind);
    // "Zły format daty." and the focus in the field the book refused.
    void reportBadDate(const AttachmentBook::BadDate& bad);
    void reportFailures();
    QWidget* boundControl(int kind, const QString& column) const;
    // The one hand-over of the current attachment to printing.
    void printCurrent(bool preview);
    void finish();
    virtual void finished() {}

    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    std::unique_ptr<AttachmentBook> m_book;
    std::unique_ptr<FieldBinder> m_binder;
    std::vector<AttachmentKind> m_kinds;
    QStringList m_targets;
    QTabWidget* m_tabs = nullptr;
    std::vector<QTableView*> m_grid;
    std::vector<QWidget*> m_detail;
    std::vector<QLabel*> m_hint;
    std::vector<QTabWidget*> m_kindPages;
    std::vector<RadioGroup*> m_typeGroup;
    std::vector<bool> m_touched;
    QHBoxLayout* m_panel = nullptr;
    QCheckBox* m_blank = nullptr;
    QHash<QString, int> m_width;  // the column width of every field the program fills
    QSet<QLineEdit*> m_dateFields;  // checked on leaving them
    bool m_editable = false;
    bool m_onListPage = true;
    RecordRef m_record;
    bool m_loading = false;
    int m_helpContext = 0;

private:
    void ensureBook();
    int kindOfTarget(const QString& target) const { return int(m_targets.indexOf(target)); }
};

} // namespace zort
