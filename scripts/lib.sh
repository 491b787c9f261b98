# Shared by scripts/run, scripts/test and scripts/bench: package install and build.
# Sourced, not run.

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${VELUNOR_BUILD_DIR:-$ROOT/build}"
INSTALL_DIR="$BUILD_DIR/bin"

# Debian packages the build, the tests and the demo need.
PACKAGES=(
    cmake g++ ninja-build pkg-config
    qt6-base-dev qt6-charts-dev libqt6opengl6-dev qt6-multimedia-dev qt6-tools-dev
    qt6-l10n-tools libqt6sql6-sqlite libqt6sql6-psql libgl-dev libxcb1-dev libx11-dev
    fonts-dejavu-core
    xvfb xauth xdotool x11-utils imagemagick poppler-utils sox sqlite3 python3
)

install_packages() {
    local missing=()
    local pkg
    for pkg in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" </dev/null
}

build() {
    if [ ! -f "$BUILD_DIR/build.ninja" ]; then
        cmake -S "$ROOT" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
    fi
    cmake --build "$BUILD_DIR" --parallel "$(nproc)"
}
