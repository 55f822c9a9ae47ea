#include "printing/AdmDrukForm_Policja.h"

#include "core/AdmSettings.h"
#include "db/Dataset.h"
#include "db/DatasetModel.h"
#include "domain/DataModForm.h"
#include "domain/PoliceReportDatasets.h"
#include "printing/Podglad.h"
#include "printing/ReportForms.h"
#include "ui/CommandGuard.h"
#include "ui/Widgets.h"
#include "ui/WindowLayout.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace zort::print {

QString TAdmDrukForm_Policja::registerSql() { return reportds::policeRegisterSql(); }

TAdmDrukForm_Policja::TAdmDrukForm_Policja(QWidget* parent)
    : PrintSelectionWindow(QStringLiteral("TAdmDrukForm_Policja"), parent) {
    m_accidents = new Dataset(nullptr,
                              QStringLiteral("select * from WypOper_Wypadki where DATAREJWYP  >= :DataOd and DATAREJWYP  < "
                                             ":DataDo order by numer, id"),
                              this);
    m_accidents->setObjectName(QStringLiteral("qryWypadki"));
    m_persons = new Dataset(nullptr, QStringLiteral("select * from WypOper_Poszkodowani where IdWypadku=:ID order by nazwisko,imie,id"),
                            this);
    m_persons->setObjectName(QStringLiteral("qryPoszkodowani"));
    m_persons->setMaster(m_accidents, QStringLiteral("ID"), QStringLiteral("ID"));
    // The register is the data module's dataset: the list of the tab and the data of
    // its printout.
    m_register = dm() ? dm()->dataset(reportds::kPoliceRegister) : nullptr;
    if (!m_register) {
        m_register = new Dataset(nullptr, registerSql(), this);
        reportds::addPoliceRegisterFields(*m_register);
    }
    m_accidents->addCalculatedField(QStringLiteral("nr_symbol"), [](const Dataset& d, int r) -> QVariant {
        const TDataModForm* m = dataMod();
        const Field number = d.rowField(r, QStringLiteral("NUMER"));
        const QString symbol = d.rowField(r, QStringLiteral("SYMBOLWYP")).asString();
        return m ? m->numberText(number, symbol) : number.asString();
    });

    QWidget* page = addTab(QStringLiteral("TabSheet1"), QStringLiteral("EKW/Protokół"));
    auto* row = new QHBoxLayout(page);
    auto* lists = new QVBoxLayout;
    lists->addWidget(grid(QStringLiteral("DBGridWypadki"), QStringLiteral("Wypadki"), m_accidents,
                          {{QStringLiteral("nr_symbol"), QStringLiteral("Nr")}, {QStringLiteral("DATA"), QStringLiteral("Data wypadku")}},
                          page),
                     3);
    lists->addWidget(grid(QStringLiteral("DBGridPoszkodowani"), QStringLiteral("Poszkodowani"), m_persons,
                          {{QStringLiteral("NAZWISKO"), QStringLiteral("Nazwisko")}, {QStringLiteral("IMIE"), QStringLiteral("Imię")}},
                          page),
                     2);
    row->addLayout(lists, 3);
    auto* choices = new QVBoxLayout;
    auto* gbProt = new QGroupBox(QStringLiteral("Protokół Powypadkowy"), page);
    gbProt->setObjectName(QStringLiteral("gb_all"));
    CBoxPPall = checkBox(QStringLiteral("CBoxPPall"), QStringLiteral("drukuj"), gbProt);
    CBoxPPall->setAccessibleName(besideName(captionName(gbProt->title()), QStringLiteral("drukuj")));
    (new QVBoxLayout(gbProt))->addWidget(CBoxPPall);
    auto* gbEkw = new QGroupBox(QStringLiteral("EKW"), page);
    gbEkw->setObjectName(QStringLiteral("gbEKW"));
    cb_EKW = checkBox(QStringLiteral("cb_EKW"), QStringLiteral("drukuj"), gbEkw);
    cb_EKW->setAccessibleName(besideName(QStringLiteral("EKW"), QStringLiteral("drukuj")));
    (new QVBoxLayout(gbEkw))->addWidget(cb_EKW);
    cbPuste = checkBox(QStringLiteral("cbPuste"), QStringLiteral("drukuj puste formularze"), page);
    choices->addWidget(gbProt);
    choices->addWidget(gbEkw);
    choices->addWidget(cbPuste);
    choices->addStretch(1);
    row->addLayout(choices, 2);

    QWidget* regPage = addTab(QStringLiteral("TabSheet2"), QStringLiteral("Rejestr wypadków w służbie"));
    (new QVBoxLayout(regPage))
        ->addWidget(grid(QStringLiteral("DBGridRejestr"), QStringLiteral("Rejestr wypadków w służbie"), m_register,
                         {{QStringLiteral("NAZWISKO"), QStringLiteral("Nazwisko")},
                          {QStringLiteral("IMIE"), QStringLiteral("Imię")},
                          {QStringLiteral("DATA"), QStringLiteral("Data wypadku")}},
                         regPage));

    setHelpContext(kHelpContext);
    setFixedWidth(kWidth);
    setMinimumHeight(kMinHeight);
    resize(kWidth, kMinHeight);
    WindowLayout::track(this);
    // A saved layout does not change the fixed width.
    setFixedWidth(kWidth);
    if (height() < kMinHeight) resize(kWidth, kMinHeight);
}

void TAdmDrukForm_Policja::FormShow() {
    TDataModForm* d = dm();
    if (!d) return;
    PageControl->setCurrentIndex(DocumentsTab);
    setHelpContext(kHelpContext);
    CBoxPPall->setChecked(false);
    cb_EKW->setChecked(false);
    cbPuste->setChecked(false);
    const int year = d->referenceDate().date().year();
    const QDateTime from(QDate(year, 1, 1), QTime(0, 0));
    const QDateTime to(QDate(year + 1, 1, 1), QTime(0, 0));
    m_accidents->close();
    m_register->close();
    for (Dataset* ds : {m_accidents, m_persons, m_register}) ds->setConnection(&d->KartyDB());
    m_accidents->setParam(QStringLiteral("DataOd"), from);
    m_accidents->setParam(QStringLiteral("DataDo"), to);
    m_accidents->open();
    m_accidents->locate(QStringLiteral("ID"), d->otherAccidentId());
    m_persons->locate(QStringLiteral("ID"), d->otherPersonId());
    m_register->setParam(QStringLiteral("datapocz"), from);
    m_register->setParam(QStringLiteral("datakonc"), to);
    m_register->open();
}

QStringList TAdmDrukForm_Policja::chosenForms() const {
    QStringList names;
    if (CBoxPPall->isChecked()) names << QStringLiteral("TRepProt_Policja");
    if (cb_EKW->isChecked()) names << QStringLiteral("TRepEKW1_Policja");
    return names;
}

void TAdmDrukForm_Policja::PreviewBtnClick() { run(true); }
void TAdmDrukForm_Policja::PrintBtnClick() { run(false); }

void TAdmDrukForm_Policja::run(bool preview) {
    TDataModForm* d = dm();
    if (!d) return;
    TfrmPodglad::request() = PreviewRequest();
    if (PageControl->currentIndex() == RegisterTab) {
        DocumentReport* form = ReportForms::formOrReport(QStringLiteral("TfrmZestWyp_Policja"), this);
        if (!form) return;
        form->setRun(DocumentRun{d, admSettings(), false});
        QString kind = form->kindCode();
        if (kind.isEmpty()) kind = QStringLiteral("WypRejWypPol");
        if (preview) previewSingle(*form, kind, true);
        else printSingle(*form, this);
        return;
    }
    const QStringList names = chosenForms();
    if (names.isEmpty()) return;
    const int accident = m_accidents->isOpen() && !m_accidents->isEmpty() ? int(m_accidents->field(QStringLiteral("ID")).asInt()) : 0;
    const int person = m_persons->isOpen() && !m_persons->isEmpty() ? int(m_persons->field(QStringLiteral("ID")).asInt()) : 0;
    if (accident <= 0 || person <= 0) return;
    // The protocol and the record card of the officer; an officer gone meanwhile prints nothing.
    reportds::openPoliceOfficer(*d, person, accident);
    if (Dataset* officer = d->dataset(reportds::kPoliceProtocol); !officer || officer->isEmpty()) return;
    if (!collect(names, cbPuste->isChecked())) return;
    if (!preview) {
        printComposite(QRCompositeReport1, m_collected, this);
        return;
    }
    PreviewTake take(accident, QStringLiteral("WypOper_Wypadki"));
    if (!take.held()) return;
    const QString kind = m_collected.kind.isEmpty() ? QStringLiteral("WypEkwProtPol") : m_collected.kind;
    previewComposite(QRCompositeReport1, m_collected, kind, person);
}

} // namespace zort::print
