#include "db/Resources.h"

#include <QtGlobal>

static void initZortData() { Q_INIT_RESOURCE(zortdata); }

namespace zort {
void initResources() {
    static const bool done = (initZortData(), true);
    (void)done;
}
} // namespace zort
