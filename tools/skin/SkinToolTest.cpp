#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "SkinCheck.h"
#include "SkinJson.h"
#include "SkinSource.h"
#include "skin/data/SkinStreams.h"
#include "skin/data/SkinTestSupport.h"

namespace {

using skintest::Encode;
using skintest::TempDir;

const std::string kProductSkin = TILEBROOK_SOURCE_DIR "/assets/skin/skin.ini";

std::string Dump(const std::string& path) {
  LoadedSkin skin = LoadSkinSource(path);
  return DumpSkinJson(*skin.data);
}

std::string RefusalOf(const std::string& path) {
  try {
    LoadSkinSource(path);
  } catch (const SkinToolError& e) {
    return e.what();
  }
  return "accepted";
}

struct ToolRun {
  int status = -1;
  std::string out;
};

// Runs the tool with the given arguments (each quoted for the shell),
// collecting its standard output.
ToolRun RunTool(std::initializer_list<std::string> args) {
  std::string command = "'" TILEBROOK_SKIN_BINARY "'";
  for (const std::string& arg : args)
    command += " '" + arg + "'";
  command += " 2>/dev/null";
  ToolRun run;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr)
    return run;
  std::array<char, 4096> buffer;
  size_t n;
  while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
    run.out.append(buffer.data(), n);
  const int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

// Runs a shell command line around the tool and returns its exit status,
// with its standard error in err.
int RunToolShell(const std::string& arguments, std::string& err, const TempDir& dir) {
  const std::string errFile = dir.Path("stderr.txt");
  const std::string command = "'" TILEBROOK_SKIN_BINARY "' " + arguments + " 2>'" + errFile + "'";
  const int status = std::system(command.c_str());
  std::ifstream in(errFile);
  std::stringstream text;
  text << in.rdbuf();
  err = text.str();
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A small skin: 16 x 16 main picture, one 20 x 10 active picture.
void WritePictures(const TempDir& dir) {
  dir.Write("main.bmp", Encode(gfx::Bitmap(16, 16)));
  dir.Write("a0.bmp", Encode(gfx::Bitmap(20, 10)));
}

const char* const kSkinHead =
    "[VERSION]\nskinname=Caf\xe9\n"
    "[PICTURES]\npicture=main.bmp\ninactivepicture=\nmask=\nactivepicturescount=1\n0=a0.bmp\n";

TEST(SkinTool, ImportAndCompressOfTheProductSkinDumpLikeTheSkinTextItself) {
  TempDir dir("skintool-roundtrip");
  const std::string direct = Dump(kProductSkin);
  ASSERT_NE(direct.find("\"caption1\""), std::string::npos);

  const std::vector<uint8_t> stored = ImportSkin(kProductSkin);
  const std::vector<uint8_t> compressed = CompressSkin(kProductSkin);
  EXPECT_EQ(DetectSkinSource(stored), SkinSourceKind::StoredSkinStream);
  EXPECT_EQ(DetectSkinSource(compressed), SkinSourceKind::CompressedSkinFile);
  dir.Write("skin.tbs", stored);
  dir.Write("skin.cmp", compressed);
  EXPECT_EQ(Dump(dir.Path("skin.tbs")), direct);
  EXPECT_EQ(Dump(dir.Path("skin.cmp")), direct);

  // The compressed file is version 1, the data's length, then the data.
  TbsByteReader in(compressed);
  EXPECT_EQ(in.ReadInt32(), 1);
  EXPECT_EQ(in.ReadInt32(), static_cast<int32_t>(compressed.size() - 8));
}

TEST(SkinTool, DumpDescribesValuesInTheirJsonKinds) {
  TempDir dir("skintool-dump");
  WritePictures(dir);
  dir.Write("skin.ini",
            std::string(kSkinHead) +
                "[FORMINFO]\nclientrect=1,2,3,4\nlefttoppoint=0,1\nrightbottompoint=9,9\n"
                "buttonsinleft=1\ninactiveeffect=ienoise\n"
                "[SKINOBJECTS]\ncount=2\n0=caption1:caption\n1=x:nosuchtype\n"
                "[SKINCONTROLS]\ncount=1\n0=label:stdlabel\n"
                "[caption1]\nfontstyle=fsitalic,fsbold\nalignment=taleftjustify\n"
                "hint=say \"hi\"\n"
                "[label]\nfontcolor=$FF\n");
  const std::string json = Dump(dir.Path("skin.ini"));
  // Skin texts are single-byte: the name comes out as UTF-8.
  EXPECT_NE(json.find("\"skinname\": \"Caf\xc3\xa9\""), std::string::npos);
  EXPECT_NE(json.find("\"picture\": [16, 16], \"inactivepicture\": null, \"mask\": null, "
                      "\"active\": [[20, 10]]"),
            std::string::npos);
  // Frame values are described after the loader's derived values: the
  // corner points are pulled into the client area.
  EXPECT_NE(json.find("\"forminfo\": {\"lefttoppoint\": [1, 2]"), std::string::npos) << json;
  EXPECT_NE(json.find("\"rightbottompoint\": [3, 4]"), std::string::npos);
  EXPECT_NE(json.find("\"clientrect\": [1, 2, 3, 4]"), std::string::npos);
  EXPECT_NE(json.find("\"buttonsinleft\": true"), std::string::npos);
  EXPECT_NE(json.find("\"inactiveeffect\": \"ienoise\""), std::string::npos);
  EXPECT_NE(json.find("{\"name\": \"caption1\", \"type\": \"caption\", \"class\": "
                      "\"TbsDataSkinCaption\", \"keys\": {\"hint\": \"say \\\"hi\\\"\""),
            std::string::npos);
  EXPECT_NE(json.find("\"fontstyle\": [\"fsbold\", \"fsitalic\"]"), std::string::npos);
  EXPECT_NE(json.find("\"alignment\": \"taleftjustify\""), std::string::npos);
  EXPECT_NE(json.find("\"fontcolor\": 255, \"activefontcolor\": 16711680"), std::string::npos);
  EXPECT_EQ(json.find("nosuchtype"), std::string::npos);
}

TEST(SkinTool, RefusedSkinsNameTheFileAndTheReason) {
  TempDir dir("skintool-refused");
  WritePictures(dir);
  dir.Write("nosection.ini", std::string(kSkinHead) + "[FORMINFO]\n[SKINOBJECTS]\n");
  EXPECT_EQ(RefusalOf(dir.Path("nosection.ini")),
            dir.Path("nosection.ini") + " is not a skin: it has no section [SKINCONTROLS]");

  dir.Write("badrect.ini", std::string(kSkinHead) +
                               "[FORMINFO]\nclientrect=1,2,3\n[SKINOBJECTS]\n[SKINCONTROLS]\n");
  EXPECT_EQ(RefusalOf(dir.Path("badrect.ini")),
            dir.Path("badrect.ini") + ": '' is not a valid integer value at [FORMINFO] clientrect");
  dir.Write("badpoint.ini", std::string(kSkinHead) +
                                "[FORMINFO]\n[SKINOBJECTS]\n[SKINCONTROLS]\ncount=2\n"
                                "0=b:button\n1=c:combobox\n[b]\n[c]\nrighttoppoint=\n");
  EXPECT_EQ(RefusalOf(dir.Path("badpoint.ini")),
            dir.Path("badpoint.ini") + ": '' is not a valid integer value at [c] righttoppoint");

  dir.Write("nopicture.ini",
            "[VERSION]\n[PICTURES]\npicture=gone.bmp\n[FORMINFO]\n"
            "[SKINOBJECTS]\n[SKINCONTROLS]\n");
  EXPECT_NE(RefusalOf(dir.Path("nopicture.ini")).find("gone.bmp"), std::string::npos);

  std::vector<uint8_t> version2;
  WriteInt32(version2, 2);
  WriteInt32(version2, 0);
  dir.Write("v2.cmp", version2);
  EXPECT_EQ(
      RefusalOf(dir.Path("v2.cmp")),
      dir.Path("v2.cmp") + ": a compressed skin file of version 2; only version 1 can be read");

  std::vector<uint8_t> stored = ImportSkin(kProductSkin);
  stored.resize(stored.size() / 2);
  dir.Write("short.tbs", stored);
  EXPECT_EQ(RefusalOf(dir.Path("short.tbs")), dir.Path("short.tbs") + ": Stream read error");

  std::vector<uint8_t> damaged = CompressSkin(kProductSkin);
  damaged[damaged.size() / 2] ^= 0xff;
  dir.Write("damaged.cmp", damaged);
  EXPECT_EQ(RefusalOf(dir.Path("damaged.cmp")), dir.Path("damaged.cmp") + ": compression error");

  EXPECT_THROW(ImportSkin(dir.Path("nosection.ini")), SkinToolError);
  EXPECT_THROW(CompressSkin(dir.Path("nosection.ini")), SkinToolError);
}

std::vector<std::string> Findings(const std::string& path) {
  LoadedSkin skin = LoadSkinSource(path);
  std::vector<std::string> out;
  for (const SkinFinding& f : CheckSkin(*skin.data, skin.text))
    out.push_back(FormatFinding(f));
  return out;
}

TEST(SkinTool, CheckFindsEachKindOfFaultWithSectionAndKey) {
  TempDir dir("skintool-check");
  WritePictures(dir);
  dir.Write("skin.ini",
            std::string(kSkinHead) +
                "[FORMINFO]\nclientrect=2,2,14,30\nbgpictureindex=3\n"
                "[POPUPWINDOW]\nwindowpictureindex=1\n"
                "[HINTWINDOW]\nwindowpictureindex=0\nclientrect=2,2,18,11\n"
                "[SKINOBJECTS]\ncount=4\n0=caption1:caption\n1=odd:gizmo\n2=closebutton:stdbutton\n"
                "3=nameonly\n"
                "[SKINCONTROLS]\ncount=3\n0=button:button\n1=bevel:bevel\n2=field:edit\n"
                "[caption1]\nskinrect=0,0,10,8\nactivepictureindex=0\nactiveskinrect=0,0,12,8\n"
                "[closebutton]\nactivepictureindex=0\nskinrectinapicture=1\nskinrect=0,0,5,5\n"
                "downrect=18,0,23,5\n"
                "[button]\npictureindex=0\nskinrect=0,0,10,10\nactiveskinrect=10,0,20,10\n"
                "downskinrect=0,0,10,9\nclientrect=0,0,99,99\n"
                "[bevel]\npictureindex=-2\n"
                // The button's place inside an edit is no picture rectangle.
                "[field]\npictureindex=0\nskinrect=0,0,10,5\nactiveskinrect=10,0,20,6\n"
                "buttonrect=0,0,50,50\n");
  const std::vector<std::string> expected = {
      "[SKINOBJECTS] 1: unknown object type word \"gizmo\"; no record is made for odd",
      "[SKINOBJECTS] 3: entry \"nameonly\" is not of the form name:type",
      "[FORMINFO] bgpictureindex: picture index 3 is out of range: the skin has 1 active "
      "pictures (0 to 0)",
      "[FORMINFO] clientrect: rectangle 2,2,14,30 lies outside its picture main.bmp (16 x 16)",
      "[POPUPWINDOW] windowpictureindex: picture index 1 is out of range: the skin has 1 active "
      "pictures (0 to 0)",
      "[HINTWINDOW] clientrect: rectangle 2,2,18,11 lies outside its picture a0.bmp (20 x 10)",
      "[caption1] activeskinrect: rectangle 0,0,12,8 is 12 x 8 but skinrect is 10 x 8",
      "[closebutton] downrect: rectangle 18,0,23,5 lies outside its picture a0.bmp (20 x 10)",
      "[button] downskinrect: rectangle 0,0,10,9 is 10 x 9 but skinrect is 10 x 10",
      "[bevel] pictureindex: picture index -2 is out of range: the skin has 1 active pictures "
      "(0 to 0)",
      "[field] activeskinrect: rectangle 10,0,20,6 is 10 x 6 but skinrect is 10 x 5",
      "[SKINOBJECTS] minbutton: missing record: the browser window draws the minimise button "
      "with a stdbutton record named minbutton",
      "[SKINOBJECTS] maxbutton: missing record: the browser window draws the maximise button "
      "with a stdbutton record named maxbutton",
      "[SKINOBJECTS] rollupbutton: missing record: the browser window draws the roll-up button "
      "with a stdbutton record named rollupbutton",
      "[SKINOBJECTS] systemmenubutton: missing record: the browser window draws the system menu "
      "button with a stdbutton record named systemmenubutton",
      "[SKINOBJECTS] menuitem: missing record: the browser window draws the system menu's items "
      "with a menuitem record named menuitem",
      "[SKINCONTROLS] resizebutton: missing record: the browser window draws its buttons with a "
      "button record named resizebutton",
      "[SKINCONTROLS] stdlabel: missing record: the browser window draws its labels with a "
      "stdlabel record named stdlabel",
      "[SKINCONTROLS] vupdown: missing record: the browser window draws the page up-down with a "
      "updown record named vupdown",
      "[SKINCONTROLS] combobox: missing record: the browser window draws its combo boxes with a "
      "combobox record named combobox",
  };
  EXPECT_EQ(Findings(dir.Path("skin.ini")), expected);
}

TEST(SkinTool, CheckFollowsTheComboBoxToItsListAndScrollBar) {
  TempDir dir("skintool-combo");
  WritePictures(dir);
  dir.Write("skin.ini", std::string(kSkinHead) +
                            "[FORMINFO]\n[POPUPWINDOW]\n[SKINOBJECTS]\n"
                            "[SKINCONTROLS]\ncount=3\n0=combobox:combobox\n1=drop:listbox\n"
                            "2=vscrollbar:button\n"
                            "[combobox]\nlistboxname=drop\n[drop]\n[vscrollbar]\n");
  std::vector<std::string> findings = Findings(dir.Path("skin.ini"));
  EXPECT_EQ(findings.back(),
            "[SKINCONTROLS] vscrollbar: the browser window draws the scroll bar of long drop-down "
            "lists with vscrollbar as a scrollbar record, but it is of type button");
  for (const std::string& f : findings)
    EXPECT_EQ(f.find("] drop:"), std::string::npos) << f;
}

TEST(SkinTool, CommandLineExitStatuses) {
  TempDir dir("skintool-cli");
  ToolRun check = RunTool({"check", kProductSkin});
  EXPECT_EQ(check.status, 0);
  EXPECT_EQ(check.out, "");

  ToolRun dump = RunTool({"dump", "--json", kProductSkin});
  EXPECT_EQ(dump.status, 0);
  EXPECT_EQ(dump.out, Dump(kProductSkin));

  dir.Write("empty.ini", std::string());
  ToolRun refused = RunTool({"dump", "--json", dir.Path("empty.ini")});
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(refused.out, "{\"error\": \"" + dir.Path("empty.ini") +
                             " is not a skin: it has no section [VERSION]\"}\n");

  EXPECT_EQ(RunTool({"import", kProductSkin, "-o", dir.Path("out.tbs")}).status, 0);
  EXPECT_EQ(Dump(dir.Path("out.tbs")), dump.out);
  // A refused import writes nothing.
  EXPECT_EQ(RunTool({"compress", dir.Path("empty.ini"), "-o", dir.Path("bad.cmp")}).status, 1);
  EXPECT_FALSE(std::filesystem::exists(dir.Path("bad.cmp")));
  EXPECT_EQ(RunTool({"import", kProductSkin, "-o", dir.Path("no/such/dir/x")}).status, 1);

  EXPECT_EQ(RunTool({}).status, 2);
  EXPECT_EQ(RunTool({"preview", "--screenshot"}).status, 2);
  EXPECT_EQ(RunTool({"dump", kProductSkin}).status, 2);
  EXPECT_EQ(RunTool({"import", kProductSkin}).status, 2);
  EXPECT_EQ(RunTool({"check"}).status, 2);
}

TEST(SkinTool, HostileSourcesAreRefusedAtOnceNamingTheFile) {
  TempDir dir("skintool-hostile");
  WritePictures(dir);
  ASSERT_EQ(::mkfifo(dir.Path("pipe").c_str(), 0644), 0);
  std::filesystem::create_directory(dir.Path("folder"));
  EXPECT_EQ(RefusalOf(dir.Path("pipe")), dir.Path("pipe") + ": Cannot open file \"" +
                                             dir.Path("pipe") + "\": not a regular file");
  EXPECT_EQ(RefusalOf(dir.Path("folder")), dir.Path("folder") + ": Cannot open file \"" +
                                               dir.Path("folder") + "\": a directory, not a file");
  EXPECT_NE(RefusalOf("/dev/zero").find("not a regular file"), std::string::npos);
  dir.Write("pipepicture.ini",
            std::string(kSkinHead).replace(std::string(kSkinHead).find("main.bmp"), 8, "pipe") +
                "[FORMINFO]\n[SKINOBJECTS]\n[SKINCONTROLS]\n");
  EXPECT_NE(RefusalOf(dir.Path("pipepicture.ini")).find(dir.Path("pipe") + "\": not a regular"),
            std::string::npos);
  EXPECT_THROW(CompressSkin(dir.Path("pipepicture.ini")), SkinToolError);

  // A value of a million digits is quoted by its first few.
  dir.Write("longnumber.ini", std::string(kSkinHead) + "[FORMINFO]\nclientrect=1,2,3," +
                                  std::string(1000000, '7') + "\n[SKINOBJECTS]\n[SKINCONTROLS]\n");
  const std::string refusal = RefusalOf(dir.Path("longnumber.ini"));
  EXPECT_LT(refusal.size(), 300u);
  EXPECT_NE(refusal.find("'" + std::string(32, '7') + "...' is not a valid integer value"),
            std::string::npos)
      << refusal.substr(0, 300);
}

TEST(SkinTool, CheckReportsAGapInAnEntryListAsOneFinding) {
  TempDir dir("skintool-gap");
  WritePictures(dir);
  dir.Write("skin.ini", std::string(kSkinHead) +
                            "[FORMINFO]\n[SKINOBJECTS]\ncount=3\n1=caption1:caption\n"
                            "[SKINCONTROLS]\ncount=2147483647\n999999999=button:button\n"
                            "[caption1]\n[button]\n");
  std::vector<std::string> findings = Findings(dir.Path("skin.ini"));
  findings.resize(4);
  EXPECT_EQ(findings, (std::vector<std::string>{
                          "[SKINOBJECTS] 0: entry missing: count is 3",
                          "[SKINOBJECTS] 2: entry missing: count is 3",
                          "[SKINCONTROLS] 0-999999998: entries missing: count is 2147483647",
                          "[SKINCONTROLS] 1000000000-2147483646: entries missing: count is "
                          "2147483647",
                      }));
}

TEST(SkinTool, OutputsThatCannotBeWrittenFailAndSayWhy) {
  TempDir dir("skintool-output");
  std::string err;
  EXPECT_EQ(RunToolShell("dump --json '" + kProductSkin + "' >/dev/full", err, dir), 1);
  EXPECT_EQ(err, "tilebrook-skin: cannot write to standard output: No space left on device\n");
  EXPECT_EQ(RunToolShell("check '" + kProductSkin + "' >/dev/full", err, dir), 0) << err;

  // A pipe or a directory named by -o stays what it is.
  ASSERT_EQ(::mkfifo(dir.Path("pipe").c_str(), 0644), 0);
  std::filesystem::create_directory(dir.Path("folder"));
  for (const char* verb : {"import", "compress"}) {
    for (const std::string& target : {dir.Path("pipe"), dir.Path("folder")}) {
      EXPECT_EQ(
          RunToolShell(std::string(verb) + " '" + kProductSkin + "' -o '" + target + "'", err, dir),
          1)
          << verb << " " << target;
      EXPECT_EQ(err, "tilebrook-skin: unable to write " + target + ": not a regular file\n");
    }
  }
  EXPECT_TRUE(std::filesystem::is_fifo(dir.Path("pipe")));
  EXPECT_TRUE(std::filesystem::is_directory(dir.Path("folder")));

  // Names up to the system's limit, and links to regular files, are written.
  const std::string longName = dir.Path(std::string(250, 'k'));
  EXPECT_EQ(RunToolShell("import '" + kProductSkin + "' -o '" + longName + "'", err, dir), 0)
      << err;
  std::filesystem::create_symlink(longName, dir.Path("link"));
  EXPECT_EQ(RunToolShell("compress '" + kProductSkin + "' -o '" + dir.Path("link") + "'", err, dir),
            0)
      << err;
  EXPECT_TRUE(std::filesystem::is_symlink(dir.Path("link")));
  EXPECT_EQ(DetectSkinSource(ReadWholeFile(longName)), SkinSourceKind::CompressedSkinFile);

  // A write that fails gives the system's reason.
  EXPECT_EQ(RunToolShell("import '" + kProductSkin + "' -o '" + dir.Path("gone/x") + "'", err, dir),
            1);
  EXPECT_EQ(err, "tilebrook-skin: unable to write " + dir.Path("gone/x") +
                     ": No such file or directory\n");
}

}  // namespace

namespace {

// The width and height in a PNG file's header, or (0, 0).
std::pair<int, int> PngSize(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::array<unsigned char, 24> head{};
  if (!in.read(reinterpret_cast<char*>(head.data()), head.size()))
    return {0, 0};
  const auto be = [&](int at) {
    return (head[at] << 24) | (head[at + 1] << 16) | (head[at + 2] << 8) | head[at + 3];
  };
  return {be(16), be(20)};
}

TEST(SkinTool, FrameShowsAnEmptyFormOfTheAskedClientSize) {
  TempDir dir("skintool-frame");
  // The product frame adds 7 pixels left, right and below and 30 above.
  ASSERT_EQ(RunTool({"frame", "--size", "300x120", "--screenshot", dir.Path("f.png")}).status, 0);
  EXPECT_EQ(PngSize(dir.Path("f.png")), (std::pair{314, 157}));
  ASSERT_EQ(RunTool({"frame", "--inactive", "--screenshot", dir.Path("b.png")}).status, 0);
  EXPECT_EQ(PngSize(dir.Path("b.png")), (std::pair{774, 607}));
  // A frame whose client rectangle leaves its picture is drawn plain:
  // three pixels around and a caption band of 19.
  WritePictures(dir);
  dir.Write("skin.ini", std::string(kSkinHead) +
                            "[FORMINFO]\nclientrect=2,2,40,40\n[SKINOBJECTS]\ncount=0\n"
                            "[SKINCONTROLS]\ncount=0\n");
  ASSERT_EQ(RunTool({"frame", "--size", "200x50", "--screenshot", dir.Path("p.png"),
                     dir.Path("skin.ini")})
                .status,
            0);
  EXPECT_EQ(PngSize(dir.Path("p.png")), (std::pair{206, 75}));
  EXPECT_EQ(RunTool({"frame", "--size", "10"}).status, 2);
  EXPECT_EQ(RunTool({"frame", "--size", "0x10"}).status, 2);
}

}  // namespace
