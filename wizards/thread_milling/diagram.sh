# Sourced by wizards/draw_diagrams.sh, which provides the drawing helpers.
# Thread milling: a side view of an external thread with the single-profile
# tool in its root, pitch, length and diameter; a top view of the turn about
# the thread axis with the tool on the root circle.
{
  echo "fill none"
  echo "stroke '$GREY'"
  echo "stroke-dasharray 6 2 2 2"
  echo "line 60,16 60,130"
  echo "line 136,62 196,62"
  echo "line 166,32 166,92"
  echo "stroke-dasharray none"

  # The thread's flanks: crests at 26/94, roots at 32/88, 12 px a pitch.
  echo "stroke '$INK'"
  left="26,36"
  right="94,36"
  y=36
  while [ "$y" -lt 108 ]; do
    left="$left 32,$((y + 6)) 26,$((y + 12))"
    right="$right 88,$((y + 6)) 94,$((y + 12))"
    y=$((y + 12))
  done
  echo "polyline $left 26,124"
  echo "polyline $right 94,124"
  echo "line 26,36 94,36"
  # The crests seen from the side: one turn rises a pitch across the front.
  y=36
  while [ "$y" -lt 108 ]; do
    echo "line 26,$((y + 12)) 94,$((y + 6))"
    y=$((y + 12))
  done

  # The tool in the root at mid height, its shaft up.
  echo "fill '#d8d8d8'"
  echo "polygon 88,78 120,70 120,86"
  echo "rectangle 116,20 124,70"
  echo "fill none"

  # Length and pitch.
  echo "line 12,36 12,108"
  echo "line 8,36 24,36"
  echo "line 8,108 24,108"
  echo "line 104,86 104,118"
  echo "line 96,96 108,96"
  echo "line 96,108 108,108"
  echo "line 32,120 88,120"
  echo "fill '$INK'"
  arrowhead 12,40 12,36.5
  arrowhead 12,104 12,107.5
  arrowhead 104,88 104,95.5
  arrowhead 104,116 104,108.5
  arrowhead 36,120 32.5,120
  arrowhead 84,120 87.5,120
  echo "fill none"

  # Top view: crest and root circles, the tool on the root, one turn CW.
  echo "circle 166,62 186,62"
  echo "stroke-dasharray 3 2"
  echo "circle 166,62 182,62"
  echo "stroke-dasharray none"
  echo "fill '#d8d8d8'"
  echo "circle 188,62 194,62"
  echo "fill none"
  echo "stroke '$PATH_INK'"
  echo "stroke-width 1.2"
  echo "stroke-dasharray 4 3"
  echo "circle 166,62 188,62"
  echo "stroke-dasharray none"
  echo "stroke '$MOVE_INK'"
  echo "stroke-width 1.6"
  echo "ellipse 166,62 31,31 285,345"
  echo "stroke-width 1"
  echo "fill '$MOVE_INK'"
  arrowhead 193.5,46.5 196,54

  text_style
  echo "text 62,24 'X0,Y0'"
  echo "text 98,40 'Z0'"
  echo "text 1,76 'L'"
  echo "text 109,106 'P'"
  echo "text 57,133 'd'"
  echo "text 176,24 'CW'"
} >"$tmp/thread.mvg"
render thread "$here/thread_milling/thread_milling.jpg"
