// Settings stores in the INI format: over the private-profile functions, or in memory.
#pragma once

#include <memory>

#include "classlib/StringLists.h"
#include "classlib/SysUtils.h"

// A store that cannot be written: "Unable to write to %s" with the file's path.
class EIniFileException : public EInOutError {
public:
    using EInOutError::EInOutError;
};

class TCustomIniFile : public TObject {
public:
    explicit TCustomIniFile(const AnsiString& fileName) : FFileName(fileName) {}

    const AnsiString& GetFileName() const { return FFileName; }

    virtual AnsiString ReadString(const AnsiString& section, const AnsiString& ident, const AnsiString& defaultValue) = 0;
    virtual void WriteString(const AnsiString& section, const AnsiString& ident, const AnsiString& value) = 0;
    // A value that is missing or no integer gives the default.
    virtual int32_t ReadInteger(const AnsiString& section, const AnsiString& ident, int32_t defaultValue);
    virtual void WriteInteger(const AnsiString& section, const AnsiString& ident, int32_t value);
    // True when the stored integer is not 0; written as "1" or "0".
    virtual bool ReadBool(const AnsiString& section, const AnsiString& ident, bool defaultValue);
    virtual void WriteBool(const AnsiString& section, const AnsiString& ident, bool value);
    // The names of the section's keys.
    virtual void ReadSection(const AnsiString& section, TStrings* strings) = 0;
    virtual void ReadSections(TStrings* strings) = 0;
    // The section's lines as name=value.
    virtual void ReadSectionValues(const AnsiString& section, TStrings* strings);
    virtual void EraseSection(const AnsiString& section) = 0;
    virtual void DeleteKey(const AnsiString& section, const AnsiString& ident) = 0;
    virtual void UpdateFile() = 0;
    bool SectionExists(const AnsiString& section);
    bool ValueExists(const AnsiString& section, const AnsiString& ident);

protected:
    [[noreturn]] void WriteError() const;

private:
    AnsiString FFileName;
};

// Key by key through the platform: every write is on disk at once. A missing
// section is appended to the file, a missing key to its section; the file is
// created by the first write. The name is used as given (a name without a path
// means the Windows folder to the platform).
class TIniFile : public TCustomIniFile {
public:
    using TCustomIniFile::TCustomIniFile;

    AnsiString ReadString(const AnsiString& section, const AnsiString& ident, const AnsiString& defaultValue) override;
    void WriteString(const AnsiString& section, const AnsiString& ident, const AnsiString& value) override;
    void ReadSection(const AnsiString& section, TStrings* strings) override;
    void ReadSections(TStrings* strings) override;
    void EraseSection(const AnsiString& section) override;
    void DeleteKey(const AnsiString& section, const AnsiString& ident) override;
    void UpdateFile() override;

private:
    // The list of terminated strings the platform gives for a section (or null: all sections).
    void ReadList(const char* section, TStrings* strings) const;
};

// The whole file read into memory when created; UpdateFile writes it back.
// Sections and keys compare without regard to case; names and values are trimmed.
class TMemIniFile : public TCustomIniFile {
public:
    explicit TMemIniFile(const AnsiString& fileName);
    ~TMemIniFile() override;

    AnsiString ReadString(const AnsiString& section, const AnsiString& ident, const AnsiString& defaultValue) override;
    void WriteString(const AnsiString& section, const AnsiString& ident, const AnsiString& value) override;
    void ReadSection(const AnsiString& section, TStrings* strings) override;
    void ReadSections(TStrings* strings) override;
    void ReadSectionValues(const AnsiString& section, TStrings* strings) override;
    void EraseSection(const AnsiString& section) override;
    void DeleteKey(const AnsiString& section, const AnsiString& ident) override;
    void UpdateFile() override;
    void Clear();
    // Replaces the content by INI text, as a file holds it.
    void SetStrings(TStrings* lines);
    void GetStrings(TStrings* lines) const;

private:
    TStringList* Section(const AnsiString& name, bool create);

    // Section names, each with its owned list of name=value lines.
    TStringList FSections;
};
