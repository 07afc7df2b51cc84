// Pins every member of OUTPUT to its word, and each named view to the run it stands for: the report
// writers and the statistics address the response columns and the variances by their place in the
// run, so a member moved by mistake must not compile.
#include "slowdrift/output.h"

#include "platform/block_reset.h"
#include "util/block_layout.h"

namespace qv {

constinit Output OUTPUT{};
const BlockReset resetOutput{[] { OUTPUT.reset(); }};
const BlockBytes outputBytes{"OUTPUT", bytesOf(OUTPUT)};

QV_AT_WORD(Output, FSIGLF, 1);
QV_AT_WORD(Output, FSHRLF, 1);
QV_AT_WORD(Output, FAXLLF, 15);
QV_AT_WORD(Output, FLTRLF, 29);
QV_AT_WORD(Output, ASIGLF, 43);
QV_AT_WORD(Output, TSIGLF, 49);
QV_AT_WORD(Output, RSIGLF, 55);
QV_AT_WORD(Output, MSIGLF, 76);
QV_AT_WORD(Output, STMOM, 136);
QV_AT_WORD(Output, SPRDFG, 196);
QV_AT_WORD(Output, MLTRAO, 197);
QV_AT_WORD(Output, LRND, 198);
QV_AT_WORD(Output, LSWL, 199);
QV_AT_WORD(Output, IHFVAL, 200);
QV_AT_WORD(Output, LSWL2, 200);
QV_AT_WORD(Output, IHAVAL, 201);
QV_AT_WORD(Output, IOUTD3, 202);
QV_AT_WORD(Output, IOUTD4, 203);
QV_AT_WORD(Output, IOUTD5, 204);
QV_AT_WORD(Output, ISWLFG, 205);
QV_AT_WORD(Output, ISWLFG2, 206);
QV_AT_WORD(Output, IRANFG, 207);
QV_AT_WORD(Output, FAX, 208);
QV_AT_WORD(Output, FSHR, 224);
QV_AT_WORD(Output, EQCOS, 240);
QV_AT_WORD(Output, EQSIN, 244);
QV_AT_WORD(Output, SPRGK, 248);
QV_AT_WORD(Output, EQMASS, 252);
QV_AT_WORD(Output, TMPK, 253);
QV_AT_WORD(Output, GAMPHI, 254);
QV_AT_WORD(Output, WMODEH, 255);
QV_AT_WORD(Output, WSALM, 255);
QV_AT_WORD(Output, TSALMH, 256);
QV_AT_WORD(Output, TSALM, 256);
QV_AT_WORD(Output, EQMAS2, 257);
QV_AT_WORD(Output, TMPK2, 258);
QV_AT_WORD(Output, GAMTHT, 259);
QV_AT_WORD(Output, WMODEL, 260);
QV_AT_WORD(Output, WSALM2, 260);
QV_AT_WORD(Output, TSALML, 261);
QV_AT_WORD(Output, TSALM2, 261);
QV_AT_WORD(Output, responseColumns, 262);
QV_AT_WORD(Output, INRSHR, 7462);
QV_AT_WORD(Output, INRAXL, 7480);
QV_AT_WORD(Output, INRLTR, 7498);
QV_AT_WORD(Output, FWVSHR, 7516);
QV_AT_WORD(Output, FWVAXL, 7534);
QV_AT_WORD(Output, FWVLTR, 7552);
QV_AT_WORD(Output, STASHR, 7570);
QV_AT_WORD(Output, STAAXL, 7588);
QV_AT_WORD(Output, STALTR, 7606);
QV_AT_WORD(Output, SIGVAR, 7624);
QV_AT_WORD(Output, SIGMA, 7624);
QV_AT_WORD(Output, FSIGHF, 7624);
QV_AT_WORD(Output, ASIGHF, 7654);
QV_AT_WORD(Output, TSIGHF, 7657);
QV_AT_WORD(Output, RSIGHF, 7660);
QV_AT_WORD(Output, SIGDOT, 7669);
QV_AT_WORD(Output, OUTD1, 7714);
QV_AT_WORD(Output, OUTD2, 7715);
QV_AT_WORD(Output, OUTD3, 7716);
QV_AT_WORD(Output, OUTD4, 7717);
QV_AT_WORD(Output, PHICON, 7718);
QV_AT_WORD(Output, YOKVEC, 7725);
QV_AT_WORD(Output, SINTHT, 7728);
QV_AT_WORD(Output, COSTHT, 7729);
QV_AT_WORD(Output, COSP21, 7730);
QV_AT_WORD(Output, COSP32, 7731);
QV_AT_WORD(Output, COSP31, 7732);
QV_AT_WORD(Output, SINP21, 7733);
QV_AT_WORD(Output, SINP32, 7734);
QV_AT_WORD(Output, SINP31, 7735);
QV_AT_WORD(Output, WAVDIR, 7736);
QV_AT_WORD(Output, RAODIR, 7737);
QV_AT_WORD(Output, SPDVAL, 7738);
QV_AT_WORD(Output, XWVFAC, 7739);
QV_AT_WORD(Output, XSWFAC, 7740);
QV_AT_WORD(Output, OUTD6, 7741);
QV_AT_WORD(Output, XSWFAC2, 7741);
QV_AT_WORD(Output, OUTD7, 7742);
QV_AT_WORD(Output, OUTD8, 7743);
QV_AT_WORD(Output, momentVariances, 7744);
QV_AT_WORD(Output, SIGLOD, 7744);
QV_AT_WORD(Output, SIGMOM, 7774);
QV_AT_WORD(Output, ISPRED, 7794);
QV_AT_WORD(Output, NRAOSM, 7795);
QV_AT_WORD(Output, LREG, 7796);
QV_AT_WORD(Output, IANG, 7797);
QV_AT_WORD(Output, IQQQ, 7798);
QV_AT_WORD(Output, LSTOUT, 7799);

// The views of the response run start at their words: NETSHR at 262, NETAXL at 2262, NETLTR at 4262,
// PHIMEM at 6262, THTMEM at 6862 (column 36 of the run is the last of THTMEM).
#define QV_RESPONSE_COLUMN_AT_WORD(column, word)                                                           \
  static_assert(offsetof(Output, responseColumns) +                                                        \
                        sizeof(Complex) * decltype(Output::responseColumns)::offsetOf(1, column) ==        \
                    4 * ((word) - 1),                                                                      \
                "response column " #column " is not at word " #word)
QV_RESPONSE_COLUMN_AT_WORD(1, 262);
QV_RESPONSE_COLUMN_AT_WORD(11, 2262);
QV_RESPONSE_COLUMN_AT_WORD(21, 4262);
QV_RESPONSE_COLUMN_AT_WORD(31, 6262);
QV_RESPONSE_COLUMN_AT_WORD(34, 6862);
static_assert(sizeof(Output::responseColumns) == 4 * (7462 - 262));

// The variance views end where their runs end: the derivative variance of quantity 45 is the last
// word of SIGDOT, moment quantity 5 of point 10 the last word of SIGMOM.
static_assert(sizeof(Output::SIGVAR) == sizeof(Output::FSIGHF) + sizeof(Output::ASIGHF) + sizeof(Output::TSIGHF) +
                                            sizeof(Output::RSIGHF) + sizeof(Output::SIGDOT));
static_assert(sizeof(Output::SIGMA) == sizeof(Output::SIGVAR) / 2);
static_assert(sizeof(Output::momentVariances) == sizeof(Output::SIGLOD) + sizeof(Output::SIGMOM));

}  // namespace qv
