#pragma once
#include "db/DatabaseWait.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace zort {

// The small modal window that says what a command of the user waits for in the
// database ("Rekord jest zablokowany przez inny komputer …", "Baza danych nie
// odpowiada …"), how long it has waited and how long it may, with "Przerwij", which
// gives the wait up. Shown by the database access layer's waiting after its quiet
// time; while it is up, nothing else of the program takes the user's input.
class TfrmOczekiwanie : public QDialog, public DatabaseWait::Watcher {
    Q_OBJECT
public:
    explicit TfrmOczekiwanie(QWidget* parent = nullptr);

    bool waiting(const WaitState& state) override;
    void over() override;

    // "Przerwij" (also Esc and the close box).
    void PrzerwijClick();

    QLabel* reasonLabel() const { return m_reason; }
    QLabel* timeLabel() const { return m_time; }
    QPushButton* stopButton() const { return m_stop; }
    static QString timeText(int elapsedMs, int limitMs);

protected:
    void reject() override;

private:
    QLabel* m_reason = nullptr;
    QLabel* m_time = nullptr;
    QPushButton* m_stop = nullptr;
    bool m_stopped = false;
};

// Makes the waiting window the one the database access layer tells (the program's
// start-up does this once its windows may show).
void installWaitWindow();

} // namespace zort
