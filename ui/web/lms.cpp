// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lms.h"

#include <emscripten/emscripten.h>

#include <array>
#include <string>

#include "application.h"
#include "page.h"

// In library.js.
extern "C" {
// 1: a session started; 0: no platform; 2: a platform that refused to
// start one.
int tarsomel_lms_start();
int tarsomel_lms_get(const char* name, int name_size, char* buffer, int buffer_size);
int tarsomel_lms_set(const char* name, int name_size, const char* value, int value_size);
int tarsomel_lms_commit();
int tarsomel_lms_finish();
double tarsomel_time_of_day();
}

namespace ui::web {

namespace {

// The one platform of the page, for its events.
LearningPlatform* platform = nullptr;

}  // namespace

std::string LearningPlatform::Api::Get(std::string_view element) {
  // Every element read is a short one: a status, a score, a count.
  std::array<char, 256> buffer{};
  const int size = tarsomel_lms_get(element.data(), static_cast<int>(element.size()), buffer.data(),
                                    static_cast<int>(buffer.size()));
  return std::string(buffer.data(), static_cast<size_t>(size));
}

bool LearningPlatform::Api::Set(std::string_view element, std::string_view value) {
  return tarsomel_lms_set(element.data(), static_cast<int>(element.size()), value.data(),
                          static_cast<int>(value.size())) != 0;
}

bool LearningPlatform::Api::Commit() { return tarsomel_lms_commit() != 0; }

bool LearningPlatform::Api::Finish() { return tarsomel_lms_finish() != 0; }

LearningPlatform::LearningPlatform() {
  const int started = tarsomel_lms_start();
  if (started == 2) ShowRecorded(false);
  if (started != 1) return;
  // The session's clock starts with the session; without a platform the
  // page never asks the browser for the time.
  started_ = emscripten_get_now();
  platform = this;
  session_.emplace(api_);
  ShowRecorded(session_->Recorded());
}

void LearningPlatform::ShowRecorded(bool recorded) {
  if (recorded == shown_recorded_) return;
  shown_recorded_ = recorded;
  static const Element line = Find("#" + std::string(page::kNotRecordedId));
  if (recorded) {
    SetAttribute(line, "hidden", "");
    return;
  }
  RemoveAttribute(line, "hidden");
  // Put in anew, for screen readers that miss an alert merely shown.
  SetText(line, page::kNotRecorded);
}

Moment LearningPlatform::Now() const { return {(emscripten_get_now() - started_) / 1000, tarsomel_time_of_day()}; }

void LearningPlatform::Observe(const Outcome& outcome) {
  if (!session_) return;
  session_->Observe(outcome, Now());
  ShowRecorded(session_->Recorded());
}

void LearningPlatform::Hidden() {
  if (!session_) return;
  session_->Hidden();
  ShowRecorded(session_->Recorded());
}

void LearningPlatform::Leave() {
  if (session_) session_->Leave(Now());
}

}  // namespace ui::web

extern "C" {

EMSCRIPTEN_KEEPALIVE void tarsomel_lms_hidden() {
  if (ui::web::platform != nullptr) ui::web::platform->Hidden();
}

EMSCRIPTEN_KEEPALIVE void tarsomel_lms_leave() {
  if (ui::web::platform != nullptr) ui::web::platform->Leave();
}

}  // extern "C"
