#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the .deb from a built tree with CPack, checks its control data and contents and runs
# lintian on it, then unpacks it and starts the unpacked program the way a menu would, in the
# private X server of tests/support/run-in-xvfb, and closes it with the keyboard.
# Usage: debpackage.sh BUILD_DIR SOURCE_DIR path/to/layoutfacts
set -euo pipefail

usage="usage: debpackage.sh BUILD_DIR SOURCE_DIR path/to/layoutfacts"
build=${1:?$usage}
source=${2:?$usage}
layoutfacts=${3:?$usage}
readonly app_id=org.example.Ashfever
readonly icon_sizes=(16 22 24 32 48 64 128 256)

# The unpacked program is started and played by the end-to-end tests' driver.
name=debpackage
source "$source/tests/support/xprogram.sh"
work=$(mktemp -d)
trap 'end_program_on_exit; rm -rf "$work"' EXIT
fail() {
    printf 'debpackage: FAILED: %s\n' "$*" >&2
    for output in "$work/cpack.log" "$work/lintian.log" "$log"; do
        if [[ -s "$output" ]]; then
            echo "--- $(basename "$output") ---" >&2
            cat "$output" >&2
        fi
    done
    exit 1
}

# --- 1. The package ---------------------------------------------------------------------

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1 ||
    fail "cpack could not build the package"
debs=("$work"/out/*.deb)
((${#debs[@]} == 1)) && [[ -f "${debs[0]}" ]] || fail "expected one .deb, found: ${debs[*]}"
deb=${debs[0]}
stage "built $(basename "$deb")"

field() { dpkg-deb --field "$deb" "$1"; }
expect_field() {
    local value
    value=$(field "$1")
    [[ "$value" == "$2" ]] || fail "$1 is \"$value\", expected \"$2\""
}
expect_field Package ashfever
expect_field Section games
expect_field Maintainer "Ashfever team <ashfever-team@example.org>"
expect_field Architecture "$(dpkg --print-architecture)"
[[ -n "$(field Description)" ]] || fail "the package has no description"

# One entry of Depends per line, as "name" or "name (>= version)".
depends=$(field Depends)
dependencies=$(sed 's/, */\n/g' <<<"$depends")
# Versioned library dependencies are what dpkg-shlibdeps writes; a hand-made list would not
# know the versions.
for library in libqt6widgets6 libqt6gui6 libqt6core6 libc6 libstdc++6; do
    grep -qxF -e "$library" <<<"$(sed -n 's/ (>= [^)]*)$//p' <<<"$dependencies")" ||
        fail "Depends lacks a computed \"$library (>= ...)\": $depends"
done
# Qt loads the xcb platform plugin at run time, so its package must be there as well.
xcb_package=$(dpkg-query --search '*/qt6/plugins/platforms/libqxcb.so' | sed -n '1s/[:,].*//p')
[[ -n "$xcb_package" ]] || fail "no installed package holds Qt 6's xcb plugin"
grep -qxF -e "$xcb_package" <<<"$(sed 's/ (.*//' <<<"$dependencies")" ||
    fail "Depends lacks $xcb_package, which holds the xcb platform plugin: $depends"
stage "control data as expected; Depends: $depends"

# Every file the package holds, and nothing else (no tests, no build leftovers).
expected=(
    ./usr/games/ashfever
    ./usr/share/man/man6/ashfever.6.gz
    ./usr/share/man/ru/man6/ashfever.6.gz
    "./usr/share/applications/$app_id.desktop"
    "./usr/share/metainfo/$app_id.metainfo.xml"
    ./usr/share/doc/ashfever/LICENSE-LiberationSans.txt
    ./usr/share/doc/ashfever/copyright
    ./usr/share/doc/ashfever/changelog.gz
    ./usr/share/ashfever/chronicle.html
)
for size in "${icon_sizes[@]}"; do
    expected+=("./usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png")
done
actual=$(dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ { print $6 }' | sort)
wanted=$(printf '%s\n' "${expected[@]}" | sort)
[[ "$actual" == "$wanted" ]] ||
    fail "package contents differ:$(printf '\n')$(diff <(echo "$wanted") <(echo "$actual") || true)"
stage "contents: program, manual pages, menu entry, metainfo, chronicle, licences, changelog," \
    "${#icon_sizes[@]} icons"

# Debian's checks of a binary package: any error or warning fails.
lintian --no-cfg --display-level '>=warning' --fail-on error,warning "$deb" \
    >"$work/lintian.log" 2>&1 || fail "lintian reports errors or warnings, or could not check the package"
stage "lintian: no errors, no warnings"

# --- 2. The unpacked files --------------------------------------------------------------

root=$work/root
dpkg-deb --extract "$deb" "$root"

# The menu entry is packaging/'s, with its chronicle action pointing into the package.
readonly chronicle=/usr/share/ashfever/chronicle.html
cmp -s "$root/usr/share/applications/$app_id.desktop" \
    <(sed "s|@CHRONICLE_FILE@|$chronicle|" "$source/packaging/$app_id.desktop.in") ||
    fail "the installed menu entry is not the one in packaging/"
desktop-file-validate "$root/usr/share/applications/$app_id.desktop" >"$work/desktop.log" 2>&1 ||
    fail "the installed menu entry does not validate: $(cat "$work/desktop.log")"
# So are the manual pages, English and Russian, with the installed chronicle in them.
expect_manual_page() {
    cmp -s <(gzip --decompress --stdout "$root/usr/share/man/$1.gz") \
        <(sed "s|@CHRONICLE_FILE@|$chronicle|" "$source/packaging/$2.in") ||
        fail "the installed manual page $1 is not packaging/$2.in"
}
expect_manual_page man6/ashfever.6 ashfever.6
expect_manual_page ru/man6/ashfever.6 ashfever.ru.6
cmp -s "$root$chronicle" "$source/chronicle/chronicle.html" || fail "the chronicle differs"
[[ "$(sed -n 's/^Exec=xdg-open //p' "$root/usr/share/applications/$app_id.desktop")" == "$chronicle" ]] ||
    fail "the menu entry does not open the installed chronicle"
[[ "$(field Recommends)" == *xdg-utils* ]] || fail "the package does not recommend xdg-utils"
cmp -s "$root/usr/share/metainfo/$app_id.metainfo.xml" "$source/packaging/$app_id.metainfo.xml" ||
    fail "the installed metainfo is not the one in packaging/"
cmp -s "$root/usr/share/doc/ashfever/LICENSE-LiberationSans.txt" \
    "$source/designs/fonts/LICENSE-LiberationSans.txt" || fail "the font licence differs"

# The copyright file carries the whole text of the font's licence, which Debian does not keep
# among its common licences: one space in front of every line, "." for each empty one.
copyright=$root/usr/share/doc/ashfever/copyright
ofl=$(awk -v RS= '/^License: OFL-1\.1\n/' "$copyright" | sed '1d; s/^ //; s/^\.$//')
[[ "$ofl" == "$(cat -s "$source/LICENSES/OFL-1.1.txt")" ]] ||
    fail "the copyright file lacks the font licence's text, or holds another"
# The newest changelog entry is the package's version.
changelog=$(gzip --decompress --stdout "$root/usr/share/doc/ashfever/changelog.gz") ||
    fail "changelog.gz is not gzip data"
[[ "$(head -n 1 <<<"$changelog")" == "ashfever ($(field Version)) "* ]] ||
    fail "the changelog's newest entry is not version $(field Version): $(head -n 1 <<<"$changelog")"

for size in "${icon_sizes[@]}"; do
    icon="$root/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png"
    kind=$(file --brief "$icon")
    [[ "$kind" == "PNG image data, $size x $size,"* ]] || fail "the ${size}x${size} icon is $kind"
done

# A key of the main entry, not of its actions.
entry() { sed -n "/^\[Desktop Entry\]/,/^\[/ s/^$1=//p" "$root/usr/share/applications/$app_id.desktop"; }
[[ "$(entry Icon)" == "$app_id" ]] || fail "the menu entry's Icon is $(entry Icon)"
[[ -x "$root/usr/games/$(entry Exec)" ]] || fail "the menu entry runs $(entry Exec), not in usr/games"
# The metainfo's newest release is the package's version.
release=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' \
    "$root/usr/share/metainfo/$app_id.metainfo.xml" | head -n 1)
[[ "$release" == "$(field Version)" ]] ||
    fail "the metainfo's release $release is not the package version $(field Version)"
# A desktop matches the program's windows to its entry by this name (Wayland's app id). The
# name is a UTF-16 string in the program; what lies before it may read as a character too.
grep -qE -e "${app_id//./\\.}\$" <<<"$(strings --encoding=l "$root/usr/games/ashfever")" ||
    fail "the program does not announce the desktop file name $app_id"
# The program finds its libraries where the system keeps them, never through a search path of
# its own that could point into a build tree or let another Qt in.
[[ -z "$(readelf --dynamic "$root/usr/games/ashfever" | grep -E 'RPATH|RUNPATH' || true)" ]] ||
    fail "the program carries a library search path of its own"
stage "unpacked files match the sources; icons are their sizes; no private library path"

# --- 3. Start the unpacked program as the menu would -------------------------------------

# Nothing of the build tree may leak in: the program finds its Qt the way an installed one does.
cd "$root"
start_program /usr/bin/env -u LD_LIBRARY_PATH -u QT_PLUGIN_PATH "$root/usr/games/$(entry Exec)"

quiz=$(wait_for_window "$quiz_title")
load_layout "$layoutfacts"
assert_size "$quiz" "the quiz window" "${quiz_client[@]}"
wm_class=$(xprop -id "$quiz" WM_CLASS)
[[ "$wm_class" == *"\"$(entry StartupWMClass)\""* ]] ||
    fail "the menu entry's StartupWMClass $(entry StartupWMClass) is not the window's $wm_class"
stage "the unpacked program shows its quiz window ($wm_class)"

# Without a window manager the keyboard follows the pointer: rest it on the answer list, which
# has the focus. Esc there ends the quiz and brings the closing credits, and Esc ends those.
middle list quiz_lstAns
point_at "$quiz" "${list[@]}"
press Escape
help=$(wait_for_window "$help_title")
middle help_text help_txthelp
point_at "$help" "${help_text[@]}"
press Escape
expect_exit "the credits closed"
stage "closed with Esc twice; exit status 0"
