#include "datatest/DataTestEngine.h"

namespace zort {

DataTestEngine::DataTestEngine(DataTestInput input) : m_in(std::move(input)) {}

DataTestReport DataTestEngine::TestCard2000() { return {}; }
DataTestReport DataTestEngine::TestCard() { return {}; }
DataTestReport DataTestEngine::TestProtocol1998() { return {}; }
DataTestReport DataTestEngine::TestProtocol() { return {}; }
DataTestReport DataTestEngine::TestEverything() { return {}; }

} // namespace zort
