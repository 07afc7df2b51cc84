// The data set of one analysis, TPCM. (The user coefficient tables, LOWCOF, are in lowcof.h.)
//
// Every member sits at its fixed word: the data file is a byte image of the first NTOGO words, shared
// with the other programs of the family, so the layout is pinned member by member in tpcm_layout.cpp.
// Words are 4 bytes; arrays are 1-based with the first index fastest; several names may cover the
// same words (anonymous unions). Where two layouts of one section use the same names, the layout that
// is not this program's own is a named view: TPCM.moor (the mooring layout of section 3) and TPCM.stm
// (the spread-mooring statics layout of section 4).
//
// Each member that a page or an analysis stage reads carries its meaning and unit, [English |
// metric] where the unit system matters; the codes of coded members are in tpcm_codes.h. A member
// without a comment is kept in the image for the other programs of the family: nothing in this
// program reads it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "dataset/tpcm_codes.h"
#include "util/farray.h"

namespace qv {

// Section 3 (words 4,976 to 78,635): mooring lines, line types, components and line tables.
struct Morcom {
  union {
    std::int32_t LODFRE;
    Arr<std::int32_t, 1> N_MORCOM;
  };
  std::int32_t LPOSN;
  std::int32_t LANGLE;
  union {
    std::int32_t LODWAV;
    std::int32_t LSTDYN;
  };
  union {
    std::int32_t LFLDLN;
    std::int32_t LODINR;
  };
  union {
    std::int32_t LANCLN;
    std::int32_t LODSTA;
  };
  std::int32_t LODNET;
  std::int32_t LOWMOT;
  std::int32_t STAMOT;
  std::int32_t HIMOT;
  std::int32_t LEQCND;
  std::int32_t SMPDRG;
  std::int32_t MRWRNS;
  std::int32_t SNPOFF;
  std::int32_t LOFFST;
  std::int32_t WETYOK;
  std::int32_t EQVLIN;
  std::int32_t RANPAG;
  std::int32_t WLFLAG;                     // 1: buoyant elements are held at or below the water level
  std::int32_t NLWVFG;                     // 1: non-linear, table-based catenary stiffness
  std::int32_t INRLFG;                     // 1: inertial load correction applied
  std::int32_t ONLYLD;
  std::int32_t TENSRF;                     // 1: end angles and tension gradients from the tension derivatives
  std::int32_t BTOUCH;
  float LONGIE;
  float SHORTY;
  std::int32_t ELIPSM;
  std::int32_t NEXCLUDE;
  std::int32_t IDEXCLUDE1;
  std::int32_t IDEXCLUDE2;
  std::int32_t IDEXCLUDE3;
  std::int32_t IDEXCLUDE4;
  std::int32_t PULLDN;                     // 1: fairlead height reduced by the buoy's sinkage (pull-down correction)
  std::int32_t GETNODE;
  std::int32_t QSFLAG2;                    // 1: dynamic end tensions replaced by the quasi-static change
  std::int32_t QSFLAG3;
  std::int32_t NEXCLD_I;                   // lines excluded from the inertial correction
  std::int32_t IDEXCLD1_I;
  std::int32_t IDEXCLD2_I;
  std::int32_t IDEXCLD3_I;
  std::int32_t IDEXCLD4_I;
  std::int32_t NODE_MOT_PERP;
  union {
    std::int32_t DOHINGE;
    Arr<std::int32_t, 109> IDUM0;
  };
  Arr<std::int32_t, 150> STRESS_STRAIN_FILE; // per line type: bit i set when element i has a strain curve
  Arr<std::int32_t, 150> ANCTYP;           // per line type, 1: the line may rest on the seabed
  union {
    Arr<std::int32_t, 151, 150> LINTYP;      // per line type: a record whose first word is a line of that type
    Arr<std::int32_t, 1> LIN_DUM;
  };
  Arr<std::int32_t, 150> NLINE;            // per line type: number of lines of the type
  std::int32_t NTYP;                       // line types in use
  std::int32_t MAXTYP;
  Arr<std::int32_t, 150> NELEM;            // per line type: elements, 1 to 25
  std::int32_t MAXELM;
  std::int32_t NLAYER;                     // depth layers of the line tables, at most 29
  std::int32_t NDYNEV;
  std::int32_t NLIN;                       // number of mooring lines
  std::int32_t MAXLIN;
  Arr<std::int32_t, 150> IDYNEV;
  std::int32_t MAXDYN;
  std::int32_t LRESET;
  std::int32_t MOORTP;
  std::int32_t MCMAV1;
  std::int32_t LODTYP;                     // pretension mode of HTENS (2: fairlead tension)
  std::int32_t LBOUND;
  std::int32_t ANCDEF;
  std::int32_t HAWSTP;                     // the line type that is the hawser
  std::int32_t HAWSLN;
  std::int32_t LCURML;
  Arr<std::int32_t, 38> MRSPAR;
  union {
    Arr<std::int32_t, 2, 25, 150> ISCOMP;
    Arr<Text<8>, 25, 150> SCOMP;
  };
  union {
    Arr<float, 25, 150> SLEN;                // per element and line type: unstretched length [ft | m]
    Arr<std::int32_t, 1> SLEN_DUM;
  };
  Arr<float, 25, 150> DIAM;                // per element and line type: diameter [in | mm]
  Arr<float, 25, 150> WETWT;               // per element and type: wet weight per length (< 0 buoyant) [kips/ft | t/m]
  Arr<float, 3, 25, 150> ALPHA;            // per element and type: strain = a1 T + a2 T^2 + a3 T^3
  Arr<float, 25, 150> TBRK;
  Arr<float, 150> HTENS;                   // pretension of each line, as LODTYP says
  Arr<float, 3, 150> RFLD;                 // fairlead (x, y, z) of each line [ft | m]
  Arr<float, 25, 150> COFMST;              // per element and line type: added-mass coefficient
  Arr<float, 25, 150> COFDMT;              // per element and line type: drag coefficient
  Arr<float, 25, 150> DRYWT;               // per element and type: dry weight per length (0: none) [kips/ft | t/m]
  Arr<float, 25, 150> MOORDUMMY;
  Arr<float, 150> ANGDEP;
  Arr<float, 150> ANCHGT;                  // per line type: depth of the line's lower end below the water line [ft | m]
  float ANCHT0;
  float COFMAS;                            // added-mass coefficient of the element being modelled (scratch)
  float COFDMP;                            // drag coefficient of the element being modelled (scratch)
  float BTFRC0;
  Arr<float, 150> BOTFRC;
  float ZSPAN;                             // depth span covered by the table layers [ft | m]
  Arr<float, 3> RMCTR;
  union {
    Arr<float, 3> RMCTRG;
    struct {
      float XMCTR;                             // reference point of the mooring, x [ft | m]
      float YMCTR;                             // reference point of the mooring, y [ft | m]
      float ZMCTR;                             // reference point of the mooring, z [ft | m]
    };
  };
  Arr<float, 12> SPRGBY;
  Arr<float, 12> CLUMP;
  Arr<float, 217> DUMCOM;
  std::int32_t MORCOM_LAST0;
  std::int32_t MORCOM_LAST;
};

// Section 4 as the spread-mooring statics layout (the image of creator type 7 ends at word 79,524).
struct CatncomSpread {
  std::int32_t HEQ;
  std::int32_t NOFF;
  Arr<std::int32_t, 1> NDUM;
  std::int32_t LATRD;
  std::int32_t ANCRD;
  std::int32_t YAWRD;
  Arr<std::int32_t, 50> NOFFL;
  Arr<std::int32_t, 50> NOFFY;
  std::int32_t NLAT;
  std::int32_t NYAW;
  Arr<std::int32_t, 1> ND;
  std::int32_t NTO;
  std::int32_t NHO;
  std::int32_t NVO;
  std::int32_t NHA;
  std::int32_t NVA;
  std::int32_t NSL;
  std::int32_t NDA;
  std::int32_t NCRS;
  std::int32_t NELAS;
  std::int32_t NVES;
  std::int32_t NANG;
  std::int32_t NTABL;
  std::int32_t JOBNO;
  Arr<std::int32_t, 16> LINOUT;
  float SLOPE;
  float SLPDIR;
  Arr<float, 50, 8> OFFL;
  Arr<float, 50, 2> OFFY;
  Arr<float, 50> PHIL;
  Arr<float, 50> PHIY;
  Arr<float, 50> DUM;
  std::int32_t MAXOFL;
  std::int32_t MAXINC;
  std::int32_t MAXOFY;
  Arr<std::int32_t, 16> NELDUM;
  Arr<float, 80> STMDUM;
};

struct Tpcm {
  // ---- Section 1, TOPCOM (words 1 to 1,987) ----
  union {
    std::int32_t NTOGO;                      // words in the stored image (this editor: kStoredWords)
    Arr<std::int32_t, 1> IDUM;
  };
  union {
    std::int32_t CREATR;                     // simulation type of the program that last stored it (sim_types.h)
    std::int32_t SIMTYP;
  };
  std::int32_t ITAVQ3;
  std::int32_t NEWFLG;
  std::int32_t ITAVQ5;
  std::int32_t SRCDAT;                     // session mode under which the data set was last stored
  std::int32_t LEASTP;                     // session mode of this session: kModeEditor, or kModeUnattended
  Arr<std::int32_t, 6> reserved_w8;        // reserved: never read or written
  std::int32_t IBATCH;                     // 1: opened with "B"; the toggles then ask for the new state
  std::int32_t DAT_ID;                     // 49 forces the version-update pass of the load
  std::int32_t DP_FLAG;                    // 1: written in the other floating-point precision (refused)
  Arr<std::int32_t, 10> ITPCM1;
  std::int32_t ITPCQ1;
  std::int32_t MAXDIR;
  union {
    std::int32_t MAXSEA;                     // most sea headings of the irregular sea (1 for every opened data set)
    std::int32_t MAXSHG;
  };
  union {
    std::int32_t MAXPRM;                     // most sea components (1; 4 for Ochi-Hubble seas)
    std::int32_t MAXSHT;
  };
  std::int32_t ITPCQ2;
  std::int32_t MAXANG;                     // most spreading directions (36)
  std::int32_t MAXCHR;
  Arr<std::int32_t, 20> ITPCM2;
  Arr<std::int32_t, 6> MOTION;             // per degree of freedom 1 to 6, non-zero: its motions are reported
  union {
    Arr<Text<4>, 20> CID1;                   // identification line 1 (80 characters; the site page edits 72)
    Text<80> CID1P;
    Arr<std::int32_t, 20> IDENT1;
  };
  union {
    Arr<Text<4>, 20> CID2;                   // identification line 2
    Text<80> CID2P;
    Arr<std::int32_t, 20> IDENT2;
  };
  std::int32_t ONETWO;                     // 0: statistics as two-sigma values, otherwise one-sigma
  std::int32_t ALLRAO;                     // 1: response-operator tables at every heading of a spread sea
  std::int32_t PRNRAO;                     // 1: response-operator tables of the principal wave directions
  std::int32_t SPECFG;                     // 1: response-spectrum tables in place of response operators
  std::int32_t NEGSUM;                     // 1: no vessel summary report (no title page, no pages I and II)
  union {
    std::int32_t LFORCE;                     // 1: vessel force tables wanted
    std::int32_t LTABLE;
  };
  union {
    std::int32_t LMOTN;                      // 1: vessel motion tables wanted
    std::int32_t LODRAO;
  };
  std::int32_t LGAP;                       // point motions: 0 absolute, 1 or 2 relative to the water
  std::int32_t LSLPHT;                     // 0: SLPHT is a wave height, otherwise a wave slope in degrees
  std::int32_t IUNIT;                      // report unit: 1 the report files, EDUNIT the console, 99 a printer
  std::int32_t IDRIVE;                     // drive of the disk output as a character code, 0 the logged drive
  union {
    Text<4> CVERSN;                          // version of old images, as text
    std::int32_t IVERSN;
  };
  std::int32_t IYEAR;                      // year of the program that last stored the data set
  std::int32_t IPLOTS;                     // plot tables: 0 none, 1 a plot file, 2 a plot file with its header
  std::int32_t NBUG0;                      // debug switch
  std::int32_t NBUG;                       // debug (trace) level
  std::int32_t reserved_w116;              // reserved: never read or written
  std::int32_t NUNTS;                      // unit system: 0 English, 1 metric
  std::int32_t ISPM;                       // vessel configuration: 0 free, 1 on the SALM yoke, 2, 3 body 1, 2
  std::int32_t ICHAIN;
  std::int32_t COMPLR;
  std::int32_t CMPUTR;                     // platform code of the writing machine (below 5: big-endian)
  std::int32_t LENDEG;                     // 1: angular motions per unit wave height, otherwise per unit wave slope
  std::int32_t LPEAK;
  Arr<std::int32_t, 19> reserved_w124;     // reserved: never read or written
  std::int32_t SQLFRC;                     // force model of the semi-submersible
  std::int32_t NOWARN;                     // 1: the semi-submersible comparison warning is not written
  std::int32_t LCGFLG;                     // 1: motions reported about the centre of gravity
  std::int32_t MS3DOF;
  std::int32_t RMSFLG;
  std::int32_t EXLOUT;
  std::int32_t LFBASIN;
  std::int32_t TENDON_FLG;
  std::int32_t LEG_WF_LOADS;               // 1: the line mass is left out of the line dynamics
  std::int32_t LEG_CYL_DFC;                // 1: legacy cylinder drift-force coefficients
  Arr<std::int32_t, 2> reserved_w153;      // reserved: never read or written
  Arr<std::int32_t, 7> ITPCM3;
  std::int32_t reserved_w162;              // reserved: never read or written
  std::int32_t IVERS_SUFX;                 // version increment of the storing program (this program: 0)
  std::int32_t WAVTYP;                     // wave spectrum type (WaveSpectrum)
  std::int32_t WNDTYP;                     // wind spectrum type (WindSpectrum)
  std::int32_t CURTYP;                     // current spectrum type (CurrentSpectrum; CURPRT entry: value + 1)
  std::int32_t NWP;                        // wave periods of the grid in use, at most kMaxPeriods (new set: 30)
  std::int32_t NDIR;                       // regular-wave headings in use
  std::int32_t NA;                         // spreading wedges (even, at most MAXANG): NA + 1 directions
  std::int32_t NSEAHG;                     // sea headings in use
  union {
    std::int32_t NPARM;                      // sea components in use
    std::int32_t NSEAHT;
  };
  std::int32_t LRANDM;                     // 1: random (wind) sea on
  std::int32_t LSPRED;                     // 1: directional spreading on
  std::int32_t LSWELL;                     // 1: swell on
  std::int32_t LWIND;                      // 1: wind simulated (page 11 shown)
  std::int32_t LCURNT;                     // 1: current simulated (page 12 shown)
  std::int32_t LCSTCR;                     // current profile: 0 power law, 1 none, 2 table, 3 "CRNTPROF.txt"
  std::int32_t NCURNT;                     // points of the legacy current profile, 0 to 5
  std::int32_t NUMSLO;
  std::int32_t SLOFLG;
  std::int32_t LSWLOK;                     // 1: swell headings locked to the sea headings
  std::int32_t XTRMFL;
  std::int32_t NEWEQL;
  std::int32_t LEGDFC;                     // 1: legacy current-wave drift interaction (no flux refraction)
  std::int32_t LEGPKF;                     // 1: legacy peak model of the low-frequency motions and loads
  std::int32_t LEGDRG;                     // 1: wave absorption damping and excitation (the drift-drag terms) left out
  std::int32_t LANGARR;
  std::int32_t LEGTLP;
  std::int32_t LPHANTOM_WGHT;              // 1: the semi-submersible weight is the displacement less TLP_TENSION
  std::int32_t SWLTYP;                     // swell spectrum type (WaveSpectrum; swellSpectrum)
  std::int32_t FORCE_GAUSS;                // 1: Gaussian peak factors for the low-frequency motions
  std::int32_t N_OCHI_COMP;                // Ochi-Hubble components
  std::int32_t NEW_STYLE_SEMI_INTEG;
  std::int32_t LSWEL2;                     // 1: second swell on
  std::int32_t SWLTYP2;                    // spectrum type of the second swell
  std::int32_t NUM_SWEL;                   // swells in use (written by the vessel response)
  std::int32_t hideHobraneReports;         // 1: no progress lines from the vessel response
  std::int32_t noMoor;                     // logical
  std::int32_t noEquil;                    // logical
  std::int32_t cylMap;                     // logical
  std::int32_t sqUserSWD;                  // logical
  std::int32_t sqUserCM;                   // logical
  Arr<std::int32_t, 14> ITPCM4;
  float VERNO;                             // version of the program that last stored the data set (this program: 6.8)
  Arr<float, kMaxPeriods> USRPSD;          // legacy user wave spectral densities at the grid periods [ft^2 s | m^2 s]
  Arr<float, kMaxPeriods> T;               // wave periods of the grid, ascending at a constant step [s]; NWP in use
  Arr<float, 12> WAVHDG;                   // regular-wave headings [deg]; NDIR in use
  Arr<float, 6> SWHT;                      // significant heights of the sea components [ft | m]
  Arr<float, 6> SIGPD;                     // peak periods of the sea components [s]
  union {
    Arr<float, 4> OCHI_LAMBDA;               // Ochi-Hubble shape parameters
    Arr<float, 4> RTPCM0;
  };
  float DEPTH;                             // site water depth [ft | m]
  float DWATR;                             // weight density of the water [lb/ft^3 | kgf/m^3] (new set: 64.0)
  float SLPHT;                             // regular-wave height [ft | m], slope [deg] (LSLPHT) or extension
  float COSEXP;                            // cosine power of the directional spreading
  float DURATN;                            // storm duration of the peak statistics [h]
  float SWELHT;                            // swell significant height [ft | m]
  float SWELPD;                            // swell peak period [s]
  float SWLHDG;                            // swell heading [deg]
  float WNDHDG;                            // wind heading, the direction toward which it blows [deg]
  float WNDSPD;                            // mean wind speed [kn]
  float WNDDEN;                            // point spectral density of the legacy wind spectrum [ft^2/s | m^2/s]
  float CURHDG;                            // current heading, the direction toward which it flows [deg]
  float CURSPD;                            // current speed [kn]
  float CURDEN;                            // current spectral density [ft^2/s | m^2/s]
  float APIPRM;                            // parameter "A" of the API wind spectrum
  float SWLWID;                            // relative bandwidth of the swell
  Arr<float, 5> DPTHI;                     // depths of the legacy current profile [ft | m]
  Arr<float, 5> VELI;                      // speeds of the legacy current profile [kn]
  float SLOINC;
  float SLOFRQ;
  float SLOARM;
  float JONPL;                             // JONSWAP width below the peak (sigma a) of the sea
  float JONPG;                             // JONSWAP width above the peak (sigma b) of the sea
  float JONGAM;                            // JONSWAP peak-enhancement factor (gamma) of the sea
  float ANGSEC;                            // spreading sector [deg]
  float WNDDNY;                            // wind spectral value [ft^2/s | m^2/s]
  float WNDDNZ;                            // wind spectral value [ft^2/s | m^2/s]
  float CURDNY;                            // current spectral value, written by the slow drift [ft^2/s | m^2/s]
  float CURDNZ;                            // current spectral value, written by the slow drift [ft^2/s | m^2/s]
  float TLP_TENSION;                       // tendon tension of a tension-leg platform [kips | t]
  float RMS_CRNT;                          // fractional RMS variation of the current
  float JONPL_SWL;                         // JONSWAP sigma a of the swell
  float JONPG_SWL;                         // JONSWAP sigma b of the swell
  float JONGAM_SWL;                        // JONSWAP gamma of the swell
  float WAVWID;                            // relative bandwidth of the sea (0 or more)
  float SLOFRQ_DELTA;
  float WSPEC_HGT;                         // evaluation height of the NPD wind spectrum [ft | m]
  float SWELHT2;                           // significant height of the second swell [ft | m]
  float SWELPD2;                           // peak period of the second swell [s]
  float SWLHDG2;                           // heading of the second swell [deg]
  float SWLWID2;                           // relative bandwidth of the second swell
  float JONPL_SWL2;                        // JONSWAP sigma a of the second swell
  float JONPG_SWL2;                        // JONSWAP sigma b of the second swell
  float JONGAM_SWL2;                       // JONSWAP gamma of the second swell
  union {
    Arr<float, 2> RTPCM1;
    float SLO_PD_MIN;
  };
  Arr<float, 200> RTPCM2;
  std::int32_t LBACK;                      // selection or navigation code of the current page (util/nav_codes.h)
  std::int32_t IPAG;                       // page number; also the number typed after a letter ("J12", "?7")
  std::int32_t LCOPY;                      // non-zero during a hard-copy pass: counts the screens listed
  std::int32_t EDUNIT;                     // output unit of the dialogue: 6 screen, 1 listing, 41 diagnostics
  Arr<std::int32_t, 10> ITPCM5;
  union {
    Arr<float, 40> SEAHDG;                   // sea headings [deg]; element 1 is the wave heading
    struct {
      std::int32_t top_pad1[1];
      Arr<float, 39> SLOHDG;
    };
  };
  union {
    Arr<std::int32_t, 913> IVESL;            // the vessel block as words
    struct {
      std::int32_t NACC;                       // vessel points with motion output (coordinates in RACC)
      std::int32_t EMTY1;
      std::int32_t EMTY2;
      std::int32_t LACC;                       // 1: point accelerations reported
      std::int32_t LVEL;                       // 1: point velocities reported
      std::int32_t LDSP;                       // 1: point displacements reported
      union {
        std::int32_t LROLL;
        std::int32_t TLROLL;
      };
      union {
        std::int32_t LBOW;
        std::int32_t TLBOW;
      };
      union {
        std::int32_t LKEEL;                      // 1: a bilge keel is fitted
        std::int32_t TLKEEL;
      };
      union {
        std::int32_t ROLTYP;
        std::int32_t TRLTYP;
      };
      union {
        std::int32_t LSTERN;
        std::int32_t TLSTRN;
      };
      std::int32_t LPTDMP;                     // 1: pitch damping given by the user (PTDAMP)
      std::int32_t LRLDMP;                     // 1: roll damping given by the user (RLDAMP)
      std::int32_t LHVDMP;                     // 1: heave damping given by the user (HVDAMP)
      std::int32_t LPTPRD;                     // 1: pitch natural period given by the user (PITPRD)
      std::int32_t LRLPRD;                     // 1: roll natural period given by the user (ROLPRD)
      std::int32_t LHVPRD;                     // 1: heave natural period given by the user (HEVPRD)
      std::int32_t CURCOR;                     // 1: user drift tables read at the current-corrected frequency
      std::int32_t GETSUCK;
      std::int32_t FAST_SPAR;
      std::int32_t LCBARG;                     // current force models: 4-bit code per direction (CurrentModel)
      std::int32_t LWBARG;                     // wind force models: 4-bit code per direction (WindModel)
      std::int32_t IARCO;                      // attachment of the SALM to the vessel (AttachmentKind)
      std::int32_t VESTYP;                     // hull model of the vessel (VesselType)
      std::int32_t AUXVSH;                     // 1: user response operators replace the hull model's
      std::int32_t CATFBK;                     // 1: static wave force against mooring force analysis (disc buoy)
      std::int32_t MORFBK;                     // 1: mooring forces fed back into the disc buoy's wave-frequency motions
      std::int32_t LSGDMP;                     // 1: surge damping given by the user (SGMDMP)
      std::int32_t LSWDMP;                     // 1: sway damping given by the user (SWMDMP)
      std::int32_t LYWDMP;                     // 1: yaw damping given by the user (YWMDMP)
      std::int32_t LSGPRD;                     // 1: surge natural period given by the user (in SGK)
      std::int32_t LSWPRD;                     // 1: sway natural period given by the user (in SWK)
      std::int32_t LYWPRD;                     // 1: yaw natural period given by the user (in YWK)
      std::int32_t LWVCOF;                     // wave-drift force models: 4-bit code per direction (DriftModel)
      std::int32_t LSPM;                       // 1: single point mooring, nonlinear correction (final page sets it)
      std::int32_t DECKUP;                     // user response operators in 1 deck-vertical, 0 earth-vertical axes
      std::int32_t LVMR1;                      // auxiliary force 1: which of two subtotals receives it
      std::int32_t SEMI_LIKE;                  // 1: column-stabilised hull (the semi-submersible model)
      std::int32_t AXFC2;                      // 1: auxiliary force 2 applied
      std::int32_t CRDS2;                      // axes of auxiliary force 2: 0 earth, otherwise vessel
      std::int32_t LVMR2;                      // auxiliary force 2: which of two subtotals receives it
      std::int32_t LXTDP2;
      std::int32_t AXFC3;                      // 1: auxiliary force 3 applied
      std::int32_t CRDS3;                      // axes of auxiliary force 3: 0 earth, otherwise vessel
      std::int32_t LVMR3;                      // auxiliary force 3: which of two subtotals receives it
      std::int32_t LXTDP3;
      Arr<std::int32_t, 104> ITPCM6;
      float REALDUM1;
      Arr<float, 3, 149> RACC;                 // vessel points (x, y, z) in vessel axes [ft | m]; NACC in use
      float WPITCH;                            // pitch natural frequency, written by the vessel response [rad/s]
      union {
        float TXWNDA;                            // head-on wind area [ft^2 | m^2]
        float XWNDAR;
      };
      float XWARM;                             // head-on wind area centroid, y from the centre of gravity [ft | m]
      union {
        float TYWNDA;                            // beam-on wind area [ft^2 | m^2]
        float YWNDAR;
      };
      float YWARM;                             // beam-on wind area centroid, x from the centre of gravity [ft | m]
      union {
        float TXCURA;                            // head-on current area [ft^2 | m^2]
        float XCURAR;
      };
      float XCARM;                             // head-on current area centroid, y from the centre of gravity [ft | m]
      union {
        float TYCURA;                            // beam-on current area [ft^2 | m^2]
        float YCURAR;
      };
      float YCARM;                             // beam-on current area centroid, x from the centre of gravity [ft | m]
      float BOWFAC;                            // bow shape factor of the wave reflection (drift) model
      union {
        float TWNDCF;                            // wind force enhancement factor
        float WNDFAC;
      };
      union {
        float CURFAC;                            // current force enhancement factor
        float TCURCF;
      };
      float WVFCY;                             // wave reflection beam-on enhancement factor
      float TRIMDG;                            // trim, bow down positive [deg]
      float HEELDG;                            // heel, starboard down positive [deg]
      float VWDFAC;                            // variable wave reflection (slow-drift force) enhancement factor
      float STRNFC;                            // stern shape factor of the wave reflection model
      float PTDAMP;                            // user pitch damping [% of critical]
      float RLDAMP;                            // user roll damping [% of critical]
      float HVDAMP;                            // user heave damping [% of critical]
      float PITPRD;                            // user pitch natural period [s]
      float ROLPRD;                            // user roll natural period [s]
      float HEVPRD;                            // user heave natural period [s]
      float XSALM;                             // SALM attachment, x from the vessel's centre of gravity [ft | m]
      float PNDARM;                            // separation of the attachment points (yoke or pendular arm) [ft | m]
      float SGK;                               // surge mooring spring [kips/ft | t/m], or the user's surge period [s]
      float SWK;                               // sway mooring spring [kips/ft | t/m], or the user's sway period [s]
      float YWK;                               // yaw mooring spring term, or the user's yaw period [s]
      float HVK;                               // heave mooring spring [kips/ft | t/m]
      float PTK;                               // pitch mooring spring term
      float RLK;                               // roll mooring spring term
      float SGMDMP;                            // surge mooring damping [% of critical]
      float SWMDMP;                            // sway mooring damping [% of critical]
      float YWMDMP;                            // yaw mooring damping [% of critical]
      float HVMDMP;                            // heave mooring damping [% of critical]
      float PTMDMP;                            // pitch mooring damping [% of critical]
      float RLMDMP;                            // roll mooring damping [% of critical]
      float SIZE;                              // tanker size: 0 small tanker, 1 OCIMF 1977 (the slow drift writes it)
      float LOADED;                            // freeboard-based load condition of the wind coefficients [%]
      float BOWWND;                            // above-water bow shape (wind): 0 conventional, 1 cylindrical
      float DFTPCT;                            // draft-based load condition of the current coefficients [%]
      float BOWCUR;                            // below-water bow shape for current: 0 conventional, 1 cylindrical
      float DSPPCT;                            // displacement-based load condition [%]
      float BOWWAV;                            // bow shape for wave drift: 0 conventional, 1 cylindrical
      float VESMAS;
      float SRGMAS;
      float SWYMAS;
      float YAWMAS;
      float ZXWARM;                            // head-on wind area centroid, z from the keel [ft | m]
      float ZYWARM;                            // beam-on wind area centroid, z from the keel [ft | m]
      float ZXCARM;                            // head-on current area centroid, z from the keel [ft | m]
      float ZYCARM;                            // beam-on current area centroid, z from the keel [ft | m]
      float WVFCX;                             // wave reflection head-on enhancement factor
      float WVFCM;                             // wave reflection moment enhancement factor
      float VGLDIR;                            // global direction of the vessel's motion [deg]
      float XSHDOW;                            // head-on shadowing and geometry factor of the wave drift
      float YSHDOW;                            // beam-on shadowing and geometry factor of the wave drift
      union {
        float DISPL;                             // vessel displacement [kips | t]
        float TDISPL;
      };
      union {
        float TVKB;                              // centre of buoyancy above the keel [ft | m]
        float VKB;
      };
      union {
        float TVKG;                              // centre of gravity above the keel [ft | m]
        float VKG;
      };
      union {
        float DRAFT;                             // mean vessel draft [ft | m]
        float TDRAFT;
      };
      union {
        float AWP;                               // waterplane area [ft^2 | m^2]
        float TAWP;
      };
      union {
        float PGYR;                              // pitch radius of gyration [ft | m]
        float TPGYR;
      };
      union {
        float RGYR;                              // roll radius of gyration [ft | m]
        float TRGYR;
      };
      union {
        float TYGYR;                             // yaw radius of gyration [ft | m]
        float YGYR;
      };
      union {
        float TVKMT;                             // transverse metacentre above the keel [ft | m]
        float VKMT;
      };
      union {
        float TVKML;                             // longitudinal metacentre above the keel [ft | m]
        float VKML;
      };
      union {
        float LWL;                               // waterline length [ft | m]
        float TLWL;
      };
      union {
        float BWL;                               // waterline beam [ft | m]
        float TBWL;
      };
      union {
        float BILGR;                             // bilge radius at the maximum beam station [ft | m]
        float TBILGR;
      };
      union {
        float TKEEL;                             // bilge keel length [ft | m]
        float TTKEEL;
      };
      union {
        float RKEEL;                             // bilge keel width [ft | m]
        float TRKEEL;
      };
      union {
        float DKEEL;                             // inboard distance of the bilge keel from the centreline [ft | m]
        float TDKEEL;
      };
      union {
        float TVFWD;                             // forward speed [ft/s | m/s] (shown in knots)
        float VFWD;
      };
      float VCBEST;                            // estimated height of the centre of buoyancy (semi-submersible) [ft | m]
      float GMTEST;                            // estimated transverse metacentric height [ft | m]
      float GMLEST;                            // estimated longitudinal metacentric height [ft | m]
      float VOLEST;                            // estimated displaced volume [ft^3 | m^3]
      float AWPEST;                            // estimated waterplane area [ft^2 | m^2]
      float XCBEST;                            // estimated centre of buoyancy, x [ft | m]
      float YCBEST;                            // estimated centre of buoyancy, y [ft | m]
      float XWPCTR;                            // estimated waterplane centroid, x [ft | m]
      float YWPCTR;                            // estimated waterplane centroid, y [ft | m]
      float XVFRC;                             // auxiliary force 1, x component [kips | t]
      float YVFRC;                             // auxiliary force 1, y component [kips | t]
      float VESMOM;                            // auxiliary force 1, moment [kip-ft | t-m]
      float VESAN0;
      float XVLOC;                             // auxiliary force 1, point x from the centre of gravity [ft | m]
      float YVLOC;                             // auxiliary force 1, point y [ft | m]
      std::int32_t AUXFRC;                     // 1: auxiliary force 1 applied
      std::int32_t CRDSYS;                     // axes of auxiliary force 1: 1 vessel, otherwise earth
      std::int32_t DPAFLG;                     // bit 1: dynamic-positioning moment on
      std::int32_t DPRFLG;                     // 1: dynamic-positioning springs on
      float DPANG;                             // heading held by the positioning moment [deg]
      float DPADMP;
      float DPASPR;                            // positioning yaw spring: moment per radian off DPANG
      float DPXPNT;                            // x held by the positioning spring [ft | m]
      float DPXDMP;
      float DPXSPR;                            // x positioning spring [kips/ft | t/m]
      float DPYPNT;                            // y held by the positioning spring [ft | m]
      float DPYDMP;
      float DPYSPR;                            // y positioning spring [kips/ft | t/m]
      float DPXFRC;                            // constant x positioning force [kips | t]
      float DPYFRC;                            // constant y positioning force [kips | t]
      float DPMOM;                             // constant positioning moment [kip-ft | t-m]
      float DPXLOC;                            // point of the positioning force, x from the centre of gravity [ft | m]
      float DPYLOC;                            // point of the positioning force, y [ft | m]
      float ZVLOC;                             // auxiliary force 1, point z [ft | m]
      float SPECF1;                            // auxiliary force 1, force spectrum [kips^2 s | t^2 s]
      float SPECM1;                            // auxiliary force 1, moment spectrum [kip^2 ft^2 s | t^2 m^2 s]
      float FEXDP1;
      union {
        float MEXDP1;
        Arr<float, 1> RTPCM8;
      };
      float PKFCM1;
      float ZVFRC;                             // auxiliary force 1, z component [kips | t]
      float XVSMO1;                            // auxiliary force 1, moment about x [kip-ft | t-m]
      float YVSMO1;                            // auxiliary force 1, moment about y [kip-ft | t-m]
      float XVFRC2;                            // auxiliary force 2, x component [kips | t]
      float YVFRC2;                            // auxiliary force 2, y component [kips | t]
      float ZVFRC2;                            // auxiliary force 2, z component [kips | t]
      float XVSMO2;                            // auxiliary force 2, moment about x [kip-ft | t-m]
      float YVSMO2;                            // auxiliary force 2, moment about y [kip-ft | t-m]
      float VESMO2;                            // auxiliary force 2, moment [kip-ft | t-m]
      float SPECF2;                            // auxiliary force 2, force spectrum [kips^2 s | t^2 s]
      float SPECM2;                            // auxiliary force 2, moment spectrum [kip^2 ft^2 s | t^2 m^2 s]
      float XVLOC2;                            // auxiliary force 2, point x [ft | m]
      float YVLOC2;                            // auxiliary force 2, point y [ft | m]
      float ZVLOC2;                            // auxiliary force 2, point z [ft | m]
      float FEXDP2;
      float MEXDP2;
      float PKFCM2;
      float XVFRC3;                            // auxiliary force 3, x component [kips | t]
      float YVFRC3;                            // auxiliary force 3, y component [kips | t]
      float ZVFRC3;                            // auxiliary force 3, z component [kips | t]
      float XVSMO3;                            // auxiliary force 3, moment about x [kip-ft | t-m]
      float YVSMO3;                            // auxiliary force 3, moment about y [kip-ft | t-m]
      float VESMO3;                            // auxiliary force 3, moment [kip-ft | t-m]
      float SPECF3;                            // auxiliary force 3, force spectrum [kips^2 s | t^2 s]
      float SPECM3;                            // auxiliary force 3, moment spectrum [kip^2 ft^2 s | t^2 m^2 s]
      float XVLOC3;                            // auxiliary force 3, point x [ft | m]
      float YVLOC3;                            // auxiliary force 3, point y [ft | m]
      float ZVLOC3;                            // auxiliary force 3, point z [ft | m]
      float FEXDP3;
      float MEXDP3;
      float PKFCM3;
      float XVFRC4;
      float YVFRC4;
      float ZVFRC4;
      float XVSMO4;
      float YVSMO4;
      float VESMO4;
      float SPECF4;
      float SPECM4;
      float XVLOC4;
      float YVLOC4;
      float ZVLOC4;
      float FEXDP4;
      float MEXDP4;
      float PKFCM4;
      float CxUser;
      float CyUser;
      float CzUser;
      float CmxUser;
      float CmyUser;
      float CmzUser;
      Arr<float, 134> RTPCM7;
      float CG_to_Midship;                     // distance from the centre of gravity to midship [ft | m]
      float ACCZDIST;
      float XCURNTDN;                          // head-on current modifier downstream of the hull
      float XCURNTUP;                          // head-on current modifier upstream of the hull
      float YCURNTDN;                          // beam-on current modifier downstream of the hull
      float YCURNTUP;                          // beam-on current modifier upstream of the hull
      float MUNKFAC1;                          // current modifier of the Munk moment
      float MUNKFAC2;
      float MUNKFAC3;
      float WVDGCX;                            // wave absorption (drag) head-on enhancement factor
      float WVDGCY;                            // wave absorption beam-on enhancement factor
      float WVDGCM;                            // wave absorption moment enhancement factor
      float VWDRGFC;                           // variable wave absorption enhancement factor
      union {
        float ENDHT;                             // hawser point on the main body, on the basis of RFLD [ft | m]
        float TLNHT;
      };
      union {
        float TLNANG;
        float TOWANG;
      };
      union {
        float CNTSEP;                            // separation of the two bodies [ft | m]
        float TCNTSP;
      };
      float DWTONS;                            // vessel deadweight [kips | t]
    };
  };
  float excursionLimitDiameter;            // excursion disk diameter of the time-domain program [ft | m]
  float AR3;
  float AR4;
  float AR5;
  float YAWINC;                            // step of the auxiliary yaw offset table [deg]
  float EQLYAW;                            // equilibrium yaw angle: offset of the yaw offset table [deg]
  float OFFINC;                            // offset increment of the static offset table [ft | m]
  float HMIN;                              // first load of a logarithmic offset table (statics writes it) [kips | t]
  float TLOAD;                             // maximum horizontal load on the SALM: last load of the table [kips | t]
  float SGLFDP;                            // user low-frequency surge damping [% of critical]
  float SWLFDP;                            // user low-frequency sway damping [% of critical]
  float YWLFDP;                            // user low-frequency yaw damping [% of critical]
  float AR14;
  float AR15;
  float AR16;
  float AR17;
  float AR18;
  float AR19;
  float AR20;
  Arr<float, kMaxTablePoints> AUXFOR;      // auxiliary lateral offset table: load per offset point [kips | t]
  Arr<float, kMaxTablePoints> AUXTRQ;      // auxiliary yaw offset table: yaw moment per YAWINC step (scaled as a force)
  union {
    std::int32_t IL0;
    Arr<std::int32_t, 1> ITPCM7;
  };
  std::int32_t WriteAuxDatFiles;           // non-zero: the auxiliary files of the time-domain program are written
  std::int32_t SupressSemiDragSpec;
  std::int32_t ForceAllRebuilds;
  Arr<std::int32_t, 27> ITPCTavrenoch;
  Arr<std::int32_t, 9> ITPCM8;
  std::int32_t IL1;
  std::int32_t IL2;
  union {
    std::int32_t ISURGE;                     // 0: regular waves drive the dynamics, else the imposed extension
    std::int32_t LEXTND;
  };
  std::int32_t YAWTBL;                     // 1: auxiliary yaw offset table on
  std::int32_t AUXTBL;                     // 1: auxiliary lateral offset table on
  std::int32_t LSGLFD;                     // 1: low-frequency surge damping given by the user (SGLFDP)
  std::int32_t LSWLFD;                     // 1: low-frequency sway damping given by the user (SWLFDP)
  std::int32_t LYWLFD;                     // 1: low-frequency yaw damping given by the user (YWLFDP)
  std::int32_t IL9;
  union {
    std::int32_t NTAB;                       // points of the offset and line tables (0: no mooring data)
    std::int32_t NUMTAB;
  };
  std::int32_t IL10;
  std::int32_t IL11;
  std::int32_t IL12;
  std::int32_t IL13;
  std::int32_t LQUAS;                      // 1: low-frequency dynamics computed (the vessel pages are shown)
  std::int32_t LDYN;                       // 1: wave-frequency dynamics simulated
  std::int32_t IL16;
  std::int32_t IL17;
  std::int32_t IANC;                       // non-zero: the partner motion file has a leading record to skip
  std::int32_t IL20;
  Arr<std::int32_t, 61> ITPCM9;
  std::int32_t TOPCOM_LAST;                // end of section 1

  // ---- Section 2, SEMCOM (words 1,988 to 4,975): the SALM layout, the second-body layout and the
  // hull-member layout over the same words ----
  union {
    Arr<std::int32_t, 2988> AUXDUM;          // the whole section as words, for routines that pass it through
    struct {
      union {
        struct {  // the SALM layout: switches of the SALM analysis and the element tables
          std::int32_t LODFRE_SLM;
          std::int32_t LPOSN;                      // 1: position RAOs at the free joints reported
          std::int32_t LANGLE;                     // 1: angle RAOs of the articulated members reported
          std::int32_t LODWAV;
          std::int32_t LODINR;
          std::int32_t LODSTA;
          std::int32_t LODNET;                     // 1: net load variation RAOs at the free joints reported
          std::int32_t LOWMOT;                     // 1: low-frequency motions and loads reported
          std::int32_t STAMOT;                     // 1: static offset and SALM mass data reported
          std::int32_t HIMOT;
          std::int32_t OUTCRD;                     // load axes: 0 the SALM plane, 1 member-fixed
          std::int32_t SMPDRG;                     // 1: simplified member drag model
          std::int32_t ISLM1;
          std::int32_t ISLM2;
          std::int32_t LOFFST;                     // 1: static loads at prescribed offsets reported
          std::int32_t WETYOK;                     // submergence option of buoy top and yoke, 0 to 6 (tpcm_codes.h)
          std::int32_t EQVLIN;
          std::int32_t NMOMT;                      // elements with moment output, at most 10 (final page counts)
          std::int32_t NELEM;                      // number of SALM elements, at most kMaxSalmElements
          std::int32_t ISTAT;                      // work word: a loop counter of the reports
          std::int32_t IFRANC;
          Arr<std::int32_t, kMaxSalmElements> IFREE; // per element, non-zero: lower joint free to rotate, 0 frozen
          Arr<std::int32_t, kMaxSalmElements> LMOMT; // per element, non-zero: bending moment and loads at its top
          std::int32_t IPIERC;                     // number of the element that pierces the water surface
          std::int32_t ISLM3;
          Arr<float, 2> SSALM;
          Arr<float, kMaxSalmElements> SLEN;       // per element: length [ft | m]
          Arr<float, kMaxSalmElements> BUOY;       // per element: volume [ft^3 | m^3] (statics: buoyancy)
          Arr<float, kMaxSalmElements> CBUOY;      // per element: centroid of volume above its lower end [ft | m]
          Arr<float, kMaxSalmElements> TMASS;      // per element: total dry weight [kips | t]
          Arr<float, kMaxSalmElements> CGSALM;     // per element: centre of gravity above its lower end [ft | m]
          Arr<float, kMaxSalmElements> LOWER;      // per element: moves with its data (not shown, not converted)
          Arr<float, kMaxSalmElements> GYRAD;      // per element: radius of gyration [ft | m]
          float ANCHOR;                            // inclination of the SALM base [rad]
          float YOKEHT;                            // yoke height above the waterline at the vessel [ft | m]
          float WPAPRC;                            // waterplane area of the water-piercing element [ft^2 | m^2]
          float YOKVES;                            // yoke-vessel angle, added to the equilibrium headings; pi: in line [rad]
          Arr<float, kMaxSalmElements> COFMST;     // per element: added-mass coefficient
          Arr<float, kMaxSalmElements> COFDMT;     // per element: effective (square-law) drag coefficient
          float COFMAS;                            // default element added-mass coefficient (column factor)
          float COFDMP;                            // default element drag coefficient (column factor)
          float R13;
          float R14;
          float R15;
          float R16;
          float R17;
          float R18;
          float R19;
          float R20;
          std::int32_t JD1;
          std::int32_t JD2;
          std::int32_t JD3;
          std::int32_t LTABL;                      // 1: static load interpolation table reported
          std::int32_t FRESLM;                     // non-zero: free SALM (set by the sequencer from IARCO)
          std::int32_t JD6;
          std::int32_t JD7;
          std::int32_t JD8;
          std::int32_t JD9;
          std::int32_t JD10;
          Arr<float, 20> ASLMS1;
          Arr<float, 20> ASLMS2;
          Arr<float, 20> ASLMS3;
          Arr<float, 20> ASLMS4;
          Arr<std::int32_t, 20> ISLMS1;
          Arr<std::int32_t, 20> ISLMS2;
          Arr<std::int32_t, 20> ISLMS3;
          Arr<std::int32_t, 20> ISLMS4;
          std::int32_t LPERCN;                     // 1: a member pierces the surface (written by the statics)
          Arr<std::int32_t, 2338> SEMFIL;
        };
        // The second-body layout: a copy of the vessel block (words 754 to 1,986) for the second body of
        // a two-body data set, each name with a B in front and the meaning and unit of its twin; then
        // the hull-member table.
        struct {
          union {
            std::int32_t BNACC;
            Arr<std::int32_t, 1> BVESL;
            Arr<std::int32_t, 1> IBUOY;
          };
          std::int32_t BEMTY1;
          std::int32_t BEMTY2;
          std::int32_t BLACC;
          std::int32_t BLVEL;
          std::int32_t BLDSP;
          std::int32_t BLROLL;
          std::int32_t BLBOW;
          std::int32_t BLKEEL;
          std::int32_t BRLTYP;
          std::int32_t BLSTRN;
          std::int32_t BPTDMP;
          std::int32_t BRLDMP;
          std::int32_t BHVDMP;
          std::int32_t BPTPRD;
          std::int32_t BRLPRD;
          std::int32_t BHVPRD;
          std::int32_t BCRCOR;
          std::int32_t BAVTP2;
          std::int32_t BAVTP3;
          std::int32_t BLCBRG;
          std::int32_t BLWBRG;
          std::int32_t BIARCO;
          std::int32_t BVSTYP;
          std::int32_t BAXVSH;
          std::int32_t BCTFBK;
          std::int32_t BMRFBK;
          std::int32_t BSGDMP;
          std::int32_t BSWDMP;
          std::int32_t BYWDMP;
          std::int32_t BSGPRD;
          std::int32_t BSWPRD;
          std::int32_t BYWPRD;
          std::int32_t BWVCOF;
          std::int32_t BLSPM;                      // logical
          std::int32_t BDEKUP;
          std::int32_t BTPCM6_AV1;
          std::int32_t B_SEMI_LIKE;                // logical
          Arr<std::int32_t, 8> BTPCM6_AV2;
          Arr<std::int32_t, 104> BTPCM6;
          float BREALDUM1;
          Arr<float, 3, 149> BRACC;
          float BTOP2;
          float BXWNDA;
          float BXWARM;
          float BYWNDA;
          float BYWARM;
          float BXCURA;
          float BXCARM;
          float BYCURA;
          float BYCARM;
          float BBOWCF;
          float BWNDCF;
          float BCURCF;
          float BWVFCY;
          float BTRMDG;
          float BHELDG;
          float BVWDFC;
          float BSTRNC;
          float BPITDM;
          float BROLDM;
          float BHEVDM;
          float BPITPD;
          float BROLPD;
          float BHEVPD;
          float BXSALM;
          float BPNDRM;
          float BSGK;
          float BSWK;
          float BYWK;
          float BHVK;
          float BPTK;
          float BRLK;
          float BSGMDM;
          float BSWMDM;
          float BYWMDM;
          float BHVMDM;
          float BPTMDM;
          float BRLMDM;
          float BSIZE;
          float BLODED;
          float BBOWWD;
          float BDFTPC;
          float BBOWCR;
          float BDSPPC;
          float BBOWWV;
          float BVSMAS;
          float BSRGMS;
          float SBWYMS;
          float BYAWMS;
          float BZXWRM;
          float BZYWRM;
          float BZXCRM;
          float BZYCRM;
          float BWVFCX;
          float BWVFCM;
          float BVGLDR;
          float BXSHDW;
          float BYSHDW;
          float BDISPL;
          float BVKB;
          float BVKG;
          float BDRAFT;                            // draft of the second body [ft | m]
          float BAWP;
          float BPGYR;
          float BRGYR;
          float BYGYR;
          float BVKMT;
          float BVKML;
          float BLWL;
          float BBWL;
          float BBILGR;
          float BTKEEL;
          float BRKEEL;
          float BDKEEL;
          float BVFWD;
          Arr<float, 9> BARP;
          float BXVFRC;
          float BYVFRC;
          float BVSMOM;
          float BVSAN0;
          float BXVLOC;
          float BYVLOC;
          std::int32_t BAXFRC;
          std::int32_t BCDSYS;
          std::int32_t BARDP1;
          std::int32_t BARDP2;
          Arr<float, 14> BARDP;
          float BZVLOC;
          float BSPCF1;
          float BSFCM1;
          float BFXDP1;
          union {
            Arr<float, 1> BARP2;
            float BMXDP1;
          };
          Arr<float, 46> BARPP0;
          Arr<float, 140> BARPP;
          float BCG_to_Midship;
          float BACCZDIST;
          float BXCURNTDN;
          float BXCURNTUP;
          float BYCURNTDN;
          float BYCURNTUP;
          float BMUNKFAC1;
          float BMUNKFAC2;
          float BMUNKFAC3;
          float BWVDGCX;
          float BWVDGCY;
          float BWVDGCM;
          float BVWDRGFC;
          float BLNHT;
          float BLNANG;
          float BCNTSP;
          float BDWTNS;
          float BAR2;
          float BAR3;
          float BAR4;
          float BAR5;
          float BYWINC;
          float BEQLYW;
          float BOFINC;
          float BAR9;
          float BTLOAD;
          float BSGLFD;
          float BSWLFD;
          float BYWLFD;
          float BAR14;
          float BAR15;
          float BAR16;
          float BAR17;
          float BAR18;
          float BAR19;
          float BAR20;
          Arr<float, kMaxTablePoints> BAXFOR;
          Arr<float, kMaxTablePoints> BAXTRQ;
          Arr<std::int32_t, 40> BILP;
          std::int32_t BIL1;
          std::int32_t BIL2;
          std::int32_t BSURGE;
          std::int32_t BYWTBL;
          std::int32_t BAXTBL;
          std::int32_t BIDMP;
          std::int32_t LBSWDP;
          std::int32_t LBYWDP;
          std::int32_t BMXTAB;
          std::int32_t BNMTAB;
          std::int32_t BIL10;
          std::int32_t BIL11;
          std::int32_t BIL12;
          std::int32_t BIL13;
          std::int32_t BLQUAS;
          std::int32_t BLDYN;
          std::int32_t BIL16;
          std::int32_t BIL17;
          std::int32_t BIANC;
          std::int32_t BIL20;
          Arr<std::int32_t, 61> BILP8;
          Arr<std::int32_t, 86> NAVBL;
          // The hull-member table of the semi-submersible model: up to 50 members.
          std::int32_t DRAG_ONLY;                  // 1: the hull members carry drag only
          Arr<std::int32_t, 50> BOTTYP;
          Arr<std::int32_t, 50> TOPTYP;            // per member, 0: its far end takes end drag
          Arr<std::int32_t, 50> MEMDIR;            // per member: 1 to 3 along that vessel axis, 4 other
          Arr<std::int32_t, 50> MEMTYP;
          Arr<std::int32_t, 50> NCYLTP;            // per member: cross-section kind 0, 1 or 2 (waterplane gyradius)
          Arr<std::int32_t, 50> MASCMP;
          Arr<std::int32_t, 50> DRGCMP;
          std::int32_t NMEM;
          std::int32_t MAXMEM;
          std::int32_t NEND;
          std::int32_t NCYL;                       // number of hull members, at most 50
          std::int32_t MAXEND;
          std::int32_t MAXCYL;
          std::int32_t NPOD;
          std::int32_t MAXPOD;
          float CCOFMX;
          float CCOFMY;
          float CCOFMZ;
          float CCOFDX;
          float CCOFDY;
          float CCOFDZ;
          float CCOFIY;
          float CCOFIZ;
          float CCFDIY;
          float CCFDIZ;
          Arr<float, 3, 50> RCYLB;                 // per member: lower end (x, y, z), z above the keel [ft | m]
          Arr<float, 3, 50> RCYLT;                 // per member: upper end (x, y, z) [ft | m]
          Arr<float, 50> XAREA;                    // per member: cross-section area [ft^2 | m^2]
          Arr<float, 3, 50> DIAMS;                 // per member: section (axes 1, 2) and length (axis 3) [ft | m]
          Arr<float, 3, 50> CYLCM;                 // per member: added-mass coefficients along the local axes
          Arr<float, 3, 50> CYLCMI;                // per member: added-inertia coefficients about the local axes
          Arr<float, 3, 50> CYLCD;                 // per member: drag coefficients, local axes (3: end drag)
          Arr<float, 3, 50> CYLCDI;                // per member: rotational drag coefficients
          Arr<float, 199> EXTRA;
          float SEMCOM_LAST;                       // end of section 2
        };
        Arr<std::int32_t, 1233> NAVBLQ;          // filler of the hull-member layout
      };
    };
  };

  // ---- Section 3, MORCOM (words 4,976 to 78,635) ----
  union {
    Morcom moor;                             // the mooring layout
    Arr<std::int32_t, 2338> ISALM_FILL;      // filler
    Arr<std::int32_t, 1> MOOR_TOP;           // filler: the first word of the section
  };

  // ---- Section 4, CATNCOM (words 78,636 to 79,676): the catenary layout, or the spread-mooring
  // statics layout as TPCM.stm ----
  union {
    struct {
      union {
        Arr<std::int32_t, 1> NCATN;
        std::int32_t NULNET;
      };
      std::int32_t NOFFL;
      std::int32_t NOFFY;
      std::int32_t NFCOFF;
      std::int32_t NFCDIR;
      std::int32_t NTQOFF;
      std::int32_t NTQDIR;
      std::int32_t MTCHFT;
      std::int32_t FCVES;
      std::int32_t TQVES;
      std::int32_t NRCTDR;
      std::int32_t NRCTOF;
      std::int32_t NERGAN;
      std::int32_t NSTIFG;
      std::int32_t NSTIFV;
      std::int32_t NETFG;
      std::int32_t NETFV;
      std::int32_t VSTSYM;
      std::int32_t GSTSYM;
      std::int32_t DPMTRX;
      std::int32_t FROMTABLE;
      std::int32_t NTA;
      std::int32_t N_ERG_ZERO;
      Arr<std::int32_t, 129> NCATN2;
      std::int32_t NLAT;
      std::int32_t NYAW;
      union {
        Arr<std::int32_t, 1> ND;
        std::int32_t NTO;
      };
      std::int32_t NHO;
      std::int32_t NVO;
      std::int32_t NHA;
      std::int32_t NVA;
      std::int32_t NSL;
      std::int32_t NDA;
      std::int32_t NBA;
      std::int32_t NBL;
      std::int32_t NANCD;
      std::int32_t NDEPAN;
      std::int32_t NCRS;
      std::int32_t NOCUT;
      std::int32_t OBDEFN;
      Arr<float, 50> OFFL;
      Arr<float, 50> OFFY;
      Arr<float, 10> PHIL;
      Arr<float, 2> PHIY;
      Arr<std::int32_t, 11> NCATN3;
      std::int32_t AUXDSP;
      float XINIT;
      float YINIT;
      float ZINIT;
      float YWINIT;
      union {
        Arr<float, 3> ROTCTR;
        struct {
          float ROTCTX;
          float ROTCTY;
          float ROTCTZ;
        };
      };
      float EPSDST;
      float EPSDEG;
      Arr<std::int32_t, 6> NCATN4;
      Arr<float, 50> OBLOFF;
      Arr<float, 3, 10> OBLVEC;
      Arr<float, 10> OBLPTY;
      std::int32_t NVERT;
      std::int32_t NOBLDR;
      std::int32_t NOFFOB;
      std::int32_t OVRIDE;
      Arr<float, 50> VRTOFF;
      Arr<float, 247> AVCATN5;
      Arr<float, 3> FAPPNT;
      union {
        Arr<float, 3, 10> DIRGEN;
        Arr<float, 3, 10> FRCVEC;
      };
      Arr<float, 3, 10> TRQVEC;
      union {
        Arr<float, 50> FRCOFF;
        Arr<float, 50> OFFGEN;
      };
      Arr<float, 50> TRQOFF;
      Arr<float, 3, 10> RCTDIR;
      Arr<float, 50> RCTOFF;
      Arr<float, 98> AVCATN6;
      std::int32_t LAST_CATNCOM0;
      std::int32_t LAST_CATNCOM;
    };
    CatncomSpread stm;
  };
};

inline constexpr int kTpcmWords = 79676;   // words of TPCM
inline constexpr int kStoredWords = 4975;  // words this program loads and stores (sections 1 and 2)

static_assert(sizeof(Tpcm) == 4 * kTpcmWords, "TPCM must be 79,676 words");

extern Tpcm TPCM;

// The block as bytes, for image I/O and comparison.
inline std::span<std::byte, sizeof(Tpcm)> tpcmBytes() { return std::as_writable_bytes(std::span<Tpcm, 1>(&TPCM, 1)); }

// The block as its run of 4-byte words, word 1 first, for the image routines that take word arrays
// (the build keeps -fno-strict-aliasing for these word views of mixed blocks).
inline std::int32_t* wordsOf(Tpcm& block) { return reinterpret_cast<std::int32_t*>(&block); }

}  // namespace qv
