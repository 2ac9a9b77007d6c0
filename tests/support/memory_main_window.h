// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The shared main window over in-memory controls: MainWindow (its handlers
// and pair guard, as every edition runs them) with two quiz::MemoryListBox
// lists and a message text that counts what reaches the screen and keeps
// what a screen reader is told. For the tests, the web tests' model and the
// fuzzer, which play whole games through it.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "main_window.h"
#include "quiz.h"

namespace testing_support {

class MemoryMessage final : public ui::MessageText {
 public:
  int shown = 0;                       // texts that reached the "screen"
  std::vector<ui::Announcement> said;  // what a screen reader was told

 protected:
  void Show(const std::string&) override { ++shown; }
  void Say(const ui::Announcement& announcement) override { said.push_back(announcement); }
};

class MemoryMainWindow {
 public:
  MemoryMainWindow() : main_window(names, temperatures, message) { main_window.Form_Load(); }

  // The pupil selects a row; the list reports it as a Click.
  void Pick(int16_t list, int16_t row) {
    (list == quiz::kNamesList ? names : temperatures).SetListIndex(row);
    main_window.List1_Click(list);
  }
  void Restart() { main_window.Command1_Click(0); }
  const std::string& Text() const { return message.Text(); }

  quiz::MemoryListBox names, temperatures;
  MemoryMessage message;
  ui::MainWindow main_window;
};

// Every announcement the game can make, as one utterance each: every pair
// of a new game, chosen either way round, each followed by a pair of played
// rows and by a name with a played temperature, and the restart.
inline std::set<std::string> EveryAnnouncement() {
  std::set<std::string> all;
  for (int16_t name = 0; name < quiz::kElements; ++name) {
    for (int16_t temperature = 0; temperature < quiz::kElements; ++temperature) {
      for (const bool name_first : {true, false}) {
        MemoryMainWindow f;
        f.Pick(name_first ? 0 : 1, name_first ? name : temperature);
        f.Pick(name_first ? 1 : 0, name_first ? temperature : name);
        f.Pick(0, name);
        f.Pick(1, temperature);
        f.Pick(0, static_cast<int16_t>((name + 1) % quiz::kElements));
        f.Pick(1, temperature);
        f.Restart();
        for (const ui::Announcement& a : f.message.said) all.insert(a.Whole());
      }
    }
  }
  return all;
}

}  // namespace testing_support
