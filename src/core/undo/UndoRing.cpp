#include "core/undo/UndoRing.h"

#include <algorithm>
#include <cstring>

namespace qm::undo {

std::size_t commonPrefix(std::string_view a, std::string_view b, std::size_t known) {
  const std::size_t n = std::min(a.size(), b.size());
  constexpr std::size_t kBlock = 4096;
  std::size_t i = std::min(known, n);
  while (i + kBlock <= n && std::memcmp(a.data() + i, b.data() + i, kBlock) == 0) i += kBlock;
  while (i < n && a[i] == b[i]) ++i;
  return i;
}

std::size_t commonSuffix(std::string_view a, std::string_view b, std::size_t limit, std::size_t known) {
  const std::size_t n = std::min({a.size(), b.size(), limit});
  constexpr std::size_t kBlock = 4096;
  std::size_t k = std::min(known, n);
  while (k + kBlock <= n &&
         std::memcmp(a.data() + a.size() - k - kBlock, b.data() + b.size() - k - kBlock, kBlock) == 0)
    k += kBlock;
  while (k < n && a[a.size() - 1 - k] == b[b.size() - 1 - k]) ++k;
  return k;
}

void UndoRing::push(std::string_view text, std::int32_t selStart, std::int32_t selLength, std::size_t sameHead,
                    std::size_t sameTail) {
  forward_.clear();
  append(text, selStart, selLength, sameHead, sameTail);
}

void UndoRing::append(std::string_view text, std::int32_t selStart, std::int32_t selLength, std::size_t sameHead,
                      std::size_t sameTail) {
  if (!entries_.empty()) {
    // The snapshot that was newest now keeps only its difference to the new
    // text, and the newest text changes by that difference only.
    Entry& prev = entries_.back();
    const std::size_t prefix = commonPrefix(text, newest_, sameHead);
    const std::size_t suffix =
        commonSuffix(text, newest_, std::min(text.size(), newest_.size()) - prefix, sameTail);
    prev.prefix = prefix;
    prev.suffix = suffix;
    prev.middle.assign(newest_, prefix, newest_.size() - prefix - suffix);
    prev.middle.shrink_to_fit();
    newest_.replace(prefix, newest_.size() - prefix - suffix, text.substr(prefix, text.size() - prefix - suffix));
  } else {
    newest_.assign(text);
  }
  entries_.push_back(Entry{selStart, selLength, 0, 0, {}});
  if (entries_.size() > static_cast<std::size_t>(Capacity)) entries_.pop_front();
}

std::string UndoRing::apply(const std::string& newest, const Entry& e) {
  std::string text;
  text.reserve(e.prefix + e.middle.size() + e.suffix);
  text.append(newest, 0, e.prefix);
  text += e.middle;
  text.append(newest, newest.size() - e.suffix, e.suffix);
  return text;
}

std::optional<Snapshot> UndoRing::stepBack() {
  if (entries_.size() < 2) return std::nullopt;
  Entry undone = std::move(entries_.back());
  entries_.pop_back();
  Entry& e = entries_.back();
  std::string text = apply(newest_, e);
  // The undone snapshot is kept as its difference to the text it goes back to.
  undone.prefix = commonPrefix(text, newest_);
  undone.suffix = commonSuffix(text, newest_, std::min(text.size(), newest_.size()) - undone.prefix);
  undone.middle.assign(newest_, undone.prefix, newest_.size() - undone.prefix - undone.suffix);
  forward_.push_back(std::move(undone));
  newest_ = std::move(text);
  e.prefix = e.suffix = 0;
  std::string().swap(e.middle);
  return Snapshot{newest_, e.selStart, e.selLength};
}

std::optional<Snapshot> UndoRing::stepForward() {
  if (forward_.empty()) return std::nullopt;
  const Entry redone = std::move(forward_.back());
  forward_.pop_back();
  append(apply(newest_, redone), redone.selStart, redone.selLength);
  return current();
}

std::optional<Snapshot> UndoRing::current() const {
  if (entries_.empty()) return std::nullopt;
  return Snapshot{newest_, entries_.back().selStart, entries_.back().selLength};
}

void UndoRing::clear() {
  entries_.clear();
  forward_.clear();
  std::string().swap(newest_);
}

}  // namespace qm::undo
