// The help pages against the sources: every help context a window carries has its
// page in help/, the pages link only to what exists, and the table of contents
// reaches every page.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

// The repository root: the test data folder lies directly under it.
QString repositoryRoot() { return QDir::cleanPath(qEnvironmentVariable("ZORT_TEST_DATA") + QStringLiteral("/..")); }

QString helpDir() { return repositoryRoot() + QStringLiteral("/help"); }

QString readText(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return QString();
    return QString::fromUtf8(f.readAll());
}

// A source line without its string and character literals and its comments (a line
// that continues a block comment starts with "*").
QString codeOf(QString line) {
    static const QRegularExpression literals(QStringLiteral(R"("(?:[^"\\]|\\.)*"|'(?:[^'\\]|\\.)*')"));
    if (line.trimmed().startsWith(QLatin1Char('*'))) return QString();
    line.replace(literals, QStringLiteral("\"\""));
    for (const QString& opener : {QStringLiteral("//"), QStringLiteral("/*")}) {
        const qsizetype comment = line.indexOf(opener);
        if (comment >= 0) line.truncate(comment);
    }
    return line;
}

// Contexts whose number is computed, not written on a line that names the help:
// the commuting person's pages choose between two numbers in a function of their
// own, and the pages of a hearing and of an order are the first page's number plus
// 100 per page.
const int kComputedContexts[] = {43100, 43200, 52200, 52300, 53200, 53300};

// The help contexts of the sources: every number of four or five digits on a code
// line that names the help (a help constant, the help context property, a
// Help::show call, a table of page contexts). The help machinery itself (files
// named Help*) opens pages and carries no context of its own.
QSet<int> sourceContexts() {
    static const QRegularExpression number(QStringLiteral(R"((?<![\w.])(\d{4,5})(?![\w.]))"));
    QSet<int> contexts;
    QDirIterator it(repositoryRoot() + QStringLiteral("/src"), {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (QFileInfo(path).fileName().startsWith(QStringLiteral("Help"))) continue;
        for (const QString& line : readText(path).split(QLatin1Char('\n'))) {
            const QString code = codeOf(line);
            if (!code.contains(QStringLiteral("help"), Qt::CaseInsensitive)) continue;
            for (auto m = number.globalMatch(code); m.hasNext();) contexts.insert(m.next().captured(1).toInt());
        }
    }
    for (int c : kComputedContexts) contexts.insert(c);
    return contexts;
}

QStringList pageNames() { return QDir(helpDir()).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name); }

// The targets of a page's links and embedded files, as written.
QStringList linksOf(const QString& html) {
    static const QRegularExpression link(QStringLiteral(R"#(\b(?:href|src)\s*=\s*"([^"]*)")#"),
                                         QRegularExpression::CaseInsensitiveOption);
    QStringList links;
    for (auto m = link.globalMatch(html); m.hasNext();) links << m.next().captured(1);
    return links;
}

TEST(HelpPages, EveryContextOfTheWindowsHasAPage) {
    ASSERT_TRUE(QFileInfo(helpDir()).isDir()) << helpDir().toStdString();
    const QSet<int> contexts = sourceContexts();
    // The windows' contexts are found at all: the main window's, the login's, a
    // page's of the register, a print selection's.
    for (int known : {10000, 1000, 31310, 61100}) EXPECT_TRUE(contexts.contains(known)) << known;
    for (int context : contexts)
        EXPECT_TRUE(QFileInfo(QStringLiteral("%1/%2.html").arg(helpDir()).arg(context)).isFile())
            << "no help page for context " << context;
}

TEST(HelpPages, PagesAreTitledUtf8WithoutScripts) {
    static const QRegularExpression title(QStringLiteral(R"(<title>\s*([^<]*\S)\s*</title>)"),
                                          QRegularExpression::CaseInsensitiveOption);
    const QStringList pages = pageNames();
    ASSERT_GT(pages.size(), 1);
    for (const QString& page : pages) {
        QFile f(helpDir() + QLatin1Char('/') + page);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << page.toStdString();
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString html = utf8(f.readAll());
        EXPECT_FALSE(utf8.hasError()) << page.toStdString() << ": not UTF-8";
        EXPECT_TRUE(title.match(html).hasMatch()) << page.toStdString() << ": no title";
        EXPECT_FALSE(html.contains(QStringLiteral("<script"), Qt::CaseInsensitive)) << page.toStdString();
    }
}

TEST(HelpPages, EveryLinkOfEveryPageResolves) {
    const QDir dir(helpDir());
    for (const QString& page : pageNames()) {
        for (const QString& target : linksOf(readText(dir.filePath(page)))) {
            const QUrl url(target);
            // The help is read without a network: no page leads out of the folder.
            EXPECT_TRUE(url.scheme().isEmpty() && !target.startsWith(QLatin1Char('/')) && !target.contains(QStringLiteral("..")))
                << page.toStdString() << " links outside the help: " << target.toStdString();
            const QString file = url.path().isEmpty() ? page : url.path();
            if (!QFileInfo(dir.filePath(file)).isFile()) {
                ADD_FAILURE() << page.toStdString() << " links to a missing file: " << target.toStdString();
                continue;
            }
            if (url.hasFragment()) {
                const QString anchor = QRegularExpression::escape(url.fragment());
                const QRegularExpression named(QStringLiteral(R"(\b(?:id|name)\s*=\s*"%1")").arg(anchor));
                EXPECT_TRUE(named.match(readText(dir.filePath(file))).hasMatch())
                    << page.toStdString() << " links to a missing anchor: " << target.toStdString();
            }
        }
    }
}

TEST(HelpPages, TheIndexListsEveryPage) {
    const QString index = readText(helpDir() + QStringLiteral("/index.html"));
    ASSERT_FALSE(index.isEmpty());
    QSet<QString> listed;
    for (const QString& target : linksOf(index)) listed.insert(QUrl(target).path());
    for (const QString& page : pageNames())
        if (page != QStringLiteral("index.html"))
            EXPECT_TRUE(listed.contains(page)) << "the index does not list " << page.toStdString();
}

} // namespace
