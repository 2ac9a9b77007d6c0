#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tarsomel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The Windows Installer package as msiinfo reads it, without installing it:
# 64-bit and per machine, its names in Cyrillic and its code page 1251, the
# program as built with its file version, a plain Start-menu shortcut whose
# key path is in HKLM, the Apps entry's icon, and what makes a later version
# replace it: the Upgrade rows, the UpgradeCode and component GUIDs shared
# with the next version's package and a ProductCode of its own, a refused
# downgrade said in Bulgarian.
# Usage: windows_msi_tables.sh WIN64-BUILD VERSION PUBLISHER [MSI]   (MSI: another package to check)
source "$(dirname "$0")/../support/basics.sh"
build=$1 version=$2 publisher=$3
msi=${4:-$build/packages/tarsomel-$version.msi}
exe="$build/app/tarsomel.exe"
next=$(find "$build/tests/win32/next" -name 'tarsomel-*.msi' 2>/dev/null | head -n1)
[ -f "$msi" ] || fail "no $msi: build the win64 preset's target 'packages' first"
[ -f "$exe" ] || fail "no $exe: build the win64 preset first"
[ -f "$next" ] || fail "no next version's package in $build/tests/win32/next: build the win64 preset first"
command -v msiinfo >/dev/null || fail "no msiinfo (Debian package msitools)"
# In a scratch folder: msiinfo export writes a table's binary streams (the
# icon) to files in the current one.
msi=$(realpath "$msi") exe=$(realpath "$exe") next=$(realpath "$next")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch"

passed=0
pass() { echo "ok: $*"; passed=$((passed + 1)); }
# table PACKAGE NAME: the table's rows, tab-separated, without its three header lines.
table() { msiinfo export "$1" "$2" | tr -d '\r' | tail -n +4; }
# property PACKAGE NAME: a value of the Property table.
property() { table "$1" Property | awk -F'\t' -v name="$2" '$1 == name { print $2 }'; }
# column TABLE-ROWS KEY N: the Nth column of the row whose first column is KEY.
column() { awk -F'\t' -v key="$2" -v n="$3" '$1 == key { print $n }' <<<"$1"; }
cyrillic() { grep -qP '^[\x{0400}-\x{04FF} .,„“–-]+$' <<<"$1"; }

summary=$(msiinfo suminfo "$msi" | tr -d '\r')
grep -qx 'Template: x64;1026' <<<"$summary" || fail "the package is not for x64 in Bulgarian: $(grep Template <<<"$summary")"
# The word count (msiinfo's "Source"): 2 is long names, compressed, elevated
# (8 would be an install without elevation, per user).
grep -qx 'Source: 2 (2)' <<<"$summary" || fail "the package is not compressed for a per-machine install: $summary"
grep -qx 'Version: 500 (1f4)' <<<"$summary" || fail "the package does not ask for Windows Installer 5.0: $summary"
[ "$(property "$msi" ALLUSERS)" = 1 ] || fail "ALLUSERS is not 1 (per machine): $(property "$msi" ALLUSERS)"
pass "x64, per machine, compressed, Windows Installer 5.0"

# Exported as two empty lines and the code page.
codepage=$(msiinfo export "$msi" _ForceCodepage | tr -d '\r\0' | sed -n 's/\t_ForceCodepage$//p')
[ "$codepage" = 1251 ] || fail "the database's code page is '$codepage', not 1251"
grep -qx 'Subject: Тарсомел '"$version" <<<"$summary" || fail "the summary's subject: $(grep Subject <<<"$summary")"
[ "$(property "$msi" ProductName)" = Тарсомел ] || fail "ProductName is '$(property "$msi" ProductName)', not Тарсомел"
[ "$(property "$msi" ProductVersion)" = "$version" ] || fail "ProductVersion is $(property "$msi" ProductVersion)"
[ "$(property "$msi" Manufacturer)" = "$publisher" ] || fail "Manufacturer is $(property "$msi" Manufacturer)"
[ "$(property "$msi" ProductLanguage)" = 1026 ] || fail "ProductLanguage is $(property "$msi" ProductLanguage)"
pass "code page 1251; ProductName Тарсомел, version $version, manufacturer $publisher, Bulgarian"

files=$(table "$msi" File)
[ "$(wc -l <<<"$files")" = 1 ] || fail "the package should hold tarsomel.exe alone: $files"
[ "$(column "$files" tarsomel.exe 3)" = tarsomel.exe ] || fail "no tarsomel.exe in the File table: $files"
[ "$(column "$files" tarsomel.exe 4)" = "$(stat -c %s "$exe")" ] || fail "the packaged tarsomel.exe is not the built one's size"
file_version="${version%%.*}.$((10#${version#*.})).0.0"
[ "$(column "$files" tarsomel.exe 5)" = "$file_version" ] || fail "tarsomel.exe's File.Version is not $file_version: $files"
[ -z "$(table "$msi" MsiFileHash)" ] || fail "a hash row for the versioned tarsomel.exe: $(table "$msi" MsiFileHash)"
unpacked=$scratch/unpacked
msiextract -C "$unpacked" "$msi" >/dev/null || fail "msiextract cannot unpack the package"
cmp -s "$exe" "$(find "$unpacked" -name tarsomel.exe)" || fail "the packaged tarsomel.exe differs from the built one"
components=$(table "$msi" Component)
program=$(column "$files" tarsomel.exe 2)
attributes=$(column "$components" "$program" 4)
[ $((attributes & 256)) -ne 0 ] || fail "the program's component is not 64-bit: $components"
[ $((attributes & (16 | 128))) -eq 0 ] || fail "the program's component is permanent or never overwritten: $components"
[ "$(column "$components" "$program" 6)" = tarsomel.exe ] || fail "the program's component is not keyed on tarsomel.exe"
directories=$(table "$msi" Directory)
folder=$(column "$components" "$program" 3)
[ "$(column "$directories" "$folder" 2)" = ProgramFiles64Folder ] && [ "$(column "$directories" "$folder" 3)" = Tarsomel ] ||
  fail "tarsomel.exe does not go to Program Files\\Tarsomel: $directories"
pass "tarsomel.exe alone, as built, version $file_version, no hash row, 64-bit, into Program Files\\Tarsomel"

shortcuts=$(table "$msi" Shortcut)
[ "$(wc -l <<<"$shortcuts")" = 1 ] || fail "one shortcut expected: $shortcuts"
# Read split at a non-blank separator: at tabs, empty columns would run together.
IFS=$'\x1f' read -r _ s_folder s_name s_component s_target _ s_description _ s_icon _ <<<"${shortcuts//$'\t'/$'\x1f'}"
[ "$s_folder" = ProgramMenuFolder ] || fail "the shortcut is not in the Start menu: $shortcuts"
[ "$s_name" = Тарсомел ] || fail "the shortcut's name is '$s_name'"
cyrillic "$s_description" || fail "the shortcut's description is not Bulgarian: '$s_description'"
# An advertised shortcut's target would be a feature; this one names the file.
[ "$s_target" = "[$folder]tarsomel.exe" ] || fail "the shortcut is advertised or points elsewhere: $s_target"
icons=$(table "$msi" Icon | cut -f1)
[ -n "$s_icon" ] && grep -qxF "$s_icon" <<<"$icons" || fail "the shortcut has no icon of the Icon table: '$s_icon' ($icons)"
key_path=$(column "$components" "$s_component" 6)
[ "$(column "$(table "$msi" Registry)" "$key_path" 2)" = 2 ] || fail "the shortcut's key path is not an HKLM value"
[ $(($(column "$components" "$s_component" 4) & 256)) -ne 0 ] || fail "the shortcut's component is not 64-bit"
grep -qxF "$(property "$msi" ARPPRODUCTICON)" <<<"$icons" || fail "ARPPRODUCTICON names no icon: $(property "$msi" ARPPRODUCTICON)"
[ "$(table "$msi" Media | cut -f4 | cut -c1)" = '#' ] || fail "the cabinet is not embedded: $(table "$msi" Media)"
pass "a plain Start-menu shortcut Тарсомел with a Bulgarian description and the icon, keyed in HKLM; the entry's icon; the cabinet inside"

upgrade_code=$(property "$msi" UpgradeCode)
[ -n "$upgrade_code" ] && [ "$upgrade_code" = "$(property "$next" UpgradeCode)" ] ||
  fail "the next version's UpgradeCode differs: $upgrade_code, $(property "$next" UpgradeCode)"
[ "$(property "$msi" ProductCode)" != "$(property "$next" ProductCode)" ] || fail "the next version has the same ProductCode"
[ "$(table "$msi" Component | cut -f1,2)" = "$(table "$next" Component | cut -f1,2)" ] ||
  fail "the component GUIDs differ from the next version's"
rows=$(table "$msi" Upgrade)
[ "$(wc -l <<<"$rows")" = 2 ] || fail "two Upgrade rows expected: $rows"
# UpgradeCode, VersionMin, VersionMax, Language, Attributes, Remove, ActionProperty.
# Attributes: 2 only detects, 256 includes the minimum, 512 the maximum.
older="" newer=""
while IFS=$'\x1f' read -r code low high _ attributes _ found; do
  if [ -z "$low" ] && [ "$high" = "$version" ] && [ $((attributes & (2 | 512))) -eq 0 ]; then
    older="$code $found"
  elif [ "$low" = "$version" ] && [ -z "$high" ] && [ $((attributes & (2 | 256))) -eq 2 ]; then
    newer="$code $found"
  fi
done <<<"${rows//$'\t'/$'\x1f'}"
[ "${older% *}" = "$upgrade_code" ] || fail "no row removing every older version: $rows"
[ "${newer% *}" = "$upgrade_code" ] || fail "no row finding a newer version: $rows"
secure=$(property "$msi" SecureCustomProperties)
for found in "${older#* }" "${newer#* }"; do
  grep -qw -- "$found" <<<"${secure//;/ }" || fail "$found is not a secure property: $secure"
done
table "$msi" InstallExecuteSequence | grep -q '^RemoveExistingProducts' || fail "the older version is never removed"
refusal=$(table "$msi" LaunchCondition | awk -F'\t' -v p="NOT ${newer#* }" '$1 == p { print $2 }')
cyrillic "$refusal" || fail "no Bulgarian refusal of a downgrade: $(table "$msi" LaunchCondition)"
pass "a later version replaces this one (same UpgradeCode and components, its own ProductCode); an earlier one is refused: $refusal"
echo "$passed passed, 0 failed"
