#include "app/CommandLine.h"

#include "domain/ModuleVersion.h"

#include <cstring>

namespace zort {

QString usageText() {
    return QStringLiteral(
        "Użycie: zortwyp [wariant [użytkownik [archiwum]]]\n"
        "Rejestr wypadków systemu ZORT.\n"
        "\n"
        "  wariant      1-9: plik konfiguracyjny kwel_N.ini; inna wartość: kwel.ini\n"
        "  użytkownik   identyfikator użytkownika do automatycznego logowania\n"
        "               (gdy podano też wariant)\n"
        "  archiwum     1: baza archiwalna (alias ZortArch); inna wartość: alias z kwel.ini\n"
        "  --help       ten opis\n"
        "  --version    wersja programu\n");
}

QString versionText() {
    // The module's version number is the one the database's module table is checked
    // against at login.
    return QStringLiteral("zortwyp (rejestr wypadków systemu ZORT) wersja %1\n")
        .arg(expectedModuleVersion(QStringLiteral("zortwyp")));
}

std::optional<int> answerInfoArguments(int argc, char** argv, std::FILE* out) {
    for (int i = 1; i < argc; ++i) {
        const bool help = std::strcmp(argv[i], "--help") == 0;
        if (!help && std::strcmp(argv[i], "--version") != 0) continue;
        const QByteArray text = (help ? usageText() : versionText()).toUtf8();
        std::fwrite(text.constData(), 1, size_t(text.size()), out);
        std::fflush(out);
        return 0;
    }
    return std::nullopt;
}

} // namespace zort
