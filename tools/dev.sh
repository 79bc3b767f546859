#!/usr/bin/env bash
# Set-up, build, run and test on a Debian machine.
#   tools/dev.sh run    install what is missing, build, start the editor
#   tools/dev.sh test   install what is missing, build, run every test
#   tools/dev.sh build  install what is missing, build
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-webengine-dev qt6-webengine-dev-tools libgl-dev libxkbcommon-dev libx11-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  python3 python3-pyftpdlib python3-openssl curl
  culmus fonts-dejavu-core xvfb xauth desktop-file-utils qt6-translations-l10n)

install_missing() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo[@]}" apt-get update -q
  "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}" </dev/null
}

BUILD=${QM_BUILD_DIR:-build}

build() {
  local werror=OFF
  [ -n "${CI:-}" ] && werror=ON
  cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQM_WERROR=$werror
  cmake --build "$BUILD" -j "$(nproc)"
}

case "${1:-}" in
  run)
    install_missing
    build
    shift
    exec "$BUILD/quillmark" "$@"
    ;;
  test)
    install_missing
    build
    export QT_QPA_PLATFORM=offscreen QTWEBENGINE_DISABLE_SANDBOX=1
    ctest --test-dir "$BUILD" --output-on-failure -j "$(nproc)" </dev/null
    ;;
  build)
    install_missing
    build
    ;;
  *)
    echo "usage: $0 run|test|build" >&2
    exit 2
    ;;
esac
