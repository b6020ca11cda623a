# Sourced by wizards/draw_diagrams.sh, which provides the drawing helpers.
# Circular pocket: a block in perspective with the pocket's rim on top and
# its wall at the floor, the spiral of half circles on the floor, the ramp
# from the rim down to the centre, and an axis cross.
OX=22
OY=88
S=5

# Half circle (or any arc) about (cx, y) at height z, radius r, from angle
# a0 to a1 in degrees: the points of a polyline.
arc_points() {
  i=0
  while [ $i -le 16 ]; do
    set -- "$@" "$(awk -v cx="$1" -v r="$4" -v a0="$5" -v a1="$6" -v i=$i 'BEGIN {
      a = (a0 + (a1 - a0) * i / 16) * atan2(0, -1) / 180
      printf "%.4f %.4f", cx + r * cos(a), r * sin(a) }')"
    i=$((i + 1))
  done
  cy=$2
  z=$3
  shift 6
  for xy in "$@"; do
    # shellcheck disable=SC2086
    set -- $xy
    printf ' %s' "$(p "$1" "$(awk -v a="$2" -v b="$cy" 'BEGIN { print a + b }')" "$z")"
  done
}

# The pocket: centre (11, 8), diameter 14, 3 deep; tool 4 at 50 %: two
# full turns and a half step.
CX=11
CY=8
{
  echo "fill none"
  echo "stroke-width 1"
  echo "stroke '$GREY'"
  echo "polyline$(arc_points $CX $CY -3 7 0 360)"
  echo "line $(p 4 $CY 0) $(p 4 $CY -3)"
  echo "line $(p 18 $CY 0) $(p 18 $CY -3)"
  echo "stroke '$INK'"
  rect 0 0 22 16 0
  echo "line $(p 0 0 0) $(p 0 0 -8)"
  echo "line $(p 22 0 0) $(p 22 0 -8)"
  echo "line $(p 22 16 0) $(p 22 16 -8)"
  echo "line $(p 0 0 -8) $(p 22 0 -8)"
  echo "line $(p 22 0 -8) $(p 22 16 -8)"
  echo "polyline$(arc_points $CX $CY 0 7 0 360)"

  # Each turn: to the right about a point half a step right of the centre,
  # back to the left about the centre, clockwise seen from above.
  echo "stroke '$PATH_INK'"
  for k in 1 2; do
    echo "polyline$(arc_points $((CX + 1)) $CY -3 $((2 * k - 1)) 180 0)"
    echo "polyline$(arc_points $CX $CY -3 $((2 * k)) 0 -180)"
  done
  echo "polyline$(arc_points 11.5 $CY -3 4.5 180 0)"
  echo "polyline$(arc_points $CX $CY -3 5 0 -180)"
  echo "polyline$(arc_points $CX $CY -3 5 180 0)"

  echo "stroke '$MOVE_INK'"
  echo "stroke-dasharray 3 2"
  echo "line $(p $CX $CY 4) $(p $CX $CY 0)"
  echo "line $(p $CX $CY 0) $(p 16 $CY 0)"
  echo "stroke-dasharray none"
  echo "line $(p 16 $CY 0) $(p $CX $CY -3)"
  echo "fill '$MOVE_INK'"
  arrowhead "$(p $CX $CY 4)" "$(p $CX $CY 0)"
  arrowhead "$(p 16 $CY 0)" "$(p $CX $CY -3)"

  # The axis cross, left of the block.
  echo "stroke '$INK'"
  echo "fill none"
  echo "line $(p -5 8 3) $(p -1 8 3)"
  echo "line $(p -5 8 3) $(p -5 14 3)"
  echo "line $(p -5 8 3) $(p -5 8 7)"
  echo "fill '$INK'"
  arrowhead "$(p -5 8 3)" "$(p -1 8 3)"
  arrowhead "$(p -5 8 3)" "$(p -5 14 3)"
  arrowhead "$(p -5 8 3)" "$(p -5 8 7)"

  text_style
  echo "text $(at -1 8 3 2 4) 'X'"
  echo "text $(at -5 14 3 2 2) 'Y'"
  echo "text $(at -5 8 7 -3 -3) 'Z'"
  echo "text $(at 18 $CY 0 6 -8) 'Ø'"
  echo "text $(at $CX $CY 4 4 4) 'X0,Y0'"
} >"$tmp/round.mvg"
render round "$here/circular_pocket/circular_pocket.jpg"
