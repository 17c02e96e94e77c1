#!/usr/bin/python3
"""The project's FTP test server (pyftpdlib) on 127.0.0.1: one user with a password and
full rights in the root folder, passive and active mode.

Replies carry their code and as little text as the client needs: Wine's WinInet reads a
reply one byte per system call, so every letter costs time in a test of a thousand
uploads. A wrong password is answered at once, without the usual delay.

A file whose name holds "diskfull" cannot be written: the server takes the upload and
then answers "426 No space left on device; transfer aborted.", as a server whose disk
filled up during a transfer does.
"""
import argparse
import errno
import logging
import os
import sys

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.filesystems import AbstractedFS
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import lifeline  # noqa: E402


class FullDiskFile:
    def __init__(self, inner):
        self._inner = inner

    def write(self, data):
        raise OSError(errno.ENOSPC, os.strerror(errno.ENOSPC))

    def __getattr__(self, name):
        return getattr(self._inner, name)


# Replies whose text a client reads (addresses, sizes, folder names) keep it.
KEEP_TEXT = ("227", "229", "213", "257", "211", "426", "550", "530", "500", "501", "502", "504")


class TestHandler(FTPHandler):
    auth_failed_timeout = 0

    def respond(self, resp, logfun=None):
        code = resp[:3]
        if code not in KEEP_TEXT and not resp.startswith(code + "-"):
            resp = code + " ok"
        super().respond(resp, logfun) if logfun else super().respond(resp)


class TestFS(AbstractedFS):
    def open(self, filename, mode):
        f = super().open(filename, mode)
        if "w" in mode and "diskfull" in os.path.basename(filename):
            return FullDiskFile(f)
        return f


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--port", type=int, required=True)
    parser.add_argument("--root", required=True)
    parser.add_argument("--user", default="tester")
    parser.add_argument("--password", default="secret")
    parser.add_argument("--lifeline", type=int, default=0)
    options = parser.parse_args()
    lifeline.hold(options.lifeline)
    logging.basicConfig(level=logging.ERROR)

    os.makedirs(options.root, exist_ok=True)
    authorizer = DummyAuthorizer()
    authorizer.add_user(options.user, options.password, options.root, perm="elradfmwMT")
    handler = TestHandler
    handler.authorizer = authorizer
    handler.abstracted_fs = TestFS
    server = FTPServer(("127.0.0.1", options.port), handler)
    server.max_cons = 256
    server.serve_forever()


if __name__ == "__main__":
    main()
