#!/usr/bin/env python3
"""Checks the portable zip of the Windows build: it holds exactly lumivor.exe and
the Russian readme; the readme is UTF-8 with a byte order mark and Windows line
ends; the program is a 64-bit Windows GUI program carrying the icon MAINICON at
16, 24, 32, 48 and 256 pixels and its application manifest. Prints every failed
check. Usage: windows_zip_test.py ZIP"""

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
    if dpi_awareness is not None and dpi_awareness.text.strip() != "PerMonitorV2":
        fail(f"dpiAwareness is {dpi_awareness.text!r}, not PerMonitorV2")

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
    if not Path(sys.argv[1]).is_file():
        fail(f"{sys.argv[1]} does not exist: `make windows` builds it")
        return 1
    with zipfile.ZipFile(sys.argv[1]) as archive:
        names = sorted(archive.namelist())
        if names != sorted([PROGRAM, README]):
            fail(f"the zip holds {names}, expected {PROGRAM} and {README} and nothing else")
        with tempfile.TemporaryDirectory() as work:
            archive.extractall(work)
            readme = Path(work, README)
            if readme.is_file():
                check_readme(readme.read_bytes())
            program_path = Path(work, PROGRAM)
            if program_path.is_file():
                header = pe_header(program_path.read_bytes())
                # x86-64 (0x8664), PE32+ (0x20b), Windows GUI: no console window beside the program's.
                if header != (0x8664, 0x20B, 2):
                    fail(f"{PROGRAM} is not a 64-bit Windows GUI program: machine, magic, subsystem {header}")
                check_icon(program_path)
                check_manifest(program_path)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
