#include "printing/PrintForms.h"

namespace zort::print {

void registerProtocolForms() {}

} // namespace zort::print
