#include "application.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QIcon>
#include <QStyleFactory>

namespace ui {

void PrepareApplication(QApplication& app) {
  QApplication::setApplicationName(QStringLiteral("Tarsomel"));
  QApplication::setApplicationVersion(QStringLiteral(TARSOMEL_VERSION));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/tarsomel/tarsomel.xpm")));
  if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) app.setStyle(fusion);
}

std::optional<QString> CyrillicFamily(QString* note) {
  const auto has_cyrillic = [](const QString& family) {
    return QFontDatabase::writingSystems(family).contains(QFontDatabase::Cyrillic);
  };
  const QString wanted = QFontInfo(QFont(QStringLiteral("Times New Roman"), 12)).family();
  if (has_cyrillic(wanted)) return wanted;

  const QStringList cyrillic = QFontDatabase::families(QFontDatabase::Cyrillic);
  if (cyrillic.isEmpty()) {
    if (note) {
      *note = QStringLiteral("no installed font has Cyrillic letters, so the window's Bulgarian text cannot be "
                             "shown; install Liberation Serif (Debian package fonts-liberation) and start "
                             "Tarsomel again");
    }
    return std::nullopt;
  }
  // Prefer a serif face like the one the window was drawn for.
  QString chosen = cyrillic.front();
  for (const QString& family : cyrillic) {
    if (family.contains(QStringLiteral("Serif")) && !family.contains(QStringLiteral("Sans"))) {
      chosen = family;
      break;
    }
  }
  if (note) {
    *note = QStringLiteral("the font \"%1\" has no Cyrillic letters; showing the window in \"%2\" instead "
                           "(install fonts-liberation for the intended look)")
                .arg(wanted, chosen);
  }
  return chosen;
}

}  // namespace ui
