#include "editor/user_coefficient_page.h"

#include <algorithm>
#include <span>
#include <string>

#include "dataset/tpcm.h"
#include "editor/load_model_help.h"
#include "editor/page_loop.h"
#include "platform/units.h"
#include "util/autorp.h"
#include "util/console_io.h"
#include "util/dialogue.h"
#include "util/fortran_format.h"
#include "util/nav_codes.h"
#include "util/packed_flags.h"

namespace qv {

namespace {

enum Item : std::int32_t {
  kRowCount = 1,
  kAngles = 2,
  kCoefficients = 3,
};

constexpr std::string_view kColumnLabels[] = {"Cx ", "Cy ", "Cz "};
constexpr std::string_view kColumnNames[] = {"Cx", "Cy", "Cz"};

// One call of the table editor: the table and what says which of its columns are in use.
struct Table {
  std::string_view title;
  std::int32_t word;  // the packed model word of the load
  Arr<float, kMaxCoefficientAngles>& angles;
  Arr<float, kMaxCoefficientAngles, 3>& coefficients;
  std::int32_t& rows;
  std::int32_t userCode;

  bool inUse(int column) const { return NIBVAL(word, column, TPCM.EDUNIT) == userCode; }
  int columnsInUse() const { return static_cast<int>(inUse(1)) + inUse(2) + inUse(3); }
};

std::string framedTitle(std::string_view title) { return " +++ " + std::string(title) + " +++"; }

void drawTable(const Table& table) {
  const std::int32_t unit = TPCM.EDUNIT;
  writeRecord(unit, framedTitle(table.title));
  writeRecord(unit, "");
  // The labels of the columns in use stand over their values, from column 18 at steps of 9.
  std::string heading = " Bow-Relative";
  bool first = true;
  for (int column = 1; column <= 3; ++column) {
    if (!table.inUse(column)) continue;
    heading += fmtX(first ? 4 : 6) + std::string(kColumnLabels[column - 1]);
    first = false;
  }
  writeRecord(unit, heading);
  writeRecord(unit, " Attack Angle");
  writeRecord(unit, "");
  // A count beyond the table (from a damaged file) shows the table's rows only.
  const std::int32_t shown = std::min(table.rows, kMaxCoefficientAngles);
  for (std::int32_t row = 1; row <= shown; ++row) {
    std::string line = " " + fmtF(table.angles(row), 8, 2) + fmtX(4);
    for (int column = 1; column <= 3; ++column)
      if (table.inUse(column)) line += fmtF(table.coefficients(row, column), 9, 3);
    writeRecord(unit, line);
  }
  writeRecord(unit, "");
  writeRecord(unit, "  " + fmtI(kRowCount, 2) + ") Number of angles (" + fmtI(kMaxCoefficientAngles, 2) +
                        " Maximum): " + fmtI(table.rows, 2));
  writeRecord(unit, "  " + fmtI(kAngles, 2) + ") Specify Angle array");
  writeRecord(unit, "  " + fmtI(kCoefficients, 2) + ") Specify Coefficient array");
}

void editColumn(const Table& table, int column) {
  AUTORP("  -- Table of Coefficients --",
         std::span<float>(&table.coefficients(1, column), static_cast<std::size_t>(kMaxCoefficientAngles)),
         table.rows, kMaxCoefficientAngles, TPCM.EDUNIT, kKeyboardUnit, TPCM.LCOPY);
}

// The sub-pages redraw on H and on a number that selects nothing, and end on a blank reply or a code.
PageStep redrawOnHelpOrNumber(std::int32_t reply) {
  return reply == kNavHelp || isItemSelection(reply) ? PageStep::kRedraw : PageStep::kLeave;
}

// With several columns in use, the user picks the column, edits it, and may pick another. Returns 0
// to go back to the table, or the navigation code that ends the table editor.
std::int32_t chooseColumns(const Table& table, std::int32_t& IPAG) {
  const PageItem columns[] = {
      {1, [&] { editColumn(table, 1); }, [&] { return table.inUse(1); }},
      {2, [&] { editColumn(table, 2); }, [&] { return table.inUse(2); }},
      {3, [&] { editColumn(table, 3); }, [&] { return table.inUse(3); }},
  };
  std::int32_t reply = 0;
  PageLoop page;
  page.draw = [&] {
    const std::int32_t unit = TPCM.EDUNIT;
    writeRecord(unit, framedTitle(table.title));
    writeRecord(unit, " ++> Select coefficient array to modify");
    writeRecord(unit, "");
    for (int column = 1; column <= 3; ++column)
      if (table.inUse(column)) writeRecord(unit, "  " + fmtI(column, 2) + ") " + std::string(kColumnNames[column - 1]));
  };
  page.items = columns;
  page.other = redrawOnHelpOrNumber;
  page.reply = &reply;
  page.number = &IPAG;
  runPage(page);
  return reply;
}

}  // namespace

void COFUPD(std::string_view CTYPE, std::int32_t NIBPAK, Arr<float, kMaxCoefficientAngles>& ANGL,
            Arr<float, kMaxCoefficientAngles, 3>& coefficients, std::int32_t& NROW, std::int32_t USERID,
            std::int32_t& ITEMP, std::int32_t& IPAG) {
  const Table table{CTYPE, NIBPAK, ANGL, coefficients, NROW, USERID};
  NROW = std::max(NROW, kMinCoefficientAngles);

  const PageItem items[] = {
      {kRowCount,
       [&] {
         ENTERI(NROW, TPCM.EDUNIT, kKeyboardUnit);
         MAXCHK(NROW, kMaxCoefficientAngles);
         NROW = std::max(NROW, kMinCoefficientAngles);
       }},
      {kAngles,
       [&] {
         AUTORP("  -- Table of Bow-On Attack Angles (degrees) --", ANGL, NROW, kMaxCoefficientAngles, TPCM.EDUNIT,
                kKeyboardUnit, TPCM.LCOPY);
       }},
  };
  PageLoop page;
  page.draw = [&] { drawTable(table); };
  page.items = items;
  page.help = [](std::int32_t line) { COFHLP(TPCM.EDUNIT, kKeyboardUnit, line); };
  // The coefficients may end the editor from the column choice, so they are not a plain item.
  page.other = [&](std::int32_t reply) {
    if (reply != kCoefficients) return redrawOnHelpOrNumber(reply);
    if (table.columnsInUse() == 1) {
      for (int column = 1; column <= 3; ++column)
        if (table.inUse(column)) editColumn(table, column);
      return PageStep::kRedraw;
    }
    const std::int32_t code = chooseColumns(table, IPAG);
    if (code >= 0) return PageStep::kRedraw;
    ITEMP = code;
    return PageStep::kLeave;
  };
  page.reply = &ITEMP;
  page.number = &IPAG;
  if (runPage(page) == PageEnd::kListed) ITEMP = 0;
}

}  // namespace qv
