#!/bin/sh
# Starts the configuration program from the given build folder.
set -eu
BUILD="${1:-build}"
exec "$BUILD/velmora"
