#!/usr/bin/env bash
# The layers' dependency rule: core includes nothing outside the standard
# library and itself; net (but its window) uses no widgets; no window below
# the main window includes the main window's folder (they reach it through
# the host interface).
set -u
src=${1:?source folder}
status=0
while IFS= read -r line; do
  echo "core includes a non-standard header: $line"
  status=1
done < <(grep -rn -E '^\s*#\s*include\s*[<"](Q|q[a-z]|boost/|gtest|benchmark)' "$src/core" || true)
while IFS= read -r line; do
  echo "core includes a header outside core: $line"
  status=1
done < <(grep -rn -E '^\s*#\s*include\s*"' "$src/core" | grep -v -E '#\s*include\s*"core/'  || true)
while IFS= read -r line; do
  echo "net uses widgets: $line"
  status=1
done < <(grep -rn -E '^\s*#\s*include\s*[<"](QtWidgets|QWidget|QDialog|QMainWindow|QMessageBox|QApplication|platform/|app/|editor/)' "$src/net" --exclude-dir=ui || true)
for dir in editor hebrew wizards scripts net/ui; do
  [ -d "$src/$dir" ] || continue
  while IFS= read -r line; do
    echo "a window below the main window includes app/: $line"
    status=1
  done < <(grep -rn -E '^\s*#\s*include\s*"app/' "$src/$dir" || true)
done
[ $status -eq 0 ] && echo "layers: ok"
exit $status
