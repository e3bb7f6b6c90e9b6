#!/usr/bin/env bash
# How long the test command takes from a fresh clone, for an earlier commit and this one, run
# one after the other on this machine: bench/test_time.sh OLD [NEW], NEW being HEAD if not given.
set -euo pipefail
cd "$(dirname "$(realpath "$0")")/.."
old=$(git rev-parse --short "$1")
new=$(git rev-parse --short "${2:-HEAD}")
work=$(mktemp -d)
declare -A seconds
for rev in "$old" "$new"; do
  git clone -q . "$work/$rev"
  git -C "$work/$rev" checkout -q "$rev"
  start=$(date +%s)
  if ! (cd "$work/$rev" && scripts/test.sh >"$work/$rev.log" 2>&1); then
    echo "$rev: the test command failed; its output is in $work/$rev.log" >&2
    exit 1
  fi
  seconds[$rev]=$(($(date +%s) - start))
  echo "$rev: ${seconds[$rev]} s"
done
rm -rf "$work"
awk -v a="${seconds[$new]}" -v b="${seconds[$old]}" -v n="$new" -v o="$old" \
  'BEGIN { printf "%s against %s: %+d s, ratio %.2f\n", n, o, a - b, a / b }'
