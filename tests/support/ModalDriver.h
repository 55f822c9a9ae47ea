#pragma once
// Answering a modal window from a test:
//
//     ModalAnswer accept([&]() { dialog.findChild<QPushButton*>("bbAkceptuj")->click(); });
//     EXPECT_TRUE(dialog.choose());
//
// The answer runs once, when a modal window is shown after the object was made,
// not while it is being prepared (a progress window lets events through before
// it shows). The object belongs to the test that makes it: when no modal window
// has shown by the end of its scope, or within its time limit, the test fails and
// the polling ends, so an answer can never reach a window of a later test.
#include <QApplication>
#include <QDeadlineTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <functional>
#include <gtest/gtest.h>
#include <source_location>

namespace zort::test {

class [[nodiscard]] ModalAnswer {
public:
    static constexpr std::chrono::milliseconds kDefaultLimit{5000};

    explicit ModalAnswer(std::function<void()> answer, std::chrono::milliseconds limit = kDefaultLimit,
                         std::source_location where = std::source_location::current())
        : m_answer(std::move(answer)),
          m_limit(limit),
          m_deadline(limit),
          m_before(QApplication::activeModalWidget()),
          m_where(where) {
        m_poll.setInterval(5);
        QObject::connect(&m_poll, &QTimer::timeout, &m_poll, [this]() { poll(); });
        m_poll.start();
    }

    ~ModalAnswer() {
        m_poll.stop();
        if (m_state == State::Waiting) fail("by the end of the answer's scope");
    }

    ModalAnswer(const ModalAnswer&) = delete;
    ModalAnswer& operator=(const ModalAnswer&) = delete;

    bool answered() const { return m_state == State::Answered; }

private:
    enum class State { Waiting, Answered, TimedOut };

    void poll() {
        if (m_state != State::Waiting) return;
        QWidget* modal = QApplication::activeModalWidget();
        // A modal window already up when the answer was made (the one whose answer
        // makes this one, say) is not the window awaited.
        if (modal && modal != m_before) {
            m_poll.stop();
            m_state = State::Answered;
            m_answer();
            return;
        }
        if (m_deadline.hasExpired()) {
            m_poll.stop();
            m_state = State::TimedOut;
            fail(QStringLiteral("within %1 ms").arg(m_limit.count()).toStdString().c_str());
        }
    }

    void fail(const char* when) const {
        ADD_FAILURE_AT(m_where.file_name(), int(m_where.line()))
            << "The modal window this answer waits for was not shown " << when << "; the answer was not given.";
    }

    std::function<void()> m_answer;
    std::chrono::milliseconds m_limit;
    QDeadlineTimer m_deadline;
    QPointer<QWidget> m_before;
    std::source_location m_where;
    QTimer m_poll;
    State m_state = State::Waiting;
};

} // namespace zort::test
