// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Qt widgets behind the quiz's list-box and text-box contract.
#pragma once

#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include <functional>
#include <string>
#include <vector>

#include "main_window.h"
#include "quiz.h"

namespace ui {

// A list the way a classic list box behaves: one row selected at a time; a
// click below the last row or a Ctrl+click on the selected row keeps the
// selection; focus entering the list selects nothing; from a list with no
// selection the first arrow key selects the first row. Ctrl+arrow keys move
// the focus mark without selecting and Space selects the marked row.
class ClassicListWidget final : public QListWidget {
 public:
  explicit ClassicListWidget(QWidget* parent = nullptr);

  // Leaves no row marked as current, so that focus entering the list does
  // not mark the first row and the next arrow key starts at the top.
  void ForgetCurrentRow();

  // Clears the selection for the quiz. When that happens while the list is
  // still handling the pupil's key or click that made the selection, the rest
  // of that handling must not select the row again.
  void ClearSelectionForQuiz();

  // Typing a letter selects the next row that starts with it; Space only
  // chooses the marked row and never jumps to a played (blank) row.
  void keyboardSearch(const QString& search) override;

 protected:
  bool event(QEvent* event) override;
  bool viewportEvent(QEvent* event) override;
  void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) override;
  QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                       const QEvent* event) const override;

 private:
  bool HandleInput(QEvent* event, bool (ClassicListWidget::*handler)(QEvent*));
  bool BaseEvent(QEvent* event) { return QListWidget::event(event); }
  bool BaseViewportEvent(QEvent* event) { return QListWidget::viewportEvent(event); }

  int input_depth_ = 0;                 // inside the pupil's key or mouse event
  bool cleared_during_input_ = false;   // the quiz cleared the selection meanwhile
};

// The list box over a ClassicListWidget. It keeps the rows as the exact
// strings it was given and mirrors them into the widget.
class WidgetListBox final : public ShownListBox {
 public:
  explicit WidgetListBox(ClassicListWidget* widget) : widget_(widget) {}

  int16_t ListIndex() const override;
  void SetListIndex(int16_t i) override;

 protected:
  void ShowRow(int16_t i, const std::string& before) override;
  void ShowAddedRow() override;
  void ShowCleared(const std::vector<std::string>& before) override;

 private:
  ClassicListWidget* widget_;
};

// The message box: read only for the pupil, selectable and copyable.
class MessageBoxWidget final : public QPlainTextEdit {
 public:
  explicit MessageBoxWidget(QWidget* parent = nullptr);

 protected:
  bool event(QEvent* event) override;
  // Text composed with dead keys or an input method: refused like typing.
  void inputMethodEvent(QInputMethodEvent* event) override;
};

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

// The text box over the message box. Qt turns CR LF into its own paragraph
// breaks and cannot give them back, so the exact string is kept by the
// shared message text and the widget only shows it.
class WidgetTextBox final : public MessageText {
 public:
  WidgetTextBox(QPlainTextEdit* widget, Announcer* announcer) : widget_(widget), announcer_(announcer) {}

 protected:
  void Show(const std::string& text) override;
  void Say(const Announcement& announcement) override { announcer_->Say(announcement); }

 private:
  QPlainTextEdit* widget_;
  Announcer* announcer_;
};

// Gives the window and the announcer the roles assistive technology should
// see (a frame; a notification). Once, after the application exists.
void InstallAccessibleRoles();

// A command button that Enter presses as well as Space when it has the focus,
// without being the window's default button.
class CommandButton final : public QPushButton {
 public:
  explicit CommandButton(const QString& caption, QWidget* parent = nullptr);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace ui
