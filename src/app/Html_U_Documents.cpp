// Creating, opening and saving documents; the recent-documents list.
#include "app/Html_U.h"

void TForm1::NewForm() {}
void TForm1::OpenHtml(const QString&) {}
void TForm1::SaveHtml() {}
void TForm1::N5Click() {}
void TForm1::AddToRecent(const QString&) {}
QString TForm1::PullFromRecent(int) { return {}; }
void TForm1::RecentClick(int) {}
