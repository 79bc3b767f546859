// Markup insertion into the active document, and the quick-edit line.
#include "app/Html_U.h"

void TForm1::insrt2(const std::string&) {}
void TForm1::insrt2ln(const std::string&) {}
void TForm1::insrt2smrt(const std::string&, const std::string&) {}
void TForm1::insrt2smrt2(const std::string&, const std::string&) {}
void TForm1::TInsert(const std::vector<std::string>&) {}
std::string TForm1::PickColor() { return {}; }
void TForm1::RefreshQEdit() {}
void TForm1::SetHebrew() {}
void TForm1::SetEnglish() {}
