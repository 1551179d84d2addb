#!/usr/bin/env bash
# A few hundred monkey events under valgrind memcheck: no invalid access and no definite
# leak of ours. Only the known leaks of Qt, fontconfig and the graphics stack are suppressed.
set -euo pipefail
test_program="$1"
here="$(cd "$(dirname "$0")" && pwd)"
log="$(mktemp)"
trap 'rm -f "$log"' EXIT
export QT_QPA_PLATFORM=offscreen NUMIVOX_MONKEY_EVENTS="${NUMIVOX_MEMCHECK_EVENTS:-300}" NUMIVOX_MONKEY_SEED=4242
if valgrind --tool=memcheck --error-exitcode=99 --leak-check=full --errors-for-leak-kinds=definite \
    --show-leak-kinds=definite --suppressions="$here/valgrind.supp" --gen-suppressions=all --num-callers=30 \
    --log-file="$log" "$test_program" >/dev/null; then
    grep -E 'ERROR SUMMARY|definitely lost' "$log" || true
    echo "memcheck: clean"
else
    status=$?
    cat "$log"
    echo "memcheck: failed with status $status"
    exit 1
fi
