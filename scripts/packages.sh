# Installs the Debian packages given as arguments when any is missing.
# Sourced by scripts/run and scripts/test.
ensure_packages() {
    local missing=()
    local package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installiere fehlende Pakete: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# qt6-translations-l10n: Qt's own dialogs (files, print) in German.
BUILD_PACKAGES=(g++ make cmake pkg-config qt6-base-dev qt6-translations-l10n fonts-dejavu-core libhowardhinnant-date-dev
                tzdata libcli11-dev libical-dev)
