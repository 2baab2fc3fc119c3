#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package of a build for another architecture, packed from that build: named and marked
# for it, depending on its libraries (dpkg-shlibdeps read the programs); then its brolant-logger,
# unpacked with dpkg-deb -x and run under emulation, logs what this machine's own logs.
# Usage: package_test.sh CPACK BUILD ARCHITECTURE BOARD REFERENCE_LOGGER EMULATOR...
set -euo pipefail
cpack=${1:?the cpack command}
build=${2:?the build folder to pack}
arch=${3:?the architecture}
shift 3
out="$build/package"
rm -rf "$out"
mkdir -p "$out"
"$cpack" --config "$build/CPackConfig.cmake" -B "$out" > "$out/cpack.log" 2>&1 \
    || { cat "$out/cpack.log"; exit 1; }
deb=$(ls "$out"/brolant_*_"$arch".deb)
[ "$(dpkg-deb --field "$deb" Architecture)" = "$arch" ] \
    || { echo "$(basename "$deb") is marked $(dpkg-deb --field "$deb" Architecture)"; exit 1; }
depends=$(dpkg-deb --field "$deb" Depends)
names=$(tr ',' '\n' <<< "$depends" | sed 's/^ *//; s/ .*//')
for package in libc6 libstdc++6 libqt6core6 libqt6serialport6 libqt6widgets6 libmosquitto1 qt6-qpa-plugins; do
    grep -qxF "$package" <<< "$names" || { echo "the package does not depend on $package: $depends"; exit 1; }
done
# Debian's own check of a package, at its default level: nothing to say.
said=$(lintian --tag-display-limit 0 "$deb" 2>/dev/null) || true
[ -z "$said" ] || { echo "lintian: $said"; exit 1; }
echo "package: $(basename "$deb"), Depends: $depends"
"$(dirname "$0")/same_daily_log.sh" "$1" "$2" "$deb" "${@:3}"
