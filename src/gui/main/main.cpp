// velkar: the desktop program. Start-up creates the main window and the four
// other windows in their fixed order and runs the message loop until the
// main window closes. A data file named on the command line (as a desktop's
// "Open with" passes it) is opened as the Open command would.
#include <QApplication>
#include <QIcon>
#include <QStringList>

#include "gui/digitizer/digitizer_window.hpp"
#include "gui/folds/fold_window.hpp"
#include "gui/common/font_holder.hpp"
#include "gui/main/main_window.hpp"
#include "gui/trendmap/trend_map_window.hpp"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("velkar"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/velkar.svg")));
  QApplication::setDesktopFileName(QStringLiteral("velkar"));
  // Hidden work windows must not keep the program alive.
  app.setQuitOnLastWindowClosed(false);

  using namespace velkar::gui;
  TVynSoub main_window;
  TMedRA font_holder;
  TMapa digitizer(main_window.settings());
  TVras folds(main_window.settings());
  TArc trend_map(main_window.settings());
  main_window.AttachWorkWindows(&digitizer, &folds, &trend_map);
  QObject::connect(&main_window, &TVynSoub::closed, &app, &QApplication::quit);

  main_window.show();
  const QStringList arguments = QApplication::arguments();
  if (arguments.size() > 1) main_window.OpenFile(arguments.at(1));
  return app.exec();
}
