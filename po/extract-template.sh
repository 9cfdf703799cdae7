#!/usr/bin/env bash
# Writes the template of every text a user reads to OUTPUT: the sources' Tr(),
# _(), N_() and wxPLURAL() texts, the menu entries and the software centres'
# listing. BUILD must be a configured build folder: the listing is read from
# there, as the build writes it.
#
#   po/extract-template.sh BUILD OUTPUT
set -euo pipefail
build=$(realpath "$1")
output=$(realpath "$2")
cd "$(dirname "$0")/.."
listing=("$build"/packaging/*.metainfo.xml.in)
[[ -f "${listing[0]}" ]] || { echo "extract-template.sh: configure $build first" >&2; exit 2; }

version=$(sed -n 's/^project(velmar VERSION \([^ ]*\).*/\1/p' CMakeLists.txt)
common=(--package-name=velmar --package-version="$version" --from-code=UTF-8 --sort-by-file
        --msgid-bugs-address=maintainers@velmar-aquarium.example)
sources=$(mktemp)
trap 'rm -f "$sources"' EXIT
git ls-files 'src/*.cpp' 'src/*.h' > "$sources"
xgettext "${common[@]}" --language=C++ --keyword=_ --keyword=Tr --keyword=N_ \
    --keyword=wxPLURAL:1,2 --add-comments=TRANSLATORS: --files-from="$sources" -o "$output"
xgettext "${common[@]}" --join-existing --language=Desktop packaging/velmar.desktop.in \
    packaging/velmar-wallpaper.desktop.in -o "$output"
xgettext "${common[@]}" --join-existing "${listing[0]}" -o "$output"
# Named by the source the build makes the listing from.
sed -i "s|${listing[0]}|packaging/velmar.metainfo.xml.in|" "$output"
