#include "editor/Work_F.h"

TWorkForm::TWorkForm(QWidget* parent) : QWidget(parent) { setObjectName(QStringLiteral("WorkForm")); }
