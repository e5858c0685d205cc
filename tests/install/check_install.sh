#!/usr/bin/env bash
# cmake --install into a temporary prefix: every file in its standard place and nothing else, the
# desktop entry, metainfo and type definition accepted by the desktop's own tools (when installed),
# the metainfo and the .deb telling the same description, the man pages rendered without a warning,
# and the installed tarvel's first start registering exactly the type definition and icon that were
# installed.
#
#   check_install.sh CMAKE BUILD_DIR
set -uo pipefail
cmake=$1
build=$2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
have() { command -v "$1" >/dev/null; }

"$cmake" --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 || {
    cat "$work/install.log" >&2
    echo "FAIL: cmake --install" >&2
    exit 1
}

icon_sizes=(16 32 48 64 128 256)
pages=(tarvel.1 tarvel-diary.1 tarvel-scale.1)
expected=(
    bin/tarvel bin/tarvel-diary bin/tarvel-scale
    share/applications/tarvel.desktop
    share/mime/packages/tarvel.xml
    share/metainfo/io.github.tarvel.Tarvel.metainfo.xml
    share/icons/hicolor/scalable/apps/tarvel.svg
    share/doc/tarvel/copyright
)
for size in "${icon_sizes[@]}"; do expected+=("share/icons/hicolor/${size}x${size}/apps/tarvel.png"); done
for page in "${pages[@]}"; do expected+=("share/man/man1/$page.gz"); done

# --- the tree -------------------------------------------------------------------------------------
installed=$(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | sort)
if ! diff <(printf '%s\n' "${expected[@]}" | sort) - <<<"$installed" >"$work/tree.diff"; then
    fail "the installed files are not the expected ones (< missing, > unexpected):"
    cat "$work/tree.diff" >&2
fi
for program in tarvel tarvel-diary tarvel-scale; do
    [ -x "$prefix/bin/$program" ] || fail "bin/$program is not executable"
done
out=$("$prefix/bin/tarvel-diary" --help) && grep -q '^Usage: tarvel-diary ' <<<"$out" ||
    fail "the installed tarvel-diary does not run"

# Each PNG is a PNG of its size: the signature, then width and height in the IHDR chunk.
for size in "${icon_sizes[@]}"; do
    png=$prefix/share/icons/hicolor/${size}x${size}/apps/tarvel.png
    [ -f "$png" ] || continue
    signature=$(od -An -tx1 -N8 "$png" | tr -d ' \n')
    read -r width height < <(od -An -tu4 --endian=big -j16 -N8 "$png")
    [ "$signature" = 89504e470d0a1a0a ] && [ "$width" = "$size" ] && [ "$height" = "$size" ] ||
        fail "${size}x${size}/apps/tarvel.png is not a ${size}x${size} PNG (${width:-?}x${height:-?})"
done

# --- desktop entry, metainfo, type ----------------------------------------------------------------
desktop=$prefix/share/applications/tarvel.desktop
for line in 'Exec=tarvel %f' 'Icon=tarvel' 'MimeType=application/x-tarvel-diary;' 'Type=Application'; do
    grep -qxF "$line" "$desktop" || fail "tarvel.desktop has no line \"$line\""
done
grep -q '^Categories=..*;$' "$desktop" || fail "tarvel.desktop has no Categories"
if have desktop-file-validate; then
    desktop-file-validate "$desktop" || fail "desktop-file-validate rejects tarvel.desktop"
else
    echo "desktop-file-validate not installed: desktop entry not validated"
fi

metainfo=$prefix/share/metainfo/io.github.tarvel.Tarvel.metainfo.xml
grep -qF '<launchable type="desktop-id">tarvel.desktop</launchable>' "$metainfo" ||
    fail "the metainfo does not launch tarvel.desktop"
if have appstreamcli; then
    appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects the metainfo"
else
    echo "appstreamcli not installed: metainfo not validated"
fi

# The software centre and the package describe the program alike: both come from description.txt.
# The .deb's text is the one CPack was configured with; tags, list dashes and line breaks aside, the
# words are the same.
words() { sed -e 's/<[^>]*>//g' -e 's/^ *- //' | tr -s ' \n' '  ' | sed -e 's/^ //' -e 's/ $//'; }
meta_text=$(sed -n '/<description>/,/<\/description>/p' "$metainfo" | words)
deb_text=$(awk '/^set\(CPACK_PACKAGE_DESCRIPTION "/ { on = 1; sub(/^[^"]*"/, "") }
    on { done = sub(/"\)$/, ""); print; if (done) exit }' "$build/CPackConfig.cmake" | words)
[ -n "$meta_text" ] && [ "$meta_text" = "$deb_text" ] ||
    fail "the metainfo and the package describe the program differently:
  metainfo: $meta_text
  package:  $deb_text"
meta_summary=$(sed -n 's|.*<summary>\(.*\)</summary>.*|\1|p' "$metainfo")
deb_summary=$(sed -n 's/^set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
[ -n "$meta_summary" ] && [ "${meta_summary,}" = "$deb_summary" ] ||
    fail "the metainfo's summary \"$meta_summary\" is not the package's \"$deb_summary\""

if have update-mime-database; then
    mkdir -p "$work/mime/packages" && cp "$prefix/share/mime/packages/tarvel.xml" "$work/mime/packages/"
    update-mime-database "$work/mime" >/dev/null 2>&1 || fail "update-mime-database rejects tarvel.xml"
    grep -qxF '50:application/x-tarvel-diary:*.ov1' "$work/mime/globs2" ||
        fail "the type database does not map *.ov1 to application/x-tarvel-diary"
fi

# --- man pages ------------------------------------------------------------------------------------
for page in "${pages[@]}"; do
    file=$prefix/share/man/man1/$page.gz
    [ -f "$file" ] || continue
    if have man; then
        warnings=$(MANWIDTH=80 LC_ALL=C.UTF-8 man --warnings -E UTF-8 -l "$file" 2>&1 >/dev/null)
    else
        warnings=$(gzip -dc "$file" | groff -ww -man -Tutf8 -z 2>&1)
    fi
    [ -z "$warnings" ] || fail "$page renders with warnings: $warnings"
done

# --- first start --------------------------------------------------------------------------------
# The installed tarvel, in a private home, writes the per-user type, desktop entry and icon on its
# first start; they must be the installed ones, the desktop entry's Exec pointing at the program
# itself.
home=$work/home
mkdir -p "$home" "$work/run" && chmod 700 "$work/run"
HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share XDG_RUNTIME_DIR=$work/run \
    QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 LANGUAGE= TZ=UTC "$prefix/bin/tarvel" >"$work/tarvel.log" 2>&1 &
tarvel=$!
user_mime=$home/.local/share/mime/packages/tarvel.xml
user_desktop=$home/.local/share/applications/tarvel.desktop
user_icon=$home/.local/share/icons/hicolor/scalable/apps/tarvel.svg
for _ in $(seq 200); do
    [ -s "$user_mime" ] && [ -s "$user_desktop" ] && [ -s "$user_icon" ] && break
    kill -0 "$tarvel" 2>/dev/null || break
    sleep 0.1
done
kill "$tarvel" 2>/dev/null
wait "$tarvel" 2>/dev/null
if [ -s "$user_mime" ] && [ -s "$user_desktop" ]; then
    cmp -s "$user_mime" "$prefix/share/mime/packages/tarvel.xml" ||
        fail "the first start registers another type definition"
    diff <(sed "s|^Exec=$prefix/bin/tarvel |Exec=tarvel |" "$user_desktop") "$desktop" >"$work/desktop.diff" ||
        fail "the first start writes another desktop entry: $(cat "$work/desktop.diff")"
    cmp -s "$user_icon" "$prefix/share/icons/hicolor/scalable/apps/tarvel.svg" ||
        fail "the first start puts no icon, or another, into the user's icon theme"
else
    fail "the installed tarvel did not register the type on its first start: $(cat "$work/tarvel.log")"
fi

[ "$failures" -eq 0 ] || exit 1
echo "installed into $prefix: ${#expected[@]} files; desktop entry, metainfo, descriptions, type, icon and" \
    "man pages checked"
