#!/usr/bin/env bash
# Installs the build into a scratch DESTDIR and checks what lands there: exactly the expected
# files, icons of the sizes their folders name, the menu entry and the metainfo as the freedesktop
# and AppStream validators judge them, man pages that read, and installed programs that report
# the project's version without a display.
#   usage: install_check.sh BUILD_DIR VERSION
set -euo pipefail

build="${1:?usage: install_check.sh BUILD_DIR VERSION}"
version="${2:?usage: install_check.sh BUILD_DIR VERSION}"
readonly id=org.corvenna.Stormwick
readonly sides=(16 22 24 32 48 64 128 256)

stage="$(mktemp -d)"
trap 'rm -rf "$stage"' EXIT
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

DESTDIR="$stage" cmake --install "$build" --prefix /usr > "$stage.log" 2>&1 || { cat "$stage.log" >&2; rm -f "$stage.log"; exit 1; }
rm -f "$stage.log"
usr="$stage/usr"

expected=(
  bin/stormwick
  bin/stormwick-report
  "share/applications/$id.desktop"
  "share/man/man1/stormwick-report.1.gz"
  "share/man/man1/stormwick.1.gz"
  "share/metainfo/$id.metainfo.xml"
)
for side in "${sides[@]}"; do
  expected+=("share/icons/hicolor/${side}x${side}/apps/$id.png")
done
diff <(printf '%s\n' "${expected[@]}" | sort) <(cd "$usr" && find . -type f -printf '%P\n' | sort) \
  || fail "the installed files differ from the expected ones (< expected, > installed)"
[[ -z "$(find "$stage" -mindepth 1 -maxdepth 1 ! -name usr)" ]] || fail "files installed outside /usr"

# A PNG's width and height are the big-endian words at bytes 16 and 20.
for side in "${sides[@]}"; do
  png="$usr/share/icons/hicolor/${side}x${side}/apps/$id.png"
  [[ -f "$png" ]] || continue
  read -r -a header <<< "$(od -An -tu1 -w24 -N24 "$png")"
  [[ "${header[*]:0:8}" == "137 80 78 71 13 10 26 10" ]] || fail "$png is not a PNG file"
  width=$(( (header[16] << 24) | (header[17] << 16) | (header[18] << 8) | header[19] ))
  height=$(( (header[20] << 24) | (header[21] << 16) | (header[22] << 8) | header[23] ))
  (( width == side && height == side )) || fail "$png is ${width}x${height}, not ${side}x${side}"
done

desktop="$usr/share/applications/$id.desktop"
desktop-file-validate "$desktop" || fail "desktop-file-validate refused $desktop"
grep -qx 'Exec=stormwick %f' "$desktop" || fail "the menu entry does not start 'stormwick %f'"
grep -qx 'GenericName=Drainage design' "$desktop" || fail "the menu entry's generic name is not 'Drainage design'"
grep -qx "Icon=$id" "$desktop" || fail "the menu entry does not name the installed icon"
appstreamcli validate --no-net "$usr/share/metainfo/$id.metainfo.xml" || fail "appstreamcli refused the metainfo"
grep -q "<release version=\"$version\"" "$usr/share/metainfo/$id.metainfo.xml" || fail "the metainfo's release is not $version"

for program in stormwick stormwick-report; do
  page="$usr/share/man/man1/$program.1.gz"
  [[ -f "$page" ]] || continue
  title="$(gzip -dc "$page" | head -n 1)"
  [[ "$title" == ".TH ${program^^} 1 "*"\"Stormwick $version\""* ]] || fail "$page begins '$title'"
  # Without a display: --version must not need one.
  got="$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$usr/bin/$program" --version)" \
    || fail "$program --version failed"
  [[ "$got" == "$program $version" ]] || fail "$program --version printed '$got', not '$program $version'"
done

if (( failures > 0 )); then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "installed ${#expected[@]} files; all checks passed"
