#pragma once
#include "attachments/ExternalDocuments.h"

#include <QWidget>
#include <memory>

class QListWidget;
class QToolButton;

namespace zort {

class TZalacznikiForm;

// The tab "Dokumenty zewnętrzne" of the attachments window: the list lbDokum of the
// record's outside files and its buttons bbDodDok, bbPodglDok and bbUsunDok. The
// rules are ExternalDocuments'; the tab shows their list.
class ExternalDocumentsTab : public QWidget {
    Q_OBJECT
public:
    explicit ExternalDocumentsTab(QWidget* page);

    // The tab of the window (made on first use).
    static ExternalDocumentsTab& of(TZalacznikiForm& window);

    // Showing the window: the record's list loaded.
    void shown(TZalacznikiForm& window);
    // Entering the tab: the documents folder looked up.
    void entered();
    // "Zapisz" of the window: the list written; false when the database refused.
    bool save();

    // The buttons (they call these; tests too).
    void bbDodDokClick();
    void bbPodglDokClick();
    void bbUsunDokClick();

    ExternalDocuments* documents() const { return m_docs.get(); }
    QListWidget* list() const { return m_list; }
    QToolButton* button(const QString& name) const;
    // The width the list scrolls sideways over: the widest name plus the margins.
    int scrollWidth() const { return m_scrollWidth; }

private:
    void refresh();
    void selectionMoved();

    std::unique_ptr<ExternalDocuments> m_docs;
    QListWidget* m_list = nullptr;
    QToolButton* m_add = nullptr;
    QToolButton* m_open = nullptr;
    QToolButton* m_remove = nullptr;
    int m_scrollWidth = 0;
};

// Installs the tab into the attachments window's seam.
void installExternalDocuments();

} // namespace zort
