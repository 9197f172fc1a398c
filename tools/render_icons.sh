#!/usr/bin/env bash
# Renders the program's icon, assets/pictures/verlo.svg, into the hicolor theme layout of
# assets/icons/: the SVG itself as the scalable icon, and PNGs from 16 to 256 pixels for
# desktops that want bitmaps. The results are committed; run this again after editing
# the picture.
set -euo pipefail

ID=io.github.verlo.Verlo
TAILLES=(16 22 24 32 48 64 128 256)

if ! command -v rsvg-convert >/dev/null 2>&1; then
    echo "render_icons.sh: rsvg-convert not found." >&2
    echo "Install it with: sudo apt-get install librsvg2-bin" >&2
    exit 1
fi

racine="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source="$racine/assets/pictures/verlo.svg"
theme="$racine/assets/icons/hicolor"

mkdir -p "$theme/scalable/apps"
cp "$source" "$theme/scalable/apps/$ID.svg"
for taille in "${TAILLES[@]}"; do
    dossier="$theme/${taille}x${taille}/apps"
    mkdir -p "$dossier"
    rsvg-convert --format=png --width="$taille" --height="$taille" --output="$dossier/$ID.png" "$source"
done
echo "hicolor: scalable, ${TAILLES[*]}"
