#include "support/ScriptedPrompts.h"

#include <gtest/gtest.h>

namespace qmtest {

ScriptedPrompts& ScriptedPrompts::install() {
  auto p = std::make_unique<ScriptedPrompts>();
  ScriptedPrompts& ref = *p;
  qm::setPrompts(std::move(p));
  return ref;
}

void ScriptedPrompts::message(QWidget*, const QString& text) { calls.push_back({"message", text}); }

void ScriptedPrompts::error(QWidget*, const QString& text) { calls.push_back({"error", text}); }

qm::Answer ScriptedPrompts::nextAnswer(const char* kind, const QString& text, qm::Answer fallback) {
  calls.push_back({kind, text});
  if (answers.empty()) {
    ADD_FAILURE() << "unexpected " << kind << " prompt: " << text.toStdString();
    return fallback;
  }
  const qm::Answer a = answers.front();
  answers.pop_front();
  return a;
}

qm::Answer ScriptedPrompts::yesNoCancel(QWidget*, const QString& text) {
  return nextAnswer("yesNoCancel", text, qm::Answer::Cancel);
}
qm::Answer ScriptedPrompts::yesNo(QWidget*, const QString& text) { return nextAnswer("yesNo", text, qm::Answer::No); }
qm::Answer ScriptedPrompts::okCancel(QWidget*, const QString& text) {
  return nextAnswer("okCancel", text, qm::Answer::Cancel);
}

std::optional<qm::FileDialogResult> ScriptedPrompts::nextFile(const char* kind, const qm::FileDialogRequest& req) {
  calls.push_back({kind, req.title});
  fileRequests.push_back(req);
  if (files.empty()) {
    ADD_FAILURE() << "unexpected " << kind << " dialog";
    return std::nullopt;
  }
  auto f = files.front();
  files.pop_front();
  if (!f) return std::nullopt;
  int filter = req.filterIndex;
  if (!fileFilters.empty()) {
    filter = fileFilters.front();
    fileFilters.pop_front();
  }
  int choice = 0;
  if (!fileChoices.empty()) {
    choice = fileChoices.front();
    fileChoices.pop_front();
  }
  return qm::FileDialogResult{*f, filter, choice};
}

std::optional<qm::FileDialogResult> ScriptedPrompts::openFile(QWidget*, const qm::FileDialogRequest& req) {
  return nextFile("open", req);
}
std::optional<qm::FileDialogResult> ScriptedPrompts::saveFile(QWidget*, const qm::FileDialogRequest& req) {
  return nextFile("save", req);
}

std::optional<QColor> ScriptedPrompts::color(QWidget*, const QColor&) {
  calls.push_back({"color", {}});
  if (colors.empty()) {
    ADD_FAILURE() << "unexpected colour dialog";
    return std::nullopt;
  }
  auto c = colors.front();
  colors.pop_front();
  return c;
}

std::vector<QString> ScriptedPrompts::texts(const std::string& kind) const {
  std::vector<QString> out;
  for (const auto& c : calls)
    if (c.kind == kind) out.push_back(c.text);
  return out;
}

}  // namespace qmtest
