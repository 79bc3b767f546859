#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Syntax colouring of page source: tags, comments and other text in three
// colours, Hebrew letters in a right-to-left Hebrew font.
//
// One state machine drives two outputs:
//  * buildRtf: the complete RTF document of the coloured text (colour indexes
//    1 tags, 2 comments, 3 text of the colour table; font 0 Latin, font 3
//    Hebrew), byte for byte;
//  * scanRuns / scanLine: the same colouring as styled runs over the text's own
//    offsets. The editor colours from these runs, line by line (each line
//    scanned from the state the previous one ended in), so an edit recolours
//    its own line and only as many following lines as the change of state
//    reaches; it never loads the RTF document.
namespace qm::highlight {

inline constexpr std::uint8_t TagColorIndex = 1;
inline constexpr std::uint8_t RemarkColorIndex = 2;
inline constexpr std::uint8_t TextColorIndex = 3;

enum class Mode : std::uint8_t { Text = 0, Remark = 1, Tag = 2 };

// Colour index of a mode: text 3, comment 2, tag 1.
constexpr std::uint8_t colorOf(Mode m) {
  return m == Mode::Tag ? TagColorIndex : m == Mode::Remark ? RemarkColorIndex : TextColorIndex;
}

// The scanner's state between two characters.
struct ScanState {
  Mode mode = Mode::Text;
  // Inside a Hebrew run: set by a Hebrew letter, cleared only by a Latin letter
  // or a line end (so digits, spaces and punctuation stay inside the run).
  bool hebrewRun = false;
  // The right-to-left Hebrew font is in force. Usually equal to hebrewRun, but a
  // "<" or ">" inside a Hebrew run switches to the left-to-right font of the new
  // mode while the run goes on, so the letters after it stay left to right.
  bool rtl = false;

  std::uint8_t color() const { return colorOf(mode); }

  // Packs the state into a small non-negative int (QSyntaxHighlighter's block
  // state), and back; any negative value (no previous block) is the start state.
  int toBlockState() const { return static_cast<int>(mode) | (hebrewRun ? 4 : 0) | (rtl ? 8 : 0); }
  static ScanState fromBlockState(int v);

  friend bool operator==(const ScanState&, const ScanState&) = default;
};

// A stretch of characters with one colour and one font. Offsets are indexes
// into the scanned text (document offsets when the text is the whole document).
struct StyledRun {
  std::size_t start = 0;
  std::size_t length = 0;
  std::uint8_t color = TextColorIndex;  // 1 tag, 2 comment, 3 text
  bool hebrew = false;                  // right-to-left Hebrew font (RTF font 3)

  friend bool operator==(const StyledRun&, const StyledRun&) = default;
};

// Scans text[from, to) starting in `state`, appends to `out` the runs that
// cover it (adjacent runs always differ in style; nothing else in `out` is
// touched) and returns the state after it. Characters outside [from, to) are
// only looked at for the "<!--" and "-->" tests, so scanning the whole text at
// once or in consecutive ranges gives the same runs. A range that ends between
// a CR and its LF is fine: the LF carries no state. One pass, no allocation but
// the growth of `out`.
//
// The char16_t form reads text as the code-page bridge maps it (one UTF-16 unit
// per byte; Hebrew letters are U+05D0..U+05EA), so a widget can scan a block's
// QString without converting it.
ScanState scanRuns(std::string_view text, std::size_t from, std::size_t to, ScanState state,
                   std::vector<StyledRun>& out);
ScanState scanRuns(std::u16string_view text, std::size_t from, std::size_t to, ScanState state,
                   std::vector<StyledRun>& out);

// The runs of a whole text, from the start state.
std::vector<StyledRun> scanRuns(std::string_view text);

// The state after text[from, to), without producing runs.
ScanState advance(std::string_view text, std::size_t from, std::size_t to, ScanState state);
ScanState advance(std::u16string_view text, std::size_t from, std::size_t to, ScanState state);

// One line of CR LF text, without its line break: appends the line's runs to
// `out` (offsets are columns) and returns the state at the start of the next
// line. Only the mode survives a line break, so that state is one of three
// values: store it per block and rescan the following block only when it changed.
ScanState scanLine(std::string_view line, ScanState atLineStart, std::vector<StyledRun>& out);
ScanState scanLine(std::u16string_view line, ScanState atLineStart, std::vector<StyledRun>& out);

// The stretch that forward colouring recolours while the user types: from the
// caret offset `start` through the end of the next occurrence of `terminator`
// in the text. Returns the number of characters to colour, or nothing when
// start + terminator length is past the end. An occurrence counts only when it
// ends before the text's last character; without one the stretch runs to the
// end of the text less its last character (the next full colouring sets that
// one right).
std::optional<std::size_t> fwdColoringLength(std::string_view text, std::size_t start, std::string_view terminator);

// What the RTF document depends on besides the text.
struct RtfSettings {
  std::string fontSize = "16";  // half points, as decimal text
  std::string englishFont = "MS Sans Serif";
  std::string hebrewFont = "MS Sans Serif";
  std::string colorTable;  // the "{\colortbl...}" group (core/markup/RtfColorTable.h)
};

// The RTF document of the coloured text: font and colour tables (font names
// escaped, so any name reads back as it is), then the text
// with its colour/font switches, "\", "{" and "}" escaped, every line break
// followed by "\par ", and CR LF "\par }" at the end.
std::string buildRtf(std::string_view text, const RtfSettings& settings);

}  // namespace qm::highlight
