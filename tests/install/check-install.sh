#!/usr/bin/env bash
# check-install.sh BUILD_DIR SESSION: installs BUILD_DIR into a temporary folder (DESTDIR) and
# checks the layout, the desktop entry and metainfo, and where the user's files go: an installed
# copy run by a user who cannot write its prefix keeps them in ~/.local/share/vastgoed-atelier,
# a portable copy beside its executable.
set -euo pipefail
build=$1
session=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
chmod 755 "$tmp"
fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR="$tmp/root" "${CMAKE:-cmake}" --install "$build" --prefix /usr >/dev/null
P=$tmp/root/usr
share=share/vastgoed-atelier
bin=games   # a game's program lives where Debian puts games
metainfo=share/metainfo/nl.vastgoedatelier.VastgoedAtelier.metainfo.xml
expected=(
    $bin/vastgoed-atelier
    $share/Data/Data-{1,2,3,4,5,6,7,8,9}.vgx
    $share/Help/{help,spelregels-normaal,spelregels-junior,spelregels-thema}.pdf
    $share/Help/meer-software.html
    share/applications/vastgoed-atelier.desktop
    share/mime/packages/vastgoed-atelier.xml
    share/icons/hicolor/{48x48,128x128,256x256}/apps/vastgoed-atelier.png
    "$metainfo"
    share/man/man6/vastgoed-atelier.6.gz
    share/doc/vastgoed-atelier/{copyright,changelog.gz}
)
installed=$(cd "$P" && find . -type f | sed 's|^\./||' | sort)
wanted=$(printf '%s\n' "${expected[@]}" | sort)
[ "$installed" = "$wanted" ] || fail "installed files differ:
$(diff <(echo "$wanted") <(echo "$installed") || true)"
[ -x "$P/$bin/vastgoed-atelier" ] || fail "the program is not executable"

# Each icon is a PNG of its folder's size (width and height are bytes 16..23).
for size in 48 128 256; do
    png=$P/share/icons/hicolor/${size}x${size}/apps/vastgoed-atelier.png
    header=$(od -An -tx1 -N24 "$png" | tr -d ' \n')
    [ "${header:0:16}" = 89504e470d0a1a0a ] || fail "$png is no PNG"
    [ "${header:32:16}" = "$(printf '%08x%08x' "$size" "$size")" ] || fail "$png is not ${size}x${size}"
done

desktop-file-validate "$P/share/applications/vastgoed-atelier.desktop"
appstreamcli validate --no-net --explain "$P/$metainfo" >/dev/null \
    || { appstreamcli validate --no-net --explain "$P/$metainfo"; fail "metainfo"; }
desktop=$P/share/applications/vastgoed-atelier.desktop
grep -qx 'Exec=vastgoed-atelier %f' "$desktop" || fail "Exec line"
# The desktop entry opens the file type the MIME package declares.
mime_type=$(sed -n 's/.*<mime-type type="\([^"]*\)".*/\1/p' "$P/share/mime/packages/vastgoed-atelier.xml")
[ "$mime_type" = application/x-vastgoed-project ] || fail "MIME package: type '$mime_type'"
grep -qx "MimeType=$mime_type;" "$desktop" || fail "the desktop entry does not open $mime_type"
# shared-mime-info's own tool reads the package and gives *.vastgoed the type.
mkdir -p "$tmp/mime/packages"
cp "$P/share/mime/packages/vastgoed-atelier.xml" "$tmp/mime/packages/"
update-mime-database "$tmp/mime" || fail "update-mime-database refuses the MIME package"
grep -q "application/x-vastgoed-project:\*\.vastgoed" "$tmp/mime/globs2" || fail "no glob for *.vastgoed"

cp "$session" "$tmp/session"
user_data=.local/share/vastgoed-atelier

# The installed copy, as a user who may not write the prefix.
if [ "$(id -u)" -eq 0 ] && id nobody >/dev/null 2>&1; then
    home=$tmp/home-nobody
    mkdir -p "$home/run" && chmod 700 "$home/run" && chown -R nobody "$home"
    # A clean environment, but a sanitizer build keeps its options.
    keep=()
    for v in ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS; do
        [ -n "${!v:-}" ] && keep+=("$v=${!v}")
    done
    as_nobody() {
        runuser -u nobody -- env -i PATH=/usr/bin:/bin HOME="$home" XDG_RUNTIME_DIR="$home/run" \
            QT_QPA_PLATFORM=offscreen "${keep[@]}" "$@"
    }
    as_nobody test ! -w "$P/$bin" || fail "the prefix is writable for the user"
    touch "$tmp/before"
    as_nobody VASTGOED_PROGRAM_DIR="$P/$bin" "$tmp/session" >"$tmp/session.log" 2>&1 \
        || { cat "$tmp/session.log"; fail "installed session"; }
    for f in Projecten/Thuis.vgd Projecten/Thuis/Speelbord.bmp; do
        [ -f "$home/$user_data/$f" ] || fail "installed copy: no $user_data/$f"
    done
    # The installed program itself finds the project there.
    as_nobody "$P/$bin/vastgoed-atelier" --export-pdf "$home/pdf" --project Thuis >/dev/null \
        || fail "the installed program cannot export the saved project"
    [ -s "$home/pdf/Speelbord.pdf" ] || fail "no Speelbord.pdf from the installed program"
    [ -z "$(find "$P" -newer "$tmp/before")" ] || fail "something was written into the prefix"

    # A copy with Data/ beside it in a folder the user cannot write reads its own pictures and
    # keeps the user's files in the user's data folder.
    readonly_copy=$tmp/readonly
    home=$tmp/home-nobody-readonly
    mkdir -p "$readonly_copy" "$home/run" && chmod 700 "$home/run" && chown -R nobody "$home"
    cp "$P/$bin/vastgoed-atelier" "$readonly_copy/"
    cp -r "$P/$share/Data" "$readonly_copy/Data"
    as_nobody VASTGOED_PROGRAM_DIR="$readonly_copy" "$tmp/session" >"$tmp/session.log" 2>&1 \
        || { cat "$tmp/session.log"; fail "read-only copy session"; }
    [ -f "$home/$user_data/Projecten/Thuis.vgd" ] || fail "read-only copy: no $user_data/Projecten/Thuis.vgd"
else
    echo "The installed copy as a user without write access is checked only when run as root."
fi

# A portable copy: the executable with Data/ beside it in a writable folder keeps everything there.
portable=$tmp/portable
home=$tmp/home-portable
mkdir -p "$portable" "$home/run"
chmod 700 "$home/run"
cp "$P/$bin/vastgoed-atelier" "$portable/"
cp -r "$P/$share/Data" "$portable/Data"
run() { env -u XDG_DATA_HOME HOME="$home" XDG_RUNTIME_DIR="$home/run" QT_QPA_PLATFORM=offscreen "$@"; }
run VASTGOED_PROGRAM_DIR="$portable" "$tmp/session" >"$tmp/session.log" 2>&1 \
    || { cat "$tmp/session.log"; fail "portable session"; }
[ -f "$portable/Projecten/Thuis.vgd" ] || fail "portable copy: no Projecten/Thuis.vgd beside it"
run "$portable/vastgoed-atelier" --export-pdf "$home/pdf" --project Thuis >/dev/null \
    || fail "the portable program cannot export the saved project"
[ ! -e "$home/.local" ] || fail "the portable copy wrote into the home folder"
echo "Install layout, desktop entry, metainfo and both copies are right."
