#pragma once
#include <QDialog>

class QLineEdit;
class QPushButton;

namespace zort {

// "Katalog zawierający dokumenty zewnętrzne": the documents folder shown, chosen with
// "Wybierz" and stored with "OK" (the change question when another folder was set
// before, the directory created, OPARAM written). Created at start and reused; it
// shares the remembered folder with the administration window.
class TfrmPathDokum : public QDialog {
    Q_OBJECT
public:
    explicit TfrmPathDokum(QWidget* parent = nullptr);

    // Shows the window modally with the current folder; true when a folder was
    // confirmed and stored.
    bool AskDocumentsFolder(QWidget* parent = nullptr);

    // The buttons (tests call them too).
    void WybierzClick();
    void OKClick();
    // "Anuluj", Esc and the title bar: after a change the user is asked first.
    void reject() override;

    QLineEdit* pathField() const { return m_path; }
    QPushButton* button(const QString& name) const;
    bool changed() const { return m_changed; }

    static QString cancelQuestion();

private:
    QLineEdit* m_path = nullptr;
    bool m_changed = false;
    bool m_stored = false;
};

// The folder window of the run (created on first use).
TfrmPathDokum& pathDokumForm();

} // namespace zort
