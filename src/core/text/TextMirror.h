#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qm::lines {

// A document's bytes (CR LF line breaks) with the offsets of its line starts,
// kept up to date edit by edit so that neither a keystroke nor a caret query
// copies or rescans the whole text.
//
// Besides byte offsets (a line break counts two) it speaks "positions", where
// a line break counts one, as a text control numbers its characters; the
// conversion between the two lives here and nowhere else.
class TextMirror {
 public:
  TextMirror() = default;
  explicit TextMirror(std::string text) { assign(std::move(text)); }

  // In UTF-8 mode a position is a UTF-16 unit of the decoded text (as
  // encoding::decode makes it), so a character may span several bytes; off,
  // every byte is one position. Switching keeps the text.
  void setUtf8(bool on);
  bool utf8() const { return utf8_; }

  void assign(std::string text);
  // Replaces `removed` bytes at `offset` with `inserted` (clamped to the text).
  void replace(std::size_t offset, std::size_t removed, std::string_view inserted);

  const std::string& text() const { return text_; }
  std::size_t size() const { return text_.size(); }

  // Lines as a line list counts them: a final line break does not start
  // another line, and the empty text has none.
  std::size_t lineCount() const;
  // Lines as an edit control shows them: a final break starts an empty line,
  // and the empty text has one.
  std::size_t editLineCount() const { return starts_.size(); }
  std::string_view line(std::size_t i) const;  // without its break; i < editLineCount()
  std::size_t lineStart(std::size_t i) const { return starts_[i]; }
  std::size_t lineLength(std::size_t i) const;
  // The line holding an offset (the offset between CR and LF belongs to the line they end).
  std::size_t lineOf(std::size_t offset) const;

  // Position (break = 1) <-> offset (break = 2). An offset between CR and LF
  // maps to the position of the line end.
  std::size_t offsetOfPosition(std::size_t pos) const;
  std::size_t positionOfOffset(std::size_t offset) const;
  std::size_t positionCount() const;

  // The first `head` and last `tail` bytes of the text that are known to be
  // as they were at the last markUnchanged(); replace() and assign() narrow
  // them. Lets a caller that keeps a copy compare only the part that may differ.
  struct Unchanged {
    std::size_t head = 0;
    std::size_t tail = 0;
  };
  Unchanged unchangedSinceMark() const { return {head_, tail_}; }
  void markUnchanged() { head_ = tail_ = text_.size(); }
  void forgetUnchanged() { head_ = tail_ = 0; }

 private:
  // Position of the start of line i (UTF-8 mode).
  std::size_t lineUnits(std::size_t i) const;
  void recountPositions(std::size_t fromLine);

  std::string text_;
  std::vector<std::size_t> starts_{0};
  bool utf8_ = false;
  std::size_t head_ = 0;  // see unchangedSinceMark()
  std::size_t tail_ = 0;
  std::vector<std::size_t> pstarts_{0};  // UTF-8 mode: the position of each line start
};

}  // namespace qm::lines
