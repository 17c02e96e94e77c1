"""The tie between a test program and a server it started.

The test program listens on a port of 127.0.0.1 and hands it to the server, which connects
to it at start. When the test program closes that connection - it stops the server, or it
ends, or it crashes and the system closes its sockets - the server ends at once. So no
server outlives the program that needs it.
"""
import os
import socket
import threading


def hold(port):
    """Connects to the test program's lifeline port and ends the process when it closes."""
    if not port:
        return
    tie = socket.create_connection(("127.0.0.1", port), timeout=10)
    tie.settimeout(None)

    def watch():
        try:
            while tie.recv(64):
                pass
        except OSError:
            pass
        os._exit(0)

    threading.Thread(target=watch, daemon=True).start()
