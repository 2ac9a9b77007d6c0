// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "quiz.h"
#include "rows.h"

namespace {

// Unicode characters in a UTF-8 string; -1 when it is not valid UTF-8.
int CodePoints(std::string_view s) {
  int count = 0;
  for (size_t i = 0; i < s.size(); ++count) {
    const auto lead = static_cast<unsigned char>(s[i]);
    const size_t length = lead < 0x80           ? 1
                          : (lead >> 5) == 0x6  ? 2
                          : (lead >> 4) == 0xE  ? 3
                          : (lead >> 3) == 0x1E ? 4
                                                : 0;
    if (length == 0 || i + length > s.size()) return -1;
    for (size_t k = 1; k < length; ++k) {
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return -1;
    }
    i += length;
  }
  return count;
}

TEST(CodePoints, CountsCharactersNotBytes) {
  EXPECT_EQ(CodePoints("abc"), 3);
  EXPECT_EQ(CodePoints("Сяра"), 4);
  EXPECT_EQ(CodePoints("-272°C"), 6);
  EXPECT_EQ(CodePoints("„“"), 2);
  EXPECT_EQ(CodePoints("\xD0"), -1);
  EXPECT_EQ(CodePoints("\xD0\x41"), -1);
}

// The word with its first letter, a Cyrillic capital А to Я, made small.
std::string LowerFirst(std::string word) {
  const int code = ((word[0] & 0x1F) << 6) | (word[1] & 0x3F);
  const int lower = code + 0x20;
  word[0] = static_cast<char>(0xC0 | (lower >> 6));
  word[1] = static_cast<char>(0x80 | (lower & 0x3F));
  return word;
}

TEST(LowerFirst, LowersCyrillicCapitals) {
  EXPECT_EQ(LowerFirst("Азот"), "азот");
  EXPECT_EQ(LowerFirst("Силиций"), "силиций");
  EXPECT_EQ(LowerFirst("Сяра"), "сяра");
  EXPECT_EQ(LowerFirst("Ярък"), "ярък");
}

using testing_support::Rows;

const std::vector<std::string> kExpectedNames = {"Водород", "Хелий", "Кислород", "Въглерод", "Неон",
                                                 "Желязо",  "Азот",  "Силиций",  "Магнезий", "Сяра"};
const std::vector<std::string> kExpectedKeys = {"-259°C", "-272°C", "-219°C", "3500°C", "-249°C",
                                                "1538°C", "-210°C", "1414°C", " 650°C", " 120°C"};
const std::vector<std::string> kExpectedShown = {"-272°C", "-259°C", "-249°C", "-219°C", "-210°C",
                                                 " 120°C", " 650°C", "1414°C", "1538°C", "3500°C"};

TEST(Tables, LoadGivesTheExactRows) {
  quiz::MemoryControls controls;
  EXPECT_EQ(Rows(controls.List1(2)), kExpectedNames);
  EXPECT_EQ(Rows(controls.List1(3)), kExpectedKeys);
  EXPECT_EQ(Rows(controls.List1(5)), kExpectedShown);
  ASSERT_EQ(controls.List1(4).ListCount(), 10);
  for (int16_t i = 0; i < 10; ++i) {
    EXPECT_EQ(controls.List1(4).List(i), quiz::kDescriptions[static_cast<size_t>(i)]);
  }
  for (int16_t i = 2; i <= 5; ++i) EXPECT_EQ(controls.List1(i).ListIndex(), -1);
  // The visible lists and the box are left to the game.
  EXPECT_EQ(controls.List1(0).ListCount(), 0);
  EXPECT_EQ(controls.List1(1).ListCount(), 0);
  EXPECT_EQ(controls.Text1().Text(), "");
}

TEST(Tables, TemperaturesAreSixCharactersWithTheDegreeSign) {
  std::vector<std::string_view> all(quiz::kKeyTemperatures.begin(), quiz::kKeyTemperatures.end());
  all.insert(all.end(), quiz::kShownTemperatures.begin(), quiz::kShownTemperatures.end());
  for (std::string_view t : all) {
    EXPECT_EQ(CodePoints(t), 6) << t;
    // U+00B0 in UTF-8, then a Latin C.
    EXPECT_EQ(t.substr(t.size() - 3),
              "\xC2\xB0"
              "C")
        << t;
  }
  // The three-digit values carry their leading blank.
  EXPECT_EQ(quiz::kKeyTemperatures[8], " 650°C");
  EXPECT_EQ(quiz::kKeyTemperatures[9], " 120°C");
}

TEST(Tables, EveryElementCanBeAnsweredRight) {
  // Distinct names, none a blank, and every key temperature shown exactly
  // once, so that each name has exactly one right temperature row.
  std::set<std::string_view> names(quiz::kNames.begin(), quiz::kNames.end());
  EXPECT_EQ(names.size(), quiz::kNames.size());
  EXPECT_EQ(names.count(" "), 0u);
  std::vector<std::string_view> keys(quiz::kKeyTemperatures.begin(), quiz::kKeyTemperatures.end());
  std::vector<std::string_view> shown(quiz::kShownTemperatures.begin(), quiz::kShownTemperatures.end());
  std::sort(keys.begin(), keys.end());
  std::sort(shown.begin(), shown.end());
  EXPECT_EQ(keys, shown);
  EXPECT_EQ(std::set<std::string_view>(shown.begin(), shown.end()).size(), shown.size());
}

TEST(Tables, ShownTemperaturesAscendByValue) {
  for (size_t i = 1; i < quiz::kShownTemperatures.size(); ++i) {
    const int before = std::stoi(std::string(quiz::kShownTemperatures[i - 1]));
    const int after = std::stoi(std::string(quiz::kShownTemperatures[i]));
    EXPECT_LT(before, after) << i;
  }
}

TEST(Tables, DescriptionsAreOneParagraphNearTheirTargetLength) {
  // Length in characters each paragraph aims at; within a tenth either way.
  const int targets[quiz::kElements] = {554, 386, 657, 584, 373, 561, 140, 260, 434, 866};
  for (size_t i = 0; i < quiz::kDescriptions.size(); ++i) {
    const std::string_view d = quiz::kDescriptions[i];
    const int length = CodePoints(d);
    EXPECT_GE(length * 10, targets[i] * 9) << quiz::kNames[i] << ": " << length;
    EXPECT_LE(length * 10, targets[i] * 11) << quiz::kNames[i] << ": " << length;
    EXPECT_EQ(d.find_first_of("\r\n"), std::string_view::npos) << quiz::kNames[i];
    // Each speaks of its own element: the name's stem (the name less its
    // last letter) occurs in it, capitalised or not.
    const std::string stem(quiz::kNames[i].substr(0, quiz::kNames[i].size() - 2));
    EXPECT_TRUE(d.find(stem) != std::string_view::npos || d.find(LowerFirst(stem)) != std::string_view::npos)
        << quiz::kNames[i];
  }
  // Iron's ends in two blanks; no other ends in a blank.
  EXPECT_TRUE(quiz::kDescriptions[5].ends_with(".  "));
  for (size_t i = 0; i < quiz::kDescriptions.size(); ++i) {
    if (i != 5) {
      EXPECT_FALSE(quiz::kDescriptions[i].ends_with(" ")) << quiz::kNames[i];
    }
  }
}

}  // namespace
