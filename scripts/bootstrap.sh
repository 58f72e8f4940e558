#!/usr/bin/env bash
# Installs what building and testing need, once; safe to run again.
# Debian 12, as root (or with sudo). Prints each step it takes.
set -euo pipefail

say() { printf '[bootstrap] %s\n' "$*"; }
as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

PACKAGES=(
  build-essential cmake ninja-build pkg-config python3 git
  mingw-w64 g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix binutils-mingw-w64
  wine wine32:i386 wine64 fonts-wine xvfb xauth x11-utils
  googletest libgtest-dev libgmock-dev libjpeg62-turbo-dev clang lld libclang-rt-14-dev
  fonts-liberation libtiff-tools libjpeg-turbo-progs imagemagick dpkg-dev nasm locales ccache
  nsis p7zip-full
)

apt_updated=0
apt_update() {
  if [ "$apt_updated" -eq 0 ]; then
    say "apt-get update"
    as_root apt-get update -qq
    apt_updated=1
  fi
}

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  say "adding the i386 architecture (for wine32)"
  as_root dpkg --add-architecture i386
fi

# deb-src lines mirror the machine's own deb entries, so the source tarball of
# libjpeg-turbo comes from the same archive as the binaries.
src_list=/etc/apt/sources.list.d/twainz8-deb-src.sources
if [ ! -e "$src_list" ] && ! grep -rqsE '^(deb-src|Types:.*deb-src)' /etc/apt/sources.list /etc/apt/sources.list.d/; then
  say "enabling deb-src entries in $src_list"
  tmp=$(mktemp)
  python3 - "$tmp" <<'PY'
import glob, re, sys
out = []
for path in glob.glob('/etc/apt/sources.list.d/*.sources'):
    for stanza in re.split(r'\n\s*\n', open(path).read()):
        lines = [l for l in stanza.splitlines() if l.strip() and not l.startswith('#')]
        fields = dict(l.split(':', 1) for l in lines if ':' in l and not l.startswith(' '))
        if fields.get('Types', '').split() == ['deb'] and 'debian' in fields.get('URIs', ''):
            out.append('\n'.join('Types: deb-src' if l.startswith('Types:') else l for l in lines))
for path in ['/etc/apt/sources.list'] + glob.glob('/etc/apt/sources.list.d/*.list'):
    try:
        for l in open(path):
            m = re.match(r'\s*deb\s+(.*debian.*)', l)
            if m:
                out.append('Types: deb-src\nURIs: %s\nSuites: %s\nComponents: %s' % tuple(
                    [m.group(1).split()[0], m.group(1).split()[1], ' '.join(m.group(1).split()[2:])]))
    except OSError:
        pass
open(sys.argv[1], 'w').write('\n\n'.join(out) + '\n')
PY
  as_root install -m 644 "$tmp" "$src_list"
  rm -f "$tmp"
  apt_updated=0
fi

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ "${#missing[@]}" -gt 0 ]; then
  apt_update
  say "installing: ${missing[*]}"
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
else
  say "all packages present"
fi

# The launcher's tests run Wine under a French locale.
if ! locale -a 2>/dev/null | grep -qix 'fr_FR.utf8'; then
  say "generating the fr_FR.UTF-8 locale"
  as_root sed -i 's/^# *\(fr_FR.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^fr_FR.UTF-8 UTF-8' /etc/locale.gen || echo 'fr_FR.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
  as_root locale-gen >/dev/null
fi

"$(dirname "$0")/build-libjpeg.sh"
"$(dirname "$0")/build-twaindsm.sh"
