#!/usr/bin/env python3
"""Fills a .ts file that lupdate made with the pseudo-language: every text accented, about 40 %
longer and bracketed, so that a text left out of translation shows in English and a text that
needs more room than English gets shows cut.

Usage: pseudo_translate.py TS_FILE (rewritten in place)
Placeholders (%1, %n, %L1), markup (<b>, &amp;), the letter after a mnemonic '&' and file-dialog
patterns such as (*.cfg) are kept as they are, so the texts still work where they are used.
"""
import math
import re
import sys
import xml.etree.ElementTree as ET

ACCENTS = str.maketrans('aeiouycnszAEIOUYCNSZ', 'áéíóúýçñšžÁÉÍÓÚÝÇÑŠŽ')
KEEP = re.compile(r'%L?\d+|%n|<[^>]*>|&[a-zA-Z]+;|&.|\(\*\.[A-Za-z0-9]+\)')


def pseudo(text):
    if text == 'QT_LAYOUT_DIRECTION':
        return 'LTR'
    out, visible, last = [], 0, 0
    for kept in KEEP.finditer(text):
        plain = text[last:kept.start()]
        out.append(plain.translate(ACCENTS) + kept.group())
        visible += len(plain) + (1 if kept.group().startswith('&') and len(kept.group()) == 2 else 0)
        last = kept.end()
    plain = text[last:]
    out.append(plain.translate(ACCENTS))
    visible += len(plain)
    padding = max(1, math.ceil(visible * 0.4) - 2)
    return '[' + ''.join(out) + ' ' + '·' * padding + ']'


def main(path):
    tree = ET.parse(path)
    for message in tree.getroot().iter('message'):
        source = message.findtext('source')
        translation = message.find('translation')
        translation.attrib.pop('type', None)
        forms = translation.findall('numerusform')
        if forms:
            for form in forms:
                form.text = pseudo(source)
        else:
            translation.text = pseudo(source)
    tree.write(path, encoding='utf-8', xml_declaration=True)


if __name__ == '__main__':
    main(sys.argv[1])
