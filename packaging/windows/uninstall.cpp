// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// uninstall.exe in Tarsomel's folder, which the uninstall entry runs, by hand
// or with /S. NSIS's own uninstaller cannot be that file: run from the folder
// it is to remove, it copies itself to the temporary folder, starts the copy
// and ends at once with status 0, whatever the copy then does. This program
// runs such a copy of the uninstaller (uninstall.dat, beside it) itself,
// waits for it and ends with its status: 0 when everything is removed, 32
// when it refused because Tarsomel runs, 2 when something is left.
//
// Its arguments go to the uninstaller as given (/S: silently); "_?=FOLDER",
// last, names the folder to remove, by default this program's own. It keeps
// no handle on its own file, which the uninstaller moves out of the folder
// while this program waits (Windows lets a running program's file be moved,
// not deleted).
#include <windows.h>

#include <cwchar>

namespace {

constexpr int kFailed = 2;
// The longest command line Windows takes.
constexpr size_t kLine = 32768;

constexpr const wchar_t* kTooLong =
    L"Командният ред на програмата за премахване на Тарсомел е твърде дълъг. Нищо не е променено.";

int Refuse(bool silent, const wchar_t* why) {
  if (!silent) MessageBoxW(nullptr, why, L"Тарсомел", MB_OK | MB_ICONSTOP);
  return kFailed;
}

// Whether /S stands among the arguments as a word of its own.
bool Silent(const wchar_t* arguments) {
  for (const wchar_t* at = std::wcsstr(arguments, L"/S"); at != nullptr; at = std::wcsstr(at + 2, L"/S")) {
    if ((at == arguments || at[-1] == L' ') && (at[2] == L'\0' || at[2] == L' ')) return true;
  }
  return false;
}

wchar_t arguments[kLine];
wchar_t folder[kLine];
wchar_t worker[kLine];
wchar_t line[kLine];

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR command_line, int) {
  std::wcsncpy(arguments, command_line, kLine - 1);
  if (GetModuleFileNameW(nullptr, folder, kLine) == 0) return kFailed;
  if (wchar_t* name = std::wcsrchr(folder, L'\\')) *name = L'\0';
  // The last "_?=" and everything after it, as NSIS reads it.
  wchar_t* given = nullptr;
  for (wchar_t* at = std::wcsstr(arguments, L"_?="); at != nullptr; at = std::wcsstr(at + 3, L"_?=")) given = at;
  if (given != nullptr) {
    std::wcsncpy(folder, given + 3, kLine - 1);
    *given = L'\0';
  }
  for (size_t n = std::wcslen(arguments); n > 0 && arguments[n - 1] == L' '; --n) arguments[n - 1] = L'\0';
  const bool silent = Silent(arguments);

  // A name or command line too long for the buffers is refused, never cut
  // short: a shorter folder could name another one.
  if (std::swprintf(worker, kLine, L"%ls\\uninstall.dat", folder) < 0) return Refuse(silent, kTooLong);
  if (GetFileAttributesW(worker) == INVALID_FILE_ATTRIBUTES) {
    return Refuse(silent,
                  L"Програмата за премахване на Тарсомел е непълна: в папката му липсва файлът uninstall.dat. "
                  L"Инсталирайте Тарсомел отново и след това го премахнете. Нищо не е променено.");
  }
  // A name of its own in the temporary folder: a copy left from an earlier
  // time, waiting for a restart to be deleted, is not in the way.
  wchar_t temp[MAX_PATH];
  wchar_t copy[MAX_PATH];
  if (GetTempPathW(MAX_PATH, temp) == 0 || GetTempFileNameW(temp, L"tar", 0, copy) == 0 ||
      !CopyFileW(worker, copy, FALSE)) {
    return Refuse(silent,
                  L"Програмата за премахване на Тарсомел не можа да бъде копирана в папката за временни файлове. "
                  L"Нищо не е променено.");
  }
  if (std::swprintf(line, kLine, L"\"%ls\" %ls _?=%ls", copy, arguments, folder) < 0) {
    DeleteFileW(copy);
    return Refuse(silent, kTooLong);
  }
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(copy, line, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    DeleteFileW(copy);
    return Refuse(silent, L"Програмата за премахване на Тарсомел не можа да бъде стартирана. Нищо не е променено.");
  }
  CloseHandle(process.hThread);
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD status = kFailed;
  GetExitCodeProcess(process.hProcess, &status);
  CloseHandle(process.hProcess);
  DeleteFileW(copy);
  return static_cast<int>(status);
}
