#include "tiles/PuzzleTitle.h"

#include "catalogue/IniFile.h"

std::string PuzzleTitle(const TPuzzleName& Name) {
  const TIniFile details(Name.PuzzleStem() + ".ini");
  std::string title = details.ReadString("Image", "Name", "");
  // A title of blanks or line breaks says nothing.
  if (title.find_first_not_of(" \t\r\n") == std::string::npos)
    return Name.FileBase + " " + std::to_string(Name.Number);
  return title;
}
