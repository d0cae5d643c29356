#!/usr/bin/env bash
# Extraction of a package of about 200 MB of mixed files by the stub, against `gzip -dc` of the
# same files, best of three runs each; prints both times and their ratio (target: at most 1.25).
set -euo pipefail
stub=$1 stubpack=$2 work=$3
here=$(cd "$(dirname "$0")" && pwd)
rm -rf "$work" && mkdir -p "$work"
trap 'rm -rf "$work"' EXIT

python3 "$here/make_data.py" "$work/data" 200
( cd "$work/data" && find . -type f | sort > "$work/list" )
echo "data: $(du -sm "$work/data" | cut -f1) MB in $(wc -l < "$work/list") files"

"$stubpack" create --stub "$stub" -o "$work/setup.exe" "$work/data" > /dev/null
# The same files as gzip members of one stream, at the same level.
( cd "$work/data" && while read -r f; do gzip -6 -c "$f"; done < "$work/list" ) > "$work/data.gz"
echo "package: $(du -m "$work/setup.exe" | cut -f1) MB, gzip: $(du -m "$work/data.gz" | cut -f1) MB"

now() { date +%s%N; }
best() { # best of three runs of a command, in milliseconds
    local best=0
    for _ in 1 2 3; do
        rm -rf "$work/out" "$work/out.raw"
        sync
        local start=$(now)
        "$@" > /dev/null
        local ms=$(( ($(now) - start) / 1000000 ))
        if [ "$best" -eq 0 ] || [ "$ms" -lt "$best" ]; then best=$ms; fi
    done
    echo "$best"
}
gunzip_to_file() { gzip -dc "$work/data.gz" > "$work/out.raw"; }

stub_ms=$(best "$work/setup.exe" --extract "$work/out")
diff -r "$work/data" "$work/out" > /dev/null
gzip_ms=$(best gunzip_to_file)
echo "stub extraction: ${stub_ms} ms"
echo "gzip -dc:        ${gzip_ms} ms"
ratio=$(python3 -c "print(f'{$stub_ms / max($gzip_ms, 1):.2f}')")
echo "ratio: ${ratio} (target <= 1.25)"
