#!/usr/bin/env bash
# Every text of the program is translated: lupdate runs over the sources into a copy of each .ts
# file, and the check fails on any message that is new (unfinished), gone from the sources
# (vanished or obsolete), finished but empty (lrelease takes an empty translation without a type as
# done, and the English text shows), or a text table entry that is not marked for translation. The
# failure lists each one, so the missing translations are easy to find.
#
#   check_translations.sh LUPDATE SOURCE_DIR TS_FILE...
set -uo pipefail

lupdate=$1
sources=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0

# A table entry written without QT_TRANSLATE_NOOP is invisible to lupdate.
unmarked=$(grep -nE '^\s*\{[0-9]+, *"' "$sources/platform/TextTable.cpp")
if [ -n "$unmarked" ]; then
    echo "text table entries not marked with QT_TRANSLATE_NOOP(\"Texts\", ...) in platform/TextTable.cpp:"
    echo "$unmarked"
    failed=1
fi

for ts in "$@"; do
    copy="$work/$(basename "$ts")"
    cp "$ts" "$copy"
    if ! "$lupdate" -silent -locations none -no-ui-lines "$sources" -ts "$copy" >"$work/lupdate.log" 2>&1; then
        cat "$work/lupdate.log"
        failed=1
        continue
    fi
    # One line per message that needs work: context, kind, source text.
    problems=$(awk '
        /<name>/ { sub(/.*<name>/, ""); sub(/<\/name>.*/, ""); context = $0 }
        /<source>/ {
            source = $0; sub(/.*<source>/, "", source); sub(/<\/source>.*/, "", source)
            gsub(/&lt;/, "<", source); gsub(/&gt;/, ">", source); gsub(/&quot;/, "\"", source)
            gsub(/&apos;/, "\047", source); gsub(/&amp;/, "\\&", source)
        }
        /<translation type="(unfinished|vanished|obsolete)"/ {
            match($0, /type="[a-z]+"/)
            print "  " context ": " substr($0, RSTART + 6, RLENGTH - 7) ": " source
        }
        /<translation( *\/>|><\/translation>)/ { print "  " context ": empty: " source }' "$copy")
    if [ -n "$problems" ]; then
        echo "$(basename "$ts") needs translating (run: cmake --build <build> --target update_translations," \
             "then fill in translations/$(basename "$ts")):"
        echo "$problems"
        failed=1
    fi
done
[ "$failed" -eq 0 ] && echo "all texts translated in: $*"
exit "$failed"
