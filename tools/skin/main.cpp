// tilebrook-skin: the skin tool for skin authors.
//
//   tilebrook-skin import SKIN.ini -o FILE     write the stored-skin stream
//   tilebrook-skin compress SKIN.ini -o FILE   write a compressed skin file
//   tilebrook-skin dump --json SOURCE          describe a skin as JSON
//   tilebrook-skin check SOURCE                list what a skin author should fix
//   tilebrook-skin preview [--plain] [--screenshot FILE.png] [--dialogs FILE.png] [SOURCE]
//                                              show the skinned controls
//   tilebrook-skin frame [--size WxH] [--sizeable] [--inactive]
//                        [--screenshot FILE.png] [SOURCE]
//                                              show an empty form in the skin's frame
//
// SOURCE is a skin text, a stored-skin stream or a compressed skin file,
// told apart by content. Exit status: 0 on success (for check: nothing
// found), 1 for a refused skin, a failed write or findings, 2 for a usage
// error.

#include <sys/stat.h>

#include <cstdio>
#include <string>
#include <vector>

#include "SkinCheck.h"
#include "SkinFramePreview.h"
#include "SkinJson.h"
#include "SkinPreview.h"
#include "SkinSource.h"
#include "ToolOutput.h"
#include "platform/sys/AtomicFile.h"

namespace {

const char* const kUsage =
    "usage: tilebrook-skin import SKIN.ini -o FILE\n"
    "       tilebrook-skin compress SKIN.ini -o FILE\n"
    "       tilebrook-skin dump --json SOURCE\n"
    "       tilebrook-skin check SOURCE\n"
    "       tilebrook-skin preview [--plain] [--screenshot FILE.png] [--dialogs FILE.png]\n"
    "                              [SOURCE]\n"
    "       tilebrook-skin frame [--size WxH] [--sizeable] [--inactive] [--screenshot FILE.png]\n"
    "                            [SOURCE]\n"
    "SOURCE is a skin.ini with its pictures, a stored-skin stream written by import,\n"
    "or a compressed skin file written by compress.\n"
    "  import    writes the skin text and its pictures as one stored-skin stream\n"
    "  compress  writes a compressed skin file (version, length, zlib data)\n"
    "  dump      prints the loaded skin as one JSON object\n"
    "  check     prints one line per problem, with section and key; exit 0 when none\n"
    "  preview   shows every skinned control in each look, and opens the notices, a\n"
    "            hint and a menu; --plain without the skin; --dialogs draws a notice of\n"
    "            each kind, a hint and an open menu with its submenu into a picture\n"
    "  frame     shows an empty form (default client 760x570) in the skin's window frame;\n"
    "            --inactive draws it as an inactive window\n";

int UsageError(const std::string& message) {
  std::fprintf(stderr, "tilebrook-skin: %s\n%s", message.c_str(), kUsage);
  return 2;
}

int Failure(const std::string& message) {
  std::fprintf(stderr, "tilebrook-skin: %s\n", message.c_str());
  return 1;
}

// Prints the command's output; a failed write turns any status into 1.
int Print(const std::string& out, int status) {
  std::string why;
  if (!WriteStandardOutput(out, why))
    return Failure("cannot write to standard output: " + why);
  return status;
}

// The output of import and compress replaces a regular file or nothing; a
// directory, a pipe or a device in its place is left alone.
bool IsReplaceable(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) != 0 || S_ISREG(st.st_mode);
}

// import and compress: SKIN.ini -o FILE, the option before or after.
int Write(const std::vector<std::string>& args, bool compress) {
  std::string source, output;
  bool haveOutput = false;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "-o") {
      if (i + 1 >= args.size() || haveOutput)
        return UsageError("-o needs one file name");
      output = args[++i];
      haveOutput = true;
    } else if (!args[i].empty() && args[i][0] == '-') {
      return UsageError("unknown option " + args[i]);
    } else if (source.empty()) {
      source = args[i];
    } else {
      return UsageError("give exactly one skin text");
    }
  }
  if (source.empty() || output.empty())
    return UsageError("give a skin text and -o FILE");
  if (!IsReplaceable(output))
    return Failure("unable to write " + output + ": not a regular file");
  std::vector<uint8_t> bytes;
  try {
    bytes = compress ? CompressSkin(source) : ImportSkin(source);
  } catch (const SkinToolError& e) {
    return Failure(e.what());
  }
  // Written to a temporary file and renamed, so a full disk never leaves a
  // half-written skin in place of the old one.
  if (!sys::ReplaceFileAtomically(output,
                                  {reinterpret_cast<const char*>(bytes.data()), bytes.size()}))
    return Failure("unable to write " + output + ": " + LastSystemError());
  return 0;
}

int Dump(const std::vector<std::string>& args) {
  std::string source;
  bool json = false;
  for (const std::string& arg : args) {
    if (arg == "--json")
      json = true;
    else if (!arg.empty() && arg[0] == '-')
      return UsageError("unknown option " + arg);
    else if (source.empty())
      source = arg;
    else
      return UsageError("give exactly one skin");
  }
  if (!json)
    return UsageError("dump needs --json");
  if (source.empty())
    return UsageError("give a skin to dump");
  std::string out;
  int status = 0;
  try {
    LoadedSkin skin = LoadSkinSource(source);
    out = DumpSkinJson(*skin.data);
  } catch (const SkinToolError& e) {
    out = JsonError(e.what());
    status = 1;
  }
  return Print(out, status);
}

int Check(const std::vector<std::string>& args) {
  if (args.size() != 1 || args[0].empty() || args[0][0] == '-')
    return UsageError("give exactly one skin to check");
  std::vector<SkinFinding> findings;
  try {
    LoadedSkin skin = LoadSkinSource(args[0]);
    findings = CheckSkin(*skin.data, skin.text);
  } catch (const SkinToolError& e) {
    return Print(JsonError(e.what()), 1);
  }
  std::string out;
  for (const SkinFinding& finding : findings)
    out += FormatFinding(finding) + "\n";
  return Print(out, findings.empty() ? 0 : 1);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2)
    return UsageError("give a command");
  const std::string verb = argv[1];
  const std::vector<std::string> args(argv + 2, argv + argc);
  if (verb == "--help" || verb == "-h" || verb == "help") {
    return Print(kUsage, 0);
  }
  if (verb == "import")
    return Write(args, false);
  if (verb == "compress")
    return Write(args, true);
  if (verb == "dump")
    return Dump(args);
  if (verb == "check")
    return Check(args);
  if (verb == "preview")
    return PreviewCommand(args);
  if (verb == "frame")
    return FrameCommand(args);
  return UsageError("unknown command " + verb);
}
