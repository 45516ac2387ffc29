// The main window driven as a user drives it: keys, clicks, the wheel and
// files, on the offscreen platform. Dialogs are replaced by scripted answers.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QToolButton>
#include <QWheelEvent>

#include <memory>

#include "shell/about_panel.hpp"
#include "shell/colour_swatch.hpp"
#include "shell/contour_panel.hpp"
#include "shell/data_panel.hpp"
#include "shell/delimiter_box.hpp"
#include "shell/diagram_view.hpp"
#include "shell/digitizer_window.hpp"
#include "shell/fold_window.hpp"
#include "shell/main_toolbar.hpp"
#include "shell/main_window.hpp"
#include "shell/picture_label.hpp"
#include "shell/trend_map_window.hpp"
#include "shell/tri_state_box.hpp"

using namespace velkar::shell;

namespace {

// Scripted answers of the dialogs and a record of what was asked.
struct Script {
  QStringList open_answers;
  QStringList save_answers;
  QList<bool> yes_no_answers;
  QStringList questions;
  QStringList errors;
  QStringList addresses;
  std::optional<QColor> colour;
};

UserDialogs ScriptedDialogs(Script& s) {
  UserDialogs d;
  d.open_file_name = [&s](QWidget*, const QString&) { return s.open_answers.isEmpty() ? QString() : s.open_answers.takeFirst(); };
  d.save_file_name = [&s](QWidget*, const QString&, const QString&) {
    return s.save_answers.isEmpty() ? QString() : s.save_answers.takeFirst();
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

void RightClickInDataPanel(TVynSoub& w) { ContextMenu(w.Vlozit->viewport()); }

void SetCaret(TVynSoub& w, int position) {
  QTextCursor c = w.Vlozit->textCursor();
  c.setPosition(position);
  w.Vlozit->setTextCursor(c);
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

QString Status(const TVynSoub& w, int panel) { return w.status_panels[static_cast<std::size_t>(panel)]->text(); }

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
  void czechStartUp() {
    auto w = MakeWindow("cs_CZ.UTF-8");
    QCOMPARE(w->settings().UiLanguage, Language::Czech);
    QCOMPARE(w->windowTitle(), QString("Velkar 1.6"));
    QCOMPARE(w->Kolca->title(), QString("Vynes jako"));
    QCOMPARE(w->kolca_items[2]->text(), QString("Normály (3)"));
    QCOMPARE(w->ToolBar1->ToolButton2->toolTip(), QString("Nový soubor"));
    QCOMPARE(Status(*w, 2), QString("0 měření"));  // the start-up plot
    QCOMPARE(w->settings().DiagramKind, velkar::stereonet::DiagramKind::PlottedData);
    QCOMPARE(w->DeliRich->text(), QString("/"));
    QCOMPARE(w->settings().EraserRadius, 8);
    QCOMPARE(w->settings().contour_word, std::string("kontury"));
    QVERIFY(w->ToolBar1->ToolButton10->isEnabled());
    QVERIFY(w->ToolBar1->ToolButton9->isEnabled());
    QVERIFY(!w->ToolBar1->ToolButton11->isEnabled());  // the rose diagram comes later
    QVERIFY(!w->ToolBar1->ToolButton16->isVisible());
    QVERIFY(!w->GroupBox6->isVisible());
    QCOMPARE(w->status_panels[0]->width(), 400);
    QCOMPARE(w->status_panels[1]->width(), 250);
    QCOMPARE(w->Diaga->size(), QSize(500, 513));
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
    QCOMPARE(w->Kolca->title(), QString("Plot data as"));
    QCOMPARE(w->kolca_items[2]->text(), QString("Poles [3]"));
    QCOMPARE(w->ToolBar1->ToolButton2->toolTip(), QString("New file"));
    QCOMPARE(w->ToolBar1->ToolButton23->toolTip(), QString("Vrátit zpět poslední změnu vstupních dat"));
    QCOMPARE(w->GroupBox6->title(), QString("Nalezená maxima"));
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

    w->ToolBar1->ToolButton20->trigger();
    QVERIFY(w->about->isVisible());
    QTest::mouseClick(w->about->engflg, Qt::LeftButton);
    QVERIFY(!w->about->isVisible());
    QCOMPARE(w->settings().UiLanguage, Language::English);
    QCOMPARE(digitizer.windowTitle(), QString("Digitalize data from bitmaps"));
    QCOMPARE(folds.windowTitle(), QString("Fold analysis"));
    QCOMPARE(trend_map.windowTitle(), QString("Spatial averaging"));
    QCOMPARE(w->Kolca->title(), QString("Plot data as"));
    QCOMPARE(w->OriCH->text(), QString("Orientation"));
    QCOMPARE(w->ToolBar1->ToolButton17->toolTip(), QString("Fold analysis"));
    QCOMPARE(w->settings().contour_word, std::string("contours"));
    QCOMPARE(w->settings().overwrite_question, std::string("File exists, do you want to rewrite it?"));
    // The next plot reports in English.
    w->ToolBar1->VynesMemo->trigger();
    QCOMPARE(Status(*w, 2), QString("0 data"));

    // The link opens the home page.
    w->ToolBar1->ToolButton20->trigger();
    QTest::mouseClick(w->about->link, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(script_.addresses, QStringList{QString(kHomePageAddress)});
  }

  void typingAndEnterPlot() {
    auto w = MakeWindow();
    w->Vlozit->setFocus();
    QTest::keyClicks(w->Vlozit, "120/45");
    QTest::keyClick(w->Vlozit, Qt::Key_Return);
    QCOMPARE(w->Vlozit->toPlainText(), QString("120/45\n"));
    QCOMPARE(w->settings().DataCount, std::size_t{1});
    QCOMPARE(Status(*w, 2), QString("1 měření"));
    // 120/45 is drawn at (352.96, 323.39): a filled black circle.
    QCOMPARE(w->diagram().Pixel(353, 323), (velkar::stereonet::Argb{255, 0, 0, 0}));
    QTest::keyClicks(w->Vlozit, "300/30");
    QTest::keyClick(w->Vlozit, Qt::Key_Enter);
    QCOMPARE(Status(*w, 2), QString("2 měření"));

    // The slider and the plot mode re-plot too.
    w->Vlozit->setPlainText("120/45\n10/20\n30/40");
    w->VelPunt->setValue(5);
    QCOMPARE(Status(*w, 2), QString("3 měření"));
    w->Vlozit->setPlainText("120/45");
    w->kolca_items[1]->click();
    QCOMPARE(Status(*w, 2), QString("1 měření"));
  }

  void elementColourReplots() {
    auto w = MakeWindow();
    w->Vlozit->setPlainText("120/45\n");
    w->ToolBar1->VynesMemo->trigger();
    QCOMPARE(w->diagram().Pixel(353, 323), (velkar::stereonet::Argb{255, 0, 0, 0}));
    // A cancelled dialog keeps the colour and still redraws.
    Click(w->ImBarPunt, QPoint(10, 10));
    QCOMPARE(w->settings().element_colour, (velkar::data::Rgb{0, 0, 0}));
    script_.colour = QColor(0, 0, 255);
    Click(w->ImBarPunt, QPoint(10, 10));
    QCOMPARE(w->settings().element_colour, (velkar::data::Rgb{0, 0, 255}));
    QCOMPARE(w->diagram().Pixel(353, 323), (velkar::stereonet::Argb{255, 0, 0, 255}));
    // The middle button over the swatch sets the great-circle opacity.
    Move(w->ImBarPunt, QPoint(20, 10), Qt::MiddleButton);
    QCOMPARE(w->settings().great_circle_opacity, 128);
    // Shift+Enter ends the line like Enter.
    w->Vlozit->moveCursor(QTextCursor::End);
    QTest::keyClicks(w->Vlozit, "10/10");
    QTest::keyClick(w->Vlozit, Qt::Key_Return, Qt::ShiftModifier);
    QCOMPARE(w->Vlozit->toPlainText(), QString("120/45\n10/10\n"));
    QCOMPARE(w->Vlozit->document()->blockCount(), 3);
    QCOMPARE(w->settings().DataCount, std::size_t{2});
  }

  void pasteOfSpreadsheetText() {
    auto w = MakeWindow();
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText("120\t45\t\n10\t5\t\n");
    QTest::keyClick(w->Vlozit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(w->DeliRich->text(), QString("\t"));
    QCOMPARE(w->Vlozit->toPlainText(), QString("120\t45\n10\t5\n"));
    QCOMPARE(w->settings().DataCount, std::size_t{2});
    // The paste with its clean-up is one undo step.
    w->ToolBar1->ToolButton23->trigger();
    QCOMPARE(w->Vlozit->toPlainText(), QString());

    // A header line: its first letter becomes the delimiter and the filter
    // removes the header; the tabs stay for the user to correct.
    clipboard->setText("azimuth\tdip\t\n120\t45\t\n");
    QTest::keyClick(w->Vlozit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(w->DeliRich->text(), QString("a"));
    QCOMPARE(w->Vlozit->toPlainText(), QString("120\t45\t\n"));

    // Ctrl+Shift+V pastes as it is.
    w->Vlozit->clear();
    clipboard->setText("x\n120/45\t");
    QTest::keyClick(w->Vlozit, Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(w->Vlozit->toPlainText(), QString("x\n120/45\t"));
  }

  void delimiterEnterAndDirectionCosines() {
    auto w = MakeWindow();
    w->Vlozit->setPlainText("120/45\n10/20\n");
    w->DeliRich->setFocus();
    QTest::keyClick(w->DeliRich, ';');
    QCOMPARE(w->Vlozit->toPlainText(), QString("120/45\n10/20\n"));  // typing only records it
    QTest::keyClick(w->DeliRich, Qt::Key_Return);
    QCOMPARE(w->Vlozit->toPlainText(), QString("120;45\n10;20\n"));
    QCOMPARE(Status(*w, 2), QString("2 měření"));

    // Direction cosines on the right button of the plot button.
    w->Vlozit->setPlainText("0 0 1\n1 0 0\n");
    QToolButton* plot = w->ToolBar1->ButtonOf(w->ToolBar1->VynesMemo);
    ContextMenu(plot);
    QCOMPARE(w->Vlozit->toPlainText(), QString("0;90\n0;0\n"));
    // A bad line leaves the panel as it was and names the line.
    w->Vlozit->setPlainText("0 0 1\nx y z\n");
    ContextMenu(plot);
    QCOMPARE(w->Vlozit->toPlainText(), QString("0 0 1\nx y z\n"));
    QCOMPARE(script_.errors.size(), 1);
    QVERIFY(script_.errors.first().contains("2"));

    // Commas to points, without a re-plot.
    w->Vlozit->setPlainText("1,5;2,5\n");
    w->ToolBar1->Udelejtecky->trigger();
    QCOMPARE(w->Vlozit->toPlainText(), QString("1.5;2.5\n"));
  }

  void openAndSaveRoundTrip() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString cp1250 = dir.filePath("data-1250.txt");
    // "měření" in Windows-1250, with Windows line ends.
    WriteAll(cp1250, QByteArray("10;20;1 m\xEC\xF8" "en\xED\r\nnadpis\r\n30;40\r\n"));
    auto w = MakeWindow();
    script_.open_answers << cp1250;
    w->ToolBar1->Button8->trigger();
    QCOMPARE(w->Vlozit->toPlainText(), QString("10;20;1 měření\n30;40\n"));
    QCOMPARE(w->DeliRich->text(), QString(";"));
    QCOMPARE(Status(*w, 0), cp1250);
    QCOMPARE(w->settings().DataCount, std::size_t{2});

    // Saved as UTF-8 with the name in the status bar.
    const QString saved = dir.filePath("saved.txt");
    script_.save_answers << saved;
    w->ToolBar1->Button4->trigger();
    QCOMPARE(ReadAll(saved), QString("10;20;1 měření\n30;40\n").toUtf8());
    QCOMPARE(Status(*w, 0), saved);
    QVERIFY(script_.questions.isEmpty());

    // An existing file: No asks for another name (here: cancel) and keeps it.
    w->Vlozit->setPlainText("1/2\n");
    script_.save_answers << saved;
    script_.yes_no_answers << false;
    w->ToolBar1->Button4->trigger();
    QCOMPARE(script_.questions, QStringList{"Soubor téhož jména již existuje, chcete jej přepsat?"});
    QCOMPARE(ReadAll(saved), QString("10;20;1 měření\n30;40\n").toUtf8());
    // Yes overwrites.
    script_.save_answers << saved;
    script_.yes_no_answers << true;
    w->ToolBar1->Button4->trigger();
    QCOMPARE(ReadAll(saved), QByteArray("1/2\n"));

    // Opening the saved file gives the text back.
    QVERIFY(w->OpenFile(saved));
    QCOMPARE(w->Vlozit->toPlainText(), QString("1/2\n"));
    QCOMPARE(w->DeliRich->text(), QString("/"));

    // A large file fills the panel but is plotted only on request.
    QByteArray big;
    for (int i = 0; i < 12000; ++i) big += QByteArray::number(i % 360) + "/45\n";
    const QString big_path = dir.filePath("big.txt");
    WriteAll(big_path, big);
    QVERIFY(w->OpenFile(big_path));
    QCOMPARE(w->Vlozit->document()->blockCount(), 12001);
    QCOMPARE(Status(*w, 2), QString("0 měření"));
    w->ToolBar1->VynesMemo->trigger();
    QCOMPARE(Status(*w, 2), QString("12000 měření"));

    // A file that cannot be read changes nothing.
    QVERIFY(!w->OpenFile(dir.filePath("none.txt")));
    QCOMPARE(script_.errors.size(), 1);
    QCOMPARE(Status(*w, 0), big_path);
  }

  void failedSaveLosesNothing() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    auto w = MakeWindow();
    w->Vlozit->setPlainText("120/45\n");
    QVERIFY(w->SaveFile(dir.filePath("kept.txt")));

    // A folder that does not exist.
    script_.save_answers << dir.filePath("missing/new.txt");
    w->ToolBar1->Button4->trigger();
    QCOMPARE(script_.errors.size(), 1);
    QCOMPARE(w->Vlozit->toPlainText(), QString("120/45\n"));
    QCOMPARE(Status(*w, 0), dir.filePath("kept.txt"));

    // A target that cannot be replaced (a folder of that name): the answer
    // Yes must not lose what is there.
    QVERIFY(QDir(dir.path()).mkdir("target.txt"));
    WriteAll(dir.filePath("target.txt/inside.txt"), "old");
    script_.save_answers << dir.filePath("target.txt");
    script_.yes_no_answers << true;
    w->ToolBar1->Button4->trigger();
    QCOMPARE(script_.errors.size(), 2);
    QCOMPARE(ReadAll(dir.filePath("target.txt/inside.txt")), QByteArray("old"));
    QCOMPARE(w->Vlozit->toPlainText(), QString("120/45\n"));
    QCOMPARE(Status(*w, 0), dir.filePath("kept.txt"));
    // No temporary file is left beside the target.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot), QStringList{"kept.txt"});
  }

  void lineToPoleTwice() {
    auto w = MakeWindow();
    w->Vlozit->setPlainText("120/45\n10/20/2\n");
    SetCaret(*w, 3);
    RightClickInDataPanel(*w);
    QCOMPARE(w->Vlozit->toPlainText(), QString("300/45/5\n10/20/2\n"));
    QCOMPARE(w->settings().DataCount, std::size_t{2});
    SetCaret(*w, 1);
    RightClickInDataPanel(*w);
    QCOMPARE(w->Vlozit->toPlainText(), QString("120/45/9\n10/20/2\n"));
    // The caret on the second line.
    SetCaret(*w, w->Vlozit->document()->findBlockByNumber(1).position() + 2);
    RightClickInDataPanel(*w);
    QCOMPARE(w->Vlozit->toPlainText(), QString("120/45/9\n190/70/6\n"));
    // One undo step per edit.
    w->Vlozit->undo();
    QCOMPARE(w->Vlozit->toPlainText(), QString("120/45/9\n10/20/2\n"));
  }

  void symbolCodeBands() {
    auto w = MakeWindow();
    w->Vlozit->setPlainText("120/45\n");
    ContextMenu(w->Kolca);
    QVERIFY(w->imglegenda->isVisible());
    QVERIFY(w->Image7->isVisible());
    QCOMPARE(w->imglegenda->size(), QSize(80, 140));
    QTest::mouseClick(w->imglegenda, Qt::RightButton, {}, QPoint(40, 40));
    QCOMPARE(w->Vlozit->toPlainText(), QString("120/45/3\n"));
    QVERIFY(!w->imglegenda->isVisible());

    ContextMenu(w->Kolca);
    QTest::mouseClick(w->imglegenda, Qt::RightButton, {}, QPoint(40, 70));
    QCOMPARE(w->Vlozit->toPlainText(), QString("120/45/3/5\n"));

    // The band edges.
    const struct {
      int y;
      const char* line;
    } bands[] = {{17, "1/1/1\n"}, {18, "1/1/2\n"}, {119, "1/1/7\n"}, {120, "1/1/8\n"}, {139, "1/1/8\n"}};
    for (const auto& b : bands) {
      w->Vlozit->setPlainText("1/1\n");
      ContextMenu(w->Kolca);
      QTest::mouseClick(w->imglegenda, Qt::RightButton, {}, QPoint(40, b.y));
      QCOMPARE(w->Vlozit->toPlainText(), QString(b.line));
    }

    // A left click closes both pictures; a right click on the colour codes
    // closes that one.
    ContextMenu(w->Kolca);
    QTest::mouseClick(w->Image7, Qt::RightButton, {}, QPoint(10, 10));
    QVERIFY(!w->Image7->isVisible());
    QVERIFY(w->imglegenda->isVisible());
    QTest::mouseClick(w->imglegenda, Qt::LeftButton, {}, QPoint(40, 40));
    QVERIFY(!w->imglegenda->isVisible());
    QCOMPARE(w->Vlozit->toPlainText(), QString("1/1/8\n"));
  }

  void contouredDiagram() {
    auto w = MakeWindow("en_GB.UTF-8");
    // Nothing to contour yet: the redraw button does nothing.
    w->contour_panel->SpeedButton2->click();
    QCOMPARE(w->settings().DiagramKind, velkar::stereonet::DiagramKind::PlottedData);

    QString text;
    for (int i = 0; i < 30; ++i) text += QString("%1/%2\n").arg(40 + i % 7).arg(30 + i % 5);
    w->Vlozit->setPlainText(text);
    w->VynesMemoClick();
    w->ToolBar1->ToolButton9->trigger();
    QVERIFY(w->ContouringRuns());
    w->ToolBar1->ToolButton9->trigger();  // a second command while one runs does nothing
    QTRY_VERIFY_WITH_TIMEOUT(!w->ContouringRuns(), 20000);
    QCOMPARE(w->settings().DiagramKind, velkar::stereonet::DiagramKind::Contoured);
    QCOMPARE(w->windowTitle(), QString("Velkar 1.6"));
    QVERIFY(!w->Metr->isVisible());
    QVERIFY(velkar::contour::HasGrid(w->density()));
    // The densest node sits on the cluster: the read-out shows its density.
    const QPoint peak(w->density().maximum_x, w->density().maximum_y);
    Move(w->Diaga, peak);
    QVERIFY2(Status(*w, 1).contains("      D: ") && Status(*w, 1).endsWith(" s"), qPrintable(Status(*w, 1)));
    // An option change redraws the contoured diagram, not the plot.
    const velkar::stereonet::Argb before = w->diagram().Pixel(peak.x(), peak.y());
    w->contour_panel->scheme_buttons[2]->click();
    QCOMPARE(w->settings().DiagramKind, velkar::stereonet::DiagramKind::Contoured);
    QVERIFY(w->diagram().Pixel(peak.x(), peak.y()) != before);
    w->contour_panel->DiskrChk->click();
    QCOMPARE(w->settings().DiagramKind, velkar::stereonet::DiagramKind::Contoured);
    // Plotting returns to the plotted data.
    w->VynesMemoClick();
    QCOMPARE(w->settings().DiagramKind, velkar::stereonet::DiagramKind::PlottedData);
  }

  void contourRefusals() {
    auto w = MakeWindow("en_GB.UTF-8");
    w->Vlozit->setPlainText("10/20/1\n30/40/2\n");
    w->kolca_items[3]->click();  // synoptic
    w->ToolBar1->ToolButton9->trigger();
    QVERIFY(!w->ContouringRuns());
    QCOMPARE(script_.errors.size(), 1);
    QCOMPARE(script_.errors.last(), QString("You can not contour mixed data!"));
    w->kolca_items[0]->click();
    w->contour_panel->zhlazeniTXT->setText("700");
    w->ToolBar1->ToolButton9->trigger();
    QVERIFY(!w->ContouringRuns());
    QCOMPARE(script_.errors.size(), 2);
    QCOMPARE(w->contour_panel->zhlazeniTXT->text(), QString("666"));
    QVERIFY(!velkar::contour::HasGrid(w->density()));  // nothing computed
    // "1% o" fixes the smoothing at 64.
    w->contour_panel->PevnCHK->click();
    QCOMPARE(w->contour_panel->zhlazeniTXT->text(), QString("64"));
    QVERIFY(!w->contour_panel->zhlazeniTXT->isEnabled());
  }

  void closingStopsTheComputation() {
    auto w = MakeWindow("en_GB.UTF-8");
    QString text;
    for (int i = 0; i < 3000; ++i) text += QString("%1/%2\n").arg(i % 360).arg(i % 90);
    w->Vlozit->setPlainText(text);
    w->VynesMemoClick();
    w->ToolBar1->ToolButton9->trigger();
    QVERIFY(w->ContouringRuns());
    w->close();  // must not hang or crash
    QVERIFY(!w->ContouringRuns());
  }

  void readOutAndClickToAdd() {
    auto w = MakeWindow();
    Move(w->Diaga, QPoint(248, 262));
    QCOMPARE(Status(*w, 1), QString("0/90    n: 180/0"));
    Move(w->Diaga, QPoint(5, 5));
    QCOMPARE(Status(*w, 1), QString(" "));
    Click(w->Diaga, QPoint(5, 5));  // outside the net: nothing
    QCOMPARE(w->Vlozit->toPlainText(), QString());

    // (190, 320) reads 225.000/60.124.
    Move(w->Diaga, QPoint(190, 320));
    Click(w->Diaga, QPoint(190, 320));
    QCOMPARE(w->Vlozit->toPlainText(), QString("225/60\n"));
    QCOMPARE(w->settings().DataCount, std::size_t{1});

    w->kolca_items[2]->click();  // poles: the plane whose pole is under the cursor
    Click(w->Diaga, QPoint(190, 320));
    QCOMPARE(w->Vlozit->toPlainText(), QString("225/60\n45/30\n"));

    // After a line without a line end the new line starts a line of its own.
    w->Vlozit->setPlainText("10/10");
    w->kolca_items[0]->click();
    Click(w->Diaga, QPoint(190, 320));
    QCOMPARE(w->Vlozit->toPlainText(), QString("10/10\n225/60\n"));
  }

  void eraser() {
    auto w = MakeWindow();
    // The wheel sets the eraser's size, at least 1.
    Wheel(w->Diaga, 120);
    QCOMPARE(w->settings().EraserRadius, 9);
    Wheel(w.get(), -240);
    QCOMPARE(w->settings().EraserRadius, 7);
    for (int i = 0; i < 10; ++i) Wheel(w->Diaga, -120);
    QCOMPARE(w->settings().EraserRadius, 1);
    Wheel(w->Diaga, -120);
    QCOMPARE(w->settings().EraserRadius, 1);
    for (int i = 0; i < 7; ++i) Wheel(w->Diaga, 120);
    QCOMPARE(w->settings().EraserRadius, 8);

    // Two data on one point go with one click; 120/45 is drawn at (353, 323).
    w->Vlozit->setPlainText("120/45\n300/10\n120/45/6\n");
    w->ToolBar1->ToolButton10->trigger();
    QVERIFY(w->EraserOn());
    QCOMPARE(w->Diaga->cursor().shape(), Qt::BlankCursor);
    Move(w->Diaga, QPoint(353, 323));
    Click(w->Diaga, QPoint(353, 323));
    QCOMPARE(w->Vlozit->toPlainText(), QString("300/10\n"));
    QCOMPARE(w->settings().DataCount, std::size_t{1});

    // Dragging with the left button erases along the way.
    w->Vlozit->setPlainText("120/45\n300/10\n0/90\n");
    Move(w->Diaga, QPoint(248, 262), Qt::LeftButton);
    Move(w->Diaga, QPoint(353, 323), Qt::LeftButton);
    QCOMPARE(w->Vlozit->toPlainText(), QString("300/10\n"));

    // A click does not add data while the eraser is on; off again, it does.
    Click(w->Diaga, QPoint(190, 320));
    QCOMPARE(w->Vlozit->toPlainText(), QString("300/10\n"));
    w->ToolBar1->ToolButton10->trigger();
    QVERIFY(!w->EraserOn());
    QCOMPARE(w->Diaga->cursor().shape(), Qt::ArrowCursor);
    Move(w->Diaga, QPoint(190, 320));
    Click(w->Diaga, QPoint(190, 320));
    QCOMPARE(w->Vlozit->toPlainText(), QString("300/10\n225/60\n"));

    // New switches the eraser off.
    w->ToolBar1->ToolButton10->trigger();
    w->ToolBar1->ToolButton2->trigger();
    QVERIFY(!w->EraserOn());
    QCOMPARE(w->Vlozit->toPlainText(), QString());
  }

  void angleTool() {
    auto w = MakeWindow();
    // From 0/0 (the north point of the rim) to 90/0 and to 180/0.
    Move(w->Diaga, QPoint(248, 37), Qt::MiddleButton);
    Move(w->Diaga, QPoint(473, 262), Qt::MiddleButton);
    QVERIFY(w->ImLabel9->isVisible());
    QCOMPARE(w->Label9->text(), QString("90 °"));
    QCOMPARE(w->ImLabel9->pos(), QPoint(488, 277));
    QCOMPARE(w->ImLabel9->width(), w->Label9->width());
    QVERIFY(w->Puntred->isVisible());
    QCOMPARE(w->Puntred->pos(), QPoint(244, 34));  // the projection (247.5, 37.5) less (4, 4)
    Move(w->Diaga, QPoint(248, 487), Qt::MiddleButton);
    QCOMPARE(w->Label9->text(), QString("180 °"));
    // Without the middle button the tool ends.
    Move(w->Diaga, QPoint(248, 487));
    QVERIFY(!w->ImLabel9->isVisible());
    QVERIFY(!w->Puntred->isVisible());
    // The middle button never adds data.
    QCOMPARE(w->Vlozit->toPlainText(), QString());
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
