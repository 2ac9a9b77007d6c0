// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <vector>

#include "qt_print.h"
#include "qt_window.h"

namespace {

struct Heard {
  QAccessible::Event type;
  QObject* object;
  QString text;  // the object's whole text when the event was sent
};
std::vector<Heard>* heard = nullptr;

void Listen(QAccessibleEvent* event) {
  if (heard == nullptr) return;
  QString text;
  if (QAccessibleInterface* iface = event->accessibleInterface()) {
    if (QAccessibleTextInterface* t = iface->textInterface()) text = t->text(0, t->characterCount());
  }
  heard->push_back({event->type(), event->object(), text});
}

bool IsTextEvent(QAccessible::Event type) {
  return type == QAccessible::TextUpdated || type == QAccessible::TextInserted || type == QAccessible::TextRemoved;
}

class Accessibility : public ::testing::Test {
 protected:
  Accessibility() {
    previous_ = QAccessible::installUpdateHandler(Listen);
    // What a screen reader's presence does on a desktop: turn accessibility
    // on, so that widgets send their events.
    platform_ = QGuiApplicationPrivate::platformIntegration()->accessibility();
    if (platform_ != nullptr) platform_->setActive(true);
    EXPECT_TRUE(testing_support::ShowActive(w));
    heard = &events;
  }
  ~Accessibility() override {
    heard = nullptr;
    if (platform_ != nullptr) platform_->setActive(false);
    QAccessible::installUpdateHandler(previous_);
  }

  void ClickRow(int list, int row) { testing_support::ClickRow(w, list, row); }
  static QAccessibleInterface* Of(QObject* o) { return QAccessible::queryAccessibleInterface(o); }

  // Text events the message box sent since the last call.
  std::vector<Heard> BoxEvents() {
    std::vector<Heard> out;
    for (const Heard& h : events) {
      if (h.object == w.Text1(0) && IsTextEvent(h.type)) out.push_back(h);
    }
    events.clear();
    return out;
  }

  std::vector<Heard> events;
  ui::Tarsomel w;

 private:
  QAccessible::UpdateHandler previous_ = nullptr;
  QPlatformAccessibility* platform_ = nullptr;
};

bool IsCyrillic(const QString& s) {
  return std::any_of(s.begin(), s.end(), [](QChar c) { return c.script() == QChar::Script_Cyrillic; });
}

TEST_F(Accessibility, IsOn) { ASSERT_TRUE(QAccessible::isActive()); }

TEST_F(Accessibility, EveryControlHasABulgarianNameAndTheRightRole) {
  struct Expected {
    QWidget* widget;
    QAccessible::Role role;
    QString name;
    bool described;
  };
  const Expected controls[] = {
      {w.Label1(1), QAccessible::StaticText, QStringLiteral("Химически елемент"), false},
      {w.Label1(2), QAccessible::StaticText, QStringLiteral("Точка на топене"), false},
      {w.List1(0), QAccessible::List, QStringLiteral("Химически елемент"), true},
      {w.List1(1), QAccessible::List, QStringLiteral("Точка на топене"), true},
      {w.Command1(0), QAccessible::Button, QStringLiteral("Чисти"), true},
      {w.Text1(0), QAccessible::EditableText, QStringLiteral("Съобщение"), true},
  };
  for (const Expected& c : controls) {
    QAccessibleInterface* iface = Of(c.widget);
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->role(), c.role) << c.name.toStdString();
    EXPECT_EQ(iface->text(QAccessible::Name), c.name);
    if (c.described) {
      EXPECT_TRUE(IsCyrillic(iface->text(QAccessible::Description))) << c.name.toStdString();
    }
  }
  EXPECT_EQ(Of(w.Label1(0))->text(QAccessible::Name), QStringLiteral("Tarsomel"));
  EXPECT_TRUE(Of(w.Text1(0))->state().readOnly);
  EXPECT_TRUE(Of(w.Text1(0))->state().focusable);
}

TEST_F(Accessibility, ListRowsAreItemsWithTheirTextAndPlayedRowsSaySo) {
  QAccessibleInterface* names = Of(w.List1(0));
  ASSERT_EQ(names->childCount(), 10);
  for (int i = 0; i < 10; ++i) {
    ASSERT_EQ(names->child(i)->role(), QAccessible::ListItem);
    EXPECT_EQ(names->child(i)->text(QAccessible::Name), w.List1(0)->item(i)->text());
  }
  EXPECT_EQ(Of(w.List1(1))->child(5)->text(QAccessible::Name), QStringLiteral(" 120°C"));
  ClickRow(0, 2);
  EXPECT_TRUE(Of(w.List1(0))->child(2)->state().selected);
  ClickRow(1, 3);
  EXPECT_EQ(Of(w.List1(0))->child(2)->text(QAccessible::Name), QStringLiteral("празен ред"));
  EXPECT_EQ(Of(w.List1(1))->child(3)->text(QAccessible::Name), QStringLiteral("празен ред"));
  EXPECT_FALSE(Of(w.List1(0))->child(2)->state().selected);
  QTest::mouseClick(w.Command1(0), Qt::LeftButton);
  EXPECT_EQ(Of(w.List1(0))->child(2)->text(QAccessible::Name), QStringLiteral("Кислород"));
}

TEST_F(Accessibility, TheMessageTextIsReadableThroughTheTextInterface) {
  QAccessibleTextInterface* text = Of(w.Text1(0))->textInterface();
  ASSERT_NE(text, nullptr);
  EXPECT_TRUE(text->text(0, text->characterCount()).startsWith(QStringLiteral("Най-често срещаните")));
  ClickRow(0, 9);
  ClickRow(1, 5);
  EXPECT_TRUE(text->text(0, text->characterCount()).startsWith(QStringLiteral("Вярно Сяра температура на топене  120°C\nСярата")));
}

// Qt's own editor events come and go while it swaps the text; what must
// never be heard is a verdict half written, and the last word must be ours:
// the whole text replaced.
void ExpectAnnounced(const std::vector<Heard>& said, const QString& text) {
  ASSERT_FALSE(said.empty());
  for (const Heard& h : said) {
    EXPECT_TRUE(h.text.isEmpty() || h.text == text) << h.text.toStdString();
  }
  EXPECT_EQ(said.back().type, QAccessible::TextUpdated);
  EXPECT_EQ(said.back().text, text);
}

TEST_F(Accessibility, AVerdictIsAnnouncedWholeAndSoIsARestart) {
  BoxEvents();
  ClickRow(0, 0);
  EXPECT_TRUE(BoxEvents().empty());  // one list alone: nothing to say
  ClickRow(1, 1);
  const QString verdict = w.Text1(0)->toPlainText();
  ASSERT_TRUE(verdict.startsWith(QStringLiteral("Вярно Водород")));
  ExpectAnnounced(BoxEvents(), verdict);

  ClickRow(1, 0);
  ClickRow(0, 3);
  ExpectAnnounced(BoxEvents(), QStringLiteral("Грешен отговор за Въглерод и температура на топене -272°C\n"));

  QTest::mouseClick(w.Command1(0), Qt::LeftButton);
  ExpectAnnounced(BoxEvents(), QString());
}

}  // namespace
