// The main window driven as a user drives it: keys, clicks, the wheel and
// files, on the offscreen platform. Dialogs are replaced by scripted answers.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QWheelEvent>

#include <memory>

#include "contour/density.hpp"
#include "data/line_reader.hpp"
#include "gui/common/colour_swatch.hpp"
#include "gui/common/picture_label.hpp"
#include "gui/common/qt_text.hpp"
#include "gui/common/tri_state_box.hpp"
#include "gui/digitizer/digitizer_window.hpp"
#include "gui/folds/fold_window.hpp"
#include "gui/main/about_panel.hpp"
#include "gui/main/data_panel.hpp"
#include "gui/main/delimiter_box.hpp"
#include "gui/main/diagram_view.hpp"
#include "gui/main/main_toolbar.hpp"
#include "gui/main/main_window.hpp"
#include "gui/trendmap/trend_map_window.hpp"

using namespace velkar::gui;
using namespace velkar::shell;

namespace {

// A control of the window by its object name; the test stops when it is
// missing.
template <class T>
T* Child(const QObject& window, const char* name) {
  T* child = window.findChild<T*>(QLatin1String(name));
  if (child == nullptr) qFatal("no control named %s", name);
  return child;
}

QAction* Action(const QObject& window, const char* name) { return Child<QAction>(window, name); }

// Scripted answers of the dialogs and a record of what was asked.
struct Script {
  QStringList open_answers;
  QStringList save_answers;
  QStringList save_suggestions;           // the names the save dialog proposed
  QList<SaveChoice> unsaved_answers;      // to the question about unsaved data
  int unsaved_questions = 0;
  QList<bool> yes_no_answers;
  QStringList questions;
  QStringList errors;
  QStringList addresses;
  std::optional<QColor> colour;
};

UserDialogs ScriptedDialogs(Script& s) {
  UserDialogs d;
  d.open_file_name = [&s](QWidget*, const QString&) { return s.open_answers.isEmpty() ? QString() : s.open_answers.takeFirst(); };
  d.save_file_name = [&s](QWidget*, const QString& suggested, const QString&) {
    s.save_suggestions << suggested;
    return s.save_answers.isEmpty() ? QString() : s.save_answers.takeFirst();
  };
  d.ask_save_changes = [&s](QWidget*, const QString&) {
    ++s.unsaved_questions;
    return s.unsaved_answers.isEmpty() ? SaveChoice::Discard : s.unsaved_answers.takeFirst();
  };
  d.ask_yes_no = [&s](QWidget*, const QString& question) {
    s.questions << question;
    return s.yes_no_answers.isEmpty() ? false : s.yes_no_answers.takeFirst();
  };
  d.show_error = [&s](QWidget*, const QString& message) { s.errors << message; };
  d.choose_colour = [&s](QWidget*, const QColor&) { return s.colour; };
  d.open_address = [&s](const QString& address) { s.addresses << address; };
  return d;
}

// The user's language environment of one test.
void SetLanguageEnvironment(const char* language, const char* lang) {
  for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LC_NUMERIC"}) qunsetenv(name);
  if (language) qputenv("LANGUAGE", language);
  qputenv("LANG", lang);
}

void Move(QWidget* w, QPoint p, Qt::MouseButtons buttons = Qt::NoButton) {
  QMouseEvent e(QEvent::MouseMove, QPointF(p), w->mapToGlobal(QPointF(p)), Qt::NoButton, buttons, Qt::NoModifier);
  QApplication::sendEvent(w, &e);
}

void Click(QWidget* w, QPoint p, Qt::MouseButton button = Qt::LeftButton) {
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(p), w->mapToGlobal(QPointF(p)), button, button,
                    Qt::NoModifier);
  QApplication::sendEvent(w, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, QPointF(p), w->mapToGlobal(QPointF(p)), button, Qt::NoButton,
                      Qt::NoModifier);
  QApplication::sendEvent(w, &release);
}

void Wheel(QWidget* w, int delta) {
  QWheelEvent e(QPointF(100, 100), w->mapToGlobal(QPointF(100, 100)), QPoint(), QPoint(0, delta), Qt::NoButton,
                Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(w, &e);
}

// The right mouse button as the widget receives it.
void ContextMenu(QWidget* w, QPoint p = QPoint(5, 5)) {
  QContextMenuEvent e(QContextMenuEvent::Mouse, p, w->mapToGlobal(p));
  QApplication::sendEvent(w, &e);
}

void RightClickInDataPanel(TVynSoub& w) { ContextMenu(Child<DataPanel>(w, "Vlozit")->viewport()); }

void SetCaret(TVynSoub& w, int position) {
  QTextCursor c = Child<DataPanel>(w, "Vlozit")->textCursor();
  c.setPosition(position);
  Child<DataPanel>(w, "Vlozit")->setTextCursor(c);
}

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return "<missing>";
  return f.readAll();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

QString Status(const TVynSoub& w, int panel) {
  return Child<QLabel>(w, qPrintable(QStringLiteral("StatusPanel%1").arg(panel + 1)))->text();
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

  Script script_;

  std::unique_ptr<TVynSoub> MakeWindow(const char* lang = "cs_CZ.UTF-8", const char* language = nullptr) {
    SetLanguageEnvironment(language, lang);
    script_ = Script();
    auto w = std::make_unique<TVynSoub>();
    w->SetDialogs(ScriptedDialogs(script_));
    w->show();
    if (!QTest::qWaitForWindowExposed(w.get())) qWarning("window not exposed");
    return w;
  }

 private slots:
  void captionCatalogue() {
    for (int i = 0; i < static_cast<int>(CaptionId::kCount); ++i) {
      const auto id = static_cast<CaptionId>(i);
      QVERIFY2(!CaptionText(id, Language::Czech).empty(), qPrintable(QString::number(i)));
      QVERIFY2(!CaptionText(id, Language::English).empty(), qPrintable(QString::number(i)));
    }
    // Texts that keep their Czech form.
    QCOMPARE(QText(CaptionId::HintUndoData, Language::English), QString("Vrátit zpět poslední změnu vstupních dat"));
    QCOMPARE(QText(CaptionId::MaximaGroup, Language::English), QString("Nalezená maxima"));
  }

  void czechStartUp() {
    auto w = MakeWindow("cs_CZ.UTF-8");
    QCOMPARE(w->settings().UiLanguage, Language::Czech);
    QCOMPARE(w->windowTitle(), QString("Velkar 1.6"));
    QCOMPARE(Child<QGroupBox>(*w, "Kolca")->title(), QString("Vynes jako"));
    QCOMPARE(Child<QRadioButton>(*w, "Kolca2")->text(), QString("Normály (3)"));
    QCOMPARE(Action(*w, "ToolButton2")->toolTip(), QString("Nový soubor"));
    QCOMPARE(Status(*w, 2), QString("0 měření"));  // the start-up plot
    QCOMPARE(w->settings().DiagramKind, velkar::stereonet::DiagramKind::PlottedData);
    QCOMPARE(Child<DelimiterBox>(*w, "DeliRich")->text(), QString("/"));
    QCOMPARE(w->settings().EraserRadius, 8);
    QCOMPARE(w->settings().contour_word, std::string("kontury"));
    QVERIFY(Action(*w, "ToolButton10")->isEnabled());
    QVERIFY(Action(*w, "ToolButton9")->isEnabled());
    QVERIFY(!Action(*w, "ToolButton11")->isEnabled());  // the rose diagram comes later
    QVERIFY(!Action(*w, "ToolButton16")->isVisible());
    QVERIFY(!Child<QGroupBox>(*w, "GroupBox6")->isVisible());
    QCOMPARE(Child<QLabel>(*w, "StatusPanel1")->width(), 400);
    QCOMPARE(Child<QLabel>(*w, "StatusPanel2")->width(), 250);
    QCOMPARE(Child<DiagramView>(*w, "Diaga")->size(), QSize(500, 513));
    // The window keeps its size.
    QCOMPARE(w->minimumSize(), w->maximumSize());
    // The first entry of LANGUAGE wins over LANG.
    auto v = MakeWindow("en_US.UTF-8", "cs:en");
    QCOMPARE(v->settings().UiLanguage, Language::Czech);
  }

  void englishStartUp_data() {
    QTest::addColumn<QByteArray>("lang");
    QTest::addColumn<QByteArray>("language");
    QTest::newRow("Slovak") << QByteArray("sk_SK.UTF-8") << QByteArray();
    QTest::newRow("German") << QByteArray("de_DE.UTF-8") << QByteArray();
    QTest::newRow("English") << QByteArray("en_GB.UTF-8") << QByteArray();
    QTest::newRow("LANGUAGE first") << QByteArray("cs_CZ.UTF-8") << QByteArray("de:cs");
  }
  void englishStartUp() {
    QFETCH(QByteArray, lang);
    QFETCH(QByteArray, language);
    auto w = MakeWindow(lang.constData(), language.isEmpty() ? nullptr : language.constData());
    QCOMPARE(w->settings().UiLanguage, Language::English);
    QCOMPARE(Child<QGroupBox>(*w, "Kolca")->title(), QString("Plot data as"));
    QCOMPARE(Child<QRadioButton>(*w, "Kolca2")->text(), QString("Poles [3]"));
    QCOMPARE(Action(*w, "ToolButton2")->toolTip(), QString("New file"));
    QCOMPARE(Action(*w, "ToolButton23")->toolTip(), QString("Vrátit zpět poslední změnu vstupních dat"));
    QCOMPARE(Child<QGroupBox>(*w, "GroupBox6")->title(), QString("Nalezená maxima"));
    QCOMPARE(Status(*w, 2), QString("0 data"));
    QCOMPARE(w->settings().overwrite_question, std::string("File exists, do you want to rewrite it?"));
  }

  void englishSwitchRetitlesTheWorkWindows() {
    auto w = MakeWindow("cs_CZ.UTF-8");
    TMapa digitizer(w->settings());
    TVras folds(w->settings());
    TArc trend_map(w->settings());
    w->AttachWorkWindows(&digitizer, &folds, &trend_map);
    QCOMPARE(folds.windowTitle(), QString("Vrásová analýza"));

    Action(*w, "ToolButton20")->trigger();
    QVERIFY(Child<AboutPanel>(*w, "AboutPanel")->isVisible());
    QTest::mouseClick(Child<PictureLabel>(*w, "engflg"), Qt::LeftButton);
    QVERIFY(!Child<AboutPanel>(*w, "AboutPanel")->isVisible());
    QCOMPARE(w->settings().UiLanguage, Language::English);
    QCOMPARE(digitizer.windowTitle(), QString("Digitalize data from bitmaps"));
    QCOMPARE(folds.windowTitle(), QString("Fold analysis"));
    QCOMPARE(trend_map.windowTitle(), QString("Spatial averaging"));
    QCOMPARE(Child<QGroupBox>(*w, "Kolca")->title(), QString("Plot data as"));
    QCOMPARE(Child<TriStateBox>(*w, "OriCH")->text(), QString("Orientation"));
    QCOMPARE(Action(*w, "ToolButton17")->toolTip(), QString("Fold analysis"));
    QCOMPARE(w->settings().contour_word, std::string("contours"));
    QCOMPARE(w->settings().overwrite_question, std::string("File exists, do you want to rewrite it?"));
    // The next plot reports in English.
    Action(*w, "VynesMemo")->trigger();
    QCOMPARE(Status(*w, 2), QString("0 data"));

    // The link opens the home page.
    Action(*w, "ToolButton20")->trigger();
    QTest::mouseClick(Child<QLabel>(*w, "link"), Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(script_.addresses, QStringList{QString(kHomePageAddress)});
  }

  void typingAndEnterPlot() {
    auto w = MakeWindow();
    Child<DataPanel>(*w, "Vlozit")->setFocus();
    QTest::keyClicks(Child<DataPanel>(*w, "Vlozit"), "120/45");
    QTest::keyClick(Child<DataPanel>(*w, "Vlozit"), Qt::Key_Return);
    QCOMPARE(Child<DataPanel>(*w, "Vlozit")->toPlainText(), QString("120/45\n"));
    QCOMPARE(w->settings().DataCount, std::size_t{1});
    QCOMPARE(Status(*w, 2), QString("1 měření"));
    // 120/45 is drawn at (352.96, 323.39): a filled black circle.
    QCOMPARE(w->diagram().Pixel(353, 323), (velkar::raster::Argb{255, 0, 0, 0}));
    QTest::keyClicks(Child<DataPanel>(*w, "Vlozit"), "300/30");
    QTest::keyClick(Child<DataPanel>(*w, "Vlozit"), Qt::Key_Enter);
    QCOMPARE(Status(*w, 2), QString("2 měření"));

    // The slider and the plot mode re-plot too.
    Child<DataPanel>(*w, "Vlozit")->setPlainText("120/45\n10/20\n30/40");
    Child<QSlider>(*w, "VelPunt")->setValue(5);
    QCOMPARE(Status(*w, 2), QString("3 měření"));
    Child<DataPanel>(*w, "Vlozit")->setPlainText("120/45");
    Child<QRadioButton>(*w, "Kolca1")->click();
    QCOMPARE(Status(*w, 2), QString("1 měření"));
  }

  void elementColourReplots() {
    auto w = MakeWindow();
    Child<DataPanel>(*w, "Vlozit")->setPlainText("120/45\n");
    Action(*w, "VynesMemo")->trigger();
    QCOMPARE(w->diagram().Pixel(353, 323), (velkar::raster::Argb{255, 0, 0, 0}));
    // A cancelled dialog keeps the colour and still redraws.
    Click(Child<ColourSwatch>(*w, "ImBarPunt"), QPoint(10, 10));
    QCOMPARE(w->settings().element_colour, (velkar::data::Rgb{0, 0, 0}));
    script_.colour = QColor(0, 0, 255);
    Click(Child<ColourSwatch>(*w, "ImBarPunt"), QPoint(10, 10));
    QCOMPARE(w->settings().element_colour, (velkar::data::Rgb{0, 0, 255}));
    QCOMPARE(w->diagram().Pixel(353, 323), (velkar::raster::Argb{255, 0, 0, 255}));
    // The middle button over the swatch sets the great-circle opacity.
    Move(Child<ColourSwatch>(*w, "ImBarPunt"), QPoint(20, 10), Qt::MiddleButton);
    QCOMPARE(w->settings().great_circle_opacity, 128);
    // Shift+Enter ends the line like Enter.
    Child<DataPanel>(*w, "Vlozit")->moveCursor(QTextCursor::End);
    QTest::keyClicks(Child<DataPanel>(*w, "Vlozit"), "10/10");
    QTest::keyClick(Child<DataPanel>(*w, "Vlozit"), Qt::Key_Return, Qt::ShiftModifier);
    QCOMPARE(Child<DataPanel>(*w, "Vlozit")->toPlainText(), QString("120/45\n10/10\n"));
    QCOMPARE(Child<DataPanel>(*w, "Vlozit")->document()->blockCount(), 3);
    QCOMPARE(w->settings().DataCount, std::size_t{2});
  }

  void pasteOfSpreadsheetText() {
    auto w = MakeWindow();
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText("120\t45\t\n10\t5\t\n");
    QTest::keyClick(Child<DataPanel>(*w, "Vlozit"), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(Child<DelimiterBox>(*w, "DeliRich")->text(), QString("\t"));
    QCOMPARE(Child<DataPanel>(*w, "Vlozit")->toPlainText(), QString("120\t45\n10\t5\n"));
    QCOMPARE(w->settings().DataCount, std::size_t{2});
    // The paste with its clean-up is one undo step.
    Action(*w, "ToolButton23")->trigger();
    QCOMPARE(Child<DataPanel>(*w, "Vlozit")->toPlainText(), QString());

    // A header line: its first letter becomes the delimiter and the filter
    // removes the header; the tabs stay for the user to correct.
    clipboard->setText("azimuth\tdip\t\n120\t45\t\n");
    QTest::keyClick(Child<DataPanel>(*w, "Vlozit"), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(Child<DelimiterBox>(*w, "DeliRich")->text(), QString("a"));
    QCOMPARE(Child<DataPanel>(*w, "Vlozit")->toPlainText(), QString("120\t45\t\n"));

    // Ctrl+Shift+V pastes as it is.
    Child<DataPanel>(*w, "Vlozit")->clear();
    clipboard->setText("x\n120/45\t");
    QTest::keyClick(Child<DataPanel>(*w, "Vlozit"), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(Child<DataPanel>(*w, "Vlozit")->toPlainText(), QString("x\n120/45\t"));
  }

  void delimiterEnterAndDirectionCosines() {
    auto w = MakeWindow();
    Child<DataPanel>(*w, "Vlozit")->setPlainText("120/45\n10/20\n");
    Child<DelimiterBox>(*w, "DeliRich")->setFocus();
    QTest::keyClick(Child<DelimiterBox>(*w, "DeliRich"), ';');
    QCOMPARE(Child<DataPanel>(*w, "Vlozit")->toPlainText(), QString("120/45\n10/20\n"));  // typing only records it
    QTest::keyClick(Child<DelimiterBox>(*w, "DeliRich"), Qt::Key_Return);
    QCOMPARE(Child<DataPanel>(*w, "Vlozit")->toPlainText(), QString("120;45\n10;20\n"));
    QCOMPARE(Status(*w, 2), QString("2 měření"));

    // Direction cosines on the right button of the plot button.
    Child<DataPanel>(*w, "Vlozit")->setPlainText("0 0 1\n1 0 0\n");
    QToolButton* plot = Child<QToolButton>(*w, "VynesMemo");
    ContextMenu(plot);
    QCOMPARE(Child<DataPanel>(*w, "Vlozit")->toPlainText(), QString("0;90\n0;0\n"));
    // A bad line leaves the panel as it was and names the line.
    Child<DataPanel>(*w, "Vlozit")->setPlainText("0 0 1\nx y z\n");
    ContextMenu(plot);
    QCOMPARE(Child<DataPanel>(*w, "Vlozit")->toPlainText(), QString("0 0 1\nx y z\n"));
    QCOMPARE(script_.errors.size(), 1);
    QVERIFY(script_.errors.first().contains("2"));

    // Commas to points, without a re-plot.
    Child<DataPanel>(*w, "Vlozit")->setPlainText("1,5;2,5\n");
    Action(*w, "Udelejtecky")->trigger();
    QCOMPARE(Child<DataPanel>(*w, "Vlozit")->toPlainText(), QString("1.5;2.5\n"));
  }

  void openAndSaveRoundTrip() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString cp1250 = dir.filePath("data-1250.txt");
    // "měření" in Windows-1250, with Windows line ends.
    WriteAll(cp1250, QByteArray("10;20;1 m\xEC\xF8" "en\xED\r\nnadpis\r\n30;40\r\n"));
    auto w = MakeWindow();
    script_.open_answers << cp1250;
    Action(*w, "Button8")->trigger();
    QCOMPARE(Child<DataPanel>(*w, "Vlozit")->toPlainText(), QString("10;20;1 měření\n30;40\n"));
    QCOMPARE(Child<DelimiterBox>(*w, "DeliRich")->text(), QString(";"));
    QCOMPARE(Status(*w, 0), cp1250);
    QCOMPARE(w->settings().DataCount, std::size_t{2});

    // Saved as UTF-8 with the name in the status bar.
    const QString saved = dir.filePath("saved.txt");
    script_.save_answers << saved;
    Action(*w, "Button4")->trigger();
    QCOMPARE(ReadAll(saved), QString("10;20;1 měření\n30;40\n").toUtf8());
    QCOMPARE(Status(*w, 0), saved);
    QVERIFY(script_.questions.isEmpty());

    // An existing file: No asks for another name (here: cancel) and keeps it.
    Child<DataPanel>(*w, "Vlozit")->setPlainText("1/2\n");
    script_.save_answers << saved;
    script_.yes_no_answers << false;
    Action(*w, "Button4")->trigger();
    QCOMPARE(script_.questions, QStringList{"Soubor téhož jména již existuje, chcete jej přepsat?"});
    QCOMPARE(ReadAll(saved), QString("10;20;1 měření\n30;40\n").toUtf8());
    // Yes overwrites.
    script_.save_answers << saved;
    script_.yes_no_answers << true;
    Action(*w, "Button4")->trigger();
    QCOMPARE(ReadAll(saved), QByteArray("1/2\n"));

    // Opening the saved file gives the text back.
    QVERIFY(w->OpenFile(saved));
    QCOMPARE(Child<DataPanel>(*w, "Vlozit")->toPlainText(), QString("1/2\n"));
    QCOMPARE(Child<DelimiterBox>(*w, "DeliRich")->text(), QString("/"));

    // A large file fills the panel but is plotted only on request.
    QByteArray big;
    for (int i = 0; i < 12000; ++i) big += QByteArray::number(i % 360) + "/45\n";
    const QString big_path = dir.filePath("big.txt");
    WriteAll(big_path, big);
    QVERIFY(w->OpenFile(big_path));
    QCOMPARE(Child<DataPanel>(*w, "Vlozit")->document()->blockCount(), 12001);
    QCOMPARE(Status(*w, 2), QString("0 měření"));
    // The file panel says how to plot it.
    QCOMPARE(Status(*w, 0), big_path + QString("  (velký soubor: vynese jej tlačítko Vynes data)"));
    Action(*w, "VynesMemo")->trigger();
    QCOMPARE(Status(*w, 2), QString("12000 měření"));
    QCOMPARE(Status(*w, 0), big_path);

    // A file that cannot be read changes nothing.
    QVERIFY(!w->OpenFile(dir.filePath("none.txt")));
    QCOMPARE(script_.errors.size(), 1);
    QCOMPARE(Child<DataPanel>(*w, "Vlozit")->document()->blockCount(), 12001);
  }

  void openReadsAFileAsEveryFrontEndDoes() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    auto w = MakeWindow();
    // A byte-order mark, a header line and lone CR line ends.
    const QString path = dir.filePath("header.txt");
    WriteAll(path, "\xef\xbb\xbf" "Azimuth;Dip\r10;20\r30;40\r");
    QVERIFY(w->OpenFile(path));
    QCOMPARE(Child<DataPanel>(*w, "Vlozit")->toPlainText(), QString("10;20\n30;40\n"));
    QCOMPARE(Child<DelimiterBox>(*w, "DeliRich")->text(), QString(";"));
    QCOMPARE(Status(*w, 2), QString("2 měření"));
  }

  void failedSaveLosesNothing() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    auto w = MakeWindow();
    Child<DataPanel>(*w, "Vlozit")->setPlainText("120/45\n");
    QVERIFY(w->SaveFile(dir.filePath("kept.txt")));

    // A folder that does not exist.
    script_.save_answers << dir.filePath("missing/new.txt");
    Action(*w, "Button4")->trigger();
    QCOMPARE(script_.errors.size(), 1);
    QCOMPARE(Child<DataPanel>(*w, "Vlozit")->toPlainText(), QString("120/45\n"));
    QCOMPARE(Status(*w, 0), dir.filePath("kept.txt"));

    // A target that cannot be replaced (a folder of that name): the answer
    // Yes must not lose what is there.
    QVERIFY(QDir(dir.path()).mkdir("target.txt"));
    WriteAll(dir.filePath("target.txt/inside.txt"), "old");
    script_.save_answers << dir.filePath("target.txt");
    script_.yes_no_answers << true;
    Action(*w, "Button4")->trigger();
    QCOMPARE(script_.errors.size(), 2);
    QCOMPARE(ReadAll(dir.filePath("target.txt/inside.txt")), QByteArray("old"));
    QCOMPARE(Child<DataPanel>(*w, "Vlozit")->toPlainText(), QString("120/45\n"));
    QCOMPARE(Status(*w, 0), dir.filePath("kept.txt"));
    // No temporary file is left beside the target.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot), QStringList{"kept.txt"});
  }

  void lineToPoleTwice() {
    auto w = MakeWindow();
    Child<DataPanel>(*w, "Vlozit")->setPlainText("120/45\n10/20/2\n");
    SetCaret(*w, 3);
    RightClickInDataPanel(*w);
    QCOMPARE(Child<DataPanel>(*w, "Vlozit")->toPlainText(), QString("300/45/5\n10/20/2\n"));
    QCOMPARE(w->settings().DataCount, std::size_t{2});
    SetCaret(*w, 1);
    RightClickInDataPanel(*w);
    QCOMPARE(Child<DataPanel>(*w, "Vlozit")->toPlainText(), QString("120/45/9\n10/20/2\n"));
    // The caret on the second line.
    SetCaret(*w, Child<DataPanel>(*w, "Vlozit")->document()->findBlockByNumber(1).position() + 2);
    RightClickInDataPanel(*w);
    QCOMPARE(Child<DataPanel>(*w, "Vlozit")->toPlainText(), QString("120/45/9\n190/70/6\n"));
    // One undo step per edit.
    Child<DataPanel>(*w, "Vlozit")->undo();
    QCOMPARE(Child<DataPanel>(*w, "Vlozit")->toPlainText(), QString("120/45/9\n10/20/2\n"));
  }

  void symbolCodeBands() {
    auto w = MakeWindow();
    Child<DataPanel>(*w, "Vlozit")->setPlainText("120/45\n");
    ContextMenu(Child<QGroupBox>(*w, "Kolca"));
    QVERIFY(Child<PictureLabel>(*w, "imglegenda")->isVisible());
    QVERIFY(Child<PictureLabel>(*w, "Image7")->isVisible());
    QCOMPARE(Child<PictureLabel>(*w, "imglegenda")->size(), QSize(80, 140));
    QTest::mouseClick(Child<PictureLabel>(*w, "imglegenda"), Qt::RightButton, {}, QPoint(40, 40));
    QCOMPARE(Child<DataPanel>(*w, "Vlozit")->toPlainText(), QString("120/45/3\n"));
    QVERIFY(!Child<PictureLabel>(*w, "imglegenda")->isVisible());

    ContextMenu(Child<QGroupBox>(*w, "Kolca"));
    QTest::mouseClick(Child<PictureLabel>(*w, "imglegenda"), Qt::RightButton, {}, QPoint(40, 70));
    QCOMPARE(Child<DataPanel>(*w, "Vlozit")->toPlainText(), QString("120/45/3/5\n"));

    // The band edges.
    const struct {
      int y;
      const char* line;
    } bands[] = {{17, "1/1/1\n"}, {18, "1/1/2\n"}, {119, "1/1/7\n"}, {120, "1/1/8\n"}, {139, "1/1/8\n"}};
    for (const auto& b : bands) {
      Child<DataPanel>(*w, "Vlozit")->setPlainText("1/1\n");
      ContextMenu(Child<QGroupBox>(*w, "Kolca"));
      QTest::mouseClick(Child<PictureLabel>(*w, "imglegenda"), Qt::RightButton, {}, QPoint(40, b.y));
      QCOMPARE(Child<DataPanel>(*w, "Vlozit")->toPlainText(), QString(b.line));
    }

    // A left click closes both pictures; a right click on the colour codes
    // closes that one.
    ContextMenu(Child<QGroupBox>(*w, "Kolca"));
    QTest::mouseClick(Child<PictureLabel>(*w, "Image7"), Qt::RightButton, {}, QPoint(10, 10));
    QVERIFY(!Child<PictureLabel>(*w, "Image7")->isVisible());
    QVERIFY(Child<PictureLabel>(*w, "imglegenda")->isVisible());
    QTest::mouseClick(Child<PictureLabel>(*w, "imglegenda"), Qt::LeftButton, {}, QPoint(40, 40));
    QVERIFY(!Child<PictureLabel>(*w, "imglegenda")->isVisible());
    QCOMPARE(Child<DataPanel>(*w, "Vlozit")->toPlainText(), QString("1/1/8\n"));
  }

  void contouredDiagram() {
    auto w = MakeWindow("en_GB.UTF-8");
    // Nothing to contour yet: the redraw button does nothing.
    Child<QToolButton>(*w, "SpeedButton2")->click();
    QCOMPARE(w->settings().DiagramKind, velkar::stereonet::DiagramKind::PlottedData);

    QString text;
    for (int i = 0; i < 30; ++i) text += QString("%1/%2\n").arg(40 + i % 7).arg(30 + i % 5);
    Child<DataPanel>(*w, "Vlozit")->setPlainText(text);
    w->VynesMemoClick();
    Action(*w, "ToolButton9")->trigger();
    QVERIFY(w->ContouringRuns());
    Action(*w, "ToolButton9")->trigger();  // a second command while one runs does nothing
    QTRY_VERIFY_WITH_TIMEOUT(!w->ContouringRuns(), 20000);
    QCOMPARE(w->settings().DiagramKind, velkar::stereonet::DiagramKind::Contoured);
    QCOMPARE(w->windowTitle(), QString("Velkar 1.6"));
    QVERIFY(!Child<QProgressBar>(*w, "Metr")->isVisible());
    QVERIFY(velkar::contour::HasGrid(w->density()));
    // The densest node sits on the cluster: the read-out shows its density.
    const QPoint peak(w->density().maximum_x, w->density().maximum_y);
    Move(Child<DiagramView>(*w, "Diaga"), peak);
    QVERIFY2(Status(*w, 1).contains("      D: ") && Status(*w, 1).endsWith(" s"), qPrintable(Status(*w, 1)));
    // An option change redraws the contoured diagram, not the plot.
    const velkar::raster::Argb before = w->diagram().Pixel(peak.x(), peak.y());
    Child<QRadioButton>(*w, "RadioButton3")->click();
    QCOMPARE(w->settings().DiagramKind, velkar::stereonet::DiagramKind::Contoured);
    QVERIFY(w->diagram().Pixel(peak.x(), peak.y()) != before);
    Child<QCheckBox>(*w, "DiskrChk")->click();
    QCOMPARE(w->settings().DiagramKind, velkar::stereonet::DiagramKind::Contoured);
    // Plotting returns to the plotted data.
    w->VynesMemoClick();
    QCOMPARE(w->settings().DiagramKind, velkar::stereonet::DiagramKind::PlottedData);
  }

  void contourRefusals() {
    auto w = MakeWindow("en_GB.UTF-8");
    Child<DataPanel>(*w, "Vlozit")->setPlainText("10/20/1\n30/40/2\n");
    Child<QRadioButton>(*w, "Kolca3")->click();  // synoptic
    Action(*w, "ToolButton9")->trigger();
    QVERIFY(!w->ContouringRuns());
    QCOMPARE(script_.errors.size(), 1);
    QCOMPARE(script_.errors.last(), QString("You can not contour mixed data!"));
    Child<QRadioButton>(*w, "Kolca0")->click();
    Child<QLineEdit>(*w, "zhlazeniTXT")->setText("700");
    Action(*w, "ToolButton9")->trigger();
    QVERIFY(!w->ContouringRuns());
    QCOMPARE(script_.errors.size(), 2);
    QCOMPARE(Child<QLineEdit>(*w, "zhlazeniTXT")->text(), QString("666"));
    QVERIFY(!velkar::contour::HasGrid(w->density()));  // nothing computed
    // "1% o" fixes the smoothing at 64.
    Child<QCheckBox>(*w, "PevnCHK")->click();
    QCOMPARE(Child<QLineEdit>(*w, "zhlazeniTXT")->text(), QString("64"));
    QVERIFY(!Child<QLineEdit>(*w, "zhlazeniTXT")->isEnabled());
  }

  void closingStopsTheComputation() {
    auto w = MakeWindow("en_GB.UTF-8");
    QString text;
    for (int i = 0; i < 3000; ++i) text += QString("%1/%2\n").arg(i % 360).arg(i % 90);
    Child<DataPanel>(*w, "Vlozit")->setPlainText(text);
    w->VynesMemoClick();
    Action(*w, "ToolButton9")->trigger();
    QVERIFY(w->ContouringRuns());
    w->close();  // must not hang or crash
    QVERIFY(!w->ContouringRuns());
  }

  void readOutAndClickToAdd() {
    auto w = MakeWindow();
    Move(Child<DiagramView>(*w, "Diaga"), QPoint(248, 262));
    QCOMPARE(Status(*w, 1), QString("0/90    n: 180/0"));
    Move(Child<DiagramView>(*w, "Diaga"), QPoint(5, 5));
    QCOMPARE(Status(*w, 1), QString(" "));
    Click(Child<DiagramView>(*w, "Diaga"), QPoint(5, 5));  // outside the net: nothing
    QCOMPARE(Child<DataPanel>(*w, "Vlozit")->toPlainText(), QString());

    // (190, 320) reads 225.000/60.124.
    Move(Child<DiagramView>(*w, "Diaga"), QPoint(190, 320));
    Click(Child<DiagramView>(*w, "Diaga"), QPoint(190, 320));
    QCOMPARE(Child<DataPanel>(*w, "Vlozit")->toPlainText(), QString("225/60\n"));
    QCOMPARE(w->settings().DataCount, std::size_t{1});

    Child<QRadioButton>(*w, "Kolca2")->click();  // poles: the plane whose pole is under the cursor
    Click(Child<DiagramView>(*w, "Diaga"), QPoint(190, 320));
    QCOMPARE(Child<DataPanel>(*w, "Vlozit")->toPlainText(), QString("225/60\n45/30\n"));

    // After a line without a line end the new line starts a line of its own.
    Child<DataPanel>(*w, "Vlozit")->setPlainText("10/10");
    Child<QRadioButton>(*w, "Kolca0")->click();
    Click(Child<DiagramView>(*w, "Diaga"), QPoint(190, 320));
    QCOMPARE(Child<DataPanel>(*w, "Vlozit")->toPlainText(), QString("10/10\n225/60\n"));
  }

  void eraser() {
    auto w = MakeWindow();
    // The wheel sets the eraser's size, at least 1.
    Wheel(Child<DiagramView>(*w, "Diaga"), 120);
    QCOMPARE(w->settings().EraserRadius, 9);
    Wheel(w.get(), -240);
    QCOMPARE(w->settings().EraserRadius, 7);
    for (int i = 0; i < 10; ++i) Wheel(Child<DiagramView>(*w, "Diaga"), -120);
    QCOMPARE(w->settings().EraserRadius, 1);
    Wheel(Child<DiagramView>(*w, "Diaga"), -120);
    QCOMPARE(w->settings().EraserRadius, 1);
    for (int i = 0; i < 7; ++i) Wheel(Child<DiagramView>(*w, "Diaga"), 120);
    QCOMPARE(w->settings().EraserRadius, 8);

    // Two data on one point go with one click; 120/45 is drawn at (353, 323).
    Child<DataPanel>(*w, "Vlozit")->setPlainText("120/45\n300/10\n120/45/6\n");
    Action(*w, "ToolButton10")->trigger();
    QVERIFY(w->EraserOn());
    QCOMPARE(Child<DiagramView>(*w, "Diaga")->cursor().shape(), Qt::BlankCursor);
    Move(Child<DiagramView>(*w, "Diaga"), QPoint(353, 323));
    Click(Child<DiagramView>(*w, "Diaga"), QPoint(353, 323));
    QCOMPARE(Child<DataPanel>(*w, "Vlozit")->toPlainText(), QString("300/10\n"));
    QCOMPARE(w->settings().DataCount, std::size_t{1});

    // Dragging with the left button erases along the way.
    Child<DataPanel>(*w, "Vlozit")->setPlainText("120/45\n300/10\n0/90\n");
    Move(Child<DiagramView>(*w, "Diaga"), QPoint(248, 262), Qt::LeftButton);
    Move(Child<DiagramView>(*w, "Diaga"), QPoint(353, 323), Qt::LeftButton);
    QCOMPARE(Child<DataPanel>(*w, "Vlozit")->toPlainText(), QString("300/10\n"));

    // A click does not add data while the eraser is on; off again, it does.
    Click(Child<DiagramView>(*w, "Diaga"), QPoint(190, 320));
    QCOMPARE(Child<DataPanel>(*w, "Vlozit")->toPlainText(), QString("300/10\n"));
    Action(*w, "ToolButton10")->trigger();
    QVERIFY(!w->EraserOn());
    QCOMPARE(Child<DiagramView>(*w, "Diaga")->cursor().shape(), Qt::ArrowCursor);
    Move(Child<DiagramView>(*w, "Diaga"), QPoint(190, 320));
    Click(Child<DiagramView>(*w, "Diaga"), QPoint(190, 320));
    QCOMPARE(Child<DataPanel>(*w, "Vlozit")->toPlainText(), QString("300/10\n225/60\n"));

    // New switches the eraser off.
    Action(*w, "ToolButton10")->trigger();
    Action(*w, "ToolButton2")->trigger();
    QVERIFY(!w->EraserOn());
    QCOMPARE(Child<DataPanel>(*w, "Vlozit")->toPlainText(), QString());
  }

  void contourJobBelongsToItsText() {
    auto w = MakeWindow("en_GB.UTF-8");
    QString text;
    for (int i = 0; i < 30; ++i) text += QString("%1/%2\n").arg(40 + i % 7).arg(30 + i % 5);
    auto* panel = Child<DataPanel>(*w, "Vlozit");
    panel->setPlainText(text);
    w->VynesMemoClick();

    // New while the density is computed stops it: no old map comes later.
    Action(*w, "ToolButton9")->trigger();
    QVERIFY(w->ContouringRuns());
    Action(*w, "ToolButton2")->trigger();
    QVERIFY(!w->ContouringRuns());
    QCOMPARE(w->windowTitle(), QString("Velkar 1.6"));
    QVERIFY(!Child<QProgressBar>(*w, "Metr")->isVisible());
    QTest::qWait(100);
    QCOMPARE(w->settings().DiagramKind, velkar::stereonet::DiagramKind::PlottedData);
    QVERIFY(!velkar::contour::HasGrid(w->density()));

    // Data edited while the density is computed: the grid of the old data
    // is not shown.
    panel->setPlainText(text);
    w->VynesMemoClick();
    Action(*w, "ToolButton9")->trigger();
    QVERIFY(w->ContouringRuns());
    QTextCursor end(panel->document());
    end.movePosition(QTextCursor::End);
    end.insertText("200/10\n");
    QTRY_VERIFY_WITH_TIMEOUT(!w->ContouringRuns(), 20000);
    QCOMPARE(w->settings().DiagramKind, velkar::stereonet::DiagramKind::PlottedData);
    QCOMPARE(w->windowTitle(), QString("Velkar 1.6"));
  }

  void typingStartsInTheDataPanel() {
    auto w = MakeWindow();
    QCOMPARE(w->focusWidget(), static_cast<QWidget*>(Child<DataPanel>(*w, "Vlozit")));
  }

  void unsavedDataAreNotLostSilently() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    auto w = MakeWindow("en_GB.UTF-8");
    auto* panel = Child<DataPanel>(*w, "Vlozit");
    panel->setFocus();
    QTest::keyClicks(panel, "120/45");

    // Cancel keeps the window and the data; New asks the same.
    script_.unsaved_answers = {SaveChoice::Cancel};
    QVERIFY(!w->close());
    QVERIFY(w->isVisible());
    script_.unsaved_answers = {SaveChoice::Cancel};
    Action(*w, "ToolButton2")->trigger();
    QCOMPARE(panel->toPlainText(), QString("120/45"));
    QCOMPARE(script_.unsaved_questions, 2);

    // Save asks for the file; the saved data close without a question.
    const QString path = dir.filePath("kept.txt");
    script_.unsaved_answers = {SaveChoice::Save};
    script_.save_answers = {path};
    Action(*w, "ToolButton2")->trigger();
    QCOMPARE(ReadAll(path), QByteArray("120/45"));
    QCOMPARE(panel->toPlainText(), QString());
    // After New, Save proposes the default name, not the old file.
    QTest::keyClicks(panel, "10/20");
    Action(*w, "Button4")->trigger();
    QCOMPARE(script_.save_suggestions.last(), QString("Nový.txt"));

    // Discard lets the window close.
    script_.unsaved_answers = {SaveChoice::Discard};
    QVERIFY(w->close());
    QCOMPARE(script_.unsaved_questions, 4);

    // A file opened by a relative path is saved into its own folder.
    auto v = MakeWindow("en_GB.UTF-8");
    WriteAll(dir.filePath("rel.txt"), "10/10\n");
    const QString working = QDir::currentPath();
    QDir::setCurrent(dir.path());
    QVERIFY(v->OpenFile("rel.txt"));
    QDir::setCurrent(working);
    Action(*v, "Button4")->trigger();
    QCOMPARE(script_.save_suggestions.last(), QFileInfo(dir.filePath("rel.txt")).absoluteFilePath());
    QCOMPARE(script_.unsaved_questions, 0);  // opened, not edited: no question
  }

  void undoReplots() {
    auto w = MakeWindow();
    auto* panel = Child<DataPanel>(*w, "Vlozit");
    panel->setFocus();
    QTest::keyClicks(panel, "120/45");
    QTest::keyClick(panel, Qt::Key_Return);
    QTest::keyClicks(panel, "10/20");
    QTest::keyClick(panel, Qt::Key_Return);
    QCOMPARE(Status(*w, 2), QString("2 měření"));
    while (panel->toPlainText().contains("10/20")) QTest::keyClick(panel, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(Status(*w, 2), QString("1 měření"));
    QCOMPARE(w->settings().DataCount, std::size_t{1});
    QTest::keyClick(panel, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(Status(*w, 2), QString("%1 měření").arg(velkar::data::CountLines(panel->toPlainText().toStdString())));
    // The toolbar's undo re-plots too.
    panel->setPlainText("120/45\n");
    w->VynesMemoClick();
    panel->moveCursor(QTextCursor::End);
    QTest::keyClicks(panel, "300/30");
    QTest::keyClick(panel, Qt::Key_Return);
    QCOMPARE(Status(*w, 2), QString("2 měření"));
    Action(*w, "ToolButton23")->trigger();
    QCOMPARE(Status(*w, 2), QString("%1 měření").arg(velkar::data::CountLines(panel->toPlainText().toStdString())));

    // One eraser drag is one undo step, however many strokes it takes.
    panel->setPlainText("225/60\n226/60\n300/10\n");
    w->VynesMemoClick();
    Action(*w, "ToolButton10")->trigger();
    auto* diagram = Child<DiagramView>(*w, "Diaga");
    Move(diagram, QPoint(150, 150), Qt::LeftButton);  // nothing there
    Move(diagram, QPoint(190, 320), Qt::LeftButton);
    Move(diagram, QPoint(192, 320), Qt::LeftButton);
    Click(diagram, QPoint(192, 320));
    QCOMPARE(panel->toPlainText(), QString("300/10\n"));
    panel->undo();
    QCOMPARE(panel->toPlainText(), QString("225/60\n226/60\n300/10\n"));
  }

  void displaysFollowTheirSources() {
    auto w = MakeWindow();
    QString text;
    for (int i = 0; i < 30; ++i) text += QString("%1/%2\n").arg(40 + i % 7).arg(30 + i % 5);
    Child<DataPanel>(*w, "Vlozit")->setPlainText(text);
    Child<TriStateBox>(*w, "OriCH")->click();
    QCOMPARE(Status(*w, 2), QString("30 měření"));
    const QString czech_matrix = Child<QTextEdit>(*w, "MatVyp")->toPlainText();
    QVERIFY(czech_matrix.startsWith("Vektory"));

    // The English switch re-plots: the count and the matrix in English.
    Action(*w, "ToolButton20")->trigger();
    QTest::mouseClick(Child<PictureLabel>(*w, "engflg"), Qt::LeftButton);
    QCOMPARE(Status(*w, 2), QString("30 data"));
    QVERIFY(Child<QTextEdit>(*w, "MatVyp")->toPlainText().startsWith("Eigenvectors"));

    // A contour read-out does not outlive the contoured diagram.
    Action(*w, "ToolButton9")->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(!w->ContouringRuns(), 20000);
    Move(Child<DiagramView>(*w, "Diaga"), QPoint(w->density().maximum_x, w->density().maximum_y));
    QVERIFY(Status(*w, 1).contains("D: "));
    w->VynesMemoClick();
    QVERIFY(!Status(*w, 1).contains("D: "));

    // The opacity drag shows at once: the great circles turn lighter.
    Child<QRadioButton>(*w, "Kolca1")->click();
    const auto darkness = [&w] {
      long long sum = 0;
      for (int y = 0; y < 513; ++y)
        for (int x = 0; x < 500; ++x) sum += 255 - w->diagram().Pixel(x, y).red;
      return sum;
    };
    const long long solid = darkness();
    Move(Child<ColourSwatch>(*w, "ImBarPunt"), QPoint(2, 10), Qt::MiddleButton);
    QCOMPARE(w->settings().great_circle_opacity, 13);
    QVERIFY(darkness() < solid);
  }

  void menusCarryTheCommands() {
    auto w = MakeWindow("en_GB.UTF-8");
    auto* bar = Child<QMenuBar>(*w, "MainMenu");
    QStringList titles;
    for (QAction* menu : bar->actions()) titles << menu->text();
    QCOMPARE(titles, (QStringList{"&File", "&Edit", "&View", "&Tools", "&Help"}));
    QCOMPARE(Action(*w, "ToolButton2")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
    QCOMPARE(Action(*w, "ToolButton20")->shortcut(), QKeySequence(Qt::Key_F1));
    QCOMPARE(Action(*w, "ToolButton2")->text(), QString("New file"));
    // Commands still to come say so under their hint.
    QVERIFY(Action(*w, "ToolButton11")->toolTip().endsWith("(this command is not available yet)"));
    QCOMPARE(Action(*w, "VynesMemo")->toolTip(), QString("Plot data"));
    // Every toolbar command with a picture is in a menu.
    QList<QAction*> in_menus;
    for (QAction* menu : bar->actions()) in_menus += menu->menu()->actions();
    for (QAction* a : Child<QToolBar>(*w, "ToolBar1")->actions())
      if (!a->isSeparator() && a->objectName() != "spare" && a->objectName() != "antiundoton")
        QVERIFY2(in_menus.contains(a), qPrintable(a->objectName()));

    // The right-button functions as menu items: the legend's grey state.
    QAction* legend_grey = nullptr;
    for (QAction* a : in_menus)
      if (a->text().startsWith("Legend in the picture only")) legend_grey = a;
    QVERIFY(legend_grey);
    legend_grey->trigger();
    QCOMPARE(Child<TriStateBox>(*w, "Legenda")->checkState(), Qt::PartiallyChecked);
  }

  void angleTool() {
    auto w = MakeWindow();
    // From 0/0 (the north point of the rim) to 90/0 and to 180/0.
    Move(Child<DiagramView>(*w, "Diaga"), QPoint(248, 37), Qt::MiddleButton);
    Move(Child<DiagramView>(*w, "Diaga"), QPoint(473, 262), Qt::MiddleButton);
    QVERIFY(Child<QFrame>(*w, "ImLabel9")->isVisible());
    QCOMPARE(Child<QLabel>(*w, "Label9")->text(), QString("90 °"));
    // At the E rim the label goes left of the pointer, whole inside the diagram.
    const QFrame* label = Child<QFrame>(*w, "ImLabel9");
    QCOMPARE(label->pos(), QPoint(473 - 15 - label->width(), 277));
    QVERIFY(label->geometry().right() < 500);
    QCOMPARE(label->width(), Child<QLabel>(*w, "Label9")->width());
    QVERIFY(Child<QLabel>(*w, "Puntred")->isVisible());
    QCOMPARE(Child<QLabel>(*w, "Puntred")->pos(), QPoint(244, 34));  // the projection (247.5, 37.5) less (4, 4)
    Move(Child<DiagramView>(*w, "Diaga"), QPoint(248, 487), Qt::MiddleButton);
    QCOMPARE(Child<QLabel>(*w, "Label9")->text(), QString("180 °"));
    // Without the middle button the tool ends.
    Move(Child<DiagramView>(*w, "Diaga"), QPoint(248, 487));
    QVERIFY(!Child<QFrame>(*w, "ImLabel9")->isVisible());
    QVERIFY(!Child<QLabel>(*w, "Puntred")->isVisible());
    // The middle button never adds data.
    QCOMPARE(Child<DataPanel>(*w, "Vlozit")->toPlainText(), QString());
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
