#!/usr/bin/env bash
# Records the batch command's outputs for every case of cases.txt, with the program of the given
# build folder: CASE.code (exit status), CASE.out and CASE.err (left out when empty) and, when a
# file was written, CASE.file.
# Run it only when a change of the outputs is intended, and review the difference before committing.
#   usage: tests/app/golden/record.sh BUILD_DIR
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
program="$(cd "${1:?usage: record.sh BUILD_DIR}" && pwd)/app/stormwick-report"
data="$here/../data"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
while read -r name project args; do
  [[ -z "$name" || "$name" == \#* ]] && continue
  rm -f "$here/$name".*
  cp "$data/$project" "$work/project.txt"
  read -ra argv <<< "$args"
  for i in "${!argv[@]}"; do
    case "${argv[$i]}" in
      PROJECT) argv[$i]="$work/project.txt" ;;
      OUT) argv[$i]="$work/out.txt" ;;
    esac
  done
  code=0
  "$program" "${argv[@]}" > "$here/$name.out" 2> "$here/$name.err" || code=$?
  printf '%s\n' "$code" > "$here/$name.code"
  for stream in out err; do
    [[ -s "$here/$name.$stream" ]] || rm -f "$here/$name.$stream"
  done
  if [[ -f "$work/out.txt" ]]; then
    mv "$work/out.txt" "$here/$name.file"
  fi
done < "$here/cases.txt"
