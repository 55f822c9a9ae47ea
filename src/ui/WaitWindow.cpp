#include "ui/WaitWindow.h"

#include "ui/Widgets.h"

#include <QApplication>
#include <QEventLoop>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zort {

TfrmOczekiwanie::TfrmOczekiwanie(QWidget* parent) : QDialog(parent) {
    QVBoxLayout* layout = setUpDialog(this, QStringLiteral("frmOczekiwanie"), QStringLiteral("Oczekiwanie na bazę danych"), true);
    setWindowModality(Qt::ApplicationModal);
    m_reason = new QLabel(this);
    m_reason->setObjectName(QStringLiteral("lPowod"));
    m_reason->setWordWrap(true);
    m_reason->setMinimumWidth(420);
    layout->addWidget(m_reason);
    m_time = new QLabel(this);
    m_time->setObjectName(QStringLiteral("lCzas"));
    layout->addWidget(m_time);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    m_stop = makeDialogButton(QStringLiteral("bPrzerwij"), QStringLiteral("Przerwij"), this);
    m_stop->setDefault(true);
    connect(m_stop, &QPushButton::clicked, this, &TfrmOczekiwanie::PrzerwijClick);
    row->addWidget(m_stop);
    row->addStretch(1);
    layout->addLayout(row);
}

QString TfrmOczekiwanie::timeText(int elapsedMs, int limitMs) {
    return QStringLiteral("Czas oczekiwania: %1 s (najdłużej %2 s).").arg(elapsedMs / 1000).arg((limitMs + 999) / 1000);
}

bool TfrmOczekiwanie::waiting(const WaitState& state) {
    m_reason->setText(DatabaseWait::waitingText(state.reason));
    m_time->setText(timeText(state.elapsedMs, state.limitMs));
    if (!isVisible()) {
        m_stopped = false;
        // Over whatever window is active: the wait belongs to its command.
        if (QWidget* active = QApplication::activeWindow(); active && active != this) {
            const QPoint centre = active->geometry().center();
            adjustSize();
            move(centre - QPoint(width() / 2, height() / 2));
        }
        show();
        raise();
    }
    // Painting and the user's answer go on while the database call waits.
    QApplication::processEvents(QEventLoop::AllEvents, 50);
    return !m_stopped;
}

void TfrmOczekiwanie::over() {
    hide();
    m_stopped = false;
}

void TfrmOczekiwanie::PrzerwijClick() {
    m_stopped = true;
    m_stop->setEnabled(true);
}

void TfrmOczekiwanie::reject() { PrzerwijClick(); }

void installWaitWindow() {
    static TfrmOczekiwanie* window = nullptr;
    if (!window) window = new TfrmOczekiwanie();  // lives until the process ends
    DatabaseWait::setWatcher(window);
}

} // namespace zort
