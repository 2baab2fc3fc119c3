#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Packs the Debian package from the build the tests run in (no second build) into <build>/package,
# unpacks it into a temporary root, and starts the installed program offscreen from there with a
# fresh home: it must make its program folder with the defaults, run, and end in order on SIGTERM.
# Usage: package_test.sh CPACK BUILD
set -euo pipefail
cpack=${1:?the cpack command}
build=${2:?the build folder to pack}
source=$(cd "$(dirname "$0")/../.." && pwd)
out="$build/package"
rm -rf "$out"
mkdir -p "$out"
"$cpack" --config "$build/CPackConfig.cmake" -B "$out" > "$out/cpack.log" 2>&1 \
    || { cat "$out/cpack.log"; exit 1; }
deb=$(ls "$out"/brolant_*_amd64.deb)

dpkg-deb --field "$deb" Recommends | grep -qw libnotify-bin \
    || { echo "the package does not recommend libnotify-bin (notify-send, for alarms without a tray)"; exit 1; }
# Without dpkg-shlibdeps cpack leaves out every library the programs link, and says so only in passing.
dpkg-deb --field "$deb" Depends | grep -qw libqt6core6 \
    || { echo "the package does not depend on the libraries its programs link: $(dpkg-deb --field "$deb" Depends)"; exit 1; }

root=$(mktemp -d)
program=""
trap '[ -z "$program" ] || kill -KILL "$program" 2>/dev/null || true; rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"
for f in usr/bin/brolant usr/bin/brolant-logger usr/bin/brolant-board usr/share/applications/brolant.desktop \
         usr/share/icons/hicolor/scalable/apps/brolant.svg usr/share/brolant/prog.cfg \
         usr/share/brolant/settings.cfg usr/share/brolant/html/template.asp \
         usr/share/doc/brolant/examples/brolant-logger.service usr/share/doc/brolant/examples/brolant-grafana.json \
         usr/share/doc/brolant/copyright; do
    [ -e "$root/$f" ] || { echo "missing from the package: $f"; exit 1; }
done
# Each program's manual page, which names every option the program answers.
for program in brolant brolant-logger brolant-board; do
    page="$root/usr/share/man/man1/$program.1.gz"
    [ -e "$page" ] || { echo "missing from the package: the manual page of $program"; exit 1; }
    options=$(QT_QPA_PLATFORM=offscreen "$root/usr/bin/$program" --help | grep -o -- '--[a-z-]*' | sort -u)
    for option in $options; do
        zcat "$page" | sed 's/\\-/-/g' | grep -q -- "$option" \
            || { echo "the manual page of $program does not name $option"; exit 1; }
    done
done

export HOME="$root/home"
unset XDG_DATA_HOME
folder="$HOME/.local/share/brolant"
# A user who made the folder first, only to pin the board's adapter by a link, still gets the
# defaults.
mkdir -p "$folder"
ln -s /dev/serial/by-id/usb-adapter-not-plugged-in "$folder/COM9"
QT_QPA_PLATFORM=offscreen "$root/usr/bin/brolant" 2>/dev/null &
program=$!
# It catches SIGTERM (bit 15 of its caught signals) once its program folder is made and its parts
# are up: only then is an orderly end to be expected.
"$source/scripts/wait-until" 10 "the installed program to start" \
    bash -c '(( (16#$(awk "/^SigCgt:/ { print \$2 }" "/proc/$1/status") >> 14) & 1 ))' _ "$program"
kill -TERM "$program"
status=0
wait "$program" || status=$?
program=""
[ "$status" -eq 0 ] || { echo "the installed program ended with status $status on SIGTERM"; exit 1; }
for f in prog.cfg settings.cfg html/template.asp logs/Whours.txt; do
    [ -e "$folder/$f" ] || { echo "missing in the program folder: $f"; exit 1; }
done
cmp "$root/usr/share/brolant/prog.cfg" "$folder/prog.cfg"
echo "package: $(basename "$deb") installs and runs"
