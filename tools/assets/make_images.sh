#!/usr/bin/env bash
# Draws every picture that Brevane ships: splash, About picture, program icon,
# the default player picture and character portraits, the crosshair pictures
# and the weapon pictures.  Everything is drawn from shapes and text here, so
# the whole set can be regenerated at any time:
#
#     tools/assets/make_images.sh            # all pictures
#     tools/assets/make_images.sh splash     # only some groups (see main below)
#
# Needs ImageMagick 6 (convert) and the DejaVu fonts.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
OUT="$ROOT/assets/Images"
CONVERT="${CONVERT:-convert}"
WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT

# Fonts: resolved through fontconfig so the script does not depend on one path.
font_file() {
  local f
  f="$(fc-match -f '%{file}' "$1" 2>/dev/null || true)"
  if [[ -z "$f" || ! -f "$f" ]]; then
    echo "missing font '$1' (apt-get install -y fonts-dejavu-core fonts-dejavu-extra)" >&2
    exit 1
  fi
  printf '%s' "$f"
}
FONT_BOLD="$(font_file 'DejaVu Sans:bold')"
FONT_REGULAR="$(font_file 'DejaVu Sans')"
FONT_CONDENSED="$(font_file 'DejaVu Sans:condensed:bold')"

im() { "$CONVERT" "$@"; }

# --- small geometry helpers (awk does the trigonometry) ----------------------

# ticks CX CY R_INNER R_INNER_MAJOR R_OUTER COUNT MAJOR_EVERY -> MVG "line" list
ticks() {
  awk -v cx="$1" -v cy="$2" -v r1="$3" -v r1m="$4" -v r2="$5" -v n="$6" -v m="$7" 'BEGIN{
    for (i = 0; i < n; i++) {
      a = i * 2 * 3.14159265 / n; r = (i % m == 0) ? r1m : r1
      printf "line %.1f,%.1f %.1f,%.1f ", cx + r*sin(a), cy - r*cos(a), cx + r2*sin(a), cy - r2*cos(a)
    }}'
}

# polygon_points CX CY R SIDES START_DEGREES -> "x,y x,y ..."
polygon_points() {
  awk -v cx="$1" -v cy="$2" -v r="$3" -v n="$4" -v s="$5" 'BEGIN{
    for (i = 0; i < n; i++) {
      a = (s + i * 360 / n) * 3.14159265 / 180
      printf "%.1f,%.1f ", cx + r*sin(a), cy - r*cos(a)
    }}'
}

# --- the emblem: ring, hexagon and arrowhead, drawn once at 512 x 512 ---------

make_emblem() {
  im -size 512x512 xc:none \
    -fill none -stroke '#3fa9ff' -strokewidth 10 -draw "circle 256,256 256,26" \
    -stroke '#2a6fd0' -strokewidth 4 -draw "$(ticks 256 256 198 186 214 60 5)" \
    -stroke '#8fd8ff' -strokewidth 9 -fill '#0a1d5acc' -draw "polygon $(polygon_points 256 256 165 6 0)" \
    -stroke none -fill '#ffffff' -draw "polygon 256,118 362,318 256,272 150,318" \
    -fill '#5cc8ff' -draw "polygon 256,292 350,340 256,398 162,340" \
    -fill '#d8283a' -draw "circle 256,26 256,16" \
    "$WORK/emblem.png"
}

# glow SRC SIZE COLOUR BLUR -> SRC resized, with a soft coloured halo, as PNG
with_glow() {
  local src="$1" size="$2" colour="$3" blur="$4" dst="$5"
  im "$src" -resize "${size}x${size}" -bordercolor none -border "$((blur * 2))" \
    \( +clone -alpha extract -blur "0x$blur" -background "$colour" -alpha shape \) \
    +swap -compose over -composite "$dst"
}

# gradient_text TEXT FONT POINTS KERNING TOP_COLOUR BOTTOM_COLOUR GLOW_COLOUR OUT
gradient_text() {
  local text="$1" font="$2" pts="$3" kern="$4" top="$5" bottom="$6" glow="$7" dst="$8"
  im -background none -font "$font" -pointsize "$pts" -kerning "$kern" -fill white \
    label:"$text" -trim +repage -bordercolor none -border 24 "$WORK/text_mask.png"
  local geo
  geo="$(im "$WORK/text_mask.png" -format '%wx%h' info:)"
  im -size "$geo" gradient:"$top-$bottom" "$WORK/text_mask.png" \
    -compose CopyOpacity -composite "$WORK/text_fill.png"
  im "$WORK/text_mask.png" -alpha extract -blur 0x9 -background "$glow" -alpha shape \
    "$WORK/text_fill.png" -compose over -composite "$dst"
}

# --- splash -------------------------------------------------------------------

make_splash() {
  local W=800 H=600
  # Perspective floor grid that fades towards the horizon.
  local grid="" x y i
  for i in $(seq -12 12); do
    x=$((400 + i * 70))
    grid+="line 400,440 $x,$((H + 300)) "
  done
  for y in 446 454 466 484 510 546 594; do
    grid+="line 0,$y $W,$y "
  done
  im -size ${W}x${H} xc:none -stroke '#3672d0' -strokewidth 1.2 -fill none -draw "$grid" \
    \( -size ${W}x${H} gradient:'black-white' -level 76%,100% +level 0,85% \) \
    -alpha off -compose CopyOpacity -composite "$WORK/grid.png"

  with_glow "$WORK/emblem.png" 190 '#2f8fff' 14 "$WORK/splash_emblem.png"
  gradient_text "BREVANE" "$FONT_BOLD" 104 22 '#ffffff' '#7fc8ff' '#1f6fff' "$WORK/title.png"
  im -background none -font "$FONT_REGULAR" -pointsize 21 -kerning 1.5 -fill '#cfe6ff' \
    label:"Settings editor for Unreal Tournament 2004" "$WORK/subtitle.png"

  # A rule under the title that fades out at both ends, with a diamond in the middle.
  im -size 620x3 gradient:'#7fd0ff-#7fd0ff' \
    \( -size 3x620 gradient:'black-white' -rotate 90 -fx 'sin(u*pi)' \) \
    -alpha off -compose CopyOpacity -composite "$WORK/rule.png"

  local corner='#4f9dff'
  im -size ${W}x${H} radial-gradient:'#1c3f96-#030a26' \
    "$WORK/grid.png" -compose over -composite \
    -fill '#06123ae6' -draw "rectangle 0,0 $W,64" -draw "rectangle 0,$((H - 48)) $W,$H" \
    -stroke '#2b5fb8' -strokewidth 1 -draw "line 0,64 $W,64" -draw "line 0,$((H - 48)) $W,$((H - 48))" \
    -stroke '#c0202e' -strokewidth 3 -draw "line 0,66 150,66" -draw "line $((W - 150)),66 $W,66" \
    -stroke "$corner" -strokewidth 3 -fill none \
    -draw "polyline 24,98 24,84 38,84" -draw "polyline $((W - 24)),98 $((W - 24)),84 $((W - 38)),84" \
    -draw "polyline 24,$((H - 82)) 24,$((H - 68)) 38,$((H - 68))" \
    -draw "polyline $((W - 24)),$((H - 82)) $((W - 24)),$((H - 68)) $((W - 38)),$((H - 68))" \
    -stroke '#2b5fb8' -strokewidth 1 -draw "$(ticks 400 180 126 120 132 72 6)" \
    -draw "circle 400,180 400,40" \
    "$WORK/splash_emblem.png" -gravity north -geometry +0+48 -compose over -composite \
    "$WORK/title.png" -gravity north -geometry +0+300 -composite \
    "$WORK/rule.png" -gravity north -geometry +0+444 -composite \
    -gravity north -stroke none -fill '#cfefff' -draw "translate 400,445 rotate 45 rectangle -6,-6 6,6" \
    "$WORK/subtitle.png" -gravity north -geometry +0+462 -composite \
    -font "$FONT_BOLD" -pointsize 13 -kerning 4 -fill '#7fa8e0' -stroke none \
    -gravity northwest -annotate +30+24 "UNREAL TOURNAMENT 2004" \
    -gravity northeast -annotate +30+24 "CONFIGURATION SUITE" \
    -gravity southwest -annotate +30+16 "USER.INI  /  UT2004.INI" \
    -gravity southeast -annotate +30+16 "VERSION 1.0" \
    -quality 92 "$OUT/Splash.jpg"
}

# --- About picture and program icon -------------------------------------------

make_about() {
  with_glow "$WORK/emblem.png" 118 '#2f8fff' 8 "$WORK/about_emblem.png"
  gradient_text "BREVANE" "$FONT_BOLD" 30 5 '#ffffff' '#8fd0ff' '#1f6fff' "$WORK/about_title.png"
  im -size 298x162 radial-gradient:'#1a3aa0-#000070' \
    -stroke '#3566c8' -strokewidth 1 -fill none -draw "rectangle 3,3 294,158" \
    -stroke '#c0202e' -strokewidth 2 -draw "line 3,3 60,3" -draw "line 237,158 294,158" \
    "$WORK/about_emblem.png" -gravity west -geometry -4+0 -compose over -composite \
    \( "$WORK/about_title.png" -resize '172x>' \) -gravity northwest -geometry +122+30 -composite \
    -stroke '#7fd0ff' -strokewidth 1 -draw "line 140,84 280,84" \
    -stroke none -fill '#cfe6ff' -font "$FONT_REGULAR" -pointsize 11 \
    -gravity northwest -annotate +140+94 "Settings editor for" \
    -annotate +140+110 "Unreal Tournament 2004" \
    -font "$FONT_BOLD" -pointsize 9 -kerning 2 -fill '#7fa8e0' -annotate +140+134 "VERSION 1.0" \
    -quality 92 "$OUT/About.jpg"
}

make_icon() {
  # Small sizes get a plainer emblem: the tick ring turns to mush below 64 px.
  im -size 256x256 xc:none -fill '#0b1f5a' -stroke '#3fa9ff' -strokewidth 8 \
    -draw "roundrectangle 8,8 247,247 44,44" "$WORK/icon_back.png"
  im -size 256x256 radial-gradient:'#2050c0-#06103a' "$WORK/icon_back.png" \
    -compose CopyOpacity -composite "$WORK/icon_fill.png"
  im "$WORK/icon_fill.png" "$WORK/icon_back.png" -compose over -composite \
    \( "$WORK/emblem.png" -resize 236x236 \) -gravity center -composite -depth 8 \
    -define png:exclude-chunks=date,time "$OUT/Brevane.png"
  im -size 512x512 xc:none \
    -stroke '#8fd8ff' -strokewidth 40 -fill '#0a1d5a' -draw "polygon $(polygon_points 256 256 200 6 0)" \
    -stroke none -fill '#ffffff' -draw "polygon 256,96 388,340 256,282 124,340" \
    -fill '#5cc8ff' -draw "polygon 256,318 372,372 256,436 140,372" "$WORK/emblem_small.png"
  local s
  for s in 16 24 32 48; do
    im -size 256x256 xc:none -fill '#0b1f5a' -stroke '#3fa9ff' -strokewidth 14 \
      -draw "roundrectangle 8,8 247,247 44,44" \
      \( "$WORK/emblem_small.png" -resize 220x220 \) -gravity center -compose over -composite \
      -resize "${s}x${s}" "$WORK/icon_$s.png"
  done
  im "$OUT/Brevane.png" -resize 64x64 "$WORK/icon_64.png"
  im "$WORK/icon_16.png" "$WORK/icon_24.png" "$WORK/icon_32.png" "$WORK/icon_48.png" \
    "$WORK/icon_64.png" "$OUT/Brevane.png" -define png:exclude-chunks=date,time "$OUT/Brevane.ico"
}

# --- player portraits -----------------------------------------------------------
# Each portrait is a stylised bust.  Its colours, headgear, eyes and shoulders are
# picked from the MD5 of the character's name, so every name looks different and
# the same name always gives the same picture.

PORTRAIT_W=120
PORTRAIT_H=160

# portrait_params NAME -> shell assignments (colours and shape choices)
portrait_params() {
  local hex
  hex="$(printf '%s' "$1" | md5sum | cut -c1-32)"
  awk -v hex="$hex" '
    function hexval(s,   i, v) { v = 0; for (i = 1; i <= length(s); i++) v = v * 16 + index("0123456789abcdef", substr(s, i, 1)) - 1; return v }
    function channel(p, q, t) {
      if (t < 0) t += 1; if (t > 1) t -= 1
      if (t < 1/6) return p + (q - p) * 6 * t
      if (t < 1/2) return q
      if (t < 2/3) return p + (q - p) * (2/3 - t) * 6
      return p
    }
    function hsl(h, s, l,   q, p) {
      h = (h % 360 + 360) % 360 / 360
      q = (l < 0.5) ? l * (1 + s) : l + s - l * s; p = 2 * l - q
      return sprintf("#%02x%02x%02x", 255 * channel(p, q, h + 1/3), 255 * channel(p, q, h), 255 * channel(p, q, h - 1/3))
    }
    BEGIN {
      h = hexval(substr(hex, 1, 3)) % 360
      shift = (hexval(substr(hex, 4, 1)) % 3 == 0) ? 180 : ((hexval(substr(hex, 4, 1)) % 3 == 1) ? 0 : 35)
      printf "BG_TOP=%s BG_BOTTOM=%s ACCENT=%s BODY=%s BODY_EDGE=%s ", hsl(h, 0.55, 0.30), hsl(h, 0.65, 0.07), hsl(h + shift, 0.95, 0.62), hsl(h, 0.25, 0.10), hsl(h, 0.30, 0.22)
      printf "HEADGEAR=%d EYES=%d SHOULDERS=%d ", hexval(substr(hex, 5, 2)) % 7, hexval(substr(hex, 7, 2)) % 4, hexval(substr(hex, 9, 2)) % 3
      printf "HEAD_RX=%d HEAD_RY=%d CHEST=%d\n", 38 + hexval(substr(hex, 11, 1)) % 9, 48 + hexval(substr(hex, 12, 1)) % 9, hexval(substr(hex, 13, 1)) % 3
    }'
}

# portrait NAME OUTFILE [LABEL]: draws at twice the size and scales down, which
# gives clean edges.
portrait() {
  local name="$1" dst="$2" label="${3-$1}"
  local BG_TOP BG_BOTTOM ACCENT BODY BODY_EDGE HEADGEAR EYES SHOULDERS HEAD_RX HEAD_RY CHEST
  if [[ "${NEUTRAL:-0}" == 1 ]]; then
    BG_TOP='#3a4658' BG_BOTTOM='#0b0f16' ACCENT='#9fb4cc' BODY='#141a22' BODY_EDGE='#2a3340'
    HEADGEAR=0 EYES=-1 SHOULDERS=0 HEAD_RX=42 HEAD_RY=52 CHEST=-1
  else
    eval "$(portrait_params "$name")"
  fi
  local W=$((PORTRAIT_W * 2)) H=$((PORTRAIT_H * 2)) cx=120 cy=118
  local rx=$HEAD_RX ry=$HEAD_RY top=$((118 - HEAD_RY))
  local back="" body="" front=""

  # Shapes behind the head (hood, long hair) and on it (crest, horns, antenna, fins).
  case $HEADGEAR in
    1) body+="polygon $((cx - 9)),$((top + 10)) $((cx - 4)),$((top - 26)) $((cx + 14)),$((top - 20)) $((cx + 9)),$((top + 12)) " ;;
    2) body+="path 'M $((cx - rx + 8)),$((cy - 20)) Q $((cx - rx - 24)),$((top - 10)) $((cx - rx - 6)),$((top - 40)) Q $((cx - rx + 2)),$((top + 6)) $((cx - rx + 26)),$((top + 18)) Z' "
       body+="path 'M $((cx + rx - 8)),$((cy - 20)) Q $((cx + rx + 24)),$((top - 10)) $((cx + rx + 6)),$((top - 40)) Q $((cx + rx - 2)),$((top + 6)) $((cx + rx - 26)),$((top + 18)) Z' " ;;
    3) body+="rectangle $((cx + rx - 10)),$((top - 34)) $((cx + rx - 6)),$((cy - 10)) "
       front+="circle $((cx + rx - 8)),$((top - 38)) $((cx + rx - 8)),$((top - 31)) " ;;
    4) back+="path 'M $((cx - rx - 22)),240 Q $((cx - rx - 26)),$((top - 6)) $cx,$((top - 30)) Q $((cx + rx + 26)),$((top - 6)) $((cx + rx + 22)),240 Z' " ;;
    5) body+="roundrectangle $((cx - rx - 12)),$((cy - 26)) $((cx - rx + 8)),$((cy + 22)) 6,6 "
       body+="roundrectangle $((cx + rx - 8)),$((cy - 26)) $((cx + rx + 12)),$((cy + 22)) 6,6 "
       front+="line $((cx - rx + 10)),$((cy - 30)) $((cx + rx - 10)),$((cy - 30)) " ;;
    6) back+="path 'M $((cx - rx - 12)),$((cy + 70)) Q $((cx - rx - 26)),$((top - 16)) $cx,$((top - 12)) Q $((cx + rx + 26)),$((top - 16)) $((cx + rx + 12)),$((cy + 70)) Z' " ;;
  esac

  # Shoulders, neck and head.
  body+="path 'M 0,$H L 0,292 C 6,240 40,214 92,204 L 148,204 C 200,214 234,240 240,292 L 240,$H Z' "
  body+="rectangle $((cx - 20)),150 $((cx + 20)),210 "
  case $SHOULDERS in
    1) body+="polygon 4,258 22,218 66,204 84,214 74,240 " 
       body+="polygon 236,258 218,218 174,204 156,214 166,240 " ;;
    2) body+="polygon 78,206 96,176 144,176 162,206 " ;;
  esac
  local neck_fill="rectangle $((cx - 18)),150 $((cx + 18)),214"
  case $SHOULDERS in 2) neck_fill="polygon 81,208 98,178 142,178 159,208" ;; esac
  body+="ellipse $cx,$cy $rx,$ry 0,360 "

  # Glowing details: eyes or visor, antenna light, chest markings.
  local ey=$((cy - 2))
  case $EYES in
    0) front+="roundrectangle $((cx - rx + 8)),$((ey - 9)) $((cx + rx - 8)),$((ey + 7)) 7,7 " ;;
    1) front+="ellipse $((cx - 16)),$ey 9,4 0,360 ellipse $((cx + 16)),$ey 9,4 0,360 " ;;
    2) front+="circle $cx,$ey $cx,$((ey + 9)) " ;;
    3) front+="rectangle $((cx - rx + 10)),$((ey - 6)) $((cx + rx - 10)),$((ey + 2)) rectangle $((cx - 4)),$((ey - 6)) $((cx + 4)),$((ey + 34)) " ;;
  esac
  case $CHEST in
    0) front+="polyline 86,226 120,252 154,226 " ;;
    1) front+="line 70,232 100,262 line 170,232 140,262 " ;;
    2) front+="circle 120,246 120,256 " ;;
  esac

  local scan=""
  local y
  for ((y = 0; y < H; y += 4)); do scan+="line 0,$y $W,$y "; done

  # Silhouette layer with a soft rim glow in the accent colour.
  im -size ${W}x${H} xc:none -fill "$BODY" -stroke "$BODY_EDGE" -strokewidth 3 \
    ${back:+-draw "$back"} -draw "$body" -stroke none -draw "$neck_fill" \
    -draw "ellipse $cx,$cy $((rx - 1)),$((ry - 1)) 0,360" \
    \( -size ${W}x${H} xc:none -fill '#ffffff22' -draw "ellipse $((cx - 12)),$((cy - 22)) $((rx / 2)),$((ry / 2)) 0,360" -blur 0x10 \) \
    -compose atop -composite "$WORK/p_body.png"
  im "$WORK/p_body.png" -alpha extract -blur 0x7 -background "$ACCENT" -alpha shape \
    -channel A -evaluate multiply 0.8 +channel "$WORK/p_rim.png"
  im -size ${W}x${H} xc:none -fill "$ACCENT" -stroke "$ACCENT" -strokewidth 5 -draw "$front" \
    \( +clone -blur 0x5 \) +swap -compose over -composite "$WORK/p_front.png"

  local pts=30
  (( ${#label} > 9 )) && pts=$((270 / ${#label}))
  im -size ${W}x${H} gradient:"$BG_TOP-$BG_BOTTOM" \
    -fill none -stroke "${ACCENT}40" -strokewidth 2 -draw "circle $cx,$cy $cx,$((cy - ry - 34))" \
    -draw "$(ticks $cx $cy $((ry + 38)) $((ry + 30)) $((ry + 46)) 36 3)" \
    -stroke '#00000030' -strokewidth 1 -draw "$scan" \
    "$WORK/p_rim.png" -compose over -composite \
    "$WORK/p_body.png" -composite \
    "$WORK/p_front.png" -composite \
    -stroke none -fill '#000000b0' -draw "rectangle 0,270 $W,$H" \
    -fill "$ACCENT" -draw "rectangle 0,270 $W,273" \
    -fill white -font "$FONT_CONDENSED" -pointsize "$pts" -kerning 2 \
    -gravity south -annotate +0+9 "${label^^}" \
    -resize ${PORTRAIT_W}x${PORTRAIT_H} -quality 90 "$dst"
}

CHARACTERS=(Ambrosia Arclite ASP BlackJack Brock Brutalis CannonBall Cleopatra Cobalt Corrosion
  Damarus Diva Domina Faraleth Fate Frostbite Gorge Harlequin Horus Hyena Komek Lauren Lilith
  Makreth Malcolm Mandible Memphis Mokara Motig MrCrow Nebri Prism Rapier Ravage Reinha Remus
  Renegade Roc Romulus Rylisa Sapphire Satin Scarab Selig Siren Subversa Syzygy Thorax Torch
  Widowmaker Wraith Dominator Drekorig Skakruk Guardian Kraagesh Gaargod Gkublok Virus Enigma
  Cyclops Cathode Axon Divisor Matrix Jakob Aryss Tamika Othello Azure Annika Riker Garrett
  Baird Greith Zarina Ophelia Kaela Rae Kane Outlaw Abaddon)

make_portraits() {
  mkdir -p "$OUT/Characters"
  NEUTRAL=1 portrait "" "$OUT/Player.jpg" "Player"
  local name
  for name in "${CHARACTERS[@]}"; do
    portrait "$name" "$OUT/Characters/$name.jpg"
  done
}

# --- crosshairs -------------------------------------------------------------------
# Drawn at 256 x 256 around the centre 128,128 and scaled down to 64 x 64.

CROSSHAIR_SIZE=64

crosshair_shapes() {
  local c=128
  case "$1" in
    "Dot") echo "FILL circle $c,$c $c,$((c + 12))" ;;
    "Cross 1") echo "line $c,44 $c,104 line $c,152 $c,212 line 44,$c 104,$c line 152,$c 212,$c" ;;
    "Cross 2") echo "line $c,36 $c,220 line 36,$c 220,$c" ;;
    "Cross 3") echo "STROKE 18 line $c,64 $c,104 line $c,152 $c,192 line 64,$c 104,$c line 152,$c 192,$c" ;;
    "Cross 4") echo "line 66,66 106,106 line 150,150 190,190 line 66,190 106,150 line 150,106 190,66 FILL circle $c,$c $c,$((c + 7))" ;;
    "Cross 5") echo "line $c,28 $c,100 line $c,156 $c,228 line 28,$c 100,$c line 156,$c 228,$c circle $c,$c $c,$((c + 58))" ;;
    "Circle 1") echo "circle $c,$c $c,$((c + 50))" ;;
    "Circle 2") echo "circle $c,$c $c,$((c + 70)) line $c,44 $c,70 line $c,186 $c,212 line 44,$c 70,$c line 186,$c 212,$c FILL circle $c,$c $c,$((c + 8))" ;;
    "Bracket 1") echo "polyline 96,70 68,70 68,186 96,186 polyline 160,70 188,70 188,186 160,186 FILL circle $c,$c $c,$((c + 7))" ;;
    "Bracket 2") echo "polyline 62,96 62,62 96,62 polyline 160,62 194,62 194,96 polyline 194,160 194,194 160,194 polyline 96,194 62,194 62,160" ;;
    "Triad 1") echo "STROKE 12 $(awk 'BEGIN{for(i=0;i<3;i++){a=i*2*3.14159265/3; printf "line %.1f,%.1f %.1f,%.1f ", 128+34*sin(a),128-34*cos(a),128+100*sin(a),128-100*cos(a)}}')" ;;
    "Triad 2") echo "FILL $(awk 'BEGIN{for(i=0;i<3;i++){a=(60+i*120)*3.14159265/180; b=a+1.5708; printf "polygon %.1f,%.1f %.1f,%.1f %.1f,%.1f ", 128+40*sin(a),128-40*cos(a),128+96*sin(a)+24*sin(b),128-96*cos(a)-24*cos(b),128+96*sin(a)-24*sin(b),128-96*cos(a)+24*cos(b)}}')" ;;
    "Triad 3") echo "ellipse $c,$c 70,70 -70,-10 ellipse $c,$c 70,70 50,110 ellipse $c,$c 70,70 170,230 FILL circle $c,$c $c,$((c + 8))" ;;
    "Pointer") echo "FILL polygon $c,124 94,196 $c,174 162,196" ;;
    "Hidden") echo "DIM circle $c,$c $c,$((c + 60)) line 86,170 170,86" ;;
    "Avril") echo "circle $c,$c $c,$((c + 92)) line $c,106 $c,150 line 106,$c 150,$c FILL polygon $c,36 114,64 142,64 polygon $c,220 114,192 142,192 polygon 36,$c 64,114 64,142 polygon 220,$c 192,114 192,142" ;;
    "Avril Track") echo "circle $c,$c $c,$((c + 92)) line $c,106 $c,150 line 106,$c 150,$c FILL polygon $c,36 114,64 142,64 polygon $c,220 114,192 142,192 polygon 36,$c 64,114 64,142 polygon 220,$c 192,114 192,142 RED polygon $c,70 186,$c $c,186 70,$c" ;;
    "Grenade Launcher") echo "ellipse $c,$c 76,76 200,340 line 100,160 156,160 line 108,184 148,184 line 116,208 140,208 line $c,150 $c,216 FILL circle $c,$c $c,$((c + 9))" ;;
    "Mine Layer") echo "circle $c,$c $c,$((c + 22)) FILL polygon $c,38 142,58 $c,78 114,58 polygon $c,218 142,198 $c,178 114,198 polygon 38,$c 58,142 78,$c 58,114 polygon 218,$c 198,142 178,$c 198,114" ;;
    "Tank") echo "line 20,$c 96,$c line 160,$c 236,$c line $c,150 $c,228 line 112,170 144,170 line 116,192 140,192 line 120,214 136,214 FILL polygon $c,$((c + 4)) 116,108 140,108" ;;
  esac
}

crosshair() {
  local name="$1" dst="$2"
  local stroke=9 colour='#ffffff' glow='#5fd0ff' mode=none
  local -a draw=()
  local cmd="" token prefix="stroke-linecap round stroke-linejoin round "
  # The shape list carries a few markers: FILL switches to filled shapes,
  # STROKE n changes the line width, DIM and RED change the colour.
  for token in $(crosshair_shapes "$name"); do
    case "$token" in
      FILL|DIM|RED|STROKE)
        [[ -n "$cmd" ]] && draw+=(-draw "$prefix$cmd") && cmd=""
        case "$token" in
          FILL) draw+=(-fill "$colour" -stroke none) ;;
          DIM) colour='#56606e'; glow='#000000'; prefix+="stroke-dasharray 18 14 "; draw+=(-stroke "$colour" -fill none -strokewidth 8) ;;
          RED) colour='#ff4a3a'; glow='#ff3020'; draw+=(-stroke "$colour" -fill none -strokewidth 7) ;;
          STROKE) mode=width ;;
        esac ;;
      *)
        if [[ $mode == width ]]; then draw+=(-strokewidth "$token"); mode=none
        else cmd+="$token "; fi ;;
    esac
  done
  [[ -n "$cmd" ]] && draw+=(-draw "$prefix$cmd")
  im -size 256x256 xc:none -fill none -stroke "$colour" -strokewidth "$stroke" \
    "${draw[@]}" "$WORK/cross.png"
  im -size 256x256 xc:black \
    \( "$WORK/cross.png" -alpha extract -blur 0x10 -background "$glow" -alpha shape \) -compose over -composite \
    "$WORK/cross.png" -composite \
    -resize ${CROSSHAIR_SIZE}x${CROSSHAIR_SIZE} -quality 95 "$dst"
}

CROSSHAIRS=("Avril Track" "Avril" "Bracket 1" "Bracket 2" "Circle 1" "Circle 2" "Cross 1" "Cross 2"
  "Cross 3" "Cross 4" "Cross 5" "Dot" "Grenade Launcher" "Hidden" "Mine Layer" "Pointer" "Tank"
  "Triad 1" "Triad 2" "Triad 3")

make_crosshairs() {
  mkdir -p "$OUT/CrossHairs"
  local name
  for name in "${CROSSHAIRS[@]}"; do
    crosshair "$name" "$OUT/CrossHairs/$name.jpg"
  done
}

# --- weapons -----------------------------------------------------------------------
# Side views, muzzle to the right, drawn on a 600 x 450 canvas from four layers:
# BODY (metal), SECOND (a second material such as a wooden stock), DARK (vents,
# lenses, openings) and GLOW (energy parts in the weapon's own colour).

weapon_shapes() {
  BODY="" SECOND="" DARK="" GLOW="" GLOW_COLOUR='#40c0ff' SECOND_COLOUR='#4a5568'
  case "$1" in
    "Redeemer")
      GLOW_COLOUR='#ffb020'
      BODY="polygon 120,170 70,130 70,300 120,260 roundrectangle 110,150 430,280 40,40 polygon 425,168 472,180 472,250 425,262
            path 'M 470,186 L 518,196 Q 566,215 518,234 L 470,244 Z' polygon 150,275 195,275 180,352 135,352 polygon 300,275 342,275 332,332 296,332"
      DARK="rectangle 150,176 400,192 rectangle 150,238 400,254 circle 270,215 270,241"
      GLOW="circle 270,215 270,235 rectangle 474,204 482,226" ;;
    "Ion Painter")
      GLOW_COLOUR='#ff3a30'
      BODY="polygon 150,200 80,215 80,265 150,250 roundrectangle 140,188 430,252 18,18 rectangle 200,168 380,190
            polygon 220,250 258,250 245,330 205,330 circle 458,220 458,264"
      DARK="circle 458,220 458,250 rectangle 260,204 400,212 rectangle 260,226 400,234"
      GLOW="circle 458,220 458,234 rectangle 500,217 585,223" ;;
    "ONS-Painter")
      GLOW_COLOUR='#40ff80'
      BODY="polygon 140,190 70,200 70,270 140,250 rectangle 140,180 400,255 polygon 400,190 470,200 470,240 400,245
            rectangle 470,201 548,214 rectangle 470,226 548,239 polygon 230,255 268,255 255,335 215,335 rectangle 230,148 340,180"
      DARK="rectangle 160,198 380,238 rectangle 326,154 340,174"
      GLOW="rectangle 176,210 364,224 rectangle 548,203 556,212 rectangle 548,228 556,237" ;;
    "Classic Sniper")
      GLOW_COLOUR='#ffd070' SECOND_COLOUR='#8a5a2e'
      BODY="rectangle 300,199 572,211 rectangle 200,190 322,226 roundrectangle 220,160 362,182 8,8
            rectangle 245,182 256,192 rectangle 318,182 329,192 polygon 222,158 198,150 198,192 222,184
            polygon 360,160 386,152 386,190 360,182 polygon 240,226 268,226 258,262 236,262"
      SECOND="polygon 205,194 60,206 50,268 92,270 212,230 polygon 320,211 468,211 458,228 320,228"
      DARK="rectangle 280,200 312,208"
      GLOW="rectangle 384,156 390,186" ;;
    "Sniper Rifle")
      GLOW_COLOUR='#60b4ff'
      BODY="rectangle 330,199 575,214 polygon 170,184 340,184 362,200 362,236 170,236 polygon 172,190 70,184 60,266 100,266 172,236
            polygon 220,236 256,236 240,322 205,322 roundrectangle 228,148 372,174 10,10 rectangle 270,174 282,184 rectangle 320,174 332,184"
      DARK="rectangle 380,192 392,222 rectangle 420,192 432,222 rectangle 460,192 472,222 rectangle 500,192 512,222 rectangle 236,154 260,168"
      GLOW="rectangle 188,205 332,213 circle 576,206 576,212" ;;
    "Rocket Launcher")
      GLOW_COLOUR='#ff4a30'
      BODY="polygon 112,182 66,170 66,262 112,250 roundrectangle 104,165 484,265 22,22 polygon 160,167 200,134 322,134 352,167
            rectangle 480,158 540,272 polygon 250,265 290,265 275,346 235,346"
      DARK="rectangle 540,166 562,196 rectangle 540,202 562,228 rectangle 540,234 562,264 rectangle 420,165 432,265 rectangle 212,146 312,158"
      GLOW="rectangle 180,204 390,212 circle 330,150 330,156" ;;
    "Flak Cannon")
      GLOW_COLOUR='#ff8a20'
      BODY="polygon 104,172 380,160 420,180 420,270 104,276 polygon 200,162 220,128 330,128 352,162 rectangle 420,176 540,252
            rectangle 534,166 562,262 polygon 220,274 260,274 245,352 205,352"
      DARK="rectangle 232,140 320,154 rectangle 440,188 528,197 rectangle 440,209 528,218 rectangle 440,230 528,239
            roundrectangle 140,188 340,254 12,12"
      GLOW="roundrectangle 154,198 188,244 8,8 roundrectangle 200,198 234,244 8,8 roundrectangle 246,198 280,244 8,8
            roundrectangle 292,198 326,244 8,8" ;;
    "Grenade Launcher")
      GLOW_COLOUR='#70ff40'
      BODY="polygon 160,190 80,200 80,260 160,236 rectangle 160,184 402,236 rectangle 400,180 540,226
            polygon 300,236 336,236 322,322 288,322 circle 230,266 230,318"
      DARK="rectangle 500,176 516,230 $(awk 'BEGIN{for(i=0;i<6;i++){a=i*60*3.14159265/180; x=230+31*sin(a); y=266-31*cos(a); printf "circle %.1f,%.1f %.1f,%.1f ", x, y, x, y+10}}')"
      GLOW="circle 230,266 230,277 rectangle 380,170 396,180" ;;
    "Minigun")
      GLOW_COLOUR='#ffe040'
      BODY="rectangle 380,180 562,194 rectangle 380,203 562,217 rectangle 380,226 562,240 rectangle 380,249 562,262
            roundrectangle 104,162 332,276 20,20 polygon 158,164 180,118 302,118 322,164 rectangle 328,172 384,268
            rectangle 516,168 538,272 polygon 200,274 240,274 228,348 190,348"
      DARK="rectangle 192,132 290,152 rectangle 345,182 368,258"
      GLOW="circle 160,220 160,242 rectangle 210,200 300,208" ;;
    "AVRiL")
      GLOW_COLOUR='#40e0ff'
      BODY="rectangle 60,190 522,250 polygon 520,186 572,170 572,270 520,254 polygon 62,196 28,184 28,256 62,244
            roundrectangle 240,128 382,186 10,10 rectangle 290,184 330,192 polygon 260,250 298,250 286,332 248,332
            polygon 402,250 432,250 432,302 406,302"
      DARK="rectangle 140,190 152,250 rectangle 460,190 472,250 rectangle 254,140 368,174"
      GLOW="rectangle 262,147 360,167" ;;
    "LinkGun")
      GLOW_COLOUR='#50ff50'
      BODY="path 'M 108,242 Q 118,168 220,164 L 420,170 Q 462,176 472,200 L 472,242 Q 462,264 420,264 L 160,264 Z'
            polygon 468,184 562,176 562,192 482,202 polygon 468,256 562,266 562,250 482,240 polygon 240,262 280,262 265,340 225,340"
      DARK="roundrectangle 196,192 444,236 12,12"
      GLOW="roundrectangle 208,202 432,226 10,10 circle 522,221 522,234" ;;
    "Shock Rifle")
      GLOW_COLOUR='#b866ff'
      BODY="polygon 92,232 58,284 112,284 140,250 path 'M 88,232 L 130,184 L 420,178 L 472,198 L 472,242 L 130,252 Z'
            polygon 230,248 270,248 255,332 215,332 circle 502,220 502,270"
      DARK="circle 502,220 502,256 rectangle 152,200 424,218"
      GLOW="circle 502,220 502,240 rectangle 162,205 416,213" ;;
    "Mine Layer")
      GLOW_COLOUR='#ffb040'
      BODY="polygon 140,186 80,196 80,256 140,256 rectangle 140,180 422,260 polygon 420,190 500,205 500,240 420,250
            polygon 250,260 290,260 275,340 235,340 roundrectangle 188,128 372,180 14,14
            polygon $(polygon_points 540 222 20 6 30)"
      DARK="polygon $(polygon_points 228 154 16 6 30) polygon $(polygon_points 280 154 16 6 30) polygon $(polygon_points 332 154 16 6 30)
            rectangle 494,208 506,238 rectangle 170,200 400,240"
      GLOW="circle 540,222 540,230 rectangle 184,214 386,226 line 524,232 514,252 line 556,232 566,252" ;;
    "Bio-Rifle")
      GLOW_COLOUR='#7dff3a'
      BODY="polygon 120,212 68,204 68,266 120,252 roundrectangle 112,198 432,256 20,20 polygon 430,210 520,216 520,240 430,248
            polygon 230,255 268,255 255,335 215,335 rectangle 178,178 202,202 rectangle 338,178 362,202"
      DARK="rectangle 516,212 532,244 rectangle 150,218 410,236"
      GLOW="roundrectangle 148,118 392,184 30,30 circle 534,258 534,266" ;;
    "Assault Rifle")
      GLOW_COLOUR='#ffd040'
      BODY="polygon 162,186 70,190 70,246 102,246 162,232 rectangle 160,178 382,232 rectangle 380,194 532,207
            rectangle 380,186 472,226 rectangle 380,230 482,254 rectangle 200,162 320,180 polygon 230,230 265,230 250,312 215,312
            polygon 300,230 332,230 348,302 316,308"
      DARK="rectangle 476,230 490,254 rectangle 296,194 350,206 rectangle 396,196 460,200 rectangle 396,212 460,216"
      GLOW="rectangle 208,166 222,176 circle 410,242 410,247" ;;
    "Shield Gun")
      GLOW_COLOUR='#50a8ff'
      BODY="roundrectangle 146,188 384,262 25,25 rectangle 378,204 424,246 rectangle 216,256 252,324 ellipse 432,225 32,94 0,360"
      DARK="ellipse 432,225 16,72 0,360 rectangle 176,210 352,240"
      GLOW="fill-opacity 0.35 ellipse 452,225 62,126 -90,90 fill-opacity 1 circle 432,225 432,240 rectangle 188,218 340,232" ;;
    "Translauncher")
      GLOW_COLOUR='#40d0ff'
      BODY="rectangle 168,194 204,236 polygon 200,188 400,188 422,214 400,240 200,240 polygon 240,240 280,240 265,322 225,322
            polygon 400,198 472,186 472,202 416,214 polygon 400,230 472,242 472,226 416,214 ellipse 506,214 40,15 0,360"
      DARK="ellipse 506,214 28,9 0,360"
      GLOW="ellipse 506,212 12,4 0,360 rectangle 228,206 372,214" ;;
  esac
}

# weapon_layer NAME OUT: the weapon alone on a transparent 600 x 450 canvas.
weapon_layer() {
  weapon_shapes "$1"
  im -size 600x450 xc:none -stroke '#b4c2d6' -strokewidth 2 -fill '#6e7d94' -draw "$BODY" \
    ${SECOND:+-fill "$SECOND_COLOUR" -draw "$SECOND"} \
    -stroke '#151a22' -strokewidth 1 -fill '#262d38' ${DARK:+-draw "$DARK"} "$WORK/w_metal.png"
  # Light from above: multiply with a vertical ramp, then restore the shape.
  im "$WORK/w_metal.png" \( -size 600x450 gradient:'#ffffff-#5a5a5a' \) -compose Multiply -composite \
    \( "$WORK/w_metal.png" -alpha extract \) -compose CopyOpacity -composite "$WORK/w_flat.png"
  # A soft sheen along every upper edge: the shape minus itself moved down.
  im "$WORK/w_metal.png" -alpha extract \( +clone -roll +0+9 \) -compose Minus_Src -composite -blur 0x2 \
    "$WORK/w_sheen_mask.png"
  im -size 600x450 xc:white "$WORK/w_sheen_mask.png" -alpha off -compose CopyOpacity -composite \
    -channel A -evaluate multiply 0.45 +channel "$WORK/w_sheen.png"
  im "$WORK/w_flat.png" "$WORK/w_sheen.png" -compose over -composite \
    \( "$WORK/w_metal.png" -alpha extract \) -compose CopyOpacity -composite "$WORK/w_shaded.png"
  im -size 600x450 xc:none -fill "$GLOW_COLOUR" -stroke "$GLOW_COLOUR" -strokewidth 3 -draw "$GLOW" "$WORK/w_glow.png"
  im "$WORK/w_shaded.png" \
    \( "$WORK/w_glow.png" -alpha extract -blur 0x12 -background "$GLOW_COLOUR" -alpha shape \) -compose over -composite \
    "$WORK/w_glow.png" -composite \
    \( "$WORK/w_glow.png" -fill white -colorize 55% -channel A -evaluate multiply 0.6 +channel -morphology Erode Disk:2 \) -composite \
    -trim +repage "$2"
}
WEAPONS=("Redeemer" "Ion Painter" "ONS-Painter" "Classic Sniper" "Sniper Rifle" "Rocket Launcher"
  "Flak Cannon" "Grenade Launcher" "Minigun" "AVRiL" "LinkGun" "Shock Rifle" "Mine Layer" "Bio-Rifle"
  "Assault Rifle" "Shield Gun" "Translauncher")

# The sixteen weapons of the weapon settings tabs, in frame order (the 17 above
# without the ONS-Painter).
FRAME_WEAPONS=("Redeemer" "Ion Painter" "Classic Sniper" "Sniper Rifle" "Rocket Launcher" "Flak Cannon"
  "Grenade Launcher" "Minigun" "AVRiL" "LinkGun" "Shock Rifle" "Mine Layer" "Bio-Rifle" "Assault Rifle"
  "Shield Gun" "Translauncher")

# weapon_scene LAYER STYLE FIT_BOX CAPTION: a 600 x 450 scene around a weapon layer.
weapon_scene() {
  local layer="$1" style="$2" fit="$3" caption="$4" dst="$5"
  local grid="" i
  for ((i = 0; i <= 600; i += 30)); do grid+="line $i,0 $i,450 "; done
  for ((i = 0; i <= 450; i += 30)); do grid+="line 0,$i 600,$i "; done
  local back='#17337a-#040a20' lines='#6fa8ff14' frame='#3f7fe0'
  [[ $style == frame ]] && back='#26324a-#070a12' lines='#ffffff0a'
  local -a extra=()
  if [[ $style == frame ]]; then
    extra=(-fill none -stroke "$GLOW_COLOUR" -strokewidth 6 -draw "rectangle 3,3 596,446")
  else
    extra=(-fill none -stroke "$frame" -strokewidth 5
      -draw "polyline 18,58 18,18 58,18 polyline 542,18 582,18 582,58 polyline 18,392 18,432 58,432 polyline 542,432 582,432 582,392")
  fi
  im -size 600x450 radial-gradient:"$back" -stroke "$lines" -strokewidth 2 -draw "$grid" \
    -stroke none -fill '#00000090' -draw "ellipse 300,$([[ -n $caption ]] && echo 330 || echo 360) 230,22 0,360" -blur 0x6 \
    \( "$layer" -resize "$fit" \) -gravity center -geometry "+0$([[ -n $caption ]] && echo -24 || echo +0)" -compose over -composite \
    "${extra[@]}" "$WORK/scene.png"
  if [[ -n $caption ]]; then
    im "$WORK/scene.png" -stroke none -fill "$GLOW_COLOUR" -draw "rectangle 34,386 42,418" \
      -fill white -font "$FONT_CONDENSED" -pointsize 30 -kerning 3 -gravity southwest -annotate +54+30 "${caption^^}" \
      "$WORK/scene.png"
  fi
  cp "$WORK/scene.png" "$dst"
}

# to_gif SRC WIDTHxHEIGHT DST
to_gif() {
  im "$1" -resize "$2!" -dither FloydSteinberg -colors 160 "$3"
}

make_weapons() {
  mkdir -p "$OUT/Weapon Pics" "$OUT/Weapon Small Pics" "$OUT/Weapon Frames"
  local name
  for name in "${WEAPONS[@]}"; do
    weapon_layer "$name" "$WORK/weapon.png"
    weapon_scene "$WORK/weapon.png" pic 520x250 "$name" "$WORK/large.png"
    to_gif "$WORK/large.png" 300x225 "$OUT/Weapon Pics/$name.gif"
    weapon_scene "$WORK/weapon.png" pic 560x340 "" "$WORK/small.png"
    to_gif "$WORK/small.png" 100x75 "$OUT/Weapon Small Pics/s$name.gif"
  done
  for name in "${FRAME_WEAPONS[@]}"; do
    weapon_layer "$name" "$WORK/weapon.png"
    weapon_scene "$WORK/weapon.png" frame 560x340 "" "$WORK/frame.png"
    to_gif "$WORK/frame.png" 100x75 "$OUT/Weapon Frames/$name.gif"
  done
}

main() {
  mkdir -p "$OUT"
  local groups=("$@")
  [[ ${#groups[@]} -eq 0 ]] && groups=(splash about icon portraits crosshairs weapons)
  make_emblem
  for g in "${groups[@]}"; do
    case "$g" in
      splash) make_splash ;;
      about) make_about ;;
      icon) make_icon ;;
      portraits) make_portraits ;;
      crosshairs) make_crosshairs ;;
      weapons) make_weapons ;;
      *) echo "unknown group: $g" >&2; exit 2 ;;
    esac
  done
}

main "$@"
