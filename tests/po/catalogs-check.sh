#!/usr/bin/env bash
# The catalogs as a release needs them: the template holds exactly the texts
# of today's sources, and every catalog of po/LINGUAS compiles with its
# formats checked and translates every one of them, none left fuzzy.
#
#   catalogs-check.sh SOURCE_DIR BUILD_DIR
set -uo pipefail
source_dir=$1
build_dir=$2
po="$source_dir/po"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
status=0
fail() { echo "FAIL: $*" >&2; status=1; }

"$po/extract-template.sh" "$build_dir" "$scratch/fresh.pot" || fail "extracting the template"
# Each way round: no text the sources gained is missing, none they lost remains.
msgcmp --use-untranslated "$po/velmar.pot" "$scratch/fresh.pot" ||
    fail "po/velmar.pot lacks texts of the sources: run po/update-template.sh"
msgcmp --use-untranslated "$scratch/fresh.pot" "$po/velmar.pot" ||
    fail "po/velmar.pot holds texts the sources no longer have: run po/update-template.sh"

while read -r language; do
    catalog="$po/$language.po"
    report=$(msgfmt --check --statistics -o /dev/null "$catalog" 2>&1) ||
        fail "$language.po does not compile: $report"
    [[ "$report" == *fuzzy* || "$report" == *untranslated* ]] &&
        fail "$language.po: $report"
    msgcmp "$catalog" "$po/velmar.pot" || fail "$language.po does not translate every text"
    msgcmp --use-untranslated "$po/velmar.pot" "$catalog" ||
        fail "$language.po holds texts the template does not"
done < "$po/LINGUAS"
exit $status
