#!/bin/sh
# Redraws the pictures of the wizard pages: each wizards/<page>/diagram.sh
# draws its page's picture with the helpers below. Needs ImageMagick's convert and the DejaVu Sans font
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

for part in "$here"/*/diagram.sh; do
  OX=0
  OY=0
  S=4
  . "$part"
done
