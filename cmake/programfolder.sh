# The program folder's rules that scripts/run and installprogram.sh share; sourced by both.

# A folder whose name holds a newline, a tab or another control character would break the menu
# entry's lines and quoting: it is refused before anything is written. $1 names the caller in the
# message.
folder_name_ok() {
    local LC_ALL=C
    if [[ $2 == *[[:cntrl:]]* ]]; then
        echo "$1: the folder name $(printf '%q' "$2") holds a control character (a newline, a tab ...); choose another folder" >&2
        return 1
    fi
}

# Whether a program built before the folder lock runs here: it holds the file .kestrova.lock. A
# link or a FIFO in its place is no lock of ours and is ignored; the file is opened without
# following links or waiting, and never made or removed.
old_lock_held() {
    perl -MFcntl=O_RDONLY,O_NOFOLLOW,O_NONBLOCK,:flock -e '
        sysopen(my $f, $ARGV[0], O_RDONLY | O_NOFOLLOW | O_NONBLOCK) or exit 1;
        -f $f or exit 1;
        exit(!flock($f, LOCK_EX | LOCK_NB) && $!{EWOULDBLOCK} ? 0 : 1);' -- "$1/.kestrova.lock"
}

# Takes the lock a running copy of the program holds on its folder (a flock on the folder
# itself), on descriptor 9, for as long as the calling shell runs or until
# release_program_folder. The folder is made first when it is new. A descriptor 9 inherited from
# a caller that holds this folder's lock (scripts/run around `cmake --install`) shares that lock:
# a lock on the same open folder is granted again.
lock_program_folder() {
    local folder=$1
    mkdir -p -- "$folder" || return 1
    if ! [ /proc/self/fd/9 -ef "$folder" ]; then
        exec 9<"$folder" || return 1
    fi
    local held=0
    flock -n -E 75 9 || held=$?
    if [ $held -eq 75 ] || old_lock_held "$folder"; then
        exec 9<&-
        echo "Kestrova is running from $folder: close it, then install again." >&2
        return 1
    fi
    # A folder that takes no lock (some network file systems) is installed into, as the program
    # runs there, but the player is told.
    if [ $held -ne 0 ]; then
        echo "kestrova install: $folder cannot be locked, so a copy of the program running from it cannot be noticed" >&2
    fi
}

# Lets the lock go: the program started next takes it itself.
release_program_folder() {
    exec 9<&-
}
