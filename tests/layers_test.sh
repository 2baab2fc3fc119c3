#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The source tree keeps its layers (scripts/check-layers), and the check does fail on an include
# that reaches up: a copy of the folder order with one such include must be refused.
# Usage: layers_test.sh SOURCE
set -euo pipefail
source=${1:?the source tree}
"$source/scripts/check-layers" "$source/src"

broken=$(mktemp -d)
trap 'rm -rf "$broken"' EXIT
mkdir -p "$broken/text"
cp "$source/src/CMakeLists.txt" "$broken/"
echo '#include "app/ui/mainwindow.h"' >"$broken/text/reachesup.cpp"
if "$source/scripts/check-layers" "$broken" >/dev/null 2>&1; then
    echo "check-layers let text/ include app/ui/" >&2
    exit 1
fi
