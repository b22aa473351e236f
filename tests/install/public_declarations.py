#!/usr/bin/env python3
"""Installs the runtime into a scratch prefix and compares the names its headers declare
at namespace scope with the allow-list.

public_declarations.py CMAKE BUILD_DIR WORK_DIR ALLOW_LIST

Each name is written with its namespaces (zentoir::IniOpen, zentoir::detail::SetShape);
overloads count once and class members are not listed. The headers are expected in the
repository's format (clang-format); a form the scanner does not know fails the test.
"""
import pathlib
import re
import shutil
import subprocess
import sys

LEXEME = re.compile(
    r'//[^\n]*|/\*.*?\*/|"(?:\\.|[^"\\\n])*"|\'(?:\\.|[^\'\\\n])*\'|^[ \t]*#(?:\\\n|[^\n])*',
    re.S | re.M)
TOKEN = re.compile(r'[A-Za-z_]\w*|\d[\w.\']*|::|->|&&|\|\||<=>|[<>=!+\-*/%&|^]=|<<|>>|\S')
SKIPPED = {'static_assert', 'friend'}
TYPE_KEYS = {'struct', 'class', 'union', 'enum', 'concept'}


class ScanError(Exception):
    pass


def tokens(text):
    def blank(match):
        lexeme = match.group(0)
        return '""' if lexeme[0] in '"\'' else ' ' * lexeme.count('\n') or ' '
    return TOKEN.findall(LEXEME.sub(blank, text))


def skip_balanced(toks, i, opening, closing):
    """The index after the bracket that closes the one at toks[i]."""
    depth = 0
    while i < len(toks):
        if toks[i] == opening:
            depth += 1
        elif toks[i] == closing:
            depth -= 1
        elif opening == '<' and toks[i] == '>>':
            depth -= 2
        i += 1
        if depth <= 0:
            return i
    raise ScanError('unbalanced ' + opening)


def declared_name(toks):
    """The name a statement at namespace scope declares, or None (using namespace ...)."""
    i = 0
    while i < len(toks):
        if toks[i] == 'template' and i + 1 < len(toks) and toks[i + 1] == '<':
            i = skip_balanced(toks, i + 1, '<', '>')
        elif toks[i] == 'requires' and i + 1 < len(toks) and toks[i + 1] == '(':
            i = skip_balanced(toks, i + 1, '(', ')')
        elif toks[i] == '[' and i + 1 < len(toks) and toks[i + 1] == '[':
            i = skip_balanced(toks, i, '[', ']')
        else:
            break
    toks = toks[i:]
    if not toks or toks[0] in SKIPPED:
        return None
    if toks[0] == 'requires':
        raise ScanError('requires clause without parentheses: ' + ' '.join(toks))
    if toks[0] == 'using':
        if len(toks) > 1 and toks[1] == 'namespace':
            return None
        return toks[1] if len(toks) > 2 and toks[2] == '=' else toks[-1]
    for k, tok in enumerate(toks):
        if tok in TYPE_KEYS:
            rest = [t for t in toks[k + 1:] if t not in ('class', 'struct')]
            if rest and re.match(r'[A-Za-z_]\w*$', rest[0]):
                return rest[0]
            raise ScanError('unnamed type: ' + ' '.join(toks))
    angle = 0
    for k, tok in enumerate(toks):
        if tok == 'operator':
            if k >= 1 and toks[k - 1] == '::':
                return None  # a member defined outside its class
            end = k + 1
            if toks[end:end + 2] == ['(', ')']:
                end += 2
            while end < len(toks) and toks[end] != '(':
                end += 1
            return 'operator' + ''.join(toks[k + 1:end])
        if tok == '<':
            angle += 1
        elif tok == '>':
            angle -= 1
        elif tok == '>>':
            angle -= 2
        elif angle == 0 and tok in ('(', '=', '[', ';'):
            if k == 0 or not re.match(r'[A-Za-z_~]\w*$', toks[k - 1]):
                raise ScanError('cannot name: ' + ' '.join(toks))
            if k >= 2 and toks[k - 2] == '::':
                return None  # a member defined outside its class
            return toks[k - 1]
    if re.match(r'[A-Za-z_]\w*$', toks[-1]):
        return toks[-1]  # a variable with a brace initializer
    raise ScanError('cannot name: ' + ' '.join(toks))


def scan(text):
    """The qualified names declared at namespace scope in a header."""
    names = set()
    scopes = []  # for each open brace: the namespace it opens, or None
    statement = []
    parens = 0
    for tok in tokens(text):
        in_namespace = all(scope is not None for scope in scopes)
        if not in_namespace:
            if tok == '{':
                scopes.append(None)
            elif tok == '}':
                scopes.pop()
            continue
        if tok in ('(', ')'):
            parens += 1 if tok == '(' else -1
        if parens > 0 or tok not in ('{', '}', ';'):
            statement.append(tok)
            continue
        if tok == '}':
            if not scopes:
                raise ScanError('unbalanced }')
            scopes.pop()
        elif tok == '{' and statement[:1] in (['namespace'], ['inline']) and (
                'namespace' in statement):
            path = [t for t in statement if t not in ('inline', 'namespace', '::')]
            scopes.append('::'.join(path))
        elif tok == '{' and statement[:2] == ['extern', '""']:
            scopes.append('')
        else:
            name = declared_name(statement)
            if name:
                names.add('::'.join([s for s in scopes if s] + [name]))
            if tok == '{':
                scopes.append(None)
        statement = []
    if scopes or statement:
        raise ScanError('unfinished declaration at the end: ' + ' '.join(statement))
    return names


def main():
    cmake, build, work, allow_list = sys.argv[1:]
    work = pathlib.Path(work)
    shutil.rmtree(work, ignore_errors=True)
    prefix = work / 'prefix'
    subprocess.run([cmake, '--install', pathlib.Path(build) / 'runtime', '--prefix', prefix],
                   check=True, stdout=subprocess.DEVNULL)
    include = prefix / 'include'
    found = {}
    for header in sorted(include.rglob('*.h')):
        try:
            for name in scan(header.read_text(encoding='utf-8')):
                found.setdefault(name, header.relative_to(include))
        except ScanError as error:
            sys.exit(f'{header.relative_to(include)}: {error}')
    lines = pathlib.Path(allow_list).read_text(encoding='utf-8').splitlines()
    allowed = {line.strip() for line in lines if line.strip() and not line.startswith('#')}
    extra = sorted(set(found) - allowed)
    missing = sorted(allowed - set(found))
    for name in extra:
        print(f'not in the allow-list: {name} (declared in {found[name]})')
    for name in missing:
        print(f'in the allow-list but not declared: {name}')
    if extra or missing:
        print(f'The installed headers declare only the commands and the record types games use. '
              f'Move internal declarations into headers that are not installed (template support '
              f'goes into namespace zentoir::detail), or change {allow_list}.')
        return 1
    print(f'{len(found)} installed declarations, all in the allow-list')
    return 0


if __name__ == '__main__':
    sys.exit(main())
