#!/usr/bin/env bash
# The man pages against the programs they describe: every example of
# EXAMPLES runs, in order, on a sample game in ~/Games/Tenka and succeeds (a
# window gets SIGTERM once it listens for it), and the codes that EXIT STATUS
# lists are exactly those that the cases below give.
#   tests/man/man_pages_test.sh MAN_FOLDER PROGRAM_FOLDER MAKE_SAMPLE_GAME
set -uo pipefail
man_folder=$1 programs=$2 make_sample_game=$3
failed=0
fail() { echo "man_pages_test: $*" >&2; failed=1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
export PATH="$programs:$PATH" QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8
game="$HOME/Games/Tenka/"
mkdir -p "$XDG_CONFIG_HOME/kasumiro"
"$make_sample_game" "$game" >/dev/null || fail "make-sample-game failed"
# The window opens on the sample game, as after a first start.
printf '[Kasumiro]\nBaseDir=%s\n' "$game" >"$XDG_CONFIG_HOME/kasumiro/kasumiro.ini"

# The tags (".TP", then ".B TEXT") of one section of a page, "\-" read as "-".
section_tags() {
  zcat -f "$1" | awk -v want="$2" '
    /^\.SH / { name = substr($0, 5); gsub(/"/, "", name); inside = (name == want); prev = ""; next }
    inside && prev == ".TP" && /^\.B / { print substr($0, 4) }
    { prev = $0 }' | sed 's/\\-/-/g'
}

# Whether the process has a handler for SIGTERM (bit 15 of SigCgt): the
# window program installs one once its event loop is about to run.
listens_for_term() {
  local mask
  mask=$(awk '/^SigCgt:/ { print $2 }' "/proc/$1/status" 2>/dev/null)
  [ -n "$mask" ] && (((16#$mask >> 14) & 1))
}

running() { [ -e "/proc/$1" ] && [ "$(awk '/^State:/ { print $2 }' "/proc/$1/status" 2>/dev/null)" != Z ]; }

# Runs one command line as a shell would (leading VAR=value words go into
# its environment); a program still running once it listens for SIGTERM
# gets it. Its exit code; 124 when it neither ends nor listens in 60 s.
run_line() {
  local line=$1 assignments=() pid
  while [[ $line =~ ^([A-Za-z_][A-Za-z0-9_]*=[^ ]*)\ +(.*)$ ]]; do
    assignments+=("${BASH_REMATCH[1]}")
    line=${BASH_REMATCH[2]}
  done
  (
    for assignment in "${assignments[@]}"; do export "${assignment?}"; done
    eval "exec $line"
  ) >>"$work/output" 2>&1 </dev/null &
  pid=$!
  for ((tenth = 0; tenth < 600; tenth++)); do
    running "$pid" || break
    if listens_for_term "$pid"; then kill -TERM "$pid"; break; fi
    sleep 0.1
  done
  if ((tenth == 600)); then kill -KILL "$pid"; wait "$pid"; return 124; fi
  wait "$pid"
}

# The cases that give each code, one a line: program, code, command line.
exit_cases="
kasumiro-cli 0 kasumiro-cli --version
kasumiro-cli 1 kasumiro-cli rewrite ~/Games/Tenka 3
kasumiro-cli 1 kasumiro-cli restore ~/Games/Tenka 4 99
kasumiro-cli 2 kasumiro-cli --bogus
kasumiro-cli 2 kasumiro-cli slots ~/Games/Tenka extra
kasumiro 0 kasumiro --version
kasumiro 0 kasumiro
kasumiro 1 env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY kasumiro
kasumiro 2 kasumiro --bogus
kasumiro 2 kasumiro extra"

for program in kasumiro-cli kasumiro; do
  pages=("$man_folder/$program".[1-8])
  page=${pages[0]}
  [ -s "$page" ] || { fail "$page missing"; continue; }
  name=$(basename "$page")
  mapfile -t examples < <(section_tags "$page" EXAMPLES)
  [ "${#examples[@]}" -gt 0 ] || fail "$name has no examples"
  for example in "${examples[@]}"; do
    run_line "$example"
    code=$?
    [ "$code" -eq 0 ] || fail "$name's example '$example' exits $code"
  done

  listed=$(section_tags "$page" "EXIT STATUS" | sort -u | xargs)
  given=""
  while read -r case_program code line; do
    [ "$case_program" = "$program" ] || continue
    run_line "$line"
    actual=$?
    [ "$actual" -eq "$code" ] || fail "'$line' exits $actual, not $code"
    given="$given $code"
  done <<<"$exit_cases"
  given=$(tr ' ' '\n' <<<"$given" | sed '/^$/d' | sort -u | xargs)
  [ "$listed" = "$given" ] || fail "$name's EXIT STATUS lists '$listed'; $program gives '$given'"
done

[ "$failed" -eq 0 ] || { echo "--- the programs' output:" >&2; cat "$work/output" >&2; }
exit "$failed"
