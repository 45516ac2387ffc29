#include "shell/main_toolbar.hpp"

#include <QAction>
#include <QIcon>
#include <QToolButton>

#include "shell/qt_text.hpp"

namespace velkar::shell {

namespace {
constexpr int kButtonWidth = 35;
constexpr int kButtonHeight = 34;
constexpr int kPictureSize = 28;

QIcon Picture(const char* name) { return QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name))); }
}  // namespace

MainToolBar::MainToolBar(QWidget* parent) : QToolBar(parent) {
  setObjectName("ToolBar1");
  setMovable(false);
  setFloatable(false);
  setIconSize(QSize(kPictureSize, kPictureSize));
  setToolButtonStyle(Qt::ToolButtonIconOnly);
  setContextMenuPolicy(Qt::PreventContextMenu);

  ToolButton2 = AddButton("ToolButton2", "new");
  Button8 = AddButton("Button8", "open");
  Button4 = AddButton("Button4", "save");
  ToolButton23 = AddButton("ToolButton23", "undo");
  addSeparator();
  VynesMemo = AddButton("VynesMemo", "plot");
  ToolButton9 = AddButton("ToolButton9", "contour");
  ToolButton11 = AddButton("ToolButton11", "rose");
  addSeparator();
  Button7 = AddButton("Button7", "normals");
  ToolButton8 = AddButton("ToolButton8", "foldaxes");
  ToolButton16 = AddButton("ToolButton16", "twolineplanes");
  ToolButton6 = AddButton("ToolButton6", "eigenrotate");
  ToolButton13 = AddButton("ToolButton13", "maxima");
  ToolButton12 = AddButton("ToolButton12", "manualrotation");
  Undoton = AddButton("Undoton", "undorotation");
  antiundoton = AddButton("antiundoton", "undorotation");
  ToolButton7 = AddButton("ToolButton7", "mapsymbols");
  Udelejtecky = AddButton("Udelejtecky", "commas");
  ToolButton10 = AddButton("ToolButton10", "eraser");
  addSeparator();
  ClipBtn = AddButton("ClipBtn", "clipemf");
  ToolButton5 = AddButton("ToolButton5", "clipbmp");
  addSeparator();
  Button1 = AddButton("Button1", "digitize");
  ToolButton17 = AddButton("ToolButton17", "foldanalysis");
  ToolButton18 = AddButton("ToolButton18", "trendmap");
  for (int i = 0; i < 3; ++i) {
    QAction* a = AddButton("spare", "spare");
    a->setEnabled(false);
    spare.push_back(a);
  }
  addSeparator();
  ToolButton19 = AddButton("ToolButton19", "clock");
  ToolButton20 = AddButton("ToolButton20", "about");

  ToolButton16->setVisible(false);
  Undoton->setVisible(false);
  antiundoton->setEnabled(false);
  ToolButton7->setVisible(false);
  ToolButton10->setCheckable(true);
}

QAction* MainToolBar::AddButton(const char* name, const char* picture) {
  QAction* action = addAction(Picture(picture), QString());
  action->setObjectName(QLatin1String(name));
  if (QWidget* button = widgetForAction(action)) {
    button->setObjectName(QLatin1String(name));
    button->setFixedSize(kButtonWidth, kButtonHeight);
  }
  return action;
}

void MainToolBar::SetHints(Language language) {
  const auto hint = [language](QAction* action, TextId id) { action->setToolTip(QText(id, language)); };
  hint(ToolButton2, TextId::HintNewFile);
  hint(Button8, TextId::HintOpenFile);
  hint(Button4, TextId::HintSaveFile);
  hint(ToolButton23, TextId::HintUndoData);
  hint(VynesMemo, TextId::HintPlotData);
  hint(ToolButton9, TextId::HintContouredPlot);
  hint(ToolButton11, TextId::HintRosePlot);
  hint(Button7, TextId::HintDipLinesToNormals);
  hint(ToolButton8, TextId::HintFoldAxes);
  hint(ToolButton16, TextId::HintPlanesFromTwoLines);
  hint(ToolButton6, TextId::HintRotateEigenvectors);
  hint(ToolButton12, TextId::HintManualRotation);
  hint(Undoton, TextId::HintUndoRotation);
  hint(antiundoton, TextId::HintUndoRotation);
  hint(ToolButton7, TextId::HintMapSymbols);
  hint(Udelejtecky, TextId::HintCommasToDots);
  hint(ToolButton10, TextId::HintEraseData);
  hint(ClipBtn, TextId::HintCopyEmf);
  hint(ToolButton5, TextId::HintCopyBmp);
  hint(Button1, TextId::HintDigitize);
  hint(ToolButton17, TextId::FoldAnalysis);
  hint(ToolButton18, TextId::HintTrendMap);
  hint(ToolButton19, TextId::HintTectonicClock);
  hint(ToolButton20, TextId::HintAbout);
  // ToolButton13 and the spare buttons have no hint.
}

void MainToolBar::SetEraserPicture(bool on) {
  ToolButton10->setIcon(Picture(on ? "eraseron" : "eraser"));
  ToolButton10->setChecked(on);
}

QToolButton* MainToolBar::ButtonOf(QAction* action) const {
  return qobject_cast<QToolButton*>(widgetForAction(action));
}

}  // namespace velkar::shell
