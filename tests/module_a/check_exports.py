#!/usr/bin/env python3
"""Checks that a built gauge module exports exactly ImportTable and Linkage.

natively:  check_exports.py nm NM MODULE
win32:     check_exports.py objdump OBJDUMP MODULE   (also: every imported DLL is a system one)
"""

import subprocess
import sys

EXPORTS = {"ImportTable", "Linkage"}
SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "winmm.dll", "dsound.dll", "msvcrt.dll"}


def run(command):
    result = subprocess.run(command, capture_output=True, text=True)
    if result.returncode != 0:
        sys.exit(f"{' '.join(command)} failed: {result.stderr.strip()}")
    return result.stdout


def elf_exports(nm, module):
    lines = run([nm, "-D", "--defined-only", module]).splitlines()
    return {line.split()[-1] for line in lines if line.strip()}, set()


def pe_exports_and_imports(objdump, module):
    exports, imports = set(), set()
    in_names = False
    for line in run([objdump, "-p", module]).splitlines():
        stripped = line.strip()
        if stripped.startswith("DLL Name:"):
            imports.add(stripped.split(":", 1)[1].strip())
        if stripped == "[Ordinal/Name Pointer] Table":
            in_names = True
        elif in_names and stripped.startswith("["):
            exports.add(stripped.split("]", 1)[1].strip())
        elif in_names:
            in_names = False
    return exports, imports


def main():
    if len(sys.argv) != 4 or sys.argv[1] not in ("nm", "objdump"):
        sys.exit(__doc__)
    kind, tool, module = sys.argv[1:]
    if kind == "nm":
        exports, imports = elf_exports(tool, module)
    else:
        exports, imports = pe_exports_and_imports(tool, module)
    faults = []
    if exports != EXPORTS:
        faults.append(f"exports {sorted(exports)}, expected {sorted(EXPORTS)}")
    foreign = sorted(d for d in imports if d.lower() not in SYSTEM_DLLS)
    if foreign:
        faults.append(f"imports from non-system libraries {foreign}")
    if kind == "objdump" and not imports:
        faults.append("no imported libraries found: is this a PE module?")
    if faults:
        sys.exit(f"{module}: " + "; ".join(faults))
    print(f"{module}: exports {sorted(exports)}; imports {sorted(imports)}")


if __name__ == "__main__":
    main()
