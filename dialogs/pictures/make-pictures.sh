#!/bin/bash
# Draws the About box's two pictures with ImageMagick and saves them as
# baseline JFIF JPEG files. Run by hand when the artwork changes; the build
# uses the committed .jpg files, not this script.
set -euo pipefail
cd "$(dirname "$0")"
bold=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf

# A key of the calculator on the banner: shadow, rounded tile with a light
# rim, white caption. key X Y WIDTH FILL CAPTION
key() {
  local x=$1 y=$2 w=$3 fill=$4 caption=$5
  banner+=(-fill 'rgba(0,0,0,0.25)' -draw "roundrectangle $((x + 2)),$((y + 3)) $((x + w + 2)),$((y + 37)) 6,6")
  banner+=(-fill "$fill" -stroke 'rgba(255,255,255,0.55)' -strokewidth 1)
  banner+=(-draw "roundrectangle $x,$y $((x + w)),$((y + 34)) 6,6" -stroke none)
  banner+=(-fill white -font "$bold" -pointsize 20 -gravity northwest)
  banner+=(-draw "text $((x + w / 2 - ${#caption} * 6 - 1)),$((y + 5)) '$caption'")
}

# The banner, 462 x 100: navy into the box's own blue, faint graph paper,
# and the sum 7 x 6 = 42 on keys of the window's colours.
banner=(-size 100x462 gradient:'#142864-#8caae6' -rotate -90)
for x in $(seq 0 14 462); do banner+=(-fill none -stroke 'rgba(255,255,255,0.08)' -draw "line $x,0 $x,100"); done
for y in $(seq 2 14 100); do banner+=(-fill none -stroke 'rgba(255,255,255,0.08)' -draw "line 0,$y 462,$y"); done
banner+=(-stroke none)
key 132 33 34 'rgb(109,180,142)' 7
key 174 33 34 'rgb(255,91,96)' '×'
key 216 33 34 'rgb(109,180,142)' 6
key 258 33 34 'rgb(255,91,96)' '='
key 300 33 52 'rgb(109,180,142)' 42
banner+=(-fill 'rgba(255,255,255,0.85)' -draw "rectangle 132,80 352,81")
convert "${banner[@]}" -strip -interlace none -sampling-factor 2x2 -quality 92 AboutBanner.jpg

# The picture, 118 x 100: a small calculator on the box's blue.
picture=(-size 118x100 xc:'rgb(140,170,230)')
picture+=(-fill 'rgba(0,0,0,0.25)' -draw "roundrectangle 33,7 91,97 8,8")
picture+=(-fill 'rgb(70,88,118)' -stroke 'rgb(40,52,72)' -draw "roundrectangle 30,4 88,94 8,8" -stroke none)
picture+=(-fill 'rgb(214,240,214)' -draw "rectangle 36,11 82,27")
picture+=(-fill 'rgb(40,52,72)' -font "$bold" -pointsize 11 -draw "text 66,24 '42'")
for row in 0 1 2 3; do
  for column in 0 1 2 3; do
    fill='rgb(158,205,180)'
    [ $column -eq 3 ] && fill='rgb(255,155,157)'
    x=$((36 + column * 12)) y=$((34 + row * 14))
    picture+=(-fill "$fill" -draw "roundrectangle $x,$y $((x + 9)),$((y + 10)) 2,2")
  done
done
convert "${picture[@]}" -strip -interlace none -sampling-factor 2x2 -quality 92 AboutPicture.jpg
