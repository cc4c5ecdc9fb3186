#!/usr/bin/env bash
# `lavedo --esporta`, `--miniatura` and `--help` as a user runs them: every
# sample room to every format, pictures checked by their content, the 3D
# model read back by assimp (a reader of its own), and each way to fail (one
# Italian line on standard error, a non-zero status, no output file, an older
# one intact).
#   riga_comando.sh <program> <source folder>          (needs an X display)
set -uo pipefail
LAVEDO=$(realpath "$1")
ESEMPI=$(cd "$2/resources/esempi" && pwd)
TMP=$(mktemp -d /tmp/lavedo_riga.XXXXXX)
trap 'rm -rf "$TMP"' EXIT
export HOME="$TMP/casa"
mkdir -p "$HOME" "$TMP/vuota"
cd "$TMP/vuota"
ERRORI=0
fallito() { echo "FAILED: $*" >&2; ERRORI=$((ERRORI + 1)); }
dimensione() {  # PNG width x height from the IHDR chunk
  local t; t=$(od -An -tx1 -j16 -N8 "$1" | tr -d ' \n')
  echo "$((16#${t:0:8}))x$((16#${t:8:8}))"
}
# A picture of a room has at least $2 colours (a blank one has one).
colorata() { [ "$(identify -format '%k' "$1" 2>/dev/null || echo 0)" -ge "$2" ]; }
# Two pictures of one size differ in more than a tenth of their pixels.
diverse() {
  { compare -metric AE "$1" "$2" null: 2>&1 || true; } |
    awk -v n="$(identify -format '%[fx:w*h/10]' "$1")" '{ exit !($1 + 0 > n + 0) }'
}

# Success: what each output is, checked by tools that know the format. The
# 3D model has a node for the floor, each wall, each piece and each light
# that is on: the sample rooms have 8, 12 and 13 pieces, 1, 2 and 2 lights.
declare -A NODI=([camera]=14 [cucina]=19 [soggiorno]=20)
for stanza in "$ESEMPI"/*.lav; do
  nome=$(basename "$stanza" .lav)
  "$LAVEDO" --esporta "$TMP/$nome.png" --dimensione 320x200 "$stanza" || fallito "$nome.png"
  [ "$(dimensione "$TMP/$nome.png")" = 320x200 ] || fallito "$nome.png size"
  colorata "$TMP/$nome.png" 50 || fallito "$nome.png: a 3D picture of so few colours"
  "$LAVEDO" --esporta "$TMP/$nome-p.png" --vista piantina "$stanza" || fallito "$nome plan png"
  [ "$(dimensione "$TMP/$nome-p.png")" = 1600x1200 ] || fallito "$nome plan png size"
  colorata "$TMP/$nome-p.png" 5 || fallito "$nome plan png: blank"
  "$LAVEDO" --esporta "$TMP/$nome-p2.png" --vista piantina --dimensione 320x200 "$stanza"
  diverse "$TMP/$nome.png" "$TMP/$nome-p2.png" || fallito "$nome: the plan is the 3D picture"
  "$LAVEDO" --esporta "$TMP/$nome.pdf" --scala 50 "$stanza" || fallito "$nome.pdf"
  pdftotext "$TMP/$nome.pdf" - | grep "$nome.lav - Scala 1:50" >/dev/null || fallito "$nome.pdf caption"
  "$LAVEDO" --esporta "$TMP/$nome.svg" "$stanza" || fallito "$nome.svg"
  xmllint --noout "$TMP/$nome.svg" || fallito "$nome.svg is not well formed"
  "$LAVEDO" --esporta "$TMP/$nome.glb" "$stanza" || fallito "$nome.glb"
  assimp info "$TMP/$nome.glb" >"$TMP/$nome.txt" 2>&1 || fallito "$nome.glb: assimp cannot read it"
  for s in Pavimento "Parete nord" "Parete est" "Parete sud" "Parete ovest"; do
    grep -q "╴$s (mesh" "$TMP/$nome.txt" || fallito "$nome.glb: no node $s"
  done
  nodi=$(sed -n '/Node hierarchy/,$p' "$TMP/$nome.txt" | grep -c '╴')
  [ "$nodi" = "${NODI[$nome]}" ] || fallito "$nome.glb: $nodi nodes, expected ${NODI[$nome]}"
  "$LAVEDO" --miniatura "$stanza" "$TMP/$nome-m" 64 || fallito "$nome thumbnail"
  [[ "$(dimensione "$TMP/$nome-m")" =~ ^(64x[0-9]+|[0-9]+x64)$ ]] || fallito "$nome thumbnail size"
  colorata "$TMP/$nome-m" 5 || fallito "$nome thumbnail: blank"
done
"$LAVEDO" --help | grep -- '--esporta USCITA' >/dev/null || fallito "--help lists no options"
# Without a display: the help, a bad line and a refusal, in Italian, never the toolkit's English.
senza_display() { env -u DISPLAY -u WAYLAND_DISPLAY "$LAVEDO" "$@"; }
senza_display --help | grep -- '--esporta USCITA' >/dev/null || fallito "--help needs a display"
for caso in "--stampa x|2|--help" "--esporta OUT.png|2|Uso" "--esporta OUT.png $ESEMPI/camera.lav|1|xvfb-run" "|1|display"; do
  IFS='|' read -r argomenti atteso parola <<<"$caso"
  # shellcheck disable=SC2086
  senza_display ${argomenti//OUT/$TMP\/out} 2>"$TMP/errore"
  stato=$?
  [ "$stato" = "$atteso" ] && [ "$(wc -l <"$TMP/errore")" = 1 ] && grep -qF -- "$parola" "$TMP/errore" ||
    fallito "without a display, '$argomenti': status $stato: $(cat "$TMP/errore")"
done

# Failures: arguments | status | a word of the message.
printf 'DANNEGGIATO' > "$TMP/danneggiato.lav"
head -c 300 "$ESEMPI/soggiorno.lav" > "$TMP/tronco.lav"
CASI=(
  "--esporta OUT.png $TMP/danneggiato.lav|1|danneggiato.lav"
  "--esporta OUT.png $TMP/tronco.lav|1|tronco.lav"
  "--esporta OUT.png $TMP/manca.lav|1|manca.lav"
  "--esporta $TMP/nessuna/cartella.png $ESEMPI/camera.lav|1|cartella.png"
  "--esporta OUT.jpg $ESEMPI/camera.lav|2|.svg o .glb"
  "--esporta OUT.glb --scala 50 $ESEMPI/camera.lav|2|(.glb)"
  "--esporta $TMP/nessuna/cartella.glb $ESEMPI/camera.lav|1|cartella.glb"
  "--esporta OUT.png --dimensione 8193x10 $ESEMPI/camera.lav|2|8192"
  "--esporta OUT.png --dimensione 15x100 $ESEMPI/camera.lav|2|Dimensione"
  "--esporta OUT.pdf --scala 30 $ESEMPI/camera.lav|2|20, 50 o 100"
  "--esporta OUT.pdf --vista 3d $ESEMPI/camera.lav|2|.png"
  "--esporta OUT.png --vista alto $ESEMPI/camera.lav|2|Vista"
  "--esporta OUT.png|2|Uso"
  "--miniatura $ESEMPI/camera.lav OUT.png|2|Uso"
  "--miniatura $ESEMPI/camera.lav OUT.png 9000|1|miniatura"
  "--stampa $ESEMPI/camera.lav|2|--help"
)
for caso in "${CASI[@]}"; do
  IFS='|' read -r argomenti atteso parola <<<"$caso"
  argomenti=${argomenti//OUT/$TMP\/out}
  rm -f "$TMP"/out.*
  # shellcheck disable=SC2086
  "$LAVEDO" $argomenti 2>"$TMP/errore"
  stato=$?
  [ "$stato" = "$atteso" ] || fallito "$argomenti: status $stato, expected $atteso"
  [ "$(wc -l <"$TMP/errore")" = 1 ] || fallito "$argomenti: not one line: $(cat "$TMP/errore")"
  grep -qF -- "$parola" "$TMP/errore" || fallito "$argomenti: '$parola' not in: $(cat "$TMP/errore")"
  [ -z "$(ls "$TMP"/out.* 2>/dev/null)" ] || fallito "$argomenti: left an output file"
done
# A failed export keeps the file it would have replaced.
printf 'VECCHIO' > "$TMP/vecchio.png"
"$LAVEDO" --esporta "$TMP/vecchio.png" "$TMP/danneggiato.lav" 2>/dev/null && fallito "damaged room accepted"
[ "$(cat "$TMP/vecchio.png")" = VECCHIO ] || fallito "a failed export replaced the old file"
[ -z "$(ls -A "$TMP/vuota")" ] || fallito "files left in the working folder: $(ls -A "$TMP/vuota")"
[ -z "$(ls -A "$HOME")" ] || fallito "settings written: $(ls -A "$HOME")"
[ "$ERRORI" = 0 ] && echo "command line: all checked"
exit "$ERRORI"
