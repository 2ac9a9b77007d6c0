// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader is told about the Qt window: the controls' names and
// descriptions from the main window's design, how a row is read, the roles
// of the window and of the announcer, and the announcer itself.
#pragma once

#include <QListWidgetItem>
#include <QWidget>

#include <string>

#include "main_window.h"

namespace ui::qt {

// Gives the window and the announcer the roles assistive technology should
// see (a frame; a notification). Once, after the application exists.
void InstallAccessibleRoles();

// The control's name and description as the design gives them.
void Describe(QWidget* widget, Control control);

// A row is read as the design says (a played row as "празен ред"), where
// that differs from what it shows.
void SpeakRow(QListWidgetItem* item, const std::string& row);

// Tells a screen reader something wherever the keyboard focus is. Screen
// readers read text changes only in the focused control, and the verdict is
// written while the focus is in a list; what they do present is a
// notification appearing. So this is an empty, never-focused widget that
// assistive technology sees as a notification, shown anew each time with
// the words as its name (the first utterance) and description (the next).
// It draws nothing: the message box stays the one place the verdict shows.
class Announcer final : public QWidget {
 public:
  explicit Announcer(QWidget* parent);
  void Say(const Announcement& announcement);
};

}  // namespace ui::qt
