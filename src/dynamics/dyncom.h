// DYNCOM: the working state of the SALM's wave-frequency solution, shared by the drivers (DYNSLM,
// FREMOT), the motion solver (MEMMOT) and the load solvers (MEMLOD, FRELOD).
//
// The drivers fill the geometry of the mean configuration, the member masses, the linkage ratios of
// the three-member chain and the coefficients of the motion equations; per heading the motion solver
// reads the vessel motions at the yoke into CRVEC and CVANG and leaves the per-period terms of the
// last period it computed; the load solver rewrites the per-member wave and drag terms per period.
// A free SALM keeps its two mode shapes in BETA2 and BETA3 (named AHI and ALO there).
//
// Per-member terms are arrays over the members: the single names of their words (PARWV1 .. PARWV3
// for PARWV(1..3), DELPH1 and DELPH2 for DELPHI(1..2), ...) are the array's elements, pinned to the
// same words in dyncom_layout.cpp (a complex value cannot be a member of an anonymous struct, which
// an overlay of named members would need). Real terms keep both forms as an overlay (DRMEM1 ..
// DRMEM3 over DRMEM, A1MOM3 ... over AMOM0). Complex values are per unit wave amplitude unless the
// member says otherwise. Units are the data set's: lengths [ft | m], forces [kips | t], angles
// [rad], frequencies [rad/s]; masses are weights over G.
//
// Words are pinned in dyncom_layout.cpp. Static storage, zero at program start; reset() for tests.
#pragma once

#include <cstdint>
#include <cstring>

#include "numlib/algebra.h"
#include "util/farray.h"

namespace qv {

struct Dyncom {
  float PHI21;                                  // PHICON(2) - PHICON(1) [rad]
  float PHI31;                                  // PHICON(3) - PHICON(1) [rad]
  float PHI32;                                  // PHICON(3) - PHICON(2) [rad]
  Arr<Complex, 3> PARWV;                        // axial wave force of each member [kips | t per ft | m]
                                                // (PARWV(1..3) are PARWV1 .. PARWV3)
  Arr<Complex, 3> PRPWV;                        // in-plane wave force normal to each member [kips | t per ft | m]
                                                // (PRPWV(1..3) are PRPWV1 .. PRPWV3)
  float RANC;                                   // distance term of the base from the yoke's mooring point [ft | m]
  float CPHANC;                                 // cosine of PHIANC
  float SPHANC;                                 // sine of PHIANC
  float COSROT;                                 // cosine of PHIANC + YOKVES, the turn of the vessel motions
  float SINROT;                                 // sine of PHIANC + YOKVES
  float SLMWAV;                                 // wave direction relative to the SALM plane [rad]
  float YOKWAV;                                 // wave direction relative to the yoke [rad]
  Arr<float, 3> CMOI;                           // moment of inertia of each member about its lower joint [mass x length^2]
  Arr<float, 3> CLMAS;                          // first mass moment of each member, with added mass, over G [mass x length]
  float DET;                                    // determinant of the two-member kinematics [ft^2 | m^2]
  std::int32_t DETFLG;                          // LOGICAL: that determinant is 0
  Complex ZERO;                                 // (0, 0)
  Complex ONE;                                  // (1, 0)
  Complex IMAG;                                 // (0, 1)
  Complex TMPVAR;                               // scratch
  Arr<float, 3, 3> ROTMAT;                      // yoke-point motion to member angles of a two-member column [1/ft | 1/m]
  union {
    Arr<float, 3, 3> DRMEM;                     // unit direction (sin, 0, cos of the mean angle) of each member
    struct {
      Arr<float, 3> DRMEM1, DRMEM2, DRMEM3;
    };
  };
  union {
    Arr<float, 3, 3> RBASE;                     // position of each member's lower joint, SALM axes [ft | m]
    struct {
      Arr<float, 3> RBASE1, RBASE2, RBASE3;
    };
  };
  Arr<Complex, 3> BASVL1;                       // velocity of the current member's lower joint [ft/s | m/s per ft | m]
  Arr<Complex, 3, 100> CRVEC;                   // yoke-point motion per period: two horizontal, one vertical [-]
  Arr<Complex, 3, 100> CVANG;                   // vessel angular motion per period, three components [rad per ft | m]
  Arr<Complex, 7> DELPHI;                       // in-plane angle of each member, current period [rad per ft | m]
                                                // (DELPHI(1), DELPHI(2) are DELPH1, DELPH2 of the free-SALM routines)
  Arr<Complex, 7> DELTHT;                       // transverse angle of each member, current period [rad per ft | m]
  Arr<Complex, 7> DELZ;                         // third response vector of the current period
  Arr<Complex, 3> TMPVEC;                       // vessel-motion vector at a point
  Arr<Complex, 3> CFORCE;                       // force on one member: in-plane normal, across, along [kips | t]
  Arr<Complex, 3> CMOMT;                        // moment on one member about its lower joint [ft kips | m t]
  union {
    Arr<float, 6> AMOM0;                        // projected area of each member's wet elements [ft^2 | m^2]
    struct {
      float A1MOM3, A2MOMH, A2MOML;             // its first three entries, as the free SALM names them
    };
  };
  Arr<float, 6> AMOM1;                          // drag area times the centre of buoyancy [ft^3 | m^3]
  Arr<float, 6> AMOM2;                          // drag area times its square [ft^4 | m^4]
  Arr<float, 6> AMOM3;                          // drag area times its cube [ft^5 | m^5]
  Arr<float, 6> AMITMP;                         // added moment of inertia of each member [mass x length^2]
  float F2DDC;                                  // inertia coefficient of the member-2 yoke-motion term
  float F3DDC;                                  // inertia coefficient of the member-3 yoke-motion term
  float G2DDC;                                  // inertia coefficient of the transverse yoke-motion term
  float EXTAMP;                                 // wave amplitude, or the imposed extension amplitude [ft | m]
  float CQDAMP;                                 // quadratic damping term of the in-plane drag linearisation
  union {
    float BETA2;                                // linkage ratio d phi2 / d phi1
    float AHI;                                  // free SALM: shape of the high-frequency mode
  };
  union {
    float BETA3;                                // linkage ratio d phi3 / d phi1
    float ALO;                                  // free SALM: shape of the low-frequency mode
  };
  float DTH2DT;                                 // transverse angle of member 2 per unit transverse angle of member 1
  Arr<float, 3> TMPLWE;                         // weight moment of each member about its lower joint [ft kips | m t]
  Arr<float, 3> TMPLBD;                         // buoyancy moment of each member about its lower joint [ft kips | m t]
  Arr<float, 3> TMPBCY;                         // buoyancy of each member [kips | t]
  float FRCFC2;                                 // drag force factor of member 2
  float TRQFC2;                                 // drag torque factor of member 2
  float H2DDC;                                  // inertia coefficient of the yoke-motion term of the in-plane moment
  float DYAV4;                                  // spare
  float DYAV5;                                  // spare
  float DYAV6;                                  // spare
  float DYAV7;                                  // spare
  float DYAV8;                                  // spare
  float DYAV9;                                  // spare
  float F2CST;                                  // static-moment coefficient of the member-2 yoke-motion term
  float F3CST;                                  // static-moment coefficient of the member-3 yoke-motion term
  float G2CST;                                  // static-moment coefficient of the transverse yoke-motion term
  float PHIANC;                                 // SLMANG - TANGLE - YOKVES at the stable equilibrium [rad]
  float RELANG;                                 // the yoke's angle out of the SALM plane (yoke only, else 0) [rad]
  std::int32_t IYKTP1;                          // station of the yoke's right-side top, 2 NCON
  std::int32_t IYKTP2;                          // station of the yoke's left-side top, 2 NCON + 1
  std::int32_t IYKBOT;                          // station of the yoke's bottom, 2 NCON - 1
  float SSLMWV;                                 // sine of SLMWAV
  float CSLMWV;                                 // cosine of SLMWAV
  float SPACE3;                                 // spare
  float SPACE4;                                 // spare
  float SPACE5;                                 // spare
  float SPACE6;                                 // spare
  float SPACF1;                                 // spare
  float SPACF2;                                 // spare
  float SPACF3;                                 // spare
  float SPACF4;                                 // spare
  float SPACF5;                                 // spare
  float SPACF6;                                 // spare
  Arr<Complex, 3> TMOM;                         // in-plane wave moment of each member [ft kips | m t per ft | m]
                                                // (TMOM(1..3) are TMOM1 .. TMOM3)
  Arr<Complex, 3> TFOR;                         // per-member force terms
                                                // (TFOR(1..3) are TFOR1 .. TFOR3)
  Arr<Complex, 3> FDP;                          // in-plane drag force of each member
                                                // (FDP(1..3) are FDP1 .. FDP3)
  Arr<Complex, 3> TDP;                          // in-plane drag moment of each member
                                                // (TDP(1..3) are TDP1 .. TDP3)
  Complex PHIDOT;                               // in-plane angular rate of member 1
  Arr<Complex, 3> FDT;                          // transverse drag force of each member
                                                // (FDT(1..3) are FDT1 .. FDT3)
  Arr<Complex, 3> TDT;                          // transverse drag moment of each member
                                                // (TDT(1..3) are TDT1 .. TDT3)
  Complex THTDOT;                               // transverse angular rate of member 1
  float FDCP1;                                  // linearised in-plane drag force coefficient, member 1
  float FDCP2;                                  // the same, member 2
  float FDCP3;                                  // the same, member 3
  float TDCP1;                                  // linearised in-plane drag moment coefficient, member 1
  float TDCP2;                                  // the same, member 2
  float TDCP3;                                  // the same, member 3
  float FDCT1;                                  // linearised transverse drag force coefficient, member 1
  float FDCT2;                                  // the same, member 2
  float FDCT3;                                  // the same, member 3
  float TDCT1;                                  // linearised transverse drag moment coefficient, member 1
  float TDCT2;                                  // the same, member 2
  float TDCT3;                                  // the same, member 3
  Arr<Complex, 3> TRANF;                        // lateral wave force of each member
                                                // (TRANF(1..3) are TRANF1 .. TRANF3)
  Arr<Complex, 3> TRANT;                        // moment of the lateral wave force of each member
                                                // (TRANT(1..3) are TRANT1 .. TRANT3)
  Arr<Complex, 3> FDAX;                         // axial drag force of each member
                                                // (FDAX(1..3) are FDAX1 .. FDAX3)
  Complex DLTSTP;                               // in-plane secant term of the motion solution
  Complex DLTSTT;                               // transverse secant term of the motion solution
  Complex F2;                                   // member-2 angle imposed by the yoke motion
  Complex F3;                                   // member-3 angle imposed by the yoke motion
  Complex F2P;                                  // in-plane moment of F2
  Complex F3P;                                  // in-plane moment of F3
  Complex G2;                                   // transverse angle of member 2 imposed by the yoke motion
  Arr<Complex, 5, 10> SHMOM1;                   // wave part of the five loads per moment point
  Arr<Complex, 5, 10> SHMOM2;                   // drag part of the five loads per moment point
  float EFMS11;                                 // free SALM: effective mass term 11 of the two-mode system
  float EFMS12;                                 // free SALM: effective mass term 12
  float EFMS22;                                 // free SALM: effective mass term 22
  float EFK1;                                   // free SALM: effective stiffness of mode 1
  float EFK2;                                   // free SALM: effective stiffness of mode 2
  float DY6;                                    // spare
  float DY7;                                    // spare
  float DY8;                                    // spare
  float DY9;                                    // spare
  float DY10;                                   // spare
  float DY11;                                   // spare
  float DY12;                                   // spare
  float DY13;                                   // spare
  float DY14;                                   // spare
  float DY15;                                   // spare
  float DY16;                                   // spare
  float DY17;                                   // spare
  float DY18;                                   // spare
  float DY19;                                   // spare
  float DY20;                                   // spare
  std::int32_t LAST2;                           // end of the block

  void reset() { std::memset(static_cast<void*>(this), 0, sizeof *this); }
};

inline constexpr int kDyncomWords = 1712;
static_assert(sizeof(Dyncom) == 4 * kDyncomWords, "DYNCOM must be 1,712 words");

extern Dyncom DYNCOM;

}  // namespace qv
