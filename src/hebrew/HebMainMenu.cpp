#include "hebrew/HebMainMenu.h"

THebMainMenu::THebMainMenu(QWidget* parent) : QMenuBar(parent) { setLayoutDirection(Qt::RightToLeft); }
