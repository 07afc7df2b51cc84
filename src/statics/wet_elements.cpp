#include "statics/wet_elements.h"

#include "dataset/tpcm.h"
#include "statics/solve.h"

namespace qv {

namespace {

// 0.0833 stands for 1/12 as the statics' own inertia sums take it.
float secondMoment(float buoyancy, float lever, float length) {
  return buoyancy * (lever * lever + 0.0833f * length * length);
}

// What water's added mass acts on, by the rule, with its second moment about the member's lower
// joint: a wet element's own buoyancy; the piercing element's wet part under a dry buoy top (the
// static buoyancy already holds it), whose second moment is the whole element's less its dry part's;
// a dry element's none.
void addedMassByRule(WetElements& w) {
  const Tpcm& t = TPCM;
  const Solve& s = SOLVE;
  const bool dryTop = !partIsWet(ColumnPart::kBuoyTop, t.WETYOK);
  for (int n = 1; n <= s.NCON; ++n) {
    float z = 0.0f;  // the element's lower end above the member's
    for (int k = s.JELEM(n); k <= s.JELEM(n + 1) - 1; ++k) {
      if (!elementIsWet(k, n)) {
        w.ADDBUO(k) = w.ADDCB(k) = w.ADDINR(k) = 0.0f;
      } else if (k == t.IPIERC && n == s.IPERCN && dryTop) {
        w.ADDINR(k) = secondMoment(t.BUOY(k), z + t.CBUOY(k), t.SLEN(k)) - dryPartSecondMoment();
      } else {
        w.ADDBUO(k) = t.BUOY(k);
        w.ADDCB(k) = t.CBUOY(k);
        w.ADDINR(k) = secondMoment(t.BUOY(k), z + t.CBUOY(k), t.SLEN(k));
      }
      z += t.SLEN(k);
    }
  }
}

}  // namespace

ColumnPart aboveWaterPart(std::int32_t n) {
  const std::int32_t P = SOLVE.IPERCN;
  if (n < P) return ColumnPart::kBelowPiercing;
  return n == P ? ColumnPart::kBuoyTop : ColumnPart::kYoke;
}

ColumnPart elementPart(std::int32_t k, std::int32_t n) {
  const bool piercingMember = n == SOLVE.IPERCN;
  if (k <= TPCM.IPIERC) return piercingMember ? ColumnPart::kPiercingUnderWater : ColumnPart::kBelowPiercing;
  return piercingMember ? ColumnPart::kBuoyTop : ColumnPart::kYoke;
}

bool elementIsWet(std::int32_t k, std::int32_t n) { return partIsWet(elementPart(k, n), TPCM.WETYOK); }

WetElements wetElements(float wetBuoyancy, float wetMoment) {
  const Tpcm& t = TPCM;
  const Solve& s = SOLVE;
  WetElements w{};
  w.BUOY = t.BUOY;
  w.CBUOY = t.CBUOY;
  const auto finish = [&] {
    w.ADDBUO = w.BUOY;
    w.ADDCB = w.CBUOY;
    addedMassByRule(w);
    return w;
  };
  const int P = s.IPERCN;
  if (P > s.NCON) return finish();
  const auto dry = [&](int first, int last) {
    for (int j = first; j <= last; ++j) w.BUOY(j) = w.CBUOY(j) = 0.0f;
  };
  if (P < 1) {
    dry(s.JELEM(1), s.JELEM(s.NCON + 1) - 1);
    return finish();
  }
  dry(s.JELEM(P + 1), s.JELEM(s.NCON + 1) - 1);
  const int first = s.JELEM(P), last = s.JELEM(P + 1) - 1;
  const int pierce = t.IPIERC;
  if (pierce < first || pierce > last) return finish();  // no element of the member reaches the surface
  // What the elements below the piercing one carry, and where the piercing element starts.
  float buoyancy = wetBuoyancy, moment = wetMoment, z = 0.0f;
  for (int j = first; j < pierce; ++j) {
    buoyancy -= t.BUOY(j);
    moment -= t.BUOY(j) * (z + t.CBUOY(j));
    z += t.SLEN(j);
  }
  w.BUOY(pierce) = buoyancy;
  w.CBUOY(pierce) = buoyancy != 0.0f ? moment / buoyancy - z : 0.0f;
  dry(pierce + 1, last);
  return finish();
}

float dryPartSecondMoment() {
  const Solve& s = SOLVE;
  return secondMoment(s.DRYVOL, s.BOYLEN - 0.5f * s.HDRY, s.HDRY);
}

bool piercingMemberInColumn() { return SOLVE.IPERCN >= 1 && SOLVE.IPERCN <= SOLVE.NCON; }

WetElements zfillWetElements() {
  const Solve& s = SOLVE;
  if (!piercingMemberInColumn()) return wetElements(0.0f, 0.0f);
  return wetElements(s.WETVOL, s.BOYMOM * s.CNLEN(s.IPERCN));
}

}  // namespace qv
