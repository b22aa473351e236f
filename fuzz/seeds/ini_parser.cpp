// Sections, comments, duplicate names, empty values, control bytes and a long line.
#include <string>

#include "SeedCorpus.h"
#include "files/IniText.h"

FUZZ_SEEDS(ini_parser) {
  seeds.Add("[Optionen]\r\nName = Spieler\r\nPunkte=\r\n");
  seeds.Add("top=1\n; comment\n[Empty]\n[ A] rest\nk =  v \x01\r\n[a]\nk=again\n");
  seeds.Add("[Br]]]\n=no key\nnoequals\n\t[Tab]\nx\t=\ty\r");
  std::vector<zentoir::IniSection> sections(1);
  sections[0].name = "Written";
  sections[0].entries.push_back({"Key", "Value with blanks "});
  seeds.Add(zentoir::FormatIniText(sections));
  seeds.Add("[Long]\nk=" + std::string(1100, 'v') + "\nafter=1\n");
}
