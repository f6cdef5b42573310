#include "skin/data/SkinKeys.h"

void TbsSkinKeyReader::Integer(const char* key, int& value, int def) {
  value = ini_.ReadInteger(section_, key, def);
}

void TbsSkinKeyReader::Color(const char* key, TbsColor& value, TbsColor def) {
  value = static_cast<TbsColor>(ini_.ReadInteger(section_, key, static_cast<int>(def)));
}

void TbsSkinKeyReader::Flag(const char* key, bool& value) {
  value = ReadFlagValue(ini_, section_, key);
}

void TbsSkinKeyReader::Text(const char* key, std::string& value, const char* def) {
  value.assign(ini_.FindValue(section_, key).value_or(def));
}

void TbsSkinKeyReader::Point(const char* key, gfx::Point& value) {
  value = ReadPointValue(ini_, section_, key);
}

void TbsSkinKeyReader::Rect(const char* key, gfx::Rect& value) {
  value = ReadRectValue(ini_, section_, key);
}

void TbsSkinKeyReader::FontStyle(const char* key, TbsFontStyles& value) {
  value = ReadFontStyleValue(ini_, section_, key);
}

void TbsSkinKeyReader::Alignment(const char* key, TbsAlignment& value) {
  value = ReadAlignmentValue(ini_, section_, key);
}

void TbsSkinKeyReader::MorphKind(const char* key, TbsMorphKind& value) {
  value = ReadMorphKindValue(ini_, section_, key);
}

void TbsSkinKeyReader::InactiveEffect(const char* key, TbsInactiveEffect& value) {
  value = ReadInactiveEffectValue(ini_, section_, key);
}

void TbsSkinKeyReader::Command(const char* key, TbsStdCommand& value) {
  value = ReadCommandValue(ini_, section_, key);
}

void TbsSkinKeyWriter::Integer(const char* key, int& value, int) {
  ini_.WriteInteger(section_, key, value);
}

void TbsSkinKeyWriter::Color(const char* key, TbsColor& value, TbsColor) {
  ini_.WriteInteger(section_, key, static_cast<int>(value));
}

void TbsSkinKeyWriter::Flag(const char* key, bool& value) {
  WriteFlagValue(ini_, section_, key, value);
}

void TbsSkinKeyWriter::Text(const char* key, std::string& value, const char*) {
  ini_.WriteString(section_, key, value);
}

void TbsSkinKeyWriter::Point(const char* key, gfx::Point& value) {
  WritePointValue(ini_, section_, key, value);
}

void TbsSkinKeyWriter::Rect(const char* key, gfx::Rect& value) {
  WriteRectValue(ini_, section_, key, value);
}

void TbsSkinKeyWriter::FontStyle(const char* key, TbsFontStyles& value) {
  WriteFontStyleValue(ini_, section_, key, value);
}

void TbsSkinKeyWriter::Alignment(const char* key, TbsAlignment& value) {
  WriteAlignmentValue(ini_, section_, key, value);
}

void TbsSkinKeyWriter::MorphKind(const char* key, TbsMorphKind& value) {
  WriteMorphKindValue(ini_, section_, key, value);
}

void TbsSkinKeyWriter::InactiveEffect(const char* key, TbsInactiveEffect& value) {
  WriteInactiveEffectValue(ini_, section_, key, value);
}

void TbsSkinKeyWriter::Command(const char* key, TbsStdCommand& value) {
  WriteCommandValue(ini_, section_, key, value);
}
