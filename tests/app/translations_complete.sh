#!/usr/bin/env bash
# Every translation is complete and up to date with the code: lupdate, run over the program's
# sources into a copy of translations/, must change nothing (a new or changed text for the child
# would appear there as a new entry), and no entry may be unfinished, vanished or empty.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$root"/translations/numivox_*.ts "$work"/
NUMIVOX_TS_DIR="$work" "$root/scripts/update_translations"

status=0
for ts in "$root"/translations/numivox_*.ts; do
    name=$(basename "$ts")
    if ! diff -u "$ts" "$work/$name"; then
        echo "FAIL: $name differs from the texts in the code: run scripts/update_translations and translate"
        status=1
    fi
    if grep -n -E 'type="(unfinished|vanished|obsolete)"|<translation></translation>|<numerusform></numerusform>' \
        "$work/$name"; then
        echo "FAIL: $name has the untranslated entries above"
        status=1
    fi
done
[ $status -eq 0 ] && echo "every translation is complete"
exit $status
