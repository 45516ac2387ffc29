// The two reference pictures of the plot mode, laid over the lower part of
// the data panel: the symbol codes 1 to 8 (`imglegenda`) and the colour
// codes 1 to 80 (`Image7`). A left click on the symbol codes closes both, a
// right click chooses the code of the band under the pointer; a right click
// on the colour codes closes that picture.
#pragma once

#include <QObject>
#include <QPoint>

#include "raster/image.hpp"

class QWidget;

namespace velkar::gui {

class PictureLabel;

class ReferencePictures : public QObject {
  Q_OBJECT
 public:
  // The pictures are children of `host`, hidden until shown.
  explicit ReferencePictures(QWidget* host);

  // Both pictures with the symbol codes' lower-left corner at `corner` of
  // the host, the colour codes to their right, bottoms aligned.
  void ShowAt(QPoint lower_left);
  void Hide();

 signals:
  // A right click at height y of the symbol-code picture.
  void symbolCodeChosen(int y);

 private:
  raster::RasterImage symbol_picture_{1, 1};
  raster::RasterImage colour_picture_{1, 1};
  PictureLabel* imglegenda = nullptr;
  PictureLabel* Image7 = nullptr;
};

}  // namespace velkar::gui
