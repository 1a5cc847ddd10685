// What the update tests share: the update server of our own on the test host,
// a component whose status reports are recorded, files, and answers to its windows.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "classlib/System.h"
#include "classlib/Win.h"
#include "update/NUpdate.h"

// The host the test server listens on; no test reaches beyond it.
extern const char* const ServerHost;

// A scratch folder of the process, removed with everything in it.
class TScratch {
public:
    explicit TScratch(const char* tag);
    ~TScratch();
    const AnsiString& Path() const { return FPath; }
    AnsiString File(const AnsiString& name) const { return FPath + "\\" + name; }
    // Writes the file (and its folders) and gives its path.
    AnsiString Write(const AnsiString& name, const AnsiString& bytes) const;

private:
    AnsiString FPath;
};

// tests/update/update_server.py over a folder of files, on free ports of ServerHost,
// started by the test and stopped when the object goes.
class TUpdateServer {
public:
    TUpdateServer();
    ~TUpdateServer();

    bool Running() const { return FHttpPort != 0; }
    int HttpPort() const { return FHttpPort; }
    int FtpPort() const { return FFtpPort; }
    // A file of the served folder.
    AnsiString Put(const AnsiString& name, const AnsiString& bytes) const { return FFiles.Write(name, bytes); }
    // "http://host:port/<mode>/<name>" (see the server for the modes).
    AnsiString Url(const AnsiString& mode, const AnsiString& name) const;
    // The JSON lines of the requests the HTTP server got since the last call.
    std::vector<AnsiString> TakeRequests();

private:
    TScratch FFiles{"served"};
    TScratch FState{"server"};
    int FHttpPort = 0;
    int FFtpPort = 0;
    size_t FRequestsSeen = 0;
};

struct TStatusReport {
    int32_t MsgId;
    AnsiString Text;  // the message as OnStatus got it
    int32_t StatusCode;
    int32_t ErrCode;
};

// A TNetUpdate that keeps every status report with its message number.
class TRecordingNetUpdate : public TNetUpdate {
public:
    TRecordingNetUpdate();
    void ReportStatus(int32_t MsgId, const AnsiString& Text, int32_t StatusCode, int32_t ErrCode) override;

    std::vector<TStatusReport> Reports;
    std::vector<int32_t> Numbers() const;
    // The first report of that number; null when there is none.
    const TStatusReport* Find(int32_t msgId) const;

private:
    AnsiString FLastMessage;
};

// The message number list as text, for readable failures.
AnsiString NumbersText(const std::vector<int32_t>& numbers);

// Answers the first visible top-level window of this process with that window class
// and title from a timer of the modal loop; counts the windows it answered.
class TWindowAnswerer {
public:
    TWindowAnswerer(const char* className, std::function<void(HWND)> answer);
    ~TWindowAnswerer();
    int Answered() const { return FAnswered; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    static inline TWindowAnswerer* Current = nullptr;
    const char* FClassName;
    std::function<void(HWND)> FAnswer;
    HWND FLast = nullptr;
    int FAnswered = 0;
    UINT_PTR FTimer = 0;
};

// The child windows of that window class, in creation order.
std::vector<HWND> ChildrenOfClass(HWND parent, const char* className);
// Clicks the child button with that caption.
void ClickButton(HWND parent, const char* caption);

// The files of a folder that match the pattern.
int CountFiles(const AnsiString& folder, const char* pattern = "*");
