#!/usr/bin/env bash
# Brings po/velmar.pot up to date with the sources and merges it into every
# catalog of po/LINGUAS: new texts come in untranslated and changed ones marked
# fuzzy, for the translators. BUILD (default: build) is a configured build
# folder, named from the top of the source tree.
#
#   po/update-template.sh [BUILD]
set -euo pipefail
cd "$(dirname "$0")/.."
po/extract-template.sh "${1:-build}" po/velmar.pot
while read -r language; do
    msgmerge --quiet --update --backup=none "po/$language.po" po/velmar.pot
done < po/LINGUAS
