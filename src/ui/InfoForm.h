#pragma once
#include <QDialog>

class QPlainTextEdit;

namespace zort {

// The confirmation dialog of the program ("Komunikat Programu "): one message in a
// read-only memo, "Akceptuj" (default) answers 1, "Rezygnuj" (also Esc) and any
// other way of closing answer 2.
class InfoForm : public QDialog {
    Q_OBJECT
public:
    explicit InfoForm(QWidget* parent = nullptr);
    int ask(const QString& text);

private:
    QPlainTextEdit* m_memo;
};

} // namespace zort
