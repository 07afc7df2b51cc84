#include "util/autorp.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "platform/stop.h"
#include "platform/units.h"
#include "util/console_io.h"
#include "util/dialogue.h"
#include "util/fatal.h"
#include "util/fortran_format.h"

namespace qv {

namespace {

constexpr std::int32_t kRowsPerColumn = 40;

// The whole-column operations, numbered after the last row.
enum Operation : std::int32_t {
  kAutoRepeat = 1,
  kDeleteRow = 2,
  kInsertRow = 3,
  kAddConstant = 4,
  kAddConstantModulo360 = 5,
};

// An angle [deg] reduced to [0, 360): the remainder keeps the sign of the angle and a negative one
// is lifted by a full turn, in 4-byte floats. The angle library sits above these utilities, so its
// reduction is repeated here rather than reached through a dependency cycle.
float reducedDegrees(float angle) {
  constexpr float kFullTurn = 360.0f;
  const double whole = std::trunc(static_cast<double>(angle) / kFullTurn);
  const float rest = static_cast<float>(angle - whole * kFullTurn);
  return rest >= 0.0f ? rest : static_cast<float>(static_cast<double>(rest) + kFullTurn);
}

// The table in columns of 40 rows: "  5)     12.50" per entry, six blanks between entries.
void drawRows(std::span<const float> column, std::int32_t rows, std::int32_t unit) {
  const std::int32_t shown = std::min(rows, kAutorpMaxRows);
  for (std::int32_t line = 1; line <= std::min(shown, kRowsPerColumn); ++line) {
    std::string text;
    for (std::int32_t row = line; row <= shown; row += kRowsPerColumn) {
      text += row == line ? " " : "      ";
      text += fmtI(row, 3) + ")" + fmtF(column[static_cast<std::size_t>(row - 1)], 10, 2);
    }
    writeRecord(unit, text);
  }
}

void drawOperations(std::int32_t rows, std::int32_t unit) {
  auto line = [&](std::int32_t operation, const char* text) {
    writeRecord(unit, " " + fmtI(rows + operation, 3) + text);
  };
  writeRecord(unit, "");
  line(kAutoRepeat, ") Auto repeat");
  writeRecord(unit, "");
  line(kDeleteRow, ") Delete a row & collapse array");
  line(kInsertRow, ") Insert a null row & expand array");
  line(kAddConstant, ") Add a constant value to each array element");
  line(kAddConstantModulo360, ") Add a constant value to each array element (modulo 360)");
}

// A prompt answered by a real; false for a blank or unreadable reply, which cancels the operation.
bool askReal(std::string_view prompt, float& value, std::int32_t unit, std::int32_t inUnit) {
  WRTLIN(prompt, unit);
  std::int32_t blank = 0;
  CRREAD(value, blank, inUnit);
  return blank == 0;
}

// A row number typed as a real and truncated; false when the reply is blank or the row lies outside
// 1..rows (POSCHK would have moved it). A table without rows has none to delete or insert.
bool askRow(std::string_view prompt, std::int32_t rows, std::int32_t unit, std::int32_t inUnit, std::int32_t& row) {
  float typed = 0.0f;
  if (!askReal(prompt, typed, unit, inUnit) || rows < 1) return false;
  const double whole = std::trunc(static_cast<double>(typed));
  if (!(std::fabs(whole) <= kAutorpMaxRows + 1.0)) return false;  // far outside any table
  row = static_cast<std::int32_t>(whole);
  std::int32_t checked = row;
  POSCHK(checked, rows);
  return checked == row;
}

// Typed values go into the row and the following ones, up to the last row; a blank reply ends it.
void enterRows(std::span<float> column, std::int32_t first, std::int32_t rows, std::int32_t unit,
               std::int32_t inUnit) {
  for (std::int32_t row = first; row <= rows; ++row) {
    WRTLNI("Enter new value for # ", 0, row, unit);
    std::int32_t blank = 0;
    CRREAD(column[static_cast<std::size_t>(row - 1)], blank, inUnit);
    if (blank != 0) return;
  }
}

void autoRepeat(std::span<float> column, std::int32_t fill, std::int32_t unit, std::int32_t inUnit) {
  float start = 0.0f;
  if (column.empty() || !askReal("Enter starting value: ", start, unit, inUnit)) return;
  float increment = 0.0f;
  if (!askReal("Enter increment: ", increment, unit, inUnit)) increment = 0.0f;
  column[0] = start;
  for (std::int32_t row = 2; row <= fill; ++row) {
    const auto k = static_cast<std::size_t>(row - 1);
    column[k] = column[k - 1] + increment;
  }
}

// Rows from the given one to fill - 1 take the next row's value, and the last filled row is
// cleared. A row beyond the filled ones holds nothing to remove: clearing the last filled value
// there would lose data, so the deletion is cancelled.
void deleteRow(std::span<float> column, std::int32_t rows, std::int32_t fill, std::int32_t unit,
               std::int32_t inUnit) {
  std::int32_t given = 0;
  if (!askRow("Enter row number to delete: ", rows, unit, inUnit, given)) return;
  if (given > fill) return;
  for (std::int32_t row = given; row <= fill - 1; ++row) {
    column[static_cast<std::size_t>(row - 1)] = column[static_cast<std::size_t>(row)];
  }
  column[static_cast<std::size_t>(fill - 1)] = 0.0f;
}

// Rows from fill down to the given one + 1 take the previous row's value; the given row is cleared.
void insertRow(std::span<float> column, std::int32_t rows, std::int32_t fill, std::int32_t unit,
               std::int32_t inUnit) {
  std::int32_t given = 0;
  if (!askRow("Enter row number to nullify: ", rows, unit, inUnit, given)) return;
  for (std::int32_t row = fill; row >= given + 1; --row) {
    column[static_cast<std::size_t>(row - 1)] = column[static_cast<std::size_t>(row - 2)];
  }
  column[static_cast<std::size_t>(given - 1)] = 0.0f;
}

void addConstant(std::span<float> column, std::int32_t fill, bool modulo360, std::int32_t unit,
                 std::int32_t inUnit) {
  float constant = 0.0f;
  if (!askReal("Enter constant value: ", constant, unit, inUnit)) return;
  for (std::int32_t row = 1; row <= fill; ++row) {
    float& value = column[static_cast<std::size_t>(row - 1)];
    value = modulo360 ? std::fabs(reducedDegrees(value + constant)) : value + constant;
  }
}

}  // namespace

void AUTORP(std::string_view title, std::span<float> column, std::int32_t rowCount, std::int32_t fillCount,
            std::int32_t unit, std::int32_t inUnit, std::int32_t& listing) {
  const auto size = static_cast<std::int32_t>(std::min<std::size_t>(column.size(), kAutorpMaxRows + 1));
  // Rows and fill count never reach past the caller's table.
  const std::int32_t rows = std::clamp(rowCount, 0, size);
  const std::int32_t fill = std::clamp(fillCount, 0, size);

  for (;;) {
    if (listing == 0) CLEAR(unit);
    writeRecord(unit, " " + std::string(title));
    writeRecord(unit, "");
    drawRows(column, rows, unit);
    if (rowCount > kAutorpMaxRows) {
      fatalStop("AUTORP", unit, {" ++> Array overflow in AUTORP"}, FatalWait::kPressReturn, inUnit);
    }
    if (listing >= 1) {
      TWOPG(listing, unit);
      return;
    }
    drawOperations(rows, unit);

    std::int32_t selection = 0;
    std::int32_t scratch = 0;
    ENTSEL(selection, unit, inUnit, scratch);
    if (selection == kNavQuery) {
      NOHELP(unit, inUnit);
    } else if (selection == kNavHelp) {
      // ENTSEL has shown the navigation summary for "H"; the table comes again.
    } else if (selection <= 0) {
      return;
    } else if (selection <= rows) {
      enterRows(column, selection, rows, unit, inUnit);
    } else {
      switch (selection - rows) {
        case kAutoRepeat: autoRepeat(column, fill, unit, inUnit); break;
        case kDeleteRow: deleteRow(column, rows, fill, unit, inUnit); break;
        case kInsertRow: insertRow(column, rows, fill, unit, inUnit); break;
        case kAddConstant: addConstant(column, fill, false, unit, inUnit); break;
        case kAddConstantModulo360: addConstant(column, fill, true, unit, inUnit); break;
        default: break;  // no operation: the table is drawn again
      }
    }
  }
}

}  // namespace qv
