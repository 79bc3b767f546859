#pragma once

#include <QString>
#include <memory>
#include <vector>

#include "platform/KeyboardLayout.h"

namespace qmtest {

// Installed keyboard layouts as a list with one active entry; switching moves
// to the next entry, wrapping around, and is counted.
class FakeKeyboardLayouts : public qm::KeyboardLayouts {
 public:
  std::vector<QString> installed;
  std::size_t active = 0;
  int switches = 0;

  QString activeLayoutName() override { return installed.empty() ? QString() : installed[active]; }
  void activateNextLayout() override {
    ++switches;
    if (!installed.empty()) active = (active + 1) % installed.size();
  }
};

// Puts a fake in place of the program's keyboard layouts for its lifetime.
class FakeLayoutsInstalled {
 public:
  FakeLayoutsInstalled(std::vector<QString> installed, std::size_t active) {
    auto fake = std::make_unique<FakeKeyboardLayouts>();
    fake->installed = std::move(installed);
    fake->active = active;
    fake_ = fake.get();
    previous_ = qm::setKeyboardLayouts(std::move(fake));
  }
  ~FakeLayoutsInstalled() { qm::setKeyboardLayouts(std::move(previous_)); }
  FakeLayoutsInstalled(const FakeLayoutsInstalled&) = delete;
  FakeLayoutsInstalled& operator=(const FakeLayoutsInstalled&) = delete;
  FakeKeyboardLayouts& operator*() const { return *fake_; }
  FakeKeyboardLayouts* operator->() const { return fake_; }

 private:
  FakeKeyboardLayouts* fake_ = nullptr;
  std::unique_ptr<qm::KeyboardLayouts> previous_;
};

}  // namespace qmtest
