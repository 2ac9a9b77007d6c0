// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's design and handlers, shared by both editions, on in-memory
// controls.
#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>

#include "main_window.h"
#include "memory_main_window.h"
#include "rows.h"

namespace {

using testing_support::MemoryMainWindow;
using testing_support::Rows;

TEST(MainWindow, OpensWithTheTaskAndBothListsFilledNoneSelected) {
  MemoryMainWindow f;
  EXPECT_EQ(f.Text(), std::string(ui::kTaskStatement));
  EXPECT_EQ(f.message.shown, 1);
  EXPECT_TRUE(f.message.said.empty());  // the task is read where the focus is, not announced
  EXPECT_EQ(Rows(f.names), testing_support::kNames);
  EXPECT_EQ(Rows(f.temperatures), testing_support::kShown);
  EXPECT_EQ(f.names.ListIndex(), -1);
  EXPECT_EQ(f.temperatures.ListIndex(), -1);
  for (int16_t t = 2; t <= 5; ++t) EXPECT_EQ(f.main_window.Controls().List1(t).ListCount(), 10);
}

TEST(MainWindow, AVerdictAndARestartEachReachTheScreenOnce) {
  MemoryMainWindow f;
  f.Pick(0, 9);
  EXPECT_EQ(f.message.shown, 1);  // one list alone: nothing happens
  f.Pick(1, 5);
  EXPECT_EQ(f.message.shown, 2);  // written in three steps, shown once
  EXPECT_TRUE(f.Text().starts_with("Вярно Сяра температура на топене  120°C\r\n"));
  ASSERT_EQ(f.message.said.size(), 1u);
  EXPECT_EQ(f.message.said[0].first, "120°C. Вярно Сяра температура на топене  120°C");
  EXPECT_EQ(f.message.said[0].rest, std::string(quiz::kDescriptions[9]));
  f.Pick(0, 2);
  f.Restart();
  EXPECT_EQ(f.message.shown, 3);
  ASSERT_EQ(f.message.said.size(), 2u);
  EXPECT_EQ(f.message.said[1].first, std::string(ui::kRestartSpoken));
  EXPECT_EQ(f.message.said[1].rest, "");
  EXPECT_EQ(f.Text(), "");
  EXPECT_EQ(f.names.ListIndex(), -1);
  EXPECT_EQ(Rows(f.names), testing_support::kNames);
}

TEST(MainWindow, OnlyTheFirstButtonRestarts) {
  MemoryMainWindow f;
  f.Pick(0, 0);
  f.Pick(1, 0);
  const std::string verdict = f.Text();
  for (int16_t index : {1, -1, 5}) f.main_window.Command1_Click(index);
  EXPECT_EQ(f.Text(), verdict);
  EXPECT_EQ(f.names.List(0), " ");
}

TEST(MainWindow, TheGuardIgnoresWhichListClickedAndRunsOnlyWithTwoSelections) {
  MemoryMainWindow f;
  f.names.SetListIndex(3);
  f.main_window.List1_Click(1);  // the other list's Click, one selection: nothing
  EXPECT_EQ(f.Text(), std::string(ui::kTaskStatement));
  f.temperatures.SetListIndex(9);
  f.main_window.List1_Click(0);
  EXPECT_EQ(f.Text(), "Вярно Въглерод температура на топене 3500°C\r\n" + std::string(quiz::kDescriptions[3]));
}

TEST(MainWindow, TheAnnouncementSaysTheRowThatCompletedThePair) {
  MemoryMainWindow f;
  f.Pick(1, 0);  // -272°C
  f.Pick(0, 1);  // Хелий completes it: the name is said first
  ASSERT_EQ(f.message.said.size(), 1u);
  EXPECT_EQ(f.message.said[0].first, "Хелий. Вярно Хелий температура на топене -272°C");
  f.Pick(0, 1);  // a played name row
  f.Pick(1, 6);  //  650°C completes it
  ASSERT_EQ(f.message.said.size(), 2u);
  EXPECT_EQ(f.message.said[1].first, "650°C. Грешен отговор за   и температура на топене  650°C");
  EXPECT_EQ(f.message.said[1].rest, "");
  f.Pick(0, 2);
  f.Pick(1, 0);  // the played temperature row completes it
  EXPECT_EQ(f.message.said.back().first.substr(0, 21), "празен ред. ");
  EXPECT_EQ(ui::SpokenRow("  "), "празен ред");
  EXPECT_EQ(ui::SpokenRow(" 120°C"), "120°C");
}

// The design's own numbers, as the window was drawn; the edition tests
// compute what they expect from these.
TEST(Design, ItsNumbersAreTheWindowsAsDrawn) {
  EXPECT_EQ(ui::kClientWidth, 6915);
  EXPECT_EQ(ui::kClientHeight, 5175);
  const auto same = [](const ui::Twips& t, ui::Twips want) {
    return t.left == want.left && t.top == want.top && t.width == want.width && t.height == want.height;
  };
  EXPECT_TRUE(same(ui::kLabel1[0], {1080, 0, 4575, 375}));
  EXPECT_TRUE(same(ui::kLabel1[1], {240, 480, 2295, 375}));
  EXPECT_TRUE(same(ui::kLabel1[2], {4800, 480, 1815, 375}));
  EXPECT_TRUE(same(ui::kList1[0], {240, 840, 2295, 2055}));
  EXPECT_TRUE(same(ui::kList1[1], {4800, 840, 1815, 2055}));
  EXPECT_TRUE(same(ui::kCommand1, {3000, 1560, 1215, 375}));
  EXPECT_TRUE(same(ui::kText1, {120, 3000, 6615, 2055}));
  const auto rgb = [](const ui::Rgb& c) { return std::array<int, 3>{c.red, c.green, c.blue}; };
  EXPECT_EQ(rgb(ui::kWindowColour), (std::array<int, 3>{192, 192, 255}));
  EXPECT_EQ(rgb(ui::kLabelColour), (std::array<int, 3>{255, 192, 128}));
  EXPECT_EQ(rgb(ui::kCommandColour), (std::array<int, 3>{255, 128, 128}));
  EXPECT_EQ(ui::kFontFace, "Times New Roman");
  EXPECT_EQ(ui::kFontPoints, 12);
  EXPECT_EQ(ui::kLabelCaptions[0], "Tarsomel");
  EXPECT_EQ(ui::kLabelCaptions[1], "Химически елемент");
  EXPECT_EQ(ui::kLabelCaptions[2], "Точка на топене");
  EXPECT_EQ(ui::kCommandCaption, "Чисти");
  // Pressed or focused, the button stays recognisably itself.
  EXPECT_EQ(rgb(ui::LookOfCommand(false, true).face), rgb(ui::kCommandColour));
  EXPECT_EQ(rgb(ui::LookOfCommand(true, false).edge), rgb(ui::kCommandPressedEdgeColour));
  EXPECT_FALSE(ui::LookOfCommand(true, false).focus_mark);
  EXPECT_EQ(ui::LinePixels(ui::kFocusPixels, 96), 2);
  EXPECT_EQ(ui::LinePixels(ui::kFocusPixels, 144), 3);
  EXPECT_EQ(ui::LinePixels(ui::kEdgePixels, 120), 1);
}

TEST(Design, PixelsFromTwipsAtAnyDpiAndTheTabOrder) {
  EXPECT_EQ(ui::TwipsToPixels(ui::kClientWidth), 461);
  EXPECT_EQ(ui::TwipsToPixels(ui::kClientHeight), 345);
  EXPECT_EQ(ui::TwipsToPixels(ui::kClientWidth, 144), 692);
  EXPECT_EQ(ui::TwipsToPixels(ui::kClientHeight, 144), 518);
  EXPECT_EQ(ui::TwipsToPixels(ui::kList1[1].left, 120), 400);
  // Every control fits in the client area.
  for (const ui::Twips& t :
       {ui::kLabel1[0], ui::kLabel1[1], ui::kLabel1[2], ui::kList1[0], ui::kList1[1], ui::kCommand1, ui::kText1}) {
    EXPECT_LE(t.left + t.width, ui::kClientWidth);
    EXPECT_LE(t.top + t.height, ui::kClientHeight);
  }
  EXPECT_EQ(ui::kTabOrder.front(), ui::Control::kText1);
  std::set<std::string_view> names;
  for (ui::Control c : ui::kTabOrder) names.insert(ui::SpokenAs(c).name);
  EXPECT_EQ(names.size(), ui::kTabOrder.size());
  EXPECT_TRUE(ui::WindowCaption().ends_with("  Физика - свойства, температура"));
  EXPECT_TRUE(ui::IsBlankRow("  "));
  EXPECT_TRUE(ui::IsBlankRow(" "));
  EXPECT_FALSE(ui::IsBlankRow(" 120°C"));
}

}  // namespace
