#!/usr/bin/env bash
# The layers' dependency rule, over the source folder given:
# - core includes nothing outside the standard library and itself;
# - net (but its window) uses no widgets and no window code;
# - the host interfaces (host/) name no window: they include only core,
#   platform and each other;
# - no window below the main window includes the main window's folder (app/),
#   and the windows that are no document window (net, wizards, scripts, hebrew)
#   include nothing of the document window's folder (editor/) either: they
#   reach the work through the host interfaces.
set -u
src=${1:?source folder}
status=0
include='^\s*#\s*include\s*'
inc='#\s*include\s*'  # the same inside grep's "file:line:" output
report() {  # message, then the offending lines on standard input
  while IFS= read -r line; do
    echo "$1: $line"
    status=1
  done
}
report "core includes a non-standard header" < <(grep -rn -E "$include"'[<"](Q|q[a-z]|boost/|gtest|benchmark)' "$src/core" || true)
report "core includes a header outside core" < <(grep -rn -E "$include"'"' "$src/core" | grep -v -E "$inc"'"core/' || true)
report "net uses widgets" < <(grep -rn -E "$include"'[<"](QtWidgets|QWidget|QDialog|QMainWindow|QMessageBox|QApplication|platform/|app/|editor/|host/)' "$src/net" --exclude-dir=ui || true)
if [ -d "$src/host" ]; then
  report "a host interface includes a window's header" < <(grep -rn -E "$include"'"' "$src/host" | grep -v -E "$inc"'"(core|platform|host)/' || true)
fi
for dir in editor hebrew wizards scripts net/ui; do
  [ -d "$src/$dir" ] || continue
  report "a window below the main window includes app/" < <(grep -rn -E "$include"'"app/' "$src/$dir" || true)
done
for dir in net hebrew wizards scripts; do
  [ -d "$src/$dir" ] || continue
  report "a window that is no document window includes editor/" < <(grep -rn -E "$include"'"editor/' "$src/$dir" || true)
done
[ $status -eq 0 ] && echo "layers: ok"
exit $status
