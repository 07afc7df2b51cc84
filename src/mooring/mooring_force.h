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
// Frames. The rotation axis (24) is given in global axes and turned into vessel axes by the heading
// alpha (19); R is the rotation by the amount (25) about it. A fairlead p (relative to the centre of
// rotation) moves to g = ROTGM^T R q, ROTGM the plane rotation by gamma (18), with q = p, or in frame
// mode 1 q = A p + c (flag 0) or B (A (B^T p + c)) (flag non-zero); in mode 2 g = A ROTGM^T R p and
// c is added to the fairlead displacement; in mode 3 the matrix (36), cleared first, accumulates
// sum over lines of Fv r^T - (Fv . r) I with r = p and Fv the line force in vessel axes. The caller
// chooses what A, B and c stand for.
#pragma once

#include <cstdint>

namespace qv {

// Arguments by position (out: written; in/out: read and written):
//   1-3   out   the angles of R: -asin R(3,1), asin R(3,2), asin R(2,1)
//   4-6   out   total line force, global axes (x, y, z)
//   7-9   out   total line moment, global axes
//  10-12  out   total line force, vessel axes
//  13-15  out   total line moment about the reference point (63-65), vessel axes
//  16     out   total line energy [kip ft | t m]
//  17     in    horizontal translation (2)
//  18     in    gamma, the angle of the plane rotation ROTGM
//  19     in    alpha, the vessel heading
//  20     in    HLOD, the table tensions
//  21     in    per line: line azimuth at rest, fairlead towards anchor [deg]
//  22     out   per line: new line azimuth [deg] (option 2)
//  23     in    vertical translation
//  24     in    rotation axis, global axes (a unit vector)
//  25     in    rotation amount [deg]
//  26     in    factor applied to the axis components when a warning prints them
//  27     in    the layer of zero vertical displacement (MIDLYR)
//  28     in    layer spacing (DLAYER)
//  29     in    number of depth layers
//  30     in    vertical span of the layers (ZSPAN)
//  31     in    frame mode: 1, 2, 3 or other
//  32, 33 in    3 x 3 matrices A and B of the frame modes
//  34     in    flag of mode 1
//  35     in    offset vector c of the frame modes (3)
//  36     in/out 3 x 3 matrix accumulated in mode 3
//  37-41  in    tables SEPVES, TOPTEN, BOTLEN, TOPANG, BOTANG
//  42     in/out warning latch: 99 once the span warning has been given (the caller resets it)
//  43     out   the last line found outside the vertical span of the layers
//  44     in    TT_SPLINE_DERIV
//  45     in    layer abscissae (layerAbscissae() of line_setup.h)
//  46-51  out   per line: horizontal force, vertical force, fairlead tension, fairlead angle,
//               grounded length, bottom angle
//  52, 53 -     not used
//  54     out   per line: line energy
//  55     in    per line: horizontal anchor distance at rest (RANCK)
//  56, 57 out   per line: new anchor distance, vertical fairlead displacement (option 2)
//  58     in    per line: fairlead position (3), vessel axes
//  59     in    per line: line code (LINEID); above 1024 a dynamic line, which contributes nothing
//  60, 61 in    first and last line to treat
//  62     in    number of table points
//  63-65  in    reference point of the vessel-axis moments
//  66     in    per type: a tension of the expected size for VRTLIN (LOADUP's argument 13)
//  67     in    per type: height added to the vertical line span (ANCHGT)
//  68, 69 out   R1 (turns the axis onto z) and R2 (rotation about z by the amount); R = R1^T R2 R1
//  70-72  in    centre of rotation
//  73     -     not used
//  74, 75 in    output and input channels of the warning
//  76     in    option: 2 stores the per-line geometry (22, 56, 57)
//  77, 78 -     not used
//  79     in    reference height passed to LOADUP (the draft)
//  80     in    flag: non-zero warns only of fairleads below the span
// A fairlead carried outside the vertical span of the layers is recorded in (43); unless the latch
// (42) is 99 already, the latch is set and (for a fairlead below the span, or any with flag 80 at 0)
// a warning in one of three forms (rotation, vertical translation, both) is followed by the abort
// question on the channels (74, 75): "A" stops the run. A line code whose type is not 1..150 (and not
// above 1024) stops the run with a message.
void FMOOR2(float& angle1, float& angle2, float& angle3, float& forceXG, float& forceYG, float& forceZG,
            float& momentXG, float& momentYG, float& momentZG, float& forceXV, float& forceYV, float& forceZV,
            float& momentXV, float& momentYV, float& momentZV, float& energy, const float* translation, float gamma,
            float heading, const float* HLOD, const float* azimuth, float* newAzimuth, float verticalTranslation,
            const float* axis, float amount, float axisFactor, std::int32_t zeroLayer, float spacing,
            std::int32_t NLYR, float span, std::int32_t frameMode, const float* A, const float* B,
            std::int32_t mode1Flag, const float* c, float* M, const float* SEPVES, const float* TOPTEN,
            const float* BOTLEN, const float* TOPANG, const float* BOTANG, std::int32_t& latch,
            std::int32_t& lastOutside, const float* TT_SPLINE_DERIV, const float* layerAbscissae, float* lineH,
            float* lineFz, float* lineTension, float* lineTopAngle, float* lineGrounded, float* lineBottomAngle,
            const void* unused52, const void* unused53, float* lineEnergy, const float* restDistance,
            float* newDistance, float* lineDz, const float* fairlead, const std::int32_t* lineCode,
            std::int32_t firstLine, std::int32_t lastLine, std::int32_t NTAB, float referenceX, float referenceY,
            float referenceZ, const float* tensionGuess, const float* typeHeight, float* R1, float* R2,
            float centreX, float centreY, float centreZ, const void* unused73, std::int32_t unit,
            std::int32_t inUnit, std::int32_t option, const void* unused77, const void* unused78,
            float referenceHeight, std::int32_t belowOnly);

}  // namespace qv
