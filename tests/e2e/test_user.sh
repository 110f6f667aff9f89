# A user of the tests' own, for what root cannot show: sway refuses to run as root, and root
# reads a file whatever its modes say. Source it; a test calls these only when it runs as root.

# Creates the system user $1 unless it is there already.
make_test_user() {
    id "$1" >/dev/null 2>&1 || useradd --system --no-create-home --shell /usr/sbin/nologin "$1"
}

# Copies the program at $2, with its sound module, into $3/bin and $3/lib, and gives all of $3 to
# the user $1: the build tree may lie where that user cannot read, such as root's home.
hand_over_program() {
    local user=$1 binary=$2 scratch=$3
    mkdir -p "$scratch/bin" "$scratch/lib"
    cp "$binary" "$scratch/bin/"
    cp -r "$(dirname "$binary")/../lib/twindle" "$scratch/lib/" 2>/dev/null || true
    chown -R "$user:" "$scratch"
    chmod 755 "$scratch"
}
