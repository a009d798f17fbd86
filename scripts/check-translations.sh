#!/usr/bin/env bash
# Fails when a text of the program has no translation: runs the update of
# the translation files on copies and lists every message that came in (or
# stayed) unfinished. Nothing in the tree is changed.
#
#   scripts/check-translations.sh            every language
#   scripts/check-translations.sh --count    only counts, never fails
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
count_only=0
if [ "${1:-}" = --count ]; then count_only=1; fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$root/src" "$root/scripts" "$work/"
mkdir -p "$work/translations"
cp "$root"/translations/*.ts "$work/translations/"
bash "$work/scripts/update-translations.sh" >/dev/null
status=0
for ts in "$work"/translations/*.ts; do
    name=$(basename "$ts")
    untranslated=$(python3 - "$ts" <<'PY'
import sys, xml.etree.ElementTree as ET
root = ET.parse(sys.argv[1]).getroot()
for ctx in root.findall('context'):
    for m in ctx.findall('message'):
        tr = m.find('translation')
        if tr is not None and tr.get('type') == 'unfinished':
            print(f"{ctx.findtext('name')}: {m.findtext('source')!r}")
PY
)
    n=$(printf '%s' "$untranslated" | grep -c . || true)
    total=$(grep -c '<message' "$ts" || true)
    echo "$name: $((total - n)) of $total texts translated"
    if [ "$n" -gt 0 ]; then
        status=1
        if [ $count_only -eq 0 ]; then printf '%s\n' "$untranslated" | sed 's/^/  untranslated: /'; fi
    fi
done
if [ $count_only -eq 1 ]; then exit 0; fi
exit $status
