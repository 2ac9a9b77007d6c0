// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Run at several QT_SCALE_FACTOR values: the window keeps its proportions and
// nothing it shows is cut off.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QScrollBar>
#include <QTest>
#include <QTextDocument>

#include "design.h"
#include "qt_print.h"
#include "qt_window.h"

namespace {

class Scaled : public ::testing::Test {
 protected:
  Scaled() { EXPECT_TRUE(testing_support::ShowActive(w)); }
  static double Factor() {
    const QByteArray f = qgetenv("QT_SCALE_FACTOR");
    return f.isEmpty() ? 1.0 : f.toDouble();
  }
  ui::qt::Tarsomel w{testing_support::Face()};
};

TEST_F(Scaled, EveryControlScalesWithTheFactor) {
  const double factor = Factor();
  ASSERT_DOUBLE_EQ(w.devicePixelRatioF(), factor);
  // The layout stays the design in logical pixels...
  const auto rect = [](const ui::Twips& t) {
    const testing_support::Rect r = testing_support::Pixels(t);
    return QRect(r.left, r.top, r.width, r.height);
  };
  const testing_support::Rect client = testing_support::ClientPixels();
  EXPECT_EQ(w.size(), QSize(client.width, client.height));
  EXPECT_EQ(w.Label1(0)->geometry(), rect(ui::kLabel1[0]));
  EXPECT_EQ(w.List1(0)->geometry(), rect(ui::kList1[0]));
  EXPECT_EQ(w.List1(1)->geometry(), rect(ui::kList1[1]));
  EXPECT_EQ(w.Command1(0)->geometry(), rect(ui::kCommand1));
  EXPECT_EQ(w.Text1(0)->geometry(), rect(ui::kText1));
  // ...and what reaches the screen is that many times larger, the colours
  // where the design puts them.
  const QImage image = w.grab().toImage();
  EXPECT_EQ(image.size(), (QSizeF(client.width, client.height) * factor).toSize());
  const auto at = [&](const char* name) {
    const testing_support::Point p = testing_support::ColourPoint(name);
    return image.pixelColor(int(p.x * factor), int(p.y * factor));
  };
  const auto qt = [](const ui::Rgb& c) { return QColor(c.red, c.green, c.blue); };
  EXPECT_EQ(at("window"), qt(ui::kWindowColour));
  EXPECT_EQ(at("label0"), qt(ui::kLabelColour));
  EXPECT_EQ(at("command"), qt(ui::kCommandColour));
  EXPECT_EQ(at("between_lists"), qt(ui::kWindowColour));
}

TEST_F(Scaled, NoTextIsCutOff) {
  for (int i = 0; i < 3; ++i) {
    QLabel* label = w.Label1(static_cast<int16_t>(i));
    EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->contentsRect().width()) << i;
    EXPECT_LE(label->fontMetrics().height(), label->contentsRect().height()) << i;
  }
  QPushButton* button = w.Command1(0);
  EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()) + 8, button->width());
  EXPECT_LE(button->fontMetrics().height(), button->height() - 4);
  for (int l = 0; l < 2; ++l) {
    QListWidget* list = w.List1(static_cast<int16_t>(l));
    for (int r = 0; r < list->count(); ++r) {
      EXPECT_LE(list->fontMetrics().horizontalAdvance(list->item(r)->text()), list->viewport()->width() - 4)
          << l << ":" << r;
    }
    EXPECT_FALSE(list->horizontalScrollBar()->isVisible());
  }
  // The message box wraps at word boundaries and never scrolls sideways.
  ui::qt::MessageBoxWidget* box = w.Text1(0);
  EXPECT_EQ(box->lineWrapMode(), QPlainTextEdit::WidgetWidth);
  EXPECT_EQ(box->wordWrapMode(), QTextOption::WordWrap);
  EXPECT_FALSE(box->horizontalScrollBar()->isVisible());
  EXPECT_TRUE(box->verticalScrollBar()->isVisible());
  EXPECT_GT(box->document()->lineCount(), box->document()->blockCount());  // long lines were wrapped
}

}  // namespace
