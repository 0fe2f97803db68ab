# A print server that answers, but slowly: a proxy on a Unix socket in front
# of the real cupsd that holds every piece of every answer back for a few
# seconds, less than the program waits for one answer.
#
#   python3 slow_print_server.py SOCKET DELAY_SECONDS
import asyncio
import os
import sys

path, delay = sys.argv[1], float(sys.argv[2])
upstream = "/run/cups/cups.sock"


async def pipe(reader, writer, hold):
    try:
        while data := await reader.read(65536):
            if hold:
                await asyncio.sleep(delay)
            writer.write(data)
            await writer.drain()
    except ConnectionError:
        pass
    finally:
        writer.close()


async def client(reader, writer):
    if os.path.exists(upstream):
        up_reader, up_writer = await asyncio.open_unix_connection(upstream)
    else:
        up_reader, up_writer = await asyncio.open_connection("localhost", 631)
    await asyncio.gather(pipe(reader, up_writer, False), pipe(up_reader, writer, True))


async def main():
    server = await asyncio.start_unix_server(client, path)
    async with server:
        await server.serve_forever()


asyncio.run(main())
