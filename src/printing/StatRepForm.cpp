#include "printing/StatRepForm.h"

#include "core/Forms.h"
#include "ui/Widgets.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

namespace zort::print {

TfrmStatRep::TfrmStatRep(QWidget* parent) : QDialog(parent) {
    QVBoxLayout* layout = setUpDialog(this, QStringLiteral("frmStatRep"), QStringLiteral("Raport"), false);
    setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);
    m_label = new QLabel(waitText(), this);
    m_label->setObjectName(QStringLiteral("Label1"));
    m_label->setAlignment(Qt::AlignCenter);
    QFont f = m_label->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.3);
    m_label->setFont(f);
    m_label->setStyleSheet(QStringLiteral("color: #a00000;"));
    layout->addWidget(m_label);
    m_blink = new QTimer(this);
    m_blink->setInterval(300);
    connect(m_blink, &QTimer::timeout, this, [this]() { m_label->setVisible(!m_label->isVisible()); });
    resize(460, 90);
}

QString TfrmStatRep::waitText() { return QStringLiteral("Proszę czekać - trwa proces przygotowania raportu !"); }

void TfrmStatRep::start() {
    m_label->setVisible(true);
    show();
    raise();
    m_blink->start();
    // Painted now: the preparation that follows keeps the event loop waiting.
    repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TfrmStatRep::stop() {
    m_blink->stop();
    hide();
}

bool TfrmStatRep::blinking() const { return m_blink->isActive(); }

TfrmStatRep& statRepForm() { return *Forms::getOrCreate<TfrmStatRep>(QStringLiteral("TfrmStatRep")); }

WaitWindow::WaitWindow() { statRepForm().start(); }
WaitWindow::~WaitWindow() { statRepForm().stop(); }

} // namespace zort::print
