#!/usr/bin/env bash
# The layering check must catch each kind of forbidden include: one at a time,
# an include is planted into a copy of the sources and the check must fail
# naming that file; the unchanged copy must pass.
set -u
check=$(dirname "$0")/check_layers.sh
src=${1:?source folder}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
cp -r "$src" "$work/src"
if ! "$check" "$work/src" >/dev/null; then
  echo "the unchanged sources fail the check"
  exit 1
fi
# file into which an include is planted | the include
while IFS='|' read -r file planted; do
  [ -n "$file" ] || continue
  rm -rf "$work/src" && cp -r "$src" "$work/src"
  printf '%s\n' "$planted" >>"$work/src/$file"
  if out=$("$check" "$work/src" 2>&1); then
    echo "not caught: $planted in $file"
    status=1
  elif ! grep -q "$file" <<<"$out"; then
    echo "caught, but not naming $file: $out"
    status=1
  fi
done <<'CASES'
core/text/Lines.cpp|#include <QString>
core/text/Lines.cpp|#include "platform/Prompts.h"
net/FtpClient_U.cpp|#include <QWidget>
net/FtpClient_U.cpp|#include "host/PageView.h"
host/PageHost.h|#include "editor/Work_F.h"
host/InsertTarget.h|#include "app/Html_U.h"
wizards/Link_F.cpp|#include "editor/Work_F.h"
wizards/Link_F.cpp|  #  include "app/Html_U.h"
scripts/Script_F.cpp|#include "editor/Colouring.h"
hebrew/Heb_U.cpp|#include "editor/Work_F.h"
net/ui/FTP_F.cpp|#include "editor/Work_F.h"
editor/Work_F.cpp|#include "app/Html_U.h"
CASES
[ $status -eq 0 ] && echo "layering check: every planted include caught"
exit $status
