# Shared by run.sh and test.sh: installs the Debian packages the program needs
# when they are missing, then configures and builds.
set -euo pipefail

NOKTARIS_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
NOKTARIS_BUILD_DIR="${NOKTARIS_BUILD_DIR:-$NOKTARIS_ROOT/build}"

NOKTARIS_PACKAGES=(
  cmake make g++ pkg-config
  qt6-base-dev qt6-translations-l10n
  libjpeg62-turbo-dev libgmp-dev libx11-dev libxrandr-dev libicu-dev
  libgtest-dev googletest
  xvfb xauth imagemagick tidy
  fonts-liberation fonts-liberation2
  librsvg2-bin desktop-file-utils appstream dpkg-dev file xdotool
)

ensure_packages() {
  local missing=()
  for package in "${NOKTARIS_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# build [target...]: configures once, then builds the given targets (all when none).
build() {
  # shellcheck disable=SC2086
  cmake -S "$NOKTARIS_ROOT" -B "$NOKTARIS_BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo ${NOKTARIS_CMAKE_ARGS:-} >/dev/null
  if [ $# -eq 0 ]; then
    cmake --build "$NOKTARIS_BUILD_DIR" -j"$(nproc)"
  else
    for target in "$@"; do cmake --build "$NOKTARIS_BUILD_DIR" -j"$(nproc)" --target "$target"; done
  fi
}
