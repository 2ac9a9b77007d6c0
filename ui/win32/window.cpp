// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window.h"

#include <algorithm>
#include <initializer_list>

#include "application.h"
#include "list_keys.h"

namespace ui::win32 {

namespace {

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = 0;

COLORREF Ref(const Rgb& c) { return RGB(c.red, c.green, c.blue); }

UINT DpiOf(HWND window) {
  const UINT dpi = GetDpiForWindow(window);
  return dpi > 0 ? dpi : 96;
}

void Place(HWND control, const Twips& t, UINT dpi) {
  const int d = static_cast<int>(dpi);
  MoveWindow(control, TwipsToPixels(t.left, d), TwipsToPixels(t.top, d), TwipsToPixels(t.width, d),
             TwipsToPixels(t.height, d), TRUE);
}

// Made where the design puts it at the window's DPI: every move later is
// another round of work for Windows (and for Wine, its server).
HWND CreateControl(HWND parent, DWORD ex_style, const wchar_t* type, std::string_view caption, DWORD style, int id,
                   const Twips& t, UINT dpi) {
  const int d = static_cast<int>(dpi);
  return CreateWindowExW(ex_style, type, Wide(caption).c_str(), WS_CHILD | style, TwipsToPixels(t.left, d),
                         TwipsToPixels(t.top, d), TwipsToPixels(t.width, d), TwipsToPixels(t.height, d), parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
}

// The window's outer size for the design's client area at a DPI.
SIZE FrameSize(UINT dpi) {
  const int d = static_cast<int>(dpi);
  RECT rect = {0, 0, TwipsToPixels(kClientWidth, d), TwipsToPixels(kClientHeight, d)};
  AdjustWindowRectExForDpi(&rect, kStyle, FALSE, kExStyle, dpi);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

void Frame(HDC dc, RECT& rect, COLORREF colour, int width) {
  HBRUSH brush = CreateSolidBrush(colour);
  for (int k = 0; k < width; ++k) {
    FrameRect(dc, &rect, brush);
    InflateRect(&rect, -1, -1);
  }
  DeleteObject(brush);
}

}  // namespace

Tarsomel::Tarsomel(HINSTANCE instance) : label_brush_(CreateSolidBrush(Ref(kLabelColour))) {
  // Made at its size for the system's DPI, which is the window's on most
  // screens; on another, it is sized again below.
  const SIZE frame = FrameSize(GetDpiForSystem());
  CreateWindowExW(kExStyle, kWindowClass, Wide(WindowCaption()).c_str(), kStyle, CW_USEDEFAULT, CW_USEDEFAULT, frame.cx,
                  frame.cy, nullptr, nullptr, instance, this);
  if (window_ == nullptr) return;
  dpi_ = DpiOf(window_);
  spoken_ = std::make_unique<Annotations>();
  HDC dc = GetDC(window_);
  face_ = CyrillicFace(dc);
  ReleaseDC(window_, dc);
  CreateControls();
  SetFonts(false);
  SizeWindow();

  for (size_t i = 0; i < lists_.size(); ++i) visible_[i] = std::make_unique<WindowListBox>(lists_[i], *spoken_);
  announcer_ = std::make_unique<Announcer>(announcer_control_, *spoken_);
  message_ = std::make_unique<EditMessageText>(text_, *announcer_);
  for (Control control : kTabOrder) spoken_->Describe(Focusable(control), SpokenAs(control));
  // The tables are loaded and the task is shown when the main window is made.
  main_window_ = std::make_unique<MainWindow>(*visible_[0], *visible_[1], *message_);
  main_window_->Form_Load();
}

Tarsomel::~Tarsomel() {
  if (window_ != nullptr) DestroyWindow(window_);
  if (font_ != nullptr) DeleteObject(font_);
  DeleteObject(label_brush_);
}

void Tarsomel::CreateControls() {
  // Creation order is the order a screen reader looks for labels in: each
  // list comes after its label, the message box after its unseen one.
  constexpr DWORD kLabel = WS_VISIBLE | SS_CENTER | SS_CENTERIMAGE | SS_NOPREFIX;
  constexpr DWORD kList = WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_HASSTRINGS;
  const UINT d = dpi_;
  labels_[0] = CreateControl(window_, 0, L"STATIC", kLabelCaptions[0], kLabel, kLabel1Id, kLabel1[0], d);
  labels_[1] = CreateControl(window_, 0, L"STATIC", kLabelCaptions[1], kLabel, kLabel1Id + 1, kLabel1[1], d);
  lists_[0] = CreateControl(window_, WS_EX_CLIENTEDGE, L"LISTBOX", "", kList, kList1Id, kList1[0], d);
  labels_[2] = CreateControl(window_, 0, L"STATIC", kLabelCaptions[2], kLabel, kLabel1Id + 2, kLabel1[2], d);
  lists_[1] = CreateControl(window_, WS_EX_CLIENTEDGE, L"LISTBOX", "", kList, kList1Id + 1, kList1[1], d);
  command_ = CreateControl(window_, 0, L"BUTTON", kCommandCaption, WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, kCommand1Id,
                           kCommand1, d);
  // Unseen, so of no size.
  text_label_ =
      CreateControl(window_, 0, L"STATIC", SpokenAs(Control::kText1).name, SS_NOPREFIX, kText1LabelId, Twips{}, d);
  // Word wrap: no horizontal scrolling of any kind.
  text_ = CreateControl(window_, WS_EX_CLIENTEDGE, L"EDIT", "",
                        WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | ES_LEFT,
                        kText1Id, kText1, d);
  // Of no size and never placed: it draws nothing and takes no click.
  announcer_control_ = CreateControl(window_, 0, L"STATIC", "", WS_VISIBLE | SS_NOPREFIX, kAnnouncerId, Twips{}, d);
  SendMessageW(text_, EM_SETLIMITTEXT, 0, 0);
  // Subclassed the classic way, the window found in the control's user
  // data: SetWindowSubclass keeps its data in a window property that it
  // reads on every message, which under Wine is a call to its server each
  // time (some 150 while the window starts).
  subclassed_ = {lists_[0], lists_[1], text_, command_};
  for (size_t i = 0; i < subclassed_.size(); ++i) {
    SetWindowLongPtrW(subclassed_[i], GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    original_[i] = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(subclassed_[i], GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ControlProcedure)));
  }
}

void Tarsomel::ApplyDpi(UINT dpi) {
  dpi_ = dpi;
  SetFonts(true);
  for (size_t i = 0; i < labels_.size(); ++i) Place(labels_[i], kLabel1[i], dpi);
  for (size_t i = 0; i < lists_.size(); ++i) Place(lists_[i], kList1[i], dpi);
  Place(command_, kCommand1, dpi);
  Place(text_, kText1, dpi);
}

void Tarsomel::SetFonts(bool redraw) {
  const UINT dpi = dpi_;
  HFONT old = font_;
  font_ = CreateFontW(-MulDiv(kFontPoints, static_cast<int>(dpi), 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                      RUSSIAN_CHARSET, OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_ROMAN,
                      face_.c_str());
  // A list box measures its rows again when it is given a font.
  for (HWND control : {labels_[0], labels_[1], labels_[2], lists_[0], lists_[1], command_, text_label_, text_}) {
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), redraw);
  }
  // Margins after the font's measures, so the text does not touch the edge.
  SendMessageW(text_, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(EC_USEFONTINFO, EC_USEFONTINFO));
  if (old != nullptr) DeleteObject(old);
}

void Tarsomel::SizeWindow() {
  const SIZE frame = FrameSize(dpi_);
  RECT now;
  GetWindowRect(window_, &now);
  if (now.right - now.left == frame.cx && now.bottom - now.top == frame.cy) return;
  SetWindowPos(window_, nullptr, 0, 0, frame.cx, frame.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Tarsomel::Show(int show_command) {
  ShowWindow(window_, show_command);
  UpdateWindow(window_);
  SetFocus(Focusable(kTabOrder.front()));
}

void Tarsomel::GiveFocusBack() {
  // A minimised window's controls cannot take the focus; the restore that
  // follows gives it back.
  if (IsIconic(window_)) return;
  SetFocus(last_focus_ != nullptr ? last_focus_ : Focusable(kTabOrder.front()));
}

HWND Tarsomel::Focusable(Control control) const {
  return ByControl<HWND>{text_, lists_[0], lists_[1], command_}[control];
}

bool Tarsomel::PreTranslate(const MSG& message) {
  if (message.message != WM_KEYDOWN || window_ == nullptr) return false;
  if (message.hwnd != window_ && !IsChild(window_, message.hwnd)) return false;
  if (message.wParam == VK_TAB && GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_MENU) >= 0) {
    const bool back = GetKeyState(VK_SHIFT) < 0;
    const size_t count = kTabOrder.size();
    const HWND focus = GetFocus();
    size_t at = back ? 0 : count - 1;  // from nowhere: to the first, or back to the last
    for (size_t i = 0; i < count; ++i) {
      if (Focusable(kTabOrder[i]) == focus) at = i;
    }
    SetFocus(Focusable(kTabOrder[(at + (back ? count - 1 : 1)) % count]));
    return true;
  }
  // Enter presses the button when it has the focus; it is not the window's
  // default button, so Enter elsewhere does nothing.
  if (message.wParam == VK_RETURN && message.hwnd == command_) {
    OnCommand(kCommand1Id, BN_CLICKED);
    return true;
  }
  return false;
}

LRESULT CALLBACK Tarsomel::Procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<Tarsomel*>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<Tarsomel*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(window, message, w, l);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    self->window_ = nullptr;
    return DefWindowProcW(window, message, w, l);
  }
  return self->Handle(message, w, l);
}

LRESULT Tarsomel::Handle(UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(w), HIWORD(w));
      return 0;
    case WM_CTLCOLORSTATIC: {
      auto* dc = reinterpret_cast<HDC>(w);
      // A read-only edit asks as a static would; it keeps a text box's
      // colours, the system's.
      if (reinterpret_cast<HWND>(l) == text_) {
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
      }
      SetTextColor(dc, Ref(kTextColour));
      SetBkColor(dc, Ref(kLabelColour));
      return reinterpret_cast<LRESULT>(label_brush_);
    }
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(l);
      if (item->CtlID != kCommand1Id) break;
      DrawCommand(*item);
      return TRUE;
    }
    case WM_DPICHANGED: {
      ApplyDpi(HIWORD(w));
      const auto* suggested = reinterpret_cast<const RECT*>(l);
      SetWindowPos(window_, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                   suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    // A top-level window that is not a dialog keeps its focused control
    // itself: left to DefWindowProc, the focus stays on the window after a
    // minimise and restore, and keys reach no control.
    case WM_ACTIVATE:
      if (LOWORD(w) == WA_INACTIVE || HIWORD(w) != 0) break;  // going, or active while minimised
      GiveFocusBack();
      return 0;
    case WM_SETFOCUS:
      GiveFocusBack();
      return 0;
    // Asked to end with the session, as at logoff or by the Restart Manager
    // when an installer must replace this program's file (Windows
    // Installer's way in a silent upgrade): the window closes. Left to
    // DefWindowProc the program would go on, and the file with it.
    case WM_ENDSESSION:
      if (w != FALSE) DestroyWindow(window_);
      return 0;
    case WM_DESTROY:
      if (spoken_) spoken_->Forget();
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window_, message, w, l);
}

bool Tarsomel::MarkKey(size_t list, std::optional<KeyPress> press) {
  const HWND box = lists_[list];
  // A single-selection list box has a focus mark apart from its selection,
  // its caret, only while nothing is selected; keys with Alt or the Windows
  // key are not the list's.
  if (!press || SendMessageW(box, LB_GETCURSEL, 0, 0) != LB_ERR) return false;
  if (GetKeyState(VK_MENU) < 0 || GetKeyState(VK_LWIN) < 0 || GetKeyState(VK_RWIN) < 0) return false;
  WindowListBox& rows = *visible_[list];
  RECT client;
  GetClientRect(box, &client);
  const auto height = std::max<LRESULT>(1, SendMessageW(box, LB_GETITEMHEIGHT, 0, 0));
  const auto in_sight = static_cast<int16_t>((client.bottom - client.top) / height);
  const ListState after = PressKey(rows, {rows.Mark(), -1}, *press, in_sight);
  if (after.selected < 0) {
    if (after.mark == rows.Mark()) return true;
    rows.SetMark(after.mark);
    // Screen readers follow the focus to the marked row.
    NotifyWinEvent(EVENT_OBJECT_FOCUS, box, OBJID_CLIENT, after.mark + 1);
    return true;
  }
  // Chosen as by a click: the list box does not report a selection it is
  // told to make, so the report is made here. A pair so completed is
  // judged, and the quiz clears the selection and with it the mark.
  SendMessageW(box, LB_SETCURSEL, static_cast<WPARAM>(after.selected), 0);
  OnCommand(kList1Id + static_cast<int>(list), LBN_SELCHANGE);
  return true;
}

namespace {

// A list key of the shared rules, from a virtual key and Ctrl.
std::optional<KeyPress> ListKeyOf(WPARAM key) {
  const bool control = GetKeyState(VK_CONTROL) < 0;
  switch (key) {
    case VK_UP:
      return KeyPress{ListKey::kUp, control};
    case VK_DOWN:
      return KeyPress{ListKey::kDown, control};
    case VK_HOME:
      return KeyPress{ListKey::kHome, control};
    case VK_END:
      return KeyPress{ListKey::kEnd, control};
    case VK_PRIOR:
      return KeyPress{ListKey::kPageUp, control};
    case VK_NEXT:
      return KeyPress{ListKey::kPageDown, control};
    case VK_SPACE:
      return KeyPress{ListKey::kSpace, control};
    default:
      return std::nullopt;
  }
}

}  // namespace

void Tarsomel::OnCommand(int id, int code) {
  if (!main_window_) return;  // not made yet
  // Every change of selection is a Click; the list box reports only the
  // pupil's, not the program's own writes.
  if ((id == kList1Id || id == kList1Id + 1) && code == LBN_SELCHANGE) {
    main_window_->List1_Click(static_cast<int16_t>(id - kList1Id));
  } else if (id == kCommand1Id && (code == BN_CLICKED || code == BN_DOUBLECLICKED)) {
    // A quick second click arrives as a double click: it is a press too.
    main_window_->Command1_Click(0);
  }
}

void Tarsomel::DrawCommand(const DRAWITEMSTRUCT& item) const {
  HDC dc = item.hDC;
  RECT rect = item.rcItem;
  const CommandLook look = LookOfCommand((item.itemState & ODS_SELECTED) != 0, (item.itemState & ODS_FOCUS) != 0);
  HBRUSH face = CreateSolidBrush(Ref(look.face));
  FillRect(dc, &rect, face);
  DeleteObject(face);
  const int d = static_cast<int>(dpi_);
  Frame(dc, rect, Ref(look.edge), LinePixels(kEdgePixels, d));
  // The focus mark is a frame in the window's focus colour inside the
  // edge, plain to see; a dotted focus rectangle is too faint on this red.
  if (look.focus_mark) Frame(dc, rect, Ref(kFocusColour), LinePixels(kFocusPixels, d));

  const HGDIOBJ old = SelectObject(dc, font_);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, Ref(kTextColour));
  RECT text = item.rcItem;
  DrawTextW(dc, Wide(kCommandCaption).c_str(), -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, old);
}

LRESULT Tarsomel::Original(HWND control, UINT message, WPARAM w, LPARAM l) const {
  for (size_t i = 0; i < subclassed_.size(); ++i) {
    if (subclassed_[i] == control) return CallWindowProcW(original_[i], control, message, w, l);
  }
  return DefWindowProcW(control, message, w, l);
}

LRESULT CALLBACK Tarsomel::ControlProcedure(HWND control, UINT message, WPARAM w, LPARAM l) {
  auto* self = reinterpret_cast<Tarsomel*>(GetWindowLongPtrW(control, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(control, message, w, l);
  switch (message) {
    case WM_KEYDOWN:
      for (size_t i = 0; i < self->lists_.size(); ++i) {
        if (control == self->lists_[i] && self->MarkKey(i, ListKeyOf(w))) return 0;
      }
      break;
    case WM_CHAR:
      for (size_t i = 0; i < self->lists_.size(); ++i) {
        if (control != self->lists_[i]) continue;
        // Space in a list would jump to a played row, which shows blanks.
        if (w == L' ') return 0;
        // A letter or digit where nothing is selected: from the mark, as
        // the shared keys say (one UTF-16 unit: the names' letters are).
        if (w > L' ' && (w < 0xD800 || w > 0xDFFF) &&
            self->MarkKey(i, KeyPress{ListKey::kCharacter, false, static_cast<char32_t>(w)})) {
          return 0;
        }
      }
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
      // Followed all the time, not only when the window is left: by then a
      // minimise may already have taken the focus from the control.
      if (message == WM_SETFOCUS) self->last_focus_ = control;
      if (control == self->command_) break;  // the button draws its own focus mark
      const LRESULT result = self->Original(control, message, w, l);
      RedrawWindow(control, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
      return result;
    }
    case WM_NCPAINT: {
      // The focus mark of lists and message box: their edge in the focus
      // colour, as the button's.
      const LRESULT result = self->Original(control, message, w, l);
      if (GetFocus() == control && control != self->command_) {
        RECT rect;
        GetWindowRect(control, &rect);
        OffsetRect(&rect, -rect.left, -rect.top);
        HDC dc = GetWindowDC(control);
        Frame(dc, rect, Ref(kFocusColour), LinePixels(kFocusPixels, static_cast<int>(self->dpi_)));
        ReleaseDC(control, dc);
      }
      return result;
    }
    case WM_NCDESTROY:
      // The control's own procedure again, for its last message.
      for (size_t i = 0; i < self->subclassed_.size(); ++i) {
        if (self->subclassed_[i] == control) {
          SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(self->original_[i]));
          self->subclassed_[i] = nullptr;
          return CallWindowProcW(self->original_[i], control, message, w, l);
        }
      }
      break;
    default:
      break;
  }
  return self->Original(control, message, w, l);
}

}  // namespace ui::win32
