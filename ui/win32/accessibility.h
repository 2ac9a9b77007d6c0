// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader is told about the window's controls, through
// Windows' dynamic annotation (IAccPropServices): names and descriptions
// the standard controls cannot carry themselves, the played rows' name, and
// the message box as a polite live region.
#pragma once

#include <windows.h>

#include <string_view>
#include <utility>
#include <vector>

#include "main_window.h"

struct IAccPropServices;

namespace ui::win32 {

class Annotations {
 public:
  // Needs COM on this thread. Without the annotation service (not every
  // Windows-like system has it) every call does nothing.
  Annotations();
  ~Annotations();
  Annotations(const Annotations&) = delete;
  Annotations& operator=(const Annotations&) = delete;

  void Describe(HWND control, const Spoken& spoken);
  // Names row `row` of a list box; an empty name gives the row back its text.
  void NameRow(HWND list, int row, std::string_view name);
  // Marks the control as a polite live region, once.
  void MakeLive(HWND control);
  // Tells a screen reader that the live region's text changed.
  static void Announce(HWND control);
  // Drops everything said about the window's controls; for WM_DESTROY.
  void Forget();

 private:
  IAccPropServices* services_ = nullptr;
  std::vector<std::pair<HWND, int>> annotated_;  // control and child id
};

}  // namespace ui::win32
