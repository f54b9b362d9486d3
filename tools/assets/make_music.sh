#!/usr/bin/env bash
# Synthesises Brevane's menu music, an original short ambient piece in A minor,
# and encodes it as MP3:
#
#     tools/assets/make_music.sh      ->  assets/Music/Brevane Menu Music.mp3
#
# Needs sox and lame.  96 beats a minute, 13 bars of 4 beats (about 33 s):
#   chords   Am F C G | Am F C G | Dm F G Am | Am (ring out)
#   bars 1-2 pads and a soft arpeggio, bar 2 adds the hi-hat, bar 3 bass and
#   drums, bars 5-12 the melody, bar 13 the last chord fading away.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
OUT_DIR="$ROOT/assets/Music"
OUT="$OUT_DIR/Brevane Menu Music.mp3"
WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT

RATE=44100
BEAT=0.625                       # seconds per beat at 96 bpm
FMT=(-r "$RATE" -c 1 -b 16)

# Frequency of a note name such as A4, C#5 or Bb3 (A4 = 440 Hz).
freq() {
  awk -v n="$1" 'BEGIN{
    base["C"] = -9; base["D"] = -7; base["E"] = -5; base["F"] = -4; base["G"] = -2; base["A"] = 0; base["B"] = 2
    s = base[substr(n, 1, 1)]; rest = substr(n, 2)
    if (substr(rest, 1, 1) == "#") { s++; rest = substr(rest, 2) }
    else if (substr(rest, 1, 1) == "b") { s--; rest = substr(rest, 2) }
    s += (rest - 4) * 12
    printf "%.3f", 440 * 2 ^ (s / 12) }'
}

seconds() { awk -v b="$1" -v t="$BEAT" 'BEGIN{printf "%.4f", b * t}'; }

# Fresh file names must not rely on a counter: most callers run in $( ).
next_file() { mktemp --suffix=.wav -p "$WORK" nXXXXXXXX; }

rest() { local f; f="$(next_file)"; sox -n "${FMT[@]}" "$f" trim 0 "$(seconds "$1")"; echo "$f"; }

# One note of an instrument, exactly BEATS long.
note() {
  local instrument="$1" name="$2" beats="$3" f d hz
  [[ "$name" == r ]] && { rest "$beats"; return; }
  f="$(next_file)"; d="$(seconds "$beats")"; hz="$(freq "$name")"
  case "$instrument" in
    lead)  # a plucked string with a soft sine an octave below, for body
           local g
           g="$(next_file)"
           sox -n "${FMT[@]}" "$g" synth "$d" sine "$(awk -v h="$hz" 'BEGIN{printf "%.3f", h / 2}')" \
             vol 0.5 fade q 0.02 "$d" "$(awk -v d="$d" 'BEGIN{printf "%.3f", d * 0.7}')"
           sox -n "${FMT[@]}" "$f.pluck.wav" synth "$d" pluck "$hz" vol 0.8 lowpass 3200 fade 0.004 "$d" 0.1
           sox -m "$f.pluck.wav" "$g" "$f" vol 1.4
           rm -f "$f.pluck.wav" ;;
    arp)   sox -n "${FMT[@]}" "$f" synth "$d" pluck "$hz" vol 0.28 lowpass 2200 fade 0.003 "$d" 0.05 ;;
    bass)  sox -n "${FMT[@]}" "$f" synth "$d" square "$hz" vol 0.45 lowpass 420 lowpass 420 \
             fade 0.01 "$d" 0.08 ;;
  esac
  echo "$f"
}

# A pad chord: three detuned saw voices per note, softened and slowly swelling.
pad() {
  local beats="$1"; shift
  local d f voices=() n hz
  d="$(seconds "$beats")"
  for n in "$@"; do
    hz="$(freq "$n")"
    for detune in 0.997 1.0 1.004; do
      f="$(next_file)"
      sox -n "${FMT[@]}" "$f" synth "$d" sawtooth "$(awk -v h="$hz" -v k="$detune" 'BEGIN{printf "%.3f", h * k}')" vol 0.09
      voices+=("$f")
    done
  done
  f="$(next_file)"
  sox -m "${voices[@]}" "$f" vol 0.8 lowpass 900 tremolo 0.4 20 fade t 0.5 "$d" 0.6
  echo "$f"
}

kick()  { local f; f="$(next_file)"; sox -n "${FMT[@]}" "$f" synth 0.22 sine 120/42 fade 0.002 0.22 0.15 vol 0.9; echo "$f"; }
snare() { local f; f="$(next_file)"; sox -n "${FMT[@]}" "$f" synth 0.18 whitenoise vol 0.5 bandpass 1800 1.2 fade 0.001 0.18 0.16; echo "$f"; }
hat()   { local f; f="$(next_file)"; sox -n "${FMT[@]}" "$f" synth 0.05 whitenoise vol 0.35 highpass 7000 fade 0.001 0.05 0.045; echo "$f"; }

# Pads one sound to exactly BEATS by appending silence.
fit() {
  local src="$1" beats="$2" f
  f="$(next_file)"
  # -V1: trim ends the stream before pad flushes, which pad reports as a warning.
  sox -V1 "$src" "$f" pad 0 "$(seconds "$beats")" trim 0 "$(seconds "$beats")"
  echo "$f"
}

concat() { local out="$1"; shift; sox "$@" "$out"; }

CHORDS=(Am F C G Am F C G Dm F G Am Am)
declare -A PAD_NOTES=([Am]="A3 C4 E4" [F]="F3 A3 C4" [C]="G3 C4 E4" [G]="G3 B3 D4" [Dm]="F3 A3 D4")
declare -A ARP_NOTES=([Am]="A4 C5 E5 A5 E5 C5 A4 E4" [F]="F4 A4 C5 F5 C5 A4 F4 C5" [C]="C5 E5 G5 C6 G5 E5 C5 G4"
  [G]="G4 B4 D5 G5 D5 B4 G4 D5" [Dm]="D5 F5 A5 D6 A5 F5 D5 A4")
declare -A BASS_ROOT=([Am]=A1 [F]=F1 [C]=C2 [G]=G1 [Dm]=D2)
declare -A BASS_FIFTH=([Am]=E2 [F]=C2 [C]=G2 [G]=D2 [Dm]=A2)
declare -A BASS_OCT=([Am]=A2 [F]=F2 [C]=C3 [G]=G2 [Dm]=D3)

# The melody, bars 5 to 12: note:beats, r for a rest.
MELODY=(
  "E5:1 C5:0.5 D5:0.5 E5:1 A4:1"
  "C5:1 A4:0.5 C5:0.5 F5:1.5 E5:0.5"
  "E5:1 G5:1 E5:0.5 D5:0.5 C5:1"
  "D5:1.5 B4:0.5 G4:1 r:1"
  "A4:1 D5:1 F5:1 E5:0.5 D5:0.5"
  "C5:1 F5:1 A5:1.5 G5:0.5"
  "G5:1 D5:1 B4:1 D5:1"
  "A4:2 E5:1 A5:1"
)

build_tracks() {
  local pads=() arps=() basses=() drums=() lead=() bar chord n tone b
  for bar in "${!CHORDS[@]}"; do
    chord="${CHORDS[$bar]}"
    # shellcheck disable=SC2086
    pads+=("$(pad 4 ${PAD_NOTES[$chord]})")

    if (( bar < 12 )); then
      for n in ${ARP_NOTES[$chord]}; do arps+=("$(note arp "$n" 0.5)"); done
    else
      arps+=("$(rest 4)")
    fi

    if (( bar >= 2 && bar < 12 )); then
      for n in ROOT ROOT OCT ROOT FIFTH ROOT OCT FIFTH; do
        case $n in
          ROOT) basses+=("$(note bass "${BASS_ROOT[$chord]}" 0.5)") ;;
          FIFTH) basses+=("$(note bass "${BASS_FIFTH[$chord]}" 0.5)") ;;
          OCT) basses+=("$(note bass "${BASS_OCT[$chord]}" 0.5)") ;;
        esac
      done
    elif (( bar == 12 )); then
      basses+=("$(note bass A1 4)")
    else
      basses+=("$(rest 4)")
    fi

    if (( bar >= 2 && bar < 12 )); then
      for b in 1 2 3 4; do
        if (( b % 2 == 1 )); then drums+=("$(fit "$(kick)" 0.5)"); else drums+=("$(fit "$(snare)" 0.5)"); fi
        drums+=("$(fit "$(hat)" 0.5)")
      done
    elif (( bar == 1 )); then
      for b in 1 2 3 4; do drums+=("$(rest 0.5)" "$(fit "$(hat)" 0.5)"); done
    else
      drums+=("$(rest 4)")
    fi

    if (( bar >= 4 && bar < 12 )); then
      for tone in ${MELODY[$((bar - 4))]}; do lead+=("$(note lead "${tone%%:*}" "${tone##*:}")"); done
    else
      lead+=("$(rest 4)")
    fi
  done
  concat "$WORK/pads.wav" "${pads[@]}"
  concat "$WORK/arp.wav" "${arps[@]}"
  concat "$WORK/bass.wav" "${basses[@]}"
  concat "$WORK/drums.wav" "${drums[@]}"
  concat "$WORK/lead.wav" "${lead[@]}"
}

mix() {
  # Every part gets 1.5 s of silence behind it so the reverb can ring out.
  # Stereo, with each part given its own space.
  sox "$WORK/pads.wav" -c 2 "$WORK/pads_s.wav" pad 0 1.5 remix 1 1 chorus 0.6 0.9 55 0.4 0.25 2 -t reverb 60 50 100
  sox "$WORK/arp.wav" -c 2 "$WORK/arp_s.wav" pad 0 1.5 remix 1v0.7 1v0.4 echo 0.8 0.6 469 0.35 reverb 40
  sox "$WORK/lead.wav" -c 2 "$WORK/lead_s.wav" pad 0 1.5 remix 1v0.8 1v0.9 echo 0.8 0.7 469 0.3 reverb 45
  sox "$WORK/bass.wav" -c 2 "$WORK/bass_s.wav" pad 0 1.5 remix 1 1
  sox "$WORK/drums.wav" -c 2 "$WORK/drums_s.wav" pad 0 1.5 remix 1 1 reverb 20
  # Levels add up to below 1 so the sum cannot clip before the final gain.
  sox -m -v 0.26 "$WORK/pads_s.wav" -v 0.2 "$WORK/arp_s.wav" -v 0.32 "$WORK/lead_s.wav" \
    -v 0.1 "$WORK/bass_s.wav" -v 0.12 "$WORK/drums_s.wav" "$WORK/mix.wav" \
    fade t 0.3 0 2.5 gain -n -1.5
}

main() {
  mkdir -p "$OUT_DIR"
  build_tracks
  mix
  lame --quiet -b 112 -m j --tt "Brevane Menu Music" --ta "Brevane" "$WORK/mix.wav" "$OUT"
  echo "wrote $OUT"
}

main "$@"
