"""An FTP server for the tests and benchmarks: pyftpdlib on 127.0.0.1.

Prints "PORT <n>" once it listens, then serves until standard input closes
or the process is stopped.
"""
import argparse
import logging
import os
import sys
import threading

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--root", required=True)
    ap.add_argument("--user", default="tester")
    ap.add_argument("--password", default="secret")
    ap.add_argument("--port", type=int, default=0)
    args = ap.parse_args()

    logging.basicConfig(level=logging.ERROR)
    authorizer = DummyAuthorizer()
    authorizer.add_user(args.user, args.password, args.root, perm="elradfmwMT")
    handler = FTPHandler
    handler.authorizer = authorizer
    handler.permit_foreign_addresses = False
    handler.passive_ports = None
    handler.auth_failed_timeout = 0.01
    server = FTPServer(("127.0.0.1", args.port), handler)
    port = server.socket.getsockname()[1]
    print("PORT %d" % port, flush=True)

    def watch_stdin():
        try:
            while sys.stdin.buffer.read(1):
                pass
        finally:
            os._exit(0)

    threading.Thread(target=watch_stdin, daemon=True).start()
    server.serve_forever()


if __name__ == "__main__":
    main()
