// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Looks at the running Windows edition from outside, as a test or a screen
// reader would: the window's caption, size and DPI, where its controls are,
// what the lists hold and which rows are selected, where the focus is, what
// the message box and the clipboard say, what accessibility names the
// controls have, and the live-region events the message box raises.
// It also says what the shared list keys would do in a list as it is now.
// Usage: probe COMMAND [ARGUMENTS]; prints one answer and exits 0, or says
// why not and exits 1 (2 for a bad command line). `probe serve` takes one
// command a line from standard input and ends each answer with a line
// "= STATUS", so that a long test asks cheaply, as often as it likes.
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <oleacc.h>
#include <psapi.h>
#include <shellscalingapi.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "controls.h"
#include "design.h"
#include "game_model.h"
#include "list_keys.h"
#include "main_window.h"
#include "window.h"

namespace {

using ui::TwipsToPixels;

int Fail(const char* why) {
  std::fprintf(stderr, "probe: %s\n", why);
  return 1;
}

std::string Hex(const std::string& text) {
  std::string hex;
  for (unsigned char c : text) {
    constexpr char kDigits[] = "0123456789abcdef";
    hex += kDigits[c >> 4];
    hex += kDigits[c & 15];
  }
  return hex;
}

void PrintHex(const std::string& text) { std::printf("%s\n", Hex(text).c_str()); }

std::string Unhex(const std::wstring& hex) {
  std::string text;
  for (size_t i = 0; i + 1 < hex.size(); i += 2) {
    text += static_cast<char>(std::wcstol(hex.substr(i, 2).c_str(), nullptr, 16));
  }
  return text;
}

// A row of a list, in brackets so that blanks show.
void PrintRow(const std::wstring& row) { std::printf("[%s]\n", ui::win32::Utf8(row).c_str()); }

HWND Window() { return FindWindowW(ui::win32::kWindowClass, nullptr); }

// The DPI the window is drawn at. Asked from another process, Wine answers
// GetDpiForWindow with 96 whatever the window's awareness; a per-monitor
// aware window is at its monitor's DPI.
int DpiOf(HWND window) {
  switch (GetAwarenessFromDpiAwarenessContext(GetWindowDpiAwarenessContext(window))) {
    case DPI_AWARENESS_PER_MONITOR_AWARE: {
      UINT x = 96, y = 96;
      GetDpiForMonitor(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), MDT_EFFECTIVE_DPI, &x, &y);
      return static_cast<int>(y);
    }
    case DPI_AWARENESS_SYSTEM_AWARE:
      return static_cast<int>(GetDpiForSystem());
    default:
      return 96;
  }
}

HWND Control(HWND window, const wchar_t* which) {
  const std::wstring name = which;
  if (name == L"focus") {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
  }
  int id = -1;
  if (name == L"names") id = ui::win32::kList1Id;
  if (name == L"temperatures") id = ui::win32::kList1Id + 1;
  if (name == L"text") id = ui::win32::kText1Id;
  if (name == L"command") id = ui::win32::kCommand1Id;
  if (name == L"announcer") id = ui::win32::kAnnouncerId;
  if (name == L"label0" || name == L"label1" || name == L"label2") id = ui::win32::kLabel1Id + (name.back() - L'0');
  return id < 0 ? nullptr : GetDlgItem(window, id);
}

const char* NameOf(int id) {
  switch (id) {
    case ui::win32::kList1Id:
      return "names";
    case ui::win32::kList1Id + 1:
      return "temperatures";
    case ui::win32::kText1Id:
      return "text";
    case ui::win32::kCommand1Id:
      return "command";
    case ui::win32::kAnnouncerId:
      return "announcer";
    default:
      return "other";
  }
}

// The control's rectangle in the window's client area.
RECT InClient(HWND window, HWND control) {
  RECT rect;
  GetWindowRect(control, &rect);
  MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

// WM_GETTEXT itself: GetWindowText gives only a caption for a control of
// another process.
std::wstring WindowText(HWND window) {
  const LRESULT length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(static_cast<size_t>(
      SendMessageW(window, WM_GETTEXT, static_cast<WPARAM>(text.size()), reinterpret_cast<LPARAM>(text.data()))));
  return text;
}

int Layout(HWND window, int dpi) {
  bool same = true;
  for (const testing_support::Placed& control : testing_support::Controls()) {
    const HWND handle = Control(window, ui::win32::Wide(control.name).c_str());
    if (handle == nullptr) return Fail("a control is missing");
    const RECT r = InClient(window, handle);
    const testing_support::Rect want = testing_support::Pixels(control.twips, dpi);
    const testing_support::Rect got = {static_cast<int>(r.left), static_cast<int>(r.top),
                                       static_cast<int>(r.right - r.left), static_cast<int>(r.bottom - r.top)};
    same = same && got == want;
    std::printf("%s %d %d %d %d%s\n", control.name.c_str(), got.left, got.top, got.width, got.height,
                got == want ? "" : " (not as designed)");
  }
  return same ? 0 : 1;
}

// Points whose colour the design fixes, in screen coordinates.
int Points(HWND window, int dpi) {
  POINT origin = {0, 0};
  ClientToScreen(window, &origin);
  for (const testing_support::Point& p : testing_support::ColourPoints(dpi)) {
    std::printf("%s %ld %ld\n", p.name.c_str(), origin.x + p.x, origin.y + p.y);
  }
  return 0;
}

int Colours() {
  const auto print = [](const char* name, const ui::Rgb& c) {
    std::printf("%s %d,%d,%d\n", name, c.red, c.green, c.blue);
  };
  print("window", ui::kWindowColour);
  print("label", ui::kLabelColour);
  print("command", ui::kCommandColour);
  print("pressed", ui::kCommandPressedColour);
  print("edge", ui::kCommandEdgeColour);
  print("pressed_edge", ui::kCommandPressedEdgeColour);
  print("focus", ui::kFocusColour);
  print("text", ui::kTextColour);
  const auto system = [](const char* name, int index) {
    const COLORREF c = GetSysColor(index);
    std::printf("%s %d,%d,%d\n", name, GetRValue(c), GetGValue(c), GetBValue(c));
  };
  system("textbox", COLOR_WINDOW);
  system("system_text", COLOR_WINDOWTEXT);
  return 0;
}

std::wstring ListText(HWND list, int i) {
  const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
  if (length == LB_ERR) return {};
  std::wstring row(static_cast<size_t>(length) + 1, L'\0');
  SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(row.data()));
  row.resize(static_cast<size_t>(length));
  return row;
}

// The middle of row i in screen coordinates; when the row is scrolled out
// of sight, the list's middle, and exits 3 when it is above the rows in
// sight, 4 when below.
int Row(HWND list, int i) {
  const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
  if (i < 0 || i >= count) return Fail("no such row");
  RECT row, client;
  SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&row));
  GetClientRect(list, &client);
  const bool above = row.top<client.top, below = row.bottom> client.bottom;
  const RECT& shown = above || below ? client : row;
  POINT middle = {(shown.left + shown.right) / 2, (shown.top + shown.bottom) / 2};
  ClientToScreen(list, &middle);
  std::printf("%ld %ld\n", middle.x, middle.y);
  return above ? 3 : below ? 4 : 0;
}

// The rows of a list as the quiz's list-box contract gives them.
quiz::MemoryListBox RowsOf(HWND list) {
  quiz::MemoryListBox rows;
  const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
  for (int i = 0; i < count; ++i) rows.AddItem(ui::win32::Utf8(ListText(list, i)));
  return rows;
}

// The row the shared list keys would select after KEY, from the list as it
// is now. A Windows list box has no focus mark apart from its selection,
// and a list without a selection starts at the top: the mark is the
// selection. KEY is Down, Up, Home, End, Next (Page Down), Prior (Page Up)
// or one character.
int Expect(HWND list, const std::wstring& key) {
  const std::pair<const wchar_t*, ui::ListKey> keys[] = {
      {L"Down", ui::ListKey::kDown}, {L"Up", ui::ListKey::kUp},         {L"Home", ui::ListKey::kHome},
      {L"End", ui::ListKey::kEnd},   {L"Next", ui::ListKey::kPageDown}, {L"Prior", ui::ListKey::kPageUp}};
  ui::KeyPress press{ui::ListKey::kCharacter, false, 0};
  for (const auto& [name, list_key] : keys) {
    if (key == name) press.key = list_key;
  }
  if (press.key == ui::ListKey::kCharacter) {
    if (key.size() != 1) return Fail("a key is Down, Up, Home, End, Next, Prior or one character");
    press.character = key[0];
  }
  const auto selected = static_cast<int16_t>(SendMessageW(list, LB_GETCURSEL, 0, 0));
  RECT client;
  GetClientRect(list, &client);
  const auto height = std::max<LRESULT>(1, SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
  const auto in_sight = static_cast<int16_t>((client.bottom - client.top) / height);
  const ui::ListState after = ui::PressKey(RowsOf(list), {selected, selected}, press, in_sight);
  std::printf("%d\n", after.selected);
  return 0;
}

std::string Bstr(BSTR text) {
  std::string utf8 = text == nullptr ? std::string() : ui::win32::Utf8(text);
  SysFreeString(text);
  return utf8;
}

// Name, description and role as the system's accessibility layer reports
// them, and the name of each row of a list.
int Accessible(HWND control) {
  IAccessible* accessible = nullptr;
  if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                        reinterpret_cast<void**>(&accessible)))) {
    return Fail("no accessible object");
  }
  VARIANT self;
  VariantInit(&self);
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR name = nullptr, description = nullptr;
  const HRESULT named = accessible->get_accName(self, &name);
  const HRESULT described = accessible->get_accDescription(self, &description);
  VARIANT role;
  VariantInit(&role);
  accessible->get_accRole(self, &role);
  std::printf("name %s\n", SUCCEEDED(named) ? Bstr(name).c_str() : "(none)");
  std::printf("description %s\n", SUCCEEDED(described) ? Bstr(description).c_str() : "(none)");
  std::printf("role %ld\n", role.vt == VT_I4 ? role.lVal : -1L);
  long children = 0;
  accessible->get_accChildCount(&children);
  for (long i = 1; i <= children; ++i) {
    VARIANT child;
    VariantInit(&child);
    child.vt = VT_I4;
    child.lVal = i;
    BSTR row = nullptr;
    if (SUCCEEDED(accessible->get_accName(child, &row))) std::printf("child %ld [%s]\n", i, Bstr(row).c_str());
  }
  accessible->Release();
  return 0;
}

// What the program should tell a screen reader, from the shared design.
int Spoken() {
  const std::pair<const char*, ui::Control> controls[] = {{"text", ui::Control::kText1},
                                                          {"names", ui::Control::kNames},
                                                          {"temperatures", ui::Control::kTemperatures},
                                                          {"command", ui::Control::kCommand1}};
  for (const auto& [name, control] : controls) {
    const ui::Spoken spoken = ui::SpokenAs(control);
    std::printf("%s\t%.*s\t%.*s\n", name, static_cast<int>(spoken.name.size()), spoken.name.data(),
                static_cast<int>(spoken.description.size()), spoken.description.data());
  }
  std::printf("played\t%.*s\n", static_cast<int>(ui::kPlayedRowSpoken.size()), ui::kPlayedRowSpoken.data());
  return 0;
}

DWORD watched_process = 0;

void CALLBACK OnEvent(HWINEVENTHOOK, DWORD event, HWND control, LONG object, LONG child, DWORD, DWORD) {
  if (object != OBJID_CLIENT) return;
  if (event == EVENT_OBJECT_LIVEREGIONCHANGED) {
    std::printf("live %s\n", NameOf(GetDlgCtrlID(control)));
  } else if (event == EVENT_OBJECT_FOCUS && child > 0) {
    // The focus on a row of a list: its position.
    std::printf("focus %s %ld\n", NameOf(GetDlgCtrlID(control)), static_cast<long>(child - 1));
  } else {
    return;
  }
  std::fflush(stdout);
}

// Prints each live-region event of the program's controls, and each focus
// event on a row of a list, for `seconds`.
int Watch(HWND window, int seconds) {
  GetWindowThreadProcessId(window, &watched_process);
  HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_LIVEREGIONCHANGED, EVENT_OBJECT_LIVEREGIONCHANGED, nullptr, OnEvent,
                                       watched_process, 0, WINEVENT_OUTOFCONTEXT);
  HWINEVENTHOOK focus = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS, nullptr, OnEvent, watched_process, 0,
                                        WINEVENT_OUTOFCONTEXT);
  if (hook == nullptr || focus == nullptr) return Fail("cannot watch the window's events");
  std::printf("watching\n");
  std::fflush(stdout);
  const DWORD end = GetTickCount() + static_cast<DWORD>(seconds) * 1000;
  MSG message;
  while (GetTickCount() < end) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  }
  UnhookWinEvent(hook);
  UnhookWinEvent(focus);
  return 0;
}

// Puts text (UTF-8 in hex) on the clipboard, for a paste.
int SetClipboard(const std::string& utf8) {
  const std::wstring text = ui::win32::Wide(utf8);
  HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  if (data == nullptr) return Fail("no memory for the clipboard");
  auto* copy = static_cast<wchar_t*>(GlobalLock(data));
  std::copy(text.c_str(), text.c_str() + text.size() + 1, copy);
  GlobalUnlock(data);
  if (!OpenClipboard(nullptr)) {
    GlobalFree(data);
    return Fail("cannot open the clipboard");
  }
  EmptyClipboard();
  const bool set = SetClipboardData(CF_UNICODETEXT, data) != nullptr;
  CloseClipboard();
  if (!set) GlobalFree(data);
  return set ? 0 : Fail("cannot set the clipboard");
}

int Clipboard() {
  if (!OpenClipboard(nullptr)) return Fail("cannot open the clipboard");
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  std::string text;
  if (data != nullptr) {
    if (const auto* wide = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = ui::win32::Utf8(wide);
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  if (data == nullptr) return Fail("no text on the clipboard");
  PrintHex(text);
  return 0;
}

// The program's process, opened once: a storm test asks after every event.
HANDLE Process(HWND window) {
  static DWORD id = 0;
  static HANDLE process = nullptr;
  DWORD now = 0;
  GetWindowThreadProcessId(window, &now);
  if (now != id) {
    if (process != nullptr) CloseHandle(process);
    id = now;
    process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ | SYNCHRONIZE, FALSE, id);
  }
  return process;
}

// What a storm test compares after an event, as JSON members: the rows of
// both lists (UTF-8 in hex), which a verdict or a restart changes along with
// the message box, and the rest: selections, the message box's text (UTF-8
// in hex) and the control with the focus.
std::string Rows(HWND window) {
  std::string json;
  for (const wchar_t* list : {L"names", L"temperatures"}) {
    const HWND control = Control(window, list);
    const LRESULT count = SendMessageW(control, LB_GETCOUNT, 0, 0);
    json += "\"" + ui::win32::Utf8(list) + "\": [";
    for (int i = 0; i < count; ++i) json += (i ? ",\"" : "\"") + Hex(ui::win32::Utf8(ListText(control, i))) + "\"";
    json += "], ";
  }
  return json;
}

std::string Rest(HWND window) {
  std::string json;
  for (const wchar_t* list : {L"names", L"temperatures"}) {
    json += "\"" + ui::win32::Utf8(list) + "_selected\": " +
            std::to_string(static_cast<int>(SendMessageW(Control(window, list), LB_GETCURSEL, 0, 0))) + ", ";
  }
  json += "\"text\": \"" + Hex(ui::win32::Utf8(WindowText(GetDlgItem(window, ui::win32::kText1Id)))) + "\", ";
  const HWND focus = Control(window, L"focus");
  return json + "\"focus\": \"" +
         (focus == nullptr  ? "none"
          : focus == window ? "window"
                            : NameOf(GetDlgCtrlID(focus))) +
         "\"";
}

// The state once it holds still while the rows are read, so that the effect
// of input sent just before is in, on one line.
int Settled(HWND window) {
  std::string rest = Rest(window);
  for (int reads = 0;; ++reads) {
    const std::string rows = Rows(window);
    const std::string again = Rest(window);
    if (again == rest) {
      std::printf("{%s%s}\n", rows.c_str(), rest.c_str());
      return 0;
    }
    if (reads == 100) return Fail("the window never comes to rest");
    rest = again;
  }
}

// The program's working set in bytes, as Task Manager shows it.
int Memory(HWND window) {
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof(memory);
  if (!GetProcessMemoryInfo(Process(window), &memory, sizeof(memory))) return Fail("no memory counters");
  std::printf("%llu\n", static_cast<unsigned long long>(memory.WorkingSetSize));
  return 0;
}

// The rows a list shows right after a fill, from the core's tables.
int Filled() {
  for (const auto* rows : {&testing_support::kNames, &testing_support::kShown}) {
    std::string line;
    for (const std::string& row : *rows) line += (line.empty() ? "" : " ") + Hex(row);
    std::printf("%s\n", line.c_str());
  }
  return 0;
}

// The texts of the dialogs on the screen, any program's (an installer's
// question to the teacher), one a line, line breaks as blanks.
int DialogTexts() {
  EnumWindows(
      [](HWND top, LPARAM) -> BOOL {
        wchar_t kind[16] = {};
        GetClassNameW(top, kind, 16);
        if (!IsWindowVisible(top) || std::wstring(kind) != L"#32770") return TRUE;
        EnumChildWindows(
            top,
            [](HWND child, LPARAM) -> BOOL {
              wchar_t kind[16] = {};
              GetClassNameW(child, kind, 16);
              std::wstring text = WindowText(child);
              if (_wcsicmp(kind, L"Static") != 0 || text.empty()) return TRUE;
              std::replace(text.begin(), text.end(), L'\r', L' ');
              std::replace(text.begin(), text.end(), L'\n', L' ');
              std::printf("%s\n", ui::win32::Utf8(text).c_str());
              return TRUE;
            },
            0);
        return TRUE;
      },
      0);
  return 0;
}

// Answers Cancel to the dialog that waits for an answer: the one enabled,
// as a question disables the window it was asked from.
int CancelDialog() {
  HWND asking = nullptr;
  EnumWindows(
      [](HWND top, LPARAM found) -> BOOL {
        wchar_t kind[16] = {};
        GetClassNameW(top, kind, 16);
        if (IsWindowVisible(top) && IsWindowEnabled(top) && std::wstring(kind) == L"#32770" &&
            GetDlgItem(top, IDCANCEL) != nullptr) {
          *reinterpret_cast<HWND*>(found) = top;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&asking));
  if (asking == nullptr) return Fail("no dialog asks");
  return PostMessageW(asking, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                      reinterpret_cast<LPARAM>(GetDlgItem(asking, IDCANCEL)))
             ? 0
             : Fail("cannot answer the dialog");
}

int Run(int argc, wchar_t* argv[]);

// Commands from standard input, one a line, until it ends.
int Serve() {
  std::string line;
  for (int c = std::getchar(); c != EOF; c = std::getchar()) {
    if (c != '\n') {
      line += static_cast<char>(c);
      continue;
    }
    std::vector<std::wstring> words = {L"probe"};
    const std::wstring wide = ui::win32::Wide(line);
    line.clear();
    size_t at = 0;
    while (at < wide.size()) {
      const size_t end = wide.find_first_of(L" \t\r\n", at);
      if (end != at) words.push_back(wide.substr(at, end == std::wstring::npos ? std::wstring::npos : end - at));
      if (end == std::wstring::npos) break;
      at = end + 1;
    }
    std::vector<wchar_t*> arguments;
    for (std::wstring& word : words) arguments.push_back(word.data());
    const int status = Run(static_cast<int>(arguments.size()), arguments.data());
    if (status == 2) std::fprintf(stderr, "probe: unknown command\n");
    std::printf("= %d\n", status);
    std::fflush(stdout);
  }
  return 0;
}

int Run(int argc, wchar_t* argv[]) {
  if (argc < 2) return 2;
  const std::wstring command = argv[1];
  if (command == L"spoken") return Spoken();
  if (command == L"serve") return Serve();
  if (command == L"filled") return Filled();
  if (command == L"dialogs") return DialogTexts();
  if (command == L"cancel") return CancelDialog();
  if (command == L"clip" && argc == 3) return SetClipboard(Unhex(argv[2]));
  if (command == L"verdict" && argc == 5) {
    // What the rules say for a name and a temperature (UTF-8 in hex), the
    // name chosen at a row: the game's model, written apart from the quiz.
    PrintHex(model::Verdict(Unhex(argv[2]), Unhex(argv[3]), _wtoi(argv[4])));
    return 0;
  }
  if (command == L"client" && argc == 3) {
    // The client area the design gives at a DPI.
    const testing_support::Rect client = testing_support::ClientPixels(_wtoi(argv[2]));
    std::printf("%d %d\n", client.width, client.height);
    return 0;
  }
  const HWND window = Window();
  if (window == nullptr) return Fail("no Tarsomel window");
  const int dpi = DpiOf(window);
  if (command == L"window") {
    RECT client;
    GetClientRect(window, &client);
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    std::printf("caption %s\n", ui::win32::Utf8(WindowText(window)).c_str());
    std::printf("client %ld %ld\n", client.right, client.bottom);
    std::printf("dpi %d\n", dpi);
    const DPI_AWARENESS awareness = GetAwarenessFromDpiAwarenessContext(GetWindowDpiAwarenessContext(window));
    std::printf("awareness %s\n", awareness == DPI_AWARENESS_PER_MONITOR_AWARE ? "per-monitor"
                                  : awareness == DPI_AWARENESS_SYSTEM_AWARE    ? "system"
                                                                               : "unaware");
    std::printf("minimize %d maximize %d sizing %d sysmenu %d\n", (style & WS_MINIMIZEBOX) != 0,
                (style & WS_MAXIMIZEBOX) != 0, (style & WS_THICKFRAME) != 0, (style & WS_SYSMENU) != 0);
    return 0;
  }
  if (command == L"layout") return Layout(window, dpi);
  if (command == L"settled") return Settled(window);
  if (command == L"memory") return Memory(window);

  if (command == L"points") return Points(window, dpi);
  if (command == L"colours") return Colours();
  if (command == L"focus") {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return Fail("no thread information");
    std::printf("%s\n", info.hwndFocus == nullptr ? "none" : NameOf(GetDlgCtrlID(info.hwndFocus)));
    return 0;
  }
  if (command == L"text" && argc == 2) {
    PrintHex(ui::win32::Utf8(WindowText(GetDlgItem(window, ui::win32::kText1Id))));
    return 0;
  }
  if (command == L"clipboard") return Clipboard();
  if (command == L"watch" && argc == 3) return Watch(window, _wtoi(argv[2]));
  if (command == L"close") return PostMessageW(window, WM_CLOSE, 0, 0) ? 0 : Fail("cannot post WM_CLOSE");
  if (command == L"endsession") {
    // As the Restart Manager asks a program to let go of its files: may the
    // session end, then that it ends.
    DWORD_PTR agreed = 0;
    if (!SendMessageTimeoutW(window, WM_QUERYENDSESSION, 0, ENDSESSION_CLOSEAPP, SMTO_ABORTIFHUNG, 10000, &agreed)) {
      return Fail("no answer to WM_QUERYENDSESSION");
    }
    if (agreed == FALSE) return Fail("WM_QUERYENDSESSION refused");
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(window, WM_ENDSESSION, TRUE, ENDSESSION_CLOSEAPP, SMTO_ABORTIFHUNG, 10000, &ignored);
    return 0;
  }
  if (command == L"client_box") {
    // The client area on the screen: where a pupil's click lands in the window.
    RECT client;
    GetClientRect(window, &client);
    MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
    std::printf("%ld %ld %ld %ld\n", client.left, client.top, client.right - client.left, client.bottom - client.top);
    return 0;
  }
  if (argc < 3) return 2;
  const HWND control = Control(window, argv[2]);
  if (control == nullptr) return Fail("no such control");
  if (command == L"text") {
    PrintHex(ui::win32::Utf8(WindowText(control)));
    return 0;
  }
  if (command == L"rows") {
    const LRESULT count = SendMessageW(control, LB_GETCOUNT, 0, 0);
    for (int i = 0; i < count; ++i) PrintRow(ListText(control, i));
    return 0;
  }
  if (command == L"selected") {
    std::printf("%d\n", static_cast<int>(SendMessageW(control, LB_GETCURSEL, 0, 0)));
    return 0;
  }
  if (command == L"caret") {
    // The row with the focus mark.
    std::printf("%d\n", static_cast<int>(SendMessageW(control, LB_GETCARETINDEX, 0, 0)));
    return 0;
  }
  if (command == L"top") {
    std::printf("%d\n", static_cast<int>(SendMessageW(control, LB_GETTOPINDEX, 0, 0)));
    return 0;
  }
  if (command == L"row" && argc == 4) return Row(control, _wtoi(argv[3]));
  if (command == L"expect" && argc == 4) return Expect(control, argv[3]);
  if (command == L"char" && argc == 4) {
    // The character a keyboard layout would give for a key, as the control
    // gets it after TranslateMessage.
    return PostMessageW(control, WM_CHAR, argv[3][0], 1) ? 0 : Fail("cannot post WM_CHAR");
  }
  if (command == L"box") {
    RECT rect;
    GetWindowRect(control, &rect);
    std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    return 0;
  }
  if (command == L"accessible") return Accessible(control);
  if (command == L"handle") {
    // As Wine's debug channels print a handle.
    std::printf("%016llX\n", static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(control)));
    return 0;
  }
  return 2;
}

}  // namespace

int wmain(int argc, wchar_t* argv[]) {
  // UTF-8 bytes out as they are, with no CR added to line ends.
  _setmode(_fileno(stdout), _O_BINARY);
  // Sizes and DPI as the program sees them, not scaled for an unaware caller.
  SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  const int status = Run(argc, argv);
  if (status == 2) std::fprintf(stderr, "probe: unknown command; see the comment at the top of probe.cpp\n");
  CoUninitialize();
  return status;
}
