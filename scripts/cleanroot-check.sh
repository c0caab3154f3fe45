#!/usr/bin/env bash
# Checks the two commands on a bare Debian 12: makes a minimal bookworm root with debootstrap
# (once; an existing one is reused, delete it to start from nothing), copies the repository's
# files into it (tracked and untracked, not ignored) and runs a command there as root with a
# clean environment, ./test.sh by default. Each --with FILE is copied in beside them, such as a
# package to install.
#
#   usage (as root on a Debian host):  scripts/cleanroot-check.sh [--with FILE]... ROOT_DIR [COMMAND...]
#   e.g.  scripts/cleanroot-check.sh /var/tmp/cleanroot ./test.sh
#         scripts/cleanroot-check.sh --with build-package/stormwick_0.1.0_amd64.deb /var/tmp/pkgroot \
#           bash -c 'apt-get update && apt-get install -y ./stormwick_0.1.0_amd64.deb && stormwick-report --version'
#
# ROOT_DIR must be outside the repository. /proc and /dev/pts are mounted while the command runs
# and unmounted afterwards.
set -euo pipefail

cd "$(dirname "${BASH_SOURCE[0]}")/.."

readonly DEBIAN_MIRROR=http://deb.debian.org/debian
readonly COPY_IN_ROOT=/root/stormwick

usage() {
  echo "usage: $0 [--with FILE]... ROOT_DIR [COMMAND...]   (as root; COMMAND defaults to ./test.sh)" >&2
  exit 2
}

make_root() {
  local root="$1"
  if [[ -x "$root/usr/bin/apt-get" ]]; then
    echo "==> Reusing the Debian root $root"
    return 0
  fi
  if ! command -v debootstrap >/dev/null 2>&1; then
    echo "==> Installing debootstrap on this machine"
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends debootstrap
  fi
  echo "==> Making a minimal Debian 12 root in $root"
  debootstrap --variant=minbase bookworm "$root" "$DEBIAN_MIRROR"
}

# Copies the files git knows of (tracked, and untracked but not ignored), so that no build
# folder or other local leftover comes along.
copy_repository() {
  local root="$1"
  echo "==> Copying the repository to $root$COPY_IN_ROOT"
  rm -rf "${root:?}$COPY_IN_ROOT"
  mkdir -p "$root$COPY_IN_ROOT"
  git ls-files -z -co --exclude-standard | tar --null -T - -cf - | tar -xf - -C "$root$COPY_IN_ROOT"
}

mounted=()

unmount_all() {
  local i
  for (( i = ${#mounted[@]} - 1; i >= 0; i-- )); do
    umount "${mounted[i]}" || echo "could not unmount ${mounted[i]}" >&2
  done
  mounted=()
}

# mount_into TARGET MOUNT_ARGUMENTS...
mount_into() {
  local target="$1"
  shift
  mkdir -p "$target"
  mount "$@" "$target"
  mounted+=("$target")
}

main() {
  local extra=()
  while [[ "${1:-}" == --with ]]; do
    [[ -f "${2:-}" ]] || { echo "--with needs a file: ${2:-}" >&2; exit 2; }
    extra+=("$2")
    shift 2
  done
  (( $# >= 1 )) || usage
  (( EUID == 0 )) || { echo "$0 must run as root" >&2; exit 2; }
  local root
  root="$(realpath -m "$1")"
  shift
  local command=("$@")
  (( ${#command[@]} > 0 )) || command=(./test.sh)
  case "$root/" in
    "$PWD"/*) echo "ROOT_DIR must be outside the repository" >&2; exit 2 ;;
  esac

  make_root "$root"
  copy_repository "$root"
  (( ${#extra[@]} == 0 )) || cp -- "${extra[@]}" "$root$COPY_IN_ROOT/"
  cp /etc/resolv.conf "$root/etc/resolv.conf"

  trap unmount_all EXIT
  mount_into "$root/proc" -t proc proc
  mount_into "$root/dev/pts" --bind /dev/pts

  echo "==> Running in $root: ${command[*]}"
  local rc=0
  chroot "$root" /usr/bin/env -i --chdir="$COPY_IN_ROOT" \
    HOME=/root \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    LANG=C.UTF-8 \
    "${command[@]}" || rc=$?
  echo "==> The command ended with status $rc"
  return "$rc"
}

main "$@"
