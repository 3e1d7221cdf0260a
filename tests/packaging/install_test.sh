#!/usr/bin/env bash
# Stages an install of the build (DESTDIR), checks the exact file list and
# permissions, runs the staged program, validates the freedesktop files and
# the manual page, checks that the manual page, the bash completion and the
# program agree on the switches, and uninstalls again.
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

# The default component keeps its own manifest, so a real install's
# install_manifest.txt (used by `make uninstall`) is left alone.
manifest="$build/install_manifest_Unspecified.txt"
stage_install() {  # prefix, stage directory
  DESTDIR="$2" cmake --install "$build" --prefix "$1" --component Unspecified >"$work/install.log" 2>&1 ||
    { cat "$work/install.log"; fail "install to $1"; }
}

stage="$work/stage"
stage_install /usr "$stage"
root="$stage/usr"

expected=(
  bin/velmora
  lib/systemd/user/velmora.service
  share/applications/velmora.desktop
  share/bash-completion/completions/velmora
  share/doc/velmora/changelog.gz
  share/doc/velmora/copyright
  share/icons/hicolor/scalable/apps/velmora.svg
  share/man/man1/velmora.1.gz
  share/metainfo/example.velmora.Velmora.metainfo.xml
)
for s in 16 24 32 48 64 128 256; do expected+=("share/icons/hicolor/${s}x${s}/apps/velmora.png"); done
diff <(printf '%s\n' "${expected[@]}" | sort) <(cd "$stage" && find . ! -type d | sed 's|^\./usr/||' | sort) ||
  fail "installed files differ from the expected list"

# Sane permissions: the program and directories 0755, everything else 0644.
while read -r mode path; do
  want=644
  [[ -d "$path" || "$path" == */bin/velmora ]] && want=755
  [[ "$mode" == "$want" ]] || fail "mode $mode of ${path#"$stage"} (want $want)"
done < <(find "$stage" -mindepth 1 -printf '%m %p\n')

bin="$root/bin/velmora"
[[ "$("$bin" --version)" == "Velmora 1.0.1 (Build 1026)" ]] || fail "staged --version"

desktop="$root/share/applications/velmora.desktop"
desktop-file-validate "$desktop" || fail "desktop-file-validate"
key() { sed -n "s/^$1=//p" "$2" | head -n1; }
[[ -f "$root/share/icons/hicolor/48x48/apps/$(key Icon "$desktop").png" ]] || fail "launcher icon not installed"
# Like the autostart entry, the launcher names the installed program itself.
[[ "$(key Exec "$desktop")" == /usr/bin/velmora && "$(key TryExec "$desktop")" == /usr/bin/velmora ]] ||
  fail "launcher does not name the installed program"
# The window sets its X11 class in platform/window.cpp; the launcher must match it.
wm_class=$(sed -n 's/.*"SDL_VIDEO_X11_WMCLASS", "\([^"]*\)".*/\1/p' "$src/platform/window.cpp")
[[ -n "$wm_class" && "$(key StartupWMClass "$desktop")" == "$wm_class" ]] ||
  fail "StartupWMClass differs from the window class '$wm_class'"
# The autostart entry and the launcher show the same icon.
grep -q "\"velmora\"" "$src/desktop/autostart.cpp" && [[ "$(key Icon "$desktop")" == velmora ]] ||
  fail "launcher and autostart icon differ"

metainfo="$root/share/metainfo/example.velmora.Velmora.metainfo.xml"
# Warnings and infos fail too, except the one about the placeholder domain.
appstreamcli validate --no-net "$metainfo" >"$work/as.log" 2>&1 &&
  ! grep -E '^[EWI]:' "$work/as.log" | grep -qv cid-maybe-not-rdns ||
  { cat "$work/as.log"; fail "appstreamcli"; }
grep -q '<launchable type="desktop-id">velmora.desktop</launchable>' "$metainfo" || fail "launchable"
grep -q '<release version="1.0.1"' "$metainfo" || fail "metainfo lacks the current release"

man_page="$root/share/man/man1/velmora.1.gz"
warnings=$(MANWIDTH=80 man --warnings -l "$man_page" 2>&1 >/dev/null)
[[ -z "$warnings" ]] || fail "man warnings: $warnings"
MANWIDTH=80 man -l "$man_page" 2>/dev/null >"$work/man.txt"

unit="$root/lib/systemd/user/velmora.service"
grep -qx 'ExecStart=/usr/bin/velmora --headless' "$unit" || fail "unit ExecStart"
grep -qx 'After=pipewire-pulse.service pulseaudio.service' "$unit" || fail "unit After"
grep -qx 'Restart=on-failure' "$unit" || fail "unit Restart"
grep -q '/usr/lib/systemd/user/velmora.service' "$work/man.txt" || fail "man page names another unit path"
if command -v systemd-analyze >/dev/null; then
  # systemd's own parser, with the program path pointed at the staged copy.
  sed "s|^ExecStart=/usr/bin/|ExecStart=$root/bin/|" "$unit" >"$work/velmora.service"
  complaints=$(systemd-analyze verify --man=no "$work/velmora.service" 2>&1)
  [[ -z "$complaints" ]] || fail "systemd-analyze: $complaints"
fi

# A switch is accepted when a following unknown switch is the one reported.
accepts() {
  [[ "$("$bin" "$1" --zz-probe 2>&1 | head -n1)" == "Unbekannter Schalter: --zz-probe" ]]
}
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
[[ "$(bash -c 'source "$1"; COMP_WORDS=(velmora --theme l); COMP_CWORD=2; _velmora; echo "${COMPREPLY[*]}"' \
  _ "$root/share/bash-completion/completions/velmora")" == light ]] || fail "completion of --theme"

# Uninstalling removes every file and the documentation directory.
DESTDIR="$stage" cmake -DMANIFEST="$manifest" -P "$src/packaging/uninstall.cmake" >/dev/null || fail "uninstall"
left=$(find "$stage" ! -type d)
[[ -z "$left" ]] || fail "left after uninstall: $left"
[[ ! -d "$root/share/doc/velmora" ]] || fail "documentation directory left"

# Another prefix given only at install time reaches the unit and the manual page.
stage_install /opt/vlm "$work/stage2"
grep -qx 'ExecStart=/opt/vlm/bin/velmora --headless' "$work/stage2/opt/vlm/lib/systemd/user/velmora.service" ||
  fail "unit ignores the install prefix"
grep -qx 'Exec=/opt/vlm/bin/velmora' "$work/stage2/opt/vlm/share/applications/velmora.desktop" ||
  fail "launcher ignores the install prefix"
zgrep -q '/opt/vlm/lib/systemd/user/velmora.service' "$work/stage2/opt/vlm/share/man/man1/velmora.1.gz" ||
  fail "man page ignores the install prefix"
rm -f "$manifest"

[[ $fails -eq 0 ]] && echo "all packaging checks passed"
exit $((fails > 0))
