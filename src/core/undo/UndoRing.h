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

  // Takes a snapshot; when the ring is full the oldest one is dropped. The
  // steps undone before it can no longer be taken forward again. A caller
  // that knows the first `sameHead` and last `sameTail` bytes equal the
  // newest snapshot's says so, and only the rest is compared (a keystroke on
  // a large page then costs no full comparison).
  void push(std::string_view text, std::int32_t selStart, std::int32_t selLength, std::size_t sameHead = 0,
            std::size_t sameTail = 0);

  // Goes back one snapshot: drops the newest and returns the one before it,
  // which becomes the current state. Nothing (and no change) with fewer than
  // two snapshots. The dropped one can be taken forward again.
  std::optional<Snapshot> stepBack();

  // Takes forward again the snapshot the last stepBack dropped (the newest
  // of those undone since the last push) and returns it. Nothing without one.
  std::optional<Snapshot> stepForward();
  // Steps that stepForward can take.
  int forwardCount() const { return static_cast<int>(forward_.size()); }

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

  void append(std::string_view text, std::int32_t selStart, std::int32_t selLength, std::size_t sameHead = 0,
              std::size_t sameTail = 0);
  // Replaces newest_ by the text `e` describes against it.
  static std::string apply(const std::string& newest, const Entry& e);

  std::deque<Entry> entries_;
  std::string newest_;
  // The undone snapshots, the next one stepForward takes at the back; each
  // held as its difference to the snapshot it was undone to.
  std::deque<Entry> forward_;
};

// Length of the common prefix of two texts.
// Both may start from a length already known to be common.
std::size_t commonPrefix(std::string_view a, std::string_view b, std::size_t known = 0);
// Length of the common suffix of two texts, at most `limit`.
std::size_t commonSuffix(std::string_view a, std::string_view b, std::size_t limit, std::size_t known = 0);

}  // namespace qm::undo
