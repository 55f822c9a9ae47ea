#include "ui/HelpWindow.h"

#include "ui/WindowLayout.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace zort {
namespace {

// Lower case without diacritics: "Łódź" finds "lodz" and the other way round.
QString folded(const QString& text) {
    QString out;
    const QString decomposed = text.toLower().normalized(QString::NormalizationForm_D);
    out.reserve(decomposed.size());
    for (QChar c : decomposed) {
        if (c.category() == QChar::Mark_NonSpacing) continue;
        out += c == QChar(0x0142) ? QChar(u'l') : c;
    }
    return out;
}

QString readPage(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return QString();
    return QString::fromUtf8(f.readAll());
}

QString titleIn(const QString& html) {
    static const QRegularExpression re(QStringLiteral("<title[^>]*>(.*?)</title>"),
                                       QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch m = re.match(html);
    return m.hasMatch() ? QTextDocumentFragment::fromHtml(m.captured(1)).toPlainText().simplified() : QString();
}

QToolButton* toolButton(const QString& text, const QString& name, QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setText(text);
    b->setObjectName(name);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return b;
}

} // namespace

TfrmHTMLHelp::TfrmHTMLHelp(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmHTMLHelp"));
    setWindowTitle(QStringLiteral("Pomoc"));
    resize(960, 680);

    m_back = toolButton(QStringLiteral("Wstecz"), QStringLiteral("bWstecz"), this);
    m_forward = toolButton(QStringLiteral("Dalej"), QStringLiteral("bDalej"), this);
    QToolButton* home = toolButton(QStringLiteral("Spis treści"), QStringLiteral("bSpisTresci"), this);
    m_back->setShortcut(QKeySequence::Back);
    m_forward->setShortcut(QKeySequence::Forward);
    m_back->setEnabled(false);
    m_forward->setEnabled(false);

    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("eSzukaj"));
    m_search->setPlaceholderText(QStringLiteral("Szukaj w pomocy"));
    m_search->setClearButtonEnabled(true);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("lbStrony"));
    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("HelpBrowser"));
    m_browser->setOpenLinks(false);

    auto* side = new QWidget(this);
    auto* sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    auto* searchLabel = new QLabel(QStringLiteral("Szukaj:"), side);
    searchLabel->setBuddy(m_search);
    sideLayout->addWidget(searchLabel);
    sideLayout->addWidget(m_search);
    sideLayout->addWidget(m_list, 1);

    auto* splitter = new QSplitter(this);
    splitter->setObjectName(QStringLiteral("spPomoc"));
    splitter->addWidget(side);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({250, 710});

    auto* bar = new QHBoxLayout;
    bar->addWidget(m_back);
    bar->addWidget(m_forward);
    bar->addWidget(home);
    bar->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(splitter, 1);

    connect(m_back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
    connect(home, &QToolButton::clicked, this, [this]() { showPage(indexPage()); });
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QWidget::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QWidget::setEnabled);
    // The browser tells the new source before its history has it (source() is late).
    connect(m_browser, &QTextBrowser::sourceChanged, this,
            [this](const QUrl& url) { updateCaption(QFileInfo(url.toLocalFile()).fileName()); });
    connect(m_browser, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
        // Pages of the folder open here; anything else (a web address) on the desktop.
        if (url.isRelative() || url.isLocalFile())
            m_browser->setSource(m_browser->source().resolved(url));
        else
            QDesktopServices::openUrl(url);
    });
    connect(m_search, &QLineEdit::textChanged, this, [this]() { fillList(); });
    connect(m_search, &QLineEdit::returnPressed, this, [this]() {
        if (m_list->count() > 0) m_list->setCurrentRow(0);
    });
    connect(m_list, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (!item) return;
        showPage(item->data(Qt::UserRole).toString());
        // A page found by the search shows its first match.
        const QStringList words = m_search->text().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (!words.isEmpty()) m_browser->find(words.first());
    });

    WindowLayout::track(this);
}

void TfrmHTMLHelp::setFolder(const QString& folder) {
    if (folder == m_folder) return;
    m_folder = folder;
    m_loaded = false;
    m_pages.clear();
    m_browser->setSearchPaths({folder});
    // The pages' shared style sheet, also for pages that do not link it.
    QFile css(QDir(folder).filePath(QStringLiteral("style.css")));
    m_browser->document()->setDefaultStyleSheet(css.open(QIODevice::ReadOnly) ? QString::fromUtf8(css.readAll()) : QString());
    m_browser->clearHistory();
    fillList();
}

bool TfrmHTMLHelp::showPage(const QString& fileName) {
    const QString file = fileName.section(QLatin1Char('#'), 0, 0);
    if (m_folder.isEmpty() || !QFileInfo(QDir(m_folder).filePath(file)).isFile()) return false;
    QUrl url = QUrl::fromLocalFile(QDir(m_folder).filePath(file));
    if (fileName.contains(QLatin1Char('#'))) url.setFragment(fileName.section(QLatin1Char('#'), 1));
    if (m_browser->source() == url) {
        updateCaption(file);
        return true;
    }
    m_browser->setSource(url);
    return true;
}

QString TfrmHTMLHelp::currentPage() const { return QFileInfo(m_browser->source().toLocalFile()).fileName(); }

QString TfrmHTMLHelp::pageTitle() const { return m_browser->documentTitle(); }

void TfrmHTMLHelp::updateCaption(const QString& page) {
    const QString title = pageTitle();
    setWindowTitle(title.isEmpty() ? QStringLiteral("Pomoc") : QStringLiteral("Pomoc - ") + title);
    // The contents follow the page shown while no search is typed.
    if (!m_search->text().trimmed().isEmpty()) return;
    for (int i = 0; i < m_list->count(); ++i)
        if (m_list->item(i)->data(Qt::UserRole).toString() == page) {
            QSignalBlocker block(m_list);
            m_list->setCurrentRow(i);
            return;
        }
}

void TfrmHTMLHelp::load() {
    if (m_loaded) return;
    m_loaded = true;
    m_pages.clear();
    if (m_folder.isEmpty()) return;
    const QDir dir(m_folder);
    QStringList order;
    // The table of contents first, in the order of its links.
    static const QRegularExpression link(QStringLiteral("href\\s*=\\s*\"([^\"#:]+\\.html)"), QRegularExpression::CaseInsensitiveOption);
    for (auto it = link.globalMatch(readPage(dir.filePath(indexPage()))); it.hasNext();) {
        const QString f = QFileInfo(it.next().captured(1)).fileName();
        if (!order.contains(f) && dir.exists(f)) order << f;
    }
    QStringList rest = dir.entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
    rest.removeAll(indexPage());
    for (const QString& f : rest)
        if (!order.contains(f)) order << f;
    for (const QString& f : order) {
        const QString html = readPage(dir.filePath(f));
        const QString title = titleIn(html);
        m_pages.append({f, title.isEmpty() ? f : title, folded(title + QLatin1Char('\n') + QTextDocumentFragment::fromHtml(html).toPlainText())});
    }
}

QStringList TfrmHTMLHelp::contents() {
    load();
    QStringList out;
    for (const Entry& e : m_pages) out << e.file;
    return out;
}

QStringList TfrmHTMLHelp::search(const QString& text) {
    load();
    const QStringList words = folded(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QStringList out;
    for (const Entry& e : m_pages) {
        bool all = !words.isEmpty();
        for (const QString& w : words) all = all && e.text.contains(w);
        if (all) out << e.file;
    }
    return out;
}

QString TfrmHTMLHelp::titleOf(const QString& file) {
    for (const Entry& e : m_pages)
        if (e.file == file) return e.title;
    return file;
}

void TfrmHTMLHelp::fillList() {
    QSignalBlocker block(m_list);
    m_list->clear();
    const QString text = m_search->text().trimmed();
    const QStringList files = text.isEmpty() ? contents() : search(text);
    for (const QString& f : files) {
        auto* item = new QListWidgetItem(titleOf(f), m_list);
        item->setData(Qt::UserRole, f);
    }
    if (!text.isEmpty() && files.isEmpty()) {
        auto* none = new QListWidgetItem(QStringLiteral("Nie znaleziono: ") + text, m_list);
        none->setFlags(Qt::NoItemFlags);
    }
}

} // namespace zort
