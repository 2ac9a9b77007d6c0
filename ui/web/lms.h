// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The learning platform (an LMS such as Moodle) the page was opened from,
// through the SCORM 1.2 run-time API it offers the page as `API` on one of
// its windows. Opened anywhere else, nothing of this runs and nothing is
// thrown. None of it shows in the window; while the platform refuses to
// keep the result, a line at the top of the page says so.
#pragma once

#include <optional>

#include "main_window.h"
#include "scorm.h"

namespace ui::web {

class LearningPlatform {
 public:
  // Looks for the API the standard way (this window, its parents, then the
  // opener and its parents); when found and the session starts
  // (LMSInitialize), reports to it from then on: the page out of sight
  // saves, the page left finishes the session.
  LearningPlatform();
  LearningPlatform(const LearningPlatform&) = delete;
  LearningPlatform& operator=(const LearningPlatform&) = delete;

  bool Connected() const { return session_.has_value(); }

  // A pair judged or a restart in the window.
  void Observe(const Outcome& outcome);

  // From the page's events.
  void Hidden();
  void Leave();

 private:
  class Api final : public ScormApi {
   public:
    std::string Get(std::string_view element) override;
    bool Set(std::string_view element, std::string_view value) override;
    bool Commit() override;
    bool Finish() override;
  };

  Moment Now() const;
  // The page's line that says the result is not kept, shown or hidden as
  // the platform keeps it or not.
  void ShowRecorded(bool recorded);

  Api api_;
  bool shown_recorded_ = true;  // as the page's markup has it: the line hidden
  double started_ = 0;          // the page's clock, in milliseconds, at the start
  std::optional<ScormSession> session_;
};

}  // namespace ui::web
