#!/usr/bin/python3
"""The project's FTP test server (pyftpdlib) on 127.0.0.1: one user with a password and
full rights in the root folder, passive and active mode.

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
    handler = FTPHandler
    handler.authorizer = authorizer
    handler.abstracted_fs = TestFS
    handler.banner = "TnwTestServer ready."
    server = FTPServer(("127.0.0.1", options.port), handler)
    server.max_cons = 256
    server.serve_forever()


if __name__ == "__main__":
    main()
