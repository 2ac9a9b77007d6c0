// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Counts calls of the global operator new while `counting` is set.
#pragma once

namespace bench {
extern bool counting;
extern long allocations;
}  // namespace bench
