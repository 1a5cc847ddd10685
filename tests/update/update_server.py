#!/usr/bin/python3
"""The update tests' own update server: HTTP (http.server) and FTP (pyftpdlib)
over one folder, on free ports of the given host.

Paths of the HTTP server, each /<mode>/<file in the folder>:
  files      the file as it is
  auth       the file, but only with "Authorization: Basic" of --login; else 401
  status-N   the status N with a short body
  redirect   302 to /files/<file>
  slow       the file in small pieces with pauses, with its length
  truncated  a length header for the whole file and only half of it, then the connection ends
  nolength   the file without a length header, ended by closing the connection
The FTP server serves the folder to anonymous users.

When both listen, "<http port> <ftp port>" is written to --ready. Every HTTP request is
appended to --log as a JSON line (method, path, headers). The server ends when the file
--ready + ".stop" appears, or after --lifetime seconds."""

import argparse
import base64
import http.server
import json
import logging
import os
import sys
import threading
import time

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer


def parse_arguments():
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", required=True)
    parser.add_argument("--ready", required=True)
    parser.add_argument("--log", required=True)
    parser.add_argument("--host", default="127.0.0.1")
    parser.add_argument("--login", default="user:")
    parser.add_argument("--lifetime", type=float, default=900)
    return parser.parse_args()


def make_handler(root, log_file, login):
    log_lock = threading.Lock()
    expected = "Basic " + base64.b64encode(login.encode("latin-1")).decode("ascii")

    class Handler(http.server.BaseHTTPRequestHandler):
        protocol_version = "HTTP/1.0"

        def log_message(self, format, *args):
            pass

        def record(self):
            entry = {"method": self.command, "path": self.path,
                     "headers": {k.lower(): v for k, v in self.headers.items()}}
            with log_lock, open(log_file, "a", encoding="utf-8") as log:
                log.write(json.dumps(entry) + "\n")

        def answer(self, status, body=b"", length=True, headers=()):
            self.send_response(status)
            for name, value in headers:
                self.send_header(name, value)
            if length:
                self.send_header("Content-Length", str(len(body)))
            self.end_headers()
            return body

        def do_GET(self):
            self.record()
            # A query names what a script would answer; the file is the one before it.
            parts = self.path.split("?", 1)[0].lstrip("/").split("/", 1)
            mode, name = parts[0], parts[1] if len(parts) > 1 else ""
            path = os.path.normpath(os.path.join(root, name))
            if mode.startswith("status-"):
                self.wfile.write(self.answer(int(mode[7:]), b"status page\n"))
                return
            if mode == "redirect":
                self.wfile.write(self.answer(302, b"", headers=[("Location", "/files/" + name)]))
                return
            if not path.startswith(root) or not os.path.isfile(path):
                self.wfile.write(self.answer(404, b"not found\n"))
                return
            with open(path, "rb") as f:
                data = f.read()
            if mode == "files":
                self.wfile.write(self.answer(200, data))
            elif mode == "auth":
                if self.headers.get("Authorization") == expected:
                    self.wfile.write(self.answer(200, data))
                else:
                    self.wfile.write(self.answer(401, b"login\n", headers=[("WWW-Authenticate", 'Basic realm="update"')]))
            elif mode == "slow":
                self.answer(200, data)
                for at in range(0, len(data), 512):
                    self.wfile.write(data[at:at + 512])
                    self.wfile.flush()
                    time.sleep(0.02)
            elif mode == "truncated":
                self.answer(200, data)
                self.wfile.write(data[:len(data) // 2])
                self.wfile.flush()
                self.close_connection = True
            elif mode == "nolength":
                self.answer(200, length=False)
                self.wfile.write(data)
            else:
                self.wfile.write(self.answer(404, b"unknown mode\n"))

    return Handler


def main():
    args = parse_arguments()
    logging.disable(logging.CRITICAL)
    root = os.path.realpath(args.root)
    open(args.log, "a").close()

    httpd = http.server.ThreadingHTTPServer((args.host, 0), make_handler(root, args.log, args.login))
    httpd.daemon_threads = True
    threading.Thread(target=httpd.serve_forever, daemon=True).start()

    authorizer = DummyAuthorizer()
    authorizer.add_anonymous(root)
    handler = type("QuietFTPHandler", (FTPHandler,), {"authorizer": authorizer})
    ftpd = FTPServer((args.host, 0), handler)

    ports = "%d %d\n" % (httpd.server_address[1], ftpd.address[1])
    with open(args.ready + ".tmp", "w") as ready:
        ready.write(ports)
    os.replace(args.ready + ".tmp", args.ready)

    stop = args.ready + ".stop"
    end = time.monotonic() + args.lifetime
    while not os.path.exists(stop) and time.monotonic() < end:
        ftpd.serve_forever(timeout=0.05, blocking=False, handle_exit=False)
    httpd.shutdown()
    ftpd.close_all()
    for leftover in (args.ready, stop):
        if os.path.exists(leftover):
            os.remove(leftover)


if __name__ == "__main__":
    sys.exit(main())
