#!/usr/bin/env python3
"""Report on the built-in sayings in quotes/collection.cpp.

Checks the shape a seeded quote file depends on (count, the repeated entry,
lengths, characters, words and sentences), the things that make a collection
read as written by one careful hand (varied openings, no shared runs of
words, no stock phrases), and gives rough counts by subject so that no
setting takes over.

  scripts/collection_report.py                   report on the working tree
  scripts/collection_report.py --against main    also count entries changed
  scripts/collection_report.py --list            print the entries, numbered
  scripts/collection_report.py --theme sea       print the entries of a theme

Exits with status 1 when a shape property does not hold.
"""

import argparse
import collections
import pathlib
import re
import subprocess
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
SOURCE = "quotes/collection.cpp"

# The shape a seeded file relies on; the unit tests check the same figures.
COUNT = 431
REPEAT = (171, 251)
LONG = {39: 280, 41: 207}
RECORD_WIDTH = 200
SHORTEST, LONGEST, TOTAL = 39, 280, 38214
BANDS = [("<=50", 1, 50, 6), ("51..100", 51, 100, 353), ("101..150", 101, 150, 56),
         ("151..200", 151, 200, 14), (">200", 201, 10**6, 2)]
WORDS = (7, 51)
ONE_SENTENCE = 416
MARKS = set(".,;:?!'-")

# Writing checks that the unit tests also enforce.
SHARED_RUN = 6        # no two entries share this many consecutive words
OPENING_WORDS = 2     # no opening of this many words ...
OPENING_LIMIT = 4     # ... starts more than this many entries

STOCK_PHRASES = ["only as strong as", "without complaint", "without a word of complaint",
                 "will thank you", "worth more than", "never complain", "is worth ten",
                 "worth a whole", "the only", "there is much to learn", "is a kind of"]

THEMES = {
    "city and modern life": "city cities street streets train trains tram bus buses station "
    "platform subway traffic taxi airport plane planes building buildings tower office "
    "offices phone phones screen screens inbox email password software computer printer "
    "neon crowd commuter commuters elevator escalator apartment skyline crane cranes "
    "pigeons online app headphones laptop",
    "sea, rivers and boats": "sea seas tide tides harbour boat boats sail sails sailor "
    "sailors ship ships beach shore wave waves island ferry fish fisher fishers anchor "
    "ocean river rivers swimmer swim swimming lake reef rowers oar",
    "sky, night and science": "star stars starlight moon sun sunlight planet planets comet "
    "telescope microscope atom atoms galaxy galaxies scientist scientists experiment "
    "lightning magnet magnets fossil fossils eclipse meteor meteors gravity orbit compass "
    "prism night midnight astronomer astronomers sky physics chemistry equation",
    "health and body": "sleep slept asleep doctor nurse nurses fever heart breath breathe "
    "knee knees body dentist medicine nap bruise hospital ill illness health yawn yawns "
    "hiccups sunburn wound heals healing ankle pulse injury",
    "sport and play": "game games ball team chess pawn player players runner race referee "
    "goal goalkeeper match toy toys puzzle jigsaw kite swing cards dice bicycle skate "
    "tag marathon sandcastle sandcastles playground hide seek cyclist cyclists",
    "music and art": "song songs music musician sing sings singer singing choir piano violin "
    "fiddle drum drummer tune tunes band concert orchestra paint painter painting poem "
    "poetry poet theatre actor actors dance dancer dancers photograph novel writer writers "
    "museum jazz note notes melody trumpet audience applause karaoke rehearsal rehearsals",
    "craft and making": "carpenter potter pottery joinery chisel saw sawdust wood workshop "
    "workbench tool tools hammer nail nails glue mason stonemason weaver knitting quilt sew "
    "sewn needle thread varnish blacksmith clay kiln welder plane timber",
    "kitchen and food": "kitchen cook cooks bread loaf soup cake kettle tea coffee oven pot "
    "pan bake baker bakery stew onion onions salt honey jam recipe supper dinner lunch "
    "breakfast meal meals dumplings rice spice spices fruit apple apples egg eggs",
    "garden, farm and weather": "garden gardens gardener seed seeds weed weeds tree trees "
    "flower flowers rain snow frost winter spring summer autumn weather storm cloud clouds "
    "wind farmer farm orchard harvest soil field fields meadow hedge barn sheep",
    "money and trade": "money coin coins price prices bank debt wallet purse shop shops "
    "market bargain rent loan savings saving credit cash receipt shopkeeper cost costs "
    "spend spent",
    "work": "work works job jobs boss task tasks meeting meetings desk shift colleague "
    "colleagues deadline labour apprentice trade career retirement",
    "friends and family": "friend friends friendship neighbour neighbours family families "
    "child children parent parents grandmother grandparents sibling siblings brother "
    "brothers sister sisters love couple couples guest guests host baby grandchild",
    "learning and books": "book books read reading reader library librarian teacher teachers "
    "student students pupil learn learning learned learns school lesson lessons dictionary "
    "language languages page pages homework exam question questions",
    "roads, walking and travel": "road roads path paths map maps travel traveller travellers "
    "journey walk walking walker walkers mountain mountains climb summit luggage suitcase "
    "passport boots hill hills trail",
}
THEME_WORDS = {theme: set(words.split()) for theme, words in THEMES.items()}

# Words a reader notices when they come back too often.
MOTIFS = ["winter", "road", "kitchen", "bread", "kettle", "ladder", "lamp", "map", "garden",
          "mountain", "river", "sea", "fire", "boots", "neighbour", "baker", "cook", "soup",
          "tea", "grudge", "courage", "honest", "wise", "patience", "patient", "kindness"]
GENDERED = ["he", "him", "his", "himself", "she", "her", "hers", "herself", "man", "woman",
            "men", "women", "lady", "gentleman"]
MONTHS = ["January", "February", "March", "April", "May", "June", "July", "August",
          "September", "October", "November", "December"]
REGIONAL = ["larder", "spanner", "torch", "washing-up", "biscuit", "queue", "pavement",
            "postman", "fortnight", "lorry", "car park", "chemist", "jumper", "trainers",
            "garden shed", "allotment", "pounds", "pence", "sidewalk", "faucet", "elevator",
            "cookie", "truck", "apartment", "vacation", "mailman", "dollars", "cents"]


# Words too common to say anything about what a saying is about.
COMMON = set("""about after again always among another anyone anything around because
been before being both could does done down each even ever every from have into just
last least less like little long made make makes many more most much must never nobody
only other ought over same should since some somebody someone something still such than
that their them then there these they thing things this those though through till too
under until very want were what when where whether which while will with without would
your yours""".split())


def stem(word):
    """A crude singular, enough to match "tree" with "trees"."""
    if len(word) > 4 and word.endswith("ies"):
        return word[:-3] + "y"
    if len(word) > 4 and word.endswith("s") and not word.endswith("ss"):
        return word[:-1]
    return word


def read_source(revision):
    if revision is None:
        return (ROOT / SOURCE).read_text(encoding="ascii")
    return subprocess.run(["git", "show", f"{revision}:{SOURCE}"], cwd=ROOT, check=True,
                          capture_output=True, text=True).stdout


def parse(source):
    """The entries of the table, each the concatenation of its string literals."""
    body = source[source.index("{{") + 2:source.rindex("}}")]
    entries, current = [], None
    for match in re.finditer(r'"((?:[^"\\]|\\.)*)"|(,)|(//[^\n]*)', body):
        if match.group(3):
            continue
        if match.group(2):
            entries.append(current)
            current = None
        else:
            if "\\" in match.group(1):
                raise ValueError(f"escape sequence in entry {len(entries) + 1}")
            current = (current or "") + match.group(1)
    if current is not None:
        entries.append(current)
    return entries


def words_of(text):
    """Lower-case words with the punctuation dropped, for comparing wording.

    Words are what lies between spaces, as in the unit tests, so "sea's" is
    "seas" and "second-hand" is "secondhand"."""
    words = ("".join(c for c in word.lower() if c.isalpha()) for word in text.split(" "))
    return [word for word in words if word]


class Report:
    def __init__(self):
        self.failures = []

    def check(self, ok, what):
        print(f"  [{'ok' if ok else 'FAIL'}] {what}")
        if not ok:
            self.failures.append(what)


def shape(entries, report):
    print("Shape")
    n = len(entries)
    report.check(n == COUNT, f"{n} entries (want {COUNT})")
    if n != COUNT:
        return
    a, b = REPEAT
    report.check(entries[a - 1] == entries[b - 1], f"entry {b} repeats entry {a}")
    distinct = len(set(entries))
    report.check(distinct == COUNT - 1, f"{distinct} distinct texts (want {COUNT - 1})")
    lengths = [len(e) for e in entries]
    report.check(min(lengths) == SHORTEST and max(lengths) == LONGEST,
                 f"lengths {min(lengths)}..{max(lengths)} (want {SHORTEST}..{LONGEST})")
    total = sum(lengths)
    report.check(total == TOTAL, f"{total} characters in all (want {TOTAL}, "
                 f"{'+' if total > TOTAL else ''}{total - TOTAL})")
    for name, low, high, want in BANDS:
        members = [k for k, length in enumerate(lengths, 1) if low <= length <= high]
        report.check(len(members) == want, f"{len(members)} entries of {name} (want {want})")
    at_width = [k for k, length in enumerate(lengths, 1) if length == RECORD_WIDTH]
    report.check(not at_width, f"none of exactly {RECORD_WIDTH} characters {at_width or ''}")
    for k, want in LONG.items():
        text = entries[k - 1]
        cut_ok = len(text) > RECORD_WIDTH and text[RECORD_WIDTH - 1].isalpha() \
            and text[RECORD_WIDTH].isalpha()
        kept = text[:RECORD_WIDTH]
        whole = re.match(r".*[.?!](?= )", kept)
        report.check(len(text) == want and cut_ok and whole,
                     f"entry {k}: {len(text)} characters (want {want}), cut inside a word, "
                     f"a whole sentence before the cut")
        print(f"         reads back as: ...{kept[-60:]}")
    bad_chars = [k for k, e in enumerate(entries, 1)
                 if any(not (c.isascii() and (c.isalpha() or c == " " or c in MARKS)) for c in e)]
    report.check(not bad_chars, f"letters, space and . , ; : ? ! ' - only {bad_chars or ''}")
    bad_spaces = [k for k, e in enumerate(entries, 1)
                  if e != e.strip() or "  " in e or not e]
    report.check(not bad_spaces, f"no leading, trailing or double spaces {bad_spaces or ''}")
    counts = [len(e.split(" ")) for e in entries]
    outside = [k for k, c in enumerate(counts, 1) if not WORDS[0] <= c <= WORDS[1]]
    report.check(not outside, f"{min(counts)}..{max(counts)} words (want {WORDS[0]}.."
                 f"{WORDS[1]}) {outside or ''}")
    bad_end = [k for k, e in enumerate(entries, 1) if e[-1] not in ".?!"]
    report.check(not bad_end, f"every entry ends a sentence {bad_end or ''}")
    stray = [k for k, e in enumerate(entries, 1)
             if re.search(r"[.?!](?! [A-Z])", e[:-1])]
    report.check(not stray, f"a mark inside an entry always starts a new sentence {stray or ''}")
    multi = [k for k, e in enumerate(entries, 1) if re.search(r"[.?!] ", e)]
    single = COUNT - len(multi)
    report.check(single == ONE_SENTENCE and all(k in multi for k in LONG),
                 f"{single} one-sentence entries (want {ONE_SENTENCE}); longer ones: {multi}")


def writing(entries, report):
    print("Writing")
    skip = REPEAT[1]
    numbered = [(k, e) for k, e in enumerate(entries, 1) if k != skip]
    words = {k: words_of(e) for k, e in numbered}

    runs = collections.defaultdict(set)
    for k, ws in words.items():
        for i in range(len(ws) - SHARED_RUN + 1):
            runs[" ".join(ws[i:i + SHARED_RUN])].add(k)
    shared = {run: ks for run, ks in runs.items() if len(ks) > 1}
    report.check(not shared, f"no two entries share {SHARED_RUN} consecutive words")
    for run, ks in sorted(shared.items(), key=lambda item: sorted(item[1])):
        print(f"         {sorted(ks)}: {run}")

    for size, limit in ((4, 1), (OPENING_WORDS, OPENING_LIMIT)):
        openings = collections.defaultdict(list)
        for k, ws in words.items():
            openings[" ".join(ws[:size])].append(k)
        crowded = {o: ks for o, ks in openings.items() if len(ks) > limit}
        report.check(not crowded, f"no {size}-word opening starts more than {limit} "
                     f"{'entry' if limit == 1 else 'entries'}")
        for opening, ks in sorted(crowded.items()):
            print(f"         {opening!r}: {ks}")

    firsts = collections.Counter(ws[0] for ws in words.values())
    article = firsts["a"] + firsts["an"] + firsts["the"]
    print(f"  opening with A, An or The: {article} of {len(words)}")
    print("  commonest first words: " +
          ", ".join(f"{w} {c}" for w, c in firsts.most_common(12)))
    two = collections.Counter(" ".join(ws[:2]) for ws in words.values())
    print("  commonest two-word openings: " +
          ", ".join(f"'{w}' {c}" for w, c in two.most_common(8)))
    template = [k for k, e in numbered
                if re.match(r"^(?:An? |The )?[A-Za-z'-]+(?: [a-z'-]+){0,2} (?:is|are) "
                            r"(?:only |just |simply )?(?:an?|the) ", e)]
    print(f"  'X is a Y ...' shaped: {len(template)} {template}")
    questions = [k for k, e in numbered if e.endswith("?")]
    exclaims = [k for k, e in numbered if e.endswith("!")]
    print(f"  ending with ?: {len(questions)}   with !: {len(exclaims)}")
    for phrase in STOCK_PHRASES:
        ks = [k for k, e in numbered if phrase in e.lower()]
        if len(ks) > 1:
            print(f"  stock phrase {phrase!r}: {ks}")

    def hits(vocabulary):
        found = collections.defaultdict(list)
        for k, e in numbered:
            for word in vocabulary:
                # Lower-case entries match any case; capitalised ones (months) only as written.
                flags = re.IGNORECASE if word.islower() else 0
                if re.search(rf"\b{re.escape(word)}\b", e, flags):
                    found[word].append(k)
        return found

    motifs = hits(MOTIFS)
    print("  motifs: " + ", ".join(f"{w} {len(motifs[w])}" for w in MOTIFS if motifs[w]))
    for name, vocabulary in (("gendered words", GENDERED), ("month names", MONTHS),
                             ("regional words", REGIONAL)):
        found = hits(vocabulary)
        listed = "; ".join(f"{w} {ks}" for w, ks in sorted(found.items()))
        print(f"  {name}: {listed or 'none'}")

    # Pairs that share several content words often say the same thing twice
    # in different words, which no run-of-words check can see.
    stems = {k: {stem(w) for w in ws if len(w) > 3 and w not in COMMON} for k, ws in words.items()}
    pairs = []
    keys = sorted(stems)
    for i, a in enumerate(keys):
        for b in keys[i + 1:]:
            shared = stems[a] & stems[b]
            if len(shared) >= 3:
                pairs.append((len(shared), a, b, sorted(shared)))
    pairs.sort(key=lambda p: (-p[0], p[1], p[2]))
    print(f"  pairs sharing three or more content words: {len(pairs)}")
    for count, a, b, shared in pairs[:15]:
        print(f"         {a} and {b}: {', '.join(shared)}")

    content = collections.Counter()
    for ws in words.values():
        content.update({w for w in ws if len(w) > 4})
    print("  longer words in the most entries: " +
          ", ".join(f"{w} {c}" for w, c in content.most_common(20)))


def themes(entries, show=None):
    print("Themes (an entry may count under several; rough, by keyword)")
    counts = collections.Counter()
    untouched = []
    for k, e in enumerate(entries, 1):
        if k == REPEAT[1]:
            continue
        ws = set(words_of(e))
        matched = [t for t, vocab in THEME_WORDS.items() if ws & vocab]
        counts.update(matched)
        if not matched:
            untouched.append(k)
        if show and any(show in t for t in matched):
            print(f"  {k:3} {e}")
    for theme in THEMES:
        print(f"  {counts[theme]:4}  {theme}")
    print(f"  {len(untouched):4}  none of these")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--against", metavar="REV",
                        help="count entries that differ from this revision's collection")
    parser.add_argument("--rev", metavar="REV", help="report on this revision, not the tree")
    parser.add_argument("--list", action="store_true", help="print the entries, numbered")
    parser.add_argument("--theme", help="print the entries of the themes containing this")
    args = parser.parse_args()

    entries = parse(read_source(args.rev))
    if args.list:
        for k, e in enumerate(entries, 1):
            print(f"{k:3} {len(e):3} {e}")
        return 0
    report = Report()
    shape(entries, report)
    if len(entries) == COUNT:
        writing(entries, report)
    themes(entries, args.theme)
    if args.against:
        old = parse(read_source(args.against))
        changed = [k for k, (a, b) in enumerate(zip(old, entries), 1) if a != b]
        print(f"Against {args.against}: {len(changed)} of {len(entries)} entries changed, "
              f"{len(entries) - len(changed)} kept")
    if report.failures:
        print(f"{len(report.failures)} check(s) failed")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
