#include <gtest/gtest.h>

#include <array>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <random>
#include <vector>

#include "framework/core/arrays.hpp"
#include "framework/core/date.hpp"
#include "framework/core/text.hpp"
#include "framework/core/text_stream.hpp"

using namespace framework;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(Val, ReadsTheNumberAtTheStartOfTheText) {
  struct Case {
    const char* text;
    double expected;
  };
  const Case cases[] = {
      {"12abc", 12.0},
      {" 7", 7.0},
      {"-0.5", -0.5},
      {"abc", 0.0},
      {"", 0.0},
      {"+3", 3.0},
      {".25", 0.25},
      {"5.", 5.0},
      {"1e3", 1000.0},
      {"2.5E-2", 0.025},
      {"1e", 1.0},
      {"1e+", 1.0},
      {"7e2x", 700.0},
      {"-", 0.0},
      {".", 0.0},
      {"0x1A", 0.0},
      {"inf", 0.0},
      {"nan", 0.0},
      {"\t5", 0.0},
      {"1,5", 1.0},
      {"  -12.5e1z", -125.0},
      {"099", 99.0},
      {"1e-999", 0.0},
      // Whole numbers up to fifteen digits take a road of their own; longer ones do not.
      {"123456789012345", 123456789012345.0},
      {"-0099", -99.0},
      {"-0", 0.0},
      {"1234567890123456789", 1234567890123456789.0},
  };
  for (const Case& c : cases) EXPECT_EQ(Val(c.text), c.expected) << '"' << c.text << '"';
}

TEST(Val, GivesAnInfinityBeyondTheDoubleRange) {
  EXPECT_EQ(Val("1e999"), kInf);
  EXPECT_EQ(Val("-1e999"), -kInf);
  EXPECT_EQ(Val(std::string(400, '9')), kInf);
}

TEST(Str, GivesTheShortestTextWithAtMostSevenDigits) {
  struct Case {
    double value;
    const char* expected;
  };
  const Case cases[] = {
      {99.0, "99"},         {2.7, "2.7"},        {-0.5, "-0.5"},    {0.0, "0"},
      {-0.0, "0"},          {100.0, "100"},      {1234567.0, "1234567"},
      {1.0 / 3.0, "0.3333333"}, {123.456789, "123.4568"}, {kInf, "INF"}, {-kInf, "-INF"},
      {kNaN, "NAN"},
  };
  for (const Case& c : cases) EXPECT_EQ(Str(c.value), c.expected) << c.value;
  EXPECT_EQ(Str(int64_t{-42}), "-42");
  EXPECT_EQ(Str(int64_t{9999}), "9999");
}

// printf's "%.7g" in the C locale is the definition of the default text of a Double; Str must
// give it for whole numbers, short decimals, long fractions and any bit pattern alike.
TEST(Str, AgreesWithSevenSignificantDigitsOfPrintf) {
  std::mt19937_64 random(20261210);
  std::vector<double> values = {1e6,       1e7,        9999999.0, 10000001.0, 1234567.5, 0.0001,
                                0.00001,   1e-5 * 1.5, 123456.75, 99999995.0, 0.1 + 0.2, 1.0 / 3.0,
                                9999999.5, 0.99999995, 4.35,      -2.675};
  for (int i = 0; i < 100000; ++i) {
    // A decimal of up to nine digits at some power of ten, as scores in a file are written.
    const auto mantissa = static_cast<double>(random() % 1000000000);
    const int exponent = static_cast<int>(random() % 25) - 12;
    const double sign = random() % 2 == 0 ? 1.0 : -1.0;
    values.push_back(sign * mantissa * std::pow(10.0, exponent));
    // Any finite Double at all.
    const uint64_t bits = random();
    double any = 0.0;
    std::memcpy(&any, &bits, sizeof any);
    if (std::isfinite(any)) values.push_back(any);
  }
  int mismatches = 0;
  for (double value : values) {
    if (value == 0.0) continue;
    std::array<char, 64> expected{};
    std::snprintf(expected.data(), expected.size(), "%.7g", value);
    if (Str(value) != expected.data() && ++mismatches <= 10) {
      ADD_FAILURE() << std::hexfloat << value << ": " << Str(value) << " against "
                    << expected.data();
    }
  }
  EXPECT_EQ(mismatches, 0);
}

TEST(Format, RendersEachMaskOfTheReport) {
  struct Case {
    double value;
    const char* mask;
    const char* expected;
  };
  const Case cases[] = {
      {0.726, "#########.00", ".73"},      {0.726, "#########.000", ".726"},
      {0.726, "-#########.000", ".726"},   {0.726, "-.000", ".726"},
      {0.726, ".0000", ".7260"},           {-1.78, "#########.00", "-1.78"},
      {-1.78, "#########.000", "-1.780"},  {-1.78, "-#########.000", "-1.780"},
      {-1.78, "-.000", "-1.780"},          {-1.78, ".0000", "-1.7800"},
      {0.0130, "#########.00", ".01"},     {0.0130, "#########.000", ".013"},
      {0.0130, "-#########.000", ".013"},  {0.0130, "-.000", ".013"},
      {0.0130, ".0000", ".0130"},          {1e9, "#########.00", "1000000000.00"},
      {1e9, "#########.000", "1000000000.000"}, {1e9, "-#########.000", "1000000000.000"},
      {1e9, "-.000", "1000000000.000"},    {1e9, ".0000", "1000000000.0000"},
      {kNaN, "#########.00", "NAN"},       {kNaN, "-.000", "NAN"},
      {kNaN, ".0000", "NAN"},              {kInf, "#########.00", "INF"},
      {-kInf, "-#########.000", "-INF"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Format(c.value, c.mask), c.expected) << c.value << " under " << c.mask;
  }
}

TEST(Format, RoundsHalfAwayFromZeroOnTheExactValue) {
  EXPECT_EQ(Format(0.125, "#########.00"), ".13");    // an exact tie
  EXPECT_EQ(Format(-0.125, "#########.00"), "-.13");
  EXPECT_EQ(Format(2.675, "#########.00"), "2.67");   // just below the tie as a Double
  EXPECT_EQ(Format(9.9995, ".000"), "9.999");         // 9.99949999999999938...
  EXPECT_EQ(Format(9.9996, ".000"), "10.000");
  EXPECT_EQ(Format(99.999, "#########.00"), "100.00");
  EXPECT_EQ(Format(0.99999, ".0000"), "1.0000");
  EXPECT_EQ(Format(1.0, "-.000"), "1.000");
  EXPECT_EQ(Format(0.5, "-.000"), ".500");
  EXPECT_EQ(Format(-0.5, "-.000"), "-.500");
}

TEST(Format, ShowsTheWholeOfTheLargestAndSmallestDoubles) {
  const double largest = std::numeric_limits<double>::max();
  const std::string text = Format(largest, "#########.00");
  EXPECT_EQ(text.size(), 309u + 3u);
  EXPECT_EQ(text.substr(0, 6), "179769");
  EXPECT_EQ(text.substr(text.size() - 3), ".00");
  EXPECT_EQ(Format(-largest, ".0000").size(), 1u + 309u + 5u);
  EXPECT_EQ(Format(std::numeric_limits<double>::denorm_min(), ".0000"), ".0000");
}

// Qt sets the C library's locale from the user's environment; the texts of numbers must not
// follow it, or a comma as the decimal point would wreck every figure of the report.
TEST(NumberTexts, IgnoreTheDecimalCommaOfTheUsersLocale) {
  const std::string saved = std::setlocale(LC_ALL, nullptr);
  const char* comma = nullptr;
  for (const char* name :
       {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "German_Germany.1252", "de-DE"}) {
    if (std::setlocale(LC_ALL, name) != nullptr && std::localeconv()->decimal_point[0] == ',') {
      comma = name;
      break;
    }
  }
  if (comma == nullptr) {
    std::setlocale(LC_ALL, saved.c_str());
    GTEST_SKIP()
        << "no locale with a decimal comma here (scripts/install-deps.sh makes de_DE.UTF-8)";
  }
  SCOPED_TRACE(comma);
  const std::string formatted[] = {Format(95.0, "#########.00"), Format(0.726, "-.000"),
                                   Format(-1.78, "-#########.000"), Format(0.013, ".0000")};
  const std::string str = Str(2.7);
  const double val = Val("2.7");
  std::setlocale(LC_ALL, saved.c_str());
  EXPECT_EQ(formatted[0], "95.00");
  EXPECT_EQ(formatted[1], ".726");
  EXPECT_EQ(formatted[2], "-1.780");
  EXPECT_EQ(formatted[3], ".0130");
  EXPECT_EQ(str, "2.7");
  EXPECT_EQ(val, 2.7);
}

TEST(Format, ShowsNoMinusSignOnAValueThatRoundsToZero) {
  // The centred grand mean of X is zero up to rounding error and must not print as "-.00".
  EXPECT_EQ(Format(-1.5e-15, "#########.00"), ".00");
  EXPECT_EQ(Format(0.0, "#########.00"), ".00");
  EXPECT_EQ(Format(-0.004, "#########.00"), ".00");
  EXPECT_EQ(Format(-0.005, "#########.00"), "-.01");
}

TEST(TextServices, CountAndPickTabSeparatedFields) {
  const std::string tab = Chr(9);
  struct Case {
    const char* line;
    int64_t fields;
    const char* first;
    const char* third;
  };
  const Case cases[] = {
      {"1\t99\t100", 3, "1", "100"}, {"1\t99", 2, "1", ""},       {"", 0, "", ""},
      {"\t\t", 3, "", ""},           {"1\t2\t3\t4", 4, "1", "3"}, {"abc", 1, "abc", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CountFields(c.line, tab), c.fields) << c.line;
    EXPECT_EQ(NthField(c.line, tab, 1), c.first) << c.line;
    EXPECT_EQ(NthField(c.line, tab, 3), c.third) << c.line;
  }
  EXPECT_EQ(NthField("a\tb", tab, 0), "");
}

TEST(TextServices, CountCharactersNotBytes) {
  EXPECT_EQ(Len(""), 0);
  EXPECT_EQ(Len("abc"), 3);
  EXPECT_EQ(Len("\xC2\xA9 2026"), 6);  // the copyright sign is one character
  EXPECT_EQ(Right("abcdef", 3), "def");
  EXPECT_EQ(Right("ab", 5), "ab");
  EXPECT_EQ(Right("ab", 0), "");
  EXPECT_EQ(Right("x\xC2\xA9y", 2), "\xC2\xA9y");
  EXPECT_EQ(Chr(13) + Chr(10), "\r\n");
  EXPECT_EQ(Chr(9), "\t");
  EXPECT_EQ(Chr(169), "\xC2\xA9");
}

TEST(Arrays, ResizeKeepsTheValuesInsideTheNewBounds) {
  Array<int64_t> a(3);
  for (int64_t i = 0; i <= 3; ++i) a(i) = i + 10;
  a.Resize(1);
  EXPECT_EQ(a.UBound(), 1);
  EXPECT_EQ(a(1), 11);
  a.Resize(4);
  EXPECT_EQ(a(0), 10);
  EXPECT_EQ(a(1), 11);
  EXPECT_EQ(a(2), 0);
  EXPECT_EQ(a(4), 0);
  a.Resize(-1);
  EXPECT_EQ(a.UBound(), -1);
  EXPECT_THROW(a(0), OutOfBoundsException);
}

TEST(Arrays, TwoDimensionalResizeKeepsRowsAndColumns) {
  Array2<double> m(4, 3);
  for (int64_t i = 0; i <= 4; ++i) {
    for (int64_t j = 0; j <= 3; ++j) m(i, j) = static_cast<double>(10 * i + j);
  }
  m.Resize(2, 3);
  EXPECT_EQ(m.UBound(1), 2);
  EXPECT_EQ(m.UBound(2), 3);
  EXPECT_EQ(m(2, 3), 23.0);
  EXPECT_THROW(m(3, 0), OutOfBoundsException);
  m.Resize(3, 1);
  EXPECT_EQ(m(2, 1), 21.0);
  EXPECT_EQ(m(3, 1), 0.0);
  EXPECT_THROW(m(0, 2), OutOfBoundsException);
  m.Resize(-1, -1);
  EXPECT_EQ(m.UBound(1), -1);
  EXPECT_THROW(m(0, 0), OutOfBoundsException);
  m.Resize(9999, 3);
  EXPECT_EQ(m(9999, 3), 0.0);
}

std::vector<std::string> ReadAll(TextInputStream& in) {
  std::vector<std::string> lines;
  do {
    lines.push_back(in.ReadLine());
  } while (!in.EndOfFile());
  return lines;
}

TEST(TextInputStream, SplitsOnEveryKindOfLineEnd) {
  using Lines = std::vector<std::string>;
  struct Case {
    const char* text;
    Lines lines;
  };
  const Case cases[] = {
      {"a\r\nb\r\nc", {"a", "b", "c"}},
      {"a\nb\nc", {"a", "b", "c"}},
      {"a\rb\rc", {"a", "b", "c"}},
      {"a\r\nb\r\n", {"a", "b"}},       // a final line end makes no empty line
      {"a\nb\n", {"a", "b"}},
      {"a\rb\r", {"a", "b"}},
      {"", {""}},                       // an empty file reads as one empty line
      {"\n", {""}},
      {"a\n\nb", {"a", "", "b"}},
      {"a\n\n", {"a", ""}},
      {"a\r\rb", {"a", "", "b"}},
      {"a\n\rb", {"a", "", "b"}},
  };
  for (const Case& c : cases) {
    TextInputStream in{std::string(c.text)};
    EXPECT_EQ(ReadAll(in), c.lines) << testing::PrintToString(std::string(c.text));
  }
}

TEST(TextInputStream, DropsAByteOrderMarkAtTheVeryStartOnly) {
  using Lines = std::vector<std::string>;
  const std::string mark = "\xEF\xBB\xBF";
  struct Case {
    std::string text;
    Lines lines;
  };
  const Case cases[] = {
      {mark + "1\t2\t3\n4", {"1\t2\t3", "4"}},
      {mark, {""}},  // a mark alone is an empty text
      {mark + "\n", {""}},
      {mark + mark + "a", {mark + "a"}},        // only the first mark goes
      {"a\n" + mark + "b", {"a", mark + "b"}},  // a mark after the start stays
      {" " + mark, {" " + mark}},
      {"\xEF\xBB"
       "a",
       {"\xEF\xBB"
        "a"}},  // the start of a mark is not one
      {"\xEF\xBB", {"\xEF\xBB"}},
      {"\xEF", {"\xEF"}},
  };
  for (const Case& c : cases) {
    TextInputStream in{c.text};
    EXPECT_EQ(ReadAll(in), c.lines) << testing::PrintToString(c.text);
  }
}

class FileTest : public testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() /
              ("dalvenquist-core-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
               "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }
  std::filesystem::path Write(const std::filesystem::path& name, const std::string& bytes) {
    const auto path = folder_ / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }
  std::filesystem::path folder_;
};

TEST_F(FileTest, ReadsAFileAcrossItsBufferBoundaries) {
  std::string text;
  std::vector<std::string> expected;
  for (int i = 0; i < 20000; ++i) {
    expected.push_back(std::to_string(i) + "\tx");
    text += expected.back() + (i % 3 == 0 ? "\r\n" : i % 3 == 1 ? "\n" : "\r");
  }
  const FolderItem item(Write("long.txt", text));
  ASSERT_TRUE(item.Exists());
  EXPECT_EQ(item.Name(), "long.txt");
  auto in = item.OpenAsTextFile();
  ASSERT_NE(in, nullptr);
  EXPECT_EQ(ReadAll(*in), expected);
  EXPECT_FALSE(in->ReadError());
  in->Close();
}

// The file is read in chunks of 64 KiB: a CR LF split between two chunks is one line end, and
// a line longer than a chunk comes out whole.
TEST_F(FileTest, JoinsWhatTheChunksOfTheFileSplit) {
  constexpr std::size_t kChunk = 64 * 1024;
  struct Case {
    const char* name;
    std::string text;
    std::vector<std::string> lines;
  };
  const std::string before(kChunk - 1, 'a');  // the CR is the last byte of the first chunk
  const std::string longLine(3 * kChunk + 17, 'b');
  const Case cases[] = {
      {"CR LF across chunks", before + "\r\nnext\r\n", {before, "next"}},
      {"CR alone at a chunk's end", before + "\rnext", {before, "next"}},
      {"a line over three chunks", "x\n" + longLine + "\ny", {"x", longLine, "y"}},
      {"a mark and a long line", "\xEF\xBB\xBF" + longLine, {longLine}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto in = FolderItem(Write("chunks.txt", c.text)).OpenAsTextFile();
    ASSERT_NE(in, nullptr);
    EXPECT_EQ(ReadAll(*in), c.lines);
  }
}

TEST_F(FileTest, KeepsBytesAsTheyAre) {
  const FolderItem item(Write("bytes.txt", std::string("\xFF\xFE" "a\0b", 5)));
  auto in = item.OpenAsTextFile();
  ASSERT_NE(in, nullptr);
  EXPECT_EQ(in->ReadLine(), std::string("\xFF\xFE" "a\0b", 5));
  EXPECT_TRUE(in->EndOfFile());
}

TEST_F(FileTest, DropsTheByteOrderMarkOfAFile) {
  const FolderItem item(Write("marked.txt",
                              "\xEF\xBB\xBF"
                              "1\t99\t100\r\n2\t95\t106\r\n"));
  auto in = item.OpenAsTextFile();
  ASSERT_NE(in, nullptr);
  EXPECT_EQ(ReadAll(*in), (std::vector<std::string>{"1\t99\t100", "2\t95\t106"}));
}

TEST_F(FileTest, AMissingFileOrAFolderCannotBeOpened) {
  const FolderItem missing(folder_ / "absent.txt");
  EXPECT_FALSE(missing.Exists());
  EXPECT_EQ(missing.OpenAsTextFile(), nullptr);
  const FolderItem folder(folder_);
  EXPECT_TRUE(folder.Exists());
  EXPECT_EQ(folder.OpenAsTextFile(), nullptr);
}

TEST_F(FileTest, OpensAndNamesAFileWhoseNameIsNotAscii) {
  // Windows names files in UTF-16 and its narrow functions go through the ANSI code page:
  // accented letters come out as other bytes there, and Chinese or a character beyond the
  // Basic Multilingual Plane cannot be named at all. The name is given as characters and
  // expected back as UTF-8 bytes.
  struct Case {
    std::filesystem::path name;
    std::string utf8;
  };
  const Case cases[] = {
      // données-Ärger-测试.txt
      {u8"donn\u00E9es-\u00C4rger-\u6D4B\u8BD5.txt",
       "donn\xC3\xA9"
       "es-\xC3\x84rger-\xE6\xB5\x8B\xE8\xAF\x95.txt"},
      // a grinning face, which UTF-16 writes as a surrogate pair
      {u8"\U0001F600.txt", "\xF0\x9F\x98\x80.txt"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.utf8));
    const FolderItem item(Write(c.name, "1\t99\t100\r\n2\t95\t106\r\n"));
    ASSERT_TRUE(item.Exists());
    EXPECT_EQ(item.Name(), c.utf8);
    auto in = item.OpenAsTextFile();
    ASSERT_NE(in, nullptr);
    EXPECT_EQ(ReadAll(*in), (std::vector<std::string>{"1\t99\t100", "2\t95\t106"}));
    std::filesystem::remove(item.Path());
  }
  // A file chosen in a dialog arrives as the path the folder lists, not as one built here.
  Write(cases[0].name, "");
  std::vector<std::string> listed;
  for (const auto& entry : std::filesystem::directory_iterator(folder_)) {
    listed.push_back(FolderItem(entry.path()).Name());
  }
  EXPECT_EQ(listed, std::vector<std::string>{cases[0].utf8});
}

TEST(Date, GivesNonEmptyShortForms) {
  const Date now;
  EXPECT_FALSE(now.ShortDate().empty());
  const Date noon(std::chrono::sys_days{std::chrono::year{2026} / 12 / 10} + std::chrono::hours{12});
  // Whatever the zone, the minutes of a whole hour are "00".
  EXPECT_EQ(noon.ShortTime().substr(noon.ShortTime().size() - 2), "00");
}

}  // namespace
