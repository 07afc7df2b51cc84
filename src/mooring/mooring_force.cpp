#include "mooring/mooring_force.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "mooring/line_driver.h"
#include "mooring/line_tables.h"
#include "numlib/algebra.h"
#include "numlib/circle_constants.h"
#include "numlib/interpolation.h"
#include "platform/units.h"
#include "util/dialogue.h"
#include "util/fatal.h"
#include "util/fortran_format.h"

namespace qv {

namespace {

constexpr std::int32_t kDynamicLineCodes = 1024;
constexpr std::int32_t kTypeBits = 1023;
constexpr std::int32_t kLatched = 99;

using Vec3 = std::array<float, 3>;
using Mat3 = std::array<float, 9>;  // by columns: (i, j) at (i - 1) + 3 (j - 1)

// The matrix whose rows are r1, r2, r3.
Mat3 fromRows(const Vec3& r1, const Vec3& r2, const Vec3& r3) {
  return {r1[0], r2[0], r3[0], r1[1], r2[1], r3[1], r1[2], r2[2], r3[2]};
}

Vec3 times(const float* A, const Vec3& v) {
  Vec3 r{};
  GMPRD(A, v.data(), r.data(), 3, 3, 1);
  return r;
}
Vec3 timesTransposed(const float* A, const Vec3& v) {
  Vec3 r{};
  GTPRD(A, v.data(), r.data(), 3, 3, 1);
  return r;
}
Vec3 plus(const Vec3& a, const Vec3& b) { return {a[0] + b[0], a[1] + b[1], a[2] + b[2]}; }
Vec3 cross(const Vec3& a, const Vec3& b) {
  Vec3 r{};
  XPROD(a.data(), b.data(), r.data());
  return r;
}
void add(float& x, float& y, float& z, const Vec3& v) {
  x += v[0];
  y += v[1];
  z += v[2];
}

// A plane rotation by `angle` about z, rows (cos, sin, 0), (-sin, cos, 0), (0, 0, 1).
Mat3 planeRotation(float angle) {
  const float c = std::cos(angle), s = std::sin(angle);
  return fromRows({c, s, 0.0f}, {-s, c, 0.0f}, {0.0f, 0.0f, 1.0f});
}

// A line number in the 2 columns of the warning; a line above 99 keeps all its digits.
std::string lineField(std::int32_t line) { return fmtI(line, line >= 100 ? 3 : 2); }

// The warning of a fairlead carried outside the vertical span of the layers, and the question.
void spanWarning(std::int32_t line, float amount, float verticalTranslation, const Vec3& axis, float factor,
                 std::int32_t unit, std::int32_t inUnit) {
  const std::string closing[] = {"     the bounds of the specified vertical interpolation span.",
                                 "     This may lead to interpolation errors. Consider increasing",
                                 "     the vertical interpolation span."};
  const std::string axisLine = "     (" + fmtF(axis[0] * factor, 4, 1) + "," + fmtF(axis[1] * factor, 4, 1) + "," +
                               fmtF(axis[2] * factor, 4, 1) + ")" + " has carried fairlead number " +
                               lineField(line) + " outside ";
  writeRecord(unit, "");
  if (amount != 0.0f && verticalTranslation == 0.0f) {
    writeRecord(unit, " ++> Warning: A rotation of amount " + fmtF(amount, 5, 1) + " degrees about direction");
    writeRecord(unit, axisLine);
    for (const std::string& text : closing) writeRecord(unit, text);
  } else if (amount == 0.0f && verticalTranslation != 0.0f) {
    writeRecord(unit, " ++> Warning: A vertical translation of amount " + fmtF(verticalTranslation, 8, 2) +
                          " has carried");
    writeRecord(unit, "     fairlead number " + lineField(line) + " outside the bounds of the" + " specified vertical");
    writeRecord(unit, "     interpolation span. This may lead to interpolation errors.");
    writeRecord(unit, "     Consider increasing the vertical interpolation span.");
  } else {
    writeRecord(unit, " ++> Warning: A vertical translation of amount " + fmtF(verticalTranslation, 8, 2));
    writeRecord(unit, "     plus a rotation of amount " + fmtF(amount, 5, 1) + " degrees about direction");
    writeRecord(unit, axisLine);
    for (const std::string& text : closing) writeRecord(unit, text);
  }
  writeRecord(unit, "");
  std::int32_t answer = 0;
  ABORT0(unit, inUnit, answer);
  if (answer == -1) silentStop("FMOOR2");
}

// The energy stored in a line whose fairlead lies `distance` from its anchor in layer `layer` +
// `fraction`: the work of the horizontal force along layer 1 from the table's first separation out
// to the distance, then of the vertical force up through the layers at that distance. Fz is the
// vertical force at the fairlead's own position.
float lineEnergyAt(float distance, std::int32_t type, std::int32_t layer, float fraction, float Fz,
                   std::int32_t NLYR, float spacing, std::int32_t NTAB, const float* HLOD, const float* SEPVES,
                   const float* TOPANG) {
  auto readLayer = [&](std::int32_t l, float& H, float& angle) {
    const float* S = tableColumn(SEPVES, l, type);
    int range = 0;
    int k = 1;
    BSRCH(S, distance, range, k, NTAB);
    INTERP(S, tableColumn(TOPANG, l, type), distance, angle, k);
    INTERP(S, HLOD, distance, H, k);
    return k;
  };
  float Hq = 0.0f, angle = 0.0f;
  const int k = readLayer(1, Hq, angle);
  const float* S = tableColumn(SEPVES, 1, type);
  float E = 0.0f;
  for (int i = 1; i < k; ++i) E += 0.5f * (HLOD[i] + HLOD[i - 1]) * (S[i] - S[i - 1]);
  E += 0.5f * (Hq + HLOD[k - 1]) * (distance - S[k - 1]);
  if (NLYR > 1) {
    float Vprev = -std::tan(angle) * Hq;
    for (std::int32_t l = 2; l <= layer; ++l) {
      float H = 0.0f;
      readLayer(l, H, angle);
      const float V = -std::tan(angle) * H;
      E -= 0.5f * (V + Vprev) * spacing;
      Vprev = V;
    }
    E -= 0.5f * (Fz + Vprev) * fraction * spacing;
  }
  return E;
}

}  // namespace

void FMOOR2(const Fmoor2Args& args) {
  const Fmoor2Args::Out& out = args.out;
  // The rotation axis in vessel axes, its polar angles and the rotation amount.
  const float ca = std::cos(args.heading), sa = std::sin(args.heading);
  const float* axis = args.axis;
  const Vec3 ROTDIR{axis[0] * ca + axis[1] * sa, axis[1] * ca - axis[0] * sa, axis[2]};
  const float THETA = std::acos(std::clamp(ROTDIR[2], -1.0f, 1.0f));
  const float PHI = ROTDIR[0] == 0.0f && ROTDIR[1] == 0.0f ? 0.0f : std::atan2(ROTDIR[1], ROTDIR[0]);
  const float ROTVLP = args.amount / kDegreesPerRadian;
  // The vertical span the depth layers cover.
  const float ZBOT = static_cast<float>(1 - args.zeroLayer) * args.spacing;
  const float ZTOP = args.span + ZBOT;

  if (args.frameMode == 3) std::fill_n(out.M, 9, 0.0f);
  out.forceXG = out.forceYG = out.forceZG = out.momentXG = out.momentYG = out.momentZG = 0.0f;
  out.forceXV = out.forceYV = out.forceZV = out.momentXV = out.momentYV = out.momentZV = out.energy = 0.0f;

  const float ct = std::cos(THETA), st = std::sin(THETA), cp = std::cos(PHI), sp = std::sin(PHI);
  const float cs = std::cos(ROTVLP), sn = std::sin(ROTVLP);
  const Mat3 rotR1 = fromRows({ct * cp, ct * sp, -st}, {-sp, cp, 0.0f}, {st * cp, st * sp, ct});
  const Mat3 rotR2 = fromRows({cs, -sn, 0.0f}, {sn, cs, 0.0f}, {0.0f, 0.0f, 1.0f});
  std::copy(rotR1.begin(), rotR1.end(), out.R1);
  std::copy(rotR2.begin(), rotR2.end(), out.R2);
  Mat3 R2R1{};
  GMPRD(rotR2.data(), rotR1.data(), R2R1.data(), 3, 3, 3);
  Mat3 R{};  // the rotation by the amount about the axis: R1^T R2 R1
  GTPRD(rotR1.data(), R2R1.data(), R.data(), 3, 3, 3);
  const Mat3 ROTGD = planeRotation(args.heading);
  const Mat3 ROTGM = planeRotation(args.gamma);
  const Vec3 turnedX = times(R.data(), {1.0f, 0.0f, 0.0f});
  const Vec3 turnedY = times(R.data(), {0.0f, 1.0f, 0.0f});
  out.angle1 = -std::asin(std::clamp(turnedX[2], -1.0f, 1.0f));
  out.angle2 = std::asin(std::clamp(turnedY[2], -1.0f, 1.0f));
  out.angle3 = std::asin(std::clamp(turnedX[1], -1.0f, 1.0f));
  // The inverse rotation, for the forces in vessel axes: R1^T R2^T R1 ROTGM.
  auto toVessel = [&](const Vec3& F) {
    return timesTransposed(rotR1.data(), timesTransposed(rotR2.data(), times(rotR1.data(), times(ROTGM.data(), F))));
  };
  auto toGlobal = [&](const Vec3& Mv) {
    return timesTransposed(ROTGM.data(), timesTransposed(rotR1.data(), times(rotR2.data(), times(rotR1.data(), Mv))));
  };
  const float* A = args.A;
  const float* B = args.B;
  const std::int32_t frameMode = args.frameMode;
  const Vec3 offset{args.c[0], args.c[1], args.c[2]};
  const Vec3 reference{args.referenceX, args.referenceY, args.referenceZ};

  for (std::int32_t ILINE = args.firstLine; ILINE <= args.lastLine; ++ILINE) {
    const int at = ILINE - 1;
    const std::int32_t code = args.lineCode[at];
    if (code > kDynamicLineCodes) {  // a dynamic line: nothing of it here
      out.lineH[at] = out.lineFz[at] = out.lineTension[at] = out.lineTopAngle[at] = out.lineGrounded[at] =
          out.lineBottomAngle[at] = 0.0f;
      out.lineEnergy[at] = 0.0f;
      if (args.option == 2) {
        out.newDistance[at] = args.restDistance[at];
        out.lineDz[at] = 0.0f;
        out.newAzimuth[at] = args.azimuth[at];
      }
      continue;
    }
    checkLineCode(ILINE, code, "FMOOR2");
    const std::int32_t ITYP = code & kTypeBits;
    const float DEPRAD = args.azimuth[at] / kDegreesPerRadian;
    const float* fairlead = args.fairlead + 3 * at;
    const Vec3 site{fairlead[0], fairlead[1], fairlead[2]};
    const Vec3 p{site[0] - args.centreX, site[1] - args.centreY, site[2] - args.centreZ};

    // The fairlead carried with the vessel, and its displacement in global axes.
    Vec3 q = p;
    if (frameMode == 1) {
      q = args.mode1Flag == 0 ? plus(times(A, p), offset) : times(B, times(A, plus(timesTransposed(B, p), offset)));
    }
    const Vec3 turned = timesTransposed(ROTGM.data(), times(R.data(), q));
    const Vec3 g = frameMode == 2 ? times(A, turned) : turned;
    const Vec3 u = timesTransposed(ROTGD.data(), p);
    float dx = args.translation[0] + (g[0] - u[0]);
    float dy = args.translation[1] + (g[1] - u[1]);
    float dz = args.verticalTranslation + (g[2] - p[2]);
    if (frameMode == 2) {
      dx += offset[0];
      dy += offset[1];
      dz += offset[2];
    }

    if (dz > ZTOP || dz < ZBOT) {
      out.lastOutside = ILINE;
      if (out.latch != kLatched) {
        out.latch = kLatched;
        if (args.belowOnly == 0 || dz < ZBOT) {
          spanWarning(ILINE, args.amount, args.verticalTranslation, ROTDIR, args.axisFactor, args.unit, args.inUnit);
        }
      }
    }

    // The new anchor distance by the law of cosines, and the azimuth of the anchor from the fairlead.
    const float D2 = dx * dx + dy * dy;
    const float D = std::sqrt(D2);
    const float beta = (dx == 0.0f && dy == 0.0f ? 0.0f : std::atan2(dy, dx)) - DEPRAD;
    const float RANQ = args.restDistance[at];
    const float radicand = RANQ * RANQ + D2 - 2.0f * D * RANQ * std::cos(beta);
    const float TMPDST = radicand > 0.0f ? std::sqrt(radicand) : 0.0f;
    const float TMPANG = std::atan2(RANQ * std::sin(DEPRAD) - dy, RANQ * std::cos(DEPRAD) - dx);

    float totalSpan = 0.0f, fraction = 0.0f, H = 0.0f, T = 0.0f, Fz = 0.0f;
    float topAngle = 0.0f, bottomAngle = 0.0f, grounded = 0.0f;
    std::int32_t interval = 0, layer = 0;
    LOADUP({.separation = TMPDST,
            .dz = dz,
            .fairleadHeight = site[2],
            .referenceHeight = args.referenceHeight,
            .type = ITYP,
            .NLYR = args.NLYR,
            .spacing = args.spacing,
            .zeroLayer = args.zeroLayer,
            .span = args.span,
            .NTAB = args.NTAB,
            .HLOD = args.HLOD,
            .typeHeight = args.typeHeight,
            .tensionGuess = args.tensionGuess,
            .SEPVES = args.SEPVES,
            .TOPTEN = args.TOPTEN,
            .BOTLEN = args.BOTLEN,
            .TOPANG = args.TOPANG,
            .BOTANG = args.BOTANG,
            .TT_SPLINE_DERIV = args.TT_SPLINE_DERIV,
            .layerAbscissae = args.layerAbscissae,
            .unit = args.unit,
            .inUnit = args.inUnit,
            .out = {.totalSpan = totalSpan,
                    .interval = interval,
                    .fraction = fraction,
                    .H = H,
                    .topTension = T,
                    .Fz = Fz,
                    .topAngle = topAngle,
                    .bottomAngle = bottomAngle,
                    .grounded = grounded,
                    .layer = layer}});
    out.lineH[at] = H;
    out.lineFz[at] = Fz;
    out.lineTension[at] = T;
    out.lineTopAngle[at] = topAngle;
    out.lineGrounded[at] = grounded;
    out.lineBottomAngle[at] = bottomAngle;

    const float E = lineEnergyAt(TMPDST, ITYP, layer, fraction, Fz, args.NLYR, args.spacing, args.NTAB, args.HLOD,
                                 args.SEPVES, args.TOPANG);
    out.lineEnergy[at] = E;
    out.energy += E;

    // The line's pull on the vessel, towards its anchor.
    const Vec3 F{H * std::cos(TMPANG), H * std::sin(TMPANG), Fz};
    add(out.forceXG, out.forceYG, out.forceZG, F);
    const Vec3 Fprime = frameMode == 2 ? timesTransposed(A, F) : F;
    Vec3 Fv = toVessel(Fprime);
    if (frameMode == 1) {
      Fv = args.mode1Flag == 0 ? timesTransposed(A, Fv) : times(B, timesTransposed(A, timesTransposed(B, Fv)));
    }
    add(out.forceXV, out.forceYV, out.forceZV, Fv);
    const Vec3 arm{site[0] - reference[0], site[1] - reference[1], site[2] - reference[2]};
    const Vec3 Mv = cross(arm, Fv);
    add(out.momentXV, out.momentYV, out.momentZV, Mv);
    Vec3 Mg = toGlobal(Mv);
    if (frameMode == 2) Mg = plus(times(A, Mg), cross(offset, Fprime));
    add(out.momentXG, out.momentYG, out.momentZG, Mg);

    if (frameMode == 3) {
      const float s = Fv[0] * p[0] + Fv[1] * p[1] + Fv[2] * p[2];
      for (int i = 0; i < 3; ++i) {
        out.M[i + 3 * i] -= s;
        for (int j = 0; j < 3; ++j) out.M[i + 3 * j] += Fv[i] * p[j];
      }
    }
    if (args.option == 2) {
      out.newDistance[at] = TMPDST;
      out.lineDz[at] = dz;
      out.newAzimuth[at] = TMPANG * kDegreesPerRadian;
    }
  }
}

}  // namespace qv
