#include "toolpath/report.h"

#include <algorithm>
#include <cmath>

#include "gcode/numbers.h"

namespace verlo::toolpath {
namespace {

std::string Range(double low, double high) {
  return FormatFloat4(low) + " … " + FormatFloat4(high) + " (" + FormatFloat4(high - low) + " mm)";
}

void Extents(std::vector<std::string>& out, const Box& box, const std::string& suffix) {
  if (box.empty) {
    out.push_back("Vágási tartomány" + suffix + ": nincs vágó mozgás");
    return;
  }
  out.push_back("X tartomány" + suffix + ": " + Range(box.min.x, box.max.x));
  out.push_back("Y tartomány" + suffix + ": " + Range(box.min.y, box.max.y));
  out.push_back("Z tartomány" + suffix + ": " + Range(box.min.z, box.max.z));
}

}  // namespace

std::string FormatDuration(double seconds) {
  if (!std::isfinite(seconds) || seconds < 0) seconds = 0;
  seconds = std::min(seconds, 1e12);  // some 30 000 years
  const long long whole = std::llround(seconds);
  const long long h = whole / 3600, m = whole / 60 % 60, s = whole % 60;
  const auto two = [](long long v) { return (v < 10 ? "0" : "") + std::to_string(v); };
  return FormatFixed(seconds, 1) + " s (" + std::to_string(h) + ":" + two(m) + ":" + two(s) + ")";
}

std::vector<std::string> StatisticsReport(const Statistics& stats, const TimeEstimate& time,
                                          const MachineLimits& limits) {
  std::vector<std::string> out;
  out.push_back("Vágási úthossz: " + FormatFloat4(stats.cuttingLength) + " mm");
  out.push_back("Gyorsmeneti úthossz: " + FormatFloat4(stats.rapidLength) + " mm");
  Extents(out, stats.cutting, " (a szerszám középpontja)");
  if (!stats.cuttingWithTool.empty) {
    out.push_back("Szerszámátmérő: " + FormatFloat4(stats.toolDiameter) + " mm");
    Extents(out, stats.cuttingWithTool, " (a szerszám szélével)");
  }
  out.push_back("Legalacsonyabb Z: " + FormatFloat4(stats.lowestZ));
  out.push_back("Függőleges fogásvételek: " + std::to_string(stats.plunges));
  out.push_back("Szerszámcserék: " + std::to_string(stats.toolChanges));
  out.push_back("Fúrt furatok: " + std::to_string(stats.holes));
  out.push_back("Becsült megmunkálási idő: " + FormatDuration(time.total));
  out.push_back("– ebből vágás: " + FormatDuration(time.cutting));
  out.push_back("– ebből gyorsmenet: " + FormatDuration(time.rapids));
  out.push_back("– ebből várakozás: " + FormatDuration(time.dwells));
  out.push_back("– ebből szerszámcsere: " + FormatDuration(time.toolChanges));
  out.push_back("Gyorsmeneti sebesség (mm/perc): " + FloatToStr(limits.rapidRate));
  out.push_back("Legnagyobb előtolás (mm/perc): " + FloatToStr(limits.MaxFeed()));
  out.push_back("Gyorsulás (mm/s²): " + FloatToStr(limits.acceleration));
  out.push_back("Csomóponti eltérés (mm): " + FloatToStr(limits.junctionDeviation));
  out.push_back("Szerszámcsere ideje (s): " + FloatToStr(limits.toolChangeSeconds));
  out.push_back(
      "A becslés nem számol: az előtolás kézi módosításával (override), a VERLO saját "
      "mozgástervezőjével és a tengelyenként eltérő gyorsulással");
  out.push_back("Figyelmeztetések: " + (stats.warnings.empty()
                                            ? std::string("nincs")
                                            : std::to_string(stats.warnings.size())));
  for (const LineMessage& w : stats.warnings) out.push_back("Figyelmeztetés: " + w.Text());
  return out;
}

}  // namespace verlo::toolpath
