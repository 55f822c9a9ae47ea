#include "ui/ProgresForm.h"

#include "core/Forms.h"
#include "ui/Widgets.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace zort {

TfrmProgres::TfrmProgres(QWidget* parent) : QDialog(parent) {
    auto* layout = setUpDialog(this, QStringLiteral("frmProgres"), QString(), false);
    m_caption = new QLabel(this);
    m_caption->setObjectName(QStringLiteral("lCaption"));
    m_caption->setAlignment(Qt::AlignCenter);
    layout->addWidget(m_caption);
    m_pb = new QProgressBar(this);
    m_pb->setObjectName(QStringLiteral("pb"));
    layout->addWidget(m_pb);
    m_caption->setBuddy(m_pb);
    resize(420, 90);
}

QString TfrmProgres::caption() const { return m_caption->text(); }

namespace {
bool g_shown = true;
}

void setProgressWindowShown(bool shown) { g_shown = shown; }

void TfrmProgres::start(const QString& caption, int maximum) {
    setWindowTitle(caption);
    m_caption->setText(caption);
    m_pb->setAccessibleName(caption);
    m_pb->setRange(0, qMax(maximum, 1));
    m_pb->setValue(0);
    m_value = 0;
    if (!g_shown) return;
    show();
    raise();
    paintNow();
}

void TfrmProgres::step() {
    // The bar paints itself at once on every change it can show: it follows the count
    // only when the window is painted, and at the end.
    if (m_value < m_pb->maximum()) ++m_value;
    if (m_value == m_pb->maximum() || m_sincePaint.elapsed() >= 40) {
        m_pb->setValue(m_value);
        paintNow();
    }
}

void TfrmProgres::finish() { hide(); }

void TfrmProgres::paintNow() {
    // Only painting: the user cannot act on other windows while the work goes on.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    m_sincePaint.restart();
}

TfrmProgres& progressWindow() {
    return *Forms::getOrCreate<TfrmProgres>(QStringLiteral("TfrmProgres"));
}

} // namespace zort
