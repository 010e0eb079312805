"""HTTP(S) server for the tests: serves the files of DIR on 127.0.0.1.

    http_test_server.py DIR [--tls CERT KEY] [--truncate PATH]... [--missing PATH]...
                        [--stall PATH]... [--silent PATH]... [--redirect PATH URL]...
                        [--chunked PATH]... [--chunked-cut PATH]... [--no-length PATH]...
                        [--trickle PATH]...

Prints "PORT <n>" once listening. With --tls it speaks HTTPS with the given
certificate and key (PEM). For a path given with
  --truncate     it announces the full length but sends only half and closes;
  --missing      it answers 404 even when the file exists;
  --stall        it announces the full length, sends half and then nothing more;
  --silent       it reads the request and never answers;
  --redirect     it answers 302 with Location URL;
  --chunked      it sends the file as a chunked body;
  --chunked-cut  it sends half the file as chunks and closes without the last chunk;
  --no-length    it sends the whole file without a length and closes;
  --trickle      it announces the full length and sends one byte every half second.
"""
import argparse
import http.server
import os
import socketserver
import ssl
import sys
import time


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("dir")
    ap.add_argument("--tls", nargs=2, metavar=("CERT", "KEY"))
    for option in ("truncate", "missing", "stall", "silent", "chunked", "chunked-cut",
                   "no-length", "trickle"):
        ap.add_argument("--" + option, action="append", default=[])
    ap.add_argument("--redirect", nargs=2, action="append", default=[])
    args = ap.parse_args()
    redirects = dict(args.redirect)

    class Handler(http.server.BaseHTTPRequestHandler):
        protocol_version = "HTTP/1.1"

        def log_message(self, *a):
            pass

        def setup(self):
            if args.tls:
                self.request.do_handshake()
            super().setup()

        def hang(self):
            self.wfile.flush()
            time.sleep(3600)  # until the test stops the server

        def send_chunked(self, data, complete):
            self.send_response(200)
            self.send_header("Content-Type", "application/octet-stream")
            self.send_header("Transfer-Encoding", "chunked")
            if not complete:
                self.send_header("Connection", "close")
            self.end_headers()
            step = 4096
            for i in range(0, len(data), step):
                piece = data[i:i + step]
                self.wfile.write(b"%x\r\n%s\r\n" % (len(piece), piece))
            if complete:
                self.wfile.write(b"0\r\n\r\n")
            else:
                self.close_connection = True

        def do_GET(self):
            path = self.path.split("?", 1)[0]
            if path in args.silent:
                self.hang()
            if path in redirects:
                self.send_response(302)
                self.send_header("Location", redirects[path])
                self.send_header("Content-Length", "0")
                self.end_headers()
                return
            local = os.path.normpath(os.path.join(args.dir, path.lstrip("/")))
            if (path in args.missing or not local.startswith(args.dir)
                    or not os.path.isfile(local)):
                body = b"not found"
                self.send_response(404)
                self.send_header("Content-Length", str(len(body)))
                self.end_headers()
                self.wfile.write(body)
                return
            with open(local, "rb") as f:
                data = f.read()
            if path in args.chunked:
                self.send_chunked(data, True)
                return
            if path in args.chunked_cut:
                self.send_chunked(data[: len(data) // 2], False)
                return
            self.send_response(200)
            self.send_header("Content-Type", "application/octet-stream")
            if path in args.no_length:
                self.send_header("Connection", "close")
                self.end_headers()
                self.wfile.write(data)
                self.close_connection = True
                return
            self.send_header("Content-Length", str(len(data)))
            if path in args.truncate:
                self.send_header("Connection", "close")
                self.end_headers()
                self.wfile.write(data[: len(data) // 2])
                self.wfile.flush()
                self.close_connection = True
                return
            self.end_headers()
            if path in args.trickle:
                for i in range(len(data)):
                    self.wfile.write(data[i:i + 1])
                    self.wfile.flush()
                    time.sleep(0.5)
                return
            if path in args.stall:
                self.wfile.write(data[: len(data) // 2])
                self.hang()
            self.wfile.write(data)

    args.dir = os.path.abspath(args.dir)
    class Server(http.server.ThreadingHTTPServer):
        def server_bind(self):
            # No reverse name lookup of 127.0.0.1, which can take seconds.
            socketserver.TCPServer.server_bind(self)
            self.server_name = "127.0.0.1"
            self.server_port = self.server_address[1]

        def handle_error(self, request, client_address):
            pass  # a client that gave up (a refused certificate) is no news

    server = Server(("127.0.0.1", 0), Handler)
    if args.tls:
        context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
        context.load_cert_chain(args.tls[0], args.tls[1])
        # The handshake happens in the request's own thread, so a client
        # that stalls in it holds up no other request.
        server.socket = context.wrap_socket(server.socket, server_side=True,
                                            do_handshake_on_connect=False)
    print("PORT %d" % server.server_address[1], flush=True)
    server.serve_forever()


if __name__ == "__main__":
    sys.exit(main())
