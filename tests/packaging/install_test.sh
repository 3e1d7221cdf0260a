#!/usr/bin/env bash
# Stages an install of the build (DESTDIR): the file list, permissions, icons, the staged program,
# the freedesktop and manual page validators, the switches of manual page, completion and program
# agreeing, and the uninstall.
set -u
build=${1:?build directory}
src=${2:?source directory}
fails=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config" HOME="$work/home" XDG_RUNTIME_DIR="$work/run"
export PULSE_SERVER="unix:$work/no-server"
mkdir -p "$XDG_RUNTIME_DIR"

fail() { echo "FAIL: $*"; fails=$((fails + 1)); }

# The default component's own manifest leaves a real install's (for `make uninstall`) alone.
manifest="$build/install_manifest_Unspecified.txt"
stage_install() {  # prefix, stage directory
  DESTDIR="$2" cmake --install "$build" --prefix "$1" --component Unspecified >"$work/install.log" 2>&1 ||
    { cat "$work/install.log"; fail "install to $1"; }
}

stage="$work/stage"
stage_install /usr "$stage"
root="$stage/usr"

sizes=(16 24 32 48 64 128 256)
expected=(bin/velmora lib/systemd/user/velmora.service share/applications/velmora.desktop
  share/bash-completion/completions/velmora share/doc/velmora/{changelog.gz,copyright}
  share/icons/hicolor/scalable/apps/velmora.svg share/man/man1/velmora.1.gz
  share/metainfo/example.velmora.Velmora.metainfo.xml)
for s in "${sizes[@]}"; do expected+=("share/icons/hicolor/${s}x${s}/apps/velmora.png"); done
diff <(printf '%s\n' "${expected[@]}" | sort) <(cd "$stage" && find . ! -type d | sed 's|^\./usr/||' | sort) ||
  fail "installed files differ from the expected list"

# Sane permissions: the program and directories 0755, everything else 0644.
while read -r mode path; do
  want=644
  [[ -d "$path" || "$path" == */bin/velmora ]] && want=755
  [[ "$mode" == "$want" ]] || fail "mode $mode of ${path#"$stage"} (want $want)"
done < <(find "$stage" -mindepth 1 -printf '%m %p\n')

# Icon themes need square pictures of the stated size, transparent corners
# around an opaque tile, and a drawn SVG whose nominal size is in pixels.
for s in "${sizes[@]}"; do
  [[ "$(identify -format '%w %h %[fx:p{0,0}.a] %[fx:p{w-1,h-1}.a] %[fx:p{w/2,h/2}.a] %[fx:p{0,h/2}.a]' \
    "$root/share/icons/hicolor/${s}x$s/apps/velmora.png")" == "$s $s 0 0 1 1" ]] || fail "icon ${s}x$s"
done
svg="$root/share/icons/hicolor/scalable/apps/velmora.svg"
grep -q 'width="256px"' "$svg" && grep -q '<path' "$svg" && grep -q Gradient "$svg" && ! grep -q '<image' "$svg" ||
  fail "scalable icon"

bin="$root/bin/velmora"
[[ "$("$bin" --version)" == "Velmora 1.0.1 (Build 1026)" ]] || fail "staged --version"

desktop="$root/share/applications/velmora.desktop"
desktop-file-validate "$desktop" || fail "desktop-file-validate"
key() { sed -n "s/^$1=//p" "$2" | head -n1; }
[[ -f "$root/share/icons/hicolor/48x48/apps/$(key Icon "$desktop").png" ]] || fail "launcher icon not installed"
[[ "$(key Exec "$desktop")" == /usr/bin/velmora && "$(key TryExec "$desktop")" == /usr/bin/velmora ]] ||
  fail "launcher does not name the installed program"
# The window sets its X11 class in platform/window.cpp; the launcher must match it.
wm_class=$(sed -n 's/.*"SDL_VIDEO_X11_WMCLASS", "\([^"]*\)".*/\1/p' "$src/platform/window.cpp")
[[ -n "$wm_class" && "$(key StartupWMClass "$desktop")" == "$wm_class" ]] ||
  fail "StartupWMClass differs from the window class '$wm_class'"

metainfo="$root/share/metainfo/example.velmora.Velmora.metainfo.xml"
# Warnings and infos fail too, except the one about the placeholder domain.
appstreamcli validate --no-net "$metainfo" >"$work/as.log" 2>&1 &&
  ! grep -E '^[EWI]:' "$work/as.log" | grep -qv cid-maybe-not-rdns ||
  { cat "$work/as.log"; fail "appstreamcli"; }

man_page="$root/share/man/man1/velmora.1.gz"
warnings=$(MANWIDTH=80 man --warnings -l "$man_page" 2>&1 >/dev/null)
[[ -z "$warnings" ]] || fail "man warnings: $warnings"
MANWIDTH=80 man -l "$man_page" 2>/dev/null >"$work/man.txt"

unit="$root/lib/systemd/user/velmora.service"
if command -v systemd-analyze >/dev/null; then
  # systemd's own parser, with the program path pointed at the staged copy.
  sed "s|^ExecStart=/usr/bin/|ExecStart=$root/bin/|" "$unit" >"$work/velmora.service"
  complaints=$(systemd-analyze verify --man=no "$work/velmora.service" 2>&1)
  [[ -z "$complaints" ]] || fail "systemd-analyze: $complaints"
fi

# A switch is accepted when a following unknown switch is the one reported.
accepts() { [[ "$("$bin" "$1" --zz-probe 2>&1 | head -n1)" == "Unbekannter Schalter: --zz-probe" ]]; }
mapfile -t man_switches < <(sed -n '/^OPTIONS/,/^EXIT STATUS/p' "$work/man.txt" |
  grep -o -- '--[a-z][a-z-]*' | sort -u)
[[ ${#man_switches[@]} -ge 12 ]] || fail "man page lists only ${#man_switches[@]} switches"
mapfile -t completed < <(bash -c 'source "$1"; COMP_WORDS=(velmora --); COMP_CWORD=1; _velmora;
  printf "%s\n" "${COMPREPLY[@]}"' _ "$root/share/bash-completion/completions/velmora" | sort)
for sw in "${man_switches[@]}"; do
  case $sw in
    --version | --help | --selftest) ;;  # dispatched before the switch test
    *) accepts "$sw" || fail "man page documents $sw, the program rejects it" ;;
  esac
  case $sw in
    --apo-*) ;;  # inert on Linux, not offered
    *) printf '%s\n' "${completed[@]}" | grep -qx -- "$sw" || fail "completion lacks $sw" ;;
  esac
done
accepts --zz-other && fail "probe accepts anything"

# Uninstalling removes every file and the documentation directory.
DESTDIR="$stage" cmake -DMANIFEST="$manifest" -P "$src/packaging/uninstall.cmake" >/dev/null || fail "uninstall"
[[ -z "$(find "$stage" ! -type d)" && ! -d "$root/share/doc/velmora" ]] || fail "left after uninstall"

# Another prefix given only at install time reaches the unit, the launcher and the manual page.
stage_install /opt/vlm "$work/stage2"
grep -qx 'ExecStart=/opt/vlm/bin/velmora --headless' "$work/stage2/opt/vlm/lib/systemd/user/velmora.service" ||
  fail "unit ignores the install prefix"
grep -qx 'Exec=/opt/vlm/bin/velmora' "$work/stage2/opt/vlm/share/applications/velmora.desktop" ||
  fail "launcher ignores the install prefix"
zgrep -q '/opt/vlm/lib/systemd/user/velmora.service' "$work/stage2/opt/vlm/share/man/man1/velmora.1.gz" ||
  fail "man page ignores the install prefix"
rm -f "$manifest"

exit $((fails > 0))
