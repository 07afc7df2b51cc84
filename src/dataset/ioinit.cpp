#include "dataset/ioinit.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>
#include <vector>

#include "dataset/force_model.h"
#include "dataset/new_dataset.h"
#include "dataset/tpcm_codes.h"
#include "dataset/updaters.h"
#include "platform/stop.h"
#include "platform/units.h"
#include "util/console_io.h"
#include "util/dialogue.h"
#include "util/diskio.h"
#include "util/fatal.h"
#include "util/flowing_lines.h"
#include "util/files.h"
#include "util/fortran_format.h"
#include "util/nav_codes.h"
#include "util/packed_flags.h"
#include "util/safe_save.h"
#include "util/sim_types.h"
#include "util/title.h"

namespace qv {

namespace {

constexpr std::string_view kCaller = "IoInit";
constexpr std::string_view kNotesFile = "DATUPWRN.stxt";
// Words of the header: it ends with the version word VERNO.
constexpr int kHeaderWords = static_cast<int>(offsetof(Tpcm, VERNO) / 4) + 1;
constexpr std::string_view kCarefully = "     Carefully inspect each editor screen before proceeding...";

// Rows of the creator-type table, indexed by CREATR.
constexpr std::array<std::string_view, kSimLast + 1> kCreatorNames = {
    "",        "BRANTOX", "VELNIRA", "DORVANE", "TULKESH", "       ", "       ", "GRELDIN", "PEXIRA ",
    "UNKNOWN", "GANDRU ", "QUORVEL", "HESKOVA", "FIRNEDO", "YOBRIX ", "ZANTUL ", "KREBONA", "WISTOLE"};

// Words in the image of each creator type; 0 for the types with no fixed length.
constexpr std::array<int, kSimLast + 1> kImageWords = {0,     1987,  0,     4975,  1987,  0,     0,     79524, 79676,
                                                      0,     78635, 4975,  78635, 78635, 78635, 78635, 4975,  78635};

// A creator outside the table is named UNKNOWN rather than read past it.
std::string_view creatorName(int creator) {
  return kCreatorNames[static_cast<std::size_t>(isKnownSimulationType(creator) ? creator : kSimUnknown)];
}

// What the calling program says of itself: its version, year, simulation type, platform code,
// session mode and image length.
struct Program {
  float VERNQ;
  int IYEARQ;
  int CREATQ;
  int CMPUTQ;
  int LEASTQ;
  int NTOGOQ;
};

// What the checks of one load have found and where their messages go.
struct LoadReport {
  bool unattended = false;  // mode 3
  bool notesOpen = false;   // unit 21 connected
  int screen = kScreenUnit;

  // "Both": the dialogue unit, and the notes file outside an unattended run.
  void both(std::string_view line) const {
    writeRecord(screen, line);
    note(line);
  }
  void both(const std::vector<std::string>& lines) const {
    for (const std::string& line : lines) both(line);
  }
  // The notes file alone, for a line already on the dialogue unit.
  void note(std::string_view line) const {
    if (!unattended && notesOpen) writeRecord(kNotesUnit, line);
  }
  // The notes file, made fresh at the load's first finding and kept open for the later ones.
  void openNotes(int platform) {
    if (notesOpen) return;
    RHOPEN(kNotesFile, kFormatted, kFresh, TPCM.IDRIVE, kNotesUnit, kCaller, screen, platform);
    notesOpen = true;
  }
};

[[noreturn]] void stopLoad() { silentStop("IOINIT"); }

void askAbortOrStop(int unit) {
  std::int32_t answer = 0;
  ABORT0(unit, 5, answer);
  if (answer < 0) stopLoad();
}

void serviceAbortOrStop(int unit) {
  SERV_ABORT(unit, 5, TPCM.LBACK);
  if (TPCM.LBACK < 0) stopLoad();
}

// The size code: how the image length NTOGO compares with the image length of its creator type.
int sizeCode(int creatq) {
  const int creator = TPCM.CREATR;
  if (!isKnownSimulationType(creator)) return -1;
  const int expected = kImageWords[static_cast<std::size_t>(creator)];
  if (expected == 0 || TPCM.NTOGO == expected) return 0;
  const bool longer = TPCM.NTOGO > expected;
  if (creator == creatq) return longer ? 1 : 2;
  return longer ? 3 : 4;
}

// A version word that is not a finite number (a damaged file) is named as such, in words; one too
// wide for its field (a damaged file too) is written in full, so that no message shows asterisks.
std::string versionText(float version) {
  if (std::isnan(version)) return "not a number";
  if (std::isinf(version)) return version > 0.0f ? "+infinity, not a finite number" : "-infinity, not a finite number";
  const std::string field = fmtF(std::fabs(version), 5, 2);
  return field.find('*') == std::string::npos ? field : messageValue(std::fabs(version));
}

// " ++> Version mismatch: Data (version  6.50) predates simulation (version  6.80)".
void versionMismatch(const LoadReport& report, std::string_view relation, float simulation) {
  report.both(flowingLines(" ++> ", "Version mismatch: Data (version " + versionText(TPCM.VERNO) + ") " +
                                        std::string(relation) + " simulation (version " + versionText(simulation) + ")"));
}

void sameCreatorFindings(LoadReport& report, const Program& p, float dV, std::int32_t& FTLSRV,
                         const PageControlWords& control) {
  if (dV > 0.001f || TPCM.DAT_ID == 49) {
    if (dV > 0.001f) {
      versionMismatch(report, "predates", p.VERNQ);
      if (report.unattended) report.both("     PLEASE update your data file editor to the current version...");
    }
    report.both("     Although a reasonable effort has been made to insure forward");
    report.both("     compatibility of data files, this cannot be guaranteed.");
    report.both(kCarefully);
    switch (p.CREATQ) {
      case kSimBrantox: SHPUPD(); break;
      case kSimVelnira: JCKUPD(); break;
      case kSimDorvane: SEMUPD(); break;
      case kSimTulkesh: DSCUPD(); break;
      case kSimGreldin: STMUPD(); break;
      case kSimPexira: CATUPD(); break;
      case kSimGandru: TOWUPD(); break;
      case kSimQuorvel: SLMUPD(p.VERNQ, FTLSRV, &control); break;
      case kSimHeskova:
      case kSimYobrix:
      case kSimZantul:
      case kSimWistole: MORUPD(); break;
      case kSimFirnedo: CLMUPD(); break;
      case kSimKrebona: SLOUPD(); break;
      default:
        report.both(" ++> Unknown file type...");
        PRSRET(report.screen, kKeyboardUnit);
        stopLoad();
    }
  } else if (dV >= -0.001f) {
    if (TPCM.IVERS_SUFX != 0) {
      report.both(" ++> Version increment mismatch: ");
      report.both("     DATfile  version  increment  = " + fmtI(TPCM.IVERS_SUFX, 2));
      report.both("     Simulation version increment = " + fmtI(0, 2));
    }
  } else {
    versionMismatch(report, "POSTDATES", p.VERNQ);
    report.both("     Data files are NOT generally backwards-compatible!");
    report.both(kCarefully);
  }
}

void otherCreatorFindings(LoadReport& report, const Program& p, float dV) {
  const std::string creator(creatorName(TPCM.CREATR));
  report.both(" ++> Input Data File Creator was " + creator);
  if (std::fabs(dV) > 0.001f) {
    report.both("     Before importing this data file, you MUST first update it");
    report.both("     with version " + versionText(p.VERNQ) + " of " + creator +
                " on the originating computer platform.");
    PRSRET(report.screen, kKeyboardUnit);
    stopLoad();
  }
  if (p.CREATQ == kSimKrebona) {
    SLOIMPORT();
    if (TPCM.CREATR == kSimYobrix) {
      report.both("     Note: Due to missing tendon information, imports into Krebona from Yobrix");
      report.both("           cannot presently model the correct wave response required for");
      report.both("           evaluation of wave reflection and absorption coefficients. The");
      report.both("           resulting errors are usually small, but not necessarily negligible.");
    }
  } else if (p.CREATQ == kSimPexira) {
    CATIMPORT();
  } else if (isMooringProgram(p.CREATQ) && !isMooringProgram(TPCM.CREATR) && TPCM.NTAB == 0) {
    MRINIT('C', p.CREATQ);
  }
  report.both("     Although a reasonable effort has been made to achieve cross-compatibility");
  report.both("     between data files of different simulations, this cannot be guaranteed.");
  report.both(kCarefully);
  if (TPCM.CREATR == kSimHeskova && p.CREATQ == kSimZantul) MORUPD();
  if (TPCM.CREATR == kSimUnknown && p.CREATQ == kSimKrebona) SLOUPD();
  if (p.CREATQ == kSimWistole) TPCM.VESTYP = kCaissonSpar;
}

// Replaces model code 1 (the LOWDAT table) by `code` in the surge, sway and yaw fields of a word.
void replaceLowdatModel(std::int32_t& word, int code, int unit) {
  for (int field = 1; field <= 3; ++field)
    if (NIBVAL(word, field, unit) == kModelLowdatTable) NIBSET(word, field, code, unit);
}

// What a run that stops for a missing "LOWDAT" asks the user to change, by the loads whose model
// reads its tables.
std::string missingTablesRemedy(bool wind, bool current) {
  if (wind && current) return "     On page 8, choose built-in wind and current models or enter their tables.";
  const std::string load = wind ? "wind" : "current";
  const int table = wind ? kWindTableItem : kCurrentTableItem;
  return "     On page 8, choose a built-in " + load + " model or enter its table (item " + fmtI(table, 0) + ").";
}

// Missing coefficient file: the wind and current models that read the tables of "LOWDAT" switch to
// built-in ones, once the user has been told and has not aborted. An unattended run cannot be asked
// and stops there, so it is told only when one of its stages evaluates the vessel's wind and current
// loads: a free SALM, or a SALM whose statics alone are run, needs no table.
void missingCoefficientFile(LoadReport& report, const Program& p, char& ANSWER) {
  const int unit = TPCM.EDUNIT;
  int windFlag = 0, currentFlag = 0, driftFlag = 0;
  INITFM(TPCM.LWBARG, windFlag, TPCM.LCBARG, currentFlag, TPCM.LWVCOF, driftFlag, unit);
  int windClass = 0, currentClass = 0, driftClass = 0, currentKind = 0, windKind = 0, windCentroid = 0,
      currentCentroid = 0;
  TNKRID(TPCM.LWBARG, windFlag, windClass, TPCM.LCBARG, currentFlag, currentClass, TPCM.LWVCOF, driftFlag,
         driftClass, currentKind, windKind, windCentroid, currentCentroid, unit);
  if (windClass != 1 && currentClass != 1) return;
  if (ANSWER != 'M' && ANSWER != 'E') return;
  // Only the vessel's load models read the tables: a free column, or a column without the vessel
  // pages, needs no "LOWDAT" (and executes from the start menu as it stands).
  if (!vesselAnalysed(TPCM.FRESLM, TPCM.LQUAS)) return;

  CLEAR(unit);
  if (!report.unattended && !report.notesOpen) report.openNotes(p.CMPUTQ);
  report.both(" >>> Input File Characteristics <<< ");
  report.both(" ++> LOWDAT file not found. User-specified environmental coefficients ");
  report.both("     will be missing.");
  // The run cannot switch the models for the user: it says where they are chosen.
  if (report.unattended) report.both(missingTablesRemedy(windClass == 1, currentClass == 1));
  serviceAbortOrStop(unit);
  ANSWER = 'M';
  replaceLowdatModel(TPCM.LWBARG, kWindOcimfTanker, unit);
  replaceLowdatModel(TPCM.LCBARG, kCurrentOcimfTanker, unit);
  replaceLowdatModel(TPCM.LWVCOF, kDriftTankerLegacy, unit);
  if (isTwoBodyType(p.CREATQ)) {
    TPCM.BLWBRG = sameModelInAllDirections(kWindBarge);
    TPCM.BLCBRG = sameModelInAllDirections(kCurrentBarge);
    TPCM.BWVCOF = sameModelInAllDirections(p.CREATQ == kSimGandru ? kDriftTankerLegacy : kDriftBuoy);
  }
  if (!report.unattended) {
    HCLOSE(kNotesUnit, kNotesFile, kCaller, unit);
    report.notesOpen = false;
  }
}

// A coefficient file shorter than the one this program writes: it is read as far as it goes and the
// rest of the tables is zeros, which files stored shorter rely on; the user is told so, since a file
// cut short reads the same way. A run writes it with its other warnings (on standard error too, when
// its messages go to "Diagnostics.stxt"); the editor with the load's findings, and waits for Return.
void shortCoefficientFile(LoadReport& report, const Program& p) {
  std::error_code ec;
  std::uintmax_t bytes = std::filesystem::is_regular_file("LOWDAT", ec) ? std::filesystem::file_size("LOWDAT", ec) : 0;
  if (ec) bytes = 0;
  const std::vector<std::string> lines = flowingLines(
      " ++> ", "Warning: \"LOWDAT\" is " + std::to_string(bytes) + " bytes long, shorter than the " +
                   std::to_string(4 * kLowcofWords) +
                   " bytes this program writes; its coefficient tables are read as far as it goes, and the rest is "
                   "taken as zeros.");
  if (report.unattended) {
    writeRunWarning(report.screen, lines);
    return;
  }
  report.openNotes(p.CMPUTQ);
  report.both("");
  report.both(lines);
  PRSRET(report.screen, kKeyboardUnit);
}

// ---- the steps of a load ----------------------------------------------------------------------------

// Opening screen: the banner and the start menu; an unattended run chooses "E" and writes to
// "Diagnostics.stxt", made fresh unless its caller has connected unit 41 already (to a diagnostics
// file that goes on, or to the screen). Returns the batch flag ("B" is "M" with the toggles asking).
int openingScreen(const LoadReport& report, const Program& p, const Text<8>& NAME, char& ANSWER) {
  if (report.unattended) {
    if (TPCM.LCOPY != 0) {
      TITLE(p.CREATQ, NAME.view(), p.VERNQ, TPCM.EDUNIT, kKeyboardUnit, ANSWER, 1);
    } else {
      if (!unitConnected(kDiagnosticsUnit))
        RHOPEN(kDiagnosticsFile, kFormatted, kFresh, TPCM.IDRIVE, kDiagnosticsUnit, kCaller, kScreenUnit, p.CMPUTQ);
      TITLE(p.CREATQ, NAME.view(), p.VERNQ, kDiagnosticsUnit, kKeyboardUnit, ANSWER, 1);
    }
    ANSWER = 'E';
    return 0;
  }
  if (TPCM.LCOPY == 0) TPCM.EDUNIT = kScreenUnit;
  TITLE(p.CREATQ, NAME.view(), p.VERNQ, TPCM.EDUNIT, kKeyboardUnit, ANSWER, TPCM.LCOPY);
  if (ANSWER != 'B') return 0;
  ANSWER = 'M';
  return 1;
}

// A data file that "M" or "E" cannot read is fatal. Where there is no file at all, as in a new
// folder, the message also says how to make one; a file that is there but cannot be opened gets the
// message alone.
[[noreturn]] void missingDataFile(const Text<12>& DATFIL, const Text<12>& EDPRG) {
  std::error_code ec;
  if (std::filesystem::exists(std::string(fileNameOf(DATFIL.view())), ec) || ec)
    ACERR(EDPRG.view(), DATFIL.view(), TPCM.EDUNIT);
  const std::string howToCreate[] = {"     To create a data set in this folder, start quorvel and choose",
                                     "     (C) Create new."};
  ACERR(EDPRG.view(), DATFIL.view(), TPCM.EDUNIT, howToCreate);
}

// Whether the data file begins with text: its first two words (the word count and the creator, or
// as much of them as it holds) are letters, digits, punctuation, blanks or line ends, which no data
// set of the family begins with.
bool beginsWithText(const Text<12>& DATFIL) {
  std::ifstream in(std::string(fileNameOf(DATFIL.view())), std::ios::binary);
  char head[8] = {};
  in.read(head, sizeof head);
  const std::streamsize n = in.gcount();
  if (n <= 0) return false;
  for (std::streamsize k = 0; k < n; ++k) {
    const auto c = static_cast<unsigned char>(head[k]);
    if (!(c == '\t' || c == '\n' || c == '\r' || (c >= ' ' && c <= '~'))) return false;
  }
  return true;
}

// A text file where the data file should be: not a data set of this program, left as it is.
[[noreturn]] void notADataSet(const Text<12>& DATFIL, const Text<12>& EDPRG) {
  const std::string name(fileNameOf(DATFIL.view()));
  fatalStop(EDPRG.view(), TPCM.EDUNIT,
            {"", " ++> \"" + name + "\" is not a data set of this program: it begins with text,",
             "     where a data set begins with its word count and its creator. The file is",
             "     left as it is.",
             "     Move or rename it; then start quorvel here and choose (C) Create new, or",
             "     copy a data set \"" + name + "\" here."},
            FatalWait::kPressReturn, kKeyboardUnit);
}

// What the reading found of the data file.
struct DataFileRead {
  std::int32_t found = 0;  // the words the file held (its true length when it could not be read at all)
  std::int32_t read = 0;   // the words that reached the data set
  bool tooShort = false;   // it ends before the version word: no whole header
  PageControlWords control{};  // LBACK, IPAG, LCOPY and EDUNIT as the file held them
};

// Reading: "LOWDAT" (for the mooring programs) and the data file into the blocks, the version of an
// old image, and the dialogue unit of the session. A data file missing for "M" or "E" is fatal.
DataFileRead readImages(LoadReport& report, const Program& p, const Text<12>& DATFIL, const Text<12>& EDPRG,
                        char ANSWER, int& IERR0, int& IERR1, LowcofImage& ILOBUF, Lowcof& ILOWCF) {
  // A save that was killed part way is finished first, so that the files read belong together.
  finishInterruptedSaves(std::filesystem::path(fileNameOf(DATFIL.view())).parent_path().string());
  if (isMooringProgram(p.CREATQ)) {
    std::int32_t words = kLowcofWords;
    DISKIO(kDiskRead, words, "LOWDAT", kImageUnit, IERR0, &ILOWCF.ILOWCF(1), p.CMPUTQ);
    MOVCOM(kLowcofWords, &ILOWCF.ILOWCF(1), ILOBUF.data());
  }
  DataFileRead file;
  file.found = p.NTOGOQ;
  DISKIO(kDiskRead, file.found, DATFIL.view(), kImageUnit, IERR1, wordsOf(TPCM), p.CMPUTQ);
  if (IERR1 == kDiskMissing) file.found = 0;
  file.read = file.found;
  // A file too short to hold even its first two words is refused before counting; its true size
  // is what the findings report.
  if (IERR1 == kDiskReadFailed && file.found == p.NTOGOQ) {
    std::error_code ec;
    const auto bytes = std::filesystem::file_size(std::string(fileNameOf(DATFIL.view())), ec);
    file.found = ec ? 0 : static_cast<std::int32_t>(bytes / 4);
    file.read = 0;
  }
  // A file that ends before the version word holds no whole header: its creator, size, byte order,
  // precision and version are unknown, and only its length is reported.
  file.tooShort = IERR1 == kDiskReadFailed && file.found < kHeaderWords;
  // The dialogue unit goes into EDUNIT's word below; an image of the older layout holds other data
  // there, which its relayout must move as stored (zero where the file ends before it).
  const int firstControl = static_cast<int>(offsetof(Tpcm, LBACK) / 4);
  for (int k = 0; k < static_cast<int>(file.control.size()); ++k)
    file.control[static_cast<std::size_t>(k)] = firstControl + k < file.read ? wordsOf(TPCM)[firstControl + k] : 0;
  if (TPCM.VERNO == 0.0f) {  // an old image: its version is the word of CVERSN, unchanged
    std::int32_t word = 0;
    std::memcpy(&word, &TPCM.CVERSN, 4);
    std::memcpy(&TPCM.VERNO, &word, 4);
  }
  if (report.unattended) {
    TPCM.EDUNIT = kDiagnosticsUnit;
    TPCM.LEASTP = kModeUnattended;
  } else {
    TPCM.EDUNIT = kScreenUnit;
    if (TPCM.LEASTP == kModeUnattended) TPCM.LEASTP = p.LEASTQ;
  }
  report.screen = TPCM.EDUNIT;
  if (IERR1 == kDiskMissing && (ANSWER == 'M' || ANSWER == 'E')) missingDataFile(DATFIL, EDPRG);
  return file;
}

// What to do about a damaged header word: an unattended run says how to mend the file, the editor
// what its question offers.
std::vector<std::string> headerRemedy(const LoadReport& report) {
  if (report.unattended) {
    return {"     The run stops. Open the data set in the editor (M), inspect its pages and",
            "     save it (page 19, choice 1), which writes a sound header, or put back an",
            "     earlier generation (\"SALMBAK\" or \"LASTBAK\"); then run it again."};
  }
  return {"     Continue to inspect every page and save (page 19, choice 1), which writes a",
          "     sound header, or abort (A) and put back an earlier generation (\"SALMBAK\" or",
          "     \"LASTBAK\")."};
}

// A corruption warning with what was found, on the dialogue unit and, in the editor, in the notes
// file, where the findings that follow join it (an unattended run stops at it).
void corruptionFinding(LoadReport& report, const Program& p, int I, std::span<const std::string> found) {
  if (!report.unattended) report.openNotes(p.CMPUTQ);
  DATCRPT(TPCM.EDUNIT, I, found);
  for (const std::string& line : corruptionLines(I, found)) report.note(line);
}

// Size test: the size code of the image, with the warnings it calls for, each followed by the header
// word found, what it must be and what to do. An unattended run is stopped by any of them.
std::int32_t sizeTest(LoadReport& report, const Program& p) {
  const std::int32_t FTLSRV = sizeCode(p.CREATQ);
  std::vector<std::string> found;
  if (FTLSRV == -1) {
    // The word's value ends the first line, whatever its size.
    found = {"     Word 2 of \"SALMDAT\" (CREATR, the program that made it) is " + std::to_string(TPCM.CREATR) + ";",
             "     it must be 1 to " + std::to_string(kSimLast) + " (" + std::to_string(p.CREATQ) + " for this program)."};
  } else if (FTLSRV >= 1) {
    const int creator = TPCM.CREATR;
    std::string name(creatorName(creator));
    name.erase(name.find_last_not_of(' ') + 1);
    found = {"     Word 1 of \"SALMDAT\" (NTOGO, the count of its words) is " + std::to_string(TPCM.NTOGO) + ";",
             "     a data set of " + name + " (CREATR " + std::to_string(creator) + ") holds " +
                 std::to_string(kImageWords[static_cast<std::size_t>(creator)]) + "."};
  }
  const std::vector<std::string> remedy = headerRemedy(report);
  found.insert(found.end(), remedy.begin(), remedy.end());
  // An unattended run's remedy already says that the run stops.
  if (FTLSRV == -1) {
    corruptionFinding(report, p, report.unattended ? 3 : 4, found);
    if (report.unattended) explainedStop("IOINIT");
    serviceAbortOrStop(TPCM.EDUNIT);
  } else if (FTLSRV >= 1 && (report.unattended || FTLSRV == 1)) {
    corruptionFinding(report, p, report.unattended ? 1 : 2, found);
    if (report.unattended) explainedStop("IOINIT");
    serviceAbortOrStop(TPCM.EDUNIT);
  }
  return FTLSRV;
}

// Pre-edit copy of the image as read, taken with EDUNIT 0.
void preEditCopy(const Program& p, TpcmImage& IOBUF) {
  const std::int32_t keptUnit = TPCM.EDUNIT;
  TPCM.EDUNIT = 0;
  MOVCOM(p.NTOGOQ, wordsOf(TPCM), IOBUF.data());
  TPCM.EDUNIT = keptUnit;
}

// Byte order: an image of the other byte-order class has its text fields converted (numbers are
// never converted). Returns whether it was converted.
bool convertByteOrder(const Program& p, ComponentNames* SCOMP) {
  if (isBigEndianPlatform(p.CMPUTQ) == isBigEndianPlatform(TPCM.CMPUTR)) return false;
  CHSWAP(TPCM.CID1P.c, 80, TPCM.EDUNIT, kKeyboardUnit);
  CHSWAP(TPCM.CID2P.c, 80, TPCM.EDUNIT, kKeyboardUnit);
  if (carriesMooringSection(TPCM.CREATR) && SCOMP != nullptr)
    for (Text<8>& field : *SCOMP) CHSWAP(field.c, 8, TPCM.EDUNIT, kKeyboardUnit);
  return true;
}

// The version word as a message names it, without the blanks of its field.
std::string versionName(float version) {
  const std::string text = versionText(version);
  return text.substr(text.find_first_not_of(' '));
}

// A data file stored by a later version than this program: its words may mean what this version
// does not know, so only the editor takes it, and only after asking.
bool laterVersion(float dV) { return dV < -0.001f; }

// An unattended run loads only what the editor would take as it stands: a data file it must bring
// up to date, repair or take from another program, or one of a later version, is refused after its
// notes. The last note gains the lines that say why the run stops and what to do (the runner copies
// that note to standard error).
[[noreturn]] void refuseUnattendedLoad(const LoadReport& report, const Program& p, int IERR1, std::int32_t FTLSRV,
                                       float dV) {
  std::string why;
  if (TPCM.CREATR != p.CREATQ) {
    why = "was made by another program of the family";
  } else if (IERR1 == kDiskReadFailed) {
    why = "is not of the length this version stores";
  } else if (!std::isfinite(TPCM.VERNO)) {
    why = "holds a damaged version word";
  } else if (laterVersion(dV)) {
    why = "was stored by a later version (" + versionName(TPCM.VERNO) + ")";
  } else if (FTLSRV != 0) {
    why = "was stored by an earlier version (" + versionName(TPCM.VERNO) + ")";
  }
  report.both("     The run stops: \"SALMDAT\" " + why + ",");
  report.both("     and a run takes only a data set the editor has saved as it is.");
  report.both("     Open it in the editor (M), inspect its pages and save it");
  report.both("     (page 19, choice 1); then run it again.");
  explainedStop("IOINIT");
}

// The findings block: everything unusual about the image, on the dialogue unit and in the notes
// file, then the question whether to go on (an unattended run stops on any finding that matters).
void reportFindings(LoadReport& report, const Program& p, int IERR1, const DataFileRead& file, bool converted,
                    float dV, char& ANSWER, std::int32_t& FTLSRV, TpcmImage& IOBUF) {
  report.openNotes(p.CMPUTQ);  // unless a corruption warning opened it
  CLEAR(TPCM.EDUNIT);
  report.both(" >>> Input File Characteristics <<< ");
  if (!file.tooShort && TPCM.DP_FLAG == 1) {
    report.both(" ++> Fatal Warning: The precision specification of the loaded");
    report.both("     DAT_file and the executable are not the same!");
    PRSRET(TPCM.EDUNIT, kKeyboardUnit);
    stopLoad();
  }
  if (IERR1 == kDiskReadFailed) {
    if (file.tooShort || TPCM.CREATR != p.CREATQ || std::fabs(TPCM.VERNO) >= 4.9f) {
      report.both(std::string(" ++> Input Data File ") + (file.found > p.NTOGOQ ? "larger" : "smaller") +
                  " than expected:");
      report.both("     Expected " + fmtI(p.NTOGOQ, 6) + " I*4s, found " + fmtI(file.found, 6) + " I*4s... CAUTION!");
    }
    for (int w = std::max(file.read, 0) + 1; w <= p.NTOGOQ; ++w) {  // the words not read from the file
      std::memset(tpcmBytes().data() + 4 * (w - 1), 0, 4);
      IOBUF(w) = 0;
    }
  }
  if (converted) {
    report.both(std::string(" ++> File was produced on a ") + (isBigEndianPlatform(TPCM.CMPUTR) ? "Macintosh PPC" : "Intel") +
                " computer.");
    if (std::fabs(dV) > 0.001f) {
      report.both("     Importing datafiles between chip architectures can be problematic;");
      report.both("     proceed with caution; carefully inspect all data screens after import.");
      if (!report.unattended) askAbortOrStop(TPCM.EDUNIT);
    }
  }
  const bool versionDamaged = !file.tooShort && !std::isfinite(TPCM.VERNO);
  if (versionDamaged) {
    // No version to compare or to bring up to date from: the word itself is damaged.
    report.both(" ++> Data file version word (VERNO, word 217) is " + versionText(TPCM.VERNO) + ";");
    report.both("     it must be the version of the editor that saved the data set");
    report.both("     (" + versionName(p.VERNQ) + " or earlier).");
    if (!report.unattended) report.both(kCarefully);
  } else if (!file.tooShort) {  // a file without its header tells nothing of its creator or version
    if (TPCM.CREATR == p.CREATQ)
      sameCreatorFindings(report, p, dV, FTLSRV, file.control);
    else
      otherCreatorFindings(report, p, dV);
  }
  if (report.unattended) {
    if (FTLSRV != 0 || IERR1 == kDiskReadFailed || TPCM.CREATR != p.CREATQ || versionDamaged || laterVersion(dV))
      refuseUnattendedLoad(report, p, IERR1, FTLSRV, dV);
    TPCM.CMPUTR = p.CMPUTQ;
    TPCM.VERNO = p.VERNQ;
  } else {
    askAbortOrStop(TPCM.EDUNIT);
    if (ANSWER == 'E') ANSWER = 'M';
  }
}

// Checks of an existing image: the pre-edit copy, the byte order, and the findings block when
// anything is unusual.
void checkImage(LoadReport& report, const Program& p, int IERR1, const DataFileRead& file, char& ANSWER,
                std::int32_t& FTLSRV, TpcmImage& IOBUF, ComponentNames* SCOMP) {
  preEditCopy(p, IOBUF);
  const bool converted = !file.tooShort && convertByteOrder(p, SCOMP);  // no platform word to go by
  const float dV = std::fabs(p.VERNQ) - std::fabs(TPCM.VERNO);
  const bool findings = TPCM.CREATR != p.CREATQ || IERR1 == kDiskReadFailed || std::fabs(dV) > 0.001f ||
                        !std::isfinite(TPCM.VERNO) || TPCM.DP_FLAG == 1 || (converted && !report.unattended) ||
                        (TPCM.IVERS_SUFX != 0 && !report.unattended);
  if (findings) reportFindings(report, p, IERR1, file, converted, dV, ANSWER, FTLSRV, IOBUF);
}

// Stamps the header as this program's, and settles the words that must hold for it.
void stampHeader(const Program& p, char ANSWER, int batch) {
  TPCM.VERNO = p.VERNQ;
  TPCM.IYEAR = p.IYEARQ;
  TPCM.CREATR = p.CREATQ;
  TPCM.EDUNIT = kScreenUnit;
  TPCM.IBATCH = batch;
  TPCM.SRCDAT = ANSWER == 'C' ? p.LEASTQ : TPCM.LEASTP;
  TPCM.LEASTP = p.LEASTQ;
  TPCM.CMPUTR = p.CMPUTQ;
  TPCM.NTOGO = p.NTOGOQ;
  if (TPCM.LGAP < 0 || TPCM.LGAP > 2 || isMooringProgram(p.CREATQ)) TPCM.LGAP = 0;
  if (!isMooringProgram(p.CREATQ)) {
    TPCM.MORFBK = 0;
    TPCM.CATFBK = 0;
    TPCM.BMRFBK = 0;
    TPCM.BCTFBK = 0;
  }
  if (TPCM.IUNIT != kReportsToFiles && TPCM.IUNIT != TPCM.EDUNIT && TPCM.IUNIT != kPrinterUnit) {
    TPCM.IUNIT = kReportsToFiles;
  }
}

}  // namespace

void CHSWAP(char* C, int LEN, int EDUNIT, int KBD) {
  constexpr int kWork = 200;
  if (LEN > kWork) {
    writeRecord(EDUNIT, " ++> LEN overflow in chswap!");
    PRSRET(EDUNIT, KBD);
  }
  const int n = std::min(LEN, kWork);  // never past the work field
  std::array<char, kWork> work;
  work.fill(' ');
  std::memcpy(work.data(), C, static_cast<std::size_t>(std::max(0, n)));
  for (int j = 1; j <= n; ++j) C[j - 1] = work[static_cast<std::size_t>(j - 2 * ((j - 1) % 4) + 3 - 1)];
}

void DATCRPT(int EDUNIT, int I) { DATCRPT(EDUNIT, I, {}); }

std::vector<std::string> corruptionLines(int I, std::span<const std::string> found) {
  std::vector<std::string> lines{" "};
  switch (I) {
    case 1: lines.push_back(" ++> Warning: Data file is corrupt."); break;
    case 2:
      lines.push_back(" ++> Warning: Data file is seriously corrupt or from a very early version.");
      lines.push_back("              Inspect all editor pages with particular care...");
      break;
    case 3:
      lines.push_back(" ++> Warning: Data file is seriously corrupt.");
      lines.push_back("              Some versions of Internet Explorer can cause this problem.");
      break;
    case 4:
      lines.push_back(" ++> Warning: Data file is seriously corrupt.");
      lines.push_back("              It will very probably crash the simulation if you continue...");
      break;
    default: break;
  }
  lines.insert(lines.end(), found.begin(), found.end());
  lines.push_back(" ");
  return lines;
}

void DATCRPT(int EDUNIT, int I, std::span<const std::string> found) {
  CLEAR(EDUNIT);
  for (const std::string& line : corruptionLines(I, found)) writeRecord(EDUNIT, line);
}

void IOINIT(const Text<8>& NAME, const Text<5>& /*DATE*/, TpcmImage& IOBUF, LowcofImage& ILOBUF, char& ANSWER,
            int& JMPLOC, const Text<12>& DATFIL, int& IERR0, int& IERR1, float VERNQ, int IYEARQ, int CREATQ,
            const Text<12>& EDPRG, int CMPUTQ, int LEASTQ, int NTOGOQ, ComponentNames* SCOMP, Lowcof& ILOWCF) {
  const Program p{VERNQ, IYEARQ, CREATQ, CMPUTQ, LEASTQ, NTOGOQ};
  LoadReport report;
  report.unattended = LEASTQ == kModeUnattended;

  JMPLOC = kStartNormal;
  const int batch = openingScreen(report, p, NAME, ANSWER);
  if (TPCM.LCOPY != 0) {  // a hard-copy pass: the data set stays as it is
    TWOPG(TPCM.LCOPY, TPCM.EDUNIT);
    JMPLOC = kStartAfterHardCopy;
    return;
  }

  const DataFileRead file = readImages(report, p, DATFIL, EDPRG, ANSWER, IERR0, IERR1, ILOBUF, ILOWCF);
  if (ANSWER != 'C' && IERR1 != kDiskMissing && beginsWithText(DATFIL)) notADataSet(DATFIL, EDPRG);
  std::int32_t FTLSRV = 0;
  // A file without its whole header has no length word or creator to test.
  if (ANSWER != 'C' && IERR1 != kDiskMissing && !file.tooShort) FTLSRV = sizeTest(report, p);
  if (ANSWER != 'C') checkImage(report, p, IERR1, file, ANSWER, FTLSRV, IOBUF, SCOMP);
  if (IERR0 == kDiskMissing && isMooringProgram(CREATQ)) missingCoefficientFile(report, p, ANSWER);
  if (IERR0 == kDiskReadFailed && isMooringProgram(CREATQ)) shortCoefficientFile(report, p);

  // Start choice.
  if (ANSWER == 'E') {  // to the final page, the header not stamped
    TPCM.LBACK = kNavExecute;
    JMPLOC = kStartFinalPage;
    return;
  }
  if (ANSWER == 'C') newDataSetDefaults(NTOGOQ, CREATQ);
  stampHeader(p, ANSWER, batch);
  JMPLOC = kStartNormal;
}

}  // namespace qv
