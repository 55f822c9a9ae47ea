#include "printing/ReportForms.h"

#include "core/UserInterface.h"
#include "printing/DocumentReport.h"

#include <QHash>
#include <map>

namespace zort::print {
namespace {

struct Entry {
    ReportForms::Factory factory;
    ReportForms::Record record = ReportForms::Record::InjuredPerson;
    std::unique_ptr<DocumentReport> form;
};

std::map<QString, Entry>& entries() {
    static std::map<QString, Entry> e;
    return e;
}

} // namespace

void ReportForms::add(const QString& className, Factory factory, Record record) {
    Entry& e = entries()[className];
    e.factory = std::move(factory);
    e.record = record;
    e.form.reset();
}

bool ReportForms::exists(const QString& className) { return entries().count(className) > 0; }

void ReportForms::remove(const QString& className) { entries().erase(className); }

ReportForms::Factory ReportForms::factoryOf(const QString& className) {
    const auto it = entries().find(className);
    return it == entries().end() ? Factory() : it->second.factory;
}

ReportForms::Record ReportForms::record(const QString& className) {
    const auto it = entries().find(className);
    return it == entries().end() ? Record::InjuredPerson : it->second.record;
}

QString ReportForms::recordName(Record record) {
    switch (record) {
    case Record::InjuredPerson: return QStringLiteral("poszkodowany");
    case Record::Entry: return QStringLiteral("wpis");
    case Record::StructureElement: return QStringLiteral("element struktury");
    case Record::Officer: return QStringLiteral("funkcjonariusz");
    case Record::RegisterYear: return QStringLiteral("rok rejestru");
    }
    return QString();
}

DocumentReport* ReportForms::form(const QString& className) {
    const auto it = entries().find(className);
    if (it == entries().end()) return nullptr;
    Entry& e = it->second;
    if (!e.form && e.factory) e.form = e.factory();
    return e.form.get();
}

DocumentReport* ReportForms::formOrReport(const QString& className, QWidget* parent) {
    DocumentReport* f = form(className);
    if (!f) showError(missingMessage(className), parent);
    return f;
}

QString ReportForms::missingMessage(const QString& className) {
    return QStringLiteral("Wydruk \"%1\" nie jest dostępny w tej wersji programu.").arg(className);
}

QStringList ReportForms::names() {
    QStringList n;
    for (const auto& [name, e] : entries()) n << name;
    return n;
}

void ReportForms::reset() {
    for (auto& [name, e] : entries()) e.form.reset();
}

} // namespace zort::print
