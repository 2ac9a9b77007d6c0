// What the program sets up around its window: identity, icon, style, font.
#pragma once

#include <QApplication>
#include <QFont>
#include <QString>

#include <optional>

namespace ui {

// Name "Tarsomel", the version, the window icon and the Fusion style, so that
// the program looks the same on every desktop.
void PrepareApplication(QApplication& app);

// The window's face: "Times New Roman" (on Linux fontconfig gives its metric
// match Liberation Serif), or, where the face found has no Cyrillic letters,
// another face that has them. Empty when no installed face has Cyrillic.
// `note` receives a sentence for the pupil's teacher when a replacement was
// taken or none was found.
std::optional<QString> CyrillicFamily(QString* note);

}  // namespace ui
