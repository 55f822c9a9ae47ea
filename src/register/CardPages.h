#pragma once
#include <QObject>
#include <QString>

class QLineEdit;
class QWidget;

namespace zort {

struct CardField;
class RadioGroup;
class TRejestrWypForm;

// The statistical-card answers of the injured-person pages of accidents at work:
// the picker beside each code (the classification of the accident's card form as
// "SKW :" shows it), the causes never chosen twice, a double click that clears a
// code, the questions the form lacks hidden, and the change of the card form.
class CardPages : public QObject {
    Q_OBJECT
public:
    CardPages(TRejestrWypForm& window, QWidget* pages);

    // A record was loaded: the questions of its card form shown, the others hidden
    // (their values stay as loaded and are saved unchanged); the form remembered.
    void arrange(int version, bool editable);
    // Shows the questions of the form and hides the others.
    void showQuestionsOf(int version);
    // The form "SKW :" shows (-1 without a choice).
    int shownVersion() const;

    // The picker of a field: the tree of the form, or the list of the 2000 form.
    void pick(const CardField& field);

    // --- The change of the card form ("SKW :") -------------------------------------
    // The user chose the form of that index.
    void rgwWersjaSKWClick(int index);
    // The form remembered when the user entered the group.
    int rememberedVersion() const { return m_remembered; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool pickFromList(const CardField& field, QLineEdit* code, QLineEdit* text);
    void checkCause(const CardField& field);
    void clearForVersionChange();
    int storedVersion() const;
    template <class T>
    T* find(const QString& name) const;

    TRejestrWypForm& m_w;
    QWidget* m_pages;
    RadioGroup* m_version = nullptr;
    int m_remembered = -1;
    bool m_editable = false;
};

} // namespace zort
