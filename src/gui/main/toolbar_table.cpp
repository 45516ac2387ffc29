// The main window's toolbar, left to right: name, picture, hint, command.
#include "gui/main/main_toolbar.hpp"
#include "gui/main/main_window.hpp"

namespace velkar::gui {

namespace {

using C = CaptionId;
using R = ToolbarRow;
using W = TVynSoub;

const ToolbarRow kRows[] = {
    {"ToolButton2", "new", C::HintNewFile, &W::NewFile, nullptr, R::kNone, Qt::CTRL | Qt::Key_N},
    {"Button8", "open", C::HintOpenFile, &W::OpenFileDialog, nullptr, R::kNone, Qt::CTRL | Qt::Key_O},
    {"Button4", "save", C::HintSaveFile, &W::SaveFileDialog, nullptr, R::kNone, Qt::CTRL | Qt::Key_S},
    {"ToolButton23", "undo", C::HintUndoData, &W::UndoDataEdit},
    {"VynesMemo", "plot", C::HintPlotData, &W::VynesMemoClick, &W::DirectionCosines, R::kSeparatorBefore},
    {"ToolButton9", "contour", C::HintContouredPlot, &W::ToolButton9Click},
    {"ToolButton11", "rose", C::HintRosePlot},
    {"Button7", "normals", C::HintDipLinesToNormals, nullptr, nullptr, R::kSeparatorBefore},
    {"ToolButton8", "foldaxes", C::HintFoldAxes},
    {"ToolButton16", "twolineplanes", C::HintPlanesFromTwoLines, nullptr, nullptr, R::kHidden},
    {"ToolButton6", "eigenrotate", C::HintRotateEigenvectors},
    {"ToolButton13", "maxima", std::nullopt, nullptr, nullptr, R::kNone, Qt::Key_unknown, C::MenuFindMaxima},
    {"ToolButton12", "manualrotation", C::HintManualRotation},
    {"Undoton", "undorotation", C::HintUndoRotation, nullptr, nullptr, R::kHidden},
    // The disabled stand-in of the rotation's undo.
    {"antiundoton", "undorotation", C::HintUndoRotation},
    {"ToolButton7", "mapsymbols", C::HintMapSymbols, nullptr, nullptr, R::kHidden},
    {"Udelejtecky", "commas", C::HintCommasToDots, &W::CommasToPoints},
    {"ToolButton10", "eraser", C::HintEraseData, &W::ToolButton10Click, nullptr, R::kCheckable},
    {"ClipBtn", "clipemf", C::HintCopyEmf, nullptr, nullptr, R::kSeparatorBefore},
    {"ToolButton5", "clipbmp", C::HintCopyBmp},
    // The work windows exist with their captions; their buttons open them
    // once the windows have their content.
    {"Button1", "digitize", C::HintDigitize, &W::ShowDigitizer, nullptr, R::kSeparatorBefore | R::kDisabled},
    {"ToolButton17", "foldanalysis", C::FoldAnalysis, &W::ShowFoldAnalysis, nullptr, R::kDisabled},
    {"ToolButton18", "trendmap", C::HintTrendMap, &W::ShowTrendMap, nullptr, R::kDisabled},
    // Three buttons that do nothing.
    {"spare", "spare", std::nullopt},
    {"spare", "spare", std::nullopt},
    {"spare", "spare", std::nullopt},
    {"ToolButton19", "clock", C::HintTectonicClock, nullptr, nullptr, R::kSeparatorBefore},
    {"ToolButton20", "about", C::HintAbout, &W::ToolButton20Click, nullptr, R::kNone, Qt::Key_F1},
};

}  // namespace

std::span<const ToolbarRow> MainToolbarRows() { return kRows; }

}  // namespace velkar::gui
