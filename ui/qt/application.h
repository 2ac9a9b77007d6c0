// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the program sets up around its window: identity, icon, style, the
// toolkit's own words in Bulgarian, font; and how the design's values
// become Qt's.
#pragma once

#include <QApplication>
#include <QColor>
#include <QFont>
#include <QString>

#include <optional>
#include <string_view>

#include "main_window.h"

namespace ui::qt {

// The design's text and colours as Qt takes them.
inline QString ToQt(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
inline QColor ToQt(const Rgb& c) { return QColor(c.red, c.green, c.blue); }

// Name "Tarsomel", the version, the window icon and the Fusion style, so that
// the program looks the same on every desktop; and Qt's own Bulgarian
// translations, so that what the toolkit itself shows (the message box's
// context menu) is Bulgarian whatever the desktop's language. Returns false
// when the translations are not installed (Debian package
// qt6-translations-l10n); the window then works with the toolkit's words in
// English.
bool PrepareApplication(QApplication& app);

// The window's face: the design's (on Linux fontconfig gives Times New
// Roman's metric match Liberation Serif), or, where the face found has no
// Cyrillic letters, the design's fallback face, or another serif face that
// has them. Empty when no installed face has Cyrillic.
// `note` receives a sentence, in Bulgarian, for the pupil's teacher when a
// replacement was taken or none was found.
std::optional<QString> CyrillicFamily(QString* note);

}  // namespace ui::qt
