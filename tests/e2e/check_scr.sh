#!/usr/bin/env bash
# Checks the Windows executable: a PE32 GUI program for Intel 80386 that needs nothing but
# system DLLs, with the version data and the icon of the program.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"
scr=$1
headers=$(i686-w64-mingw32-objdump -p "$scr")
check "PE32 for Intel 80386" bash -c "file '$scr' | grep -q 'PE32 executable (GUI) Intel 80386'"
check "Windows GUI subsystem" grep -q 'Subsystem.*(Windows GUI)' <<< "$headers"
dlls=$(grep 'DLL Name' <<< "$headers" | awk '{print toupper($3)}' | sort | tr '\n' ' ')
echo "    imports: $dlls"
check "only system DLLs" bash -c "[ -z \"\$(grep -o '[^ ]*' <<< '$dlls' | grep -vxE 'ADVAPI32.DLL|GDI32.DLL|KERNEL32.DLL|MSVCRT.DLL|USER32.DLL')\" ]"
strings16=$(strings -el "$scr")
for text in SCRNSAVE:Quorex 1.00 quorex quorex.scr FileVersion ProductVersion ProductName \
    InternalName OriginalFilename CompanyName 040904B0; do
  check "version data holds '$text'" grep -qx -- "$text" <<< "$strings16"
done
resources=$(i686-w64-mingw32-objdump -s -j .rsrc "$scr" | wc -l)
check "a resource section" [ "$resources" -gt 10 ]
icon=$(python3 - "$here/../../surface/win32/quorex.ico" <<'PY'
import struct, sys
data = open(sys.argv[1], 'rb').read()
count = struct.unpack_from('<H', data, 4)[0]
print(' '.join('%dx%dx%d' % (e[0], e[1], e[5]) for e in
               (struct.unpack_from('<BBBBHHII', data, 6 + 16 * i) for i in range(count))))
PY
)
check "the icon has 32x32 in 2 colours, 32x32 and 16x16 in 16 ($icon)" [ "$icon" = "32x32x1 32x32x4 16x16x4" ]
summary "Windows executable"
