#!/usr/bin/env bash
# A 500 MB file downloaded on loopback by the stub's download and by curl in the same run, best
# of three each: prints both times, their ratio and the stub's peak memory (fails above 64 MB).
set -euo pipefail
bench=$1 work=$2
rm -rf "$work" && mkdir -p "$work"
server_pid=
cleanup() {
    [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

head -c 500M /dev/urandom > "$work/file"
# The server runs until its standard input, a pipe from this script, closes.
coproc SERVER { "$bench" serve "$work/file"; }
server_pid=$SERVER_PID
read -r url <&"${SERVER[0]}"

now() { date +%s%N; }
best() { # best of three runs of a command, in milliseconds; the output is checked each time
    local best=0
    for _ in 1 2 3; do
        rm -f "$work/out"
        local start=$(now)
        "$@" > /dev/null
        local ms=$(( ($(now) - start) / 1000000 ))
        cmp -s "$work/file" "$work/out"
        if [ "$best" -eq 0 ] || [ "$ms" -lt "$best" ]; then best=$ms; fi
    done
    echo "$best"
}
peak() { # peak resident size of a command in MB
    local kb
    rm -f "$work/out"
    kb=$(/usr/bin/time -f %M "$@" 2>&1 > /dev/null | tail -1)
    echo $(( (kb + 1023) / 1024 ))
}

stub_ms=$(best "$bench" fetch "$url" "$work/out")
curl_ms=$(best curl -s -o "$work/out" "$url")
stub_mb=$(peak "$bench" fetch "$url" "$work/out")
echo "500 MB on loopback"
echo "stub download: ${stub_ms} ms"
echo "curl:          ${curl_ms} ms"
echo "ratio: $(python3 -c "print(f'{$stub_ms / max($curl_ms, 1):.2f}')")"
echo "stub peak memory: ${stub_mb} MB"
[ "$stub_mb" -le 64 ]
