// Our own pictures are painted at the resolution asked for, so they are as
// sharp on a doubled screen as on a plain one.
#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>

#include "platform/Glyphs.h"

namespace {

int inkedPixels(const QImage& image) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) n += qAlpha(image.pixel(x, y)) > 0;
  return n;
}

TEST(Glyphs, OwnPicturesArePaintedAtEveryScale) {
  using G = qm::Glyph;
  std::vector<std::pair<QString, QIcon>> icons = {{QStringLiteral("app"), qm::appIcon()},
                                                  {QStringLiteral("text"), qm::ownGlyph(G::Text, QStringLiteral("URL"))}};
  for (G g : {G::New, G::Open, G::Save, G::Copy, G::Cut, G::Paste, G::Undo, G::Clear, G::Cascade, G::TileRows,
              G::TileColumns, G::Previous, G::Next, G::AlignLeft, G::AlignCenter, G::AlignRight, G::Rule, G::Colour,
              G::Table})
    icons.emplace_back(QString::number(static_cast<int>(g)), qm::ownGlyph(g));
  for (const auto& [name, icon] : icons) {
    SCOPED_TRACE(name.toStdString());
    const QImage one = icon.pixmap(QSize(20, 20), 1.0).toImage();
    const QPixmap two = icon.pixmap(QSize(20, 20), 2.0);
    EXPECT_EQ(one.size(), QSize(20, 20));
    ASSERT_EQ(two.size(), QSize(40, 40));  // twice the pixels, not the 1x picture stretched later
    EXPECT_EQ(two.devicePixelRatio(), 2.0);
    EXPECT_GT(inkedPixels(one), 8);
    // Painted afresh: not the 1x picture with every pixel doubled.
    EXPECT_NE(two.toImage().convertToFormat(one.format()), one.scaled(40, 40));
  }
}

}  // namespace
