// MEMLOD: the wave-frequency loads of an attached SALM for one wave heading, called by DYNSLM right
// after MEMMOT for the same heading, without arguments.
//
// What it relies on: SOLVE, EQUILB and the data set as the statics and the slow drift left them;
// from DYNSLM the mean configuration and static end loads in OUTPUT (EQCOS, EQSIN, FAX, FSHR, SPRGK,
// COSP21 ... SINP31, SINTHT, COSTHT), the run flags (SPRDFG, LREG), the member masses, geometry and
// linkage terms in DYNCOM (CLMAS, CMOI, TMPLWE, TMPLBD, RBASE, DRMEM, ...), IMAG, and the open units
// of the run; from MEMMOT for this heading PHIMEM and THTMEM (periods 1..NWP), the yoke angles
// CVANG, WAVDIR, ISWLFG, IRANFG, SLMWAV, YOKWAV, CSLMWV, SSLMWV, EXTAMP and the simplified-drag
// coefficients FDCP1 ... TDCT3; the spreading words of WAVCOM (NA2, DA, ANGNRM) and the sea spectra
// WPSD, SWLPSD of the vessel-response stage.
//
// Per period it takes the wave forces (unless the imposed extension alone drives, LEXTND = 1: then
// the members carry none) and the drag forces on each member, and splits the load at every station
// (member ends, with a yoke (IARCO = 0) its two sides and two hinges) into an inertia, a wave and a
// static part of the in-plane shear, axial load and lateral shear: OUTPUT INRSHR ... STALTR (the
// last period's), NETSHR, NETAXL, NETLTR (column 1 the base reaction in the earth frame, column
// j + 1 station j). Other attachments have no yoke sides or hinges: those columns are 0. The
// moment-element loads go to "MOMDAT" (dynamics/momdat.h), referred in phase to the base when waves
// drive.
//
// After the periods, with waves driving and a random sea or a swell on the heading, it weights the
// heading and the rows a vessel under way meets near zero encounter frequency, as every user of the
// motions at the attachment does (blockWaves, blockEncounterWeights of
// dynamics/attachment_motions.h), and adds the response variances to SIGMA and SIGDOT (the 36
// response columns, then the three motions of each member top); then every response column
// is referred in phase to the base of member 1. It counts the heading in ISPRED and calls DYNOUT
// (LREG 2, or LREG 1 at the centre of the fan or on a swell heading) and MOMOUT (moment elements).
//
// Stops: nearly aligned members (the warning and the abort question; an unattended run stops after
// the warning), a yoke without an arm (PNDARM 0). The run's checks (momentElementFinding) have
// refused more moment elements than the tables hold before any stage.
#pragma once

namespace qv {

void MEMLOD();

}  // namespace qv
