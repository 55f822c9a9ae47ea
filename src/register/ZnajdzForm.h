#pragma once
#include <QDialog>
#include <vector>

class QLineEdit;
class QPushButton;

namespace zort {

struct AccidentSearch;

// "Znajdź ": finds accidents at work by their injured persons (surname, first name,
// card, protocol and accident-card numbers) and positions the list of accidents at
// work of the open year on them, one after the other with "Kolejny". Shown without
// modality beside the main window.
class TZnajdzForm : public QDialog {
    Q_OBJECT
public:
    explicit TZnajdzForm(QWidget* parent = nullptr);

    // "Znajdź": searches with the filled fields and shows the first accident found.
    void sbZnajdzClick();
    // "Kolejny": shows the accident of the next injured person found.
    void sbKolejnyClick();

    AccidentSearch criteria() const;
    bool nextEnabled() const;

private:
    // Positions the main window's list of accidents at work on the accident (nothing
    // moves when the open year does not list it).
    void showAccident(int id);

    QLineEdit* m_surname;
    QLineEdit* m_firstName;
    QLineEdit* m_card;
    QLineEdit* m_protocol;
    QLineEdit* m_accidentCard;
    QPushButton* m_next;
    std::vector<int> m_found;
    size_t m_current = 0;
};

// Makes the main window's "Znajdź" open the search window (created on first use).
void registerSearchWindow();

} // namespace zort
