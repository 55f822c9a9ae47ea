#include "data/DatabaseBuilder.h"

#include "data/Connection.h"

namespace zort {

void DatabaseBuilder::loadDemoData(Connection& c) {
    (void)c;
}

} // namespace zort
