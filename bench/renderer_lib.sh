# Shared by the renderer benchmarks: the command that starts the renderer of
# a tree and a working directory holding what the host would write.
# renderer_setup MODE TREE: MODE is native or wine; sets renderer_cmd and
# renderer_workdir and puts the ten texture files there.
renderer_setup() {
  local mode=$1 tree=$2
  local top
  top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
  if [ "$mode" = native ]; then
    renderer_workdir=/tmp/tolvek_temp
    renderer_cmd=("$tree/dist/kalendra-renderer")
  else
    renderer_workdir="$tree/wineprefix/drive_c/tolvek_temp"
    renderer_cmd=("$top/scripts/wine-run" "$tree/wineprefix" "$tree/dist/Kalendra.dll")
  fi
  mkdir -p "$renderer_workdir"
  local picture
  for picture in "$top"/assets/textures/Butterfly0*.bmp; do
    cp "$picture" "$renderer_workdir/$(basename "$picture" .bmp).alo"
  done
}
