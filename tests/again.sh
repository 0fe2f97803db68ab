#!/usr/bin/env bash
# Runs a test on real display servers, and once more if it fails: such a
# test drives a window system and a window manager with synthetic input and
# now and then loses a race with them that no user would meet. A fault of
# the program fails both runs; the first failure is printed either way.
#
#   again.sh COMMAND [ARG...]
set +e
"$@"
status=$?
if [ "$status" -ne 0 ] && [ "$status" -ne 77 ]; then
  echo "--- the run above failed ($status); running it once more"
  "$@"
  status=$?
fi
exit "$status"
