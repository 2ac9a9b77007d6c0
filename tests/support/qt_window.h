// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Shared by the window tests: the real window shown, its rows read back, a
// row clicked as the pupil would.
#pragma once

#include <QApplication>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QStringList>
#include <QTest>
#include <QTextDocument>

#include <string>
#include <vector>

#include "application.h"
#include "rows.h"
#include "window.h"

namespace testing_support {

// The face the program draws its window in, as it chooses it.
inline QString Face() { return ui::qt::CyrillicFamily(nullptr).value_or(QString()); }

inline QStringList ToQt(const std::vector<std::string>& rows) {
  QStringList out;
  for (const std::string& row : rows) out << QString::fromStdString(row);
  return out;
}

inline QStringList Rows(const QListWidget* list) {
  QStringList rows;
  for (int i = 0; i < list->count(); ++i) rows << list->item(i)->text();
  return rows;
}

// The message box's text as its document holds it, line breaks as LF. Its
// plain text would turn the paragraphs' no-break spaces into blanks.
inline QString Shown(const QPlainTextEdit* box) {
  return box->document()->toRawText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
}

// The selected row of a visible list as the widget has it, -1 for none.
inline int Selected(const QListWidget* list) {
  const auto rows = list->selectionModel()->selectedRows();
  return rows.isEmpty() ? -1 : rows.front().row();
}

// A mouse click on a row, scrolled into view first as the pupil would.
inline void ClickRow(ui::qt::Tarsomel& w, int list, int row) {
  QListWidget* l = w.List1(static_cast<int16_t>(list));
  l->scrollToItem(l->item(row));
  QTest::mouseClick(l->viewport(), Qt::LeftButton, Qt::NoModifier, l->visualItemRect(l->item(row)).center());
}

// Shows the window and makes it the active one, as on a desktop; false when
// the platform never showed it.
inline bool ShowActive(QWidget& w) {
  w.show();
  if (!QTest::qWaitForWindowExposed(&w)) return false;
  QApplication::setActiveWindow(&w);
  return QTest::qWaitForWindowActive(&w);
}

}  // namespace testing_support
