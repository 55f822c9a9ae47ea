#pragma once
#include "core/UserInterface.h"

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

namespace zort::test {

// The user interface of the tests: records every message and question and answers
// from queues (or with defaults: Yes / "Akceptuj", no file).
class ScriptedUi : public UserInterface {
public:
    struct Shown {
        QString kind;  // "message", "confirm", "open", "save", "folder"
        QString text;
        QString caption;
        MsgIcon icon = MsgIcon::None;
    };

    ScriptedUi();
    ~ScriptedUi() override;

    MsgAnswer message(const QString& text, const QString& caption, MsgIcon icon, MsgButtons buttons,
                      QWidget* parent) override;
    int confirm(const QString& text, QWidget* parent) override;
    QString openFile(FileRequest& request, QWidget* parent) override;
    QString saveFile(FileRequest& request, QWidget* parent) override;
    QString chooseFolder(const QString& title, const QString& initial, QWidget* parent) override;

    std::deque<MsgAnswer> answers;      // for message boxes with a choice
    std::deque<int> confirmAnswers;     // for the confirmation dialog
    std::deque<QString> files;          // for file and folder dialogs
    std::deque<int> filterIndexes;      // chosen filters of save dialogs
    std::vector<FileRequest> fileRequests;
    // Called when a dialog is shown (e.g. to check the state of a window).
    std::function<void(const Shown&)> onShown;

    std::vector<Shown> shown;
    QStringList texts() const;
    QString lastText() const { return shown.empty() ? QString() : shown.back().text; }
    void clear() { shown.clear(); }

private:
    UserInterface* m_previous = nullptr;
};

} // namespace zort::test
