// Test support: one picture with every kind of shape, as the plot command
// would draw it, and small helpers to run the external viewers.
#pragma once

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "export/emf_primitives.hpp"

namespace velkar::export_::testing {

// Net disc, frame, one symbol of each shape, a great circle, a ring, a point,
// a poly-polygon square with a square hole, an arc and a line of text.
inline VectorPicture SamplePicture() {
  VectorPicture p;
  EmfNetDisc(p);
  EmfFrame(p, kFrameAll);
  p.SetFont(Font{"Arial", -400, 400, {0, 0, 0}});
  p.AddText({9500, 11000}, "n = 12");
  EmfSymbol(p, SymbolShape::kCircle, {45, 30}, {200, 0, 0}, true, 48);
  EmfSymbol(p, SymbolShape::kTriangle, {135, 20}, {0, 128, 0}, false, 54);
  EmfSymbol(p, SymbolShape::kSquare, {225, 60}, {0, 0, 255}, true, 48);
  EmfSymbol(p, SymbolShape::kDiamond, {315, 10}, {0, 0, 0}, false, 66);
  EmfGreatCircle(p, {90, 30}, {0, 0, 0});
  EmfRing(p, {300, 60}, {0, 0, 0});
  EmfPoint(p, {10, 80}, {0, 0, 0}, 40);
  p.SetPen(20, {0, 0, 0});
  p.SetBrush({255, 200, 0});
  const Point rings[] = {{1000, 1000}, {3000, 1000}, {3000, 3000}, {1000, 3000},
                         {1500, 1500}, {2500, 1500}, {2500, 2500}, {1500, 2500}};
  const std::uint32_t sizes[] = {4, 4};
  p.AddPolyPolygon(rings, sizes);
  p.SetPen(30, {0, 0, 200});
  p.AddArc({9000, 9000, 11000, 11000}, {11000, 10000}, {10000, 9000});
  return p;
}

// What SamplePicture draws.
inline constexpr int kSampleEllipses = 5;   // disc, net circle, circle symbol, ring, point
inline constexpr int kSamplePolygons = 3;   // triangle, square, diamond
inline constexpr int kSamplePolylines = 8;  // 7 frame lines and the great circle
inline constexpr int kSamplePolyPolygons = 1;
inline constexpr int kSampleArcs = 1;
inline constexpr int kSampleTexts = 1;

inline bool OnPath(const std::string& tool) {
  return std::system(("command -v " + tool + " >/dev/null 2>&1").c_str()) == 0;
}

inline bool RunCommand(const std::string& command) { return std::system(command.c_str()) == 0; }

inline void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::size_t CountOf(const std::string& text, const std::string& what) {
  std::size_t n = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

}  // namespace velkar::export_::testing
