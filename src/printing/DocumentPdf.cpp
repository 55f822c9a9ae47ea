#include "printing/DocumentPdf.h"

#include "core/Clock.h"
#include "core/Error.h"
#include "core/MyIniFile.h"
#include "core/WholeFile.h"
#include "domain/AttachmentReportDatasets.h"
#include "domain/CommutingReportDatasets.h"
#include "domain/DataModForm.h"
#include "domain/PoliceReportDatasets.h"
#include "domain/ReportDatasets.h"
#include "printing/CollectiveTab.h"
#include "printing/DocumentReport.h"
#include "printing/ReportForms.h"
#include "printing/StatisticsTab.h"
#include "printing/engine/ExportQR.h"

#include <QHash>
#include <QTemporaryDir>
#include <functional>
#include <memory>

namespace zort::print {
namespace {

const QString kGlobal = QStringLiteral("GLOBAL");

// The keys --set takes: the ones the configuration file keeps, and the occupation
// classification edition, which the settings read but never write.
QString settingKey(const QString& given) {
    QStringList known = AdmSettings::storedKeys();
    known << QStringLiteral("KZS");
    for (const QString& k : known)
        if (k.compare(given, Qt::CaseInsensitive) == 0) return k;
    known.sort(Qt::CaseInsensitive);
    throw Error(QStringLiteral("Nieznany klucz ustawienia „%1”. Znane klucze: %2.")
                    .arg(given, known.join(QStringLiteral(", "))));
}

bool isOperational(const QString& key) { return key == QLatin1String("AllTypPrac"); }

void writeSetting(TMyIniFile& ini, const QString& key, const QString& value) {
    if (isOperational(key)) ini.WriteOper(QLatin1String(AdmSettings::kOperGroup), key, value);
    else ini.WriteSaved(kGlobal, key, value);
}

QString readSetting(const TMyIniFile& ini, const QString& key) {
    return isOperational(key) ? ini.ReadOper(QLatin1String(AdmSettings::kOperGroup), key)
                              : ini.ReadSaved(kGlobal, key);
}

QTemporaryDir& checkedTemporary(QTemporaryDir& dir) {
    if (!dir.isValid())
        throw Error(QStringLiteral("Nie można utworzyć folderu tymczasowego: %1").arg(dir.errorString()));
    return dir;
}

// The owner of --owner ACCIDENT:PERSON; throws for a malformed one.
reportds::AttachmentOwnerIds attachmentOwner(const DocumentPdfRequest& r) {
    const QStringList parts = r.owner.split(QLatin1Char(':'));
    bool okA = false, okP = false;
    const int accident = parts.value(0).toInt(&okA);
    const int person = parts.value(1).toInt(&okP);
    if (parts.size() != 2 || !okA || !okP || accident <= 0 || person < 0)
        throw Error(QStringLiteral("Nieprawidłowy właściciel załącznika „%1” (--owner WYPADEK:POSZKODOWANY, "
                                   "POSZKODOWANY 0 dla wypadku w drodze do pracy lub z pracy).")
                        .arg(r.owner));
    return {accident, person};
}

// Forms printing from a dataset whose rows are named by their owner too.
bool needsOwner(const QString& form) {
    const DocumentReport* f = ReportForms::form(form);
    const QString source = f ? f->datasets().value(0) : QString();
    return source == QLatin1String("qryZal") || source == reportds::kPoliceOwnAttachment;
}

// Forms that print an entry of their own (not an injured person) find their record
// here, by the dataset they print from: each such document adds the opening of its
// dataset for the entry's id. The function returns false when there is no such entry.
using EntryOpener = std::function<bool(TDataModForm&, const DocumentPdfRequest&)>;
const QHash<QString, EntryOpener>& entryOpeners() {
    static const QHash<QString, EntryOpener> openers = [] {
        QHash<QString, EntryOpener> o;
        // The commuting-accident card: its three datasets hold the same row.
        for (const QString& name : reportds::commutingDatasets())
            o.insert(name, [](TDataModForm& dm, const DocumentPdfRequest& r) { return reportds::openCommutingAll(dm, r.id); });
        // The accidents in service: the officer's protocol and record card, the register of a year.
        for (const QString& name : {reportds::kPoliceProtocol, reportds::kPoliceCard})
            o.insert(name, [](TDataModForm& dm, const DocumentPdfRequest& r) { return reportds::openPoliceOfficer(dm, r.id); });
        o.insert(reportds::kPoliceRegister, [](TDataModForm& dm, const DocumentPdfRequest& r) {
            if (r.id < 1900 || r.id > 2999) return false;
            reportds::openPoliceRegister(dm, r.id);
            return true;
        });
        // The attachments of an officer's protocol: hearings and inspections by their
        // ID, own attachments by their ID within the owner.
        o.insert(reportds::kPoliceHearing,
                 [](TDataModForm& dm, const DocumentPdfRequest& r) { return reportds::openPoliceHearing(dm, r.id); });
        o.insert(reportds::kPoliceInspection,
                 [](TDataModForm& dm, const DocumentPdfRequest& r) { return reportds::openPoliceInspection(dm, r.id); });
        o.insert(reportds::kPoliceOwnAttachment, [](TDataModForm& dm, const DocumentPdfRequest& r) {
            const reportds::AttachmentOwnerIds owner = attachmentOwner(r);
            return reportds::openPoliceOwnAttachment(dm, owner.accident, owner.person, r.id);
        });
        // Hearings and orders: by their ID, the owner read from the row.
        for (const auto& [dataset, table] : {std::pair{"qryZal_p", "SKWPRZESLUCHANIE"}, std::pair{"qryZal_pol", "SKWPOLECENIE"}})
            o.insert(QLatin1String(dataset), [dataset, table](TDataModForm& dm, const DocumentPdfRequest& r) {
                reportds::AttachmentOwnerIds owner;
                return reportds::ownerOfEntry(dm, QLatin1String(table), r.id, &owner) &&
                       reportds::openAttachment(dm, QLatin1String(dataset), owner, r.id);
            });
        // Own attachments: their ID is one within the owner.
        o.insert(QStringLiteral("qryZal"), [](TDataModForm& dm, const DocumentPdfRequest& r) {
            return reportds::openAttachment(dm, QStringLiteral("qryZal"), attachmentOwner(r), r.id);
        });
        return o;
    }();
    return openers;
}

// The collective registers: their ID 0 stands for the whole enterprise ("wszystkie").
const QStringList& collectiveForms() {
    static const QStringList forms{QStringLiteral("TZestZbDrukFrm"), QStringLiteral("TqrZestRocz1Frm"),
                                   QStringLiteral("TZestZbDrogaDrukFrm"), QStringLiteral("TqrZestRoczDrogaFrm")};
    return forms;
}

// The summaries of a structure element are prepared by their tab.
using SummaryPreparer = std::function<void(TDataModForm&, DocumentReport&, const DocumentPdfRequest&)>;
SummaryPreparer summaryPreparer(const QString& form) {
    static const QStringList statistics{QStringLiteral("TqrWypWydzFrm"), QStringLiteral("TqrZestStatFrm"),
                                        QStringLiteral("TqrZmianyFrm"), QStringLiteral("TqrZestWypFrm"),
                                        QStringLiteral("TqrZestStat01Frm"), QStringLiteral("TqrZestStatGrafFrm"),
                                        QStringLiteral("TqrZestStat01GrafFrm")};
    if (statistics.contains(form)) return prepareStatisticsPdf;
    if (collectiveForms().contains(form)) return prepareCollectivePdf;
    return {};
}

void openRecord(TDataModForm& dm, DocumentReport& form, const DocumentPdfRequest& r) {
    if (ReportForms::record(r.form) == ReportForms::Record::InjuredPerson) {
        const int accident = reportds::accidentOfPerson(dm, r.id);
        if (accident == 0) throw Error(QStringLiteral("Brak poszkodowanego o identyfikatorze %1.").arg(r.id));
        reportds::openAll(dm, r.id, accident);
        return;
    }
    const QString source = form.datasets().value(0);
    const auto opener = entryOpeners().find(source);
    if (opener == entryOpeners().end())
        throw Error(QStringLiteral("Formularz %1 nie ma jeszcze odczytu swojego rekordu (%2).").arg(r.form, source));
    if (!(*opener)(dm, r))
        throw Error(QStringLiteral("Brak rekordu o identyfikatorze %1 dla formularza %2.").arg(r.id).arg(r.form));
}

class SilentProgress : public ExportProgress {
public:
    void setRange(int, int) override {}
    void setText(const QString&) override {}
    void step() override {}
};

} // namespace

AdmSettings settingsFromKeys(const QStringList& assignments) {
    QTemporaryDir dir;
    checkedTemporary(dir);
    TMyIniFile ini(dir.filePath(QStringLiteral("kwel.ini")));
    QList<std::pair<QString, QString>> given;
    for (const QString& a : assignments) {
        const qsizetype eq = a.indexOf(QLatin1Char('='));
        if (eq <= 0) throw Error(QStringLiteral("Ustawienie „%1” nie ma postaci KLUCZ=WARTOŚĆ.").arg(a));
        const QString key = settingKey(a.left(eq).trimmed());
        const QString value = a.mid(eq + 1);
        writeSetting(ini, key, value);
        // A key given twice: the last value counts.
        given.removeIf([&](const std::pair<QString, QString>& g) { return g.first == key; });
        given.append({key, value});
    }
    AdmSettings s;
    s.load(ini, Clock::today());
    // Each value given must come back as it was when the settings write it.
    TMyIniFile back(dir.filePath(QStringLiteral("zapis.ini")));
    for (const auto& [key, value] : given) {
        QString stored;
        if (key == QLatin1String("KZS")) {
            stored = QString::number(s.kzs);
        } else {
            // The settings write the operational key only into an existing section.
            if (isOperational(key)) writeSetting(back, key, QString::fromLatin1(TMyIniFile::kMissing));
            s.saveKey(back, key);
            stored = readSetting(back, key);
        }
        if (stored != value)
            throw Error(QStringLiteral("Nieprawidłowa wartość „%1” ustawienia %2.").arg(value, key));
    }
    return s;
}

void checkDocumentRequest(const DocumentPdfRequest& r) {
    registerReportForms();
    if (!ReportForms::exists(r.form))
        throw Error(QStringLiteral("Nieznany formularz „%1” (listę formularzy wypisuje: zortdb pdf --list).").arg(r.form));
    const ReportForms::Record record = ReportForms::record(r.form);
    if (record == ReportForms::Record::StructureElement) {
        if (r.id < 0 || (r.id == 0 && !r.blank && !collectiveForms().contains(r.form)))
            throw Error(QStringLiteral("Brak elementu struktury organizacyjnej o identyfikatorze %1.").arg(r.id));
        return;
    }
    if (!r.choices.isEmpty())
        throw Error(QStringLiteral("Formularz %1 nie ma zakładki z wyborami (--choice).").arg(r.form));
    if (needsOwner(r.form)) {
        if (r.owner.isEmpty())
            throw Error(QStringLiteral("Załącznik własny %1 jest numerowany w obrębie swojego dokumentu: podaj jego "
                                       "właściciela (--owner WYPADEK:POSZKODOWANY, POSZKODOWANY 0 dla wypadku w drodze "
                                       "do pracy lub z pracy).")
                            .arg(r.form));
        attachmentOwner(r);
    } else if (!r.owner.isEmpty()) {
        throw Error(QStringLiteral("Formularz %1 nie przyjmuje właściciela (--owner).").arg(r.form));
    }
    if (r.id < 0 || (r.id == 0 && !r.blank)) {
        if (record == ReportForms::Record::InjuredPerson)
            throw Error(QStringLiteral("Brak poszkodowanego o identyfikatorze %1.").arg(r.id));
        throw Error(QStringLiteral("Brak rekordu o identyfikatorze %1 dla formularza %2.").arg(r.id).arg(r.form));
    }
}

PagesPtr prepareDocument(TDataModForm& dm, const DocumentPdfRequest& r) {
    checkDocumentRequest(r);
    DocumentReport* form = ReportForms::form(r.form);
    if (!form) throw Error(ReportForms::missingMessage(r.form));
    // The calculated fields of the report datasets follow the run's settings.
    admSettings() = r.settings;
    DocumentRun run;
    run.settings = r.settings;
    run.blank = r.blank;
    if (ReportForms::record(r.form) == ReportForms::Record::StructureElement) {
        const SummaryPreparer prepare = summaryPreparer(r.form);
        if (!prepare) throw Error(ReportForms::missingMessage(r.form));
        run.dm = &dm;
        form->setRun(run);
        prepare(dm, *form, r);
        PagesPtr pages = form->prepare();
        form->setRun(DocumentRun());
        return pages;
    }
    if (r.id != 0) {
        openRecord(dm, *form, r);
        run.dm = &dm;
    }
    form->setRun(run);
    PagesPtr pages = form->prepare();
    // The registry keeps the form; it must not keep the data module's datasets.
    form->setRun(DocumentRun());
    return pages;
}

void saveTextPdf(const PagesPtr& pages, const QString& file) {
    TExportQR exporter;
    exporter.setReport(pages);
    exporter.progressFactory = [] { return std::make_unique<SilentProgress>(); };
    QByteArray pdf;
    if (!exporter.ExportToTextPdf(pdf)) throw Error(exportErrorMessage());
    // Whole or not at all: a failed write leaves an earlier file as it was.
    writeWholeFile(file, pdf);
}

} // namespace zort::print
