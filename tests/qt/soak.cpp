// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Drives the real window (offscreen) with a long random stream of pupil input
// and checks after every event what must always hold. Seeded, so a failure
// can be replayed: soak [EVENTS] [SEED]
#include <QApplication>
#include <QKeyEvent>
#include <QTest>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "application.h"
#include "game_model.h"
#include "qt_window.h"
#include "quiz.h"

namespace {

using Rows = std::array<std::string, 10>;

Rows Fixed(const std::vector<std::string>& rows) {
  Rows out;
  std::copy(rows.begin(), rows.end(), out.begin());
  return out;
}
const Rows kNames = Fixed(testing_support::kNames);
const Rows kShown = Fixed(testing_support::kShown);

struct State {
  Rows names, temperatures;
  std::string text;
};

class Soak {
 public:
  Soak(unsigned seed) : random_(seed) {
    if (!testing_support::ShowActive(w_)) Fail("the window was not shown");
    QObject::connect(w_.Text1(0), &QPlainTextEdit::textChanged, [this] { ++text_changes_; });
  }

  void Run(long events) {
    State before = Read();
    for (event_ = 0; event_ < events; ++event_) {
      const int changes_before = text_changes_;
      Act();
      if (event_ % 64 == 0) QCoreApplication::processEvents();
      const State after = Read();
      Check(before, after, text_changes_ - changes_before);
      before = after;
    }
  }

  void Report() const {
    std::printf("%ld events: %ld verdicts (%ld right), %ld restarts, %ld clicks, %ld keys\n", event_, verdicts_,
                rights_, restarts_, clicks_, keys_);
  }

 private:
  [[noreturn]] void Fail(const std::string& what) const {
    std::fprintf(stderr, "FAIL at event %ld (%s): %s\n", event_, last_.c_str(), what.c_str());
    std::exit(1);
  }

  State Read() {
    State s;
    const quiz::ControlSet& c = w_.Controls();
    for (int16_t l = 0; l < 2; ++l) {
      QListWidget* widget = w_.List1(l);
      if (c.List1(l).ListCount() != 10 || widget->count() != 10) Fail("a visible list has not ten rows");
      if (widget->selectedItems().size() > 1) Fail("more than one row selected");
      for (int16_t r = 0; r < 10; ++r) {
        const std::string& row = c.List1(l).List(r);
        if (widget->item(r)->text() != QString::fromStdString(row)) Fail("a list shows other text than it holds");
        (l == 0 ? s.names : s.temperatures)[static_cast<size_t>(r)] = row;
      }
    }
    for (int16_t t = 2; t <= 5; ++t) {
      const auto& table = t == 2   ? quiz::kNames
                          : t == 3 ? quiz::kKeyTemperatures
                          : t == 4 ? quiz::kDescriptions
                                   : quiz::kShownTemperatures;
      if (c.List1(t).ListCount() != 10) Fail("a table lost rows");
      for (int16_t r = 0; r < 10; ++r) {
        if (c.List1(t).List(r) != table[static_cast<size_t>(r)]) Fail("a table changed");
      }
    }
    s.text = c.Text1(0).Text();
    QString shown = QString::fromStdString(s.text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (testing_support::Shown(w_.Text1(0)) != shown) Fail("the message box shows other text than it holds");
    return s;
  }

  void Check(const State& before, const State& after, int changes) {
    const bool selected = !w_.List1(0)->selectedItems().isEmpty() || !w_.List1(1)->selectedItems().isEmpty();
    if (changes == 0) {
      if (after.names != before.names || after.temperatures != before.temperatures)
        Fail("rows changed without a verdict");
      if (after.text != before.text) Fail("the text changed unseen");
      return;
    }
    if (changes != 1) Fail(std::to_string(changes) + " texts shown for one event");
    if (after.text.empty()) {
      if (after.names != kNames || after.temperatures != kShown || selected) Fail("a restart left the lists unfilled");
      ++restarts_;
      return;
    }
    // A verdict: at most one row of each list newly played, nothing else.
    std::string name = " ", temperature = "  ";
    int row = -1;
    for (int list = 0; list < 2; ++list) {
      const Rows& b = list == 0 ? before.names : before.temperatures;
      const Rows& a = list == 0 ? after.names : after.temperatures;
      const std::string blank = list == 0 ? " " : "  ";
      int changed = 0;
      for (size_t i = 0; i < 10; ++i) {
        if (a[i] == b[i]) continue;
        if (a[i] != blank) Fail("a row became something other than blank");
        ++changed;
        (list == 0 ? name : temperature) = b[i];
        if (list == 0) row = static_cast<int>(i);
      }
      if (changed > 1) Fail("more than one row played in one list");
      if (changed == 0 && std::find(b.begin(), b.end(), blank) == b.end())
        Fail("a pair was checked but no row was played");
    }
    if (selected) Fail("a selection survived a verdict");
    const std::string expected = model::Verdict(name, temperature, row);
    if (after.text != expected) Fail("verdict was \"" + after.text + "\", the rules say \"" + expected + "\"");
    ++verdicts_;
    if (after.text.rfind("Вярно", 0) == 0) ++rights_;
  }

  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

  void Act() {
    const int kind = Pick(100);
    if (kind < 45) {
      // A click anywhere in the window: rows, empty list area, scroll bars,
      // labels, the button, the message box, the background.
      const QPoint at(Pick(w_.width()), Pick(w_.height()));
      QWidget* target = w_.childAt(at);
      if (target == nullptr) target = &w_;
      const Qt::KeyboardModifiers modifiers = Pick(8) == 0 ? Qt::ControlModifier : Qt::NoModifier;
      last_ = "click at " + std::to_string(at.x()) + "," + std::to_string(at.y());
      if (Pick(20) == 0) {
        QTest::mouseDClick(target, Qt::LeftButton, modifiers, target->mapFrom(&w_, at));
      } else {
        QTest::mouseClick(target, Qt::LeftButton, modifiers, target->mapFrom(&w_, at));
      }
      ++clicks_;
      return;
    }
    static const int keys[] = {Qt::Key_Up,       Qt::Key_Down, Qt::Key_Home,    Qt::Key_End,   Qt::Key_PageUp,
                               Qt::Key_PageDown, Qt::Key_Tab,  Qt::Key_Backtab, Qt::Key_Space, Qt::Key_Return,
                               Qt::Key_Enter,    Qt::Key_A,    Qt::Key_C,       Qt::Key_Left,  Qt::Key_Right};
    int key = keys[Pick(static_cast<int>(std::size(keys)))];
    Qt::KeyboardModifiers modifiers = Pick(4) == 0 ? Qt::ControlModifier : Qt::NoModifier;
    QString text;
    if (Pick(10) == 0) {
      // A letter: the first letter of a name jumps to it.
      static const QString letters = QStringLiteral("ВХКНЖАСМвхя1 ");
      text = letters.mid(Pick(static_cast<int>(letters.size())), 1);
      key = Qt::Key_unknown;
      modifiers = Qt::NoModifier;
    }
    QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr) focus = &w_;
    last_ = "key " + std::to_string(key) + (modifiers ? " with Ctrl" : "") + " on " + focus->metaObject()->className();
    if (key == Qt::Key_unknown) {
      // Typed text; QTest only types Latin letters.
      QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, text);
      QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, text);
      QApplication::sendEvent(focus, &press);
      QApplication::sendEvent(focus, &release);
    } else {
      QTest::keyClick(focus, static_cast<Qt::Key>(key), modifiers);
    }
    ++keys_;
  }

  ui::qt::Tarsomel w_{testing_support::Face()};
  std::mt19937 random_;
  std::string last_ = "start";
  int text_changes_ = 0;
  long event_ = 0, verdicts_ = 0, rights_ = 0, restarts_ = 0, clicks_ = 0, keys_ = 0;
};

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ui::qt::PrepareApplication(app);
  const long events = argc > 1 ? std::atol(argv[1]) : 3000;
  const unsigned seed = argc > 2 ? static_cast<unsigned>(std::atol(argv[2])) : 1;
  Soak soak(seed);
  soak.Run(events);
  soak.Report();
  std::printf("1 passed, 0 failed\n");
  return 0;
}
