#pragma once

// What the script library window and the script editor share: texts between
// the library's code-page 1255 bytes (CR LF lines) and widgets, and the
// variable list both windows show (name, description, value, type code).
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QTextOption>
#include <QString>
#include <QStringList>
#include <QTreeWidget>
#include <string>
#include <vector>

#include "core/scripts/ScriptDb.h"
#include "core/text/Lines.h"
#include "platform/Cp1255Bridge.h"

namespace qm::scripts {

// Library text for a widget (line breaks as the widget keeps them).
inline QString widgetText(const std::string& crlf) {
  QString s = fromCp1255(crlf);
  s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return s;
}

// A widget's text as library bytes with CR LF breaks.
inline std::string libraryText(const QString& text) { return lines::toCrLf(toCp1255(text)); }

// Every line of a memo reads right to left from the right edge.
inline void setRightToLeftLines(QPlainTextEdit* memo) {
  memo->setLayoutDirection(Qt::RightToLeft);
  QTextOption option = memo->document()->defaultTextOption();
  option.setTextDirection(Qt::RightToLeft);
  option.setAlignment(Qt::AlignRight);
  memo->document()->setDefaultTextOption(option);
}

// A report list of variables: the three titled columns, and the type code in a hidden fourth.
inline QTreeWidget* makeVarList(QWidget* parent, const QStringList& titles) {
  auto* list = new QTreeWidget(parent);
  list->setObjectName(QStringLiteral("ListView1"));
  list->setLayoutDirection(Qt::RightToLeft);
  list->setRootIsDecorated(false);
  list->setHeaderLabels(titles + QStringList{QStringLiteral("type")});
  list->setColumnHidden(3, true);
  list->setSelectionBehavior(QAbstractItemView::SelectRows);
  list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  return list;
}

inline QTreeWidgetItem* addVarItem(QTreeWidget* list, const ScriptVar& v) {
  auto* item = new QTreeWidgetItem(QStringList{fromCp1255(v.name), fromCp1255(v.description),
                                               fromCp1255(v.value), fromCp1255(v.type)});
  list->addTopLevelItem(item);
  return item;
}

inline std::vector<ScriptVar> varItems(const QTreeWidget* list) {
  std::vector<ScriptVar> vars;
  for (int i = 0; i < list->topLevelItemCount(); ++i) {
    const QTreeWidgetItem* item = list->topLevelItem(i);
    vars.push_back({toCp1255(item->text(0)), toCp1255(item->text(1)), toCp1255(item->text(2)),
                    toCp1255(item->text(3))});
  }
  return vars;
}

}  // namespace qm::scripts
