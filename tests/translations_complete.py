#!/usr/bin/env python3
"""Every shipped translation is complete, and lupdate finds no text of the sources missing from it.

Usage: translations_complete.py LUPDATE SOURCE_DIR TS_OR_PO_FILE...
Each .ts is copied, brought up to date with the sources by lupdate, and read: a text that is new
(unfinished), gone from the sources (vanished/obsolete), or translated with an empty string or
with placeholders other than the source's fails the check, and so does a text about a file's key
that does not use the glossary's word for it (or uses the word of the key the reader reads). So does
a message of the core or of keylon2ctl whose English is written in more than one place of the
sources: a message is made once, where it is made or in one table, so that a change to it cannot
miss a copy. Each .po (the desktop entry's and the
metainfo's) is merged with what xgettext finds in packaging/*.in now: an untranslated or fuzzy
entry fails it.
"""
import glob
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET


def placeholders(text):
    return sorted(set(re.findall(r'%(?:L?n|\d)', text or '')))


# A text that speaks of a file's key ("unknown key Buzer in [KEYLON]") and of no key the reader
# reads.
FILE_KEY = re.compile(r'\bkeys?\b', re.I)
READER_KEY = re.compile(r'\bkey (ID|reader)|\bkeystroke', re.I)


def glossary_words(root, language):
    """The words of a file's key and of the reader's key in LANGUAGE, from translations/glossary.md."""
    rows = {}
    with open(os.path.join(root, 'translations', 'glossary.md'), encoding='utf-8') as glossary:
        header = None
        for line in glossary:
            cells = [cell.strip() for cell in line.strip().strip('|').split('|')]
            if header is None and cells[0] == 'English':
                header = cells
            elif header and len(cells) == len(header):
                rows[cells[0]] = dict(zip(header, cells))
    names = {'de': 'Deutsch', 'fr': 'Français', 'it': 'Italiano', 'es': 'Español', 'he': 'עברית'}
    words = lambda row: re.findall(r'\w+', rows[row][names[language]])
    return words('key (of a .cfg file)'), words('key (what the reader reads)')


def check(lupdate, sources, ts):
    problems = []
    language = re.search(r'_(\w+)\.ts$', ts).group(1)
    file_words, reader_words = glossary_words(os.path.dirname(sources), language)
    reader_words = [word for word in reader_words if word not in file_words]
    with tempfile.TemporaryDirectory() as work:
        copy = os.path.join(work, os.path.basename(ts))
        shutil.copy(ts, copy)
        subprocess.run([lupdate, '-silent', '-locations', 'absolute', '-extensions', 'cpp,h', sources, '-ts', copy],
                       check=True)
        for context in ET.parse(copy).getroot().iter('context'):
            name = context.findtext('name')
            for message in context.iter('message'):
                source = message.findtext('source')
                places = ['%s:%s' % (os.path.basename(where.get('filename', '')), where.get('line'))
                          for where in message.findall('location')]
                if name in ('Core', 'Keylon2ctl') and len(places) > 1:
                    problems.append(f'{name}: "{source}" is written {len(places)} times: {", ".join(places)}')
                translation = message.find('translation')
                kind = translation.get('type', '')
                if kind:
                    problems.append(f'{name}: "{source}" is {kind}')
                    continue
                forms = [f.text for f in translation.findall('numerusform')] or [translation.text]
                for form in forms:
                    if not form:
                        problems.append(f'{name}: "{source}" has an empty translation')
                    elif placeholders(form) != placeholders(source):
                        problems.append(f'{name}: "{source}" keeps {placeholders(source)}, not {placeholders(form)}')
                    elif FILE_KEY.search(source) and not READER_KEY.search(source) and (
                            not any(word in form for word in file_words)
                            or any(word in form for word in reader_words)):
                        problems.append(f'{name}: "{source}" names a file\'s key other than {file_words}')
    return problems


def check_po(root, po):
    sources = sorted(os.path.relpath(path, root) for path in glob.glob(os.path.join(root, 'packaging', '*.in')))
    with tempfile.TemporaryDirectory() as work:
        pot = os.path.join(work, 'fresh.pot')
        subprocess.run(['xgettext', '--from-code=UTF-8', '--omit-header', '-o', pot] + sources, cwd=root, check=True)
        merged = os.path.join(work, 'merged.po')
        subprocess.run(['msgmerge', '--quiet', '-o', merged, po, pot], check=True)
        done = subprocess.run(['msgfmt', '--check', '--statistics', '-o', os.devnull, merged],
                              capture_output=True, text=True)
        statistics = done.stderr.strip()
        if done.returncode or 'untranslated' in statistics or 'fuzzy' in statistics:
            return [statistics]
    return []


def main():
    lupdate, sources, files = sys.argv[1], sys.argv[2], sys.argv[3:]
    failed = 0
    for ts in files:
        problems = check_po(os.path.dirname(sources), ts) if ts.endswith('.po') else check(lupdate, sources, ts)
        for problem in problems:
            print(f'{os.path.basename(ts)}: {problem}')
        failed += bool(problems)
    print(f'{len(files) - failed} passed, {failed} failed')
    return 1 if failed else 0


if __name__ == '__main__':
    sys.exit(main())
