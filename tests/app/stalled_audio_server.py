#!/usr/bin/python3
"""An audio server that never answers, like a hung PulseAudio: it accepts connections on the Unix socket
given and says nothing. The start-up test and the benchmarks run the game against it."""
import socket
import sys

server = socket.socket(socket.AF_UNIX)
server.bind(sys.argv[1])
server.listen(16)
clients = []  # kept open and never read, until the server is ended
while True:
    clients.append(server.accept()[0])
