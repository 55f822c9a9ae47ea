#pragma once
// Answering a modal window from a test: the answer runs once a modal window is
// shown, not while it is being prepared (a progress window lets events through
// before it shows).
#include <QApplication>
#include <QTimer>
#include <functional>

namespace zort::test {

inline void whenShown(const std::function<void()>& answer) {
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, answer]() {
        if (!QApplication::activeModalWidget()) return;
        poll->stop();
        poll->deleteLater();
        answer();
    });
    poll->start();
}

} // namespace zort::test
