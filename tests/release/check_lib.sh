# Shared by the release checks: failures are counted, not fatal, so that one
# run reports every difference; a scratch folder goes with the script.
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
