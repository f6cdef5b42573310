#include "catalogue/PuzzleDetails.h"

#include "catalogue/IniFile.h"

TPuzzleDetails ReadPuzzleDetails(const std::string& FileName) {
  const TIniFile file(FileName);
  TPuzzleDetails details;
  details.Title = file.ReadString("Image", "Name", "No title / Kein Titel");
  details.Author = file.ReadString("Author", "Name", "No author / Kein Urheber");
  details.AuthorUrl = file.ReadString("Author", "URL", "No homepage / Keine Homepage");
  details.Contact = file.ReadString("Author", "Contact", "No email / Keine Email");
  details.Publisher = file.ReadString("Publisher", "Name", "No publisher / Kein Verleger");
  details.PublisherUrl = file.ReadString("Publisher", "URL", "");
  return details;
}
