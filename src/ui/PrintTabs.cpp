#include "ui/PrintTabs.h"

#include <QHash>
#include <utility>

namespace zort {
namespace {

QHash<QString, PrintTabs::Factory>& factories() {
    static QHash<QString, PrintTabs::Factory> f;
    return f;
}

QString key(const QString& windowClass, int tab) { return windowClass + QLatin1Char('#') + QString::number(tab); }

} // namespace

void PrintTabs::add(const QString& windowClass, int tab, Factory factory) {
    factories().insert(key(windowClass, tab), std::move(factory));
}

void PrintTabs::remove(const QString& windowClass, int tab) { factories().remove(key(windowClass, tab)); }

std::unique_ptr<PrintTab> PrintTabs::make(const QString& windowClass, int tab) {
    const auto it = factories().constFind(key(windowClass, tab));
    if (it == factories().constEnd() || !*it) return nullptr;
    return (*it)();
}

} // namespace zort
