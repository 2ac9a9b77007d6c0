// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_window.h"

#include <utility>

#include "tarsomel_version.h"

namespace ui {

const std::string_view kTaskStatement =
    "Най-често срещаните химически елементи в нашата галактика са: Водород, Хелий, Кислород, Въглерод, "
    "Неон, Желязо, Азот, Силиций, Магнезий, Сяра.\r\n"
    "Да се реализира проект, представящ междупредметни връзки Физика и Информатика.\r\n"
    "Тема на проекта: Tarsomel.\r\n"
    "Да се използват две списъчни полета съдържащи съответно:\r\n"
    "имена на разпространени в галактиката химични елементи;\r\n"
    "тяхната точка на топене в градус Целзий.\r\n"
    "Информацията в списъка с имената да е сортирана низходящо, по отношение процент на "
    "разпространение на химичния елемент.\r\n"
    "Информацията във втория списък  да е сортирана възходящо по отношение температура на топене.\r\n"
    "След посочване на ред и от двета списъка да се изтрива посочената информация и в отделно "
    "текстово поле да се извежда съобщение дали релацията име и време е вярна, както и съпътстваща "
    "информация за съответния химичен елемент.\r\n"
    "Прочетете допълнителна информация относно физичните свойства на разпространените химични "
    "елементи с особено стопанско значение.\r\n";

std::string WindowCaption() { return std::string(tarsomel::kHomepage) + "  Физика - свойства, температура"; }

Spoken SpokenAs(Control control) {
  switch (control) {
    case Control::kNames:
      return {"Химически елемент", "Изберете елемент, а после температурата му на топене в другия списък."};
    case Control::kTemperatures:
      return {"Точка на топене",
              "Изберете температура на топене, а после елемента с тази температура в другия списък."};
    case Control::kCommand1:
      return {"Чисти", "Започва отначало: попълва отново двата списъка и изчиства съобщението."};
    case Control::kText1:
      break;
  }
  return {"Съобщение", "Показва задачата, а след всяка избрана двойка – дали е вярна."};
}

bool IsBlankRow(std::string_view row) { return row.find_first_not_of(' ') == std::string_view::npos; }

namespace {

constexpr std::string_view kDegreesCelsius = "°C";

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Where the number of a temperature ending at `end` (where "°C" starts)
// begins, its sign included; npos when no digits stand before it.
size_t NumberStart(std::string_view text, size_t end) {
  size_t start = end;
  while (start > 0 && IsDigit(text[start - 1])) --start;
  if (start == end) return std::string_view::npos;
  if (start > 0 && text[start - 1] == '-') --start;
  return start;
}

std::string InWords(std::string_view number) {
  std::string words;
  if (number.front() == '-') {
    words = "минус ";
    number.remove_prefix(1);
  }
  // The counted form after a number: "градуса" for every value the quiz
  // shows (none of them ends in a lone 1).
  return words + std::string(number) + " градуса Целзий";
}

}  // namespace

std::string SpokenTemperature(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  text.remove_prefix(first);
  if (!text.ends_with(kDegreesCelsius)) return {};
  const size_t end = text.size() - kDegreesCelsius.size();
  if (NumberStart(text, end) != 0) return {};
  return InWords(text.substr(0, end));
}

std::string SpokenRow(std::string_view row) {
  if (IsBlankRow(row)) return std::string(kPlayedRowSpoken);
  if (std::string words = SpokenTemperature(row); !words.empty()) return words;
  row.remove_prefix(row.find_first_not_of(' '));
  row.remove_suffix(row.size() - 1 - row.find_last_not_of(' '));
  return std::string(row);
}

std::string SpokenLine(std::string_view line) {
  std::string spoken;
  size_t done = 0;
  for (size_t at = line.find(kDegreesCelsius); at != std::string_view::npos;
       at = line.find(kDegreesCelsius, at + kDegreesCelsius.size())) {
    const size_t start = NumberStart(line, at);
    if (start == std::string_view::npos || start < done) continue;
    spoken += line.substr(done, start - done);
    spoken += InWords(line.substr(start, at - start));
    done = at + kDegreesCelsius.size();
  }
  spoken += line.substr(done);
  return spoken;
}

Announcement Announce(std::string_view chosen_row, std::string_view text) {
  if (text.empty()) return {std::string(kRestartSpoken), {}};
  const size_t end = text.find("\r\n");
  std::string first = SpokenLine(text.substr(0, end));
  std::string rest = end == std::string_view::npos ? std::string() : std::string(text.substr(end + 2));
  if (!chosen_row.empty()) first = SpokenRow(chosen_row) + ". " + first;
  return {std::move(first), std::move(rest)};
}

const std::string& ShownListBox::List(int16_t i) const {
  quiz::CheckRow("List read", i, ListCount());
  return rows_[static_cast<size_t>(i)];
}

void ShownListBox::SetList(int16_t i, std::string text) {
  quiz::CheckRow("List write", i, ListCount());
  std::string before = std::exchange(rows_[static_cast<size_t>(i)], std::move(text));
  ShowRow(i, before);
}

void ShownListBox::AddItem(std::string text) {
  quiz::CheckRoomForRow("AddItem", ListCount());
  rows_.push_back(std::move(text));
  ShowAddedRow();
}

void ShownListBox::Clear() {
  const std::vector<std::string> before = std::exchange(rows_, {});
  ShowCleared(before);
}

void MessageText::SetText(std::string text) {
  text_ = std::move(text);
  if (held_) {
    pending_ = true;
  } else {
    Show(text_);  // not a handler's verdict: shown, nothing to announce
  }
}

void MessageText::Hold(std::string chosen_row) {
  held_ = true;
  chosen_row_ = std::move(chosen_row);
}

void MessageText::Release() {
  held_ = false;
  if (!pending_) return;
  pending_ = false;
  Show(text_);
  Say(Announce(chosen_row_, text_));
}

namespace {

// Holds the message box for the length of a handler.
class Held {
 public:
  explicit Held(MessageText& text, std::string chosen_row = {}) : text_(text) { text_.Hold(std::move(chosen_row)); }
  ~Held() { text_.Release(); }
  Held(const Held&) = delete;
  Held& operator=(const Held&) = delete;

 private:
  MessageText& text_;
};

}  // namespace

MainWindow::MainWindow(quiz::ListBox& names, quiz::ListBox& temperatures, MessageText& text)
    : text_(text), controls_({&names, &temperatures, &tables_[0], &tables_[1], &tables_[2], &tables_[3]}, &text) {
  quiz::LoadTables(controls_);
  text_.SetText(std::string(kTaskStatement));
}

void MainWindow::Form_Load() { quiz::FillLists(controls_); }

void MainWindow::List1_Click(int16_t Index) {
  // Both selections are read before either is tested; a Click raised by the
  // quiz's own changes always finds one list without a selection.
  const int16_t names = controls_.List1(quiz::kNamesList).ListIndex();
  const int16_t temperatures = controls_.List1(quiz::kTemperaturesList).ListIndex();
  if (names > -1 && temperatures > -1) {
    // The row just chosen is blanked by the check before a screen reader
    // could read it, so the announcement says it first.
    const bool names_clicked = Index == quiz::kNamesList;
    const quiz::ListBox& clicked = controls_.List1(names_clicked ? quiz::kNamesList : quiz::kTemperaturesList);
    Held held(text_, clicked.List(names_clicked ? names : temperatures));
    quiz::CheckPair(controls_);
  }
}

void MainWindow::Command1_Click(int16_t Index) {
  if (Index != 0) return;
  Held held(text_);
  quiz::FillLists(controls_);
  controls_.Text1(0).SetText("");
}

}  // namespace ui
