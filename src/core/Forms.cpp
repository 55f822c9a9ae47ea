#include "core/Forms.h"

#include <QPointer>
#include <QWidget>

namespace zort {
namespace {
struct Entry {
    QString name;
    QPointer<QObject> form;
};
std::vector<Entry>& registry() {
    static std::vector<Entry> r;
    return r;
}
} // namespace

QObject* Forms::get(const QString& name) {
    for (const Entry& e : registry())
        if (e.name == name) return e.form.data();
    return nullptr;
}

QObject* Forms::getOrCreate(const QString& name, const std::function<QObject*()>& factory) {
    if (QObject* f = get(name)) return f;
    return create(name, factory);
}

QObject* Forms::create(const QString& name, const std::function<QObject*()>& factory) {
    QObject* f = factory();
    if (f && f->objectName().isEmpty()) f->setObjectName(name.mid(1));
    add(name, f);
    return f;
}

void Forms::add(const QString& name, QObject* form) {
    for (Entry& e : registry()) {
        if (e.name == name) {
            e.form = form;
            return;
        }
    }
    registry().push_back(Entry{name, form});
}

void Forms::destroyAll() {
    auto& r = registry();
    while (!r.empty()) {
        QPointer<QObject> f = r.back().form;
        r.pop_back();
        delete f.data();
    }
}

QStringList Forms::names() {
    QStringList out;
    for (const Entry& e : registry()) out << e.name;
    return out;
}

} // namespace zort
