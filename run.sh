#!/usr/bin/env bash
# Installs what is missing, builds Stormwick in build/ and starts the application
# build/app/stormwick. It needs a display: without one it builds, says how to start it, and
# stops with a non-zero status.
set -euo pipefail

cd "$(dirname "${BASH_SOURCE[0]}")"
source scripts/setup.sh

readonly APP="$STORMWICK_MAIN_BUILD_DIR/app/stormwick"

have_display() {
  [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" || -n "${QT_QPA_PLATFORM:-}" ]]
}

explain_no_display() {
  echo "There is no display: neither DISPLAY nor WAYLAND_DISPLAY is set (nor QT_QPA_PLATFORM)," >&2
  echo "so Stormwick was built but not started. To start it on a virtual display:" >&2
  echo "  xvfb-run -a ./run.sh" >&2
  if ! command -v xvfb-run >/dev/null 2>&1; then
    echo "(xvfb-run is not installed; as root: apt-get install -y --no-install-recommends xvfb xauth)" >&2
  fi
  echo "or, only to check that it starts (no window is shown anywhere; stop it with Ctrl+C):" >&2
  echo "  QT_QPA_PLATFORM=offscreen ./run.sh" >&2
}

main() {
  install_missing_packages "${STORMWICK_BUILD_PACKAGES[@]}"
  build_main

  if ! have_display; then
    explain_no_display
    exit 1
  fi

  say "Starting $APP"
  exec "$APP" "$@"
}

main "$@"
