#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>

namespace qm::undo {

struct Snapshot {
  std::string text;
  std::int32_t selStart = 0;
  std::int32_t selLength = 0;
};

// The undo history of one document: the last Capacity snapshots of its text
// and selection, the newest being the current state, so Capacity - 1 steps can
// be undone. Only the newest text is held whole; every older snapshot is kept
// as the difference to the one after it (the changed middle between a common
// prefix and suffix), so a ring of twenty snapshots of a large page costs
// little more than the page itself.
class UndoRing {
 public:
  static constexpr int Capacity = 20;

  // Number of snapshots held, 0..Capacity.
  int count() const { return static_cast<int>(entries_.size()); }

  // Takes a snapshot; when the ring is full the oldest one is dropped.
  void push(std::string_view text, std::int32_t selStart, std::int32_t selLength);

  // Goes back one snapshot: drops the newest and returns the one before it,
  // which becomes the current state. Nothing (and no change) with fewer than
  // two snapshots.
  std::optional<Snapshot> stepBack();

  // The newest snapshot, if any.
  std::optional<Snapshot> current() const;

  void clear();

 private:
  struct Entry {
    std::int32_t selStart = 0;
    std::int32_t selLength = 0;
    // How to get this snapshot's text from the next newer one's: keep its
    // first `prefix` and last `suffix` bytes and put `middle` between them.
    std::size_t prefix = 0;
    std::size_t suffix = 0;
    std::string middle;
  };

  std::deque<Entry> entries_;
  std::string newest_;
};

// Length of the common prefix of two texts.
std::size_t commonPrefix(std::string_view a, std::string_view b);
// Length of the common suffix of two texts, at most `limit`.
std::size_t commonSuffix(std::string_view a, std::string_view b, std::size_t limit);

}  // namespace qm::undo
