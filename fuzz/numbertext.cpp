// Numbers as text and back. The first byte chooses the conversion; the rest is the text
// or the bytes of the numbers. Text read as a number is never NaN; a number written as
// text reads back to within its ten significant digits.
#include <cfloat>
#include <cmath>
#include <cstdlib>

#include "FuzzInput.h"
#include "text/NumberText.h"

namespace {

using zentoir::DynString;

void Expect(bool holds) {
  if (!holds) std::abort();
}

// NumberToText keeps ten significant digits, so reading it back is off by at most half
// a unit in the tenth digit. Rounding may carry the largest values past the largest
// double, and the smallest have fewer bits than ten digits need: both are left out.
void ExpectRoundTrip(double value) {
  const DynString text = zentoir::NumberToText(value);
  Expect(text.length < 64 && text.length == zentoir::NumberTextLength(value));
  if (!(std::fabs(value) >= DBL_MIN && std::fabs(value) <= 1e308)) return;
  const double back = zentoir::TextToNumber(text);
  Expect(std::fabs(back - value) <= 5.1e-10 * std::fabs(value));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  zentoir::fuzz::InputTaker input(data, size);
  switch (input.Byte() % 4) {
    case 0: {
      const auto bytes = input.Rest();
      const DynString text(
          std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
      const double value = zentoir::TextToNumber(text);
      Expect(!std::isnan(value));
      ExpectRoundTrip(value);
      break;
    }
    case 1:
      ExpectRoundTrip(input.Double());
      break;
    case 2: {
      const double width = input.Double(), decimals = input.Double(), value = input.Double();
      const DynString text = zentoir::FormatNumber(width, decimals, value);
      Expect(text.length == 0 || text.length < text.capacity);
      break;
    }
    default: {
      const auto value = static_cast<int32_t>(input.Bits64() >> 32);
      Expect(zentoir::TextToNumber(zentoir::IntegerToText(value)) == value);
      break;
    }
  }
  return 0;
}
