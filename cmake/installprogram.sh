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
# other file in the folder (games, histories, entries, settings, the lock of a running copy)
# belongs to the player and is never opened. A shipped file the player made read-only is kept, as
# the program itself keeps one. The executable goes last: its table of line counts must match the
# wheel files, so an install that stops half-way leaves the old executable with the files it knows.
set -euo pipefail

# Whatever is left of a half-written copy goes when the installer ends, however it ends.
scratch=()
trap 'rm -f -- "${scratch[@]}"' EXIT

fail() {
    echo "kestrova install: $*" >&2
    exit 1
}

# A folder whose name holds a newline, a tab or another control character would break the menu
# entry's lines and quoting; it is refused before anything is written.
check_folder() {
    local LC_ALL=C
    if [[ $1 == *[[:cntrl:]]* ]]; then
        fail "the folder name $(printf '%q' "$1") holds a control character (a newline, a tab ...); choose another folder"
    fi
}

# Copies source to target unless target already holds those bytes. The copy is written and synced
# beside the target under a temporary name and renamed over it only when complete.
ship() {
    local source=$1 target=$2 mode=$3
    local dir=${target%/*} name=${target##*/}
    if [ -L "$target" ] || [ -e "$target" ]; then
        if [ -d "$target" ] && [ ! -L "$target" ]; then
            fail "$target is a folder; the program needs a file there"
        fi
        if [ -f "$target" ] && cmp -s -- "$source" "$target"; then
            return 0
        fi
        if [ -f "$target" ] && [ ! -L "$target" ] && [ "$(($(stat -c '%#a' -- "$target") & 0200))" -eq 0 ]; then
            echo "kestrova install: kept $target: it is read-only" >&2
            return 0
        fi
    fi
    mkdir -p -- "$dir"
    local temporary="$dir/.$name.kestrova-new"
    scratch+=("$temporary")
    rm -f -- "$temporary"
    if ! cp -- "$source" "$temporary" || ! chmod "$mode" -- "$temporary" ||
        ! sync -- "$temporary" || ! cmp -s -- "$source" "$temporary"; then
        fail "could not write $target"
    fi
    mv -f -T -- "$temporary" "$target" || fail "could not replace $target"
    echo "-- Installing: $target"
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
    check_folder "$folder"
    mkdir -p -- "$folder"
    local file relative
    while IFS= read -r -d '' file; do
        relative=${file#"$data"/}
        case ${relative##*/} in
        .gitkeep) continue ;;
        esac
        ship "$file" "$folder/$relative" 0644
    done < <(find "$data" -type f -print0 | sort -z)
    # The data must be on the disk before the executable that reads it replaces the old one.
    sync -f -- "$folder"
    ship "$executable" "$folder/kestrova" 0755
    sync -f -- "$folder"
}

install_menu() {
    local folder=$1 desktop=$2 home=$3
    [ -f "$desktop/kestrova.desktop.in" ] && [ -f "$desktop/kestrova.svg" ] ||
        fail "no menu entry in $desktop"
    check_folder "$folder"
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
    ship "$entry" "$home/applications/kestrova.desktop" 0644
    ship "$desktop/kestrova.svg" "$home/icons/hicolor/scalable/apps/kestrova.svg" 0644
    if command -v update-desktop-database >/dev/null; then
        update-desktop-database -q "$home/applications" || true
    fi
}

case ${1:-} in
program) [ $# -eq 4 ] || fail "usage: $0 program EXECUTABLE DATA_DIR FOLDER"; install_program "$2" "$3" "$4" ;;
menu) [ $# -eq 4 ] || fail "usage: $0 menu FOLDER DESKTOP_DIR DATA_HOME"; install_menu "$2" "$3" "$4" ;;
*) fail "usage: $0 program|menu ..." ;;
esac
