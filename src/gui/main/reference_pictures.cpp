#include "gui/main/reference_pictures.hpp"

#include "gui/common/image_wrapper.hpp"
#include "gui/common/picture_label.hpp"
#include "stereonet/interaction.hpp"

namespace velkar::gui {

namespace {
constexpr int kGap = 4;

PictureLabel* MakePicture(QWidget* host, const char* name, const raster::RasterImage& image) {
  auto* label = new PictureLabel(host);
  label->setObjectName(QLatin1String(name));
  label->setPixmap(PixmapOf(image));
  label->setFixedSize(image.width(), image.height());
  label->setFrameShape(QFrame::NoFrame);
  label->hide();
  return label;
}
}  // namespace

ReferencePictures::ReferencePictures(QWidget* host) : QObject(host) {
  stereonet::DrawSymbolCodePicture(symbol_picture_);
  stereonet::DrawColourCodePicture(colour_picture_);
  imglegenda = MakePicture(host, "imglegenda", symbol_picture_);
  Image7 = MakePicture(host, "Image7", colour_picture_);

  connect(imglegenda, &PictureLabel::clicked, this, [this](Qt::MouseButton button, QPoint at) {
    if (button == Qt::LeftButton) {
      Hide();
    } else if (button == Qt::RightButton) {
      emit symbolCodeChosen(at.y());
    }
  });
  connect(Image7, &PictureLabel::clicked, this, [this](Qt::MouseButton button, QPoint) {
    if (button == Qt::RightButton) Image7->hide();
  });
}

void ReferencePictures::ShowAt(QPoint lower_left) {
  const QPoint corner(lower_left.x(), lower_left.y() - imglegenda->height());
  imglegenda->move(corner);
  Image7->move(corner.x() + imglegenda->width() + kGap, corner.y() + imglegenda->height() - Image7->height());
  for (PictureLabel* picture : {imglegenda, Image7}) {
    picture->show();
    picture->raise();
  }
}

void ReferencePictures::Hide() {
  imglegenda->hide();
  Image7->hide();
}

}  // namespace velkar::gui
