# Checks of the command-line modes and boards written line by line (sourced; the
# caller sets bin). Runs in a fresh work folder, E2E_WORK or a temporary one.
work=${E2E_WORK:-$(mktemp -d)}
rm -rf "$work"
mkdir -p "$work"
cd "$work" || exit 1
failures=0

fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# run NAME ARGS...: runs orvel, keeping stdout, stderr and the exit status.
run() {
  local name=$1; shift
  "$bin" "$@" >"$name.out" 2>"$name.err"
  echo $? >"$name.rc"
}
expect_rc() { [ "$(cat "$1.rc")" = "$2" ] || fail "$1: exit $(cat "$1.rc"), expected $2"; }
expect_out() { grep -qF -- "$2" "$1.out" || fail "$1: stdout lacks: $2"; }
expect_err() { grep -qF -- "$2" "$1.err" || fail "$1: stderr lacks: $2"; }
expect_no_out() { [ ! -s "$1.out" ] || fail "$1: unexpected stdout: $(head -3 "$1.out")"; }
expect_no_err() { [ ! -s "$1.err" ] || fail "$1: unexpected stderr: $(head -3 "$1.err")"; }

crlf() { sed 's/$/\r/'; }

# A version 2.1 header (17 lines) with the given cover and area count.
header() {
  printf '%s\n' " 2 " " 1 " "$1" " $2 " '""' " 0 " '""' '""' '""' '""' '"desc"' " 0 " "-1 " " 0 " " 0 " " 0 " " 100 "
}
# One area block: Xi Yi Xf Yf parent sound keys is_group
area() {
  printf '%s\n' " $1 " " $2 " " $3 " " $4 " " $5 " " 0 " '""' "\"$6\"" "\"$7\"" '""' " 0 " " $8 "
}
