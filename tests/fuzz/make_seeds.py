#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets into tests/fuzz/corpus/<target>/; the analysis run's
seeds are the committed examples (examples/*/SALMDAT).

Usage: make_seeds.py PATH_TO_QUORVEL

The data-file seeds start from a data set the real editor saves (a new data set, as "C", last page,
"1" leaves it), so that the fuzzer begins from images the load accepts and mutates outward. Each
seed of a target that takes files is: for each file a 2-byte little-endian length (0xFFFF: no file)
and its bytes, then the typed replies.
"""
import math
import os
import struct
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
NO_FILE = None


def saved_image(quorvel):
    with tempfile.TemporaryDirectory() as folder:
        subprocess.run([quorvel], input=b"C\nL\n1\n", cwd=folder, check=True, stdout=subprocess.DEVNULL)
        with open(os.path.join(folder, "SALMDAT"), "rb") as f:
            return f.read()


def with_word(image, word, packed):
    at = 4 * (word - 1)
    return image[:at] + packed + image[at + 4:]


def framed(image):
    frame = struct.pack("<i", len(image))
    return frame + image + frame


def files_and_replies(files, replies):
    out = b""
    for data in files:
        out += struct.pack("<H", 0xFFFF) if data is None else struct.pack("<H", len(data)) + data
    return out + replies


def fortran_e14_7(x):
    """A real as Fortran's E14.7 writes it: 0.ddddddd, the exponent, right-aligned in 14 columns."""
    if x == 0:
        text = "0.0000000E+00"
    else:
        exponent = math.floor(math.log10(abs(x))) + 1
        text = "%s0.%07dE%+03d" % ("-" if x < 0 else "", round(abs(x) / 10 ** exponent * 1e7), exponent)
    return text.rjust(14)


def options_file(picks, flags=53, counts=None, first_line="SQUALDAT Ver [1.00.02];  Kestrin Ver [6.80.01]"):
    """An options file "SQUALDAT" as the editor's writer lays it out: TAB before every value."""
    counts = counts or (flags, 32, 52)
    integers = [picks if k == 2 else k for k in range(1, 33)]
    lines = [
        first_line,
        "".join("\t%3d" % c for c in counts),
        "\t%10.2f\t%3d" % (9000.0, picks),
        "".join("\t" + ("T" if k % 3 == 0 else "F") for k in range(1, flags + 1)),
        "".join("\t%3d" % v for v in integers),
        "".join("\t%3d" % (k + 1) for k in range(picks)),
        "".join("\t%3d" % (k + 10) for k in range(picks)),
        "".join("\t" + fortran_e14_7(1.25 * k) for k in range(52)),
    ]
    return ("\n".join(lines) + "\n").encode()


def user_files():
    """The user's text files of the analysis, as the tests of their readers write them: operators
    over two frequencies and two headings, drift coefficients over two frequencies and 37 headings,
    wind and current coefficients over 37 headings, each covering the examples' period grid."""
    raos = "2 2\n"
    for heading in ("0", "360"):
        raos += heading + "\n"
        for frequency in ("0.1", "2.0"):
            raos += frequency + " 0.1 0 0.1 0 1 0 0.5 0 0.5 0 0.005 0\n"
    drift = "2 37\n"
    flow = "37\n"
    for j in range(37):
        h = math.radians(10 * j)
        drift += "%d\n" % (10 * j)
        for frequency in (0.1, 5.0):
            drift += "%g %.6f %.6f %.6f\n" % (frequency, 0.3 * math.cos(h), 0.5 * math.sin(h), -0.02 * math.sin(2 * h))
        flow += "%d %.6f %.6f %.6f\n" % (10 * j, -0.8 * math.cos(h), 0.9 * math.sin(h), 0.1 * math.sin(2 * h))
    # Files as users damage them: a row of the operators short of its last value, the wind's
    # coefficients with decimal commas, the current's counting one row less than they hold, the
    # drift's with a heading repeated.
    short_row = raos.replace(" 0.005 0\n", " 0.005\n", 1)
    commas = flow.replace(".", ",")
    one_short = "36" + flow[2:]
    repeated = drift.replace("\n20\n", "\n10\n", 1)
    raos, drift, flow = raos.encode(), drift.encode(), flow.encode()
    return {
        "all_four": files_and_replies([raos, drift, flow, flow], b""),
        "operators_alone": files_and_replies([raos, NO_FILE, NO_FILE, NO_FILE], b""),
        "coefficients_alone": files_and_replies([NO_FILE, drift, flow, flow], b""),
        "operator_row_short": files_and_replies([short_row.encode(), drift, flow, flow], b""),
        "decimal_commas": files_and_replies([raos, drift, commas.encode(), flow], b""),
        "count_one_short": files_and_replies([raos, drift, flow, one_short.encode()], b""),
        "heading_repeated": files_and_replies([raos, repeated.encode(), flow, flow], b""),
    }


def flow_files():
    """The user's text files of the flows, as the tests of their readers write them: a wind gust
    spectrum and a current spectrum over the low-frequency range (0.0005 to 0.5 rad/s), each a
    peak at 0.01 rad/s, and a current of 2 knots from the surface to the sea bed."""
    def spectrum(peak_density):
        lines = ["20"]
        for k in range(20):
            w = 0.0005 * 1000 ** (k / 19)  # 0.0005 to 0.5 rad/s, evenly in the logarithm
            x = w / 0.01
            lines.append("%.6g %.6g" % (w, peak_density * x / (1 + x * x)))
        return ("\n".join(lines) + "\n\n").encode()
    wind, current = spectrum(40.0), spectrum(0.04)
    profile = b"2\n0.0 2.0 180.0\n100.0 2.0 180.0\n\n"
    # A word of 2,000 characters and one holding a bell and a backspace, which the messages quote cut
    # and coded; a profile counting one row less than it holds.
    lines = wind.split(b"\n")
    long_word = b"\n".join(lines[:2] + [lines[2].split(b" ")[0] + b" " + b"7" * 2000] + lines[3:])
    control = b"\n".join(lines[:3] + [lines[3].split(b" ")[0] + b" 0.0\a\b5"] + lines[4:])
    one_short = b"2\n0.0 2.0 180.0\n50.0 2.0 180.0\n100.0 2.0 180.0\n"
    return {
        "all_three": files_and_replies([wind, current, profile], b""),
        "spectra_alone": files_and_replies([wind, current, NO_FILE], b""),
        "profile_alone": files_and_replies([NO_FILE, NO_FILE, profile], b""),
        "long_word": files_and_replies([long_word, current, profile], b""),
        "control_characters": files_and_replies([wind, control, profile], b""),
        "profile_count_short": files_and_replies([wind, current, one_short], b""),
    }


def wave_spectrum():
    """The user's wave spectrum, as the tests of its reader write it: the tanker example's sea (a
    mean JONSWAP of Hs 4 m and Tp 10 s) from 0.2 to 2.0 rad/s, which covers the example's periods,
    and the same sea over too narrow a band, which the run warns of and an unattended run stops at."""
    def jonswap(w, hs=4.0, tp=10.0, gamma=3.3):
        wp = 2 * math.pi / tp
        sigma = 0.07 if w <= wp else 0.09
        pm = 5 / 16 * hs * hs * wp ** 4 / w ** 5 * math.exp(-1.25 * (wp / w) ** 4)
        return 0.6617 * pm * gamma ** math.exp(-((w - wp) ** 2) / (2 * sigma * sigma * wp * wp))

    def table(lowest, highest, n):
        rows = ["%d" % n]
        for k in range(n):
            w = lowest + (highest - lowest) * k / (n - 1)
            rows.append("%.5f %.6g" % (w, jonswap(w)))
        return ("\n".join(rows) + "\n").encode()
    covering = table(0.2, 2.0, 60)
    rows = covering.split(b"\n")
    # Two frequencies out of order; a count one less than the rows; the rows with decimal commas.
    swapped = b"\n".join(rows[:27] + [rows[28], rows[27]] + rows[29:])
    return {
        "covering": files_and_replies([covering], b""),
        "narrow": files_and_replies([table(0.5, 1.2, 15)], b""),
        "missing": files_and_replies([NO_FILE], b""),
        "out_of_order": files_and_replies([swapped], b""),
        "count_one_short": files_and_replies([b"59" + covering[2:]], b""),
        "decimal_commas": files_and_replies([covering.replace(b".", b",")], b""),
    }


def write(target, seeds):
    folder = os.path.join(HERE, "corpus", target)
    os.makedirs(folder, exist_ok=True)
    for old in os.listdir(folder):
        os.remove(os.path.join(folder, old))
    for name, data in seeds.items():
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)


def main():
    image = saved_image(os.path.abspath(sys.argv[1]))
    tables = bytes(2720)
    other_byte_order = with_word(with_word(image, 121, struct.pack("<i", 1)), 217, struct.pack("<f", 6.5))
    write("load", {
        "image": files_and_replies([image, tables], b"M\n"),
        "framed_no_tables": files_and_replies([framed(image), NO_FILE], b"M\n\n"),
        "new": files_and_replies([NO_FILE, NO_FILE], b"C\n"),
        "other_byte_order_older": files_and_replies([other_byte_order, tables], b"M\n\n\n"),
        "one_word": files_and_replies([image[:4], tables], b"M\n\n"),
        "execute": files_and_replies([image, tables], b"E\n"),
    })
    write("session", {
        "new_saved": files_and_replies([NO_FILE, NO_FILE, NO_FILE], b"C\nL\n1\n"),
        "pages": files_and_replies([NO_FILE, NO_FILE, NO_FILE], b"C\n" + b"\n" * 20 + b"2\n"),
        "saved_with_backup": files_and_replies([image, image, tables], b"M\n\nL\n1\n"),
        "listing_then_save": files_and_replies([image, NO_FILE, tables], b"M\nL\n5\n1\n"),
        "execute": files_and_replies([image, NO_FILE, tables], b"M\nL\n3\n\n\n"),
        "leave_unsaved": files_and_replies([image, NO_FILE, NO_FILE], b"M\n\nL\n2\nA\n2\n\n"),
    })
    write("table", {
        "operations": bytes([99, 29, 30]) + b"3\n7.5\n\n31\n5\n0.5\n32\n4\n33\n2\n34\n1.5\n35\n400\n?\n\n\n",
        "small": bytes([4, 9, 3]) + b"1\n1\n2\n3\n\n\n",
    })
    older = with_word(image, 217, struct.pack("<f", 6.7))
    other_platform = with_word(image, 121, struct.pack("<i", 1))
    write("import", {
        "vessel_block": bytes([0]) + files_and_replies([image], b"IMPORT\n\n"),
        "older_aborted": bytes([0]) + files_and_replies([older], b"IMPORT\nA\n"),
        "other_platform_kept": bytes([0]) + files_and_replies([other_platform], b"'IMPORT'\n\n\n"),
        "header_only": bytes([0]) + files_and_replies([image[:4 * 1987]], b"IMPORT\n\n\n\n"),
        "tug_block": bytes([2]) + files_and_replies([image], b"IMPORT\n\n\n"),
        "mooring_block": bytes([1]) + files_and_replies([image], b"IMPORT\n\n"),
        "missing": bytes([0]) + files_and_replies([NO_FILE], b"IMPORT\n\n"),
        "blank_path": bytes([0]) + files_and_replies([image], b"\n\n"),
    })
    write("td_options", {
        "written": options_file(3),
        "no_picks": options_file(0),
        "fifty_flags": options_file(3, flags=50),
        "too_many_flags": options_file(3, counts=(60, 32, 52)),
        "tavrenoch_title": options_file(2, first_line=" Tavrenoch options of the last run"),
    })
    picks = bytes([0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 26, 11, 12, 13, 14, 15])
    write("replies", {
        "every_reader": picks + b"\n5\n1.5\n1,2,3\nA\n12\n3.5\n1 2 3\n\n1\n0\n\n\n\n1.5 2.5d0 3 'x'\n2*7,/\n",
        "navigation": bytes([0, 4]) + b"\nH\n?7\nJ12\n!\nB\nx\n-1\n",
    })
    write("formats", {
        "pi": bytes([10, 3]) + struct.pack("<d", 3.14159) + b"1.5E+3",
        "small_negative": bytes([5, 2]) + struct.pack("<d", -0.001) + b" 1 2 ",
        "nan": bytes([8, 4]) + struct.pack("<d", float("nan")) + b"nan",
        "large": bytes([12, 30]) + struct.pack("<d", 1e300) + b"-2147483648",
    })
    # The analysis run starts from the two committed examples.
    examples = os.path.join(HERE, "..", "..", "examples")
    analysis = {}
    for name in ("tanker-yoke", "free-salm"):
        with open(os.path.join(examples, name, "SALMDAT"), "rb") as f:
            analysis[name] = f.read()
    write("analysis", analysis)
    write("user_files", user_files())
    write("flow_files", flow_files())
    write("wave_spectrum", wave_spectrum())


if __name__ == "__main__":
    main()
