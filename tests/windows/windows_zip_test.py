#!/usr/bin/env python3
"""Checks a portable zip of a Windows build: it holds exactly lumivor.exe, the
Russian readme and the licence; the readme is UTF-8 with a byte order mark and
Windows line ends; the licence is the project's, with Windows line ends; the
program is a Windows GUI program of the zip's architecture (x64 or x86) that
imports only what Windows 7 has, carrying the icon MAINICON at 16, 24, 32, 48 and
256 pixels and its application manifest. Prints every failed check.
Usage: windows_zip_test.py ZIP x64|x86 LICENSE"""

import re
import struct
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree
import zipfile
from pathlib import Path

PROGRAM = "lumivor.exe"
README = "README-ru.txt"
LICENCE = "LICENSE.txt"
# Machine, optional header magic and subsystem (Windows GUI: no console window beside the
# program's) of each architecture's program.
PE_HEADERS = {"x64": (0x8664, 0x20B, 2), "x86": (0x14C, 0x10B, 2)}
CHECK_IMPORTS = Path(__file__).resolve().parent.parent / "platform_win32" / "check-imports.sh"

failures = []


def fail(message):
    failures.append(message)
    print("FAIL: " + message, file=sys.stderr)


def check_readme(text_bytes):
    if not text_bytes.startswith(b"\xef\xbb\xbf"):
        fail(f"{README} does not start with a UTF-8 byte order mark")
    try:
        text = text_bytes.decode("utf-8-sig")
    except UnicodeDecodeError as error:
        fail(f"{README} is not UTF-8: {error}")
        return
    if re.search(r"(?<!\r)\n", text):
        fail(f"{README} has line ends without a carriage return, which old Notepad runs together")
    if not re.search(r"[А-Яа-яЁё]{4}", text):
        fail(f"{README} is not in Russian")
    if PROGRAM not in text:
        fail(f"{README} does not name {PROGRAM}, the file to run")


def check_licence(shipped, licence):
    if shipped != licence.replace(b"\n", b"\r\n"):
        fail(f"{LICENCE} is not the project's licence with Windows line ends")


def check_imports(program_path):
    result = subprocess.run(["bash", str(CHECK_IMPORTS), str(program_path)], capture_output=True, text=True)
    if result.returncode != 0:
        fail(f"{PROGRAM} imports what it must not:\n{result.stdout}{result.stderr}")


def pe_header(program):
    """Machine and subsystem from the PE headers."""
    (pe_offset,) = struct.unpack_from("<I", program, 0x3C)
    if program[:2] != b"MZ" or program[pe_offset:pe_offset + 4] != b"PE\0\0":
        return None
    (machine,) = struct.unpack_from("<H", program, pe_offset + 4)
    optional = pe_offset + 24
    (magic,) = struct.unpack_from("<H", program, optional)
    (subsystem,) = struct.unpack_from("<H", program, optional + 68)
    return machine, magic, subsystem


def resource(program_path, *selector):
    """The resource's bytes; empty if the program has none such."""
    return subprocess.run(["wrestool", "-x", *selector, str(program_path)],
                          check=True, capture_output=True).stdout


def icon_images(ico):
    """(width, height, bits, 'png' or 'dib') of each image in an .ico file."""
    _, _, count = struct.unpack_from("<HHH", ico, 0)
    images = []
    for index in range(count):
        width, height, _, _, _, bits, _, offset = struct.unpack_from("<BBBBHHII", ico, 6 + 16 * index)
        kind = "png" if ico[offset:offset + 8] == b"\x89PNG\r\n\x1a\n" else "dib"
        images.append((width or 256, height or 256, bits, kind))
    return sorted(images)


def check_icon(program_path):
    expected = [(size, size, 32, "dib") for size in (16, 24, 32, 48)] + [(256, 256, 32, "png")]
    ico = resource(program_path, "--type=14", "--name=MAINICON")
    if not ico:
        fail(f"{PROGRAM} has no icon group MAINICON")
        return
    images = icon_images(ico)
    if images != expected:
        fail(f"MAINICON holds {images}, expected {expected}")


def check_manifest(program_path):
    try:
        root = ElementTree.fromstring(resource(program_path, "--raw", "--type=24", "--name=1"))
    except ElementTree.ParseError as error:
        fail(f"{PROGRAM} has no readable application manifest (RT_MANIFEST 1): {error}")
        return
    v1 = "{urn:schemas-microsoft-com:asm.v1}"
    v3 = "{urn:schemas-microsoft-com:asm.v3}"
    compatibility = "{urn:schemas-microsoft-com:compatibility.v1}"

    def element(path):
        found = root.find(path)
        if found is None:
            fail(f"the manifest has no {path}")
        return found

    dpi_aware = element(f"{v3}application/{v3}windowsSettings/"
                        "{http://schemas.microsoft.com/SMI/2005/WindowsSettings}dpiAware")
    if dpi_aware is not None and dpi_aware.text.strip() != "True/PM":
        fail(f"dpiAware is {dpi_aware.text!r}, not True/PM")
    dpi_awareness = element(f"{v3}application/{v3}windowsSettings/"
                            "{http://schemas.microsoft.com/SMI/2016/WindowsSettings}dpiAwareness")
    # PerMonitorV2 from Windows 10 1703 on, PerMonitor for 1607, which does not know V2.
    if dpi_awareness is not None and dpi_awareness.text.strip() != "PerMonitorV2, PerMonitor":
        fail(f"dpiAwareness is {dpi_awareness.text!r}, not 'PerMonitorV2, PerMonitor'")

    controls = element(f"{v1}dependency/{v1}dependentAssembly/{v1}assemblyIdentity")
    expected_controls = {"type": "win32", "name": "Microsoft.Windows.Common-Controls",
                         "version": "6.0.0.0", "processorArchitecture": "*",
                         "publicKeyToken": "6595b64144ccf1df", "language": "*"}
    if controls is not None and controls.attrib != expected_controls:
        fail(f"the dependency is {controls.attrib}, expected {expected_controls}")

    level = element(f"{v3}trustInfo/{v3}security/{v3}requestedPrivileges/{v3}requestedExecutionLevel")
    if level is not None and level.attrib != {"level": "asInvoker", "uiAccess": "false"}:
        fail(f"the execution level is {level.attrib}, expected asInvoker without UI access")

    windows_versions = {"{35138b9a-5d96-4fbd-8e2d-a2440225f93a}": "7",
                        "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}": "8",
                        "{1f676c76-80e1-4239-95bb-83d0f6d0da78}": "8.1",
                        "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}": "10"}
    declared = {entry.get("Id") for entry in
                root.findall(f"{compatibility}compatibility/{compatibility}application/"
                             f"{compatibility}supportedOS")}
    if declared != set(windows_versions):
        fail("the manifest declares the Windows versions "
             f"{sorted(windows_versions.get(i, i) for i in declared)}, expected 7, 8, 8.1 and 10")


def main():
    zip_path, architecture, licence_path = sys.argv[1:4]
    if not Path(zip_path).is_file():
        fail(f"{zip_path} does not exist: `make windows` builds it")
        return 1
    with zipfile.ZipFile(zip_path) as archive:
        names = sorted(archive.namelist())
        if names != sorted([PROGRAM, README, LICENCE]):
            fail(f"the zip holds {names}, expected {PROGRAM}, {README} and {LICENCE} and nothing else")
        with tempfile.TemporaryDirectory() as work:
            archive.extractall(work)
            readme = Path(work, README)
            if readme.is_file():
                check_readme(readme.read_bytes())
            licence = Path(work, LICENCE)
            if licence.is_file():
                check_licence(licence.read_bytes(), Path(licence_path).read_bytes())
            program_path = Path(work, PROGRAM)
            if program_path.is_file():
                header = pe_header(program_path.read_bytes())
                if header != PE_HEADERS[architecture]:
                    fail(f"{PROGRAM} is not an {architecture} Windows GUI program: machine, magic, "
                         f"subsystem {header}, expected {PE_HEADERS[architecture]}")
                check_imports(program_path)
                check_icon(program_path)
                check_manifest(program_path)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
