#include "core/text/TextMirror.h"

#include <algorithm>

#include "core/text/Encoding.h"
#include "core/text/Lines.h"

namespace qm::lines {

void TextMirror::setUtf8(bool on) {
  utf8_ = on;
  if (utf8_) recountPositions(0);
}

void TextMirror::assign(std::string text) {
  text_ = std::move(text);
  head_ = tail_ = 0;
  starts_ = lineStarts(text_);
  if (utf8_) recountPositions(0);
}

std::size_t TextMirror::lineUnits(std::size_t i) const { return encoding::utf16Length(line(i)); }

// Line starts from `fromLine` on, each from the one before (a break is one position).
void TextMirror::recountPositions(std::size_t fromLine) {
  pstarts_.resize(starts_.size());
  if (fromLine == 0) {
    pstarts_[0] = 0;
    fromLine = 1;
  }
  for (std::size_t i = fromLine; i < starts_.size(); ++i) pstarts_[i] = pstarts_[i - 1] + lineUnits(i - 1) + 1;
}

std::size_t TextMirror::positionCount() const {
  if (!utf8_) return text_.size() - (starts_.size() - 1);
  return pstarts_.back() + lineUnits(starts_.size() - 1);
}

void TextMirror::replace(std::size_t offset, std::size_t removed, std::string_view inserted) {
  offset = std::min(offset, text_.size());
  removed = std::min(removed, text_.size() - offset);
  const std::size_t oldEnd = offset + removed;
  const std::ptrdiff_t delta = static_cast<std::ptrdiff_t>(inserted.size()) - static_cast<std::ptrdiff_t>(removed);
  text_.replace(offset, removed, inserted);
  head_ = std::min(head_, offset);
  tail_ = std::min(tail_, text_.size() - (offset + inserted.size()));

  // A line start depends on the two bytes before it. Starts at or before the
  // offset keep theirs; starts whose break lies wholly after the removed range
  // only move; the ones between are found again in the new text.
  const auto keepEnd = std::upper_bound(starts_.begin(), starts_.end(), offset);
  const auto moveBegin = std::lower_bound(keepEnd, starts_.end(), oldEnd + 2);
  std::vector<std::size_t> fresh;
  const std::size_t newEnd = offset + inserted.size();
  for (std::size_t p = offset > 0 ? offset - 1 : 0; p < newEnd && p + 1 < text_.size(); ++p)
    if (text_[p] == '\r' && text_[p + 1] == '\n' && p + 2 > offset) fresh.push_back(p + 2);
  for (auto it = moveBegin; it != starts_.end(); ++it) *it = static_cast<std::size_t>(static_cast<std::ptrdiff_t>(*it) + delta);
  const auto keptLines = static_cast<std::size_t>(keepEnd - starts_.begin());
  const auto movedFrom = static_cast<std::size_t>(moveBegin - starts_.begin());
  const auto at = starts_.erase(keepEnd, moveBegin);
  starts_.insert(at, fresh.begin(), fresh.end());
  if (!utf8_) return;
  // The same for the positions: the fresh lines are counted, the moved ones
  // shift by the difference the first of them shows.
  pstarts_.erase(pstarts_.begin() + static_cast<std::ptrdiff_t>(keptLines),
                 pstarts_.begin() + static_cast<std::ptrdiff_t>(movedFrom));
  pstarts_.insert(pstarts_.begin() + static_cast<std::ptrdiff_t>(keptLines), fresh.size(), 0);
  const std::size_t firstMoved = keptLines + fresh.size();
  for (std::size_t i = keptLines; i < firstMoved; ++i) pstarts_[i] = pstarts_[i - 1] + lineUnits(i - 1) + 1;
  if (firstMoved < starts_.size()) {
    const std::size_t now = pstarts_[firstMoved - 1] + lineUnits(firstMoved - 1) + 1;
    const std::ptrdiff_t shift = static_cast<std::ptrdiff_t>(now) - static_cast<std::ptrdiff_t>(pstarts_[firstMoved]);
    if (shift != 0)
      for (std::size_t i = firstMoved; i < pstarts_.size(); ++i)
        pstarts_[i] = static_cast<std::size_t>(static_cast<std::ptrdiff_t>(pstarts_[i]) + shift);
  }
}

std::size_t TextMirror::lineCount() const {
  if (text_.empty()) return 0;
  return starts_.back() == text_.size() ? starts_.size() - 1 : starts_.size();
}

std::size_t TextMirror::lineLength(std::size_t i) const {
  const std::size_t end = i + 1 < starts_.size() ? starts_[i + 1] - 2 : text_.size();
  return end - starts_[i];
}

std::string_view TextMirror::line(std::size_t i) const {
  return std::string_view(text_).substr(starts_[i], lineLength(i));
}

std::size_t TextMirror::lineOf(std::size_t offset) const {
  const auto it = std::upper_bound(starts_.begin(), starts_.end(), offset);
  return static_cast<std::size_t>(it - starts_.begin()) - 1;
}

std::size_t TextMirror::offsetOfPosition(std::size_t pos) const {
  if (utf8_) {
    const auto it = std::upper_bound(pstarts_.begin(), pstarts_.end(), pos);
    const auto i = static_cast<std::size_t>(it - pstarts_.begin()) - 1;
    return starts_[i] + encoding::utf8OffsetOfUnits(line(i), pos - pstarts_[i]);
  }
  // Line i starts at position starts_[i] - i; find the last such start <= pos.
  std::size_t lo = 0;
  std::size_t hi = starts_.size();
  while (hi - lo > 1) {
    const std::size_t mid = (lo + hi) / 2;
    if (starts_[mid] - mid <= pos) lo = mid; else hi = mid;
  }
  return std::min(pos + lo, text_.size());
}

std::size_t TextMirror::positionOfOffset(std::size_t offset) const {
  offset = std::min(offset, text_.size());
  const std::size_t i = lineOf(offset);
  const std::size_t col = std::min(offset - starts_[i], lineLength(i));
  if (utf8_) return pstarts_[i] + encoding::utf16Length(line(i).substr(0, col));
  return starts_[i] - i + col;
}

}  // namespace qm::lines
