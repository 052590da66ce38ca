#!/usr/bin/env bash
# Draws the launcher's icon (a crosshair on an olive badge) at 16, 32 and 48 pixels and writes
# src/win32ui/res/launcher.ico. Run again after changing the drawing; the .ico is committed.
set -euo pipefail
cd "$(dirname "$0")/.."
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
for size in 16 32 48; do
    s=$size
    r=$((s * 3 / 10)) c=$((s / 2)) w=$((s / 16 + 1))
    convert -size ${s}x${s} xc:none \
        -fill '#3d4a2a' -stroke '#1e2614' -strokewidth 1 \
        -draw "roundrectangle 0,0 $((s - 1)),$((s - 1)) $((s / 5)),$((s / 5))" \
        -fill none -stroke '#f2e6b8' -strokewidth $w \
        -draw "circle $c,$c $((c + r)),$c" \
        -draw "line $c,$((s / 8)) $c,$((s - s / 8 - 1))" \
        -draw "line $((s / 8)),$c $((s - s / 8 - 1)),$c" \
        -fill '#d23a2a' -stroke none -draw "circle $c,$c $((c + w)),$c" \
        "$tmp/icon-$s.png"
done
convert "$tmp/icon-16.png" "$tmp/icon-32.png" "$tmp/icon-48.png" src/win32ui/res/launcher.ico
