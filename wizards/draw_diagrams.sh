#!/bin/sh
# Redraws the parameter pictures of the cut circle, rectangle pocket and
# cut rectangle pages. Needs ImageMagick's convert and the DejaVu Sans font
# (Debian: imagemagick, fonts-dejavu-core). Run from anywhere; the JPEGs are
# written next to the page sources.
set -eu
LC_ALL=C
export LC_ALL

here=$(cd "$(dirname "$0")" && pwd)
CONVERT=${CONVERT:-convert}

FONT=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
if [ ! -f "$FONT" ]; then
  FONT=$(fc-match -f '%{file}' 'DejaVu Sans' 2>/dev/null || true)
fi
if [ -z "$FONT" ] || [ ! -f "$FONT" ]; then
  echo "DejaVu Sans not found (apt-get install fonts-dejavu-core)" >&2
  exit 1
fi

W=200
H=140
INK='#202020'
PATH_INK='#1f5fbf'
MOVE_INK='#c62828'
GREY='#a0a0a0'

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Oblique view: X to the right, Y receding up-right at 40 degrees and 0.7
# scale, Z up. p X Y Z prints the pixel position "u,v".
OX=0
OY=0
S=4
p() {
  awk -v x="$1" -v y="$2" -v z="$3" -v ox="$OX" -v oy="$OY" -v s="$S" 'BEGIN {
    k = 0.7; a = 40 * atan2(0, -1) / 180
    printf "%.1f,%.1f", ox + s * (x + k * y * cos(a)), oy - s * (k * y * sin(a) + z)
  }'
}

# p shifted by (du, dv) pixels and rounded, for placing labels.
at() {
  p "$1" "$2" "$3" | awk -F, -v du="$4" -v dv="$5" '{ printf "%.0f,%.0f", $1 + du, $2 + dv }'
}

# Closed axis-parallel rectangle at height z, clockwise seen from above.
rect() {
  echo "polyline $(p "$1" "$2" "$5") $(p "$1" "$4" "$5") $(p "$3" "$4" "$5")" \
    "$(p "$3" "$2" "$5") $(p "$1" "$2" "$5")"
}

# Filled arrow head at the end of the segment from "u,v" to "u,v".
arrowhead() {
  awk -v a="$1" -v b="$2" 'BEGIN {
    split(a, p, ","); split(b, q, ",")
    du = q[1] - p[1]; dv = q[2] - p[2]
    l = sqrt(du * du + dv * dv); du /= l; dv /= l
    bu = q[1] - 6 * du; bv = q[2] - 6 * dv
    printf "polygon %s %.1f,%.1f %.1f,%.1f\n", b,
      bu - 2.5 * dv, bv + 2.5 * du, bu + 2.5 * dv, bv - 2.5 * du
  }'
}

# Vertical edge from Z0 down to depth z at the corner (x, y).
edge() {
  echo "line $(p "$1" "$2" 0) $(p "$1" "$2" "$3")"
}

render() {
  "$CONVERT" -size "${W}x${H}" xc:white -draw "$(cat "$tmp/$1.mvg")" \
    -strip -sampling-factor 1x1 -quality 90 "$2"
}

text_style() {
  echo "stroke none"
  echo "fill '$INK'"
  echo "font '$FONT'"
  echo "font-size 10"
}

# Cut circle: top view of the circle with the tool on its path, and a side
# view of the helical passes ending with the level bottom circle.
{
  echo "fill none"
  echo "stroke '$INK'"
  echo "stroke-width 1"
  echo "circle 66,70 120,70"
  echo "stroke-dasharray 4 3"
  echo "stroke '$PATH_INK'"
  echo "circle 66,70 111,70"
  echo "stroke-dasharray none"
  echo "stroke '$INK'"
  echo "line 60,70 72,70"
  echo "line 66,64 66,76"
  echo "fill '#d8d8d8'"
  echo "circle 21,70 30,70"
  echo "fill '$INK'"
  echo "circle 21,70 22,70"
  echo "fill none"
  echo "line 66,17 66,64"
  echo "line 66,76 66,123"
  echo "line 72,76 97.3,101.3"
  echo "fill '$INK'"
  arrowhead 66,20 66,16.5
  arrowhead 66,120 66,123.5
  arrowhead 72,76 97.8,101.8
  echo "fill none"
  echo "stroke '$MOVE_INK'"
  echo "stroke-width 1.6"
  echo "ellipse 66,70 45,45 200,246"
  echo "stroke-width 1"
  echo "fill '$MOVE_INK'"
  arrowhead 43,30.9 48,28.8

  echo "fill none"
  echo "stroke '$INK'"
  echo "line 132,40 184,40"
  echo "stroke '$GREY'"
  echo "line 136,40 136,106"
  echo "line 180,40 180,106"
  echo "stroke '$PATH_INK'"
  echo "stroke-dasharray 3 2"
  echo "line 136,40 180,52"
  echo "line 136,64 180,76"
  echo "line 136,88 180,88"
  echo "stroke-dasharray none"
  echo "line 180,52 136,64"
  echo "line 180,76 136,88"
  echo "line 180,88 136,88"
  echo "stroke '$INK'"
  echo "line 189,41 189,87"
  echo "fill '$INK'"
  arrowhead 189,44 189,40.5
  arrowhead 189,84 189,87.5

  text_style
  echo "text 70,36 'Ø'"
  echo "text 74,66 'X0,Y0'"
  echo "text 86,88 'R'"
  echo "text 33,74 'D'"
  echo "text 22,20 'CW'"
  echo "text 131,35 'Z0'"
  echo "text 192,68 'Z'"
} >"$tmp/circle.mvg"
render circle "$here/cut_circle/cut_circle.jpg"

# Rectangle pocket: rim and floor, the centre line and the rings around it
# on the floor, and the approach from the start corner with the ramp.
OX=34
OY=67
{
  echo "fill none"
  echo "stroke-width 1"
  echo "stroke '$GREY'"
  rect 0 0 30 20 -9
  edge 0 0 -9
  edge 30 0 -9
  edge 0 20 -9
  edge 30 20 -9
  echo "stroke '$INK'"
  rect 0 0 30 20 0
  # 30 x 20 with tool 6 at 40 %: two full rings, the last one D/2 inside.
  echo "stroke '$PATH_INK'"
  echo "line $(p 10 10 -9) $(p 20 10 -9)"
  rect 7.6 7.6 22.4 12.4 -9
  rect 5.2 5.2 24.8 14.8 -9
  rect 3 3 27 17 -9

  echo "stroke '$MOVE_INK'"
  echo "stroke-dasharray 3 2"
  echo "line $(p 0 0 0) $(p 0 0 5)"
  echo "line $(p 0 0 5) $(p 10 10 5)"
  echo "line $(p 10 10 5) $(p 10 10 0)"
  echo "stroke-dasharray none"
  echo "line $(p 10 10 0) $(p 20 10 -9)"
  echo "fill '$MOVE_INK'"
  arrowhead "$(p 10 10 5)" "$(p 10 10 0)"
  arrowhead "$(p 10 10 0)" "$(p 20 10 -9)"
  echo "circle $(p 0 0 0) $(p 0.5 0 0)"

  echo "stroke '$INK'"
  echo "fill none"
  echo "line $(p -3 0 -0.2) $(p -3 0 -8.8)"
  echo "fill '$INK'"
  arrowhead "$(p -3 0 -4.5)" "$(p -3 0 0)"
  arrowhead "$(p -3 0 -4.5)" "$(p -3 0 -9)"

  text_style
  echo "text $(at 0 0 0 -33 -4) 'X0,Y0'"
  echo "text $(at 15 0 -9 -3 13) 'X'"
  echo "text $(at 30 10 0 8 4) 'Y'"
  echo "text $(at -3 0 -4.5 -11 4) 'Z'"
} >"$tmp/pocket.mvg"
render pocket "$here/rectangle_pocket/rectangle_pocket.jpg"

# Cut rectangle: the outline with descending laps (one depth pass per lap,
# clockwise from the start corner) and the level lap at full depth.
OX=34
OY=64
{
  echo "fill none"
  echo "stroke-width 1"
  echo "stroke '$GREY'"
  edge 0 0 -12
  edge 30 0 -12
  edge 0 20 -12
  edge 30 20 -12
  echo "stroke '$INK'"
  rect 0 0 30 20 0

  echo "stroke '$PATH_INK'"
  # Each lap sinks 6 in proportion to the side lengths 20, 30, 20, 30.
  echo "polyline $(p 0 0 0) $(p 0 20 -1.2) $(p 30 20 -3) $(p 30 0 -4.2) $(p 0 0 -6)" \
    "$(p 0 20 -7.2) $(p 30 20 -9) $(p 30 0 -10.2) $(p 0 0 -12)"
  rect 0 0 30 20 -12

  echo "fill '$MOVE_INK'"
  echo "stroke '$MOVE_INK'"
  echo "circle $(p 0 0 0) $(p 0.5 0 0)"
  echo "fill none"
  echo "stroke-width 1.6"
  echo "line $(p -1 4 3) $(p -1 14 3)"
  echo "stroke-width 1"
  echo "fill '$MOVE_INK'"
  arrowhead "$(p -1 4 3)" "$(p -1 15 3)"

  echo "stroke '$INK'"
  echo "fill none"
  echo "line $(p -3 0 -0.2) $(p -3 0 -11.8)"
  echo "fill '$INK'"
  arrowhead "$(p -3 0 -6)" "$(p -3 0 0)"
  arrowhead "$(p -3 0 -6)" "$(p -3 0 -12)"

  text_style
  echo "text $(at 0 0 0 -31 -5) 'X0,Y0'"
  echo "text $(at 15 0 -12 -3 13) 'X'"
  echo "text $(at 30 10 -12 8 4) 'Y'"
  echo "text $(at -3 0 -6 -11 4) 'Z'"
  echo "text $(at -1 9 3 -22 -2) 'CW'"
} >"$tmp/rect.mvg"
render rect "$here/cut_rectangle/cut_rectangle.jpg"
