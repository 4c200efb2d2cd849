# Shared by tools/test and tools/run: Debian packages, the two builds, and a
# Wine session (virtual display, Wine prefix, persistent Wine server).
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
BUILD="${BUILD:-$ROOT/build}"  # another folder may be given, e.g. for a second checkout of the work

# man-db, groff-base and bash-completion: the tests of bands' manual page
# and completion render and load them.
BUILD_PACKAGES=(cmake make g++ libgtest-dev googletest libbenchmark-dev g++-mingw-w64-x86-64-win32
  man-db groff-base bash-completion)
# The fuzz targets: Debian's clang with its libFuzzer and sanitizer runtimes,
# the compiler named by its version so that it matches the runtimes.
LLVM_VERSION=14
FUZZ_PACKAGES=(cmake make "clang-$LLVM_VERSION" "libclang-rt-$LLVM_VERSION-dev")
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

build_jobs() { nproc 2>/dev/null || echo 2; }

# Configures the build folder $1 with the CMake options that follow, quietly;
# when configuring fails, CMake's output is shown.
configure() {
  local folder=$1 output
  shift
  if ! output=$(cmake -S "$ROOT" -B "$folder" "$@" 2>&1); then
    printf '%s\n' "$output" >&2
    echo "Configuring $folder failed" >&2
    return 1
  fi
}

build_native() {
  configure "$BUILD/native" -DCMAKE_BUILD_TYPE=RelWithDebInfo
  cmake --build "$BUILD/native" -j "$(build_jobs)"
}

configure_windows() {
  # A build folder made with the earlier -posix compiler cannot switch
  # compilers in place (CMake would drop the toolchain file): start afresh.
  if grep -qs -- '-posix"' "$BUILD"/windows/CMakeFiles/*/CMakeCXXCompiler.cmake; then
    rm -rf "$BUILD/windows"
  fi
  configure "$BUILD/windows" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-x86_64.cmake"
}

build_windows() {
  configure_windows
  cmake --build "$BUILD/windows" -j "$(build_jobs)"
}

# Builds only the named targets of the Windows build (tools/run).
build_windows_targets() {
  configure_windows
  cmake --build "$BUILD/windows" -j "$(build_jobs)" --target "$@"
}

FUZZ_TARGETS=(number_text_fuzz byte_string_fuzz bands_fuzz colour_code_fuzz dialog_template_fuzz
  control_style_fuzz)

build_fuzz() {
  # A folder configured with another compiler is configured afresh (CMake
  # would drop the other options on the switch); what the targets found
  # stays.
  if [ -f "$BUILD/fuzz/CMakeCache.txt" ] &&
    ! grep -q "^CMAKE_CXX_COMPILER:[A-Z]*=.*clang++-$LLVM_VERSION\$" "$BUILD/fuzz/CMakeCache.txt"; then
    rm -rf "$BUILD/fuzz/CMakeCache.txt" "$BUILD/fuzz/CMakeFiles"
  fi
  configure "$BUILD/fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER="clang++-$LLVM_VERSION" \
    -DFUZZING=ON -DBUILD_TESTING=OFF
  cmake --build "$BUILD/fuzz" -j "$(build_jobs)" --target "${FUZZ_TARGETS[@]}"
}

# Runs every fuzz target for $1 seconds, from its seeds and what earlier runs
# found. Fails when a target finds a crash or a broken property, and leaves
# the input in build/fuzz/crashes/<target>/.
run_fuzz_targets() {
  local seconds=$1 target status=0
  for target in "${FUZZ_TARGETS[@]}"; do
    local corpus="$BUILD/fuzz/corpus/$target" crashes="$BUILD/fuzz/crashes/$target"
    local log="$BUILD/fuzz/$target.log"
    mkdir -p "$corpus" "$crashes"
    if "$BUILD/fuzz/fuzz/$target" -max_total_time="$seconds" -timeout=10 \
      -artifact_prefix="$crashes/" "$corpus" "$ROOT/fuzz/corpus/$target" >"$log" 2>&1; then
      echo "$target: $(grep -o 'Done [0-9]* runs in [0-9]* second(s)' "$log" | tail -n 1)"
    else
      tail -n 30 "$log" >&2
      echo "$target FAILED: the input is in $crashes, the whole output in $log" >&2
      status=1
    fi
  done
  return $status
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

# Starts Xvfb on a display of its own choosing and exports DISPLAY. Xvfb
# takes the first free display number itself (-displayfd) and writes it once
# it accepts connections, so two runs starting at once cannot pick the same.
start_virtual_display() {
  local number_file n="" i
  number_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
  XVFB_PID=$!
  for i in $(seq 100); do
    n=$(head -n 1 "$number_file")
    [ -n "$n" ] && break
    kill -0 "$XVFB_PID" 2>/dev/null || break
    sleep 0.1
  done
  rm -f "$number_file"
  [ -n "$n" ] || { echo "Xvfb did not start" >&2; return 1; }
  export DISPLAY=":$n"
}

# Makes the Wine prefix once: without a window manager, Wine must draw the
# captions itself, or every closing top-level window costs two seconds; the
# desktop prefix keeps Wine's default. A prefix is marked prepared only when
# every step succeeded; otherwise the next run makes it again.
prepare_wine_prefix() {
  [ -f "$WINEPREFIX/.prepared" ] && return 0
  mkdir -p "$WINEPREFIX"
  echo "Creating the Wine prefix in $WINEPREFIX ..."
  if ! timeout 300 wineboot -i >/dev/null 2>&1; then
    echo "wineboot could not create the Wine prefix in $WINEPREFIX" >&2
    return 1
  fi
  timeout 120 wineserver -w >/dev/null 2>&1 || true
  if [ "$WINEPREFIX" != "$DESKTOP_WINEPREFIX" ] &&
    ! timeout 120 wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1; then
    echo "could not set up the Wine prefix in $WINEPREFIX" >&2
    return 1
  fi
  wineserver -k >/dev/null 2>&1 || true
  timeout 120 wineserver -w >/dev/null 2>&1 || true
  touch "$WINEPREFIX/.prepared"
}

# A virtual display (unless use_display_as_is is given and DISPLAY is set),
# the prefix, and a persistent Wine server. wine_session_stop undoes it all:
# it is set to run on exit before anything starts, so that a start that fails
# half-way leaves nothing behind.
wine_session_start() {
  trap wine_session_stop EXIT
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
