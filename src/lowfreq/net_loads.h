// The mean (slowly varying) loads on the moored vessel at a trial heading PSI [rad]: NETFOR, the net
// horizontal force in vessel axes source by source; TORQUE, the net yaw moment about the mooring
// point, whose roots the slow drift takes as weathervane equilibria and whose slope decides their
// stability; TORQUE2, the same moment with its contributions. HEADRS writes the heading lines of the
// low-frequency and statistics reports.
//
// Each source arrives from a relative direction: its heading [deg] / 57.2957764 - PSI + pi, the
// direction it comes from in vessel axes (0 from ahead). Wind and current act through the coefficient
// models (force_coefficients.h) and the pressure factors WNDCOF and CURCOF of COFLD, the wind sea, the
// swell and the second swell through their mean drift (DRIFTF) and, unless TPCM LEGDRG is set, their
// drift drag (DRAGF). A wind or current switched on at a speed not above 0 counts as switched off.
// Before any load the vessel's wave-frequency response is brought to PSI (RELRAOUP).
//
// Reads the data set, SINES, WAVCOM (the spectra, BOWCF, BEAMCF) and EQUILB (the yaw arm, the
// auxiliary and positioning forces, the load-offset table); writes EQUILB SWLANG and SWLANG2.
#pragma once

#include <cstdint>

namespace qv {

struct ForcePair {
  float X;  // along the vessel [kips | t]
  float Y;  // across the vessel [kips | t]
};

// The outputs 1 to 19 of NETFOR, in their order.
struct NetForce {
  ForcePair wind;      // 1, 2
  ForcePair drift[3];  // 3 to 8: mean drift of the wind sea, the swell, the second swell
  ForcePair drag[3];   // 9 to 14: drift drag of the same three systems
  ForcePair current;   // 15, 16
  ForcePair net;       // 17, 18: the sum of all, with the auxiliary and positioning forces
  float direction;     // 19: atan2(net Y, net X) in vessel axes, 0 for no net force [rad]
};

// The outputs 3 to 14 of TORQUE2, in their order [kip-ft | t-m].
struct TorqueParts {
  float wind;
  float current;
  struct {
    float drift;
    float drag;
  } sea[3];             // wind sea, swell, second swell
  float auxiliary[3];   // auxiliary forces 1, 2, 3
  float positioning;    // the dynamic-positioning moment
};

// Every output set; IFORCE is RELRAOUP's recomputation flag. For simulation types 14 and 17 the
// current pressure factor is formed for the draft raised by EQUILB ZCGVAR and stays at that value;
// the data set's DRAFT is back as it was on every way out, a stop included.
void NETFOR(NetForce& force, float PSI, std::int32_t IFORCE);

// The net yaw moment about the mooring point, positive towards increasing PSI [kip-ft | t-m]. Each
// contribution is its moment about midship less the arm (EQUILB YAWARM - CG_to_Midship) times its
// lateral force; with TPCM YAWTBL the tabulated mooring moment AUXTRQ (steps of YAWINC degrees of the
// angle between the vessel and the net force, linear beyond the table) and with a pendular mass
// (IARCO 3) the couple of its two attachment points, PNDARM apart across the load, -(K/4) PNDARM^2 r
// with K the load-offset table's slope at the net force and r that angle, are added. The hull's
// operators are always recomputed at PSI. A table step YAWINC not above 0 with YAWTBL on stops the
// run.
float TORQUE(float PSI);
// The same total, and the contributions (the mooring and table terms enter the total only).
void TORQUE2(float PSI, float& total, TorqueParts& parts);

// The wind and current coefficients of `component` (1 surge, 2 sway, 3 yaw) at the relative
// direction beta [rad], with the data set's arguments; TRIGLD(beta) must have been called.
float vesselWindCoefficient(int component, float beta);
float vesselCurrentCoefficient(int component, float beta);
// beta of a source of heading headingDeg [deg] for the vessel heading PSI [rad].
float relativeDirection(float headingDeg, float PSI);
// Wind and current are loads only when switched on and blowing or flowing (speed above 0).
bool windActs();
bool currentActs();

// Three lines on `unit`, each after 27 blanks: "WAVE HEADING   = " with the wave heading as given,
// "SALM HEADING   = " and "VESSEL HEADING = " with the angle times `factor` reduced by 360 keeping
// its sign (a negative angle prints negative), each F6.1 and " DEG"; the last line ends in " DEG "
// and is followed by an empty line. Callers pass angles in radians with factor 57.2957764.
void HEADRS(float waveHeading, float salmAngle, float vesselAngle, float factor, std::int32_t unit);

}  // namespace qv
