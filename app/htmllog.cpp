#include "app/htmllog.h"

#include "app/datafolders.h"
#include "app/productinfo.h"
#include "classlib/Streams.h"
#include "classlib/SysUtils.h"

AnsiString LogFileName()
{
    return LogFolder() + "cv-log.html";
}

namespace {

constexpr const char* Bullet = "<img src=\"images/link-small.gif\"> ";

class TLogDocument {
public:
    // A piece of text with no line break after it.
    TLogDocument& operator<<(const AnsiString& text)
    {
        FText += text;
        return *this;
    }
    TLogDocument& operator<<(const WideString& text) { return *this << WideToAnsi(text); }
    TLogDocument& Line(const AnsiString& text = AnsiString())
    {
        FText += text + "\r\n";
        return *this;
    }
    const AnsiString& Text() const { return FText; }

private:
    AnsiString FText;
};

AnsiString Rule(const char* size)
{
    return AnsiString("<hr color=\"#0393de\" style=\"MARGIN-LEFT: 5px\" width=\"99%\"size=\"") + size + "\" noshade>";
}

void WriteHead(TLogDocument& doc, const THtmlLogTexts& texts)
{
    doc << "<!--" << MakerContactNotice;
    doc.Line("-->");
    doc.Line("<html>");
    doc.Line("<head>");
    doc.Line("<title>QUON Variruvu</title>");
    doc.Line("<meta name=\"description\" content=\"QUON File Variruvu - Log\">");
    doc << "<meta name=\"author\" content=\"" << MakerName;
    doc.Line("\">");
    doc.Line("<meta http-equiv=\"content-type\" content=\"text/html; charset=ISO-8859-2\">");
    doc.Line("<link href=\"css/style.css\" rel=\"stylesheet\" type=\"text/css\">");
    doc.Line("</style>");
    doc.Line("<body>");
    doc.Line("<table width=\"90%\">");
    doc.Line("<tr>");
    doc.Line("<td rowspan=\"2\" valign=\"middle\">");
    doc.Line("<img src=\"images/_fslogo.png\" alt=\"variruvu\" border=\"0\" align=\"left\"></td>");
    doc.Line("<img src=\"images/variruvu.png\" alt=\"variruvu\" width=\"48\" height=\"48\" border=\"0\" "
             "align=\"left\"></td>");
    doc.Line("</tr>");
    doc.Line("<tr>");
    doc << "<td><a href=\"" << MakerSite << "\" target=\"\"> " << MakerHost << " </a><!--b>" << MakerSiteNotice;
    doc.Line("</b--></td>");
    doc.Line("</tr>");
    doc.Line("</table>");
    doc.Line("<!--p><font color=\"#000099\" size=\"3\" face=\"Arial, Helvetica, sans-serif\">cv_ff</font></p-->");
    doc.Line(Rule("8"));
    doc << "<!--p><font color=\"#000000\" size=\"2\" face=\"Arial, Helvetica, sans-serif\"><b>" << texts.LastUsedLabel
        << "</b> " << DateTimeToStr(Now());
    doc.Line("</font></p-->");
    doc.Line("</head>");
    doc.Line("<body>");
    doc.Line("</table>");
    doc.Line("<br>");
}

void WriteList(TLogDocument& doc, TCustomListView* list, bool centerHeaders)
{
    doc.Line("<ul>");
    doc.Line("<table border=\"0\" cellpadding=\"8\" cellspacing=\"0\">");
    doc.Line("<tr>");
    TListColumns* columns = list->GetColumns();
    for (int i = 0; i < columns->GetCount(); ++i) {
        const AnsiString& caption = columns->GetItems(i)->GetCaption();
        doc.Line(centerHeaders ? "<td><b><center>" + caption + "</center></b></td>"
                               : "<td><b>" + caption + "</b></td>");
    }
    doc.Line("</tr>");
    TListItems* items = list->GetItems();
    for (int i = 0; i < items->GetCount(); ++i) {
        TListItem* item = items->GetItem(i);
        doc.Line("<tr>");
        doc.Line("<td><li>" + item->GetCaption() + "</td>");
        TStrings* cells = item->GetSubItems();
        for (int column = 1; column < columns->GetCount(); ++column) {
            const AnsiString text = column - 1 < cells->GetCount() ? cells->GetStrings(column - 1) : AnsiString();
            doc << "<td>" << (text.empty() ? AnsiString("-") : text) << "</td>";
        }
        doc << "</tr>";
    }
    doc.Line("</table>");
    doc.Line("</ul>");
}

void WriteProgramSection(TLogDocument& doc, const THtmlLogTexts& texts)
{
    doc.Line("<br>");
    doc.Line(Rule("2"));
    doc.Line("<br>");
    doc.Line("<ul><h3>Program</h3>");
    doc.Line("<p><ol>");
    doc.Line(AnsiString(Bullet) + "Program:</b>QUON File Variruvu<br> ");
    doc << Bullet << texts.VersionLabel << "</b> " << texts.Version << texts.ProgramDate;
    doc.Line("<br>");
    doc << Bullet << texts.AuthorLabel << "</b> " << texts.Author;
    doc.Line("<br>");
    doc.Line("</ol></p><br>");
    doc << "<h3>" << texts.MethodLabel;
    doc.Line(":</h3>");
    doc << "<ol>" << Bullet << texts.Method;
    doc.Line("</ol>");
    doc << "<h3>" << texts.MethodInfoLabel;
    doc.Line("</h3>");
    doc << "<ol>" << Bullet << texts.MethodInfo;
    doc.Line("</ol></ul><br>");
    doc.Line(Rule("2"));
    doc << "<p><font style=\"MARGIN-LEFT: 15px\" color=\"#000000\" size=\"2\" "
           "face=\"Arial, Helvetica, sans-serif\"><small><b>"
        << texts.LastUsedLabel << "</b> " << DateTimeToStr(Now());
    doc.Line("<small></font></p>");
    doc.Line("</html>");
}

}  // namespace

bool WriteHtmlLog(TCustomListView* list, const AnsiString& fileName, bool centerHeaders, const THtmlLogTexts& texts)
{
    try {
        if (!ForceDirectories(ExtractFilePath(fileName)))
            return false;
        TLogDocument doc;
        WriteHead(doc, texts);
        WriteList(doc, list, centerHeaders);
        WriteProgramSection(doc, texts);
        TFileStream file(fileName, fmCreate);
        file.WriteBuffer(doc.Text().data(), static_cast<int32_t>(doc.Text().size()));
        return true;
    } catch (const Exception&) {
        return false;
    }
}
