#include "files/LzoCodec.h"

#include <lzo/lzo1x.h>

#include <new>

namespace zentoir {
namespace {

bool LzoReady() {
  static const bool ready = lzo_init() == LZO_E_OK;
  return ready;
}

}  // namespace

std::vector<uint8_t> CompressLzo1x(std::span<const uint8_t> bytes) {
  if (!LzoReady()) return {};
  // The worst case of LZO1X-1 on incompressible input.
  std::vector<uint8_t> out(bytes.size() + bytes.size() / 16 + 64 + 3);
  std::vector<uint8_t> work(LZO1X_1_MEM_COMPRESS);
  lzo_uint outSize = out.size();
  if (lzo1x_1_compress(bytes.data(), bytes.size(), out.data(), &outSize, work.data()) != LZO_E_OK) {
    return {};
  }
  out.resize(outSize);
  return out;
}

size_t MaxLzo1xOutput(size_t streamSize) {
  // A stream byte adds at most 255 bytes of output (a zero length-extension byte);
  // the instruction that opens a run adds fewer than 300 more.
  return streamSize * 255 + 300;
}

std::optional<std::vector<uint8_t>> DecompressLzo1x(std::span<const uint8_t> stream,
                                                    size_t unpackedSize) {
  if (!LzoReady() || stream.empty() || unpackedSize > MaxLzo1xOutput(stream.size())) {
    return std::nullopt;
  }
  std::vector<uint8_t> out;
  try {
    out.resize(unpackedSize + 1);  // never an empty buffer: the decoder gets a real pointer
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
  lzo_uint produced = unpackedSize;
  int status = lzo1x_decompress_safe(stream.data(), stream.size(), out.data(), &produced, nullptr);
  if (status != LZO_E_OK || produced != unpackedSize) return std::nullopt;
  out.resize(unpackedSize);
  return out;
}

}  // namespace zentoir
