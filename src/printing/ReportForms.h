#pragma once
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QWidget;

namespace zort::print {

class DocumentReport;

// The report forms of the program, reached by their class name ("TRejWypRep1Form_1").
// A form is created on first use and kept until the program ends (or reset());
// a form this build does not have is reported missing, as a missing window is, and
// nothing prints.
class ReportForms {
public:
    // What the id of a printout names: the injured person (the forms of
    // ReportDatasets.h), the entry the form prints (later documents), or the element
    // of the organisation structure a summary is made for.
    // The forms of the accidents in service print an officer (protocol, record
    // card) or the register of a year.
    enum class Record { InjuredPerson, Entry, StructureElement, Officer, RegisterYear };
    static QString recordName(Record record);
    using Factory = std::function<std::unique_ptr<DocumentReport>()>;

    static void add(const QString& className, Factory factory, Record record = Record::InjuredPerson);
    static bool exists(const QString& className);
    // Takes a form out of the registry (tests); factoryOf gives the factory to put
    // back (empty when there is none).
    static void remove(const QString& className);
    static Factory factoryOf(const QString& className);
    static Record record(const QString& className);
    // The form, created on first use; nullptr when there is no such form.
    static DocumentReport* form(const QString& className);
    // The same; a missing form is reported (missingMessage) and gives nullptr.
    static DocumentReport* formOrReport(const QString& className, QWidget* parent = nullptr);
    static QString missingMessage(const QString& className);
    // The names of the forms this build has, sorted.
    static QStringList names();
    // Drops the created forms (a new data module, tests); the factories stay.
    static void reset();
};

// Adds a form class to the registry under its name.
template <class Form>
void addForm(const char* className, ReportForms::Record record = ReportForms::Record::InjuredPerson) {
    ReportForms::add(QString::fromLatin1(className), [] { return std::make_unique<Form>(); }, record);
}

// Adds every document form of the program to the registry (once; later calls do
// nothing). Called at start-up and by the tools.
void registerReportForms();

} // namespace zort::print
