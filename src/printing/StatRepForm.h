#pragma once
#include <QDialog>

class QLabel;
class QTimer;

namespace zort::print {

// The wait window shown while a report is prepared: "Proszę czekać - trwa proces
// przygotowania raportu !" blinking every 300 ms. It is painted before the
// preparation starts (which holds the event loop until it ends).
class TfrmStatRep : public QDialog {
    Q_OBJECT
public:
    explicit TfrmStatRep(QWidget* parent = nullptr);
    static QString waitText();

    void start();
    void stop();
    QLabel* label() const { return m_label; }
    bool blinking() const;

private:
    QLabel* m_label;
    QTimer* m_blink;
};

// The window of the run (created on first use).
TfrmStatRep& statRepForm();

// Shows the wait window for the life of the object.
class WaitWindow {
public:
    WaitWindow();
    ~WaitWindow();
    WaitWindow(const WaitWindow&) = delete;
    WaitWindow& operator=(const WaitWindow&) = delete;
};

} // namespace zort::print
