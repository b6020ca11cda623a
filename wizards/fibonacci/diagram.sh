# Sourced by wizards/draw_diagrams.sh, which provides the drawing helpers.
# Fibonacci spiral: top view of the part "Csak a képen látható" cuts, one and
# a half turns counter-clockwise, drawn over its squares of side 1, 1, 2, 3,
# 5 and 8, from the start point to the arrow at the end.
# q X Y prints the pixel of a spiral point (14 pixels a unit, start at 149,98).
q() {
  awk -v x="$1" -v y="$2" 'BEGIN { printf "%d,%d", 149 + 14 * x, 98 - 14 * y }'
}
# Square from corner (x0, y0) to (x1, y1).
square() {
  echo "rectangle $(q "$1" "$2") $(q "$3" "$4")"
}
# Quarter arc round (cx, cy) of radius r over the picture's angles a0..a1
# (clockwise on screen, 0 to the right).
quarter() {
  echo "ellipse $(q "$1" "$2") $(($3 * 14)),$(($3 * 14)) $4,$5"
}
{
  echo "fill none"
  echo "stroke-width 1"
  echo "stroke '$GREY'"
  square -1 0 0 1
  square -2 0 -1 1
  square -2 -2 0 0
  square 0 -2 3 1
  square -2 1 3 6
  square -10 -2 -2 6

  echo "stroke '$PATH_INK'"
  echo "stroke-width 2"
  quarter -1 0 1 270 360
  quarter -1 0 1 180 270
  quarter 0 0 2 90 180
  quarter 0 1 3 0 90
  quarter -2 1 5 270 360
  quarter -2 -2 8 180 270
  echo "stroke-width 1"
  echo "fill '$PATH_INK'"
  arrowhead "$(q -10 -1.6)" "$(q -10 -2)"

  echo "stroke none"
  echo "fill '$MOVE_INK'"
  echo "circle $(q 0 0) $(q 0.18 0)"

  text_style
  echo "text $(q -0.72 0.2) '1'"
  echo "text $(q -1.72 0.2) '1'"
  echo "text $(q -1.2 -1.3) '2'"
  echo "text $(q 1.3 -0.8) '3'"
  echo "text $(q 0.3 3.2) '5'"
  echo "text $(q -6.2 1.7) '8'"
} >"$tmp/fibonacci.mvg"
render fibonacci "$here/fibonacci/fibonacci.jpg"
