#!/usr/bin/env bash
# Copies a player's files from the data folder of earlier versions (build/bin) into the program
# folder, once, while the program folder has no games yet. scripts/run comes here before it
# installs.
#
#   movefromold.sh OLD FOLDER DATA_DIR
#       every regular file under OLD that is the player's (not shipped in DATA_DIR, not a program
#       the build made) into FOLDER, at the same place under it
#
# Nothing is moved or deleted in OLD, and no file already in FOLDER is written over. Each file is
# copied beside its target under a temporary name, synced, checked and only then given its name,
# so a file under its real name is always complete. The game files come last: while FOLDER has no
# game (or a game still waits under its temporary name) the move is not finished, and the next
# run finishes it.
set -euo pipefail

fail() {
    echo "kestrova move: $*" >&2
    exit 1
}

[ $# -eq 3 ] || fail "usage: $0 OLD FOLDER DATA_DIR"
old=${1%/}
folder=${2%/}
data=${3%/}
suffix=.kestrova-move
games=(game1.dat game2.dat game3.dat game4.dat game5.dat)

# The copy being written, removed however the script ends; a game copy that is complete stays
# until it has its name, as the mark of an unfinished move.
current=""
trap '[ -z "$current" ] || rm -f -- "$current"' EXIT

has_games() {
    local g
    for g in "${games[@]}"; do
        if [ -f "$1/$g" ]; then return 0; fi
    done
    return 1
}

game_waiting() {
    local g
    for g in "${games[@]}"; do
        if [ -e "$folder/.$g$suffix" ]; then return 0; fi
    done
    return 1
}

temporary_of() {
    local relative=$1
    case $relative in
    */*) printf '%s/.%s%s' "$folder/${relative%/*}" "${relative##*/}" "$suffix" ;;
    *) printf '%s/.%s%s' "$folder" "$relative" "$suffix" ;;
    esac
}

if [ ! -d "$old" ] || ! has_games "$old"; then
    exit 0
fi
if has_games "$folder" && ! game_waiting; then
    exit 0
fi

copied=()
left=()

# Writes OLD/relative to FOLDER/relative under its temporary name; the name is given by give_name.
copy_file() {
    local relative=$1
    local source="$old/$relative" target="$folder/$relative"
    local temporary
    temporary=$(temporary_of "$relative")
    mkdir -p -- "${target%/*}" || fail "could not make the folder ${target%/*}"
    current=$temporary
    rm -f -- "$temporary"
    if ! cp -p -- "$source" "$temporary" || ! sync -- "$temporary" ||
        ! cmp -s -- "$source" "$temporary"; then
        fail "could not copy $source to $target (the files copied so far are complete; run again to finish)"
    fi
}

# Gives the complete copy its name, never over a file that is there.
give_name() {
    local relative=$1
    local target="$folder/$relative"
    local temporary
    temporary=$(temporary_of "$relative")
    if ln -T -- "$temporary" "$target" 2>/dev/null; then
        rm -f -- "$temporary"
    elif [ -e "$target" ] || [ -L "$target" ] || ! mv -f -T -- "$temporary" "$target"; then
        fail "could not name the copy $target"
    fi
    current=""
    copied+=("$relative")
}

# Whether OLD/relative is to be copied; a file left is told with its reason.
wanted() {
    local relative=$1
    local source="$old/$relative" target="$folder/$relative" name=${relative##*/}
    case $name in
    .kestrova.lock | *"$suffix" | *.kestrova-new) return 1 ;; # a running copy's lock, our own scratch
    esac
    if [ -e "$data/$relative" ]; then return 1; fi # shipped: the installer brings the current one
    if [ "$(head -c 4 -- "$source" 2>/dev/null)" = $'\177ELF' ]; then return 1; fi # a program
    if [ ! -r "$source" ]; then
        left+=("$relative: it cannot be read")
        return 1
    fi
    if [ -e "$target" ] || [ -L "$target" ]; then
        if ! [ -f "$target" ] || ! cmp -s -- "$source" "$target"; then
            left+=("$relative: $folder already has a file of that name")
        fi
        return 1
    fi
    return 0
}

mkdir -p -- "$folder" || fail "could not make the folder $folder"
# Copies an interrupted run left behind are made again.
find "$folder" -name ".*$suffix" -type f -delete

files=()
while IFS= read -r -d '' file; do
    files+=("${file#"$old"/}")
done < <(find "$old" -type f -print0 | sort -z)

waiting=()
for relative in "${files[@]}"; do
    is_game=0
    for g in "${games[@]}"; do
        if [ "$relative" = "$g" ]; then is_game=1; fi
    done
    if wanted "$relative"; then
        if [ $is_game -eq 1 ]; then
            waiting+=("$relative")
        else
            copy_file "$relative"
            give_name "$relative"
        fi
    fi
done

# Every other file is on the disk, named, before the first game is.
sync -f -- "$folder"
for relative in "${waiting[@]}"; do
    copy_file "$relative"
    current=""
done
for relative in "${waiting[@]}"; do
    give_name "$relative"
done
sync -f -- "$folder"

if [ ${#copied[@]} -gt 0 ]; then
    echo "Copied your files from $old to $folder (the originals stay in $old):"
    printf '  %s\n' "${copied[@]}"
else
    echo "Your files from $old are already in $folder."
fi
if [ ${#left[@]} -gt 0 ]; then
    echo "Not copied, left in $old:"
    printf '  %s\n' "${left[@]}"
fi
