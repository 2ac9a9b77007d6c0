// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window Tarsomel as every edition builds it: what it is (placement
// in twips, colours, font, captions, the task, tab order, what a screen
// reader calls each control) and what it does (the three event handlers).
// No toolkit here: each edition's layer (ui/qt, ui/win32, ui/web) only
// creates widgets after this design and adapts them to the quiz's list and
// text box contract.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "quiz.h"

namespace ui {

// ---- What the window is ----------------------------------------------------

struct Twips {
  int left, top, width, height;
};

// Lengths in the design are twips: 1440 to the inch, 15 to a pixel at 96 dpi.
constexpr int TwipsToPixels(int twips, int dpi = 96) { return (twips * dpi + 720) / 1440; }
// A line width given in pixels at 96 dpi, at another DPI: never thinner.
constexpr int LinePixels(int pixels_at_96, int dpi) { return std::max(pixels_at_96, (pixels_at_96 * dpi + 48) / 96); }

constexpr int kClientWidth = 6915;
constexpr int kClientHeight = 5175;
constexpr std::array<Twips, 3> kLabel1 = {{{1080, 0, 4575, 375}, {240, 480, 2295, 375}, {4800, 480, 1815, 375}}};
constexpr std::array<Twips, 2> kList1 = {{{240, 840, 2295, 2055}, {4800, 840, 1815, 2055}}};
constexpr Twips kCommand1 = {3000, 1560, 1215, 375};
constexpr Twips kText1 = {120, 3000, 6615, 2055};

struct Rgb {
  int red, green, blue;
};

constexpr Rgb kWindowColour = {192, 192, 255};
constexpr Rgb kLabelColour = {255, 192, 128};
constexpr Rgb kCommandColour = {255, 128, 128};
// The button while it is held down, its outline, and its outline while held.
constexpr Rgb kCommandPressedColour = {224, 96, 96};
constexpr Rgb kCommandEdgeColour = {128, 48, 48};
constexpr Rgb kCommandPressedEdgeColour = {64, 16, 16};
// Every focus mark in the window, on lists, message box and button alike.
constexpr Rgb kFocusColour = {0, 0, 128};
// The text on the window's own colours (the labels, the button): fixed as
// they are, so that a system's light text colour (a dark or high-contrast
// theme) never lands on their light backgrounds.
constexpr Rgb kTextColour = {0, 0, 0};
// The button's outline and every focus mark, in pixels at 96 dpi. The
// focus mark of the button lies inside its outline; that of a list or the
// message box over the control's own edge.
constexpr int kEdgePixels = 1;
constexpr int kFocusPixels = 2;

// How "Чисти" is drawn, by every edition alike: its face, its outline, and
// whether the focus mark goes inside the outline.
struct CommandLook {
  Rgb face, edge;
  bool focus_mark;
};
constexpr CommandLook LookOfCommand(bool pressed, bool focused) {
  return {pressed ? kCommandPressedColour : kCommandColour, pressed ? kCommandPressedEdgeColour : kCommandEdgeColour,
          focused};
}

constexpr std::string_view kFontFace = "Times New Roman";
// Drawn to the same measures, with Cyrillic: where Times New Roman is missing.
constexpr std::string_view kFallbackFontFace = "Liberation Serif";
constexpr int kFontPoints = 12;

constexpr std::array<std::string_view, 3> kLabelCaptions = {"Tarsomel", "Химически елемент", "Точка на топене"};
constexpr std::string_view kCommandCaption = "Чисти";

// The text the message box starts with: ten lines, each ended by CR LF.
extern const std::string_view kTaskStatement;

// "<web address>  Физика - свойства, температура".
std::string WindowCaption();

// The focusable controls, in the order Tab visits them; the first has the
// focus when the window opens.
enum class Control { kText1, kNames, kTemperatures, kCommand1 };
constexpr std::array<Control, 4> kTabOrder = {Control::kText1, Control::kNames, Control::kTemperatures,
                                              Control::kCommand1};

// Something for each focusable control, such as an edition's widget for
// it, looked up by control and never by the enum's numeric value.
template <typename T>
struct ByControl {
  T text1, names, temperatures, command1;

  const T& operator[](Control control) const {
    switch (control) {
      case Control::kNames:
        return names;
      case Control::kTemperatures:
        return temperatures;
      case Control::kCommand1:
        return command1;
      case Control::kText1:
        break;
    }
    return text1;
  }
};

// What a screen reader calls each control and says it is for.
struct Spoken {
  std::string_view name;
  std::string_view description;
};
Spoken SpokenAs(Control control);
// A played row, which shows blanks.
constexpr std::string_view kPlayedRowSpoken = "празен ред";
// Whether a row shows nothing but blanks, as a played row does.
bool IsBlankRow(std::string_view row);
// ---- What a screen reader says ----------------------------------------------
//
// Debian's Bulgarian voice (espeak-ng) drops a minus sign and a degree sign,
// reads C, chemical symbols and Latin words as English, and puts the wrong
// ending on a number before its noun. So nothing with digits or Latin
// letters goes to a screen reader as written: the spoken copies below say
// it in Bulgarian words. What the window shows does not change.

// The gender of what a number counts: "един градус", "една хилядна",
// "едно цяло".
enum class Gender { kMasculine, kFeminine, kNeuter };
// A whole number in Bulgarian words, "и" before its last part: 272 "двеста
// седемдесет и два", 1414 "хиляда четиристотин и четиринадесет", -5 "минус
// пет". Read digit by digit from a billion up.
std::string NumberInWords(long long value, Gender gender = Gender::kMasculine);
// A temperature in degrees Celsius, the noun in the form the number takes:
// "минус двеста седемдесет и два градуса Целзий", "един градус Целзий".
std::string DegreesInWords(long long celsius);
// A shown temperature ("-272°C", " 120°C") in words, as DegreesInWords
// says it; empty for any other text.
std::string SpokenTemperature(std::string_view text);
// A row as a screen reader should say it: "празен ред" for a played row, a
// temperature in words, anything else without the blanks that align it.
std::string SpokenRow(std::string_view row);

// How a chemical symbol or formula, or a Latin or English word, of the
// element paragraphs is read aloud, as a chemistry teacher reads it in
// class: "H2O" "аш две о", "S" "ес", "Fe" "ферум", "Mg" "магнезий".
struct Reading {
  std::string_view written, spoken;
};
extern const std::array<Reading, 21> kReadings;
// A text as a screen reader should hear it: every number in words, with
// "°C" as degrees Celsius and "%" as percent in the form the number takes
// ("седемдесет и пет процента", "0,002%" "две хилядни от процента"), a
// minus sign before a number as "минус", every word of kReadings as it is
// read. The rest is left as written.
std::string SpokenText(std::string_view text);
// What a screen reader is told after a restart, which empties the box.
constexpr std::string_view kRestartSpoken = "Отначало: двата списъка са попълнени отново, съобщението е изчистено.";

// What a screen reader is told when a handler has written the message box,
// wherever the keyboard focus is: the row just chosen and the verdict's
// first line, then the rest (the element's paragraph), both as SpokenText
// says them, or the restart.
struct Announcement {
  std::string first;
  std::string rest;

  // Both parts as one utterance, for a screen reader given one text.
  std::string Whole() const { return rest.empty() ? first : first + ". " + rest; }
};
Announcement Announce(std::string_view chosen_row, std::string_view text);

// ---- What the window does --------------------------------------------------
//
// Clicks the quiz raises itself. A toolkit's list may report a change of
// selection for the program's own writes too (Clear and AddItem in
// FillLists, the two ListIndex resets in CheckPair), and may report it in
// the middle of the handler that made the write. That Click is harmless:
// List1_Click reads both selections before testing either, and at each of
// those writes at least one visible list has no selection, so the guard does
// nothing. Edition layers therefore pass every selection change on to
// List1_Click as it comes and keep no guard of their own.

// A list box over a toolkit's list control. The control would not give back
// the exact strings (blanks, CR LF), so the rows are kept here, exactly as
// written, with the contract's range checks; the control only shows them.
class ShownListBox : public quiz::ListBox {
 public:
  const std::string& List(int16_t i) const final;
  void SetList(int16_t i, std::string text) final;
  int16_t ListCount() const final { return static_cast<int16_t>(rows_.size()); }
  void AddItem(std::string text) final;
  void Clear() final;

 protected:
  // Row i, which read `before`, now reads List(i).
  virtual void ShowRow(int16_t i, const std::string& before) = 0;
  // A row was added at the end.
  virtual void ShowAddedRow() = 0;
  // Every row is gone; `before` were the rows.
  virtual void ShowCleared(const std::vector<std::string>& before) = 0;

 private:
  std::vector<std::string> rows_;
};

// The message box as the handlers write to it. A verdict is written in
// steps; while a handler runs the writes are only kept, and the text the
// handler leaves is shown once and announced once, so that the screen, and a
// screen reader, get one new text per verdict or restart.
class MessageText : public quiz::TextBox {
 public:
  const std::string& Text() const final { return text_; }
  void SetText(std::string text) final;

  // `chosen_row` is the row whose choice brought the handler, if any.
  void Hold(std::string chosen_row = {});
  // Shows and announces the last text written while held, if any was.
  void Release();

 protected:
  // Puts `text` (CR LF line breaks) on the screen.
  virtual void Show(const std::string& text) = 0;
  // Tells a screen reader, once, without moving the focus.
  virtual void Say(const Announcement& announcement) = 0;

 private:
  std::string text_;
  std::string chosen_row_;
  bool held_ = false;
  bool pending_ = false;
};

// What a handler did, as values: a pair judged (the rows chosen, what they
// read, the element and whether it was right) or a restart. For an observer
// such as a learning platform, which must never have to read it off the
// screen.
struct Outcome {
  enum class Kind { kPair, kRestart };
  Kind kind = Kind::kRestart;
  quiz::Judgement pair = {-1, -1, -1, false};
  std::string name, temperature;  // the two rows chosen, as they read then
};

// The main window's behaviour over its controls: the two lists the pupil
// plays with and the message box, given by the edition's layer; the four
// element tables, which the pupil never sees, are kept here in memory.
class MainWindow {
 public:
  MainWindow(quiz::ListBox& names, quiz::ListBox& temperatures, MessageText& text);
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  const quiz::ControlSet& Controls() const { return controls_; }
  // Told of every pair judged and every restart, once the handler that
  // made it has shown and announced it.
  void Observe(std::function<void(const Outcome&)> observer) { observer_ = std::move(observer); }

  // Raised once, when the window's controls exist and before it is shown.
  void Form_Load();
  // Raised when the selection of a member of the List1 array changes.
  void List1_Click(int16_t Index);
  // Raised when a member of the Command1 array is pressed.
  void Command1_Click(int16_t Index);

 private:
  std::array<quiz::MemoryListBox, 4> tables_;
  MessageText& text_;
  quiz::ControlSet controls_;
  std::function<void(const Outcome&)> observer_;
};

}  // namespace ui
