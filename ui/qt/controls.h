// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Qt widgets behind the quiz's list-box and text-box contract.
#pragma once

#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include <string>
#include <vector>

#include "accessibility.h"
#include "list_keys.h"
#include "main_window.h"
#include "quiz.h"

namespace ui::qt {

// A list the way the main window's lists behave: one row selected at a
// time, the keys of ui/list_keys.h, and, by mouse, a click below the last
// row or a Ctrl+click on the selected row keeps the selection; focus
// entering the list selects nothing.
class ClassicListWidget final : public QListWidget, public KeyedList {
 public:
  explicit ClassicListWidget(QWidget* parent = nullptr);

  // The exact rows, which the keys look at; set by the list box over it.
  void SetRows(const quiz::ListBox* rows) { rows_ = rows; }

  // Leaves no row marked as current, so that focus entering the list does
  // not mark the first row and the next arrow key starts at the top.
  void ForgetCurrentRow();

  // The selection and the mark (the current row) as the list keys move them.
  bool ShowSelection(int16_t row) override;
  void ShowMark(int16_t row) override;

  // Typed letters go through the list keys alone.
  void keyboardSearch(const QString& /*search*/) override {}

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index, const QEvent* event) const override;

 private:
  const quiz::ListBox* rows_ = nullptr;
};

// The list box over a ClassicListWidget. It keeps the rows as the exact
// strings it was given and mirrors them into the widget.
class WidgetListBox final : public ShownListBox {
 public:
  explicit WidgetListBox(ClassicListWidget* widget) : widget_(widget) { widget_->SetRows(this); }

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

// A command button in the design's colours, which Enter presses as well as
// Space when it has the focus, without being the window's default button.
class CommandButton final : public QPushButton {
 public:
  explicit CommandButton(const QString& caption, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace ui::qt
