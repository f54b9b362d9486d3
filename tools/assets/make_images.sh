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
    \( "$WORK/emblem.png" -resize 236x236 \) -gravity center -composite -depth 8 "$OUT/Brevane.png"
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
    "$WORK/icon_64.png" "$OUT/Brevane.png" "$OUT/Brevane.ico"
}

main() {
  mkdir -p "$OUT"
  local groups=("$@")
  [[ ${#groups[@]} -eq 0 ]] && groups=(splash)
  make_emblem
  for g in "${groups[@]}"; do
    case "$g" in
      splash) make_splash ;;
      about) make_about ;;
      icon) make_icon ;;
      *) echo "unknown group: $g" >&2; exit 2 ;;
    esac
  done
}

main "$@"
