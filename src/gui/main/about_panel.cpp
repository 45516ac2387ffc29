#include "gui/main/about_panel.hpp"

#include <QIcon>
#include <QLabel>
#include <QMouseEvent>

#include "gui/common/picture_label.hpp"
#include "gui/common/qt_text.hpp"

namespace velkar::gui {

AboutPanel::AboutPanel(QWidget* parent) : QFrame(parent) {
  setObjectName("AboutPanel");
  setFixedSize(kWidth, kHeight);
  setFrameShape(QFrame::NoFrame);
  setAutoFillBackground(true);
  setStyleSheet(
      "#AboutPanel { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #e4eefa, stop:0.36 #ffffff);"
      " border: 2px solid #2f6db5; border-radius: 6px; }"
      "QLabel { background: transparent; color: #1b2a3a; }");

  auto* logo = new QLabel(this);
  logo->setPixmap(QIcon(":/velkar.svg").pixmap(72, 72));
  logo->setGeometry(18, 14, 72, 72);

  title_ = new QLabel(this);
  QFont title_font = font();
  title_font.setPointSize(24);
  title_font.setBold(true);
  title_->setFont(title_font);
  title_->setGeometry(104, 16, 200, 40);

  version_ = new QLabel(this);
  QFont version_font = font();
  version_font.setPointSize(12);
  version_->setFont(version_font);
  version_->setGeometry(106, 56, 200, 22);

  description_ = new QLabel(this);
  description_->setWordWrap(true);
  description_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  description_->setGeometry(20, 98, 360, 84);

  author_ = new QLabel(this);
  author_->setGeometry(20, 184, 360, 20);
  QFont italic = font();
  italic.setItalic(true);
  author_->setFont(italic);

  link = new QLabel(this);
  link->setObjectName("link");
  link->setText(QStringLiteral("<a href=\"%1\" style=\"color:#1e4f9c\">%1</a>").arg(kHomePageAddress));
  link->setTextInteractionFlags(Qt::NoTextInteraction);
  link->setCursor(Qt::PointingHandCursor);
  link->setGeometry(20, 216, 290, 24);
  link->installEventFilter(this);

  engflg = new PictureLabel(this);
  engflg->setObjectName("engflg");
  engflg->setPixmap(QIcon(":/icons/flag_en.svg").pixmap(48, 24));
  engflg->setGeometry(330, 214, 48, 24);
  engflg->setCursor(Qt::PointingHandCursor);
  connect(engflg, &PictureLabel::clicked, this, [this](Qt::MouseButton button, QPoint) {
    if (button == Qt::LeftButton) emit englishRequested();
    if (button == Qt::RightButton) emit northLetterRequested();
  });
}

void AboutPanel::SetLanguage(Language language) {
  title_->setText(QText(CaptionId::ProgramName, language));
  version_->setText(QText(CaptionId::ProgramVersion, language));
  description_->setText(QText(CaptionId::AboutDescription, language));
  author_->setText(QText(CaptionId::AboutAuthorLine, language));
  link->setToolTip(QText(CaptionId::HintHomePage, language));
  engflg->setToolTip(QText(CaptionId::HintEnglishFlag, language));
}

void AboutPanel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit closeRequested();
}

bool AboutPanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == link && event->type() == QEvent::MouseButtonRelease) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() == Qt::LeftButton && link->rect().contains(mouse->position().toPoint())) {
      emit linkClicked();
      return true;
    }
  }
  return QFrame::eventFilter(watched, event);
}

}  // namespace velkar::gui
