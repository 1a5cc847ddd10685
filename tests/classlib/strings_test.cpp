#include <gtest/gtest.h>

#include "classlib_fixture.h"
#include "python_expectations.h"

TEST(StringLists, TextEndsEveryLineAndSplitsAtEveryBreak)
{
    TStringList list;
    struct {
        const char* Text;
        std::vector<AnsiString> Lines;
    } cases[] = {
        {"a\r\nb\r\n", {"a", "b"}}, {"a\rb\nc", {"a", "b", "c"}}, {"a\r\rb", {"a", "", "b"}},
        {"\r\n", {""}},             {"", {}},                      {"a\n\r", {"a", ""}},
    };
    for (auto& c : cases) {
        list.SetText(c.Text);
        std::vector<AnsiString> lines;
        for (int i = 0; i < list.GetCount(); ++i)
            lines.push_back(list.GetStrings(i));
        EXPECT_EQ(lines, c.Lines) << c.Text;
    }
    list.SetText("a\nb");
    EXPECT_EQ(list.GetText(), "a\r\nb\r\n");
}

TEST(StringLists, SortedListsFindRefuseAndKeepDuplicatesAsTold)
{
    TStringList list;
    list.SetSorted(true);
    for (const char* s : {"pear", "Apple", "fig", "apple"})
        list.Add(s);
    EXPECT_EQ(list.GetText(), "Apple\r\nfig\r\npear\r\n");  // duplicates ignored, case too
    int index;
    EXPECT_TRUE(list.Find("FIG", index));
    EXPECT_EQ(index, 1);
    EXPECT_FALSE(list.Find("grape", index));
    EXPECT_EQ(index, 2);
    EXPECT_EQ(list.IndexOf("PEAR"), 2);
    EXPECT_THROW(list.Insert(0, "x"), EStringListError);
    EXPECT_THROW(list.SetStrings(0, "x"), EStringListError);
    list.SetDuplicates(dupError);
    try {
        list.Add("fig");
        FAIL();
    } catch (const EStringListError& e) {
        EXPECT_STREQ(e.what(), "String list does not allow duplicates");
    }
    list.SetDuplicates(dupAccept);
    list.Add("fig");
    EXPECT_EQ(list.GetCount(), 4);
    EXPECT_TRUE(list.Find("fig", index));
    EXPECT_EQ(index, 1);  // the first equal one
}

TEST(StringLists, SortingFollowsCompareTextLikePython)
{
    TStringList list;
    for (const char* name : PythonSortedNames)
        list.Insert(0, name);
    list.Sort();
    ASSERT_EQ(list.GetCount(), static_cast<int>(std::size(PythonSortedNames)));
    // Names equal under the key may stand in either order.
    for (int i = 0; i < list.GetCount(); ++i)
        EXPECT_EQ(CompareText(list.GetStrings(i), PythonSortedNames[i]), 0) << i << " " << list.GetStrings(i);
}

TEST(StringLists, NamesValuesAndObjects)
{
    TStringList list;
    list.SetText("a=1\nx\nb=2=3\n");
    EXPECT_EQ(list.GetValue("B"), "2=3");
    EXPECT_EQ(list.GetNames(2), "b");
    EXPECT_EQ(list.IndexOfName("x"), -1);  // a line without a separator has no name
    list.SetValue("c", "");
    EXPECT_EQ(list.GetCount(), 3);
    list.SetValue("c", "4");
    list.SetValue("a", "");
    EXPECT_EQ(list.GetText(), "x\r\nb=2=3\r\nc=4\r\n");
    list.SetNameValueSeparator(':');
    list.Add("k:v");
    EXPECT_EQ(list.GetValue("k"), "v");

    TComponent tag(nullptr);
    list.AddObject("tagged", &tag);
    EXPECT_EQ(list.GetObjects(list.IndexOf("tagged")), &tag);
    EXPECT_EQ(list.IndexOfObject(&tag), 4);
    list.SetStrings(4, "renamed");
    EXPECT_EQ(list.GetObjects(4), &tag);
    try {
        list.Delete(-1);
        FAIL();
    } catch (const EStringListError& e) {
        EXPECT_STREQ(e.what(), "List index out of bounds (-1)");
    }
    EXPECT_THROW(list.Delete(list.GetCount()), EStringListError);
    list.InsertObject(list.GetCount(), "end", nullptr);

    TStringList copy;
    copy.Assign(&list);
    EXPECT_TRUE(copy.Equals(&list));
    EXPECT_EQ(copy.GetNameValueSeparator(), ':');
    copy.AddStrings(&list);
    EXPECT_EQ(copy.GetCount(), 2 * list.GetCount());
}

TEST(StringLists, AnUpdateBracketFiresOneChangingAndOneChanged)
{
    TStringList list;
    std::vector<std::string> events;
    list.SetOnChanging(TNotifyEvent::FromFunction([&](TObject*) { events.push_back("changing"); }));
    list.SetOnChange(TNotifyEvent::FromFunction([&](TObject*) { events.push_back("changed"); }));
    list.Add("a");
    EXPECT_EQ(events, (std::vector<std::string>{"changing", "changed"}));
    events.clear();
    list.BeginUpdate();
    list.BeginUpdate();
    list.Add("b");
    list.Delete(0);
    list.EndUpdate();
    EXPECT_EQ(events, (std::vector<std::string>{"changing"}));
    list.EndUpdate();
    EXPECT_EQ(events, (std::vector<std::string>{"changing", "changed"}));
    events.clear();
    list.SetText("x\ny\nz");
    EXPECT_EQ(events.size(), 2u);
    events.clear();
    TStringList empty;
    empty.SetOnChange(list.GetOnChange());
    empty.Clear();
    EXPECT_TRUE(events.empty());
}

TEST(StringLists, FilesAndStreamsCarryTheText)
{
    TScratchFolder dir;
    TStringList list;
    list.SetText("one\ntwo");
    list.SaveToFile(dir.File("list.txt"));
    EXPECT_EQ(ReadFileBytes(dir.File("list.txt")), "one\r\ntwo\r\n");
    WriteFileBytes(dir.File("other.txt"), "x\ry\n");
    list.LoadFromFile(dir.File("other.txt"));
    EXPECT_EQ(list.GetText(), "x\r\ny\r\n");
    TMemoryStream s;
    s.WriteBuffer("skip|a\nb", 8);
    s.SetPosition(5);
    list.LoadFromStream(&s);  // from the position on
    EXPECT_EQ(list.GetText(), "a\r\nb\r\n");
    EXPECT_THROW(list.LoadFromFile(dir.File("none.txt")), EFOpenError);
}
