// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <initializer_list>
#include <string>
#include <string_view>

#include "quiz.h"

namespace quiz {

namespace {

// What a played row becomes: rows are overwritten, never removed, so that a
// name's position in the visible list stays its position in the tables.
constexpr std::string_view kPlayedName = " ";
constexpr std::string_view kPlayedTemperature = "  ";
constexpr std::string_view kLineBreak = "\r\n";

// Reads the box's current text and writes it back with the parts at its end,
// in one write.
void Append(TextBox& box, std::initializer_list<std::string_view> parts) {
  const std::string& current = box.Text();
  size_t size = current.size();
  for (std::string_view part : parts) size += part.size();
  std::string text;
  text.reserve(size);
  text += current;
  for (std::string_view part : parts) text += part;
  box.SetText(std::move(text));
}

}  // namespace

void FillLists(const ControlSet& controls) {
  ListBox& names = controls.List1(kNamesList);
  ListBox& temperatures = controls.List1(kTemperaturesList);
  const ListBox& names_table = controls.List1(kNamesTable);
  const ListBox& shown_table = controls.List1(kShownTemperaturesTable);

  names.Clear();
  temperatures.Clear();
  const int16_t n = names_table.ListCount();
  // One name, then one temperature, per step.
  for (int16_t k = 1; k <= n; ++k) {
    names.AddItem(names_table.List(static_cast<int16_t>(k - 1)));
    temperatures.AddItem(shown_table.List(static_cast<int16_t>(k - 1)));
  }
}

Judgement JudgePair(const ControlSet& controls) {
  const ListBox& names = controls.List1(kNamesList);
  const ListBox& temperatures = controls.List1(kTemperaturesList);
  const ListBox& names_table = controls.List1(kNamesTable);
  const ListBox& keys_table = controls.List1(kKeyTemperaturesTable);

  const int16_t sel0 = names.ListIndex();
  const int16_t sel1 = temperatures.ListIndex();
  const int16_t n = names_table.ListCount();

  // Last match wins. A name found in no row (a played row) stays unmatched
  // and is never judged right: it has no melting point to compare with.
  int16_t found = -1;
  for (int16_t i = 0; i < n; ++i) {
    if (names.List(sel0) == names_table.List(i)) found = i;
  }
  return {sel0, sel1, found, found >= 0 && temperatures.List(sel1) == keys_table.List(found)};
}

void CheckPair(const ControlSet& controls) {
  ListBox& names = controls.List1(kNamesList);
  ListBox& temperatures = controls.List1(kTemperaturesList);
  const ListBox& descriptions_table = controls.List1(kDescriptionsTable);
  TextBox& box = controls.Text1(0);

  const Judgement judged = JudgePair(controls);
  const int16_t sel0 = judged.name_row;
  const int16_t sel1 = judged.temperature_row;
  if (judged.right) {
    box.SetText(std::string(kRightVerdict));
    Append(box, {names.List(sel0), " температура на топене ", temperatures.List(sel1), kLineBreak});
    // The description is taken at the chosen row, which is the table row:
    // visible names are never moved.
    Append(box, {descriptions_table.List(sel0)});
  } else {
    box.SetText("Грешен отговор за ");
    Append(box, {names.List(sel0), " и температура на топене ", temperatures.List(sel1), kLineBreak});
  }

  names.SetList(sel0, std::string(kPlayedName));
  temperatures.SetList(sel1, std::string(kPlayedTemperature));
  // Names first: a Click raised here finds that list without a selection.
  names.SetListIndex(-1);
  temperatures.SetListIndex(-1);
}

}  // namespace quiz
