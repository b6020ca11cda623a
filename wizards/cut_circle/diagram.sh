# Sourced by wizards/draw_diagrams.sh, which provides the drawing helpers.
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
