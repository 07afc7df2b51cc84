// The data set of one analysis, TPCM, and the user coefficient tables, LOWCOF.
//
// Every member sits at its fixed word: the data file is a byte image of the first NTOGO words, shared
// with the other programs of the family, so the layout is pinned member by member in tpcm_layout.cpp.
// Words are 4 bytes; arrays are 1-based with the first index fastest; several names may cover the
// same words (anonymous unions). Where two layouts of one section use the same names, the layout that
// is not this program's own is a named view: TPCM.moor (the mooring layout of section 3) and TPCM.stm
// (the spread-mooring statics layout of section 4).
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
  std::int32_t WLFLAG;
  std::int32_t NLWVFG;
  std::int32_t INRLFG;
  std::int32_t ONLYLD;
  std::int32_t TENSRF;
  std::int32_t BTOUCH;
  float LONGIE;
  float SHORTY;
  std::int32_t ELIPSM;
  std::int32_t NEXCLUDE;
  std::int32_t IDEXCLUDE1;
  std::int32_t IDEXCLUDE2;
  std::int32_t IDEXCLUDE3;
  std::int32_t IDEXCLUDE4;
  std::int32_t PULLDN;
  std::int32_t GETNODE;
  std::int32_t QSFLAG2;
  std::int32_t QSFLAG3;
  std::int32_t NEXCLD_I;
  std::int32_t IDEXCLD1_I;
  std::int32_t IDEXCLD2_I;
  std::int32_t IDEXCLD3_I;
  std::int32_t IDEXCLD4_I;
  std::int32_t NODE_MOT_PERP;
  union {
    std::int32_t DOHINGE;
    Arr<std::int32_t, 109> IDUM0;
  };
  Arr<std::int32_t, 150> STRESS_STRAIN_FILE;
  Arr<std::int32_t, 150> ANCTYP;
  union {
    Arr<std::int32_t, 151, 150> LINTYP;
    Arr<std::int32_t, 1> LIN_DUM;
  };
  Arr<std::int32_t, 150> NLINE;
  std::int32_t NTYP;
  std::int32_t MAXTYP;
  Arr<std::int32_t, 150> NELEM;
  std::int32_t MAXELM;
  std::int32_t NLAYER;
  std::int32_t NDYNEV;
  std::int32_t NLIN;
  std::int32_t MAXLIN;
  Arr<std::int32_t, 150> IDYNEV;
  std::int32_t MAXDYN;
  std::int32_t LRESET;
  std::int32_t MOORTP;
  std::int32_t MCMAV1;
  std::int32_t LODTYP;
  std::int32_t LBOUND;
  std::int32_t ANCDEF;
  std::int32_t HAWSTP;
  std::int32_t HAWSLN;
  std::int32_t LCURML;
  Arr<std::int32_t, 38> MRSPAR;
  union {
    Arr<std::int32_t, 2, 25, 150> ISCOMP;
    Arr<Text<8>, 25, 150> SCOMP;
  };
  union {
    Arr<float, 25, 150> SLEN;
    Arr<std::int32_t, 1> SLEN_DUM;
  };
  Arr<float, 25, 150> DIAM;
  Arr<float, 25, 150> WETWT;
  Arr<float, 3, 25, 150> ALPHA;
  Arr<float, 25, 150> TBRK;
  Arr<float, 150> HTENS;
  Arr<float, 3, 150> RFLD;
  Arr<float, 25, 150> COFMST;
  Arr<float, 25, 150> COFDMT;
  Arr<float, 25, 150> DRYWT;
  Arr<float, 25, 150> MOORDUMMY;
  Arr<float, 150> ANGDEP;
  Arr<float, 150> ANCHGT;
  float ANCHT0;
  float COFMAS;
  float COFDMP;
  float BTFRC0;
  Arr<float, 150> BOTFRC;
  float ZSPAN;
  Arr<float, 3> RMCTR;
  union {
    Arr<float, 3> RMCTRG;
    struct {
      float XMCTR;
      float YMCTR;
      float ZMCTR;
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
    std::int32_t NTOGO;                      // words in the stored image
    Arr<std::int32_t, 1> IDUM;
  };
  union {
    std::int32_t CREATR;                     // creator simulation type
    std::int32_t SIMTYP;
  };
  std::int32_t ITAVQ3;
  std::int32_t NEWFLG;
  std::int32_t ITAVQ5;
  std::int32_t SRCDAT;                     // session mode when last stored
  std::int32_t LEASTP;                     // session mode (3 unattended)
  Arr<std::int32_t, 6> reserved_w8;        // reserved: never read or written
  std::int32_t IBATCH;                     // opened with "B"
  std::int32_t DAT_ID;                     // 49 forces the update pass
  std::int32_t DP_FLAG;                    // 1 = other precision
  Arr<std::int32_t, 10> ITPCM1;
  std::int32_t ITPCQ1;
  std::int32_t MAXDIR;
  union {
    std::int32_t MAXSEA;
    std::int32_t MAXSHG;
  };
  union {
    std::int32_t MAXPRM;
    std::int32_t MAXSHT;
  };
  std::int32_t ITPCQ2;
  std::int32_t MAXANG;
  std::int32_t MAXCHR;
  Arr<std::int32_t, 20> ITPCM2;
  Arr<std::int32_t, 6> MOTION;             // new set: 1
  union {
    Arr<Text<4>, 20> CID1;                   // identification line 1
    Text<80> CID1P;
    Arr<std::int32_t, 20> IDENT1;
  };
  union {
    Arr<Text<4>, 20> CID2;                   // identification line 2
    Text<80> CID2P;
    Arr<std::int32_t, 20> IDENT2;
  };
  std::int32_t ONETWO;
  std::int32_t ALLRAO;
  std::int32_t PRNRAO;
  std::int32_t SPECFG;
  std::int32_t NEGSUM;
  union {
    std::int32_t LFORCE;
    std::int32_t LTABLE;
  };
  union {
    std::int32_t LMOTN;
    std::int32_t LODRAO;
  };
  std::int32_t LGAP;                       // 0 to 2
  std::int32_t LSLPHT;
  std::int32_t IUNIT;                      // report destination (1 file)
  std::int32_t IDRIVE;
  union {
    Text<4> CVERSN;                          // version of old images
    std::int32_t IVERSN;
  };
  std::int32_t IYEAR;                      // year of the storing program
  std::int32_t IPLOTS;
  std::int32_t NBUG0;
  std::int32_t NBUG;
  std::int32_t reserved_w116;              // reserved: never read or written
  std::int32_t NUNTS;                      // unit system
  std::int32_t ISPM;                       // simulation-partner code
  std::int32_t ICHAIN;
  std::int32_t COMPLR;
  std::int32_t CMPUTR;                     // platform code (below 5: big-endian class)
  std::int32_t LENDEG;
  std::int32_t LPEAK;
  Arr<std::int32_t, 19> reserved_w124;     // reserved: never read or written
  std::int32_t SQLFRC;
  std::int32_t NOWARN;
  std::int32_t LCGFLG;
  std::int32_t MS3DOF;
  std::int32_t RMSFLG;
  std::int32_t EXLOUT;
  std::int32_t LFBASIN;
  std::int32_t TENDON_FLG;
  std::int32_t LEG_WF_LOADS;
  std::int32_t LEG_CYL_DFC;
  Arr<std::int32_t, 2> reserved_w153;      // reserved: never read or written
  Arr<std::int32_t, 7> ITPCM3;
  std::int32_t reserved_w162;              // reserved: never read or written
  std::int32_t IVERS_SUFX;                 // version increment
  std::int32_t WAVTYP;
  std::int32_t WNDTYP;
  std::int32_t CURTYP;
  std::int32_t NWP;                        // number of wave periods (new set: 30)
  std::int32_t NDIR;
  std::int32_t NA;
  std::int32_t NSEAHG;
  union {
    std::int32_t NPARM;
    std::int32_t NSEAHT;
  };
  std::int32_t LRANDM;
  std::int32_t LSPRED;
  std::int32_t LSWELL;
  std::int32_t LWIND;
  std::int32_t LCURNT;
  std::int32_t LCSTCR;
  std::int32_t NCURNT;
  std::int32_t NUMSLO;
  std::int32_t SLOFLG;
  std::int32_t LSWLOK;
  std::int32_t XTRMFL;
  std::int32_t NEWEQL;
  std::int32_t LEGDFC;
  std::int32_t LEGPKF;
  std::int32_t LEGDRG;
  std::int32_t LANGARR;
  std::int32_t LEGTLP;
  std::int32_t LPHANTOM_WGHT;
  std::int32_t SWLTYP;
  std::int32_t FORCE_GAUSS;
  std::int32_t N_OCHI_COMP;
  std::int32_t NEW_STYLE_SEMI_INTEG;
  std::int32_t LSWEL2;
  std::int32_t SWLTYP2;
  std::int32_t NUM_SWEL;
  std::int32_t hideHobraneReports;
  std::int32_t noMoor;                     // logical
  std::int32_t noEquil;                    // logical
  std::int32_t cylMap;                     // logical
  std::int32_t sqUserSWD;                  // logical
  std::int32_t sqUserCM;                   // logical
  Arr<std::int32_t, 14> ITPCM4;
  float VERNO;                             // version of the storing program
  Arr<float, kMaxPeriods> USRPSD;
  Arr<float, kMaxPeriods> T;                       // wave periods (new set: 5.0 step 0.5)
  Arr<float, 12> WAVHDG;
  Arr<float, 6> SWHT;
  Arr<float, 6> SIGPD;
  union {
    Arr<float, 4> OCHI_LAMBDA;
    Arr<float, 4> RTPCM0;
  };
  float DEPTH;
  float DWATR;                             // water density (new set: 64.0)
  float SLPHT;
  float COSEXP;
  float DURATN;
  float SWELHT;
  float SWELPD;
  float SWLHDG;
  float WNDHDG;
  float WNDSPD;
  float WNDDEN;
  float CURHDG;
  float CURSPD;
  float CURDEN;
  float APIPRM;
  float SWLWID;
  Arr<float, 5> DPTHI;
  Arr<float, 5> VELI;
  float SLOINC;
  float SLOFRQ;
  float SLOARM;
  float JONPL;
  float JONPG;
  float JONGAM;
  float ANGSEC;
  float WNDDNY;
  float WNDDNZ;
  float CURDNY;
  float CURDNZ;
  float TLP_TENSION;
  float RMS_CRNT;
  float JONPL_SWL;
  float JONPG_SWL;
  float JONGAM_SWL;
  float WAVWID;
  float SLOFRQ_DELTA;
  float WSPEC_HGT;
  float SWELHT2;
  float SWELPD2;
  float SWLHDG2;
  float SWLWID2;
  float JONPL_SWL2;
  float JONPG_SWL2;
  float JONGAM_SWL2;
  union {
    Arr<float, 2> RTPCM1;
    float SLO_PD_MIN;
  };
  Arr<float, 200> RTPCM2;
  std::int32_t LBACK;                      // page selection or navigation code
  std::int32_t IPAG;                       // current page
  std::int32_t LCOPY;                      // hard-copy pass running
  std::int32_t EDUNIT;                     // dialogue output unit (6 or 41)
  Arr<std::int32_t, 10> ITPCM5;
  union {
    Arr<float, 40> SEAHDG;
    struct {
      std::int32_t top_pad1[1];
      Arr<float, 39> SLOHDG;
    };
  };
  union {
    Arr<std::int32_t, 913> IVESL;
    struct {
      std::int32_t NACC;
      std::int32_t EMTY1;
      std::int32_t EMTY2;
      std::int32_t LACC;
      std::int32_t LVEL;
      std::int32_t LDSP;
      union {
        std::int32_t LROLL;
        std::int32_t TLROLL;
      };
      union {
        std::int32_t LBOW;
        std::int32_t TLBOW;
      };
      union {
        std::int32_t LKEEL;
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
      std::int32_t LPTDMP;
      std::int32_t LRLDMP;
      std::int32_t LHVDMP;
      std::int32_t LPTPRD;
      std::int32_t LRLPRD;
      std::int32_t LHVPRD;
      std::int32_t CURCOR;
      std::int32_t GETSUCK;
      std::int32_t FAST_SPAR;
      std::int32_t LCBARG;                     // current force-model nibbles
      std::int32_t LWBARG;                     // wind force-model nibbles
      std::int32_t IARCO;                      // attachment type; -1 free SALM
      std::int32_t VESTYP;                     // vessel type
      std::int32_t AUXVSH;
      std::int32_t CATFBK;
      std::int32_t MORFBK;
      std::int32_t LSGDMP;
      std::int32_t LSWDMP;
      std::int32_t LYWDMP;
      std::int32_t LSGPRD;
      std::int32_t LSWPRD;
      std::int32_t LYWPRD;
      std::int32_t LWVCOF;                     // wave-drift force-model nibbles
      std::int32_t LSPM;                       // logical
      std::int32_t DECKUP;
      std::int32_t LVMR1;
      std::int32_t SEMI_LIKE;                  // logical
      std::int32_t AXFC2;
      std::int32_t CRDS2;
      std::int32_t LVMR2;
      std::int32_t LXTDP2;
      std::int32_t AXFC3;
      std::int32_t CRDS3;
      std::int32_t LVMR3;
      std::int32_t LXTDP3;
      Arr<std::int32_t, 104> ITPCM6;
      float REALDUM1;
      Arr<float, 3, 149> RACC;
      float WPITCH;
      union {
        float TXWNDA;
        float XWNDAR;
      };
      float XWARM;
      union {
        float TYWNDA;
        float YWNDAR;
      };
      float YWARM;
      union {
        float TXCURA;
        float XCURAR;
      };
      float XCARM;
      union {
        float TYCURA;
        float YCURAR;
      };
      float YCARM;
      float BOWFAC;
      union {
        float TWNDCF;
        float WNDFAC;
      };
      union {
        float CURFAC;
        float TCURCF;
      };
      float WVFCY;
      float TRIMDG;
      float HEELDG;
      float VWDFAC;
      float STRNFC;
      float PTDAMP;
      float RLDAMP;
      float HVDAMP;
      float PITPRD;
      float ROLPRD;
      float HEVPRD;
      float XSALM;                             // x-coordinate of the SALM attachment
      float PNDARM;                            // separation of the attachment points
      float SGK;
      float SWK;
      float YWK;
      float HVK;
      float PTK;
      float RLK;
      float SGMDMP;
      float SWMDMP;
      float YWMDMP;
      float HVMDMP;
      float PTMDMP;
      float RLMDMP;
      float SIZE;
      float LOADED;
      float BOWWND;
      float DFTPCT;
      float BOWCUR;
      float DSPPCT;
      float BOWWAV;
      float VESMAS;
      float SRGMAS;
      float SWYMAS;
      float YAWMAS;
      float ZXWARM;
      float ZYWARM;
      float ZXCARM;
      float ZYCARM;
      float WVFCX;
      float WVFCM;
      float VGLDIR;
      float XSHDOW;
      float YSHDOW;
      union {
        float DISPL;
        float TDISPL;
      };
      union {
        float TVKB;
        float VKB;
      };
      union {
        float TVKG;
        float VKG;
      };
      union {
        float DRAFT;
        float TDRAFT;
      };
      union {
        float AWP;
        float TAWP;
      };
      union {
        float PGYR;
        float TPGYR;
      };
      union {
        float RGYR;
        float TRGYR;
      };
      union {
        float TYGYR;
        float YGYR;
      };
      union {
        float TVKMT;
        float VKMT;
      };
      union {
        float TVKML;
        float VKML;
      };
      union {
        float LWL;
        float TLWL;
      };
      union {
        float BWL;
        float TBWL;
      };
      union {
        float BILGR;
        float TBILGR;
      };
      union {
        float TKEEL;
        float TTKEEL;
      };
      union {
        float RKEEL;
        float TRKEEL;
      };
      union {
        float DKEEL;
        float TDKEEL;
      };
      union {
        float TVFWD;
        float VFWD;
      };
      float VCBEST;
      float GMTEST;
      float GMLEST;
      float VOLEST;
      float AWPEST;
      float XCBEST;
      float YCBEST;
      float XWPCTR;
      float YWPCTR;
      float XVFRC;
      float YVFRC;
      float VESMOM;
      float VESAN0;
      float XVLOC;
      float YVLOC;
      std::int32_t AUXFRC;
      std::int32_t CRDSYS;
      std::int32_t DPAFLG;
      std::int32_t DPRFLG;
      float DPANG;
      float DPADMP;
      float DPASPR;
      float DPXPNT;
      float DPXDMP;
      float DPXSPR;
      float DPYPNT;
      float DPYDMP;
      float DPYSPR;
      float DPXFRC;
      float DPYFRC;
      float DPMOM;
      float DPXLOC;
      float DPYLOC;
      float ZVLOC;
      float SPECF1;
      float SPECM1;
      float FEXDP1;
      union {
        float MEXDP1;
        Arr<float, 1> RTPCM8;
      };
      float PKFCM1;
      float ZVFRC;
      float XVSMO1;
      float YVSMO1;
      float XVFRC2;
      float YVFRC2;
      float ZVFRC2;
      float XVSMO2;
      float YVSMO2;
      float VESMO2;
      float SPECF2;
      float SPECM2;
      float XVLOC2;
      float YVLOC2;
      float ZVLOC2;
      float FEXDP2;
      float MEXDP2;
      float PKFCM2;
      float XVFRC3;
      float YVFRC3;
      float ZVFRC3;
      float XVSMO3;
      float YVSMO3;
      float VESMO3;
      float SPECF3;
      float SPECM3;
      float XVLOC3;
      float YVLOC3;
      float ZVLOC3;
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
      float CG_to_Midship;
      float ACCZDIST;
      float XCURNTDN;
      float XCURNTUP;
      float YCURNTDN;
      float YCURNTUP;
      float MUNKFAC1;
      float MUNKFAC2;
      float MUNKFAC3;
      float WVDGCX;
      float WVDGCY;
      float WVDGCM;
      float VWDRGFC;
      union {
        float ENDHT;
        float TLNHT;
      };
      union {
        float TLNANG;
        float TOWANG;
      };
      union {
        float CNTSEP;
        float TCNTSP;
      };
      float DWTONS;
    };
  };
  float excursionLimitDiameter;
  float AR3;
  float AR4;
  float AR5;
  float YAWINC;
  float EQLYAW;
  float OFFINC;                            // offset increment of the static offset table
  float HMIN;
  float TLOAD;                             // maximum horizontal load on the SALM
  float SGLFDP;
  float SWLFDP;
  float YWLFDP;
  float AR14;
  float AR15;
  float AR16;
  float AR17;
  float AR18;
  float AR19;
  float AR20;
  Arr<float, kMaxTablePoints> AUXFOR;
  Arr<float, kMaxTablePoints> AUXTRQ;
  union {
    std::int32_t IL0;
    Arr<std::int32_t, 1> ITPCM7;
  };
  std::int32_t WriteAuxDatFiles;           // chain option switch
  std::int32_t SupressSemiDragSpec;
  std::int32_t ForceAllRebuilds;
  Arr<std::int32_t, 27> ITPCTavrenoch;
  Arr<std::int32_t, 9> ITPCM8;
  std::int32_t IL1;
  std::int32_t IL2;
  union {
    std::int32_t ISURGE;
    std::int32_t LEXTND;
  };
  std::int32_t YAWTBL;
  std::int32_t AUXTBL;
  std::int32_t LSGLFD;
  std::int32_t LSWLFD;
  std::int32_t LYWLFD;
  std::int32_t IL9;
  union {
    std::int32_t NTAB;                       // line-table size (0 = no mooring data)
    std::int32_t NUMTAB;
  };
  std::int32_t IL10;
  std::int32_t IL11;
  std::int32_t IL12;
  std::int32_t IL13;
  std::int32_t LQUAS;
  std::int32_t LDYN;
  std::int32_t IL16;
  std::int32_t IL17;
  std::int32_t IANC;
  std::int32_t IL20;
  Arr<std::int32_t, 61> ITPCM9;
  std::int32_t TOPCOM_LAST;                // end of section 1

  // ---- Section 2, SEMCOM (words 1,988 to 4,975): the SALM layout, the second-body layout and the
  // hull-member layout over the same words ----
  union {
    Arr<std::int32_t, 2988> AUXDUM;          // the whole section as words, for routines that pass it through
    struct {
      union {
        struct {
          std::int32_t LODFRE_SLM;
          std::int32_t LPOSN;
          std::int32_t LANGLE;
          std::int32_t LODWAV;
          std::int32_t LODINR;
          std::int32_t LODSTA;
          std::int32_t LODNET;
          std::int32_t LOWMOT;
          std::int32_t STAMOT;
          std::int32_t HIMOT;
          std::int32_t OUTCRD;
          std::int32_t SMPDRG;
          std::int32_t ISLM1;
          std::int32_t ISLM2;
          std::int32_t LOFFST;
          std::int32_t WETYOK;                     // submergence option of buoy top and yoke
          std::int32_t EQVLIN;
          std::int32_t NMOMT;
          std::int32_t NELEM;                      // number of SALM elements, up to 40
          std::int32_t ISTAT;
          std::int32_t IFRANC;
          Arr<std::int32_t, kMaxSalmElements> IFREE; // 1: lower joint free to rotate
          Arr<std::int32_t, kMaxSalmElements> LMOMT; // 1: bending moment at the element top
          std::int32_t IPIERC;                     // number of the water-piercing element
          std::int32_t ISLM3;
          Arr<float, 2> SSALM;
          Arr<float, kMaxSalmElements> SLEN;       // element length
          Arr<float, kMaxSalmElements> BUOY;       // element total volume
          Arr<float, kMaxSalmElements> CBUOY;      // centroid of volume from the lower end
          Arr<float, kMaxSalmElements> TMASS;      // element total dry weight
          Arr<float, kMaxSalmElements> CGSALM;     // centre of gravity from the lower end
          Arr<float, kMaxSalmElements> LOWER;
          Arr<float, kMaxSalmElements> GYRAD;      // element gyradius
          float ANCHOR;
          float YOKEHT;                            // yoke to waterline height at the vessel
          float WPAPRC;                            // waterplane area of the water-piercing element
          float YOKVES;
          Arr<float, kMaxSalmElements> COFMST;     // element added-mass coefficient
          Arr<float, kMaxSalmElements> COFDMT;     // element effective drag coefficient
          float COFMAS;                            // default element added-mass coefficient
          float COFDMP;                            // default element drag coefficient
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
          std::int32_t LTABL;
          std::int32_t FRESLM;
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
          std::int32_t LPERCN;
          Arr<std::int32_t, 2338> SEMFIL;
        };
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
          float BDRAFT;
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
          std::int32_t DRAG_ONLY;
          Arr<std::int32_t, 50> BOTTYP;
          Arr<std::int32_t, 50> TOPTYP;
          Arr<std::int32_t, 50> MEMDIR;
          Arr<std::int32_t, 50> MEMTYP;
          Arr<std::int32_t, 50> NCYLTP;
          Arr<std::int32_t, 50> MASCMP;
          Arr<std::int32_t, 50> DRGCMP;
          std::int32_t NMEM;
          std::int32_t MAXMEM;
          std::int32_t NEND;
          std::int32_t NCYL;
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
          Arr<float, 3, 50> RCYLB;
          Arr<float, 3, 50> RCYLT;
          Arr<float, 50> XAREA;
          Arr<float, 3, 50> DIAMS;
          Arr<float, 3, 50> CYLCM;
          Arr<float, 3, 50> CYLCMI;
          Arr<float, 3, 50> CYLCD;
          Arr<float, 3, 50> CYLCDI;
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

struct Lowcof {
  union {
    Arr<std::int32_t, 680> ILOWCF;           // the whole block as 680 words
    struct {
      std::int32_t NUWNPT;                     // points in the wind table
      std::int32_t NUCRPT;                     // points in the current table
      std::int32_t NUWVPT;                     // points in the wave-drift table
      std::int32_t NUQQPT;                     // points in the fourth table
      Arr<float, 21> UWNANG;                   // wind attack angles [deg]
      union {
        Arr<float, 21, 3> UWNCFS;                // wind coefficients Cx, Cy, Cz as one table
        struct {
          Arr<float, 21> UWNCX;                    // wind coefficient Cx
          Arr<float, 21> UWNCY;                    // wind coefficient Cy
          Arr<float, 21> UWNCZ;                    // wind coefficient Cz
        };
      };
      Arr<float, 21> UCRANG;                   // current attack angles [deg]
      union {
        Arr<float, 21, 3> UCRCFS;                // current coefficients Cx, Cy, Cz as one table
        struct {
          Arr<float, 21> UCRCX;                    // current coefficient Cx
          Arr<float, 21> UCRCY;                    // current coefficient Cy
          Arr<float, 21> UCRCZ;                    // current coefficient Cz
        };
      };
      Arr<float, 21> UWVANG;                   // wave-drift attack angles [deg]
      union {
        Arr<float, 21, 3> UWVCFS;                // wave-drift coefficients Cx, Cy, Cz as one table
        struct {
          Arr<float, 21> UWVCX;                    // wave-drift coefficient Cx
          Arr<float, 21> UWVCY;                    // wave-drift coefficient Cy
          Arr<float, 21> UWVCZ;                    // wave-drift coefficient Cz
        };
      };
      Arr<float, 21> UQQANG;                   // fourth table
      Arr<float, 21> UQQCX;                    // fourth table
      Arr<float, 21> UQQCY;                    // fourth table
      Arr<float, 21> UQQCZ;                    // fourth table
      std::int32_t BUWNPT;                     // second-body point count
      std::int32_t BUCRPT;                     // second-body point count
      std::int32_t BUWVPT;                     // second-body point count
      std::int32_t BUQQPT;                     // second-body point count
      Arr<float, 21> BWNANG;                   // second-body table
      Arr<float, 21> BWNCX;                    // second-body table
      Arr<float, 21> BWNCY;                    // second-body table
      Arr<float, 21> BWNCZ;                    // second-body table
      Arr<float, 21> BCRANG;                   // second-body table
      Arr<float, 21> BCRCX;                    // second-body table
      Arr<float, 21> BCRCY;                    // second-body table
      Arr<float, 21> BCRCZ;                    // second-body table
      Arr<float, 21> BWVANG;                   // second-body table
      Arr<float, 21> BWVCX;                    // second-body table
      Arr<float, 21> BWVCY;                    // second-body table
      Arr<float, 21> BWVCZ;                    // second-body table
      Arr<float, 21> BQQANG;                   // second-body table
      Arr<float, 21> BQQCX;                    // second-body table
      Arr<float, 21> BQQCY;                    // second-body table
      Arr<float, 21> BQQCZ;                    // second-body table
    };
  };
};

inline constexpr int kTpcmWords = 79676;   // words of TPCM
inline constexpr int kStoredWords = 4975;  // words this program loads and stores (sections 1 and 2)
inline constexpr int kLowcofWords = 680;   // words of LOWCOF

static_assert(sizeof(Tpcm) == 4 * kTpcmWords, "TPCM must be 79,676 words");
static_assert(sizeof(Lowcof) == 4 * kLowcofWords, "LOWCOF must be 680 words");

extern Tpcm TPCM;
extern Lowcof LOWCOF;

// The blocks as bytes, for image I/O and comparison.
inline std::span<std::byte, sizeof(Tpcm)> tpcmBytes() { return std::as_writable_bytes(std::span<Tpcm, 1>(&TPCM, 1)); }
inline std::span<std::byte, sizeof(Lowcof)> lowcofBytes() { return std::as_writable_bytes(std::span<Lowcof, 1>(&LOWCOF, 1)); }

// A block as its run of 4-byte words, word 1 first, for the image routines that take word arrays
// (the build keeps -fno-strict-aliasing for these word views of mixed blocks).
inline std::int32_t* wordsOf(Tpcm& block) { return reinterpret_cast<std::int32_t*>(&block); }
inline std::int32_t* wordsOf(Lowcof& block) { return reinterpret_cast<std::int32_t*>(&block); }

}  // namespace qv
