#include "catalogue/IniFile.h"

#include "platform/sys/Encoding.h"
#include "platform/sys/ProfileFile.h"

TIniFile::TIniFile(std::string FileName) : FileName_(std::move(FileName)) {}

const sys::ProfileDocument& TIniFile::Document() const {
  if (!Cache_)
    Cache_ = sys::ReadProfileDocument(FileName_);
  return *Cache_;
}

std::string TIniFile::ReadString(std::string_view Section, std::string_view Ident,
                                 std::string_view Default) const {
  std::string_view value = Document().Find(Section, Ident).value_or(Default);
  return std::string(sys::TruncateUtf8(value, sys::kProfileStringMax));
}

int TIniFile::ReadInteger(std::string_view Section, std::string_view Ident, int Default) const {
  return sys::ReadProfileInteger(Document(), Section, Ident, Default);
}

bool TIniFile::ReadBool(std::string_view Section, std::string_view Ident, bool Default) const {
  return ReadInteger(Section, Ident, Default ? 1 : 0) != 0;
}

void TIniFile::WriteString(std::string_view Section, std::string_view Ident,
                           std::string_view Value) {
  // Whatever happened, the file may differ from the cached view now.
  Cache_.reset();
  if (Pending_) {
    Pending_->push_back({std::string(Section), std::string(Ident), std::string(Value)});
    return;
  }
  if (!sys::WritePrivateProfileString(Section, Ident, Value, FileName_))
    throw EIniFileException("Unable to write to " + FileName_);
}

void TIniFile::BeginUpdate() {
  if (!Pending_)
    Pending_.emplace();
}

void TIniFile::UpdateFile() {
  if (!Pending_)
    return;
  const std::vector<sys::ProfileEntry> entries = std::move(*Pending_);
  Pending_.reset();
  Cache_.reset();
  if (!entries.empty() && !sys::WritePrivateProfileStrings(entries, FileName_))
    throw EIniFileException("Unable to write to " + FileName_);
}

void TIniFile::WriteInteger(std::string_view Section, std::string_view Ident, int Value) {
  WriteString(Section, Ident, std::to_string(Value));
}

void TIniFile::WriteBool(std::string_view Section, std::string_view Ident, bool Value) {
  WriteString(Section, Ident, Value ? "1" : "0");
}
