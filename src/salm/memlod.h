// MEMLOD: the wave-frequency loads of an attached SALM for one wave heading, called by DYNSLM right
// after MEMMOT for the same heading, without arguments.
//
// What it may rely on when it is called: SOLVE, EQUILB and the data set as the statics and the slow
// drift left them; from DYNSLM the mean configuration and static end loads in OUTPUT (PHICON, EQCOS,
// EQSIN, FAX, FSHR, SPRGK, COSP21 ... SINP31, SINTHT, COSTHT), the run flags (SPRDFG, MLTRAO, LREG),
// the member masses, geometry and linkage terms in DYNCOM (CLMAS, CMOI, TMPLWE, TMPLBD, TMPBCY,
// RBASE, DRMEM, BETA2, BETA3, DTH2DT, ...), the complex constants ZERO, ONE, IMAG, and the open units
// of the run ("DYNOUT.stxt" on IUNIT when IUNIT = 1, "DYNPLT.plt" on 14 when IPLOTS is set); from
// MEMMOT for this heading PHIMEM and THTMEM (periods 1..NWP), the yoke motions CRVEC and CVANG
// (turned into the SALM's axes), WAVDIR, RAODIR, ISWLFG, ISWLFG2, IRANFG, SLMWAV, YOKWAV, CSLMWV,
// SSLMWV, EXTAMP, the simplified-drag coefficients FDCP1 ... TDCT3 and IYKTP1, IYKTP2, IYKBOT.
//
// It adds one to OUTPUT ISPRED (MEMMOT reads the heading block ISPRED + 1 of "YOKEMOT").
//
// Until the member loads are built, this is a stand-in that only counts the heading.
#pragma once

namespace qv {

void MEMLOD();

}  // namespace qv
