// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Plays a right pair, a wrong pair and a restart through the window's
// handlers on in-memory controls and prints what the box says, as UTF-8
// bytes in hex so no console code page can garble them. Exits 0 when all
// three came out right.
#include <cstdio>
#include <string>

#include "memory_main_window.h"

namespace {

void Print(const char* what, const std::string& text) {
  std::printf("%s:", what);
  for (unsigned char c : text) std::printf("%02x", c);
  std::printf("\n");
}

}  // namespace

int main() {
  testing_support::MemoryMainWindow f;
  f.Pick(0, 9);  // Сяра
  f.Pick(1, 5);  //  120°C
  const bool right = f.Text().rfind("Вярно Сяра температура на топене  120°C\r\n", 0) == 0;
  Print("right", f.Text().substr(0, f.Text().find('\n') + 1));
  f.Pick(1, 0);  // -272°C
  f.Pick(0, 0);  // Водород
  const bool wrong = f.Text() == "Грешен отговор за Водород и температура на топене -272°C\r\n";
  Print("wrong", f.Text());
  f.Restart();
  const bool restarted = f.Text().empty() && f.names.List(0) == "Водород" && f.temperatures.List(5) == " 120°C";
  std::printf("%s %s %s\n", right ? "right" : "RIGHT-FAILED", wrong ? "wrong" : "WRONG-FAILED",
              restarted ? "restarted" : "RESTART-FAILED");
  return right && wrong && restarted ? 0 : 1;
}
