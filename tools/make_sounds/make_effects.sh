#!/usr/bin/env bash
# Writes the eleven sound effects into folder $1 with sox: card snaps and flips
# of filtered noise, a plucked arpeggio rising for a win and falling for a loss.
# -R makes sox's noise repeatable, so every run gives the same bytes.
set -euo pipefail
out=$1
fx() { local name=$1; shift; sox -R -n -r 22050 -c 1 -b 16 "$out/$name" "$@"; }

# A snap: a short burst of band-passed noise. Arguments: name, seconds, centre Hz, width Hz.
snap() { fx "$1" synth "$2" whitenoise band "$3" "$4" fade q 0.002 "$2" "$(awk "BEGIN { print $2 * 0.8 }")" norm -4; }
# A flip: two soft bursts, the second lower, as a card turns over and lands.
flip() {
  fx "$1" synth 0.14 pinknoise band "$2" 900 fade q 0.004 0.14 0.12 \
    tremolo 14 90 norm -5
}

snap Card4.wav 0.055 2600 1400
snap Card5.wav 0.065 2200 1200
snap card6.wav 0.050 3000 1600
snap Card7.wav 0.070 1900 1000
snap Card8.wav 0.060 2400 1800
snap Card9.wav 0.075 1700 900
flip card2.wav 1500
flip Card3.wav 1900
flip card10.wav 1200

# Four plucked notes a beat apart, ringing out together.
arpeggio() {
  local name=$1; shift
  fx "$name" synth 1.3 pluck "$1" pluck "$2" pluck "$3" pluck "$4" \
    delay 0 0.11 0.22 0.33 remix - fade 0 1.3 0.4 norm -3
}
arpeggio win.wav C4 E4 G4 C5
arpeggio lose.wav G4 D#4 C4 G3
