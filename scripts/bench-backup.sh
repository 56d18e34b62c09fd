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
prepare="cp '$work/save.orig' '$save'; rm -f '$work'/data/kasumiro/backups/*/LOG2.DAT/0* '$work'/copies/*"
cli="'$build/kasumiro-cli' rewrite '$work/game' 2"
floor="'$build/bench/backup_floor' '$work/game/NEW.DAT/BUSYO21.BIN' '$save' '$work/copies/copy.BIN'"
hyperfine --warmup 5 --runs 200 --prepare "$prepare" -n kasumiro-cli "$cli" -n floor "$floor"
if command -v strace >/dev/null; then
  for name in cli floor; do
    sh -c "$prepare"
    eval "command=\$$name"
    strace -f -c -o "$work/$name.strace" sh -c "exec $command" >/dev/null 2>&1
    echo "$name: $(tail -1 "$work/$name.strace" | awk '{print $3}') system calls (strace -c, exec included)"
  done
fi
