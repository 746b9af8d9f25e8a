#!/usr/bin/env bash
# Builds the Debian package from the build folder `make test` left, checks it, installs it for
# real, uses the installed programs as a user without a start directory of their own, and
# removes it again, checking that nothing of it is left under /usr.  Needs root (or sudo).
#
# usage: scripts/check-package.sh [BUILD]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-build}
cd "$root"

if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=sudo
else
    sudo_cmd=
fi
step() { printf '\n== %s\n' "$*"; }
fail() { echo "check-package: $*" >&2; exit 1; }

step "make package"
rm -f "$build"/gridwright_*.deb
make package BUILD="$build"
deb=$(ls "$root/$build"/gridwright_*.deb)
dpkg-deb --info "$deb"
dpkg -c "$deb"

step "lintian"
# No warning is kept.  Notes at the "info" level that stay, and why:
#   hardening-no-bindnow, hardening-no-fortify-functions: the programs are built with the
#       project's own flags (the same build the tests ran), not dpkg-buildflags.
#   binary-has-unneeded-section: cpack strips the debug information only.
#   package-contains-documentation-outside-usr-share-doc: GRIDW.HTML is the manual the program
#       opens from its own data folder (Help, User Manual).
lintian --fail-on error,warning --info "$deb"

step "desktop-file-validate and appstreamcli"
desktop-file-validate packaging/org.gridwright.Gridwright.desktop
appstreamcli validate --no-net --pedantic packaging/org.gridwright.Gridwright.metainfo.xml

step "apt install"
export DEBIAN_FRONTEND=noninteractive
$sudo_cmd apt-get install -y -qq "$deb"
installed_files=$(dpkg -L gridwright)
test -x /usr/bin/gridwright && test -x /usr/bin/gridwright-cli || fail "the programs are not in /usr/bin"

# A user of their own, with an empty home folder and no settings anywhere.
home=$(mktemp -d /tmp/gw-package-home.XXXXXX)
trap 'rm -rf "$home"' EXIT
as_user() { env -i PATH=/usr/bin:/bin HOME="$home" "$@"; }
if [ "$(id -u)" -eq 0 ]; then
    chown nobody: "$home"
    as_user() { runuser -u nobody -- env -i PATH=/usr/bin:/bin HOME="$home" "$@"; }
fi
work="$home/work"
as_user mkdir "$work"
cat > "$home/words.txt" <<'EOF'
COW: moo
HORSE: neigh
PIG: oink
SHEEP: baa
GOAT: bleat
DUCK: quack
GOOSE: honk
DONKEY: bray
EOF
chmod a+r "$home/words.txt"

# Each command prints only its own output: standard error stays empty.
quiet() {
    local err="$home/stderr"
    (cd "$work" && as_user "$@" 2> "$err") || { cat "$err" >&2; fail "failed: $*"; }
    [ ! -s "$err" ] || { cat "$err" >&2; fail "wrote to standard error: $*"; }
}
step "gridwright-cli from /usr/bin"
quiet /usr/bin/gridwright-cli --version
quiet /usr/bin/gridwright-cli list /usr/share/gridwright/SAMPLE.ZP3
quiet /usr/bin/gridwright-cli generate --words "$home/words.txt" --shape 0 --attempts 30 --seed 1 \
    --title Farm --category Animals --out "$work/mine.ZP3"
quiet /usr/bin/gridwright-cli show "$work/mine.ZP3" 0
quiet /usr/bin/gridwright-cli print "$work/mine.ZP3" 0 --pdf "$work/farm.pdf"
quiet /usr/bin/gridwright-cli export "$work/mine.ZP3" 0 --web-puzzle "$work/farm.html"
quiet /usr/bin/gridwright-cli spell "$work/mine.ZP3" 0 --dictionary 1
quiet /usr/bin/gridwright-cli thesaurus happy --thesaurus 1
head -c 5 "$work/farm.pdf" | grep -q '%PDF-' || fail "print wrote no PDF"
pdftotext "$work/farm.pdf" - | grep -q Farm || fail "the printed page lacks its title"
test -s "$work/farm.html" || fail "export wrote no web puzzle"

step "gridwright opens a collection and closes"
(cd "$home" && as_user QT_QPA_PLATFORM=offscreen timeout 120 /usr/bin/gridwright --quit "$work/mine.ZP3")
grep -qi "^Last Group=$work/mine.ZP3" "$home/.config/gridwright/GRIDW3.INI" \
    || fail "the settings do not name the collection opened"
test -f "$home/.local/share/gridwright/SAMPLE.ZP3" || fail "the first start found no sample puzzles"

step "the collection's file type opens the program"
filetype=$(as_user XDG_DATA_DIRS=/usr/share gio info -a standard::content-type "$work/mine.ZP3" \
    | sed -n 's/.*standard::content-type: //p')
[ "$filetype" = application/x-gridwright-collection ] || fail "a .ZP3 file is of type '$filetype'"
handler=$(as_user XDG_DATA_DIRS=/usr/share xdg-mime query default application/x-gridwright-collection)
[ "$handler" = org.gridwright.Gridwright.desktop ] || fail "a collection opens with '$handler'"

step "apt purge"
$sudo_cmd apt-get purge -y -qq gridwright
left=()
while IFS= read -r path; do
    # Folders the package shares with others (/usr/share/icons/...) stay.
    if [ -e "$path" ] && { [ ! -d "$path" ] || [[ "$path" == */gridwright ]]; }; then
        left+=("$path")
    fi
done <<< "$installed_files"
[ ${#left[@]} -eq 0 ] || fail "left under /usr: ${left[*]}"
echo "check-package: the package builds, checks clean, installs, works and goes away"
