#include "ui/AboutForm.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

namespace zort {

TAboutForm::TAboutForm(QWidget* parent) : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog) {
    setObjectName(QStringLiteral("AboutForm"));
    setWindowTitle(QStringLiteral("Informacja"));
    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::Box);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(frame);
    auto* layout = new QVBoxLayout(frame);
    auto* product = new QLabel(QStringLiteral("ZORT — Rejestr wypadków"), frame);
    QFont f = product->font();
    f.setPointSize(f.pointSize() + 6);
    f.setBold(true);
    product->setFont(f);
    product->setAlignment(Qt::AlignCenter);
    auto* sub = new QLabel(QStringLiteral("Dokumentacja wypadków przy pracy, w drodze do pracy i z pracy"), frame);
    sub->setAlignment(Qt::AlignCenter);
    m_title = new QLabel(frame);
    m_title->setObjectName(QStringLiteral("lTytul"));
    m_title->setAlignment(Qt::AlignCenter);
    m_bar = new QProgressBar(frame);
    m_bar->setObjectName(QStringLiteral("ProgressBar1"));
    m_bar->setAccessibleName(QStringLiteral("Postęp przygotowania programu"));
    m_bar->setTextVisible(false);
    layout->addWidget(product);
    layout->addWidget(sub);
    layout->addSpacing(12);
    layout->addWidget(m_title);
    layout->addWidget(m_bar);
    resize(460, 180);
    if (QScreen* s = QGuiApplication::primaryScreen()) move(s->geometry().center() - rect().center());
}

void TAboutForm::setTitleLine(const QString& text) { m_title->setText(text); }

void TAboutForm::setProgress(int value, int maximum) {
    m_bar->setMaximum(maximum);
    m_bar->setValue(value);
}

void TAboutForm::advance() { m_bar->setValue(m_bar->value() + 1); }

} // namespace zort
