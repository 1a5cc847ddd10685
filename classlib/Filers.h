// Form streaming: the binary component stream and its reader and writer.
//
// A stream is the signature "VRF0" and one component: its class name and name
// (byte-counted strings), its properties (name, then a typed value) up to a
// null value, the components stored inside it likewise, and a null value.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "classlib/Component.h"
#include "classlib/Streams.h"

class TCollection;

enum TValueType : uint8_t {
    vaNull,
    vaList,
    vaInt8,
    vaInt16,
    vaInt32,
    vaExtended,
    vaString,
    vaIdent,
    vaFalse,
    vaTrue,
    vaBinary,
    vaSet,
    vaLString,
    vaNil,
    vaCollection,
    vaSingle,
    vaCurrency,
    vaDate,
    vaWString,
    vaInt64,
    vaUTF8String,
};

constexpr char FilerSignature[4] = {'V', 'R', 'F', '0'};

class TReader;
class TWriter;
using TReaderProc = std::function<void(TReader* reader)>;
using TWriterProc = std::function<void(TWriter* writer)>;
using TStreamProc = std::function<void(TStream* stream)>;

class TFiler : public TObject {
public:
    explicit TFiler(TStream* stream) : FStream(stream) {}

    // Declares a streamed value that is no published property. The reader
    // calls readData when the stream holds `name`; the writer calls writeData
    // (after the name) when hasData is true.
    virtual void DefineProperty(const AnsiString& name, const TReaderProc& readData, const TWriterProc& writeData,
                                bool hasData) = 0;
    // The same for raw bytes (a binary value): the procedures get a stream of the bytes.
    virtual void DefineBinaryProperty(const AnsiString& name, const TStreamProc& readData,
                                      const TStreamProc& writeData, bool hasData) = 0;

    TStream* GetStream() const { return FStream; }
    TComponent* GetRoot() const { return FRoot; }
    void SetRoot(TComponent* value) { FRoot = value; }
    // The component that names references and binds methods: the root.
    TComponent* GetLookupRoot() const { return FLookupRoot; }
    // Streams have no ancestors: always null.
    TPersistent* GetAncestor() const { return nullptr; }

protected:
    TStream* FStream;
    TComponent* FRoot = nullptr;
    TComponent* FLookupRoot = nullptr;
};

class TReader : public TFiler {
public:
    explicit TReader(TStream* stream);
    ~TReader() override;

    void DefineProperty(const AnsiString& name, const TReaderProc& readData, const TWriterProc& writeData,
                        bool hasData) override;
    void DefineBinaryProperty(const AnsiString& name, const TStreamProc& readData, const TStreamProc& writeData,
                              bool hasData) override;

    // Reads a whole stream into `root`, or into a new component of the class the
    // stream names when root is null (the caller owns it then). Components are
    // made through the class registry and owned by the root; references are
    // resolved and Loaded called on every component read once the whole stream
    // is in. On any error the components made so far are freed again and
    // EReadError (or EClassNotFound) passes on.
    TComponent* ReadRootComponent(TComponent* root);

    // Values. Each raises EReadError "Invalid property value" when the stream
    // holds a value of another kind, and "Stream read error" when it ends early.
    void Read(void* buffer, int32_t count);
    TValueType ReadValue();
    TValueType NextValue();
    void CheckValue(TValueType value);
    bool EndOfList();
    void ReadListBegin();
    void ReadListEnd();
    void ReadSignature();
    // A byte-counted 8-bit string: names of classes, components and properties.
    AnsiString ReadStr();
    int32_t ReadInteger();
    int64_t ReadInt64();
    bool ReadBoolean();
    double ReadFloat();
    // Any string value, converted to 8 bits or widened as needed.
    AnsiString ReadString();
    WideString ReadWideString();
    char ReadChar();
    wchar_t ReadWideChar();
    // An identifier; False, True and nil read as those words.
    AnsiString ReadIdent();
    uint32_t ReadSet(const TTypeInfo& setType);
    // Replaces the collection's items by the stream's.
    void ReadCollection(TCollection* collection);
    // Skips one value of any kind.
    void SkipValue();
    // One property (a dotted name reaches into nested objects) of `instance`.
    void ReadProperty(TPersistent* instance);

    TComponent* GetOwner() const { return FOwner; }
    TComponent* GetParent() const { return FParent; }
    // The name of the property being read, as handed to DefineProperties.
    const AnsiString& GetPropName() const { return FPropName; }

private:
    struct TFixup {
        TPersistent* Instance;
        const TPropInfo* Prop;
        AnsiString Name;
    };

    TComponent* ReadComponent();
    void ReadComponentData(TComponent* component);
    void ReadPropValue(TPersistent* instance, const TPropInfo& prop);
    TPersistent* NestedObject(TPersistent* instance, const AnsiString& name);
    void ResolveFixups();
    TComponent* FindReference(const AnsiString& name) const;
    int64_t ReadIntegerValue(TValueType type);
    AnsiString ReadBytes(int32_t count);
    int32_t ReadCount();
    [[noreturn]] void PropValueError();

    TComponent* FOwner = nullptr;
    TComponent* FParent = nullptr;
    AnsiString FPropName;
    bool FCanHandle = false;
    std::vector<TComponent*> FLoaded;
    std::vector<TFixup> FFixups;
};

class TWriter : public TFiler {
public:
    explicit TWriter(TStream* stream) : TFiler(stream) {}

    void DefineProperty(const AnsiString& name, const TReaderProc& readData, const TWriterProc& writeData,
                        bool hasData) override;
    void DefineBinaryProperty(const AnsiString& name, const TStreamProc& readData, const TStreamProc& writeData,
                              bool hasData) override;

    // The signature, the root and everything stored inside it.
    void WriteRootComponent(TComponent* root);
    void WriteComponent(TComponent* component);
    // Published properties that are stored and differ from their defaults, then
    // the instance's DefineProperties.
    void WriteProperties(TPersistent* instance);

    void Write(const void* buffer, int32_t count);
    void WriteValue(TValueType value);
    void WriteSignature();
    void WriteStr(const AnsiString& s);
    void WritePropName(const AnsiString& name);
    // The smallest integer type that holds the value.
    void WriteInteger(int64_t value);
    void WriteBoolean(bool value);
    void WriteFloat(double value);
    // 8-bit text: a short or a long string value.
    void WriteString(const AnsiString& s);
    // Wide text: value type 18, a 32-bit count and UTF-16 LE units.
    void WriteWideString(const WideString& s);
    void WriteChar(char c);
    void WriteWideChar(wchar_t c);
    // False, True and nil become their own value types.
    void WriteIdent(const AnsiString& ident);
    void WriteSet(const TTypeInfo& setType, uint32_t bits);
    void WriteBinary(const void* data, int32_t count);
    void WriteListBegin();
    void WriteListEnd();
    void WriteCollection(TCollection* collection);

private:
    void WriteProperty(TPersistent* instance, const TPropInfo& prop);
    AnsiString ReferenceName(TComponent* component) const;

    AnsiString FPropPath;
};

// Identifiers that form texts write in place of the values of a named integer
// type (colours such as clBtnFace, cursors such as crHandPoint). The reader
// takes an identifier for an integer property of such a type; the writer
// writes the identifier when the value has one.
struct TIdentMapEntry {
    int64_t Value;
    const char* Name;
};
// Keeps `type` with its identifiers for the life of the program and gives it back.
const TTypeInfo& RegisterIntegerIdents(TTypeInfo type, std::vector<TIdentMapEntry> idents);
// Case is ignored; false for a type without identifiers or an unknown one.
bool IdentToInt(const TTypeInfo& type, const AnsiString& ident, int64_t& value);
bool IntToIdent(const TTypeInfo& type, int64_t value, AnsiString& ident);

// Reads the RT_RCDATA resource `resName` of the module into `instance` (see
// TReader::ReadRootComponent); EResNotFound when the module has none.
TComponent* ReadComponentRes(const AnsiString& resName, TComponent* instance, HINSTANCE module = nullptr);
// Loads a form or data module from the resource named after its class in
// upper case; false (and nothing read) when the module has no such resource.
bool LoadRootComponent(TComponent* instance, HINSTANCE module = nullptr);
