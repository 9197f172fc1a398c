#!/bin/sh
# Installs the Debian packages given as arguments that are not installed yet:
# as root directly, otherwise through sudo; when neither can, prints the
# command to run and fails.
set -eu

manquants=""
for paquet in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$paquet" 2>/dev/null | grep -q "install ok installed"; then
        manquants="$manquants $paquet"
    fi
done
[ -z "$manquants" ] && exit 0

echo "Paquets Debian manquants :$manquants"
if [ "$(id -u)" = 0 ]; then
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $manquants
elif command -v sudo >/dev/null 2>&1 && sudo apt-get update &&
    sudo DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $manquants; then
    :
else
    echo "Impossible d'installer les paquets. Installez-les avec :" >&2
    echo "  sudo apt-get install$manquants" >&2
    exit 1
fi
