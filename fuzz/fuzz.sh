#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tarsomel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a built libFuzzer target for SECONDS on a fresh corpus and prints its
# summary lines. Fails when the fuzzer fails (a crash, a broken invariant, a
# sanitizer report). Usage: fuzz/fuzz.sh FUZZER SECONDS
set -euo pipefail
fuzzer=$1
seconds=$2
corpus=$(mktemp -d)
log=$(mktemp)
trap 'rm -rf "$corpus" "$log"' EXIT

status=0
"$fuzzer" -max_total_time="$seconds" -max_len=256 -print_final_stats=1 -print_coverage=0 "$corpus" >"$log" 2>&1 ||
  status=$?
grep -E '^(#[0-9]+[[:space:]]+(INITED|DONE)|stat::|Done|==|SUMMARY|broken)' "$log" || true
if [ "$status" -ne 0 ]; then
  echo "FAIL: the fuzzer exited with status $status; its last lines:"
  tail -n 20 "$log"
  exit 1
fi
echo "1 passed, 0 failed"
