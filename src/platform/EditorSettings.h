#pragma once

#include <QColor>
#include <QString>
#include <cstdint>

#include "platform/SettingsStore.h"

namespace qm {

// Settings colours are 0x00BBGGRR.
QColor colorFromBgr(std::uint32_t bgr);
std::uint32_t bgrFromColor(const QColor& c);

// The look of the source editor: fonts, size, colours, how often typing
// recolours the whole page and whether line numbers stand beside it. Read and written through the settings store in
// the formats earlier versions stored (size in points, colours as decimal
// numbers); a value that is missing or not a number reads as its default.
struct EditorSettings {
  std::int32_t FontSize = setting::FontSize.def;  // points
  QString EnglishFont = QString::fromLatin1(setting::EnglishFont.def);
  QString HebrewFont = QString::fromLatin1(setting::HebrewFont.def);
  std::uint32_t TextColor = setting::TextColor.def;
  std::uint32_t TagColor = setting::TagColor.def;
  std::uint32_t RemarksColor = setting::RemarksColor.def;
  std::uint32_t MemoBackground = setting::MemoBackground.def;
  std::int32_t RefreshEveryXChrs = setting::RefreshEveryXChrs.def;
  bool LineNumbers = setting::LineNumbers.def;

  static EditorSettings Load(const SettingsStore& store);
  void Save(SettingsStore& store) const;

  // The source editor's point size (the default for a size below one point).
  double SourcePointSize() const;
  // The Hebrew edit view is twice as large as the source.
  double HebrewEditPointSize() const { return 2 * SourcePointSize(); }

  friend bool operator==(const EditorSettings&, const EditorSettings&) = default;
};

}  // namespace qm
