// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Replaces the global operator new, in a file of its own so that the
// compiler never sees an allocation and its release inlined across it.
#include "count_allocations.h"

#include <cstdlib>
#include <new>

namespace bench {
bool counting = false;
long allocations = 0;
}  // namespace bench

void* operator new(std::size_t size) {
  if (bench::counting) ++bench::allocations;
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
