#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "files/IniStore.h"
#include "files/IniText.h"
#include "files/TextLines.h"

namespace zentoir {
namespace {

// The store of a text as the parser reads it, written out again.
std::string Reformatted(std::string_view text) {
  return FormatIniText(ParseIniText(text));
}

IniStore StoreOf(std::string_view text) {
  IniStore store;
  store.sections = ParseIniText(text);
  return store;
}

std::vector<std::string> LinesOf(std::string_view bytes) {
  TextLineReader reader(bytes);
  std::vector<std::string> lines;
  for (std::string_view line; reader.Next(line);)
    lines.emplace_back(line);
  return lines;
}

TEST(TextLines, EndAtLfDropCrBeforeItAndCutLongLines) {
  EXPECT_EQ(LinesOf("a\r\nb\rc\n\nlast"), (std::vector<std::string>{"a", "b\rc", "", "last"}));
  EXPECT_EQ(LinesOf("a\r\n"), std::vector<std::string>{"a"});
  EXPECT_EQ(LinesOf(std::string("ab\0cd\nx", 7)), (std::vector<std::string>{"ab", "x"}));
  // 1023 bytes fill a line even with its CR LF; one more byte goes to the next line.
  const std::string full(1023, 'f');
  EXPECT_EQ(LinesOf(full + "\r\n" + full + "g\r\n"), (std::vector<std::string>{full, full, "g"}));
}

TEST(IniText, SectionAndKeyAreFoundWithoutRegardToCase) {
  const IniStore store = StoreOf("[Optionen]\r\nName = Spieler\r\n");
  EXPECT_EQ(store.Get("optionen", "NAME"), DynString("Spieler"));
  EXPECT_EQ(store.Get("Optionen", "Nam"), DynString("NO_DATA"));
  EXPECT_EQ(store.Get("Other", "Name"), DynString("NO_DATA"));
}

TEST(IniText, EmptyValuesAreIgnoredAndControlBytesTrimmedButBlanksKept) {
  const IniStore store = StoreOf("[S]\nPunkte=\nLeer =  \t\nWert = a b \x01\x1f\r\nNoEquals x\n");
  EXPECT_EQ(store.Get("S", "Punkte"), DynString("NO_DATA"));
  EXPECT_EQ(store.Get("S", "Leer"), DynString("NO_DATA"));
  EXPECT_EQ(store.Get("S", "Wert"), DynString("a b "));
  EXPECT_EQ(store.Get("S", "NoEquals"), DynString("NO_DATA"));
}

TEST(IniText, HeadersCommentsAndSectionsWithoutEntries) {
  EXPECT_EQ(Reformatted("top=1\n"
                        "  ; comment=no\n"
                        "[Empty]\n"
                        "[ Spaced] trailing\n"
                        "a=1\n"
                        "[Two Words]\n"
                        "b=2\n"
                        "[Br]]]\n"
                        "c = 3\n"),
            "[]\r\ntop=1\r\n[Spaced]\r\na=1\r\n[Two]\r\nb=2\r\n[Br]]]\r\nc=3\r\n");
}

TEST(IniText, RoundTripKeepsDuplicateSectionsAndDropsComments) {
  const std::string file =
      "; settings\r\n"
      "[Player]\r\n"
      "Name=Anna\r\n"
      "[Sound]\r\n"
      "Volume = 80\r\n"
      "; again\r\n"
      "[player]\r\n"
      "Name=Ben\r\n";
  const std::string written = Reformatted(file);
  EXPECT_EQ(written, "[Player]\r\nName=Anna\r\n[Sound]\r\nVolume=80\r\n[player]\r\nName=Ben\r\n");
  EXPECT_EQ(Reformatted(written), written);
  // The later section of the same name is never consulted.
  EXPECT_EQ(StoreOf(file).Get("PLAYER", "name"), DynString("Anna"));
}

TEST(IniStorePut, AddsReplacesAndDeletesByMovingTheLastIntoTheGap) {
  IniStore store = StoreOf("[A]\nk1=1\nk2=2\nk3=3\n[B]\nx=1\n[C]\ny=1\n");
  store.Put("a", "K2", "two");
  EXPECT_EQ(store.iniDirty, 1);
  store.Put("A", "k1", "");  // deletes k1: k3 takes its place
  store.Put("New", "n", "v");
  store.Put("B", "", "");  // deletes B: New takes its place
  EXPECT_EQ(FormatIniText(store.sections),
            "[A]\r\nk3=3\r\nk2=two\r\n[New]\r\nn=v\r\n[C]\r\ny=1\r\n");
  EXPECT_EQ(store.sectionCount(), 3u);
}

TEST(IniStorePut, DeletingASectionAloneMarksTheStoreChanged) {
  IniStore store = StoreOf("[A]\nk=1\n");
  store.Put("Missing", "", "");
  EXPECT_EQ(store.iniDirty, 0);
  store.Put("a", "", "");
  EXPECT_EQ(store.iniDirty, 1);
  EXPECT_EQ(store.sectionCount(), 0u);
}

}  // namespace
}  // namespace zentoir
