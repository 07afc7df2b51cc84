// First-order wave loads on the rigid members of the SALM column, for the wave-frequency dynamics.
// WAVFOR gives the complex force and moment on one member (a run of consecutive elements) in one
// regular wave of unit amplitude; MOMFOR the load on one element, integrating the undisturbed wave
// kinematics along it. A call computes one part: the inertia part (DRGFLG 0: Froude-Krylov plus added
// mass, closed form, with a waterline buoyancy term) or the drag part (DRGFLG 1: drag linearised on
// the mean square relative velocity, Simpson's rule).
//
// Axes: x horizontal in the member's plane, y across it, z up from the still-water level, the seabed
// at z = -DEPTH. The wave is Re{exp(i(omega t - kx x - ky y))}; every complex amplitude refers to the
// elevation at x = y = 0. A member lies in the x-z plane at the angle phi from the vertical,
// (EQSIN, 0, EQCOS) = (sin phi, 0, cos phi) pointing from its lower joint along it.
//
// Both routines work on their arguments only (arrays as a pointer to their first element, indexed
// from 1 by member or element number); only the record table SHRMOM and its counter IMOMT carry over
// between calls. Their warnings go to the console unit, each followed by the abort question ABORT0
// ("A" ends the run; an unattended run goes on).
#pragma once

#include <cstdint>

#include "numlib/algebra.h"

namespace qv {

// Submerged-member option WETYOK: what happens to element parts above the still-water level.
// MOMFOR maps 5 to 1, 6 to 2 and 4 to 3; any other value behaves as 2.
inline constexpr std::int32_t kWetNoDryLoad = 0;      // dry parts carry no load
inline constexpr std::int32_t kWetAllNoWaterline = 1; // dry parts by the above-water rule, no waterline term
inline constexpr std::int32_t kWetAll = 2;            // dry parts by the above-water rule, waterline term
inline constexpr std::int32_t kWetDryElements = 3;    // wholly dry elements loaded, the dry part of a crossing one not

// Member load. CFORCE (3) in member axes: 1 the in-plane normal (cos phi, 0, -sin phi), 2 across the
// plane, 3 along the member; CMOMT (3) about the member's lower joint: 1 about the in-plane normal,
// 2 about y, 3 always 0. Per element the inertia factor is (1 + COFMST) BUOY / SLEN across the member
// and BUOY / SLEN along it; the drag factor COFDMT sqrt(BUOY / SLEN) across it and 0 along it.
// With `record` set, each element whose LMOMT is set adds a column IMOMT + 1 to SHRMOM(5, *):
// (CFORCE(1), CFORCE(3), CFORCE(2), CMOMT(1), CMOMT(2)), the running totals from the lower joint.
// IFIRST is not used; IW serves the trace only.
void WAVFOR(const float* RBASE, const std::int32_t* JELEM, std::int32_t ICON, const float* SLEN, const float* DRMEM,
            float WVKX, float WVKY, float WAVK, float DEPTH, std::int32_t NBUG, std::int32_t unit, const float* BUOY,
            std::int32_t IFIRST, std::int32_t IW, const float* EQCOS, const float* EQSIN, Complex* CFORCE,
            Complex* CMOMT, std::int32_t WETYOK, std::int32_t DRGFLG, const Complex* DELPH1, const Complex* DELTHT,
            float WFREQ, const Complex* BASEVEL, float VCUR2, std::int32_t KBD, float EXTAMP, float WVAMP,
            const std::int32_t* LMOMT, Complex* SHRMOM, std::int32_t& IMOMT, std::int32_t record,
            const float* COFMST, const float* COFDMT);

// Element load per unit of the member's buoyant force per length: CFORCE (3) in x, y, z and CMOM (3)
// about the element's start point, for the element of length LEN from RBASE along DIRMEM (y component
// expected 0). DRGFLG 0 the inertia part, any other value the drag part; BASEVEL is the velocity of
// the start point, DELPH1 and DELTHT the in-plane and transverse rotation amplitudes of the member.
// VCUR2 is the square of the current speed at the still-water level: the drag part takes the current
// at each point of the element, falling off toward the seabed by the one-seventh power law (WAVFOR
// passes its VCUR2 on as it is).
void MOMFOR(float LEN, const float* RBASE, const float* DIRMEM, float WVKX, float WVKY, float WAVK, float DEPTH,
            Complex* CFORCE, Complex* CMOM, std::int32_t unit, std::int32_t NBUG, std::int32_t WETELM, float VCUR2,
            const Complex* BASEVEL, std::int32_t DRGFLG, Complex DELPH1, Complex DELTHT, float WFREQ, std::int32_t KBD,
            float EXTAMP, float WVAMP);

// Points of the drag integral over a segment of kl radians of wave phase: odd, three intervals per
// radian, at least 9. A segment that starts on the seabed under a current takes twice the intervals,
// graded toward the seabed.
std::int32_t simpsonPointCount(float kl);

}  // namespace qv
