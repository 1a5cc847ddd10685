#include "update/NuUrls.h"

#include "classlib/SysUtils.h"

namespace {

AnsiString AfterLast(const AnsiString& text, char c)
{
    const size_t at = text.rfind(c);
    return at == AnsiString::npos ? text : text.substr(at + 1);
}

AnsiString BeforeFirst(const AnsiString& text, char c)
{
    return text.substr(0, text.find(c));
}

}  // namespace

AnsiString NameFromURL(const AnsiString& address)
{
    return AfterLast(AfterLast(AfterLast(address, '/'), '\\'), '?');
}

AnsiString HostFromURL(const AnsiString& address)
{
    const size_t scheme = address.find("://");
    const AnsiString rest = scheme == AnsiString::npos ? address : address.substr(scheme + 3);
    return BeforeFirst(BeforeFirst(rest, '/'), '\\');
}

AnsiString AddProxyLogin(const AnsiString& address, const AnsiString& user, const AnsiString& password)
{
    if (user.empty() || UpperCase(address.substr(0, 7)) != "HTTP://")
        return address;
    return "http://" + user + ":" + password + "@" + address.substr(7);
}
