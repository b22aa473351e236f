# Sourced by the scripts that build dependencies from Debian 12's own source packages
# into a cache folder outside the repository.
#
# The sources are fetched through a private apt set-up of their own (a deb-src entry for
# the archive this machine already uses, own lists and cache): the system's apt set-up is
# not changed. A prefix is keyed by the package versions, the compiler and the script;
# it is complete only once its mark is written, so an interrupted build is started again
# from the beginning rather than taken as done.
#
# The sourcing script sets: cache (its cache folder), sources (source packages in build
# order), compiler_version (a command printing the compiler's version), and defines
# build_<package> for each package (given the unpacked folder; installs into $prefix).

log() { echo "$(basename "$0"): $*" >&2; }

# Installs the Debian packages given that are missing.
install_packages() {
  local missing=()
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
      missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return
  local sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -q >&2
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends \
    "${missing[@]}" >&2
}

# The archive and suite of the machine's own Debian entry.
archive_entry() {
  local file=/etc/apt/sources.list.d/debian.sources
  if [ -f "$file" ]; then
    local uri suite
    uri=$(awk '/^URIs:/ {print $2; exit}' "$file")
    suite=$(awk '/^Suites:/ {print $2; exit}' "$file")
    echo "$uri $suite"
  else
    awk '$1 == "deb" && $2 ~ /^http/ {print $2, $3; exit}' /etc/apt/sources.list
  fi
}

prepare_apt() {
  apt_dir=$cache/apt
  apt_opts=(-o "Dir::Etc::SourceList=$apt_dir/sources.list" -o "Dir::Etc::SourceParts=/dev/null"
            -o "Dir::State::Lists=$apt_dir/lists" -o "Dir::Cache=$apt_dir/cache"
            -o "Debug::NoLocking=1")
  mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial"
  local uri suite
  read -r uri suite < <(archive_entry)
  echo "deb-src $uri $suite main" > "$apt_dir/sources.list"
  apt-get "${apt_opts[@]}" update -q >&2
}

source_version() {
  apt-cache "${apt_opts[@]}" showsrc "$1" | awk '/^Version:/ {print $2}' | sort -V | tail -1
}

cache_key() {
  {
    cat "$0" "${BASH_SOURCE[0]}"
    for package in "${sources[@]}"; do echo "$package $(source_version "$package")"; done
    $compiler_version
  } | sha256sum | cut -c1-16
}

# Fetches and unpacks a source package into the work folder; prints its folder.
fetch() {
  local package=$1
  (cd "$work" && apt-get "${apt_opts[@]}" source -q "$package" >&2)
  find "$work" -maxdepth 1 -mindepth 1 -type d -name "$package-[0-9]*" | head -1
}

# Builds every source package into the prefix of the current key, unless it is complete
# already; sets prefix. Only the newest prefix is kept.
build_sources() {
  prepare_apt
  local key
  key=$(cache_key)
  prefix=$cache/$key
  [ -f "$prefix/.complete" ] && return
  work=$cache/work-$key
  find "$cache" -mindepth 1 -maxdepth 1 -name 'work-*' -exec rm -rf {} +
  find "$cache" -mindepth 1 -maxdepth 1 -regextype egrep -regex '.*/[0-9a-f]{16}' \
    -exec rm -rf {} +
  mkdir -p "$work" "$prefix"
  local package folder start
  for package in "${sources[@]}"; do
    log "building $package $(source_version "$package")"
    folder=$(fetch "$package")
    [ -n "$folder" ] || { log "no source folder for $package"; exit 1; }
    start=$SECONDS
    "build_$package" "$folder"
    log "$package built in $((SECONDS - start)) s"
  done
  touch "$prefix/.complete"  # the mark comes last: a prefix without it is built again
  rm -rf "$work"
}
