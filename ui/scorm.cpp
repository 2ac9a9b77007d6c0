// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scorm.h"

#include <algorithm>
#include <cmath>

namespace ui {

namespace {

constexpr std::string_view kStatus = "cmi.core.lesson_status";
constexpr std::string_view kScore = "cmi.core.score.raw";
constexpr std::string_view kPlayed = "?";

// A number the platform gave, if it is one of at least 0: digits, perhaps
// with a decimal point (a CMIDecimal or a CMIInteger).
std::optional<double> Number(std::string_view text) {
  double value = 0;
  double scale = 0;  // the place of the next decimal, once past the point
  bool digits = false;
  for (const char c : text) {
    if (c == '.' && scale == 0) {
      scale = 0.1;
    } else if (c >= '0' && c <= '9') {
      digits = true;
      if (scale == 0) {
        value = value * 10 + (c - '0');
      } else {
        value += (c - '0') * scale;
        scale /= 10;
      }
    } else {
      return std::nullopt;
    }
  }
  if (!digits || !std::isfinite(value)) return std::nullopt;
  return value;
}

// `value` in at least `width` figures, zeros before it.
std::string Figures(long long value, size_t width) {
  std::string text = std::to_string(value);
  return std::string(text.size() < width ? width - text.size() : 0, '0') + text;
}

// The figure of a shown temperature: " 120°C" gives "120".
std::string Figure(std::string_view temperature) {
  const size_t first = temperature.find_first_not_of(' ');
  if (first == std::string_view::npos) return std::string(kPlayed);
  temperature.remove_prefix(first);
  if (temperature.ends_with("°C")) temperature.remove_suffix(std::string_view("°C").size());
  return std::string(temperature);
}

}  // namespace

std::string ScormTimespan(double seconds) {
  constexpr long long kMost = 9999LL * 360000 + 59 * 6000 + 5999;  // 9999:59:59.99
  const long long hundredths = std::isfinite(seconds) && seconds > 0 ? std::min(std::llround(seconds * 100), kMost) : 0;
  return Figures(hundredths / 360000, 4) + ":" + Figures(hundredths / 6000 % 60, 2) + ":" +
         Figures(hundredths / 100 % 60, 2) + "." + Figures(hundredths % 100, 2);
}

std::string ScormTime(double time_of_day) {
  const long long seconds = std::isfinite(time_of_day) ? static_cast<long long>(std::floor(time_of_day)) : 0;
  const long long in_day = ((seconds % 86400) + 86400) % 86400;
  return Figures(in_day / 3600, 2) + ":" + Figures(in_day / 60 % 60, 2) + ":" + Figures(in_day % 60, 2);
}

std::string ScormPair(std::string_view name, std::string_view temperature) {
  const auto element = std::find(quiz::kNames.begin(), quiz::kNames.end(), name);
  const std::string_view symbol =
      element == quiz::kNames.end() ? kPlayed : quiz::kSymbols[static_cast<size_t>(element - quiz::kNames.begin())];
  return std::string(symbol) + "." + Figure(temperature);
}

ScormSession::ScormSession(ScormApi& api) : api_(api) {
  review_ = api_.Get("cmi.core.lesson_mode") == "review";
  // What the platform holds is taken only within what this package writes:
  // a score past 100 would be written back beside a maximum of 100, and a
  // count past any platform's records would run the numbering over.
  if (const auto score = Number(api_.Get(kScore)); score && *score <= 100) {
    held_score_ = static_cast<int>(std::lround(*score));
  }
  const std::string status = api_.Get(kStatus);
  held_passed_ = status == "passed";
  if (const auto mastery = Number(api_.Get("cmi.student_data.mastery_score")); mastery && *mastery <= 100) {
    mastery_ = mastery;
  }
  if (const auto count = Number(api_.Get("cmi.interactions._count"))) {
    if (*count <= kMostInteractions) {
      next_interaction_ = static_cast<int>(*count);
    } else {
      interactions_refused_ = true;
    }
  }
  if (review_ || status == "completed" || status == "passed" || status == "failed") return;
  set_ = api_.Set(kStatus, "incomplete");
  saved_ = api_.Commit();
}

void ScormSession::Observe(const Outcome& outcome, const Moment& now) {
  if (left_) return;
  if (outcome.kind == Outcome::Kind::kPair) Interaction(outcome, now);
  if (const auto finished = rounds_.Observe(outcome)) Report(*finished);
}

void ScormSession::Interaction(const Outcome& outcome, const Moment& now) {
  const double latency = now.since_start - last_verdict_;
  last_verdict_ = now.since_start;
  if (review_ || interactions_refused_) return;
  const std::string n = "cmi.interactions." + std::to_string(next_interaction_) + ".";
  // The id first: it makes the record. A platform that refuses it holds no
  // more: the rest of the session's pairs are not sent.
  if (!api_.Set(n + "id", "pair-" + std::to_string(next_interaction_ + 1))) {
    interactions_refused_ = true;
    return;
  }
  ++next_interaction_;
  api_.Set(n + "type", "matching");
  api_.Set(n + "time", ScormTime(now.time_of_day));
  api_.Set(n + "weighting", "1");
  api_.Set(n + "student_response", ScormPair(outcome.name, outcome.temperature));
  if (const int16_t element = outcome.pair.element; element >= 0 && element < quiz::kElements) {
    const auto e = static_cast<size_t>(element);
    api_.Set(n + "correct_responses.0.pattern", ScormPair(quiz::kNames[e], quiz::kKeyTemperatures[e]));
  }
  api_.Set(n + "result", outcome.pair.right ? "correct" : "wrong");
  api_.Set(n + "latency", ScormTimespan(latency));
}

void ScormSession::Report(const Rounds::Finished& finished) {
  if (review_) return;
  const int best = std::max(finished.best * kPercentPerPair, held_score_);
  // Every value is sent, whichever is refused.
  bool set = api_.Set("cmi.core.score.min", "0");
  set = api_.Set("cmi.core.score.max", "100") && set;
  set = api_.Set(kScore, std::to_string(best)) && set;
  // With a mastery score the best round passes or fails; a pass from an
  // earlier visit stays one.
  const bool passed = held_passed_ || (mastery_ && best >= *mastery_);
  set = api_.Set(kStatus, passed ? "passed" : mastery_ ? "failed" : "completed") && set;
  set_ = set;
  saved_ = api_.Commit();
}

void ScormSession::Hidden() {
  if (!left_ && !review_) saved_ = api_.Commit();
}

void ScormSession::Leave(const Moment& now) {
  if (left_) return;
  left_ = true;
  if (!review_) {
    api_.Set("cmi.core.session_time", ScormTimespan(now.since_start));
    // A finished session: nothing to resume.
    api_.Set("cmi.core.exit", "");
  }
  api_.Finish();
}

}  // namespace ui
