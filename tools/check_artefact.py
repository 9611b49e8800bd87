#!/usr/bin/python3
"""Checks the shipped gen_tavrin.dll without running it: PE32 for i386, the one
export under its exact name, imports from system DLLs only, the dialog and
version resources, and the size budget."""
import struct
import sys
from pathlib import Path

import pefile

SIZE_BUDGET = 48 * 1024          # a plug-in of this kind weighs tens of kilobytes
ALLOWED_IMPORTS = {"kernel32.dll", "user32.dll", "msvcrt.dll"}
EXPORT = b"winampGetGeneralPurposePlugin"
RT_DIALOG, RT_VERSION = 5, 16
LANG_GERMAN_GERMANY = 1031

failures = []
passes = 0


def check(ok, what):
    global passes
    print(("ok:     " if ok else "FAILED: ") + what)
    if ok:
        passes += 1
    else:
        failures.append(what)


def resources(pe, type_id):
    """(id, language, data) of every resource of one type."""
    found = []
    for rtype in getattr(pe, "DIRECTORY_ENTRY_RESOURCE", pefile.Structure).entries:
        if rtype.id != type_id:
            continue
        for rid in rtype.directory.entries:
            for lang in rid.directory.entries:
                data = pe.get_data(lang.data.struct.OffsetToData, lang.data.struct.Size)
                found.append((rid.id, lang.id, data))
    return found


def check_dialog(data):
    ver, sig, _help, exstyle, style, count, x, y, cx, cy = struct.unpack_from("<HHIIIHhhhh", data, 0)
    check(ver == 1 and sig == 0xFFFF, "dialog 101 is an extended (DIALOGEX) template")
    check(count == 26, f"dialog 101 holds 26 controls ({count})")
    check((x, y, cx, cy) == (0, 0, 169, 152), f"dialog 101 is 169 x 152 units at 0, 0 ({cx} x {cy})")
    wanted = 0x80000000 | 0x00C00000 | 0x00080000 | 0x80 | 0x40 | 0x8  # POPUP CAPTION SYSMENU MODALFRAME SETFONT FIXEDSYS
    check(style & wanted == wanted and not style & 0x10000000 and not style & 0x800,
          f"dialog style {style:#x}: popup, caption, system menu, modal frame, font; not visible, not centred")
    check(exstyle == 0, "dialog has no extended style")


def main(folder):
    dll = Path(folder) / "gen_tavrin.dll"
    check(dll.is_file(), f"{dll} exists")
    if not dll.is_file():
        return
    pe = pefile.PE(str(dll))
    check(pe.FILE_HEADER.Machine == 0x14C, "machine is i386")
    check(pe.OPTIONAL_HEADER.Magic == 0x10B, "PE32 (not PE32+)")
    check(pe.FILE_HEADER.Characteristics & 0x2000 != 0, "marked as a DLL")

    exports = [e.name for e in pe.DIRECTORY_ENTRY_EXPORT.symbols] if hasattr(pe, "DIRECTORY_ENTRY_EXPORT") else []
    check(exports == [EXPORT], f"exports exactly {EXPORT.decode()} ({exports})")

    imports = sorted(i.dll.decode().lower() for i in getattr(pe, "DIRECTORY_ENTRY_IMPORT", []))
    check(set(imports) <= ALLOWED_IMPORTS, f"imports only system DLLs ({', '.join(imports)})")

    dialogs = resources(pe, RT_DIALOG)
    check([(i, l) for i, l, _ in dialogs] == [(101, LANG_GERMAN_GERMANY)], "dialog 101 in language 1031, and no other")
    if dialogs:
        check_dialog(dialogs[0][2])

    versions = resources(pe, RT_VERSION)
    check(len(versions) == 1, "version resource present")
    info = {}
    for fileinfo in getattr(pe, "FileInfo", []):
        for entry in fileinfo:
            for table in getattr(entry, "StringTable", []):
                info.update({k.decode(): v.decode() for k, v in table.entries.items()})
    check(info.get("FileVersion") == "2.3" and info.get("ProductVersion") == "2.3", "file and product version 2.3")
    check(info.get("OriginalFilename") == "gen_tavrin.dll", "original file name gen_tavrin.dll")
    check(bool(info.get("FileDescription")), f"description: {info.get('FileDescription')}")

    size = dll.stat().st_size
    print(f"size:   {size} bytes (budget {SIZE_BUDGET})")
    check(size <= SIZE_BUDGET, "within the size budget")

    for extra in ("gen_tavrin-2.3.zip", "gen_tavrin-2.3-setup.exe"):
        path = Path(folder) / extra
        if path.exists():
            check(path.stat().st_size > 0, f"{extra} is there")


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "dist")
    print(f"{passes} passed, {len(failures)} failed")
    sys.exit(1 if failures else 0)
