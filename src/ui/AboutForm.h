#pragma once
#include <QDialog>

class QLabel;
class QProgressBar;

namespace zort {

// The information window shown while the program prepares itself ("Informacja",
// no border, centred): a title line and a progress bar.
class TAboutForm : public QDialog {
    Q_OBJECT
public:
    explicit TAboutForm(QWidget* parent = nullptr);
    void setTitleLine(const QString& text);
    void setProgress(int value, int maximum);
    void advance();

private:
    QLabel* m_title;
    QProgressBar* m_bar;
};

} // namespace zort
