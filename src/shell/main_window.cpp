#include "shell/main_window.hpp"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QScreen>
#include <QSlider>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

#include "data/line_reader.hpp"
#include "data/atomic_file.hpp"
#include "data/data_edit.hpp"
#include "data/data_text.hpp"
#include "data/file_text.hpp"
#include "shell/about_panel.hpp"
#include "shell/colour_swatch.hpp"
#include "shell/contour_panel.hpp"
#include "shell/data_panel.hpp"
#include "shell/delimiter_box.hpp"
#include "shell/diagram_view.hpp"
#include "shell/main_toolbar.hpp"
#include "shell/picture_label.hpp"
#include "shell/qt_text.hpp"
#include "shell/tri_state_box.hpp"
#include "shell/work_window.hpp"
#include "stereonet/plot_command.hpp"

namespace velkar::shell {

using stereonet::DiagramKind;
using stereonet::TriState;

namespace {

constexpr int kLeftColumnWidth = 210;
constexpr int kRightColumnWidth = 250;
// Heights of the parameter groups of the right column, top down, and the
// spacing between them. The result boxes (orientation matrix, maxima) cover
// the generator group, the lowest one, when shown.
constexpr int kContourGroupHeight = 64, kSchemeGroupHeight = 118, kRoseGroupHeight = 56, kRotationGroupHeight = 56,
              kGeneratorGroupHeight = 76, kGroupSpacing = 4;
constexpr int kResultBoxHeight =
    stereonet::kDiagramHeight -
    (kContourGroupHeight + kSchemeGroupHeight + kRoseGroupHeight + kRotationGroupHeight + 4 * kGroupSpacing);
constexpr std::array<int, 4> kStatusPanelWidths = {400, 250, 100, 100};
// Files of this many lines and more are plotted only on request after Open.
constexpr std::size_t kPlotOnOpenLimit = 10000;
// Erasing more lines than this replaces the whole text instead of deleting
// them one by one.
constexpr std::size_t kLineByLineEraseLimit = 1000;

TriState ReadTriState(const QCheckBox* box) {
  switch (box->checkState()) {
    case Qt::Checked: return TriState::Ticked;
    case Qt::PartiallyChecked: return TriState::Grayed;
    default: return TriState::Clear;
  }
}

QColor ToQColor(data::Rgb c) { return QColor(c.red, c.green, c.blue); }
data::Rgb ToRgb(const QColor& c) {
  return {static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
          static_cast<std::uint8_t>(c.blue())};
}

// A copy of an engine picture for a label.
QPixmap ToPixmap(const stereonet::RasterImage& image) {
  return QPixmap::fromImage(QImage(image.data(), image.width(), image.height(), image.stride(),
                                   QImage::Format_ARGB32_Premultiplied));
}

// A tab distance that lines up the numbers of the orientation-matrix text
// under its header in both languages: the rows put two tabs after the
// orientation, the header n tabs after its first word, so that word must end
// before the (3 - n)-th tab stop.
qreal MatrixTabStop(const QFontMetricsF& metrics) {
  qreal stop = metrics.horizontalAdvance(QStringLiteral("000/00"));
  for (const Language language : {Language::Czech, Language::English}) {
    const QString header = QText(TextId::MatrixHeader, language);
    const qsizetype first_tab = header.indexOf(QLatin1Char('\t'));
    if (first_tab < 0) continue;
    qsizetype tabs = 0;
    while (first_tab + tabs < header.size() && header.at(first_tab + tabs) == QLatin1Char('\t')) ++tabs;
    if (tabs > 2) continue;
    stop = std::max(stop, metrics.horizontalAdvance(header.left(first_tab)) / static_cast<qreal>(3 - tabs));
  }
  return std::ceil(stop + 6);
}

// A group box with a close icon at its top right.
QToolButton* AddCloseIcon(QGroupBox* box) {
  auto* close = new QToolButton(box);
  close->setIcon(QIcon(":/icons/close.svg"));
  close->setIconSize(QSize(12, 12));
  close->setAutoRaise(true);
  close->setFixedSize(16, 16);
  close->move(box->width() - 20, 0);
  return close;
}

}  // namespace

TVynSoub::TVynSoub(QWidget* parent) : QMainWindow(parent), dialogs_(SystemDialogs()) {
  setObjectName("VynSoub");
  // The controls (the data panel without a length limit); the window
  // takes the size of its controls and keeps it.
  BuildControls();
  // The minimum colour of the two-colour contour scheme belongs to the
  // contour scheme's controls.
  // The window-wide values; the language follows below.
  settings_ = InitialWindowSettings(LanguageFromEnvironment(), QThread::idealThreadCount(),
                                    DecimalSeparatorFromEnvironment());
  ImBarPunt->SetColour(ToQColor(settings_.element_colour));
  // The delimiter.
  DeliRich->setText(ToQString(last_applied_delimiter_));
  // The language of the interface.
  ApplyTexts();
  ConnectCommands();
  // The first plot, on the empty data panel.
  VynesMemoClick();
  // The about picture, in the language of the interface.
  about->SetLanguage(settings_.UiLanguage);
  // The fixed size and the position.
  setFixedSize(sizeHint());
  PlaceOnScreen();
  // The filter on the (empty) data text.
  const std::string filtered = data::FilterDataText(DataText());
  if (filtered != DataText()) Vlozit->setPlainText(ToQString(filtered));
}

TVynSoub::~TVynSoub() = default;

void TVynSoub::AttachWorkWindows(WorkWindow* digitizer, WorkWindow* folds, WorkWindow* trend_map) {
  digitizer_ = digitizer;
  folds_ = folds;
  trend_map_ = trend_map;
}

// ---------------------------------------------------------------- controls

void TVynSoub::BuildControls() {
  ToolBar1 = new MainToolBar(this);
  addToolBar(Qt::TopToolBarArea, ToolBar1);

  auto* central = new QWidget(this);
  auto* row = new QHBoxLayout(central);
  row->setContentsMargins(6, 6, 6, 6);
  row->setSpacing(6);
  row->addWidget(BuildLeftColumn(), 0, Qt::AlignTop);
  diagram_image_.Resize(stereonet::kDiagramWidth, stereonet::kDiagramHeight);
  eraser_overlay_.Resize(stereonet::kDiagramWidth, stereonet::kDiagramHeight);
  Diaga = new DiagramView(diagram_image_, eraser_overlay_, central);
  row->addWidget(Diaga, 0, Qt::AlignTop);
  row->addWidget(BuildRightColumn(), 0, Qt::AlignTop);
  setCentralWidget(central);

  BuildDiagramLayers();
  BuildStatusBar();

  // The two reference pictures of the plot mode, laid over the controls.
  stereonet::DrawSymbolCodePicture(symbol_picture_);
  stereonet::DrawColourCodePicture(colour_picture_);
  imglegenda = new PictureLabel(central);
  imglegenda->setObjectName("imglegenda");
  imglegenda->setPixmap(ToPixmap(symbol_picture_));
  imglegenda->setFixedSize(symbol_picture_.width(), symbol_picture_.height());
  imglegenda->setFrameShape(QFrame::NoFrame);
  imglegenda->hide();
  Image7 = new PictureLabel(central);
  Image7->setObjectName("Image7");
  Image7->setPixmap(ToPixmap(colour_picture_));
  Image7->setFixedSize(colour_picture_.width(), colour_picture_.height());
  Image7->hide();
}

QWidget* TVynSoub::BuildLeftColumn() {
  auto* column = new QWidget;
  column->setFixedWidth(kLeftColumnWidth);
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(5);

  auto* delimiter_row = new QHBoxLayout;
  Label13 = new QLabel;
  Label13->setObjectName("Label13");
  DeliRich = new DelimiterBox;
  DeliRich->setFixedWidth(30);
  delimiter_row->addWidget(Label13);
  delimiter_row->addWidget(DeliRich);
  delimiter_row->addStretch(1);
  layout->addLayout(delimiter_row);

  Vlozit = new DataPanel;
  Vlozit->setFixedHeight(314);
  layout->addWidget(Vlozit);

  Kolca = new QGroupBox;
  Kolca->setObjectName("Kolca");
  Kolca->setContextMenuPolicy(Qt::CustomContextMenu);
  auto* items = new QVBoxLayout(Kolca);
  items->setSpacing(2);
  items->setContentsMargins(8, 4, 8, 4);
  kolca_group_ = new QButtonGroup(this);
  for (int i = 0; i < 4; ++i) {
    kolca_items[static_cast<std::size_t>(i)] = new QRadioButton;
    items->addWidget(kolca_items[static_cast<std::size_t>(i)]);
    kolca_group_->addButton(kolca_items[static_cast<std::size_t>(i)], i);
  }
  kolca_items[0]->setChecked(true);
  layout->addWidget(Kolca);

  auto* symbol_row = new QHBoxLayout;
  VelPunt = new QSlider(Qt::Horizontal);
  VelPunt->setObjectName("VelPunt");
  VelPunt->setRange(2, 8);
  VelPunt->setValue(3);
  VelPunt->setPageStep(1);
  VelPunt->setTickPosition(QSlider::TicksBelow);
  VelPunt->setTickInterval(1);
  ImBarPunt = new ColourSwatch;
  symbol_row->addWidget(VelPunt, 1);
  symbol_row->addWidget(ImBarPunt);
  layout->addLayout(symbol_row);

  auto* check_row = new QHBoxLayout;
  Legenda = new TriStateBox;
  Legenda->setObjectName("Legenda");
  Legenda->setCheckState(Qt::Checked);
  OriCH = new TriStateBox;
  OriCH->setObjectName("OriCH");
  OriCH->setCheckState(Qt::Unchecked);
  OriCH->installEventFilter(this);
  check_row->addWidget(Legenda);
  check_row->addWidget(OriCH);
  check_row->addStretch(1);
  layout->addLayout(check_row);
  layout->addStretch(1);
  return column;
}

QWidget* TVynSoub::BuildRightColumn() {
  auto* column = new QWidget;
  column->setFixedSize(kRightColumnWidth, stereonet::kDiagramHeight);
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(kGroupSpacing);
  // The parameter groups of the contouring, rose, rotation, generator and
  // map-symbol commands; their controls come with those commands.
  const auto group = [&](const char* name, int height) {
    auto* box = new QGroupBox;
    box->setObjectName(QLatin1String(name));
    box->setFixedHeight(height);
    layout->addWidget(box);
    return box;
  };
  GroupBox3 = group("GroupBox3", kContourGroupHeight);
  GroupBox4 = group("GroupBox4", kSchemeGroupHeight);
  GroupBox4->setFixedWidth(kRightColumnWidth);
  contour_panel = new ContourPanel(GroupBox3, GroupBox4, this);
  GroupBoxRuza = group("GroupBoxRuza", kRoseGroupHeight);
  GroupBox5 = group("GroupBox5", kRoseGroupHeight);
  GroupBox5->hide();
  GroupBox1 = group("GroupBox1", kRotationGroupHeight);
  GroupBox2 = group("GroupBox2", kGeneratorGroupHeight);

  // The orientation matrix and the maxima list are laid over the lower
  // groups when shown; each closes with its icon.
  const auto result_box = [&](const char* name) {
    auto* box = new QGroupBox(column);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(0, stereonet::kDiagramHeight - kResultBoxHeight, kRightColumnWidth, kResultBoxHeight);
    box->setAutoFillBackground(true);
    auto* box_layout = new QVBoxLayout(box);
    box_layout->setContentsMargins(6, 4, 6, 6);
    connect(AddCloseIcon(box), &QToolButton::clicked, box, &QWidget::hide);
    box->hide();
    return box;
  };
  MatOrienBox = result_box("MatOrienBox");
  MatVyp = new QPlainTextEdit;
  MatVyp->setObjectName("MatVyp");
  MatVyp->setReadOnly(true);
  MatVyp->setLineWrapMode(QPlainTextEdit::NoWrap);
  QFont matrix_font = MatVyp->font();
  matrix_font.setPointSizeF(matrix_font.pointSizeF() - 1);
  MatVyp->setFont(matrix_font);
  MatVyp->setTabStopDistance(MatrixTabStop(QFontMetricsF(matrix_font)));
  MatOrienBox->layout()->addWidget(MatVyp);

  GroupBox6 = result_box("GroupBox6");
  Maxima_rich = new QTextEdit;
  Maxima_rich->setObjectName("Maxima_rich");
  Maxima_rich->setReadOnly(true);
  GroupBox6->layout()->addWidget(Maxima_rich);
  layout->addStretch(1);
  return column;
}

void TVynSoub::BuildDiagramLayers() {
  ImLabel9 = new QFrame(Diaga);
  ImLabel9->setObjectName("ImLabel9");
  ImLabel9->setAutoFillBackground(true);
  QPalette white = ImLabel9->palette();
  white.setColor(QPalette::Window, Qt::white);
  ImLabel9->setPalette(white);
  Label9 = new QLabel(ImLabel9);
  Label9->setObjectName("Label9");
  QFont arial(QStringLiteral("Arial"));
  arial.setPixelSize(16);
  Label9->setFont(arial);
  Label9->move(0, 0);
  ImLabel9->resize(50, 20);
  ImLabel9->hide();

  Puntred = new QLabel(Diaga);
  Puntred->setObjectName("Puntred");
  Puntred->setPixmap(QIcon(":/icons/red_disc.svg").pixmap(7, 7));
  Puntred->setFixedSize(7, 7);
  Puntred->hide();

  about = new AboutPanel(Diaga);
  about->move((stereonet::kDiagramWidth - AboutPanel::kWidth) / 2,
              (stereonet::kDiagramHeight - AboutPanel::kHeight) / 2);
  about->hide();

  Sever_edit = new QLineEdit(Diaga);
  Sever_edit->setObjectName("Sever_edit");
  Sever_edit->setText(ToQString(settings_.north_letter));
  Sever_edit->setMaxLength(3);
  Sever_edit->setGeometry(8, 8, 36, 24);
  Sever_edit->hide();
}

void TVynSoub::BuildStatusBar() {
  StatusBar1 = statusBar();
  StatusBar1->setObjectName("StatusBar1");
  StatusBar1->setSizeGripEnabled(false);
  for (std::size_t i = 0; i < status_panels.size(); ++i) {
    auto* panel = new QLabel;
    panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i + 1));
    panel->setFixedWidth(kStatusPanelWidths[i]);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Sunken);
    StatusBar1->addWidget(panel);
    status_panels[i] = panel;
  }
  // The progress meter of the density computation has its place over the
  // first panel; it is shown only while a computation runs.
  Metr = new QProgressBar(StatusBar1);
  Metr->setObjectName("Metr");
  Metr->setFixedSize(200, 15);
  Metr->setTextVisible(false);
  Metr->move(190, 5);
  Metr->hide();
}

void TVynSoub::ConnectCommands() {
  MainToolBar* t = ToolBar1;
  connect(t->ToolButton2, &QAction::triggered, this, &TVynSoub::NewFile);
  connect(t->Button8, &QAction::triggered, this, &TVynSoub::OpenFileDialog);
  connect(t->Button4, &QAction::triggered, this, &TVynSoub::SaveFileDialog);
  connect(t->ToolButton23, &QAction::triggered, Vlozit, &QPlainTextEdit::undo);
  connect(t->VynesMemo, &QAction::triggered, this, &TVynSoub::VynesMemoClick);
  QToolButton* plot_button = t->ButtonOf(t->VynesMemo);
  plot_button->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(plot_button, &QWidget::customContextMenuRequested, this, &TVynSoub::DirectionCosines);
  connect(t->Udelejtecky, &QAction::triggered, this, &TVynSoub::CommasToPoints);
  connect(t->ToolButton10, &QAction::triggered, this, &TVynSoub::ToolButton10Click);
  connect(t->ToolButton20, &QAction::triggered, this, &TVynSoub::ToolButton20Click);

  // Commands that come with later parts of the program: the buttons are in
  // place and disabled until then.
  connect(t->ToolButton9, &QAction::triggered, this, &TVynSoub::ToolButton9Click);
  ConnectContourControls();

  for (QAction* later : {t->ToolButton11, t->Button7, t->ToolButton8, t->ToolButton16,
                         t->ToolButton6, t->ToolButton13, t->ToolButton12, t->Undoton, t->ToolButton7,
                         t->ClipBtn, t->ToolButton5, t->ToolButton19})
    later->setEnabled(false);
  // The work windows exist as windows with their captions; their buttons
  // open them once the windows have their content.
  connect(t->Button1, &QAction::triggered, this, [this] {
    if (digitizer_) digitizer_->show();
  });
  connect(t->ToolButton17, &QAction::triggered, this, [this] {
    if (folds_) folds_->show();
  });
  connect(t->ToolButton18, &QAction::triggered, this, [this] {
    if (trend_map_) trend_map_->show();
  });
  for (QAction* window_button : {t->Button1, t->ToolButton17, t->ToolButton18}) window_button->setEnabled(false);

  connect(Vlozit, &DataPanel::enterPressed, this, &TVynSoub::VynesMemoClick);
  connect(Vlozit, &DataPanel::pasteWithCleanUpRequested, this, &TVynSoub::PasteWithCleanUp);
  connect(Vlozit, &DataPanel::lineToPoleRequested, this, &TVynSoub::LineToPole);
  connect(DeliRich, &DelimiterBox::applyRequested, this, &TVynSoub::ApplyDelimiter);
  connect(kolca_group_, &QButtonGroup::idToggled, this, [this](int, bool checked) {
    // Item 0 clears and items 1 and 2 tick the rose diagram's planes box,
    // which comes with the rose diagram.
    if (checked) VynesMemoClick();
  });
  connect(Kolca, &QWidget::customContextMenuRequested, this, &TVynSoub::ShowReferencePictures);
  connect(VelPunt, &QSlider::valueChanged, this, &TVynSoub::VynesMemoClick);
  connect(ImBarPunt, &ColourSwatch::clicked, this, &TVynSoub::ElementColourClick);
  connect(ImBarPunt, &ColourSwatch::middleDragged, this,
          [this](int x) { settings_.great_circle_opacity = GreatCircleOpacityAt(x); });

  connect(imglegenda, &PictureLabel::clicked, this, [this](Qt::MouseButton button, QPoint at) {
    if (button == Qt::LeftButton) {
      imglegenda->hide();
      Image7->hide();
    } else if (button == Qt::RightButton) {
      ApplySymbolCodeAt(at.y());
    }
  });
  connect(Image7, &PictureLabel::clicked, this, [this](Qt::MouseButton button, QPoint) {
    if (button == Qt::RightButton) Image7->hide();
  });

  connect(Diaga, &DiagramView::mouseMoved, this, &TVynSoub::DiagaMouseMove);
  connect(Diaga, &DiagramView::clicked, this, &TVynSoub::DiagaClick);
  connect(Diaga, &DiagramView::mouseReleased, this, &TVynSoub::DiagaMouseUp);
  connect(Diaga, &DiagramView::mouseEntered, this, &TVynSoub::DiagaMouseEnter);
  connect(Diaga, &DiagramView::mouseLeft, this, &TVynSoub::DiagaMouseLeave);
  connect(Diaga, &DiagramView::wheelTurned, this, &TVynSoub::TurnWheel);

  connect(about, &AboutPanel::closeRequested, about, &QWidget::hide);
  connect(about, &AboutPanel::linkClicked, this, [this] {
    if (dialogs_.open_address) dialogs_.open_address(QLatin1String(kHomePageAddress));
  });
  connect(about, &AboutPanel::englishRequested, this, &TVynSoub::SwitchToEnglish);
  connect(about, &AboutPanel::northLetterRequested, this, [this] {
    Sever_edit->show();
    Sever_edit->raise();
    Sever_edit->setFocus();
  });
  connect(Sever_edit, &QLineEdit::returnPressed, this, [this] {
    settings_.north_letter = ToUtf8(Sever_edit->text());
    Sever_edit->hide();
    VynesMemoClick();
  });
}

void TVynSoub::ApplyTexts() {
  const Language l = settings_.UiLanguage;
  if (!density_job_) setWindowTitle(Caption());
  ToolBar1->SetHints(l);
  Label13->setText(QText(TextId::DelimiterLabel, l));
  Kolca->setTitle(QText(TextId::PlotAsCaption, l));
  const std::array<TextId, 4> items = {TextId::PlotAsLines, TextId::PlotAsCircles, TextId::PlotAsPoles,
                                       TextId::PlotAsSynoptic};
  for (std::size_t i = 0; i < items.size(); ++i) kolca_items[i]->setText(QText(items[i], l));
  Legenda->setText(QText(TextId::LegendCheck, l));
  OriCH->setText(QText(TextId::OrientationCheck, l));
  VelPunt->setToolTip(QText(TextId::HintSymbolSize, l));
  ImBarPunt->setToolTip(QText(TextId::HintSymbolColour, l));
  GroupBox3->setTitle(QText(TextId::ContourGroup, l));
  GroupBox4->setTitle(QText(TextId::ColourSchemeGroup, l));
  contour_panel->ApplyTexts(l);
  GroupBoxRuza->setTitle(QText(TextId::RoseGroup, l));
  GroupBox1->setTitle(QText(TextId::RotationGroup, l));
  GroupBox2->setTitle(QText(TextId::GeneratorGroup, l));
  GroupBox5->setTitle(QText(TextId::MapSymbolsGroup, l));
  MatOrienBox->setTitle(QText(TextId::MatrixGroup, l));
  GroupBox6->setTitle(QText(TextId::MaximaGroup, l));
}

void TVynSoub::PlaceOnScreen() {
  const QList<QScreen*> screens = QGuiApplication::screens();
  QScreen* screen = QGuiApplication::primaryScreen();
  const QSize size = frameGeometry().size().expandedTo(this->size());
  const QRect area = screen ? screen->geometry() : QRect(0, 0, size.width(), size.height());
  const WindowPosition p =
      MainWindowPosition(static_cast<int>(screens.size()), area.width(), area.height(), size.width(), size.height());
  move(area.left() + p.left, area.top() + p.top);
}

// ---------------------------------------------------------------- helpers

PlotControls TVynSoub::ReadPlotControls() const {
  PlotControls c;
  c.symbol_size_position = VelPunt->value();
  c.data.delimiter = Delimiter();
  c.data.mode = static_cast<data::PlotMode>(std::max(0, kolca_group_->checkedId()));
  c.legend = ReadTriState(Legenda);
  c.orientation = ReadTriState(OriCH);
  return c;
}

std::string TVynSoub::DataText() const { return ToUtf8(Vlozit->toPlainText()); }

std::string TVynSoub::Delimiter() const { return ToUtf8(DeliRich->text()); }

void TVynSoub::ReplaceDataText(const std::string& text) {
  QTextCursor cursor(Vlozit->document());
  cursor.beginEditBlock();
  cursor.select(QTextCursor::Document);
  cursor.insertText(ToQString(text));
  cursor.endEditBlock();
}

void TVynSoub::ReplaceDataLine(std::size_t index, const std::string& line) {
  const QTextBlock block = Vlozit->document()->findBlockByNumber(static_cast<int>(index));
  if (!block.isValid()) return;
  QTextCursor cursor(block);
  cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
  cursor.insertText(ToQString(line));
}

void TVynSoub::SetDetectedDelimiter(const std::string& delimiter) {
  // The detected delimiter is the one the text is written with now, so a
  // later change in the box replaces it.
  DeliRich->setText(ToQString(delimiter));
  last_applied_delimiter_ = delimiter;
}

void TVynSoub::SetStatus(int panel, const QString& text) {
  status_panels[static_cast<std::size_t>(panel)]->setText(text);
}

void TVynSoub::ShowError(const QString& message) {
  if (dialogs_.show_error) dialogs_.show_error(this, message);
}

QString TVynSoub::Caption() const {
  return QText(TextId::ProgramName, settings_.UiLanguage) + QLatin1Char(' ') +
         QText(TextId::ProgramVersion, settings_.UiLanguage);
}

void TVynSoub::RedrawByDiagramKind() {
  // Kind 11, the rose diagram, comes with its command.
  if (settings_.DiagramKind == DiagramKind::Contoured) {
    SpeedButton2Click();
  } else {
    VynesMemoClick();
  }
}

// ---------------------------------------------------------------- commands

void TVynSoub::VynesMemoClick() {
  const stereonet::PlotSettings plot = MakePlotSettings(settings_, ReadPlotControls());
  const std::string text = DataText();
  try {
    stereonet::PlotResult r = stereonet::PlotData(text, plot, diagram_image_);
    settings_.DataCount = r.data_count;
    settings_.DiagramKind = r.diagram_kind;
    vector_picture_ = std::move(r.picture);
    SetStatus(2, ToQString(r.status_text));
    if (r.matrix_text) {
      MatOrienBox->show();
      MatOrienBox->raise();
      MatVyp->setPlainText(ToQString(*r.matrix_text));
    }
  } catch (const std::exception& e) {
    ShowError(QString::fromLocal8Bit(e.what()));
  }
  Diaga->update();
}

void TVynSoub::ToolButton9Click() {
  if (density_job_) return;  // one computation at a time
  const std::string text = DataText();
  contour::ContourSettings c;
  c.smoothing_text = contour_panel->SmoothingText();
  c.percent = contour_panel->Percent();
  c.data_count = settings_.DataCount;
  c.data = ReadPlotControls().data;
  c.language = settings_.UiLanguage;
  const contour::ContourPreparation prepared = contour::PrepareDensity(text, c);
  if (prepared.status == contour::ContourStatus::NothingToDo) return;
  if (prepared.status == contour::ContourStatus::Refused) {
    if (prepared.smoothing_text) contour_panel->SetSmoothingText(*prepared.smoothing_text);
    ShowError(ToQString(prepared.message));
    return;
  }
  settings_.ProcessorCount = contour::SystemProcessorCount();
  const int threads = contour::DensityThreadCount(settings_.ProcessorCount, prepared.request->line_count);
  density_job_ = std::make_unique<contour::DensityJob>(text, *prepared.request, threads);
  Metr->setRange(0, contour::DensityJob::ProgressTotal());
  Metr->setValue(0);
  Metr->show();
  QApplication::setOverrideCursor(Qt::WaitCursor);
  progress_timer_->start();
}

void TVynSoub::PollContouring() {
  if (!density_job_) return;
  const int count = density_job_->Progress();
  setWindowTitle(ToQString(contour::ProgressTitle(count)));
  Metr->setValue(count);
  if (!density_job_->Done()) return;
  progress_timer_->stop();
  std::optional<contour::DensityState> state = density_job_->Finish();
  density_job_.reset();
  if (state) density_ = std::move(*state);
  QApplication::restoreOverrideCursor();
  SpeedButton2Click();
  Metr->hide();
  setWindowTitle(Caption());
}

void TVynSoub::SpeedButton2Click() {
  contour::RedrawSettings r;
  r.scheme = contour_panel->Scheme();
  r.colours = contour_panel->Colours();
  r.discrete = contour_panel->Discrete();
  r.legend = ReadTriState(Legenda);
  r.contours = contour_panel->Contours();
  r.half_interval = contour_panel->HalfInterval();
  r.orientation = ReadTriState(OriCH);
  r.shadow = settings_.shadow;
  r.percent = contour_panel->Percent();
  r.line_colour = settings_.element_colour;
  r.line_count = data::CountLines(DataText());
  r.language = settings_.UiLanguage;
  r.decimal_separator = settings_.decimal_separator;
  r.north_letter = settings_.north_letter;
  const contour::RedrawResult result = contour::DrawContouredDiagram(diagram_image_, density_, r, levels_);
  if (!result.drawn) return;  // no grid computed yet
  settings_.DiagramKind = result.diagram_kind;
  if (result.matrix_text) {
    MatOrienBox->show();
    MatOrienBox->raise();
    MatVyp->setPlainText(ToQString(*result.matrix_text));
  }
  Diaga->update();
}

void TVynSoub::ConnectContourControls() {
  progress_timer_ = new QTimer(this);
  progress_timer_->setInterval(30);
  connect(progress_timer_, &QTimer::timeout, this, &TVynSoub::PollContouring);

  ContourPanel* p = contour_panel;
  connect(p, &ContourPanel::linesOptionChanged, this, &TVynSoub::RedrawByDiagramKind);
  connect(p, &ContourPanel::redrawRequested, this, &TVynSoub::SpeedButton2Click);
  connect(p, &ContourPanel::shadowChanged, this, [this] {
    settings_.shadow = contour_panel->Shadow();
    RedrawByDiagramKind();
  });
  connect(p, &ContourPanel::schemeChanged, this, [this] {
    if (settings_.DiagramKind == DiagramKind::Contoured) SpeedButton2Click();
  });
  connect(p, &ContourPanel::schemeColoursChanged, this, [this](contour::ColourScheme owner) {
    if (settings_.DiagramKind == DiagramKind::Contoured && contour_panel->Scheme() == owner) SpeedButton2Click();
  });
  connect(p, &ContourPanel::colourWanted, this, [this](QToolButton* swatch) {
    if (!dialogs_.choose_colour) return;
    if (const auto c = dialogs_.choose_colour(this, ToQColor(contour_panel->SwatchColour(swatch))))
      contour_panel->SetSwatchColour(swatch, ToRgb(*c));
  });
  connect(p, &ContourPanel::stretchRequested, this, [this] {
    if (settings_.DiagramKind != DiagramKind::Contoured) return;
    if (const auto factor = contour_panel->StretchFactor()) {
      contour::StretchDensity(density_, *factor);
      SpeedButton2Click();
    }
  });
  connect(Legenda, &TriStateBox::stateChosen, this, &TVynSoub::RedrawByDiagramKind);
  connect(OriCH, &TriStateBox::stateChosen, this, [this] {
    if (OriCH->checkState() == Qt::Unchecked) MatOrienBox->hide();
    RedrawByDiagramKind();
  });
}

void TVynSoub::NewFile() {
  // The manual rotation, when on, ends here as its own button would; it
  // comes with its command.
  SetStatus(0, QString());
  Vlozit->clear();
  VynesMemoClick();
  SetEraser(false);
  ToolBar1->Undoton->setVisible(false);
  ToolBar1->antiundoton->setVisible(true);
  GroupBox5->hide();
  GroupBoxRuza->show();
  Diaga->unsetCursor();
}

void TVynSoub::OpenFileDialog() {
  const QString filter = QText(TextId::OpenFilterText, settings_.UiLanguage) + QStringLiteral(";;") +
                         QText(TextId::OpenFilterAll, settings_.UiLanguage);
  const QString path = dialogs_.open_file_name ? dialogs_.open_file_name(this, filter) : QString();
  if (!path.isEmpty()) {
    OpenFile(path);
    return;
  }
  QCoreApplication::processEvents();
  if (data::CountLines(DataText()) < kPlotOnOpenLimit) VynesMemoClick();
}

bool TVynSoub::OpenFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    ShowError(QText(TextId::CannotOpenFile, settings_.UiLanguage) + QStringLiteral(": ") + path + QLatin1Char('\n') +
              file.errorString());
    return false;
  }
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) {
    ShowError(QText(TextId::CannotReadFile, settings_.UiLanguage) + QStringLiteral(": ") + path + QLatin1Char('\n') +
              file.errorString());
    return false;
  }
  const std::string text =
      data::NormaliseLineEnds(data::DecodeFileText(std::string_view(bytes.constData(), bytes.size())));

  NewFile();
  save_file_name_ = path;
  SetDetectedDelimiter(data::DetectDelimiter(data::FirstLine(text)));
  SetStatus(0, path);
  // The filter runs on the loaded text; loading the filtered text is the
  // same in one step.
  const std::string filtered = data::FilterDataText(text);
  Vlozit->setPlainText(ToQString(filtered));
  QCoreApplication::processEvents();
  if (data::CountLines(filtered) < kPlotOnOpenLimit) VynesMemoClick();
  return true;
}

void TVynSoub::SaveFileDialog() {
  const QString suggested =
      save_file_name_.isEmpty() ? QText(TextId::SaveDefaultName, settings_.UiLanguage) : save_file_name_;
  const QString filter = QText(TextId::OpenFilterText, settings_.UiLanguage);
  for (;;) {
    const QString path = dialogs_.save_file_name ? dialogs_.save_file_name(this, suggested, filter) : QString();
    if (path.isEmpty()) return;
    if (QFileInfo::exists(path) &&
        !(dialogs_.ask_yes_no && dialogs_.ask_yes_no(this, ToQString(settings_.overwrite_question))))
      continue;  // No: the save dialog again
    SaveFile(path);
    return;
  }
}

bool TVynSoub::SaveFile(const QString& path) {
  std::string error;
  if (!data::WriteFileAtomically(QFile::encodeName(path).toStdString(), DataText(), error)) {
    ShowError(QText(TextId::CannotWriteFile, settings_.UiLanguage) + QLatin1Char('\n') +
              QString::fromLocal8Bit(error.c_str()));
    return false;
  }
  save_file_name_ = path;
  SetStatus(0, path);
  return true;
}

void TVynSoub::PasteWithCleanUp() {
  // The text as the paste leaves it, cleaned up, goes into the panel in one
  // replacement: one undo step, and one insertion instead of two for long
  // pasted texts.
  const QTextCursor caret = Vlozit->textCursor();
  QString pasted = Vlozit->toPlainText();
  pasted.replace(caret.selectionStart(), caret.selectionEnd() - caret.selectionStart(),
                 ToQString(data::NormaliseLineEnds(ToUtf8(QGuiApplication::clipboard()->text()))));
  const data::PastedText r = data::ProcessPastedText(ToUtf8(pasted));
  SetDetectedDelimiter(r.delimiter);
  ReplaceDataText(r.text);
  VynesMemoClick();
}

void TVynSoub::LineToPole() {
  const auto edit =
      data::LineToPole(DataText(), Vlozit->CaretForLineRule(), Delimiter(), settings_.decimal_separator);
  if (!edit) return;
  ReplaceDataLine(edit->line_index, edit->line);
  VynesMemoClick();
}

void TVynSoub::ApplyDelimiter() {
  const std::string delimiter = Delimiter();
  const std::string text = DataText();
  const std::string replaced = data::ReplaceDelimiter(text, last_applied_delimiter_, delimiter);
  if (replaced != text) ReplaceDataText(replaced);
  last_applied_delimiter_ = delimiter;
  VynesMemoClick();
}

void TVynSoub::DirectionCosines() {
  const data::ConversionResult r =
      data::DirectionCosinesToData(DataText(), Delimiter(), settings_.decimal_separator, settings_.UiLanguage);
  if (!r.ok) {
    ShowError(ToQString(r.error));
    return;
  }
  ReplaceDataText(r.text);
  VynesMemoClick();
}

void TVynSoub::CommasToPoints() {
  const std::string text = DataText();
  const std::string points = data::CommasToPoints(text);
  if (points != text) ReplaceDataText(points);
}

void TVynSoub::ShowReferencePictures() {
  // Over the lower part of the data panel, next to the plot mode.
  const QPoint corner = Vlozit->mapTo(centralWidget(), QPoint(4, Vlozit->height() - imglegenda->height() - 4));
  imglegenda->move(corner);
  Image7->move(corner.x() + imglegenda->width() + 4, corner.y() + imglegenda->height() - Image7->height());
  imglegenda->show();
  imglegenda->raise();
  Image7->show();
  Image7->raise();
}

void TVynSoub::ApplySymbolCodeAt(int y) {
  const int code = data::SymbolCodeAtY(y);
  const std::string text = DataText();
  const std::string coded = data::AppendSymbolCode(text, code, Delimiter());
  if (coded != text) ReplaceDataText(coded);
  imglegenda->hide();
  Image7->hide();
  VynesMemoClick();
}

void TVynSoub::ElementColourClick() {
  if (dialogs_.choose_colour) {
    if (const auto c = dialogs_.choose_colour(this, ToQColor(settings_.element_colour))) {
      settings_.element_colour = ToRgb(*c);
      ImBarPunt->SetColour(*c);
    }
  }
  RedrawByDiagramKind();
}

void TVynSoub::TurnWheel(int delta) {
  settings_.EraserRadius = stereonet::EraserRadiusAfterWheel(settings_.EraserRadius, delta);
  if (eraser_on_ && Diaga->underMouse()) {
    stereonet::DrawEraserOverlay(eraser_overlay_, last_diagram_position_.x(), last_diagram_position_.y(),
                                 settings_.EraserRadius);
    Diaga->update();
  }
}

void TVynSoub::ToolButton10Click() { SetEraser(!eraser_on_); }

void TVynSoub::SetEraser(bool on) {
  if (on == eraser_on_) {
    ToolBar1->SetEraserPicture(on);
    return;
  }
  eraser_on_ = on;
  ToolBar1->SetEraserPicture(on);
  // Switching the eraser on also ends the manual rotation's drag mode; that
  // comes with the manual rotation.
  stereonet::ClearOverlay(eraser_overlay_);
  Diaga->SetOverlayShown(on);
  if (on)
    Diaga->setCursor(Qt::BlankCursor);
  else
    Diaga->unsetCursor();
  Diaga->update();
}

void TVynSoub::ToolButton20Click() {
  if (about->isVisible()) {
    about->hide();
  } else {
    about->show();
    about->raise();
  }
}

void TVynSoub::SwitchToEnglish() {
  about->hide();
  ApplyLanguage(settings_, Language::English);
  ApplyTexts();
  about->SetLanguage(settings_.UiLanguage);
  for (WorkWindow* w : {digitizer_, folds_, trend_map_})
    if (w) w->SetCaptions();
}

// ---------------------------------------------------------------- the diagram

void TVynSoub::DiagaMouseMove(QPoint position, Qt::MouseButtons buttons) {
  // While a density computation runs the diagram does not answer.
  if (density_job_) return;
  last_diagram_position_ = position;
  CursorOrientation = stereonet::CursorOrientationAt(position.x(), position.y());

  // The read-out over a rose diagram (kind 11) comes with that diagram.
  if (settings_.DiagramKind == DiagramKind::Contoured) {
    SetStatus(1, ToQString(contour::ContouredReadOut(density_, position.x(), position.y(), contour_panel->Percent(),
                                                     settings_.decimal_separator)));
  } else {
    SetStatus(1, ToQString(stereonet::PlottedDataReadOut(CursorOrientation)));
  }

  const stereonet::AngleDisplay angle =
      stereonet::UpdateAngleTool(angle_tool_, CursorOrientation, position.x(), position.y(),
                                 buttons.testFlag(Qt::MiddleButton), manual_rotation_on_, settings_.decimal_separator);
  if (angle.action == stereonet::AngleDisplay::Action::Show) {
    Label9->setText(ToQString(angle.label));
    Label9->adjustSize();
    ImLabel9->resize(Label9->width(), 20);
    Label9->move(0, (20 - Label9->height()) / 2);
    ImLabel9->move(angle.label_x, angle.label_y);
    ImLabel9->show();
    ImLabel9->raise();
    Puntred->move(angle.disc_x, angle.disc_y);
    Puntred->show();
    Puntred->raise();
  } else if (angle.action == stereonet::AngleDisplay::Action::Hide) {
    ImLabel9->hide();
    Puntred->hide();
  }

  if (eraser_on_) {
    if (buttons.testFlag(Qt::LeftButton)) EraseAtCursor();
    stereonet::DrawEraserOverlay(eraser_overlay_, position.x(), position.y(), settings_.EraserRadius);
    Diaga->update();
  }
  // The map-symbol preview (while GroupBox5 is shown) and the manual
  // rotation come with their commands.
}

void TVynSoub::DiagaClick(QPoint) {
  // While a density computation runs the diagram does not answer; clicks
  // use the cursor orientation of the last move.
  if (density_job_ || !stereonet::IsInsideNet(CursorOrientation)) return;
  if (eraser_on_) {
    EraseAtCursor();
    return;
  }
  if (manual_rotation_on_) return;
  // With the map-symbol panel shown a click exports the symbol; that comes
  // with the map symbols.
  if (GroupBox5->isVisible()) return;
  AddDatum();
}

void TVynSoub::DiagaMouseUp(QPoint, Qt::MouseButton) {
  // The manual rotation commits on the button release; it comes with its
  // command.
}

void TVynSoub::DiagaMouseEnter() {
  if (eraser_on_ || manual_rotation_on_) Diaga->setCursor(Qt::BlankCursor);
  // The wheel must reach the window, not a text control with the focus.
  if (eraser_on_) {
    if (QWidget* focused = QApplication::focusWidget()) focused->clearFocus();
  }
}

void TVynSoub::DiagaMouseLeave() {
  if (eraser_on_ || manual_rotation_on_) {
    stereonet::ClearOverlay(eraser_overlay_);
    Diaga->update();
  }
  Diaga->unsetCursor();
}

void TVynSoub::AddDatum() {
  const PlotControls c = ReadPlotControls();
  const std::string line = stereonet::DatumLine(CursorOrientation, c.data.mode, c.data.delimiter);
  // Only the end of the text matters for the line end before the new line.
  const QTextDocument* doc = Vlozit->document();
  const bool empty = doc->isEmpty();
  const std::string tail = empty ? "" : (doc->lastBlock().text().isEmpty() ? "\n" : "x");
  QTextCursor cursor(Vlozit->document());
  cursor.movePosition(QTextCursor::End);
  cursor.insertText(ToQString(data::LineAppendix(tail, line)));
  VynesMemoClick();
}

void TVynSoub::EraseAtCursor() {
  const PlotControls c = ReadPlotControls();
  const stereonet::EraseResult r =
      stereonet::EraseAt(DataText(), c.data, CursorOrientation, settings_.EraserRadius);
  if (r.removed_lines.size() > kLineByLineEraseLimit) {
    ReplaceDataText(r.text);
  } else if (!r.removed_lines.empty()) {
    QTextDocument* doc = Vlozit->document();
    QTextCursor cursor(doc);
    cursor.beginEditBlock();
    // From the last line up, so the indices of the lines still to go hold.
    for (auto it = r.removed_lines.rbegin(); it != r.removed_lines.rend(); ++it) {
      const QTextBlock block = doc->findBlockByNumber(static_cast<int>(*it));
      if (!block.isValid()) continue;
      cursor.setPosition(block.position());
      const QTextBlock next = block.next();
      if (next.isValid())
        cursor.setPosition(next.position(), QTextCursor::KeepAnchor);
      else
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
      cursor.removeSelectedText();
    }
    cursor.endEditBlock();
  }
  VynesMemoClick();
}

// ---------------------------------------------------------------- events

void TVynSoub::closeEvent(QCloseEvent* event) {
  // A running density computation stops; its workers are waited for.
  if (density_job_) {
    progress_timer_->stop();
    density_job_->Cancel();
    density_job_.reset();
    QApplication::restoreOverrideCursor();
  }
  QMainWindow::closeEvent(event);
  emit closed();
}

void TVynSoub::wheelEvent(QWheelEvent* event) {
  TurnWheel(event->angleDelta().y());
  event->accept();
}

bool TVynSoub::eventFilter(QObject* watched, QEvent* event) {
  // Moving over the orientation box with the middle button held asks for the
  // colour of the eigenvector overlay, once per press.
  if (watched == OriCH) {
    if (event->type() == QEvent::MouseButtonRelease) orientation_colour_asked_ = false;
    if (event->type() == QEvent::MouseMove && !orientation_colour_asked_ &&
        (static_cast<QMouseEvent*>(event)->buttons() & Qt::MiddleButton)) {
      orientation_colour_asked_ = true;
      if (dialogs_.choose_colour) {
        if (const auto c = dialogs_.choose_colour(this, ToQColor(settings_.orientation_colour))) {
          settings_.orientation_colour = ToRgb(*c);
          VynesMemoClick();
        }
      }
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace velkar::shell
