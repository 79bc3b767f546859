#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/hebrew/VisualHebrew.h"

// The table wizard's markup and the checks of its first page.
namespace qm::wizards {

// A count or width field read as a whole number. A field whose second
// character is a space counts by its first character alone.
struct FieldNumber {
  enum Status { Empty, NotANumber, Number } status = Empty;
  int value = 0;
};
FieldNumber readFieldNumber(std::string_view text);

// What the table wizard writes. `cells[r][c]` is row r, column c; each row
// holds the same number of cells.
struct TableChoices {
  std::string border;  // BORDER, as typed
  std::string width;   // the header's COLSPAN, as typed
  std::string caption;
  std::string header;
  std::string prefix;  // put at the start of every cell
  std::vector<std::vector<std::string>> cells;
};

// The lines of the table: TABLE, the CAPTION when there is one, the TH,
// each row with its TD lines, "</TABLE>". Caption, header and cells go
// through xferheb (Hebrew letters only, brackets mirrored) under `standard`.
std::vector<std::string> tableLines(const TableChoices& c, HebrewStandard standard);

}  // namespace qm::wizards
