// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_window.h"

#include <algorithm>
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
constexpr std::string_view kNoBreakSpace = "\u00A0";

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLatin(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

constexpr std::array<std::string_view, 10> kUnits = {"нула", "един", "два",   "три",  "четири",
                                                     "пет",  "шест", "седем", "осем", "девет"};
constexpr std::array<std::string_view, 10> kTeens = {"десет",         "единадесет",  "дванадесет",  "тринадесет",
                                                     "четиринадесет", "петнадесет",  "шестнадесет", "седемнадесет",
                                                     "осемнадесет",   "деветнадесет"};
constexpr std::array<std::string_view, 10> kTens = {"",         "",          "двадесет",   "тридесет",  "четиридесет",
                                                    "петдесет", "шестдесет", "седемдесет", "осемдесет", "деветдесет"};
constexpr std::array<std::string_view, 10> kHundreds = {
    "",          "сто",        "двеста",      "триста",     "четиристотин",
    "петстотин", "шестстотин", "седемстотин", "осемстотин", "деветстотин"};

std::string_view Unit(long long n, Gender gender) {
  if (n == 1) return gender == Gender::kMasculine ? "един" : gender == Gender::kFeminine ? "една" : "едно";
  if (n == 2) return gender == Gender::kMasculine ? "два" : "две";
  return kUnits[static_cast<size_t>(n)];
}

// The parts a number of 1 to 999 999 999 is said in, each a word or a
// group ("три хиляди"), without the "и" that joins the last one.
void AddParts(long long n, Gender gender, std::vector<std::string>& parts);

std::string Joined(const std::vector<std::string>& parts) {
  std::string words;
  for (size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) words += i + 1 == parts.size() ? " и " : " ";
    words += parts[i];
  }
  return words;
}

// A group of thousands or millions: "хиляда", "две хиляди", "двадесет и
// една хиляди", "един милион", "два милиона".
std::string Group(long long count, Gender gender, std::string_view one, std::string_view many) {
  if (count == 1 && one == "хиляда") return std::string(one);
  std::vector<std::string> parts;
  AddParts(count, gender, parts);
  return Joined(parts) + " " + std::string(count == 1 ? one : many);
}

void AddParts(long long n, Gender gender, std::vector<std::string>& parts) {
  if (n >= 1000000) parts.push_back(Group(n / 1000000, Gender::kMasculine, "милион", "милиона"));
  if (n / 1000 % 1000 > 0) parts.push_back(Group(n / 1000 % 1000, Gender::kFeminine, "хиляда", "хиляди"));
  const long long below = n % 1000;
  if (below >= 100) parts.emplace_back(kHundreds[static_cast<size_t>(below / 100)]);
  const long long rest = below % 100;
  if (rest >= 10 && rest < 20) {
    parts.emplace_back(kTeens[static_cast<size_t>(rest - 10)]);
  } else {
    if (rest >= 20) parts.emplace_back(kTens[static_cast<size_t>(rest / 10)]);
    if (rest % 10 > 0) parts.emplace_back(Unit(rest % 10, gender));
  }
}

// Whether a number is said with the noun it counts in the singular:
// "един градус", "двадесет и един градус", but "единадесет градуса".
bool TakesSingular(long long n) {
  const long long last = n % 100 < 0 ? -(n % 100) : n % 100;
  return last % 10 == 1 && last != 11;
}

// A run of digits as a number; -1 when it is too long to be one.
long long Value(std::string_view digits) {
  if (digits.size() > 15) return -1;
  long long value = 0;
  for (const char c : digits) value = value * 10 + (c - '0');
  return value;
}

// Digits one by one, each by its name: "едно две три".
std::string DigitByDigit(std::string_view digits) {
  std::string words;
  for (const char c : digits) {
    if (!words.empty()) words += ' ';
    words += Unit(c - '0', Gender::kNeuter);
  }
  return words;
}

// The noun a number counts, after it: singular, counted (after a number)
// and the form after a fraction ("от процента").
struct Noun {
  std::string_view one, many, after_fraction;
};
constexpr Noun kDegrees = {"градус", "градуса", "от градуса"};
constexpr Noun kPercent = {"процент", "процента", "от процента"};

// A number as written in the paragraphs, whole ("75") or with a decimal
// comma ("0,002"), in words, with the noun it counts if any.
std::string Said(std::string_view whole, std::string_view fraction, bool minus, const Noun* noun) {
  const long long value = Value(whole);
  std::string words = minus ? "минус " : "";
  if (fraction.empty()) {
    words += NumberInWords(value);
    if (noun != nullptr) words += " " + std::string(TakesSingular(value) ? noun->one : noun->many);
    return words;
  }
  // Tenths, hundredths, thousandths: "пет десети", "две хилядни"; longer
  // fractions digit by digit after "запетая".
  static constexpr std::array<std::pair<std::string_view, std::string_view>, 3> kParts = {
      {{"десета", "десети"}, {"стотна", "стотни"}, {"хилядна", "хилядни"}}};
  if (fraction.size() > kParts.size()) {
    words += NumberInWords(value) + " запетая " + DigitByDigit(fraction);
    if (noun != nullptr) words += " " + std::string(noun->many);
    return words;
  }
  if (value != 0) words += NumberInWords(value, Gender::kNeuter) + (TakesSingular(value) ? " цяло и " : " цели и ");
  const long long parts = Value(fraction);
  const auto& [one, many] = kParts[fraction.size() - 1];
  words += NumberInWords(parts, Gender::kFeminine) + " " + std::string(TakesSingular(parts) ? one : many);
  if (noun != nullptr) words += " " + std::string(value == 0 ? noun->after_fraction : noun->many);
  return words;
}

// Skips one blank or no-break space at `at`, if there is one.
size_t AfterBlank(std::string_view text, size_t at) {
  if (text.substr(at).starts_with(' ')) return at + 1;
  if (text.substr(at).starts_with(kNoBreakSpace)) return at + kNoBreakSpace.size();
  return at;
}

}  // namespace

std::string NumberInWords(long long value, Gender gender) {
  if (value <= -1000000000) return "минус " + DigitByDigit(std::to_string(value).substr(1));
  if (value < 0) return "минус " + NumberInWords(-value, gender);
  if (value == 0) return std::string(kUnits[0]);
  if (value >= 1000000000) return DigitByDigit(std::to_string(value));
  std::vector<std::string> parts;
  AddParts(value, gender, parts);
  return Joined(parts);
}

std::string DegreesInWords(long long celsius) {
  return NumberInWords(celsius) + " " + std::string(TakesSingular(celsius) ? kDegrees.one : kDegrees.many) + " Целзий";
}

std::string SpokenTemperature(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  text.remove_prefix(first);
  if (!text.ends_with(kDegreesCelsius)) return {};
  text.remove_suffix(kDegreesCelsius.size());
  const bool minus = text.starts_with('-');
  if (minus) text.remove_prefix(1);
  if (text.empty() || !std::all_of(text.begin(), text.end(), IsDigit)) return {};
  const long long value = Value(text);
  if (value < 0) return {};
  return DegreesInWords(minus ? -value : value);
}

std::string SpokenRow(std::string_view row) {
  if (IsBlankRow(row)) return std::string(kPlayedRowSpoken);
  if (std::string words = SpokenTemperature(row); !words.empty()) return words;
  row.remove_prefix(row.find_first_not_of(' '));
  row.remove_suffix(row.size() - 1 - row.find_last_not_of(' '));
  return std::string(row);
}

const std::array<Reading, 21> kReadings = {{
    // Formulas, sign by sign, the figures as "две", "три".
    {"H2O", "аш две о"},
    {"NH3", "ен аш три"},
    {"CH4", "це аш четири"},
    {"H2S", "аш две ес"},
    {"H2", "аш две"},
    {"O2", "о две"},
    {"O3", "о три"},
    // A symbol of one letter by the letter's name; of two, by the element's
    // name, Latin where the symbol comes from it.
    {"He", "хелий"},
    {"Ne", "неон"},
    {"Fe", "ферум"},
    {"N", "ен"},
    {"Si", "силициум"},
    {"Mg", "магнезий"},
    {"S", "ес"},
    // Latin and English names, as a Bulgarian reads them.
    {"carboneum", "карбонеум"},
    {"carbon", "карбън"},
    {"carbo", "карбо"},
    {"nitrogenium", "нитрогениум"},
    {"silicium", "силициум"},
    {"silex", "силекс"},
    {"ferrum", "ферум"},
}};

std::string SpokenText(std::string_view text) {
  std::string spoken;
  spoken.reserve(text.size() * 2);
  size_t at = 0;
  while (at < text.size()) {
    const char c = text[at];
    if (IsLatin(c)) {
      // A Latin word, a symbol or a formula, read as a whole.
      size_t end = at;
      while (end < text.size() && (IsLatin(text[end]) || IsDigit(text[end]))) ++end;
      const std::string_view word = text.substr(at, end - at);
      const auto reading =
          std::find_if(kReadings.begin(), kReadings.end(), [word](const Reading& r) { return r.written == word; });
      spoken += reading != kReadings.end() ? reading->spoken : word;
      at = end;
      continue;
    }
    // A minus sign stands before the digits, not between two words.
    const bool minus = c == '-' && at + 1 < text.size() && IsDigit(text[at + 1]) &&
                       (at == 0 || !(IsLatin(text[at - 1]) || IsDigit(text[at - 1]) ||
                                     static_cast<unsigned char>(text[at - 1]) >= 0x80));
    if (!IsDigit(c) && !minus) {
      spoken += c;
      ++at;
      continue;
    }
    const size_t start = minus ? at + 1 : at;
    size_t end = start;
    while (end < text.size() && IsDigit(text[end])) ++end;
    std::string_view whole = text.substr(start, end - start);
    std::string_view fraction;
    if (end + 1 < text.size() && text[end] == ',' && IsDigit(text[end + 1])) {
      size_t fraction_end = end + 1;
      while (fraction_end < text.size() && IsDigit(text[fraction_end])) ++fraction_end;
      fraction = text.substr(end + 1, fraction_end - end - 1);
      end = fraction_end;
    }
    const Noun* noun = nullptr;
    const size_t unit = AfterBlank(text, end);
    if (text.substr(unit).starts_with(kDegreesCelsius)) {
      noun = &kDegrees;
      end = unit + kDegreesCelsius.size();
    } else if (text.substr(unit).starts_with('%')) {
      noun = &kPercent;
      end = unit + 1;
    }
    if (whole.size() > 15) {
      // No number is that long: its digits.
      fraction = {};
      noun = nullptr;
      end = start + whole.size();
      spoken += (minus ? "минус " : "") + DigitByDigit(whole);
      at = end;
      continue;
    }
    spoken += Said(whole, fraction, minus, noun);
    if (noun == &kDegrees) spoken += " Целзий";
    at = end;
  }
  return spoken;
}

Announcement Announce(std::string_view chosen_row, std::string_view text) {
  if (text.empty()) return {std::string(kRestartSpoken), {}};
  const size_t end = text.find("\r\n");
  std::string first = SpokenText(text.substr(0, end));
  std::string rest = end == std::string_view::npos ? std::string() : SpokenText(text.substr(end + 2));
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
    const quiz::ListBox& names_list = controls_.List1(quiz::kNamesList);
    const quiz::ListBox& temperatures_list = controls_.List1(quiz::kTemperaturesList);
    const Outcome outcome = {Outcome::Kind::kPair, quiz::JudgePair(controls_), names_list.List(names),
                             temperatures_list.List(temperatures)};
    {
      // The row just chosen is blanked by the check before a screen reader
      // could read it, so the announcement says it first.
      Held held(text_, Index == quiz::kNamesList ? outcome.name : outcome.temperature);
      quiz::CheckPair(controls_);
    }
    if (observer_) observer_(outcome);
  }
}

void MainWindow::Command1_Click(int16_t Index) {
  if (Index != 0) return;
  {
    Held held(text_);
    quiz::FillLists(controls_);
    controls_.Text1(0).SetText("");
  }
  if (observer_) observer_(Outcome{});
}

}  // namespace ui
