// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window moved to a monitor of another DPI, as Windows tells it with
// WM_DPICHANGED: the controls are laid out again from the design, the font
// is made again at the new DPI and the window takes the rectangle Windows
// suggests. Wine has one DPI for every monitor, so the message is sent here
// by hand, to the window made in this process. Exits 0 when all is right.
#include <windows.h>

#include <objbase.h>

#include <cstdio>

#include "application.h"
#include "main_window.h"
#include "window.h"

namespace {

bool failed = false;

void Check(bool ok, const char* what, int dpi) {
  if (ok) return;
  std::printf("at %d dpi: %s\n", dpi, what);
  failed = true;
}

bool Placed(HWND window, int id, const ui::Twips& t, int dpi) {
  RECT r;
  GetWindowRect(GetDlgItem(window, id), &r);
  MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&r), 2);
  return r.left == ui::TwipsToPixels(t.left, dpi) && r.top == ui::TwipsToPixels(t.top, dpi) &&
         r.right - r.left == ui::TwipsToPixels(t.width, dpi) && r.bottom - r.top == ui::TwipsToPixels(t.height, dpi);
}

int FontHeight(HWND control) {
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof(font), &font);
  return font.lfHeight;
}

void MoveTo(HWND window, int dpi) {
  RECT suggested = {40, 30, 40 + ui::TwipsToPixels(ui::kClientWidth, dpi),
                    30 + ui::TwipsToPixels(ui::kClientHeight, dpi)};
  AdjustWindowRectExForDpi(&suggested, static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)), FALSE, 0,
                           static_cast<UINT>(dpi));
  SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));

  RECT now;
  GetWindowRect(window, &now);
  Check(EqualRect(&now, &suggested) != FALSE, "the window did not take the suggested rectangle", dpi);
  Check(Placed(window, ui::win32::kLabel1Id, ui::kLabel1[0], dpi) &&
            Placed(window, ui::win32::kLabel1Id + 1, ui::kLabel1[1], dpi) &&
            Placed(window, ui::win32::kLabel1Id + 2, ui::kLabel1[2], dpi),
        "labels not where the design puts them", dpi);
  Check(Placed(window, ui::win32::kList1Id, ui::kList1[0], dpi) &&
            Placed(window, ui::win32::kList1Id + 1, ui::kList1[1], dpi),
        "lists not where the design puts them", dpi);
  Check(Placed(window, ui::win32::kCommand1Id, ui::kCommand1, dpi), "button not where the design puts it", dpi);
  Check(Placed(window, ui::win32::kText1Id, ui::kText1, dpi), "message box not where the design puts it", dpi);
  const int height = -MulDiv(ui::kFontPoints, dpi, 72);
  const int ids[] = {ui::win32::kLabel1Id, ui::win32::kList1Id, ui::win32::kList1Id + 1, ui::win32::kCommand1Id,
                     ui::win32::kText1Id};
  for (int id : ids) {
    Check(FontHeight(GetDlgItem(window, id)) == height, "a control's font is not 12 pt at this DPI", dpi);
  }
}

int RowHeight(HWND window) {
  return static_cast<int>(SendMessageW(GetDlgItem(window, ui::win32::kList1Id), LB_GETITEMHEIGHT, 0, 0));
}

}  // namespace

int wmain() {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  if (!ui::win32::RegisterWindowClass(instance, nullptr, nullptr)) return 2;
  {
    ui::win32::Tarsomel window(instance);
    if (window.Handle() == nullptr) return 2;
    window.Show(SW_SHOWNORMAL);
    MoveTo(window.Handle(), 96);
    const int rows_at_96 = RowHeight(window.Handle());
    MoveTo(window.Handle(), 144);
    Check(RowHeight(window.Handle()) > rows_at_96, "the lists' rows did not grow with the font", 144);
    MoveTo(window.Handle(), 192);
    MoveTo(window.Handle(), 96);
    Check(RowHeight(window.Handle()) == rows_at_96, "the lists' rows are not back to their height", 96);
  }
  CoUninitialize();
  std::printf(failed ? "failed\n" : "ok\n");
  return failed ? 1 : 0;
}
