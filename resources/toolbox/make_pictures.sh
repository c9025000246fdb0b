#!/bin/sh
# Draws the ten toolbox pictures (28 x 22 pixels, transparent background) with ImageMagick.
# The PNG files are committed; run this again only to change a picture.
set -eu
cd "$(dirname "$0")"
FONT=DejaVu-Sans-Bold
canvas() { convert -size 28x22 xc:none "$@"; }

# Static text: a letter and two lines of text.
canvas -fill '#202020' -font "$FONT" -pointsize 15 -annotate +1+15 'A' \
    -stroke '#404040' -strokewidth 2 -draw 'line 14,7 26,7' -draw 'line 14,13 26,13' \
    -draw 'line 1,19 22,19' text.png

# Active text (link): blue underlined letters.
canvas -fill '#1040d0' -font "$FONT" -pointsize 12 -annotate +1+14 'link' \
    -stroke '#1040d0' -strokewidth 1 -draw 'line 1,17 26,17' linktext.png

# Input box: a sunken white field with a text caret.
canvas -fill white -stroke '#505050' -draw 'rectangle 1,4 26,17' \
    -stroke '#303030' -strokewidth 1 -draw 'line 5,7 5,14' -draw 'line 4,7 6,7' \
    -draw 'line 4,14 6,14' input.png

# Button: a raised grey button with a light upper-left and a dark lower-right edge.
canvas -fill '#d4d0c8' -stroke none -draw 'rectangle 1,4 26,17' \
    -stroke white -draw 'line 1,4 26,4' -draw 'line 1,4 1,17' \
    -stroke '#404040' -draw 'line 1,17 26,17' -draw 'line 26,4 26,17' \
    -stroke none -fill '#202020' -font "$FONT" -pointsize 8 -annotate +8+14 'OK' button.png

# Combo box: a white field with a drop-down button.
canvas -fill white -stroke '#505050' -draw 'rectangle 1,5 26,16' \
    -fill '#d4d0c8' -draw 'rectangle 18,6 25,15' \
    -stroke none -fill '#202020' -draw 'polygon 19,9 24,9 21.5,13' combo.png

# List box: rows, one selected, and a scroll bar.
canvas -fill white -stroke '#505050' -draw 'rectangle 1,1 26,20' \
    -stroke none -fill '#3060c0' -draw 'rectangle 3,8 19,12' \
    -fill '#d4d0c8' -draw 'rectangle 21,2 25,19' \
    -stroke '#404040' -strokewidth 1 -draw 'line 4,5 17,5' -draw 'line 4,16 17,16' \
    -stroke white -draw 'line 5,10 16,10' list.png

# Slider: a groove with a handle.
canvas -stroke '#707070' -strokewidth 2 -draw 'line 2,11 25,11' \
    -stroke '#303030' -strokewidth 1 -fill '#d4d0c8' -draw 'rectangle 10,4 15,18' slider.png

# Frame: a border with a caption in its upper edge.
canvas -fill none -stroke '#505050' -draw 'line 1,6 1,20' -draw 'line 1,20 26,20' \
    -draw 'line 26,20 26,6' -draw 'line 26,6 18,6' -draw 'line 1,6 3,6' \
    -stroke '#202020' -strokewidth 2 -draw 'line 6,6 15,6' frame.png

# Picture: sky, sun and a hill.
canvas -fill '#a8d0f0' -stroke '#505050' -draw 'rectangle 1,2 26,19' \
    -stroke none -fill '#f0c020' -draw 'circle 20,7 22,7' \
    -fill '#40a040' -draw 'polygon 2,18 9,9 15,15 19,12 25,18' picture.png

# Controls group: a plain border holding a small button and a field, the second cut at its edge.
canvas -fill '#e8e8e8' -stroke '#505050' -draw 'rectangle 1,2 26,19' \
    -fill '#d4d0c8' -stroke '#404040' -draw 'rectangle 4,5 14,9' \
    -fill white -stroke '#505050' -draw 'rectangle 4,12 26,16' group.png
