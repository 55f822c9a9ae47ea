#pragma once

namespace zort {
// Makes the program's built-in files (schema, reference data) available under ":/zort".
void initResources();
} // namespace zort
