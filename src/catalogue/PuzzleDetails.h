#pragma once

// A puzzle's detail file: the title, author and publisher of one puzzle,
// shown by the author button of its preview. Every value missing from the
// file, and every value of a file that cannot be read, takes its default.

#include <string>

struct TPuzzleDetails {
  std::string Title;
  std::string Author;
  std::string AuthorUrl;
  std::string Contact;
  std::string Publisher;
  std::string PublisherUrl;
};

TPuzzleDetails ReadPuzzleDetails(const std::string& FileName);
