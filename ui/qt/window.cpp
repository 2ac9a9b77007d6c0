// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window.h"

#include <QPalette>

#include <stdexcept>
#include <string>

#include "accessibility.h"
#include "application.h"

namespace ui::qt {

namespace {

void Place(QWidget* widget, const Twips& t) {
  widget->setGeometry(TwipsToPixels(t.left), TwipsToPixels(t.top), TwipsToPixels(t.width), TwipsToPixels(t.height));
}

void Fill(QWidget* widget, const Rgb& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, ToQt(colour));
  palette.setColor(QPalette::WindowText, ToQt(kTextColour));
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

}  // namespace

Tarsomel::Tarsomel(const QString& family, QWidget* parent) : QWidget(parent) {
  InstallAccessibleRoles();
  // A fixed single border: a title bar with minimise and close, no maximise.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  setWindowFlag(Qt::WindowMaximizeButtonHint, false);
  setWindowTitle(ToQt(WindowCaption()));
  setFixedSize(TwipsToPixels(kClientWidth), TwipsToPixels(kClientHeight));
  setFont(QFont(family, kFontPoints, QFont::Normal));
  Fill(this, kWindowColour);

  for (size_t i = 0; i < labels_.size(); ++i) {
    labels_[i] = new QLabel(ToQt(kLabelCaptions[i]), this);
    labels_[i]->setAlignment(Qt::AlignCenter);
    Fill(labels_[i], kLabelColour);
    Place(labels_[i], kLabel1[i]);
  }

  for (size_t i = 0; i < lists_.size(); ++i) {
    lists_[i] = new ClassicListWidget(this);
    Place(lists_[i], kList1[i]);
    visible_[i] = std::make_unique<WidgetListBox>(lists_[i]);
  }

  command_ = new CommandButton(ToQt(kCommandCaption), this);
  Place(command_, kCommand1);

  text_ = new MessageBoxWidget(this);
  Place(text_, kText1);
  message_ = std::make_unique<WidgetTextBox>(text_, new Announcer(this));

  // The tables are loaded and the task is shown when the main window is made.
  main_window_ = std::make_unique<MainWindow>(*visible_[0], *visible_[1], *message_);

  const ByControl<QWidget*> focusable = {text_, lists_[0], lists_[1], command_};
  for (size_t i = 0; i < kTabOrder.size(); ++i) {
    Describe(focusable[kTabOrder[i]], kTabOrder[i]);
    if (i > 0) setTabOrder(focusable[kTabOrder[i - 1]], focusable[kTabOrder[i]]);
  }
  focusable[kTabOrder.front()]->setFocus(Qt::OtherFocusReason);

  // Every change of selection is a Click, the quiz's own included.
  for (size_t i = 0; i < lists_.size(); ++i) {
    const auto index = static_cast<int16_t>(i);
    connect(lists_[i], &QListWidget::itemSelectionChanged, this, [this, index] { List1_Click(index); });
  }
  connect(command_, &QPushButton::clicked, this, [this] { Command1_Click(0); });

  Form_Load();
}

Tarsomel::~Tarsomel() {
  // The lists' signals must not reach the handlers while the widgets go.
  for (ClassicListWidget* list : lists_) list->disconnect(this);
}

CommandButton* Tarsomel::Command1(int16_t index) const {
  if (index != 0) throw std::out_of_range("Command1(" + std::to_string(index) + "): the array has member 0 only");
  return command_;
}

MessageBoxWidget* Tarsomel::Text1(int16_t index) const {
  if (index != 0) throw std::out_of_range("Text1(" + std::to_string(index) + "): the array has member 0 only");
  return text_;
}

}  // namespace ui::qt
