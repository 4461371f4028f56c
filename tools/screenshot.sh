#!/usr/bin/env bash
# Saves the whole X display ($DISPLAY) as a PNG: usage screenshot.sh OUTPUT.png
set -euo pipefail
import -window root "$1"
