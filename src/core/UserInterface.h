#pragma once
#include <QString>
#include <QStringList>

class QWidget;

namespace zort {

enum class MsgIcon { None, Error, Warning, Information, Confirmation };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgAnswer { Ok, Cancel, Yes, No };

// A file dialog request: title, starting folder or file, filters in the
// "Description|*.ext" form, and the filter chosen (1-based, as the program counts).
struct FileRequest {
    QString title;
    QString initial;
    QStringList filters;
    int filterIndex = 1;
};

// Every message box, confirmation and file dialog of the program goes through the
// one instance of this interface, so tests can read the exact texts and answer them.
// Every message is also written to standard error.
class UserInterface {
public:
    virtual ~UserInterface() = default;

    // A message box with icon and buttons (the suite's MessageDlg and the system
    // message box with its caption).
    virtual MsgAnswer message(const QString& text, const QString& caption, MsgIcon icon,
                              MsgButtons buttons, QWidget* parent) = 0;
    // The confirmation dialog TInfoForm: 1 for "Akceptuj", 2 for "Rezygnuj".
    virtual int confirm(const QString& text, QWidget* parent) = 0;
    // File dialogs; an empty result means cancelled. The chosen filter is written back.
    virtual QString openFile(FileRequest& request, QWidget* parent) = 0;
    virtual QString saveFile(FileRequest& request, QWidget* parent) = 0;
    virtual QString chooseFolder(const QString& title, const QString& initial, QWidget* parent) = 0;
};

UserInterface& ui();
// Replaces the interface (tests); nullptr restores the default one.
void setUserInterface(UserInterface* replacement);
// The interface with real windows, installed by the program (installDialogs()).
// Without one, messages only go to standard error and questions count as cancelled.
void setDefaultUserInterface(UserInterface* dialogs);

// Short forms.
void showError(const QString& text, QWidget* parent = nullptr);
void showWarning(const QString& text, QWidget* parent = nullptr);
void showInfo(const QString& text, QWidget* parent = nullptr);
// The system message box with its own caption ("Uwaga!", "UWAGA").
void showBox(const QString& text, const QString& caption, QWidget* parent = nullptr);
// The same with an icon ("Uwaga!" with the error sign).
void showBox(const QString& text, const QString& caption, MsgIcon icon, QWidget* parent = nullptr);
// The confirmation dialog: 1 "Akceptuj", 2 "Rezygnuj".
int confirmInfo(const QString& text, QWidget* parent = nullptr);
bool askYesNo(const QString& text, const QString& caption = QString(), QWidget* parent = nullptr);

// Writes a message to standard error (done for every message shown).
void logMessage(const QString& kind, const QString& text);

} // namespace zort
