#include "statics/wet_elements.h"

#include "dataset/tpcm.h"
#include "statics/solve.h"

namespace qv {

namespace {

// 0.0833 stands for 1/12 as the statics' own inertia sums take it.
float secondMoment(float buoyancy, float lever, float length) {
  return buoyancy * (lever * lever + 0.0833f * length * length);
}

}  // namespace

WetElements wetElements(float wetBuoyancy, float wetMoment) {
  const Tpcm& t = TPCM;
  const Solve& s = SOLVE;
  WetElements w;
  w.BUOY = t.BUOY;
  w.CBUOY = t.CBUOY;
  for (int j = 1; j <= kMaxSalmElements; ++j) w.ADDINR(j) = secondMoment(t.BUOY(j), t.CBUOY(j), t.SLEN(j));
  const int P = s.IPERCN;
  if (P > s.NCON) return w;
  const auto dry = [&](int first, int last) {
    for (int j = first; j <= last; ++j) w.BUOY(j) = w.CBUOY(j) = w.ADDINR(j) = 0.0f;
  };
  if (P < 1) {
    dry(s.JELEM(1), s.JELEM(s.NCON + 1) - 1);
    return w;
  }
  dry(s.JELEM(P + 1), s.JELEM(s.NCON + 1) - 1);
  const int first = s.JELEM(P), last = s.JELEM(P + 1) - 1;
  const int pierce = t.IPIERC;
  if (pierce < first || pierce > last) return w;  // no element of the member reaches the surface
  // What the elements below the piercing one carry, and where the piercing element starts.
  float buoyancy = wetBuoyancy, moment = wetMoment, z = 0.0f;
  for (int j = first; j < pierce; ++j) {
    buoyancy -= t.BUOY(j);
    moment -= t.BUOY(j) * (z + t.CBUOY(j));
    z += t.SLEN(j);
  }
  w.BUOY(pierce) = buoyancy;
  w.CBUOY(pierce) = buoyancy != 0.0f ? moment / buoyancy - z : 0.0f;
  const float dryCentre = s.BOYLEN - 0.5f * s.HDRY - z;  // from the element's lower end
  w.ADDINR(pierce) -= secondMoment(s.DRYVOL, dryCentre, s.HDRY);
  dry(pierce + 1, last);
  return w;
}

bool piercingMemberInColumn() { return SOLVE.IPERCN >= 1 && SOLVE.IPERCN <= SOLVE.NCON; }

WetElements zfillWetElements() {
  const Solve& s = SOLVE;
  if (!piercingMemberInColumn()) return wetElements(0.0f, 0.0f);
  return wetElements(s.WETVOL, s.BOYMOM * s.CNLEN(s.IPERCN));
}

}  // namespace qv
