// Colouring of the document window's editor. The full colouring, the forward
// recolouring and the typing rules land here; until then the text keeps the
// editor's default colours.
#include "editor/Work_F.h"

void TWorkForm::DoHighLight() {
  HLLines = DocLines();
  HLLength = DocLength();
}

void TWorkForm::fwdcoloring(const QColor&, std::string_view) {}

void TWorkForm::TypingColourRules(char16_t) {}

void TWorkForm::BackspaceColourRules() {}
