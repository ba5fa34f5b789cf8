#!/usr/bin/env python3
"""scripts/serve-vnc.sh, which scripts/run.sh --vnc runs: the VNC server listens on loopback
only and offers VNC authentication alone; a client without the password is refused, one with
it let in; the X display refuses a client without the run's cookie while the window runs on it;
Ctrl-C leaves nothing running. Needs no network.

    tst_serve_vnc.py SERVE_VNC PROGRAM
"""
import os
import re
import signal
import socket
import struct
import subprocess
import sys
import tempfile
import time

SERVE_VNC, PROGRAM = sys.argv[1], sys.argv[2]
LOOPBACK = {"0100007F", "00000000000000000000000001000000"}  # 127.0.0.1, ::1 as /proc/net shows them
VNC_AUTH, NO_AUTH = 2, 1
failures = []


def check(ok, what):
    print(("PASS   : " if ok else "FAIL!  : ") + what)
    if not ok:
        failures.append(what)


def read_exactly(sock, n):
    data = b""
    while len(data) < n:
        chunk = sock.recv(n - len(data))
        if not chunk:
            return None
        data += chunk
    return data


def vnc_response(password, challenge):
    # VNC authentication: the challenge DES-encrypted with the password (8 bytes, NUL-padded,
    # each byte's bits reversed) as the key.
    key = bytes(int(f"{b:08b}"[::-1], 2) for b in password.encode()[:8].ljust(8, b"\0"))
    return subprocess.run(["openssl", "enc", "-des-ecb", "-nopad", "-K", key.hex(),
                           "-provider", "legacy", "-provider", "default"],
                          input=challenge, capture_output=True, check=True).stdout


def rfb_session(port, security, answer=None):
    """Offered security types and the server's security result: 0 let in, 1 refused, None closed."""
    with socket.create_connection(("127.0.0.1", port), timeout=10) as sock:
        if not (read_exactly(sock, 12) or b"").startswith(b"RFB 003."):
            return [], None
        sock.sendall(b"RFB 003.008\n")
        count = read_exactly(sock, 1)
        offered = list(read_exactly(sock, count[0]) or b"") if count else []
        if not offered:
            return offered, None
        sock.sendall(bytes([security]))
        if security == VNC_AUTH:
            challenge = read_exactly(sock, 16)
            if challenge is None:
                return offered, None
            sock.sendall(answer(challenge))
        result = read_exactly(sock, 4)
        return offered, struct.unpack(">I", result)[0] if result else None


def x_without_cookie(display):
    """The X server's answer to a client that brings no authorization: 0 refused, 1 let in."""
    with socket.socket(socket.AF_UNIX) as sock:
        sock.settimeout(10)
        sock.connect(f"/tmp/.X11-unix/X{display}")
        sock.sendall(b"l\0" + struct.pack("<HHHH", 11, 0, 0, 0) + b"\0\0")
        reply = sock.recv(1)
        return reply[0] if reply else None


def session_pids(sid):
    pids = []
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open(f"/proc/{pid}/stat") as f:
                if int(f.read().rsplit(")", 1)[1].split()[3]) == sid:  # state ppid pgrp session
                    pids.append(pid)
        except OSError:
            pass
    return pids


def listeners(pids):
    """(address, port) of every TCP socket in LISTEN that one of pids holds."""
    inodes = set()
    for pid in pids:
        try:
            inodes |= {os.readlink(f"/proc/{pid}/fd/{fd}")[8:-1] for fd in os.listdir(f"/proc/{pid}/fd")}
        except OSError:
            pass
    found = []
    for table in ("/proc/net/tcp", "/proc/net/tcp6"):
        with open(table) as f:
            for fields in (line.split() for line in f.readlines()[1:]):
                if fields[3] == "0A" and fields[9] in inodes:
                    found.append((fields[1].split(":")[0], int(fields[1].split(":")[1], 16)))
    return found


def serve(args):
    """Starts serve-vnc.sh in a session of its own; returns it and what it printed once ready."""
    server = subprocess.Popen(["bash", SERVE_VNC, *args, "--", PROGRAM], stdout=subprocess.PIPE,
                              stderr=subprocess.STDOUT, start_new_session=True, text=True)
    printed = ""
    deadline = time.time() + 60
    while "Ctrl-C" not in printed and time.time() < deadline:
        line = server.stdout.readline()
        if not line:
            break
        printed += line
    return server, printed


def stop(server):
    os.killpg(server.pid, signal.SIGINT)  # Ctrl-C in its terminal
    try:
        server.wait(timeout=20)
    except subprocess.TimeoutExpired:
        os.killpg(server.pid, signal.SIGKILL)
        server.wait()
    time.sleep(0.2)
    check(not session_pids(server.pid), "Ctrl-C ends the program and the server")


def password_made_for_the_run():
    server, printed = serve([])
    try:
        port = re.search(r"127\.0\.0\.1 port (\d+)", printed)
        password = re.search(r"password for this run: (\S+)", printed)
        display = re.search(r"display :(\d+)", printed)
        check(bool(port and password and display), "serve-vnc.sh names port, password and display:\n" + printed)
        if not (port and password and display):
            return
        port, password, display = int(port[1]), password[1], display[1]
        time.sleep(1)  # the program connects to the display

        found = listeners(session_pids(server.pid))
        check(any(p == port for _, p in found), f"something listens on port {port}: {found}")
        check(all(address in LOOPBACK for address, _ in found), f"only on loopback: {found}")

        offered, result = rfb_session(port, NO_AUTH)
        check(offered == [VNC_AUTH], f"VNC authentication alone is offered: {offered}")
        check(result != 0, f"a client that asks for no authentication is refused: {result}")
        wrong = password[:7] + ("a" if password[7:] != "a" else "b")
        _, result = rfb_session(port, VNC_AUTH, lambda c: vnc_response(wrong, c))
        check(result == 1, f"a wrong password is refused: {result}")
        _, result = rfb_session(port, VNC_AUTH, lambda c: vnc_response(password, c))
        check(result == 0, f"the printed password lets the viewer in: {result}")

        check(x_without_cookie(display) == 0, "the X display refuses a client without the cookie")
        check(server.poll() is None, "the program runs on the display: " + (server.stdout.read() if server.poll() is not None else ""))
    finally:
        stop(server)


def password_from_a_file():
    with tempfile.NamedTemporaryFile("w") as f:
        f.write("kLn2-pw7\n")
        f.flush()
        os.chmod(f.name, 0o640)
        refused = subprocess.run(["bash", SERVE_VNC, "--password-file", f.name, "--", "true"],
                                 capture_output=True, text=True, timeout=30)
        check(refused.returncode != 0 and "chmod 600" in refused.stderr,
              f"a password file others can read is refused: {refused.returncode} {refused.stderr}")
        os.chmod(f.name, 0o600)
        server, printed = serve(["--password-file", f.name])
        try:
            port = re.search(r"127\.0\.0\.1 port (\d+)", printed)
            result = port and rfb_session(int(port[1]), VNC_AUTH, lambda c: vnc_response("kLn2-pw7", c))[1]
            check("kLn2-pw7" not in printed and result == 0, f"the file's password, not printed, lets the viewer in: {result}")
        finally:
            stop(server)


password_made_for_the_run()
password_from_a_file()
print(f"Totals: {len(failures)} failed")
sys.exit(1 if failures else 0)
