# Shared by tools/test and tools/run: Debian packages, the two builds, and a
# Wine session (virtual display, Wine prefix, persistent Wine server).
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
BUILD="${BUILD:-$ROOT/build}"  # another folder may be given, e.g. for a second checkout of the work

BUILD_PACKAGES=(cmake make g++ libgtest-dev googletest libbenchmark-dev g++-mingw-w64-x86-64-posix)
# With their recommended packages: the X extensions and fonts that Wine loads
# when it draws (the tests compare what is on the screen).
WINE_PACKAGES=(wine wine64 fonts-wine xvfb xdotool imagemagick)
# A window manager and xprop, for the test of a desktop run.
WINE_PACKAGES+=(openbox x11-utils)

# Installs whichever of the named Debian packages are missing.
need_packages() {
  local missing=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  ((${#missing[@]})) || return 0
  local sudo=""
  [ "$(id -u)" = 0 ] || sudo=sudo
  echo "Installing ${missing[*]} ..."
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
}

jobs() { nproc 2>/dev/null || echo 2; }

build_native() {
  cmake -S "$ROOT" -B "$BUILD/native" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$BUILD/native" -j "$(jobs)"
}

configure_windows() {
  cmake -S "$ROOT" -B "$BUILD/windows" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-x86_64.cmake" >/dev/null
}

build_windows() {
  configure_windows
  cmake --build "$BUILD/windows" -j "$(jobs)"
}

# Builds only the named targets of the Windows build (tools/run).
build_windows_targets() {
  configure_windows
  cmake --build "$BUILD/windows" -j "$(jobs)" --target "$@"
}

export WINEPREFIX="$BUILD/wine"
# tools/run on a user's display uses a prefix of its own with Wine's default
# Managed=Y: the window manager then manages the window (frame, task bar,
# Alt+Tab) and activates it again when the result box closes. The tests'
# prefix stays unmanaged for speed. Wine's per-program settings would not
# separate the two: both run the same fiveband.exe and fourband.exe.
DESKTOP_WINEPREFIX="$BUILD/wine-desktop"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

XVFB_PID=""

# Starts Xvfb on a free display of our own and exports DISPLAY.
start_virtual_display() {
  local n=90
  while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  XVFB_PID=$!
  local i
  for i in $(seq 100); do
    [ -e "/tmp/.X11-unix/X$n" ] && break
    sleep 0.1
  done
  [ -e "/tmp/.X11-unix/X$n" ] || { echo "Xvfb did not start on :$n" >&2; return 1; }
  export DISPLAY=":$n"
}

# Makes the Wine prefix once: without a window manager, Wine must draw the
# captions itself, or every closing top-level window costs two seconds; the
# desktop prefix keeps Wine's default.
prepare_wine_prefix() {
  [ -f "$WINEPREFIX/.prepared" ] && return 0
  mkdir -p "$WINEPREFIX"
  echo "Creating the Wine prefix in $WINEPREFIX ..."
  timeout 300 wineboot -i >/dev/null 2>&1 || true
  timeout 120 wineserver -w >/dev/null 2>&1 || true
  if [ "$WINEPREFIX" != "$DESKTOP_WINEPREFIX" ]; then
    timeout 120 wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
  fi
  wineserver -k >/dev/null 2>&1 || true
  timeout 120 wineserver -w >/dev/null 2>&1 || true
  touch "$WINEPREFIX/.prepared"
}

# A virtual display (unless use_display_as_is is given and DISPLAY is set),
# the prefix, and a persistent Wine server; wine_session_stop undoes it all.
wine_session_start() {
  if [ "${1:-}" != use_display_as_is ] || [ -z "${DISPLAY:-}" ]; then
    start_virtual_display
  fi
  prepare_wine_prefix
  wineserver -p >/dev/null 2>&1 </dev/null
  # Start Wine's background processes now, holding no descriptor of ours:
  # started by a test, they would keep the test runner's output pipe open.
  timeout 120 wineboot >/dev/null 2>&1 </dev/null || true
}

wine_session_stop() {
  wineserver -k >/dev/null 2>&1 || true
  if [ -n "$XVFB_PID" ]; then
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=""
  fi
}
