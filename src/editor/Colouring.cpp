#include "editor/Colouring.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <string_view>
#include <utility>

#include "platform/EditorSettings.h"
#include "platform/Fonts.h"

namespace qm {

namespace {

// Marks the formats of Hebrew-font runs, so a reader can tell them apart
// whatever the family names are.
constexpr int kHebrewProperty = QTextFormat::UserProperty + 1;

// A block's user state is the scan state its line ends in, plus this bit when
// a character of the line, or its line break, carries a colour of its own.
constexpr int kOverrideBit = 1 << 8;
int scanStateOf(int userState) { return userState < 0 ? -1 : userState & ~kOverrideBit; }

// The colour of a mode, for the position of a line break.
QColor modeColour(const ColourScheme& s, highlight::Mode m) {
  switch (m) {
    case highlight::Mode::Tag:
      return s.tag;
    case highlight::Mode::Remark:
      return s.remark;
    default:
      return s.text;
  }
}

// The document's own format at a position inside a block, and at the line
// break that ends it (the next block's character format).
QTextCharFormat documentFormatAt(const QTextBlock& b, int position) {
  if (position >= b.position() + b.length() - 1) {
    const QTextBlock next = b.next();
    return next.isValid() ? next.charFormat() : QTextCharFormat();
  }
  for (auto it = b.begin(); !it.atEnd(); ++it) {
    const QTextFragment f = it.fragment();
    if (position >= f.position() && position < f.position() + f.length()) return f.charFormat();
  }
  return {};
}

}  // namespace

ColourScheme ColourScheme::From(const EditorSettings& s) {
  ColourScheme c;
  c.tag = colorFromBgr(s.TagColor);
  c.remark = colorFromBgr(s.RemarksColor);
  c.text = colorFromBgr(s.TextColor);
  // A font of another system shows in the installed font closest to it.
  c.englishFont = installedFamily(s.EnglishFont, FontRole::Source);
  c.hebrewFont = installedFamily(s.HebrewFont, FontRole::Hebrew);
  c.pointSize = s.SourcePointSize();
  return c;
}

QFont ColourScheme::latinFont() const {
  QFont f(englishFont);
  if (pointSize > 0) f.setPointSizeF(pointSize);
  return f;
}

Colouring::Colouring(QTextDocument* document, QObject* parent) : QObject(parent), target_(document) {
  buildFormats();
  connect(target_, &QTextDocument::contentsChange, this, &Colouring::onContentsChange);
}

std::size_t Colouring::formatIndex(std::uint8_t colour, bool hebrew) const {
  return static_cast<std::size_t>(colour & 3) * 2 + (hebrew ? 1 : 0);
}

void Colouring::buildFormats() {
  for (bool hebrew : {false, true}) {
    QTextCharFormat font;
    if (hebrew) {
      // Latin text takes the editor's font; only Hebrew runs name their own.
      font.setFontFamilies(QStringList{scheme_.hebrewFont});
      if (scheme_.pointSize > 0) font.setFontPointSize(scheme_.pointSize);
      font.setProperty(kHebrewProperty, true);
    }
    for (std::uint8_t c : {highlight::TagColorIndex, highlight::RemarkColorIndex, highlight::TextColorIndex}) {
      QTextCharFormat f = font;
      f.setForeground(c == highlight::TagColorIndex      ? scheme_.tag
                      : c == highlight::RemarkColorIndex ? scheme_.remark
                                                         : scheme_.text);
      formats_[formatIndex(c, hebrew)] = f;
    }
  }
}

void Colouring::findOverrideFormats() {
  const QList<QTextFormat> all = target_->allFormats();
  overrideFormat_.assign(static_cast<std::size_t>(all.size()), false);
  anyOverrideFormat_ = false;
  for (qsizetype i = 0; i < all.size(); ++i) {
    if (all[i].isCharFormat() && all[i].hasProperty(QTextFormat::ForegroundBrush)) {
      overrideFormat_[static_cast<std::size_t>(i)] = true;
      anyOverrideFormat_ = true;
    }
  }
}

int Colouring::formatBlock(const QTextBlock& block, int previousState) {
  const QString text = block.text();
  runs_.clear();
  const auto next = highlight::scanLine(
      std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())),
      highlight::ScanState::fromBlockState(scanStateOf(previousState)), runs_);
  ranges_.clear();
  bool overridden = false;
  for (const auto& r : runs_)
    ranges_.append(QTextLayout::FormatRange{static_cast<int>(r.start), static_cast<int>(r.length),
                                            formats_[formatIndex(r.color, r.hebrew)]});
  if (anyOverrideFormat_) {
    // Overrides: the character's own colour over the scan's (later ranges
    // win where they overlap); the scan's font stays.
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment f = it.fragment();
      const auto index = static_cast<std::size_t>(f.charFormatIndex());
      if (index >= overrideFormat_.size() || !overrideFormat_[index]) continue;
      QTextCharFormat colour;
      colour.setForeground(f.charFormat().foreground());
      ranges_.append(QTextLayout::FormatRange{f.position() - block.position(), f.length(), colour});
      overridden = true;
    }
    const QTextBlock after = block.next();
    overridden = overridden || (after.isValid() && isOverrideFormat(after.charFormatIndex()));
  }
  block.layout()->setFormats(ranges_);
  const int state = next.toBlockState() | (overridden ? kOverrideBit : 0);
  QTextBlock(block).setUserState(state);
  return state;
}

void Colouring::reformat(int from, int count) {
  QTextBlock b = target_->findBlock(std::max(0, from));
  if (!b.isValid()) return;
  findOverrideFormats();
  // Through the end of the block holding the last changed character (after
  // a line break went in, that is the new line).
  const QTextBlock last = target_->findBlock(from + count);
  const int end = last.isValid() ? last.position() + last.length() : target_->characterCount();
  const QTextBlock before = b.previous();
  int state = before.isValid() ? before.userState() : -1;
  const int dirtyFrom = b.position();
  int dirtyTo = dirtyFrom;
  bool first = true;
  bool carry = false;
  while (b.isValid() && (first || b.position() < end || carry)) {
    const int old = b.userState();
    state = formatBlock(b, state);
    // Only the scan state reaches the next line; the override mark does not.
    carry = scanStateOf(state) != scanStateOf(old);
    first = false;
    dirtyTo = b.position() + b.length();
    b = b.next();
  }
  // One layout update for the whole stretch.
  target_->markContentsDirty(dirtyFrom, dirtyTo - dirtyFrom);
}

void Colouring::onContentsChange(int from, int removed, int added) {
  // A removal reaches into the block after it (the line break it took away).
  if (active_) reformat(from, added + (removed > 0 ? 1 : 0));
}

bool Colouring::isOverrideFormat(int index) const {
  return index >= 0 && static_cast<std::size_t>(index) < overrideFormat_.size() &&
         overrideFormat_[static_cast<std::size_t>(index)];
}

int Colouring::colourAll(const ColourScheme& scheme) {
  const bool same = active_ && scheme == scheme_;
  if (!(scheme == scheme_)) {
    scheme_ = scheme;
    buildFormats();
  }
  // While active, each dropped override recolours its own block.
  const int dropped = dropOverrides();
  if (!same) {
    active_ = true;
    reformat(0, target_->characterCount());
  }
  return dropped;
}

void Colouring::switchOff() {
  dropOverrides();
  if (!active_) return;
  active_ = false;
  for (QTextBlock b = target_->begin(); b.isValid(); b = b.next()) {
    b.layout()->clearFormats();
    b.setUserState(-1);
  }
  target_->markContentsDirty(0, target_->characterCount());
}

void Colouring::overrideColour(int from, int count, const QColor& colour) {
  if (count <= 0) return;
  QTextCharFormat f;
  f.setForeground(colour);
  // Block by block, without the line breaks: a break carries no colour of its
  // own, or text typed on an empty line would inherit it.
  const int end = from + count;
  for (QTextBlock b = target_->findBlock(from); b.isValid() && b.position() < end; b = b.next()) {
    const int s = std::max(from, b.position());
    const int e = std::min(end, b.position() + b.length() - 1);
    if (s >= e) continue;
    QTextCursor c(target_);
    c.setPosition(s);
    c.setPosition(e, QTextCursor::KeepAnchor);
    c.mergeCharFormat(f);
  }
}

int Colouring::dropOverrides() {
  // Collect first: changing formats while walking the fragments is not safe.
  // Each stretch keeps the other properties of its characters; neighbours
  // that end up alike are cleared in one step.
  struct Stretch {
    int from;
    int to;
    QTextCharFormat format;  // without the colour
  };
  std::vector<Stretch> stretches;
  int found = 0;
  auto add = [&](int from, int to, QTextCharFormat f) {
    ++found;
    f.clearForeground();
    if (!stretches.empty() && stretches.back().to == from && stretches.back().format == f)
      stretches.back().to = to;
    else
      stretches.push_back({from, to, std::move(f)});
  };
  findOverrideFormats();
  if (!anyOverrideFormat_) return 0;
  // While active, the lines with overrides are marked in their state; the
  // others need no look at their characters.
  const bool marked = active_;
  for (QTextBlock b = target_->begin(); b.isValid(); b = b.next()) {
    if (marked && (b.userState() < 0 || !(b.userState() & kOverrideBit))) continue;
    for (auto it = b.begin(); !it.atEnd(); ++it) {
      const QTextFragment frag = it.fragment();
      if (isOverrideFormat(frag.charFormatIndex()))
        add(frag.position(), frag.position() + frag.length(), frag.charFormat());
    }
    // The line break after it (typed with a colour of its own).
    const QTextBlock after = b.next();
    if (after.isValid() && isOverrideFormat(after.charFormatIndex()))
      add(after.position() - 1, after.position(), after.charFormat());
  }
  for (const auto& s : stretches) {
    QTextCursor c(target_);
    c.setPosition(s.from);
    c.setPosition(s.to, QTextCursor::KeepAnchor);
    c.setCharFormat(s.format);
  }
  return found;
}

bool Colouring::layoutFormatAt(int position, QTextCharFormat& out) const {
  if (!active()) return false;
  const QTextBlock b = target_->findBlock(position);
  if (!b.isValid() || !b.layout()) return false;
  const int inBlock = position - b.position();
  // Later ranges are laid over earlier ones, as the layout merges them.
  bool found = false;
  for (const auto& r : b.layout()->formats()) {
    if (inBlock >= r.start && inBlock < r.start + r.length) {
      if (!found) out = QTextCharFormat();
      out.merge(r.format);
      found = true;
    }
  }
  return found;
}

QColor Colouring::colourAt(int position, const QColor& fallback) const {
  const QTextBlock b = target_->findBlock(position);
  if (!b.isValid()) return fallback;
  const QTextCharFormat own = documentFormatAt(b, position);
  if (own.hasProperty(QTextFormat::ForegroundBrush)) return own.foreground().color();
  if (!active()) return fallback;
  if (position >= b.position() + b.length() - 1) {
    // A line break: the colour of the mode the line ends in.
    return modeColour(scheme_, highlight::ScanState::fromBlockState(scanStateOf(b.userState())).mode);
  }
  QTextCharFormat f;
  if (layoutFormatAt(position, f) && f.hasProperty(QTextFormat::ForegroundBrush)) return f.foreground().color();
  return fallback;
}

bool Colouring::hebrewFontAt(int position) const {
  QTextCharFormat f;
  return layoutFormatAt(position, f) && f.boolProperty(kHebrewProperty);
}

}  // namespace qm
