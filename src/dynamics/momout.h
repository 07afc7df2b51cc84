// MOMOUT: the loads and bending moments at the tops of the moment elements for one wave heading,
// and the second half of report section VII. The load solvers (MEMLOD, FRELOD) call it after DYNOUT
// when moment elements exist (TPCM NMOMT not 0), with "MOMDAT" (dynamics/momdat.h) written and closed
// for the heading.
//
// It reads "MOMDAT" (the members' wave and drag loads from the member bottom up to each element's
// top) into MOMCOM, walks each member from its bottom, element by element, with the static in-plane
// shear, axial load and lateral shear at the bottom (FSHR(m, m), FAX(m, m) of OUTPUT; FLTRL0 for the
// top member) and the element weights, and replaces the values read by the loads and moments at the
// element top: the member-bottom loads (NETSHR, NETAXL, NETLTR at load point 2m) less the element
// loads and the inertia of the elements below, with the static loads turned through the member
// angles (PHIMEM, THTMEM) and the acceleration of the member bottom from the members below. It adds
// the response variances of the 50 columns to the accumulators from SIGLOD (a free SALM splits them
// between the in-line and the cross sea with XWVFAC and XSWFAC), and, under the report rule of the
// heading (LREG 2, or LREG 1 at the centre of the spreading fan or on a swell heading), writes per
// moment element a load page and a moment page of operators or spectra (SPECFG) with the element's
// static values, pausing on the console. It leaves TPCM ISTAT at 51.
//
// A missing "MOMDAT" ends the run in RHOPEN; a short or damaged one in FILERR (file name "Unknown").
#pragma once

namespace qv {

void MOMOUT();

}  // namespace qv
