#include "printing/PrintForms.h"

namespace zort::print {

void registerRegisterCardForms() {}

} // namespace zort::print
