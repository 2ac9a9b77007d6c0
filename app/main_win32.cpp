// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Tarsomel's entry point on Windows: opens the window and runs the message
// loop until the window is closed.
#include <windows.h>

#include <objbase.h>

#include "resource.h"
#include "tarsomel_window.h"

namespace {

HICON LoadProgramIcon(HINSTANCE instance, int width_metric, int height_metric) {
  return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(TARSOMEL_ICON), IMAGE_ICON,
                                       GetSystemMetrics(width_metric), GetSystemMetrics(height_metric),
                                       LR_DEFAULTCOLOR));
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show_command) {
  // The accessibility annotations are COM objects.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  int status = 1;
  if (ui::Tarsomel::Register(instance, LoadProgramIcon(instance, SM_CXICON, SM_CYICON),
                             LoadProgramIcon(instance, SM_CXSMICON, SM_CYSMICON))) {
    ui::Tarsomel window(instance);
    if (window.Handle() != nullptr) {
      window.Show(show_command);
      MSG message;
      while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (window.PreTranslate(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
      }
      status = static_cast<int>(message.wParam);
    }
  }
  if (SUCCEEDED(com)) CoUninitialize();
  return status;
}
