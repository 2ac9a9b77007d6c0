// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "application.h"

#include <objbase.h>

#include "controls.h"
#include "main_window.h"
#include "window.h"

namespace ui::win32 {

namespace {

HICON LoadProgramIcon(HINSTANCE instance, int icon_id, int width_metric, int height_metric) {
  return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(icon_id), IMAGE_ICON, GetSystemMetrics(width_metric),
                                       GetSystemMetrics(height_metric), LR_DEFAULTCOLOR));
}

int CALLBACK FaceFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;
}

bool HasCyrillicFace(HDC dc, const std::wstring& face) {
  LOGFONTW wanted{};
  wanted.lfCharSet = RUSSIAN_CHARSET;
  face.copy(wanted.lfFaceName, LF_FACESIZE - 1);
  bool found = false;
  EnumFontFamiliesExW(dc, &wanted, FaceFound, reinterpret_cast<LPARAM>(&found), 0);
  return found;
}

}  // namespace

bool RegisterWindowClass(HINSTANCE instance, HICON icon, HICON small_icon) {
  WNDCLASSEXW type{};
  type.cbSize = sizeof(type);
  type.lpfnWndProc = Tarsomel::Procedure;
  type.hInstance = instance;
  type.hIcon = icon;
  type.hIconSm = small_icon;
  type.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  type.hbrBackground = CreateSolidBrush(RGB(kWindowColour.red, kWindowColour.green, kWindowColour.blue));
  type.lpszClassName = kWindowClass;
  return RegisterClassExW(&type) != 0;
}

std::wstring CyrillicFace(HDC dc) {
  for (std::string_view face : {kFontFace, kFallbackFontFace}) {
    if (HasCyrillicFace(dc, Wide(face))) return Wide(face);
  }
  return {};
}

int Run(HINSTANCE instance, int icon_id, int show_command) {
  // The accessibility annotations are COM objects.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  int status = 1;
  if (RegisterWindowClass(instance, LoadProgramIcon(instance, icon_id, SM_CXICON, SM_CYICON),
                          LoadProgramIcon(instance, icon_id, SM_CXSMICON, SM_CYSMICON))) {
    Tarsomel window(instance);
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

}  // namespace ui::win32
