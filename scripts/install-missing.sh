#!/usr/bin/env bash
# Install those of the given Debian packages that are not installed yet, as
# root or through sudo, and say how it goes in a few lines. Sourced by the
# other scripts:
#   install_missing [--no-recommends] PACKAGE...

# The lines of `apt-get install -q` boiled down to what is being installed,
# how much, and how far it got: a line at every tenth of the packages
# downloaded and set up.
apt_progress() {
  local total=0 fetched=0 set_up=0 next_fetched=0 next_set_up=0 line step
  while IFS= read -r line; do
    case "$line" in
      *" newly installed, "*)
        total="${line#*upgraded, }"
        total="${total%% newly installed*}"
        echo "    $total packages to install"
        ;;
      "Need to get "* | "After this operation, "* | "Fetched "*)
        echo "    $line"
        ;;
      Get:*)
        fetched=$((fetched + 1))
        step=$(((total + 9) / 10))
        if ((fetched >= next_fetched)); then
          echo "    downloading: $fetched of $total packages"
          next_fetched=$((fetched + (step > 0 ? step : 1)))
        fi
        ;;
      "Setting up "*)
        set_up=$((set_up + 1))
        step=$(((total + 9) / 10))
        if ((set_up >= next_set_up)); then
          line="${line#Setting up }"
          echo "    setting up: $set_up of $total packages (${line%% *})"
          next_set_up=$((set_up + (step > 0 ? step : 1)))
        fi
        ;;
    esac
  done
}

install_missing() {
  local recommends=()
  if [[ "${1:-}" == "--no-recommends" ]]; then
    recommends=(--no-install-recommends)
    shift
  fi
  local missing=() package
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
      missing+=("$package")
  done
  ((${#missing[@]})) || return 0

  local as_root=()
  local by_hand="su -c 'apt-get update && apt-get install ${recommends[*]} ${missing[*]}'"
  if [[ $(id -u) -ne 0 ]]; then
    if ! command -v sudo >/dev/null; then
      echo "These Debian packages are missing: ${missing[*]}" >&2
      echo "Installing them takes root, and there is no sudo here. Install them as root:" >&2
      echo "  $by_hand" >&2
      echo "and run ${0##*/} again." >&2
      exit 1
    fi
    as_root=(sudo)
  fi

  echo "==> Installing ${#missing[@]} Debian packages and what they need: ${missing[*]}"
  # Another apt-get may hold the package database: wait for it rather than fail.
  local apt=("${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600)
  echo "    updating the package lists (apt-get update)"
  if ! "${apt[@]}" update -qq ||
    ! "${apt[@]}" install -y -q "${recommends[@]}" "${missing[@]}" | apt_progress; then
    echo "Installing the packages failed. As root, this installs them:" >&2
    echo "  $by_hand" >&2
    exit 1
  fi
}
