// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lms.h"

#include <emscripten/emscripten.h>

#include <algorithm>
#include <string>

// The API object is kept on the module once found. Every call is guarded:
// a platform that throws, or a parent window of another origin, must not
// stop the quiz.
// clang-format off
EM_JS(int, web_lms_start, (), {
  var find = function(start) {
    var win = start;
    for (var tries = 0; win && tries < 500; ++tries) {
      try {
        if (win.API) return win.API;
      } catch (e) {
      }
      var parent = null;
      try {
        parent = win.parent;
      } catch (e) {
      }
      if (!parent || parent == win) return null;
      win = parent;
    }
    return null;
  };
  var api = null;
  try {
    api = find(window) || (window.opener ? find(window.opener) : null);
  } catch (e) {
  }
  if (!api) return 0;
  try {
    if (String(api.LMSInitialize("")) != "true") return 0;
  } catch (e) {
    return 0;
  }
  Module['tarsomelLms'] = api;
  var finished = false;
  window.addEventListener('pagehide', function() {
    if (finished) return;
    finished = true;
    try {
      api.LMSFinish("");
    } catch (e) {
    }
  });
  return 1;
});

EM_JS(int, web_lms_get_number, (const char* name, int size), {
  try {
    var value = String(Module['tarsomelLms'].LMSGetValue(UTF8ToString(name, size)));
    var number = Number(value);
    return value != "" && number >= 0 ? Math.round(number) : -1;
  } catch (e) {
    return -1;
  }
});

EM_JS(int, web_lms_get_is, (const char* name, int name_size, const char* value, int value_size), {
  try {
    return String(Module['tarsomelLms'].LMSGetValue(UTF8ToString(name, name_size))) == UTF8ToString(value, value_size);
  } catch (e) {
    return 0;
  }
});

EM_JS(void, web_lms_set, (const char* name, int name_size, const char* value, int value_size), {
  try {
    Module['tarsomelLms'].LMSSetValue(UTF8ToString(name, name_size), UTF8ToString(value, value_size));
  } catch (e) {
  }
});

EM_JS(void, web_lms_commit, (), {
  try {
    Module['tarsomelLms'].LMSCommit("");
  } catch (e) {
  }
});
// clang-format on

namespace ui::web {

namespace {

void Set(std::string_view name, std::string_view value) {
  web_lms_set(name.data(), static_cast<int>(name.size()), value.data(), static_cast<int>(value.size()));
}

bool Is(std::string_view name, std::string_view value) {
  return web_lms_get_is(name.data(), static_cast<int>(name.size()), value.data(), static_cast<int>(value.size())) != 0;
}

constexpr std::string_view kStatus = "cmi.core.lesson_status";
constexpr std::string_view kScore = "cmi.core.score.raw";

}  // namespace

LearningPlatform::LearningPlatform() : connected_(web_lms_start() != 0) {
  if (!connected_) return;
  held_score_ = web_lms_get_number(kScore.data(), static_cast<int>(kScore.size()));
  if (!Is(kStatus, "completed") && !Is(kStatus, "passed")) {
    Set(kStatus, "incomplete");
    web_lms_commit();
  }
}

void LearningPlatform::Report(const Rounds::Finished& finished) {
  if (!connected_) return;
  const int best = std::max<int>(finished.best, held_score_);
  Set("cmi.core.score.min", std::to_string(Rounds::kMinScore));
  Set("cmi.core.score.max", std::to_string(Rounds::kMaxScore));
  Set(kScore, std::to_string(best));
  Set(kStatus, "completed");
  web_lms_commit();
}

}  // namespace ui::web
