#include "ScriptedUi.h"

namespace zort::test {

ScriptedUi::ScriptedUi() { setUserInterface(this); }

ScriptedUi::~ScriptedUi() { setUserInterface(nullptr); }

MsgAnswer ScriptedUi::message(const QString& text, const QString& caption, MsgIcon icon,
                              MsgButtons buttons, QWidget*) {
    Shown s{QStringLiteral("message"), text, caption, icon};
    shown.push_back(s);
    if (onShown) onShown(s);
    if (buttons == MsgButtons::Ok) return MsgAnswer::Ok;
    if (!answers.empty()) {
        const MsgAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    return buttons == MsgButtons::OkCancel ? MsgAnswer::Ok : MsgAnswer::Yes;
}

int ScriptedUi::confirm(const QString& text, QWidget*) {
    Shown s{QStringLiteral("confirm"), text, QStringLiteral("Komunikat Programu "), MsgIcon::Confirmation};
    shown.push_back(s);
    if (onShown) onShown(s);
    if (!confirmAnswers.empty()) {
        const int a = confirmAnswers.front();
        confirmAnswers.pop_front();
        return a;
    }
    return 1;
}

QString ScriptedUi::openFile(FileRequest& request, QWidget*) {
    shown.push_back({QStringLiteral("open"), request.title, request.title, MsgIcon::None});
    fileRequests.push_back(request);
    if (files.empty()) return QString();
    const QString f = files.front();
    files.pop_front();
    return f;
}

QString ScriptedUi::saveFile(FileRequest& request, QWidget*) {
    shown.push_back({QStringLiteral("save"), request.title, request.title, MsgIcon::None});
    fileRequests.push_back(request);
    if (!filterIndexes.empty()) {
        request.filterIndex = filterIndexes.front();
        filterIndexes.pop_front();
    }
    if (files.empty()) return QString();
    const QString f = files.front();
    files.pop_front();
    return f;
}

QString ScriptedUi::chooseFolder(const QString& title, const QString& initial, QWidget*) {
    shown.push_back({QStringLiteral("folder"), title, title, MsgIcon::None});
    if (files.empty()) return QString();
    const QString f = files.front();
    files.pop_front();
    return f;
}

QStringList ScriptedUi::texts() const {
    QStringList out;
    for (const auto& s : shown) out << s.text;
    return out;
}

} // namespace zort::test
