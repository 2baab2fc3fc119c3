#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# scripts/page-screenshot takes a picture of a page at the size asked for: scripts/screenshot makes
# the README's pictures of the live page with it, and nothing else runs it.
# Usage: page_screenshot.sh SOURCE
set -euo pipefail
source=${1:?the source tree}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf '<!doctype html><body style="background:#0a0">page</body>\n' >"$work/page.html"
"$source/scripts/page-screenshot" "file://$work/page.html" "$work/shot.png" 390 300
# A PNG's header: the signature, then the IHDR chunk with the width and height as 32-bit numbers.
header=$(od -An -tx1 -N24 "$work/shot.png" | tr -d ' \n')
[ "${header:0:16}" = 89504e470d0a1a0a ] || { echo "not a PNG: $header" >&2; exit 1; }
size="$((16#${header:32:8}))x$((16#${header:40:8}))"
[ "$size" = 390x300 ] || { echo "picture is $size, not 390x300" >&2; exit 1; }
