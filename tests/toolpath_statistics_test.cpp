// Statistics, warnings, the --stats text and the SVG preview of toolpaths;
// and over every golden listing: no rapid into the material, no cut without
// a feed, a preview that is well-formed XML.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "gcode/encoding.h"
#include "tests/support/toolpath_compare.h"
#include "toolpath/reader.h"
#include "toolpath/report.h"
#include "toolpath/statistics.h"
#include "toolpath/svg.h"

namespace verlo {
namespace {

namespace fs = std::filesystem;
using test::ListingLines;
using toolpath::Statistics;

constexpr double kPi = 3.14159265358979323846;

toolpath::Toolpath Read(const std::vector<std::string>& lines) {
  const toolpath::ReadResult read = toolpath::ReadToolpath(lines);
  EXPECT_TRUE(read.Ok()) << read.error->Text();
  return read.path;
}

// Where the document is not well-formed XML, or "": every element closed in
// order, attributes quoted, no stray '<' or '&' in text.
std::string XmlProblem(const std::string& xml) {
  std::vector<std::string> open;
  int roots = 0;
  const auto entity = [&](size_t at) {
    for (const char* e : {"&amp;", "&lt;", "&gt;", "&quot;", "&apos;"})
      if (xml.compare(at, std::string(e).size(), e) == 0) return true;
    return false;
  };
  for (size_t i = 0; i < xml.size(); ++i) {
    if (xml[i] == '&' && !entity(i)) return "a bare & at " + std::to_string(i);
    if (xml[i] != '<') continue;
    if (xml.compare(i, 2, "<?") == 0) {
      i = xml.find("?>", i);
      if (i == std::string::npos) return "an unclosed <?";
      continue;
    }
    const bool closing = xml[i + 1] == '/';
    size_t p = i + (closing ? 2 : 1);
    const size_t nameEnd = xml.find_first_of(" />\n", p);
    if (nameEnd == std::string::npos || nameEnd == p)
      return "a tag without a name at " + std::to_string(i);
    const std::string name = xml.substr(p, nameEnd - p);
    p = nameEnd;
    for (;;) {  // attributes
      while (p < xml.size() && (xml[p] == ' ' || xml[p] == '\n')) ++p;
      if (p >= xml.size()) return "an unclosed tag <" + name;
      if (xml[p] == '>' || xml.compare(p, 2, "/>") == 0) break;
      const size_t eq = xml.find('=', p);
      if (eq == std::string::npos || xml[eq + 1] != '"') return "an unquoted attribute in <" + name;
      const size_t close = xml.find('"', eq + 2);
      if (close == std::string::npos) return "an unclosed attribute in <" + name;
      for (size_t k = eq + 2; k < close; ++k)
        if (xml[k] == '<' || (xml[k] == '&' && !entity(k))) return "a bad attribute in <" + name;
      p = close + 1;
    }
    const bool empty = xml[p] == '/';
    if (closing) {
      if (open.empty() || open.back() != name) return "</" + name + "> closes nothing open";
      open.pop_back();
    } else if (!empty) {
      if (open.empty()) ++roots;
      open.push_back(name);
    }
    i = p + (empty ? 1 : 0);
  }
  if (!open.empty()) return "<" + open.back() + "> is never closed";
  return roots == 1 ? "" : "not one root element";
}

TEST(ToolpathStatistics, WhatAListingCuts) {
  const toolpath::Toolpath path =
      Read(ListingLines("(szerszám átmérője 6)\nG21 G90\nG0 Z5\nT1 M6\nG0 X10 Y0\nG1 Z-1 F100\n"
                        "G2 X-10 Y0 I-10 J0\nG1 Y5\nG0 Z5\nG83 X0 Y0 Z-3 R1 Q5 F50\nM30"));
  const Statistics s = toolpath::ComputeStatistics(path);
  EXPECT_NEAR(s.cuttingLength, 6 + 10 * kPi + 5 + 4, 1e-9);
  EXPECT_NEAR(s.rapidLength, 5 + 10 + 6 + std::sqrt(125.0) + 4 + 4, 1e-9);
  EXPECT_NEAR(s.lowestZ, -3, 1e-12);
  const double box[] = {s.cutting.min.x, s.cutting.max.x, s.cutting.min.y,
                        s.cutting.max.y, s.cutting.min.z, s.cutting.max.z};
  const double expected[] = {-10, 10, -10, 5, -3, 5};
  for (int i = 0; i < 6; ++i) EXPECT_NEAR(box[i], expected[i], 1e-9) << i;
  EXPECT_NEAR(s.cuttingWithTool.min.x, -13, 1e-9);
  EXPECT_NEAR(s.cuttingWithTool.max.y, 8, 1e-9);
  EXPECT_EQ(s.toolDiameter, 6);
  EXPECT_EQ(s.plunges, 1);
  EXPECT_EQ(s.toolChanges, 1);
  EXPECT_EQ(s.holes, 1);
  EXPECT_TRUE(s.warnings.empty());
  toolpath::StatisticsOptions options;
  options.toolDiameter = 2;
  EXPECT_NEAR(toolpath::ComputeStatistics(path, options).cuttingWithTool.min.y, -11, 1e-9);
}

TEST(ToolpathStatistics, Warnings) {
  toolpath::StatisticsOptions inBox;
  inBox.extents = toolpath::Box{{0, 0, -5}, {10, 10, 10}, false};
  std::string manyLines;
  for (int i = 1; i <= 25; ++i) manyLines += "G1 X" + std::to_string(i) + "\n";
  const struct {
    std::string listing;
    std::vector<std::string> warnings;
    toolpath::StatisticsOptions options;
  } cases[] = {
      {"G0 X5\nG0 Z5\nG0 X1\nG0 Z-1\nG1 X2 F100\nG0 Z1\nG0 X5\nG1 Z-2\nG0 Z5",
       {"4. sor: gyorsmenet az első gyorsmeneti Z (5,0000) alatt, Z-1,0000 magasságban: anyagba "
        "futhat",
        "6. sor: gyorsmenet az első gyorsmeneti Z (5,0000) alatt, Z-1,0000 magasságban: anyagba "
        "futhat",
        "7. sor: gyorsmenet az első gyorsmeneti Z (5,0000) alatt, Z1,0000 magasságban: anyagba "
        "futhat"},
       {}},
      {"G1 X1\nM98 P1 L3\nM30\nO1\nG1 Y1\nM99",
       {"1. sor: vágó mozgás előtolás (F) nélkül", "5. sor: vágó mozgás előtolás (F) nélkül"},
       {}},
      {"G0 Z5\nG1 Z0 F150\nG1 X5 F300\nG1 Z-1\nG1 X0\nG1 Z-2 F200",
       {"4. sor: fogásvétel a vágási előtolással (F300), pedig a program máshol F150 "
        "előtolással vesz fogást"},
       {}},
      {"G1 Z-1 F300\nG1 X5\nG1 Z-2", {}, {}},  // one feed: no separate plunge feed
      {"G0 X5 Y5\nG0 X11\nG2 X5 Y11 I-6 J0 F100",
       {"2. sor: a mozgás kilép a megadott tartományból (X11,0000 Y5,0000 Z0,0000 felé)",
        "3. sor: a mozgás kilép a megadott tartományból (X5,0000 Y11,0000 Z0,0000 felé)"},
       inBox},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.listing);
    std::vector<std::string> texts;
    for (const auto& w :
         toolpath::ComputeStatistics(Read(ListingLines(c.listing)), c.options).warnings)
      texts.push_back(w.Text());
    EXPECT_EQ(texts, c.warnings);
  }
  const Statistics many = toolpath::ComputeStatistics(Read(ListingLines(manyLines)));
  ASSERT_EQ(many.warnings.size(), 21u);
  EXPECT_EQ(many.warnings.back().Text(),
            "21. sor: és még 5 további sorban: vágó mozgás előtolás (F) nélkül");
}

TEST(ToolpathStatistics, ReportLines) {
  const toolpath::Toolpath path =
      Read(ListingLines("G0 Z5\nG1 Z-3.5 F150\nG1 X10 F300\nG4 P2000\nG1 X12"));
  toolpath::MachineLimits limits;
  limits.toolChangeSeconds = 4;
  const std::vector<std::string> lines = toolpath::StatisticsReport(
      toolpath::ComputeStatistics(path), toolpath::EstimateTime(path, limits), limits);
  const char* const expected[] = {
      "Vágási úthossz: 20,5000 mm",
      "Gyorsmeneti úthossz: 5,0000 mm",
      "X tartomány (a szerszám középpontja): 0,0000 … 12,0000 (12,0000 mm)",
      "Legalacsonyabb Z: -3,5000",
      "Függőleges fogásvételek: 1",
      "Szerszámcserék: 0",
      "– ebből várakozás: 2,0 s (0:00:02)",
      "Gyorsmeneti sebesség (mm/perc): 5000",
      "Gyorsulás (mm/s²): 500",
      "Csomóponti eltérés (mm): 0,01",
      "Szerszámcsere ideje (s): 4",
      "Figyelmeztetések: nincs",
  };
  for (const char* line : expected)
    EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line;
  for (const std::string& line : lines) EXPECT_NE(line.find(": "), std::string::npos) << line;
}

TEST(ToolpathStatistics, PreviewIsWellFormedXml) {
  EXPECT_EQ(XmlProblem(toolpath::PreviewSvg({})), "");
  const std::string svg =
      toolpath::PreviewSvg(Read(ListingLines("G10 L2 P6 X5\nG59\nG0 X0 Y0 Z5\nG1 Z-1 F100\nG2 X0 "
                                             "Y0 I3 J0 P2\nG83 X2 Z-3 R1 Q1\nG54\nG0 X0")));
  EXPECT_EQ(XmlProblem(svg), "");
  for (const char* part : {"G54", "G59", "<circle", "stroke-dasharray", " 0 0 1 "})
    EXPECT_NE(svg.find(part), std::string::npos) << part;
  EXPECT_NE(XmlProblem("<svg><g></svg>"), "");  // the check itself finds faults
  EXPECT_NE(XmlProblem("<svg a=\"<\"/>"), "");
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

TEST(ToolpathStatistics, EveryGoldenListingDrawsAndCutsWithAFeed) {
  int listings = 0;
  for (const auto& entry :
       fs::recursive_directory_iterator(fs::path(VERLO_SOURCE_DIR) / "tests" / "golden")) {
    if (entry.path().filename() != "expected.tap") continue;
    SCOPED_TRACE(entry.path().parent_path().filename().string());
    ++listings;
    std::vector<std::string> lines = ListingLines(Local8BitToUtf8(ReadFile(entry.path())));
    for (std::string& line : lines)
      if (!line.empty() && line.back() == '\r') line.pop_back();
    const toolpath::Toolpath path = Read(lines);
    for (const auto& w : toolpath::ComputeStatistics(path).warnings)
      EXPECT_EQ(w.text.find("fogásvétel a vágási előtolással"), 0u) << w.Text();
    EXPECT_EQ(XmlProblem(toolpath::PreviewSvg(path)), "");
  }
  EXPECT_GT(listings, 100);
}

}  // namespace
}  // namespace verlo
