// LINCOM: the working state of the mooring line model, its line tables and its per-line results.
//
// The static line model works on one line type at a time (ITYP), so the scalar members and the
// per-element arrays describe the line now being solved and keep the last line's values afterwards;
// the per-line arrays keep one column per line. The block is never saved to a file. Every member
// sits at its word, pinned in lincom_layout.cpp; three alignment words keep the 8-byte members on
// 8-byte boundaries. Arrays are 1-based with the first index fastest, so in a line table
// (point, layer, type) the same point of the next depth layer lies 90 places further on, as the
// blended reads (numlib MIDLAY) and the bicubic splines (splin2) expect.
//
// Conventions: lines 1..150, line types 1..150 (a line's type is LINEID AND 1023), elements 1..25
// numbered from the fairlead, nodes 1..26 (node k the upper end of element k), depth layers 1..29,
// table points 1..90. Slopes are tangents of the inclination below the horizontal. Units are those
// of the data set: [ft | m] for lengths, [kip | t] for forces.
//
// The line tables (SEPVES ... BOTANG, HLOD), MIDLYR, DLAYER, LINEID, RANCK and ZANCK are inputs of
// the line model that setUpLineTables (line_setup.h) fills from the data set; the tension-strain
// curves (NSTRS_STRN, TENS_ARR, E_ARR, SPLINE_2DERIV) are filled by whoever uses them. The model
// only reads them.
#pragma once

#include <cstdint>

#include "util/farray.h"

namespace qv {

struct Lincom {
  Arr<double, 25> SCLWT;                  // scaled weight w/H of each element at DPHLD [1/ft | 1/m]
  Arr<double, 25> SCLWTP;                 // the same at the perturbed tension DPHLD2 [1/ft | 1/m]
  Arr<std::int32_t, 150> LINEID;          // line code per line: AND 1023 the type; above 1024 dynamic only
  Arr<float, 150> ANGDPP;                 // line azimuth per line [deg]
  Arr<std::int32_t, 150> INRT_EXCL;       // per line: non-zero excludes it from the inertial correction
  Arr<float, 150> RANC;                   // horizontal anchor-to-fairlead distance per line [ft | m]
  Arr<float, 150> RANCP;                  // the same, perturbed [ft | m]
  Arr<float, 150> RANCK;                  // the same, where the line driver interpolates [ft | m]
  Arr<float, 150> ZANC;                   // vertical offset per line [ft | m]
  Arr<float, 150> ZANCP;                  // the same, perturbed [ft | m]
  Arr<float, 150> ZANCK;                  // the same, selecting the depth layer in the driver [ft | m]
  Arr<float, 1800> REXTRM;                // (not used by the static model)
  Arr<float, 1800> ZEXTRM;                // (not used by the static model)
  Arr<float, 900> RXMAXQ;                 // (not used by the static model)
  Arr<float, 900> RXMINQ;                 // (not used by the static model)
  Arr<float, 900> AXMAXQ;                 // (not used by the static model)
  Arr<float, 900> AXMINQ;                 // (not used by the static model)
  Arr<float, 900> ZXMAXQ;                 // (not used by the static model)
  Arr<float, 900> ZXMINQ;                 // (not used by the static model)
  Arr<float, 900> RYMAXQ;                 // (not used by the static model)
  Arr<float, 900> RYMINQ;                 // (not used by the static model)
  Arr<float, 900> AYMAXQ;                 // (not used by the static model)
  Arr<float, 900> AYMINQ;                 // (not used by the static model)
  Arr<float, 900> ZYMAXQ;                 // (not used by the static model)
  Arr<float, 900> ZYMINQ;                 // (not used by the static model)
  Arr<float, 150> RSNPMX;                 // (not used by the static model)
  Arr<float, 150> RSNPMN;                 // (not used by the static model)
  Arr<float, 150> ASNPMX;                 // (not used by the static model)
  Arr<float, 150> ASNPMN;                 // (not used by the static model)
  Arr<float, 150> ZSNPMX;                 // (not used by the static model)
  Arr<float, 150> ZSNPMN;                 // (not used by the static model)
  Arr<std::int32_t, 29, 150> VRTFLG;      // (not used by the static model)
  Arr<float, 150> TOTWT;                  // total weight in water per line type [kip | t]
  Arr<float, 150> TOTLN;                  // (not used by the static model)
  Arr<std::int32_t, 25, 150> NSTRS_STRN;  // points of each element's tension-strain curve (at most 30)
  Arr<float, 26, 90, 29> TANPHI;          // start slopes by node, table point, layer (declared, unfilled)
  Arr<double, 3, 25> BETA;                // strain-law terms a(i,k) H^i of each element at DPHLD
  Arr<double, 3, 25> BETAP;               // the same at DPHLD2
  Arr<double, 26> TMPTAN;                 // slope at each node of the last static solution; node 1 fairlead
  Arr<double, 26> SECARR;                 // secant sqrt(1 + TMPTAN^2) at each node
  Arr<float, 90> HLOD;                    // horizontal-tension abscissa of the line tables [kip | t]
  union {
    Arr<float, 90, 29, 150> SEPVES;       // table: anchor-to-fairlead separation at HLOD [ft | m]
    Arr<float, 90, 29, 150> ANCDST;       // the same table under its other name
  };
  Arr<float, 90, 29, 150> BOTLEN;         // table: grounded length [ft | m]
  Arr<float, 90, 29, 150> FFRICT;         // table: seabed friction force [kip | t]
  Arr<float, 90, 29, 150> TOPTEN;         // table: fairlead tension [kip | t]
  Arr<float, 90, 29, 150> TT_SPLINE_DERIV;  // table: splie2 derivatives of TOPTEN along the layers
  Arr<float, 29> ZDIST_ARR;               // (not used by the static model)
  std::int32_t alignAVTAN;                // alignment word: never read or written
  Arr<double, 26> AVTAN;                  // TMPTAN of the base solution, kept over perturbations
  Arr<double, 26> AVSEC;                  // SECARR of the base solution
  Arr<float, 25> WAVEK;                   // axial wave number of each element [1/ft | 1/m]
  Arr<float, 90, 29, 150> TOPANG;         // table: inclination at the fairlead [rad below horizontal]
  Arr<float, 90, 29, 150> BOTANG;         // table: inclination at the lower end [rad below horizontal]
  std::int32_t alignDPHLD;                // alignment word: never read or written
  double DPHLD;                           // horizontal tension H of the current solution [kip | t]
  double DPHLD2;                          // perturbed tension (1 + DHFRAC) DPHLD [kip | t]
  float DELTAZ;                           // required fairlead height above the line's lower end [ft | m]
  float WTRLEV;                           // water level below the fairlead for buoyant elements [ft | m]
  float TOTWGT;                           // (not used by the static model)
  std::int32_t ITABLE;                    // (not used by the static model)
  float TOTLEN;                           // unstretched total length of the current type [ft | m]
  float HMEAN;                            // mean horizontal tension of the current line [kip | t]
  float ENDSEP;                           // (not used by the static model)
  std::int32_t alignTPTEN0;               // alignment word: never read or written
  double TPTEN0;                          // fairlead tension of the base solution [kip | t]
  double BTTEN0;                          // lower-end tension of the base solution [kip | t]
  double TPTEN_CSTZ;                      // fairlead tension after the H perturbation [kip | t]
  double BTTEN_CSTZ;                      // lower-end tension after the H perturbation [kip | t]
  double TPTEN_CSTH;                      // fairlead tension after the height perturbation [kip | t]
  double BTTEN_CSTH;                      // lower-end tension after the height perturbation [kip | t]
  Arr<double, 150> DPHIF_DAF;             // per line: fairlead angle change per fairlead move [rad/ft | rad/m]
  float QF;                               // fairlead slope of the base solution
  float QB;                               // lower-end slope of the base solution
  float FXCOMP;                           // horizontal direction cosine at the fairlead
  float FZCOMP;                           // vertical direction cosine at the fairlead
  float BXCOMP;                           // horizontal direction cosine at the lower end
  float BZCOMP;                           // vertical direction cosine at the lower end
  double DSLOPE;                          // seabed slope (tangent) for grounded elements; stays 0
  double BOTLN;                           // stretched grounded length of the last static solution [ft | m]
  double BOTLNM;                          // BOTLN of the base solution [ft | m]
  double DHFRAC;                          // relative perturbation of H, 2^-7
  float DZFRAC;                           // fairlead-height perturbation as a fraction of TOTLEN, 0.001
  float SUSPWT;                           // (not used by the static model)
  float SUSLEN;                           // (not used by the static model)
  std::int32_t ITYP;                      // line type now being solved
  float FRICTN;                           // seabed friction of the current line [kip | t]
  std::int32_t BOTELM;                    // touchdown element of the current line (0 for none)
  std::int32_t MIDLYR;                    // depth layer holding the undisplaced depth
  std::int32_t ILAYER;                    // depth layer found by SETLYR for the current line
  float DLAYER;                           // depth step between consecutive layers [ft | m]
  std::int32_t MAXEXP;                    // (not used by the static model)
  std::int32_t MINEXP;                    // (not used by the static model)
  std::int32_t KELEM;                     // element whose weight the water-level search adjusts
  Arr<float, 91> WVOFST;                  // surge offset step of the line work table [ft | m]
  Arr<float, 91> WFERGF;                  // cumulative line work over surge offsets [kip ft | t m]
  std::int32_t NEED_STRAIN_FILE;          // non-zero when tension-strain curves are in use
  float FCURNT_LNS;                       // (not used by the static model)
  float CURF_ANG_LINS;                    // (not used by the static model)
  float TCURNT_LNS;                       // (not used by the static model)
  float XYCRMG;                           // (not used by the static model)
  float XYCRMB;                           // (not used by the static model)
  Arr<float, 150> FCLTOT;                 // (not used by the static model)
  Arr<float, 150> FCLPAR;                 // (not used by the static model)
  Arr<float, 150> FCLPRP;                 // (not used by the static model)
  Arr<float, 150> DZ_CRNT_FLEX;           // (not used by the static model)
  Arr<float, 150> DTZ_CRNT_FLEX;          // (not used by the static model)
  Arr<float, 150> LINE_MODEMAS;           // (not used by the static model)
  Arr<float, 150> VIRT_LINMAS;            // (not used by the static model)
  Arr<float, 30, 25, 150> TENS_ARR;       // tension points of each element's curve, ascending [kip | t]
  Arr<float, 30, 25, 150> E_ARR;          // strain at those tensions [-]
  Arr<float, 30, 25, 150> SPLINE_2DERIV;  // spline second derivatives of E_ARR over TENS_ARR
  Arr<float, 200> RLINVAR;                // (not used by the static model)
  std::int32_t LINEND;                    // end marker of the block

  // Back to the state at program start: every word zero. For tests.
  void reset();
};

extern Lincom LINCOM;

}  // namespace qv
