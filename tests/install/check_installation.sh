#!/usr/bin/env bash
# Installs the build into a scratch folder (DESTDIR, prefix /usr, so the tree runs away from
# the place it was made for) and meets it as a user's desktop does: the layout, the commands
# through their links, the launcher started with a job file as the desktop entry starts it
# on an installation the user cannot write, the desktop entry, the software-centre record and
# the job files' type.
#   check_installation.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1
source=$2
id=example.tarnwell_refrigeration.Tarnwell

work=$(mktemp -d)
program_pid=
cleanup() {
    if [ -n "$program_pid" ]; then kill "$program_pid" 2>/dev/null || true; fi
    chmod -R u+w "$work"
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

DESTDIR="$work/root" cmake --install "$build" --prefix /usr >"$work/install.log"
root=$work/root/usr
lib=$root/lib/tarnwell

# --- Layout --------------------------------------------------------------------------------
for f in Program Vantora tarnwell opdata/default.lng opdata/default.fil opdata/tarnwell.ico \
         proddata/CModels.rec proddata/catalogue.pdf share/doc/tarnwell/copyright; do
    case $f in share/*) path=$root/$f ;; *) path=$lib/$f ;; esac
    [ -e "$path" ] || fail "not installed: $path"
done
compgen -G "$lib/proddata/specs/*.pdf" >/dev/null || fail "no data sheets installed"
for command in tarnwell Vantora; do
    target=$(readlink "$root/bin/$command") || fail "bin/$command is not a link"
    [ "${target#/}" = "$target" ] || fail "bin/$command links to an absolute path: $target"
    [ -x "$root/bin/$command" ] || fail "bin/$command does not reach the program"
done
for size in 16 22 24 32 48 64 128 256; do
    png=$root/share/icons/hicolor/${size}x${size}/apps/$id.png
    file "$png" | grep -q ", $size x $size," || fail "icon $png is not $size px"
done
[ -s "$root/share/icons/hicolor/scalable/apps/$id.svg" ] || fail "no scalable icon"

# --- The user's own folders; the installation cannot be written --------------------------
# Run as an ordinary user: root could write to the installation anyway.
as_user=()
if [ "$(id -u)" -eq 0 ]; then
    as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
fi
chmod 755 "$work"
mkdir -p "$work/home" "$work/config/Glacivar/tarnwell" "$work/state" "$work/cache" "$work/jobs"
printf '[Settings]\nShowDisclaimer=False\n' >"$work/config/Glacivar/tarnwell/Tarnwell.ini"
cp "$source/tests/data/reference.wic" "$work/jobs/cold store.wic"
chmod -R a+rwX "$work/home" "$work/config" "$work/state" "$work/cache" "$work/jobs"
chmod -R a-w "$lib"
user_env=(env HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_STATE_HOME="$work/state"
          XDG_CACHE_HOME="$work/cache" QT_QPA_PLATFORM=offscreen)

# --- The command-line calculation through its link ----------------------------------------
"${as_user[@]}" "${user_env[@]}" "$root/bin/tarnwell" calc >"$work/calc.txt" ||
    fail "tarnwell calc ended with status $?"
grep -Eq '^Design load +[0-9]+ Btu/h' "$work/calc.txt" ||
    fail "tarnwell calc printed no design load: $(cat "$work/calc.txt")"

# --- The launcher opens a job as a double click does; the window keeps running -----------
exec_line=$(grep '^Exec=' "$root/share/applications/$id.desktop")
[ "$exec_line" = "Exec=/usr/bin/Vantora %f" ] || fail "desktop entry: $exec_line"
job="$work/jobs/cold store.wic"
status=0
"${as_user[@]}" "${user_env[@]}" timeout 30 "$root/bin/Vantora" "$job" /LOG \
    >"$work/vantora.txt" 2>&1 || status=$?
[ "$status" -eq 0 ] || fail "the launcher ended with status $status: $(cat "$work/vantora.txt")"
# The process id of the installed Program, once the launcher has started it.
program_started() {
    for process in /proc/[0-9]*; do
        if [ "$(readlink "$process/exe" 2>/dev/null)" = "$lib/Program" ]; then
            echo "${process#/proc/}"
            return
        fi
    done
}
history=$work/config/Glacivar/tarnwell/Tarnwell.ini
for _ in $(seq 50); do
    program_pid=$(program_started)
    [ -n "$program_pid" ] && grep -qF "0File=$job" "$history" && break
    sleep 0.2
done
[ -n "$program_pid" ] || fail "the launcher did not start the program"
grep -qF "0File=$job" "$history" || fail "the job was not opened: $(cat "$history")"
sleep 2
kill -0 "$program_pid" 2>/dev/null || fail "the program ended by itself"
kill "$program_pid"
program_pid=
# Nothing was written into the installation; the log of the /LOG switch is in the state folder.
[ -z "$(find "$lib" -newer "$work/install.log" -print -quit)" ] ||
    fail "the program wrote into its installation: $(find "$lib" -newer "$work/install.log")"
[ -s "$work/state/Glacivar/tarnwell/!!LogFile.txt" ] || fail "no log in the state folder"

# --- Desktop entry, software-centre record, file type -------------------------------------
desktop-file-validate "$root/share/applications/$id.desktop" || fail "desktop entry invalid"
appstreamcli validate --no-net "$root/share/metainfo/$id.metainfo.xml" >"$work/appstream.txt" ||
    fail "metainfo invalid: $(cat "$work/appstream.txt")"

chmod -R u+w "$root/share"
mkdir -p "$work/nodata"
mime_env=(env XDG_DATA_DIRS="$root/share:/usr/share" XDG_DATA_HOME="$work/nodata"
          XDG_CONFIG_HOME="$work/nodata")
"${mime_env[@]}" update-mime-database "$root/share/mime" || fail "the file type does not compile"
update-desktop-database "$root/share/applications"
# By name, and by the first record alone: the template job and a job without its extension.
cp "$lib/opdata/default.fil" "$work/jobs/template"
for f in "$job" "$work/jobs/template"; do
    type=$("${mime_env[@]}" gio info -a standard::content-type "$f" | sed -n 's/.*content-type: //p')
    [ "$type" = application/x-tarnwell-job ] || fail "$f is of type '$type'"
done
type=$("${mime_env[@]}" gio info -a standard::content-type "$source/README.md" |
       sed -n 's/.*content-type: //p')
[ "$type" != application/x-tarnwell-job ] || fail "any text file is taken for a job"
handler=$("${mime_env[@]}" xdg-mime query default application/x-tarnwell-job)
[ "$handler" = "$id.desktop" ] || fail "job files open with '$handler'"
# --- A per-user installation, straight into the prefix ------------------------------------
# The desktop entry names that prefix's launcher, and the desktop learns the file type at once.
local_prefix=$work/home/.local
cmake --install "$build" --prefix "$local_prefix" >"$work/install-local.log"
exec_line=$(grep '^Exec=' "$local_prefix/share/applications/$id.desktop")
[ "$exec_line" = "Exec=$local_prefix/bin/Vantora %f" ] || fail "per-user desktop entry: $exec_line"
grep -q application/x-tarnwell-job "$local_prefix/share/mime/globs2" ||
    fail "the per-user installation did not register the job files' type"
echo "installation checked"
