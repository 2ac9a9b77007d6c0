// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include <stdexcept>

#include "controls.h"
#include "qt_print.h"

namespace {

class ListWidget : public ::testing::Test {
 protected:
  ListWidget() : list_box(&widget) {
    widget.resize(150, 200);  // room below the last row
    for (const char* row : {"Водород", "Хелий", "Кислород"}) list_box.AddItem(row);
    widget.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&widget));
  }

  void Click(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::mouseClick(widget.viewport(), Qt::LeftButton, modifiers, widget.visualItemRect(widget.item(row)).center());
  }

  ui::qt::ClassicListWidget widget;
  ui::qt::WidgetListBox list_box;
};

TEST_F(ListWidget, SelectionIsTheSelectedRowNotTheCurrentOne) {
  EXPECT_EQ(list_box.ListIndex(), -1);
  widget.setCurrentRow(1, QItemSelectionModel::NoUpdate);  // the focus mark alone
  EXPECT_EQ(list_box.ListIndex(), -1);
  Click(2);
  EXPECT_EQ(list_box.ListIndex(), 2);
  list_box.SetListIndex(-1);
  EXPECT_EQ(list_box.ListIndex(), -1);
  EXPECT_FALSE(widget.currentIndex().isValid());
  list_box.SetListIndex(0);
  EXPECT_EQ(list_box.ListIndex(), 0);
}

TEST_F(ListWidget, PupilCannotTakeTheSelectionAway) {
  Click(1);
  ASSERT_EQ(list_box.ListIndex(), 1);
  QSignalSpy clicks(&widget, &QListWidget::itemSelectionChanged);
  // Below the last row.
  const QRect last = widget.visualItemRect(widget.item(2));
  ASSERT_LT(last.bottom() + 10, widget.viewport()->height());
  QTest::mouseClick(widget.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(last.center().x(), last.bottom() + 10));
  EXPECT_EQ(list_box.ListIndex(), 1);
  // Ctrl+click and Ctrl+Space on the selected row.
  Click(1, Qt::ControlModifier);
  EXPECT_EQ(list_box.ListIndex(), 1);
  widget.setFocus();
  QTest::keyClick(&widget, Qt::Key_Space, Qt::ControlModifier);
  EXPECT_EQ(list_box.ListIndex(), 1);
  QTest::keyClick(&widget, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(widget.selectedItems().size(), 1);
  EXPECT_EQ(clicks.count(), 0);
  // A Ctrl+click on another row still moves the selection there.
  Click(0, Qt::ControlModifier);
  EXPECT_EQ(list_box.ListIndex(), 0);
  EXPECT_EQ(widget.selectedItems().size(), 1);
}

TEST_F(ListWidget, WritingARowRaisesNothingAndKeepsTheExactString) {
  list_box.SetListIndex(1);
  QSignalSpy clicks(&widget, &QListWidget::itemSelectionChanged);
  list_box.SetList(1, "  ");
  EXPECT_EQ(clicks.count(), 0);
  EXPECT_EQ(list_box.List(1), "  ");
  EXPECT_EQ(widget.item(1)->text(), QStringLiteral("  "));
  EXPECT_EQ(list_box.ListCount(), 3);
  EXPECT_EQ(list_box.ListIndex(), 1);
}

TEST_F(ListWidget, ClearLeavesNoRowAndNoFocusMark) {
  Click(2);
  list_box.Clear();
  EXPECT_EQ(list_box.ListCount(), 0);
  EXPECT_EQ(widget.count(), 0);
  EXPECT_EQ(list_box.ListIndex(), -1);
  list_box.AddItem(" 120°C");
  EXPECT_EQ(list_box.List(0), " 120°C");
  EXPECT_EQ(widget.item(0)->text(), QStringLiteral(" 120°C"));
  EXPECT_EQ(list_box.ListIndex(), -1);
  // The first arrow key after a clear selects the first row.
  widget.setFocus();
  list_box.AddItem("1414°C");
  QTest::keyClick(&widget, Qt::Key_Down);
  EXPECT_EQ(list_box.ListIndex(), 0);
}

TEST_F(ListWidget, PositionsOutsideTheRowsThrowAsInMemory) {
  EXPECT_THROW((void)list_box.List(3), std::out_of_range);
  EXPECT_THROW(list_box.SetList(-1, "x"), std::out_of_range);
  EXPECT_THROW(list_box.SetListIndex(3), std::out_of_range);
  EXPECT_THROW(list_box.SetListIndex(-2), std::out_of_range);
  EXPECT_EQ(widget.count(), 3);
}

TEST(MessageBox, KeepsTheExactTextAndShowsItsLines) {
  ui::qt::MessageBoxWidget widget;
  ui::qt::Announcer announcer(&widget);
  ui::qt::WidgetTextBox box(&widget, &announcer);
  const std::string text = "Вярно Сяра температура на топене  120°C\r\nСярата е...  ";
  box.SetText(text);
  EXPECT_EQ(box.Text(), text);
  EXPECT_EQ(widget.toPlainText(), QStringLiteral("Вярно Сяра температура на топене  120°C\nСярата е...  "));
  EXPECT_EQ(widget.document()->blockCount(), 2);
  box.SetText("");
  EXPECT_EQ(widget.toPlainText(), QString());

  EXPECT_TRUE(widget.isReadOnly());
  EXPECT_TRUE(widget.tabChangesFocus());
  EXPECT_EQ(widget.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_EQ(widget.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  EXPECT_EQ(widget.wordWrapMode(), QTextOption::WordWrap);
  EXPECT_TRUE(widget.textInteractionFlags() & Qt::TextSelectableByKeyboard);
  EXPECT_TRUE(widget.textInteractionFlags() & Qt::TextSelectableByMouse);
}

}  // namespace
