// The table-based catenary stiffness of a line (FOBLQ): how the fairlead tension of the line changes,
// by its static line tables, when the fairlead moves along the line's direction at the fairlead by a
// small probe distance and by plus and minus the actual motion amplitude. The probe gives the
// catenary stiffness KCATO in series with the elastic stiffness; the two amplitude passes give a
// quadratic coefficient sigma for each direction, so that the catenary force law is
// F(y) = y (sigma y + KCATO) for the catenary excursion y.
//
// 4-byte floats. Units: [ft | m], [kip | t].
#pragma once

#include <cstdint>

namespace qv {

// The warnings of FOBLQ kept over the run (their values at the start of a run).
struct FoblqState {
  std::int32_t FRSTIM = 1;  // 1 until the vertical-span warning has been given
  std::int32_t KFIRST = 1;  // 1 until the stiffness-difference warning is silenced (answer 99)
  std::int32_t LSTLN = 0;   // the line last warned about for the stiffness difference
  std::int32_t KFRSTP = 1;  // 1 until the singular-KCATO warning has been given
  std::int32_t SGFRST = 1;  // 1 until the singular-sigma warning is silenced (answer 99)

  void reset();  // as at the start of a run; for tests
};
extern FoblqState FOBLQ_STATE;

// The arguments of FOBLQ by name: what it only reads, then in `out` what it writes.
struct FoblqArgs {
  std::int32_t line;        // line number (for the messages)
  std::int32_t ITYP;        // its line type t
  float s0;                 // mean horizontal fairlead-anchor separation of the line [ft | m]
  float a;                  // motion amplitude along the line (AXTEND) [ft | m]
  float KCTAN;              // catenary stiffness of the line (KCATN); 1.23e23 marks a line without catenary part
  float KELAS;              // elastic stiffness (KELAST) [kip/ft | t/m]
  const float* SEPVES;      // the line tables (90 x 29 x 150, passed whole)
  const float* TOPANG;
  const float* TOPTEN;
  const float* TOTWT;       // per type: tension scale of the vertical line (VRTLIN's tension guess) [kip | t]
  const float* ANCHGT;      // per type: depth of the line's lower end below the water line [ft | m]
  const float* HLOD;        // the table tensions (90) [kip | t]
  const float* RFLD;        // fairlead (x, y, z) per line (3 x 150) [ft | m]
  std::int32_t MIDLYR;      // the layer of zero displacement
  float DLAYER;             // depth step between layers [ft | m]
  std::int32_t NLAYER;      // depth layers of the tables
  std::int32_t NUMTAB;      // table points in use
  float ZSPAN;              // depth span of the layers [ft | m]
  float ZMCTR;              // height of the mooring's reference point: the vertical line hangs from
                            // RFLD(3, LINTYP(1, t)) - ZMCTR, the fairlead of the type's line, as in the
                            // line driver [ft | m]
  std::int32_t EDUNIT;      // output channel of the warnings
  std::int32_t inUnit;      // input channel of their questions
  float FXCOMP;             // cosine of the fairlead's inclination
  float FZCOMP;             // sine of the fairlead's inclination
  struct Out {
    float& RFORCE;          // horizontal tension where the table is read, left by the last pass (h = -a) [kip | t]
    float& FGZTMP;          // vertical force of the line on the fairlead there [kip | t]
    float& KSTATN;          // probe static stiffness, the tension change over the probe distance [kip/ft | t/m]
    float& KCATO;           // table catenary stiffness [kip/ft | t/m]
    float& SIGCP;           // the quadratic coefficient of the positive motion [kip/ft^2 | t/m^2]
    float& SIGCM;           // and of the negative motion
    float& YCATP;           // the catenary excursion of the positive motion [ft | m]
    float& YCATM;           // and of the negative motion
  } out;
};

// Each pass moves the fairlead by h along the line (dx = FXCOMP h, dz = FZCOMP h, h the probe, +a, -a)
// and reads the table at the separation s0 + dx in the depth layer of dz: the horizontal tension,
// then the fairlead tension and angle, or, with no horizontal tension left, the vertical line
// (VRTLIN). With dT the change from the mean fairlead tension T0 (table at s0 in MIDLYR), the
// catenary excursion is y = h - dT / KELAS, or 0 when the elastic line alone takes the change
// (|KELAS h| <= |dT|, or KCTAN = 1.23e23); a pass with y = 0 makes the rest of the call table-free:
// KCATO = KCTAN and both sigma 0. The probe doubles from 0.01 until K h / T0 exceeds 0.01 (K the
// series stiffness); after 100 doublings (no series stiffness, or T0 <= 0) it warns, asks (A stops),
// and goes on table-free with the probe at 0.01.
// Warnings, each followed by its question ("A" stops the run): a fairlead carried outside the
// vertical span of the layers (once per run, ABORT0); KCATO far from KCTAN (ABORT3, 99 silences it
// for the run; not twice running for the same line); KCATO <= 0 (once per run, ABORT0); a large
// negative sigma (ABORT3, 99 silences it; once per call); a vertical line whose two grounded lengths
// disagree (ABORT0). On unit 41 the ABORT3 questions are answered 99 after an empty line.
void FOBLQ(const FoblqArgs& args);

}  // namespace qv
