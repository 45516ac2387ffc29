#include "gui/main/main_toolbar.hpp"

#include <QAction>
#include <QIcon>
#include <QToolButton>

#include "gui/common/qt_text.hpp"
#include "gui/main/main_window.hpp"

namespace velkar::gui {

namespace {
constexpr int kButtonWidth = 35;
constexpr int kButtonHeight = 34;
constexpr int kPictureSize = 28;
constexpr char kEraserName[] = "ToolButton10";

QIcon Picture(const char* name) { return QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name))); }
}  // namespace

MainToolBar::MainToolBar(std::span<const ToolbarRow> rows, TVynSoub* window) : QToolBar(window), rows_(rows) {
  setObjectName("ToolBar1");
  setMovable(false);
  setFloatable(false);
  setIconSize(QSize(kPictureSize, kPictureSize));
  setToolButtonStyle(Qt::ToolButtonIconOnly);
  setContextMenuPolicy(Qt::PreventContextMenu);

  for (const ToolbarRow& row : rows) {
    if (row.flags & ToolbarRow::kSeparatorBefore) addSeparator();
    QAction* action = addAction(Picture(row.picture), QString());
    action->setObjectName(QLatin1String(row.name));
    auto* button = qobject_cast<QToolButton*>(widgetForAction(action));
    button->setObjectName(QLatin1String(row.name));
    button->setFixedSize(kButtonWidth, kButtonHeight);
    action->setCheckable(row.flags & ToolbarRow::kCheckable);
    if (row.shortcut.key() != Qt::Key_unknown) action->setShortcut(QKeySequence(row.shortcut));
    action->setEnabled(row.handler != nullptr && !(row.flags & ToolbarRow::kDisabled));
    if (row.handler) connect(action, &QAction::triggered, window, row.handler);
    if (row.right_handler) {
      button->setContextMenuPolicy(Qt::CustomContextMenu);
      connect(button, &QWidget::customContextMenuRequested, window, row.right_handler);
    }
    // Visibility last: a hidden action's button is not laid out.
    action->setVisible(!(row.flags & ToolbarRow::kHidden));
  }
}

void MainToolBar::SetHints(Language language) {
  for (const ToolbarRow& row : rows_) {
    QAction* action = Action(row.name);
    if (const auto text = row.menu_text ? row.menu_text : row.hint) action->setText(QText(*text, language));
    if (!row.hint) continue;
    QString hint = QText(*row.hint, language);
    if (!row.handler) hint += QLatin1Char('\n') + QText(CaptionId::NotAvailableYet, language);
    action->setToolTip(hint);
  }
}

void MainToolBar::SetEraserPicture(bool on) {
  QAction* eraser = Action(kEraserName);
  eraser->setIcon(Picture(on ? "eraseron" : "eraser"));
  eraser->setChecked(on);
}

QAction* MainToolBar::Action(const char* name) const { return findChild<QAction*>(QLatin1String(name)); }

}  // namespace velkar::gui
