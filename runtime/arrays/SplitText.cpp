#include "arrays/SplitText.h"

#include <string_view>

namespace zentoir {

double SplitText(DynString text, GenericArray<DynString>& pieces, const DynString& separators) {
  DimTextArray(pieces, 0, 0, 0, 0);
  const std::string_view source = text.View();
  const std::string_view separatorSet = separators.View();
  auto isSeparator = [&](char c) { return separatorSet.find(c) != std::string_view::npos; };

  // First count the pieces, then dimension once and fill.
  auto forEachPiece = [&](auto&& visit) {
    size_t i = 0;
    while (i < source.size()) {
      while (i < source.size() && isSeparator(source[i]))
        ++i;
      const size_t begin = i;
      while (i < source.size() && !isSeparator(source[i]))
        ++i;
      if (i > begin) visit(source.substr(begin, i - begin));
    }
  };
  int32_t count = 0;
  forEachPiece([&](std::string_view) { ++count; });
  DimTextArray(pieces, count, 0, 0, 0);
  int32_t index = 0;
  forEachPiece([&](std::string_view piece) {
    pieces.data[index++].AssignBytes(piece.data(), static_cast<uint32_t>(piece.size()));
  });
  return count;
}

}  // namespace zentoir
