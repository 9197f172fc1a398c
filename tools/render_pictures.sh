#!/usr/bin/env bash
# Renders every assets/pictures/*.svg to NAME.png at its own size and NAME@2x.png at
# double size. The PNGs are committed, so the program needs no SVG support at run time;
# run this again after editing a picture.
set -euo pipefail

if ! command -v rsvg-convert >/dev/null 2>&1; then
    echo "render_pictures.sh: rsvg-convert not found." >&2
    echo "Install it with: sudo apt-get install librsvg2-bin" >&2
    exit 1
fi

dossier="$(cd "$(dirname "${BASH_SOURCE[0]}")/../assets/pictures" && pwd)"
shopt -s nullglob
sources=("$dossier"/*.svg)
if ((${#sources[@]} == 0)); then
    echo "render_pictures.sh: no SVG in $dossier" >&2
    exit 1
fi

for source in "${sources[@]}"; do
    nom="${source%.svg}"
    rsvg-convert --format=png --zoom=1 --output="$nom.png" "$source"
    rsvg-convert --format=png --zoom=2 --output="$nom@2x.png" "$source"
    echo "${nom##*/}.png, ${nom##*/}@2x.png"
done
