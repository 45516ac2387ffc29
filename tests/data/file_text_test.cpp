#include "data/file_text.hpp"

#include <gtest/gtest.h>
#include <iconv.h>

#include <optional>
#include <string>
#include <string_view>

#include "data/data_text.hpp"

namespace velkar::data {
namespace {

TEST(FileText, Utf8Validity) {
  struct Case {
    std::string bytes;
    bool valid;
  };
  const Case cases[] = {
      {"", true},
      {"120/45\n", true},
      {"Nov\xC3\xBD.txt", true},             // ý
      {"\xE2\x82\xAC", true},                // €
      {"\xF0\x9F\x99\x82", true},            // U+1F642
      {"\xF4\x8F\xBF\xBF", true},            // U+10FFFF
      {"\xC3", false},                       // cut off
      {"\xE2\x82", false},                   // cut off
      {"\xC0\xAF", false},                   // overlong '/'
      {"\xE0\x80\xAF", false},               // overlong '/'
      {"\xF0\x80\x80\xAF", false},           // overlong '/'
      {"\xED\xA0\x80", false},               // a UTF-16 surrogate
      {"\xF4\x90\x80\x80", false},           // above U+10FFFF
      {"\x80", false},                       // lone continuation byte
      {"\xFF", false},
      {"\xC3\x28", false},                   // lead without its continuation
      {"p\xF8\xEDklad", false},              // "příklad" in Windows-1250
      {"120/45;\n\xC3\xBD", true},            // eight ASCII bytes, then a letter
      {"120/45;\n\xC3", false},                // eight ASCII bytes, then a cut-off letter
      {"120/45;\n120/45;\xFF", false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsValidUtf8(c.bytes), c.valid) << testing::PrintToString(c.bytes);
}

TEST(FileText, Cp1250Letters) {
  struct Case {
    std::string cp1250;
    std::string utf8;
  };
  const Case cases[] = {
      {"\xE8\xEC\xF8\x9A\x9E\xFD\xE1\xED\xE9\xF9\xFA\xEF\x9D\xF2", "čěřšžýáíéůúďťň"},
      {"\xC8\xCC\xD8\x8A\x8E\xDD\xC1\xCD\xC9\xD9\xDA\xCF\x8D\xD2", "ČĚŘŠŽÝÁÍÉŮÚĎŤŇ"},
      {"\xB0\x80\x84\x93\x96\xA0", "°€„“–\u00A0"},
      {"\xA3\xB3\xA5\xB9\xBC\xBE\xFF", "ŁłĄąĽľ˙"},
      {"\x81\x83\x88\x90\x98", "\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD"},  // undefined in the code page
      {"120/45\r\n", "120/45\r\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(Cp1250ToUtf8(c.cp1250), c.utf8);
}

// The whole upper half of the table against the system's converter, where
// the system has one.
TEST(FileText, Cp1250TableMatchesSystemConverter) {
  iconv_t cd = iconv_open("UTF-8", "CP1250");
  if (cd == reinterpret_cast<iconv_t>(-1)) GTEST_SKIP() << "no CP1250 converter on this system";
  for (int b = 0x80; b <= 0xFF; ++b) {
    char in[1] = {static_cast<char>(b)};
    char out[8] = {};
    char* in_p = in;
    char* out_p = out;
    std::size_t in_left = 1, out_left = sizeof out;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    const bool converted = iconv(cd, &in_p, &in_left, &out_p, &out_left) != static_cast<std::size_t>(-1);
    const std::string expected = converted ? std::string(out, sizeof out - out_left) : "\uFFFD";
    EXPECT_EQ(Cp1250ToUtf8(std::string(1, static_cast<char>(b))), expected) << "byte " << b;
  }
  iconv_close(cd);
}

TEST(FileText, DecodeChoosesTheEncoding) {
  EXPECT_EQ(DecodeFileText("\xEF\xBB\xBF" "120/45\n"), "120/45\n");      // byte-order mark dropped
  EXPECT_EQ(DecodeFileText("azimut/sm\xC4\x9Br\n"), "azimut/směr\n");   // UTF-8 kept
  EXPECT_EQ(DecodeFileText("azimut/sm\xECr\n"), "azimut/směr\n");       // Windows-1250
  EXPECT_EQ(DecodeFileText("\xEF\xBB\xBF" "sm\xECr"), "ď»żsměr");        // not UTF-8: the mark is cp1250 too
  EXPECT_EQ(DecodeFileText(""), "");
}

TEST(FileText, LineEnds) {
  EXPECT_EQ(NormaliseLineEnds("1/2\r\n3/4\r\n"), "1/2\n3/4\n");
  EXPECT_EQ(NormaliseLineEnds("1/2\r3/4\n5/6"), "1/2\n3/4\n5/6");
  EXPECT_EQ(NormaliseLineEnds("\r\n\r\n"), "\n\n");
  EXPECT_EQ(NormaliseLineEnds("1/2\r"), "1/2\n");
}

// Every front end reads a file through DataTextFromFileBytes; a reader may
// use the bytes where they lie only where they hold exactly that text.
TEST(FileText, DataTextFromFileBytes) {
  struct Case {
    std::string bytes;
    std::string text;
    bool in_place;
  };
  const Case cases[] = {
      {"", "", true},
      {"120/45\n-10/5\n", "120/45\n-10/5\n", true},
      {"\xEF\xBB\xBF" "120/45\n130/50\n", "120/45\n130/50\n", true},      // byte-order mark dropped
      {"Azimuth/Dip\n\n120/45\n", "120/45\n", true},                        // a header is no datum
      {"Sm\xC4\x9Br/sklon\n120/45\n", "120/45\n", true},
      {"\xEF\xBB\xBF" "Azimuth/Dip\n120/45\n", "120/45\n", true},
      {"10/20\r30/40\r50/60\r70/80", "10/20\n30/40\n50/60\n70/80\n", false},  // lone CR ends a line
      {"10/20\r\n30/40\r\n", "10/20\n30/40\n", false},
      {"10/20\r\r\n30/40", "10/20\n30/40\n", false},                       // CR then CR LF: an empty line
      {"120/45\n\n \n+5/5\n.5/5\n130/50\n", "120/45\n130/50\n", false},   // empty, blank, '+', '.'
      {"120/45", "120/45\n", false},                                        // the last line gets its LF
      {"Sm\xECr/sklon\n120/45/\xE8\n", "120/45/\xC4\x8D\n", false},         // Windows-1250 to UTF-8
      {"120/45\n1/2/\xC3\n", "120/45\n1/2/\xC4\x82\n", false},              // cut-off UTF-8: Windows-1250
      {"\xEF\xBB\xBF" "120/45\n\xE8\n", "", false},                          // not UTF-8: the mark is text, as in Open
      {"120/45\n\xEF\xBB\xBF" "130/50\n", "120/45\n", false},               // a mark inside is text
  };
  for (const Case& c : cases) {
    const std::string shown = testing::PrintToString(c.bytes);
    EXPECT_EQ(DataTextFromFileBytes(c.bytes), c.text) << shown;
    const std::optional<std::string_view> in_place = DataTextInPlace(c.bytes);
    EXPECT_EQ(in_place.has_value(), c.in_place) << shown;
    EXPECT_EQ(in_place.value_or(c.text), FilterDataText(FileTextFromBytes(c.bytes))) << shown;
  }
  // Raw: decoded with LF line ends, every line kept.
  EXPECT_EQ(FileTextFromBytes("\xEF\xBB\xBF" "Azimuth/Dip\r\n\r\n120/45\r"), "Azimuth/Dip\n\n120/45\n");
  EXPECT_EQ(FileTextFromBytes("Sm\xECr\n"), "Sm\xC4\x9Br\n");
}

}  // namespace
}  // namespace velkar::data
