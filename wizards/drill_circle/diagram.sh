# Sourced by wizards/draw_diagrams.sh, which provides the drawing helpers.
# Drill circular bolt pattern: top view of the holes on the bolt circle,
# numbered counter-clockwise from 360/n degrees with the last on +X, and a
# side view of one hole drilled in pecks from the retract position.
{
  echo "fill none"
  echo "stroke '$PATH_INK'"
  echo "stroke-width 1"
  echo "stroke-dasharray 4 3"
  echo "circle 58,72 100,72"
  echo "stroke-dasharray none"
  echo "stroke '$INK'"
  echo "line 52,72 64,72"
  echo "line 58,66 58,78"
  # Diameter arrow through the centre.
  echo "line 24.4,96.4 91.6,47.6"
  echo "fill '$INK'"
  arrowhead 28,93.8 24.4,96.4
  arrowhead 88,50.2 91.6,47.6
  # Holes at 72, 144, 216, 288 and 360 degrees, numbered.
  awk -v ink="$INK" -v font="$FONT" 'BEGIN {
    pi = atan2(0, -1); q = sprintf("%c", 39)
    for (i = 1; i <= 5; i++) {
      a = i * 72 * pi / 180
      x = 58 + 42 * cos(a); y = 72 - 42 * sin(a)
      print "stroke " q ink q; print "fill " q "#d8d8d8" q
      printf "circle %.1f,%.1f %.1f,%.1f\n", x, y, x + 6, y
      print "stroke none"; print "fill " q ink q; print "font " q font q; print "font-size 10"
      printf "text %.0f,%.0f %s%d%s\n", 58 + 55 * cos(a) - 3, 72 - 55 * sin(a) + 4, q, i, q
    }
  }'
  # Counter-clockwise: from hole 5 on +X towards hole 1.
  echo "fill none"
  echo "stroke '$MOVE_INK'"
  echo "stroke-width 1.6"
  echo "ellipse 58,72 30,30 305,345"
  echo "stroke-width 1"
  echo "fill '$MOVE_INK'"
  arrowhead 77.6,48.8 73,46

  # Side view: retract level, surface, the hole and its pecks.
  echo "fill none"
  echo "stroke '$PATH_INK'"
  echo "stroke-dasharray 3 2"
  echo "line 130,40 184,40"
  echo "stroke-dasharray none"
  echo "stroke '$INK'"
  echo "line 130,50 184,50"
  echo "stroke '$GREY'"
  echo "line 150,50 150,112"
  echo "line 162,50 162,112"
  echo "polyline 150,112 156,118 162,112"
  echo "stroke '$MOVE_INK'"
  echo "line 156,40 156,112"
  echo "fill '$MOVE_INK'"
  arrowhead 156,58 156,62
  arrowhead 156,80 156,84
  arrowhead 156,108 156,112
  echo "fill none"
  echo "stroke '$INK'"
  echo "line 189,51 189,117"
  echo "line 140,63 140,83"
  echo "fill '$INK'"
  arrowhead 189,44 189,40.5
  arrowhead 189,114 189,117.5
  arrowhead 140,66 140,62.5
  arrowhead 140,80 140,83.5

  text_style
  echo "text 40,66 'Ø'"
  echo "text 62,86 'X,Y'"
  echo "text 131,35 'R'"
  echo "text 131,60 'Z0'"
  echo "text 192,82 'Z'"
  echo "text 128,77 'Q'"
} >"$tmp/drill.mvg"
render drill "$here/drill_circle/drill_circle.jpg"
