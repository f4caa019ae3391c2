#!/usr/bin/env bash
# Writes simple placeholder pictures for every embedded image path, so that each path loads
# until the real artwork is drawn. Needs ImageMagick (installed by scripts/install-deps.sh).
set -euo pipefail
cd "$(dirname "$0")/../res/images"

icons=(back connected "not connected" options options_open gps_on gps_off sound_on sound_off
       language_on language_off scanColor_on scanColor_offpng fileImport fileExport Jet
       BlackBodyRadiation GrayScale Temperature recordMode viewMode infoMode pause resume
       changeRow record stop zigzag_selected zigzag_unselected parallel_selected
       parralel_unselected upArrow downArrow Icon1-Feldvorschau Icon2-Frequenzanalyse
       Icon3-Gausskurve edit world delete zip vtk imageSelected cam_reset fileSelector printer
       screenshot screenshot_pressed combobox_checked combobox_unchecked)
for name in "${icons[@]}"; do
  convert -size 96x96 xc:'#e6d1a7' -fill '#565656' -stroke '#565656' -strokewidth 4 \
          -draw "roundrectangle 6,6 89,89 10,10" -fill '#e6d1a7' -draw "rectangle 12,12 83,83" \
          -stroke none -fill '#565656' -font DejaVu-Sans -pointsize 11 -gravity center \
          -annotate 0 "${name:0:12}" "new/${name}.png"
done

for target in splash.png new/splash.png; do
  convert -size 800x450 gradient:'#c6c6c6'-'#e6d1a7' -fill '#565656' -font DejaVu-Sans \
          -pointsize 64 -gravity center -annotate 0 'Sorvanel 3D' "$target"
done

# Soil pictures: a coloured grain each.
declare -A soil=([Alfisol]='#8a5a3c' [Andisol]='#3b3129' [Aridisol]='#d8c39a' [Concrete]='#9a9a9a'
                 [Entisol]='#b08d63' [Gelisol]='#6f7b80' [Histosol]='#2a1d14' [Inzeptisol]='#7a6244'
                 [Mollisol]='#4a3626' [Oxisol]='#a2452a' [Pelosol]='#6e6a58' [Spodosol]='#b9a9a0'
                 [Ultisol]='#b5652f' [Vertisol]='#3f3a33')
for name in "${!soil[@]}"; do
  convert -size 128x128 xc:"${soil[$name]}" -seed 7 -attenuate 0.6 +noise Gaussian \
          -quality 85 "new/soil/${name}.jpg"
done
