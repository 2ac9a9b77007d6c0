// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Quiz core of Tarsomel: the list-box and text-box contract the quiz reaches
// its controls through, an in-memory implementation of it, the element tables
// and the two procedures that drive a game. No toolkit code lives here.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quiz {

// An ordered list of text rows with at most one selected row. Positions and
// counts are 16-bit, so a list holds at most 32767 rows.
class ListBox {
 public:
  virtual ~ListBox() = default;

  // Row i, 0 <= i < ListCount().
  virtual const std::string& List(int16_t i) const = 0;
  // Replaces row i in place; the row count stays, no Click is raised.
  virtual void SetList(int16_t i, std::string text) = 0;
  // The selected row, or -1 when none is.
  virtual int16_t ListIndex() const = 0;
  // Selects row i, or clears the selection for -1.
  virtual void SetListIndex(int16_t i) = 0;
  virtual int16_t ListCount() const = 0;
  // Appends a row; the selection is unchanged. Rows are never sorted.
  virtual void AddItem(std::string text) = 0;
  // Removes every row; the selection becomes -1.
  virtual void Clear() = 0;

 protected:
  ListBox() = default;
  ListBox(const ListBox&) = default;
  ListBox& operator=(const ListBox&) = default;
};

// One string, read and replaced whole. Line breaks are CR LF and read back
// exactly as written.
class TextBox {
 public:
  virtual ~TextBox() = default;
  virtual const std::string& Text() const = 0;
  virtual void SetText(std::string text) = 0;

 protected:
  TextBox() = default;
  TextBox(const TextBox&) = default;
  TextBox& operator=(const TextBox&) = default;
};

// Largest number of rows a list box can hold.
inline constexpr int16_t kMaxRows = INT16_MAX;

// Checks a position against a list's row count the way every list box here
// does, so that the in-memory lists and the window's lists fail alike:
// std::out_of_range naming the operation, the position and the row count.
void CheckRow(const char* operation, int16_t i, int16_t count);
void CheckSelection(const char* operation, int16_t i, int16_t count);
void CheckRoomForRow(const char* operation, int16_t count);

class MemoryListBox final : public ListBox {
 public:
  const std::string& List(int16_t i) const override;
  void SetList(int16_t i, std::string text) override;
  int16_t ListIndex() const override { return selected_; }
  void SetListIndex(int16_t i) override;
  int16_t ListCount() const override { return static_cast<int16_t>(rows_.size()); }
  void AddItem(std::string text) override;
  void Clear() override;

 private:
  std::vector<std::string> rows_;
  int16_t selected_ = -1;
};

class MemoryTextBox final : public TextBox {
 public:
  const std::string& Text() const override { return text_; }
  void SetText(std::string text) override { text_ = std::move(text); }

 private:
  std::string text_;
};

// The controls the quiz procedures reach, by the names the window gives them:
// List1(0) names and List1(1) temperatures the pupil plays with, List1(2) to
// List1(5) the element tables, Text1(0) the message box. Refers to controls
// owned elsewhere; it must not outlive them.
class ControlSet {
 public:
  static constexpr int16_t kLists = 6;

  ControlSet(const std::array<ListBox*, kLists>& lists, TextBox* text);

  ListBox& List1(int16_t index) const;
  TextBox& Text1(int16_t index) const;

 private:
  std::array<ListBox*, kLists> lists_;
  TextBox* text_;
};

// Members of the List1 array.
inline constexpr int16_t kNamesList = 0;
inline constexpr int16_t kTemperaturesList = 1;
inline constexpr int16_t kNamesTable = 2;
inline constexpr int16_t kKeyTemperaturesTable = 3;
inline constexpr int16_t kDescriptionsTable = 4;
inline constexpr int16_t kShownTemperaturesTable = 5;

// The element tables, ten rows each. Names, key temperatures and descriptions
// are parallel, in descending abundance in the galaxy; shown temperatures are
// the same melting points in ascending order.
inline constexpr int16_t kElements = 10;
extern const std::array<std::string_view, kElements> kNames;
extern const std::array<std::string_view, kElements> kKeyTemperatures;
extern const std::array<std::string_view, kElements> kDescriptions;
extern const std::array<std::string_view, kElements> kShownTemperatures;
// The chemical symbol of the element at the same position in kNames, for
// reports that must name an element in Latin letters.
extern const std::array<std::string_view, kElements> kSymbols;

// Appends the table rows to List1(2) to List1(5).
void LoadTables(const ControlSet& controls);

// Empties the two visible lists and fills them again from the tables.
void FillLists(const ControlSet& controls);

// How the message box's text starts after a right pair.
inline constexpr std::string_view kRightVerdict = "Вярно ";

// The pair selected in the two visible lists, judged: the rows chosen, the
// element the name row is (its position in the tables; -1 for a played
// row, which is no element) and whether the temperature is its melting
// point. Reads the controls only; the caller makes sure both lists have a
// selection.
struct Judgement {
  int16_t name_row, temperature_row;
  int16_t element;
  bool right;
};
Judgement JudgePair(const ControlSet& controls);

// Judges the pair selected in the two visible lists, writes the verdict into
// the message box, blanks both chosen rows and clears both selections. The
// caller makes sure both lists have a selection.
void CheckPair(const ControlSet& controls);

// Six in-memory lists and a message box with a control set over them, the
// tables loaded: what the window builds, without a window.
class MemoryControls {
 public:
  MemoryControls();
  MemoryControls(const MemoryControls&) = delete;
  MemoryControls& operator=(const MemoryControls&) = delete;

  const ControlSet& Set() const { return set_; }
  MemoryListBox& List1(int16_t index) { return lists_.at(static_cast<size_t>(index)); }
  MemoryTextBox& Text1() { return text_; }

 private:
  std::array<MemoryListBox, ControlSet::kLists> lists_;
  MemoryTextBox text_;
  ControlSet set_;
};

}  // namespace quiz
