// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The learning platform (an LMS such as Moodle) the page was opened from,
// through the SCORM 1.2 run-time API it offers the page as `API` on one of
// its windows. Opened anywhere else, nothing of this runs and nothing is
// thrown; none of it shows in the window.
#pragma once

#include "rounds.h"

namespace ui::web {

class LearningPlatform {
 public:
  // Looks for the API the standard way (this window, its parents, then the
  // opener and its parents); when found, starts the session
  // (LMSInitialize), marks the lesson "incomplete" unless a finished
  // attempt already counts, and finishes the session (LMSFinish) when the
  // page is left.
  LearningPlatform();
  LearningPlatform(const LearningPlatform&) = delete;
  LearningPlatform& operator=(const LearningPlatform&) = delete;

  bool Connected() const { return connected_; }

  // A round was finished: the best score (0 to 10) and "completed", saved
  // at once (LMSCommit). A score the platform already holds from an
  // earlier visit is never lowered.
  void Report(const Rounds::Finished& finished);

 private:
  bool connected_ = false;
  int held_score_ = -1;  // the platform's score at the start, -1 for none
};

}  // namespace ui::web
