# Sourced by the scripts that set up the tests' node packages: stops with a message that says
# what is wrong when Node.js or npm is missing, or Node.js is older than the packages need.
# usage: require_node WHO MAJOR
require_node() {
    local who=$1 need=$2 found
    if ! command -v node >/dev/null || ! command -v npm >/dev/null; then
        echo "$who: Node.js and npm are needed (scripts/install-deps.sh installs them)" >&2
        exit 1
    fi
    found=$(node --version)
    if [ "$(echo "$found" | sed -E 's/^v([0-9]+).*/\1/')" -lt "$need" ]; then
        echo "$who: Node.js $need or later is needed, this machine has $found" >&2
        exit 1
    fi
}
