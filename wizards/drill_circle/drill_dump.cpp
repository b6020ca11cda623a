#include "wizards/drill_circle/drill_dump.h"

#include <algorithm>
#include <cmath>

#include "gcode/numbers.h"

namespace verlo {
namespace {

// Pattern "0": rounded half away from zero, never "-0".
std::string FormatFloat0(long double v) {
  const long double r = std::round(v);
  return r == 0 ? "0" : FloatToStr(r);
}

}  // namespace

std::vector<std::string> DrillVariables(const DrillValues& d) {
  std::vector<std::string> out = {
      "X tengely középpontja   u8_x_= " + FormatFloat4(d.u8_x_),
      "Y tengely középpontja   u8_y_= " + FormatFloat4(d.u8_y_),
      "Z tengely kezdőpontja   u8_z_= " + FormatFloat4(d.u8_z_),
      "A kör sugara   u8_r_= " + FormatFloat4(d.u8_r_),
      "Biztonsági Z érték   u8_zsb_= " + FormatFloat4(d.u8_zsb_),
      "Biztonsági Z pozíció   u8_zs_= " + FormatFloat4(d.u8_zs_),
      "Szerszám átmérő   u8_sz_= " + FormatFloat4(d.u8_sz_),
      "Furatok száma a kör mentén   u8_szc_= " + FormatFloat0(d.u8_szc_),
      "A kör átmérője   u8_rd_= " + FormatFloat4(d.u8_rd_),
      "Furatok száma számláló   u8_anc= " + IntToStr(d.u8_anc),
      "Utolsó furatok száma adat   u8_ancl= " + IntToStr(d.u8_ancl),
  };
  const auto row = [&d](int i) {
    return static_cast<size_t>(i) < d.u8_an.size() ? d.u8_an[static_cast<size_t>(i)]
                                                   : std::array<long double, 5>{};
  };
  // The table's rows up to the first empty one after the first hole.
  for (int i = 0; i <= kMaxHoles; ++i) {
    const auto v = row(i);
    if (i >= 2 && v[0] == 0) break;
    out.push_back("_an[" + IntToStr(i) + ",1..5]= " + FloatToStr(v[0]) + "°   " + "X(_r_)" +
                  FormatFloat4(v[1]) + "   " + "Y(_r_)" + FormatFloat4(v[2]) + "   " + "X" +
                  FormatFloat4(v[3]) + "   " + "Y" + FormatFloat4(v[4]));
  }
  for (int k = 1; k <= std::min(d.u8_ancl, kMaxHoles); ++k) {
    const auto v = row(k);
    const size_t hole = static_cast<size_t>(k);
    const bool drilled = hole < d.selected.size() && d.selected[hole] == 1;
    out.push_back(IntToStr(k) + ". furat u8_an[" + IntToStr(k) + "](X" + FormatFloat4(v[1]) + " Y" +
                  FormatFloat4(v[2]) + ")" + (drilled ? "ki lesz fúrva" : " kimarad"));
  }
  return out;
}

}  // namespace verlo
