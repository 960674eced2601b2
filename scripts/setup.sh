# Installs the Debian packages the build needs when they are missing, then
# configures the default build. Sourced by run.sh and test.sh with the extra
# packages each needs in EXTRA_PACKAGES; safe to run again and again.
set -euo pipefail

cd "$(dirname "${BASH_SOURCE[0]}")/.."

packages=(g++ cmake ninja-build libfast-float-dev libfmt-dev qt6-base-dev qt6-qpa-plugins
    fonts-liberation2 ${EXTRA_PACKAGES:-})
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing+=("$package")
done

if ((${#missing[@]})); then
    sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || {
            echo "Missing packages: ${missing[*]}. Run this as root, or install them first." >&2
            exit 1
        }
        sudo=(sudo)
    fi
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

cmake --preset default >/dev/null
