# Sourced by the tests that run a copy of the build's programs (build.relocatable_bin,
# console.outputs_over_loaded_files): kadenzo-sim, the plugin module and pluginsdk.so copied into a
# folder of their own, and what the copy has mapped while it runs. Nothing in the build folder is
# touched, so these tests run beside any other.

# Copies kadenzo-sim, Kadenzo.so and pluginsdk.so from the folder SOURCE into the new folder TARGET.
copy_bin() {
  local source=$1 target=$2
  mkdir -p "$target" || return 1
  cp "$source/kadenzo-sim" "$source/Kadenzo.so" "$source/pluginsdk.so" "$target/"
}

# Writes into FILE the map (/proc/PID/maps) of the kadenzo-sim in the folder BIN as its console waits
# for a line, once its plugin module is loaded (it loads before the console reads), the run started in
# the folder WORK. Fails when the module never appeared within ten seconds.
map_of_running_copy() {
  local bin=$1 work=$2 file=$3
  local fifo
  fifo=$(mktemp -u "$work/input.XXXXXX") || return 1
  mkfifo "$fifo" || return 1
  (cd "$work" && exec "$bin/kadenzo-sim" < "$fifo" > /dev/null 2>&1) &
  local pid=$!
  # Opens once the console has opened its end; the console then waits for lines until it is closed.
  exec {writer}> "$fifo"
  local tries=0 found=1
  while [ "$tries" -lt 200 ]; do
    if grep -qF "$bin/Kadenzo.so" "/proc/$pid/maps" 2> /dev/null; then
      cat "/proc/$pid/maps" > "$file"
      found=0
      break
    fi
    tries=$((tries + 1))
    sleep 0.05
  done
  exec {writer}>&-
  wait "$pid"
  rm -f "$fifo"
  return "$found"
}

# The files of the map FILE whose names match the extended regular expression PATTERN, each once.
mapped_files() {
  sed -nE 's|^[^ ]+ +[^ ]+ +[^ ]+ +[^ ]+ +[0-9]+ +(/.*)$|\1|p' "$1" | grep -E "$2" | sort -u
}
