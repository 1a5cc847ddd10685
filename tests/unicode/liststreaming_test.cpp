// Wide lists as properties of components in form streams.
#include <gtest/gtest.h>

#include <memory>

#include "classlib/Filers.h"
#include "unicode/UniWideStrings.h"

namespace {

using Lines = std::vector<WideString>;

class TListHolder : public TComponent {
public:
    VARIRUVU_DECLARE_CLASS_INFO

    explicit TListHolder(TComponent* owner) : TComponent(owner) {}
    TUniStringList* GetItems() const { return FItems.get(); }
    void SetItems(TUniStringList* value) { FItems->Assign(value); }

private:
    std::unique_ptr<TUniStringList> FItems = std::make_unique<TUniStringList>();
};

VARIRUVU_CLASS_INFO(TListHolder, TComponent)
{
    info.Property("L", &TListHolder::GetItems, &TListHolder::SetItems);
}

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

// A stream of one TListHolder whose properties the test writes.
template <class F>
Lines ReadHolderStream(F&& writeProperties, const Lines& before = {})
{
    TMemoryStream stream;
    {
        TWriter writer(&stream);
        writer.WriteSignature();
        writer.WriteStr("TListHolder");
        writer.WriteStr("Holder");
        writeProperties(writer);
        writer.WriteValue(vaNull);
        writer.WriteValue(vaNull);
    }
    stream.SetPosition(0);
    TListHolder holder(nullptr);
    for (const WideString& line : before)
        holder.GetItems()->Add(line);
    TReader reader(&stream);
    reader.ReadRootComponent(&holder);
    return LinesOf(*holder.GetItems());
}

}  // namespace

TEST(WideListStreaming, WrittenAsAListOfWideStringsAndReadBack)
{
    TListHolder holder(nullptr);
    holder.GetItems()->SetTextStr(L"a\r\n\u017Elu\u0165\r\n\r\n\U0001F600");
    TMemoryStream stream;
    {
        TWriter writer(&stream);
        writer.WriteRootComponent(&holder);
    }
    AnsiString bytes = StreamBytes(stream);
    AnsiString expected("\x09L.Strings\x01\x12\x01\x00\x00\x00" "a\x00\x12\x04\x00\x00\x00", 22);
    EXPECT_NE(bytes.find(expected), AnsiString::npos);

    stream.SetPosition(0);
    TListHolder back(nullptr);
    TReader reader(&stream);
    reader.ReadRootComponent(&back);
    EXPECT_EQ(LinesOf(*back.GetItems()), LinesOf(*holder.GetItems()));
}

TEST(WideListStreaming, AnEmptyListIsNotWritten)
{
    TListHolder holder(nullptr);
    TMemoryStream stream;
    {
        TWriter writer(&stream);
        writer.WriteRootComponent(&holder);
    }
    EXPECT_EQ(StreamBytes(stream).find("Strings"), AnsiString::npos);
}

TEST(WideListStreaming, ReadsEveryFormOfTheStringsValue)
{
    EXPECT_EQ(ReadHolderStream([](TWriter& w) {
                  w.WritePropName("L.Strings");
                  w.WriteString("a\r\nb");
              }),
              (Lines{L"a", L"b"}));
    EXPECT_EQ(ReadHolderStream([](TWriter& w) {
                  w.WritePropName("L.Strings");
                  w.WriteWideString(L"\u017E\n\u0436");
              }),
              (Lines{L"\u017E", L"\u0436"}));
    EXPECT_EQ(ReadHolderStream(
                  [](TWriter& w) {
                      w.WritePropName("L.Strings");
                      w.WriteListBegin();
                      w.WriteString("plain");
                      w.WriteWideString(L"\u017Elu\u0165");
                      w.WriteListEnd();
                  },
                  {L"old"}),
              (Lines{L"plain", L"\u017Elu\u0165"}));
}

TEST(WideListStreaming, OlderNamesAreReadOnly)
{
    auto utf8List = [](const char* name) {
        return [name](TWriter& w) {
            w.WritePropName(name);
            w.WriteListBegin();
            w.WriteString("\xC5\xBElu\xC5\xA5");
            w.WriteString("b");
            w.WriteListEnd();
        };
    };
    EXPECT_EQ(ReadHolderStream([](TWriter& w) {
                  w.WritePropName("L.WideStrings");
                  w.WriteWideString(L"x\ny");
              }),
              (Lines{L"x", L"y"}));
    EXPECT_EQ(ReadHolderStream(utf8List("L.WideStringsW")), (Lines{L"\u017Elu\u0165", L"b"}));
    EXPECT_EQ(ReadHolderStream(utf8List("L.WideStringsW"), {L"kept"}), (Lines{L"kept"}));
    EXPECT_EQ(ReadHolderStream(utf8List("L.WideStrings_UTF7"), {L"kept"}), (Lines{L"kept"}));
}
