// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "application.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyleFactory>
#include <QTranslator>

#include "main_window.h"
#include "tarsomel_version.h"

namespace ui::qt {

bool PrepareApplication(QApplication& app) {
  QApplication::setApplicationName(QStringLiteral("Tarsomel"));
  QApplication::setApplicationVersion(QString::fromUtf8(tarsomel::kVersion.data(), tarsomel::kVersion.size()));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/tarsomel/tarsomel.xpm")));
  if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) app.setStyle(fusion);

  // The program speaks Bulgarian, and so does the toolkit inside it.
  QLocale::setDefault(QLocale(QLocale::Bulgarian, QLocale::Bulgaria));
  auto* translator = new QTranslator(&app);
  if (!translator->load(QLocale(QLocale::Bulgarian), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return false;
  }
  QApplication::installTranslator(translator);
  return true;
}

std::optional<QString> CyrillicFamily(QString* note) {
  const auto has_cyrillic = [](const QString& family) {
    return QFontDatabase::writingSystems(family).contains(QFontDatabase::Cyrillic);
  };
  const auto face = [](std::string_view name) {
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
  };
  const QString wanted = QFontInfo(QFont(face(kFontFace), kFontPoints)).family();
  if (has_cyrillic(wanted)) return wanted;

  const QStringList cyrillic = QFontDatabase::families(QFontDatabase::Cyrillic);
  if (cyrillic.isEmpty()) {
    if (note) {
      *note = QStringLiteral(
          "нито един инсталиран шрифт няма кирилица и българският текст на прозореца не може да се "
          "покаже; инсталирайте Liberation Serif (пакет fonts-liberation) и стартирайте Тарсомел отново");
    }
    return std::nullopt;
  }
  // Prefer the face drawn to the design's measures, then any serif face.
  QString chosen = cyrillic.front();
  if (cyrillic.contains(face(kFallbackFontFace))) {
    chosen = face(kFallbackFontFace);
  } else {
    for (const QString& family : cyrillic) {
      if (family.contains(QStringLiteral("Serif")) && !family.contains(QStringLiteral("Sans"))) {
        chosen = family;
        break;
      }
    }
  }
  if (note) {
    *note = QStringLiteral(
                "шрифтът „%1“ няма кирилица; прозорецът се показва с „%2“ "
                "(за да изглежда както е предвидено, инсталирайте пакета fonts-liberation)")
                .arg(wanted, chosen);
  }
  return chosen;
}

}  // namespace ui::qt
