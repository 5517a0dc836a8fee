#pragma once
// Counts every heap allocation of the process, so a benchmark can show that
// a stretch of code allocates nothing.

#include <cstdint>

namespace velko {

std::uint64_t HeapAllocations();

}   // namespace velko
