// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "application.h"
#include "window.h"

namespace ui::qt {

namespace {

QAccessibleInterface* Roles(const QString& /*class_name*/, QObject* object) {
  if (auto* announcer = dynamic_cast<Announcer*>(object)) {
    return new QAccessibleWidget(announcer, QAccessible::Notification);
  }
  // Qt's default for a window that is a plain widget is a "filler".
  if (auto* window = dynamic_cast<Tarsomel*>(object)) return new QAccessibleWidget(window, QAccessible::Window);
  return nullptr;
}

}  // namespace

void InstallAccessibleRoles() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  QAccessible::installFactory(Roles);
}

void Describe(QWidget* widget, Control control) {
  const Spoken spoken = SpokenAs(control);
  widget->setAccessibleName(ToQt(spoken.name));
  widget->setAccessibleDescription(ToQt(spoken.description));
}

void SpeakRow(QListWidgetItem* item, const std::string& row) {
  const std::string spoken = SpokenRow(row);
  item->setData(Qt::AccessibleTextRole, spoken == row ? QVariant() : QVariant(ToQt(spoken)));
}

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setGeometry(0, 0, 0, 0);
  hide();
}

void Announcer::Say(const Announcement& announcement) {
  // Hidden and shown again: a notification appearing is what is presented.
  hide();
  setAccessibleName(ToQt(announcement.first));
  setAccessibleDescription(ToQt(announcement.rest));
  show();
}

}  // namespace ui::qt
