// HIMEM, the work area of the vessel response: the hull scalars that the hull models compute and the
// reports print, the index words of the grid point in hand, the heading table with its links to the
// sea headings, the location words that lay the work array out, and the work array itself, RLDUM,
// seen as reals and, over the same storage, as complex pairs CXDUM.
//
// The block is one flat area on purpose: every stage addresses the work array through the location
// words (RLDUM(LCNW + i - 1) is the frequency of grid point i, CXDUM(LCNHV + i - 1) its heave
// operator), and a later stage hands a column to a routine by its first index. The first pass fixes
// the location words once (layOutHimem); nothing clears the block as a whole during a run.
//
// Masses and inertias of the hull models are held per unit water density: masses as volumes
// [ft^3 | m^3], inertias as volume times length squared [ft^5 | m^5].
#pragma once

#include <complex>
#include <cstdint>

#include "util/farray.h"

namespace qv {

// Sizes of the work area: grid points per column, sea-state heights, sea headings, and the limits
// of the heading table and of the output points.
inline constexpr int kNarray = 100;            // grid points per column of the work array
inline constexpr int kMaxHeights = 6;          // sea-state heights
inline constexpr int kMaxSeaHeadings = 37;     // sea headings
inline constexpr int kMaxHeightsTotal = 8;     // heights plus the two swells
inline constexpr int kMaxSeaHeadingsTotal = 39;
inline constexpr int kDof = 6;                 // degrees of freedom
inline constexpr int kHeadingSlots = 500;      // entries of the heading table LRAO/REDANG
inline constexpr int kMaxResponseHeadings = 498;  // response headings a run may ask for
inline constexpr int kSpreadSlots = 500;       // spreading directions per sea heading (INTGFL)
inline constexpr int kMaxOutputPoints = 149;   // vessel points with statistics
inline constexpr int kRldumWords = 848301;     // words of the work array

using Complex = std::complex<float>;

struct Himem {
  // ---- 1. Hull scalars (written by the hull models, read by the passes and the reports) ----
  union {
    float HMAS0;                // heave added mass at zero frequency [ft^3 | m^3]
    float IHI;                  // the ship model's name for it
  };
  float PMAS0;                  // pitch added inertia at zero frequency [ft^5 | m^5]
  float RMAS0;                  // roll added inertia at zero frequency [ft^5 | m^5]
  float HVMAS;                  // virtual heave mass [ft^3 | m^3]
  float SGMAS;                  // virtual surge mass [ft^3 | m^3]
  float SWMAS;                  // virtual sway mass [ft^3 | m^3]
  float RMAS1;                  // roll added inertia at the natural frequency [ft^5 | m^5]
  float PMAS1;                  // pitch added inertia at the natural frequency [ft^5 | m^5]
  float HMASHI;                 // heave added mass at high frequency [ft^3 | m^3]
  float PMASHI;                 // pitch added inertia at high frequency [ft^5 | m^5]
  float RMASHI;                 // roll added inertia at high frequency [ft^5 | m^5]
  float HMSRAT;                 // heave added mass, high over zero frequency [-]
  float PMSRAT;                 // pitch added inertia, high over zero frequency [-]
  float RMSRAT;                 // roll added inertia, high over zero frequency [-]
  float RMASRT;                 // roll added-inertia ratio of the roll-damping linearisation [-]
  float GAMROL;                 // roll damping ratio in beam seas [-]
  float GAMPIT;                 // pitch damping ratio [-]
  float GAMSRG;                 // surge damping ratio [-]
  float GAMSWY;                 // sway damping ratio [-]
  float GAMHEV;                 // heave damping ratio [-]
  float GAMYAW;                 // yaw damping ratio [-]
  float GAMRLI;                 // roll damping ratio at the heading in hand [-]
  float SKAMHV;                 // keel added heave mass [ft^3 | m^3]
  float SKAMPT;                 // keel added pitch inertia [ft^5 | m^5]
  float SKAMRL;                 // keel added roll inertia [ft^5 | m^5]
  float SKDPHV;                 // keel heave damping term
  float SKDPPT;                 // keel pitch damping term
  float SKDPRL;                 // keel roll damping term
  float BLRAT;                  // beam over length of the equivalent box [-]
  float BLRAT2;                 // BLRAT squared [-]
  float DBRAT;                  // twice the draft over the beam [-]
  float DLRAT;                  // twice the draft over the length [-]
  float EVKG;                   // equivalent height of the centre of gravity above the keel [ft | m]
  float WPML;                   // longitudinal waterplane moment [ft^4 | m^4]
  float WPMT;                   // transverse waterplane moment [ft^4 | m^4]
  float BEAM;                   // equivalent beam [ft | m]
  float BEAM2;                  // half the beam [ft | m]
  float SHIPL;                  // equivalent length [ft | m]
  float SHIPL2;                 // half the length [ft | m]
  float EDRAFT;                 // equivalent (effective) draft [ft | m]
  float SDRAFT;                 // draft over radius of the equivalent cylinder [-]
  float XSCALE;                 // length scale along x (half the length) [ft | m]
  float YSCALE;                 // length scale along y (half the beam) [ft | m]
  float GML;                    // longitudinal metacentric height [ft | m]
  float GMT;                    // transverse metacentric height [ft | m]
  float DELTA;                  // displaced volume [ft^3 | m^3]
  float SDEPTH;                 // water depth over draft [-]
  float EDISPL;                 // effective displacement [kips | t]
  float EVKB;                   // effective height of the centre of buoyancy [ft | m]
  float EVKML;                  // effective height of the longitudinal metacentre [ft | m]
  float EVKMT;                  // effective height of the transverse metacentre [ft | m]
  float HC;                     // heave restoring per unit water density [ft^3/s^2 | m^3/s^2]
  float ARM;                    // lever arm of the hull model
  union {
    float R;                    // radius of the equivalent cylinder [ft | m]
    float RADIUS;
  };
  float VTCRR;                  // height of the roll centre above the keel [ft | m]
  float VTCRP;                  // height of the pitch centre above the keel [ft | m]
  float TCRP;                   // pitch centre term of the hull model
  float TCRR;                   // roll centre term of the hull model
  float WLCRP;                  // pitch centre from the waterline, negative below [ft | m]
  float WLCRR;                  // roll centre from the waterline, negative below [ft | m]
  float SWLCRP;                 // WLCRP over the radius [-]
  float SWLCRR;                 // WLCRR over the radius [-]
  float XCRYW;                  // x of the yaw centre [ft | m]
  float XCRPT;                  // x of the pitch centre [ft | m]
  float WPL;                    // pitch frequency from the zero-frequency added inertia [rad/s]
  float WRL;                    // roll frequency from the zero-frequency added inertia [rad/s]
  float WHL;                    // heave frequency from the zero-frequency added mass [rad/s]
  float WP;                     // natural pitch frequency [rad/s]
  float WR;                     // natural roll frequency [rad/s]
  float WH;                     // natural heave frequency [rad/s]
  float WSG;                    // natural surge frequency of a moored hull [rad/s]
  float WSW;                    // natural sway frequency of a moored hull [rad/s]
  float WY;                     // natural yaw frequency of a moored hull [rad/s]
  std::int32_t JP;              // grid point nearest the pitch frequency
  std::int32_t JR;              // grid point nearest the roll frequency
  std::int32_t JH;              // grid point nearest the heave frequency
  std::int32_t JSG;             // grid point nearest the surge frequency
  std::int32_t JSW;             // grid point nearest the sway frequency
  std::int32_t JY;              // grid point nearest the yaw frequency
  float PRMT;                   // pitch restoring per unit water density
  float RRMT;                   // roll restoring per unit water density
  float PTCHI;                  // virtual pitch inertia [ft^5 | m^5]
  float ROLI;                   // virtual roll inertia [ft^5 | m^5]
  float YAWI;                   // virtual yaw inertia [ft^5 | m^5]
  float PTCH1;                  // dry pitch inertia about the pitch centre [ft^5 | m^5]
  float ROL1;                   // dry roll inertia about the roll centre [ft^5 | m^5]
  float HVM1;                   // dry heave mass [ft^3 | m^3]
  float TQCNST;                 // pitch-moment constant of the hull model
  float RCONST;                 // roll scale factor of the hull model
  float HCONST;                 // heave scale factor of the added-mass and damping fits
  float PCONST;                 // pitch scale factor of the added-mass and damping fits
  float CSW;                    // sway added-mass coefficient [-]
  float CSG;                    // surge added-mass coefficient [-]
  float CYW;                    // yaw added-mass coefficient [-]
  float SH;                     // term of the hull model
  float TQFAC;                  // roll-moment factor of the roll-damping linearisation
  float BLGFAC;                 // bilge factor of the roll-damping linearisation
  Complex CRLRAX;               // roll response at the natural roll frequency [rad per unit amplitude]
  Complex CPTRAX;               // pitch response at the natural pitch frequency [rad per unit amplitude]
  Complex CHVRAX;               // heave response at the natural heave frequency [-]
  Complex CSGRAX;               // surge response at the natural surge frequency [-]
  Complex CSWRAX;               // sway response at the natural sway frequency [-]
  Complex CYWRAX;               // yaw response at the natural yaw frequency
  Arr<float, 3, 3> ROTVES;      // trim-and-heel rotation of the vessel [-]
  float EPS;                    // accuracy handed to the root and Bessel routines of the hull models
  float RSLOPE;                 // design wave slope [rad]
  float WCONST;                 // sqrt(DEPTH / G) [s]
  Arr<std::int32_t, 43> BIGDUM; // reserved scratch

  // ---- 2. Grid point in hand (INDXUP) ----
  std::int32_t IW;              // grid point in hand, 1..NWP
  std::int32_t IWM;             // IW - 1
  std::int32_t LW;              // RLDUM index of its frequency
  std::int32_t LW2;             // RLDUM index of its squared frequency
  std::int32_t LWK;             // RLDUM index of its wave number
  std::int32_t LHV;             // CXDUM index of its heave operator
  std::int32_t LSG;             // CXDUM index of its surge operator
  std::int32_t LSW;             // CXDUM index of its sway operator
  std::int32_t LPT;             // CXDUM index of its pitch operator
  std::int32_t LRL;             // CXDUM index of its roll operator
  std::int32_t LYA;             // CXDUM index of its yaw operator

  // ---- 3. Links from the sea headings to the response headings ----
  Arr<std::int32_t, kMaxSeaHeadings> IRAN;   // response heading of each sea heading's mean direction
  Arr<std::int32_t, kMaxSeaHeadings> ISWL;   // response heading of the swell of each sea heading
  Arr<std::int32_t, kMaxSeaHeadings> ISWL2;  // response heading of the second swell of each sea heading
  Arr<std::int32_t, kSpreadSlots, kMaxSeaHeadings> INTGFL;  // response heading of spreading direction d of sea heading h

  // ---- 4. The response-heading table ----
  Arr<std::int32_t, kHeadingSlots> LRAO;     // 1: operators reported; 0: used only inside the spreading
  union {
    Arr<float, kHeadingSlots> REDANG;        // response headings relative to the vessel [deg, 0..360)
    Arr<float, kHeadingSlots> RAOANG;
  };

  // ---- 5. Scratch response spectrum ----
  Arr<float, kNarray> PSD;                   // response spectrum being integrated [unit^2 s]

  // ---- 6. Loop and layout words ----
  std::int32_t IHT;             // sea-state height in hand
  std::int32_t IHD;             // sea heading in hand
  std::int32_t NARRAY;          // grid points per column (100)
  std::int32_t MAXHT;           // sea-state heights (6)
  std::int32_t MAXHDG;          // sea headings (37)
  std::int32_t MAX_HT_TOT;      // heights plus two swells (8)
  std::int32_t MAX_HDG_TOT;     // sea headings plus two (39)
  std::int32_t NHTNHD;          // heights times sea headings (222)
  std::int32_t NHTNHD_TOT;      // MAX_HT_TOT times MAX_HDG_TOT (312)
  std::int32_t NDOF;            // degrees of freedom (6)
  std::int32_t MAXDIF;          // words of one statistics block of six quantities (2664)
  std::int32_t LCNSG;           // CXDUM column of the surge operators
  std::int32_t LCNSWY;          // CXDUM column of the sway operators
  std::int32_t LCNHV;           // CXDUM column of the heave operators
  std::int32_t LCNROL;          // CXDUM column of the roll operators
  std::int32_t LCNPIT;          // CXDUM column of the pitch operators
  std::int32_t LCNYAW;          // CXDUM column of the yaw operators
  std::int32_t NBASE;           // last RLDUM word of the operator columns
  std::int32_t LCNW;            // RLDUM column of the grid frequencies [rad/s]
  std::int32_t LCNWK;           // RLDUM column of the wave numbers [1/ft | 1/m]
  std::int32_t LCNW2;           // RLDUM column of the squared frequencies [rad^2/s^2]
  std::int32_t LCNPSD;          // RLDUM columns of the wave spectra: 6 heights, swell, second swell
  std::int32_t LCNFTQ;          // statistics of the exciting forces and moments
  std::int32_t LCNMOT;          // statistics of the vessel motions
  std::int32_t LCNACC;          // statistics of the point accelerations
  std::int32_t LCNVEL;          // statistics of the point velocities
  std::int32_t LCNHNG;          // statistics of the hinge quantities
  std::int32_t LCNDSP;          // statistics of the point displacements
  std::int32_t LCNSIG;          // scratch response moments M0, M2 (wind sea and swell)
  std::int32_t LCNSIG2;         // scratch response moments M0, M2 (second swell)
  std::int32_t LCNSWL;          // swell moments M0, M2
  std::int32_t LCNSWL2;         // second-swell moments M0, M2
  std::int32_t LCNWV;           // per height: M0, M2 and peak period of the sea spectrum
  std::int32_t LACRAO;          // point operators (800 words)
  std::int32_t NXTFRE;          // first free word of the work array
  std::int32_t LOCSIG;          // first word of the statistics block in hand
  std::int32_t LBASEX;          // first squared-transfer-function column handed to the statistics
  std::int32_t NCOL;            // points on the page in hand
  std::int32_t LSKIP;           // control word of the block in hand
  std::int32_t NPASS;           // pass counter
  std::int32_t IREP;            // repetition number of the point statistics
  std::int32_t III;             // loop word of the later passes
  std::int32_t IXFLAG;          // plot-file header written
  std::int32_t NCURV;           // plot-file curve count
  std::int32_t LFRFLG;          // block in hand: 1 forces, 0 motions, 2 accelerations, 3 velocities, 4 displacements
  Arr<std::int32_t, 3> IDCLMN;  // degrees of freedom of the report columns
  Arr<float, 6> SCALE;          // factors from dimensionless forces to force units
  std::int32_t IUNX;            // unit of the partner motion file

  // ---- 7. The work array ----
  // The complex view has a constructor, so the union names the view it starts with; the block is
  // constant-initialised (HIMEM{}), all zero in static storage, with nothing to clear at start-up.
  union {
    Arr<float, kRldumWords> RLDUM{};             // the work array as reals
    Arr<Complex, kRldumWords / 2> CXDUM;        // the same storage as complex pairs
  };
  std::int32_t LASTHI;          // end marker of the block

  // The six operator columns at the start of the work array, by grid point: surge, sway, heave [-],
  // roll, pitch, yaw [rad per unit wave amplitude]. Exciting forces first, then in place the
  // response operators.
  Complex& SGRAO(int i) { return CXDUM(i); }
  Complex& SWRAO(int i) { return CXDUM(kNarray + i); }
  Complex& HVRAO(int i) { return CXDUM(2 * kNarray + i); }
  Complex& RLRAO(int i) { return CXDUM(3 * kNarray + i); }
  Complex& PTRAO(int i) { return CXDUM(4 * kNarray + i); }
  Complex& YWRAO(int i) { return CXDUM(5 * kNarray + i); }
};

inline constexpr int kHimemWords = 868243;
static_assert(sizeof(Himem) == 4 * kHimemWords, "HIMEM must be 868,243 words");

extern Himem HIMEM;

// Clears the whole block (tests; a run never clears it).
void resetHimem();

// Sets the layout constants and the location words (the first pass does this once per run).
void layOutHimem();

// First RLDUM word of the statistics pair (M0, M2) of quantity q, sea-state height j and sea
// heading h in the statistics block that starts at `base` (LCNFTQ, LCNMOT, LCNACC, ...).
std::int32_t statisticsPair(std::int32_t base, int q, int j, int h);

// The vessel statistics' record of sea-state height j (1 .. MAXHT): the first of its three RLDUM
// words, the zeroth moment M0 of the height's wave spectrum, then its second moment M2 and its peak
// period [s]. 4 sqrt(M0) is the height's significant wave height on the grid. The records MAXHT + 1
// and + 2 hold the peak periods of the swell and the second swell (their moments are at LCNSWL and
// LCNSWL2).
std::int32_t seaStateRecord(int j);
// The first RLDUM word of the wave spectrum of column j: sea-state heights 1 .. MAXHT, then the swell
// (MAXHT + 1) and the second swell (MAXHT + 2), NARRAY words each.
std::int32_t seaSpectrumColumn(int j);

// From IW: IWM and the indices LW, LW2, LWK, LHV, LSG, LSW, LPT, LRL, LYA of that grid point. Every
// per-frequency loop of the hull models and the passes sets IW and calls it.
void INDXUP();

// IDX = the grid point whose frequency W(IDX) of WAVCOM lies nearest 2 pi / T, T a PERIOD [s]: the
// bracketing pair from a bisection search, the upper index when its frequency is nearer than half
// the step, else the lower one (so an exact midpoint gives the lower index); a frequency beyond
// either end of the grid gives that end's index. A caller holding a natural frequency omega [rad/s]
// passes the natural period 6.2831855 / omega.
void GRIDPT(float T, std::int32_t& IDX);

}  // namespace qv
