# Installs the Debian packages that the build and the tests need, when they are missing.
# Sourced by run.sh and test.sh; works as root or through sudo, and does nothing twice.

MORVIK_PACKAGES=(
  g++ cmake ninja-build pkg-config clang-format
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev libqscintilla2-qt6-dev libgl-dev
  firebird3.0-utils firebird3.0-server-core
  poppler-utils locales
  clang libclang-rt-14-dev
  # llvm-symbolizer: the clang sanitizer runtime names no function without it, so the leak
  # suppressions, which name functions, would not match in the fuzz runs.
  llvm
  xvfb xauth xdotool imagemagick python3-lxml chromium
  fonts-liberation qt6-translations-l10n
)

morvik_install_dependencies() {
  morvik_install_packages
  morvik_czech_locale
}

morvik_sudo() {
  if [ "$(id -u)" -ne 0 ]; then sudo "$@"; else "$@"; fi
}

# The program reports the system's reasons for failed file operations in Czech: the system
# needs its Czech locale for that.
morvik_czech_locale() {
  locale -a 2>/dev/null | grep -qix 'cs_CZ.utf-\?8' && return 0
  echo "Generating the locale cs_CZ.UTF-8"
  morvik_sudo localedef -i cs_CZ -f UTF-8 cs_CZ.UTF-8
}

morvik_install_packages() {
  local missing=()
  local p
  for p in "${MORVIK_PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$p")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  morvik_sudo apt-get update -qq
  morvik_sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
