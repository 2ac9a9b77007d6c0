// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widget_controls.h"

#include <algorithm>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPainter>

namespace ui {

namespace {

QString ToQt(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// A played row shows blanks; a screen reader says "празен ред" instead of
// nothing.
void SetRow(QListWidgetItem* item, const std::string& text) {
  item->setText(ToQt(text));
  item->setData(Qt::AccessibleTextRole, IsBlankRow(text) ? QVariant(ToQt(kPlayedRowSpoken)) : QVariant());
}

// Fusion gives lists and text boxes no focus mark of their own: paint one
// over the frame, in the colour of the button's, and repaint the frame when
// the focus comes or goes. Called after the widget handled `event`.
void FocusFrame(QFrame* frame, const QEvent* event) {
  if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
    frame->update();
    return;
  }
  if (event->type() != QEvent::Paint || !frame->hasFocus()) return;
  QPainter painter(frame);
  const int width = std::max(frame->frameWidth(), 2);
  painter.setPen(QPen(QColor(kFocusColour.red, kFocusColour.green, kFocusColour.blue), width));
  painter.setBrush(Qt::NoBrush);
  const qreal inset = width / 2.0;
  painter.drawRect(QRectF(frame->rect()).adjusted(inset, inset, -inset, -inset));
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
  const bool handled = HandleInput(event, &ClassicListWidget::BaseEvent);
  FocusFrame(this, event);
  return handled;
}

bool ClassicListWidget::viewportEvent(QEvent* event) {
  return HandleInput(event, &ClassicListWidget::BaseViewportEvent);
}

bool ClassicListWidget::HandleInput(QEvent* event, bool (ClassicListWidget::*handler)(QEvent*)) {
  if (!event->isInputEvent()) return (this->*handler)(event);
  if (input_depth_++ == 0) cleared_during_input_ = false;
  const bool handled = (this->*handler)(event);
  --input_depth_;
  return handled;
}

void ClassicListWidget::ClearSelectionForQuiz() {
  if (input_depth_ > 0) cleared_during_input_ = true;
  ForgetCurrentRow();
  clearSelection();
}

void ClassicListWidget::setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) {
  // Qt's key handling selects the new row a second time after the selection
  // change it reported; by then the quiz may have judged the pair.
  if (cleared_during_input_ && input_depth_ > 0) return;
  QListWidget::setSelection(rect, command);
}

void ClassicListWidget::keyboardSearch(const QString& search) {
  if (search.trimmed().isEmpty()) return;
  QListWidget::keyboardSearch(search);
}

QItemSelectionModel::SelectionFlags ClassicListWidget::selectionCommand(const QModelIndex& index,
                                                                        const QEvent* event) const {
  // Nothing the pupil does takes a selection away: only the quiz clears it.
  if (!index.isValid()) return QItemSelectionModel::NoUpdate;
  // Ctrl with a movement key moves the focus mark alone, so that a keyboard
  // pupil can reach any row before choosing it with Space.
  if (event != nullptr && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<const QKeyEvent*>(event);
    switch (key->key()) {
      case Qt::Key_Up:
      case Qt::Key_Down:
      case Qt::Key_Home:
      case Qt::Key_End:
      case Qt::Key_PageUp:
      case Qt::Key_PageDown:
        if (key->modifiers() & Qt::ControlModifier) return QItemSelectionModel::NoUpdate;
        break;
      default:
        break;
    }
  }
  QItemSelectionModel::SelectionFlags command = QListWidget::selectionCommand(index, event);
  if (command & QItemSelectionModel::Deselect) return QItemSelectionModel::NoUpdate;
  if (command & QItemSelectionModel::Toggle) {
    return selectionModel()->isSelected(index) ? QItemSelectionModel::NoUpdate
                                               : QItemSelectionModel::ClearAndSelect;
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
  if (i < 0) {
    widget_->ClearSelectionForQuiz();
  } else {
    widget_->setCurrentRow(i, QItemSelectionModel::ClearAndSelect);
  }
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

namespace {

QAccessibleInterface* Roles(const QString& /*class_name*/, QObject* object) {
  if (auto* announcer = dynamic_cast<Announcer*>(object)) {
    return new QAccessibleWidget(announcer, QAccessible::Notification);
  }
  // Qt's default for a window that is a plain widget is a "filler".
  auto* widget = qobject_cast<QWidget*>(object);
  if (widget != nullptr && widget->isWindow() && widget->property("tarsomel_window").toBool()) {
    return new QAccessibleWidget(widget, QAccessible::Window);
  }
  return nullptr;
}

}  // namespace

void InstallAccessibleRoles() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  QAccessible::installFactory(Roles);
}

CommandButton::CommandButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
  setAutoDefault(false);
  setDefault(false);
}

void CommandButton::keyPressEvent(QKeyEvent* event) {
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && event->modifiers() == Qt::NoModifier) {
    click();
    return;
  }
  QPushButton::keyPressEvent(event);
}

}  // namespace ui
