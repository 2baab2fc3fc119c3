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
         usr/lib/systemd/system/brolant-logger.service usr/lib/sysusers.d/brolant.conf \
         usr/share/doc/brolant/examples/brolant-grafana.json usr/share/doc/brolant/changelog.gz \
         usr/share/doc/brolant/copyright; do
    [ -e "$root/$f" ] || { echo "missing from the package: $f"; exit 1; }
done
# The service: what the logger needs is let through its hardening, and the rest is shut.
unit="$root/usr/lib/systemd/system/brolant-logger.service"
for line in 'Type=notify' 'WatchdogSec=60' 'User=brolant' 'SupplementaryGroups=dialout' \
            'StateDirectory=brolant' 'ExecStart=/usr/bin/brolant-logger --folder /var/lib/brolant' \
            'DeviceAllow=char-ttyUSB rw' 'DeviceAllow=char-ttyACM rw' 'DeviceAllow=char-ttyAMA rw' \
            'RestrictAddressFamilies=AF_UNIX AF_INET AF_INET6 AF_NETLINK'; do
    grep -qxF "$line" "$unit" || { echo "the service lacks: $line"; exit 1; }
done
# The alarm command is a program it runs: neither NoExecPaths nor a filter of execve may stop it.
if grep -Eq '^(NoExecPaths|ExecPaths)=|^SystemCallFilter=.*~.*(@process|execve)' "$unit"; then
    echo "the service could not run the alarm command"; exit 1
fi
grep -qx 'm brolant dialout' "$root/usr/lib/sysusers.d/brolant.conf" \
    || { echo "the system user is not in the group dialout"; exit 1; }
exposure=$(systemd-analyze security --offline=true "$unit" | awk '/Overall exposure level/ { print $(NF-2) }')
awk -v e="$exposure" 'BEGIN { exit !(e != "" && e <= 2.0) }' \
    || { echo "the service's exposure is $exposure, above 2.0"; exit 1; }
# systemd reads it without a complaint, among the units of this machine's systemd.
units="$root/verify"
mkdir -p "$units/usr/lib/systemd/system" "$units/usr/bin"
cp -a /usr/lib/systemd/system/. "$units/usr/lib/systemd/system/"
cp "$unit" "$units/usr/lib/systemd/system/"
cp "$root/usr/bin/brolant-logger" "$units/usr/bin/"
systemd-analyze verify --root="$units" --man=no brolant-logger.service \
    || { echo "systemd-analyze verify refuses the service"; exit 1; }
# Debian's own check of a package, at its default level: nothing to say.
said=$(lintian --tag-display-limit 0 "$deb" 2>/dev/null) || true
[ -z "$said" ] || { echo "lintian: $said"; exit 1; }

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

# Installed, upgraded, removed and purged by dpkg in a throw-away root (its maintainer scripts run
# outside a chroot, on DPKG_ROOT), the service's folder in use and a user's own folder beside it.
older="$out/brolant_0.0.9_amd64.deb"
unpacked=$(mktemp -d)
dpkg-deb -R "$deb" "$unpacked"
sed -i 's/^Version: .*/Version: 0.0.9/' "$unpacked/DEBIAN/control"
dpkg-deb -b --root-owner-group "$unpacked" "$older" >/dev/null
rm -rf "$unpacked"
system="$root/system"
mkdir -p "$system/var/lib/dpkg/info" "$system/var/lib/dpkg/updates" "$system/etc"
: > "$system/var/lib/dpkg/status"
# The root holds no libraries: what the package depends on is checked above.
install_in() {
    dpkg --root="$system" --force-script-chrootless --force-not-root --force-depends --log=/dev/null "$@" \
        > "$out/dpkg.log" 2>&1 || { cat "$out/dpkg.log"; return 1; }
}
install_in -i "$older"
grep -q '^brolant:' "$system/etc/passwd" || { echo "the package made no system user brolant"; exit 1; }
grep -q '^dialout:.*brolant' "$system/etc/group" || { echo "the user brolant is not in the group dialout"; exit 1; }
mkdir -p "$system/var/lib/brolant/logs" "$system/home/user/.local/share/brolant"
echo "a day's records" > "$system/var/lib/brolant/logs/P_2026_12_07.txt"
echo "the user's own" > "$system/home/user/.local/share/brolant/prog.cfg"
install_in -i "$deb"
[ -s "$system/var/lib/brolant/logs/P_2026_12_07.txt" ] || { echo "the upgrade lost the service's logs"; exit 1; }
install_in -r brolant
[ -s "$system/var/lib/brolant/logs/P_2026_12_07.txt" ] || { echo "removing the package lost the logs"; exit 1; }
[ ! -e "$system/usr/bin/brolant-logger" ] || { echo "removing the package left its programs"; exit 1; }
install_in -P brolant
[ ! -e "$system/var/lib/brolant" ] || { echo "a purge left /var/lib/brolant"; exit 1; }
grep -q '^brolant:' "$system/etc/passwd" || { echo "a purge removed the system user"; exit 1; }
[ -s "$system/home/user/.local/share/brolant/prog.cfg" ] || { echo "a purge touched a user's folder"; exit 1; }
echo "package: installs, upgrades from 0.0.9, removes and purges in a throw-away root"
