# Sourced by wizards/draw_diagrams.sh, which provides the drawing helpers.
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
