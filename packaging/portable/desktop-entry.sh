#!/bin/sh
# Adds this portable Kasumiro to the user's application menu, or takes it out again: a desktop entry and icons under ~/.local/share.
#   sh desktop-entry.sh install|uninstall BUNDLE_FOLDER   (kasumiro --install-desktop)
# The entry records the folders its install made, so that the uninstall
# removes exactly what the install added.
set -eu
action=$1 bundle=$2
data=${XDG_DATA_HOME:-$HOME/.local/share}
entry="$data/applications/kasumiro.desktop"
marker="X-Kasumiro-Portable=true"

ours() { [ -f "$entry" ] && grep -qx "$marker" "$entry"; }
# The icons of the bundle, as paths below share/icons/hicolor.
icons() { (cd "$bundle/share/icons/hicolor" && find . -path '*/apps/kasumiro.*' -type f | sed 's|^\./||' | sort); }
# Exec's quoting: \ " ` $ escaped inside double quotes, then \ escaped again, % doubled.
exec_quoted() { printf '"%s"' "$(printf '%s' "$1" | sed -e 's/[\\"`$]/\\&/g' -e 's/\\/\\\\/g' -e 's/%/%%/g')"; }

# make_folder DIR: makes DIR and any missing parent, printing those it made.
make_folder() {
  [ -d "$1" ] && return 0
  make_folder "$(dirname -- "$1")"
  mkdir -- "$1" && printf '%s\n' "$1"
}

install_entry() {
  case "$bundle" in *"
"*) echo "kasumiro: a folder whose name holds a line break cannot be started from a menu: $bundle" >&2; exit 1 ;; esac
  if [ -e "$entry" ] && ! ours; then
    echo "kasumiro: $entry is not this program's; it is left as it is" >&2
    exit 1
  fi
  made=
  if ours; then made=$(sed -n 's/^X-Kasumiro-Made-Folder-[0-9]*=//p' "$entry"); fi
  made="$made
$(make_folder "$data/applications")"
  for icon in $(icons); do
    made="$made
$(make_folder "$data/icons/hicolor/$(dirname "$icon")")"
    cp -- "$bundle/share/icons/hicolor/$icon" "$data/icons/hicolor/$icon"
  done
  {
    sed "s|^Exec=.*|Exec=$(exec_quoted "$bundle/kasumiro" | sed 's/[|&\\]/\\&/g')|" "$bundle/share/applications/kasumiro.desktop"
    echo "$marker"
    printf '%s\n' "$made" | sed '/^$/d' | sort -u | awk '{ print "X-Kasumiro-Made-Folder-" NR "=" $0 }'
  } >"$entry.new"
  mv -- "$entry.new" "$entry"
  echo "kasumiro: added to the application menu: $entry"
}

uninstall_entry() {
  if ! ours; then
    echo "kasumiro: no menu entry of a portable Kasumiro in $data/applications"
    return 0
  fi
  for icon in $(icons); do
    if cmp -s -- "$bundle/share/icons/hicolor/$icon" "$data/icons/hicolor/$icon"; then rm -f -- "$data/icons/hicolor/$icon"; fi
  done
  made=$(sed -n 's/^X-Kasumiro-Made-Folder-[0-9]*=//p' "$entry")
  rm -f -- "$entry"
  # The deepest folders first; a folder that now holds something else stays.
  printf '%s\n' "$made" | awk '{ print length($0) "\t" $0 }' | sort -rn | cut -f2- | while IFS= read -r folder; do
    if [ -n "$folder" ]; then rmdir -- "$folder" 2>/dev/null || true; fi
  done
  echo "kasumiro: removed from the application menu"
}

case "$action" in
  install) install_entry ;;
  uninstall) uninstall_entry ;;
  *) echo "desktop-entry.sh: install or uninstall, not '$action'" >&2; exit 2 ;;
esac
