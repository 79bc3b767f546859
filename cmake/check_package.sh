#!/usr/bin/env bash
# Builds the Debian package from a build folder into a temporary folder and
# checks its control file and its contents. Exit 77 (skipped) without dpkg-deb.
#   check_package.sh BUILD_DIR
set -euo pipefail
build=$1
command -v dpkg-deb >/dev/null || { echo "check_package: dpkg-deb is missing, skipped"; exit 77; }
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "check_package: $*" >&2; exit 1; }
(cd "$build" && cpack -G DEB -B "$out" >/dev/null) || fail "cpack failed"
deb=$(ls "$out"/quillmark_*_"$(dpkg --print-architecture)".deb 2>/dev/null | head -1)
[ -n "$deb" ] || fail "no quillmark_<version>_<arch>.deb in $(ls "$out")"
control=$(dpkg-deb --field "$deb")
echo "$control" | grep -q '^Package: quillmark$' || fail "package name"
echo "$control" | grep -q '^Depends:.*libqt6webenginewidgets6' || fail "library dependencies not found: $control"
echo "$control" | grep -q '^Depends:.*qt6-translations-l10n' || fail "the Hebrew toolkit texts are not a dependency"
echo "$control" | grep -q '^Depends:.*culmus' || fail "the Hebrew fonts are not a dependency"
files=$(dpkg-deb --contents "$deb" | awk '{print $6}')
for f in ./usr/bin/quillmark ./usr/bin/qmtool ./usr/share/applications/quillmark.desktop \
         ./usr/share/metainfo/quillmark.metainfo.xml ./usr/share/icons/hicolor/scalable/apps/quillmark.svg \
         ./usr/share/icons/hicolor/48x48/apps/quillmark.png; do
  echo "$files" | grep -qx "$f" || fail "$f missing"
done
echo "check_package: ok ($(basename "$deb"))"
