"""Writes the game folder's data files: config.ini, kvrn.ini, support.html, the test sounds
below common/, the first background music below common/bgm/ and sample add-on package
descriptors below menu/local/; and, as a registry file to import into the Wine prefix, the
version and install date that those packages' installers would have recorded.

usage: make_game_data.py GAME_FOLDER REGISTRY_FILE
"""
import math
import os
import struct
import sys


def wav(seconds, tone, rate=22050, noise=False):
    """A 16-bit mono wave file: a tone (or a rumble for the engine) with soft ends."""
    count = int(seconds * rate)
    samples = bytearray()
    seed = 12345
    for i in range(count):
        t = i / rate
        envelope = min(1.0, i / (0.02 * rate), (count - i) / (0.02 * rate))
        if noise:
            seed = (seed * 1103515245 + 12345) & 0x7FFFFFFF
            value = 0.5 * math.sin(2 * math.pi * tone * t) + 0.3 * (seed / 0x7FFFFFFF - 0.5)
        else:
            value = 0.6 * math.sin(2 * math.pi * tone * t)
        samples += struct.pack('<h', int(envelope * value * 32767))
    fmt = struct.pack('<HHIIHH', 1, 1, rate, rate * 2, 2, 16)
    return (b'RIFF' + struct.pack('<I', 4 + 8 + len(fmt) + 8 + len(samples)) + b'WAVE' +
            b'fmt ' + struct.pack('<I', len(fmt)) + fmt +
            b'data' + struct.pack('<I', len(samples)) + bytes(samples))


def utf16_field(text, size):
    data = text.encode('utf-16-le')
    assert len(data) + 2 <= size, text
    return data + b'\0' * (size - len(data))


def package_descriptor(english, japanese, tag, value_name):
    """A 736-byte .prd descriptor: titles, short tag and the install-date value name."""
    data = (b'\0' * 256 + utf16_field(english, 128) + utf16_field(japanese, 256) +
            utf16_field(tag, 16) + b'\0' * 16 + utf16_field(value_name, 64))
    assert len(data) == 736
    return data


# The sample packages: titles, short tag, registry value names of version and install date,
# and what their installers recorded there (None: nothing).
PACKAGES = [
    {'folder': 'kitahama', 'english': 'Kitahama International Airport', 'japanese': '北浜国際空港',
     'tag': 'KTH', 'key': 'KTH01', 'version': 5, 'installed': '3/5/2007 9:05:00'},
    {'folder': 'minato', 'english': 'Minato Heliport', 'japanese': 'みなとヘリポート',
     'tag': 'MNT', 'key': 'MNT01', 'version': 120, 'installed': '12/1/2006 23:59:59'},
    # Copied in by hand: its installer recorded no version and no install date.
    {'folder': 'sora', 'english': 'Sora Sightseeing Flights', 'japanese': 'そら遊覧飛行',
     'tag': 'SRA', 'key': 'SRA01', 'version': None, 'installed': None},
]
UNINSTALL = 'HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\'
UNINSTALL_KEYS = ['Tovimark3', 'トヴィマーク３']   # English and Japanese interface


def package_registry_file():
    """The packages' uninstall-key values under both key names, as a regedit file (UTF-16)."""
    lines = ['Windows Registry Editor Version 5.00', '']
    for key in UNINSTALL_KEYS:
        lines.append('[' + UNINSTALL + key + ']')
        for package in PACKAGES:
            if package['version'] is None:
                continue
            lines.append('"%s"=dword:%08x' % (package['key'], package['version']))
            lines.append('"%sDate"="%s"' % (package['key'], package['installed']))
        lines.append('')
    return '\ufeff'.encode('utf-16-le') + '\r\n'.join(lines + ['']).encode('utf-16-le')


SUPPORT_FORM = """<html>
<head><meta charset="utf-8"><title>Tovimark Tower3 User Support</title></head>
<body>
<h1>User Support</h1>
<p>Please send the report below to the support desk together with a description of the problem.</p>
<pre>
</pre>
<form method="post" action="mailto:support@example.invalid" enctype="text/plain">
<textarea name="report" rows="30" cols="90">{}</textarea>
<p><input type="submit" value="Send"></p>
</form>
</body>
</html>
"""


def main():
    game = sys.argv[1]
    files = {
        'config.ini': b'[SYSTEM]\r\nlanguage=0\r\n',
        'kvrn.ini': b'[VIDEO]\r\nmipmap=0\r\n',
        'support.html': SUPPORT_FORM.encode('utf-8'),
        'common/config_voice.wav': wav(0.6, 440),
        'common/config_se.wav': wav(0.3, 880),
        'common/config_voice_ca.wav': wav(0.6, 330),
        'common/config_engine.wav': wav(1.0, 110, noise=True),
        'common/snd/acplug02_engine.wav': wav(1.0, 90, noise=True),
        'common/bgm/title.wav': wav(2.0, 262),
    }
    for package in PACKAGES:
        name = 'menu/local/%s/%s.prd' % (package['folder'], package['folder'])
        files[name] = package_descriptor(package['english'], package['japanese'], package['tag'],
                                         package['key'] + 'Date')
    for name, data in files.items():
        path = os.path.join(game, *name.split('/'))
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, 'wb') as out:
            out.write(data)
    with open(sys.argv[2], 'wb') as out:
        out.write(package_registry_file())


if __name__ == '__main__':
    main()
