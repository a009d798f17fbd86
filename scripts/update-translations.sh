#!/usr/bin/env bash
# Brings translations/vorel_<code>.ts up to date with the sources: new texts
# come in unfinished, texts no longer used go. Texts of the widgets are
# those given to tr() and QCoreApplication::translate(); texts of the core
# are those given to VT() or marked with VN(), which go into the context
# "Core".
#
#   scripts/update-translations.sh [translations/vorel_xx.ts ...]
#
# With no file named, every translation file is updated. To start a new
# language, name its file (translations/vorel_de.ts): lupdate makes it.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
if [ ! -x "$lupdate" ]; then
    echo "lupdate not found (Debian: qt6-l10n-tools); set LUPDATE" >&2
    exit 2
fi
files=("$@")
if [ ${#files[@]} -eq 0 ]; then files=(translations/*.ts); fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# lupdate cannot tell a free function's context; the core's texts all get one.
{ grep -rhoE '\bV[TN]\("([^"\\]|\\.)*"\)' src || true; } | sort -u |
    sed -E 's/^V[TN]\((.*)\)$/QT_TRANSLATE_NOOP("Core", \1);/' > "$work/CoreTexts.cpp"
"$lupdate" -silent -locations none -no-obsolete -source-language ja -extensions cpp,h \
    src "$work/CoreTexts.cpp" -ts "${files[@]}"
