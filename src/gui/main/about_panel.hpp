// The about picture: a 400 x 259 panel laid over the diagram with the
// program's name, version, a short description, the link to the home page
// and the English flag. A click anywhere else on it closes it.
#pragma once

#include <QFrame>

#include "text/language.hpp"

class QLabel;

namespace velkar::gui {

class PictureLabel;

// The program's home page, opened from the link of the about picture.
inline constexpr char kHomePageAddress[] = "https://example.org/velkar";

class AboutPanel : public QFrame {
  Q_OBJECT
 public:
  static constexpr int kWidth = 400;
  static constexpr int kHeight = 259;
  explicit AboutPanel(QWidget* parent = nullptr);

  // The Czech or the English version of the picture.
  void SetLanguage(text::Language language);

  PictureLabel* engflg = nullptr;  // the English flag
  QLabel* link = nullptr;          // the link area

 signals:
  void closeRequested();
  void linkClicked();
  void englishRequested();
  void northLetterRequested();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLabel* title_ = nullptr;
  QLabel* version_ = nullptr;
  QLabel* description_ = nullptr;
  QLabel* author_ = nullptr;
};

}  // namespace velkar::gui
