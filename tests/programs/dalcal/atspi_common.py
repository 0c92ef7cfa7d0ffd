"""What the AT-SPI drives of the windows share: waiting for what a window
shows, finding a window of the application 'dalcal' by its title and what
it holds by role and name, and pressing a button."""
import time

import pyatspi
from gi.repository import GLib


def wait_for(find, seconds=20.0):
    """find()'s first true answer within seconds, else None. An object that
    went away while find() read it (a table's cells replaced as it changes
    month) is asked again."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        try:
            found = find()
        except GLib.GError:
            found = None
        if found:
            return found
        time.sleep(0.1)
    return None


def window(title):
    """The window of dalcal titled title on the AT-SPI bus, or None."""
    for app in pyatspi.Registry.getDesktop(0):
        if app is None or app.name != "dalcal":
            continue
        for child in app:
            if child is not None and child.name == title:
                return child
    return None


def press(button):
    """Does a button's press action."""
    action = button.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    wanted = "Press" if "Press" in names else "press"
    if wanted not in names:
        raise RuntimeError(f"the button's actions are {names}, none of them a press")
    action.doAction(names.index(wanted))


def descendants(accessible):
    """Every accessible below accessible, depth first."""
    for child in accessible:
        if child is None:
            continue
        yield child
        yield from descendants(child)


def find(root, role, name=None):
    """The first accessible below root of that role (and name), or None."""
    for child in descendants(root):
        if child.getRoleName() == role and (name is None or child.name == name):
            return child
    return None
