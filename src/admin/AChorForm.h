#pragma once
#include <QDialog>

class QLineEdit;
class QPushButton;

namespace zort {

class Dataset;

// "Szczegółowe dane chorób L4": the code and name of one disease of the disease list,
// a new one or the current one. "OK" checks and stores it, "Anuluj" forgets the
// changes.
class TAChorForm : public QDialog {
    Q_OBJECT
public:
    explicit TAChorForm(QWidget* parent = nullptr);

    // Shows the window modally for the row the disease list is changing (appended or
    // edited); a stored disease gets the group `groupId`. True when it was stored:
    // the list is then read again and stands on the disease's code.
    bool editDisease(Dataset& diseases, int groupId);

    QLineEdit* codeEdit() const { return m_code; }
    QLineEdit* nameEdit() const { return m_name; }
    QPushButton* okButton() const { return m_ok; }
    QPushButton* cancelButton() const { return m_cancel; }

    // What "OK" does: false (after its message) when the disease cannot be stored.
    bool OKBtnClick();

private:
    QLineEdit* m_code;
    QLineEdit* m_name;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    Dataset* m_diseases = nullptr;
    int m_groupId = 0;
};

} // namespace zort
