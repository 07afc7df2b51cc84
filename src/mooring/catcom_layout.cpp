// Pins every member of CATCOM to its word: a layout mistake does not compile. The block lives in
// static storage and is zero when the program starts.
#include <type_traits>

#include "mooring/catcom.h"
#include "platform/block_reset.h"
#include "util/block_layout.h"

namespace qv {

constinit Catcom CATCOM{};
const BlockReset resetCatcom{[] { CATCOM.reset(); }};
const BlockBytes catcomBytes{"CATCOM", bytesOf(CATCOM)};

void Catcom::reset() { zeroBlock(*this); }

static_assert(std::is_standard_layout_v<Catcom>);
static_assert(sizeof(Complex) == 8 && alignof(Complex) == 4, "a complex member is two 4-byte floats");

QV_AT_WORD(Catcom, DXDP0, 1);
QV_AT_WORD(Catcom, DXDT0, 3);
QV_AT_WORD(Catcom, DZDP0, 5);
QV_AT_WORD(Catcom, DZDT0, 7);
QV_AT_WORD(Catcom, DXDP1, 9);
QV_AT_WORD(Catcom, DXDT1, 11);
QV_AT_WORD(Catcom, DZDP1, 13);
QV_AT_WORD(Catcom, DZDT1, 15);
QV_AT_WORD(Catcom, DXFDP, 17);
QV_AT_WORD(Catcom, DXFDT, 19);
QV_AT_WORD(Catcom, DZFDP, 21);
QV_AT_WORD(Catcom, DZFDT, 23);
QV_AT_WORD(Catcom, KELAS, 25);
QV_AT_WORD(Catcom, KCTAN, 26);
QV_AT_WORD(Catcom, KSTAT, 27);
QV_AT_WORD(Catcom, KRAT, 28);
QV_AT_WORD(Catcom, JACOBY, 29);
QV_AT_WORD(Catcom, CAFLD, 31);
QV_AT_WORD(Catcom, CABOT, 33);
QV_AT_WORD(Catcom, ZERO, 35);
QV_AT_WORD(Catcom, ONE, 37);
QV_AT_WORD(Catcom, IMAG, 39);
QV_AT_WORD(Catcom, ZIP, 41);
QV_AT_WORD(Catcom, DXSDZF, 43);
QV_AT_WORD(Catcom, DZSDZF, 3943);
QV_AT_WORD(Catcom, DXSDH, 7843);
QV_AT_WORD(Catcom, DZSDH, 11743);
QV_AT_WORD(Catcom, DTFDZF, 15643);
QV_AT_WORD(Catcom, DTBDZB, 15793);
QV_AT_WORD(Catcom, DTFDAF, 15943);
QV_AT_WORD(Catcom, DTBDAB, 16093);
QV_AT_WORD(Catcom, DTFDXF, 16243);
QV_AT_WORD(Catcom, DTBDXB, 16393);
QV_AT_WORD(Catcom, DTZFDZ, 16543);
QV_AT_WORD(Catcom, DTZFDH, 16693);
QV_AT_WORD(Catcom, TANARR, 16843);
QV_AT_WORD(Catcom, CATAVB, 20743);
QV_AT_WORD(Catcom, CATEND, 20943);

// 20943 words; the block's size rounds up to a whole number of 8-byte units.
static_assert(sizeof(Catcom) == 4 * (20943 + 1));

}  // namespace qv
