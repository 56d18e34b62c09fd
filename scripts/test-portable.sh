#!/usr/bin/env bash
# Tests the portable tarball in clean minbase roots of Debian: window, command line, loaded libraries, hostile LD_LIBRARY_PATH, menu entry; an older glibc gets the sentence.
#   scripts/test-portable.sh TARBALL MAKE_SAMPLE_GAME     (as root, or through sudo: chroot, mounts)
#   scripts/test-portable.sh --roots                      (only makes the roots)
# The roots come from scripts/minbase-root.sh; a run writes only to an overlay
# above each. The window opens on an Xvfb of the host.
set -euo pipefail
# suite, and what the bundle must do there
roots=(
  "bookworm run"    # Debian 12, glibc 2.36
  "trixie run"      # Debian 13, glibc 2.41
  "bullseye refuse" # Debian 11, glibc 2.31
)
glibc_own='/(ld-linux-x86-64|libc|libm|libdl|libpthread|librt|libresolv|libnss_[a-z]*)\.so[.0-9]*$'
home=/home/player
[ "$(id -u)" = 0 ] || exec sudo XDG_CACHE_HOME="${XDG_CACHE_HOME:-$HOME/.cache}" "$0" "$@"
if [ "$1" = --roots ]; then exec "$(dirname "$0")/minbase-root.sh" "${roots[@]%% *}" >/dev/null; fi
tarball=$(readlink -f -- "$1") sample_maker=$(readlink -f -- "$2")

fail() { echo "FAILED ($suite): $*" >&2; exit 1; }
# Runs a command in the root as the player, with a plain environment.
in_root() { chroot "$root" env -i HOME="$home" PATH=/usr/bin:/bin LANG=C.UTF-8 DISPLAY="$display" "$@"; }

# The window opens and draws Japanese; every library it maps is the bundle's or
# glibc's, with or without LD_LIBRARY_PATH; SIGTERM ends it with 0. Prints the libraries.
check_window() {
  in_root "$@" "$bundle/kasumiro" >"$work/window.log" 2>&1 &
  local job=$! tries=0 window status=0
  until window=$(DISPLAY=$display xdotool search --name '^Kasumiro$' 2>/dev/null | head -n 1) && [ -n "$window" ]; do
    tries=$((tries + 1))
    { [ $tries -lt 300 ] && kill -0 $job 2>/dev/null; } || { cat "$work/window.log" >&2; fail "no window"; }
    sleep 0.1
  done
  pid=$(DISPLAY=$display xdotool getwindowpid "$window")
  sleep 1
  DISPLAY=$display import -window "$window" "$work/window.png"
  convert "$work/window.png" -colorspace gray -resize 400% -normalize "$work/window.png"
  tesseract "$work/window.png" - -l jpn --psm 6 2>/dev/null | tr -d ' ' | grep -q '実行' ||
    { cp "$work/window.png" "/tmp/test-portable-$suite.png"; fail "no 実行 read: /tmp/test-portable-$suite.png"; }
  sed -E -n 's/^(\S+\s+){5}(.*\.so.*)/\2/p' "/proc/$pid/maps" | sort -u | sed "s|^$root||" >"$work/maps"
  grep -v -F "$bundle/" "$work/maps" | grep -v -E "$glibc_own" && fail "libraries from outside the bundle"
  kill -TERM "$pid"
  wait $job || status=$?
  [ $status -eq 0 ] || fail "the window exited $status"
  cat "$work/maps"
}

# kasumiro-cli, started through a link, rewrites slot 1 and restores it byte for byte.
check_cli() {
  "$sample_maker" "$root$home/game/" >/dev/null
  cp -a "$root$home/game" "$work/game-before"
  ln -s "$bundle/kasumiro-cli" "$root$home/kasumiro-cli"
  in_root "$home/kasumiro-cli" rewrite "$home/game" 1 >/dev/null 2>&1 || fail "rewrite exited $?"
  cmp -s "$work/game-before/LOG1.DAT/BUSYO21.BIN" "$root$home/game/LOG1.DAT/BUSYO21.BIN" && fail "the rewrite changed nothing"
  in_root "$home/kasumiro-cli" restore "$home/game" 1 >/dev/null 2>&1 || fail "restore exited $?"
  diff -r "$work/game-before" "$root$home/game" || fail "the restore did not give the game back"
  local status=0
  in_root "$home/kasumiro-cli" no-such-command >/dev/null 2>&1 || status=$?
  [ $status -eq 2 ] || fail "a wrong argument exited $status, not the program's 2"
}

# The menu entry and icons appear, are valid, start the bundle; the uninstall
# leaves the home folder as it was (with no ~/.local yet: every folder made).
check_desktop() {
  local before after entry="$root$home/.local/share/applications/kasumiro.desktop"
  before=$(cd "$root$home" && find . -printf '%p %y %m %s\n' | sort)
  in_root "$bundle/kasumiro" --install-desktop >/dev/null || fail "--install-desktop exited $?"
  desktop-file-validate "$entry" || fail "the desktop entry is not valid"
  grep -qxF "Exec=\"$bundle/kasumiro\"" "$entry" || fail "the entry does not start the bundle: $(grep ^Exec= "$entry")"
  [ -f "$root$home/.local/share/icons/hicolor/48x48/apps/kasumiro.png" ] || fail "no icon installed"
  in_root "$bundle/kasumiro" --uninstall-desktop >/dev/null || fail "--uninstall-desktop exited $?"
  after=$(cd "$root$home" && find . -printf '%p %y %m %s\n' | sort)
  [ "$before" = "$after" ] || fail "the home folder changed: $(diff <(echo "$before") <(echo "$after"))"
}

check_refusal() {
  local status=0
  in_root "$bundle/kasumiro-cli" --version >/dev/null 2>"$work/refusal" || status=$?
  if [ $status -ne 1 ] || [ "$(grep -c -e 'needs glibc' -e 'glibc .* 以降が必要' "$work/refusal")" != 2 ]; then
    fail "exit $status, not the sentences and 1: $(cat "$work/refusal")"; fi
}

# A program left running keeps the root busy.
leave_root() {
  if [ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null; then sleep 0.2; fi
  # Detached at once even if busy, so that nothing below /dev or /proc is removed.
  umount -R -l "$root" 2>/dev/null || true
  if ! grep -qF " $root" /proc/mounts; then rm -rf "$work"; fi
}
test_root() {
  suite=$1 work=$(mktemp -d) root=$work/root pid=
  trap 'leave_root' EXIT
  lower=$(scripts/minbase-root.sh "$suite")
  mkdir -p "$work/upper" "$work/over" "$root"
  mount -t overlay overlay -o "lowerdir=$lower,upperdir=$work/upper,workdir=$work/over" "$root"
  mount -t proc proc "$root/proc" && mount --bind /dev "$root/dev"
  mkdir -p "$root/tmp/.X11-unix" "$(dirname "$root$bundle")" && mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"
  tar -xJf "$tarball" -C "$(dirname "$root$bundle")"
  if [ "$2" = refuse ]; then check_refusal; echo "$suite: refused with the sentence"; return; fi
  check_desktop
  check_cli
  mkdir -p "$root$home/.config/kasumiro" && printf '[Kasumiro]\nBaseDir=%s/game/\n' "$home" >"$root$home/.config/kasumiro/kasumiro.ini"
  check_window >"$work/plain"
  check_window LD_LIBRARY_PATH=/usr/lib/x86_64-linux-gnu:/lib/x86_64-linux-gnu >"$work/hostile"
  diff "$work/plain" "$work/hostile" || fail "LD_LIBRARY_PATH changed the libraries loaded"
  echo "$suite: window drew Japanese with $(wc -l <"$work/plain") libraries all from the bundle or glibc," \
    "cli rewrite and restore, LD_LIBRARY_PATH, menu entry: passed"
}

cd "$(dirname "$0")/.."
bundle="$home/My Games/$(basename "$tarball" .tar.xz)"

# A free display, which Xvfb picks and writes to the file.
number=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$number" 2>/dev/null &
trap 'kill $! 2>/dev/null; rm -f "$number"' EXIT
until [ -s "$number" ]; do sleep 0.1; done
display=":$(cat "$number")"
for entry in "${roots[@]}"; do
  read -r suite expect <<<"$entry"
  (test_root "$suite" "$expect")
done
echo "test-portable: every root passed"
