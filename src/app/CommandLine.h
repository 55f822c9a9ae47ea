#pragma once
#include <QString>
#include <cstdio>
#include <optional>

namespace zort {

// The two informational arguments of the program: "--help" prints the usage and
// "--version" the version, both to standard output, and the program ends with
// status 0 before it needs a display or a database. Every other argument keeps its
// meaning (configuration variant, user id, archive flag). Called first in main.
std::optional<int> answerInfoArguments(int argc, char** argv, std::FILE* out = stdout);

QString usageText();
QString versionText();

} // namespace zort
