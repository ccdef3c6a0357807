"""Checks the download zip: one folder holding exactly Talvenor.aex (the built
module, byte for byte), LICENSE.txt (the licence with Windows line ends),
INSTALL.txt (the install notes as plain text: where the files go and what the
About box says, with no Markdown marks left and Windows line ends) and, in its
folder frei0r, talvenor.dll (the built frei0r plug-in) with the Kdenlive and
Shotcut descriptions as they are in the source folder frei0r; and the OpenFX
bundle, its Win64 binary and icon as built.

Usage: /usr/bin/python3 check_dist.py ZIP MODULE LICENSE FOLDER FREI0R_PLUGIN FREI0R_SOURCE OFX_BUNDLE
Prints every failed check and exits 1 if there is one.
"""
import re
import sys
import zipfile

INSTALL_NOTES_MUST_SAY = ["Plug-ins", "Talvenor, v1.0.2", "Talvenor plugin for After Effects", "lib\\frei0r-1\\",
                          "share\\shotcut\\qml\\filters\\", "%APPDATA%\\kdenlive\\effects\\",
                          "Common Files\\OFX\\Plugins", "OFX_PLUGIN_PATH"]
# The frei0r folder's files: where each lies in the zip, and its source.
FREI0R_FILES = {"frei0r/kdenlive/frei0r_talvenor.xml": "kdenlive/frei0r_talvenor.xml",
                "frei0r/shotcut/talvenor/meta.qml": "shotcut/meta.qml", "frei0r/shotcut/talvenor/ui.qml": "shotcut/ui.qml"}
OFX_FILES = ["Talvenor.ofx.bundle/Contents/Win64/Talvenor.ofx",
             "Talvenor.ofx.bundle/Contents/Resources/net.talvenor.Talvenor.png"]
MARKDOWN_MARKS = ["<!--", "**", "`"]


def read(path):
    with open(path, "rb") as file:
        return file.read()


def install_notes_problems(notes):
    problems = [f"INSTALL.txt does not say {text!r}" for text in INSTALL_NOTES_MUST_SAY
                if text.encode() not in notes]
    problems += [f"INSTALL.txt still holds {mark!r}" for mark in MARKDOWN_MARKS if mark.encode() in notes]
    if re.search(rb"(?<!\r)\n", notes):
        problems.append("INSTALL.txt has line ends without a carriage return")
    return problems


def main(zip_path, module_path, licence_path, folder, frei0r_plugin, frei0r_source, ofx_bundle):
    sources = {"frei0r/talvenor.dll": frei0r_plugin}
    sources.update({name: f"{frei0r_source}/{path}" for name, path in FREI0R_FILES.items()})
    sources.update({name: f"{ofx_bundle}/{name.split('/', 1)[1]}" for name in OFX_FILES})
    expected = {f"{folder}/{name}" for name in ["Talvenor.aex", "INSTALL.txt", "LICENSE.txt"] + list(sources)}
    with zipfile.ZipFile(zip_path) as archive:
        damaged = archive.testzip()
        files = {name for name in archive.namelist() if not name.endswith("/")}
        folders = {name for name in archive.namelist() if name.endswith("/")} - {
            f"{folder}/", f"{folder}/frei0r/", f"{folder}/frei0r/kdenlive/", f"{folder}/frei0r/shotcut/",
            f"{folder}/frei0r/shotcut/talvenor/", f"{folder}/Talvenor.ofx.bundle/",
            f"{folder}/Talvenor.ofx.bundle/Contents/", f"{folder}/Talvenor.ofx.bundle/Contents/Win64/",
            f"{folder}/Talvenor.ofx.bundle/Contents/Resources/"}
        problems = [f"entry {damaged} is damaged"] if damaged else []
        if files != expected or folders:
            problems.append(f"holds {sorted(files | folders)}, expected {sorted(expected)}")
        else:
            if archive.read(f"{folder}/Talvenor.aex") != read(module_path):
                problems.append("Talvenor.aex is not the built module")
            if archive.read(f"{folder}/LICENSE.txt") != read(licence_path).replace(b"\n", b"\r\n"):
                problems.append("LICENSE.txt is not LICENSE with Windows line ends")
            problems += [f"{name} is not {path}" for name, path in sources.items()
                         if archive.read(f"{folder}/{name}") != read(path)]
            problems += install_notes_problems(archive.read(f"{folder}/INSTALL.txt"))
    for problem in problems:
        print(f"FAIL: {zip_path}: {problem}")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
