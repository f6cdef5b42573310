#include "JsonText.h"

#include <cstdio>

#include "platform/sys/Encoding.h"

std::string JsonString(const std::string& text) {
  std::string valid = sys::IsValidUtf8(text) ? text : sys::Windows1252ToUtf8(text);
  std::string out = "\"";
  for (char c : valid) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char buffer[8];
          std::snprintf(buffer, sizeof buffer, "\\u%04x", static_cast<unsigned char>(c));
          out += buffer;
        } else {
          out += c;
        }
    }
  }
  return out + "\"";
}
