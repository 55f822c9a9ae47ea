#include "PrintingSupport.h"

#include <QFile>

namespace zort::test {
using namespace zort::print;

std::unique_ptr<Report> numberedReport(int rows, Orientation o, Paper paper) {
    auto r = std::make_unique<Report>(QStringLiteral("numbered"));
    r->page.orientation = o;
    r->page.paper = paper;
    r->addBand(BandType::Title, mm(12)).label(0, 0, QStringLiteral("ZESTAWIENIE PRÓBNE"), FontSpec("Arial", 14, true));
    Band& d = r->addBand(BandType::Detail, mm(6));
    d.text({0, 0, mm(100), mm(6)}, [](const PrintContext& c) { return QStringLiteral("Wiersz %1").arg(c.field("N").asInt()); });
    d.hline(0, mm(5.5), mm(150), 0.5);
    Band& f = r->addBand(BandType::PageFooter, mm(8));
    f.pageNumber({0, mm(2), mm(60), mm(5)}, QStringLiteral("Strona "), true);
    r->setDataSource(std::make_shared<FunctionSource>(rows, [](int row, const QString&) { return QVariant(row + 1); }));
    return r;
}

std::unique_ptr<Report> pagesReport(int n, Orientation o, Paper paper) {
    auto r = std::make_unique<Report>(QStringLiteral("pages"));
    r->page.orientation = o;
    r->page.paper = paper;
    Band& d = r->addBand(BandType::Detail, mm(20));
    d.forceNewPage = true;
    d.text({0, 0, mm(150), mm(10)}, [](const PrintContext& c) { return QStringLiteral("Strona próbna %1 — zażółć gęślą jaźń").arg(c.record()); },
           FontSpec("Arial", 16, true));
    d.rect({0, mm(12), mm(150), mm(6)}, 1).setFill(QColor(200, 40, 40));
    r->setDataSource(std::make_shared<FunctionSource>(n, [](int row, const QString&) { return QVariant(row); }));
    return r;
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int runTool(const QString& program, const QStringList& args, QString* output) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    if (!p.waitForFinished(60000)) return -1;
    if (output) *output = QString::fromLocal8Bit(p.readAll());
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

} // namespace zort::test
