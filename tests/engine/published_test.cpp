// TSafetyDelete as a form places it: its published properties and a form stream.
#include <gtest/gtest.h>

#include "classlib/Filers.h"
#include "classlib/FormText.h"
#include "classlib/Streams.h"
#include "tests/engine/engine_fixture.h"

namespace {

// A root like the main window: it owns the component and handles its events.
class TEngineHost : public TComponent {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    using TComponent::TComponent;

    void SafetyDeleteProgress(TObject*, uint8_t passCount, uint8_t) { Progress.push_back(passCount); }
    void SafetyDeleteCompleted(TObject*) { ++Completed; }

    std::vector<uint8_t> Progress;
    int Completed = 0;
};

}  // namespace

VARIRUVU_CLASS_INFO(TEngineHost, TComponent)
{
    info.Method("SafetyDeleteProgress", &TEngineHost::SafetyDeleteProgress);
    info.Method("SafetyDeleteCompleted", &TEngineHost::SafetyDeleteCompleted);
}

TEST(Published, PropertiesInOrderAndCanceledReadOnly)
{
    TSafetyDelete sd(nullptr);
    std::vector<std::string> names;
    for (const TPropInfo* p : GetPropList(&sd))
        names.push_back(p->Name);
    ASSERT_GE(names.size(), 4u);
    EXPECT_EQ(std::vector<std::string>(names.end() - 4, names.end()),
              (std::vector<std::string>{"Method", "Canceled", "OnProgress", "OnCompleted"}));

    const TPropInfo* canceled = GetPropInfo(&sd, "canceled");
    ASSERT_NE(canceled, nullptr);
    EXPECT_FALSE(canceled->HasSetter());

    sd.Cancel();
    const TPropInfo* method = GetPropInfo(&sd, "Method");
    ASSERT_NE(method, nullptr);
    SetEnumProp(&sd, *method, "sdmGutmann");
    EXPECT_EQ(sd.GetMethod(), sdmGutmann);
    EXPECT_EQ(GetEnumProp(&sd, *method), "sdmGutmann");
    EXPECT_TRUE(sd.GetCanceled()) << "the property writes the field only";
}

// The component as the main window's form places it: method and both events by name.
TEST(Published, ConfiguredFromAFormStream)
{
    RegisterClass(TSafetyDelete::ClassInfo());
    const AnsiString text =
        "object Host: TEngineHost\r\n"
        "  object SafetyDelete: TSafetyDelete\r\n"
        "    Method = sdmDoD\r\n"
        "    OnProgress = SafetyDeleteProgress\r\n"
        "    OnCompleted = SafetyDeleteCompleted\r\n"
        "  end\r\n"
        "end\r\n";
    TMemoryStream source, binary;
    source.WriteBuffer(text.data(), static_cast<int32_t>(text.size()));
    source.SetPosition(0);
    ObjectTextToBinary(&source, &binary);
    binary.SetPosition(0);

    TEngineHost host(nullptr);
    TReader(&binary).ReadRootComponent(&host);
    auto* sd = dynamic_cast<TSafetyDelete*>(host.FindComponent("safetydelete"));
    ASSERT_NE(sd, nullptr);
    EXPECT_EQ(sd->GetMethod(), sdmDoD);

    TScratchFolder folder;
    const AnsiString file = folder.File("form.bin");
    WriteBytes(file, Filled(10, 0x3C));
    EXPECT_EQ(sd->ShredFile(file), 0);
    EXPECT_EQ(host.Progress, (std::vector<uint8_t>{14, 28, 42, 57, 71, 85, 100}));
    EXPECT_EQ(host.Completed, 1);
}
