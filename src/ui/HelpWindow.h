#pragma once
#include <QList>
#include <QString>
#include <QWidget>

class QLineEdit;
class QListWidget;
class QTextBrowser;
class QToolButton;

namespace zort {

// The help window: the pages of the help folder in a browser with "Wstecz",
// "Dalej" and "Spis treści", the contents (the pages as the table of contents
// lists them) and a search over every page's text beside it. Links between pages
// are followed inside the window. The window keeps its placement (WindowLayout).
class TfrmHTMLHelp : public QWidget {
    Q_OBJECT
public:
    explicit TfrmHTMLHelp(QWidget* parent = nullptr);

    static QString indexPage() { return QStringLiteral("index.html"); }

    // The folder of the pages; a new folder drops the contents and the search index.
    void setFolder(const QString& folder);
    const QString& folder() const { return m_folder; }
    // Shows a page of the folder by its file name (a "#anchor" may follow).
    bool showPage(const QString& fileName);
    // The file name of the page shown and its title.
    QString currentPage() const;
    QString pageTitle() const;

    // The pages whose title or text hold every word of the text (case and Polish
    // letters aside), by file name, in the order of the contents.
    QStringList search(const QString& text);
    // The pages as the contents list them: file names in the order of the links of
    // the table of contents, then the pages it does not link.
    QStringList contents();

    QTextBrowser* browser() const { return m_browser; }
    QLineEdit* searchEdit() const { return m_search; }
    QListWidget* list() const { return m_list; }

private:
    struct Entry {
        QString file;
        QString title;
        QString text;  // folded for the search
    };
    void load();
    void fillList();
    void updateCaption(const QString& page);
    QString titleOf(const QString& file);

    QString m_folder;
    bool m_loaded = false;
    QList<Entry> m_pages;
    QTextBrowser* m_browser = nullptr;
    QLineEdit* m_search = nullptr;
    QListWidget* m_list = nullptr;
    QToolButton* m_back = nullptr;
    QToolButton* m_forward = nullptr;
};

} // namespace zort
