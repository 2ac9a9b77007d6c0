// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Resource ids shared by the resource script and the Windows entry point.
#pragma once

// The lowest icon id: the one Explorer shows for the file.
#define TARSOMEL_ICON 1
