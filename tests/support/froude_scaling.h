// Froude similarity of a data set: the same system built L times larger in the same water and air,
// under the same gravity. Every length scales by L, an area by L^2, a volume by L^3, a weight or force
// (the weight of L^3 times the water) by L^3, a moment by L^4, a stiffness (force per length) by L^2,
// a time and a speed by sqrt(L); densities, angles, ratios and coefficients keep their values. A
// sound analysis then gives every force times L^3, every length times L and every angle unchanged.
//
// Scales the members of the site and environment, the vessel block and the SALM elements and hull
// members (the data of this program's own data sets), each by what it is physically; the list is
// written here on its own, not taken from the unit conversion, so that it checks that conversion
// too. Left alone: the deadweight, which only picks the size family of the tanker wind
// coefficients, not a dimension of the vessel analysed; the disc's mooring springs, whose words may
// hold periods; the force and moment spectra of the external forces.
#pragma once

#include <array>
#include <cmath>
#include <initializer_list>

#include "dataset/tpcm.h"

namespace qv::testing_support {

namespace froude_detail {

inline void scale(std::initializer_list<float*> members, float factor) {
  for (float* x : members) *x *= factor;
}

template <typename Array>
void scaleAll(Array& values, float factor) {
  for (float& x : values) x *= factor;
}

}  // namespace froude_detail

inline void froudeScale(Tpcm& t, double L) {
  using froude_detail::scale;
  using froude_detail::scaleAll;
  const float length = static_cast<float>(L);
  const float area = static_cast<float>(L * L);
  const float volume = static_cast<float>(L * L * L);
  const float force = volume;
  const float moment = static_cast<float>(L * L * L * L);
  const float stiffness = area;
  const float time = static_cast<float>(std::sqrt(L));
  const float speed = time;
  const float spectralDensity = static_cast<float>(L * std::sqrt(L));  // a speed squared per rad/s

  // Site and environment.
  scaleAll(t.DPTHI, length);
  scaleAll(t.SWHT, length);
  scale({&t.DEPTH, &t.SLOARM, &t.SWELHT, &t.SWELHT2, &t.WSPEC_HGT, &t.excursionLimitDiameter, &t.OFFINC}, length);
  if (t.LSLPHT == 0) t.SLPHT *= length;  // otherwise a slope
  scaleAll(t.T, time);
  scaleAll(t.SIGPD, time);
  scale({&t.SWELPD, &t.SWELPD2, &t.DURATN}, time);
  scaleAll(t.VELI, speed);
  scale({&t.WNDSPD, &t.CURSPD}, speed);
  scale({&t.CURDEN, &t.CURDNY, &t.CURDNZ, &t.WNDDEN, &t.WNDDNY, &t.WNDDNZ}, spectralDensity);
  scaleAll(t.AUXFOR, force);
  scaleAll(t.AUXTRQ, moment);  // the yaw table holds moments
  scale({&t.HMIN, &t.TLOAD}, force);

  // The vessel: its hull and its estimates, where its loads act, its springs and its periods.
  scale({&t.LWL, &t.BWL, &t.DRAFT, &t.TVKB, &t.TVKG, &t.TVKMT, &t.TVKML, &t.PGYR, &t.RGYR, &t.TYGYR, &t.BILGR,
         &t.TKEEL, &t.RKEEL, &t.DKEEL},
        length);
  scale({&t.VCBEST, &t.GMTEST, &t.GMLEST, &t.XCBEST, &t.YCBEST, &t.XWPCTR, &t.YWPCTR}, length);
  scale({&t.AWP, &t.AWPEST}, area);
  scale({&t.DISPL}, force);
  scale({&t.VOLEST}, volume);
  scaleAll(t.RACC, length);
  scale({&t.XSALM, &t.PNDARM, &t.ENDHT, &t.CNTSEP}, length);
  scale({&t.TXWNDA, &t.TYWNDA, &t.TXCURA, &t.TYCURA}, area);
  scale({&t.XWARM, &t.YWARM, &t.ZXWARM, &t.ZYWARM, &t.XCARM, &t.YCARM, &t.ZXCARM, &t.ZYCARM}, length);
  for (const auto& [x, y, z, fx, fy, fz, mx, my, mz] :
       {std::array{&t.XVLOC, &t.YVLOC, &t.ZVLOC, &t.XVFRC, &t.YVFRC, &t.ZVFRC, &t.XVSMO1, &t.YVSMO1, &t.VESMOM},
        std::array{&t.XVLOC2, &t.YVLOC2, &t.ZVLOC2, &t.XVFRC2, &t.YVFRC2, &t.ZVFRC2, &t.XVSMO2, &t.YVSMO2, &t.VESMO2},
        std::array{&t.XVLOC3, &t.YVLOC3, &t.ZVLOC3, &t.XVFRC3, &t.YVFRC3, &t.ZVFRC3, &t.XVSMO3, &t.YVSMO3, &t.VESMO3}}) {
    scale({x, y, z}, length);
    scale({fx, fy, fz}, force);
    scale({mx, my, mz}, moment);
  }
  scale({&t.DPXPNT, &t.DPYPNT, &t.DPXLOC, &t.DPYLOC}, length);
  scale({&t.DPXFRC, &t.DPYFRC}, force);
  scale({&t.DPXSPR, &t.DPYSPR, &t.HVK}, stiffness);
  scale({&t.DPMOM, &t.DPASPR}, moment);  // the positioning's yaw spring: a moment per radian
  scale({&t.TLP_TENSION}, force);
  scale({&t.TVFWD}, speed);
  scale({&t.PITPRD, &t.ROLPRD, &t.HEVPRD}, time);

  // The SALM's elements and the hull members.
  scale({&t.YOKEHT}, length);
  scaleAll(t.SLEN, length);
  scaleAll(t.CBUOY, length);
  scaleAll(t.CGSALM, length);
  scaleAll(t.GYRAD, length);
  scale({&t.WPAPRC}, area);
  scaleAll(t.BUOY, volume);
  scaleAll(t.TMASS, force);
  scaleAll(t.RCYLB, length);
  scaleAll(t.RCYLT, length);
  scaleAll(t.DIAMS, length);
  scaleAll(t.XAREA, area);
}

}  // namespace qv::testing_support
