#include "about/variable_dump.h"

#include <algorithm>
#include <cmath>

#include "gcode/numbers.h"

namespace verlo {
namespace {

const std::string kSeparator = std::string(30, '<') + std::string(30, '>');

// Pattern "0": rounded half away from zero, never "-0".
std::string FormatFloat0(long double v) {
  const long double r = std::round(v);
  return r == 0 ? "0" : FloatToStr(r);
}

}  // namespace

DrillingDump DumpOf(const DrillValues& v) {
  DrillingDump d;
  d.x = v.u8_x_;
  d.y = v.u8_y_;
  d.z = v.u8_z_;
  d.r = v.u8_r_;
  d.zsb = v.u8_zsb_;
  d.zs = v.u8_zs_;
  d.sz = v.u8_sz_;
  d.szc = v.u8_szc_;
  d.rd = v.u8_rd_;
  d.anc = v.u8_anc;
  d.ancl = v.u8_ancl;
  d.an = v.u8_an;
  if (!v.selected.empty()) d.selected.assign(v.selected.begin() + 1, v.selected.end());
  return d;
}

std::vector<std::string> VariableDump(const HostLinkRoutines& host, const DrillingDump& d) {
  const ProbedPosition& p = host.Position();
  const HostLinkPaths& paths = host.Paths();
  std::vector<std::string> out = {
      std::string("AboutBox ") + "változói",
      "Xpos= " + FormatFloat4(p.x),
      "Ypos= " + FormatFloat4(p.y),
      "Zpos= " + FormatFloat4(p.z),
      "X_pos= " + p.xText,
      "Y_pos= " + p.yText,
      "Z_pos= " + p.zText,
      "_CF_= " + paths.command,
      "_AF_= " + paths.exchange,
      "_FF_= " + paths.file,
      "_GF_= " + paths.position,
      kSeparator,
      std::string("Fúrás kör mentén (drill circular bolt pattern) ") + "változói",
      "X tengely középpontja   u8_x_= " + FormatFloat4(d.x),
      "Y tengely középpontja   u8_y_= " + FormatFloat4(d.y),
      "Z tengely kezdőpontja   u8_z_= " + FormatFloat4(d.z),
      "A kör sugara   u8_r_= " + FormatFloat4(d.r),
      "Biztonsági Z érték   u8_zsb_= " + FormatFloat4(d.zsb),
      "Biztonsági Z pozíció   u8_zs_= " + FormatFloat4(d.zs),
      "Szerszám átmérő   u8_sz_= " + FormatFloat4(d.sz),
      "Furatok száma a kör mentén   u8_szc_= " + FormatFloat0(d.szc),
      "A kör átmérője   u8_rd_= " + FormatFloat4(d.rd),
      "Furatok száma számláló   u8_anc= " + IntToStr(d.anc),
      "Utolsó furatok száma adat   u8_ancl= " + IntToStr(d.ancl),
  };
  const auto row = [&d](int i) {
    return static_cast<size_t>(i) < d.an.size() ? d.an[static_cast<size_t>(i)]
                                                : std::array<long double, 5>{};
  };
  for (int i = 0; i <= kLastHoleRow; ++i) {
    const auto v = row(i);
    if (i >= 2 && v[0] == 0) break;
    out.push_back("_an[" + IntToStr(i) + ",1..5]= " + FloatToStr(v[0]) + "°   " + "X(_r_)" +
                  FormatFloat4(v[1]) + "   " + "Y(_r_)" + FormatFloat4(v[2]) + "   " + "X" +
                  FormatFloat4(v[3]) + "   " + "Y" + FormatFloat4(v[4]));
  }
  for (int k = 1; k <= std::min(d.ancl, kLastHoleRow); ++k) {
    const auto v = row(k);
    const size_t flag = static_cast<size_t>(k - 1);
    const bool drilled = flag < d.selected.size() && d.selected[flag] == 1;
    out.push_back(IntToStr(k) + ". furat u8_an[" + IntToStr(k) + "](X" + FormatFloat4(v[1]) + " Y" +
                  FormatFloat4(v[2]) + ")" + (drilled ? "ki lesz fúrva" : " kimarad"));
  }
  out.push_back(kSeparator);
  return out;
}

}  // namespace verlo
