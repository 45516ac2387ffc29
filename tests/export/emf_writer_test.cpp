#include "export/emf_writer.hpp"

#include <gtest/gtest.h>
#include <unistd.h>

#include <map>
#include <regex>
#include <set>

#include "sample_picture.hpp"

namespace velkar::export_ {
namespace {

using testing::CountOf;
using testing::OnPath;
using testing::ReadFile;
using testing::RunCommand;
using testing::SamplePicture;
using testing::WriteFile;

// Record types the tests look for.
constexpr std::uint32_t kHeader = 1;
constexpr std::uint32_t kPolyline32 = 4;
constexpr std::uint32_t kEof = 14;
constexpr std::uint32_t kSetPolyFillMode = 19;
constexpr std::uint32_t kSetTextColor = 24;
constexpr std::uint32_t kSelectObject = 37;
constexpr std::uint32_t kCreateBrush = 39;
constexpr std::uint32_t kDeleteObject = 40;
constexpr std::uint32_t kEllipse = 42;
constexpr std::uint32_t kArc = 45;
constexpr std::uint32_t kCreateFont = 82;
constexpr std::uint32_t kExtTextOutW = 84;
constexpr std::uint32_t kPolygon16 = 86;
constexpr std::uint32_t kPolyline16 = 87;
constexpr std::uint32_t kPolyPolygon16 = 91;
constexpr std::uint32_t kExtCreatePen = 95;

std::uint32_t U32(const std::string& b, std::size_t at) {
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(b[at + i]);
  return v;
}
std::int32_t I32(const std::string& b, std::size_t at) { return static_cast<std::int32_t>(U32(b, at)); }
std::int16_t I16(const std::string& b, std::size_t at) {
  return static_cast<std::int16_t>(static_cast<unsigned char>(b[at]) |
                                   (static_cast<unsigned char>(b[at + 1]) << 8));
}

struct Record {
  std::uint32_t type;
  std::size_t at;  // offset in the file
  std::uint32_t size;
};

// Splits the file into records, checking sizes and alignment on the way.
std::vector<Record> Records(const std::string& emf) {
  std::vector<Record> records;
  std::size_t at = 0;
  while (at + 8 <= emf.size()) {
    const Record r{U32(emf, at), at, U32(emf, at + 4)};
    EXPECT_GE(r.size, 8u);
    EXPECT_EQ(r.size % 4, 0u) << "record " << records.size();
    if (r.size < 8 || at + r.size > emf.size()) {
      ADD_FAILURE() << "record " << records.size() << " runs past the end";
      break;
    }
    records.push_back(r);
    at += r.size;
  }
  EXPECT_EQ(at, emf.size());
  return records;
}

std::size_t CountType(const std::vector<Record>& records, std::uint32_t type) {
  return std::count_if(records.begin(), records.end(), [type](const Record& r) { return r.type == type; });
}

TEST(WriteEmf, HeaderDescribesTheFileAndTheFrame) {
  const std::string emf = WriteEmf(SamplePicture());
  const auto records = Records(emf);
  ASSERT_GE(records.size(), 2u);
  EXPECT_EQ(records.front().type, kHeader);
  EXPECT_EQ(records.front().size, 108u);
  EXPECT_EQ(records.back().type, kEof);
  EXPECT_EQ(records.back().size, 20u);
  for (std::size_t at : {8u, 24u}) {  // bounds, frame
    EXPECT_EQ(I32(emf, at), 0);
    EXPECT_EQ(I32(emf, at + 4), 0);
    EXPECT_EQ(I32(emf, at + 8), 12000);
    EXPECT_EQ(I32(emf, at + 12), 12000);
  }
  EXPECT_EQ(U32(emf, 40), 0x464D4520u);  // " EMF"
  EXPECT_EQ(U32(emf, 44), 0x10000u);
  EXPECT_EQ(U32(emf, 48), emf.size());
  EXPECT_EQ(U32(emf, 52), records.size());
  EXPECT_EQ(U32(emf, 60), 0u);  // no description
  EXPECT_EQ(U32(emf, 68), 0u);  // no palette
  // Reference device: 12000 pixels on 120 mm, a pixel per hundredth of a mm.
  EXPECT_EQ(I32(emf, 72), 12000);
  EXPECT_EQ(I32(emf, 76), 12000);
  EXPECT_EQ(I32(emf, 80), 120);
  EXPECT_EQ(I32(emf, 84), 120);
  EXPECT_EQ(I32(emf, 100), 120000);
  EXPECT_EQ(I32(emf, 104), 120000);
}

TEST(WriteEmf, OneRecordPerShapeAndObjectsKeptTidy) {
  const std::string emf = WriteEmf(SamplePicture());
  const auto records = Records(emf);
  EXPECT_EQ(CountType(records, kEllipse), static_cast<std::size_t>(testing::kSampleEllipses));
  EXPECT_EQ(CountType(records, kPolygon16), static_cast<std::size_t>(testing::kSamplePolygons));
  EXPECT_EQ(CountType(records, kPolyline16), static_cast<std::size_t>(testing::kSamplePolylines));
  EXPECT_EQ(CountType(records, kPolyPolygon16), static_cast<std::size_t>(testing::kSamplePolyPolygons));
  EXPECT_EQ(CountType(records, kArc), static_cast<std::size_t>(testing::kSampleArcs));
  EXPECT_EQ(CountType(records, kExtTextOutW), static_cast<std::size_t>(testing::kSampleTexts));
  EXPECT_EQ(CountType(records, kSetPolyFillMode), 1u);
  EXPECT_EQ(U32(emf, records[std::find_if(records.begin(), records.end(),
                                          [](const Record& r) { return r.type == kSetPolyFillMode; }) -
                             records.begin()]
                             .at +
                         8),
            1u);  // ALTERNATE

  // Every handle is created in a free slot below the header's handle count,
  // selected only while alive and deleted by the end.
  const std::uint32_t handles = static_cast<std::uint16_t>(U32(emf, 56));
  std::set<std::uint32_t> alive;
  for (const Record& r : records) {
    const std::uint32_t object = U32(emf, r.at + 8);
    if (r.type == kExtCreatePen || r.type == kCreateBrush || r.type == kCreateFont) {
      EXPECT_GT(object, 0u);
      EXPECT_LT(object, handles);
      EXPECT_TRUE(alive.insert(object).second) << "slot " << object << " reused while alive";
    } else if (r.type == kSelectObject) {
      if ((object & 0x80000000u) == 0) {
        EXPECT_TRUE(alive.count(object)) << "selected dead " << object;
      }
    } else if (r.type == kDeleteObject) {
      EXPECT_EQ(alive.erase(object), 1u);
    }
  }
  EXPECT_TRUE(alive.empty());
}

TEST(WriteEmf, PensBrushesAndShapesCarryTheirValues) {
  VectorPicture picture;
  EmfSymbol(picture, SymbolShape::kTriangle, {45, 0}, {200, 10, 20}, true, 54);
  const std::string emf = WriteEmf(picture);
  const auto records = Records(emf);
  std::map<std::uint32_t, Record> first;
  for (const Record& r : records) first.emplace(r.type, r);
  ASSERT_TRUE(first.count(kExtCreatePen));
  const std::size_t pen = first[kExtCreatePen].at;
  EXPECT_EQ(U32(emf, pen + 28), 0x00010000u);  // geometric, solid, round
  EXPECT_EQ(U32(emf, pen + 32), 10u);          // width
  EXPECT_EQ(U32(emf, pen + 40), 0x00140AC8u);  // 0x00bbggrr
  ASSERT_TRUE(first.count(kCreateBrush));
  const std::size_t brush = first[kCreateBrush].at;
  EXPECT_EQ(U32(emf, brush + 12), 0u);  // BS_SOLID
  EXPECT_EQ(U32(emf, brush + 16), 0x00140AC8u);
  ASSERT_TRUE(first.count(kPolygon16));
  const std::size_t polygon = first[kPolygon16].at;
  EXPECT_EQ(U32(emf, polygon + 24), 3u);
  const int expected[] = {9759, 2427, 9813, 2535, 9705, 2535};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(I16(emf, polygon + 28 + 2 * i), expected[i]);
  // Bounds of the points.
  EXPECT_EQ(I32(emf, polygon + 8), 9705);
  EXPECT_EQ(I32(emf, polygon + 12), 2427);
  EXPECT_EQ(I32(emf, polygon + 16), 9813);
  EXPECT_EQ(I32(emf, polygon + 20), 2535);
}

TEST(WriteEmf, PointsBeyondSixteenBitsUseTheWideRecord) {
  VectorPicture picture;
  const Point line[] = {{0, 0}, {40000, -5}};
  picture.AddPolyline(line);
  const std::string emf = WriteEmf(picture);
  const auto records = Records(emf);
  ASSERT_EQ(CountType(records, kPolyline32), 1u);
  EXPECT_EQ(CountType(records, kPolyline16), 0u);
  const std::size_t at =
      std::find_if(records.begin(), records.end(), [](const Record& r) { return r.type == kPolyline32; })->at;
  EXPECT_EQ(I32(emf, at + 36), 40000);
  EXPECT_EQ(I32(emf, at + 40), -5);
}

TEST(WriteEmf, TextInUtf16WithOneAdvancePerUnit) {
  VectorPicture picture;
  picture.SetFont(Font{"Arial", -300, 400, {0, 0, 255}});
  picture.AddText({9500, 11000}, "n = \xC5\xBE\xF0\x9F\x99\x82");  // "n = " z-caron, an emoji
  const std::string emf = WriteEmf(picture);
  const auto records = Records(emf);
  ASSERT_EQ(CountType(records, kCreateFont), 1u);
  ASSERT_EQ(CountType(records, kSetTextColor), 1u);
  const auto find = [&](std::uint32_t type) {
    return std::find_if(records.begin(), records.end(), [type](const Record& r) { return r.type == type; })
        ->at;
  };
  const std::size_t font = find(kCreateFont);
  EXPECT_EQ(I32(emf, font + 12), -300);  // em height
  EXPECT_EQ(I32(emf, font + 28), 400);   // weight
  EXPECT_EQ(I16(emf, font + 40), 'A');   // face name "Arial"
  EXPECT_EQ(U32(emf, find(kSetTextColor) + 8), 0x00FF0000u);

  const std::size_t t = find(kExtTextOutW);
  EXPECT_EQ(I32(emf, t + 36), 9500);  // reference point
  EXPECT_EQ(I32(emf, t + 40), 11000);
  const std::uint32_t chars = U32(emf, t + 44);
  const std::uint32_t off_string = U32(emf, t + 48);
  const std::uint32_t off_dx = U32(emf, t + 72);
  ASSERT_EQ(chars, 7u);  // 4 + 1 + a surrogate pair
  const std::u16string expected = u"n = \u017E\U0001F642";
  for (std::uint32_t i = 0; i < chars; ++i)
    EXPECT_EQ(static_cast<char16_t>(I16(emf, t + off_string + 2 * i)), expected[i]);
  EXPECT_EQ(off_dx % 4, 0u);
  EXPECT_GE(off_dx, off_string + 2 * chars);
  EXPECT_EQ(off_dx + 4 * chars, U32(emf, t + 4));
  std::int32_t total = 0;
  for (std::uint32_t i = 0; i < chars; ++i) total += I32(emf, t + off_dx + 4 * i);
  EXPECT_EQ(I32(emf, t + off_dx + 4 * 6), 0);  // the low surrogate adds nothing
  // "n = " and two letters of a 300-unit font: some 600 to 1500 units long.
  EXPECT_GT(total, 600);
  EXPECT_LT(total, 1500);
}

// The same picture as an independent reader sees it.
class ConvertedEmf : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!OnPath("emf2svg-conv")) GTEST_SKIP() << "emf2svg-conv is not installed";
    emf_ = WriteEmf(SamplePicture());
    const std::string base = ::testing::TempDir() + "velkar_emf_" + std::to_string(getpid());
    WriteFile(base + ".emf", emf_);
    ASSERT_TRUE(RunCommand("emf2svg-conv -i " + base + ".emf -o " + base + ".svg"));
    svg_ = ReadFile(base + ".svg");
    std::remove((base + ".emf").c_str());
    std::remove((base + ".svg").c_str());
    // The reader draws the bounds on as many pixels as the reference device
    // is wide.
    scale_ = static_cast<double>(I32(emf_, 72)) / (I32(emf_, 16) - I32(emf_, 8));
  }

  // Paths of the converted picture: closed ones are polygons, those with an
  // elliptic segment arcs, the rest polylines.
  std::vector<std::string> Paths() const {
    std::vector<std::string> paths;
    const std::regex path("<path d=\"([^\"]*)\"");
    for (auto it = std::sregex_iterator(svg_.begin(), svg_.end(), path); it != std::sregex_iterator(); ++it) {
      paths.push_back((*it)[1]);
    }
    return paths;
  }

  std::string emf_;
  std::string svg_;
  double scale_ = 1;
};

TEST_F(ConvertedEmf, ShowsTheSameShapes) {
  EXPECT_EQ(CountOf(svg_, "<ellipse "), static_cast<std::size_t>(testing::kSampleEllipses));
  int polygons = 0, poly_polygons = 0, polylines = 0, arcs = 0;
  for (const std::string& d : Paths()) {
    const std::size_t closes = CountOf(d, "Z");
    if (d.find(" A ") != std::string::npos) {
      ++arcs;
    } else if (closes == 1) {
      ++polygons;
    } else if (closes > 1) {
      ++poly_polygons;
    } else {
      ++polylines;
    }
  }
  EXPECT_EQ(polygons, testing::kSamplePolygons);
  EXPECT_EQ(poly_polygons, testing::kSamplePolyPolygons);
  EXPECT_EQ(polylines, testing::kSamplePolylines);
  EXPECT_EQ(arcs, testing::kSampleArcs);
  EXPECT_EQ(CountOf(svg_, "<text "), static_cast<std::size_t>(testing::kSampleTexts));
  EXPECT_NE(svg_.find("n = 12"), std::string::npos);
  EXPECT_NE(svg_.find("font-family=\"Arial\""), std::string::npos);
}

TEST_F(ConvertedEmf, CoordinatesAndPensSurviveTheRoundTrip) {
  auto number = [this](double v) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.4f", v * scale_);
    return std::string(buffer);
  };
  // The net circle, with its pen.
  EXPECT_NE(svg_.find("<ellipse cx=\"" + number(5940) + "\" cy=\"" + number(6300) + "\" rx=\"" +
                      number(5400) + "\" ry=\"" + number(5400) +
                      "\" fill=\"none\" stroke=\"#000000\" stroke-width=\"" + number(40) + "\""),
            std::string::npos)
      << svg_.substr(0, 1500);
  // The great circle, every one of its 91 points.
  std::string expected;
  for (const Point& p : GreatCirclePoints({90, 30})) {
    expected += (expected.empty() ? "M " : "L ") + number(p.x) + "," + number(p.y) + " ";
  }
  const std::size_t gc = svg_.find("<path d=\"" + expected + "\"");
  ASSERT_NE(gc, std::string::npos);
  EXPECT_NE(svg_.find("stroke-width=\"" + number(20) + "\"", gc), std::string::npos);
  // The filled blue square symbol.
  const Point s = EmfProject({225, 60});
  EXPECT_NE(svg_.find("M " + number(s.x - 48) + "," + number(s.y - 48) + " L " + number(s.x + 48) + "," +
                      number(s.y - 48)),
            std::string::npos);
  EXPECT_NE(svg_.find("fill=\"#0000FF\""), std::string::npos);
}

}  // namespace
}  // namespace velkar::export_
