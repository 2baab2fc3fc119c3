#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# brolant-logger of another architecture, under emulation, against this machine's own: each with a
# simulated board of its own on a pseudo-terminal, sending the same frame. Their daily logs must be
# the same, byte for byte. What could tell two runs apart is the clock: the records carry the
# minute, and the energy counts the 5-second ticks that came before each record. So both run side
# by side within one minute, and log every 6 seconds: their first three records come after 1, 2
# and 3 energy ticks, as long as each starts logging within 2 seconds of its energy counter (both
# start at start-up, a fraction of a second apart even emulated on a busy machine).
# Usage: same_daily_log.sh BOARD REFERENCE_LOGGER LOGGER|PACKAGE.deb EMULATOR...
set -euo pipefail
board=${1:?the simulated board}
reference=${2:?the brolant-logger of this machine}
logger=${3:?the other brolant-logger, or the package that holds it}
shift 3
emulator=("$@")
source=$(cd "$(dirname "$0")/../.." && pwd)
wait_until="$source/scripts/wait-until"
records=3
frame='[<V>643</V><I>590</I><R>23</R><S>11</S><M>0</M><C>1267</C>]'

work=$(mktemp -d)
processes=()
trap 'for p in "${processes[@]}"; do { kill -TERM "$p" && wait "$p"; } 2>/dev/null || true; done; rm -rf "$work"' EXIT

if [[ $logger == *.deb ]]; then
    dpkg-deb -x "$logger" "$work/package"
    logger="$work/package/usr/bin/brolant-logger"
fi

# A program folder with its logger in it (it takes its own folder), port 1, default calibration.
make_folder() {
    mkdir -p "$work/$1"
    cp "$2" "$work/$1/brolant-logger"
    sed 's|<LogDelay>60</LogDelay>|<LogDelay>6</LogDelay>|' "$source/data/prog.cfg" > "$work/$1/prog.cfg"
    grep -q '<LogDelay>6</LogDelay>' "$work/$1/prog.cfg"
    cp "$source/data/settings.cfg" "$work/$1/"
    "$board" "$work/$1/COM1" --frame "$frame" --rate 10 > "$work/$1-board.txt" &
    processes+=($!)
    "$wait_until" 10 "the board of $1" test -L "$work/$1/COM1"
}
make_folder here "$reference"
make_folder emulated "$logger"

record_count() {
    cat "$1"/logs/P_*.txt 2>/dev/null | grep -c '^<T>' || true
}
# Ends a logger in order once it has logged the records.
end_after_records() {
    "$wait_until" 120 "$records records from the logger in $1" \
        bash -c '(( $(cat "$0"/logs/P_*.txt 2>/dev/null | grep -c "^<T>") >= $1 ))' "$work/$1" "$records"
    kill -TERM "$2"
    wait "$2" || { echo "the logger in $1 did not end in order"; cat "$work/$1.txt"; exit 1; }
}

# Both start in the first quarter of a minute; the emulated one's records follow within seconds.
"$wait_until" 70 "the start of a minute" bash -c '(( 10#$(date +%S) < 15 ))'
"$work/here/brolant-logger" > "$work/here.txt" 2>&1 &
here=$!
processes+=($here)
"${emulator[@]}" "$work/emulated/brolant-logger" > "$work/emulated.txt" 2>&1 &
emulated=$!
processes+=($emulated)
end_after_records here "$here"
end_after_records emulated "$emulated"

for side in here emulated; do
    count=$(record_count "$work/$side")
    [ "$count" -eq "$records" ] || { echo "the logger in $side logged $count records, not $records"; exit 1; }
done
day=$(cd "$work/here/logs" && ls P_*.txt)
[ -e "$work/emulated/logs/$day" ] || { echo "the emulated logger wrote no $day"; ls "$work/emulated/logs"; exit 1; }
if ! cmp "$work/here/logs/$day" "$work/emulated/logs/$day"; then
    diff -u --label "this machine's $day" --label "emulated $day" "$work/here/logs/$day" "$work/emulated/logs/$day" || true
    exit 1
fi
# The energy was compared too, not only a zero.
tail -n 1 "$work/here/logs/$day" | sed 's|.*</M> *||' | grep -q '[1-9].*Wh' \
    || { echo "no energy was counted: the comparison says nothing of it"; exit 1; }
echo "the same $records records, byte for byte, in $day:"
cat "$work/here/logs/$day"
