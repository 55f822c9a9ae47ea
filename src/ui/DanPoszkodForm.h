#pragma once
#include <QDialog>
#include <QString>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace zort {

// "Dane o zatrudnieniu związane z pracownikiem": the employments of a person copied
// from the employee register, one line each, for the user to pick the one the
// injured person had. The employment current when the window closes is used; it is
// the first until a line is clicked.
class TDanPoszkodForm : public QDialog {
    Q_OBJECT
public:
    struct Line {
        QString text;        // the path of the position, joined by " || "
        int positionId = 0;  // for the element on the level of "Zatrudniony w"
    };

    explicit TDanPoszkodForm(QWidget* parent = nullptr);

    // Shows the lines modally; the index of the employment chosen (0 without a click).
    int choose(const std::vector<Line>& lines);

    QListWidget* list() const { return m_list; }
    QLineEdit* levelEdit() const { return m_level; }
    QLabel* employedIn() const { return m_employedIn; }
    int current() const { return m_current; }

    // Leaving "ePoziom": a small whole number, the level of "Zatrudniony w" for the
    // rest of the run; anything else shows its message and keeps the focus there.
    void ePoziomExit();

private:
    void lineClicked(int row);
    void showElement();

    QListWidget* m_list;
    QLineEdit* m_level;
    QLabel* m_employedIn;
    QPushButton* m_close;
    std::vector<Line> m_lines;
    int m_current = 0;
};

// The window of the run (created at start-up, or on first use).
TDanPoszkodForm& danPoszkodForm();

} // namespace zort
