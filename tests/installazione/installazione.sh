#!/usr/bin/env bash
# `make install` into a temporary prefix (with a space in its path, as a
# user's folder may have), checked file by file; the installed editor
# started from an empty folder; a staged install (DESTDIR); `make uninstall`.
#   installazione.sh <build folder> <source folder>     (needs an X display)
set -euo pipefail
BUILD=$(cd "$1" && pwd)
SORGENTI=$(cd "$2" && pwd)
TMP=$(mktemp -d /tmp/lavedo_installazione.XXXXXX)
PID=
trap '[ -n "$PID" ] && kill "$PID" 2>/dev/null; rm -rf "$TMP"' EXIT
PREFIX="$TMP/pre fisso"
fallito() { echo "FAILED: $*" >&2; exit 1; }
make_() { make --no-print-directory -C "$SORGENTI" BUILD="$BUILD" "$@" >/dev/null; }

make_ install-nobuild PREFIX="$PREFIX"

# What must be there, and nothing else of ours.
ATTESI=(bin/lavedo share/lavedo98/lavedo98.htb share/applications/lavedo98.desktop
        share/mime/packages/lavedo98.xml share/thumbnailers/lavedo98.thumbnailer)
for i in $(seq -w 0 37); do ATTESI+=("share/lavedo98/tess$i.ppm"); done
for f in soggiorno camera cucina; do ATTESI+=("share/lavedo98/esempi/$f.lav"); done
LATI=(16 22 24 32 48 64 128 256)
for n in "${LATI[@]}"; do ATTESI+=("share/icons/hicolor/${n}x$n/apps/lavedo98.png"); done
for f in "${ATTESI[@]}"; do [ -s "$PREFIX/$f" ] || fallito "missing or empty: $f"; done
# Caches the desktop tools write next to our files are expected too.
TROVATI=$(cd "$PREFIX" && find . -type f | sed 's|^\./||' |
          grep -v -e '^share/mime/[^p]' -e '^share/mime/mime\.cache$' \
                  -e '^share/applications/mimeinfo\.cache$' | sort)
DIFFERENZE=$(diff <(printf '%s\n' "${ATTESI[@]}" | sort) <(echo "$TROVATI") || true)
[ -z "$DIFFERENZE" ] || fallito "installed files differ from the list: $DIFFERENZE"

[ -x "$PREFIX/bin/lavedo" ] || fallito "the program is not executable"
for i in $(seq -w 0 37); do
  [ "$(stat -c %s "$PREFIX/share/lavedo98/tess$i.ppm")" = 12288 ] || fallito "tess$i.ppm size"
done
for f in soggiorno camera cucina; do
  cmp -s "$SORGENTI/resources/esempi/$f.lav" "$PREFIX/share/lavedo98/esempi/$f.lav" ||
    fallito "$f.lav differs from the source"
done
for n in "${LATI[@]}"; do
  # PNG signature, then the IHDR width and height (big-endian).
  TESTA=$(od -An -tx1 -N24 "$PREFIX/share/icons/hicolor/${n}x$n/apps/lavedo98.png" | tr -d ' \n')
  [ "${TESTA:0:16}" = 89504e470d0a1a0a ] || fallito "${n}px icon is not a PNG"
  [ $((16#${TESTA:32:8})) = "$n" ] && [ $((16#${TESTA:40:8})) = "$n" ] ||
    fallito "${n}px icon has the wrong size"
done
cmake -E tar tf "$PREFIX/share/lavedo98/lavedo98.htb" | grep -x lavedo98.hhp >/dev/null ||
  fallito "the help book has no project file"

VOCE="$PREFIX/share/applications/lavedo98.desktop"
desktop-file-validate "$VOCE" || fallito "desktop-file-validate rejects the launcher"
grep -qx "Exec=\"$PREFIX/bin/lavedo\" %f" "$VOCE" || fallito "launcher Exec: $(grep ^Exec "$VOCE")"
grep -qx 'MimeType=application/x-lavedo98;' "$VOCE" || fallito "launcher names no MIME type"
grep -qx 'Icon=lavedo98' "$VOCE" || fallito "launcher names no icon"
grep -q '^50:application/x-lavedo98:\*\.lav$' "$PREFIX/share/mime/globs2" ||
  fallito "the MIME database does not map *.lav"

# The file manager's preview: the thumbnailer's own command line, run as a
# file manager runs it (placeholders filled in, from an empty folder), gives
# a PNG of the plan 128 pixels on its longer side (the living room is wider
# than deep).
MINIATURA="$PREFIX/share/thumbnailers/lavedo98.thumbnailer"
grep -qx 'MimeType=application/x-lavedo98;' "$MINIATURA" || fallito "thumbnailer names no MIME type"
ESEGUI=$(sed -n 's/^Exec=//p' "$MINIATURA")
ESEGUI=${ESEGUI//%i/\"$PREFIX/share/lavedo98/esempi/soggiorno.lav\"}
ESEGUI=${ESEGUI//%o/\"$TMP/anteprima\"}
ESEGUI=${ESEGUI//%s/128}
mkdir -p "$TMP/vuota" "$TMP/casa"
(cd "$TMP/vuota" && export HOME="$TMP/casa" && eval "$ESEGUI") || fallito "thumbnailer failed: $ESEGUI"
TESTA=$(od -An -tx1 -N24 "$TMP/anteprima" | tr -d ' \n')
[ "${TESTA:0:16}" = 89504e470d0a1a0a ] || fallito "the preview is not a PNG"
[ $((16#${TESTA:32:8})) = 128 ] && [ $((16#${TESTA:40:8})) -lt 128 ] ||
  fallito "the preview is $((16#${TESTA:32:8})) x $((16#${TESTA:40:8})), not 128 wide"

# The installed editor, started from an empty folder as a desktop menu
# starts it, reads the installed textures: no message box ("Lavedo98")
# appears. A copy of the program alone, without its data folder, must show
# it: that proves the check can see one.
avvia() {  # <program> <seconds to wait for a message>; prints the message windows found
  mkdir -p "$TMP/vuota" "$TMP/casa"
  (cd "$TMP/vuota" && HOME="$TMP/casa" exec "$1" >/dev/null 2>&1) &
  PID=$!
  timeout 60 xdotool search --sync --name '^Lavedo - Lavedo98$' >/dev/null ||
    fallito "the window of $1 never appeared"
  local messaggi=""
  for _ in $(seq 1 "$((4 * $2))"); do
    messaggi=$(xdotool search --name '^Lavedo98$' 2>/dev/null || true)
    [ -n "$messaggi" ] && break
    sleep 0.25
  done
  kill "$PID"; wait "$PID" 2>/dev/null || true; PID=
  echo "$messaggi"
}
[ -n "${DISPLAY:-}" ] || fallito "no X display to start the editor on"
[ -z "$(avvia "$PREFIX/bin/lavedo" 3)" ] || fallito "the installed editor shows a message"
mkdir -p "$TMP/solo/bin" && cp "$PREFIX/bin/lavedo" "$TMP/solo/bin/"
[ -n "$(avvia "$TMP/solo/bin/lavedo" 20)" ] || fallito "no message without the data folder"

# Staged for a package: everything under DESTDIR, the launcher pointing at
# the final place, no caches written.
STAGE="$TMP/stage"
make_ install-nobuild PREFIX=/usr/local DESTDIR="$STAGE"
[ -x "$STAGE/usr/local/bin/lavedo" ] || fallito "DESTDIR: no program"
grep -qx 'Exec="/usr/local/bin/lavedo" %f' "$STAGE/usr/local/share/applications/lavedo98.desktop" ||
  fallito "DESTDIR: the launcher points into the stage"
grep -q '^Exec="/usr/local/bin/lavedo" --miniatura' \
  "$STAGE/usr/local/share/thumbnailers/lavedo98.thumbnailer" ||
  fallito "DESTDIR: the thumbnailer points into the stage"
[ ! -e "$STAGE/usr/local/share/mime/mime.cache" ] || fallito "DESTDIR: caches written"
[ "$(find "$TMP/stage" -type f | wc -l)" = "${#ATTESI[@]}" ] || fallito "DESTDIR: file count"

make_ uninstall PREFIX="$PREFIX"
for f in "${ATTESI[@]}"; do [ ! -e "$PREFIX/$f" ] || fallito "left after uninstall: $f"; done
[ ! -e "$PREFIX/share/lavedo98" ] || fallito "data folder left after uninstall"
! grep -q lavedo98 "$PREFIX/share/mime/globs2" || fallito "MIME type left after uninstall"
make_ uninstall PREFIX=/usr/local DESTDIR="$STAGE"
[ -z "$(find "$STAGE" -type f)" ] || fallito "DESTDIR: files left after uninstall"
echo "install, start and uninstall: all checked"
