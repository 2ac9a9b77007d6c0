// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window Tarsomel on the Win32 API: the main window's controls as
// standard Windows controls, handing their events to the shared handlers.
//
// What this edition does, and where it differs from the others:
// - Windows' own controls, so that the window is the platform's. Its
//   LISTBOX keeps the shared keys of ui/list_keys.h for the arrows, Home,
//   End, Page Up and Page Down and a letter. In a list with nothing
//   selected (the second list of a pair) Ctrl with those keys moves the
//   focus mark alone and Space chooses the marked row, as the shared keys
//   say. It differs in three ways: in a list that has a selection, Ctrl
//   with an arrow moves the selection like the arrow alone and Space does
//   nothing (a single-selection list box has no mark apart from its
//   selection then); Left and Right act as Up and Down; and letters typed
//   quickly one after another search for a name that starts with all of
//   them.
// - Per-monitor DPI aware: laid out in pixels of the monitor's DPI from the
//   design's twips, again when the window moves to another monitor.
// - Screen readers get the design's names through the annotation service
//   and each verdict as a polite live region's name.
// - The focus goes back to the control that had it after a minimise or
//   another window.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "accessibility.h"
#include "controls.h"
#include "list_keys.h"
#include "main_window.h"

namespace ui::win32 {

// The window class, and the controls' ids: what tools outside the program
// find the window and its controls by.
inline constexpr wchar_t kWindowClass[] = L"Tarsomel";
enum ControlId : int {
  kLabel1Id = 100,  // + index
  kList1Id = 200,   // + index
  kCommand1Id = 300,
  kText1Id = 400,
  kText1LabelId = 401,  // the message box's unseen label
  kAnnouncerId = 402,   // tells screen readers each verdict
};

class Tarsomel {
 public:
  // The window procedure of the class kWindowClass.
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM w, LPARAM l);

  // Creates the window, hidden, with its controls laid out, the task shown
  // and the lists filled.
  explicit Tarsomel(HINSTANCE instance);
  ~Tarsomel();
  Tarsomel(const Tarsomel&) = delete;
  Tarsomel& operator=(const Tarsomel&) = delete;

  HWND Handle() const { return window_; }
  // Shows the window with the focus on the first control of the tab order.
  void Show(int show_command);
  // Keys the window handles before the focused control: Tab and Shift+Tab
  // along the design's tab order, Enter on the button. True when taken.
  bool PreTranslate(const MSG& message);

 private:
  // The procedure of the controls it subclasses, and theirs.
  static LRESULT CALLBACK ControlProcedure(HWND control, UINT message, WPARAM w, LPARAM l);
  LRESULT Original(HWND control, UINT message, WPARAM w, LPARAM l) const;
  LRESULT Handle(UINT message, WPARAM w, LPARAM l);
  void CreateControls();
  // Fonts and places for the DPI, as when the window moves to another screen.
  void ApplyDpi(UINT dpi);
  // The design's font at dpi_ for every control; redrawn or not.
  void SetFonts(bool redraw);
  void SizeWindow();
  void OnCommand(int id, int code);
  // A key in a list with nothing selected: the arrows, Home, End, Page Up
  // and Page Down, with Ctrl or without, Space and a letter or digit move
  // the focus mark and choose a row as the shared list keys say. True when
  // taken; in a list that has a selection, keys are the list box's own.
  bool MarkKey(size_t list, std::optional<KeyPress> press);
  void DrawCommand(const DRAWITEMSTRUCT& item) const;
  HWND Focusable(Control control) const;
  // To the control that had the focus last, or the first of the tab order.
  void GiveFocusBack();

  HWND window_ = nullptr;
  UINT dpi_ = 96;
  std::wstring face_;
  HFONT font_ = nullptr;
  HBRUSH label_brush_ = nullptr;
  std::array<HWND, 3> labels_{};
  std::array<HWND, 2> lists_{};
  HWND command_ = nullptr;
  HWND text_ = nullptr;
  HWND text_label_ = nullptr;
  HWND announcer_control_ = nullptr;
  HWND last_focus_ = nullptr;  // the control that had the focus last
  std::array<HWND, 4> subclassed_{};
  std::array<WNDPROC, 4> original_{};

  std::unique_ptr<Annotations> spoken_;
  std::array<std::unique_ptr<WindowListBox>, 2> visible_;
  std::unique_ptr<Announcer> announcer_;
  std::unique_ptr<EditMessageText> message_;
  std::unique_ptr<MainWindow> main_window_;
};

}  // namespace ui::win32
