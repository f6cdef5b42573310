#pragma once

// Every skin record lists its keys once, in reading order, through a key
// visitor. Loading, writing back and describing a record (for the skin tool)
// are visitors over that one list, so the three can never disagree about a
// key's name, kind, default or position.

#include <cstdint>
#include <string>
#include <utility>

#include "platform/gfx/Color.h"
#include "platform/gfx/Geometry.h"
#include "skin/data/SkinIni.h"
#include "skin/data/SkinValues.h"

// A colour of the skin text: the platform value 0x00BBGGRR.
using TbsColor = gfx::ColorRef;

class TbsSkinKeyVisitor {
 public:
  virtual ~TbsSkinKeyVisitor() = default;

  virtual void Integer(const char* key, int& value, int def) = 0;
  // A picture index: an integer whose default is -1.
  virtual void PictureIndex(const char* key, int& value) { Integer(key, value, -1); }
  virtual void Color(const char* key, TbsColor& value, TbsColor def) = 0;
  virtual void Flag(const char* key, bool& value) = 0;
  virtual void Text(const char* key, std::string& value, const char* def) = 0;
  virtual void Point(const char* key, gfx::Point& value) = 0;
  virtual void Rect(const char* key, gfx::Rect& value) = 0;
  virtual void FontStyle(const char* key, TbsFontStyles& value) = 0;
  virtual void Alignment(const char* key, TbsAlignment& value) = 0;
  virtual void MorphKind(const char* key, TbsMorphKind& value) = 0;
  virtual void InactiveEffect(const char* key, TbsInactiveEffect& value) = 0;
  virtual void Command(const char* key, TbsStdCommand& value) = 0;
};

// The four font keys that many records share, in their reading order.
inline void VisitFontKeys(TbsSkinKeyVisitor& v, std::string& fontname, int& fontheight,
                          TbsFontStyles& fontstyle, TbsColor& fontcolor) {
  v.Text("fontname", fontname, "Arial");
  v.Integer("fontheight", fontheight, 14);
  v.FontStyle("fontstyle", fontstyle);
  v.Color("fontcolor", fontcolor, 0);
}

// Reads each visited key from one section, taking the key's default when it
// is absent. A point or rectangle with an empty number throws
// TbsConvertError.
class TbsSkinKeyReader : public TbsSkinKeyVisitor {
 public:
  TbsSkinKeyReader(const TbsSkinIni& ini, std::string section)
      : ini_(ini), section_(std::move(section)) {}

  void Integer(const char* key, int& value, int def) override;
  void Color(const char* key, TbsColor& value, TbsColor def) override;
  void Flag(const char* key, bool& value) override;
  void Text(const char* key, std::string& value, const char* def) override;
  void Point(const char* key, gfx::Point& value) override;
  void Rect(const char* key, gfx::Rect& value) override;
  void FontStyle(const char* key, TbsFontStyles& value) override;
  void Alignment(const char* key, TbsAlignment& value) override;
  void MorphKind(const char* key, TbsMorphKind& value) override;
  void InactiveEffect(const char* key, TbsInactiveEffect& value) override;
  void Command(const char* key, TbsStdCommand& value) override;

 private:
  const TbsSkinIni& ini_;
  std::string section_;
};

// Writes each visited key into one section in the visiting order.
class TbsSkinKeyWriter : public TbsSkinKeyVisitor {
 public:
  TbsSkinKeyWriter(TbsSkinIni& ini, std::string section)
      : ini_(ini), section_(std::move(section)) {}

  void Integer(const char* key, int& value, int def) override;
  void Color(const char* key, TbsColor& value, TbsColor def) override;
  void Flag(const char* key, bool& value) override;
  void Text(const char* key, std::string& value, const char* def) override;
  void Point(const char* key, gfx::Point& value) override;
  void Rect(const char* key, gfx::Rect& value) override;
  void FontStyle(const char* key, TbsFontStyles& value) override;
  void Alignment(const char* key, TbsAlignment& value) override;
  void MorphKind(const char* key, TbsMorphKind& value) override;
  void InactiveEffect(const char* key, TbsInactiveEffect& value) override;
  void Command(const char* key, TbsStdCommand& value) override;

 private:
  TbsSkinIni& ini_;
  std::string section_;
};
