#pragma once
#include <QAbstractButton>

namespace zort {

// One alternative of a printed form that the user chooses by striking out the
// others: its caption shown like a label, with a line one pixel high across the
// text when struck out. A click (mouse, Space, Enter) only emits clicked(); the owner
// decides the new state and sets it with setStruck(). For accessibility tools the
// mark is a checkable button named by its caption, checked when it stands.
class StrikeMark : public QAbstractButton {
    Q_OBJECT
public:
    StrikeMark(const QString& name, const QString& caption, QWidget* parent = nullptr);

    void setStruck(bool struck);
    bool struck() const { return m_struck; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void nextCheckState() override;
    bool hitButton(const QPoint& pos) const override;

private:
    void updateAccessibility();
    QRect textRect() const;

    bool m_struck = false;
};

} // namespace zort
