#include <gtest/gtest.h>

#include <cstdlib>

#include "app/htmllog.h"
#include "classlib/Forms.h"
#include "classlib/SysUtils.h"
#include "tests/support/OutsideTools.h"
#include "tests/support/ScratchFolder.h"

namespace {

AnsiString ExpectedFile(const char* name)
{
    return ReadFileBytes(AnsiString("Z:" VARIRUVU_TEST_SOURCE "\\expected\\") + name);
}

THtmlLogTexts EnglishTexts()
{
    THtmlLogTexts texts;
    texts.LastUsedLabel = L"Last used:";
    texts.VersionLabel = L"Version:";
    texts.Version = L"1.0.0.0";
    texts.ProgramDate = L" - 12.08.2014";
    texts.AuthorLabel = L"Author:";
    texts.Author = L"BREVANT";
    texts.MethodLabel = L"Wipe-out method ";
    texts.Method = L"DOD 5220.22-M ECE ( 7 Passes )";
    texts.MethodInfoLabel = L"Method info: ";
    texts.MethodInfo = L"Wipes files irrecoverably as the US Department of Defense prescribes.";
    return texts;
}

// The list of the Files page: Name, File, Size and Path.
class LogList {
public:
    LogList() : FForm(nullptr), FList(new TListView(&FForm))
    {
        FList->SetParent(&FForm);
        FList->SetViewStyle(vsReport);
        FList->SetCheckboxes(true);
        for (const char* caption : {"Name", "File", "Size", "Path"})
            FList->GetColumns()->Add()->SetCaption(caption);
    }
    void Add(const AnsiString& name, const AnsiString& files, const AnsiString& size, const AnsiString& path,
             bool checked = true)
    {
        TListItem* item = FList->GetItems()->Add();
        item->SetCaption(name);
        item->GetSubItems()->Add(files);
        item->GetSubItems()->Add(size);
        item->GetSubItems()->Add(path);
        item->SetChecked(checked);
    }
    TListView* operator->() const { return FList; }
    TListView* Get() const { return FList; }

private:
    TForm FForm;
    TListView* FList;
};

class HtmlLog : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = IncludeTrailingPathDelimiter(WideToAnsi(MakeScratchFolder(L"htmllog")));
        logFile = folder + "Clearvane\\AppData\\cv-log.html";
    }
    void TearDown() override { RemoveFolderTree(AnsiToWide(ExcludeTrailingPathDelimiter(folder))); }

    // Writes the log and gives its bytes with both times of writing replaced by
    // "{now}", after checking that each is the time of the write.
    AnsiString WriteAndRead(const LogList& list, bool centerHeaders = true)
    {
        const AnsiString before = DateTimeToStr(Now());
        EXPECT_TRUE(WriteHtmlLog(list.Get(), logFile, centerHeaders, EnglishTexts()));
        const AnsiString after = DateTimeToStr(Now());
        AnsiString text = ReadFileBytes(logFile);
        int stamps = 0;
        for (size_t at = text.find("Last used:</b> "); at != AnsiString::npos;
             at = text.find("Last used:</b> ", at + 1)) {
            const size_t start = at + 15;
            const size_t end = text.find('<', start);
            const AnsiString stamp = text.substr(start, end - start);
            EXPECT_TRUE(stamp == before || stamp == after) << stamp;
            text.replace(start, end - start, "{now}");
            ++stamps;
        }
        EXPECT_EQ(stamps, 2);
        return text;
    }

    AnsiString folder, logFile;
};

const char* const FixtureRows =
    "<tr>\r\n<td><li>report.txt</td>\r\n<td>1</td><td>1.50 kB</td><td>C:\\Data\\</td></tr>"
    "<tr>\r\n<td><li>notes.txt</td>\r\n<td>1</td><td>-</td><td>C:\\Data\\</td></tr>"
    "<tr>\r\n<td><li>Photos</td>\r\n<td>12</td><td>3.20 MB</td><td>C:\\Data\\Photos</td></tr>";

void AddFixtureRows(LogList& list)
{
    list.Add("report.txt", "1", "1.50 kB", "C:\\Data\\");
    list.Add("notes.txt", "1", "", "C:\\Data\\", false);
    list.Add("Photos", "12", "3.20 MB", "C:\\Data\\Photos");
}

TEST_F(HtmlLog, TwoFilesAndAFolderGiveTheDocumentByteForByte)
{
    LogList list;
    AddFixtureRows(list);
    const AnsiString expected = ExpectedFile("cv-log.html");
    ASSERT_NE(expected.find(FixtureRows), AnsiString::npos) << "the expected file holds the fixture's rows";
    EXPECT_EQ(WriteAndRead(list), expected);
}

TEST_F(HtmlLog, AnEmptyListStillGivesTheWholeDocument)
{
    LogList list;
    AnsiString expected = ExpectedFile("cv-log.html");
    expected.erase(expected.find(FixtureRows), AnsiString(FixtureRows).size());
    EXPECT_EQ(WriteAndRead(list), expected);
}

TEST_F(HtmlLog, HeadersWithoutCentringAndTheFileReplaced)
{
    LogList list;
    AddFixtureRows(list);
    WriteAndRead(list);
    list->GetItems()->Clear();
    list.Add("only.txt", "1", "10 B", "D:\\");
    const AnsiString text = WriteAndRead(list, false);
    EXPECT_NE(text.find("<tr>\r\n<td><b>Name</b></td>\r\n<td><b>File</b></td>\r\n<td><b>Size</b></td>\r\n"
                        "<td><b>Path</b></td>\r\n</tr>\r\n<tr>\r\n<td><li>only.txt</td>\r\n"
                        "<td>1</td><td>10 B</td><td>D:\\</td></tr></table>\r\n"),
              AnsiString::npos)
        << text;
    EXPECT_EQ(text.find("report.txt"), AnsiString::npos) << "the last run replaces the one before";
}

TEST_F(HtmlLog, AFolderThatCannotBeMadeGivesFalse)
{
    LogList list;
    const AnsiString blocker = folder + "Clearvane";
    CloseHandle(CreateFileA(blocker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    EXPECT_FALSE(WriteHtmlLog(list.Get(), logFile, true, EnglishTexts()));
    EXPECT_FALSE(FileExists(logFile));
}

// The browser's own reading of the document: one line per row of the list's
// table, the cells' text joined by "|".
AnsiString BrowserRows(const AnsiString& htmlFile, const AnsiString& scratch)
{
    const AnsiString answer = scratch + "rows.txt";
    const AnsiString script =
        "export PATH=/usr/bin:/bin HOME=\"$SCRATCH\"\n"
        "chromium --headless --no-sandbox --disable-gpu --dump-dom \"file://$HTML\" >\"$SCRATCH/dom.html\" "
        "2>/dev/null\n"
        "exec /usr/bin/python3 - \"$SCRATCH/dom.html\" \"$OUT\" <<'EOF'\n"
        "import html.parser, os, sys\n"
        "class Rows(html.parser.HTMLParser):\n"
        "    def __init__(self):\n"
        "        super().__init__(); self.depth = 0; self.rows = []; self.cell = None\n"
        "    def handle_starttag(self, tag, attrs):\n"
        "        if tag == 'table': self.depth += 1 if dict(attrs).get('cellpadding') == '8' or self.depth else 0\n"
        "        if self.depth and tag == 'tr': self.rows.append([])\n"
        "        if self.depth and tag == 'td': self.cell = ''\n"
        "    def handle_endtag(self, tag):\n"
        "        if tag == 'table' and self.depth: self.depth -= 1\n"
        "        if self.depth and tag == 'td' and self.cell is not None:\n"
        "            self.rows[-1].append(self.cell.strip()); self.cell = None\n"
        "    def handle_data(self, data):\n"
        "        if self.cell is not None: self.cell += data\n"
        "p = Rows(); p.feed(open(sys.argv[1], encoding='utf-8').read())\n"
        "with open(sys.argv[2] + '.tmp', 'w', newline='\\n') as f:\n"
        "    f.write(''.join('|'.join(r) + '\\n' for r in p.rows))\n"
        "os.replace(sys.argv[2] + '.tmp', sys.argv[2])\n"
        "EOF\n";
    const std::vector<AnsiString> environment = {
        "HTML=" + UnixPath(htmlFile), "SCRATCH=" + UnixPath(ExcludeTrailingPathDelimiter(scratch)),
        "OUT=" + UnixPath(answer)};
    if (!RunHostScript(script, environment, answer))
        return "the browser gave no answer";
    return ReadFileBytes(answer);
}

TEST_F(HtmlLog, TheBrowserSeesTheHeaderRowAndOneRowPerEntry)
{
    LogList list;
    AddFixtureRows(list);
    ASSERT_TRUE(WriteHtmlLog(list.Get(), logFile, true, EnglishTexts()));
    EXPECT_EQ(BrowserRows(logFile, folder), "Name|File|Size|Path\n"
                                            "report.txt|1|1.50 kB|C:\\Data\\\n"
                                            "notes.txt|1|-|C:\\Data\\\n"
                                            "Photos|12|3.20 MB|C:\\Data\\Photos\n");
    list->GetItems()->Clear();
    ASSERT_TRUE(WriteHtmlLog(list.Get(), logFile, true, EnglishTexts()));
    EXPECT_EQ(BrowserRows(logFile, folder), "Name|File|Size|Path\n");
}

// Wine fixes a process's ANSI code page from the Unix locale it starts with:
// a copy of this program runs in a Czech locale and writes the log there.
const char* const CzechLogVariable = "VARIRUVU_CZECH_LOG";

TEST_F(HtmlLog, CzechCaptionsAreWrittenInTheSystemCodePage)
{
    const AnsiString written = folder + "czech.html";
    ASSERT_TRUE(RunSelfFromHost("HtmlLogChild.*", {"LC_ALL=cs_CZ.UTF-8", AnsiString(CzechLogVariable) + "=" + written},
                                written));
    const AnsiString text = ReadFileBytes(written);
    // The code page 1250 bytes as Python's codec gives them.
    for (const char* part : {"<h3>Metoda vymaz\xE1n\xED :</h3>",                       // Metoda vymazání
                             "<ol><img src=\"images/link-small.gif\"> P\xF8" "ep\xED\x9A" "e soubory nulami.</ol>",
                             "<td><li>\x8Elu\x9Dou\xE8k\xFD k\xF9\xF2.txt</td>",       // Žluťoučký kůň.txt
                             "<h3>????? ??????" "</h3>"})                             // outside the code page
        EXPECT_NE(text.find(part), AnsiString::npos) << part;
}

// Runs only in the copy started above.
TEST(HtmlLogChild, WritesTheLogWithCzechCaptions)
{
    const char* target = std::getenv(CzechLogVariable);
    if (!target)
        GTEST_SKIP() << "started by HtmlLog.CzechCaptionsAreWrittenInTheSystemCodePage";
    ASSERT_EQ(GetACP(), 1250u);
    LogList list;
    list.Add(WideToAnsi(L"\u017Dlu\u0165ou\u010Dk\u00FD k\u016F\u0148.txt"), "1", "4 B", "C:\\");
    THtmlLogTexts texts = EnglishTexts();
    texts.MethodLabel = L"Metoda vymaz\u00E1n\u00ED ";
    texts.Method = L"Nula ( 1 pr\u016Fchod )";
    texts.MethodInfoLabel = L"\u041C\u0435\u0442\u043E\u0434 \u0406\u043D\u0444\u043E\u0440\u043C";
    texts.MethodInfo = L"P\u0159ep\u00ED\u0161e soubory nulami.";
    const AnsiString partial = AnsiString(target) + ".part";
    ASSERT_TRUE(WriteHtmlLog(list.Get(), partial, true, texts));
    ASSERT_TRUE(MoveFileA(partial.c_str(), target));
}

}  // namespace
