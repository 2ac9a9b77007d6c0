// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's design and handlers, shared by both editions, on in-memory
// controls.
#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>
#include <vector>

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
  EXPECT_EQ(f.message.said[0].first,
            ui::SpokenRow(" 120°C") + ". Вярно Сяра температура на топене  " + ui::SpokenRow(" 120°C"));
  EXPECT_EQ(f.message.said[0].rest, ui::SpokenText(quiz::kDescriptions[9]));
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

// An observer hears each pair judged and each restart once, as values, after
// the screen has shown it; never a lone selection or a quiz's own Click.
TEST(MainWindow, TellsItsObserverEachPairAndRestartAsValues) {
  MemoryMainWindow f;
  std::vector<ui::Outcome> told;
  std::vector<std::string> shown_then;
  f.main_window.Observe([&](const ui::Outcome& outcome) {
    told.push_back(outcome);
    shown_then.push_back(f.Text());
  });
  f.Pick(1, 0);  // -272°C alone
  EXPECT_TRUE(told.empty());
  f.Pick(0, 1);  // Хелий: right
  f.Pick(0, 1);  // the played name row with  120°C: wrong, no element
  f.Pick(1, 5);
  f.Pick(0, 9);  // Сяра with the played temperature row
  f.Pick(1, 0);
  f.Restart();
  ASSERT_EQ(told.size(), 4u);
  EXPECT_EQ(told[0].kind, ui::Outcome::Kind::kPair);
  EXPECT_EQ((std::array<int16_t, 3>{told[0].pair.name_row, told[0].pair.temperature_row, told[0].pair.element}),
            (std::array<int16_t, 3>{1, 0, 1}));
  EXPECT_TRUE(told[0].pair.right);
  EXPECT_EQ(told[0].name, quiz::kNames[1]);
  EXPECT_EQ(told[0].temperature, quiz::kShownTemperatures[0]);
  EXPECT_TRUE(shown_then[0].starts_with(quiz::kRightVerdict));
  EXPECT_EQ(told[1].pair.element, -1);
  EXPECT_FALSE(told[1].pair.right);
  EXPECT_EQ(told[1].name, " ");
  EXPECT_EQ(told[2].pair.element, 9);
  EXPECT_EQ(told[2].temperature, "  ");
  EXPECT_FALSE(told[2].pair.right);
  EXPECT_EQ(told[3].kind, ui::Outcome::Kind::kRestart);
  EXPECT_EQ(shown_then[3], "");
  // What an outcome says agrees with the verdict on the screen.
  for (size_t i = 0; i < 3; ++i) EXPECT_EQ(told[i].pair.right, shown_then[i].starts_with(quiz::kRightVerdict)) << i;
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
  EXPECT_EQ(f.message.said[0].first, "Хелий. Вярно Хелий температура на топене " + ui::SpokenRow("-272°C"));
  f.Pick(0, 1);  // a played name row
  f.Pick(1, 6);  //  650°C completes it
  ASSERT_EQ(f.message.said.size(), 2u);
  EXPECT_EQ(f.message.said[1].first,
            ui::SpokenRow(" 650°C") + ". Грешен отговор за   и температура на топене  " + ui::SpokenRow(" 650°C"));
  EXPECT_EQ(f.message.said[1].rest, "");
  f.Pick(0, 2);
  f.Pick(1, 0);  // the played temperature row completes it
  EXPECT_EQ(f.message.said.back().first, "празен ред. Грешен отговор за Кислород и температура на топене   ");
}

// What the Bulgarian voice must hear for each shown temperature: the
// number in words, masculine, "и" before its last part, the noun in the
// form the number takes.
TEST(Spoken, EveryShownTemperatureInWords) {
  const std::pair<std::string_view, std::string_view> spoken[] = {
      {"-272°C", "минус двеста седемдесет и два градуса Целзий"},
      {"-259°C", "минус двеста петдесет и девет градуса Целзий"},
      {"-249°C", "минус двеста четиридесет и девет градуса Целзий"},
      {"-219°C", "минус двеста и деветнадесет градуса Целзий"},
      {"-210°C", "минус двеста и десет градуса Целзий"},
      {" 120°C", "сто и двадесет градуса Целзий"},
      {" 650°C", "шестстотин и петдесет градуса Целзий"},
      {"1414°C", "хиляда четиристотин и четиринадесет градуса Целзий"},
      {"1538°C", "хиляда петстотин тридесет и осем градуса Целзий"},
      {"3500°C", "три хиляди и петстотин градуса Целзий"}};
  ASSERT_EQ(std::size(spoken), quiz::kShownTemperatures.size());
  for (size_t i = 0; i < std::size(spoken); ++i) {
    EXPECT_EQ(spoken[i].first, quiz::kShownTemperatures[i]);
    EXPECT_EQ(ui::SpokenTemperature(spoken[i].first), spoken[i].second);
    EXPECT_EQ(ui::SpokenRow(spoken[i].first), spoken[i].second);
  }
  // Names keep their words; played rows are said as such.
  EXPECT_EQ(ui::SpokenRow("Водород"), "Водород");
  EXPECT_EQ(ui::SpokenRow(" "), "празен ред");
  EXPECT_EQ(ui::SpokenRow("  "), "празен ред");
  // Nothing else is taken for a temperature.
  for (std::string_view other : {"°C", "-°C", "12°", "1 2°C", "x120°C", "C", "--5°C", ""}) {
    EXPECT_EQ(ui::SpokenTemperature(other), "") << other;
  }
}

TEST(Spoken, NumbersAndTheFormOfTheirNoun) {
  const std::pair<long long, std::string_view> degrees[] = {{0, "нула градуса Целзий"},
                                                            {1, "един градус Целзий"},
                                                            {2, "два градуса Целзий"},
                                                            {11, "единадесет градуса Целзий"},
                                                            {12, "дванадесет градуса Целзий"},
                                                            {21, "двадесет и един градус Целзий"},
                                                            {22, "двадесет и два градуса Целзий"},
                                                            {100, "сто градуса Целзий"},
                                                            {101, "сто и един градус Целзий"},
                                                            {110, "сто и десет градуса Целзий"},
                                                            {1000, "хиляда градуса Целзий"},
                                                            {1001, "хиляда и един градус Целзий"},
                                                            {2000, "две хиляди градуса Целзий"},
                                                            {2022, "две хиляди двадесет и два градуса Целзий"},
                                                            {-1, "минус един градус Целзий"},
                                                            {-2, "минус два градуса Целзий"}};
  for (const auto& [value, words] : degrees) EXPECT_EQ(ui::DegreesInWords(value), words) << value;
  EXPECT_EQ(ui::NumberInWords(21000), "двадесет и една хиляди");
  EXPECT_EQ(ui::NumberInWords(21500), "двадесет и една хиляди и петстотин");
  EXPECT_EQ(ui::NumberInWords(1002003), "един милион две хиляди и три");
  EXPECT_EQ(ui::NumberInWords(2000000), "два милиона");
  EXPECT_EQ(ui::NumberInWords(999), "деветстотин деветдесет и девет");
  EXPECT_EQ(ui::NumberInWords(2, ui::Gender::kFeminine), "две");
  EXPECT_EQ(ui::NumberInWords(1, ui::Gender::kNeuter), "едно");
  EXPECT_EQ(ui::NumberInWords(1234567890), "едно две три четири пет шест седем осем девет нула");
}

TEST(Spoken, TextsWithNumbersUnitsAndSymbols) {
  const std::pair<std::string_view, std::string_view> spoken[] = {
      // "°C" with a blank, a no-break space or nothing; a minus only before digits.
      {"над 3600 °C сублимира", "над три хиляди и шестстотин градуса Целзий сублимира"},
      {"при 113\u00A0°C, а", "при сто и тринадесет градуса Целзий, а"},
      {"от -272°C до 3500°C, не °C",
       "от минус двеста седемдесет и два градуса Целзий до три хиляди и петстотин "
       "градуса Целзий, не °C"},
      {"червено-оранжева, 2-3", "червено-оранжева, два-три"},
      // Percentages, whole and as a fraction.
      {"около 75% от", "около седемдесет и пет процента от"},
      {"само около 0,002% неон", "само около две хилядни от процента неон"},
      {"1% и 21%", "един процент и двадесет и един процент"},
      {"1,5% и 0,01%", "едно цяло и пет десети процента и една стотна от процента"},
      {"21,5%, 11,25 и 2,1",
       "двадесет и едно цяло и пет десети процента, единадесет цели и двадесет и пет стотни и "
       "две цели и една десета"},
      {"между 50 и 60% от", "между петдесет и шестдесет процента от"},
      {"0,12345", "нула запетая едно две три четири пет"},
      {"25 грама", "двадесет и пет грама"},
      // Symbols and formulas as read in class; unknown Latin words left alone.
      {"вода (H2O), амоняк (NH3) и метан (CH4).", "вода (аш две о), амоняк (ен аш три) и метан (це аш четири)."},
      {"символ Fe (от латинското име ferrum)", "символ ферум (от латинското име ферум)"},
      {"He, H2S, Mg, Xy2", "хелий, аш две ес, магнезий, Xy2"},
      {"Грешен отговор за   и температура на топене   ", "Грешен отговор за   и температура на топене   "},
  };
  for (const auto& [text, words] : spoken) EXPECT_EQ(ui::SpokenText(text), words) << text;
  // Every reading is Cyrillic words alone, and each written form is told apart.
  std::set<std::string_view> written;
  for (const ui::Reading& r : ui::kReadings) {
    EXPECT_TRUE(written.insert(r.written).second) << r.written;
    EXPECT_EQ(std::string(r.spoken).find_first_of("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"),
              std::string::npos)
        << r.spoken;
    EXPECT_EQ(ui::SpokenText(r.written), r.spoken);
  }
}

// Whatever the game announces is words alone: no figure, no Latin letter, no
// sign the voice would drop.
TEST(Spoken, EveryAnnouncementOfTheGameIsWordsAlone) {
  const std::set<std::string> all = testing_support::EveryAnnouncement();
  EXPECT_GT(all.size(), 200u);
  for (const std::string& said : all) {
    EXPECT_EQ(said.find_first_of("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz%"), std::string::npos)
        << said;
    EXPECT_EQ(said.find("°"), std::string::npos) << said;
  }
}

// The announcement a screen reader given one text hears: the verdict, then
// the paragraph.
TEST(MainWindow, TheWholeAnnouncementIsOneUtterance) {
  MemoryMainWindow f;
  f.Pick(0, 4);
  f.Pick(1, 2);  // Неон, -249°C
  ASSERT_EQ(f.message.said.size(), 1u);
  EXPECT_EQ(f.message.said[0].Whole(), ui::SpokenRow("-249°C") + ". Вярно Неон температура на топене " +
                                           ui::SpokenRow("-249°C") + ". " + ui::SpokenText(quiz::kDescriptions[4]));
  f.Restart();
  EXPECT_EQ(f.message.said[1].Whole(), std::string(ui::kRestartSpoken));
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
