#!/usr/bin/env bash
# Installs the Debian packages Gridwright needs to build, run and test.
# Only packages that are missing are fetched, so a second run costs nothing.
set -euo pipefail

packages=(
    build-essential cmake make pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev
    libjpeg62-turbo-dev libhunspell-dev libmythes-dev libemf-dev
    hunspell-en-us hunspell-en-gb hunspell-es hunspell-it hunspell-fr hunspell-de-de hunspell-nl hunspell-sv
    mythes-en-us mythes-en-au
    fonts-liberation2
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-14-dev
    poppler-utils
    libwmf-bin fonts-urw-base35 emf2svg imagemagick librsvg2-bin
    xvfb xdotool x11-apps netpbm  # screenshots of the running program on a virtual display
    chromium  # the web puzzle is solved in it, headless, by a test (scripts/setup-browser-driver.sh)
    dpkg-dev fakeroot lintian desktop-file-utils appstream xdg-utils shared-mime-info  # make package and its checks
)
# The export tests open .ipuz and .puz files with a node package (scripts/setup-xword-parser.sh)
# and drive chromium with another (scripts/setup-browser-driver.sh).
if ! command -v node >/dev/null; then
    packages+=(nodejs npm)
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=sudo
else
    sudo_cmd=
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo_cmd apt-get update -qq
$sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
