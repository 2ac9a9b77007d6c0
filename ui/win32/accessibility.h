// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader is told about the window's controls, through
// Windows' dynamic annotation (IAccPropServices): names and descriptions
// the standard controls cannot carry themselves, how rows are read, and the
// announcer, a polite live region.
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
  // Names a control.
  void Name(HWND control, std::string_view name);
  // Marks the control as a polite live region, once.
  void MakeLive(HWND control);
  // Drops everything said about the window's controls; for WM_DESTROY.
  void Forget();

 private:
  IAccPropServices* services_ = nullptr;
  std::vector<std::pair<HWND, int>> annotated_;  // control and child id
};

// Tells a screen reader something wherever the keyboard focus is: Windows
// screen readers read a change away from the focus when it is a live
// region's. The announcer is a static control of no size that takes no
// focus and draws nothing, a polite live region whose name is the words;
// the message box stays the one place the verdict shows.
class Announcer {
 public:
  Announcer(HWND control, Annotations& spoken);
  void Say(const Announcement& announcement);

 private:
  HWND control_;
  Annotations& spoken_;
};

}  // namespace ui::win32
