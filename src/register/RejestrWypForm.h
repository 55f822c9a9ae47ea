#pragma once
#include <QMainWindow>

namespace zort {

// The main window of the program: the registers of accidents.
class TRejestrWypForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TRejestrWypForm(QWidget* parent = nullptr);
};

} // namespace zort
