// Long random games played on the in-memory controls and, side by side, on a
// small model of the game written from the rules alone.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <vector>

#include "quiz.h"

namespace {

struct Model {
  std::vector<std::string> names, temperatures;
  int sel0 = -1, sel1 = -1;
  std::string text = "task";

  void Restart() {
    names = {"Водород", "Хелий", "Кислород", "Въглерод", "Неон", "Желязо", "Азот", "Силиций", "Магнезий", "Сяра"};
    temperatures = {"-272°C", "-259°C", "-249°C", "-219°C", "-210°C", " 120°C", " 650°C", "1414°C", "1538°C", "3500°C"};
    sel0 = sel1 = -1;
    text = "";
  }

  void Pick(int list, int row) {
    (list == 0 ? sel0 : sel1) = row;
    if (sel0 < 0 || sel1 < 0) return;
    static const std::map<std::string, std::string> melts = {
        {"Водород", "-259°C"}, {"Хелий", "-272°C"},  {"Кислород", "-219°C"}, {"Въглерод", "3500°C"},
        {"Неон", "-249°C"},    {"Желязо", "1538°C"}, {"Азот", "-210°C"},     {"Силиций", "1414°C"},
        {"Магнезий", " 650°C"}, {"Сяра", " 120°C"}};
    const std::string& name = names[static_cast<size_t>(sel0)];
    const std::string& temperature = temperatures[static_cast<size_t>(sel1)];
    const auto melt = melts.find(name);
    if (melt != melts.end() && melt->second == temperature) {
      text = "Вярно " + name + " температура на топене " + temperature + "\r\n" +
             std::string(quiz::kDescriptions[static_cast<size_t>(sel0)]);
    } else {
      text = "Грешен отговор за " + name + " и температура на топене " + temperature + "\r\n";
    }
    names[static_cast<size_t>(sel0)] = " ";
    temperatures[static_cast<size_t>(sel1)] = "  ";
    sel0 = sel1 = -1;
  }
};

void ExpectSame(quiz::MemoryControls& c, const Model& m, int step) {
  for (int16_t list = 0; list < 2; ++list) {
    const auto& rows = list == 0 ? m.names : m.temperatures;
    ASSERT_EQ(c.List1(list).ListCount(), static_cast<int16_t>(rows.size())) << "step " << step;
    for (int16_t i = 0; i < c.List1(list).ListCount(); ++i) {
      ASSERT_EQ(c.List1(list).List(i), rows[static_cast<size_t>(i)]) << "step " << step << " list " << list;
    }
  }
  ASSERT_EQ(c.List1(0).ListIndex(), m.sel0) << "step " << step;
  ASSERT_EQ(c.List1(1).ListIndex(), m.sel1) << "step " << step;
  ASSERT_EQ(c.Text1().Text(), m.text) << "step " << step;
}

TEST(Model, RandomGamesAgreeWithTheModel) {
  for (unsigned seed : {1u, 2u, 3u, 2026u}) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    quiz::MemoryControls c;
    const quiz::ControlSet& set = c.Set();
    Model m;
    c.Text1().SetText("task");
    quiz::FillLists(set);
    m.Restart();
    m.text = "task";  // the first fill leaves the task statement in the box
    int rights = 0;
    for (int step = 0; step < 20000; ++step) {
      const unsigned action = random() % 41;
      if (action == 40) {
        // The restart button: refill, then empty the box.
        quiz::FillLists(set);
        set.Text1(0).SetText("");
        m.Restart();
      } else {
        const auto list = static_cast<int16_t>(action / 20);
        const auto row = static_cast<int16_t>((action % 20) / 2);
        set.List1(list).SetListIndex(row);
        // The window's guard: both selections read, then tested.
        const int16_t sel0 = set.List1(0).ListIndex();
        const int16_t sel1 = set.List1(1).ListIndex();
        if (sel0 > -1 && sel1 > -1) quiz::CheckPair(set);
        m.Pick(list, row);
      }
      ExpectSame(c, m, step);
      if (m.text.starts_with("Вярно")) ++rights;
    }
    EXPECT_GT(rights, 0);  // the games did reach right answers
  }
}

}  // namespace
