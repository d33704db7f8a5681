#!/usr/bin/env bash
# Draws the program's own pictures (16 x 16 action icons, the key icon of attribute rows,
# the modified mark and the splash picture) into app/pictures/ with ImageMagick. The PNG
# files are kept in the repository; run this again only to change a picture.
set -euo pipefail
cd "$(dirname "$0")/../app/pictures"
font=/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf

icon() { # name, then ImageMagick drawing options
  local name=$1
  shift
  convert -size 16x16 xc:none -strokewidth 1 "$@" "PNG32:$name.png"
}

icon new -fill white -stroke '#404040' -draw 'polygon 3,1 10,1 13,4 13,14 3,14' -draw 'line 10,1 10,4' -draw 'line 10,4 13,4' \
  -stroke '#e0a000' -draw 'line 12,9 15,9' -draw 'line 13,7 13,11'
icon open -fill '#f0c040' -stroke '#806000' -draw 'polygon 1,4 6,4 7,5 13,5 13,13 1,13' -fill '#ffe080' -draw 'polygon 3,8 15,8 13,13 1,13'
icon save -fill '#3060c0' -stroke '#102050' -draw 'rectangle 1,1 14,14' -fill white -stroke none -draw 'rectangle 4,2 11,7' -fill '#c0c0c0' -draw 'rectangle 4,10 11,14'
icon saveas -fill '#3060c0' -stroke '#102050' -draw 'rectangle 1,1 12,12' -fill white -stroke none -draw 'rectangle 3,2 9,6' \
  -stroke '#c02020' -strokewidth 2 -draw 'line 9,15 15,9'
icon close -stroke '#404040' -fill white -draw 'rectangle 2,2 13,13' -stroke '#c02020' -strokewidth 2 -draw 'line 5,5 10,10' -draw 'line 10,5 5,10'
icon exit -fill '#a06030' -stroke '#402000' -draw 'rectangle 3,1 11,14' -fill '#ffd040' -draw 'point 9,8' -stroke '#208020' -strokewidth 2 -draw 'line 12,8 15,8'
icon print -fill '#d0d0d0' -stroke '#404040' -draw 'rectangle 1,6 14,12' -fill white -draw 'rectangle 4,1 11,6' -draw 'rectangle 4,10 11,15' -stroke '#40a040' -draw 'point 12,8'
icon setprinter -fill '#d0d0d0' -stroke '#404040' -draw 'rectangle 1,6 12,12' -fill white -draw 'rectangle 3,2 10,6' \
  -fill '#808080' -stroke '#202020' -draw 'circle 12,12 14,12'
icon setting -fill '#909090' -stroke '#303030' -draw 'circle 8,8 8,2' -fill '#e0e0e0' -draw 'circle 8,8 8,5' \
  -stroke '#303030' -strokewidth 2 -draw 'line 8,0 8,2' -draw 'line 8,14 8,16' -draw 'line 0,8 2,8' -draw 'line 14,8 16,8'
icon arrow -fill white -stroke black -draw 'polygon 4,1 4,13 7,10 9,15 11,14 9,9 13,9'
icon hand -fill '#f0d0a0' -stroke '#604020' -draw 'roundrectangle 3,6 13,15 2,2' -draw 'rectangle 4,2 5,8' -draw 'rectangle 6,1 7,8' \
  -draw 'rectangle 8,1 9,8' -draw 'rectangle 10,2 11,8' -draw 'rectangle 1,8 3,11'
icon scale -fill '#c0e0ff' -stroke '#202020' -draw 'circle 6,6 6,1' -strokewidth 3 -draw 'line 10,10 14,14'
icon entity -fill white -stroke '#203060' -draw 'rectangle 1,2 14,13' -fill '#6080c0' -draw 'rectangle 1,2 14,5' -stroke '#808080' -draw 'line 3,8 12,8' -draw 'line 3,11 10,11'
icon relation -fill white -stroke '#203060' -draw 'rectangle 0,0 5,5' -draw 'rectangle 10,10 15,15' -stroke black -draw 'line 5,3 12,3' -draw 'line 12,3 12,10' \
  -draw 'line 10,8 12,10' -draw 'line 14,8 12,10'
icon note -fill '#fff080' -stroke '#806000' -draw 'polygon 1,1 14,1 14,10 10,14 1,14' -draw 'polyline 10,14 10,10 14,10' -stroke '#a08000' -draw 'line 3,5 11,5' -draw 'line 3,8 9,8'
icon entrypoint -fill white -stroke '#203060' -draw 'rectangle 4,6 15,15' -fill '#20a020' -stroke '#105010' -draw 'polygon 0,0 7,4 3,7'
icon text -fill '#202020' -stroke none -font "$font" -pointsize 15 -gravity center -draw 'text 0,1 "T"'
icon projectinfo -fill '#e0f0ff' -stroke '#2050a0' -draw 'rectangle 1,1 14,14' -fill '#2050a0' -stroke none -font "$font" -pointsize 12 -gravity center -draw 'text 0,1 "i"'
icon showbrowser -fill white -stroke '#404040' -draw 'rectangle 1,1 14,14' -stroke '#2050a0' -draw 'line 3,4 5,4' -draw 'line 5,7 7,7' -draw 'line 5,10 7,10' \
  -draw 'line 7,4 12,4' -draw 'line 9,7 12,7' -draw 'line 9,10 12,10' -stroke '#808080' -draw 'line 4,5 4,10'
icon showrulers -fill '#f0e0a0' -stroke '#806000' -draw 'rectangle 0,4 15,11' -draw 'line 3,4 3,7' -draw 'line 6,4 6,8' -draw 'line 9,4 9,7' -draw 'line 12,4 12,8'
icon showerrorbrowser -fill white -stroke '#404040' -draw 'rectangle 1,1 14,14' -stroke '#c02020' -draw 'line 3,4 5,6' -draw 'line 5,4 3,6' \
  -draw 'line 3,9 5,11' -draw 'line 5,9 3,11' -stroke '#808080' -draw 'line 7,5 12,5' -draw 'line 7,10 12,10'
icon cascade -fill white -stroke '#404040' -draw 'rectangle 0,0 9,7' -draw 'rectangle 3,4 12,11' -draw 'rectangle 6,8 15,15' -fill '#2050a0' -draw 'rectangle 6,8 15,9'
icon tilehorizontal -fill white -stroke '#404040' -draw 'rectangle 1,0 14,7' -draw 'rectangle 1,8 14,15' -fill '#2050a0' -draw 'rectangle 1,0 14,1' -draw 'rectangle 1,8 14,9'
icon tilevertical -fill white -stroke '#404040' -draw 'rectangle 0,1 7,14' -draw 'rectangle 8,1 15,14' -fill '#2050a0' -draw 'rectangle 0,1 7,2' -draw 'rectangle 8,1 15,2'
icon minimizeall -fill white -stroke '#404040' -draw 'rectangle 1,1 14,10' -fill '#2050a0' -draw 'rectangle 1,1 14,2' -stroke black -strokewidth 2 -draw 'line 4,14 11,14'
icon windowclose -fill white -stroke '#404040' -draw 'rectangle 1,1 14,14' -fill '#2050a0' -draw 'rectangle 1,1 14,3' -stroke '#c02020' -strokewidth 2 -draw 'line 5,7 10,12' -draw 'line 10,7 5,12'
icon cut -fill none -stroke '#202020' -draw 'circle 4,12 4,9' -draw 'circle 11,12 11,9' -draw 'line 5,10 11,1' -draw 'line 10,10 4,1'
icon copy -fill white -stroke '#404040' -draw 'rectangle 1,1 9,11' -draw 'rectangle 6,4 14,14' -stroke '#808080' -draw 'line 8,7 12,7' -draw 'line 8,10 12,10'
icon paste -fill '#c09050' -stroke '#604020' -draw 'rectangle 2,2 12,14' -fill '#d0d0d0' -draw 'rectangle 5,0 9,3' -fill white -stroke '#404040' -draw 'rectangle 7,6 15,15'
icon delete -stroke '#c02020' -strokewidth 3 -draw 'line 3,3 12,12' -draw 'line 12,3 3,12'
icon reverse -fill '#a0c0e0' -stroke '#204060' -draw 'ellipse 6,3 5,2 0,360' -draw 'rectangle 1,3 11,12' -draw 'ellipse 6,12 5,2 0,180' \
  -stroke '#20a020' -strokewidth 2 -draw 'line 10,8 15,8' -draw 'line 13,6 15,8' -draw 'line 13,10 15,8'
icon diffreverse -fill '#a0c0e0' -stroke '#204060' -draw 'ellipse 6,3 5,2 0,360' -draw 'rectangle 1,3 11,12' -draw 'ellipse 6,12 5,2 0,180' \
  -stroke '#e08000' -strokewidth 2 -draw 'line 9,14 15,14' -draw 'line 9,10 15,10'
icon check -stroke '#20a020' -strokewidth 3 -fill none -draw 'polyline 2,8 6,12 14,3'
icon generate -fill white -stroke '#404040' -draw 'polygon 2,0 11,0 14,3 14,15 2,15' -fill '#2050a0' -stroke none -font "$font" -pointsize 6 -draw 'text 3,10 "SQL"'
icon showscript -fill white -stroke '#404040' -draw 'polygon 2,0 11,0 14,3 14,15 2,15' -stroke '#2050a0' -draw 'line 4,4 11,4' -draw 'line 4,7 12,7' -draw 'line 4,10 9,10' -draw 'line 4,13 11,13'
icon generatedoc -fill white -stroke '#404040' -draw 'polygon 2,0 11,0 14,3 14,15 2,15' -fill '#c06000' -stroke none -font "$font" -pointsize 9 -draw 'text 4,12 "H"'
icon showdoc -fill '#80c0ff' -stroke '#204080' -draw 'circle 8,8 8,1' -fill none -draw 'ellipse 8,8 3,7 0,360' -draw 'line 1,8 15,8'
icon arrange -fill '#6080c0' -stroke '#203060' -draw 'rectangle 0,0 5,5' -draw 'rectangle 10,0 15,5' -draw 'rectangle 0,10 5,15' -draw 'rectangle 10,10 15,15'
icon findinbrowser -fill '#c0e0ff' -stroke '#202020' -draw 'circle 9,6 9,2' -strokewidth 2 -draw 'line 6,9 1,14'
icon properties -fill white -stroke '#404040' -draw 'rectangle 1,1 14,14' -fill '#2050a0' -draw 'rectangle 1,1 14,3' -stroke '#404040' -draw 'line 3,6 12,6' -draw 'line 3,9 12,9' -draw 'line 3,12 8,12'
icon modelproperties -fill '#a0c0e0' -stroke '#204060' -draw 'ellipse 8,3 6,2 0,360' -draw 'rectangle 2,3 14,13' -draw 'ellipse 8,13 6,2 0,180'
icon addtext -fill '#202020' -stroke none -font "$font" -pointsize 11 -draw 'text 0,12 "Ab"' -stroke '#20a020' -strokewidth 2 -draw 'line 12,12 16,12' -draw 'line 14,10 14,14'
icon removetext -fill '#202020' -stroke none -font "$font" -pointsize 11 -draw 'text 0,12 "Ab"' -stroke '#c02020' -strokewidth 2 -draw 'line 12,12 16,12'
icon help -fill '#2050a0' -stroke '#102050' -draw 'circle 8,8 8,1' -fill white -stroke none -font "$font" -pointsize 12 -gravity center -draw 'text 0,1 "?"'
icon schemeinfo -fill white -stroke '#404040' -draw 'rectangle 1,1 14,14' -fill '#20a020' -stroke none -draw 'rectangle 3,9 5,13' -draw 'rectangle 7,5 9,13' -draw 'rectangle 11,7 13,13'
icon about -fill '#e0f0ff' -stroke '#2050a0' -draw 'circle 8,8 8,1' -fill '#2050a0' -stroke none -font "$font" -pointsize 11 -gravity center -draw 'text 0,1 "i"'
icon palette -fill '#d0d0d0' -stroke '#404040' -draw 'rectangle 0,3 15,12' -fill '#2050a0' -stroke none -draw 'rectangle 2,5 4,10' -draw 'rectangle 6,5 8,10' -draw 'rectangle 10,5 12,10'
# The modified mark of the status bar.
icon modified -fill '#ff4020' -stroke '#802010' -draw 'polygon 8,0 10,6 16,6 11,10 13,16 8,12 3,16 5,10 0,6 6,6'
# The key of a primary-key attribute row.
icon key -fill '#e0b020' -stroke '#604000' -draw 'circle 4,8 4,4' -draw 'rectangle 7,7 15,9' -draw 'rectangle 12,9 13,12' -fill none -draw 'point 4,8'

# The splash picture: 443 x 233.
convert -size 443x233 gradient:'#10284a'-'#3a6ea8' \
  -fill none -stroke '#9cc4f0' -strokewidth 2 \
  -draw 'rectangle 40,70 150,150' -draw 'line 40,92 150,92' \
  -draw 'rectangle 250,110 380,190' -draw 'line 250,132 380,132' \
  -draw 'line 150,110 200,110' -draw 'line 200,110 200,150' -draw 'line 200,150 250,150' \
  -fill white -stroke none -font "$font" -pointsize 44 -draw 'text 24,52 "Morvik"' \
  -font /usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf -pointsize 13 \
  -draw 'text 26,200 "Návrh databázových schémat"' "PNG24:splash.png"
