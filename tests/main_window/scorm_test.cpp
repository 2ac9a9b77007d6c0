// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a learning platform is told, through a platform in memory that
// checks every value as SCORM 1.2 defines it (stricter than most LMSs):
// the score as a percentage, the status, every pair as an interaction, the
// time on task. The game is played through the shared handlers; what was
// right is told by the separate model of the game.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "game_model.h"
#include "memory_main_window.h"
#include "scorm.h"

namespace {

using model::RightRow;
using testing_support::MemoryMainWindow;

// The forms of SCORM 1.2's data model, strictly.
const std::regex kDecimal(R"(^-?\d{1,10}(\.\d+)?$)");
const std::regex kTimespan(R"(^\d{2,4}:\d{2}:\d{2}(\.\d{1,2})?$)");
const std::regex kTime(R"(^([01]\d|2[0-3]):[0-5]\d:[0-5]\d(\.\d{1,2})?$)");
const std::regex kIdentifier(R"(^[A-Za-z0-9_-]{1,255}$)");
const std::regex kPair(R"(^([A-Z][a-z]?|\?)\.(-?\d{1,4}|\?)$)");
const std::regex kInteraction(R"(^cmi\.interactions\.(\d+)\.(.*)$)");

bool Valid(const std::string& element, const std::string& value) {
  const auto in = [&](std::initializer_list<const char*> words) {
    return std::any_of(words.begin(), words.end(), [&](const char* w) { return value == w; });
  };
  if (element == "cmi.core.lesson_status") return in({"passed", "completed", "failed", "incomplete", "browsed"});
  if (element.starts_with("cmi.core.score.")) {
    return std::regex_match(value, kDecimal) && std::stod(value) >= 0 && std::stod(value) <= 100;
  }
  if (element == "cmi.core.session_time") return std::regex_match(value, kTimespan);
  if (element == "cmi.core.exit") return in({"", "time-out", "suspend", "logout"});
  std::smatch m;
  if (!std::regex_match(element, m, kInteraction)) return false;
  const std::string field = m[2];
  if (field == "id") return std::regex_match(value, kIdentifier);
  if (field == "type") return value == "matching";
  if (field == "time") return std::regex_match(value, kTime);
  if (field == "latency") return std::regex_match(value, kTimespan);
  if (field == "weighting") return std::regex_match(value, kDecimal);
  if (field == "result") return in({"correct", "wrong", "unanticipated", "neutral"});
  // The matching form, source.target, with a symbol and a figure (or "?",
  // a played row) where SCORM 1.2 names single characters.
  if (field == "student_response" || field == "correct_responses.0.pattern") return std::regex_match(value, kPair);
  return false;
}

// A platform in memory: what it holds, every call in order, and any value
// it would have refused.
class Platform final : public ui::ScormApi {
 public:
  std::map<std::string, std::string> held;
  std::vector<std::string> calls;
  std::vector<std::string> refused;
  int interaction_limit = 1000;  // records the platform holds
  bool failing = false;          // every call fails
  bool refusing_saves = false;   // LMSCommit fails
  std::string refusing;          // an element whose every value is refused

  std::string Get(std::string_view element) override {
    calls.push_back("Get " + std::string(element));
    if (failing) return "";
    const auto found = held.find(std::string(element));
    return found == held.end() ? "" : found->second;
  }
  bool Set(std::string_view element, std::string_view value) override {
    const std::string e(element), v(value);
    calls.push_back("Set " + e + "=" + v);
    if (failing || e == refusing) return false;
    if (!Valid(e, v)) {
      refused.push_back(e + "=" + v);
      return false;
    }
    std::smatch m;
    if (std::regex_match(e, m, kInteraction)) {
      const int n = std::stoi(m[1]);
      if (n >= interaction_limit) return false;
      // A record is made by its id, at the end.
      if (m[2] == "id" && n != Count()) return false;
      if (m[2] != "id" && n >= Count()) return false;
      if (m[2] == "id") held["cmi.interactions._count"] = std::to_string(n + 1);
    }
    held[e] = v;
    return true;
  }
  bool Commit() override {
    calls.push_back("Commit");
    return !failing && !refusing_saves;
  }
  bool Finish() override {
    calls.push_back("Finish");
    return !failing;
  }

  int Count() const {
    const auto found = held.find("cmi.interactions._count");
    return found == held.end() ? 0 : std::stoi(found->second);
  }
  std::string Value(const std::string& element) const {
    const auto found = held.find(element);
    return found == held.end() ? "" : found->second;
  }
  std::string Interaction(int n, const std::string& field) const {
    return Value("cmi.interactions." + std::to_string(n) + "." + field);
  }
  int Called(const std::string& call) const { return static_cast<int>(std::count(calls.begin(), calls.end(), call)); }
};

// The quiz and a session together, as the browser edition joins them, on a
// clock that moves 2.5 s a move.
struct Session {
  explicit Session(Platform& platform) : platform(platform), scorm(platform) {
    window.main_window.Observe([this](const ui::Outcome& outcome) { scorm.Observe(outcome, Now()); });
  }
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  ui::Moment Now() const { return {seconds, 9 * 3600 + 30 * 60 + seconds}; }
  void Pick(int16_t list, int16_t row) {
    seconds += 2.5;
    window.Pick(list, row);
    game.Pick(list, row);
  }
  // A round with `right` right pairs, names in order: the first ones right,
  // the others with a temperature that is not theirs.
  void Round(int right);
  void Restart() {
    seconds += 2.5;
    window.Restart();
    game.Restart();
  }

  Platform& platform;
  ui::ScormSession scorm;
  MemoryMainWindow window;
  model::Game game;
  double seconds = 0;
};

void Session::Round(int right) {
  for (int16_t name = 0; name < quiz::kElements; ++name) {
    int16_t row = RightRow(name);
    if (name >= right) {
      // Another row still in play, and no later name's own.
      row = 0;
      const auto taken = [&](int16_t r) {
        if (r == RightRow(name) || window.temperatures.List(r) == "  ") return true;
        for (int16_t later = static_cast<int16_t>(name + 1); later < right; ++later) {
          if (RightRow(later) == r) return true;
        }
        return false;
      };
      while (taken(row)) ++row;
    }
    Pick(0, name);
    Pick(1, row);
  }
}

std::vector<std::string> Statuses(const Platform& p) {
  std::vector<std::string> out;
  for (const std::string& call : p.calls) {
    if (call.starts_with("Set cmi.core.lesson_status=")) out.push_back(call.substr(27));
  }
  return out;
}

TEST(Scorm, FormsOfTimeAndPairs) {
  EXPECT_EQ(ui::ScormTimespan(0), "0000:00:00.00");
  EXPECT_EQ(ui::ScormTimespan(5.5), "0000:00:05.50");
  EXPECT_EQ(ui::ScormTimespan(3725.257), "0001:02:05.26");
  EXPECT_EQ(ui::ScormTimespan(-3), "0000:00:00.00");
  EXPECT_EQ(ui::ScormTimespan(1e12), "9999:59:59.99");
  EXPECT_EQ(ui::ScormTimespan(std::nan("")), "0000:00:00.00");
  EXPECT_EQ(ui::ScormTime(0), "00:00:00");
  EXPECT_EQ(ui::ScormTime(50000.7), "13:53:20");
  EXPECT_EQ(ui::ScormTime(86399.999), "23:59:59");
  EXPECT_EQ(ui::ScormTime(86400 + 61), "00:01:01");
  for (size_t e = 0; e < quiz::kNames.size(); ++e) {
    const std::string pair = ui::ScormPair(quiz::kNames[e], quiz::kKeyTemperatures[e]);
    EXPECT_EQ(pair.substr(0, pair.find('.')), quiz::kSymbols[e]);
    EXPECT_EQ(std::stoi(pair.substr(pair.find('.') + 1)), std::stoi(std::string(quiz::kKeyTemperatures[e])));
  }
  EXPECT_EQ(ui::ScormPair("Хелий", "-272°C"), "He.-272");
  EXPECT_EQ(ui::ScormPair("Сяра", " 120°C"), "S.120");
  EXPECT_EQ(ui::ScormPair(" ", "  "), "?.?");
}

TEST(Scorm, IncompleteAtTheStartUnlessAnEarlierVisitFinished) {
  Platform fresh;
  ui::ScormSession started(fresh);
  EXPECT_EQ(fresh.Value("cmi.core.lesson_status"), "incomplete");
  EXPECT_EQ(fresh.Called("Commit"), 1);
  for (const char* status : {"completed", "passed", "failed"}) {
    Platform again;
    again.held["cmi.core.lesson_status"] = status;
    ui::ScormSession s(again);
    EXPECT_EQ(again.Value("cmi.core.lesson_status"), status);
    EXPECT_EQ(again.Called("Commit"), 0) << status;
  }
}

TEST(Scorm, EachFinishedRoundGivesTheBestAsAPercentage) {
  Platform p;
  Session s(p);
  std::vector<std::string> raws;
  for (const int right : {5, 8, 3}) {
    s.Round(right);
    raws.push_back(p.Value("cmi.core.score.raw"));
    EXPECT_EQ(p.calls.back(), "Commit");
    s.Restart();
  }
  EXPECT_EQ(raws, (std::vector<std::string>{"50", "80", "80"}));
  EXPECT_EQ(p.Value("cmi.core.score.min"), "0");
  EXPECT_EQ(p.Value("cmi.core.score.max"), "100");
  EXPECT_EQ(Statuses(p), (std::vector<std::string>{"incomplete", "completed", "completed", "completed"}));
  // An unfinished round reports nothing.
  const size_t calls = p.Called("Set cmi.core.score.raw=80");
  s.Pick(0, 0);
  s.Pick(1, RightRow(0));
  EXPECT_EQ(static_cast<size_t>(p.Called("Set cmi.core.score.raw=80")), calls);
  EXPECT_EQ(p.refused, std::vector<std::string>{});
}

TEST(Scorm, AnEarlierVisitsBetterScoreStays) {
  Platform p;
  p.held["cmi.core.score.raw"] = "90";
  p.held["cmi.core.lesson_status"] = "completed";
  Session s(p);
  s.Round(5);
  EXPECT_EQ(p.Value("cmi.core.score.raw"), "90");
}

// A platform's values beyond what the package writes are not taken up: a
// score past the maximum, a count of interactions past any platform's.
TEST(Scorm, WhatThePlatformHoldsIsTakenWithinRange) {
  for (const char* score : {"250", "100.5", "99999999999999999999"}) {
    SCOPED_TRACE(score);
    Platform p;
    p.held["cmi.core.score.raw"] = score;
    p.held["cmi.core.lesson_status"] = "completed";
    Session s(p);
    s.Round(6);
    EXPECT_EQ(p.Value("cmi.core.score.raw"), std::to_string(6 * ui::ScormSession::kPercentPerPair));
    EXPECT_EQ(p.refused, std::vector<std::string>{});
  }
  for (const std::string& count :
       {std::to_string(ui::ScormSession::kMostInteractions + 1), std::string("99999999999")}) {
    SCOPED_TRACE(count);
    Platform p;
    p.held["cmi.interactions._count"] = count;
    Session s(p);
    s.Round(3);
    EXPECT_EQ(std::count_if(p.calls.begin(), p.calls.end(),
                            [](const std::string& c) { return c.starts_with("Set cmi.interactions."); }),
              0);
    EXPECT_EQ(p.Value("cmi.core.score.raw"), std::to_string(3 * ui::ScormSession::kPercentPerPair));
  }
  // At the most, the numbering goes on from there.
  Platform p;
  p.held["cmi.interactions._count"] = std::to_string(ui::ScormSession::kMostInteractions);
  p.interaction_limit = ui::ScormSession::kMostInteractions + 10;
  Session s(p);
  s.Pick(0, 0);
  s.Pick(1, RightRow(0));
  EXPECT_EQ(p.Interaction(ui::ScormSession::kMostInteractions, "id"),
            "pair-" + std::to_string(ui::ScormSession::kMostInteractions + 1));
}

TEST(Scorm, AMasteryScorePassesOrFailsAndAPassStays) {
  Platform p;
  p.held["cmi.student_data.mastery_score"] = "80";
  Session s(p);
  for (const int right : {5, 8, 3}) {
    s.Round(right);
    s.Restart();
  }
  EXPECT_EQ(Statuses(p), (std::vector<std::string>{"incomplete", "failed", "passed", "passed"}));
  // Passed on an earlier visit, with no mastery score now: still passed.
  Platform again;
  again.held["cmi.core.lesson_status"] = "passed";
  Session later(again);
  later.Round(2);
  EXPECT_EQ(again.Value("cmi.core.lesson_status"), "passed");
  EXPECT_EQ(p.refused, std::vector<std::string>{});
}

// Every pair, in order, as the model of the game judges it.
TEST(Scorm, EveryPairIsAnInteraction) {
  Platform p;
  Session s(p);
  std::mt19937 random(11);
  struct Expected {
    std::string response, pattern, result;
    double at;
  };
  std::vector<Expected> expected;
  for (int move = 0; move < 300; ++move) {
    const auto pick = static_cast<int>(random() % 21);
    if (pick == 20) {
      s.Restart();
      continue;
    }
    const auto list = static_cast<int16_t>(pick / 10);
    const auto row = static_cast<int16_t>(pick % 10);
    const bool other_selected = (list == 0 ? s.game.sel1 : s.game.sel0) >= 0;
    const std::string name = s.game.names[static_cast<size_t>(list == 0 ? row : s.game.sel0 < 0 ? 0 : s.game.sel0)];
    const std::string temperature = s.game.temperatures[static_cast<size_t>(list == 1         ? row
                                                                            : s.game.sel1 < 0 ? 0
                                                                                              : s.game.sel1)];
    s.Pick(list, row);
    if (!other_selected) continue;
    // A pair: the element's symbol and the temperature's figure, from the tables.
    const auto element = std::find(quiz::kNames.begin(), quiz::kNames.end(), name);
    Expected e;
    const auto figure = [](std::string t) {
      if (t.find_first_not_of(' ') == std::string::npos) return std::string("?");
      return std::to_string(std::stoi(t));
    };
    const std::string symbol = element == quiz::kNames.end()
                                   ? "?"
                                   : std::string(quiz::kSymbols[static_cast<size_t>(element - quiz::kNames.begin())]);
    e.response = symbol + "." + figure(temperature);
    if (element != quiz::kNames.end()) {
      e.pattern = symbol + "." +
                  figure(std::string(quiz::kKeyTemperatures[static_cast<size_t>(element - quiz::kNames.begin())]));
    }
    e.result = s.game.text.starts_with("Вярно") ? "correct" : "wrong";
    e.at = s.seconds;
    expected.push_back(e);
  }
  ASSERT_GT(expected.size(), 100u);
  ASSERT_EQ(p.Count(), static_cast<int>(expected.size()));
  std::set<std::string> ids;
  double last = 0;
  for (int n = 0; n < p.Count(); ++n) {
    const Expected& e = expected[static_cast<size_t>(n)];
    SCOPED_TRACE("interaction " + std::to_string(n));
    EXPECT_TRUE(ids.insert(p.Interaction(n, "id")).second);
    EXPECT_EQ(p.Interaction(n, "type"), "matching");
    EXPECT_EQ(p.Interaction(n, "student_response"), e.response);
    EXPECT_EQ(p.Interaction(n, "correct_responses.0.pattern"), e.pattern);
    EXPECT_EQ(p.Interaction(n, "result"), e.result);
    EXPECT_EQ(p.Interaction(n, "weighting"), "1");
    EXPECT_EQ(p.Interaction(n, "latency"), ui::ScormTimespan(e.at - last));
    EXPECT_EQ(p.Interaction(n, "time"), ui::ScormTime(9 * 3600 + 30 * 60 + e.at));
    last = e.at;
  }
  EXPECT_EQ(p.refused, std::vector<std::string>{});
}

TEST(Scorm, InteractionsFollowThoseThePlatformHoldsAndStopWhereItIsFull) {
  Platform p;
  p.held["cmi.interactions._count"] = "7";
  p.interaction_limit = 9;
  Session s(p);
  for (int16_t name = 0; name < 4; ++name) {
    s.Pick(0, name);
    s.Pick(1, name);
  }
  EXPECT_EQ(p.Count(), 9);
  EXPECT_EQ(p.Interaction(7, "id"), "pair-8");
  EXPECT_EQ(p.Interaction(8, "id"), "pair-9");
  // Refused once, the platform is asked no more.
  EXPECT_EQ(p.Called("Set cmi.interactions.9.id=pair-10"), 1);
  EXPECT_EQ(std::count_if(p.calls.begin(), p.calls.end(),
                          [](const std::string& c) { return c.starts_with("Set cmi.interactions.10"); }),
            0);
}

TEST(Scorm, LeavingGivesTheTimeOnTaskOnceThenFinishes) {
  Platform p;
  Session s(p);
  s.Round(10);
  s.scorm.Hidden();
  EXPECT_EQ(p.calls.back(), "Commit");
  s.scorm.Leave({3725.257, 0});
  s.scorm.Leave({4000, 0});
  s.Restart();
  s.Round(10);
  EXPECT_EQ(p.Value("cmi.core.session_time"), "0001:02:05.26");
  EXPECT_EQ(p.Called("Set cmi.core.session_time=0001:02:05.26"), 1);
  EXPECT_EQ(p.Called("Set cmi.core.exit="), 1);
  EXPECT_EQ(p.Called("Finish"), 1);
  // Nothing after the session was finished.
  EXPECT_EQ(p.calls.back(), "Finish");
  EXPECT_EQ(p.refused, std::vector<std::string>{});
}

TEST(Scorm, InReviewModeNothingIsWritten) {
  Platform p;
  p.held["cmi.core.lesson_mode"] = "review";
  p.held["cmi.core.lesson_status"] = "completed";
  Session s(p);
  s.Round(10);
  s.scorm.Hidden();
  s.scorm.Leave({60, 0});
  EXPECT_EQ(std::count_if(p.calls.begin(), p.calls.end(),
                          [](const std::string& c) { return c.starts_with("Set") || c == "Commit"; }),
            0);
  EXPECT_EQ(p.Called("Finish"), 1);
}

TEST(Scorm, AFailingPlatformIsToldAndTheQuizGoesOn) {
  Platform p;
  p.failing = true;
  Session s(p);
  EXPECT_FALSE(s.scorm.Recorded());
  s.Round(10);
  EXPECT_FALSE(s.scorm.Recorded());
  s.scorm.Leave({60, 0});
  EXPECT_EQ(p.Called("Finish"), 1);
  EXPECT_TRUE(s.window.Text().starts_with(quiz::kRightVerdict));
}

// Whether the platform kept the status and the score says so while it
// lasts: a refused save until one goes through, a refused status or score
// until a round's are taken; never for a refused interaction.
TEST(Scorm, WhetherTheResultIsRecordedIsTrueWhileItLasts) {
  Platform p;
  Session s(p);
  EXPECT_TRUE(s.scorm.Recorded());

  p.refusing_saves = true;
  s.Round(5);
  EXPECT_FALSE(s.scorm.Recorded()) << "a round's save refused";
  s.Restart();
  s.Pick(0, 0);
  s.Pick(1, RightRow(0));
  EXPECT_FALSE(s.scorm.Recorded()) << "nothing saved since";
  p.refusing_saves = false;
  s.scorm.Hidden();
  EXPECT_TRUE(s.scorm.Recorded()) << "saved when out of sight";

  for (const char* element : {"cmi.core.score.raw", "cmi.core.lesson_status", "cmi.core.score.max"}) {
    p.refusing = element;
    s.Restart();
    s.Round(8);
    EXPECT_FALSE(s.scorm.Recorded()) << element << " refused";
    s.scorm.Hidden();
    EXPECT_FALSE(s.scorm.Recorded()) << element << " refused, then a save";
    p.refusing.clear();
    s.Restart();
    s.Round(3);
    EXPECT_TRUE(s.scorm.Recorded()) << element << " taken again";
  }

  p.interaction_limit = p.Count();
  s.Restart();
  s.Round(2);
  EXPECT_TRUE(s.scorm.Recorded()) << "interactions the platform does not hold";

  Platform refusing_the_start;
  refusing_the_start.refusing_saves = true;
  ui::ScormSession started(refusing_the_start);
  EXPECT_FALSE(started.Recorded()) << "the first save refused";
  Platform refusing_incomplete;
  refusing_incomplete.refusing = "cmi.core.lesson_status";
  ui::ScormSession begun(refusing_incomplete);
  EXPECT_FALSE(begun.Recorded()) << "the first status refused";
}

}  // namespace
