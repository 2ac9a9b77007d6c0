// Lets GoogleTest print Qt strings readably in failure messages.
#pragma once

#include <QColor>
#include <QString>

#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

inline void PrintTo(const QColor& c, std::ostream* os) { *os << "rgb(" << c.red() << ", " << c.green() << ", " << c.blue() << ")"; }
