#!/usr/bin/env python3
"""Prints the fields of an AppStream metainfo file that the package's test reads, one
"key<TAB>value" line each: id, launchable, categories, content-rating (its type), name,
summary and description (each also as key[lang] for another language's text), and release
and release-date for the newest release.

Usage: metainfo_fields.py FILE.metainfo.xml
"""

import sys
import xml.etree.ElementTree as ElementTree

LANG = "{http://www.w3.org/XML/1998/namespace}lang"


def text(element):
    return " ".join("".join(element.itertext()).split()) if element is not None else ""


def main():
    component = ElementTree.parse(sys.argv[1]).getroot()
    rating = component.find("content_rating")
    fields = {
        "id": text(component.find("id")),
        "launchable": text(component.find("launchable[@type='desktop-id']")),
        "categories": ";".join(text(c) for c in component.findall("categories/category")),
        "content-rating": rating.get("type", "") if rating is not None else "",
    }
    # A description is translated paragraph by paragraph.
    for tag, path in (("name", "name"), ("summary", "summary"), ("description", "description/p")):
        texts = {}
        for element in component.findall(path):
            lang = element.get(LANG)
            texts.setdefault(f"{tag}[{lang}]" if lang else tag, []).append(text(element))
        fields.update((key, " ".join(parts)) for key, parts in texts.items())
    # AppStream lists the releases newest first.
    newest = component.find("releases/release")
    if newest is not None:
        fields["release"] = newest.get("version", "")
        fields["release-date"] = newest.get("date", "")
    for key, value in fields.items():
        print(f"{key}\t{value}")


if __name__ == "__main__":
    main()
