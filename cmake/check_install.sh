#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop needs:
# both programs run, the desktop entry validates and names the program, its
# icon and the HTML types, and every icon size is there.
#   check_install.sh BUILD_DIR
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
fail() { echo "check_install: $*" >&2; exit 1; }
for p in quillmark qmtool; do [ -x "$prefix/bin/$p" ] || fail "bin/$p missing"; done
"$prefix/bin/qmtool" --version >/dev/null || fail "qmtool does not run"
desktop=$prefix/share/applications/quillmark.desktop
[ -f "$desktop" ] || fail "desktop entry missing"
if command -v desktop-file-validate >/dev/null; then
  out=$(desktop-file-validate "$desktop") || fail "desktop entry invalid: $out"
  if echo "$out" | grep -q "error"; then fail "desktop entry: $out"; fi
fi
grep -qx 'Exec=quillmark %f' "$desktop" || fail "Exec line"
grep -qx 'Icon=quillmark' "$desktop" || fail "Icon line"
grep -q '^MimeType=.*text/html;' "$desktop" || fail "no HTML association"
LC_ALL=C grep -qP '^Name\[he\]=.*\xd7[\x90-\xaa]' "$desktop" || fail "no Hebrew name"
[ -f "$prefix/share/icons/hicolor/scalable/apps/quillmark.svg" ] || fail "scalable icon missing"
for s in 16 24 32 48 64 128 256; do
  png=$prefix/share/icons/hicolor/${s}x${s}/apps/quillmark.png
  [ -f "$png" ] || fail "icon ${s}x${s} missing"
  # The PNG header gives the width and height as big-endian words at bytes 16 and 20.
  size=$(od -An -tu1 -j16 -N8 "$png" | awk '{print $3*256+$4 "x" $7*256+$8}')
  [ "$size" = "${s}x${s}" ] || fail "icon ${s}x${s} is $size"
done
echo "check_install: ok ($prefix)"
