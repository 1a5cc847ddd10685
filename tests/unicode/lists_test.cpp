// Wide string lists: text, loading and saving, change events, name=value
// lines, sorting, index errors and the ANSI view.
#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "tests/unicode/unicode_fixture.h"
#include "unicode/UniWideStrings.h"
#include "unicode_vectors.h"

namespace {

using Lines = std::vector<WideString>;

Lines LinesOf(const TWideStrings& list)
{
    Lines lines;
    for (int i = 0; i < list.GetCount(); ++i)
        lines.push_back(list.Get(i));
    return lines;
}

AnsiString StreamBytes(TMemoryStream& stream)
{
    return AnsiString(static_cast<const char*>(stream.GetMemory()), size_t(stream.GetSize()));
}

AnsiString Utf16LEBytes(const WideString& s)
{
    return AnsiString(reinterpret_cast<const char*>(s.data()), s.size() * sizeof(wchar_t));
}

void LoadBytes(TUniStrings& list, const AnsiString& bytes)
{
    TMemoryStream stream;
    stream.WriteBuffer(bytes.data(), int32_t(bytes.size()));
    stream.SetPosition(0);
    list.LoadFromStream(&stream);
}

// Counts the list's change events and checks that they come in pairs.
class TChangeRecorder : public TObject {
public:
    explicit TChangeRecorder(TUniStringList& list) : FList(list)
    {
        list.SetOnChanging(TNotifyEvent(this, &TChangeRecorder::ListChanging));
        list.SetOnChange(TNotifyEvent(this, &TChangeRecorder::ListChanged));
    }
    std::string Events() const { return FEvents; }
    void Reset() { FEvents.clear(); }

private:
    void ListChanging(TObject* sender)
    {
        EXPECT_EQ(sender, &FList);
        FEvents += "<";
    }
    void ListChanged(TObject* sender)
    {
        EXPECT_EQ(sender, &FList);
        FEvents += ">";
    }

    TUniStringList& FList;
    std::string FEvents;
};

WideString ErrorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const EStringListError& e) {
        return e.GetMessage();
    }
    return L"<no error>";
}

// The least a list must give: what TWideStrings builds everything else on.
class TPlainWideStrings : public TWideStrings {
public:
    WideString Get(int index) const override { return FLines.at(size_t(index)); }
    int GetCount() const override { return int(FLines.size()); }
    void Clear() override { FLines.clear(); }
    void Delete(int index) override { FLines.erase(FLines.begin() + index); }
    void Insert(int index, const WideString& s) override { FLines.insert(FLines.begin() + index, s); }

private:
    Lines FLines;
};

}  // namespace

TEST(WideListText, EveryKindOfLineBreakEndsOneLine)
{
    struct {
        const wchar_t* Text;
        Lines Expected;
    } cases[] = {
        {L"a\r\nb\r\n", {L"a", L"b"}},
        {L"a\rb\nc", {L"a", L"b", L"c"}},
        {L"a\u2028b", {L"a", L"b"}},
        {L"a\r\n\u2028b", {L"a", L"b"}},
        {L"a\r\rb", {L"a", L"", L"b"}},
        {L"a\n\nb", {L"a", L"", L"b"}},
        {L"a\n\rb", {L"a", L"", L"b"}},
        {L"\r\n", {L""}},
        {L"", {}},
        {L"last line", {L"last line"}},
    };
    TUniStringList list;
    for (const auto& c : cases) {
        list.SetTextStr(c.Text);
        EXPECT_EQ(LinesOf(list), c.Expected) << testing::PrintToString(WideToAnsi(c.Text, CP_UTF8));
    }
    list.SetTextStr(L"a\r\nb\r\n");
    EXPECT_EQ(list.GetTextStr(), L"a\r\nb\r\n");
    list.SetTextBuffer(L"x\ny");
    EXPECT_EQ(LinesOf(list), (Lines{L"x", L"y"}));
    TWideBuffer text = list.GetText();
    EXPECT_EQ(WideString(text.get()), L"x\r\ny\r\n");
}

TEST(WideListLoading, FilesWrittenByPythonAreDetectedAndDecoded)
{
    for (const auto& file : TextFiles) {
        if (file.CharSet == AnsiText)
            continue;
        SCOPED_TRACE(WideToAnsi(file.Path, CP_UTF8));
        TUniStringList list;
        list.LoadFromFile(file.Path);
        EXPECT_EQ(list.GetDetectedFileCharSet(), TStreamCharSet(file.CharSet));
        EXPECT_EQ(LinesOf(list), file.Lines);
    }
}

TEST(WideListLoading, AnEightBitFileIsReadInTheCodePageOfItsLanguage)
{
    for (const auto& file : TextFiles) {
        if (file.CharSet != AnsiText)
            continue;
        TUniStringList list;
        TUniFileStream stream(file.Path, fmOpenRead | fmShareDenyWrite);
        TStreamCharSet charSet = DetectStreamCharSet(&stream);
        stream.SetPosition(0);
        list.LoadFromStream(&stream);
        ASSERT_EQ(charSet, AnsiText);
        stream.SetPosition(0);
        list.GetAnsiStrings()->LoadFromStreamInCodePage(&stream, 1250);
        EXPECT_EQ(LinesOf(list), file.Lines);
    }
}

TEST(WideListLoading, MarksAndOddLengths)
{
    TUniStringList list;
    LoadBytes(list, AnsiString("\xFF\xFE\x41\x00\x42", 5));
    EXPECT_EQ(LinesOf(list), (Lines{L"A"}));
    LoadBytes(list, AnsiString("\xFF\xFE\x41", 3));
    EXPECT_EQ(list.GetCount(), 0);
    LoadBytes(list, AnsiString("\xFE\xFF\x04\x1F\x00\x0D\x00\x0A\x01\x60", 10));
    EXPECT_EQ(LinesOf(list), (Lines{L"\u041F", L"\u0160"}));
    LoadBytes(list, "\xEF\xBB\xBF\xC5\xBD\x0A\x61");
    EXPECT_EQ(LinesOf(list), (Lines{L"\u017D", L"a"}));
    LoadBytes(list, "plain\r\ntext");
    EXPECT_EQ(LinesOf(list), (Lines{L"plain", L"text"}));
    // Without detection the stream is UTF-16 LE, a mark included.
    TMemoryStream stream;
    stream.WriteBuffer("\xFF\xFE\x41\x00", 4);
    stream.SetPosition(0);
    list.LoadFromStreamDetect(&stream, false);
    EXPECT_EQ(LinesOf(list), (Lines{L"\uFEFFA"}));
}

TEST(WideListSaving, FilesCarryTheMarkAndEndEveryLine)
{
    TScratchFolder folder;
    const auto& reference = TextFiles[0];
    TUniStringList list;
    for (const WideString& line : reference.Lines)
        list.Add(line);
    WideString path = folder.File(L"ulo\u017Eeno.txt");
    list.SaveToFile(path);
    EXPECT_EQ(ReadFileBytes(path), ReadFileBytes(reference.Path) + AnsiString("\r\0\n\0", 4));

    TUniStringList back;
    back.LoadFromFile(path);
    EXPECT_EQ(LinesOf(back), reference.Lines);

    TMemoryStream unmarked;
    list.SaveToStreamMarked(&unmarked, false);
    EXPECT_EQ(StreamBytes(unmarked), ReadFileBytes(reference.Path).substr(2) + AnsiString("\r\0\n\0", 4));
}

TEST(WideListSaving, ThePlainListHasNoMarkAndNoDetection)
{
    TPlainWideStrings list;
    list.SetTextStr(L"\u017D\r\nb");
    TMemoryStream stream;
    list.SaveToStream(&stream);
    EXPECT_EQ(StreamBytes(stream), Utf16LEBytes(L"\u017D\r\nb\r\n"));
    stream.SetPosition(0);
    TPlainWideStrings back;
    back.LoadFromStream(&stream);
    EXPECT_EQ(LinesOf(back), (Lines{L"\u017D", L"b"}));
}

TEST(WideListEvents, AnUpdateBracketFiresOnePair)
{
    TUniStringList list;
    TChangeRecorder recorder(list);
    list.Add(L"a");
    EXPECT_EQ(recorder.Events(), "<>");
    recorder.Reset();
    list.SetTextStr(L"a\r\nb\r\nc");
    EXPECT_EQ(recorder.Events(), "<>");
    recorder.Reset();
    list.BeginUpdate();
    list.BeginUpdate();
    list.Add(L"d");
    list.Delete(0);
    list.EndUpdate();
    EXPECT_EQ(recorder.Events(), "<");
    list.EndUpdate();
    EXPECT_EQ(recorder.Events(), "<>");
    recorder.Reset();
    TMemoryStream stream;
    list.SaveToStream(&stream);
    stream.SetPosition(0);
    list.LoadFromStream(&stream);
    EXPECT_EQ(recorder.Events(), "<>");
}

TEST(WideListEvents, ChangesFireBeforeAndAfterAndEmptyClearsFireNothing)
{
    TUniStringList list;
    int countWhenChanging = -1;
    int countWhenChanged = -1;
    list.SetOnChanging(TNotifyEvent::FromFunction([&](TObject*) { countWhenChanging = list.GetCount(); }));
    list.SetOnChange(TNotifyEvent::FromFunction([&](TObject*) { countWhenChanged = list.GetCount(); }));
    list.Add(L"x");
    EXPECT_EQ(countWhenChanging, 0);
    EXPECT_EQ(countWhenChanged, 1);
    list.Clear();
    countWhenChanging = countWhenChanged = -1;
    list.Clear();
    EXPECT_EQ(countWhenChanging, -1);
    EXPECT_EQ(countWhenChanged, -1);
}

TEST(WideListValues, NameValueLines)
{
    TUniStringList list;
    list.SetValues(L"x", L"");
    EXPECT_EQ(list.GetCount(), 0);
    list.SetValues(L"x", L"1");
    EXPECT_EQ(LinesOf(list), (Lines{L"x=1"}));
    list.Add(L"name");
    list.Add(L"Key=a=b");
    EXPECT_EQ(list.IndexOfName(L"name"), -1);
    EXPECT_EQ(list.IndexOfName(L"key"), 2);
    EXPECT_EQ(list.GetValues(L"KEY"), L"a=b");
    EXPECT_EQ(list.GetValues(L"none"), L"");
    list.SetValues(L"x", L"2");
    EXPECT_EQ(list.Get(0), L"x=2");
    list.SetValues(L"x", L"");
    EXPECT_EQ(LinesOf(list), (Lines{L"name", L"Key=a=b"}));
    list.SetNameSeparator(L':');
    list.SetValues(L"\u017Dlu\u0165", L"v");
    EXPECT_EQ(list.Get(2), L"\u017Dlu\u0165:v");
    EXPECT_EQ(list.IndexOfName(L"\u017DLU\u0164"), 2);
    EXPECT_EQ(list.IndexOfName(L"Key"), -1);
}

TEST(WideListSort, TheQuicksortAsGiven)
{
    TUniStringList list;
    list.SetTextStr(L"d\nB\na\nb\nC\nA\nc\nD");
    list.Sort();
    EXPECT_EQ(LinesOf(list), (Lines{L"a", L"A", L"b", L"B", L"c", L"C", L"D", L"d"}));

    // Equal keys show the exact exchanges and the pivot that follows them.
    static std::vector<std::pair<int, int>> calls;
    calls.clear();
    list.SetTextStr(L"b1\na1\nb2\na2\na3");
    list.CustomSort([](TUniStringList* l, int i, int j) {
        calls.emplace_back(i, j);
        return int(l->Get(i)[0]) - int(l->Get(j)[0]);
    });
    EXPECT_EQ(LinesOf(list), (Lines{L"a2", L"a1", L"a3", L"b1", L"b2"}));
    std::vector<std::pair<int, int>> expected = {{0, 2}, {4, 2}, {1, 2}, {2, 2}, {3, 2}, {0, 1},
                                                 {2, 1}, {1, 1}, {1, 1}, {3, 3}, {4, 3}};
    EXPECT_EQ(calls, expected);
}

TEST(WideListSort, SortedModeFindsAndRefusesPositionalChanges)
{
    TUniStringList list;
    list.SetTextStr(L"pear\napple\nfig");
    TChangeRecorder recorder(list);
    list.SetSorted(true);
    EXPECT_EQ(recorder.Events(), "<>");
    EXPECT_EQ(LinesOf(list), (Lines{L"apple", L"fig", L"pear"}));
    EXPECT_EQ(list.Add(L"banana"), 1);
    EXPECT_EQ(list.Add(L"FIG"), 2);
    EXPECT_EQ(list.GetCount(), 4);
    int index = -1;
    EXPECT_TRUE(list.Find(L"Pear", index));
    EXPECT_EQ(index, 3);
    EXPECT_FALSE(list.Find(L"grape", index));
    EXPECT_EQ(index, 3);
    EXPECT_EQ(list.IndexOfString(L"APPLE"), 0);
    EXPECT_EQ(list.IndexOfString(L"kiwi"), -1);
    EXPECT_EQ(ErrorOf([&] { list.Insert(0, L"x"); }), L"Operation not allowed on sorted list");
    EXPECT_EQ(ErrorOf([&] { list.Put(0, L"x"); }), L"Operation not allowed on sorted list");
    list.SetDuplicates(dupError);
    EXPECT_EQ(ErrorOf([&] { list.Add(L"fig"); }), L"String list does not allow duplicates");
    // The search stops on the first of equal entries, so a duplicate goes before them.
    list.SetDuplicates(dupAccept);
    EXPECT_EQ(list.Add(L"FIG"), 2);
    EXPECT_EQ(LinesOf(list), (Lines{L"apple", L"banana", L"FIG", L"fig", L"pear"}));
    EXPECT_EQ(list.Add(L"fig"), 2);

    TUniStringList names;
    names.SetTextStr(L"b=2\na=1\nc");
    names.SetSorted(true);
    EXPECT_EQ(names.IndexOfName(L"B"), 1);
    EXPECT_EQ(names.IndexOfName(L"c"), -1);
    EXPECT_EQ(names.IndexOfName(L"z"), -1);
}

TEST(WideListSort, CaseSensitiveComparison)
{
    TUniStringList list;
    EXPECT_EQ(list.CompareStrings(L"abc", L"ABC"), 0);
    EXPECT_EQ(list.CompareStrings(L"a", L"b"), -1);
    EXPECT_EQ(list.CompareStrings(L"\u017E", L"Z"), 1);
    list.SetCaseSensitive(true);
    EXPECT_NE(list.CompareStrings(L"abc", L"ABC"), 0);
    EXPECT_EQ(list.CompareStrings(L"abc", L"abc"), 0);
}

using WideListComparison = TPlatformTest;

TEST_P(WideListComparison, CaseIsIgnoredOnBothPaths)
{
    TUniStringList list;
    EXPECT_EQ(list.CompareStrings(L"Abc", L"aBC"), 0);
    EXPECT_EQ(list.CompareStrings(L"apple", L"Banana"), -1);
    EXPECT_EQ(list.CompareStrings(L"b", L"A"), 1);
    list.SetTextStr(L"pear\nApple\nfig");
    list.Sort();
    EXPECT_EQ(LinesOf(list), (Lines{L"Apple", L"fig", L"pear"}));
}

INSTANTIATE_PLATFORMS(WideListComparison);

TEST(WideListErrors, BadIndexesRaiseAndLeaveTheListAlone)
{
    TUniStringList list;
    list.SetTextStr(L"a\nb\nc");
    auto bounds = [](int i) { return L"List index out of bounds (" + std::to_wstring(i) + L")"; };
    EXPECT_EQ(ErrorOf([&] { list.Delete(-1); }), bounds(-1));
    EXPECT_EQ(ErrorOf([&] { list.Delete(3); }), bounds(3));
    EXPECT_EQ(ErrorOf([&] { list.Get(3); }), bounds(3));
    EXPECT_EQ(ErrorOf([&] { list.GetObject(-2); }), bounds(-2));
    EXPECT_EQ(ErrorOf([&] { list.Put(3, L"x"); }), bounds(3));
    EXPECT_EQ(ErrorOf([&] { list.PutObject(5, nullptr); }), bounds(5));
    EXPECT_EQ(ErrorOf([&] { list.Exchange(7, 9); }), bounds(7));
    EXPECT_EQ(ErrorOf([&] { list.Exchange(0, 9); }), bounds(9));
    EXPECT_EQ(ErrorOf([&] { list.Insert(4, L"x"); }), bounds(4));
    EXPECT_EQ(ErrorOf([&] { list.SetCapacity(2); }), bounds(2));
    EXPECT_EQ(LinesOf(list), (Lines{L"a", L"b", L"c"}));
    list.InsertObject(3, L"d", nullptr);
    EXPECT_EQ(list.Get(3), L"d");
}

TEST(WideListStorage, CapacityGrowsByTheRules)
{
    TUniStringList list;
    std::vector<int> capacities = {list.GetCapacity()};
    for (int i = 0; i < 29; ++i) {
        list.Add(L"x");
        if (list.GetCapacity() != capacities.back())
            capacities.push_back(list.GetCapacity());
    }
    EXPECT_EQ(capacities, (std::vector<int>{0, 4, 8, 12, 28, 44}));
    list.SetCapacity(64);
    while (list.GetCount() < 64)
        list.Add(L"x");
    list.Add(L"x");
    EXPECT_EQ(list.GetCapacity(), 80);
    while (list.GetCount() < 81)
        list.Add(L"x");
    EXPECT_EQ(list.GetCapacity(), 100);
    list.Clear();
    EXPECT_EQ(list.GetCapacity(), 0);
}

TEST(WideListStorage, ObjectsMoveWithTheirStrings)
{
    TObject one, two, three;
    TUniStringList list;
    list.AddObject(L"one", &one);
    list.AddObject(L"two", &two);
    list.InsertObject(0, L"three", &three);
    EXPECT_EQ(list.IndexOfObject(&one), 1);
    list.Exchange(0, 2);
    EXPECT_EQ(LinesOf(list), (Lines{L"two", L"one", L"three"}));
    EXPECT_EQ(list.GetObject(0), &two);
    list.Move(0, 2);
    EXPECT_EQ(LinesOf(list), (Lines{L"one", L"three", L"two"}));
    EXPECT_EQ(list.GetObject(2), &two);
    list.Put(0, L"uno");
    EXPECT_EQ(list.GetObject(0), &one);
    list.Delete(0);
    EXPECT_EQ(list.IndexOfObject(&one), -1);
    EXPECT_EQ(list.IndexOfString(L"TWO"), 1);
}

TEST(WideListBase, DefaultOperationsWorkThroughTheFiveAbstractOnes)
{
    TPlainWideStrings list;
    list.SetTextStr(L"a\nb\nc");
    list.Put(1, L"B");
    list.Exchange(0, 2);
    list.Move(0, 1);
    EXPECT_EQ(LinesOf(list), (Lines{L"B", L"c", L"a"}));
    EXPECT_EQ(list.GetCapacity(), 3);
    EXPECT_EQ(list.IndexOfString(L"C"), 1);
    EXPECT_EQ(list.GetObject(0), nullptr);
    TPlainWideStrings same;
    same.SetTextStr(L"B\nc\na");
    EXPECT_TRUE(list.Equals(&same));
    same.Put(0, L"b");
    EXPECT_FALSE(list.Equals(&same));
}

TEST(WideListAssign, BetweenWideListsAndClassLibraryLists)
{
    TObject tag;
    TUniStringList source;
    source.AddObject(L"\u017Elu\u0165", &tag);
    source.Add(L"k:v");
    source.SetNameSeparator(L':');
    source.SetListDelimiter(L';');

    TUniStringList copy;
    copy.Assign(&source);
    EXPECT_EQ(LinesOf(copy), LinesOf(source));
    EXPECT_EQ(copy.GetObject(0), &tag);
    EXPECT_EQ(copy.GetNameSeparator(), L':');
    EXPECT_EQ(copy.GetListDelimiter(), L';');
    EXPECT_EQ(copy.GetValues(L"k"), L"v");

    TStringList ansi;
    ansi.Assign(&source);
    ASSERT_EQ(ansi.GetCount(), 2);
    EXPECT_EQ(ansi.Get(0), WideToAnsi(L"\u017Elu\u0165"));
    EXPECT_EQ(ansi.GetObject(0), &tag);
    EXPECT_EQ(ansi.GetNameValueSeparator(), ':');

    ansi.Add("caf\xE9");
    ansi.SetNameValueSeparator('#');
    TUniStringList back;
    back.Assign(&ansi);
    EXPECT_EQ(back.GetCount(), 3);
    EXPECT_EQ(back.Get(2), AnsiToWide("caf\xE9"));
    EXPECT_EQ(back.GetNameSeparator(), L'#');
    EXPECT_EQ(back.GetObject(0), &tag);

    TPlainWideStrings plain;
    plain.Assign(&source);
    EXPECT_EQ(LinesOf(plain), LinesOf(source));
    copy.Assign(&copy);
    EXPECT_EQ(copy.GetCount(), 2);
}

TEST(WideListAnsiView, ConvertsThroughItsCodePage)
{
    TUniStringList list;
    list.Add(L"\u041F\u0440\u0438\u0432\u0456\u0442");
    TAnsiStringsForWideStringsAdapter cyrillic(&list, 1251);
    EXPECT_EQ(cyrillic.GetCount(), 1);
    EXPECT_EQ(cyrillic.Get(0), "\xCF\xF0\xE8\xE2\xB3\xF2");
    cyrillic.Add("\xE6\xE0\xE1\xE0");
    EXPECT_EQ(list.Get(1), L"\u0436\u0430\u0431\u0430");
    cyrillic.Put(0, "\xC0");
    EXPECT_EQ(list.Get(0), L"\u0410");
    cyrillic.Delete(0);
    EXPECT_EQ(LinesOf(list), (Lines{L"\u0436\u0430\u0431\u0430"}));

    TMemoryStream stream;
    cyrillic.SaveToStreamInCodePage(&stream, 1250);
    EXPECT_EQ(StreamBytes(stream), "????\r\n");
    TMemoryStream czech;
    czech.WriteBuffer("\x8A\xEDp\r\n\xE8", 6);
    czech.SetPosition(0);
    TChangeRecorder recorder(list);
    list.GetAnsiStrings()->LoadFromStreamInCodePage(&czech, 1250);
    EXPECT_EQ(recorder.Events(), "<>");
    EXPECT_EQ(LinesOf(list), (Lines{L"\u0160\u00EDp", L"\u010D"}));

    // Code page 0 follows the layer's default, the thread's ANSI code page.
    TAnsiStrings* view = list.GetAnsiStrings();
    EXPECT_EQ(view->Get(0), WideToAnsi(L"\u0160\u00EDp"));
    view->Clear();
    EXPECT_EQ(list.GetCount(), 0);

    TUniStringList source;
    source.SetTextStr(L"one\ntwo");
    list.SetAnsiStrings(source.GetAnsiStrings());
    EXPECT_EQ(LinesOf(list), (Lines{L"one", L"two"}));
}

TEST(WideListView, AttachingReferencesAndDetachingReleases)
{
    struct TView : IWideStringsView {
        TWideStrings* List = nullptr;
        int Released = 0;
        void Reference(TWideStrings* list) override { List = list; }
        void Release() override { ++Released; }
    };
    TView first, second;
    {
        TUniStringList list;
        list.SetAttachedView(&first);
        EXPECT_EQ(first.List, &list);
        list.SetAttachedView(&second);
        EXPECT_EQ(first.Released, 1);
        EXPECT_EQ(second.List, &list);
    }
    EXPECT_EQ(second.Released, 1);
    EXPECT_EQ(first.Released, 1);
}
