#include "printing/AdmDrukWDrodzeForm.h"

#include "core/AdmSettings.h"
#include "db/Dataset.h"
#include "db/DatasetModel.h"
#include "domain/CommutingReportDatasets.h"
#include "domain/DataModForm.h"
#include "printing/PrintChoice.h"
#include "printing/Podglad.h"
#include "ui/CommandGuard.h"
#include "ui/DocumentWindows.h"
#include "ui/Widgets.h"
#include "ui/WindowLayout.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace zort::print {

TAdmDrukWDrodzeForm::TAdmDrukWDrodzeForm(QWidget* parent)
    : PrintSelectionWindow(QStringLiteral("TAdmDrukWDrodzeForm"), parent) {
    m_accidents = new Dataset(nullptr, QString(), this);
    m_accidents->setObjectName(QStringLiteral("qryWypadkiWDrodze"));
    m_accidents->addCalculatedField(QStringLiteral("nr_symbol"), [](const Dataset& d, int r) -> QVariant {
        const TDataModForm* m = dataMod();
        const Field number = d.rowField(r, QStringLiteral("NUMER"));
        const QString symbol = d.rowField(r, QStringLiteral("SYMBOLWYP")).asString();
        return m ? m->numberText(number, symbol) : number.asString();
    });

    QWidget* page = addTab(QStringLiteral("TabSheet1"), QStringLiteral("Karta wypadku"));
    auto* row = new QHBoxLayout(page);
    m_grid = grid(QStringLiteral("DBGridWypadki"), QStringLiteral("Wypadki w drodze do/z pracy"), m_accidents,
                  {{QStringLiteral("nr_symbol"), QStringLiteral("Num")},
                   {QStringLiteral("DATA"), QStringLiteral("Data wypadku")},
                   {QStringLiteral("NAZWISKO"), QStringLiteral("Nazwisko")},
                   {QStringLiteral("IMIE"), QStringLiteral("Imię")}},
                  page);
    row->addWidget(m_grid, 3);
    auto* choices = new QVBoxLayout;
    gbKartaWypadku = new QGroupBox(QStringLiteral("Karta wypadku w drodze do/z pracy"), page);
    gbKartaWypadku->setObjectName(QStringLiteral("gbKartaWypadku"));
    auto* pages = new QVBoxLayout(gbKartaWypadku);
    const char* captions[] = {"drukuj stronę pierwszą", "drukuj stronę drugą", "drukuj stronę trzecią"};
    for (int i = 0; i < 3; ++i) {
        CBoxKW[size_t(i)] = checkBox(QStringLiteral("CBoxKW%1").arg(i + 1), QString::fromUtf8(captions[i]), gbKartaWypadku);
        CBoxKW[size_t(i)]->setAccessibleName(besideName(captionName(gbKartaWypadku->title()), QString::fromUtf8(captions[i])));
        pages->addWidget(CBoxKW[size_t(i)]);
    }
    choices->addWidget(gbKartaWypadku);
    cbPuste = checkBox(QStringLiteral("cbPuste"), QStringLiteral("drukuj puste formularze"), page);
    choices->addWidget(cbPuste);
    ZalBtn = makeDialogButton(QStringLiteral("ZalBtn"), QStringLiteral("Załączn."), page);
    choices->addWidget(ZalBtn);
    choices->addStretch(1);
    row->addLayout(choices, 2);
    connect(ZalBtn, &QPushButton::clicked, this, [this]() { CommandGuard::run([this]() { ZalBtnClick(); }, this); });

    addSummarySlot(SummaryTab, QStringLiteral("TabSheet2"), QStringLiteral("Zestawienia zbiorcze"),
                   QStringLiteral("TZestZbDrogaDrukFrm"), QStringLiteral("WypDrogaZestZbPln"), false);
    connect(PageControl, &QTabWidget::currentChanged, this,
            [this]() { CommandGuard::run([this]() { PageControlChange(); }, this); });
    setHelpContext(kHelpCard);
    resize(640, 460);
    WindowLayout::track(this);
}

RegisterFilter TAdmDrukWDrodzeForm::registerFilter() const {
    const TDataModForm* d = dm();
    return d ? RegisterFilter::commuting(d->registersMode(), d->currentRegister()) : RegisterFilter();
}

void TAdmDrukWDrodzeForm::registerFilterInto(PrintTabContext& context) const {
    const RegisterFilter f = registerFilter();
    context.registerFrom = f.from;
    context.registerWhere = f.where;
}

void TAdmDrukWDrodzeForm::applyPageSetting() {
    const int offered = CommutingCardChoice::offeredPages(admSettings());
    gbKartaWypadku->setVisible(offered > 0);
    for (int i = 0; i < 3; ++i) {
        CBoxKW[size_t(i)]->setVisible(i < offered);
        CBoxKW[size_t(i)]->setChecked(false);
    }
}

void TAdmDrukWDrodzeForm::FormShow() {
    TDataModForm* d = dm();
    if (!d) return;
    {
        const QSignalBlocker block(PageControl);
        PageControl->setCurrentIndex(CardTab);
    }
    m_previousTab = CardTab;
    setHelpContext(kHelpCard);
    applyPageSetting();
    cbPuste->setChecked(false);
    const int year = d->referenceDate().date().year();
    m_accidents->close();
    m_accidents->setConnection(&d->KartyDB());
    m_accidents->setSql(registerFilter().commutingAccidentsSql());
    m_accidents->setParam(QStringLiteral("DataOd"), QDateTime(QDate(year, 1, 1), QTime(0, 0)));
    m_accidents->setParam(QStringLiteral("DataDo"), QDateTime(QDate(year + 1, 1, 1), QTime(0, 0)));
    m_accidents->open();
    m_accidents->locate(QStringLiteral("ID"), d->commutingId());
    const PrintTabContext context = tabContext();
    for (auto& s : m_slots)
        if (s->plugged) s->plugged->show(context);
}

void TAdmDrukWDrodzeForm::PageControlChange() {
    const int tab = PageControl->currentIndex();
    setHelpContext(tab == SummaryTab ? kHelpSummary : kHelpCard);
    if (m_previousTab != tab) {
        if (SummarySlot* s = summarySlot(m_previousTab); s && s->plugged) s->plugged->left();
        if (SummarySlot* s = summarySlot(tab); s && s->plugged) s->plugged->entered();
    }
    m_previousTab = tab;
}

int TAdmDrukWDrodzeForm::currentId() const {
    return m_accidents->isOpen() && !m_accidents->isEmpty() ? int(m_accidents->field(QStringLiteral("ID")).asInt()) : 0;
}

QStringList TAdmDrukWDrodzeForm::chosenForms() const {
    std::array<bool, 3> pages{};
    for (int i = 0; i < 3; ++i) pages[size_t(i)] = CBoxKW[size_t(i)]->isChecked();
    return CommutingCardChoice::collect(admSettings(), pages);
}

void TAdmDrukWDrodzeForm::PreviewBtnClick() { run(true); }
void TAdmDrukWDrodzeForm::PrintBtnClick() { run(false); }

void TAdmDrukWDrodzeForm::run(bool preview) {
    TDataModForm* d = dm();
    if (!d) return;
    const PrintTabContext context = tabContext();
    TfrmPodglad::request() = PreviewRequest();
    if (PageControl->currentIndex() == SummaryTab) {
        if (SummarySlot* s = summarySlot(SummaryTab)) runSummary(*s, context, preview);
        return;
    }
    const QStringList names = chosenForms();
    const int id = currentId();
    if (names.isEmpty() || id <= 0) return;
    // The card's datasets: one row of the commuting accident.
    const QStringList datasets = admSettings().nowaKartaWypWDrodze == 0
                                     ? QStringList{QStringLiteral("ZestWDrodze1SQL"), QStringLiteral("ZestWDrodze2SQL")}
                                     : QStringList{QStringLiteral("ZestWDrodzeNoweSQL")};
    for (const QString& name : datasets) reportds::openCommuting(*d, name, id);
    if (!collect(names, cbPuste->isChecked())) return;
    if (!preview) {
        printComposite(QRCompositeReport1, m_collected, this);
        return;
    }
    PreviewTake take(id, QStringLiteral("SKWWypadkiWDrodze"));
    if (!take.held()) return;
    previewComposite(QRCompositeReport1, m_collected, kindCode(), id);
}

void TAdmDrukWDrodzeForm::ZalBtnClick() {
    TDataModForm* d = dm();
    const int id = currentId();
    if (!d || id <= 0) return;
    // The attachments of the commuting accident chosen here.
    DocumentWindows::Request request{QStringLiteral("TZalacznikiForm"), m_editable, this};
    request.onListPage = true;
    request.record = RecordRef{Register::Commuting, id, 0};
    DocumentWindows::open(request);
}

void TAdmDrukWDrodzeForm::formClosed() {
    if (SummarySlot* s = summarySlot(PageControl->currentIndex()); s && s->plugged) s->plugged->left();
}

} // namespace zort::print
