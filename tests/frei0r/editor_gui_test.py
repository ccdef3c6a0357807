"""Kdenlive or Shotcut, started for real under Xvfb by a throwaway user whose HOME
lies in the build tree, takes Talvenor's description of the plug-in.

kdenlive: the plug-in and its description installed where a user installs them
(~/.frei0r-1/lib, ~/.local/share/kdenlive/effects), Kdenlive opens a project with
the effect on a clip; its log must report the effect parsed with its four
parameters, each set, and nothing must reject it.
shotcut: Shotcut reads filter descriptions only from beside its own program, so
it runs as a copy in a tree of the build folder whose filter folder holds its own
filters and Talvenor's; its log must report Talvenor added.

Every process the test starts runs in a session of its own, ended by its id; a
program that does not come up fails the test within a minute.

Usage: editor_gui_test.py kdenlive|shotcut PROGRAM PLUGIN SOURCE_FOLDER WORK_FOLDER
"""
import os
import re
import select
import shutil
import signal
import subprocess
import sys
import time

DEADLINE = 55  # seconds for the program to come up and report

PROJECT = """<?xml version='1.0' encoding='utf-8'?>
<mlt LC_NUMERIC="C" producer="main_bin" version="7.12.0">
 <profile description="320x240" width="320" height="240" frame_rate_num="25" frame_rate_den="1" progressive="1"
  sample_aspect_num="1" sample_aspect_den="1" display_aspect_num="4" display_aspect_den="3" colorspace="709"/>
 <producer id="producer0" in="0" out="49"><property name="length">50</property>
  <property name="resource">0xff8000ff</property><property name="mlt_service">color</property>
  <property name="kdenlive:clip_type">4</property><property name="kdenlive:id">2</property></producer>
 <playlist id="main_bin"><property name="kdenlive:docproperties.version">1.04</property>
  <property name="xml_retain">1</property><entry producer="producer0" in="0" out="49"/></playlist>
 <producer id="black_track" in="0" out="49"><property name="length">2147483647</property>
  <property name="resource">black</property><property name="mlt_service">color</property></producer>
 <producer id="producer1" in="0" out="49"><property name="length">50</property>
  <property name="resource">0xff8000ff</property><property name="mlt_service">color</property>
  <property name="kdenlive:clip_type">4</property><property name="kdenlive:id">2</property></producer>
 <playlist id="playlist0"><entry producer="producer1" in="0" out="49">
  <filter id="filter0"><property name="mlt_service">frei0r.talvenor</property>
   <property name="kdenlive_id">frei0r.talvenor</property><property name="Mode">Shadows</property>
   <property name="Orientation">Row</property><property name="Comparator">XOR</property>
   <property name="Threshold">0=0.588235</property></filter></entry></playlist>
 <playlist id="playlist1"/>
 <tractor id="tractor0" in="0" out="49"><track hide="audio" producer="playlist0"/>
  <track hide="audio" producer="playlist1"/></tractor>
 <tractor id="tractor_main" in="0" out="49"><track producer="black_track"/><track producer="tractor0"/></tractor>
</mlt>
"""
KDENLIVE_REPORTS = [r'END parsing of\s+"frei0r\.talvenor" \. Number of found parameters 4'] + [
    rf'"frei0r\.talvenor" : Setting parameter\s+"{name}"' for name in ("Mode", "Orientation", "Comparator", "Threshold")]
KDENLIVE_REJECTS = r"talvenor.*(not available|invalid|missing|removed|not found|error)"
SHOTCUT_REPORTS = [r'loadFilterMetadata> added filter "Talvenor"']
SHOTCUT_REJECTS = r"filters/talvenor/.*(error|warning|not|fail)|talvenor.*(is not a type|unavailable)"


class Session:
    """Processes started in sessions of their own, each ended with its group by its id."""

    def __init__(self):
        self.processes = []

    def start(self, command, **kwargs):
        process = subprocess.Popen(command, start_new_session=True, stdin=subprocess.DEVNULL, **kwargs)
        self.processes.append(process)
        return process

    def end(self):
        for process in reversed(self.processes):
            for sig in (signal.SIGTERM, signal.SIGKILL):
                try:
                    os.killpg(process.pid, sig)
                except ProcessLookupError:
                    break
                try:
                    process.wait(timeout=5)
                    break
                except subprocess.TimeoutExpired:
                    continue
            process.wait()


def read_line(stream, what, timeout=15):
    ready, _, _ = select.select([stream], [], [], timeout)
    assert ready, f"{what} did not start within {timeout} s"
    return stream.readline().strip()


def start_display(session, folder):
    """An Xvfb of a free display number, and a D-Bus session bus, which Kdenlive needs."""
    read_end, write_end = os.pipe()
    session.start(["Xvfb", "-displayfd", str(write_end), "-nolisten", "tcp", "-screen", "0", "1280x800x24"],
                  pass_fds=(write_end,), stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as display:
        number = read_line(display, "Xvfb")
    bus = session.start(["dbus-daemon", "--session", "--nofork", "--print-address=1",
                         f"--address=unix:path={os.path.join(folder, 'bus')}"], stdout=subprocess.PIPE,
                        stderr=subprocess.DEVNULL, text=True)
    return {"DISPLAY": f":{number}", "DBUS_SESSION_BUS_ADDRESS": read_line(bus.stdout, "dbus-daemon")}


def user_environment(folder, display):
    home = os.path.join(folder, "home")
    runtime = os.path.join(home, "run")
    os.makedirs(runtime, mode=0o700)
    # Kdenlive marks a start it has not finished with a lock file in the temporary
    # folder, and after a killed run asks whether to reset its settings: a folder of
    # the test's own keeps one run from another.
    temporary = os.path.join(home, "tmp")
    os.makedirs(temporary)
    environment = {key: value for key, value in os.environ.items() if not key.startswith(("XDG_", "QT_", "FREI0R"))}
    environment.update(display, HOME=home, XDG_RUNTIME_DIR=runtime, TMPDIR=temporary,
                       QT_LOGGING_RULES="*.debug=true;qt.*=false;kf.*=false")
    return home, environment


def prepare_kdenlive(program, plugin, source, home, environment):
    for folder, path in ((".frei0r-1/lib", plugin), (".local/share/kdenlive/effects",
                                                     os.path.join(source, "kdenlive", "frei0r_talvenor.xml"))):
        os.makedirs(os.path.join(home, folder))
        shutil.copy(path, os.path.join(home, folder))
    project = os.path.join(home, "talvenor.kdenlive")
    with open(project, "w") as file:
        file.write(PROJECT)
    return [program, project], KDENLIVE_REPORTS, KDENLIVE_REJECTS


def prepare_shotcut(program, plugin, source, home, environment):
    """A copy of Shotcut in a tree whose share/shotcut is Shotcut's own, linked,
    with Talvenor's folder added among the filters."""
    system_share = os.path.join(os.path.dirname(os.path.dirname(os.path.realpath(program))), "share", "shotcut")
    tree = os.path.join(home, "shotcut")
    filters = os.path.join(tree, "share", "shotcut", "qml", "filters")
    os.makedirs(filters)
    for inner, outer in ((system_share, os.path.dirname(os.path.dirname(filters))),
                         (os.path.join(system_share, "qml"), os.path.dirname(filters)),
                         (os.path.join(system_share, "qml", "filters"), filters)):
        for name in os.listdir(inner):
            if not os.path.exists(os.path.join(outer, name)):
                os.symlink(os.path.join(inner, name), os.path.join(outer, name))
    os.symlink(os.path.join(source, "shotcut"), os.path.join(filters, "talvenor"))
    os.makedirs(os.path.join(tree, "bin"))
    copy = shutil.copy(os.path.realpath(program), os.path.join(tree, "bin"))
    environment["FREI0R_PATH"] = os.path.dirname(plugin)
    return [copy], SHOTCUT_REPORTS, SHOTCUT_REJECTS


def wait_for_reports(process, log_path, reports, rejects, name):
    """Waits until the log holds every report; fails on a rejection, an exit or the deadline."""
    deadline = time.monotonic() + DEADLINE
    while True:
        with open(log_path, errors="replace") as file:
            log = file.read()
        rejected = [line for line in log.splitlines() if re.search(rejects, line, re.IGNORECASE)]
        assert not rejected, f"{name} rejects Talvenor: {rejected}"
        missing = [report for report in reports if not re.search(report, log)]
        if not missing:
            return
        assert process.poll() is None, f"{name} exited ({process.returncode}) before reporting {missing}"
        assert time.monotonic() < deadline, \
            f"{name} did not come up and report {missing} within {DEADLINE} s; its log is {log_path}"
        time.sleep(0.5)


def main(editor, program, plugin, source, folder):
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    session = Session()
    try:
        home, environment = user_environment(folder, start_display(session, folder))
        prepare = {"kdenlive": prepare_kdenlive, "shotcut": prepare_shotcut}[editor]
        command, reports, rejects = prepare(program, plugin, source, home, environment)
        log_path = os.path.join(folder, f"{editor}.log")
        with open(log_path, "w") as log:
            process = session.start(command, env=environment, stdout=log, stderr=subprocess.STDOUT, cwd=home)
        wait_for_reports(process, log_path, reports, rejects, editor)
    finally:
        session.end()
    print(f"{editor} came up under Xvfb and reported Talvenor's description taken ({len(reports)} reports)")


if __name__ == "__main__":
    main(*sys.argv[1:])
