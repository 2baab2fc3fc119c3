#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a temporary root, and starts the installed program
# offscreen from there with a fresh home: it must make its program folder with the defaults,
# run, and end in order on SIGTERM.
set -euo pipefail
work=${1:?build folder for the package}
source=$(cd "$(dirname "$0")/../.." && pwd)
mkdir -p "$work"
PACKAGE_BUILD_DIR="$work/build" "$source/scripts/package" >/dev/null
deb=$(ls "$source"/brolant_*_amd64.deb | head -n 1)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"
for f in usr/bin/brolant usr/bin/brolant-logger usr/bin/brolant-board usr/share/applications/brolant.desktop \
         usr/share/icons/hicolor/scalable/apps/brolant.svg usr/share/brolant/prog.cfg \
         usr/share/doc/brolant/examples/brolant-logger.service; do
    [ -e "$root/$f" ] || { echo "missing from the package: $f"; exit 1; }
done

export HOME="$root/home"
mkdir -p "$HOME"
QT_QPA_PLATFORM=offscreen "$root/usr/bin/brolant" 2>/dev/null &
program=$!
for _ in $(seq 100); do [ -d "$HOME/.local/share/brolant/logs" ] && break; sleep 0.1; done
sleep 1
kill -TERM $program
wait $program
for f in prog.cfg settings.cfg html/template.asp logs/Whours.txt; do
    [ -e "$HOME/.local/share/brolant/$f" ] || { echo "missing in the program folder: $f"; exit 1; }
done
cmp "$root/usr/share/brolant/prog.cfg" "$HOME/.local/share/brolant/prog.cfg"
echo "package: $(basename "$deb") installs and runs"
