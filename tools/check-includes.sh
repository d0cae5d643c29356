#!/usr/bin/env bash
# Include rules of both programs, checked with grep, sed and tsort alone:
#  - every quoted include names the header's folder below the program's root ("store/DBAccess.h");
#  - the folders of a program include each other in one direction only: tsort reports any cycle.
# A folder's tests/ count as a folder of their own, above the code they test.
set -uo pipefail
cd "$(dirname "$0")/.."
status=0
for program in client stub; do
    bare=$(grep -rnE '^\s*#\s*include\s+"[^/"]+"' "$program" "bench/$program" "fuzz/$program" \
        --include='*.h' --include='*.cpp' || true)
    if [ -n "$bare" ]; then
        printf '%s: headers included by a bare name:\n%s\n' "$program" "$bare"
        status=1
    fi
    edges=$(grep -rEo '^\s*#\s*include\s+"[^"]+"' "$program" --include='*.h' --include='*.cpp' |
        sed -E "s|^$program/([^:]*):.*\"([^/\"]+)/.*\"$|\1 \2|" |
        sed -E 's|^([^/ ]+)/tests/[^ ]* |\1/tests |; t; s|^([^/ ]+)/[^ ]* |\1 |' |
        awk '$1 != $2' | sort -u)
    if ! cycle=$(tsort <<<"$edges" 2>&1 >/dev/null) || [ -n "$cycle" ]; then
        printf '%s: folders that include each other:\n%s\n' "$program" "$cycle"
        status=1
    fi
done
[ "$status" -eq 0 ] && echo "includes: every header by its folder, no folder included back"
exit "$status"
