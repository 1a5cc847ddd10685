#include "classlib/IniFiles.h"

#include <memory>
#include <vector>

#include "classlib/Streams.h"

// ---- TCustomIniFile ----

void TCustomIniFile::WriteError() const
{
    DWORD error = GetLastError();
    throw EIniFileException(error, AnsiToWide(Format("Unable to write to %s", FFileName)));
}

int32_t TCustomIniFile::ReadInteger(const AnsiString& section, const AnsiString& ident, int32_t defaultValue)
{
    return StrToIntDef(ReadString(section, ident, AnsiString()), defaultValue);
}

void TCustomIniFile::WriteInteger(const AnsiString& section, const AnsiString& ident, int32_t value)
{
    WriteString(section, ident, IntToStr(value));
}

bool TCustomIniFile::ReadBool(const AnsiString& section, const AnsiString& ident, bool defaultValue)
{
    return ReadInteger(section, ident, defaultValue ? 1 : 0) != 0;
}

void TCustomIniFile::WriteBool(const AnsiString& section, const AnsiString& ident, bool value)
{
    WriteString(section, ident, value ? "1" : "0");
}

void TCustomIniFile::ReadSectionValues(const AnsiString& section, TStrings* strings)
{
    TStringList keys;
    ReadSection(section, &keys);
    strings->BeginUpdate();
    strings->Clear();
    for (int i = 0; i < keys.GetCount(); ++i)
        strings->Add(keys.GetStrings(i) + "=" + ReadString(section, keys.GetStrings(i), AnsiString()));
    strings->EndUpdate();
}

bool TCustomIniFile::SectionExists(const AnsiString& section)
{
    TStringList keys;
    ReadSection(section, &keys);
    return keys.GetCount() > 0;
}

bool TCustomIniFile::ValueExists(const AnsiString& section, const AnsiString& ident)
{
    TStringList keys;
    ReadSection(section, &keys);
    return keys.IndexOf(ident) >= 0;
}

// ---- TIniFile ----

AnsiString TIniFile::ReadString(const AnsiString& section, const AnsiString& ident, const AnsiString& defaultValue)
{
    std::vector<char> buffer(2048);
    for (;;) {
        DWORD n = GetPrivateProfileStringA(section.c_str(), ident.c_str(), defaultValue.c_str(), buffer.data(),
                                           static_cast<DWORD>(buffer.size()), GetFileName().c_str());
        if (n + 1 < buffer.size())
            return AnsiString(buffer.data(), n);
        buffer.resize(buffer.size() * 4);
    }
}

void TIniFile::WriteString(const AnsiString& section, const AnsiString& ident, const AnsiString& value)
{
    if (!WritePrivateProfileStringA(section.c_str(), ident.c_str(), value.c_str(), GetFileName().c_str()))
        WriteError();
}

void TIniFile::ReadList(const char* section, TStrings* strings) const
{
    std::vector<char> buffer(16384);
    DWORD n;
    for (;;) {
        n = GetPrivateProfileStringA(section, nullptr, nullptr, buffer.data(), static_cast<DWORD>(buffer.size()),
                                     GetFileName().c_str());
        if (n + 2 < buffer.size())
            break;
        buffer.resize(buffer.size() * 4);
    }
    strings->BeginUpdate();
    strings->Clear();
    for (const char* p = buffer.data(); p < buffer.data() + n && *p; p += strlen(p) + 1)
        strings->Add(p);
    strings->EndUpdate();
}

void TIniFile::ReadSection(const AnsiString& section, TStrings* strings)
{
    ReadList(section.c_str(), strings);
}

void TIniFile::ReadSections(TStrings* strings)
{
    ReadList(nullptr, strings);
}

void TIniFile::EraseSection(const AnsiString& section)
{
    if (!WritePrivateProfileStringA(section.c_str(), nullptr, nullptr, GetFileName().c_str()))
        WriteError();
}

void TIniFile::DeleteKey(const AnsiString& section, const AnsiString& ident)
{
    WritePrivateProfileStringA(section.c_str(), ident.c_str(), nullptr, GetFileName().c_str());
}

void TIniFile::UpdateFile()
{
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, GetFileName().c_str());
}

// ---- TMemIniFile ----

TMemIniFile::TMemIniFile(const AnsiString& fileName) : TCustomIniFile(fileName)
{
    if (FileExists(fileName)) {
        TStringList lines;
        lines.LoadFromFile(fileName);
        SetStrings(&lines);
    }
}

TMemIniFile::~TMemIniFile()
{
    Clear();
}

void TMemIniFile::Clear()
{
    for (int i = 0; i < FSections.GetCount(); ++i)
        std::unique_ptr<TObject> release(FSections.GetObjects(i));
    FSections.Clear();
}

TStringList* TMemIniFile::Section(const AnsiString& name, bool create)
{
    int index = FSections.IndexOf(name);
    if (index >= 0)
        return static_cast<TStringList*>(FSections.GetObjects(index));
    if (!create)
        return nullptr;
    auto lines = std::make_unique<TStringList>();
    FSections.AddObject(name, lines.get());
    return lines.release();
}

void TMemIniFile::SetStrings(TStrings* lines)
{
    Clear();
    TStringList* current = nullptr;
    for (int i = 0; i < lines->GetCount(); ++i) {
        AnsiString line = Trim(lines->GetStrings(i));
        if (line.empty() || line[0] == ';')
            continue;
        if (line.front() == '[' && line.back() == ']') {
            current = Section(Trim(line.substr(1, line.size() - 2)), true);
            continue;
        }
        size_t eq = line.find('=');
        if (!current || eq == AnsiString::npos)
            continue;
        current->Add(Trim(line.substr(0, eq)) + "=" + Trim(line.substr(eq + 1)));
    }
}

void TMemIniFile::GetStrings(TStrings* lines) const
{
    lines->BeginUpdate();
    lines->Clear();
    for (int i = 0; i < FSections.GetCount(); ++i) {
        if (i > 0)
            lines->Add(AnsiString());
        AnsiString header(1, '[');
        header += FSections.GetStrings(i);
        header += ']';
        lines->Add(header);
        lines->AddStrings(static_cast<TStringList*>(FSections.GetObjects(i)));
    }
    lines->EndUpdate();
}

AnsiString TMemIniFile::ReadString(const AnsiString& section, const AnsiString& ident, const AnsiString& defaultValue)
{
    TStringList* lines = Section(section, false);
    int index = lines ? lines->IndexOfName(ident) : -1;
    return index < 0 ? defaultValue : lines->GetValueFromIndex(index);
}

void TMemIniFile::WriteString(const AnsiString& section, const AnsiString& ident, const AnsiString& value)
{
    TStringList* lines = Section(section, true);
    int index = lines->IndexOfName(ident);
    AnsiString line = ident + "=" + value;
    if (index < 0)
        lines->Add(line);
    else
        lines->SetStrings(index, line);
}

void TMemIniFile::ReadSection(const AnsiString& section, TStrings* strings)
{
    strings->BeginUpdate();
    strings->Clear();
    if (TStringList* lines = Section(section, false))
        for (int i = 0; i < lines->GetCount(); ++i)
            strings->Add(lines->GetNames(i));
    strings->EndUpdate();
}

void TMemIniFile::ReadSections(TStrings* strings)
{
    strings->Assign(&FSections);
}

void TMemIniFile::ReadSectionValues(const AnsiString& section, TStrings* strings)
{
    strings->BeginUpdate();
    strings->Clear();
    if (TStringList* lines = Section(section, false))
        strings->AddStrings(lines);
    strings->EndUpdate();
}

void TMemIniFile::EraseSection(const AnsiString& section)
{
    int index = FSections.IndexOf(section);
    if (index < 0)
        return;
    std::unique_ptr<TObject> release(FSections.GetObjects(index));
    FSections.Delete(index);
}

void TMemIniFile::DeleteKey(const AnsiString& section, const AnsiString& ident)
{
    TStringList* lines = Section(section, false);
    int index = lines ? lines->IndexOfName(ident) : -1;
    if (index >= 0)
        lines->Delete(index);
}

void TMemIniFile::UpdateFile()
{
    TStringList lines;
    GetStrings(&lines);
    try {
        lines.SaveToFile(GetFileName());
    } catch (const EStreamError&) {
        WriteError();
    }
}
