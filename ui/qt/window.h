// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window Tarsomel on Qt 6 Widgets: the main window's controls as
// widgets, handing their events to the shared handlers.
//
// What this edition does, and where it differs from the others:
// - The Linux edition. Qt's own list widget, made to keep the main window's
//   rules (ClassicListWidget): the shared keys of ui/list_keys.h, no click
//   takes a selection away, focus entering a list selects nothing.
// - Drawn in the Fusion style, so that it looks the same on every desktop;
//   the focus marks and "Чисти" painted as the design says, as the Windows
//   edition draws them. Liberation Serif, or another serif face with
//   Cyrillic, where Times New Roman is missing.
// - Scaled by QT_SCALE_FACTOR as a whole, proportions kept.
// - Screen readers (Orca, through AT-SPI) get the design's names, the rows
//   as they are read, and each verdict as a notification appearing.
#pragma once

#include <QLabel>
#include <QWidget>

#include <array>
#include <cstdint>
#include <memory>

#include "controls.h"
#include "main_window.h"

namespace ui::qt {

class Tarsomel final : public QWidget {
 public:
  // `family` is the face the window is drawn in; it must have Cyrillic.
  explicit Tarsomel(const QString& family, QWidget* parent = nullptr);
  ~Tarsomel() override;

  // The controls by array name and index; only the members that exist.
  QLabel* Label1(int16_t index) const { return labels_.at(static_cast<size_t>(index)); }
  ClassicListWidget* List1(int16_t index) const { return lists_.at(static_cast<size_t>(index)); }
  CommandButton* Command1(int16_t index) const;
  MessageBoxWidget* Text1(int16_t index) const;
  // The quiz's view of every list (the two above and the four tables) and of
  // the message box.
  const quiz::ControlSet& Controls() const { return main_window_->Controls(); }

  // Event handlers.
  void Form_Load() { main_window_->Form_Load(); }
  void List1_Click(int16_t Index) { main_window_->List1_Click(Index); }
  void Command1_Click(int16_t Index) { main_window_->Command1_Click(Index); }

 private:
  std::array<QLabel*, 3> labels_{};
  std::array<ClassicListWidget*, 2> lists_{};
  CommandButton* command_ = nullptr;
  MessageBoxWidget* text_ = nullptr;

  std::array<std::unique_ptr<WidgetListBox>, 2> visible_;
  std::unique_ptr<WidgetTextBox> message_;
  std::unique_ptr<MainWindow> main_window_;
};

}  // namespace ui::qt
