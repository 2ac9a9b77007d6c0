// Plays one right pair on in-memory controls; exits 0 when the verdict is
// right. Linked statically, it shows the core needs only the standard library.
#include <cstdio>

#include "quiz.h"

int main() {
  quiz::MemoryControls controls;
  quiz::FillLists(controls.Set());
  controls.List1(0).SetListIndex(0);  // Водород
  controls.List1(1).SetListIndex(1);  // -259°C
  quiz::CheckPair(controls.Set());
  const bool right = controls.Text1().Text().rfind("Вярно Водород", 0) == 0;
  std::puts(right ? "right" : "wrong");
  return right ? 0 : 1;
}
