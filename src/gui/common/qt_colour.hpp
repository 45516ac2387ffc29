// Colours between the engine (data::Rgb) and Qt (QColor).
#pragma once

#include <QColor>

#include <cstdint>

#include "data/colour.hpp"

namespace velkar::gui {

inline QColor ToQColor(data::Rgb c) { return QColor(c.red, c.green, c.blue); }

inline data::Rgb ToRgb(const QColor& c) {
  return {static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
          static_cast<std::uint8_t>(c.blue())};
}

}  // namespace velkar::gui
