# SPDX-License-Identifier: MIT
"""What a screen reader said while check-screen-reader drove the program, sorted by step and checked.

  screen_reader_log.py --focus PID             prints the time and the object that really has the
                                               focus in the program PID: "12:00:01.5 text | ａ"
  screen_reader_log.py --check LOG STEPS FOCUS sorts Orca's debug LOG by the STEPS and checks
                                               what was said; FOCUS holds the lines --focus printed

Run by Debian's /usr/bin/python3, which has python3-pyatspi.
"""

import datetime
import re
import sys

SPEECH = re.compile(r"^(\d\d:\d\d:\d\d\.\d+) - SPEECH OUTPUT: '(.*?)'\s*(\{.*\})?\s*$")
LOCUS = re.compile(r"^(\d\d:\d\d:\d\d\.\d+) - EVENT MANAGER: locusOfFocus: \[(.*?)\] activeScript")


def seconds(clock):
    hours, minutes, rest = clock.split(":")
    return int(hours) * 3600 + int(minutes) * 60 + float(rest[:15])


def real_focus(pid):
    import pyatspi

    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is None or app.get_process_id() != pid:
            continue
        stack = [app]
        while stack:
            node = stack.pop()
            try:
                states = node.getState()
                if node is not app and states.contains(pyatspi.STATE_FOCUSED):
                    return "%s | %s" % (node.getRoleName(), node.name)
                if states.contains(pyatspi.STATE_SHOWING) or node is app:
                    stack.extend(child for child in node if child is not None)
            except Exception:  # an object gone while it was read
                continue
    return "(none)"


def read_steps(path):
    steps = []
    with open(path, encoding="utf-8") as lines:
        for line in lines:
            clock, name = line.split(maxsplit=1)
            steps.append((seconds(clock), name.strip()))
    return steps


def step_of(steps, at):
    name = "start"
    for started, step in steps:
        if started <= at:
            name = step
    return name


def check(log_path, steps_path, focus_path):
    steps = read_steps(steps_path)
    said = {name: [] for _, name in steps}
    said["start"] = []
    loci = []
    with open(log_path, encoding="utf-8", errors="replace") as log:
        for line in log:
            match = SPEECH.match(line)
            if match:
                said[step_of(steps, seconds(match.group(1)))].append(match.group(2).strip())
                continue
            match = LOCUS.match(line)
            if match:
                loci.append((seconds(match.group(1)), match.group(2)))
    foci = []
    try:
        with open(focus_path, encoding="utf-8") as lines:
            for line in lines:
                clock, focused = line.rstrip("\n").split(" ", 1)
                foci.append((seconds(clock), focused))
    except FileNotFoundError:
        pass

    for _, name in [(0, "start")] + steps:
        print("== %s" % name)
        for utterance in said.get(name, []):
            print("   %s" % utterance)

    def any_said(step, text):
        return any(text in utterance for utterance in said.get(step, []))

    def starts(step, name):
        return any(utterance.startswith(name + " ") for utterance in said.get(step, []))

    checks = [
        ("every box is named on the first Tab",
         all(starts("first-tab", box) for box in ("ｂ", "変域の下限", "変域の上限"))),
        ("a box's text is read whole", any_said("back-to-boxes", "-2/ 3")),
        ("the draw is confirmed with the line",
         any_said("draw", "線１を引きました。y＝−3分の2エックス＋1、エックスは−3から3まで。")),
        ("the table of values is of the line just drawn", any_said("table", "値の表 線１")),
        ("tracing is said in words", any_said("trace", "線１、エックス−3、y3")
         and any_said("trace", "エックスが1増えるとyは3分の2減る")),
        ("with one line, ↑ says there is no other", any_said("trace", "ほかの線はありません")),
        ("tracing names no symbol",
         not any(symbol in utterance for utterance in said.get("trace", [])
                 for symbol in ("χ", "カイ", "→", "arrow", "(", ")", "ピクセル"))),
        ("the refusal is spoken", any_said("refusal", "ａの分母が０です")),
        ("a 表示 item is confirmed", any_said("menu", "交点を表示します")),
        ("the second line is confirmed", any_said("second-line", "線２を引きました")),
        ("the slot arrows say the slot chosen", any_said("slots", "を選びました")),
        ("Esc ends the tracing aloud", any_said("trace", "点を消しました")),
        ("a size is said with the size chosen", any_said("sizes", "大きさを大にしました")),
        ("undo says the step and the line it leaves",
         any_said("undo", "元に戻しました：線２を引く。線２には線がありません。")),
        ("undo with nothing to undo says so", any_said("undo", "元に戻すことはありません")),
        ("redo says the step and the line", any_said("redo", "やり直しました：線１を引く。線１：")),
        ("動かして調べる says the line it moves", any_said("explore", "を動かします。y＝")),
        ("a slider is heard with its value as written",
         any(re.search(r"ａ −?[0-9]", utterance) for utterance in said.get("explore", []))),
        ("a slider's raw position is not said",
         not any(re.fullmatch(r"-?[0-9]+", utterance) for utterance in said.get("explore", []))),
        ("a step box is named by what it steps", any_said("explore", "ａの刻み")),
        ("a play stopped is said", any_said("explore", "ａを止めました。y＝")),
        ("the table of values is read cell by cell, fractions as said",
         any(re.fullmatch(r"−?[0-9]+分の[0-9]+\.?", utterance) for utterance in said.get("table-cells", []))),
        ("a new step of χ is said", any_said("table-cells", "エックスの刻みを")),
        ("新規 is said", any_said("new", "新しい授業にしました")),
    ]
    for at, focused in foci:
        heard = [locus for when, locus in loci if when <= at]
        last = heard[-1] if heard else "(none)"
        checks.append(("after the slot arrows the reader's focus is the real one (%s / %s)" % (last, focused),
                       last == focused))
    if not foci:
        checks.append(("the real focus was read", False))

    failed = 0
    print("== checks")
    for name, ok in checks:
        print("   %s  %s" % ("ok  " if ok else "FAIL", name))
        failed += not ok
    return 1 if failed else 0


def main(argv):
    if len(argv) == 3 and argv[1] == "--focus":
        focused = real_focus(int(argv[2]))
        print("%s %s" % (datetime.datetime.now().strftime("%H:%M:%S.%f"), focused))
        return 0
    if len(argv) == 5 and argv[1] == "--check":
        return check(argv[2], argv[3], argv[4])
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
