#!/usr/bin/env bash
# Checks the Debian package of Noktaris end to end, as root on Debian:
#   1. builds the program and its icons in an existing build folder and runs
#      `cpack -G DEB` there;
#   2. checks the package's name, fields and files (owned by root, sane modes),
#      its manual page and changelog, validates its desktop entry and AppStream
#      description, and runs lintian on it: any error, or a warning that is not
#      in the allow-list below, fails the check;
#   3. installs it with apt-get, starts the program the way the desktop does (the
#      entry's Exec= line) as an ordinary user under Xvfb, saves a screenshot and
#      checks that the user's settings and catalogues were laid out in
#      ~/.local/share/noktaris and that a mode switch is saved there, and that
#      `man noktaris` finds the installed manual page, which renders without a
#      warning;
#   4. removes it with --purge and checks that none of its files is left.
#
#   scripts/check_package.sh [build folder]
#
# The build folder is $1, else $NOKTARIS_BUILD_DIR, else build/. The screenshot
# goes to $NOKTARIS_PACKAGE_SHOT, by default noktaris-package.png in the build folder.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

app_id="org.noktaris.Noktaris"
user_files=(config.ini data/CCD.dat data/Dalekohledy.dat data/Filmy.dat data/Jasnosti.dat data/Okulary.dat data/Rozmery.dat)
program_only_files=(data/grafy.dat data/pics.dat)
manual_page="share/man/man1/noktaris.1.gz"
changelog="share/doc/noktaris/changelog.gz"

# Lintian warnings that are accepted, each with its reason (README, "Install and
# package"), as "tag" or "tag pointer" exactly as lintian prints it after the
# package's name. Empty: the package has none. Errors are never accepted.
lintian_allowed_warnings=(
)

step() { printf '\n== %s\n' "$*"; }
ok() { printf '   ok: %s\n' "$*"; }
fail() { printf '\ncheck_package: FAILED: %s\n' "$*" >&2; exit 1; }

[ "$(id -u)" -eq 0 ] || fail "run as root (the package is installed and removed with apt-get)"
build="${1:-$NOKTARIS_BUILD_DIR}"
[ -f "$build/CMakeCache.txt" ] || fail "$build is not a configured build folder"
build="$(cd "$build" && pwd)"
shot="${NOKTARIS_PACKAGE_SHOT:-$build/noktaris-package.png}"

work="$(mktemp -d /tmp/noktaris-package.XXXXXX)"
home=""
installed_here=0
cleanup() {
  if [ "$installed_here" -eq 1 ]; then
    echo "Removing the package installed by this check"
    DEBIAN_FRONTEND=noninteractive apt-get remove --purge -y -qq noktaris >/dev/null 2>&1 || true
  fi
  rm -rf "$work" ${home:+"$home"}
}
trap cleanup EXIT

# Besides what the build needs: lintian, and man with groff to render the page.
NOKTARIS_PACKAGES+=(lintian man-db groff-base)
ensure_packages

step "Building the package in $build"
cmake "$build" >/dev/null
cmake --build "$build" -j"$(nproc)" --target noktaris noktaris_icons noktaris_docs
version="$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")"
deb_name="noktaris_${version}_$(dpkg --print-architecture).deb"
deb="$build/$deb_name"
rm -f "$deb"
(cd "$build" && cpack -G DEB) || fail "cpack -G DEB"
[ -f "$deb" ] || fail "cpack made no $deb_name in $build"
ok "$deb_name ($(du -h "$deb" | cut -f1))"

step "Package fields"
fields="$(dpkg-deb --field "$deb" Package Version Section Maintainer Homepage Depends Recommends)"
printf '%s\n' "$fields" | sed 's/^/   /'
depends="$(dpkg-deb --field "$deb" Depends)"
for needed in libqt6widgets6 libqt6network6 libqt6gui6 libqt6core6 qt6-qpa-plugins libjpeg62-turbo \
              fonts-liberation2 fonts-liberation qt6-translations-l10n xdg-utils; do
  grep -Eq "(^|, )$needed( |,|$)" <<<"$depends" || fail "Depends lacks $needed"
done
[ "$(dpkg-deb --field "$deb" Section)" = science ] || fail "Section is not science"
[ "$(dpkg-deb --field "$deb" Recommends)" = "gnome-calculator | kcalc | galculator | qalculate-gtk, zenity | kdialog" ] ||
  fail "Recommends"
ok "Depends, Recommends and Section"

step "Package contents"
listing="$(dpkg-deb --contents "$deb")"
# Columns: mode owner/group size date time path
bad_owner="$(awk '$2 != "root/root"' <<<"$listing")"
[ -z "$bad_owner" ] || fail "entries not owned by root/root:
$bad_owner"
bad_mode="$(awk '$1 !~ /^(drwxr-xr-x|-rw-r--r--|-rwxr-xr-x)$/' <<<"$listing")"
[ -z "$bad_mode" ] || fail "entries with unexpected modes:
$bad_mode"
executables="$(awk '$1 == "-rwxr-xr-x" { print $6 }' <<<"$listing" | sort | tr '\n' ' ')"
[ "$executables" = "./usr/bin/noktaris ./usr/lib/noktaris/noktaris ./usr/lib/noktaris/update " ] ||
  fail "executable files are: $executables"
ok "all entries root/root; executables: $executables"

dpkg-deb --extract "$deb" "$work/root"
tree="$work/root/usr"
expected=(bin/noktaris lib/noktaris/noktaris lib/noktaris/update lib/noktaris/config.ini
          lib/noktaris/pics/novy.bmp lib/noktaris/pics/zpet.bmp lib/noktaris/html/index.html
          "share/applications/$app_id.desktop" "share/metainfo/$app_id.metainfo.xml"
          "share/icons/hicolor/scalable/apps/$app_id.svg"
          share/doc/noktaris/copyright "$changelog" "$manual_page")
for file in "${user_files[@]}" "${program_only_files[@]}"; do expected+=("lib/noktaris/$file"); done
for size in 16 32 48 64 128 256; do expected+=("share/icons/hicolor/${size}x${size}/apps/$app_id.png"); done
for file in "${expected[@]}"; do [ -f "$tree/$file" ] || fail "the package has no /usr/$file"; done
for delivered in "$NOKTARIS_ROOT"/data/* "$NOKTARIS_ROOT"/pics/* "$NOKTARIS_ROOT/config.ini"; do
  relative="${delivered#"$NOKTARIS_ROOT"/}"
  cmp -s "$delivered" "$tree/lib/noktaris/$relative" || fail "/usr/lib/noktaris/$relative differs from the source's $relative"
done
# The manual is made by the build, with its web location and the author's address.
for page in "$build"/manual/html/*; do
  relative="html/${page##*/}"
  cmp -s "$page" "$tree/lib/noktaris/$relative" || fail "/usr/lib/noktaris/$relative differs from the build's manual"
done
grep -q -F "$(sed -n 's/^NOKTARIS_WEB_LOCATION:STRING=//p' "$build/CMakeCache.txt")" "$tree/lib/noktaris/html/aplikace.html" ||
  fail "the manual does not name the build's web location"
for size in 16 32 48 64 128 256; do
  got="$(identify -format '%wx%h' "$tree/share/icons/hicolor/${size}x${size}/apps/$app_id.png")"
  [ "$got" = "${size}x${size}" ] || fail "the ${size}x${size} icon is $got"
done
ok "${#expected[@]} expected files, delivered files equal to the sources and the build's manual, icon sizes right"

step "Manual page and changelog"
# Both made by the build from desktop/ and compressed at their best, without the
# name or time of the uncompressed file.
for file in "$manual_page" "$changelog"; do
  type="$(file -b "$tree/$file")"
  case "$type" in
    *"max compression"*) ;;
    *) fail "/usr/$file is not gzipped at maximum compression: $type" ;;
  esac
  case "$type" in
    *", was "*|*"last modified"*) fail "/usr/$file keeps a name or time in its gzip header: $type" ;;
  esac
done
zcat "$tree/$manual_page" | cmp -s - "$build/desktop/noktaris.1" || fail "/usr/$manual_page is not the build's desktop/noktaris.1"
check_manual_page() {
  LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l "$1" >"$work/man.txt" 2>"$work/man-warnings" ||
    fail "man -l $1 failed: $(cat "$work/man-warnings")"
  [ ! -s "$work/man-warnings" ] || fail "man -l $1 warns:
$(cat "$work/man-warnings")"
  for heading in "NOKTARIS(1)" JMÉNO POUŽITÍ POPIS SOUBORY PROSTŘEDÍ "VIZ TAKÉ" AUTOR; do
    grep -q -F "$heading" "$work/man.txt" || fail "the manual page $1 renders without \"$heading\""
  done
  grep -q -F "$(sed -n 's/^NOKTARIS_WEB_LOCATION:STRING=//p' "$build/CMakeCache.txt")" "$work/man.txt" ||
    fail "the manual page $1 does not name the build's web location"
}
check_manual_page "$tree/$manual_page"
ok "/usr/$manual_page renders with man -l, no warning, $(wc -l <"$work/man.txt") lines"
zcat "$tree/$changelog" >"$work/changelog"
cmp -s "$work/changelog" "$build/desktop/changelog" || fail "/usr/$changelog is not the build's desktop/changelog"
dpkg-parsechangelog -l "$work/changelog" >/dev/null || fail "/usr/$changelog is not a Debian changelog"
[ "$(dpkg-parsechangelog -l "$work/changelog" -S Version)" = "$version" ] ||
  fail "the latest entry of /usr/$changelog is not for version $version"
[ "$(dpkg-parsechangelog -l "$work/changelog" -S Maintainer)" = "$(dpkg-deb --field "$deb" Maintainer)" ] ||
  fail "the latest entry of /usr/$changelog is not signed by the package's Maintainer"
ok "/usr/$changelog: the entry of $version, signed by the Maintainer"

step "Desktop entry and AppStream description"
desktop-file-validate "$tree/share/applications/$app_id.desktop" || fail "desktop-file-validate"
ok "desktop-file-validate"
appstreamcli validate --no-net --explain "$tree/share/metainfo/$app_id.metainfo.xml" ||
  fail "appstreamcli validate"
ok "appstreamcli validate"
# The same in the installed tree: the launchable desktop entry must be there too.
appstreamcli validate-tree --no-net --explain "$work/root" || fail "appstreamcli validate-tree"
ok "appstreamcli validate-tree"

step "lintian"
# As root, which lintian only advises against; its tags are the lines
# "<E|W|I>: noktaris: <tag> [pointer]". Informational tags are shown, not judged.
lintian_status=0
lintian --fail-on none --tag-display-limit 0 --display-info "$deb" >"$work/lintian" 2>"$work/lintian-errors" ||
  lintian_status=$?
[ "$lintian_status" -eq 0 ] || fail "lintian could not check the package (status $lintian_status):
$(cat "$work/lintian-errors")"
sed 's/^/   | /' "$work/lintian"
unexpected=()
while IFS= read -r line; do
  level="${line%%: *}"
  tag="${line#*: noktaris*: }"
  case "$level" in
    E) unexpected+=("$line") ;;
    W)
      allowed=0
      for entry in "${lintian_allowed_warnings[@]}"; do
        if [ "$tag" = "$entry" ] || [ "${tag%% *}" = "$entry" ]; then allowed=1; fi
      done
      [ "$allowed" -eq 1 ] || unexpected+=("$line") ;;
  esac
done <"$work/lintian"
[ ${#unexpected[@]} -eq 0 ] || fail "lintian reports errors or warnings that are not allowed:
$(printf '%s\n' "${unexpected[@]}")"
ok "lintian: no error, $(grep -c '^W: ' "$work/lintian" || true) allowed warnings, $(grep -c '^I: ' "$work/lintian" || true) informational tags"

step "Installing with apt-get"
if dpkg-query -W -f='${Status}' noktaris 2>/dev/null | grep -q "ok installed"; then
  echo "   an earlier noktaris is installed; purging it first"
  DEBIAN_FRONTEND=noninteractive apt-get remove --purge -y -qq noktaris >/dev/null
fi
# Without the recommended calculator and dialogs: either alone would pull in a
# whole GTK or KDE desktop, and this check starts neither.
(cd "$build" && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "./$deb_name") ||
  fail "apt-get install ./$deb_name"
installed_here=1
dpkg-query -W -f='${Status}\n' noktaris | grep -q "install ok installed" || fail "noktaris is not installed"
dpkg -L noktaris >"$work/files"
ok "installed, $(wc -l <"$work/files") paths"
[ -z "$(find /usr/lib/noktaris ! -user root)" ] || fail "files in /usr/lib/noktaris not owned by root"
[ -z "$(find /usr/lib/noktaris -perm /022)" ] || fail "files in /usr/lib/noktaris writable by group or others"

step "Starting the program the way the desktop does, as an ordinary user"
desktop_file="/usr/share/applications/$app_id.desktop"
exec_line="$(sed -n 's/^Exec=//p' "$desktop_file" | head -n 1)"
[ -n "$exec_line" ] || fail "no Exec= line in $desktop_file"
# Field codes (%f, %U, ...) stand for files the desktop would hand over: none here.
exec_line="$(sed 's/ *%[fFuUdDnNickvm]//g' <<<"$exec_line")"
echo "   Exec=$exec_line"
id nobody >/dev/null 2>&1 || useradd --system --no-create-home --shell /usr/sbin/nologin nobody
group="$(id -gn nobody)"
home="$(mktemp -d /tmp/noktaris-home.XXXXXX)"
chown "nobody:$group" "$home"
# Xvfb run by an ordinary user needs the socket folder made by root.
[ -d /tmp/.X11-unix ] || install -d -m 1777 /tmp/.X11-unix
status=0
env -i PATH=/usr/local/bin:/usr/bin:/bin HOME="$home" USER=nobody LOGNAME=nobody LANG=C.UTF-8 \
    NOKTARIS_EXEC="$exec_line" \
  setpriv --reuid=nobody --regid="$group" --clear-groups \
  xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '
    cd "$HOME"
    $NOKTARIS_EXEC >"$HOME/noktaris.log" 2>&1 &
    pid=$!
    sleep 4
    if ! kill -0 "$pid" 2>/dev/null; then
      wait "$pid"
      echo "the program ended by itself with status $?" >>"$HOME/noktaris.log"
      exit 3
    fi
    import -window root "$HOME/shot.png"
    # A save as the user makes it: "Přepnout do rozšířeného režimu" (its centre at
    # 139,441 in the basic-mode window) rewrites the mode line of config.ini.
    window=$(xdotool search --onlyvisible --name "^Noktaris 1.4" | head -n 1)
    if [ -n "$window" ]; then
      eval "$(xdotool getwindowgeometry --shell "$window")"
      xdotool mousemove $((X + 139)) $((Y + 441)) click 1
      sleep 1
    fi
    kill "$pid"
    wait "$pid" 2>/dev/null || true
  ' || status=$?
if [ -s "$home/noktaris.log" ]; then
  echo "   what the program wrote:"
  sed 's/^/   | /' "$home/noktaris.log"
fi
[ "$status" -eq 0 ] || fail "the program did not run for 4 s under Xvfb as nobody (status $status)"
[ -s "$home/shot.png" ] || fail "no screenshot was taken"
mkdir -p "$(dirname "$shot")"
cp "$home/shot.png" "$shot"
spread="$(identify -format '%[fx:standard_deviation]' "$shot")"
awk -v s="$spread" 'BEGIN { exit !(s > 0.01) }' || fail "the screenshot is a blank screen ($shot)"
ok "ran for 4 s; screenshot: $shot"

step "The user's data folder"
user_folder="$home/.local/share/noktaris"
for file in "${user_files[@]}"; do
  [ -f "$user_folder/$file" ] || fail "$user_folder/$file was not made at the first start"
  [ "$(stat -c %U "$user_folder/$file")" = nobody ] || fail "$user_folder/$file is not the user's"
  [ "$file" = config.ini ] || cmp -s "$user_folder/$file" "/usr/lib/noktaris/$file" ||
    fail "$user_folder/$file differs from the delivered one"
done
for file in "${program_only_files[@]}"; do
  [ ! -e "$user_folder/$file" ] || fail "$file was copied into the user's folder; it is read from the program's"
done
ok "config.ini and the six catalogues copied to ~/.local/share/noktaris"
grep -q "^Rezim:2" "$user_folder/config.ini" || fail "the switch to the extended mode was not saved in $user_folder/config.ini"
ok "the switch to the extended mode was saved in the user's config.ini"
dpkg --verify noktaris || fail "installed files of the package were changed"
ok "the installed files are unchanged (dpkg --verify)"

step "The installed manual page"
# A dpkg configured to leave out manual pages (path-exclude in /etc/dpkg/dpkg.cfg.d,
# as in slim container images) installs none.
[ -f "/usr/$manual_page" ] || fail "/usr/$manual_page was not installed (is /usr/share/man excluded in /etc/dpkg/dpkg.cfg.d?)"
[ "$(man -w noktaris)" = "/usr/$manual_page" ] || fail "man -w noktaris finds $(man -w noktaris 2>&1), not /usr/$manual_page"
check_manual_page "/usr/$manual_page"
ok "man noktaris finds /usr/$manual_page; it renders with man -l, no warning"

step "Removing with apt-get remove --purge"
while IFS= read -r path; do
  if [ -f "$path" ] && [ ! -L "$path" ]; then printf '%s\n' "$path"; fi
done <"$work/files" >"$work/regular-files"
DEBIAN_FRONTEND=noninteractive apt-get remove --purge -y -qq noktaris || fail "apt-get remove --purge noktaris"
installed_here=0
left=()
while IFS= read -r path; do
  if [ -e "$path" ] || [ -L "$path" ]; then left+=("$path"); fi
done <"$work/regular-files"
[ ${#left[@]} -eq 0 ] || fail "left after the removal: ${left[*]}"
[ ! -e /usr/lib/noktaris ] || fail "/usr/lib/noktaris is left after the removal"
leftovers="$(find /usr/share/applications /usr/share/icons/hicolor /usr/share/metainfo -name "$app_id.*" 2>/dev/null)"
[ -z "$leftovers" ] || fail "left after the removal: $leftovers"
ok "$(wc -l <"$work/regular-files") files removed, /usr/lib/noktaris gone"

printf '\ncheck_package: the package %s installs, starts and removes cleanly\n' "$deb_name"
