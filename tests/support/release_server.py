#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Serves a folder on 127.0.0.1 over HTTP, or HTTPS with the given certificate, for tests.

Prints the port on the first line of its output, then serves until it is terminated. Faults
are read from a JSON file ({"/path": "fault"}) at every request:
  truncate       Content-Length of the whole file, half of it sent, connection closed
  stall          headers and half the body, then nothing
  trickle        one byte every 50 ms
  redirect-loop  302 to the same path, for ever
  big            8 MiB of zeros, no Content-Length
  missing        404
  to-http        302 to the same path over plain http://
"""
import argparse
import http.server
import json
import os
import ssl
import sys
import time


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", required=True)
    parser.add_argument("--faults", required=True)
    parser.add_argument("--cert")
    parser.add_argument("--key")
    args = parser.parse_args()

    class Handler(http.server.SimpleHTTPRequestHandler):
        def __init__(self, *a, **kw):
            super().__init__(*a, directory=args.root, **kw)

        def log_message(self, *a):
            pass

        def fault(self):
            try:
                with open(args.faults, encoding="utf-8") as f:
                    return json.load(f).get(self.path.split("?")[0], "")
            except (OSError, ValueError):
                return ""

        def do_HEAD(self):
            if self.fault() in ("missing", "redirect-loop", "to-http"):
                return self.do_GET()
            return super().do_HEAD()

        def do_GET(self):
            fault = self.fault()
            if fault == "missing":
                return self.send_error(404)
            if fault == "redirect-loop":
                self.send_response(302)
                self.send_header("Location", self.path)
                self.send_header("Content-Length", "0")
                return self.end_headers()
            if fault == "to-http":
                self.send_response(302)
                self.send_header("Location", "http://127.0.0.1:%d%s" % (self.server.server_address[1], self.path))
                self.send_header("Content-Length", "0")
                return self.end_headers()
            if fault == "big":
                self.send_response(200)
                self.send_header("Last-Modified", self.date_time_string())
                self.send_header("Connection", "close")
                self.end_headers()
                for _ in range(128):
                    self.wfile.write(bytes(65536))
                return
            if fault not in ("truncate", "stall", "trickle"):
                return super().do_GET()
            path = self.translate_path(self.path)
            with open(path, "rb") as f:
                body = f.read()
            self.send_response(200)
            self.send_header("Content-Length", str(len(body)))
            self.send_header("Last-Modified", self.date_time_string(os.path.getmtime(path)))
            self.send_header("Connection", "close")
            self.end_headers()
            if fault == "trickle":
                for b in body:
                    self.wfile.write(bytes([b]))
                    self.wfile.flush()
                    time.sleep(0.05)
                return
            self.wfile.write(body[: len(body) // 2])
            self.wfile.flush()
            if fault == "stall":
                time.sleep(30)
            self.close_connection = True

    class Server(http.server.ThreadingHTTPServer):
        daemon_threads = True

        def handle_error(self, request, client_address):
            pass  # a client that gave up on purpose

    server = Server(("127.0.0.1", 0), Handler)
    if args.cert:
        context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
        context.load_cert_chain(args.cert, args.key)
        server.socket = context.wrap_socket(server.socket, server_side=True)
    print(server.server_address[1], flush=True)
    sys.stdout.close()
    server.serve_forever()


if __name__ == "__main__":
    main()
