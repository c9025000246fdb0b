#!/usr/bin/env bash
# Makes the font preview pictures shown beside the editor's font list: each game font's name
# drawn in a free face of a similar look (the game's own fonts are not shipped). Needs ImageMagick
# and the DejaVu fonts; run it once and commit the .gif files.
set -euo pipefail
cd "$(dirname "$0")"
faces=/usr/share/fonts/truetype/dejavu
preview() { # name face point-size
    convert -size 200x40 xc:'#f4f4f4' -font "$faces/$2" -pointsize "$3" -fill '#202020' \
        -gravity center -annotate +0+0 "$1" -colors 16 "$1.gif"
}
preview AudreysHandB48 DejaVuSans-BoldOblique.ttf 18
preview AudreysHandI48 DejaVuSerif-Italic.ttf 18
preview CourierNewB64 DejaVuSansMono-Bold.ttf 17
preview Garamond64 DejaVuSerif.ttf 20
preview SteelfishB128 DejaVuSansCondensed-Bold.ttf 22
preview SteelfishB64 DejaVuSansCondensed-Bold.ttf 20
preview SteelfishB64CE DejaVuSansCondensed-Bold.ttf 19
preview TahomaB24 DejaVuSans-Bold.ttf 14
preview TahomaB36 DejaVuSans-Bold.ttf 17
preview TahomaB48 DejaVuSans-Bold.ttf 20
