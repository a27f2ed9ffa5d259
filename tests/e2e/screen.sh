# shellcheck shell=bash
# Screen helpers for the end-to-end test, sourced by it. Places on the screen
# are given relative to its centre in screen heights, as the game lays out
# the picture and the tubes by the height: at (fx, fy) means the pixel
# (W/2 + fx*H, H/2 + fy*H). Needs xdotool, ImageMagick and `work`, a scratch
# folder.

# Sets W and H from the display.
read_screen_size() {
  read -r W H < <(xdotool getdisplaygeometry)
}

# "x y" of a place.
at() {
  awk -v w="$W" -v h="$H" -v fx="$1" -v fy="$2" 'BEGIN { printf "%d %d\n", w / 2 + fx * h, h / 2 + fy * h }'
}

# An ImageMagick geometry "WxH+X+Y" for a box from (fx0, fy0) to (fx1, fy1).
box() {
  awk -v w="$W" -v h="$H" -v x0="$1" -v y0="$2" -v x1="$3" -v y1="$4" 'BEGIN {
    printf "%dx%d+%d+%d\n", (x1 - x0) * h, (y1 - y0) * h, w / 2 + x0 * h, h / 2 + y0 * h }'
}

# Takes a screenshot of the whole screen into FILE.
shot() {
  import -window root "$1" 2>/dev/null
}

# The pixels of a box of FILE as "r g b" lines, 0 to 255.
box_pixels() {
  convert "$1" -crop "$2" +repage -alpha off -depth 8 rgb:- | od -An -v -tu1 -w3
}

# "white dark" of a box: the shares of near-white pixels (every channel at
# least 230) and of dark ones (no channel above 110).
white_dark() {
  box_pixels "$1" "$2" | awk '
    { n++; min = $1; max = $1
      for (i = 2; i <= 3; i++) { if ($i < min) min = $i; if ($i > max) max = $i }
      if (min >= 230) white++
      if (max <= 110) dark++ }
    END { printf "%.3f %.3f\n", white / n, dark / n }'
}

# The mean level of a box's pixels, 0 to 255.
mean_level() {
  box_pixels "$1" "$2" | awk '{ s += $1 + $2 + $3; n++ } END { printf "%d\n", s / n / 3 }'
}

# How many of the twelve 30-degree hue sectors hold at least 1% of a box's
# pixels in strong colour (HSV saturation at least 0.5, value at least 0.35).
strong_hues() {
  box_pixels "$1" "$2" | awk '
    { n++; r = $1; g = $2; b = $3
      max = r; if (g > max) max = g; if (b > max) max = b
      min = r; if (g < min) min = g; if (b < min) min = b
      if (max < 90 || (max - min) < 0.5 * max) next
      d = max - min
      if (max == r) h = 60 * (g - b) / d
      else if (max == g) h = 60 * (b - r) / d + 120
      else h = 60 * (r - g) / d + 240
      if (h < 0) h += 360
      count[int(h / 30) % 12]++ }
    END { for (s in count) if (count[s] >= 0.01 * n) k++; print k + 0 }'
}

# How many pixels of a box differ between two screenshots by more than 10%.
differing() {
  local a="${work:?}/crop-a.png" b="${work:?}/crop-b.png"
  convert "$1" -crop "$3" +repage "$a"
  convert "$2" -crop "$3" +repage "$b"
  compare -metric AE -fuzz 10% "$a" "$b" null: 2>&1 | awk '{ printf "%d\n", $1 }'
}

# "r g b" of one pixel at (fx, fy).
pixel_at() {
  local xy
  read -r -a xy < <(at "$2" "$3")
  box_pixels "$1" "1x1+${xy[0]}+${xy[1]}"
}
