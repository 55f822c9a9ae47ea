#include "printing/Podglad.h"

#include "core/Clock.h"
#include "core/Session.h"
#include "domain/SharedConnection.h"
#include "core/UserInterface.h"
#include "ui/CommandGuard.h"
#include "ui/Widgets.h"
#include "db/Connection.h"
#include "db/Dataset.h"
#include "db/DbError.h"
#include "printing/StatisticsCharts.h"
#include "printing/engine/QRPreview.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>
#include <cmath>

namespace zort::print {
namespace {

PreviewInterface* g_preview = nullptr;

Connection* sharedConnection() { return SharedConnection::isSet() ? &SharedConnection::get() : nullptr; }

} // namespace

void setPreviewInterface(PreviewInterface* preview) { g_preview = preview; }

PreviewInterface* previewInterface() {
    static TQRMyPreviewInterface standard;
    return g_preview ? g_preview : &standard;
}

PreviewRequest& TfrmPodglad::request() {
    static PreviewRequest r;
    return r;
}

std::function<void(TfrmPodglad&)>& TfrmPodglad::wordHandler() {
    static std::function<void(TfrmPodglad&)> h = exportChartToWord;
    return h;
}

qint64 TfrmPodglad::dayFraction(const QDateTime& now) {
    return std::llround(now.time().msecsSinceStartOfDay() / 86400000.0 * 1000000.0);
}

QPushButton* TfrmPodglad::button(const QString& name, const QString& caption) {
    return makeDialogButton(name, caption, this);
}

TfrmPodglad::TfrmPodglad(PagesPtr pages, const PreviewRequest& req, QWidget* parent)
    : QDialog(parent), m_req(req), m_pages(std::move(pages)), m_circ(sharedConnection()) {
    setObjectName(QStringLiteral("frmPodglad"));
    setWindowTitle(QStringLiteral("Podgląd raportu"));
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    setAttribute(Qt::WA_DeleteOnClose, false);

    m_cala = button(QStringLiteral("bbCalaStrona"), QStringLiteral("&Cała strona"));
    m_szer = button(QStringLiteral("bbSzerokosc"), QStringLiteral("&Szerokość"));
    m_first = button(QStringLiteral("bbPoczatek"), QStringLiteral("Począ&tek"));
    m_prior = button(QStringLiteral("bbPoprzednia"), QStringLiteral("Poprzednia"));
    m_next = button(QStringLiteral("bbNastepna"), QStringLiteral("&Następna"));
    m_last = button(QStringLiteral("bbKoniec"), QStringLiteral("&Koniec"));
    m_print = button(QStringLiteral("bbDrukuj"), QStringLiteral("&Drukuj"));
    m_setup = button(QStringLiteral("bbUstawienia"), QStringLiteral("&Ustawienia"));
    m_pdf = button(QStringLiteral("bbPdf"), QStringLiteral("&Pdf"));
    m_pdf->setToolTip(QStringLiteral("Zapis do pliku PDF"));
    m_word = button(QStringLiteral("btnDoWord"), QStringLiteral("&Word"));
    m_word->setToolTip(QStringLiteral("Zapis do pliku w formacie Word"));
    m_close = button(QStringLiteral("bbZamknij"), QStringLiteral("&Zamknij"));

    auto* skalaLabel = new QLabel(QStringLiteral("Skala %"), this);
    m_skala = new QComboBox(this);
    m_skala->setObjectName(QStringLiteral("cbSkala"));
    m_skala->addItems({QStringLiteral("25"), QStringLiteral("50"), QStringLiteral("75"), QStringLiteral("100"),
                       QStringLiteral("125"), QStringLiteral("150"), QStringLiteral("175"), QStringLiteral("200"),
                       QStringLiteral("250"), QStringLiteral("300"), QStringLiteral("400")});
    m_skala->setCurrentText(QStringLiteral("100"));
    skalaLabel->setBuddy(m_skala);
    m_skala->setAccessibleName(QStringLiteral("Skala %"));

    m_inicjuj = new QCheckBox(QStringLiteral("Inicjuj"), this);
    m_inicjuj->setObjectName(QStringLiteral("cbInicjuj"));
    m_aktualizuj = new QCheckBox(QStringLiteral("Aktualizuj"), this);
    m_aktualizuj->setObjectName(QStringLiteral("cbAktualizuj"));

    m_preview = new TQRPreview(this);
    m_status = new QStatusBar(this);
    m_status->setObjectName(QStringLiteral("StatusBar1"));
    m_status->setSizeGripEnabled(false);

    auto* tools = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{m_cala, m_szer, m_first, m_prior, m_next, m_last, m_print,
                                                     m_setup, m_pdf, m_word, skalaLabel, m_skala, m_inicjuj,
                                                     m_aktualizuj})
        tools->addWidget(w);
    tools->addStretch(1);
    tools->addWidget(m_close);
    auto* lay = new QVBoxLayout(this);
    lay->setContentsMargins(4, 4, 4, 0);
    lay->addLayout(tools);
    lay->addWidget(m_preview, 1);
    lay->addWidget(m_status);

    connect(m_cala, &QPushButton::clicked, this, [this] { m_preview->zoomToFit(); });
    connect(m_szer, &QPushButton::clicked, this, [this] { m_preview->zoomToWidth(); });
    connect(m_first, &QPushButton::clicked, this, [this] { goToPage(1); });
    connect(m_prior, &QPushButton::clicked, this, [this] { goToPage(m_preview->pageNumber() - 1); });
    connect(m_next, &QPushButton::clicked, this, [this] { goToPage(m_preview->pageNumber() + 1); });
    connect(m_last, &QPushButton::clicked, this, [this] { goToPage(m_preview->pageCount()); });
    connect(m_print, &QPushButton::clicked, this, [this] { bbDrukujClick(); });
    connect(m_setup, &QPushButton::clicked, this, [this] { bbUstawieniaClick(); });
    connect(m_pdf, &QPushButton::clicked, this, [this] { bbPdfClick(); });
    connect(m_word, &QPushButton::clicked, this, [this] { btnDoWordClick(); });
    connect(m_close, &QPushButton::clicked, this, &QDialog::close);
    connect(m_skala, &QComboBox::activated, this, [this](int index) {
        m_preview->setZoom(m_skala->itemText(index).toInt());
        m_preview->setFocus();
    });
    connect(m_preview, &TQRPreview::pageChanged, this, [this] { updatePaging(); });

    m_export.setPreview(m_preview);
    m_export.parentWidget = this;
    m_preview->setZoom(100);
    m_preview->setPages(m_pages);
    updatePaging();
}

TfrmPodglad::~TfrmPodglad() { release(); }

QString TfrmPodglad::statusText() const { return m_status->currentMessage(); }

void TfrmPodglad::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void TfrmPodglad::closeEvent(QCloseEvent* e) {
    release();
    m_shown = false;
    QDialog::closeEvent(e);
}

void TfrmPodglad::release() {
    // Closing frees the engine's prepared pages and detaches the preview from them.
    if (m_preview) m_preview->setPages(nullptr);
    if (Printable* t = m_req.target()) t->freePages();
    // Once released the window no longer refers to the report (which may be gone
    // before the window is deleted).
    m_req.report = nullptr;
    m_req.composite = nullptr;
    m_pages.reset();
}

void TfrmPodglad::refreshUser() {
    Connection* c = sharedConnection();
    CurrentUser& u = Session::user();
    if (!c || u.id == 0) return;
    Dataset ds(c, QStringLiteral("SELECT NAZWAUZYTK, IMIE, NAZWISKO FROM APRAWADOSTEPU WHERE Id = :Id"));
    ds.setParam(QStringLiteral("Id"), u.id);
    ds.open();
    if (ds.isEmpty()) return;
    u.name = ds.field(QStringLiteral("NAZWAUZYTK")).asTrimmed();
    u.firstName = ds.field(QStringLiteral("IMIE")).asTrimmed();
    u.lastName = ds.field(QStringLiteral("NAZWISKO")).asTrimmed();
}

void TfrmPodglad::FormShow() {
    m_word->setVisible(m_req.wordAvailable);
    m_inicjuj->setChecked(false);
    m_inicjuj->setVisible(false);
    m_aktualizuj->setChecked(false);
    m_aktualizuj->setVisible(false);

    const QString n = QString::number(dayFraction(Clock::now()));
    m_pdfName = m_req.kind + u'_' + n + QStringLiteral(".pdf");
    // The format written: a word-processing document of today.
    m_docName = m_req.kind + u'_' + n + QStringLiteral(".docx");
    try {
        refreshUser();
        m_circ.compute(m_req.kind, m_req.personId, Session::user().name, m_pdfName);
    } catch (const DbError& e) {
        // Without the circulation tables the preview works as without a definition.
        logMessage(QStringLiteral("obieg dokumentów"), e.message());
        m_circ.reset(m_pdfName);
    }
    m_pdfName = m_circ.pdfName();
    m_inicjuj->setVisible(m_circ.state() == DocumentCirculation::State::Start);
    m_aktualizuj->setVisible(m_circ.state() == DocumentCirculation::State::Update);
    if (m_preview->pageCount() > 0) goToPage(1);
    setWindowState(windowState() | Qt::WindowMaximized);
}

void TfrmPodglad::goToPage(int page) {
    if (m_preview->pageCount() == 0) return;
    m_preview->setPageNumber(page);
    updatePaging();
}

void TfrmPodglad::updatePaging() {
    const int count = m_preview->pageCount();
    const int page = m_preview->pageNumber();
    const bool several = count > 1;
    m_first->setEnabled(several && page > 1);
    m_prior->setEnabled(several && page > 1);
    m_next->setEnabled(several && page < count);
    m_last->setEnabled(several && page < count);
    m_status->showMessage(QStringLiteral("Strona ") + QString::number(page) + QStringLiteral(" z ") +
                          QString::number(count));
}

QString printFailedMessage() { return QStringLiteral("Nie udało się wydrukować raportu na wybranej drukarce."); }

void TfrmPodglad::bbDrukujClick() {
    Printable* t = m_req.target();
    if (t && !t->print(t->printer())) showError(printFailedMessage(), this);
}

void TfrmPodglad::bbUstawieniaClick() {
    Printable* t = m_req.target();
    if (!t) return;
    QPrintDialog dialog(&t->printer(), this);
    dialog.setWindowTitle(QStringLiteral("Ustawienia drukarki"));
    dialog.exec();
}

void TfrmPodglad::bbPdfClick() {
    QString open;
    DocumentCirculation::Outcome outcome;
    try {
        outcome = m_circ.save(m_export, m_inicjuj->isChecked(), m_aktualizuj->isChecked(), m_req.landscape,
                              Session::user().displayText(), open);
    } catch (const DbError& e) {
        // The circulation lives in the shared database: a failure there is shown,
        // and the file of an unconfirmed step is not opened.
        CommandGuard::report(e, this);
        return;
    }
    if (outcome != DocumentCirculation::Outcome::Saved) return;
    openDocument(open);
    for (QCheckBox* b : {m_inicjuj, m_aktualizuj}) {
        if (b->isChecked()) {
            b->setChecked(false);
            b->setVisible(false);
        }
    }
}

void TfrmPodglad::btnDoWordClick() {
    if (wordHandler()) wordHandler()(*this);
}

QWidget* TQRMyPreviewInterface::show(PagesPtr pages) {
    auto* w = new TfrmPodglad(std::move(pages), TfrmPodglad::request());
    w->setAttribute(Qt::WA_DeleteOnClose, true);
    w->showMaximized();
    return w;
}

QWidget* TQRMyPreviewInterface::showModal(PagesPtr pages) {
    auto* w = new TfrmPodglad(std::move(pages), TfrmPodglad::request());
    w->setWindowState(Qt::WindowMaximized);
    w->exec();
    delete w;
    return nullptr;
}

} // namespace zort::print
