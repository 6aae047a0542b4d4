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

# What the tests need besides the build. poppler-utils: the print tests read
# the PDFs back with pdfinfo and pdftotext; python3-icalendar reads the
# own-dates file back, independently of libical; locales: the tests run once
# more under de_DE.UTF-8.
TEST_PACKAGES=(libgtest-dev libbenchmark-dev libical-dev pkg-config poppler-utils python3-icalendar locales)

# Generates de_DE.UTF-8 where a fresh system lacks it.
ensure_german_locale() {
    locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8' && return 0
    echo "Erzeuge die Locale de_DE.UTF-8"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo sed -i 's/^# *de_DE.UTF-8/de_DE.UTF-8/' /etc/locale.gen
    $sudo locale-gen
}
