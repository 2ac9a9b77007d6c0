// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QFontInfo>
#include <QListWidget>
#include <QMenu>
#include <QPalette>
#include <QScrollBar>
#include <QTest>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "design.h"
#include "qt_print.h"
#include "qt_window.h"

namespace {

using testing_support::ColourPoint;
using testing_support::Rows;

QRect ToQt(const testing_support::Rect& r) { return QRect(r.left, r.top, r.width, r.height); }
QColor ToQt(const ui::Rgb& c) { return QColor(c.red, c.green, c.blue); }
QPoint At(const std::string& name) {
  const testing_support::Point p = ColourPoint(name);
  return QPoint(p.x, p.y);
}
const QStringList kNames = testing_support::ToQt(testing_support::kNames);
const QStringList kShown = testing_support::ToQt(testing_support::kShown);

class Window : public ::testing::Test {
 protected:
  Window() { EXPECT_TRUE(testing_support::ShowActive(w)); }

  void ClickRow(int list, int row) { testing_support::ClickRow(w, list, row); }
  int Selected(int list) { return testing_support::Selected(w.List1(static_cast<int16_t>(list))); }
  void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
  }
  QString Shown() { return testing_support::Shown(w.Text1(0)); }
  const std::string& Text() { return w.Controls().Text1(0).Text(); }

  ui::qt::Tarsomel w{testing_support::Face()};
};

TEST_F(Window, StartsWithTheTaskAndTwoFullListsNoneSelected) {
  const std::string task = Text();
  // Ten lines, each ended by CR LF; line 8 keeps its two blanks.
  std::vector<std::string> lines;
  for (size_t at = 0, end; (end = task.find("\r\n", at)) != std::string::npos; at = end + 2) {
    lines.push_back(task.substr(at, end - at));
  }
  ASSERT_EQ(lines.size(), 10u);
  EXPECT_TRUE(task.ends_with("значение.\r\n"));
  EXPECT_EQ(lines[2], "Тема на проекта: Tarsomel.");
  EXPECT_EQ(lines[7], "Информацията във втория списък  да е сортирана възходящо по отношение температура на топене.");
  EXPECT_TRUE(lines[0].starts_with("Най-често срещаните химически елементи в нашата галактика са: Водород,"));
  EXPECT_TRUE(lines[8].starts_with("След посочване на ред и от двета списъка да се изтрива"));
  // The box shows the same text, one paragraph per line.
  EXPECT_EQ(Shown(), QString::fromStdString(task).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));

  EXPECT_EQ(Rows(w.List1(0)), kNames);
  EXPECT_EQ(Rows(w.List1(1)), kShown);
  EXPECT_EQ(Selected(0), -1);
  EXPECT_EQ(Selected(1), -1);
  EXPECT_EQ(QApplication::focusWidget(), w.Text1(0));
}

TEST_F(Window, ItsCaptionFrameAndControlsAreAsDesigned) {
  EXPECT_TRUE(w.windowTitle().endsWith(QStringLiteral("  Физика - свойства, температура")));
  EXPECT_FALSE(w.windowTitle().startsWith(QStringLiteral(" ")));
  EXPECT_FALSE(w.windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(w.windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_TRUE(w.windowFlags() & Qt::WindowCloseButtonHint);
  const QSize client = ToQt(testing_support::ClientPixels()).size();
  EXPECT_EQ(w.minimumSize(), client);
  EXPECT_EQ(w.maximumSize(), client);
  EXPECT_EQ(w.size(), client);
  EXPECT_EQ(w.Label1(0)->text(), QStringLiteral("Tarsomel"));
  EXPECT_EQ(w.Label1(1)->text(), QStringLiteral("Химически елемент"));
  EXPECT_EQ(w.Label1(2)->text(), QStringLiteral("Точка на топене"));
  EXPECT_EQ(w.Command1(0)->text(), QStringLiteral("Чисти"));
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(w.Label1(static_cast<int16_t>(i))->alignment() & Qt::AlignHCenter);
  EXPECT_FALSE(w.Command1(0)->isDefault());
  EXPECT_FALSE(w.Command1(0)->autoDefault());
}

TEST_F(Window, GeometryIsTheDesignInPixelsAt96Dpi) {
  ASSERT_EQ(w.logicalDpiX(), 96);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(w.Label1(static_cast<int16_t>(i))->geometry(), ToQt(testing_support::Pixels(ui::kLabel1[i])));
  }
  EXPECT_EQ(w.List1(0)->geometry(), ToQt(testing_support::Pixels(ui::kList1[0])));
  EXPECT_EQ(w.List1(1)->geometry(), ToQt(testing_support::Pixels(ui::kList1[1])));
  EXPECT_EQ(w.Command1(0)->geometry(), ToQt(testing_support::Pixels(ui::kCommand1)));
  EXPECT_EQ(w.Text1(0)->geometry(), ToQt(testing_support::Pixels(ui::kText1)));
}

TEST_F(Window, ColoursAreAsDesigned) {
  const QImage image = w.grab().toImage();
  ASSERT_EQ(image.size(), ToQt(testing_support::ClientPixels()).size());
  const std::pair<const char*, ui::Rgb> expected[] = {
      {"window", ui::kWindowColour},         {"between_lists", ui::kWindowColour},
      {"label0", ui::kLabelColour},          {"label1", ui::kLabelColour},
      {"label2", ui::kLabelColour},          {"command", ui::kCommandColour},
      {"command_right", ui::kCommandColour}, {"command_edge", ui::kCommandEdgeColour}};
  for (const auto& [name, colour] : expected) EXPECT_EQ(image.pixelColor(At(name)), ToQt(colour)) << name;
  EXPECT_EQ(image.pixelColor(At("names_inside")).lightness(), 255);  // lists on white
}

// A dark or high-contrast theme's light text never lands on the labels' and
// the button's light colours: their text keeps the design's colour.
TEST(WindowInALightTextTheme, LabelsAndButtonKeepTheirTextColour) {
  const QPalette saved = QApplication::palette();
  // Given back however the test ends, for the tests after it.
  const std::unique_ptr<const QPalette, void (*)(const QPalette*)> restore(
      &saved, [](const QPalette* p) { QApplication::setPalette(*p); });
  QPalette light = saved;
  light.setColor(QPalette::WindowText, Qt::white);
  light.setColor(QPalette::ButtonText, Qt::white);
  light.setColor(QPalette::Text, Qt::white);
  QApplication::setPalette(light);
  {
    ui::qt::Tarsomel w{testing_support::Face()};
    ASSERT_TRUE(testing_support::ShowActive(w));
    const QImage image = w.grab().toImage();
    const auto inked = [&](const ui::Twips& place) {
      const QRect r = ToQt(testing_support::Pixels(place));
      int count = 0;
      for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) count += image.pixelColor(x, y) == ToQt(ui::kTextColour);
      }
      return count;
    };
    for (const ui::Twips& label : ui::kLabel1) EXPECT_GT(inked(label), 0) << "a label";
    EXPECT_GT(inked(ui::kCommand1), 0) << "the button";
  }
}

TEST_F(Window, TheButtonKeepsItsColourWithAVisibleFocusMarkAndPress) {
  const auto at = [&](const char* name) { return w.grab().toImage().pixelColor(At(name)); };
  EXPECT_EQ(at("command_focus"), ToQt(ui::kCommandColour));
  for (int i = 0; i < 3; ++i) Key(Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), w.Command1(0));
  // Reached by Tab: the face keeps its colour and the mark shows inside the
  // outline.
  EXPECT_EQ(at("command"), ToQt(ui::kCommandColour));
  EXPECT_EQ(at("command_right"), ToQt(ui::kCommandColour));
  EXPECT_EQ(at("command_edge"), ToQt(ui::kCommandEdgeColour));
  EXPECT_EQ(at("command_focus"), ToQt(ui::kFocusColour));
  // Held down: the pressed face and outline, as on Windows.
  w.Command1(0)->setDown(true);
  EXPECT_EQ(at("command"), ToQt(ui::kCommandPressedColour));
  EXPECT_EQ(at("command_edge"), ToQt(ui::kCommandPressedEdgeColour));
  EXPECT_EQ(at("command_focus"), ToQt(ui::kFocusColour));
  w.Command1(0)->setDown(false);
}

TEST_F(Window, EveryFocusableControlShowsAFocusMark) {
  // Where each control's focus mark goes, in tab order.
  const QPoint edges[4] = {At("text_edge"), At("names_edge"), At("temperatures_edge"), At("command_focus")};
  const QColor mark = ToQt(ui::kFocusColour);
  for (int step = 0; step < 8; ++step) {
    const int focused = step % 4;
    const QImage image = w.grab().toImage();
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(image.pixelColor(edges[i]) == mark, i == focused) << "step " << step << " control " << i;
    }
    Key(Qt::Key_Tab);
  }
}

TEST_F(Window, TheFontIsTwelvePointTimesOrItsMetricMatchWithCyrillic) {
  for (QWidget* control :
       std::initializer_list<QWidget*>{w.Label1(0), w.List1(0), w.List1(1), w.Command1(0), w.Text1(0)}) {
    const QFontInfo info(control->font());
    EXPECT_EQ(info.pointSize(), 12);
    EXPECT_EQ(info.weight(), QFont::Normal);
    EXPECT_TRUE(info.family() == QStringLiteral("Times New Roman") ||
                info.family() == QStringLiteral("Liberation Serif"))
        << info.family().toStdString();
    EXPECT_TRUE(QFontDatabase::writingSystems(info.family()).contains(QFontDatabase::Cyrillic));
    const QFontMetrics metrics(control->font());
    for (QChar c : QStringLiteral("ЖщЪюя°")) EXPECT_TRUE(metrics.inFont(c)) << static_cast<int>(c.unicode());
  }
}

TEST_F(Window, ARightPairByMouseInEitherOrder) {
  ClickRow(0, 0);
  EXPECT_EQ(Selected(0), 0);
  EXPECT_TRUE(Text().starts_with("Най-често"));  // one list alone changes nothing
  ClickRow(1, 1);
  EXPECT_TRUE(Text().starts_with("Вярно Водород температура на топене -259°C\r\nВодородът"));
  EXPECT_TRUE(Shown().startsWith(QStringLiteral("Вярно Водород температура на топене -259°C\nВодородът")));
  EXPECT_EQ(w.List1(0)->item(0)->text(), QStringLiteral(" "));
  EXPECT_EQ(w.List1(1)->item(1)->text(), QStringLiteral("  "));
  EXPECT_EQ(Selected(0), -1);
  EXPECT_EQ(Selected(1), -1);

  ClickRow(1, 5);  // " 120°C" first, then "Сяра"
  EXPECT_TRUE(Text().starts_with("Вярно Водород"));
  ClickRow(0, 9);
  EXPECT_TRUE(Text().starts_with("Вярно Сяра температура на топене  120°C\r\nСярата"));
  EXPECT_EQ(w.List1(0)->item(9)->text(), QStringLiteral(" "));
  EXPECT_EQ(w.List1(1)->item(5)->text(), QStringLiteral("  "));
}

TEST_F(Window, AWrongPairByMouseInEitherOrder) {
  ClickRow(0, 1);
  ClickRow(1, 1);
  EXPECT_EQ(Text(), "Грешен отговор за Хелий и температура на топене -259°C\r\n");
  ClickRow(1, 0);
  ClickRow(0, 0);
  EXPECT_EQ(Text(), "Грешен отговор за Водород и температура на топене -272°C\r\n");
  EXPECT_EQ(Rows(w.List1(0)).mid(0, 2), QStringList({QStringLiteral(" "), QStringLiteral(" ")}));
  EXPECT_EQ(Selected(0), -1);
  EXPECT_EQ(Selected(1), -1);
}

TEST_F(Window, TwoNamesInARowKeepTheLastSelected) {
  ClickRow(0, 2);
  ClickRow(0, 4);
  EXPECT_EQ(Selected(0), 4);
  EXPECT_TRUE(Text().starts_with("Най-"));
  EXPECT_EQ(Rows(w.List1(0)), kNames);
}

TEST_F(Window, RestartRestoresEveryRowAndEmptiesTheBox) {
  ClickRow(0, 3);
  ClickRow(1, 9);
  ClickRow(0, 6);
  ClickRow(1, 2);
  ClickRow(0, 7);  // one list selected when the button is pressed
  QTest::mouseClick(w.Command1(0), Qt::LeftButton);
  EXPECT_EQ(Rows(w.List1(0)), kNames);
  EXPECT_EQ(Rows(w.List1(1)), kShown);
  EXPECT_EQ(Selected(0), -1);
  EXPECT_EQ(Selected(1), -1);
  EXPECT_EQ(Text(), "");
  EXPECT_EQ(Shown(), QString());
  // Other members of the button array do nothing.
  ClickRow(0, 0);
  ClickRow(1, 0);
  w.Command1_Click(1);
  EXPECT_EQ(w.List1(0)->item(0)->text(), QStringLiteral(" "));
  EXPECT_TRUE(Text().starts_with("Грешен"));
}

TEST_F(Window, ARestartShowsBothListsFromTheirFirstRow) {
  ClickRow(0, 9);
  ClickRow(1, 8);
  for (int l = 0; l < 2; ++l) ASSERT_GT(w.List1(static_cast<int16_t>(l))->verticalScrollBar()->value(), 0);
  QTest::mouseClick(w.Command1(0), Qt::LeftButton);
  QApplication::processEvents();
  for (int l = 0; l < 2; ++l) {
    QListWidget* list = w.List1(static_cast<int16_t>(l));
    EXPECT_EQ(list->verticalScrollBar()->value(), 0) << l;
    EXPECT_EQ(list->indexAt(QPoint(4, 4)).row(), 0) << l;
  }
}

TEST_F(Window, FocusEnteringAListSelectsNothing) {
  Key(Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), w.List1(0));
  Key(Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), w.List1(1));
  EXPECT_EQ(Selected(0), -1);
  EXPECT_EQ(Selected(1), -1);
  Key(Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), w.Command1(0));
  Key(Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), w.Text1(0));
  // From a list with no selection the first arrow key selects the first row.
  Key(Qt::Key_Tab);
  Key(Qt::Key_Down);
  EXPECT_EQ(Selected(0), 0);
  EXPECT_TRUE(Text().starts_with("Най"));
}

TEST_F(Window, AWholeGameWithTheKeyboardAlone) {
  Key(Qt::Key_Tab);                        // names
  Key(Qt::Key_Down);                       // Водород
  Key(Qt::Key_Tab);                        // temperatures
  Key(Qt::Key_Down, Qt::ControlModifier);  // mark -272°C without choosing it
  Key(Qt::Key_Down, Qt::ControlModifier);  // mark -259°C
  EXPECT_EQ(Selected(1), -1);
  Key(Qt::Key_Space);  // choose it
  EXPECT_TRUE(Text().starts_with("Вярно Водород температура на топене -259°C\r\n"));
  // After a check the next arrow starts at the top again.
  Key(Qt::Key_Down);     // -272°C
  Key(Qt::Key_Backtab);  // back to the names
  Key(Qt::Key_Down);     // " " in row 0
  Key(Qt::Key_Down);     // Хелий: the pair is checked
  EXPECT_EQ(Text(), "Грешен отговор за   и температура на топене -272°C\r\n");
  EXPECT_EQ(w.List1(1)->item(0)->text(), QStringLiteral("  "));
  Key(Qt::Key_Down);  // row 0 again, selected alone
  Key(Qt::Key_Tab);
  Key(Qt::Key_Tab);  // the button
  ASSERT_EQ(QApplication::focusWidget(), w.Command1(0));
  Key(Qt::Key_Space);
  EXPECT_EQ(Rows(w.List1(0)), kNames);
  EXPECT_EQ(Text(), "");
  ClickRow(0, 0);
  ClickRow(1, 0);
  w.Command1(0)->setFocus();
  Key(Qt::Key_Return);
  EXPECT_EQ(Rows(w.List1(1)), kShown);
  Key(Qt::Key_Tab);  // back to the message box
  ASSERT_EQ(QApplication::focusWidget(), w.Text1(0));
}

// Qt's list selects the new row once more after reporting the change; the
// check has judged and cleared it by then, and it must stay cleared.
TEST_F(Window, NoKeyThatCompletesAPairLeavesASelection) {
  const int keys[] = {Qt::Key_Down, Qt::Key_Up, Qt::Key_End, Qt::Key_Home, Qt::Key_PageDown, Qt::Key_PageUp};
  for (int key : keys) {
    QTest::mouseClick(w.Command1(0), Qt::LeftButton);
    ClickRow(0, 4);
    w.List1(1)->setFocus();
    w.List1(1)->setCurrentRow(3, QItemSelectionModel::NoUpdate);
    Key(key);
    EXPECT_TRUE(Text().starts_with("Грешен отговор за Неон") || Text().starts_with("Вярно Неон")) << key;
    EXPECT_EQ(Selected(0), -1) << key;
    EXPECT_EQ(Selected(1), -1) << key;
    EXPECT_EQ(w.List1(1)->selectedItems().size(), 0) << key;
  }
}

TEST_F(Window, TheMessageBoxCanBeCopiedWithTheKeyboard) {
  ClickRow(0, 6);
  ClickRow(1, 4);
  w.Text1(0)->setFocus();
  Key(Qt::Key_A, Qt::ControlModifier);
  Key(Qt::Key_C, Qt::ControlModifier);
  EXPECT_TRUE(QApplication::clipboard()->text().startsWith(
      QStringLiteral("Вярно Азот температура на топене -210°C\nЛатинското")));
  // Typing changes nothing.
  Key(Qt::Key_X);
  EXPECT_TRUE(Shown().startsWith(QStringLiteral("Вярно Азот")));
}

// The program is Bulgarian, and so is what the toolkit itself shows in it,
// whatever the desktop's language.
TEST_F(Window, TheMessageBoxMenuIsInBulgarian) {
  std::unique_ptr<QMenu> menu(w.Text1(0)->createStandardContextMenu());
  ASSERT_NE(menu, nullptr);
  int entries = 0;
  for (QAction* action : menu->actions()) {
    if (action->isSeparator()) continue;
    ++entries;
    const QString text = action->text().remove(QLatin1Char('&'));
    EXPECT_TRUE(std::any_of(text.begin(), text.end(), [](QChar c) { return c.script() == QChar::Script_Cyrillic; }))
        << text.toStdString();
  }
  EXPECT_GE(entries, 2);  // at least copy and select all
}

TEST_F(Window, TheTablesNeverShow) {
  const auto views = w.findChildren<QAbstractItemView*>();
  EXPECT_EQ(views.size(), 2);
  for (int16_t i = 2; i <= 5; ++i) EXPECT_EQ(w.Controls().List1(i).ListCount(), 10);
  ClickRow(0, 0);
  ClickRow(1, 1);
  QTest::mouseClick(w.Command1(0), Qt::LeftButton);
  EXPECT_EQ(w.findChildren<QAbstractItemView*>().size(), 2);
  for (QWidget* child : w.findChildren<QWidget*>()) {
    if (auto* view = qobject_cast<QListWidget*>(child)) {
      EXPECT_EQ(view->count(), 10);
    }
  }
  EXPECT_EQ(w.Controls().List1(4).List(0).substr(0, 18), "Водородът");
}

}  // namespace
