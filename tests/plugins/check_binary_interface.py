#!/usr/bin/env python3
"""Reads a plug-in DLL's headers with objdump and checks what the engine binds: an image of the
build's format (pei-i386, a PE32 i386 image, for the product; pei-x86-64 for the 64-bit twin)
whose one export is _KVRNACTIONINTERFACE@12 at ordinal 1, importing from kvrn.dll only the engine
functions under their decorated names, and needing no compiler runtime DLL.

    check_binary_interface.py OBJDUMP FORMAT DLL..."""
import re
import subprocess
import sys

ENGINE_IMPORTS = {
    "_KVRNL_MoveAction@28", "_KVRNL_SearchLayer@12", "_KVRNL_SwitchLayer@12", "_KVRNL_MoveLayer@28",
    "_KVRNL_GetMoveLayer@28", "_KVRNL_EXT_RecallFunction@24", "_KVRNL_EXT_Function@36", "_KVRN_SetLight@12",
    "_KVRN_Set3D@20", "_KVRN_Copy3D@8", "_KVRN_AllocMemory@8", "_KVRN_ResizeMemory@12", "_KVRN_FreeMemory@8",
}
RUNTIME_DLLS = re.compile(r"^(libstdc\+\+|libgcc|libwinpthread)", re.I)


def check(objdump, image_format, path):
    faults = []
    header = subprocess.run([objdump, "-p", path], capture_output=True, text=True, check=True).stdout
    if f"file format {image_format}\n" not in header:
        faults.append(f"not a {image_format} image")

    exports = re.search(r"Export Address Table -- Ordinal Base (\d+)\n(.*?)\n\n", header, re.S)
    names = re.search(r"\[Ordinal/Name Pointer\] Table\n(.*?)\n\n", header, re.S)
    if not exports or not names:
        faults.append("no export table")
    else:
        entries = [l for l in exports.group(2).splitlines() if "Export RVA" in l or "Forwarder" in l]
        listed = [l.split("]")[-1].strip() for l in names.group(1).splitlines() if l.strip()]
        if exports.group(1) != "1" or len(entries) != 1:
            faults.append(f"exports: base {exports.group(1)}, {len(entries)} entries; want one at ordinal 1")
        if listed != ["_KVRNACTIONINTERFACE@12"]:
            faults.append(f"export names {listed}")

    dlls = {}
    for block in re.split(r"\n\s*DLL Name: ", header)[1:]:
        name, _, rest = block.partition("\n")
        members = re.findall(r"^\s*[0-9a-f]+\s+\d+\s+(\S+)", rest.split("\n\n")[0], re.M)
        dlls[name.strip()] = members
    for dll in dlls:
        if RUNTIME_DLLS.match(dll):
            faults.append(f"needs the runtime DLL {dll}")
    engine = dlls.get("kvrn.dll")
    if engine is None:
        faults.append("does not import kvrn.dll")
    else:
        unknown = sorted(set(engine) - ENGINE_IMPORTS)
        if unknown:
            faults.append(f"kvrn.dll imports not of the engine: {unknown}")
    return faults


def main():
    objdump, image_format, paths = sys.argv[1], sys.argv[2], sys.argv[3:]
    failed = 0
    for path in paths:
        faults = check(objdump, image_format, path)
        for fault in faults:
            print(f"{path}: {fault}")
        failed += bool(faults)
        print(f"{path}: {'FAILED' if faults else 'ok'}")
    print(f"{len(paths) - failed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
