// LZO1X streams: the compression of every file stored in the resource archive.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace zentoir {

// One LZO1X-1 stream, ending with its end-of-stream marker.
std::vector<uint8_t> CompressLzo1x(std::span<const uint8_t> bytes);

// Decodes one LZO1X stream with output bounds checking. Succeeds only when the stream
// is intact, uses up all of `stream` and yields exactly `unpackedSize` bytes.
std::optional<std::vector<uint8_t>> DecompressLzo1x(std::span<const uint8_t> stream,
                                                    size_t unpackedSize);

// The most bytes an LZO1X stream of `streamSize` bytes can decode to: a bound that
// keeps a lying size field from reserving memory the stream could never fill.
size_t MaxLzo1xOutput(size_t streamSize);

}  // namespace zentoir
