# shellcheck shell=bash
# Shared by run.sh and test.sh: installs the Debian packages the build needs and configures and
# builds a CMake + Ninja build folder. Source it from the repository root; it defines functions
# and a few read-only lists, and runs nothing by itself.

# What every build needs: the compiler, CMake and Ninja, Qt 6 (Widgets, PrintSupport, Charts and
# Test; moc and uic are in qt6-base-dev-tools; the OpenGL headers Qt's CMake package looks for
# come in as dependencies of qt6-base-dev, and Qt Charts' CMake package looks for Qt's OpenGL one,
# which libqt6opengl6-dev brings), GoogleTest, and a font with the metrics of Courier New for the
# report pages (fontconfig itself comes with Qt's GUI library).
# shellcheck disable=SC2034  # used by the scripts that source this file
readonly STORMWICK_BUILD_PACKAGES=(
  g++
  cmake
  ninja-build
  qt6-base-dev
  qt6-base-dev-tools
  qt6-charts-dev
  libqt6opengl6-dev
  libgtest-dev
  fonts-liberation2
)

# Only test.sh needs these: clang and its sanitizer and libFuzzer runtimes
# (libclang_rt.fuzzer-x86_64.a is in libclang-rt-14-dev on Debian 12), and poppler's pdftotext,
# which reads the printed report back out of a PDF to check where every text stands; the
# freedesktop and AppStream validators, which judge the installed menu entry and metainfo.
# shellcheck disable=SC2034  # used by test.sh
readonly STORMWICK_TEST_PACKAGES=(
  clang
  libclang-rt-14-dev
  poppler-utils
  desktop-file-utils
  appstream
)

# Only package.sh needs these: dpkg-shlibdeps, which finds the package's dependencies from the
# libraries the programs link, and file, with which CPack finds the programs to ask it about.
# shellcheck disable=SC2034  # used by package.sh
readonly STORMWICK_PACKAGE_PACKAGES=(
  dpkg-dev
  file
)

# Parallel jobs for the compiler: the machines this runs on have two cores.
readonly STORMWICK_JOBS=2

say() {
  printf '==> %s\n' "$*"
}

package_is_installed() {
  local status
  status="$(dpkg-query -W -f='${db:Status-Status}' "$1" 2>/dev/null || true)"
  [[ "$status" == "installed" ]]
}

# Prints, one a line, those of the given packages that are not installed.
list_missing_packages() {
  local package
  for package in "$@"; do
    if ! package_is_installed "$package"; then
      printf '%s\n' "$package"
    fi
  done
}

# Installs whichever of the given packages are missing: directly as root, through sudo when it
# works without a password, otherwise prints the command to run and returns 1. A machine that
# has everything installs nothing and does not touch the network.
install_missing_packages() {
  local missing=()
  mapfile -t missing < <(list_missing_packages "$@")
  if (( ${#missing[@]} == 0 )); then
    say "All needed Debian packages are installed."
    return 0
  fi

  say "Missing Debian packages: ${missing[*]}"
  local as_root=()
  if (( EUID == 0 )); then
    as_root=()
  elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
    as_root=(sudo -n)
  else
    echo "Cannot install them: not root, and sudo is not available without a password." >&2
    echo "Run this as root, then start the script again:" >&2
    echo "  apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends ${missing[*]}" >&2
    return 1
  fi

  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update || return 1
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y --no-install-recommends "${missing[@]}" || return 1

  mapfile -t missing < <(list_missing_packages "$@")
  if (( ${#missing[@]} != 0 )); then
    echo "apt-get finished but these packages are still not installed: ${missing[*]}" >&2
    return 1
  fi
  say "Installed the missing packages."
}

# A fingerprint of the CMake options: a folder configured with other options is configured again.
# (A change of a CMakeLists.txt makes Ninja run CMake by itself.)
configure_fingerprint() {
  printf '%s\n' "$@" | sha256sum | cut -d' ' -f1
}

# configure_build DIR CMAKE_OPTION... : configures DIR with Ninja when it has never been
# configured, or when its options changed since the last time; an existing build folder is
# otherwise reused as it is.
configure_build() {
  local dir="$1"
  shift
  local stamp="$dir/.stormwick-configured"
  local fingerprint
  fingerprint="$(configure_fingerprint "$@")"

  if [[ -f "$dir/build.ninja" && -f "$stamp" && "$(cat "$stamp")" == "$fingerprint" ]]; then
    say "Reusing the configured build folder $dir"
    return 0
  fi

  # A folder configured earlier with another generator cannot be switched to Ninja in place.
  if [[ -f "$dir/CMakeCache.txt" ]] && ! grep -qx 'CMAKE_GENERATOR:INTERNAL=Ninja' "$dir/CMakeCache.txt"; then
    say "$dir was configured with another generator: starting it afresh"
    rm -rf "$dir/CMakeCache.txt" "$dir/CMakeFiles"
  fi

  say "Configuring $dir"
  rm -f "$stamp"
  cmake -S . -B "$dir" -G Ninja "$@" || return 1
  printf '%s\n' "$fingerprint" > "$stamp"
}

# build_targets DIR [TARGET...] : builds the given targets of DIR (all of them when none given).
build_targets() {
  local dir="$1"
  shift
  local targets=()
  local target
  for target in "$@"; do
    targets+=(--target "$target")
  done
  say "Building $dir${*:+ ($*)}"
  cmake --build "$dir" -j "$STORMWICK_JOBS" "${targets[@]}"
}

# The normal build used by run.sh and test.sh. Debug: it compiles fastest, keeps assert() and
# full debug information, and the computations are far too small for optimisation to matter.
readonly STORMWICK_MAIN_BUILD_DIR=build
readonly STORMWICK_MAIN_BUILD_OPTIONS=(
  -DCMAKE_BUILD_TYPE=Debug
  -DSTORMWICK_GUI=ON
  -DSTORMWICK_SANITIZE=OFF
  -DSTORMWICK_FUZZ=OFF
)

build_main() {
  configure_build "$STORMWICK_MAIN_BUILD_DIR" "${STORMWICK_MAIN_BUILD_OPTIONS[@]}" || return 1
  build_targets "$STORMWICK_MAIN_BUILD_DIR"
}
