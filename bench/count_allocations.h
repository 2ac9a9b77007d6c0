// Counts calls of the global operator new while `counting` is set.
#pragma once

namespace bench {
extern bool counting;
extern long allocations;
}  // namespace bench
