#!/usr/bin/env bash
# Measures the built program as a user runs it, and fails if a promise is broken:
#   - 1 MiB of bytes that cannot start a number, piped in: it ends by itself, status 0;
#   - a session writes about once per wait for input, never once per cell or line
#     (counted with strace where the machine lets it trace);
#   - the peak resident memory of a long session.
# Usage: bench/session_checks.sh [path/to/lotto]
set -euo pipefail
lotto=${1:-build/default/lotto}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fail() {
    echo "session_checks: $*" >&2
    exit 1
}

# 1 MiB flood: one invalid-choice text and one menu per byte, then the end of input.
head -c 1048576 /dev/zero | tr '\0' 'x' >"$scratch/flood"
start=$(date +%s%N)
"$lotto" <"$scratch/flood" >/dev/null || fail "the flood did not end with status 0"
end=$(date +%s%N)
echo "1 MiB flood to /dev/null: $(((end - start) / 1000000)) ms"

# A long session: 200 generations and 200 detail screens.
for _ in $(seq 200); do printf '2\n3\n2\n'; done >"$scratch/session"
printf '1\n' >>"$scratch/session"

if command -v strace >/dev/null && strace -o /dev/null true 2>/dev/null; then
    strace -f -c -e trace=read,write -o "$scratch/calls" "$lotto" <"$scratch/session" >"$scratch/out"
    reads=$(awk '$NF == "read" {print $4}' "$scratch/calls")
    writes=$(awk '$NF == "write" {print $4}' "$scratch/calls")
    bytes=$(wc -c <"$scratch/out")
    # A whole buffer of 8 KiB per write at most, besides the one before each wait.
    allowed=$((reads + bytes / 8192 + 2))
    echo "long session: $bytes bytes of output in $writes writes, $reads reads (at most $allowed writes allowed)"
    [ "$writes" -le "$allowed" ] || fail "$writes writes for $reads reads: output is not sent in whole screens"
else
    echo "strace cannot trace here; write count not measured"
fi

if [ -x /usr/bin/time ]; then
    peak=$(/usr/bin/time -f %M "$lotto" <"$scratch/session" 2>&1 >/dev/null | tail -n 1)
    echo "peak resident memory of the long session: ${peak} KiB"
fi
