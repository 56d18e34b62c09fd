#!/bin/sh
# The cost of a backup: kasumiro-cli's rewrite with its backup against
# backup_floor (the same record calls plus one durable copy), timed as a pair
# by hyperfine on the sample game's slot 2, and both counted by strace -c.
# Usage: scripts/bench-backup.sh BUILD_FOLDER
set -eu
build=${1:-build/bench}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/make-sample-game" "$work/game" >/dev/null
save="$work/game/LOG2.DAT/BUSYO21.BIN"
cp "$save" "$work/save.orig"
mkdir -p "$work/copies"
export XDG_DATA_HOME="$work/data"
# Before each run: the save as the game left it, and no backup of it yet.
cat >"$work/prepare.sh" <<PREPARE
cp '$work/save.orig' '$save'
rm -f '$work'/data/kasumiro/backups/*/LOG2.DAT/0* '$work'/copies/*
PREPARE
cli="'$build/kasumiro-cli' rewrite '$work/game' 2"
floor="'$build/bench/backup_floor' '$work/game/NEW.DAT/BUSYO21.BIN' '$save' '$work/copies/copy.BIN'"
# No shell between hyperfine and the programs: the runs are a few milliseconds.
hyperfine -N --warmup 5 --runs 300 --prepare "sh $work/prepare.sh" --export-json "$work/times.json" \
  -n kasumiro-cli "$cli" -n floor "$floor"
# The medians' ratio: on a shared machine the mean follows whatever else runs.
medians=$(sed -n 's/^ *"median": \([0-9.e-]*\),*$/\1/p' "$work/times.json" | tr '\n' ' ')
echo "$medians" | awk '{printf "medians: kasumiro-cli %.2f ms, floor %.2f ms, ratio %.2f\n", $1 * 1000, $2 * 1000, $1 / $2}'

if command -v strace >/dev/null; then
  for name in kasumiro-cli floor; do
    sh "$work/prepare.sh"
    if [ "$name" = floor ]; then command=$floor; else command=$cli; fi
    eval "strace -f -c -o '$work/strace.txt' $command" >/dev/null 2>&1
    echo "$name: $(awk '$NF == "total" {print $4}' "$work/strace.txt") system calls (strace -c, start-up included)"
  done
fi
