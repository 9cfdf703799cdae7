#!/bin/sh
# Debian's place for games; the program itself lives in /usr/bin.
exec /usr/bin/velmar "$@"
