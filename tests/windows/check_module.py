"""Checks a built Windows module as a file: a 64-bit x64 DLL that exports
exactly the functions its kind names and imports only Windows system DLLs (the
C++ runtime is linked in). Talvenor.aex, the After Effects plug-in, exports only
EntryPointFunc and carries the property list the host reads before loading it;
the expected property list bytes are built here from the documented layout, not
from the resource script. talvenor.dll, the frei0r plug-in, exports only the
f0r_* functions. Talvenor.ofx, the OpenFX bundle's binary, exports only
OfxGetNumberOfPlugins and OfxGetPlugin.

Usage: /usr/bin/python3 check_module.py aex Talvenor.aex
       /usr/bin/python3 check_module.py frei0r talvenor.dll
       /usr/bin/python3 check_module.py ofx Talvenor.ofx
Prints every failed check and exits 1 if there is one.
"""
import struct
import sys
from typing import Callable, NamedTuple

import pefile

SYSTEM_DLLS = {"kernel32.dll", "msvcrt.dll"}
UNIVERSAL_CRT_PREFIX = "api-ms-win-crt-"
PIPL_ID = 16000
US_ENGLISH = 1033


def four_char_code(code):
    """A little-endian 32-bit word whose most significant byte is the first character."""
    return struct.pack("<I", int.from_bytes(code.encode("ascii"), "big"))


def counted_string(text):
    return bytes([len(text)]) + text.encode("ascii")


def padded(data):
    return data + b"\0" * (-len(data) % 4)


def property_record(key, data, length=None):
    """Vendor, key, id 0, length, data padded to 4. The length counts the pad
    unless given (eINF counts only its two data bytes)."""
    body = padded(data)
    length = len(body) if length is None else length
    return four_char_code("8BIM") + four_char_code(key) + struct.pack("<II", 0, length) + body


def expected_property_list():
    properties = [
        property_record("kind", four_char_code("eFKT")),
        property_record("name", counted_string("Talvenor")),
        property_record("catg", counted_string("Talvenor")),
        property_record("8664", b"EntryPointFunc\0"),
        property_record("ePVR", struct.pack("<HH", 2, 0)),
        property_record("eSVR", struct.pack("<HH", 13, 7)),
        property_record("eVER", struct.pack("<I", 0x81001)),
        property_record("eINF", struct.pack("<H", 0), length=2),
        property_record("eGLO", struct.pack("<I", 0x440)),
        property_record("eGL2", struct.pack("<I", 0x1)),
        property_record("eMNA", counted_string("Brindle Talvenor")),
        property_record("aeFL", struct.pack("<I", 8)),
    ]
    return struct.pack("<HII", 1, 0, len(properties)) + b"".join(properties)


def header_problems(pe):
    problems = []
    if pe.FILE_HEADER.Machine != 0x8664:
        problems.append(f"machine is {pe.FILE_HEADER.Machine:#06x}, not x64 (0x8664)")
    if pe.OPTIONAL_HEADER.Magic != 0x20B:
        problems.append(f"optional header magic is {pe.OPTIONAL_HEADER.Magic:#x}, not PE32+ (0x20b)")
    if not pe.FILE_HEADER.Characteristics & pefile.IMAGE_CHARACTERISTICS["IMAGE_FILE_DLL"]:
        problems.append("the image is not marked as a DLL")
    return problems


def export_problems(pe, expected):
    exports = getattr(pe, "DIRECTORY_ENTRY_EXPORT", None)
    names = sorted(symbol.name.decode() if symbol.name else f"#{symbol.ordinal}"
                   for symbol in exports.symbols) if exports else []
    if names != sorted(expected):
        return [f"exports are {names}, expected exactly {sorted(expected)}"]
    return []


def is_system_dll(name):
    name = name.lower()
    return name in SYSTEM_DLLS or name.startswith(UNIVERSAL_CRT_PREFIX)


def import_problems(pe):
    imported = [entry.dll.decode() for entry in getattr(pe, "DIRECTORY_ENTRY_IMPORT", [])]
    foreign = [name for name in imported if not is_system_dll(name)]
    if foreign:
        return [f"imports non-system DLLs {foreign} (all imports: {imported})"]
    return []


def find_resource(pe, type_name, resource_id, language):
    resources = getattr(pe, "DIRECTORY_ENTRY_RESOURCE", None)
    for type_entry in resources.entries if resources else []:
        if type_entry.name is None or str(type_entry.name).upper() != type_name:
            continue
        for id_entry in type_entry.directory.entries:
            if id_entry.id != resource_id:
                continue
            for language_entry in id_entry.directory.entries:
                if language_entry.id == language:
                    data = language_entry.data.struct
                    return pe.get_data(data.OffsetToData, data.Size)
    return None


def property_list_problems(pe):
    actual = find_resource(pe, "PIPL", PIPL_ID, US_ENGLISH)
    if actual is None:
        return [f"no PIPL resource with id {PIPL_ID}, language {US_ENGLISH}"]
    expected = expected_property_list()
    if actual == expected:
        return []
    first_difference = next((i for i, (a, b) in enumerate(zip(actual, expected)) if a != b),
                            min(len(actual), len(expected)))
    return [f"PIPL bytes differ from offset {first_difference} "
            f"({len(actual)} bytes, expected {len(expected)}):\n"
            f"  actual:   {actual.hex(' ', 4)}\n"
            f"  expected: {expected.hex(' ', 4)}"]


class Kind(NamedTuple):
    exports: list
    resource_problems: Callable = lambda pe: []


KINDS = {
    "aex": Kind(["EntryPointFunc"], property_list_problems),
    "frei0r": Kind(["f0r_init", "f0r_deinit", "f0r_get_plugin_info", "f0r_get_param_info",
                    "f0r_construct", "f0r_destruct", "f0r_set_param_value", "f0r_get_param_value",
                    "f0r_update", "f0r_update2"]),
    "ofx": Kind(["OfxGetNumberOfPlugins", "OfxGetPlugin"]),
}


def main(kind_name, path):
    kind = KINDS[kind_name]
    pe = pefile.PE(path)
    problems = (header_problems(pe) + export_problems(pe, kind.exports) + import_problems(pe)
                + kind.resource_problems(pe))
    for problem in problems:
        print(f"FAIL: {path}: {problem}")
    return 1 if problems else 0


if __name__ == "__main__":
    if len(sys.argv) != 3 or sys.argv[1] not in KINDS:
        sys.exit(f"usage: {sys.argv[0]} {'|'.join(KINDS)} MODULE")
    sys.exit(main(sys.argv[1], sys.argv[2]))
