// Texts between the engine (UTF-8 std::string) and Qt (QString), and the
// texts of both catalogues as QStrings.
#pragma once

#include <QString>

#include <string>
#include <string_view>

#include "gui/common/captions.hpp"
#include "text/texts.hpp"

namespace velkar::gui {

using text::TextId;

inline QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToUtf8(const QString& text) {
  const QByteArray bytes = text.toUtf8();
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

inline QString QText(TextId id, Language language) { return ToQString(text::Text(id, language)); }
inline QString QText(CaptionId id, Language language) { return ToQString(CaptionText(id, language)); }

}  // namespace velkar::gui
