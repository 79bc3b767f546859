#pragma once

#include <QWidget>
#include <memory>
#include <type_traits>
#include <typeindex>
#include <unordered_map>
#include <utility>

namespace qm {

// The program's secondary windows (dialogs, wizards, tool windows): each is
// created the first time it is needed, one of each type, and lives until the
// holder is cleared, so what the user left in a window is there at the next
// opening.
class WindowHolder {
 public:
  template <class W, class... Args>
  W& Get(Args&&... args) {
    std::unique_ptr<QWidget>& slot = windows_[std::type_index(typeid(W))];
    if (!slot) {
      // A window that opens windows of its own takes the holder as its last argument.
      if constexpr (std::is_constructible_v<W, Args&&..., WindowHolder&>)
        slot = std::make_unique<W>(std::forward<Args>(args)..., *this);
      else
        slot = std::make_unique<W>(std::forward<Args>(args)...);
      // A secondary window left open does not keep the program running.
      slot->setAttribute(Qt::WA_QuitOnClose, false);
    }
    return static_cast<W&>(*slot);
  }
  // The window of that type if it was created.
  template <class W>
  W* Find() const {
    const auto it = windows_.find(std::type_index(typeid(W)));
    return it == windows_.end() ? nullptr : static_cast<W*>(it->second.get());
  }
  void HideAll() {
    for (auto& [type, w] : windows_) w->hide();
  }
  void Clear() { windows_.clear(); }

 private:
  std::unordered_map<std::type_index, std::unique_ptr<QWidget>> windows_;
};

}  // namespace qm
