"""velmora2 on the accessibility bus, read as Orca reads it (pyatspi), driven from the keyboard.

Run by bus_test.sh inside a private D-Bus session, with the program on a virtual screen. Checks
that every control of the control panel, the legend and an open lesson is a child of its movie
(parent, index, name), that Tab moves the reported focus from control to control, that Home and End
move a slider, that a start is told within 6 seconds and that Esc closes a lesson.
"""

import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

failures = []
heard = []  # (event type, source, detail1)


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAIL:", message)
    return condition


def listen(event):
    heard.append((event.type, event.source, event.detail1))


def pump(seconds):
    """Lets the bus's events arrive for that long."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.pending():
            context.iteration(False)
        time.sleep(0.02)


def wait_for(condition, seconds):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        found = condition()
        if found:
            return found
        pump(0.1)
    return condition()


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "120", *names], check=True)
    pump(0.4)


def showing(accessible):
    return accessible.getState().contains(pyatspi.STATE_SHOWING)


def find(root, predicate, depth=0):
    """The first accessible under `root`, in document order, that satisfies `predicate`."""
    if depth > 20:
        return None
    for i in range(root.childCount):
        child = root.getChildAtIndex(i)
        if child is None:
            continue
        if predicate(child):
            return child
        found = find(child, predicate, depth + 1)
        if found:
            return found
    return None


def named(name, role=None):
    return lambda a: a.name == name and (role is None or a.getRole() == role)


def same(a, b):
    return a is not None and b is not None and a.path == b.path


def children_of_movie(movie, what):
    """Every child of a movie is its child both ways, has an index and says a name."""
    names = []
    for i in range(movie.childCount):
        child = movie.getChildAtIndex(i)
        if not check(child is not None, f"{what}: child {i} missing"):
            continue
        if not showing(child):
            continue
        label = f"{what}: {child.getRoleName()} {child.name!r}"
        check(same(child.parent, movie), f"{label} does not name its movie as its parent")
        check(child.getIndexInParent() == i, f"{label} gives the index {child.getIndexInParent()}, not {i}")
        check(child.name != "", f"{label} has no name")
        names.append(child.name)
    return names


def focused_name():
    """The last object that the bus reported as taking the focus."""
    for kind, source, detail in reversed(heard):
        if kind.startswith("object:state-changed:focused") and detail == 1:
            return source.name
    return None


def main():
    for kind in ["object:state-changed:focused", "object:state-changed:showing"]:
        pyatspi.Registry.registerEventListener(listen, kind)

    desktop = pyatspi.Registry.getDesktop(0)
    app = wait_for(lambda: find(desktop, lambda a: a.getRole() == pyatspi.ROLE_APPLICATION and a.name == "velmora2"), 30)
    if not check(app is not None, "velmora2 is not on the accessibility bus"):
        return
    window = wait_for(lambda: find(app, lambda a: a.getRole() == pyatspi.ROLE_FRAME and showing(a)), 20)
    panel = wait_for(lambda: find(window, named("Panneau de commande")), 20)
    legend = find(window, named("Légende et commentaire"))
    if not check(panel and legend, "the panel or the legend is missing"):
        return
    # The window has drawn its legend and written its comment.
    wait_for(lambda: find(legend, lambda a: a.name.startswith("Bienvenue")), 10)

    # Every control of the panel and the legend, in place.
    panel_names = children_of_movie(panel, "panel")
    for expected in ["Réaction précédente", "Réaction suivante", "Température, 37\u00a0°C", "pH, 7",
                     "Enzyme, 20\u00a0molécules", "Substrat, 100\u00a0molécules", "Thiolactose, 0\u00a0molécules",
                     "Démarrer / recommencer l'expérience", "Pause / reprise", "En savoir plus", "Quitter",
                     "Velmora", "Amylase", "Glucose", "Galactose", "Amylose", "Lactose", "Maltose"]:
        check(expected in panel_names, f"panel: no control named {expected!r}")
    legend_names = children_of_movie(legend, "legend")
    for expected in ["Petits symboles", "Grands symboles", "Lactase"]:
        check(expected in legend_names, f"legend: nothing named {expected!r}")
    comment = find(legend, lambda a: a.name.startswith("Bienvenue"))
    if check(comment is not None, "legend: the comment is not there"):
        text = comment.queryText()
        check(text.getText(0, -1).startswith("Bienvenue sur Velmora v2"), "the comment gives no text")
        word = text.getTextAtOffset(0, pyatspi.TEXT_BOUNDARY_WORD_START)
        check(word[0].strip() == "Bienvenue", f"the comment's first word is {word[0]!r}")

    temperature = find(panel, lambda a: a.getRole() == pyatspi.ROLE_SLIDER and a.name.startswith("Température"))
    value = temperature.queryValue()
    check((value.minimumValue, value.maximumValue, value.minimumIncrement) == (-10, 90, 1),
          f"the temperature slider's range is {value.minimumValue}..{value.maximumValue} "
          f"by {value.minimumIncrement}")

    # Tab, from the scene where the window opens, through the graph, the legend and into the panel:
    # the bus names each control as the ring reaches it.
    # There is no window manager: the keyboard is given to the window as a click would.
    subprocess.run(["sh", "-c", "xdotool windowfocus --sync $(xdotool search --onlyvisible --name '^Mod' | head -1)"],
                   check=True)
    pump(0.5)
    keys("Tab", "shift+Tab")  # the scene has the focus
    check(focused_name() == "Molécules", f"the window opens with the focus on {focused_name()!r}")
    for expected in ["En savoir plus sur ce graphique", "Graphique\u00a0: substrat en fonction du temps",
                     "Graphique en pourcentage", "Petits symboles", "Grands symboles", "Réaction précédente",
                     "Réaction suivante", "Température, 37\u00a0°C"]:
        heard.clear()
        keys("Tab")
        check(focused_name() == expected, f"Tab: the bus reports the focus on {focused_name()!r}, not {expected!r}")
    check(temperature.getState().contains(pyatspi.STATE_FOCUSED), "the focused slider does not say so")
    check(not find(panel, named("Réaction suivante")).getState().contains(pyatspi.STATE_FOCUSED),
          "a control left behind still says it has the focus")

    # Home and End move the slider to its ends.
    for key, end in [("Home", -10), ("End", 90)]:
        keys(key)
        check(wait_for(lambda: temperature.queryValue().currentValue == end, 2),
              f"{key}: the slider's value is {temperature.queryValue().currentValue}, not {end}")
    keys("Home")

    # A start is told at once, without moving the focus; then not again before five seconds.
    heard.clear()
    start = find(panel, named("Démarrer / recommencer l'expérience"))
    press = start.queryAction()
    names = [press.getName(i) for i in range(press.nActions)]
    check("Press" in names, f"the start button offers {names}")
    press.doAction(names.index("Press") if "Press" in names else 0)
    started = time.monotonic()

    def notices():
        return [(s.name, s.description) for kind, s, detail in heard
                if kind.startswith("object:state-changed:showing") and detail == 1
                and s.getRole() == pyatspi.ROLE_NOTIFICATION]

    told = wait_for(notices, 6)
    if check(told, "no notification within 6 s of the start"):
        said, more = told[0]
        check(re.match(r"^(\d+ enzymes? dont .+|aucune enzyme)\u00a0; lactose restant\u00a0: \d+\u00a0%", said),
              f"the start is told as {said!r}")
        check(more.startswith("lactose restant") or more == "courbe vide", f"the graph is told as {more!r}")
        print(f"told {time.monotonic() - started:.1f} s after the start: {said} / {more}")
    pump(max(0.0, started + 4.5 - time.monotonic()))
    check(len(notices()) == 1, f"{len(notices())} notifications in the 4.5 s after the start")
    check(focused_name() in (None, "Température, −10\u00a0°C", "Température, -10\u00a0°C"),
          f"the notification moved the focus to {focused_name()!r}")

    # A lesson from the menu, with the keyboard: its controls and texts are its movie's.
    keys("alt+e")
    keys("m")
    lesson = wait_for(lambda: find(app, lambda a: a.getRole() in (pyatspi.ROLE_FRAME, pyatspi.ROLE_DIALOG)
                                   and a.name == "Catalyse enzymatique" and showing(a)), 10)
    if check(lesson is not None, "Alt+E then M opens no lesson"):
        player = wait_for(lambda: find(lesson, lambda a: find(a, named("Suivant")) is not None
                                       and a.getRole() == pyatspi.ROLE_FILLER
                                       and any(named("Suivant")(a.getChildAtIndex(i)) for i in range(a.childCount))), 10)
        if check(player is not None, "the lesson's controls are not children of its player"):
            lesson_names = children_of_movie(player, "lesson")
            for expected in ["Menu", "Fermer", "Précédent", "Suivant"]:
                check(expected in lesson_names, f"lesson: no control named {expected!r}")
            paragraphs = [n for n in lesson_names if len(n) > 40]
            check(paragraphs, "lesson: no paragraph to read")
        keys("Escape")
        check(wait_for(lambda: not showing(lesson), 5), "Esc does not close the lesson")
        pump(0.5)
        scene = find(window, named("Molécules"))
        check(scene.description != "Aucune expérience en cours", "Esc in the lesson also stopped the experiment")


main()
if failures:
    print(f"{len(failures)} failures")
    sys.exit(1)
print("The accessibility bus tells every control, the focus, the values and the notifications.")
