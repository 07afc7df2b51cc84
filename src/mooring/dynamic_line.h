// The wave-frequency model of one mooring line at one frequency (DYNCOD): the complex dynamic
// tension at the fairlead and at the lower end of a line whose two ends move harmonically along the
// line, with the split of the end extension into a catenary part and an elastic part, and on request
// the tension at every node; each for a positive and a negative excursion.
//
// The model combines the elastic and the catenary stiffness of the line in series (KELAST, KCATN,
// line_stiffness.h); the quasi-static motion of every point of the catenary under the end motion,
// integrated over each element for the drag dissipation and the kinetic energy of the line (CATDMP,
// catenary_damping.h); the harmonic balance of the catenary spring with the line mass and the
// linearised drag (CATSTR, string_dynamics.h); the axial elastic wave along the elements (LNGWAV,
// axial_wave.h); optionally a quadratic catenary stiffness from the line tables (FOBLQ,
// oblique_fairlead.h), which makes the two excursions differ; optionally the inertial load of the
// line mass on the fairlead and on the nodes; and optionally a quasi-static fairlead tension.
//
// BEFORE THE CALL the caller puts the line's static state and its end motions in place. For the disc
// mooring springs (DYNSPR) that is, for line I of type t:
//   - LINDRV (line_driver.h) has run for the line, so that its columns of CATCOM TANARR, DXSDZF,
//     DZSDZF, DXSDH, DZSDH and its entries of DTFDXF, DTFDZF, DTBDXB, DTBDZB, DTFDAF, DTBDAB hold;
//   - LINCOM ITYP = t, DPHLD = the mean horizontal tension, DPHLD2 = (1 + DHFRAC) DPHLD, DHFRAC,
//     TPTEN0 = the static fairlead tension, SCLWT and BETA at DPHLD, SCLWTP and BETAP at DPHLD2
//     (SCLWLD and BETALD, after LOAD_ALPHAS for strain curves), BOTELM = the touchdown element
//     (TUCHDN; 0 when the line does not reach the seabed), MIDLYR, DLAYER and the line tables
//     (setUpLineTables, line_setup.h), INRT_EXCL(I) for the inertial correction and TOTWT(t), the
//     tension scale of a line that the non-linear branch finds hanging vertically (0: VRTLIN's own);
//   - CATCOM CAFLD and CABOT = the complex motion amplitudes of the fairlead and of the lower end
//     along the line (the real part is the motion at phase 0), CABOT (0, 0) for a fixed anchor;
//   - WAVCOM G; in TPCM CREATR, LEG_WF_LOADS, EDUNIT, NBUG, NUMTAB, DWATR, NUNTS; in TPCM.moor the
//     switches TENSRF, NLWVFG, INRLFG, QSFLAG2, NEXCLD_I, HAWSTP, the layers NLAYER, ZSPAN, ZMCTR, the
//     fairleads RFLD, LINTYP, ANCHGT and the element data of the type (NELEM, SLEN, DIAM, WETWT, DRYWT,
//     COFMST, COFDMT, ALPHA).
// DYNSPR passes 0 for LNODES and LWARN and reads only out.CTOPP, the fairlead tension.
//
// Writes: CATCOM KELAS, KCTAN, KSTAT, KRAT (and the catenary derivatives of CATDMP); LINCOM QF, QB,
// FXCOMP, FZCOMP, BXCOMP, BZCOMP (end slopes and direction cosines) and WAVEK; TPCM.moor COFMAS and
// COFDMP (scratch); TPCM LBACK (the answer of the abort questions).
//
// 4-byte floats except where marked; complex values are pairs of 4-byte floats. Units: [ft | m],
// [kip | t], OMEGA in rad/s.
#pragma once

#include <cstdint>

#include "numlib/algebra.h"

namespace qv {

// Values kept over the run (their values at the start of a run).
struct DyncodState {
  std::int32_t MAS_TYPE = 2;  // 0 once a call has found the line mass to be left out: for the run
  std::int32_t FRSTIM = 1;    // 1 until an inertial-load warning has been shown

  void reset();  // as at the start of a run; for tests
};
extern DyncodState DYNCOD_STATE;

// The arguments of DYNCOD by name: what it only reads, then in `out` what it writes.
struct DyncodArgs {
  std::int32_t LINNUM;     // line number I, 1..150
  float OMEGA;             // circular frequency [rad/s]
  float DIAFAC;            // DIAM unit to length unit: 0.0833 (inches to feet) or 0.001 (millimetres to metres)
  const float* SEPARR;     // per line: mean horizontal fairlead-anchor separation (150) [ft | m]
  std::int32_t LNODES;     // non-zero: node tensions and node corrections wanted
  std::int32_t LWARN;      // non-zero: the inertial-load warning may be shown
  struct Out {
    double& CATPRM;        // work: the catenary parameter DPHLD / WETWT(j) of the element in hand; 0 for a
                           // weightless element [ft | m]
    std::int32_t& IDONE;   // 1
    Complex& CYCP;         // catenary part of the end extension, positive excursion [ft | m]
    Complex& CYCM;         // and negative excursion
    Complex& CYEP;         // elastic part of the end extension, positive excursion [ft | m]
    Complex& CYEM;         // and negative excursion
    Complex& CTOPP;        // tension amplitude at the fairlead, positive excursion [kip | t]
    Complex& CBOTP;        // tension amplitude at the lower end, positive excursion [kip | t]
    Complex& CTOPM;        // the same at the fairlead, negative excursion
    Complex& CBOTM;        // and at the lower end
    float& FSTP;           // static tension change for the positive excursion [kip | t]
    float& FSTM;           // and for the negative excursion
    Complex* CNODP;        // tension at each node 1..NELEM+1 (26), positive excursion, LNODES non-zero [kip | t]
    Complex* CNODM;        // and negative excursion
    Complex* CAXN;         // axial motion amplitude at each node (26), phase of the end extension [ft | m]
    Complex* CTRN;         // transverse motion amplitude at each node (26), phase of the end extension [ft | m]
    float& RATIO;          // catenary amplification: |CYCP| over the end extension |CAFLD - CABOT|
  } out;
};

// The negative-excursion results are the negatives of the positive ones except in the non-linear
// branch (TPCM.moor NLWVFG = 1, unless CREATR is 10, or 13 for the hawser type HAWSTP).
// The line mass enters the harmonic balance only for the simulation types 14 and 17 with
// LEG_WF_LOADS 0; a call of any other type leaves it out for the rest of the run. With INRLFG = 1
// (and the line not excluded by NEXCLD_I and INRT_EXCL) the inertial load of the line mass is added
// against the fairlead motion (and the node motions); should it exceed ten times the dynamic tension,
// a warning (once per run, LWARN non-zero) and the abort question follow ("A" stops the run). The
// inertial load and the drag act only together: without drag the line-end mass sums are 0. With
// QSFLAG2 the end tensions become the quasi-static change FSTP, real and equal at both ends (for
// TENSRF 0 read from the line tables at the separation SEPARR(I) + |A| / FXCOMP).
void DYNCOD(const DyncodArgs& args);

}  // namespace qv
