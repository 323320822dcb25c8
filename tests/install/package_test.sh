#!/usr/bin/env bash
# Checks the Debian package as a Debian packager would: lintian finds no
# error and no warning (the informational tags it still prints are listed
# with why they stay in packaging/README.md), and the package recommends
# xdg-utils, which opens the link label's address.
#   package_test.sh path/to/puzzle-trainer_VERSION_ARCH.deb
set -euo pipefail

deb=${1:?usage: package_test.sh path/to/package.deb}
fail() {
  echo "package: $*" >&2
  exit 1
}
[ -f "$deb" ] || fail "no package at $deb"
command -v lintian >/dev/null || fail "lintian is missing (scripts/setup-deps.sh installs it)"

status=0
report=$(lintian --fail-on error,warning --display-info "$deb" 2>&1) || status=$?
# Run as root lintian says that it would rather not be; that is no finding.
grep -v 'running with root privileges' <<<"$report" || true
[ "$status" -eq 0 ] || fail "lintian finds errors or warnings in $deb"
[ "$(dpkg-deb -f "$deb" Recommends)" = "xdg-utils" ] || fail "the package does not recommend xdg-utils"
echo "package: lintian accepts $deb"
