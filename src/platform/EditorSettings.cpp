#include "platform/EditorSettings.h"


namespace qm {

QColor colorFromBgr(std::uint32_t bgr) {
  return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF), static_cast<int>((bgr >> 16) & 0xFF));
}

std::uint32_t bgrFromColor(const QColor& c) {
  return static_cast<std::uint32_t>(c.red()) | static_cast<std::uint32_t>(c.green()) << 8 |
         static_cast<std::uint32_t>(c.blue()) << 16;
}

EditorSettings EditorSettings::Load(const SettingsStore& store) {
  EditorSettings s;
  s.FontSize = store.read(setting::FontSize);
  s.EnglishFont = store.read(setting::EnglishFont);
  s.HebrewFont = store.read(setting::HebrewFont);
  s.TextColor = store.read(setting::TextColor);
  s.TagColor = store.read(setting::TagColor);
  s.RemarksColor = store.read(setting::RemarksColor);
  s.MemoBackground = store.read(setting::MemoBackground);
  s.RefreshEveryXChrs = store.read(setting::RefreshEveryXChrs);
  s.LineNumbers = store.read(setting::LineNumbers);
  return s;
}

void EditorSettings::Save(SettingsStore& store) const {
  store.write(setting::FontSize, FontSize);
  store.write(setting::EnglishFont, EnglishFont);
  store.write(setting::HebrewFont, HebrewFont);
  store.write(setting::TextColor, TextColor);
  store.write(setting::TagColor, TagColor);
  store.write(setting::RemarksColor, RemarksColor);
  store.write(setting::MemoBackground, MemoBackground);
  store.write(setting::RefreshEveryXChrs, RefreshEveryXChrs);
  store.write(setting::LineNumbers, LineNumbers);
}

double EditorSettings::SourcePointSize() const { return FontSize >= 1 ? FontSize : setting::FontSize.def; }

}  // namespace qm
