#!/usr/bin/env bash
# Installs the program into its program folder, which is also the player's data folder, or adds
# its desktop menu entry. The one installer: `cmake --install` and scripts/run both come here.
#
#   installprogram.sh program EXECUTABLE DATA_DIR FOLDER
#       the executable and every file under DATA_DIR (wheels, sound, help) into FOLDER
#   installprogram.sh menu FOLDER DESKTOP_DIR DATA_HOME
#       the menu entry and icon of DESKTOP_DIR into DATA_HOME (applications/, icons/), starting
#       FOLDER/kestrova
#
# Only the files shipped with the program are written, and only when their bytes differ: every
# other file in the folder (games, histories, entries, settings, an old lock file) belongs to the
# player and is never opened. While it changes the folder the installer holds the folder's lock, so
# it never installs under a running copy. The executable's table of line counts must match the
# wheel files: when any of them cannot be replaced, nothing is written. Another shipped file the
# player made read-only (the sound, help) is kept, as the program itself keeps one. Every file is
# written beside its target under a temporary name, synced and checked, and only then renamed
# over it; the executable goes last, so an install that stops half-way leaves the old executable
# with the files it knows.
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/programfolder.sh"

# Whatever is left of a half-written copy goes when the installer ends, however it ends.
scratch=()
trap 'rm -f -- "${scratch[@]}"' EXIT

fail() {
    echo "kestrova install: $*" >&2
    exit 1
}

shipfiles=$(dirname "${BASH_SOURCE[0]}")/shipfiles.pl

# The shipped files, as parallel lists: added by offer, sorted out by plan.
offered=() offered_modes=() offered_critical=()
sources=() targets=() modes=()
refused=()

offer() {
    offered+=("$1" "$2")
    offered_modes+=("$3")
    offered_critical+=("$4")
}

# Which offered files are to be written: the unchanged ones cost no more than the comparison, all
# of them in one process. A target that must match the executable (critical) and cannot be
# replaced is refused, and so is a folder where a file goes; any other read-only target is kept.
plan() {
    local i source target mode critical differing
    differing=$(perl "$shipfiles" differ "${offered[@]}") || fail "could not compare the files"
    for i in $differing; do
        source=${offered[2 * i]} target=${offered[2 * i + 1]}
        mode=${offered_modes[i]} critical=${offered_critical[i]}
        if [ -d "$target" ] && [ ! -L "$target" ]; then
            refused+=("$target is a folder; the program needs a file there")
            continue
        fi
        if [ -f "$target" ] && [ ! -L "$target" ] && [ "$(($(stat -c '%#a' -- "$target") & 0200))" -eq 0 ]; then
            if [ "$critical" = 1 ]; then
                refused+=("$target is read-only and differs from this build's")
            else
                echo "kestrova install: kept $target: it is read-only" >&2
            fi
            continue
        fi
        # The nearest folder on the way to the target that exists must take a new name.
        local dir=${target%/*}
        while [ ! -d "$dir" ] && [ "$dir" != "${dir%/*}" ]; do
            dir=${dir%/*}
        done
        if [ ! -w "$dir" ] || [ ! -x "$dir" ]; then
            refused+=("$target cannot be written: its folder $dir is read-only")
            continue
        fi
        sources+=("$source")
        targets+=("$target")
        modes+=("$mode")
    done
}

# Writes the planned files: every temporary first, one sync for them all, each checked, then each
# renamed over its target in order. The last one (the executable) is renamed only once the others
# are on the disk under their names.
write_planned() {
    [ ${#targets[@]} -gt 0 ] || return 0
    local i temporary copies=() checks=() renames=() folders=()
    local -A made=()
    for i in "${!targets[@]}"; do
        temporary="${targets[i]%/*}/.${targets[i]##*/}.kestrova-new"
        if [ -z "${made[${targets[i]%/*}]:-}" ]; then
            mkdir -p -- "${targets[i]%/*}" || fail "could not make the folder ${targets[i]%/*}"
            made[${targets[i]%/*}]=1
            folders+=("${targets[i]%/*}")
        fi
        scratch+=("$temporary")
        copies+=("${sources[i]}" "$temporary" "${modes[i]}" "${targets[i]}")
        checks+=("${sources[i]}" "$temporary")
        renames+=("$temporary" "${targets[i]}")
    done
    perl "$shipfiles" copy "${copies[@]}" || exit 1
    sync -- "${scratch[@]}" || fail "could not write the files to the disk"
    local bad
    bad=$(perl "$shipfiles" differ "${checks[@]}") || fail "could not check the copies"
    [ -z "$bad" ] || fail "could not write ${targets[${bad%%$'\n'*}]}: the copy differs"
    local last=$((${#renames[@]} - 2))
    if [ "$last" -gt 0 ]; then
        perl "$shipfiles" rename "${renames[@]:0:last}" || exit 1
        sync -- "${folders[@]}" || fail "could not write the files to the disk"
    fi
    perl "$shipfiles" rename "${renames[@]:last}" || exit 1
    sync -- "${folders[@]}" || fail "could not write the files to the disk"
}

refuse_if_any() {
    if [ ${#refused[@]} -gt 0 ]; then
        printf 'kestrova install: %s\n' "${refused[@]}" >&2
        fail "nothing was installed"
    fi
}

# A desktop entry's Exec value: quoted, with the characters the format reserves escaped.
exec_quoted() {
    local s=$1
    s=${s//\\/\\\\}
    s=${s//\"/\\\"}
    s=${s//\`/\\\`}
    s=${s//\$/\\\$}
    s=${s//%/%%}
    s=${s//\\/\\\\}
    printf '"%s"' "$s"
}

install_program() {
    local executable=$1 data=${2%/} folder=${3%/}
    [ -f "$executable" ] || fail "no program at $executable: build it first"
    [ -d "$data" ] || fail "no data folder at $data"
    folder_name_ok "kestrova install" "$folder" || exit 1
    lock_program_folder "$folder" || exit 1
    local file relative
    while IFS= read -r -d '' file; do
        relative=${file#"$data"/}
        case $relative in
        .gitkeep | */.gitkeep) continue ;;
        wheels/*) offer "$file" "$folder/$relative" 0644 1 ;;
        *) offer "$file" "$folder/$relative" 0644 0 ;;
        esac
    done < <(find "$data" -type f -print0 | sort -z)
    # The data before the executable that reads it.
    offer "$executable" "$folder/kestrova" 0755 1
    plan
    refuse_if_any
    write_planned
}

install_menu() {
    local folder=$1 desktop=$2 home=$3
    [ -f "$desktop/kestrova.desktop.in" ] && [ -f "$desktop/kestrova.svg" ] ||
        fail "no menu entry in $desktop"
    folder_name_ok "kestrova install" "$folder" || exit 1
    local entry exec path line
    entry=$(mktemp)
    scratch+=("$entry")
    exec=$(exec_quoted "$folder/kestrova")
    path=${folder//\\/\\\\}
    # Quoted replacements: bash would otherwise expand & in them.
    while IFS= read -r line; do
        line=${line//@EXEC@/"$exec"}
        line=${line//@FOLDER@/"$path"}
        printf '%s\n' "$line"
    done <"$desktop/kestrova.desktop.in" >"$entry" || fail "could not write the menu entry"
    offer "$entry" "$home/applications/kestrova.desktop" 0644 0
    offer "$desktop/kestrova.svg" "$home/icons/hicolor/scalable/apps/kestrova.svg" 0644 0
    plan
    refuse_if_any
    write_planned
    if command -v update-desktop-database >/dev/null; then
        update-desktop-database -q "$home/applications" || true
    fi
}

case ${1:-} in
program) [ $# -eq 4 ] || fail "usage: $0 program EXECUTABLE DATA_DIR FOLDER"; install_program "$2" "$3" "$4" ;;
menu) [ $# -eq 4 ] || fail "usage: $0 menu FOLDER DESKTOP_DIR DATA_HOME"; install_menu "$2" "$3" "$4" ;;
*) fail "usage: $0 program|menu ..." ;;
esac
