#include "core/PrawaDostepu.h"

namespace zort {
namespace {

#define ZORT_RIGHT_COUNT(name) +1
static_assert(0 ZORT_RIGHTS(ZORT_RIGHT_COUNT) == TPrawaDostepu::kCount);
#undef ZORT_RIGHT_COUNT

using Member = int TPrawaDostepu::*;

const std::array<Member, TPrawaDostepu::kCount>& members() {
#define ZORT_RIGHT_MEMBER(name) &TPrawaDostepu::name,
    static const std::array<Member, TPrawaDostepu::kCount> m = {ZORT_RIGHTS(ZORT_RIGHT_MEMBER)};
#undef ZORT_RIGHT_MEMBER
    return m;
}

} // namespace

const std::array<const char*, TPrawaDostepu::kCount>& TPrawaDostepu::names() {
#define ZORT_RIGHT_NAME(name) #name,
    static const std::array<const char*, kCount> n = {ZORT_RIGHTS(ZORT_RIGHT_NAME)};
#undef ZORT_RIGHT_NAME
    return n;
}

int& TPrawaDostepu::at(int index) { return this->*members()[size_t(index)]; }
int TPrawaDostepu::at(int index) const { return this->*members()[size_t(index)]; }

int TPrawaDostepu::value(const QString& name) const {
    for (int i = 0; i < kCount; ++i)
        if (name.compare(QLatin1String(names()[size_t(i)]), Qt::CaseInsensitive) == 0) return at(i);
    return -1;
}

} // namespace zort
