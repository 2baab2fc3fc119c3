#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every file of the source tree that README.md names is there: a README that points at a file
# that was moved or never written sends its reader nowhere.
#
# The names looked at are those in `backticks` and the targets of links, outside fenced blocks
# (which hold commands), each up to its first blank (`scripts/demo --rate 10` names scripts/demo).
# A name is a file of the source tree when it starts with one of the tree's top folders (src/,
# scripts/, tests/ ...) or is one of its top files (LICENSE ...); one that starts with a folder of
# src/ (app/ui/widgetprompts.cpp) is looked for under src/. Every other name is not the tree's:
# the program folder's files (logs/P_2010_03_07.txt, html/), the build's (build/brolant), the
# user's and the system's (/home/me/..., ~/.local/..., /dev/...), web addresses (/api/live).
# Usage: readme_paths.sh SOURCE
set -euo pipefail
source=${1:?the source tree}
readme="$source/README.md"

top_folders=" src scripts tests docs packaging tools cmake bench fuzz data .ci "
top_files=" LICENSE COPYING CMakeLists.txt README.md .clang-format "
# Folders a script makes when it needs them, never kept in the tree.
made_when_needed=" fuzz/crashes/ "

names() {
    # Fenced blocks out, then the text as one line: a name in backticks may break across lines.
    awk '/^```/ { fenced = !fenced; next } !fenced' "$readme" | tr '\n' ' ' > "$work/text"
    grep -o '`[^`]*`' "$work/text" | sed 's/^`//; s/`$//' || true
    grep -o '](\([^)]*\))' "$work/text" | sed 's/^](//; s/)$//; s/#.*//' || true
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
missing=0
checked=0
while IFS= read -r name; do
    name=${name%% *}
    first=${name%%/*}
    case " $made_when_needed " in *" $name "*) continue ;; esac
    if [[ $name == */* && $top_folders == *" $first "* ]] || [[ $name != */* && $top_files == *" $name "* ]]; then
        path="$source/$name"
    elif [[ $name == */* && -n $first && -d "$source/src/$first" ]]; then
        path="$source/src/$name"
    else
        continue
    fi
    checked=$((checked + 1))
    if [[ ! -e $path ]]; then
        echo "README.md names $name, which is not in the source tree (looked for ${path#"$source/"})"
        missing=$((missing + 1))
    fi
done < <(names)

echo "$checked names of the source tree checked, $missing missing"
[[ $checked -gt 0 && $missing -eq 0 ]]
