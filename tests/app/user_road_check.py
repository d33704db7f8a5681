#!/usr/bin/python3
"""Checks what a user's road through the program left behind (see UserRoad.sh): the saved
schema file, the generated script run by Firebird's isql-fb on a scratch database, the
documentation site, the printed PDF, and the pictures of the diagram before closing and after
reopening. Prints every fault and exits with 1 when there is one."""

import argparse
import os
import shutil
import subprocess
import sys
import tempfile
from urllib.parse import unquote, urlparse

import lxml.etree
import lxml.html

faults = []


def fault(text):
    faults.append(text)
    print("FAULT: " + text)


def value(element, kind, name):
    """The value attribute of the child <kind name="name"> of element, or None."""
    found = element.find("%s[@name='%s']" % (kind, name))
    return None if found is None else found.get("value")


def check_schema(path, entities, relation):
    """The file holds the entities (by their table names, each with columns) and the relation
    between the first two, with at least one column pair."""
    tree = lxml.etree.parse(path)
    tables = {}
    for entity in tree.iterfind("list[@name='Entities']/entity"):
        table = entity.find("table[@name='Data']")
        if table is None:
            fault("%s: entity %s has no table" % (path, value(entity, "string", "Name")))
            continue
        columns = [value(c, "string", "Name") for c in table.iterfind("column")]
        tables[value(entity, "string", "Name")] = (value(table, "string", "Name"), columns)
    names = {name: columns for name, columns in tables.values()}
    for name in entities:
        if name not in names:
            fault("%s: no entity %s (found %s)" % (path, name, sorted(names)))
        elif not names[name]:
            fault("%s: entity %s has no columns" % (path, name))
    relations = list(tree.iterfind("list[@name='Relations']/relation"))
    for r in relations:
        reference = r.find("reference[@name='Data']")
        if reference is None or value(reference, "string", "Name") != relation:
            continue
        base = tables.get(value(r, "string", "Base"), (None,))[0]
        target = tables.get(value(r, "string", "Target"), (None,))[0]
        if [base, target] != entities[:2]:
            fault("%s: relation %s joins %s to %s" % (path, relation, base, target))
        pairs = int(value(reference, "integer", "CountOfPair") or 0)
        if pairs < 1:
            fault("%s: relation %s has no column pair" % (path, relation))
        return
    fault("%s: no relation %s" % (path, relation))


def check_same_schema(first, again):
    """A schema saved, reopened and saved again: both files hold the same elements and values."""
    def lines(path):
        tree = lxml.etree.parse(path)
        return [(tree.getpath(e), sorted(e.attrib.items())) for e in tree.iter() if isinstance(e.tag, str)]
    a, b = lines(first), lines(again)
    if a == b:
        return
    for x, y in zip(a, b):
        if x != y:
            fault("%s and %s, saved after reopening, differ first at %s %s / %s %s" % (first, again, x[0], x[1], y[0], y[1]))
            return
    fault("%s has %d elements, %s after reopening %d" % (first, len(a), again, len(b)))


def firebird_environment(folder):
    env = dict(os.environ)
    env.update({"FIREBIRD_LOCK": os.path.join(folder, "lock"), "FIREBIRD_TMP": folder,
                "ISC_USER": "SYSDBA", "ISC_PASSWORD": "masterkey"})
    return env


def check_script(path, entities, relation):
    """The script runs statement by statement on a new empty database (isql-fb -bail stops at
    the first rejected one), and the database then holds the tables and the foreign key."""
    isql = shutil.which("isql-fb") or ("/usr/bin/isql-fb" if os.access("/usr/bin/isql-fb", os.X_OK) else None)
    if not isql:
        fault("isql-fb is not installed: the script cannot be run")
        return
    folder = tempfile.mkdtemp(prefix="morvik-road-fb-")
    try:
        os.mkdir(os.path.join(folder, "lock"))
        env = firebird_environment(folder)
        database = os.path.join(folder, "schema.fdb")
        create = os.path.join(folder, "create.sql")
        with open(create, "w") as f:
            f.write("CREATE DATABASE '%s' DEFAULT CHARACTER SET UTF8;\n" % database)
        made = subprocess.run([isql, "-q", "-bail", "-i", create], env=env, capture_output=True, text=True)
        if made.returncode != 0:
            fault("isql-fb could not create a scratch database: " + made.stdout + made.stderr)
            return
        script = os.path.join(folder, "script.sql")
        with open(path, "rb") as source, open(script, "wb") as target:
            target.write(b"SET NAMES UTF8;\n" + source.read())
        run = subprocess.run([isql, "-q", "-bail", "-ch", "UTF8", database, "-i", script], env=env,
                             capture_output=True, text=True)
        if run.returncode != 0 or "Statement failed" in run.stdout + run.stderr:
            fault("isql-fb rejected the saved script (exit %d):\n%s%s" % (run.returncode, run.stdout, run.stderr))
            return
        extracted = subprocess.run([isql, "-x", "-ch", "UTF8", database], env=env, capture_output=True, text=True)
        for name in entities:
            if "CREATE TABLE %s " % name not in extracted.stdout:
                fault("the database made by the script has no table %s" % name)
        if "CONSTRAINT %s FOREIGN KEY" % relation not in extracted.stdout:
            fault("the database made by the script has no foreign key %s" % relation)
    finally:
        shutil.rmtree(folder, ignore_errors=True)


def check_site(folder, entities):
    """Every page of the site parses, every local link (href, src) names an existing file,
    and the pages name the entities."""
    pages = []
    for base, _, names in os.walk(folder):
        pages += [os.path.join(base, n) for n in names if n.endswith(".html")]
    if not any(os.path.basename(p) == "index.html" for p in pages):
        fault("%s: the documentation has no index.html" % folder)
        return
    text = ""
    for page in sorted(pages):
        try:
            tree = lxml.html.parse(page)
        except (lxml.etree.LxmlError, OSError) as error:
            fault("%s: does not parse: %s" % (page, error))
            continue
        text += tree.getroot().text_content()
        for element in tree.iter():
            if not isinstance(element.tag, str):
                continue
            for attribute in ("href", "src"):
                link = element.get(attribute)
                if not link:
                    continue
                parsed = urlparse(link)
                if parsed.scheme or parsed.netloc or not parsed.path:
                    continue  # another site, or an anchor of this page
                target = os.path.normpath(os.path.join(os.path.dirname(page), unquote(parsed.path)))
                if not os.path.isfile(target):
                    fault("%s: %s=\"%s\" names no file" % (page, attribute, link))
    for name in entities:
        if name not in text:
            fault("%s: no page names %s" % (folder, name))
    # The documentation tests' own reading of a site: encodings, anchors, style sheets.
    site_check = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "docgen", "check_site.py")
    checked = subprocess.run([sys.executable, site_check, folder], capture_output=True, text=True)
    if checked.returncode != 0:
        fault("%s: the site does not hold together:\n%s" % (folder, checked.stderr))


def check_pdf(path, entities):
    info = subprocess.run(["pdfinfo", path], capture_output=True, text=True)
    pages = [line.split()[1] for line in info.stdout.splitlines() if line.startswith("Pages:")]
    if info.returncode != 0 or not pages or int(pages[0]) < 1:
        fault("%s: not a PDF with pages: %s%s" % (path, info.stdout, info.stderr))
        return
    text = subprocess.run(["pdftotext", path, "-"], capture_output=True, text=True).stdout
    for name in entities:
        if name not in text:
            fault("%s: the printed pages do not show %s" % (path, name))


def check_pictures(before, after, region, most):
    """The desktop region of both screenshots is alike, pixel for pixel (5 % colour fuzz)."""
    result = subprocess.run(["compare", "-metric", "AE", "-fuzz", "5%", "-extract", region, before, after,
                             os.path.splitext(after)[0] + "-difference.png"], capture_output=True, text=True)
    try:
        differing = float(result.stderr.split()[0])
    except (IndexError, ValueError):
        fault("compare failed: " + result.stderr)
        return
    if differing > most:
        fault("the diagram after reopening differs from the one saved in %d pixels (see %s)"
              % (differing, os.path.splitext(after)[0] + "-difference.png"))


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--schema", required=True)
    parser.add_argument("--again", help="the schema reopened and saved again")
    parser.add_argument("--entities", nargs="+", required=True)
    parser.add_argument("--relation", required=True)
    parser.add_argument("--before", required=True)
    parser.add_argument("--after", nargs="+", required=True, help="pictures of the schema reopened")
    parser.add_argument("--region", default="450x345+187+98", help="the desktop's part of the screen")
    parser.add_argument("--script")
    parser.add_argument("--site")
    parser.add_argument("--pdf")
    args = parser.parse_args()
    check_schema(args.schema, args.entities, args.relation)
    if args.again:
        check_same_schema(args.schema, args.again)
    for after in args.after:
        check_pictures(args.before, after, args.region, 10)
    if args.script:
        check_script(args.script, args.entities, args.relation)
    if args.site:
        check_site(args.site, args.entities)
    if args.pdf:
        check_pdf(args.pdf, args.entities)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
