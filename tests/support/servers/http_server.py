#!/usr/bin/python3
"""The project's HTTP test server: replies of every shape a download or a web request
meets, on 127.0.0.1 only.

GET  /bytes/<n>            n bytes of the test pattern with a Content-Length
GET  /chunked/<n>          the same, chunked, without a length
GET  /unsized/<n>          the same without a length, ended by closing the connection
GET  /status/<code>        an error page with that status (404, 500 ...)
GET  /cut/<declared>/<n>   declares <declared> bytes, sends n of them and closes
GET  /cutchunked/<n>       chunked, n bytes, then closes without the last chunk
GET  /stall                headers with a length, then nothing until the client leaves
GET  /hang                 nothing at all, not even headers, until the client leaves
GET  /slow/<n>             n bytes with a length, 1 KiB every 20 ms
GET  /files/<name>         a file of the root folder
POST /xml/file/<name>      the root's file <name> as the answer
POST /xml/lf/<name>        the same with LF line ends instead of CR LF
POST /xml/cut/<name>       declares the whole file, sends half and closes
POST /xml/status/<code>    an answer that looks fine, under an error status
GET  /seen                 the last request with a body: request line, content type and
                           body, one per line

The pattern byte at offset i is (i * 31 + i // 65536) % 251, so that each block of a
download differs from its neighbours.
"""
import argparse
import os
import socketserver
import sys
import threading
import time
from http.server import BaseHTTPRequestHandler, HTTPServer

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import lifeline  # noqa: E402

BLOCK = 65536
_CYCLE = bytes((k * 31) % 251 for k in range(251)) * (BLOCK // 251 + 2)
_SHIFTS = {}


def pattern(start, count):
    """count bytes of the test pattern from offset start."""
    out = []
    i, end = start, start + count
    while i < end:
        segment_end = min(end, (i // BLOCK + 1) * BLOCK)
        shift = (i // BLOCK) % 251
        table = _SHIFTS.get(shift)
        if table is None:
            table = bytes(((v + shift) % 251) if v < 251 else v for v in range(256))
            _SHIFTS[shift] = table
        offset = i % 251
        out.append(_CYCLE[offset:offset + segment_end - i].translate(table))
        i = segment_end
    return b"".join(out)


class Handler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    server_version = "TnwTestServer/1.0"
    seen = ""
    seen_lock = threading.Lock()

    def log_message(self, *args):
        pass

    def send_pattern(self, count, declared=None, close=False):
        self.send_response(200)
        self.send_header("Content-Type", "application/octet-stream")
        if declared is not None:
            self.send_header("Content-Length", str(declared))
        if close:
            self.send_header("Connection", "close")
            self.close_connection = True
        self.end_headers()
        sent = 0
        while sent < count:
            n = min(BLOCK, count - sent)
            self.wfile.write(pattern(sent, n))
            sent += n

    def send_text(self, status, body, content_type="text/html"):
        data = body.encode("latin-1") if isinstance(body, str) else body
        self.send_response(status)
        self.send_header("Content-Type", content_type)
        self.send_header("Content-Length", str(len(data)))
        self.end_headers()
        self.wfile.write(data)

    def do_GET(self):
        parts = self.path.split("?")[0].strip("/").split("/")
        kind, args = parts[0], parts[1:]
        if kind == "bytes":
            n = int(args[0])
            self.send_pattern(n, declared=n)
        elif kind == "unsized":
            self.send_pattern(int(args[0]), close=True)
        elif kind == "chunked":
            self.send_chunked(int(args[0]), finish=True)
        elif kind == "cutchunked":
            self.send_chunked(int(args[0]), finish=False)
        elif kind == "status":
            code = int(args[0])
            self.send_text(code, "<html><body>Status %d</body></html>" % code)
        elif kind == "cut":
            self.send_pattern(int(args[1]), declared=int(args[0]), close=True)
        elif kind == "stall":
            self.send_response(200)
            self.send_header("Content-Length", "1000")
            self.end_headers()
            self.wfile.flush()
            self.wait_for_client_to_leave(120)
            self.close_connection = True
        elif kind == "hang":
            self.wait_for_client_to_leave(120)
            self.close_connection = True
        elif kind == "slow":
            self.send_slow(int(args[0]))
        elif kind == "files":
            self.send_file(os.path.join(self.server.root, *args))
        elif kind == "seen":
            with Handler.seen_lock:
                self.send_text(200, Handler.seen, "text/plain")
        else:
            self.send_text(404, "<html><body>Not found</body></html>")

    def do_POST(self):
        length = int(self.headers.get("Content-Length", "0"))
        body = self.rfile.read(length) if length else b""
        with Handler.seen_lock:
            Handler.seen = "%s\n%s\n%s" % (self.requestline, self.headers.get("Content-Type", ""),
                                           body.decode("latin-1"))
        parts = self.path.split("?")[0].strip("/").split("/")
        if len(parts) < 3 or parts[0] != "xml":
            self.send_text(404, "<html><body>Not found</body></html>")
            return
        kind, name = parts[1], parts[2]
        if kind == "status":
            self.send_text(int(name), '<?xml version="1.0" encoding="UTF-8" ?>\r\n<Answer>\r\n'
                           '<result>1</result>\r\n</Answer>\r\n', "text/xml")
            return
        path = os.path.join(self.server.root, name)
        if not os.path.isfile(path):
            self.send_text(404, "<html><body>Not found</body></html>")
            return
        with open(path, "rb") as f:
            data = f.read()
        if kind == "lf":
            data = data.replace(b"\r\n", b"\n")
        if kind == "cut":
            self.send_response(200)
            self.send_header("Content-Type", "text/xml")
            self.send_header("Content-Length", str(len(data)))
            self.send_header("Connection", "close")
            self.end_headers()
            self.wfile.write(data[: len(data) // 2])
            self.close_connection = True
            return
        self.send_text(200, data, "text/xml")

    def send_chunked(self, count, finish):
        self.send_response(200)
        self.send_header("Content-Type", "application/octet-stream")
        self.send_header("Transfer-Encoding", "chunked")
        if not finish:
            self.send_header("Connection", "close")
            self.close_connection = True
        self.end_headers()
        sent = 0
        while sent < count:
            n = min(1000, count - sent)
            self.wfile.write(b"%x\r\n" % n + pattern(sent, n) + b"\r\n")
            sent += n
        if finish:
            self.wfile.write(b"0\r\n\r\n")

    def send_slow(self, count):
        self.send_response(200)
        self.send_header("Content-Length", str(count))
        self.end_headers()
        sent = 0
        try:
            while sent < count:
                n = min(1024, count - sent)
                self.wfile.write(pattern(sent, n))
                self.wfile.flush()
                sent += n
                time.sleep(0.02)
        except OSError:
            self.close_connection = True

    def send_file(self, path):
        if not os.path.isfile(path):
            self.send_text(404, "<html><body>Not found</body></html>")
            return
        size = os.path.getsize(path)
        self.send_response(200)
        self.send_header("Content-Type", "application/octet-stream")
        self.send_header("Content-Length", str(size))
        self.end_headers()
        self.wfile.flush()
        with open(path, "rb") as f:
            self.connection.sendfile(f)

    def wait_for_client_to_leave(self, seconds):
        self.connection.settimeout(0.2)
        deadline = time.time() + seconds
        while time.time() < deadline:
            try:
                if not self.connection.recv(4096):
                    return
            except TimeoutError:
                continue
            except OSError:
                return


class Server(socketserver.ThreadingMixIn, HTTPServer):
    daemon_threads = True
    allow_reuse_address = True


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--port", type=int, required=True)
    parser.add_argument("--root", default=".")
    parser.add_argument("--lifeline", type=int, default=0)
    options = parser.parse_args()
    lifeline.hold(options.lifeline)
    server = Server(("127.0.0.1", options.port), Handler)
    server.root = os.path.abspath(options.root)
    server.serve_forever()


if __name__ == "__main__":
    main()
