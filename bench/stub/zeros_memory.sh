#!/usr/bin/env bash
# A 1 GB file of zeros packs and extracts with flat memory: prints the peak resident size of
# stubpack and of the stub, and fails above 64 MB.
set -euo pipefail
stub=$1 stubpack=$2 work=$3
rm -rf "$work" && mkdir -p "$work/data"
trap 'rm -rf "$work"' EXIT
truncate -s 1G "$work/data/zeros.bin"

peak() { # runs a command, prints its peak resident size in MB
    local kb
    kb=$(/usr/bin/time -f %M "$@" 2>&1 > /dev/null | tail -1)
    echo $(( (kb + 1023) / 1024 ))
}

pack_mb=$(peak "$stubpack" create --stub "$stub" -o "$work/setup.exe" "$work/data")
extract_mb=$(peak "$work/setup.exe" --extract "$work/out")
cmp "$work/data/zeros.bin" "$work/out/zeros.bin"
echo "package of 1 GB of zeros: $(du -k "$work/setup.exe" | cut -f1) KB"
echo "peak memory: stubpack create ${pack_mb} MB, stub extraction ${extract_mb} MB"
[ "$pack_mb" -le 64 ] && [ "$extract_mb" -le 64 ]
