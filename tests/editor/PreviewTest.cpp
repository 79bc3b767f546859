// The page preview in a real browser view (offscreen): HTML in the page's own
// character set, relative images from the page's folder, the preview file
// removed on the way back.
#include <QFileInfo>
#include <QPushButton>

#include "DocFixture.h"
#include "platform/Cp1255Bridge.h"

namespace {

using Preview = qmtest::DocFixture;

using qmtest::evaluate;
using qmtest::previewed;
using qmtest::viewOf;

TEST_F(Preview, ShowsThePageInItsCharacterSetWithItsImagesAndRemovesItsFile) {
  // A one-pixel GIF beside the page, referred to by a relative name.
  writeFile("dot.gif", std::string("GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\xff\xff\x00\x00\x00!\xf9\x04\x01\x00\x00\x00"
                                   "\x00,\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02" "D\x01\x00;", 43));
  // hebrew: as stored, in visual order under ISO-8859-8
  struct Case { const char* charset; std::string hebrew; };
  QWebEngineView* first = nullptr;
  for (const Case& c : {Case{"iso-8859-8", "\xED\xE5\xEC\xF9"}, Case{"windows-1255", "\xF9\xEC\xE5\xED"}}) {
    SCOPED_TRACE(c.charset);
    writeFile("page.htm", std::string("<!-- page -->\r\n<HTML><HEAD><meta http-equiv=\"Content-Type\" content=\"text/html; "
                                      "charset=") + c.charset + "\"></HEAD>\r\n<BODY><P id=t>" + c.hebrew +
                              "</P><img src=\"dot.gif\"></BODY></HTML>\r\n");
    form->SetCommandLineFile(path("page.htm"));
    form->OpenHtml(path("page.htm"));
    TWorkForm* w = form->AWForm();
    ASSERT_TRUE(previewed(w));
    EXPECT_TRUE(QFileInfo::exists(path("preview.tmp")));
    QWebEngineView* v = viewOf(w);
    EXPECT_EQ(evaluate(v, "document.characterSet.toLowerCase()"), QString::fromLatin1(c.charset));
    EXPECT_EQ(evaluate(v, "document.getElementById('t').innerText"), qm::fromCp1255(c.hebrew));
    EXPECT_EQ(evaluate(v, "String(document.images[0].naturalWidth)"), QStringLiteral("1"));
    EXPECT_FALSE(w->Button1->isEnabled());

    w->Button2->click();
    EXPECT_FALSE(QFileInfo::exists(path("preview.tmp")));
    EXPECT_TRUE(w->Memo1->isVisibleTo(w));
    EXPECT_FALSE(w->WebBrowser1->isVisibleTo(w));
    // A second preview of the same window reuses its view.
    if (!first) {
      ASSERT_TRUE(previewed(w));
      EXPECT_EQ(viewOf(w), v);
      form->runCommand(QStringLiteral("N52"));
      EXPECT_FALSE(w->Previewing());
      first = v;
    }
    w->Memo1->setModified(false);
    ASSERT_TRUE(closeDoc(w));
  }
}

// A page that was never saved previews from the temporary folder; Hebrew
// edit mode has no preview.
TEST_F(Preview, UntitledPagesPreviewAndHebrewEditModeDoesNot) {
  TWorkForm* w = newDoc();
  w->HebEditMode();
  w->PreviewMode();
  EXPECT_FALSE(w->Previewing());
  w->HebEditMode();
  ASSERT_TRUE(previewed(w));
  EXPECT_TRUE(w->PreviewFile().startsWith(QDir::tempPath()));
  w->EditMode();
  EXPECT_FALSE(QFileInfo::exists(w->PreviewFile()));
  // A view whose renderer went away is made anew, with the message.
  QWebEngineView* lost = viewOf(w);
  emit lost->page()->renderProcessTerminated(QWebEnginePage::CrashedTerminationStatus, 1);
  ASSERT_TRUE(previewed(w));
  EXPECT_EQ(w->WebBrowser1->findChildren<QWebEngineView*>().size(), 1);
  EXPECT_EQ(prompts.texts("message"),
            std::vector<QString>{QStringLiteral("חלון התצוגה נסגר - לצפייה שמור את הקובץ ופתחהו בשנית")});
  w->EditMode();
}

}  // namespace
