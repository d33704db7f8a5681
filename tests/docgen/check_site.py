#!/usr/bin/python3
"""Reads every page of a documentation site with lxml's HTML parser and checks that it holds
together: each page is UTF-8 and declares it, ends with its tail, has no script element, and
every frame source, link target (with its anchor), style sheet and image exists; a link into
the body frame leads to a content page, not to a frameset.

Prints what the pages say as JSON on stdout (per page: title, anchors, links, frames, images,
alt texts, pre texts, table cells and the whole text); lists every fault on stderr and exits with 1 when there is one."""

import json
import os
import sys
from urllib.parse import unquote

import lxml.html


def pre_text(element):
    """The text of a pre element without the line feeds that open and close it."""
    text = element.text_content()
    if text.startswith("\n"):
        text = text[1:]
    return text[:-1] if text.endswith("\n") else text


def main(folder):
    faults = []
    pages = {}
    trees = {}
    for name in sorted(os.listdir(folder)):
        if not name.endswith(".html"):
            continue
        raw = open(os.path.join(folder, name), "rb").read()
        try:
            raw.decode("utf-8")
        except UnicodeDecodeError as error:
            faults.append("%s: not UTF-8 (%s)" % (name, error))
        # The parser is left to find the character set from the page's own declaration.
        tree = lxml.html.document_fromstring(raw)
        trees[name] = tree
        declared = [m.get("content", "") for m in tree.iter("meta") if m.get("http-equiv", "").lower() == "content-type"]
        if not any("charset=utf-8" in d.lower() for d in declared):
            faults.append("%s: declares no UTF-8 character set" % name)
        if not raw.rstrip().endswith(b"</html>"):
            faults.append("%s: has no tail" % name)
        if list(tree.iter("script")):
            faults.append("%s: holds a script element" % name)
        anchors = [a.get("name") for a in tree.iter("a") if a.get("name") is not None]
        anchors += [e.get("id") for e in tree.iter() if isinstance(e.tag, str) and e.get("id") is not None]
        links = []
        for a in tree.iter("a"):
            href = a.get("href")
            if href is None:
                continue
            target, _, fragment = href.partition("#")
            links.append({"file": target, "anchor": unquote(fragment, encoding="utf-8", errors="strict"),
                          "raw": href, "text": a.text_content(), "target": a.get("target")})
        title = tree.find(".//title")
        pages[name] = {
            "title": title.text_content() if title is not None else None,
            "anchors": anchors,
            "links": links,
            "frames": [f.get("src") for f in tree.iter("frame")],
            "images": [i.get("src") for i in tree.iter("img")],
            "alts": [i.get("alt") for i in tree.iter("img") if i.get("alt") is not None],
            "pre": [pre_text(p) for p in tree.iter("pre")],
            "cells": [td.text_content().strip() for td in tree.iter("td")],
            "text": tree.text_content(),
        }

    def exists(path):
        return os.path.isfile(os.path.join(folder, path))

    for name, page in pages.items():
        for src in page["frames"]:
            if not exists(src):
                faults.append("%s: frame source %s is missing" % (name, src))
        for src in page["images"]:
            if not exists(src):
                faults.append("%s: image %s is missing" % (name, src))
        for link in trees[name].iter("link"):
            if not exists(link.get("href")):
                faults.append("%s: style sheet %s is missing" % (name, link.get("href")))
        for link in page["links"]:
            target = link["file"] or name
            if not exists(target):
                faults.append("%s: link %s leads to a missing page" % (name, link["raw"]))
            elif link["anchor"] and link["anchor"] not in pages.get(target, {}).get("anchors", []):
                faults.append("%s: link %s has no anchor %r on %s" % (name, link["raw"], link["anchor"], target))
            elif (link["target"] or "").lower() == "body" and pages.get(target, {}).get("frames"):
                faults.append("%s: link %s loads the frameset %s into the body frame" % (name, link["raw"], target))

    json.dump(pages, sys.stdout, ensure_ascii=False)
    for fault in faults:
        print(fault, file=sys.stderr)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
