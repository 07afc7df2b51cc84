#include "hull/jackup.h"

#include <string_view>

#include "platform/units.h"
#include "util/fatal.h"

namespace qv {

namespace {

[[noreturn]] void inoperative(std::string_view routine) {
  fatalStop(routine, kScreenUnit,
            {" ++> You are in an inoperative vessel utility file!", "     Press <Return> to quit"},
            FatalWait::kReadLine);
}

}  // namespace

void JCKCHR() { inoperative("JCKCHR"); }
void JCKFRC(std::int32_t& /*flag*/) { inoperative("JCKFRC"); }
void JCKRAO() { inoperative("JCKRAO"); }
void JCKSUM() { inoperative("JCKSUM"); }
void JCKOUT() { inoperative("JCKOUT"); }

}  // namespace qv
