// File channel reads. The first byte gives the number of reads, the next bytes choose
// them, the rest is the file. A read the file cannot satisfy would stop the program, so
// it is left out, as a careful program checks before it reads; every read that is made
// must give the file's bytes, and the end of the file must be reported where it is.
#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "FuzzInput.h"
#include "files/FileChannels.h"
#include "text/NumberText.h"

namespace {

using zentoir::DynString;

constexpr size_t kLineLimit = 1024;
constexpr double kChannel = 3;

struct Model {
  std::span<const uint8_t> file;
  size_t at = 0;
  size_t Left() const { return file.size() - at; }
};

void Expect(bool holds) {
  if (!holds) std::abort();
}

// The text a read of these bytes gives: it ends at the first NUL.
std::string_view UpToNul(std::span<const uint8_t> bytes) {
  const auto* chars = reinterpret_cast<const char*>(bytes.data());
  return std::string_view(chars, strnlen(chars, bytes.size()));
}

void ReadUnsigned(Model& model, int bytes) {
  if (model.Left() < size_t(bytes)) return;
  double value = 0;
  switch (bytes) {
    case 1:
      zentoir::ReadByte(kChannel, value);
      break;
    case 2:
      zentoir::ReadWord(kChannel, value);
      break;
    default:
      zentoir::ReadLong(kChannel, value);
      break;
  }
  double expected = 0;
  for (int i = bytes; i > 0; --i)
    expected = expected * 256 + model.file[model.at + size_t(i - 1)];
  Expect(value == expected);
  model.at += size_t(bytes);
}

void ReadIeee(Model& model) {
  if (model.Left() < 8) return;
  double value;
  zentoir::ReadIeee(kChannel, value);
  Expect(std::memcmp(&value, &model.file[model.at], 8) == 0);
  model.at += 8;
}

void ReadText(Model& model, size_t count) {
  if (model.Left() < count) return;
  DynString text;
  zentoir::ReadText(kChannel, text, double(count));
  Expect(text.View() == UpToNul(model.file.subspan(model.at, count)));
  model.at += count;
}

// A line ends at LF (dropped with a CR before it), at the end of the file (a CR before
// it dropped too), or after 1024 bytes (the next read goes on from there).
void ReadLine(Model& model, bool asNumber) {
  if (model.Left() == 0) return;
  const auto rest = model.file.subspan(model.at, std::min(model.Left(), kLineLimit));
  const size_t newline = size_t(std::find(rest.begin(), rest.end(), uint8_t('\n')) - rest.begin());
  const bool cut = newline == rest.size() && model.Left() >= kLineLimit;
  size_t textEnd = newline;
  if (!cut && textEnd > 0 && rest[textEnd - 1] == '\r') --textEnd;
  const std::string_view expected = UpToNul(rest.first(textEnd));
  if (asNumber) {
    double value;
    zentoir::ReadNumberLine(kChannel, value);
    Expect(value == zentoir::TextToNumber(DynString(expected)));
  } else {
    DynString text;
    zentoir::ReadLine(kChannel, text);
    Expect(text.View() == expected);
  }
  model.at += newline < rest.size() ? newline + 1 : rest.size();
}

void RunRead(Model& model, uint8_t choice) {
  switch (choice % 7) {
    case 0:
      ReadUnsigned(model, 1);
      break;
    case 1:
      ReadUnsigned(model, 2);
      break;
    case 2:
      ReadUnsigned(model, 4);
      break;
    case 3:
      ReadIeee(model);
      break;
    case 4:
      ReadText(model, choice >> 3);
      break;
    case 5:
      ReadLine(model, false);
      break;
    default:
      ReadLine(model, true);
      break;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  zentoir::fuzz::InputTaker input(data, size);
  const std::span<const uint8_t> reads = input.Bytes(input.Byte() % 32);
  Model model{input.Rest()};
  const std::string path = zentoir::fuzz::BytesAsFile(model.file.data(), model.file.size());
  if (zentoir::OpenFileChannel(kChannel, DynString(path.c_str()), 1) != 1) std::abort();
  for (uint8_t choice : reads) {
    RunRead(model, choice);
    Expect(zentoir::EndOfFile(kChannel) == (model.Left() == 0 ? 1 : 0));
  }
  zentoir::CloseFileChannel(kChannel);
  return 0;
}
