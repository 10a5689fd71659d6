#!/bin/sh
# Installs what building, running and testing need on Debian 12 (the print tests
# use a print server with a PDF printer and render its pages).
set -e
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo
$SUDO apt-get update
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y \
  cmake g++ make qt6-base-dev libqt6printsupport6 libgtest-dev libgmock-dev \
  cups-daemon cups-client printer-driver-cups-pdf poppler-utils
