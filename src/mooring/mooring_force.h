// The quasi-static mooring force: the force, moment and energy of all mooring lines on a vessel
// displaced by a translation and a rotation about an arbitrary axis. Each fairlead moves rigidly
// with the vessel; its new horizontal distance to its anchor and its vertical offset give the line's
// state from the line tables (LOADUP, line_tables.h); the line forces are summed in global and in
// vessel axes, their moments about a reference point, and each line's energy is integrated from the
// tables. No routine of the program calls it: it is an entry for a quasi-static analysis.
//
// Conventions. 3 x 3 matrices exchanged with the caller are stored column by column (element (i, j)
// at (i - 1) + 3 (j - 1)); a product A v is formed as GMPRD forms it, A^T v as GTPRD does. Per-line
// arrays are indexed by line number (entry line - 1); the fairleads are 3 reals per line (RFLD).
// Angles in radians unless marked [deg]; [ft | m], [kip | t]. The tables are those of LOADUP.
//
// Frames. The rotation axis is given in global axes and turned into vessel axes by the heading
// alpha; R is the rotation by the amount about it. A fairlead p (relative to the centre of
// rotation) moves to g = ROTGM^T R q, ROTGM the plane rotation by gamma, with q = p, or in frame
// mode 1 q = A p + c (flag 0) or B (A (B^T p + c)) (flag non-zero); in mode 2 g = A ROTGM^T R p and
// c is added to the fairlead displacement; in mode 3 the matrix M, cleared first, accumulates
// sum over lines of Fv r^T - (Fv . r) I with r = p and Fv the line force in vessel axes. The caller
// chooses what A, B and c stand for.
#pragma once

#include <cstdint>

namespace qv {

// The arguments of FMOOR2 by name: what it only reads, then in `out` what it writes (in/out: reads
// and writes). The tables and per-line arrays travel by their first entry and are never copied.
struct Fmoor2Args {
  const float* translation;        // horizontal translation (x, y) [ft | m]
  float gamma;                     // the angle of the plane rotation ROTGM [rad]
  float heading;                   // alpha, the vessel heading [rad]
  const float* HLOD;               // the table tensions [kip | t]
  const float* azimuth;            // per line: line azimuth at rest, fairlead towards anchor [deg]
  float verticalTranslation;       // vertical translation [ft | m]
  const float* axis;               // rotation axis, global axes (a unit vector, 3)
  float amount;                    // rotation amount [deg]
  float axisFactor;                // factor applied to the axis components when a warning prints them
  std::int32_t zeroLayer;          // the layer of zero vertical displacement (MIDLYR)
  float spacing;                   // layer spacing (DLAYER) [ft | m]
  std::int32_t NLYR;               // number of depth layers
  float span;                      // vertical span of the layers (ZSPAN) [ft | m]
  std::int32_t frameMode;          // frame mode: 1, 2, 3 or other
  const float* A;                  // 3 x 3 matrix A of the frame modes
  const float* B;                  // 3 x 3 matrix B of frame mode 1
  std::int32_t mode1Flag;          // flag of mode 1
  const float* c;                  // offset vector c of the frame modes (3) [ft | m]
  const float* SEPVES;             // the line tables (line_tables.h)
  const float* TOPTEN;
  const float* BOTLEN;
  const float* TOPANG;
  const float* BOTANG;
  const float* TT_SPLINE_DERIV;
  const float* layerAbscissae;     // layer abscissae (layerAbscissae() of line_setup.h)
  const float* restDistance;       // per line: horizontal anchor distance at rest (RANCK) [ft | m]
  const float* fairlead;           // per line: fairlead position (3), vessel axes [ft | m]
  const std::int32_t* lineCode;    // per line: line code (LINEID); above 1024 a dynamic line, which
                                   // contributes nothing
  std::int32_t firstLine;          // first line to treat
  std::int32_t lastLine;           // last line to treat
  std::int32_t NTAB;               // number of table points
  float referenceX;                // reference point of the vessel-axis moments [ft | m]
  float referenceY;
  float referenceZ;
  const float* tensionGuess;       // per type: a tension of the expected size for VRTLIN [kip | t]
  const float* typeHeight;         // per type: height added to the vertical line span (ANCHGT) [ft | m]
  float centreX;                   // centre of rotation [ft | m]
  float centreY;
  float centreZ;
  std::int32_t unit;               // output channel of the warning
  std::int32_t inUnit;             // input channel of its question
  std::int32_t option;             // 2 stores the per-line geometry (newAzimuth, newDistance, lineDz)
  float referenceHeight;           // reference height passed to LOADUP (the draft) [ft | m]
  std::int32_t belowOnly;          // non-zero: warn only of fairleads below the span
  struct Out {
    float& angle1;                 // the angles of R: -asin R(3,1) [rad]
    float& angle2;                 //   asin R(3,2)
    float& angle3;                 //   asin R(2,1)
    float& forceXG;                // total line force, global axes [kip | t]
    float& forceYG;
    float& forceZG;
    float& momentXG;               // total line moment, global axes [kip ft | t m]
    float& momentYG;
    float& momentZG;
    float& forceXV;                // total line force, vessel axes [kip | t]
    float& forceYV;
    float& forceZV;
    float& momentXV;               // total line moment about the reference point, vessel axes
    float& momentYV;               //   [kip ft | t m]
    float& momentZV;
    float& energy;                 // total line energy [kip ft | t m]
    float* newAzimuth;             // per line: new line azimuth [deg] (option 2)
    float* M;                      // in/out: 3 x 3 matrix accumulated in mode 3
    std::int32_t& latch;           // in/out: 99 once the span warning has been given (the caller resets it)
    std::int32_t& lastOutside;     // the last line found outside the vertical span of the layers
    float* lineH;                  // per line: horizontal force [kip | t]
    float* lineFz;                 // per line: vertical force [kip | t]
    float* lineTension;            // per line: fairlead tension [kip | t]
    float* lineTopAngle;           // per line: fairlead angle [rad]
    float* lineGrounded;           // per line: grounded length [ft | m]
    float* lineBottomAngle;        // per line: bottom angle [rad]
    float* lineEnergy;             // per line: line energy [kip ft | t m]
    float* newDistance;            // per line: new anchor distance [ft | m] (option 2)
    float* lineDz;                 // per line: vertical fairlead displacement [ft | m] (option 2)
    float* R1;                     // 3 x 3: turns the axis onto z
    float* R2;                     // 3 x 3: the rotation about z by the amount; R = R1^T R2 R1
  } out;
};

// A fairlead carried outside the vertical span of the layers is recorded in lastOutside; unless the
// latch is 99 already, the latch is set and (for a fairlead below the span, or any with belowOnly 0)
// a warning in one of three forms (rotation, vertical translation, both) is followed by the abort
// question on the channels unit and inUnit: "A" stops the run. A line code whose type is not 1..150
// (and not above 1024) stops the run with a message.
void FMOOR2(const Fmoor2Args& args);

}  // namespace qv
