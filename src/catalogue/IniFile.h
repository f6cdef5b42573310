#pragma once

// The ini-file accessor: one Windows-style ini file read and written key by
// key. Reads come from a parsed view of the file, made on the first read and
// dropped by this accessor's own writes, so reading a whole definition parses
// the file once; every write goes to the file at once.

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/sys/ProfileFile.h"
#include "platform/sys/ProfileText.h"

// Raised by a write that the file system refuses.
class EIniFileException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TIniFile {
 public:
  explicit TIniFile(std::string FileName);
  virtual ~TIniFile() = default;
  TIniFile(const TIniFile&) = delete;
  TIniFile& operator=(const TIniFile&) = delete;

  const std::string& FileName() const { return FileName_; }

  std::string ReadString(std::string_view Section, std::string_view Ident,
                         std::string_view Default) const;
  int ReadInteger(std::string_view Section, std::string_view Ident, int Default) const;
  bool ReadBool(std::string_view Section, std::string_view Ident, bool Default) const;

  // Each raises EIniFileException("Unable to write to <file>") when refused.
  void WriteString(std::string_view Section, std::string_view Ident, std::string_view Value);
  void WriteInteger(std::string_view Section, std::string_view Ident, int Value);
  void WriteBool(std::string_view Section, std::string_view Ident, bool Value);

  // Writes made from BeginUpdate on are held back and reach the file
  // together when UpdateFile runs, in one replacement: the file then holds
  // all of them or stays exactly as it was. UpdateFile raises
  // EIniFileException("Unable to write to <file>") when refused.
  void BeginUpdate();
  void UpdateFile();

 protected:
  // Frees the parsed view; a later read parses the file again. For an
  // accessor kept long after it has read what it needs.
  void DropParsedView() { Cache_.reset(); }

 private:
  const sys::ProfileDocument& Document() const;

  std::string FileName_;
  mutable std::optional<sys::ProfileDocument> Cache_;
  std::optional<std::vector<sys::ProfileEntry>> Pending_;
};
