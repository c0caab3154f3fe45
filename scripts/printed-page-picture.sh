#!/usr/bin/env bash
# Draws the printed report of the east segment sample project into a PDF with the batch command
# and writes its first page as docs/printed-page.png (pdftoppm, from poppler-utils).
#   usage: scripts/printed-page-picture.sh [BUILD_DIR]     (default: build)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
build="${1:-build}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
"$build/app/stormwick-report" --pdf tests/app/data/east-segment.txt "$work/report.pdf"
pdftoppm -png -r 72 -f 1 -l 1 -singlefile "$work/report.pdf" docs/printed-page
echo "docs/printed-page.png"
