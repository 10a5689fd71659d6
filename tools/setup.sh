#!/bin/sh
# Installs what building, running and testing need on Debian 12.
set -e
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo
$SUDO apt-get update
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y \
  cmake g++ make qt6-base-dev libqt6printsupport6 libgtest-dev libgmock-dev
