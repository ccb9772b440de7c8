"""The built program on a real X server: every window the main menu opens is launched by a
real click, given entries by real typing, computed by Alt+C or Enter, read back through the
accessibility tree and photographed; then the program must still run and end on Exit. Then,
under a window manager and at twice the scale, the keyboard alone opens a window, types into
it, clicks its buttons, reaches every control, goes back and opens How To.

Usage: e2e.py PROGRAM SCREENSHOT_FOLDER (run inside a D-Bus session, see run_e2e)."""

import os
import re
import sys
import tempfile
from dataclasses import dataclass, field

from desktop import (Display, EndToEndFailure, Program, WindowManager, children, extents, find,
                     focused, has_state, inside, states, text_of, wait_until)


@dataclass
class Sample:
    """One worked example: the unit to choose, the entry, the key that computes, and every
    output label as it must read afterwards."""
    option: str
    entry: str
    key: str
    outputs: list = field(default_factory=list)


# The worked examples, by window title. A window without one (a calculation window) is
# still launched, computed and checked for formatted outputs, and photographed.
SAMPLES = {
    "Temperature Conversions": Sample("Celsius", "100", "alt+c",
                                      ["100.00000", "212.00000", "373.15000"]),
    "Rainfall Conversions": Sample("Millimetres", "25.4", "Return",
                                   ["25.40000", "2.54000", "0.02540", "100.00000", "1.00000",
                                    "0.08333"]),
    "Air Pressure Conversions": Sample("Millibars", " 1013.25 ", "alt+c",
                                       ["101,325.00000", "1,013.25000", "1,013.25000",
                                        "760.00210", "29.92134"]),
    "Wind Speed Conversions": Sample("Knots", "10", "Return",
                                     ["18.52000", "5.14444", "11.50779", "16.87810",
                                      "10.00000"]),
    "Length Conversions": Sample("Miles", "1", "alt+c",
                                 ["1,609,344.00000", "1,609.34400", "1.60934", "63,360.00000",
                                  "5,280.00000", "1,760.00000", "1.00000", "0.86898"]),
    "Area Conversions": Sample("Hectares", "1", "Return",
                               ["10,000,000,000.0000000000", "100,000,000.0000000000",
                                "10,000.0000000000", "0.0100000000", "15,500,031.0000620000",
                                "107,639.1041670970", "11,959.9004630108", "0.0038610216",
                                "2.4710516302", "1.0000000000"]),
    "Volume Conversions": Sample("Kilometres", "1", "alt+c",
                                 ["1,000,000,000,000,000,000.0000000000",
                                  "1,000,000,000,000,000.0000000000",
                                  "1,000,000,000.0000000000", "1.0000000000",
                                  "61,023,744,094,732.3000000000",
                                  "35,314,666,721.4886000000", "1,307,950,619.3143900000",
                                  "0.2399127586"]),
    "Time Conversions": Sample("Weeks", "1", "Return",
                               ["604,800.00000", "10,080.00000", "168.00000", "7.00000",
                                "1.00000"]),
    "Mass Conversions": Sample("Stone", "1", "alt+c",
                               ["6,350.29318", "6.35029", "0.00635", "224.00000", "14.00000",
                                "1.00000"]),
}

# Windows whose outputs carry ten decimals rather than five.
TEN_DECIMALS = {"Area Conversions", "Volume Conversions"}
NO_DECIMALS = {"Beaufort Force"}
NUMBER_CHECK = ("Numerical Value Needed", "Please insert a number into the white box")
# Room above a window for a window manager's title bar in its screenshot.
TITLE_BAR = 40


def output_labels(window):
    """The output labels: the labels that carry a tooltip, in the window's order."""
    return [label for label in _labels(window) if label.description]


def _labels(window):
    window.clear_cache()
    return [node for node in _tree(window) if node.getRoleName() == "label"]


def _tree(node):
    for child in children(node):
        yield child
        yield from _tree(child)


def outputs(window):
    return [text_of(label) for label in output_labels(window)]


def formatted(text, decimals):
    fraction = r"\.\d{%d}" % decimals if decimals else ""
    return re.fullmatch(r"-?\d{1,3}(,\d{3})*" + fraction, text) is not None


def enter(program, box, text):
    """Clicks into the box (which selects its text) and types the entry over it."""
    program.click(box)
    wait_until(lambda: has_state(box, "focused"), "the box to take the focus")
    program.press_key("ctrl+a")
    program.type_text(text)
    wait_until(lambda: text_of(box) == text, f"the box to read {text!r}")


def choose(program, window, caption):
    option = wait_until(lambda: find(window, "radio button", caption), f"option {caption}")
    program.click(option)
    wait_until(lambda: has_state(option, "checked"), f"option {caption} to be set")


def expect_outputs(window, expected):
    try:
        wait_until(lambda: outputs(window) == expected, f"{window.name} to show {expected}")
    except EndToEndFailure as failure:
        raise EndToEndFailure(f"{failure}; it shows {outputs(window)}") from None


def message_boxes(program):
    return [window for window in program.windows() if window.getRoleName() == "alert"]


def dismiss_messages(program):
    """Presses OK on every message box that is open, returning their (title, text)."""
    seen = []
    while True:
        dialog = next(iter(message_boxes(program)), None)
        if dialog is None:
            return seen
        texts = [text_of(label) for label in _labels(dialog) if text_of(label)]
        seen.append((dialog.name, texts[0] if texts else ""))
        program.click(find(dialog, "push button", "OK"))
        wait_until(lambda: dialog not in program.windows(), "the message box to close")


def expect_message(program, expected):
    wait_until(lambda: message_boxes(program), f"the message {expected}")
    shown = dismiss_messages(program)
    if shown != [expected]:
        raise EndToEndFailure(f"expected the message {expected}, got {shown}")


def check_sample(program, window, sample):
    box = find(window, "text")
    before = outputs(window)
    enter(program, box, "abc")
    program.press_key("Return")
    expect_message(program, NUMBER_CHECK)
    if outputs(window) != before:
        raise EndToEndFailure(f"{window.name}: a refused entry changed the outputs")
    choose(program, window, sample.option)
    enter(program, box, sample.entry)
    program.press_key(sample.key)
    expect_outputs(window, sample.outputs)


def check_wind_direction(program, window):
    choose(program, window, "North East")
    program.press_key("alt+o")
    wait_until(lambda: outputs(window)[:3] == ["34", "56", "45.0"], "the range of NE")
    box = find(window, "text")
    enter(program, box, "22.7")
    program.press_key("alt+c")
    expect_outputs(window, ["34", "56", "45.0", "NNE", "North North East"])
    wait_until(lambda: text_of(box) == "23", "the degrees rewritten as 23")
    enter(program, box, "361")
    program.press_key("Return")
    expect_message(program, ("Numerical Value Needed",
                             "Please insert a whole number into the white box between 0 "
                             "and 360"))
    expect_outputs(window, ["34", "56", "45.0", "NNE", "North North East"])


def check_any_window(program, window):
    """A window without a worked example: 20 in every box, then its compute button."""
    for box in [node for node in _tree(window) if node.getRoleName() == "text"]:
        if has_state(box, "enabled"):
            enter(program, box, "20")
    compute = next(node for node in _tree(window) if node.getRoleName() == "push button"
                   and re.match(r"(Calculate|Convert)", node.name))
    program.click(compute)
    dismiss_messages(program)
    decimals = 10 if window.name in TEN_DECIMALS else 0 if window.name in NO_DECIMALS else 5
    for text in outputs(window):
        if text and not formatted(text, decimals):
            raise EndToEndFailure(f"{window.name} shows {text!r}")


def check_window(program, window, folder):
    if window.name == "Wind Direction Conversions":
        check_wind_direction(program, window)
    elif window.name in SAMPLES:
        check_sample(program, window, SAMPLES[window.name])
    else:
        check_any_window(program, window)
    program.screenshot(window, os.path.join(folder, window.name.replace(" ", "_") + ".png"))


def pages(home):
    """Each page tab of the main menu with the launch buttons on its page."""
    tabs = [node for node in _tree(home) if node.getRoleName() == "page tab"]
    stack = find(home, "layered pane")
    return list(zip(tabs, [[node for node in _tree(page) if node.getRoleName() == "push button"]
                           for page in children(stack)]))


def launch_every_window(program, folder):
    home = wait_until(lambda: program.window("Nimbaro"), "the main menu")
    launched = []
    for number, (tab, buttons) in enumerate(pages(home), start=1):
        program.click(tab)
        wait_until(lambda: all(has_state(b, "showing") for b in buttons), f"page {tab.name}")
        program.screenshot(home, os.path.join(folder, f"frmHome-{number}.png"))
        for button in buttons:
            before = program.windows()
            program.click(button)
            opened = [w for w in program.windows() if w not in before]
            if not opened:
                print(f"  {button.name}: opens no window yet")
                continue
            window = opened[0]
            title = window.name
            wait_until(lambda: has_state(window, "active"), f"{title} to be active")
            check_window(program, window, folder)
            program.click(find(window, "push button", "Back"))
            wait_until(lambda: window not in program.windows() and has_state(home, "active"),
                       f"Back from {title}")
            launched.append(title)
            print(f"  {button.name}: {title} checked")
    return home, launched


def english_run(executable, display, folder):
    program = Program(executable, display, "en_US.UTF-8")
    try:
        home, launched = launch_every_window(program, folder)
        if not launched:
            raise EndToEndFailure("no launch button opened a window")
        if not program.alive():
            raise EndToEndFailure("the program ended on its own")
        program.click(find(home, "push button", "Exit"))
        wait_until(lambda: not program.alive(), "the program to end on Exit")
        if program.process.returncode != 0:
            raise EndToEndFailure(f"Exit ended with status {program.process.returncode}")
    finally:
        program.close()


def german_run(executable, display):
    """Regional settings reach the windows: German decimals and grouping, typed and shown."""
    program = Program(executable, display, "de_DE.UTF-8")
    try:
        home = wait_until(lambda: program.window("Nimbaro"), "the main menu")
        program.click(find(home, "push button", "Temperature"))
        window = wait_until(lambda: program.window("Temperature Conversions"),
                            "the temperature window")
        enter(program, find(window, "text"), "1000,5")
        program.press_key("Return")
        expect_outputs(window, ["1.000,50000", "1.832,90000", "1.273,65000"])
        program.click(find(window, "push button", "Back"))
        wait_until(lambda: has_state(home, "active"), "the main menu after Back")
        program.press_key("ctrl+x")
        wait_until(lambda: not program.alive(), "the program to end on Ctrl+X")
    finally:
        program.close()


def tab_to(program, window, role, name):
    """Presses Tab until the control of that role and name has the focus."""
    for _ in range(60):
        now = focused(window)
        if now is not None and now.getRoleName() == role and now.name == name:
            return now
        program.press_key("Tab")
        wait_until(lambda: focused(window) != now, "the focus to move on Tab")
    raise EndToEndFailure(f"Tab never reached {role} {name!r} in {window.name}")


def every_tab_stop_in_view(program, window):
    """Each control that Tab reaches, once round the window, lies in the window's view."""
    first = focused(window)
    now = first
    while True:
        if not inside(now, window):
            raise EndToEndFailure(f"{now.getRoleName()} {now.name!r} has the focus out of view "
                                  f"at {extents(now)} in {window.name} at {extents(window)}")
        program.press_key("Tab")
        now = wait_until(lambda: (lambda moved: moved if moved not in (None, now) else None)(
            focused(window)), "the focus to move on Tab")
        if now == first:
            return


def expect_message_box(program, expected, screenshot):
    """Waits for the message, photographs it with its title bar and closes it with Enter."""
    box = wait_until(lambda: next(iter(message_boxes(program)), None), f"the message {expected}")
    program.screenshot(box, screenshot, title_bar=TITLE_BAR)
    texts = [text_of(label) for label in _labels(box) if text_of(label)]
    if (box.name, texts[0] if texts else "") != expected:
        raise EndToEndFailure(f"expected the message {expected}, got {box.name}: {texts}")
    program.press_key("Return")
    wait_until(lambda: box not in program.windows(), "Enter to close the message")


def keyboard_run(executable, display, folder):
    """Under openbox, at twice the scale, where the Heat Index window is wider than the screen,
    and with a desktop opener that finds no application for the help documents."""
    with tempfile.TemporaryDirectory() as opener_folder, WindowManager(display):
        opener = os.path.join(opener_folder, "xdg-open")
        with open(opener, "w") as script:
            script.write("#!/bin/sh\n# As xdg-open ends when it finds no application.\nexit 3\n")
        os.chmod(opener, 0o755)
        program = Program(executable, display, "en_US.UTF-8", QT_SCALE_FACTOR="2",
                          PATH=opener_folder + os.pathsep + os.environ["PATH"])
        try:
            home = wait_until(lambda: program.window("Nimbaro"), "the main menu")
            wait_until(lambda: has_state(home, "active"), "the main menu to be active")
            # The focus starts on the page tabs, in the tab control named Calculators.
            tab_to(program, home, "filler", "Calculators")
            program.press_key("Right")
            heat_index = find(home, "push button", "Heat Index")
            wait_until(lambda: has_state(heat_index, "showing"), "Right to show the next page")
            tab_to(program, home, "push button", "Heat Index")
            program.press_key("Return")
            window = wait_until(lambda: program.window("Heat Index"), "Enter to open Heat Index")
            wait_until(lambda: has_state(window, "active"), "Heat Index to be active")
            if not program.on_screen(window):
                raise EndToEndFailure(f"Heat Index reaches past the screen: {extents(window)}")

            tab_to(program, window, "push button", "Calculate")
            program.press_key("Return")
            expect_message_box(program, ("Numerical Value Needed", "Please insert a number into "
                                         "the white box (Air Temperature)"),
                               os.path.join(folder, "message-number.png"))
            expect_message_box(program, ("Unable to Calculate", "Invalid Numbers Used"),
                               os.path.join(folder, "message-unable.png"))

            for box, entry in (("Air Temperature", "32"), ("Humidity", "60")):
                tab_to(program, window, "text", box)
                program.type_text(entry)
            program.press_key("Return")
            wait_until(lambda: all(formatted(text, 5) for text in outputs(window)),
                       "Enter in a box to calculate")
            tab_to(program, window, "push button", "Reset")
            program.press_key("Return")
            expect_outputs(window, ["", "", ""])
            every_tab_stop_in_view(program, window)

            program.press_key("Escape")
            wait_until(lambda: window not in program.windows() and has_state(home, "active"),
                       "Escape to go back to the main menu")
            program.press_key("F1")
            viewer = wait_until(lambda: program.window("How To.txt"), "F1 to show How To")
            document = wait_until(lambda: find(viewer, "text", "How To.txt"), "the document")
            if "Working in any window" not in text_of(document):
                raise EndToEndFailure("the How To viewer does not show How To")
            program.screenshot(viewer, os.path.join(folder, "how-to.png"), title_bar=TITLE_BAR)
            program.press_key("Escape")
            wait_until(lambda: viewer not in program.windows(), "Escape to close How To")
            program.press_key("ctrl+x")
            wait_until(lambda: not program.alive(), "the program to end on Ctrl+X")
        finally:
            program.close()


def main(executable, folder):
    os.makedirs(folder, exist_ok=True)
    display = Display()
    try:
        english_run(executable, display, folder)
        german_run(executable, display)
        keyboard_run(executable, display, folder)
    except EndToEndFailure as failure:
        print(f"end-to-end run failed: {failure}", file=sys.stderr)
        return 1
    finally:
        display.close()
    print(f"end-to-end run passed; screenshots in {folder}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
