"""Finds the places in a C++ file where a plausible fault can be put, by its syntax tree.

Each point is one edit of the file's bytes: a relational boundary moved, an equality turned,
a sum made a difference, an integer constant off by one, a condition negated, a call left
out, a returned value replaced by its type's default. The tree comes from libclang (Debian's
python3-clang), parsed with the file's own compile command, so macros, templates and
overloaded operators are told apart from the built-in operators a developer slips on.
"""

import glob
import hashlib
import json
import os
import re
import shlex

import clang.cindex as ci

SWAPS = {"<": "<=", "<=": "<", ">": ">=", ">=": ">", "==": "!=", "!=": "==", "+": "-",
         "-": "+"}
# What the program logs is not what it does; a fault there is felt by no user.
LOGGING = re.compile(r"\bq(Debug|Info|Warning|Critical)\s*\(")
_configured = False


def _configure():
    global _configured
    if _configured:
        return
    libs = sorted(glob.glob("/usr/lib/llvm-*/lib/libclang-*.so.1") +
                  glob.glob("/usr/lib/llvm-*/lib/libclang.so.1"))
    if libs:
        ci.Config.set_library_file(libs[0])
    _configured = True


def _resource_includes():
    found = sorted(glob.glob("/usr/lib/llvm-*/lib/clang/*/include"))
    return ["-isystem", found[0]] if found else []


def compile_args(entry):
    """The flags of a compile_commands.json entry that matter to parsing."""
    words = shlex.split(entry["command"]) if "command" in entry else list(entry["arguments"])
    args, skip = [], False
    for w in words[1:]:
        if skip:
            skip = False
            continue
        if w in ("-o", "-c"):
            skip = w == "-o"
            continue
        if w == entry["file"] or w.startswith("-W") or w.startswith("-O") or w == "-g":
            continue
        args.append(w)
    return args + _resource_includes()


class Point:
    __slots__ = ("file", "start", "end", "replacement", "kind", "line", "line_text", "original")

    def __init__(self, file, start, end, replacement, kind, line, line_text, original):
        self.file, self.start, self.end = file, start, end
        self.replacement, self.kind, self.line = replacement, kind, line
        self.line_text, self.original = line_text, original

    def key(self):
        """Stable across edits elsewhere in the file: what stands on the line and the change."""
        return [self.file, self.line_text.strip(), self.kind, self.original, self.replacement]

    def describe(self):
        return f"{self.file}:{self.line}: {self.kind}: {self.original!r} -> {self.replacement!r}"

    def to_json(self):
        return {s: getattr(self, s) for s in self.__slots__}


def _operator_token(cursor):
    children = list(cursor.get_children())
    if len(children) != 2:
        return None
    after = children[0].extent.end.offset
    for token in cursor.get_tokens():
        if token.extent.start.offset >= after:
            return token if token.kind == ci.TokenKind.PUNCTUATION else None
    return None


def _literal_plus_minus(text, up):
    m = re.fullmatch(r"(0[xX][0-9a-fA-F']+|[0-9']+)([uUlL]*)", text)
    if not m:
        return None
    digits = m.group(1).replace("'", "")
    value = int(digits, 16) if digits[:2].lower() == "0x" else int(digits, 10)
    if digits.startswith("0") and len(digits) > 1 and digits[:2].lower() != "0x":
        return None  # octal: rare, and a slip there reads differently
    changed = value + 1 if value == 0 or up else value - 1
    return (hex(changed) if digits[:2].lower() == "0x" else str(changed)) + m.group(2)


def find_points(path, rel, args):
    """Every point of the file at `path` (named `rel` in reports)."""
    _configure()
    with open(path, "rb") as f:
        data = f.read()
    lines = data.split(b"\n")
    tu = ci.Index.create().parse(path, args=args)
    points = []
    taken = set()

    def at(start, end, replacement, kind):
        if (start, end, kind) in taken or end <= start:
            return
        line_no = data.count(b"\n", 0, start) + 1
        text = lines[line_no - 1].decode(errors="replace")
        if LOGGING.search(text):
            return
        taken.add((start, end, kind))
        original = data[start:end].decode(errors="replace")
        points.append(Point(rel, start, end, replacement, kind, line_no, text, original))

    def own(cursor):
        loc = cursor.extent.start
        return loc.file is not None and loc.file.name == path and \
            cursor.extent.end.file is not None and cursor.extent.end.file.name == path

    def walk(cursor, parent):
        for child in cursor.get_children():
            if own(child):
                visit(child, cursor)
            elif child.location.file is None or child.location.file.name == path:
                walk(child, cursor)

    def visit(cursor, parent):
        kind = cursor.kind
        s, e = cursor.extent.start.offset, cursor.extent.end.offset
        if kind == ci.CursorKind.BINARY_OPERATOR:
            token = _operator_token(cursor)
            if token is not None and token.spelling in SWAPS:
                at(token.extent.start.offset, token.extent.end.offset, SWAPS[token.spelling],
                   "boundary" if token.spelling in ("<", "<=", ">", ">=") else
                   "equality" if token.spelling in ("==", "!=") else "arithmetic")
        elif kind == ci.CursorKind.INTEGER_LITERAL:
            text = data[s:e].decode(errors="replace")
            changed = _literal_plus_minus(text, s % 2 == 0)
            if changed is not None:
                at(s, e, changed, "constant")
        elif kind in (ci.CursorKind.IF_STMT, ci.CursorKind.WHILE_STMT):
            children = list(cursor.get_children())
            cond = children[0] if children else None
            if cond is not None and cond.kind not in (ci.CursorKind.VAR_DECL,
                                                      ci.CursorKind.DECL_STMT) and own(cond):
                cs, ce = cond.extent.start.offset, cond.extent.end.offset
                at(cs, ce, "!(" + data[cs:ce].decode(errors="replace") + ")", "negated")
        elif kind == ci.CursorKind.CALL_EXPR and parent is not None and \
                parent.kind == ci.CursorKind.COMPOUND_STMT and b"(" in data[s:e]:
            at(s, e, "(void)0", "call removed")
        elif kind == ci.CursorKind.RETURN_STMT:
            children = list(cursor.get_children())
            # A void expression or a deduced type has no default to return.
            if len(children) == 1 and own(children[0]) and \
                    children[0].type.kind not in (ci.TypeKind.VOID, ci.TypeKind.AUTO):
                cs, ce = children[0].extent.start.offset, children[0].extent.end.offset
                if data[cs:ce].strip() not in (b"{}", b"false", b"0", b"nullptr"):
                    at(cs, ce, "{}", "default returned")
        walk(cursor, parent)

    walk(tu.cursor, None)
    return points


def cached_points(path, rel, args, cache_file):
    """find_points, kept per file content so that a second sample parses only what changed."""
    with open(path, "rb") as f:
        digest = hashlib.sha1(f.read()).hexdigest()
    cache = {}
    if os.path.exists(cache_file):
        with open(cache_file, encoding="utf-8") as f:
            cache = json.load(f)
    entry = cache.get(rel)
    if entry and entry["sha1"] == digest:
        return [Point(**p) for p in entry["points"]]
    points = find_points(path, rel, args)
    cache[rel] = {"sha1": digest, "points": [p.to_json() for p in points]}
    with open(cache_file, "w", encoding="utf-8") as f:
        json.dump(cache, f)
    return points
