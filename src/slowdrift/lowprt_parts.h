// The pieces of the low-frequency report LOWPRT (slowdrift/lowprt.h) and the values they share
// within one call: lowprt.cpp holds the opening, sections III and IV and the order of the sections;
// lowprt_modes.cpp section V (the three low-frequency modes) with its preparation;
// lowprt_members.cpp the member statistics and section VI.
#pragma once

#include <cstdint>
#include <string>

namespace qv {

// Each report section ends on the console with a pause; a negative reply writes the report again
// from section III.
enum class SectionEnd { kGoOn, kRepeat };

// The sigma multiple F of the report's "sigma" figures (1 when ONETWO is set, else 2) and its word
// ("One" or "Two").
float sigmaMultiple();
std::string sigmaWord();

// The unit labels of the report, 16 characters (UNITP by NUNTS).
std::string forceLabel();
std::string lengthLabel();
std::string degreesLabel();

// The F-scaled surge sigmas of the mean equilibrium, taken while the surge record holds variances.
struct SurgeSigmas {
  float total, wind, wave, swell, current;  // [ft | m]
};

struct LowReportRun {
  float F = sigmaMultiple();   // the sigma multiple: 1 or 2 standard deviations
  std::string word = sigmaWord();  // its word, "One" or "Two"
  int windFlag = 0;            // one wind model for all directions
  int currentFlag = 0;         // one current model for all directions
  int driftFlag = 0;           // one wave-drift model for all directions
  float FEQ = 0.0f;            // mean SALM restoring force, FTOT(ISTAB) [kips | t]
  float X0 = 0.0f;             // mean offset, FEQ read off the load-offset table [ft | m]
  int loadInterval = 1;        // the table interval that holds FEQ
  float cosY = 1.0f;           // cosine of the yoke angle YOKSLM
  float sinY = 0.0f;           // sine of the yoke angle YOKSLM
  SurgeSigmas surge{};         // F-scaled surge sigmas
  bool prepared = false;       // the mode records hold amplitudes and the peak factors are set
  float E0 = 0.0f;             // energy of the surge energy table at X0
};

// The pause that ends a section on the console (none when the report goes elsewhere), then the test
// of LBACK.
SectionEnd endOfSection();

// Section V: the preparation (once per call) and the section itself.
void prepareDynamics(LowReportRun& run);
void writeSectionFive(const LowReportRun& run);

// Section VI: the member statistics (into LOWCOM, OUTPUT and PEKCOM) and their report.
void memberStatistics(const LowReportRun& run);
void writeSectionSix(const LowReportRun& run);

}  // namespace qv
