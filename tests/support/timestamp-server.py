#!/usr/bin/env python3
"""timestamp-server.py TSA.CNF: an RFC 3161 time-stamp server on a free loopback port, answering with
openssl ts -reply; prints the port on its first line, then serves until killed."""
import http.server
import subprocess
import sys
import tempfile

CONFIG = sys.argv[1]


class Handler(http.server.BaseHTTPRequestHandler):
    def do_POST(self):
        query = self.rfile.read(int(self.headers.get("Content-Length", 0)))
        with tempfile.NamedTemporaryFile() as file:
            file.write(query)
            file.flush()
            reply = subprocess.run(["openssl", "ts", "-reply", "-config", CONFIG, "-queryfile", file.name],
                                   capture_output=True)
        if reply.returncode != 0:
            sys.stderr.write(reply.stderr.decode(errors="replace"))
            self.send_response(500)
            self.end_headers()
            return
        self.send_response(200)
        self.send_header("Content-Type", "application/timestamp-reply")
        self.send_header("Content-Length", str(len(reply.stdout)))
        self.end_headers()
        self.wfile.write(reply.stdout)

    def log_message(self, *args):
        pass


server = http.server.HTTPServer(("127.0.0.1", 0), Handler)
print(server.server_port, flush=True)
server.serve_forever()
