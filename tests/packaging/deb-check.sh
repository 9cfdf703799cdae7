#!/usr/bin/env bash
# Makes the Debian package the README's way, from a release build in BUILD_DIR,
# and checks it as a user's machine meets it: the files are those cmake
# --install puts under /usr plus Debian's own, the control fields, lintian, the
# software centres' listing, and the program unpacked from it answering
# --version and drawing into a given window on an X server of its own.
#   tests/packaging/deb-check.sh BUILD_DIR VERSION
# Needs scripts/install-deps.sh --test.
set -uo pipefail
work=$(mktemp -d /tmp/velmar-deb-XXXXXX)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAILED: $*"
    failures=$((failures + 1))
}

# Run under xvfb-run by the check below: the unpacked program as a screensaver
# in the root window, which it must draw in blue water and leave on SIGTERM.
if [[ $1 == --screensaver ]]; then
    root=$(xwininfo -root | awk '/Window id:/ { print $4 }')
    XDG_CONFIG_HOME=$work HOME=$work "$2" -window-id "$root" 2>"$work/err" &
    pid=$!
    for ((i = 0; i < 300; ++i)); do
        import -window root "$work/shot.png" 2>/dev/null
        water=$(convert "$work/shot.png" -format '%[fx:mean.b > mean.r + 0.15]' info: 2>/dev/null)
        [[ $water == 1 ]] || ! kill -0 "$pid" 2>/dev/null && break
        sleep 0.1
    done
    [[ $water == 1 ]] || fail "no tank drawn into window $root"
    kill -TERM "$pid" 2>/dev/null
    wait "$pid" || fail "SIGTERM ended it with status $?"
    [[ $failures -eq 0 ]] || cat "$work/err"
    exit "$failures"
fi

source=$(cd "$(dirname "$0")/../.." && pwd)
build=$1
version=$2
deb=$("$source/scripts/build-deb.sh" "$build" | tail -n 1) || exit 1
[[ $(basename "$deb") == "velmar_${version}-1_$(dpkg --print-architecture).deb" ]] ||
    fail "the package is called $deb"

cmake --install "$build" --prefix "$work/install/usr" > /dev/null
(
    cd "$work/install" && find . ! -type d
    echo ./usr/share/doc/velmar/copyright
    echo ./usr/share/doc/velmar/changelog.Debian.gz
    echo ./usr/games/velmar
) | sort > "$work/expected"
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sort > "$work/packed"
diff "$work/expected" "$work/packed" || fail "files missing from the package (<) or not installed (>)"

field() { dpkg-deb -f "$deb" "$1"; }
[[ $(field Package) == velmar && $(field Version) == "$version-1" && $(field Section) == games ]] ||
    fail "package, version or section: $(field Package) $(field Version) $(field Section)"
contact='^[^<]+ <[^@]+@[^>]+>$'
[[ $(field Maintainer) =~ $contact ]] || fail "maintainer: $(field Maintainer)"
# libmpv by hand (it is opened at run time), the rest as dpkg-shlibdeps found them.
depends='^libmpv2, .*libc6 \(>= .*libwxgtk'
[[ $(field Depends) =~ $depends ]] || fail "depends: $(field Depends)"
[[ $(field Description | wc -l) -gt 3 ]] || fail "no long description: $(field Description)"
[[ $(field Recommends) == *wx3.2-i18n*fonts-noto-cjk* ]] || fail "recommends: $(field Recommends)"

# Debian's own checks; the warnings left are explained in docs/DEVELOPING.md.
lintian "$deb" 2>/dev/null > "$work/lintian" || fail "lintian ended with $?"
cat "$work/lintian"
grep -E '^[EW]: ' "$work/lintian" |
    grep -v -E 'initial-upload-closes-no-bugs|package-section-games-but-has-usr-bin' &&
    fail "lintian: a complaint docs/DEVELOPING.md does not explain"

dpkg-deb -x "$deb" "$work/root"
metainfo=$(echo "$work"/root/usr/share/metainfo/*.metainfo.xml)
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"
grep -q "<release version=\"$version\"" "$metainfo" || fail "the listing names another release"
grep -q '<launchable type="desktop-id">velmar.desktop<' "$metainfo" &&
    [[ -f $work/root/usr/share/applications/velmar.desktop ]] || fail "the listing's desktop entry"

velmar=$work/root/usr/bin/velmar
[[ $("$velmar" --version) == "velmar $version" ]] || fail "--version: $("$velmar" --version)"
while read -r language; do
    [[ -f $work/root/usr/share/locale/$language/LC_MESSAGES/velmar.mo ]] ||
        fail "no catalog for $language in the package"
done < "$source/po/LINGUAS"
# The unpacked program finds its catalogs under its own prefix.
[[ $(LANGUAGE= LC_ALL=de_DE.UTF-8 "$velmar" --help) != $(LANGUAGE= LC_ALL=C.UTF-8 "$velmar" --help) ]] ||
    fail "--help is English under de_DE.UTF-8"
xvfb-run -a -s "-screen 0 640x480x24" "$0" --screensaver "$velmar" || fail "screensaver run"
[[ $failures -eq 0 ]] && echo "The package $deb is right"
exit "$failures"
