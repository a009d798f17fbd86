#!/usr/bin/env bash
# Draws the program's own pictures (logo, button and toolbar pictures) with
# ImageMagick, each at its size and at twice its size ("@2x", picked by Qt on
# screens scaled by two or more). The results are committed; run this only
# to change them.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
FONT=/usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf

for s in 1 2; do
    suffix=""
    [ "$s" = 1 ] || suffix="@${s}x"
    # Shapes are drawn in the 1x coordinates through a scaling transform;
    # text is placed by hand, since the transform does not move it.
    scale=(-affine "$s,0,0,$s,0,0")
    plain=(-affine 1,0,0,1,0,0)
    px() { echo $(($1 * s)); }

    icon() {  # name, then drawing arguments on a 20x20 transparent canvas
        local name=$1; shift
        convert -size "$(px 20)x$(px 20)" xc:none "${scale[@]}" -strokewidth 1.6 "$@" \
            "toolbar/$name$suffix.png"
    }

    # The logo: a stack of two cards with a check mark, and the name.
    convert -size "$(px 100)x$(px 56)" xc:none "${scale[@]}" \
        -fill '#d9ecff' -stroke '#2f5f9f' -strokewidth 1.5 -draw 'roundrectangle 6,10 36,46 4,4' \
        -fill '#ffffff' -draw 'roundrectangle 12,6 42,42 4,4' \
        -fill none -stroke '#e0582c' -strokewidth 3 -draw 'polyline 18,24 25,32 37,15' \
        "${plain[@]}" -stroke none -fill '#1f3f6f' -font "$FONT" -pointsize "$(px 22)" \
        -annotate "+$(px 46)+$(px 33)" 'Vorel' \
        -fill '#5f7f9f' -pointsize "$(px 9)" -annotate "+$(px 48)+$(px 46)" '暗記学習' \
        "logo$suffix.png"

    # Pictures of the asking panel's buttons.
    convert -size "$(px 20)x$(px 20)" xc:none "${scale[@]}" -fill none -stroke '#2f8f3f' \
        -strokewidth 2.4 -draw 'circle 10,10 10,2' -draw 'polyline 5,10 9,14 15,6' \
        "buttons/answer$suffix.png"
    convert -size "$(px 20)x$(px 20)" xc:none "${scale[@]}" -fill '#c0392b' -stroke '#7f1f17' \
        -strokewidth 1 -draw 'roundrectangle 4,4 16,16 2,2' "buttons/stop$suffix.png"
    convert -size "$(px 20)x$(px 20)" xc:none "${scale[@]}" -fill '#ffe066' -stroke '#9f7f1f' \
        -strokewidth 1.2 -draw 'circle 10,8 10,2' -fill '#bfbfbf' -stroke '#6f6f6f' \
        -draw 'rectangle 7,13 13,17' "buttons/hint$suffix.png"

    # Toolbar pictures.
    icon print -fill '#e8e8e8' -stroke '#404040' -draw 'rectangle 3,8 17,15' \
        -fill white -draw 'rectangle 6,3 14,8' -draw 'rectangle 6,13 14,18'
    icon range -fill none -stroke '#2f5f9f' -draw 'line 3,5 17,5' -draw 'line 3,10 17,10' \
        -draw 'line 3,15 17,15' -stroke '#e0582c' -strokewidth 2.2 -draw 'line 2,3 2,17' \
        -draw 'line 18,3 18,17'
    icon mode-normal -fill white -stroke '#404040' -draw 'rectangle 2,5 18,15' \
        -stroke '#2f5f9f' -draw 'line 5,10 12,10'
    icon mode-written -fill white -stroke '#404040' -draw 'rectangle 2,3 18,17' \
        -stroke '#2f5f9f' -draw 'line 5,7 15,7' -draw 'line 5,10 15,10' -draw 'line 5,13 11,13'
    icon mode-choice -fill white -stroke '#404040' -draw 'rectangle 2,2 18,8' \
        -draw 'rectangle 2,12 18,18' -fill '#2f5f9f' -stroke none -draw 'circle 5,15 5,13'
    icon mode-confirm -fill none -stroke '#2f8f3f' -strokewidth 2.2 -draw 'polyline 2,10 6,14 10,6' \
        -stroke '#c0392b' -draw 'line 12,6 18,14' -draw 'line 18,6 12,14'
    icon run-all -fill '#2f5f9f' -stroke none -draw 'polygon 4,3 16,10 4,17'
    icon run-random -fill none -stroke '#2f5f9f' -strokewidth 2 -draw 'polyline 2,5 7,5 13,15 18,15' \
        -draw 'polyline 2,15 7,15 13,5 18,5'
    icon run-count "${plain[@]}" -fill '#2f5f9f' -stroke none -font "$FONT" -pointsize "$(px 15)" \
        -annotate "+$(px 3)+$(px 16)" 'N'
    icon run-weak -fill '#e0582c' -stroke none -draw 'polygon 10,2 18,17 2,17' \
        -fill white -draw 'rectangle 9,7 11,12' -draw 'rectangle 9,14 11,15'
    icon run-complete -fill '#ffd24d' -stroke '#9f7f1f' -strokewidth 1 \
        -draw 'polygon 10,2 12,8 18,8 13,12 15,18 10,14 5,18 7,12 2,8 8,8'
    icon editor -fill white -stroke '#404040' -draw 'rectangle 3,2 15,18' \
        -stroke '#e0582c' -strokewidth 2.4 -draw 'line 8,15 17,5'
    # The editor's toolbar.
    icon new -fill white -stroke '#404040' -draw 'polygon 4,2 12,2 16,6 16,18 4,18' \
        -fill '#d9d9d9' -draw 'polygon 12,2 12,6 16,6'
    icon save -fill '#2f5f9f' -stroke '#1f3f6f' -draw 'rectangle 3,3 17,17' \
        -fill white -stroke none -draw 'rectangle 6,4 14,9' -fill '#d9ecff' -draw 'rectangle 6,12 14,17'
    icon undo -fill none -stroke '#2f5f9f' -strokewidth 2.2 -draw 'arc 5,6 17,17 180,0' \
        -fill '#2f5f9f' -stroke none -draw 'polygon 1,11 9,11 5,6'
    icon redo -fill none -stroke '#2f5f9f' -strokewidth 2.2 -draw 'arc 3,6 15,17 180,0' \
        -fill '#2f5f9f' -stroke none -draw 'polygon 11,11 19,11 15,6'
    icon cut -fill none -stroke '#404040' -draw 'circle 6,15 6,12' -draw 'circle 14,15 14,12' \
        -draw 'line 8,13 15,2' -draw 'line 12,13 5,2'
    icon copy -fill white -stroke '#404040' -draw 'rectangle 3,2 12,13' -draw 'rectangle 8,7 17,18'
    icon paste -fill '#c8a060' -stroke '#6f4f1f' -draw 'rectangle 3,4 14,18' \
        -fill white -stroke '#404040' -draw 'rectangle 8,8 17,18' -fill '#6f6f6f' -stroke none \
        -draw 'rectangle 6,2 11,5'
    icon delete -fill none -stroke '#c0392b' -strokewidth 2.6 -draw 'line 4,4 16,16' \
        -draw 'line 16,4 4,16'
    icon find -fill '#d9ecff' -stroke '#404040' -strokewidth 2 -draw 'circle 8,8 8,3' \
        -draw 'line 12,12 18,18'
    icon add-question -fill white -stroke '#404040' -draw 'rectangle 2,4 14,16' \
        -stroke '#2f8f3f' -strokewidth 2.4 -draw 'line 15,6 15,16' -draw 'line 10,11 20,11'
    icon insert-card -fill white -stroke '#404040' -draw 'rectangle 6,2 18,8' \
        -draw 'rectangle 6,12 18,18' -fill '#2f8f3f' -stroke none -draw 'polygon 1,7 6,10 1,13'
    icon move-up -fill '#2f5f9f' -stroke none -draw 'polygon 10,2 18,11 13,11 13,18 7,18 7,11 2,11'
    icon move-down -fill '#2f5f9f' -stroke none -draw 'polygon 10,18 18,9 13,9 13,2 7,2 7,9 2,9'
    icon sort -fill none -stroke '#404040' -draw 'line 3,4 11,4' -draw 'line 3,9 9,9' \
        -draw 'line 3,14 7,14' -fill '#2f5f9f' -stroke none -draw 'polygon 15,2 15,14 12,14 16,18 20,14 17,14 17,2'
    icon study -fill '#d9ecff' -stroke '#2f5f9f' -draw 'roundrectangle 2,4 18,16 2,2' \
        -fill none -stroke '#e0582c' -strokewidth 2.4 -draw 'polyline 6,10 9,13 14,7'
done
echo "pictures written"
