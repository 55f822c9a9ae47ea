#pragma once
#include <QDialog>
#include <QElapsedTimer>

class QLabel;
class QProgressBar;

namespace zort {

// The progress window shown (without modality) while a large dictionary or the
// organisation structure loads: a caption and the progress bar `pb`.
class TfrmProgres : public QDialog {
    Q_OBJECT
public:
    explicit TfrmProgres(QWidget* parent = nullptr);

    // Shows the window with the caption and the bar at 0 of `maximum`.
    void start(const QString& caption, int maximum);
    // Advances the bar by one; the window is repainted now and then, not at every step.
    void step();
    // Hides the window.
    void finish();

    QProgressBar* bar() const { return m_pb; }
    QString caption() const;

private:
    void paintNow();

    QLabel* m_caption;
    QProgressBar* m_pb;
    QElapsedTimer m_sincePaint;
    int m_value = 0;
};

// The progress window of the run, created on first use.
TfrmProgres& progressWindow();
// Tools without a screen (zortdb) keep the progress window hidden; it still counts.
void setProgressWindowShown(bool shown);

// Shows the progress window for the length of a scope.
class ProgressScope {
public:
    ProgressScope(const QString& caption, int maximum) { progressWindow().start(caption, maximum); }
    ~ProgressScope() { progressWindow().finish(); }
    ProgressScope(const ProgressScope&) = delete;
    ProgressScope& operator=(const ProgressScope&) = delete;
    void step() { progressWindow().step(); }
};

} // namespace zort
