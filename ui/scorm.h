// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a learning platform (an LMS such as Moodle) is told of a session,
// through the SCORM 1.2 run-time API: the lesson "incomplete" when it
// starts; the best finished round as a percentage and "completed" (or
// "passed"/"failed" where the platform sets a mastery score); every pair
// judged as an interaction; the time on task when the page is left. Every
// value in the forms SCORM 1.2 defines, which platforms check. No toolkit,
// no browser here: the edition hands in the API and the clock.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "main_window.h"
#include "rounds.h"

namespace ui {

// The API of a session that has started (LMSInitialize succeeded). A call
// that fails, or throws, gives "" or false.
class ScormApi {
 public:
  virtual ~ScormApi() = default;
  virtual std::string Get(std::string_view element) = 0;
  virtual bool Set(std::string_view element, std::string_view value) = 0;
  virtual bool Commit() = 0;
  virtual bool Finish() = 0;
};

// When something happened: seconds since the session started, and the
// local clock's time of day, in seconds since midnight.
struct Moment {
  double since_start = 0;
  double time_of_day = 0;
};

// A CMITimespan with four figures of hours and always two decimals of
// seconds ("0000:01:05.25"): some platforms read one decimal as hundredths.
std::string ScormTimespan(double seconds);
// A CMITime, the clock's time of day ("14:03:07").
std::string ScormTime(double time_of_day);
// A pair in SCORM's matching form, element.temperature, so that a teacher
// tells the element by its symbol and the temperature by its figure:
// "He.-272"; a played row, which is no element and no temperature, is "?".
std::string ScormPair(std::string_view name, std::string_view temperature);

class ScormSession {
 public:
  // A finished round scores 10 per right pair: a percentage, which a
  // platform grading out of its default 100 shows as it is.
  static constexpr int kPercentPerPair = 100 / quiz::kElements;
  // A platform that says it holds more interactions than this is told no
  // more (no platform keeps so many for one learner).
  static constexpr int kMostInteractions = 100000;

  // Reads what the platform holds (an earlier score, the status, a mastery
  // score, the interactions so far) and marks the lesson "incomplete"
  // unless an earlier visit finished it. In review mode it writes nothing.
  explicit ScormSession(ScormApi& api);
  ScormSession(const ScormSession&) = delete;
  ScormSession& operator=(const ScormSession&) = delete;

  // A pair judged or a restart in the main window.
  void Observe(const Outcome& outcome, const Moment& now);
  // The page went out of sight (another tab, the phone locked): saved, so
  // that nothing is lost if it never comes back.
  void Hidden();
  // The page is left: the time on task, then LMSFinish; once.
  void Leave(const Moment& now);

  // Whether the platform has kept what it was last given to keep: the
  // lesson's status and score set, then saved (LMSCommit). False from a
  // refusal until a later save goes through, so that the pupil can be told
  // while it lasts; a refused interaction, which the platform may simply
  // not hold, does not count.
  bool Recorded() const { return set_ && saved_; }

 private:
  void Report(const Rounds::Finished& finished);
  void Interaction(const Outcome& outcome, const Moment& now);

  ScormApi& api_;
  Rounds rounds_;
  bool review_ = false;
  bool left_ = false;
  int held_score_ = -1;  // the platform's score at the start, -1 for none
  bool held_passed_ = false;
  std::optional<double> mastery_;
  int next_interaction_ = 0;
  bool interactions_refused_ = false;
  double last_verdict_ = 0;
  bool set_ = true;    // the last status and score were taken
  bool saved_ = true;  // the last LMSCommit succeeded
};

}  // namespace ui
