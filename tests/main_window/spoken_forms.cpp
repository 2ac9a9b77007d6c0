// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the shared handlers tell a screen reader, for the tests that listen
// to a real synthesiser or screen reader:
//   spoken_forms all       every announcement the game can make, one a line
//   spoken_forms row TEXT  how a row reading TEXT is said
#include <cstdio>
#include <cstring>
#include <string>

#include "main_window.h"
#include "memory_main_window.h"

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "all") == 0) {
    for (const std::string& said : testing_support::EveryAnnouncement()) std::printf("%s\n", said.c_str());
    return 0;
  }
  if (argc == 3 && std::strcmp(argv[1], "row") == 0) {
    std::printf("%s\n", ui::SpokenRow(argv[2]).c_str());
    return 0;
  }
  std::fprintf(stderr, "usage: spoken_forms all | spoken_forms row TEXT\n");
  return 2;
}
