// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <QAccessible>
#include <QApplication>
#include <QTest>

#include <vector>

#include "qt_print.h"
#include "qt_window.h"

namespace {

// How the shared design says a row.
QString Spoken(std::string_view row) { return QString::fromStdString(ui::SpokenRow(row)); }

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

  // The announcer's appearances since the last call: name, then description.
  std::vector<std::pair<QString, QString>> Notifications() {
    std::vector<std::pair<QString, QString>> out;
    for (const Heard& h : events) {
      auto* announcer = dynamic_cast<ui::qt::Announcer*>(h.object);
      if (announcer != nullptr && h.type == QAccessible::ObjectShow) {
        out.emplace_back(announcer->accessibleName(), announcer->accessibleDescription());
      }
    }
    std::vector<Heard> rest;
    for (const Heard& h : events) {
      if (dynamic_cast<ui::qt::Announcer*>(h.object) == nullptr) rest.push_back(h);
    }
    events = rest;
    return out;
  }

  // Text events the message box sent since the last call; other events stay.
  std::vector<Heard> BoxEvents() {
    std::vector<Heard> out, rest;
    for (const Heard& h : events) {
      (h.object == w.Text1(0) && IsTextEvent(h.type) ? out : rest).push_back(h);
    }
    events = rest;
    return out;
  }

  std::vector<Heard> events;
  ui::qt::Tarsomel w{testing_support::Face()};

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
  // A temperature is read in words; what shows stays as it is.
  EXPECT_EQ(Of(w.List1(1))->child(5)->text(QAccessible::Name), Spoken(quiz::kShownTemperatures[5]));
  EXPECT_EQ(Of(w.List1(1))->child(0)->text(QAccessible::Name), Spoken(quiz::kShownTemperatures[0]));
  EXPECT_EQ(w.List1(1)->item(0)->text(), QStringLiteral("-272°C"));
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
  EXPECT_TRUE(text->text(0, text->characterCount())
                  .startsWith(QStringLiteral("Вярно Сяра температура на топене  120°C\nСярата")));
}

// Text events the message box itself sends are read by a screen reader only
// when the box has the focus; what must never reach it is a verdict half
// written, or one written twice.
void ExpectOneTextChange(const std::vector<Heard>& said, const QString& text) {
  int inserted = 0;
  for (const Heard& h : said) {
    EXPECT_TRUE(h.text.isEmpty() || h.text == text) << h.text.toStdString();
    if (h.type == QAccessible::TextInserted || h.type == QAccessible::TextUpdated) ++inserted;
  }
  EXPECT_LE(inserted, 1);
}

// Whatever has the focus, each verdict and each restart is told once as a
// notification appearing: the row just chosen and the verdict's first line,
// then the paragraph.
TEST_F(Accessibility, EachVerdictAndRestartIsAnnouncedOnceWhereverTheFocusIs) {
  w.List1(1)->setFocus();
  BoxEvents();
  ClickRow(0, 9);
  EXPECT_TRUE(Notifications().empty());  // one list alone: nothing to say
  ClickRow(1, 5);
  const QString verdict = w.Text1(0)->toPlainText();
  ASSERT_TRUE(verdict.startsWith(QStringLiteral("Вярно Сяра температура на топене  120°C\n")));
  ExpectOneTextChange(BoxEvents(), verdict);
  auto said = Notifications();
  ASSERT_EQ(said.size(), 1u);
  EXPECT_EQ(said[0].first,
            Spoken(" 120°C") + QStringLiteral(". Вярно Сяра температура на топене  ") + Spoken(" 120°C"));
  EXPECT_EQ(said[0].second, QString::fromStdString(ui::SpokenText(quiz::kDescriptions[9])));

  ClickRow(1, 0);
  ClickRow(0, 3);  // the name completes this pair
  ExpectOneTextChange(BoxEvents(), QStringLiteral("Грешен отговор за Въглерод и температура на топене -272°C\n"));
  said = Notifications();
  ASSERT_EQ(said.size(), 1u);
  EXPECT_EQ(said[0].first,
            QStringLiteral("Въглерод. Грешен отговор за Въглерод и температура на топене ") + Spoken("-272°C"));
  EXPECT_EQ(said[0].second, QString());

  ClickRow(0, 3);  // a played row
  ClickRow(1, 2);
  said = Notifications();
  ASSERT_EQ(said.size(), 1u);
  EXPECT_EQ(said[0].first,
            Spoken("-249°C") + QStringLiteral(". Грешен отговор за   и температура на топене ") + Spoken("-249°C"));

  QTest::mouseClick(w.Command1(0), Qt::LeftButton);
  said = Notifications();
  ASSERT_EQ(said.size(), 1u);
  EXPECT_EQ(said[0].first, QString::fromUtf8(ui::kRestartSpoken.data(), ui::kRestartSpoken.size()));
  QTest::mouseClick(w.Command1(0), Qt::LeftButton);
  EXPECT_EQ(Notifications().size(), 1u);  // every press is confirmed
}

TEST_F(Accessibility, TheAnnouncerIsANotificationThatTakesNoFocusAndTheWindowAFrame) {
  std::vector<ui::qt::Announcer*> announcers;
  for (QWidget* child : w.findChildren<QWidget*>()) {
    if (auto* announcer = dynamic_cast<ui::qt::Announcer*>(child)) announcers.push_back(announcer);
  }
  ASSERT_EQ(announcers.size(), 1u);
  QAccessibleInterface* announcer = Of(announcers.front());
  EXPECT_EQ(announcer->role(), QAccessible::Notification);
  EXPECT_EQ(announcers.front()->focusPolicy(), Qt::NoFocus);
  EXPECT_TRUE(announcers.front()->size().isEmpty());  // nothing of it shows
  EXPECT_EQ(Of(&w)->role(), QAccessible::Window);
  for (int i = 0; i < 8; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), announcers.front());
  }
}

}  // namespace
