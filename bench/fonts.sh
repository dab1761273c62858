# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by bench/run and bench/instructions on the virtual X server: the
# programs get the system's fonts and font settings, with a font cache of
# the bench's own, built here before anything is measured. The system's
# cache is not to be trusted on a busy machine: a program run under faked
# file times (libfaketime without NO_FAKE_STAT) rewrites it in a form that
# real starts find stale, and a start that reads every font file again
# takes about a second and a thousand million instructions.
bench_fonts=$(mktemp -d)
trap 'rm -rf "$bench_fonts"' EXIT
sed -e '/<cachedir/d' -e "s|</fontconfig>|<cachedir>$bench_fonts/cache</cachedir></fontconfig>|" \
    /etc/fonts/fonts.conf >"$bench_fonts/fonts.conf"
export FONTCONFIG_FILE=$bench_fonts/fonts.conf
fc-cache
