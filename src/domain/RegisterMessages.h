#pragma once
#include <QString>

namespace zort {

// Messages that more than one window of the register shows.

// The data test finds no injured person to test (none chosen, or the record is gone).
inline QString noDataToTestMessage() {
    return QStringLiteral("Brak danych do weryfikacji. Przed skorzystaniem z polecenia należy wprowadzić dane do "
                          "rejestru wypadków");
}

} // namespace zort
