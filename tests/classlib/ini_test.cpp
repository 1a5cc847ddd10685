#include <gtest/gtest.h>

#include "classlib/IniFiles.h"
#include "classlib/Registry.h"
#include "classlib_fixture.h"
#include "tests/support/OutsideTools.h"

namespace {

std::vector<AnsiString> NonEmptyLines(const AnsiString& text)
{
    TStringList lines;
    lines.SetText(text);
    std::vector<AnsiString> out;
    for (int i = 0; i < lines.GetCount(); ++i)
        if (!Trim(lines.GetStrings(i)).empty())
            out.push_back(lines.GetStrings(i));
    return out;
}

}  // namespace

TEST(IniFiles, WritesLandWhereThePlatformPutsThemAndPythonReadsThem)
{
    TScratchFolder dir;
    AnsiString path = dir.File("config.ini");
    WriteFileBytes(path, "[A]\r\nx=1\r\n[B]\r\ny=2\r\n");
    {
        TIniFile ini(path);
        ini.WriteString("A", "z", "3");
        ini.WriteString("C", "w", "hello world");
        ini.WriteString("b", "y", "5");
        ini.WriteInteger("C", "n", -12);
        ini.WriteBool("C", "flag", true);
        ini.WriteBool("C", "off", false);
    }
    EXPECT_EQ(NonEmptyLines(ReadFileBytes(path)),
              (std::vector<AnsiString>{"[A]", "x=1", "z=3", "[B]", "y=5", "[C]", "w=hello world", "n=-12", "flag=1",
                                       "off=0"}));
    EXPECT_EQ(ConfigParserView(path),
              "A/x=1\nA/z=3\nB/y=5\nC/w=hello world\nC/n=-12\nC/flag=1\nC/off=0\n");

    TIniFile ini(path);
    EXPECT_EQ(ini.ReadString("c", "W", "none"), "hello world");
    EXPECT_EQ(ini.ReadString("C", "missing", "none"), "none");
    EXPECT_EQ(ini.ReadInteger("C", "n", 0), -12);
    EXPECT_EQ(ini.ReadInteger("C", "w", 77), 77);  // not an integer
    EXPECT_TRUE(ini.ReadBool("C", "flag", false));
    EXPECT_FALSE(ini.ReadBool("C", "off", true));
    EXPECT_TRUE(ini.ReadBool("Nowhere", "x", true));
    TStringList keys;
    ini.ReadSection("C", &keys);
    EXPECT_EQ(keys.GetText(), "w\r\nn\r\nflag\r\noff\r\n");
    ini.ReadSections(&keys);
    EXPECT_EQ(keys.GetText(), "A\r\nB\r\nC\r\n");
    ini.ReadSectionValues("A", &keys);
    EXPECT_EQ(keys.GetText(), "x=1\r\nz=3\r\n");
    EXPECT_TRUE(ini.ValueExists("A", "z"));
    ini.DeleteKey("A", "z");
    EXPECT_FALSE(ini.ValueExists("A", "z"));
    ini.EraseSection("B");
    EXPECT_FALSE(ini.SectionExists("B"));
}

TEST(IniFiles, AFailedWriteNamesTheFile)
{
    TScratchFolder dir;
    AnsiString path = dir.File("no\\such\\folder\\config.ini");
    TIniFile ini(path);
    try {
        ini.WriteString("A", "x", "1");
        FAIL();
    } catch (const EIniFileException& e) {
        EXPECT_EQ(e.GetMessage(), L"Unable to write to " + AnsiToWide(path));
    }
    TMemIniFile mem(path);
    mem.WriteString("A", "x", "1");
    EXPECT_THROW(mem.UpdateFile(), EIniFileException);
}

TEST(IniFiles, MemoryFileReadsWholeAndWritesBack)
{
    TScratchFolder dir;
    AnsiString path = dir.File("update.inf");
    WriteFileBytes(path, "; comment\r\n[Files]\r\n count = 2 \r\n[FILE1]\r\nurl=http://x/a.cab\r\n");
    TMemIniFile mem(path);
    EXPECT_EQ(mem.ReadInteger("files", "COUNT", 0), 2);
    EXPECT_EQ(mem.ReadString("File1", "url", ""), "http://x/a.cab");
    EXPECT_EQ(mem.ReadInteger("file1", "url", -1), -1);
    mem.WriteString("file2", "url", "b");
    mem.WriteString("files", "count", "3");
    mem.UpdateFile();
    TIniFile ini(path);
    EXPECT_EQ(ini.ReadInteger("Files", "count", 0), 3);
    EXPECT_EQ(ini.ReadString("file2", "url", ""), "b");
}

TEST(Registry, KeysValuesAndTheIniView)
{
    AnsiString base = "\\Software\\VariruvuClasslibTests\\" + IntToStr(GetCurrentProcessId());
    {
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey(base + "\\Sub", true));
        reg.WriteString("Text", "value");
        reg.WriteInteger("Number", -3);
        reg.WriteBool("Flag", true);
        EXPECT_EQ(reg.ReadString("Text"), "value");
        EXPECT_EQ(reg.ReadString("Missing"), "");
        EXPECT_EQ(reg.ReadInteger("Number"), -3);
        EXPECT_TRUE(reg.ReadBool("Flag"));
        EXPECT_THROW(reg.ReadInteger("Text"), ERegistryException);
        EXPECT_THROW(reg.ReadString("Number"), ERegistryException);
        EXPECT_TRUE(reg.ValueExists("Text"));
        EXPECT_TRUE(reg.DeleteValue("Text"));
        EXPECT_FALSE(reg.ValueExists("Text"));
        TStringList names;
        reg.GetValueNames(&names);
        names.SetSorted(true);
        EXPECT_EQ(names.GetText(), "Flag\r\nNumber\r\n");
        EXPECT_FALSE(reg.OpenKey("\\Software\\VariruvuClasslibTests\\NoSuchKey", false));
    }
    {
        TRegIniFile ini(base);
        ini.WriteString("Section", "LastURL", "http://example.invalid/");
        ini.WriteInteger("Section", "Count", 5);
        EXPECT_EQ(ini.ReadString("Section", "LastURL", ""), "http://example.invalid/");
        EXPECT_EQ(ini.ReadString("Section", "Missing", "dflt"), "dflt");
        EXPECT_EQ(ini.ReadString("NoSection", "LastURL", "dflt"), "dflt");
        EXPECT_EQ(ini.ReadInteger("Section", "Count", 0), 5);
        ini.WriteString("Section", "Textual", "12");
        EXPECT_EQ(ini.ReadInteger("Section", "Textual", 0), 12);
        EXPECT_TRUE(ini.ReadBool("Section", "Count", false));
        ini.DeleteKey("Section", "Count");
        EXPECT_EQ(ini.ReadInteger("Section", "Count", 9), 9);
    }
    TRegistry reg;
    EXPECT_TRUE(reg.KeyExists(base + "\\Sub"));
    EXPECT_TRUE(reg.DeleteKey("\\Software\\VariruvuClasslibTests"));
    EXPECT_FALSE(reg.KeyExists(base));
}
