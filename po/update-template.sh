#!/usr/bin/env bash
# Collects every text a user reads into po/velmar.pot and merges the template
# into each catalog of po/LINGUAS, marking new and changed texts for the
# translators. BUILD (default: build) must be a configured build folder: the
# software centres' listing is read from there, as the build writes it.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
metainfo=("$build"/packaging/*.metainfo.xml)
[[ -f "${metainfo[0]}" ]] || { echo "update-template.sh: configure $build first" >&2; exit 2; }

common=(--package-name=velmar --package-version="$(sed -n 's/^project(velmar VERSION \([^ ]*\).*/\1/p' CMakeLists.txt)"
        --msgid-bugs-address=maintainers@velmar-aquarium.example --from-code=UTF-8 --sort-by-file)
sources=$(mktemp)
trap 'rm -f "$sources"' EXIT
git ls-files 'src/*.cpp' 'src/*.h' > "$sources"
pot=po/velmar.pot
xgettext "${common[@]}" --language=C++ --keyword=_ --keyword=Tr --keyword=N_ \
    --keyword=wxPLURAL:1,2 --add-comments=TRANSLATORS: --files-from="$sources" -o "$pot"
xgettext "${common[@]}" --join-existing --language=Desktop packaging/velmar.desktop.in \
    packaging/velmar-wallpaper.desktop.in -o "$pot"
xgettext "${common[@]}" --join-existing "${metainfo[0]}" -o "$pot"
# The listing is read from the build folder: name it by the source it comes from.
sed -i "s|${metainfo[0]}|packaging/velmar.metainfo.xml.in|" "$pot"
while read -r language; do
    msgmerge --quiet --update --backup=none "po/$language.po" po/velmar.pot
done < po/LINGUAS
