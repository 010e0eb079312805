"""HTTP server for the tests: serves the files of DIR on 127.0.0.1.

    http_test_server.py DIR [--truncate PATH]... [--missing PATH]...

Prints "PORT <n>" once listening. A path given with --truncate announces its
full length but sends only half of it and closes; one given with --missing
answers 404 even when the file exists.
"""
import argparse
import http.server
import os
import sys


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("dir")
    ap.add_argument("--truncate", action="append", default=[])
    ap.add_argument("--missing", action="append", default=[])
    args = ap.parse_args()

    class Handler(http.server.BaseHTTPRequestHandler):
        protocol_version = "HTTP/1.1"

        def log_message(self, *a):
            pass

        def do_GET(self):
            path = self.path.split("?", 1)[0]
            local = os.path.normpath(os.path.join(args.dir, path.lstrip("/")))
            if (path in args.missing or not local.startswith(os.path.abspath(args.dir))
                    or not os.path.isfile(local)):
                body = b"not found"
                self.send_response(404)
                self.send_header("Content-Length", str(len(body)))
                self.end_headers()
                self.wfile.write(body)
                return
            with open(local, "rb") as f:
                data = f.read()
            self.send_response(200)
            self.send_header("Content-Type", "application/octet-stream")
            self.send_header("Content-Length", str(len(data)))
            if path in args.truncate:
                self.send_header("Connection", "close")
                self.end_headers()
                self.wfile.write(data[: len(data) // 2])
                self.wfile.flush()
                self.close_connection = True
                return
            self.end_headers()
            self.wfile.write(data)

    args.dir = os.path.abspath(args.dir)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    print("PORT %d" % server.server_address[1], flush=True)
    server.serve_forever()


if __name__ == "__main__":
    sys.exit(main())
