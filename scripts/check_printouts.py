"""Reads back the PDFs `scripts/check-printouts` printed and checks them
against the stored return it exported: python3 check_printouts.py DIR."""
import json
import re
import sys
from pathlib import Path

ELLIPSIS = "\u2026"
failures = []


def fail(message):
    failures.append(message)
    if len(failures) <= 20:
        print("check-printouts: " + message, file=sys.stderr)


def number(text):
    try:
        return float(text.replace(" ", ""))
    except ValueError:
        return None


def cents(text):
    """A cell of an amount column as the printout shows it."""
    value = number(text)
    return text.strip() if value is None else f"{value:.2f}"


def shown_description(line, description):
    """Whether a printed line starts with the description, whole or elided."""
    if line.startswith(description):
        return len(description)
    if ELLIPSIS in line:
        head = line.split(ELLIPSIS, 1)[0]
        if head and description.startswith(head):
            return len(head) + 1
    return -1


def check_table(name, lines, rows, columns):
    """Every row once, in order: its description, then its other cells'
    texts in column order. `columns` is [(column, in cents)]; the first is
    the description."""
    at = 0
    matched = 0
    descriptions = {row[columns[0][0]].strip() for row in rows}
    for row in rows:
        description = row[columns[0][0]].strip()
        expected = [cents(row[c]) if amount else row[c].strip() for c, amount in columns[1:]]
        expected = [e for e in expected if e]
        while at < len(lines):
            text = lines[at].strip()
            at += 1
            end = shown_description(text, description)
            if end < 0:
                first_cell = re.split(r"\s{2,}", text)[0]
                if first_cell in descriptions:
                    fail(f"{name}: row {first_cell!r} printed again or out of order")
                continue
            rest = text[end:].split()
            if rest != expected:
                fail(f"{name}: row {description!r} printed {rest}, stored {expected}")
            matched += 1
            break
        else:
            fail(f"{name}: row {description!r} not printed (or out of order)")
            return matched
    return matched


def main(folder):
    work = Path(folder)
    store = json.loads((work / "inv.json").read_text())
    fields = store["fields"]
    text = {p.stem: p.read_text() for p in work.glob("*.txt")}

    # The choice table summary: every row, then the totals.
    cells = fields["803"]["value"]
    rows = [cells[i:i + 21] for i in range(0, len(cells) - len(cells) % 21, 21)]
    columns = [(1, False), (2, False), (3, True), (4, True), (5, False), (6, False), (7, True), (8, True),
               (9, False), (10, False), (11, False), (12, True), (14, True), (16, True)]
    lines = text["CGTCHOICE"].splitlines()
    matched = check_table("CGTCHOICE", lines, rows, columns)
    totals = []
    for c in (3, 4, 7, 8, 12, 14, 16):
        total = sum(number(r[c]) or 0 for r in rows)
        if abs(total) >= 0.001:
            totals.append(f"{total:.2f}")
    printed = [line.split()[1:] for line in lines if line.strip().startswith("Totals")]
    if printed != [totals]:
        fail(f"CGTCHOICE: totals printed {printed}, of the stored rows {totals}")
    print(f"CGTCHOICE: {matched} of {len(rows)} rows printed once, in order, with their totals")

    # The one-page form: the rows it holds, and how many it does not.
    old = text["CGTCHOICEOLD"]
    if len(rows) > 77 and f"{len(rows) - 77:,} more rows of the choice table did not fit" not in old:
        fail("CGTCHOICEOLD: no note of the rows that did not fit")

    # The trust table of the short-form printout, with its net gains.
    trust_cells = fields.get("1215", {}).get("value", [])
    trusts = [trust_cells[i:i + 41] for i in range(0, len(trust_cells) - len(trust_cells) % 41, 41)]
    for row in trusts:
        gains = [number(row[c]) for c in range(1, 10)]
        row[10] = repr(sum(g for g in gains if g is not None)) if row[0].strip() else ""
    trust_lines = text["CGTDISEV"].splitlines()
    matched = check_table("CGTDISEV", trust_lines, trusts, [(0, False)] + [(c, True) for c in range(1, 11)])
    print(f"CGTDISEV: {matched} of {len(trusts)} trusts printed once, in order, with their net capital gains")

    # The schedule: every stored amount whole, in whole dollars.
    schedule = store["worksheets"].get("469", [{}])[0]
    words = set(text["SCHEDCGT"].split())
    checked = 0
    for tag, field in schedule.items():
        if field.get("type") != "dtCurrency" or abs(field["value"]) < 0.001:
            continue
        shown = str(round(abs(field["value"])))
        checked += 1
        if shown not in words:
            fail(f"SCHEDCGT: field {tag} ({shown}) not printed whole")
    for word in ("E+", "e+", "E8", "E9"):
        if any(word in w for w in words):
            fail(f"SCHEDCGT: an amount in exponent form ({word})")
    print(f"SCHEDCGT: {checked} stored amounts printed whole")

    for name in ("CGTWSHT", "CGTASSET", "CGTNASS"):
        if "Investor's return" not in text[name] and name != "CGTASSET":
            fail(f"{name}: the taxpayer's name is not printed")
    if failures:
        print(f"check-printouts: {len(failures)} faults", file=sys.stderr)
        return 1
    print("check-printouts: every printout agrees with the stored return")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
