#!/usr/bin/env bash
# Builds the Debian package of Stormwick: installs what is missing, makes a Release build without
# the tests in build-package/, and packs it there with CPack as stormwick_<version>_<arch>.deb,
# its dependencies found by dpkg-shlibdeps from the libraries the programs link.
#   Install it with:  apt install ./build-package/stormwick_*.deb
set -euo pipefail

cd "$(dirname "${BASH_SOURCE[0]}")"
source scripts/setup.sh

readonly PACKAGE_BUILD_DIR=build-package

main() {
  install_missing_packages "${STORMWICK_BUILD_PACKAGES[@]}" "${STORMWICK_PACKAGE_PACKAGES[@]}"
  configure_build "$PACKAGE_BUILD_DIR" \
    -DCMAKE_BUILD_TYPE=Release \
    -DSTORMWICK_GUI=ON \
    -DSTORMWICK_TESTS=OFF \
    -DSTORMWICK_SANITIZE=OFF \
    -DSTORMWICK_FUZZ=OFF
  build_targets "$PACKAGE_BUILD_DIR"
  say "Packing $PACKAGE_BUILD_DIR"
  rm -f "$PACKAGE_BUILD_DIR"/stormwick_*.deb
  (cd "$PACKAGE_BUILD_DIR" && cpack -G DEB)
  local package
  package="$(ls "$PACKAGE_BUILD_DIR"/stormwick_*.deb)"
  say "The package: $package"
  dpkg-deb --field "$package" Package Version Architecture Depends
}

main "$@"
