// The hidden window that holds the fonts of the raster texts. It is never
// shown; it exists from start-up to the end like the other windows.
#pragma once

#include <QWidget>

namespace velkar::gui {

class TMedRA : public QWidget {
  Q_OBJECT
 public:
  explicit TMedRA(QWidget* parent = nullptr);
};

}  // namespace velkar::gui
