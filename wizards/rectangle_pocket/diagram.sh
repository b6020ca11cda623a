# Sourced by wizards/draw_diagrams.sh, which provides the drawing helpers.
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
