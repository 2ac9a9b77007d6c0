// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls.h"

#include "application.h"

#include <algorithm>
#include <optional>

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPainter>

namespace ui::qt {

namespace {

void SetRow(QListWidgetItem* item, const std::string& text) {
  item->setText(ToQt(text));
  SpeakRow(item, text);
}

// Draws a frame of `width` pixels just inside `rect`.
void Frame(QPainter& painter, const QRect& rect, const Rgb& colour, int width) {
  painter.setPen(QPen(ToQt(colour), width));
  painter.setBrush(Qt::NoBrush);
  const qreal inset = width / 2.0;
  painter.drawRect(QRectF(rect).adjusted(inset, inset, -inset, -inset));
}

// Fusion gives lists and text boxes no focus mark of their own: paint one
// over the frame, and repaint the frame when the focus comes or goes.
// Called after the widget handled `event`.
void FocusFrame(QFrame* frame, const QEvent* event) {
  if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
    frame->update();
    return;
  }
  if (event->type() != QEvent::Paint || !frame->hasFocus()) return;
  QPainter painter(frame);
  Frame(painter, frame->rect(), kFocusColour, std::max(frame->frameWidth(), kFocusPixels));
}

// The list key a key press is, if it is one.
std::optional<KeyPress> ListKeyOf(const QKeyEvent& event) {
  if (event.modifiers() & (Qt::AltModifier | Qt::MetaModifier)) return std::nullopt;
  const bool control = (event.modifiers() & Qt::ControlModifier) != 0;
  switch (event.key()) {
    case Qt::Key_Up:
      return KeyPress{ListKey::kUp, control};
    case Qt::Key_Down:
      return KeyPress{ListKey::kDown, control};
    case Qt::Key_Home:
      return KeyPress{ListKey::kHome, control};
    case Qt::Key_End:
      return KeyPress{ListKey::kEnd, control};
    case Qt::Key_PageUp:
      return KeyPress{ListKey::kPageUp, control};
    case Qt::Key_PageDown:
      return KeyPress{ListKey::kPageDown, control};
    case Qt::Key_Space:
      return KeyPress{ListKey::kSpace, control};
    default:
      break;
  }
  if (control || event.text().isEmpty() || !event.text().front().isPrint()) return std::nullopt;
  const std::optional<char32_t> typed = FirstCharacter(event.text().toStdString());
  if (!typed) return std::nullopt;
  return KeyPress{ListKey::kCharacter, false, *typed};
}

}  // namespace

ClassicListWidget::ClassicListWidget(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSortingEnabled(false);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setDragEnabled(false);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setUniformItemSizes(true);
  ForgetCurrentRow();
}

void ClassicListWidget::ForgetCurrentRow() {
  // Only the view's own setCurrentIndex tells it that the current index was
  // chosen on purpose; setCurrentRow(-1) does not, and focus-in would then
  // mark the first row.
  setCurrentIndex(QModelIndex());
}

bool ClassicListWidget::event(QEvent* event) {
  const bool handled = QListWidget::event(event);
  FocusFrame(this, event);
  return handled;
}

void ClassicListWidget::keyPressEvent(QKeyEvent* event) {
  const std::optional<KeyPress> press = ListKeyOf(*event);
  if (!press || rows_ == nullptr) {
    // Left and Right have no row to go to in one column.
    if (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right) return event->accept();
    return QListWidget::keyPressEvent(event);
  }
  event->accept();
  const QModelIndexList selected = selectionModel()->selectedRows();
  const ListState before{static_cast<int16_t>(currentIndex().isValid() ? currentIndex().row() : -1),
                         static_cast<int16_t>(selected.isEmpty() ? -1 : selected.front().row())};
  const int row_height = count() > 0 ? std::max(1, sizeHintForRow(0)) : 1;
  const auto in_sight = static_cast<int16_t>(std::max(1, viewport()->height() / row_height));
  MoveTo(*this, before, PressKey(*rows_, before, *press, in_sight));
}

bool ClassicListWidget::ShowSelection(int16_t row) {
  if (row < 0) {
    clearSelection();
    return true;
  }
  selectionModel()->select(model()->index(row, 0), QItemSelectionModel::ClearAndSelect);
  return selectionModel()->isRowSelected(row, QModelIndex());
}

void ClassicListWidget::ShowMark(int16_t row) {
  if (row < 0) {
    ForgetCurrentRow();
  } else {
    selectionModel()->setCurrentIndex(model()->index(row, 0), QItemSelectionModel::NoUpdate);
  }
}

QItemSelectionModel::SelectionFlags ClassicListWidget::selectionCommand(const QModelIndex& index,
                                                                        const QEvent* event) const {
  // Nothing the pupil does with the mouse takes a selection away either.
  if (!index.isValid()) return QItemSelectionModel::NoUpdate;
  QItemSelectionModel::SelectionFlags command = QListWidget::selectionCommand(index, event);
  if (command & QItemSelectionModel::Deselect) return QItemSelectionModel::NoUpdate;
  if (command & QItemSelectionModel::Toggle) {
    return selectionModel()->isSelected(index) ? QItemSelectionModel::NoUpdate : QItemSelectionModel::ClearAndSelect;
  }
  return command;
}

void WidgetListBox::ShowRow(int16_t i, const std::string& /*before*/) { SetRow(widget_->item(i), List(i)); }

int16_t WidgetListBox::ListIndex() const {
  // The selected row, not the current one: a row can be current (the focus
  // mark) while nothing is selected.
  const QModelIndexList selected = widget_->selectionModel()->selectedRows();
  return selected.isEmpty() ? int16_t{-1} : static_cast<int16_t>(selected.front().row());
}

void WidgetListBox::SetListIndex(int16_t i) {
  quiz::CheckSelection("ListIndex write", i, ListCount());
  SetSelection(*widget_, i);
}

void WidgetListBox::ShowAddedRow() {
  auto* item = new QListWidgetItem;
  SetRow(item, List(static_cast<int16_t>(ListCount() - 1)));
  widget_->addItem(item);
}

void WidgetListBox::ShowCleared(const std::vector<std::string>& /*before*/) {
  widget_->clear();
  widget_->ForgetCurrentRow();
  // A list filled anew starts from its top, whatever was scrolled before.
  widget_->scrollToTop();
}

MessageBoxWidget::MessageBoxWidget(QWidget* parent) : QPlainTextEdit(parent) {
  setReadOnly(true);
  setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  setTabChangesFocus(true);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  setWordWrapMode(QTextOption::WordWrap);
  setUndoRedoEnabled(false);
}

bool MessageBoxWidget::event(QEvent* event) {
  const bool handled = QPlainTextEdit::event(event);
  FocusFrame(this, event);
  return handled;
}

void MessageBoxWidget::inputMethodEvent(QInputMethodEvent* event) {
  // A read-only QPlainTextEdit still inserts a commit string (a dead key
  // with a letter, a Compose sequence); only the program writes here.
  event->accept();
}

void WidgetTextBox::Show(const std::string& text) {
  QString shown = ToQt(text);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  // The text edit reports the change to assistive technology itself.
  widget_->setPlainText(shown);
}

CommandButton::CommandButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
  setAutoDefault(false);
  setDefault(false);
}

void CommandButton::paintEvent(QPaintEvent* /*event*/) {
  // Drawn as the design says, as the Windows edition draws it: a palette
  // colour would not survive the style's gradient.
  const CommandLook look = LookOfCommand(isDown(), hasFocus());
  QPainter painter(this);
  painter.fillRect(rect(), ToQt(look.face));
  Frame(painter, rect(), look.edge, kEdgePixels);
  if (look.focus_mark)
    Frame(painter, rect().adjusted(kEdgePixels, kEdgePixels, -kEdgePixels, -kEdgePixels), kFocusColour, kFocusPixels);
  painter.setPen(ToQt(kTextColour));
  painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, text());
}

void CommandButton::keyPressEvent(QKeyEvent* event) {
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && event->modifiers() == Qt::NoModifier) {
    click();
    return;
  }
  QPushButton::keyPressEvent(event);
}

}  // namespace ui::qt
