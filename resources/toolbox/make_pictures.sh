#!/bin/sh
# Draws the twenty toolbox pictures (28 x 22 pixels, transparent background) with ImageMagick.
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

# Structured text: letters of two sizes and colours.
canvas -fill '#202020' -font "$FONT" -pointsize 9 -annotate +1+15 'a' \
    -fill '#d02020' -pointsize 16 -annotate +8+16 'B' \
    -fill '#2040c0' -pointsize 11 -annotate +19+15 'c' structuredtext.png

# Shortcut button: a button with a picture and a key hint.
canvas -fill '#d4d0c8' -stroke '#404040' -draw 'rectangle 1,3 26,18' \
    -stroke none -fill '#3070c0' -draw 'rectangle 4,6 11,15' \
    -fill '#202020' -font "$FONT" -pointsize 7 -annotate +14+14 'F1' shortcutbutton.png

# Map: a pale area with water, a grid and a road.
canvas -fill '#f4f0e0' -stroke '#505050' -draw 'rectangle 1,1 26,20' \
    -stroke none -fill '#90c0e8' -draw 'polygon 2,14 9,11 13,20 2,20' \
    -stroke '#b0a890' -draw 'line 9,2 9,19' -draw 'line 18,2 18,19' -draw 'line 2,7 25,7' \
    -draw 'line 2,14 25,14' -stroke '#c04020' -strokewidth 2 -draw 'line 4,4 23,17' map.png

# List with columns: a header, rows and a line between columns.
canvas -fill white -stroke '#505050' -draw 'rectangle 1,1 26,20' \
    -stroke none -fill '#c8c8c8' -draw 'rectangle 2,2 25,5' \
    -stroke '#404040' -strokewidth 1 -draw 'line 4,9 10,9' -draw 'line 15,9 23,9' \
    -draw 'line 4,13 10,13' -draw 'line 15,13 21,13' -draw 'line 4,17 9,17' \
    -draw 'line 15,17 22,17' -stroke '#909090' -draw 'line 12,2 12,19' columnlist.png

# Progress bar: a frame filled to about two thirds.
canvas -fill white -stroke '#505050' -draw 'rectangle 1,7 26,15' \
    -stroke none -fill '#30a040' -draw 'rectangle 2,8 17,14' progress.png

# Check box: a box with a tick.
canvas -fill white -stroke '#505050' -draw 'rectangle 6,3 21,18' \
    -fill none -stroke '#202020' -strokewidth 2 -draw 'polyline 9,10 12,14 18,6' checkbox.png

# Row of check boxes: three small boxes, two ticked.
canvas -fill white -stroke '#505050' -draw 'rectangle 1,7 7,13' -draw 'rectangle 10,7 16,13' \
    -draw 'rectangle 19,7 25,13' -stroke '#202020' -draw 'line 2,10 4,12' -draw 'line 4,12 7,7' \
    -draw 'line 20,10 22,12' -draw 'line 22,12 25,7' checkboxrow.png

# Slider with arrows: arrow buttons at both ends of a groove.
canvas -fill '#d4d0c8' -stroke '#404040' -draw 'rectangle 1,6 6,16' -draw 'rectangle 21,6 26,16' \
    -stroke none -fill '#202020' -draw 'polygon 2,11 5,8 5,14' -draw 'polygon 25,11 22,8 22,14' \
    -stroke '#707070' -strokewidth 2 -draw 'line 8,11 19,11' \
    -stroke '#303030' -strokewidth 1 -fill '#d4d0c8' -draw 'rectangle 11,6 14,16' xslider.png

# Tree: a trunk line with indented branches.
canvas -stroke '#707070' -draw 'line 4,3 4,18' -draw 'line 4,10 10,10' -draw 'line 4,18 10,18' \
    -draw 'line 12,10 12,14' -draw 'line 12,14 16,14' -stroke none -fill '#3060c0' \
    -draw 'rectangle 2,2 6,5' -draw 'rectangle 10,8 14,11' -draw 'rectangle 10,16 14,19' \
    -draw 'rectangle 17,13 20,15' -stroke '#404040' -draw 'line 16,9 25,9' \
    -draw 'line 16,18 25,18' tree.png

# Row of choices: three buttons side by side, the middle one picked.
canvas -fill '#d4d0c8' -stroke '#404040' -draw 'rectangle 1,6 8,16' -draw 'rectangle 19,6 26,16' \
    -fill '#3060c0' -draw 'rectangle 10,6 17,16' toolboxrow.png
